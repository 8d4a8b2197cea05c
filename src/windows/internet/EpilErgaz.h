#pragma once

#include "logic/internet/BatchSubmission.h"
#include "windows/core/ChildWindow.h"

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// "Επιλογή Εργαζομένων": chooses a date range and employees (an AFM range and mask, or
// individual employees from a pick list) and submits each of their schedule entries in the
// range through the submission window, one after the other, or all of them through the
// web-services API window.
class EpilErgaz : public ChildWindow {
    Q_OBJECT
public:
    explicit EpilErgaz(QWidget* parent = nullptr);

    void activated() override;

    // The pick list of the employees with entries in the range (Epilbut, F6).
    void chooseEmployees();
    // The batch submission (toolbar "Εκτυπωτής", F10).
    void submitBatch();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* captionLabel(int index, const QString& text);
    void afmFieldLeft(int index);
    void openEmployeePicker(int index);
    bool extraKey(QKeyEvent* event);
    // The batch in one call per branch through the web-services API window.
    void submitThroughApi(const BatchSelection& selection);

    std::array<QLineEdit*, 2> m_dates{};
    std::array<QToolButton*, 2> m_cal{};
    std::array<QLineEdit*, 3> m_eafm{};
    std::array<QLabel*, 2> m_eepon{};
    std::array<QToolButton*, 2> m_find{};
    QPushButton* m_epilbut = nullptr;
    QComboBox* m_sendWay = nullptr;
    std::array<QAction*, 3> m_tools{};
    // The AFM field waiting for the employee list's answer, or -1.
    int m_pickingFor = -1;
};
