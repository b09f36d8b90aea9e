#include "ui/VrDialog.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

TEST(VrDialog, FirstButtonIsCentredForEachButtonCount) {
    // (472 - k * 105 + 8) / 2
    const int expected[] = {0, 187, 135, 82, 30};
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(TVrDialog::FirstButtonLeft(TDialogF::ClientWidth, k), expected[k]) << k;
}

TEST(VrDialog, QuestionShowsYesNoCancelInRowOrder) {
    TDialogF form;
    form.Prepare(msQuestion, "T", "text", TVrButtons{btCancel, btNo, btYes});
    EXPECT_TRUE(form.Button(btOK)->isHidden());
    EXPECT_EQ(form.Button(btYes)->x(), 82);
    EXPECT_EQ(form.Button(btNo)->x(), 187);
    EXPECT_EQ(form.Button(btCancel)->x(), 292);
    EXPECT_EQ(form.Button(btYes)->size(), QSize(97, 33));
    EXPECT_EQ(form.windowTitle(), QString("Zapytanie"));
    const QColor panel = form.findChild<QLabel*>("Panel")->palette().color(QPalette::Window);
    EXPECT_EQ(panel, QColor(0x80, 0xFF, 0x80));
    EXPECT_EQ(form.size(), QSize(472, 168));
}

TEST(VrDialog, KindsSetCaptionAndPanelColour) {
    struct {
        TVrMessage kind;
        const char* caption;
        QColor colour; // from 0x00BBGGRR
    } const cases[] = {
        {msInfo, "Informacja", QColor(0xC0, 0xC0, 0xFF)},
        {msWarning, "Ostrzeżenie", QColor(0xFF, 0xC0, 0xC0)},
        {msQuestion, "Zapytanie", QColor(0x80, 0xFF, 0x80)},
    };
    for (const auto& c : cases) {
        TDialogF form;
        form.Prepare(c.kind, "T", "x", TVrButtons{btOK});
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(form.findChild<QLabel*>("Panel")->palette().color(QPalette::Window), c.colour)
            << c.caption;
    }
}

TEST(VrDialog, EmptyButtonSetShowsOk) {
    TDialogF form;
    form.Prepare(msInfo, "T", "x", TVrButtons{});
    EXPECT_FALSE(form.Button(btOK)->isHidden());
    EXPECT_EQ(form.Button(btOK)->x(), 187);
    for (TVrButton b : {btYes, btNo, btCancel})
        EXPECT_TRUE(form.Button(b)->isHidden()) << b;
}

struct TAnswerCase {
    TVrButtons buttons;
    int key; // 0: press no key, close the window instead
    TVrButton result;
    bool executeResult;
};

TEST(VrDialog, EnterAndEscapeAnswerAsTheButtonSetAllows) {
    const TAnswerCase cases[] = {
        {TVrButtons{btYes, btNo, btCancel}, Qt::Key_Return, btYes, true},
        {TVrButtons{btYes, btNo, btCancel}, Qt::Key_Escape, btCancel, false},
        {TVrButtons{btYes, btNo}, Qt::Key_Escape, btNo, false},
        {TVrButtons{btOK, btCancel, btYes}, Qt::Key_Enter, btOK, true},
        {TVrButtons{btOK}, Qt::Key_Escape, btUnknown, false}, // nothing to press: stays open
        {TVrButtons{btYes, btNo, btCancel}, 0, btUnknown, false},
    };
    for (const TAnswerCase& c : cases) {
        TVrDialog dialog;
        dialog.Beep = false;
        dialog.Buttons = c.buttons;
        const int key = c.key;
        WhenModal<TDialogF>([key](TDialogF* form) {
            if (key)
                QTest::keyClick(form, Qt::Key(key));
            // A key that answers nothing leaves it open: close it by other means.
            if (form->isVisible())
                form->close();
        });
        EXPECT_EQ(dialog.Execute(), c.executeResult) << key;
        EXPECT_EQ(dialog.Result(), c.result) << key;
    }
}

TEST(VrDialog, ClickedButtonIsTheResult) {
    for (TVrButton b : {btOK, btYes, btNo, btCancel}) {
        TVrDialog dialog;
        dialog.Beep = false;
        dialog.Buttons = TVrButtons{btOK, btYes, btNo, btCancel};
        WhenModal<TDialogF>([b](TDialogF* form) { form->Button(b)->click(); });
        EXPECT_EQ(dialog.Execute(), b == btOK || b == btYes) << b;
        EXPECT_EQ(dialog.Result(), b);
    }
}

} // namespace
