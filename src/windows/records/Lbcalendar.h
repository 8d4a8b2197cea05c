#pragma once

#include <QDialog>

class QCalendarWidget;
class QDate;

// The calendar picker: a modal window showing the month of the work date (today when there
// is none) with that day selected. Clicking a day or pressing Enter sets
// Program.CalendarDate to the day as "dd/mm/yyyy"; Esc, closing or losing the activation
// set it to "".
class Lbcalendar : public QDialog {
    Q_OBJECT
public:
    explicit Lbcalendar(QWidget* parent = nullptr);

    void reject() override;

protected:
    bool event(QEvent* event) override;

private:
    void choose(const QDate& date);

    QCalendarWidget* m_calendar;
    bool m_wasActive = false;
    bool m_answered = false;
};
