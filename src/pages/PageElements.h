#pragma once

#include "pages/Page.h"

#include <string>
#include <vector>

// The recorded element kinds. Kind codes are fixed (they are shared with
// the formatted-text items) and listed with each class.

// An attribute change holding one value.
template <typename V, uint8_t K> class TVrPE_Value : public TVrPageElement {
public:
    static constexpr uint8_t KindCode = K;
    TVrPE_Value(TVrPage* page, V value) : TVrPageElement(page, K), Value(std::move(value)) {}
    V Value;
};

#define QUISTRA_VALUE_ELEMENT(NAME, TYPE, CODE)                                                    \
    class NAME final : public TVrPE_Value<TYPE, CODE> {                                            \
    public:                                                                                        \
        using TVrPE_Value::TVrPE_Value;                                                            \
        void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;                      \
    }

QUISTRA_VALUE_ELEMENT(TVrPE_Font_Name, std::string, 1);
QUISTRA_VALUE_ELEMENT(TVrPE_Font_Style, TVrFontStyle, 2);
QUISTRA_VALUE_ELEMENT(TVrPE_Font_Width, double, 3);  // mm
QUISTRA_VALUE_ELEMENT(TVrPE_Font_Height, double, 4); // mm, cell height
QUISTRA_VALUE_ELEMENT(TVrPE_Font_Color, TVrColor, 6);
QUISTRA_VALUE_ELEMENT(TVrPE_Font_Rotate, double, 10); // degrees
QUISTRA_VALUE_ELEMENT(TVrPE_Pen_Color, TVrColor, 12);
QUISTRA_VALUE_ELEMENT(TVrPE_Pen_Style, uint8_t, 14);
QUISTRA_VALUE_ELEMENT(TVrPE_Pen_Width, double, 15); // mm
QUISTRA_VALUE_ELEMENT(TVrPE_Brush_Color, TVrColor, 16);
QUISTRA_VALUE_ELEMENT(TVrPE_Brush_Style, uint8_t, 17);
QUISTRA_VALUE_ELEMENT(TVrPE_TextJustify, TJustify, 150);

#undef QUISTRA_VALUE_ELEMENT

// A shape given by two corners, millimetres.
template <uint8_t K> class TVrPE_TwoPoints : public TVrPageElement {
public:
    static constexpr uint8_t KindCode = K;
    TVrPE_TwoPoints(TVrPage* page, double x1, double y1, double x2, double y2)
        : TVrPageElement(page, K), X1(x1), Y1(y1), X2(x2), Y2(y2) {}
    double X1, Y1, X2, Y2;

protected:
    // Both corners mapped; false when the mapper is not prepared.
    bool Map(const TVrKalibrator& mapper, TVrPoint& p1, TVrPoint& p2) const {
        return mapper.MapPointInt(X1, Y1, p1) && mapper.MapPointInt(X2, Y2, p2);
    }
};

class TVrPE_Rectangle final : public TVrPE_TwoPoints<100> {
public:
    using TVrPE_TwoPoints::TVrPE_TwoPoints;
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_FillRect final : public TVrPE_TwoPoints<103> {
public:
    using TVrPE_TwoPoints::TVrPE_TwoPoints;
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_Line final : public TVrPE_TwoPoints<106> {
public:
    using TVrPE_TwoPoints::TVrPE_TwoPoints;
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_RoundRect final : public TVrPE_TwoPoints<113> {
public:
    TVrPE_RoundRect(TVrPage* page, double x1, double y1, double x2, double y2, double ew, double eh)
        : TVrPE_TwoPoints(page, x1, y1, x2, y2), EllipseWidth(ew), EllipseHeight(eh) {}
    double EllipseWidth, EllipseHeight; // mm
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_DrawBitmap final : public TVrPE_TwoPoints<112> {
public:
    TVrPE_DrawBitmap(TVrPage* page, const TVrPicture& picture, double x1, double y1, double x2,
                     double y2)
        : TVrPE_TwoPoints(page, x1, y1, x2, y2), Picture(picture) {}
    const TVrPicture& Picture; // not owned
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_MoveTo final : public TVrPageElement {
public:
    static constexpr uint8_t KindCode = 109;
    TVrPE_MoveTo(TVrPage* page, double x, double y) : TVrPageElement(page, KindCode), X(x), Y(y) {}
    double X, Y;
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_LineTo final : public TVrPageElement {
public:
    static constexpr uint8_t KindCode = 110;
    TVrPE_LineTo(TVrPage* page, double x, double y) : TVrPageElement(page, KindCode), X(x), Y(y) {}
    double X, Y;
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_PolyLine final : public TVrPageElement {
public:
    static constexpr uint8_t KindCode = 111;
    TVrPE_PolyLine(TVrPage* page, const TVrPointMm* points, int count, bool closed);
    std::vector<TVrPointMm> Points; // copied
    bool Closed;
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_TextOut final : public TVrPageElement {
public:
    static constexpr uint8_t KindCode = 101;
    TVrPE_TextOut(TVrPage* page, std::string text, double x, double y)
        : TVrPageElement(page, KindCode), Text(std::move(text)), X(x), Y(y) {}
    std::string Text;
    double X, Y;
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

class TVrPE_TextOutWrapped final : public TVrPageElement {
public:
    static constexpr uint8_t KindCode = 115;
    TVrPE_TextOutWrapped(TVrPage* page, std::string text, double boxWidth, double boxHeight,
                         double x, double y)
        : TVrPageElement(page, KindCode), Text(std::move(text)), BoxWidth(boxWidth),
          BoxHeight(boxHeight), X(x), Y(y) {}
    std::string Text;
    double BoxWidth, BoxHeight, X, Y; // mm
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper) override;
};

// The anchoring shared by the plain text elements: the box measured from
// start with the page's justification, moved so that the recorded point is
// its top/middle/bottom and left/centre/right, then drawn.
void DrawAnchoredTextBox(TVrSurface& surface, const std::string& text, TVrRect start, bool wordWrap,
                         TJustify justify);
