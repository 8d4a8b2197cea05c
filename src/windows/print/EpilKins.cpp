#include "windows/print/EpilKins.h"

#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/text/DateHelpers.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/HandOvers.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"
#include "windows/print/Reports.h"
#include "windows/records/RecordHandOvers.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int AfmLength = 14;

QLabel* CaptionLabel(const QString& text, int index, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(u"Lbl_%1"_s.arg(index));
    return label;
}
} // namespace

EpilKins::EpilKins(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::EpilKins);
    setWindowTitle(u"Εκτύπωση Ηλεκτρονικών Αποστολών"_s);

    m_tools = CreateOutputToolbar(this, {u"Οθόνη"_s, u"Εκτυπωτής"_s, u"Εξοδος"_s}, 0);
    m_tools->actions().at(1)->setVisible(false);
    connect(m_tools->actions().at(0), &QAction::triggered, this, &EpilKins::runReport);
    connect(m_tools->actions().at(2), &QAction::triggered, this, &ChildWindow::closeWindow);

    auto* grid = new QGridLayout;
    m_idxKin = new QComboBox(this);
    m_idxKin->setObjectName(u"IdxKin"_s);
    m_idxKin->addItems({u"Ημερομηνία"_s, u"ΑΦΜ Εργ/νου"_s});
    grid->addWidget(CaptionLabel(u"Ταξινόμηση:"_s, 0, this), 0, 0);
    grid->addWidget(m_idxKin, 0, 1, 1, 2);

    const QStringList dateCaptions = {u"Από Ημ/νία:"_s, u"Εως Ημ/νία:"_s};
    const QStringList afmCaptions = {u"Από Εργαζόμενο:"_s, u"Εως Εργαζόμενο:"_s};
    for (int i = 0; i < 2; ++i) {
        m_dates[i] = new QLineEdit(this);
        m_dates[i]->setObjectName(u"Dates_%1"_s.arg(i));
        m_dates[i]->setMaxLength(10);
        m_dates[i]->setText(ScreenDate(Program.WorkDate));
        m_dates[i]->installEventFilter(this);
        m_cal[i] = new QToolButton(this);
        m_cal[i]->setObjectName(u"Cal_%1"_s.arg(i));
        m_cal[i]->setIcon(
            ToolbarPicture(u"Cal.Gif"_s, u"x-office-calendar"_s, QStyle::SP_FileDialogDetailedView));
        m_cal[i]->setToolTip(u"Ημερολόγιο"_s);
        m_cal[i]->setFocusPolicy(Qt::NoFocus);
        connect(m_cal[i], &QToolButton::clicked, this, [this, i] { chooseDate(i); });
        grid->addWidget(CaptionLabel(dateCaptions[i], 1 + i, this), 1 + i, 0);
        grid->addWidget(m_dates[i], 1 + i, 1);
        grid->addWidget(m_cal[i], 1 + i, 2);
    }
    for (int i = 0; i < 3; ++i) {
        m_eafm[i] = new QLineEdit(this);
        m_eafm[i]->setObjectName(u"Eafm_%1"_s.arg(i));
        m_eafm[i]->setMaxLength(AfmLength);
        m_eafm[i]->installEventFilter(this);
    }
    for (int i = 0; i < 2; ++i) {
        m_eepon[i] = new QLabel(this);
        m_eepon[i]->setObjectName(u"Eepon_%1"_s.arg(i));
        m_eepon[i]->setMinimumWidth(260);
        m_find[i] = new QPushButton(u"..."_s, this);
        m_find[i]->setObjectName(u"Find_%1"_s.arg(i));
        m_find[i]->setToolTip(u"Αναζήτηση Εργαζομένου (F3)"_s);
        m_find[i]->setFocusPolicy(Qt::NoFocus);
        m_find[i]->setAutoDefault(false);
        connect(m_find[i], &QPushButton::clicked, this, [this, i] { findEmployee(i); });
        grid->addWidget(CaptionLabel(afmCaptions[i], 3 + i, this), 3 + i, 0);
        grid->addWidget(m_eafm[i], 3 + i, 1);
        grid->addWidget(m_find[i], 3 + i, 2);
        grid->addWidget(m_eepon[i], 3 + i, 3);
    }
    m_eafm[2]->setText(QString(m_eafm[2]->maxLength(), u'*'));
    grid->addWidget(CaptionLabel(u"Μάσκα:"_s, 5, this), 5, 0);
    grid->addWidget(m_eafm[2], 5, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tools);
    auto* fields = new QWidget(this);
    fields->setLayout(grid);
    layout->addWidget(fields);
    layout->addStretch();

    SetInputOrder({m_idxKin, m_dates[0], m_dates[1], m_eafm[0], m_eafm[1], m_eafm[2]});
    auto* keys = new FormKeys(this, nullptr, nullptr);
    keys->setExitAction([this] { closeWindow(); });
    keys->setAcceptAction([this] { runReport(); });
    keys->setExtraKeys([this](QKeyEvent* event) {
        if (event->key() != Qt::Key_F3 || (event->modifiers() & Qt::ShiftModifier))
            return false;
        for (int i = 0; i < 2; ++i) {
            if (m_eafm[i]->hasFocus()) {
                findEmployee(i);
                return true;
            }
        }
        return false;
    });
    ColourForm(this);
    move(TwipsToPixels(50, 50));
}

bool EpilKins::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (int i = 0; i < 2; ++i) {
            if (watched == m_dates[i])
                CompleteDateField(m_dates[i]);
            else if (watched == m_eafm[i] && m_picking < 0)
                afmLeft(i);
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void EpilKins::afmLeft(int field) {
    const std::optional<Employee> employee = SelectEmployee(m_eafm[field]->text());
    if (employee) {
        m_eepon[field]->setText(employee->Eepon);
    } else {
        // An AFM that is not in the table is cleared with its name.
        m_eafm[field]->clear();
        m_eepon[field]->clear();
    }
}

void EpilKins::findEmployee(int field) {
    m_picking = field;
    if (!PickEmployee())
        m_picking = -1;
}

void EpilKins::activated() {
    if (m_picking < 0)
        return;
    const int field = m_picking;
    m_picking = -1;
    const QString key = ChosenEmployee().trimmed();
    if (!key.isEmpty()) {
        m_eafm[field]->setText(key);
        afmLeft(field);
    }
    m_eafm[field]->setFocus();
}

void EpilKins::chooseDate(int field) {
    // Cancelling the calendar empties the field.
    m_dates[field]->setText(PickDate(this));
}

void EpilKins::runReport() {
    for (QLineEdit* date : m_dates)
        CompleteDateField(date);
    PrintEntryIndex(m_eafm[0]->text(), m_eafm[1]->text(), m_eafm[2]->text(), m_dates[0]->text(),
                    m_dates[1]->text(), m_idxKin->currentIndex());
}
