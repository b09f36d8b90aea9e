#include "pages/FmtText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TFmtText::TFmtText(const TFmtText& other) {
    items_.reserve(other.items_.size());
    for (const auto& item : other.items_)
        items_.push_back(item->Clone());
}

TFmtText& TFmtText::operator=(const TFmtText& other) {
    if (this != &other) {
        TFmtText copy(other);
        items_ = std::move(copy.items_);
    }
    return *this;
}

TFmtText& TFmtText::AddName(const std::string& fontName) {
    return Add(std::make_unique<TFT_Name>(fontName));
}
TFmtText& TFmtText::AddHeight(double heightMm) {
    return Add(std::make_unique<TFT_Height>(heightMm));
}
TFmtText& TFmtText::AddIndex(uint8_t mode) {
    return Add(std::make_unique<TFT_Index>(mode));
}
TFmtText& TFmtText::AddText(const std::string& text) {
    return Add(std::make_unique<TFT_Text>(text));
}

TFmtText& TFmtText::Add(std::unique_ptr<TFmtTextItem> item) {
    if (item)
        items_.push_back(std::move(item));
    return *this;
}

namespace {

// The running state of one pass over the items. Heights are cell heights in
// device pixels; Y is the top of the next run's cell.
struct TLineState {
    int h0 = 0;
    int current = 0;
    uint8_t previousMode = fiNormal;
    double Y = 0;
};

// The font, size and index changes, identical in the measuring and the
// drawing pass. Returns true when the item changed the surface font.
bool ApplyChange(const TFmtTextItem& item, TVrSurface& surface, const TVrKalibrator& mapper,
                 TLineState& s) {
    switch (item.Kind()) {
    case TFT_Name::KindCode:
        surface.SetFontName(static_cast<const TFT_Name&>(item).Name);
        return true;
    case TFT_Height::KindCode: {
        // Cells stay bottom-aligned: a smaller font moves the run down.
        const int old = s.current;
        s.current = TruncPx(mapper.ScaleY(static_cast<const TFT_Height&>(item).Height));
        surface.SetFontHeight(s.current);
        s.Y += old - s.current;
        return true;
    }
    case TFT_Index::KindCode: {
        const uint8_t mode = static_cast<const TFT_Index&>(item).Mode;
        const int before = s.current;
        bool changed = false;
        if (mode == fiUpper || mode == fiLower) {
            s.current = TruncPx(s.current * 0.8);
            changed = true;
        } else if (mode == fiNormal) {
            // Take the index shift back; the height returns to the one the
            // element started with, not the one before the index.
            if (s.previousMode == fiUpper)
                s.Y += s.current * 0.6;
            else if (s.previousMode == fiLower)
                s.Y -= s.current * 0.3;
            s.current = s.h0;
            changed = true;
        }
        if (changed)
            surface.SetFontHeight(s.current);
        s.Y += before - s.current;
        if (mode == fiUpper)
            s.Y -= s.current * 0.6;
        else if (mode == fiLower)
            s.Y += s.current * 0.3;
        s.previousMode = mode;
        return changed;
    }
    default:
        return false;
    }
}

void RestoreFont(TVrSurface& surface, const TVrFontState& saved, int rotationTenths) {
    surface.SetFont(saved);
    surface.SetFontRotation(rotationTenths);
}

} // namespace

void TVrPE_TextOutF::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    double X = 0;
    double Y = 0;
    if (!mapper.MapPoint(this->X, this->Y, X, Y))
        return;
    const TVrPage& page = *Page();
    const double X0 = X;
    const TVrFontState saved = surface.Font();
    const double a = page.Font.Rotate;
    const double r = a * std::numbers::pi / 180;
    // Quarter turns use exact values: cos(pi / 2) is 6e-17, not 0, which
    // would push an upright label's anchoring across a pixel boundary.
    const bool quarterTurn = std::fmod(a, 90.0) == 0;
    const double cosR = quarterTurn ? std::round(std::cos(r)) : std::cos(r);
    const double sinR = quarterTurn ? std::round(std::sin(r)) : std::sin(r);
    const bool byBox = page.MeasureByBox;
    const int rotationTenths = TruncPx(a * 10);

    // Measuring pass: advance along the rotated baseline direction.
    TLineState s{saved.Height, saved.Height, fiNormal, Y};
    double minX = X, maxX = X, minY = Y, maxY = Y;
    for (int i = 0; i < Text.Count(); ++i) {
        TFmtTextItem& item = *Text.Item(i);
        if (item.Kind() != TFT_Text::KindCode) {
            ApplyChange(item, surface, mapper, s);
            continue;
        }
        auto& run = static_cast<TFT_Text&>(item);
        const TVrPoint extent = surface.TextExtent(run.Text);
        const double cx = extent.X;
        const double cy = extent.Y;
        run.X0 = X;
        run.Y0 = s.Y;
        if (byBox) {
            run.X1 = X + cx * cosR + cy * sinR;
            run.Y1 = s.Y - cx * sinR - cy * cosR;
        } else {
            run.X1 = X + cx * cosR;
            run.Y1 = s.Y - cx * sinR;
        }
        X += run.X1 - run.X0;
        s.Y += run.Y1 - run.Y0;
        minY = std::min({minY, run.Y0, run.Y1});
        maxY = std::max({maxY, run.Y0, run.Y1});
        if (byBox) {
            minX = std::min({minX, run.X0, run.X1});
            maxX = std::max({maxX, run.X0, run.X1});
        }
    }
    const double W = byBox ? maxX - minX : X - X0;
    const double H = byBox ? maxY - minY : saved.Height;

    // Anchoring applies to horizontal and upright-rotated (90 degrees) text
    // only; any other angle starts at the anchor point (the measuring pass
    // moved X along the line; Y is still the anchor's).
    X = X0;
    const TJustify j = page.Justify;
    if (a == 0) {
        if (j & jtCenter)
            X -= W * 0.5;
        if (j & jtRight)
            X -= W;
        if (j & jtMiddle)
            Y -= H * 0.5;
        if (j & jtBottom)
            Y -= H;
    } else if (a == 90) {
        if (j & jtCenter)
            Y += H * 0.5;
        if (j & jtRight)
            Y += H;
        if (j & jtMiddle)
            X -= W * 0.5;
        if (j & jtBottom)
            X -= W;
    }
    RestoreFont(surface, saved, rotationTenths);

    // Drawing pass: the same changes, the advances measured above. A font
    // change drops the rotation on the surface, so it is set again.
    s = TLineState{saved.Height, saved.Height, fiNormal, Y};
    for (int i = 0; i < Text.Count(); ++i) {
        TFmtTextItem& item = *Text.Item(i);
        if (item.Kind() != TFT_Text::KindCode) {
            if (ApplyChange(item, surface, mapper, s))
                surface.SetFontRotation(rotationTenths);
            continue;
        }
        const auto& run = static_cast<const TFT_Text&>(item);
        surface.TextOutAt(TruncPx(X), TruncPx(s.Y), run.Text);
        X += run.X1 - run.X0;
        s.Y += run.Y1 - run.Y0;
    }
    RestoreFont(surface, saved, rotationTenths);
}
