#include "pages/Pages.h"

namespace {
// Sets the target for the duration of one render or print.
class TTargetScope {
public:
    TTargetScope(TVrSurface*& slot, TVrSurface* surface) : slot_(slot), previous_(slot) {
        slot_ = surface;
    }
    ~TTargetScope() { slot_ = previous_; }

private:
    TVrSurface*& slot_;
    TVrSurface* previous_;
};
} // namespace

TVrPages::TVrPages() = default;
TVrPages::~TVrPages() = default;

void TVrPages::CallObserver() {
    if (OnChange)
        OnChange(*this);
}

void TVrPages::Notify() {
    if (!buffering_)
        CallObserver();
}

TVrPage* TVrPages::NewPage() {
    TVrPage* page = pages_.Add(std::make_unique<TVrPage>(this, pages_.Count()));
    if (activePage_ == -1)
        activePage_ = 0;
    Notify();
    return page;
}

void TVrPages::Clear() {
    pages_.Clear();
    activePage_ = -1;
    Notify();
}

void TVrPages::SetActivePage(int index) {
    if (index >= Count())
        index = Count() - 1;
    if (index < 0)
        index = -1;
    activePage_ = index;
    Notify();
}

void TVrPages::SetBuffering(bool value) {
    buffering_ = value;
    if (!value)
        CallObserver();
}

void TVrPages::SetOrientation(TOrientation value) {
    orientation_ = value;
    const bool portrait = Range.X2 < Range.Y2;
    if (portrait != (value == orVertical))
        std::swap(Range.X2, Range.Y2);
    CallObserver();
}

// The page rectangle (shifted by the margins) stretched over a device rectangle.
void TVrPages::PrepareKalibrator(const TRange& dest, const TRange& destMargins) {
    kalibrator_.Calibration = clCompToComp;
    kalibrator_.Source = Range;
    kalibrator_.SourceMargins = Margins;
    kalibrator_.Dest = dest;
    kalibrator_.DestMargins = destMargins;
    kalibrator_.Prepare();
}

void TVrPages::RenderPage(int index) {
    if (viewSurface_ != nullptr)
        RenderPageOnto(index, *viewSurface_, ViewRange);
}

void TVrPages::RenderPageOnto(int index, TVrSurface& surface, const TRange& viewRange) {
    TVrPage* page = Page(index);
    if (page == nullptr)
        return;
    PrepareKalibrator(viewRange, ViewMargins);
    TTargetScope scope(target_, &surface);
    surface.SetBrushColor(BackgroundColor);
    surface.FillRect(0, 0, TruncPx(viewRange.X2), TruncPx(viewRange.Y2));
    // Brush style, pen style and font are not reset: they stay as the
    // surface last had them.
    surface.SetPenColor(0);
    surface.SetPenWidth(0);
    page->Draw(surface, kalibrator_);
}

TPrintResult TVrPages::Print(TVrPrinter& printer, const int* indices, int count,
                             bool noPageBreaks) {
    PrintSettings.Orientation = orientation_;
    PrintSettings.ReadFromPrinter(printer);
    PrintSettings.Orientation = orientation_;
    PrintSettings.WriteToPrinter(printer);
    TPrintResult result;
    if (indices == nullptr)
        return result;

    PrepareKalibrator(PrintSettings.PageRect, PrintSettings.PrinterOffset);

    if (!printer.BeginDoc(PrintSettings.Title, result.error)) {
        result.ok = false;
        return result;
    }
    result.sheets = 1;
    TVrSurface& surface = printer.Surface();
    TTargetScope scope(target_, &surface);
    for (int i = 0; i < count; ++i) {
        TVrPage* page = Page(indices[i]);
        if (page == nullptr)
            continue; // skipped without drawing and without a new sheet
        // On paper the background is not filled; only the brush colour is set.
        surface.SetBrushColor(0xFFFFFF);
        surface.SetPenColor(0);
        surface.SetPenWidth(0);
        page->Draw(surface, kalibrator_);
        if (i < count - 1 && !noPageBreaks) {
            printer.NewPage();
            ++result.sheets;
        }
    }
    result.ok = printer.EndDoc(result.error);
    return result;
}
