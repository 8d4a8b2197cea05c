#pragma once

#include "logic/core/database/EmployeeStatements.h"

#include "windows/core/ChildWindow.h"

class QLineEdit;
class QPushButton;

// The employee form: inserts, changes, deletes or copies one employee, as its caller chose
// in BridgeMode slot 0 with the employee's key in BridgeKey slot 0. It closes after a
// successful save; a duplicate AFM keeps it open so the AFM can be corrected.
class Ergaz : public ChildWindow {
    Q_OBJECT
public:
    explicit Ergaz(QWidget* parent = nullptr);

    void save();

private:
    void buildControls();
    void load();
    void showEmployee(const Employee& employee);

    qint16 m_mode = 0;
    // The employee as read when the form opened, or again after a refused save.
    Employee m_read;
    int m_fieldCount = 0;
    QLineEdit* m_eafm = nullptr;
    QLineEdit* m_eepon = nullptr;
    QLineEdit* m_eypo = nullptr;
    QPushButton* m_saveBut = nullptr;
    QPushButton* m_exitBut = nullptr;
};
