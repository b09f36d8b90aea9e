#include "report/Report.h"

#include "base/Text.h"
#include "i18n/Translate.h"
#include "pages/Pages.h"
#include "report/HeaderBlock.h"
#include "report/ProbingCard.h"
#include "report/RemarksBlock.h"
#include "report/ReportPlan.h"

namespace {

TVrPage& NewReportPage(TVrPages& pages) {
    TVrPage* page = pages.NewPage();
    page->MeasureByBox = false;
    page->Clear();
    return *page;
}

} // namespace

bool BuildReport(const TProtocol& test, TVrPages& pages, bool footerByClient) {
    pages.Clear();
    // Only X1 and Y1 move the origin; X2 and Y2 are kept for the printer.
    pages.Margins = TRange{12, 12, 186, 252};
    pages.SetBuffering(true);
    pages.SetOrientation(test.Sheet.Portrait ? orVertical : orHorizontal);

    const TReportPlan plan = PlanReport(test);
    for (const TReportPage& planned : plan.Pages) {
        TVrPage& page = NewReportPage(pages);
        if (planned.Header != TReportPage::NoHeader)
            DrawHeaderBlock(page, test, planned.Header == TReportPage::CompactHeader, 0, 5);
        DrawProbingCard(page, test, planned.Number, 0, planned.CardTop, plan.PageCount,
                        planned.StartDepth, planned.Metres);
        if (planned.Remarks)
            DrawRemarksBlock(page, test, 0, RemarksBlockY(plan.FirstSpan), footerByClient);
    }
    pages.SetBuffering(false);
    return true;
}

bool BuildReport(const TEngine& engine, TVrPages& pages) {
    return BuildReport(*engine.Protocol, pages, engine.FooterByClient);
}

void TEngine::BuildReport(TVrPages& pages) {
    ::BuildReport(*this, pages);
}

TShowReportResult ShowReport(TEngine& engine, TVrPages& pages) {
    TShowReportResult result;
    result.DataValid = engine.Verify();
    result.Errors = engine.Protocol->Errors;
    BuildReport(engine, pages);
    return result;
}

std::string ReportJobTitle(const TProtocol& test) {
    if (test.ProjectNumber.empty())
        return Translate("Ardelven Quistra - Wydruk");
    return Translate("QuistSD_") + MakeFileNameSafe(test.ProjectNumber);
}
