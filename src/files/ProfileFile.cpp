#include "files/ProfileFile.h"

#include <memory>

namespace {

// Colour of a layer before its stored colour is read: white.
constexpr int32_t DefaultLayerColor = 0x00FFFFFF;

void TransferLayer(TFieldIo& io, TGeoProfileItem& layer) {
    const uint32_t version = io.Version();
    io.Double(layer.Start);
    if (version >= 2)
        io.Bool(layer.Gleba);
    io.String(layer.Name);
    io.Int32(layer.Color);
    io.Int16(layer.SoilType);
    io.Bools({&layer.GradingKnown, &layer.WellGraded});
    // U before CU on disk, although the layer declares CU first.
    io.Doubles({&layer.U, &layer.CU});
    if (version >= 200) {
        io.Bools({&layer.ForDP, &layer.ForVane});
        io.Int16(layer.Category);
    }
    if (version >= 201)
        io.Double(layer.WspKor);
}

FileOperationResult ReadProfileFile(TGeoProfile& profile, TAppData& data) {
    TFieldIo io(data);
    FileOperationResult result;
    if (!data.BeginRead(ProfileFileIdentifier)) {
        result.error = RefusalReason(data, "profile");
    } else if (!io.TransferVersion()) {
        result.error = VersionRefusal(data.Version);
    } else {
        TransferProfileBlock(io, profile);
        result.ok = true;
        result.version = data.Version;
    }
    data.Finish();
    return result;
}

void WriteProfileFile(TGeoProfile& profile, TAppData& data) {
    TFieldIo io(data);
    data.BeginWrite(ProfileFileIdentifier);
    io.TransferVersion();
    TransferProfileBlock(io, profile);
}

} // namespace

void TransferProfileBlock(TFieldIo& io, TGeoProfile& profile) {
    if (io.Reading()) {
        if (!io.Ok())
            return;
        profile.Items.Clear();
    }
    io.Doubles({&profile.Water1, &profile.Water2, &profile.End});
    // Every layer takes at least 36 bytes, so a lying count ends with the data.
    TransferList(
        io, profile.Items,
        [] { return std::make_unique<TGeoProfileItem>(0.0, std::string(), DefaultLayerColor); },
        TransferLayer);
    if (io.Reading())
        profile.Normalize();
}

FileOperationResult SaveProfile(TGeoProfile& profile, const std::string& path) {
    TAppData data(path);
    WriteProfileFile(profile, data);
    return FinishWriting(data);
}

FileOperationResult LoadProfileFile(TGeoProfile& profile, const std::string& path) {
    TAppData data(path);
    return ReadProfileFile(profile, data);
}

bool LoadProfile(TGeoProfile& profile, const std::string& path) {
    return LoadProfileFile(profile, path).ok;
}

std::string EncodeProfile(TGeoProfile& profile) {
    TAppData data;
    WriteProfileFile(profile, data);
    data.Finish();
    return ImageOf(data);
}

bool DecodeProfile(TGeoProfile& profile, std::string_view image) {
    TAppData data;
    LoadImage(data, image);
    return ReadProfileFile(profile, data).ok;
}
