#include "pages/FmtText.h"
#include "pages/Pages.h"
#include "pages/qt/PageOutput.h"
#include "pages/qt/QtFonts.h"
#include "pages/qt/QtSurface.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs a poppler tool; empty when it is not installed.
QString RunTool(const QString& tool, const QStringList& args) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void ComposeLabelPage(TVrPages& pages) {
    TVrPage* page = pages.NewPage();
    page->MeasureByBox = false;
    page->Font.SetName("Tahoma");
    page->Font.SetHeight(4);
    page->TextOut("KARTA SONDOWANIA", 20, 20);
    TFmtText tau;
    tau.AddName("Symbol").AddText("t").AddName("Tahoma").AddIndex(2).AddText("min");
    page->TextOutF(tau, 20, 40);
    TFmtText pi;
    pi.AddText("I").AddIndex(2).AddName("Symbol").AddText("p");
    page->TextOutF(pi, 20, 50);
    page->DrawBitmap(WrenchPicture(), 20, 60, 24, 64);
}

TEST(QtBackend, FilledRectangleLandsOnTheExpectedPixels) {
    TVrPages pages;
    TVrPage* page = pages.NewPage();
    page->Brush.SetColor(VrRgb(255, 0, 0));
    page->FillRect(10, 10, 20, 20); // 40 .. 79 px at zoom 4
    const QImage image = RenderPageToImage(pages, 0, 4.0);
    ASSERT_EQ(image.size(), QSize(840, 1188));
    EXPECT_EQ(image.pixelColor(40, 40), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(79, 79), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(39, 50), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(80, 50), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(50, 80), QColor(255, 255, 255));
}

TEST(QtBackend, RectangleOutlineExcludesRightAndBottom) {
    TVrPages pages;
    TVrPage* page = pages.NewPage();
    page->Brush.SetStyle(bsClear);
    page->Rectangle(10, 10, 20, 20);
    const QImage image = RenderPageToImage(pages, 0, 4.0);
    EXPECT_EQ(image.pixelColor(40, 50), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(79, 50), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(80, 50), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(60, 60), QColor(255, 255, 255)); // clear brush
}

TEST(QtBackend, TahomaIsRegisteredWhenFontsWineIsInstalled) {
    const bool haveFile = QFile::exists("/usr/share/wine/fonts/tahoma.ttf");
    EXPECT_EQ(RegisterReportFonts(), haveFile);
    EXPECT_EQ(ReportFontFamily("Tahoma"), haveFile ? "Tahoma" : "DejaVu Sans");
    EXPECT_EQ(ReportFontFamily("No Such Face"), "DejaVu Sans");
}

TEST(QtBackend, FontHeightIsTheCellHeight) {
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter painter(&image);
    TQtSurface surface(painter);
    for (int height : {11, 16, 40, 160}) {
        surface.SetFontHeight(height);
        EXPECT_NEAR(surface.TextExtent("Xg").Y, height, 1) << height;
    }
    // Symbol text is measured as the Greek letter in the text face.
    surface.SetFontName("Symbol");
    EXPECT_GT(surface.TextExtent("p").X, 0);
}

TEST(QtBackend, WrappedBoxesBreakWithinTheWidth) {
    QImage image(400, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    TQtSurface surface(painter);
    surface.SetFontHeight(20);
    const std::string text = "Wykonano zgodnie z normami PN-EN ISO 22476-2";
    const TVrRect line = surface.MeasureTextBox(text, {10, 10, 10, 10}, {});
    const TVrRect wrapped =
        surface.MeasureTextBox(text, {10, 10, 130, 30}, {TVrTextAlign::Center, true});
    EXPECT_EQ(line.Left, 10);
    EXPECT_NEAR(line.Height(), 20, 1);
    EXPECT_GT(line.Width(), 130);
    EXPECT_LE(wrapped.Width(), 130);
    EXPECT_GE(wrapped.Height(), 3 * line.Height() - 2);
}

TEST(QtBackend, PdfIsA4WithSearchableTextIncludingGreek) {
    TVrPages pages;
    pages.Margins = {12, 12, 186, 252};
    pages.PrintSettings.Title = "QuistSD_7";
    ComposeLabelPage(pages);
    pages.NewPage()->TextOut("Strona 2", 10, 10);
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    const TQtOutputResult result = WritePagesToPdf(pages, path);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.sheets, 2);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");

    const QString info = RunTool("pdfinfo", {path});
    if (info.isEmpty())
        GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +2\\n"))) << info.toStdString();
    EXPECT_TRUE(
        info.contains(QRegularExpression("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts")))
        << info.toStdString();
    EXPECT_TRUE(info.contains("QuistSD_7")) << info.toStdString();
    const QString text = RunTool("pdftotext", {path, "-"});
    EXPECT_TRUE(text.contains("KARTA SONDOWANIA")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("π"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("τ"))) << text.toStdString();
    EXPECT_TRUE(text.contains("Strona 2")) << text.toStdString();
}

TEST(QtBackend, LandscapePagesMakeALandscapePdf) {
    TVrPages pages;
    pages.SetOrientation(orHorizontal);
    pages.NewPage()->TextOut("poziomo", 10, 10);
    QTemporaryDir dir;
    const QString path = dir.filePath("landscape.pdf");
    ASSERT_TRUE(WritePagesToPdf(pages, path).ok);
    const QString info = RunTool("pdfinfo", {path});
    if (info.isEmpty())
        GTEST_SKIP() << "poppler-utils not installed";
    EXPECT_TRUE(
        info.contains(QRegularExpression("Page size: +84[12](\\.\\d+)? x 595(\\.\\d+)? pts")))
        << info.toStdString();
}

TEST(QtBackend, UnwritablePdfPathReportsTheReason) {
    TVrPages pages;
    pages.NewPage();
    const TQtOutputResult result = WritePagesToPdf(pages, "/nonexistent-dir/x/report.pdf");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST(QtBackend, PrinterBindingPrintsTheListedPages) {
    TVrPages pages;
    ComposeLabelPage(pages);
    ComposeLabelPage(pages);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    const TQtOutputResult result = PrintPages(pages, printer, {0, 7, 1});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.sheets, 2);
    EXPECT_EQ(pages.PrintSettings.ResolutionX, printer.resolution());
    EXPECT_EQ(pages.PrintSettings.Size, psA4);
    EXPECT_TRUE(QFile::exists(dir.filePath("printed.pdf")));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
