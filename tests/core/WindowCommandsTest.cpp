#include "windows/core/WindowCommands.h"
#include "windows/core/KeyPreview.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

// A window's commands as a user meets them: the keys typed in a field of the window, the
// toolbar button, and the command standing for a menu item.
class WindowCommandsTest : public QObject {
    Q_OBJECT

    // A window with a toolbar and a field; the window sees every key first and hands it to
    // its commands, as the list windows do.
    struct Window {
        QWidget widget;
        QToolBar* tools = new QToolBar(&widget);
        QLineEdit* field = new QLineEdit(&widget);
        WindowCommands* commands;
        QStringList ran;

        explicit Window(WindowCommands::Modifiers matching)
            : commands(new WindowCommands(&widget, matching)) {
            auto* layout = new QVBoxLayout(&widget);
            layout->addWidget(tools);
            layout->addWidget(field);
            new KeyPreview(&widget, [this](QKeyEvent* event) {
                return event->type() == QEvent::KeyPress && commands->press(event);
            });
            widget.show();
            field->setFocus();
        }
        QAction* add(const QString& name, const QList<QKeySequence>& keys) {
            return commands->add(name, name, keys, [this, name] { ran << name; });
        }
        void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(field, key, modifiers);
        }
    };

private slots:
    void aDisabledCommandTakesItsKeysAndDoesNothing() {
        Window window(WindowCommands::Modifiers::Exact);
        QAction* print = window.add(u"Print"_s, {Qt::Key_F7, Qt::CTRL | Qt::Key_P});
        window.tools->addAction(print);
        print->setEnabled(false);
        window.key(Qt::Key_F7);
        window.key(Qt::Key_P, Qt::ControlModifier);
        window.commands->run(u"Print"_s);
        QVERIFY(window.ran.isEmpty());
        // The key was the command's all the same: the field did not get it.
        QCOMPARE(window.field->text(), QString());

        print->setEnabled(true);
        window.key(Qt::Key_F7);
        window.key(Qt::Key_P, Qt::ControlModifier);
        window.commands->run(u"Print"_s);
        QCOMPARE(window.ran, QStringList({u"Print"_s, u"Print"_s, u"Print"_s}));
        // A hidden command is a disabled one.
        print->setVisible(false);
        window.key(Qt::Key_F7);
        QCOMPARE(window.ran.size(), 3);
    }

    void exactKeysLeaveEveryOtherModifierToTheField() {
        Window window(WindowCommands::Modifiers::Exact);
        window.add(u"Change"_s, {Qt::Key_F4});
        window.add(u"Enter"_s, {Qt::Key_Return, Qt::Key_Enter});
        window.key(Qt::Key_F4, Qt::ShiftModifier);
        QTest::keyClicks(window.field, u"p"_s);
        QVERIFY(window.ran.isEmpty());
        QCOMPARE(window.field->text(), u"p"_s);
        window.key(Qt::Key_F4);
        // The keypad's Enter is Enter.
        window.key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(window.ran, QStringList({u"Change"_s, u"Enter"_s}));
    }

    void theCommandWithTheMostOfTheModifiersHeldWins() {
        Window window(WindowCommands::Modifiers::AtLeast);
        window.add(u"PreviousPage"_s, {Qt::Key_PageUp});
        window.add(u"FirstPage"_s, {Qt::CTRL | Qt::Key_PageUp});
        window.add(u"ZoomIn"_s, {Qt::KeypadModifier | Qt::Key_Plus});
        window.key(Qt::Key_PageUp);
        window.key(Qt::Key_PageUp, Qt::ShiftModifier);
        window.key(Qt::Key_PageUp, Qt::ControlModifier);
        window.key(Qt::Key_PageUp, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.ran,
                 QStringList({u"PreviousPage"_s, u"PreviousPage"_s, u"FirstPage"_s, u"FirstPage"_s}));
        // Only the keypad's plus zooms; the other one is typed.
        window.ran.clear();
        QTest::keyClicks(window.field, u"+"_s);
        window.key(Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier);
        QCOMPARE(window.ran, QStringList({u"ZoomIn"_s}));
        QCOMPARE(window.field->text(), u"+"_s);
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
