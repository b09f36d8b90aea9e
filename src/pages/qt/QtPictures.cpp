#include "pages/qt/QtPictures.h"

#include <QMutex>
#include <QPainter>
#include <QSvgRenderer>

namespace {
// A torque wrench lying diagonally: open jaw top left, round grip bottom
// right, a dial on the shaft.
constexpr char WrenchSvg[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 64 64">
<g fill="#505050" stroke="#202020" stroke-width="1.5" stroke-linejoin="round">
<path d="M6 18 L14 6 L22 6 L18 12 L22 18 L28 14 L30 22 L22 28 Z"/>
<path d="M24 24 L50 50 L46 54 L20 28 Z"/>
<rect x="46" y="50" width="10" height="10" rx="3" transform="rotate(45 51 55)"/>
</g>
<circle cx="35" cy="39" r="6" fill="#ffffff" stroke="#202020" stroke-width="1.5"/>
<path d="M35 39 L38 35" stroke="#c00000" stroke-width="1.5"/>
</svg>)svg";
} // namespace

bool DrawPagePicture(QPainter& painter, const TVrPicture& picture, const QRectF& target) {
    if (picture.Name != WrenchPicture().Name)
        return false;
    // One renderer for every page; pages may be drawn on several threads at once.
    static QSvgRenderer wrench(QByteArray::fromRawData(WrenchSvg, sizeof(WrenchSvg) - 1));
    static QMutex lock;
    QMutexLocker locked(&lock);
    wrench.render(&painter, target.normalized());
    return true;
}
