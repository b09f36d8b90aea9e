#pragma once

#include "container/AppData.h"
#include "model/Engine.h"
#include "model/VrList.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

// Every binary format this program writes carries this version; readers
// accept 1 up to it.
inline constexpr uint32_t CurrentFileVersion = 242;

// Field transfers of the file formats over TAppData. They differ from the
// container's own in one respect: the first read the data cannot satisfy ends
// the data. The container leaves the position where it was after a short
// read, so a later, smaller field would otherwise be read from the bytes of
// the cut one; here a cut or damaged file yields the fields before the cut
// and every later field keeps the value it had.
class TFieldIo {
public:
    explicit TFieldIo(TAppData& data) : data_(data) {}

    bool Reading() const { return data_.Reading(); }
    bool Writing() const { return data_.Writing(); }
    // The version of the data: the stored one when reading.
    uint32_t Version() const { return data_.Version; }
    // False once a read ran past the end of the data.
    bool Ok() const { return !data_.ReadPastEnd(); }

    void Bool(bool& value);
    void Bools(std::initializer_list<bool*> values);
    void Byte(uint8_t& value);
    // A byte-valued field stored widened to int16; the reader keeps the low byte.
    void WidenedByte(uint8_t& value);
    void Int16(int16_t& value);
    void Int32(int32_t& value);
    void UInt32(uint32_t& value);
    void Double(double& value);
    void Doubles(std::initializer_list<double*> values);
    void String(std::string& text);
    void Strings(std::initializer_list<std::string*> texts);

    // Reads and checks the version in reading mode (0 when the data holds
    // none), writes CurrentFileVersion in writing mode. True when the
    // version is one this program reads.
    bool TransferVersion();

private:
    void EndDataAfterFailedRead();
    TAppData& data_;
};

// A counted list: an int32 count, then the elements. Reading appends to the
// list (the caller clears it first); a count larger than the data can hold
// stops at the end of the data, and an element cut off by the end is dropped
// rather than completed with invented values.
template <typename T, typename MakeElement, typename TransferElement>
void TransferList(TFieldIo& io, TVrList<T>& list, MakeElement makeElement,
                  TransferElement transferElement) {
    int32_t count = list.Count();
    io.Int32(count);
    if (io.Writing()) {
        for (T& element : list)
            transferElement(io, element);
        return;
    }
    for (int32_t i = 0; i < count && io.Ok(); ++i) {
        std::unique_ptr<T> element = makeElement();
        transferElement(io, *element);
        if (io.Ok())
            list.Add(std::move(element));
    }
}

// Why a read was refused, in words for the user after the file name:
// "cannot read: <system reason>" when the file could not be read, else "not
// an Ardelven Quistra <kind> file". Call after BeginRead returned false.
std::string RefusalReason(const TAppData& data, std::string_view kind);
// Why a stored version was refused: newer than this program, or no valid version.
std::string VersionRefusal(uint32_t version);

// Fills a container with an in-memory file image, ready for BeginRead with
// an empty file name.
void LoadImage(TAppData& data, std::string_view image);

// The bytes a container holds.
std::string ImageOf(const TAppData& data);

// Ends a writing session: saves the container (atomically) and says how it went.
FileOperationResult FinishWriting(TAppData& data);
