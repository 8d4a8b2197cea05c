#include "windows/records/ErgazSrch.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/records/EmployeeRecord.h"
#include "logic/records/LbPopUp.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/KeyPreview.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCommands.h"
#include "windows/core/WindowNames.h"
#include "windows/records/PageGrid.h"
#include "windows/records/RecordHandOvers.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {
// The toolbar's buttons and the pop-up menu's items, by command.
const QStringList ToolbarCommands = {u"Pick"_s,    u"New"_s,      u"Change"_s, u"Delete"_s,
                                     u"Print"_s,   u"Copy"_s,     u"PageUp"_s, u"RowUp"_s,
                                     u"RowDown"_s, u"PageDown"_s, u"Exit"_s};
const QStringList PopUpCommands = {u"New"_s, u"Change"_s, u"Delete"_s, u"Print"_s, u"Copy"_s, u"Exit"_s};

EmployeeOrder programOrder() {
    return Program.EmployeeSortOrder == 0 ? EmployeeOrder::ByAfm : EmployeeOrder::ByName;
}
} // namespace

ErgazSrch::ErgazSrch(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::ErgazSrch);
    setWindowTitle(QStringLiteral("Διαχείριση Εργαζομένων"));
    buildControls();
    // The search box takes the keys whenever the window has the focus.
    setFocusProxy(m_srchTxt);
    placeAtTwips(50, 50);
    ColourForm(this);
    // A new list keeps no place of an earlier form.
    SetEmployeeFormMode(EmployeeMode::None);
}

// The keys act with no Shift, Ctrl or Alt held: those go to the search box.
void ErgazSrch::buildCommands() {
    m_commands = new WindowCommands(this, WindowCommands::Modifiers::Exact);
    m_commands->add(u"Pick"_s, u"Επιλογή"_s, {}, [this] { pick(); });
    m_commands->add(u"New"_s, u"Εισαγωγή"_s, {Qt::Key_F6}, [this] { addNew(); });
    m_commands->add(u"Change"_s, u"Μεταβολή"_s, {Qt::Key_F4}, [this] { change(); });
    m_commands->add(u"Delete"_s, u"Διαγραφή"_s, {Qt::Key_F2}, [this] { remove(); });
    m_commands->add(u"Print"_s, u"Εκτύπωση"_s, {Qt::Key_F7, Qt::CTRL | Qt::Key_P}, [this] { print(); });
    m_commands->add(u"Copy"_s, u"Αντιγραφή"_s, {Qt::Key_F5}, [this] { copy(); });
    m_commands->add(u"PageUp"_s, u"Προηγούμενη Σελίδα"_s, {Qt::Key_PageUp}, [this] { pageUp(); });
    m_commands->add(u"RowUp"_s, u"Προηγούμενη εγγραφή"_s, {Qt::Key_Up}, [this] { rowUp(); });
    m_commands->add(u"RowDown"_s, u"Επόμενη εγγραφή"_s, {Qt::Key_Down}, [this] { rowDown(); });
    m_commands->add(u"PageDown"_s, u"Επόμενη σελίδα"_s, {Qt::Key_PageDown}, [this] { pageDown(); });
    m_commands->add(u"Exit"_s, u"Εξοδος"_s, {Qt::Key_Escape}, [this] { exit(); });
    // Enter changes the employee in the list of the menu and picks it in a picker.
    m_commands->add(u"Enter"_s, u"Επιλογή"_s, {Qt::Key_Return, Qt::Key_Enter}, [this] { enter(); });
}

void ErgazSrch::buildControls() {
    buildCommands();
    m_tools = MakeListToolbar(this, m_commands->actions(ToolbarCommands));

    m_tools->addSeparator();
    m_searchLabel = new QLabel(QStringLiteral("Επωνυμία:"), m_tools);
    m_searchLabel->setObjectName(QStringLiteral("Lbl_0"));
    m_searchLabel->setMinimumWidth(TwipsToPixels(1000));
    m_searchLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_tools->addWidget(m_searchLabel);
    m_srchTxt = new QLineEdit(m_tools);
    m_srchTxt->setObjectName(QStringLiteral("SrchTxt"));
    m_srchTxt->setFixedWidth(TwipsToPixels(1900));
    m_tools->addWidget(m_srchTxt);
    auto* sortLabel = new QLabel(QStringLiteral("Ταξινόμηση:"), m_tools);
    sortLabel->setObjectName(QStringLiteral("Lbl_1"));
    sortLabel->setContentsMargins(TwipsToPixels(120), 0, 0, 0);
    m_tools->addWidget(sortLabel);
    m_idxErg = new QComboBox(m_tools);
    m_idxErg->setObjectName(QStringLiteral("IdxErg"));
    m_idxErg->addItems({QStringLiteral("Α.Φ.Μ."), QStringLiteral("Επωνυμία")});
    m_tools->addWidget(m_idxErg);
    m_tools->adjustSize();
    connect(m_idxErg, &QComboBox::activated, this, &ErgazSrch::sortChosen);

    // Widths of the AFM and name columns: 140 twips per character of the table's columns.
    m_grd = new PageGrid({{QStringLiteral("Α.Φ.Μ."), 140 * 14},
                          {QStringLiteral("Επώνυμο"), 140 * 30},
                          {QStringLiteral("Υποκ."), 700}},
                         this);
    m_grd->move(0, m_tools->height() + TwipsToPixels(20));
    m_grd->resize(m_grd->fullSize());
    connect(m_grd, &PageGrid::rowClicked, this, [this](int row) {
        m_list.cursor().selectRow(row);
        m_grd->highlightRow(row);
    });
    connect(m_grd, &PageGrid::rowDoubleClicked, this, [this](int row) {
        m_list.cursor().selectRow(row);
        enter();
    });
    connect(m_grd, &PageGrid::rightButtonReleased, this, &ErgazSrch::popUpMenu);

    const int width = std::max(m_grd->width() + TwipsToPixels(120), m_tools->sizeHint().width());
    m_tools->resize(width, m_tools->height());
    // The toolbar with the search makes the window wider than the grid: the names get the
    // room left over.
    const int spare = width - TwipsToPixels(120) - m_grd->width();
    m_grd->setColumnWidth(1, m_grd->columnWidth(1) + spare);
    m_grd->resize(m_grd->fullSize());
    setFixedSize(width, m_grd->y() + m_grd->height() + TwipsToPixels(60));
    // The window sees every key first, in the search box as in the drop-down (which keeps
    // its arrows).
    new KeyPreview(this, [this](QKeyEvent* event) { return keySeen(event); });
}

void ErgazSrch::activated() {
    if (isMinimizedChild())
        return;
    reload();
}

void ErgazSrch::reload() {
    const qint16 mode = Program.BridgeMode[0];
    const bool keepPlace = mode == EmployeeMode::Change || mode == EmployeeMode::Delete;
    // A failed read shows what could be read, and showPage says it failed.
    m_list.reload(programOrder(), keepPlace);
    m_srchTxt->setText(Program.EmployeeSearchText);
    showPage();
    showSortOrder();
    m_srchTxt->setFocus();
}

void ErgazSrch::showSortOrder() {
    const bool byAfm = m_list.order() == EmployeeOrder::ByAfm;
    m_idxErg->setCurrentIndex(byAfm ? 0 : 1);
    m_searchLabel->setText(byAfm ? QStringLiteral("Α.Φ.Μ.:") : QStringLiteral("Επωνυμία:"));
    m_srchTxt->setMaxLength(EmployeeList::searchLength(m_list.order()));
}

void ErgazSrch::showPage() {
    // A read that failed (the office's server gone) says so once per action; the grid shows
    // what could be read.
    if (const DbStatus failure = m_list.takeFailure(); !failure.ok())
        ShowDatabaseError(failure);
    QList<QStringList> rows;
    for (int row = 1; row <= PageRows; ++row) {
        const Employee* employee = m_list.atGridRow(row);
        rows << (employee ? QStringList{employee->Eafm, employee->Eepon, employee->Eypo} : QStringList());
    }
    m_grd->showPage(rows);
    m_grd->highlightRow(m_list.cursor().selectedRow());
}

void ErgazSrch::sortChosen(int index) {
    if (index == Program.EmployeeSortOrder) {
        m_srchTxt->setFocus();
        return;
    }
    SetEmployeeListOrder(index == 0 ? EmployeeOrder::ByAfm : EmployeeOrder::ByName);
    m_list.reload(programOrder(), false);
    showSortOrder();
    showPage();
    m_srchTxt->clear();
    m_srchTxt->setFocus();
}

void ErgazSrch::openEmployeeForm(qint16 mode) {
    OpenEmployeeForm(mode, mode == EmployeeMode::Insert ? QString() : m_list.selectedKey());
}

void ErgazSrch::addNew() {
    openEmployeeForm(EmployeeMode::Insert);
}

void ErgazSrch::change() {
    if (m_list.selected())
        openEmployeeForm(EmployeeMode::Change);
}

void ErgazSrch::copy() {
    if (m_list.selected())
        openEmployeeForm(EmployeeMode::Copy);
}

void ErgazSrch::remove() {
    if (!m_list.selected())
        return;
    const MsgAnswer answer = ShowBox(QStringLiteral("Διαγραφή Εργαζόμενου"),
                                     QStringLiteral("ΠΡΟΣΟΧΗ !!!\r\n\r\nΝα διαγραφή η εγγραφή."),
                                     MsgIcon::Critical, MsgButtons::YesNo, MsgAnswer::No);
    if (answer == MsgAnswer::Yes)
        openEmployeeForm(EmployeeMode::Delete);
}

void ErgazSrch::pick() {
    if (!m_list.selected())
        return;
    AnswerEmployeePick(m_list.selectedKey());
    closeWindow();
}

void ErgazSrch::exit() {
    AnswerEmployeePick({});
    closeWindow();
}

void ErgazSrch::print() {
    const QList<Employee> rows = m_list.allRows();
    if (rows.isEmpty()) {
        ShowMsg(18);
        return;
    }
    emit printRequested(rows);
}

void ErgazSrch::enter() {
    if (Program.EmployeeListFromMenu)
        change();
    else
        pick();
}

void ErgazSrch::rowUp() {
    m_list.cursor().rowUp();
    showPage();
}

void ErgazSrch::rowDown() {
    m_list.cursor().rowDown();
    showPage();
}

void ErgazSrch::pageUp() {
    m_list.cursor().pageUp();
    showPage();
}

void ErgazSrch::pageDown() {
    m_list.cursor().pageDown();
    showPage();
}

void ErgazSrch::popUpMenu() {
    const int choice = AskPopUp(QStringLiteral("Εισαγωγή|Μεταβολή|Διαγραφή|Εκτύπωση|Αντιγραφή|Εξοδος|"));
    m_commands->run(PopUpCommands.value(choice - 1));
}

void ErgazSrch::keyReleasedInSearch(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Meta:
        return;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        // Capitals typed with Shift held are searched when Shift itself is released: that
        // release counts as a key released with nothing held.
        break;
    default:
        if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
            return;
        break;
    }
    m_list.search(m_srchTxt->text());
    showPage();
}

bool ErgazSrch::keySeen(QKeyEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return !IsDropDownArrow(event) && m_commands->press(event);
    if (event->type() == QEvent::KeyRelease && m_srchTxt->hasFocus())
        keyReleasedInSearch(event);
    return false;
}

void ErgazSrch::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    if (m_srchTxt)
        m_srchTxt->setFocus();
}

void ErgazSrch::closeEvent(QCloseEvent* event) {
    ChildWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    EmployeeListClosed();
    if (Program.BridgeMode[0] != EmployeeMode::None) {
        if (MdiHost* host = MdiHost::instance()) {
            if (ChildWindow* form = host->findChildWindow(WindowName::Ergaz))
                form->closeWindow();
        }
    }
}
