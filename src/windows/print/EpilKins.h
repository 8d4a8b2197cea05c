#pragma once

#include "windows/core/ChildWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolBar;
class QToolButton;

// The selection of the index of schedule entries ("Εκτύπωση Ηλεκτρονικών Αποστολών"): a
// date range, an AFM range and mask, and the sort order. "Οθόνη" or F10 shows the index in
// the preview; F3 or the find buttons choose an employee from the employee list, the
// calendar buttons a date.
class EpilKins : public ChildWindow {
    Q_OBJECT
public:
    explicit EpilKins(QWidget* parent = nullptr);

    // Takes the employee chosen in the employee list, if one was.
    void activated() override;
    // Shows the index for the fields as they are.
    void runReport();
    // Opens the employee list to choose the AFM of field 0 (from) or 1 (to).
    void findEmployee(int field);
    // Chooses the date of field 0 or 1 from the calendar.
    void chooseDate(int field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void afmLeft(int field);

    QToolBar* m_tools;
    QComboBox* m_idxKin;
    QLineEdit* m_dates[2];
    QToolButton* m_cal[2];
    QLineEdit* m_eafm[3];
    QLabel* m_eepon[2];
    QPushButton* m_find[2];
    int m_picking = -1; // the AFM field waiting for the employee list
};
