#include "shell/MainCommands.h"

#include "shell/Main.h"
#include "shell/StatusPanels.h"
#include "windows/core/MdiHost.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"
#include "windows/records/RecordHandOvers.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

QHash<QString, std::function<void()>>& commands() {
    static QHash<QString, std::function<void()>> registered;
    return registered;
}

// One item of a menu or button of the toolbar: the window it opens, or what it does.
struct Item {
    QString caption;
    QString window;                 // a window of the catalogue, or ""
    std::function<void(Main&)> run; // what the item does besides opening the window
    QString command;                // a registered command, or ""
};

void openEmployeeList(Main&) {
    ManageEmployees();
}

const QList<Item>& mainWorkItems() {
    static const QList<Item> items = {
        {QStringLiteral("Διαχείριση Εργαζομένων"), WindowName::ErgazSrch, openEmployeeList, {}},
        {QStringLiteral("Κινήσεις Ηλεκτρονικών Αποστολών"), WindowName::Kins, {}, {}},
        {QStringLiteral("Εκτύπωση Ηλεκτρονικών Αποστολών"), WindowName::EpilKins, {}, {}},
        {QStringLiteral("Ηλεκτρονική Αποστολή"), WindowName::EpilErgaz, {}, {}},
        {QStringLiteral("Ιστορικό Υποβολών"), WindowName::IstYpob, {}, {}},
    };
    return items;
}

const QList<Item>& auxiliaryItems() {
    static const QList<Item> items = {
        {QStringLiteral("Αλλαγές Εκδόσεων"), WindowName::Manual, {}, {}},
        {QStringLiteral("Φύλαξη-Φόρτωση Αρχείων"),
         WindowName::BackRest,
         [](Main& m) { m.openBackupRestore(); },
         {}},
        {QStringLiteral("Εκτύπωση Κενών Εντύπων"), WindowName::KenaEnt, {}, {}},
        {QStringLiteral("Χρήσιμα Links"), WindowName::InterLinks, {}, {}},
        {QStringLiteral("Εγχειρίδιο Χρήσης"), WindowName::EnhXrh, {}, {}},
        {QStringLiteral("Παράμετροι Σύνδεσης"), WindowName::ParamDt, {}, {}},
        {QStringLiteral("Εισαγωγή Εργαζομένων"), WindowName::InsErg, {}, {}},
        {QStringLiteral("Ρυθμίσεις Εγκατάστασης"), WindowName::RythmEgk, {}, {}},
    };
    return items;
}

struct ToolItem {
    Item item;
    QString pictureFile;
    QString themeIcon;
    QStyle::StandardPixmap standardIcon;
};

const QList<ToolItem>& toolItems() {
    static const QList<ToolItem> items = {
        {{QStringLiteral("Διαχείριση Εργαζομένων"), WindowName::ErgazSrch, openEmployeeList, {}},
         QStringLiteral("Main1.Bmp"),
         QStringLiteral("system-users"),
         QStyle::SP_FileDialogDetailedView},
        {{QStringLiteral("Κινήσεις Ηλεκτρονικών Αποστολών"), WindowName::Kins, {}, {}},
         QStringLiteral("Main2.Bmp"),
         QStringLiteral("document-edit"),
         QStyle::SP_FileDialogContentsView},
        {{QStringLiteral("Ηλεκτρονική Αποστολή"), WindowName::EpilErgaz, {}, {}},
         QStringLiteral("Main3.Bmp"),
         QStringLiteral("mail-send"),
         QStyle::SP_ArrowForward},
        {{QStringLiteral("Live Support 2"), {}, {}, QStringLiteral("LiveSupport2")},
         QStringLiteral("Main4.Bmp"),
         QStringLiteral("help-browser"),
         QStyle::SP_DialogHelpButton},
        {{QStringLiteral("Live Update"), {}, {}, QStringLiteral("LiveUpdate")},
         QStringLiteral("Main5.Bmp"),
         QStringLiteral("system-software-update"),
         QStyle::SP_BrowserReload},
        {{QStringLiteral("Live Support 8"), {}, {}, QStringLiteral("LiveSupport8")},
         QStringLiteral("Main6.Bmp"),
         QStringLiteral("help-faq"),
         QStyle::SP_MessageBoxQuestion},
        {{QStringLiteral("Internet Login"), {}, [](Main& m) { m.openPortalLogins(); }, {}},
         QStringLiteral("Main7.Bmp"),
         QStringLiteral("network-server"),
         QStyle::SP_DriveNetIcon},
        {{QStringLiteral("Εξοδος"), {}, [](Main& m) { m.exitFromToolbar(); }, {}},
         QStringLiteral("Main8.Bmp"),
         QStringLiteral("application-exit"),
         QStyle::SP_DialogCloseButton},
    };
    return items;
}

// Wires an item to its action.
void connectItem(QAction* action, const Item& item, Main& main) {
    QObject::connect(action, &QAction::triggered, &main, [&main, item] {
        if (item.run)
            item.run(main);
        else if (!item.window.isEmpty())
            main.openByName(item.window);
        else if (!item.command.isEmpty())
            MainCommands::run(item.command);
    });
}

void addSubmenu(Main& main, int index, const QString& caption, const QString& menuName,
                const QList<Item>& items) {
    QMenu* menu = main.menuBar()->addMenu(caption);
    menu->setObjectName(menuName);
    menu->menuAction()->setObjectName(QStringLiteral("Mnu1_%1").arg(index));
    for (int i = 0; i < items.size(); ++i) {
        QAction* action = menu->addAction(items.at(i).caption);
        action->setObjectName(QStringLiteral("%1_%2").arg(menuName).arg(i + 1));
        connectItem(action, items.at(i), main);
    }
}

} // namespace

namespace MainCommands {
void add(const QString& name, std::function<void()> command) {
    commands()[name] = std::move(command);
}
void run(const QString& name) {
    const auto it = commands().constFind(name);
    if (it != commands().constEnd())
        (*it)();
}
} // namespace MainCommands

void BuildMainMenus(Main& main) {
    addSubmenu(main, 1, QStringLiteral("Κύριες Εργασίες"), QStringLiteral("Mnu2"), mainWorkItems());
    addSubmenu(main, 2, QStringLiteral("Βοηθητικές"), QStringLiteral("Mnu3"), auxiliaryItems());
    QAction* exit = main.menuBar()->addAction(QStringLiteral("Εξοδος"));
    exit->setObjectName(QStringLiteral("Mnu1_3"));
    QObject::connect(exit, &QAction::triggered, &main, [&main] { main.exitFromMenu(); });
}

void BuildMainToolbar(Main& main) {
    QToolBar* toolbar = main.addToolBar(QStringLiteral("MainTools"));
    toolbar->setObjectName(QStringLiteral("MainTools"));
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setMovable(false);
    for (int i = 0; i < toolItems().size(); ++i) {
        const ToolItem& tool = toolItems().at(i);
        QAction* action = toolbar->addAction(
            ToolbarPicture(tool.pictureFile, tool.themeIcon, tool.standardIcon), tool.item.caption);
        action->setObjectName(QStringLiteral("MainTools_%1").arg(i + 1));
        action->setToolTip(tool.item.caption);
        connectItem(action, tool.item, main);
    }
}

QList<QLabel*> BuildMainStatusBar(Main& main) {
    QStatusBar* bar = main.statusBar();
    bar->setObjectName(QStringLiteral("Stbar"));
    return AddStatusPanels(bar);
}
