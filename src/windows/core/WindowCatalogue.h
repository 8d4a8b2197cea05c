#pragma once

#include <QString>
#include <functional>

class QWidget;
class QDialog;
class ChildWindow;

// Every window the main window and the other windows open by name (WindowName). A window is
// either a child of the MDI area or a modal dialog.
struct WindowEntry {
    std::function<ChildWindow*()> createChild;
    std::function<QDialog*(QWidget* parent)> createModal;
};

namespace WindowCatalogue {
void addChild(const QString& name, std::function<ChildWindow*()> create);
void addModal(const QString& name, std::function<QDialog*(QWidget* parent)> create);
const WindowEntry* find(const QString& name);
// Shows the named modal window over parent and returns its result; -1 when the name is not
// a modal window of the catalogue.
int showModal(const QString& name, QWidget* parent);
} // namespace WindowCatalogue
