#pragma once

#include "pages/Page.h"

#include <memory>
#include <string>
#include <vector>

// Formatted text: a short program of text runs and font, size and index
// changes, laid out on one line. Item kinds reuse the page element codes
// that make the same change.

class TFmtTextItem {
public:
    virtual ~TFmtTextItem() = default;
    virtual std::unique_ptr<TFmtTextItem> Clone() const = 0;
    virtual uint8_t Kind() const = 0;
};

class TFT_Name final : public TFmtTextItem {
public:
    explicit TFT_Name(std::string name) : Name(std::move(name)) {}
    std::unique_ptr<TFmtTextItem> Clone() const override {
        return std::make_unique<TFT_Name>(*this);
    }
    static constexpr uint8_t KindCode = 1;
    uint8_t Kind() const override { return KindCode; }
    std::string Name;
};

class TFT_Height final : public TFmtTextItem {
public:
    explicit TFT_Height(double heightMm) : Height(heightMm) {}
    std::unique_ptr<TFmtTextItem> Clone() const override {
        return std::make_unique<TFT_Height>(*this);
    }
    static constexpr uint8_t KindCode = 4;
    uint8_t Kind() const override { return KindCode; }
    double Height; // mm, cell height
};

// Index modes.
constexpr uint8_t fiUpper = 0;
constexpr uint8_t fiNormal = 1;
constexpr uint8_t fiLower = 2;

class TFT_Index final : public TFmtTextItem {
public:
    explicit TFT_Index(uint8_t mode) : Mode(mode) {}
    std::unique_ptr<TFmtTextItem> Clone() const override {
        return std::make_unique<TFT_Index>(*this);
    }
    static constexpr uint8_t KindCode = 11;
    uint8_t Kind() const override { return KindCode; }
    uint8_t Mode;
};

// Base of the items that take room on the line: the box measured by the
// latest drawing, device pixels (start x0, y0; end x1, y1).
class TFmtTextVisibleItem : public TFmtTextItem {
public:
    double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

class TFT_Text final : public TFmtTextVisibleItem {
public:
    explicit TFT_Text(std::string text) : Text(std::move(text)) {}
    std::unique_ptr<TFmtTextItem> Clone() const override {
        return std::make_unique<TFT_Text>(*this);
    }
    static constexpr uint8_t KindCode = 101;
    uint8_t Kind() const override { return KindCode; }
    std::string Text;
};

class TFmtText {
public:
    TFmtText() { items_.reserve(5); }
    TFmtText(const TFmtText& other);
    TFmtText& operator=(const TFmtText& other);
    TFmtText(TFmtText&&) = default;
    TFmtText& operator=(TFmtText&&) = default;
    virtual ~TFmtText() = default;

    TFmtText& AddName(const std::string& fontName);
    TFmtText& AddHeight(double heightMm);
    TFmtText& AddIndex(uint8_t mode);
    TFmtText& AddText(const std::string& text);
    // Appends any item (items of unknown kinds are skipped when drawn).
    TFmtText& Add(std::unique_ptr<TFmtTextItem> item);
    void Clear() { items_.clear(); }

    int Count() const { return static_cast<int>(items_.size()); }
    TFmtTextItem* Item(int index) const {
        return index >= 0 && index < Count() ? items_[size_t(index)].get() : nullptr;
    }

private:
    std::vector<std::unique_ptr<TFmtTextItem>> items_;
};

// Kind 102: a formatted text anchored at (X, Y) mm with the page's
// justification. It owns a deep copy, because drawing writes the measured
// boxes into the items.
class TVrPE_TextOutF final : public TVrPageElement {
public:
    static constexpr uint8_t KindCode = 102;
    TVrPE_TextOutF(TVrPage* page, const TFmtText& text, double x, double y)
        : TVrPageElement(page, KindCode), Text(text), X(x), Y(y) {}
    TFmtText Text;
    double X, Y;
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};
