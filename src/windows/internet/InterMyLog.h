#pragma once

#include "logic/internet/PortalFlow.h"
#include "windows/internet/BrowserWindow.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

class QPushButton;
class QWebEnginePage;
class QWebEngineView;
class StackedBrowsers;

// «Ο λογαριασμός μου»: opens the employer's account on the portal chosen in the pop-up menu
// (Program.PopUpChoice: 1 TaxisNet, 2 e-services, 3 IKA) and logs in with the stored
// credentials. The tax portal and the e-services site are shown in the window's two
// stacked browsers; the IKA portal in a browser window of its own, which stays open and
// logged in after this window has closed by itself.
class InterMyLog : public QDialog {
    Q_OBJECT
public:
    explicit InterMyLog(QWidget* parent = nullptr);
    ~InterMyLog() override;

    QWebEngineView* browser(int index) const;
    const PortalFlow& flow() const { return m_flow; }
    // The IKA portal's window while this window still drives it.
    BrowserWindow* outsideBrowser() const { return m_outside; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeWindow();
    void layOut();
    QWebEnginePage* run(const BrowserActions& actions);
    void ownAction(const BrowserAction& action, QWebEnginePage*& adopted);
    bool runOutside(const BrowserAction& action);
    void openOutside();
    void releaseOutside();
    QString outsideAddress() const;

    PortalFlow m_flow;
    StackedBrowsers* m_browsers = nullptr;
    QPushButton* m_prevBut = nullptr;
    QPushButton* m_nextBut = nullptr;
    QPushButton* m_exitBut = nullptr;
    QTimer m_tmr;
    QPointer<BrowserWindow> m_outside;
};
