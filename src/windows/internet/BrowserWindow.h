#pragma once

#include <QWidget>

class FlowPage;
class QLineEdit;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

// A browser window of its own on the desktop, outside the main window and not modal: the
// IKA portal's browser, which stays open and logged in for the user, and the windows the
// tax portal opens. It lives until the user closes it; the end of the program closes every
// one of them.
class BrowserWindow : public QWidget {
    Q_OBJECT
public:
    BrowserWindow();
    ~BrowserWindow() override;

    QWebEngineView* view() const { return m_view; }
    FlowPage* page() const { return m_page; }

    // The open windows, and their closing at the end of the program (with the profile
    // their pages share, which goes last).
    static QList<BrowserWindow*> openWindows();
    static void closeAll();

signals:
    void documentComplete(const QString& address);
    void loadFailed(const QString& message, const QString& details);

private:
    FlowPage* m_page = nullptr;
    QWebEngineView* m_view = nullptr;
    QLineEdit* m_address = nullptr;
};

// The off-the-record profile of the portal logins and their windows: pages handed from one
// window to another must share it. It lives until BrowserWindow::closeAll.
QWebEngineProfile* PortalProfile();
