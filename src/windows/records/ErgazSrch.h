#pragma once

#include "logic/records/EmployeeList.h"
#include "windows/core/ChildWindow.h"

class PageGrid;
class WindowCommands;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolBar;

// The employee list: every employee in a paged grid of 14 rows, sorted by AFM or by name,
// with an incremental search. Opened from the menu (ManageEmployees) it manages the employees
// through the employee form; opened by another window (PickEmployee) it is a picker that
// answers with the chosen employee's key and closes. Its print asks for the employee index
// of the whole table in the list's order (printRequested): the print engine answers it.
class ErgazSrch : public ChildWindow {
    Q_OBJECT
public:
    explicit ErgazSrch(QWidget* parent = nullptr);

    // Reloads the rows (each time the window becomes active).
    void activated() override;

    // The actions of the keys, toolbar, pop-up menu and double click.
    void pick();
    void addNew();
    void change();
    void remove();
    void print();
    void copy();
    void exit();
    void rowUp();
    void rowDown();
    void pageUp();
    void pageDown();

    const EmployeeList& list() const { return m_list; }

signals:
    void printRequested(const QList<Employee>& rows);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildCommands();
    void buildControls();
    void reload();
    void showPage();
    void showSortOrder();
    void sortChosen(int index);
    void openEmployeeForm(qint16 mode);
    void keyReleasedInSearch(QKeyEvent* event);
    bool keySeen(QKeyEvent* event);
    void popUpMenu();
    void enter();

    EmployeeList m_list;
    QToolBar* m_tools = nullptr;
    QLabel* m_searchLabel = nullptr;
    QLineEdit* m_srchTxt = nullptr;
    QComboBox* m_idxErg = nullptr;
    PageGrid* m_grd = nullptr;
    WindowCommands* m_commands = nullptr;
};
