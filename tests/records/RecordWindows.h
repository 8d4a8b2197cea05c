#pragma once

#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/EntryStatements.h"
#include "windows/core/ChildWindow.h"

#include <QMainWindow>
#include <QTest>
#include <memory>

class MdiHost;
class QLineEdit;

// A main window with its MDI area on a new data folder, the program's windows registered
// and the dialogs scripted: what the record windows need to run as in the program.
class RecordWindows {
public:
    explicit RecordWindows(const QDate& workDate = QDate(2016, 3, 10));
    ~RecordWindows();

    MdiHost* mdi() const { return m_mdi; }
    ScriptedDialogs& dialogs() const { return *m_dialogs; }
    TestDataFolder& folder() { return m_folder; }

    // Opens a window of the catalogue as the program does and lets it settle.
    template <typename Window> Window* open(const QString& name) {
        return qobject_cast<Window*>(openChild(name));
    }
    ChildWindow* openChild(const QString& name);
    // The open child window of that name, or nullptr.
    template <typename Window> Window* find(const QString& name) const {
        return qobject_cast<Window*>(findChild(name));
    }
    ChildWindow* findChild(const QString& name) const;
    ChildWindow* active() const;
    // Types the text into the widget key by key, Greek letters too.
    static void typeText(QWidget* widget, const QString& text);
    // Types into a field as the user does, in place of what it held, and leaves it with Enter.
    static void typeAndLeave(QLineEdit* field, const QString& text);
    // Lets queued work (closing, activation) run.
    static void settle();

    static void addEmployee(const QString& afm, const QString& name,
                            const QString& branch = QStringLiteral("1"));
    // Employees 1..count with AFMs 100000001.. and names "ΕΡΓΑΖΟΜΕΝΟΣ 001"..
    static void addEmployees(int count);
    static QString afm(int i);
    static QString name(int i);
    static void addEntry(const QString& afm, const QString& yyyymmdd, const QString& hours,
                         const QString& remarks = {});
    static int count(const QString& table);

private:
    TestDataFolder m_folder;
    std::unique_ptr<QMainWindow> m_frame;
    MdiHost* m_mdi = nullptr;
    ScriptedDialogs* m_dialogs = nullptr;
};
