#include "pages/qt/QtFonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QMutex>

namespace {
constexpr const char* TahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};
constexpr const char* FallbackFamily = "DejaVu Sans";
} // namespace

bool RegisterReportFonts() {
    static const bool available = [] {
        for (const char* path : TahomaFiles)
            if (QFile::exists(QString::fromLatin1(path)))
                QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        return QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
    }();
    return available;
}

QString ReportFontFamily(const std::string& requestedName) {
    // The font database lookup is slow. Reports may be rendered on several
    // threads at once (the command-line tool's batches), hence the lock.
    static QHash<QString, QString> cache;
    static QMutex lock;
    QMutexLocker locked(&lock);
    const QString name =
        requestedName.empty() ? QStringLiteral("Tahoma") : QString::fromStdString(requestedName);
    auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    RegisterReportFonts();
    const QString family =
        QFontDatabase::hasFamily(name) ? name : QString::fromLatin1(FallbackFamily);
    cache.insert(name, family);
    return family;
}
