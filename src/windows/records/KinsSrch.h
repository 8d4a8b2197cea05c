#pragma once

#include "logic/records/EntryList.h"
#include "windows/core/ChildWindow.h"

class PageGrid;
class QAction;
class WindowCommands;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolBar;

// The schedule entry list: the entries of one month from a chosen day on, with each
// employee's name, sorted by date or by AFM, in a paged grid of 14 rows. The entry form
// opens it to pick an entry (PickEntry); it closes itself when it loses the activation,
// except right after a print. Its print asks for the index of the month's entries
// (printRequested), which the print engine answers; its send hands the selected entry to
// the web submission.
class KinsSrch : public ChildWindow {
    Q_OBJECT
public:
    explicit KinsSrch(QWidget* parent = nullptr);

    void activated() override;
    void deactivated() override;

    void pick();
    void print();
    void send();
    void exit();
    void rowUp();
    void rowDown();
    void pageUp();
    void pageDown();

    const EntryList& list() const { return m_list; }
    MonthFilter filter() const;

signals:
    // The index of the entries from one date to another ("dd/mm/yyyy"), in the list's order.
    void printRequested(const QString& fromDate, const QString& toDate, EntryOrder order);

private:
    void buildCommands();
    void buildControls();
    void buildFilters();
    void reload();
    void filterChanged();
    void showPage();
    void showOrder();
    void printOrSendMenu(const QString& items);

    EntryList m_list;
    int m_sortIndex = 0;
    bool m_reloadOnActivate = true;
    bool m_closeOnDeactivate = true;
    bool m_filtersReady = false;
    QToolBar* m_tools = nullptr;
    QLabel* m_afmLabel = nullptr;
    QAction* m_afmAction = nullptr;
    QList<QAction*> m_filterActions;
    QLineEdit* m_srchTxt = nullptr;
    QComboBox* m_idxKin = nullptr;
    QLabel* m_monthLabel = nullptr;
    QComboBox* m_etos = nullptr;
    QComboBox* m_mhnas = nullptr;
    QComboBox* m_day = nullptr;
    PageGrid* m_grd = nullptr;
    WindowCommands* m_commands = nullptr;
};
