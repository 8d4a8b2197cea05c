#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class MdiHost;
class QLabel;
class QMenu;
class QToolBar;
class BmpFrm;

// The main window: the MDI frame through which the user reaches every window. Loading it
// runs the start-up; its first activation takes the single-user lock, asks for the work
// date and runs the version step; closing it ends the program.
class Main : public QMainWindow {
    Q_OBJECT
public:
    static const QString BaseCaption;

    explicit Main(QWidget* parent = nullptr);
    ~Main() override;

    static Main* instance();

    MdiHost* mdi() const { return m_mdi; }
    bool startupSucceeded() const { return m_startupSucceeded; }
    bool firstActivationDone() const { return m_firstActivationDone; }
    // True once the program has been told to end; exitCode() says how.
    bool hasEnded() const { return m_ended; }
    int exitCode() const { return m_exitCode; }

    // The update timer: 0 stops it (the internet switch and the update check set it).
    void setUpdateTimerInterval(int milliseconds);
    int updateTimerInterval() const;

    // The title: the first 44 characters of the caption, the version, the day and the work date.
    void setTitle();
    // How many windows of the program are loaded: the main window, the background picture,
    // the windows kept loaded in the background and every open child window.
    int loadedWindowCount() const;

    // The exits: from the toolbar (mail offer, then confirmation) and from the menu.
    void exitFromToolbar();
    void exitFromMenu();
    // Ends the program: unloads the main window and leaves the event loop with the code.
    void endProgram(int exitCode);

    void openBackupRestore();
    void openPortalLogins();

    // Opens a window of the catalogue by name, as a child or modally as it is registered.
    void openByName(const QString& name);
    // A window kept loaded for the whole run (the news reader); unloaded with the main window.
    void addBackgroundWindow(QWidget* window);

signals:
    void updateTimerFired();
    // The program has ended with the code; the application leaves its event loop on it.
    void ended(int exitCode);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void firstActivation();
    bool versionStep();
    void offerMailToAccountant();
    bool confirmExit();
    void unload();

    MdiHost* m_mdi = nullptr;
    BmpFrm* m_background = nullptr;
    QTimer m_intTmr;
    QList<QLabel*> m_panels;
    bool m_startupSucceeded = false;
    bool m_firstActivationDone = false;
    bool m_firstActivationQueued = false;
    bool m_ended = false;
    bool m_unloaded = false;
    bool m_recordRead = false;
    bool m_recordWriteFailed = false; // its box was shown: unloading does not try again
    QList<QPointer<QWidget>> m_backgroundWindows;
    int m_exitCode = 0;
};
