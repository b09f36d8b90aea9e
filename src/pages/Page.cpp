#include "pages/Page.h"

#include "pages/FmtText.h"
#include "pages/PageElements.h"
#include "pages/Pages.h"

namespace {
template <typename E, typename... Args> void RecordOn(TVrPage& page, Args&&... args) {
    page.Record(std::make_unique<E>(&page, std::forward<Args>(args)...));
}
} // namespace

void TVrFont::SetName(const std::string& name) {
    Name = name;
    RecordOn<TVrPE_Font_Name>(page_, name);
}
void TVrFont::SetStyle(TVrFontStyle style) {
    Style = style;
    RecordOn<TVrPE_Font_Style>(page_, style);
}
void TVrFont::SetWidth(double widthMm) {
    Width = widthMm;
    RecordOn<TVrPE_Font_Width>(page_, widthMm);
}
void TVrFont::SetHeight(double heightMm) {
    Height = heightMm;
    RecordOn<TVrPE_Font_Height>(page_, heightMm);
}
void TVrFont::SetColor(TVrColor color) {
    Color = color;
    RecordOn<TVrPE_Font_Color>(page_, color);
}
void TVrFont::SetRotate(double degrees) {
    Rotate = degrees;
    RecordOn<TVrPE_Font_Rotate>(page_, degrees);
}

void TVrPen::SetColor(TVrColor color) {
    Color = color;
    RecordOn<TVrPE_Pen_Color>(page_, color);
}
void TVrPen::SetStyle(uint8_t style) {
    Style = style;
    RecordOn<TVrPE_Pen_Style>(page_, style);
}
void TVrPen::SetWidth(double widthMm) {
    Width = widthMm;
    RecordOn<TVrPE_Pen_Width>(page_, widthMm);
}

void TVrBrush::SetColor(TVrColor color) {
    Color = color;
    RecordOn<TVrPE_Brush_Color>(page_, color);
}
void TVrBrush::SetStyle(uint8_t style) {
    Style = style;
    RecordOn<TVrPE_Brush_Style>(page_, style);
}

TVrPage::TVrPage(TVrPages* owner, int index) : owner_(owner), index_(index) {}

TVrPage::~TVrPage() = default;

void TVrPage::Record(std::unique_ptr<TVrPageElement> element) {
    elements_.Add(std::move(element));
    if (owner_ != nullptr)
        owner_->Notify();
}

void TVrPage::Rectangle(double x1, double y1, double x2, double y2) {
    RecordOn<TVrPE_Rectangle>(*this, x1, y1, x2, y2);
}
void TVrPage::TextOut(const std::string& text, double x, double y) {
    RecordOn<TVrPE_TextOut>(*this, text, x, y);
}
void TVrPage::TextOutF(const TFmtText& text, double x, double y) {
    RecordOn<TVrPE_TextOutF>(*this, text, x, y);
}
void TVrPage::FillRect(double x1, double y1, double x2, double y2) {
    RecordOn<TVrPE_FillRect>(*this, x1, y1, x2, y2);
}
void TVrPage::Line(double x1, double y1, double x2, double y2) {
    RecordOn<TVrPE_Line>(*this, x1, y1, x2, y2);
}
void TVrPage::MoveTo(double x, double y) {
    RecordOn<TVrPE_MoveTo>(*this, x, y);
}
void TVrPage::LineTo(double x, double y) {
    RecordOn<TVrPE_LineTo>(*this, x, y);
}
void TVrPage::PolyLine(const TVrPointMm* points, int count) {
    RecordOn<TVrPE_PolyLine>(*this, points, count, true);
}
void TVrPage::PolyLine(std::initializer_list<TVrPointMm> points) {
    PolyLine(points.begin(), static_cast<int>(points.size()));
}
void TVrPage::DrawBitmap(const TVrPicture& picture, double x1, double y1, double x2, double y2) {
    RecordOn<TVrPE_DrawBitmap>(*this, picture, x1, y1, x2, y2);
}
void TVrPage::RoundRect(double x1, double y1, double x2, double y2, double ellipseWidth,
                        double ellipseHeight) {
    RecordOn<TVrPE_RoundRect>(*this, x1, y1, x2, y2, ellipseWidth, ellipseHeight);
}
void TVrPage::TextOutWrapped(const std::string& text, double boxWidth, double boxHeight, double x,
                             double y) {
    RecordOn<TVrPE_TextOutWrapped>(*this, text, boxWidth, boxHeight, x, y);
}
void TVrPage::SetTextJustify(TJustify justify) {
    RecordOn<TVrPE_TextJustify>(*this, justify);
}

void TVrPage::Clear() {
    elements_.Clear();
}

void TVrPage::Draw() {
    if (owner_ != nullptr && owner_->Target() != nullptr)
        Draw(*owner_->Target(), owner_->Kalibrator());
}

void TVrPage::Draw(TVrSurface& surface, const TVrKalibrator& mapper) {
    Justify = jtDefault;
    Font.Rotate = 0;
    for (TVrPageElement& element : elements_)
        element.Draw(surface, mapper);
}
