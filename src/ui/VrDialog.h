#pragma once

#include <QDialog>
#include <QObject>
#include <QString>

#include <initializer_list>

class QLabel;
class QPushButton;

enum TVrButton { btOK = 0, btCancel = 1, btYes = 2, btNo = 3, btUnknown = 4 };
enum TVrMessage { msInfo = 0, msWarning = 1, msQuestion = 2 };

// A set of TVrButton, one bit per button.
class TVrButtons {
public:
    TVrButtons() = default;
    TVrButtons(std::initializer_list<TVrButton> buttons) {
        for (TVrButton b : buttons)
            Include(b);
    }
    void Include(TVrButton b) { Bits |= 1u << b; }
    bool Contains(TVrButton b) const { return (Bits >> b) & 1u; }
    bool Empty() const { return Bits == 0; }

private:
    unsigned Bits = 0;
};

// The modal window of the program's message box: 472 x 168 pixels of client
// area, icon and title at the top, the coloured message panel, a row of flat
// buttons. Every key reaches the window first (the buttons never take focus),
// so Enter and Escape answer the same way whichever button looks current.
class TDialogF : public QDialog {
    Q_OBJECT
public:
    explicit TDialogF(QWidget* parent = nullptr);

    static constexpr int ClientWidth = 472;
    static constexpr int ClientHeight = 168;
    static constexpr int ButtonWidth = 97;
    static constexpr int ButtonHeight = 33;
    static constexpr int ButtonStep = ButtonWidth + 8;

    // Lays the window out for one message; the buttons are shown as given.
    void Prepare(TVrMessage kind, const QString& title, const QString& text, TVrButtons buttons);
    TVrButton Result() const { return ResultButton; }
    QPushButton* Button(TVrButton b) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Press(TVrButton b);

    QLabel* Icon = nullptr;
    QLabel* TitleLabel = nullptr;
    QLabel* Panel = nullptr;
    QPushButton* Buttons[4] = {}; // indexed by TVrButton
    TVrButton ResultButton = btUnknown;
};

// The program's own message box. Configure the properties, then Execute.
class TVrDialog : public QObject {
    Q_OBJECT
public:
    explicit TVrDialog(QObject* parent = nullptr);
    ~TVrDialog() override;

    TVrButtons Buttons{btOK};
    TVrMessage Message = msInfo;
    QString Text;
    QString Title;
    bool Beep = true;

    // Shows the dialog modally; true when it was closed with OK or Yes.
    bool Execute();
    TVrButton Result() const { return LastResult; }

    // Left edge of the first of k buttons in a window of the given width.
    static int FirstButtonLeft(int dialogWidth, int k);

private:
    TVrButton LastResult = btUnknown;
};
