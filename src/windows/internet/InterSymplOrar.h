#pragma once

#include "logic/internet/SubmissionFlow.h"

#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

class QPrinter;
class QPushButton;
class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;
class StackedBrowsers;

// "Συμπληρωματικός Ωραρίου-Ατομικός": submits one schedule entry (SendEafm, SendKorario,
// SendKparat, SendEypo) on the e-services site. Browser 0 carries the site's pages; browser
// 1, stacked on it, receives every page the site opens as a new window (the proof). The
// window has its own private browser profile, so nothing of the session outlives it.
class InterSymplOrar : public QDialog {
    Q_OBJECT
public:
    explicit InterSymplOrar(QWidget* parent = nullptr);
    ~InterSymplOrar() override;

    QWebEngineView* browser(int index) const;
    const SubmissionFlow& flow() const { return m_flow; }
    // Fetches the proof shown in browser 1 within the session and prints it after the
    // printer dialog (the print button in front of the proof).
    void printProof();

signals:
    // A proof or a page has been handed to the printer (tests wait on these).
    void proofPrinted(bool success);
    void formPrinted(bool success);
    // The proof is kept at the path (relative to the data folder).
    void proofKept(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void start();
    void placeWindow();
    void layOut();
    QWebEnginePage* run(const BrowserActions& actions);
    void ownAction(const BrowserAction& action);
    bool proofShown() const;
    void updatePrintButton();
    void printForm();
    void onDownloadRequested(QWebEngineDownloadRequest* download);
    void printProofFile(const QString& path);
    void keepProof();
    void acceptProofToKeep(QWebEngineDownloadRequest* download);
    void proofNotKept(const QString& reason);

    QWebEngineProfile* m_profile = nullptr;
    StackedBrowsers* m_browsers = nullptr;
    QPushButton* m_symplBut = nullptr;
    QPushButton* m_ektBut = nullptr;
    QPushButton* m_prtBut = nullptr;
    SubmissionFlow m_flow;
    bool m_started = false;
    bool m_closing = false;
    std::unique_ptr<QPrinter> m_formPrinter;
    QUrl m_proofWanted;
    QUrl m_proofToKeep;  // the proof being fetched into the data folder
    QUrl m_keptFor;      // the proof address last kept
    QString m_keepPath;  // where it goes
    QString m_keptProof; // where it went
    QTemporaryDir m_downloads;
};
