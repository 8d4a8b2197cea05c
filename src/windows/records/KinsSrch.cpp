#include "windows/records/KinsSrch.h"

#include "logic/core/database/Database.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/records/EntryRecord.h"
#include "logic/records/EntrySending.h"
#include "logic/records/LbPopUp.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/KeyPreview.h"
#include "windows/core/WindowCommands.h"
#include "windows/core/WindowNames.h"
#include "windows/records/PageGrid.h"
#include "windows/records/RecordHandOvers.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {
// The toolbar's buttons by command: the list toolbar's eleven, of which new, change, delete
// and copy stay hidden here.
const QStringList ToolbarCommands = {u"Pick"_s,        u"New"_s,      u"Change"_s, u"Delete"_s,
                                     u"PrintOrSend"_s, u"Copy"_s,     u"PageUp"_s, u"RowUp"_s,
                                     u"RowDown"_s,     u"PageDown"_s, u"Exit"_s};
const QStringList PopUpCommands = {u"Print"_s, u"Send"_s, u"Exit"_s};

const QStringList Months = {
    QStringLiteral("Ιανουάριος"), QStringLiteral("Φεβρουάριος"), QStringLiteral("Μάρτιος"),
    QStringLiteral("Απρίλιος"),   QStringLiteral("Μάιος"),       QStringLiteral("Ιούνιος"),
    QStringLiteral("Ιούλιος"),    QStringLiteral("Αύγουστος"),   QStringLiteral("Σεπτέμβριος"),
    QStringLiteral("Οκτώβριος"),  QStringLiteral("Νοέμβριος"),   QStringLiteral("Δεκέμβριος")};

// Forces the next reload whatever the order shown.
constexpr int ForceReload = 2;

QLabel* toolbarLabel(QToolBar* tools, const QString& name, const QString& text) {
    auto* label = new QLabel(text, tools);
    label->setObjectName(name);
    label->setContentsMargins(TwipsToPixels(120), 0, TwipsToPixels(60), 0);
    return label;
}
} // namespace

KinsSrch::KinsSrch(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::KinsSrch);
    setWindowTitle(QStringLiteral("Διαχείριση Ηλεκτρονικών Αποστολών"));
    m_closeOnDeactivate = true;
    m_filtersReady = false;
    buildControls();
    // The search box takes the keys whenever the window has the focus.
    setFocusProxy(m_srchTxt);
    placeAtTwips(150, 1000);
    ColourForm(this);
    m_sortIndex = 0;
    m_idxKin->setCurrentIndex(0);
    // A work date outside the listed years opens on the nearest one.
    const QDate workDate = Program.WorkDate.isValid() ? Program.WorkDate : QDate::currentDate();
    m_etos->setCurrentIndex(NearestListedYear(workDate.year()) - FirstListedYear);
    m_mhnas->setCurrentIndex(workDate.month() - 1);
    m_day->setCurrentIndex(0);
    m_filtersReady = true;
    for (QAction* hidden : m_commands->actions({u"New"_s, u"Change"_s, u"Delete"_s, u"Copy"_s}))
        hidden->setVisible(false);
    m_reloadOnActivate = true;
    SetEntryFormMode(EntryMode::Insert);
}

// The keys act whatever Shift, Ctrl or Alt is held, Ctrl+P aside.
void KinsSrch::buildCommands() {
    m_commands = new WindowCommands(this, WindowCommands::Modifiers::AtLeast);
    m_commands->add(u"Pick"_s, u"Επιλογή"_s, {Qt::Key_Return, Qt::Key_Enter}, [this] { pick(); });
    m_commands->add(u"New"_s, u"Εισαγωγή"_s, {});
    m_commands->add(u"Change"_s, u"Μεταβολή"_s, {});
    m_commands->add(u"Delete"_s, u"Διαγραφή"_s, {});
    m_commands->add(u"PrintOrSend"_s, u"Εκτύπωση"_s, {},
                    [this] { printOrSendMenu(QStringLiteral("Εκτύπωση|Αποστολή|")); });
    m_commands->add(u"Copy"_s, u"Αντιγραφή"_s, {});
    m_commands->add(u"PageUp"_s, u"Προηγούμενη σελίδα"_s, {Qt::Key_PageUp}, [this] { pageUp(); });
    m_commands->add(u"RowUp"_s, u"Προηγούμενη εγγραφή"_s, {Qt::Key_Up}, [this] { rowUp(); });
    m_commands->add(u"RowDown"_s, u"Επόμενη εγγραφή"_s, {Qt::Key_Down}, [this] { rowDown(); });
    m_commands->add(u"PageDown"_s, u"Επόμενη σελίδα"_s, {Qt::Key_PageDown}, [this] { pageDown(); });
    m_commands->add(u"Exit"_s, u"Εξοδος"_s, {Qt::Key_Escape}, [this] { exit(); });
    m_commands->add(u"Print"_s, u"Εκτύπωση"_s, {Qt::Key_F7, Qt::CTRL | Qt::Key_P}, [this] { print(); });
    m_commands->add(u"Send"_s, u"Αποστολή"_s, {}, [this] { send(); });
}

void KinsSrch::buildControls() {
    buildCommands();
    m_tools = MakeListToolbar(this, m_commands->actions(ToolbarCommands));
    buildFilters();

    m_grd = new PageGrid({{QStringLiteral("Ημερομηνία"), 1400},
                          {QStringLiteral("Α.Φ.Μ."), 1960},
                          {QStringLiteral("Ονοματεπώνυμο"), 4200},
                          {QStringLiteral("Ωραριο"), 7000}},
                         this);
    m_grd->move(0, m_tools->height() + TwipsToPixels(20));
    m_grd->resize(m_grd->fullSize());
    connect(m_grd, &PageGrid::rowClicked, this, [this](int row) {
        m_list.cursor().selectRow(row);
        m_grd->highlightRow(row);
    });
    connect(m_grd, &PageGrid::rowDoubleClicked, this, [this](int row) {
        m_list.cursor().selectRow(row);
        pick();
    });
    connect(m_grd, &PageGrid::rightButtonReleased, this,
            [this] { printOrSendMenu(QStringLiteral("Εκτύπωση|Αποστολή|Εξοδος|")); });
    const int width = std::max(m_grd->width(), m_tools->sizeHint().width());
    m_tools->resize(width, m_tools->height());
    setFixedSize(width, m_grd->y() + m_grd->height() + TwipsToPixels(60));
    // The window sees every key first, in the search box as in the drop-down lists; those
    // keep their arrows.
    new KeyPreview(this, [this](QKeyEvent* event) {
        return event->type() == QEvent::KeyPress && !IsDropDownArrow(event) && m_commands->press(event);
    });
}

void KinsSrch::buildFilters() {
    m_tools->addSeparator();
    m_afmLabel = toolbarLabel(m_tools, QStringLiteral("Lbl_0"), QStringLiteral("Α.Φ.Μ.:"));
    m_afmAction = m_tools->addWidget(m_afmLabel);
    m_srchTxt = new QLineEdit(m_tools);
    m_srchTxt->setObjectName(QStringLiteral("SrchTxt"));
    m_srchTxt->setMaxLength(14);
    m_srchTxt->setFixedWidth(TwipsToPixels(1900));
    m_tools->addWidget(m_srchTxt);
    m_tools->addWidget(toolbarLabel(m_tools, QStringLiteral("Lbl_1"), QStringLiteral("Ταξινόμηση:")));
    m_idxKin = new QComboBox(m_tools);
    m_idxKin->setObjectName(QStringLiteral("IdxKin"));
    m_idxKin->addItems({QStringLiteral("Ημερομηνία"), QStringLiteral("ΑΦΜ Εργ/νου")});
    m_tools->addWidget(m_idxKin);
    m_monthLabel = toolbarLabel(m_tools, QStringLiteral("Lbl_2"), QStringLiteral("Ετος/Μήνας:"));
    m_filterActions << m_tools->addWidget(m_monthLabel);
    m_etos = new QComboBox(m_tools);
    m_etos->setObjectName(QStringLiteral("Etos"));
    for (int year = FirstListedYear; year <= LastListedYear; ++year)
        m_etos->addItem(QString::number(year));
    m_filterActions << m_tools->addWidget(m_etos);
    m_mhnas = new QComboBox(m_tools);
    m_mhnas->setObjectName(QStringLiteral("Mhnas"));
    m_mhnas->addItems(Months);
    m_filterActions << m_tools->addWidget(m_mhnas);
    m_day = new QComboBox(m_tools);
    m_day->setObjectName(QStringLiteral("Day"));
    for (int day = 1; day <= 31; ++day)
        m_day->addItem(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
    m_filterActions << m_tools->addWidget(m_day);
    m_tools->adjustSize();

    for (QComboBox* box : {m_etos, m_mhnas, m_day})
        connect(box, &QComboBox::currentIndexChanged, this, &KinsSrch::filterChanged);
    connect(m_idxKin, &QComboBox::currentIndexChanged, this, &KinsSrch::reload);
    connect(m_srchTxt, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_list.search(text);
        showPage();
    });
}

MonthFilter KinsSrch::filter() const {
    return {FirstListedYear + m_etos->currentIndex(), m_mhnas->currentIndex() + 1, m_day->currentIndex() + 1};
}

void KinsSrch::activated() {
    if (isMinimizedChild())
        return;
    if (m_reloadOnActivate) {
        m_sortIndex = ForceReload;
        reload();
    }
    m_reloadOnActivate = true;
}

void KinsSrch::deactivated() {
    const bool close = m_closeOnDeactivate;
    m_closeOnDeactivate = true;
    if (close)
        closeWindow();
}

void KinsSrch::filterChanged() {
    if (!m_filtersReady)
        return;
    m_sortIndex = ForceReload;
    reload();
}

void KinsSrch::reload() {
    if (m_idxKin->currentIndex() == m_sortIndex)
        return;
    m_sortIndex = m_idxKin->currentIndex();
    m_list.reload(filter(), m_sortIndex == 0 ? EntryOrder::ByDate : EntryOrder::ByAfm);
    showPage();
    {
        const QSignalBlocker quiet(m_srchTxt);
        m_srchTxt->clear();
    }
    showOrder();
    m_srchTxt->setFocus();
}

void KinsSrch::showOrder() {
    const bool byDate = m_sortIndex == 0;
    // A control on a toolbar is shown and hidden through its action.
    m_afmAction->setVisible(!byDate);
    m_srchTxt->setReadOnly(byDate);
    for (QAction* action : m_filterActions)
        action->setVisible(byDate);
}

void KinsSrch::showPage() {
    // A read that failed (the office's server gone) says so once per action; the grid shows
    // what could be read.
    if (const DbStatus failure = m_list.takeFailure(); !failure.ok())
        ShowDatabaseError(failure);
    QList<QStringList> rows;
    for (int row = 1; row <= PageRows; ++row) {
        const MonthEntry* entry = m_list.atGridRow(row);
        rows << (entry ? EntryList::cells(*entry) : QStringList());
    }
    m_grd->showPage(rows);
    m_grd->highlightRow(m_list.cursor().selectedRow());
}

void KinsSrch::pick() {
    if (!m_list.selected())
        return;
    AnswerEntryPick(m_list.selectedKey());
    closeWindow();
}

void KinsSrch::exit() {
    AnswerEntryPick({});
    closeWindow();
}

void KinsSrch::print() {
    // Showing the report neither closes nor reloads the list.
    m_closeOnDeactivate = false;
    m_reloadOnActivate = false;
    const MonthFilter chosen = filter();
    emit printRequested(chosen.fromScreenDate(), chosen.toScreenDate(),
                        m_sortIndex == 0 ? EntryOrder::ByDate : EntryOrder::ByAfm);
}

void KinsSrch::send() {
    // The list sends the way the installation proposes (Orva.ini, [Api] SendWay).
    const bool api = DefaultSendWay() == SendWay::Api;
    if (api && !ApiAccountReady())
        return;
    if (!api && (Program.Params.IkaCode.trimmed().isEmpty() || Program.Params.IkaPass.trimmed().isEmpty())) {
        ShowMsg(108);
        return;
    }
    const MonthEntry* row = m_list.selected();
    if (!row)
        return;
    // The list stays open across the modal submission window.
    const bool close = m_closeOnDeactivate;
    m_closeOnDeactivate = false;
    if (api)
        SendEntryThroughApi(row->entry.Eafm, row->entry.Kdate);
    else
        SendEntry({.Eafm = row->entry.Eafm,
                   .Korario = row->entry.Korario,
                   .Kparat = row->entry.Kparat,
                   .Eypo = row->Eypo,
                   .Kdate = row->entry.Kdate});
    m_closeOnDeactivate = close;
}

void KinsSrch::printOrSendMenu(const QString& items) {
    m_commands->run(PopUpCommands.value(AskPopUp(items) - 1));
}

void KinsSrch::rowUp() {
    m_list.cursor().rowUp();
    showPage();
}

void KinsSrch::rowDown() {
    m_list.cursor().rowDown();
    showPage();
}

void KinsSrch::pageUp() {
    m_list.cursor().pageUp();
    showPage();
}

void KinsSrch::pageDown() {
    m_list.cursor().pageDown();
    showPage();
}
