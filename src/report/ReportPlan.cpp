#include "report/ReportPlan.h"

#include "base/Numbers.h"

#include <cmath>

namespace {

struct TSpanRow {
    bool portrait;
    bool everyPage;
    int smaller; // -1 any, 0 off, 1 on
    int firstWithRemarks;
    int firstWithoutRemarks;
    int next;
    double nextTop;
};

// Metres per page. The depth scale is fixed at 30 mm per metre, so these
// spans are what fits under the header blocks of A4 pages.
constexpr TSpanRow SpanTable[] = {
    {true, false, -1, 5, 6, 8, 17},  {true, true, 0, 5, 6, 6, 87},  {true, true, 1, 2, 6, 3, 65},
    {false, false, -1, 2, 3, 5, 17}, {false, true, 0, 2, 3, 3, 87}, {false, true, 1, 2, 3, 4, 65},
};

const TSpanRow& FindSpanRow(const TSheetOptions& o) {
    for (const TSpanRow& row : SpanTable)
        if (row.portrait == o.Portrait && row.everyPage == o.HeaderOnEveryPage &&
            (row.smaller < 0 || (row.smaller == 1) == o.SmallerHeaderOnNextPages))
            return row;
    return SpanTable[0]; // unreachable: the table covers every combination
}

// A page number text: empty gives the fallback, anything but an integer gives 1.
int PageNumberText(const std::string& text, int whenEmpty) {
    if (text.empty())
        return whenEmpty;
    return ParseInteger(text).value_or(1);
}

} // namespace

TReportPlan PlanReport(const TProtocol& test) {
    const TSheetOptions& o = test.Sheet;
    const TSpanRow& row = FindSpanRow(o);
    TReportPlan plan;
    plan.FirstSpan = o.PrintRemarks ? row.firstWithRemarks : row.firstWithoutRemarks;
    plan.NextSpan = row.next;

    // Reading depths are built as r x 0.1 m and carry the last bits of that
    // product (110 x 0.1 = 11.000000000000002), so the deepest reading is
    // compared with the page boundaries with the reading tolerance; otherwise
    // an 11 m test would get an empty third page.
    const double maxDepth = test.MaxDepth - DepthTolerance;
    const double r = plan.FirstSpan;
    const double a = plan.NextSpan;
    int count = static_cast<int>(std::trunc(std::ceil((maxDepth - r) / a) + 1));
    count = PageNumberText(test.LastPageNumber, count);
    plan.PageCount = count < 1 ? 1 : count;

    int number = PageNumberText(test.FirstPageNumber, 1);
    TReportPage first;
    first.StartDepth = 0;
    first.Metres = plan.FirstSpan;
    first.Number = number;
    first.CardTop = FirstCardTop;
    first.Header = TReportPage::FullHeader;
    first.Remarks = o.PrintRemarks;
    plan.Pages.push_back(first);

    for (double d = r; d < maxDepth; d += a) {
        TReportPage page;
        page.StartDepth = d;
        page.Metres = plan.NextSpan;
        page.Number = ++number;
        page.CardTop = row.nextTop;
        page.Header = !o.HeaderOnEveryPage         ? TReportPage::NoHeader
                      : o.SmallerHeaderOnNextPages ? TReportPage::CompactHeader
                                                   : TReportPage::FullHeader;
        plan.Pages.push_back(page);
    }
    return plan;
}
