#pragma once

#include <QDialog>
#include <QTimer>

// Stands in for the work-date window in tests of the main window: it accepts as soon as it
// is shown, keeping the work date and the internet switch as they are.
class AcceptAtOnceDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        QTimer::singleShot(0, this, &QDialog::accept);
    }
};
