#include "ui/StarterF.h"

#include "ui/Artwork.h"
#include "ui/Captions.h"
#include "ui/MainF.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TStarterF::TStarterF(bool english, QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("TStarterF");
    // The product name is translated only in English mode; the Polish
    // caption is the name itself.
    const QString product = english ? TrQ(TMainF::ProductName) : TMainF::ProductName;
    setWindowTitle(product + " , v." + TMainF::VersionText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* picture = new QLabel(this);
    picture->setObjectName("Picture");
    picture->setPixmap(Artwork::Banner(english, QSize(480, 200)));
    layout->addWidget(picture);
    Bar = new QProgressBar(this);
    Bar->setObjectName("Bar");
    Bar->setRange(0, 100);
    Bar->setValue(0);
    Bar->setTextVisible(false);
    Bar->setFixedHeight(14);
    layout->addWidget(Bar);
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
