#pragma once

#include <QMdiArea>
#include <QPointer>

class ChildWindow;
class QMdiSubWindow;

// The inside of the main window: opens child windows by name, keeps one of each, and tells
// them when they become active and when another child takes over.
class MdiHost : public QMdiArea {
    Q_OBJECT
public:
    explicit MdiHost(QWidget* parent = nullptr);
    ~MdiHost() override;

    // The one host of the run, through which any window opens another.
    static MdiHost* instance();

    // Opens the named child window, or brings the open one to the front. nullptr when the
    // name is not in the catalogue.
    ChildWindow* openChild(const QString& name);
    // Shows the named modal window; returns its result, or -1 when it is not in the catalogue.
    int showModal(const QString& name);
    // Places a window made by the caller as a child (a window the catalogue cannot make,
    // such as a print preview holding its job).
    ChildWindow* addChild(ChildWindow* window);
    ChildWindow* findChildWindow(const QString& name) const;
    QList<ChildWindow*> childWindows() const;

private:
    void onSubWindowActivated(QMdiSubWindow* window);

    QPointer<ChildWindow> m_active;
};
