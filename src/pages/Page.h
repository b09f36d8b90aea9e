#pragma once

#include "model/VrList.h"
#include "pages/Kalibrator.h"
#include "pages/Surface.h"

#include <initializer_list>
#include <string>

class TVrPage;
class TVrPages;
class TFmtText;

// A point of a polyline, page millimetres.
struct TVrPointMm {
    double X = 0;
    double Y = 0;
};

// Base of the recorded drawing operations. Kind codes are shared with the
// formatted-text items (1 font name, 4 font height, 101 text, ...).
class TVrPageElement {
public:
    TVrPageElement(TVrPage* page, uint8_t kind) : page_(page), kind_(kind) {}
    virtual ~TVrPageElement() = default;
    TVrPageElement(const TVrPageElement&) = delete;
    TVrPageElement& operator=(const TVrPageElement&) = delete;

    uint8_t Kind() const { return kind_; }
    TVrPage* Page() const { return page_; }
    // Replays the operation onto the surface, mapping millimetres through
    // the mapper; attribute elements also store their value in the page.
    virtual void Draw(TVrSurface& surface, const TVrKalibrator& mapper) = 0;

private:
    TVrPage* page_;
    uint8_t kind_;
};

// The current font of a page. The fields hold the latest value; each
// setter records an element and stores the value.
class TVrFont {
public:
    explicit TVrFont(TVrPage& page) : page_(page) {}
    std::string Name;
    TVrFontStyle Style = 0;
    double Width = 0;  // mm, average character width
    double Height = 0; // mm, character cell height
    TVrColor Color = 0;
    double Rotate = 0; // degrees, counter-clockwise

    void SetName(const std::string& name);
    void SetStyle(TVrFontStyle style);
    void SetWidth(double widthMm);
    void SetHeight(double heightMm);
    void SetColor(TVrColor color);
    void SetRotate(double degrees);

private:
    TVrPage& page_;
};

class TVrPen {
public:
    explicit TVrPen(TVrPage& page) : page_(page) {}
    TVrColor Color = 0;
    uint8_t Style = psSolid;
    double Width = 0; // mm

    void SetColor(TVrColor color);
    void SetStyle(uint8_t style);
    void SetWidth(double widthMm);

private:
    TVrPage& page_;
};

class TVrBrush {
public:
    explicit TVrBrush(TVrPage& page) : page_(page) {}
    TVrColor Color = 0;
    uint8_t Style = bsSolid;

    void SetColor(TVrColor color);
    void SetStyle(uint8_t style);

private:
    TVrPage& page_;
};

// One page: drawing operations recorded in millimetres, relative to the
// page set's margin origin, replayed in recording order by Draw. Every
// recording operation appends one element and notifies the page set.
class TVrPage {
public:
    TVrPage(TVrPages* owner, int index);
    virtual ~TVrPage();
    TVrPage(const TVrPage&) = delete;
    TVrPage& operator=(const TVrPage&) = delete;

    TVrFont Font{*this};
    TVrPen Pen{*this};
    TVrBrush Brush{*this};
    TJustify Justify = jtDefault; // in force while the page is drawn
    // How formatted text measures itself; the report sets it false.
    bool MeasureByBox = true;

    TVrPages* Owner() const { return owner_; }
    int Index() const { return index_; }
    int Count() const { return elements_.Count(); }
    TVrPageElement* Element(int index) const { return elements_.Get(index); }

    void Rectangle(double x1, double y1, double x2, double y2);
    void TextOut(const std::string& text, double x, double y);
    // The formatted text is copied: the caller may change or reuse it at once.
    void TextOutF(const TFmtText& text, double x, double y);
    void FillRect(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    // Copies count points and draws them as a closed, filled polygon; a
    // count of 0 or less records an element that draws nothing.
    void PolyLine(const TVrPointMm* points, int count);
    void PolyLine(std::initializer_list<TVrPointMm> points);
    // The picture is referenced, not copied.
    void DrawBitmap(const TVrPicture& picture, double x1, double y1, double x2, double y2);
    void RoundRect(double x1, double y1, double x2, double y2, double ellipseWidth,
                   double ellipseHeight);
    // Note the order: the box size comes before the anchor point.
    void TextOutWrapped(const std::string& text, double boxWidth, double boxHeight, double x,
                        double y);
    void SetTextJustify(TJustify justify);

    // Appends an element built by the caller (used by the setters above).
    void Record(std::unique_ptr<TVrPageElement> element);
    // Destroys all elements.
    void Clear();

    // Replays every element onto the page set's current target surface.
    void Draw();
    // Replays onto the given surface: justification and rotation start
    // from {jtTop, jtLeft} and 0 each time, so a page draws the same twice.
    void Draw(TVrSurface& surface, const TVrKalibrator& mapper);

private:
    TVrPages* owner_;
    int index_;
    TVrList<TVrPageElement> elements_;
};
