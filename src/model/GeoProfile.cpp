#include "model/GeoProfile.h"

#include "base/Text.h"

void TGeoProfileItem::SetNameFromLines(const std::vector<std::string>& lines) {
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            name += '#';
        name += lines[i];
    }
    Name = std::move(name);
}

std::string TGeoProfileItem::NameAsText() const {
    std::string text;
    for (char c : Name) {
        if (c == '#')
            text += "\r\n";
        else
            text += c;
    }
    return text;
}

TGeoProfileItem* TGeoProfile::AddLayer(std::unique_ptr<TGeoProfileItem> layer) {
    TGeoProfileItem* added = Items.Add(std::move(layer));
    Normalize();
    return added;
}

void TGeoProfile::Normalize() {
    // Stable, so layers starting at the same depth keep their order (the
    // result an exchange sort of adjacent layers gives), and n log n, so a
    // damaged file claiming thousands of layers loads at once.
    const int count = Items.Count();
    Items.StableSort(
        [](const TGeoProfileItem& a, const TGeoProfileItem& b) { return a.Start < b.Start; });
    for (int i = 0; i < count; ++i) {
        TGeoProfileItem* layer = Items.Get(i);
        TGeoProfileItem* next = Items.Get(i + 1);
        layer->Next = next;
        double bottom = next ? next->Start : End;
        layer->Size = bottom - layer->Start;
        if (layer->Size < 0)
            layer->Size = 0;
    }
}

void TGeoProfile::Clear() {
    Items.Clear();
    Normalize();
}
