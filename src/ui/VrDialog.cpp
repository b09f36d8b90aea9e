#include "ui/VrDialog.h"

#include "ui/Captions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

struct TMessageLook {
    unsigned colour; // 0x00BBGGRR
    const char* caption;
    QStyle::StandardPixmap icon;
};

// Indexed by TVrMessage.
const TMessageLook MessageLooks[] = {
    {0xFFC0C0, "Informacja", QStyle::SP_MessageBoxInformation},
    {0xC0C0FF, "Ostrzeżenie", QStyle::SP_MessageBoxWarning},
    {0x80FF80, "Zapytanie", QStyle::SP_MessageBoxQuestion},
};

QColor FromBgr(unsigned bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// Buttons in the order they stand in the row.
const TVrButton RowOrder[] = {btOK, btYes, btNo, btCancel};

struct TButtonCaption {
    TVrButton button;
    const char* name;
    const char* caption;
};

const TButtonCaption ButtonCaptions[] = {
    {btOK, "BtnOK", "OK"},
    {btYes, "BtnYes", "Tak"},
    {btNo, "BtnNo", "Nie"},
    {btCancel, "BtnCancel", "Anuluj"},
};

} // namespace

TDialogF::TDialogF(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TDialogF");
    setFixedSize(ClientWidth, ClientHeight);
    setModal(true);

    Icon = new QLabel(this);
    Icon->setObjectName("Icon");
    Icon->setGeometry(8, 8, 32, 32);

    TitleLabel = new QLabel(this);
    TitleLabel->setObjectName("TitleLabel");
    TitleLabel->setGeometry(48, 8, 416, 32);
    TitleLabel->setAlignment(Qt::AlignCenter);
    QFont bold = TitleLabel->font();
    bold.setBold(true);
    TitleLabel->setFont(bold);

    Panel = new QLabel(this);
    Panel->setObjectName("Panel");
    Panel->setGeometry(8, 46, 457, 73);
    Panel->setAlignment(Qt::AlignCenter);
    Panel->setWordWrap(true);
    Panel->setAutoFillBackground(true);
    Panel->setFrameShape(QFrame::StyledPanel);

    for (const TButtonCaption& c : ButtonCaptions) {
        auto* b = new QPushButton(this);
        b->setObjectName(c.name);
        b->setFlat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        b->setFixedSize(ButtonWidth, ButtonHeight);
        const TVrButton which = c.button;
        connect(b, &QPushButton::clicked, this, [this, which] { Press(which); });
        Buttons[which] = b;
    }
}

QPushButton* TDialogF::Button(TVrButton b) const {
    return b >= btOK && b <= btNo ? Buttons[b] : nullptr;
}

void TDialogF::Prepare(TVrMessage kind, const QString& title, const QString& text,
                       TVrButtons buttons) {
    ResultButton = btUnknown;
    const TMessageLook& look = MessageLooks[kind];
    Icon->setPixmap(style()->standardIcon(look.icon).pixmap(32, 32));
    QPalette panelPalette = Panel->palette();
    panelPalette.setColor(QPalette::Window, FromBgr(look.colour));
    panelPalette.setColor(QPalette::WindowText, Qt::black); // the panel is light in every scheme
    Panel->setPalette(panelPalette);
    setWindowTitle(TrQ(look.caption));
    Panel->setText(text);
    TitleLabel->setText(title);
    for (const TButtonCaption& c : ButtonCaptions)
        Buttons[c.button]->setText(TrQ(c.caption));

    if (buttons.Empty())
        buttons = TVrButtons{btOK};
    int k = 0;
    for (TVrButton b : RowOrder)
        k += buttons.Contains(b) ? 1 : 0;
    int left = TVrDialog::FirstButtonLeft(ClientWidth, k);
    for (TVrButton b : RowOrder) {
        Buttons[b]->setVisible(buttons.Contains(b));
        if (buttons.Contains(b)) {
            Buttons[b]->move(left, ClientHeight - ButtonHeight - 8);
            left += ButtonStep;
        }
    }
}

void TDialogF::Press(TVrButton b) {
    ResultButton = b;
    done(b == btOK || b == btYes ? Accepted : Rejected);
}

void TDialogF::keyPressEvent(QKeyEvent* event) {
    auto shown = [this](TVrButton b) { return !Buttons[b]->isHidden(); };
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (shown(btOK))
            Press(btOK);
        else if (shown(btYes))
            Press(btYes);
        break;
    case Qt::Key_Escape:
        if (shown(btCancel))
            Press(btCancel);
        else if (shown(btNo))
            Press(btNo);
        break;
    default:
        break;
    }
    event->accept();
}

TVrDialog::TVrDialog(QObject* parent) : QObject(parent) {}

TVrDialog::~TVrDialog() = default;

int TVrDialog::FirstButtonLeft(int dialogWidth, int k) {
    return (dialogWidth - k * TDialogF::ButtonStep + 8) / 2;
}

bool TVrDialog::Execute() {
    LastResult = btUnknown;
    TDialogF form(qobject_cast<QWidget*>(parent()));
    form.Prepare(Message, Title, Text, Buttons);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        form.move(area.center() - QPoint(TDialogF::ClientWidth / 2, TDialogF::ClientHeight / 2));
    }
    if (Beep)
        QApplication::beep();
    form.exec();
    LastResult = form.Result();
    return LastResult == btOK || LastResult == btYes;
}
