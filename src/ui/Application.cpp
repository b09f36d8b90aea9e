#include "ui/Application.h"

#include "i18n/Localization.h"
#include "ui/Captions.h"
#include "ui/MainF.h"
#include "ui/StarterF.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QStyle>
#include <QStyleFactory>
#include <QThread>

#include <exception>
#include <memory>

namespace {

// Report text is laid out for Tahoma; Debian ships one with Wine, outside
// fontconfig's paths.
void RegisterTahoma() {
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFileInfo::exists(file))
            QFontDatabase::addApplicationFont(file);
}

// Lets the splash paint, waits, lets it paint again.
void Linger(int milliseconds) {
    QApplication::processEvents();
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    QApplication::processEvents();
}

} // namespace

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    // One style on every desktop: the colour schemes are palettes, and
    // Fusion follows a palette faithfully.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    try {
        // 1. The language from the executable's name or the desktop's.
        DetectLanguage(QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString(),
                       LanguageIdFromLocaleName(QLocale::system().name().toStdString()));
        SetLanguageChangedHandler(ApplyAll);
        RegisterTahoma();
        // 2.-3. The splash, shown and painted, at 10.
        auto splash = std::make_unique<TStarterF>(LanguageMode() != 1);
        splash->show();
        QApplication::processEvents();
        splash->Bar->setValue(10);
        QApplication::processEvents();
        // 4. The application windows; the About box is created with the
        // main window, the preview and the layer editor with their own
        // pages.
        QStringList arguments = QCoreApplication::arguments();
        arguments.removeFirst();
        TMainF main(QCoreApplication::applicationDirPath(), arguments);
        // 5.
        splash->Bar->setValue(100);
        Linger(1000);
        splash.reset();
        // 6.
        SetLanguage(CurrentLanguage());
        main.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        // 7. Whatever escaped the start-up.
        QMessageBox::critical(nullptr, "Ardelven Quistra", QString::fromUtf8(e.what()));
        return 1;
    }
}
