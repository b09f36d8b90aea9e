#include "ui/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace Artwork {

namespace {

struct TTile {
    QColor colour;
    const char* glyph;
};

// Indexed by section - 1: description, profile, readings, report.
const TTile Tiles[] = {
    {QColor(0x2E, 0x6D, 0xA4), "1"},
    {QColor(0x8B, 0x5A, 0x2B), "2"},
    {QColor(0x2E, 0x8B, 0x57), "3"},
    {QColor(0xB0, 0x3A, 0x2E), "4"},
};

} // namespace

QPixmap SectionPicture(int section, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    const TTile& tile = Tiles[qBound(1, section, 4) - 1];
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, tile.colour.lighter(130));
    fill.setColorAt(1, tile.colour.darker(120));
    p.setBrush(fill);
    p.setPen(QPen(tile.colour.darker(160), 1.5));
    p.drawRoundedRect(QRectF(1.5, 1.5, size - 3, size - 3), size / 6.0, size / 6.0);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(size * 3 / 5);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, tile.glyph);
    return pixmap;
}

QPixmap StatusPicture(StatusIcon icon, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(2, 2, size - 4, size - 4);
    switch (icon) {
    case StatusIcon::File: {
        // A sheet with a folded corner.
        QPainterPath sheet;
        const qreal l = size * 0.22, r = size * 0.78, t = size * 0.1, b = size * 0.9,
                    fold = size * 0.22;
        sheet.moveTo(l, t);
        sheet.lineTo(r - fold, t);
        sheet.lineTo(r, t + fold);
        sheet.lineTo(r, b);
        sheet.lineTo(l, b);
        sheet.closeSubpath();
        p.setPen(QPen(QColor(0x30, 0x50, 0x80), 1.2));
        p.setBrush(QColor(0xF4, 0xF8, 0xFF));
        p.drawPath(sheet);
        p.drawLine(QPointF(r - fold, t), QPointF(r - fold, t + fold));
        p.drawLine(QPointF(r - fold, t + fold), QPointF(r, t + fold));
        break;
    }
    case StatusIcon::Modified:
        // An amber disc with a pencil stroke: changes not yet saved.
        p.setPen(QPen(QColor(0x90, 0x50, 0x00), 1));
        p.setBrush(QColor(0xF0, 0xA0, 0x20));
        p.drawEllipse(box);
        p.setPen(QPen(Qt::white, size / 8.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(size * 0.32, size * 0.68), QPointF(size * 0.68, size * 0.32));
        break;
    case StatusIcon::Unmodified:
        // A green disc with a tick.
        p.setPen(QPen(QColor(0x1E, 0x60, 0x2A), 1));
        p.setBrush(QColor(0x3C, 0xA0, 0x50));
        p.drawEllipse(box);
        p.setPen(QPen(Qt::white, size / 9.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(
            QPolygonF({QPointF(size * 0.3, size * 0.52), QPointF(size * 0.45, size * 0.68),
                       QPointF(size * 0.72, size * 0.34)}));
        break;
    case StatusIcon::Listening:
    case StatusIcon::Stopped: {
        // A mast with waves; grey while the receiver is stopped.
        const bool on = icon == StatusIcon::Listening;
        const QColor c = on ? QColor(0x20, 0x80, 0xC0) : QColor(0x90, 0x90, 0x90);
        p.setPen(QPen(c, size / 10.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(size / 2.0, size * 0.45), QPointF(size / 2.0, size * 0.9));
        p.setBrush(c);
        p.drawEllipse(QPointF(size / 2.0, size * 0.4), size / 12.0, size / 12.0);
        p.setBrush(Qt::NoBrush);
        const QRectF arc(size * 0.2, size * 0.1, size * 0.6, size * 0.6);
        p.drawArc(arc, 30 * 16, 120 * 16);
        if (!on) {
            p.setPen(QPen(QColor(0xC0, 0x30, 0x30), size / 10.0));
            p.drawLine(QPointF(size * 0.2, size * 0.2), QPointF(size * 0.8, size * 0.8));
        }
        break;
    }
    }
    return pixmap;
}

QPixmap Banner(bool english, const QSize& size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x1D, 0x3D, 0x5C));
    sky.setColorAt(0.62, QColor(0x3E, 0x6E, 0x94));
    sky.setColorAt(0.63, QColor(0x8A, 0x6A, 0x44));
    sky.setColorAt(1, QColor(0x5C, 0x44, 0x2A));
    p.fillRect(pixmap.rect(), sky);
    // A probe rod driven into the ground.
    const int rodX = size.width() - size.width() / 6;
    p.setPen(QPen(QColor(0xD8, 0xD8, 0xD8), 4));
    p.drawLine(rodX, size.height() / 5, rodX, size.height() - 12);
    p.setBrush(QColor(0xD8, 0xD8, 0xD8));
    p.drawRect(rodX - 12, size.height() / 5 - 16, 24, 16);
    QFont title = p.font();
    title.setBold(true);
    title.setPixelSize(size.height() / 6);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(20, 12, size.width() - 40, size.height() / 3),
               Qt::AlignLeft | Qt::AlignVCenter, "Ardelven Quistra");
    QFont sub = p.font();
    sub.setBold(false);
    sub.setPixelSize(size.height() / 14);
    p.setFont(sub);
    p.drawText(QRect(22, 12 + size.height() / 3, size.width() - 40, size.height() / 5),
               Qt::AlignLeft | Qt::AlignTop,
               english ? "Dynamic probing and vane tests" : "Sondowania dynamiczne i badania FVT");
    return pixmap;
}

} // namespace Artwork
