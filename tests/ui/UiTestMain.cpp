#include "i18n/Localization.h"
#include "ui/Captions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    // Test discovery runs this binary without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        static QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    // The settings file is written to the working directory: keep it out of
    // the build tree.
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    SetLanguage("PL");
    SetLanguageChangedHandler(ApplyAll);
    return RUN_ALL_TESTS();
}
