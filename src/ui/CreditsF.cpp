#include "ui/CreditsF.h"

#include "ui/Artwork.h"
#include "ui/MainF.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QSize PictureSize(440, 150);

QLabel* MakeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TCreditsF::TCreditsF(QWidget* parent) : QDialog(parent) {
    setObjectName("TCreditsF");
    auto* layout = new QVBoxLayout(this);
    Picture = MakeLabel(this, "Picture");
    Picture->setFixedSize(PictureSize);
    layout->addWidget(Picture, 0, Qt::AlignHCenter);
    QLabel* product = MakeLabel(this, "Product");
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    layout->addWidget(product);
    layout->addWidget(MakeLabel(this, "Version"));
    layout->addWidget(MakeLabel(this, "Rights"));
    layout->addSpacing(8);
    layout->addWidget(MakeLabel(this, "ContactCaption"));
    QLabel* contact = MakeLabel(this, "Contact");
    contact->setText("Brennholt & Tallowin — support@ardelven-quistra.example");
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(contact);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    close->setObjectName("CloseButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowPicture(false);
    ApplyLanguage();
}

void TCreditsF::ShowPicture(bool english) {
    Picture->setPixmap(Artwork::Banner(english, PictureSize));
}

void TCreditsF::ApplyLanguage() {
    setWindowTitle(TrQ("Autorzy"));
    SetCaption(this, "Product", TMainF::ProductName);
    findChild<QLabel*>("Version")->setText(TrQ("Wersja") + ": " + TMainF::VersionText);
    SetCaption(this, "Rights", "Wszelkie prawa zastrzeżone!");
    SetCaption(this, "ContactCaption", "Kontakt, zgłaszanie uwag i sugestii", ":");
    SetCaption(this, "CloseButton", "Zamknij");
}
