#include "RecordWindows.h"

#include "ScriptedServices.h"
#include "logic/core/program/ProgramValues.h"
#include "shell/Windows.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QSqlQuery>

RecordWindows::RecordWindows(const QDate& workDate) {
    m_dialogs = &InstallScriptedDialogs();
    InstallFixedClock(QDateTime(workDate, QTime(9, 0)));
    if (!m_folder.openDatabase())
        qFatal("The test database could not be opened");
    Program.WorkDate = workDate;
    RegisterWindows();
    m_frame = std::make_unique<QMainWindow>();
    m_mdi = new MdiHost;
    m_frame->setCentralWidget(m_mdi);
    m_frame->resize(1200, 800);
    m_frame->show();
    if (!QTest::qWaitForWindowActive(m_frame.get()))
        qWarning("The main window did not become active");
}

RecordWindows::~RecordWindows() {
    m_frame.reset();
    settle();
}

ChildWindow* RecordWindows::openChild(const QString& name) {
    ChildWindow* window = m_mdi->openChild(name);
    settle();
    return m_mdi->findChildWindow(name) == window ? window : nullptr;
}

ChildWindow* RecordWindows::findChild(const QString& name) const {
    return m_mdi->findChildWindow(name);
}

ChildWindow* RecordWindows::active() const {
    QMdiSubWindow* frame = m_mdi->activeSubWindow();
    return frame ? qobject_cast<ChildWindow*>(frame->widget()) : nullptr;
}

void RecordWindows::typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
            continue;
        }
        // A letter's key code is its capital's code point.
        const auto key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
    }
}

void RecordWindows::typeAndLeave(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->clear();
    typeText(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    settle();
}

void RecordWindows::settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void RecordWindows::addEmployee(const QString& afm, const QString& name, const QString& branch) {
    const DbStatus status = InsertEmployee({afm, name, branch});
    if (!status.ok())
        qFatal("Employee not stored: %s", qPrintable(status.errorText));
}

QString RecordWindows::afm(int i) {
    return QStringLiteral("1%1").arg(i, 8, 10, QLatin1Char('0'));
}

QString RecordWindows::name(int i) {
    return QStringLiteral("ΕΡΓΑΖΟΜΕΝΟΣ %1").arg(i, 3, 10, QLatin1Char('0'));
}

void RecordWindows::addEmployees(int count) {
    for (int i = 1; i <= count; ++i)
        addEmployee(afm(i), name(i));
}

void RecordWindows::addEntry(const QString& afm, const QString& yyyymmdd, const QString& hours,
                             const QString& remarks) {
    const DbStatus status = InsertEntry({afm, yyyymmdd, hours, remarks});
    if (!status.ok())
        qFatal("Entry not stored: %s", qPrintable(status.errorText));
}

int RecordWindows::count(const QString& table) {
    QSqlQuery query(DbConnection());
    query.exec(QStringLiteral("Select Count(*) From ") + table);
    query.next();
    return query.value(0).toInt();
}
