#include "logic/core/program/ProgramValues.h"
#include "windows/core/FormHelpers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

namespace {

// A small data window: five input fields numbered 0..4 (two line edits, an editable combo
// box, a check box, a multi-line box), a spin box left without a number, and the exit and
// save buttons.
struct SmallForm {
    QWidget window;
    QLineEdit* eafm = new QLineEdit(&window);
    QLineEdit* eepon = new QLineEdit(&window);
    QComboBox* eypo = new QComboBox(&window);
    QCheckBox* active = new QCheckBox(QStringLiteral("Ενεργός"), &window);
    QPlainTextEdit* kparat = new QPlainTextEdit(&window);
    QPushButton* exitBut = new QPushButton(QStringLiteral("Εξοδος"), &window);
    QPushButton* saveBut = new QPushButton(QStringLiteral("Αποθήκευση"), &window);
    QList<QWidget*> fields{eafm, eepon, eypo, active, kparat};

    SmallForm() {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* field : fields)
            layout->addWidget(field);
        layout->addWidget(exitBut);
        layout->addWidget(saveBut);
        eypo->setEditable(true);
        eypo->addItems({QStringLiteral("Α"), QStringLiteral("Β"), QStringLiteral("Γ")});
        // Fields are numbered against the order in which they were made.
        SetInputOrder({eafm, eepon, eypo, active, kparat});
        window.show();
        QApplication::setActiveWindow(&window);
    }
    int count() const { return CountInputFields(&window); }
};

QWidget* Focused() {
    return QApplication::focusWidget();
}

} // namespace

class FormNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProgramValues(); }

    void countsTextComboAndCheckBoxesButNotTheirParts() {
        SmallForm form;
        auto* hidden = new QLineEdit(&form.window);
        hidden->hide();
        SetTabIndex(hidden, 5);
        // A spin box is a text box; the line edits inside it and inside the combo box are not.
        auto* days = new QSpinBox(&form.window);
        SetTabIndex(days, 6);
        QCOMPARE(form.count(), 7);
        QCOMPARE(FindInputField(&form.window, 2), form.eypo);
        QCOMPARE(FindInputField(&form.window, 6), days);
        QCOMPARE(FindInputField(&form.window, 9), nullptr);
        QCOMPARE(TabIndex(form.exitBut), -1);
    }

    void nextSkipsDisabledAndHiddenFieldsAndWraps() {
        SmallForm form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.eafm->setFocus();
        FocusNextField(&form.window, form.count());
        QCOMPARE(Focused(), form.eepon);

        form.eypo->setEnabled(false);
        form.active->hide();
        FocusNextField(&form.window, form.count());
        QCOMPARE(Focused(), form.kparat);

        // From the last field round to the first usable one.
        form.eafm->setEnabled(false);
        FocusNextField(&form.window, form.count());
        QCOMPARE(Focused(), form.eepon);
    }

    void nextFromAControlWithoutTabIndexGoesToTheFirstField() {
        SmallForm form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.saveBut->setFocus();
        FocusNextField(&form.window, form.count());
        QCOMPARE(Focused(), form.eafm);
    }

    void previousFromTheFirstFieldWrapsPastControlsWithoutTabIndex() {
        SmallForm form;
        // An input control the window does not number (a search box, say).
        auto* unnumbered = new QLineEdit(&form.window);
        unnumbered->show();
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.eafm->setFocus();
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.kparat);
        // The same from the first usable field when the first one is disabled.
        form.eafm->setEnabled(false);
        form.eepon->setFocus();
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.kparat);
    }

    void previousStepsBackAndWrapsToTheLastField() {
        SmallForm form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.active->setFocus();
        FocusPreviousField(&form.window, form.count());
        // The editable combo box gives the focus to its line edit.
        QVERIFY(form.eypo->isAncestorOf(Focused()) || Focused() == form.eypo);
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.eepon);
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.eafm);
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.kparat);

        // A hidden last field: the wrap goes on downwards.
        form.kparat->hide();
        form.eafm->setFocus();
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.active);
    }

    void previousPastAnUnusableSecondFieldWrapsInsteadOfReachingTheFirst() {
        SmallForm form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.eepon->setEnabled(false);
        form.eypo->setFocus();
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.kparat);
        // Straight to field 0 when field 1 is skipped only after a usable step.
        form.eepon->setEnabled(true);
        form.eepon->setFocus();
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.eafm);
    }

    void nothingHappensWhenNoFieldCanTakeTheFocus() {
        SmallForm form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.saveBut->setFocus();
        for (QWidget* field : form.fields)
            field->setEnabled(false);
        FocusNextField(&form.window, form.count());
        QCOMPARE(Focused(), form.saveBut);
        FocusPreviousField(&form.window, form.count());
        QCOMPARE(Focused(), form.saveBut);
    }

    void enterAndDownMoveOnUpMovesBack() {
        SmallForm form;
        new FormKeys(&form.window, form.exitBut, form.saveBut);
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.eafm->setFocus();
        QTest::keyClick(Focused(), Qt::Key_Return);
        QCOMPARE(Focused(), form.eepon);
        QTest::keyClick(Focused(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(form.eypo->isAncestorOf(Focused()) || Focused() == form.eypo);
        // Down in the combo box moves on and leaves its choice alone.
        QTest::keyClick(Focused(), Qt::Key_Down);
        QCOMPARE(Focused(), form.active);
        QCOMPARE(form.eypo->currentIndex(), 0);
        QTest::keyClick(Focused(), Qt::Key_Up);
        QVERIFY(form.eypo->isAncestorOf(Focused()) || Focused() == form.eypo);
        // With Shift held the key is the control's.
        form.eafm->setFocus();
        QTest::keyClick(Focused(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(Focused(), form.eafm);
    }

    void escapeClicksExitAndF10ClicksAccept() {
        SmallForm form;
        // A main-window shortcut on F10 must not take the key from the form.
        auto* menuF10 = new QAction(&form.window);
        menuF10->setShortcut(Qt::Key_F10);
        form.window.addAction(menuF10);
        QSignalSpy menu(menuF10, &QAction::triggered);
        new FormKeys(&form.window, form.exitBut, form.saveBut);
        QSignalSpy exits(form.exitBut, &QPushButton::clicked);
        QSignalSpy saves(form.saveBut, &QPushButton::clicked);
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.eepon->setFocus();
        QTest::keyClick(Focused(), Qt::Key_F10);
        QCOMPARE(saves.count(), 1);
        QCOMPARE(exits.count(), 0);
        QCOMPARE(menu.count(), 0);
        QTest::keyClick(Focused(), Qt::Key_Escape);
        QCOMPARE(exits.count(), 1);
        QCOMPARE(saves.count(), 1);
        QCOMPARE(Focused(), form.eepon);
    }

    void keptKeysStayWithTheirControlAndActionsReplaceButtons() {
        SmallForm form;
        auto* keys = new FormKeys(&form.window, form.exitBut, nullptr);
        keys->keepKeys(form.kparat, {Qt::Key_Return, Qt::Key_Enter});
        int cleared = 0;
        keys->setExitAction([&cleared] { ++cleared; });
        QList<int> extra;
        keys->setExtraKeys([&extra](QKeyEvent* event) {
            if (event->key() != Qt::Key_F3)
                return false;
            extra << event->key();
            return true;
        });
        QSignalSpy exits(form.exitBut, &QPushButton::clicked);
        QVERIFY(QTest::qWaitForWindowActive(&form.window));

        form.kparat->setFocus();
        QTest::keyClicks(Focused(), QStringLiteral("a"));
        QTest::keyClick(Focused(), Qt::Key_Return);
        QTest::keyClicks(Focused(), QStringLiteral("b"));
        QCOMPARE(form.kparat->toPlainText(), QStringLiteral("a\nb"));
        QCOMPARE(Focused(), form.kparat);
        QTest::keyClick(Focused(), Qt::Key_F3);
        QCOMPARE(extra, QList<int>{Qt::Key_F3});
        // Down is not kept: it goes round to the first field.
        QTest::keyClick(Focused(), Qt::Key_Down);
        QCOMPARE(Focused(), form.eafm);
        QTest::keyClick(Focused(), Qt::Key_Escape);
        QCOMPARE(cleared, 1);
        QCOMPARE(exits.count(), 0);
    }

    void handleFormKeyLeavesKeysWithoutATargetAlone() {
        SmallForm form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        form.eafm->setFocus();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QVERIFY(!HandleFormKey(&form.window, &escape, nullptr, form.saveBut));
        QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QVERIFY(!HandleFormKey(&form.window, &letter, form.exitBut, form.saveBut));
        QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QVERIFY(HandleFormKey(&form.window, &up, nullptr, nullptr));
        QCOMPARE(Focused(), form.kparat);
        QKeyEvent ctrlEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!HandleFormKey(&form.window, &ctrlEnter, nullptr, nullptr));
    }

    void exitActionMayDeleteTheWindow() {
        auto form = std::make_unique<SmallForm>();
        auto* keys = new FormKeys(&form->window, form->exitBut, form->saveBut);
        keys->setExitAction([&form] { form.reset(); });
        QVERIFY(QTest::qWaitForWindowActive(&form->window));
        form->eafm->setFocus();
        QTest::keyClick(Focused(), Qt::Key_Escape);
        QVERIFY(!form);
    }
};

QTEST_MAIN(FormNavigationTest)
#include "FormNavigationTest.moc"
