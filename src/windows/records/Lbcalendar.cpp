#include "windows/records/Lbcalendar.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/core/text/DateHelpers.h"
#include "windows/core/WindowNames.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

Lbcalendar::Lbcalendar(QWidget* parent) : QDialog(parent) {
    setObjectName(WindowName::Lbcalendar);
    setWindowTitle(QStringLiteral("Ημερολόγιο"));
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("Calendar"));
    m_calendar->setGridVisible(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);

    const QDate shown = Program.WorkDate.isValid() ? Program.WorkDate : Services::clock().now().date();
    m_calendar->setSelectedDate(shown);
    m_calendar->setCurrentPage(shown.year(), shown.month());
    m_calendar->setFocus();
    connect(m_calendar, &QCalendarWidget::clicked, this, &Lbcalendar::choose);
    // Enter in the calendar takes its selected day as if it had been clicked.
    connect(m_calendar, &QCalendarWidget::activated, this, [this] { choose(m_calendar->selectedDate()); });

    adjustSize();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void Lbcalendar::choose(const QDate& date) {
    m_answered = true;
    Program.CalendarDate = ScreenDate(date);
    accept();
}

void Lbcalendar::reject() {
    m_answered = true;
    Program.CalendarDate.clear();
    QDialog::reject();
}

bool Lbcalendar::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        m_wasActive = true;
    // Another window taking over cancels the choice; the dialog's own closing does not.
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowDeactivate && m_wasActive && !m_answered && isVisible())
        reject();
    return handled;
}
