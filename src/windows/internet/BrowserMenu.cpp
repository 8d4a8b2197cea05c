#include "windows/internet/BrowserMenu.h"

#include <QAction>
#include <QMenu>
#include <QMetaEnum>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineView>

namespace {

BrowserClick ClickOf(QWebEngineView* view) {
    BrowserClick click;
    const QWebEngineContextMenuRequest* request = view->lastContextMenuRequest();
    if (!request)
        return click;
    const auto flags = request->editFlags();
    click.editable = request->isContentEditable();
    click.hasSelection = !request->selectedText().isEmpty();
    click.onLink = !request->linkUrl().isEmpty();
    click.canUndo = flags.testFlag(QWebEngineContextMenuRequest::CanUndo);
    click.canRedo = flags.testFlag(QWebEngineContextMenuRequest::CanRedo);
    click.canCut = flags.testFlag(QWebEngineContextMenuRequest::CanCut);
    click.canCopy = flags.testFlag(QWebEngineContextMenuRequest::CanCopy);
    click.canPaste = flags.testFlag(QWebEngineContextMenuRequest::CanPaste);
    click.canGoBack = view->page()->action(QWebEnginePage::Back)->isEnabled();
    click.canGoForward = view->page()->action(QWebEnginePage::Forward)->isEnabled();
    return click;
}

QString ActionName(QWebEnginePage::WebAction action) {
    return QString::fromLatin1(QMetaEnum::fromType<QWebEnginePage::WebAction>().valueToKey(action));
}

} // namespace

QList<BrowserMenuItem> BrowserMenuItems(BrowserMenuKind kind, const BrowserClick& click) {
    QList<BrowserMenuItem> items;
    if (kind == BrowserMenuKind::Browsing && !click.editable) {
        items << BrowserMenuItem{QWebEnginePage::Back, QStringLiteral("Πίσω"), click.canGoBack, 0}
              << BrowserMenuItem{QWebEnginePage::Forward, QStringLiteral("Εμπρός"), click.canGoForward, 0}
              << BrowserMenuItem{QWebEnginePage::Reload, QStringLiteral("Ανανέωση"), true, 0};
    }
    if (click.editable) {
        items << BrowserMenuItem{QWebEnginePage::Undo, QStringLiteral("Αναίρεση"), click.canUndo, 1}
              << BrowserMenuItem{QWebEnginePage::Redo, QStringLiteral("Επανάληψη"), click.canRedo, 1}
              << BrowserMenuItem{QWebEnginePage::Cut, QStringLiteral("Αποκοπή"), click.canCut, 2}
              << BrowserMenuItem{QWebEnginePage::Copy, QStringLiteral("Αντιγραφή"), click.canCopy, 2}
              << BrowserMenuItem{QWebEnginePage::Paste, QStringLiteral("Επικόλληση"), click.canPaste, 2};
    } else {
        items << BrowserMenuItem{QWebEnginePage::Copy, QStringLiteral("Αντιγραφή"), click.hasSelection, 2};
    }
    items << BrowserMenuItem{QWebEnginePage::SelectAll, QStringLiteral("Επιλογή όλων"), true, 2};
    if (click.onLink)
        items << BrowserMenuItem{QWebEnginePage::CopyLinkToClipboard,
                                 QStringLiteral("Αντιγραφή διεύθυνσης συνδέσμου"), true, 3};
    return items;
}

void UseGreekBrowserMenu(QWebEngineView* view, BrowserMenuKind kind) {
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, view, [view, kind](const QPoint& position) {
        auto* menu = new QMenu(view);
        menu->setObjectName(QStringLiteral("BrowserMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        int group = -1;
        for (const BrowserMenuItem& item : BrowserMenuItems(kind, ClickOf(view))) {
            if (group != -1 && item.group != group)
                menu->addSeparator();
            group = item.group;
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(ActionName(item.action));
            action->setEnabled(item.enabled);
            const QWebEnginePage::WebAction web = item.action;
            QObject::connect(action, &QAction::triggered, view,
                             [view, web] { view->page()->triggerAction(web); });
        }
        menu->popup(view->mapToGlobal(position));
    });
}
