#include "windows/core/WindowCatalogue.h"

#include "windows/core/ChildWindow.h"

#include <QDialog>
#include <QHash>
#include <memory>

namespace {
QHash<QString, WindowEntry>& entries() {
    static QHash<QString, WindowEntry> catalogue;
    return catalogue;
}
} // namespace

namespace WindowCatalogue {

void addChild(const QString& name, std::function<ChildWindow*()> create) {
    entries()[name] = WindowEntry{std::move(create), {}};
}

void addModal(const QString& name, std::function<QDialog*(QWidget* parent)> create) {
    entries()[name] = WindowEntry{{}, std::move(create)};
}

const WindowEntry* find(const QString& name) {
    const auto it = entries().constFind(name);
    return it == entries().constEnd() ? nullptr : &*it;
}

int showModal(const QString& name, QWidget* parent) {
    const WindowEntry* entry = find(name);
    if (!entry || !entry->createModal)
        return -1;
    std::unique_ptr<QDialog> dialog(entry->createModal(parent));
    // A window of a library that could not be loaded (the user has been told).
    if (!dialog)
        return -1;
    return dialog->exec();
}

} // namespace WindowCatalogue
