#pragma once

#include <QString>

class QWidget;

// Strova's boxes and its save dialog. The launcher shares nothing with the main program, so
// it has this small service of its own; tests answer it from a script.
class LauncherDialogs {
public:
    enum class Icon { Information, Critical };

    virtual ~LauncherDialogs() = default;
    // details: the system's own text, shown only under the box's «Λεπτομέρειες».
    virtual void inform(const QString& title, const QString& text, Icon icon,
                        const QString& details = {}) = 0;
    // True for Yes.
    virtual bool askYesNo(const QString& title, const QString& text, Icon icon) = 0;
    // The chosen file, or "" when cancelled. filterName and pattern make the one file filter
    // ("Ταυτότητα (Bt)" and "*.bt").
    virtual QString saveFileName(const QString& proposedName, const QString& filterName,
                                 const QString& pattern) = 0;
};

// The boxes and the file dialog on the screen, in Greek, over the launcher's window.
class WidgetLauncherDialogs : public LauncherDialogs {
public:
    void setParentWindow(QWidget* window) { m_parent = window; }

    void inform(const QString& title, const QString& text, Icon icon, const QString& details = {}) override;
    bool askYesNo(const QString& title, const QString& text, Icon icon) override;
    QString saveFileName(const QString& proposedName, const QString& filterName,
                         const QString& pattern) override;

private:
    QWidget* m_parent = nullptr;
};
