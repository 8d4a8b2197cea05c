#pragma once

#include "logic/internet/ApiCall.h"
#include "logic/internet/WtoDocuments.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

// The API user's account; kept in the database, never written anywhere else.
struct ApiCredentials {
    QString user;
    QString password;
    bool complete() const { return !user.trimmed().isEmpty() && !password.isEmpty(); }
};

// How long a call may take and how long to wait before each further try of a call that
// did not reach the server (three tries in all, the waits growing).
struct ApiTiming {
    int timeoutMs = 120000;
    QList<int> retryWaitsMs{2000, 6000};
};

// What became of one document.
struct DocumentOutcome {
    enum State {
        Waiting,  // not sent yet
        Accepted, // the server gave it a protocol number
        Refused,  // the server answered that it does not take it
        Unknown,  // sent without an answer: it may or may not have been taken («αβέβαιη»)
        NotSent,  // it never reached the server
    };
    State state = Waiting;
    QString protocol;
    QString submitDate; // as the server wrote it
    QString documentId;
    QString message; // in Greek, for every state but Accepted
};

// Sends the documents to the API, one call each, on the event loop (nothing here blocks).
// It logs in first; a refused connection or an unavailable service (5xx) before the server
// took a call is tried again, three tries in all with growing waits; a 401 on a document
// leads to one new login and one resend. A document the server accepted is never sent
// again. A call that left without an answer makes its document Unknown and stops the
// sending: nothing is resent by itself. A refused document (400) does not stop the others.
class ApiSubmission : public QObject {
    Q_OBJECT
public:
    ApiSubmission(const QUrl& base, const ApiCredentials& credentials, const QList<WtoDocument>& documents,
                  const ApiTiming& timing, QObject* parent = nullptr);
    ~ApiSubmission() override;

    void start();
    // Sends nothing more after the call on its way; the documents left become NotSent.
    void stop();

    bool running() const { return m_running; }
    const QList<WtoDocument>& documents() const { return m_documents; }
    const QList<DocumentOutcome>& outcomes() const { return m_outcomes; }
    int count(DocumentOutcome::State state) const;

signals:
    // A line for the user about what is happening now.
    void progress(const QString& text, int done, int total);
    // A document's outcome is final (any state but Waiting).
    void documentFinished(int index);
    void finished();

private:
    enum class Step { Idle, LoggingIn, Sending };

    void login();
    void sendCurrent();
    void onLoginAnswer();
    void onDocumentAnswer();
    void retryOrGiveUp(const std::function<void()>& again, const ApiCallResult& result);
    void finishDocument(DocumentOutcome outcome);
    void next();
    void endAll(const QString& message);
    void finish();
    QString failureText(const ApiCallResult& result) const;
    QString branchText(int index) const;

    QUrl m_base;
    ApiCredentials m_credentials;
    QList<WtoDocument> m_documents;
    QList<DocumentOutcome> m_outcomes;
    ApiTiming m_timing;
    QNetworkAccessManager m_network;
    std::unique_ptr<ApiCall> m_call;
    QTimer m_wait;
    Step m_step = Step::Idle;
    QByteArray m_token;
    int m_current = 0;
    int m_tries = 0;
    bool m_loggedInAgain = false; // for the current document
    bool m_stopping = false;
    bool m_running = false;
};
