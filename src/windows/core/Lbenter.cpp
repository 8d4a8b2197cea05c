#include "windows/core/Lbenter.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/WorkDateEntry.h"
#include "logic/core/text/DateHelpers.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/HandOvers.h"
#include "windows/core/InternetSwitch.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

Lbenter::Lbenter(QWidget* parent) : QDialog(parent) {
    setObjectName(WindowName::Lbenter);
    setWindowTitle(QStringLiteral("Κωδικός-Ημερομηνία"));

    auto* lbl = new QLabel(QStringLiteral("Ημερομηνία:"), this);
    lbl->setObjectName(QStringLiteral("Lbl"));
    m_dateFld = new QLineEdit(this);
    m_dateFld->setObjectName(QStringLiteral("DateFld"));
    m_dateFld->setMaxLength(10);
    m_dateFld->installEventFilter(this);
    m_cal = new QToolButton(this);
    m_cal->setObjectName(QStringLiteral("Cal"));
    m_cal->setIcon(ToolbarPicture(QStringLiteral("Cal.Gif"), QStringLiteral("x-office-calendar"),
                                  QStyle::SP_FileDialogDetailedView));
    m_cal->setToolTip(QStringLiteral("Ημερολόγιο"));
    m_cal->setFocusPolicy(Qt::NoFocus);
    m_interEnable = new QCheckBox(QStringLiteral("Ενεργοποίηση Internet"), this);
    m_interEnable->setObjectName(QStringLiteral("InterEnable"));
    m_saveBut = new QPushButton(QStringLiteral("Αποδοχή"), this);
    m_saveBut->setObjectName(QStringLiteral("SaveBut"));
    m_exitBut = new QPushButton(QStringLiteral("Εξοδος"), this);
    m_exitBut->setObjectName(QStringLiteral("ExitBut"));
    // Enter moves between the fields; it never presses a button.
    for (QPushButton* button : {m_saveBut, m_exitBut})
        button->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lbl, 0, 0);
    grid->addWidget(m_dateFld, 0, 1);
    grid->addWidget(m_cal, 0, 2);
    grid->addWidget(m_interEnable, 1, 0, 1, 3);
    grid->addWidget(m_saveBut, 2, 0);
    grid->addWidget(m_exitBut, 2, 1, 1, 2);

    connect(m_cal, &QToolButton::clicked, this, &Lbenter::chooseFromCalendar);
    // The switch takes effect at once, before the window is accepted or left.
    connect(m_interEnable, &QCheckBox::clicked, this, [](bool checked) { ApplyInternetSwitch(checked); });
    connect(m_saveBut, &QPushButton::clicked, this, &Lbenter::save);
    connect(m_exitBut, &QPushButton::clicked, this, &Lbenter::reject);

    SetInputOrder({m_dateFld, m_interEnable});
    auto* keys = new FormKeys(this, m_exitBut, m_saveBut);
    // F10 takes the date field as leaving it would, then accepts.
    keys->setAcceptAction([this] {
        dateFieldLeft();
        save();
    });
    adjustSize();
    placeInMainWindow();
    ColourForm(this);
    m_dateFld->setText(ScreenDate(Program.WorkDate));
    m_interEnable->setChecked(Program.InternetEnabled == 1);
}

void Lbenter::placeInMainWindow() {
    const auto* main = qobject_cast<QMainWindow*>(parentWidget() ? parentWidget()->window() : nullptr);
    if (!main || !main->centralWidget())
        return;
    const QWidget* client = main->centralWidget();
    move(client->mapToGlobal(WorkDateWindowPosition(client->size(), size())));
}

bool Lbenter::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        m_dateFld->setFocus(Qt::ActiveWindowFocusReason);
    return QDialog::event(event);
}

bool Lbenter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_dateFld) {
        if (event->type() == QEvent::FocusIn)
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, m_dateFld, &QLineEdit::selectAll);
        else if (event->type() == QEvent::FocusOut)
            dateFieldLeft();
    }
    return QDialog::eventFilter(watched, event);
}

void Lbenter::dateFieldLeft() {
    CompleteDateField(m_dateFld);
}

void Lbenter::chooseFromCalendar() {
    // Cancelling the calendar empties the field.
    m_dateFld->setText(PickDate(this));
}

void Lbenter::save() {
    Program.InternetEnabled = m_interEnable->isChecked() ? 1 : 0;
    Program.WorkDate = AcceptedWorkDate(m_dateFld->text(), Program.WorkDate);
    accept();
}

void Lbenter::reject() {
    // No work date: the main window ends the program.
    Program.WorkDate = QDate();
    QDialog::reject();
}
