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
    // A stable exchange sort: adjacent layers swap while the earlier one starts
    // deeper. Profiles hold a handful of layers.
    const int count = Items.Count();
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 0; i + 1 < count; ++i) {
            if (Items.Get(i)->Start > Items.Get(i + 1)->Start) {
                Items.Exchange(i, i + 1);
                swapped = true;
            }
        }
    }
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
