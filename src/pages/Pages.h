#pragma once

#include "model/VrList.h"
#include "pages/Kalibrator.h"
#include "pages/Page.h"
#include "pages/PrintSettings.h"

#include <functional>

// A set of pages recorded once in millimetres and drawn any number of times:
// onto the viewer's bitmap at a zoom (RenderPage) or onto a printer at
// physical scale (Print).
//
// Composing follows one order: Clear, set Margins, SetBuffering(true),
// SetOrientation, NewPage and record, SetBuffering(false) - which notifies
// the observer once.
class TVrPages {
public:
    TVrPages();
    virtual ~TVrPages();
    TVrPages(const TVrPages&) = delete;
    TVrPages& operator=(const TVrPages&) = delete;

    TVrColor BackgroundColor = 0xFFFFFF; // page fill on the screen surface
    TRange Range{0, 0, 210, 297};        // mm, the page rectangle (A4 portrait)
    TRange Margins;                      // mm; X1, Y1 shift the origin right/down
    TRange ViewRange;                    // px, the screen target rectangle
    TRange ViewMargins;                  // px; X1, Y1 shift the result left/up
    TPrintSettings PrintSettings;
    // The single observer (the viewer). Called with the page set.
    std::function<void(TVrPages&)> OnChange;

    int Count() const { return pages_.Count(); }
    TVrPage* Page(int index) const { return pages_.Get(index); }
    TVrPage* NewPage();
    void Clear();

    int ActivePage() const { return activePage_; }
    // Held within 0 .. Count() - 1, or -1.
    void SetActivePage(int index);
    bool Buffering() const { return buffering_; }
    void SetBuffering(bool value);
    TOrientation Orientation() const { return orientation_; }
    // Exchanges Range.X2 and Range.Y2 when the rectangle does not match the
    // orientation, then calls the observer even while buffering.
    void SetOrientation(TOrientation value);

    // The viewer's surface, not owned.
    void SetViewSurface(TVrSurface* surface) { viewSurface_ = surface; }
    TVrSurface* ViewSurface() const { return viewSurface_; }
    // Draws one page onto the viewer's surface with ViewRange and ViewMargins:
    // background fill, black thinnest pen, then the elements. An index
    // outside the page list draws nothing.
    void RenderPage(int index);
    // The same onto any surface, the page rectangle stretched over viewRange.
    void RenderPageOnto(int index, TVrSurface& surface, const TRange& viewRange);

    // Exchanges the settings with the printer (the page set's orientation is
    // written) and prints the listed pages: the page rectangle is stretched
    // over the whole sheet measured from the paper's corner, so one page
    // millimetre is one millimetre on paper. Indices outside the page list
    // are skipped; a null index array only exchanges the settings.
    TPrintResult Print(TVrPrinter& printer, const int* indices, int count, bool noPageBreaks);

    TVrKalibrator& Kalibrator() { return kalibrator_; }
    // The surface of the render or print in progress, else null.
    TVrSurface* Target() const { return target_; }
    // Calls the observer unless buffering.
    void Notify();

private:
    void CallObserver();
    void PrepareKalibrator(const TRange& dest, const TRange& destMargins);

    TVrList<TVrPage> pages_;
    TVrKalibrator kalibrator_;
    TVrSurface* target_ = nullptr;
    TVrSurface* viewSurface_ = nullptr;
    int activePage_ = -1;
    bool buffering_ = false;
    TOrientation orientation_ = orVertical;
};
