#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// The work-date window, shown once at start-up: the user confirms or changes the work date
// of the run and switches the internet services on or off. Accepting sets Program.WorkDate
// and Program.InternetEnabled; leaving with "Εξοδος" (or Esc) sets Program.WorkDate to a
// null date, which ends the program.
class Lbenter : public QDialog {
    Q_OBJECT
public:
    explicit Lbenter(QWidget* parent = nullptr);

    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeInMainWindow();
    void dateFieldLeft();
    void chooseFromCalendar();
    void save();

    QLineEdit* m_dateFld;
    QToolButton* m_cal;
    QCheckBox* m_interEnable;
    QPushButton* m_saveBut;
    QPushButton* m_exitBut;
};
