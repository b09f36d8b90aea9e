#include "RecordingSurface.h"

#include <algorithm>
#include <sstream>

namespace {
template <typename... A> std::string Line(const char* name, const A&... args) {
    std::ostringstream out;
    out << name << '(';
    const char* sep = "";
    ((out << sep << args, sep = ","), ...);
    out << ')';
    return out.str();
}
std::string Points(const std::vector<TVrPoint>& points) {
    std::string s;
    for (const TVrPoint& p : points)
        s += (s.empty() ? "" : " ") + std::to_string(p.X) + ":" + std::to_string(p.Y);
    return s;
}
const char* AlignName(TVrTextBoxFlags f) {
    return f.Align == TVrTextAlign::Center ? "C" : f.Align == TVrTextAlign::Right ? "R" : "L";
}
} // namespace

void TRecordingSurface::FillRect(int l, int t, int r, int b) {
    Calls.push_back(Line("FillRect", l, t, r, b));
}
void TRecordingSurface::Rectangle(int x1, int y1, int x2, int y2) {
    Calls.push_back(Line("Rectangle", x1, y1, x2, y2));
}
void TRecordingSurface::RoundRect(int x1, int y1, int x2, int y2, int ew, int eh) {
    Calls.push_back(Line("RoundRect", x1, y1, x2, y2, ew, eh));
}
void TRecordingSurface::MoveTo(int x, int y) {
    Calls.push_back(Line("MoveTo", x, y));
}
void TRecordingSurface::LineTo(int x, int y) {
    Calls.push_back(Line("LineTo", x, y));
}
void TRecordingSurface::Polygon(const std::vector<TVrPoint>& points) {
    Calls.push_back(Line("Polygon", Points(points)));
}
void TRecordingSurface::Polyline(const std::vector<TVrPoint>& points) {
    Calls.push_back(Line("Polyline", Points(points)));
}
void TRecordingSurface::DrawPicture(const TVrPicture& picture, int l, int t, int r, int b) {
    Calls.push_back(Line("DrawPicture", picture.Name, l, t, r, b));
}
void TRecordingSurface::SetPenColor(TVrColor color) {
    Calls.push_back(Line("PenColor", color));
}
void TRecordingSurface::SetPenStyle(uint8_t style) {
    Calls.push_back(Line("PenStyle", int(style)));
}
void TRecordingSurface::SetPenWidth(int widthPx) {
    Calls.push_back(Line("PenWidth", widthPx));
}
void TRecordingSurface::SetBrushColor(TVrColor color) {
    Calls.push_back(Line("BrushColor", color));
}
void TRecordingSurface::SetBrushStyle(uint8_t style) {
    Brush = style;
    Calls.push_back(Line("BrushStyle", int(style)));
}
void TRecordingSurface::SetFont(const TVrFontState& font) {
    CurrentFont = font;
    AverageWidth = 0;
    Rotation = 0;
    Calls.push_back(Line("SetFont", font.Name, font.Height));
}
void TRecordingSurface::SetFontName(const std::string& name) {
    CurrentFont.Name = name;
    AverageWidth = 0;
    Rotation = 0;
    Calls.push_back(Line("FontName", name));
}
void TRecordingSurface::SetFontHeight(int h) {
    CurrentFont.Height = h;
    AverageWidth = 0;
    Rotation = 0;
    Calls.push_back(Line("FontHeight", h));
}
void TRecordingSurface::SetFontStyle(TVrFontStyle style) {
    CurrentFont.Style = style;
    AverageWidth = 0;
    Rotation = 0;
    Calls.push_back(Line("FontStyle", int(style)));
}
void TRecordingSurface::SetFontColor(TVrColor color) {
    CurrentFont.Color = color;
    Calls.push_back(Line("FontColor", color));
}
void TRecordingSurface::SetFontWidth(int w) {
    AverageWidth = w;
    Calls.push_back(Line("FontWidth", w));
}
void TRecordingSurface::SetFontRotation(int tenths) {
    Rotation = tenths;
    Calls.push_back(Line("FontRotation", tenths));
}

TVrRect TRecordingSurface::MeasureTextBox(const std::string& text, const TVrRect& start,
                                          TVrTextBoxFlags flags) {
    const int h = CurrentFont.Height;
    const int cw = CharWidth(h);
    int widest = 0;
    int lines = 0;
    std::istringstream in(text);
    std::string paragraph;
    while (std::getline(in, paragraph)) {
        if (!flags.WordWrap) {
            widest = std::max(widest, WidthOf(paragraph, h));
            ++lines;
            continue;
        }
        // Greedy wrapping at blanks within the start rectangle's width.
        std::istringstream words(paragraph);
        std::string word;
        int lineWidth = -1;
        while (words >> word) {
            const int w = WidthOf(word, h);
            if (lineWidth >= 0 && lineWidth + cw + w <= start.Width()) {
                lineWidth += cw + w;
            } else {
                if (lineWidth >= 0)
                    widest = std::max(widest, lineWidth), ++lines;
                lineWidth = w;
            }
        }
        widest = std::max(widest, std::max(lineWidth, 0));
        ++lines;
    }
    lines = std::max(lines, 1);
    return {start.Left, start.Top, start.Left + widest, start.Top + lines * h};
}

void TRecordingSurface::DrawTextBox(const std::string& text, const TVrRect& box,
                                    TVrTextBoxFlags flags) {
    Calls.push_back(Line("DrawTextBox", text, box.Left, box.Top, box.Right, box.Bottom,
                         AlignName(flags), flags.WordWrap ? "wrap" : "nowrap"));
}

TVrPoint TRecordingSurface::TextExtent(const std::string& text) {
    return {WidthOf(text, CurrentFont.Height), CurrentFont.Height};
}

void TRecordingSurface::TextOutAt(int x, int y, const std::string& text) {
    Calls.push_back(Line("TextOutAt", text, x, y, CurrentFont.Height, Rotation));
}

std::vector<std::string> TRecordingSurface::Matching(const std::string& prefix) const {
    std::vector<std::string> out;
    std::copy_if(Calls.begin(), Calls.end(), std::back_inserter(out),
                 [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
    return out;
}
