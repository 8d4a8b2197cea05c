#include "logic/internet/ApiSubmission.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxyFactory>
#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxTries = 3;

QUrl Endpoint(const QUrl& base, const QString& path) {
    QUrl url = base;
    QString basePath = base.path();
    while (basePath.endsWith(u'/'))
        basePath.chop(1);
    url.setPath(basePath + path);
    return url;
}

// A value the server may write as text or as a number.
QString TextOf(const QJsonValue& value) {
    if (value.isString())
        return value.toString().trimmed();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'f', 0);
    return {};
}

// The protocol the server gave a document; Unknown when its answer cannot be read.
DocumentOutcome AcceptedOutcome(const QByteArray& body) {
    const QJsonDocument json = QJsonDocument::fromJson(body);
    // One answer per company document; each call carries one.
    const QJsonObject answer = json.isArray() ? json.array().at(0).toObject() : json.object();
    DocumentOutcome outcome;
    outcome.protocol = TextOf(answer.value(u"protocol"_s));
    outcome.submitDate = TextOf(answer.value(u"submitDate"_s));
    outcome.documentId = TextOf(answer.value(u"id"_s));
    if (outcome.protocol.isEmpty()) {
        outcome.state = DocumentOutcome::Unknown;
        outcome.message = u"Η υπηρεσία απάντησε ότι πήρε το έντυπο, αλλά η απάντησή της δεν έχει αριθμό "
                          u"πρωτοκόλλου. Ελέγξτε στις e-υπηρεσίες αν καταχωρήθηκε πριν το στείλετε ξανά."_s;
    } else {
        outcome.state = DocumentOutcome::Accepted;
    }
    return outcome;
}

} // namespace

ApiSubmission::ApiSubmission(const QUrl& base, const ApiCredentials& credentials,
                             const QList<WtoDocument>& documents, const ApiTiming& timing, QObject* parent)
    : QObject(parent), m_base(base), m_credentials(credentials), m_documents(documents),
      m_outcomes(documents.size()), m_timing(timing) {
    const QList<QNetworkProxy> proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(base));
    if (!proxies.isEmpty())
        m_network.setProxy(proxies.first());
    m_wait.setSingleShot(true);
}

ApiSubmission::~ApiSubmission() = default;

int ApiSubmission::count(DocumentOutcome::State state) const {
    return int(std::count_if(m_outcomes.begin(), m_outcomes.end(),
                             [state](const DocumentOutcome& outcome) { return outcome.state == state; }));
}

QString ApiSubmission::branchText(int index) const {
    return u"του υποκαταστήματος %1"_s.arg(m_documents.at(index).branch);
}

void ApiSubmission::start() {
    if (m_running)
        return;
    m_running = true;
    m_current = 0;
    if (m_documents.isEmpty()) {
        QMetaObject::invokeMethod(this, &ApiSubmission::finish, Qt::QueuedConnection);
        return;
    }
    m_tries = 0;
    login();
}

void ApiSubmission::stop() {
    m_stopping = true;
    if (m_wait.isActive()) {
        m_wait.stop();
        endAll(u"Δεν στάλθηκε: η αποστολή διακόπηκε."_s);
    }
}

void ApiSubmission::login() {
    m_step = Step::LoggingIn;
    ++m_tries;
    emit progress(u"Σύνδεση με την υπηρεσία Web Services…"_s, m_current, int(m_documents.size()));
    const QByteArray body = QJsonDocument(QJsonObject{{u"Username"_s, m_credentials.user.trimmed()},
                                                      {u"Password"_s, m_credentials.password},
                                                      {u"UserType"_s, u"01"_s}})
                                .toJson(QJsonDocument::Compact);
    if (m_call)
        m_call.release()->deleteLater();
    m_call = std::make_unique<ApiCall>(m_network, Endpoint(m_base, u"/Authentication"_s), body, QByteArray(),
                                       m_timing.timeoutMs);
    connect(m_call.get(), &ApiCall::finished, this, &ApiSubmission::onLoginAnswer);
}

void ApiSubmission::sendCurrent() {
    m_step = Step::Sending;
    ++m_tries;
    emit progress(u"Αποστολή του εντύπου %1 (%2 από %3)…"_s.arg(branchText(m_current))
                      .arg(m_current + 1)
                      .arg(m_documents.size()),
                  m_current, int(m_documents.size()));
    if (m_call)
        m_call.release()->deleteLater();
    m_call = std::make_unique<ApiCall>(m_network, Endpoint(m_base, u"/Documents/WTODaily"_s),
                                       m_documents.at(m_current).requestBody(), m_token, m_timing.timeoutMs);
    connect(m_call.get(), &ApiCall::finished, this, &ApiSubmission::onDocumentAnswer);
}

void ApiSubmission::onLoginAnswer() {
    const ApiCallResult result = m_call->result();
    if (m_stopping) {
        endAll(u"Δεν στάλθηκε: η αποστολή διακόπηκε."_s);
        return;
    }
    if (result.kind == ApiCallResult::Answered && result.status == 200) {
        const QString token =
            QJsonDocument::fromJson(result.body).object().value(u"accessToken"_s).toString();
        if (token.isEmpty()) {
            endAll(u"Δεν στάλθηκε: η απάντηση της υπηρεσίας Web Services στη σύνδεση δεν διαβάζεται."_s);
            return;
        }
        m_token = token.toUtf8();
        m_tries = 0;
        sendCurrent();
        return;
    }
    if (result.kind == ApiCallResult::Answered && (result.status == 401 || result.status == 403)) {
        const QString words = result.serverMessage();
        endAll(
            u"Δεν στάλθηκε: η υπηρεσία Web Services δεν δέχτηκε τον χρήστη και τον κωδικό API%1. Ελέγξτε "
            u"τα στις «Παράμετροι Σύνδεσης»."_s.arg(words.isEmpty() ? QString() : u" («%1»)"_s.arg(words)));
        return;
    }
    // Nothing is declared by a login: one that went unanswered may be made again.
    if (result.worthRetrying() || result.kind == ApiCallResult::SentUnanswered) {
        retryOrGiveUp([this] { login(); }, result);
        return;
    }
    endAll(u"Δεν στάλθηκε. "_s + failureText(result));
}

void ApiSubmission::onDocumentAnswer() {
    const ApiCallResult result = m_call->result();
    if (result.kind == ApiCallResult::Answered && result.status == 200) {
        finishDocument(AcceptedOutcome(result.body));
        next();
        return;
    }
    if (result.kind == ApiCallResult::Answered && result.status == 401) {
        if (!m_loggedInAgain && !m_stopping) {
            // The token ran out: one new login, then the same document once more.
            m_loggedInAgain = true;
            m_tries = 0;
            login();
            return;
        }
        finishDocument({DocumentOutcome::NotSent,
                        {},
                        {},
                        {},
                        u"Η υπηρεσία ζήτησε ξανά σύνδεση μετά από νέα σύνδεση· το έντυπο δεν στάλθηκε."_s});
        endAll(u"Δεν στάλθηκε: η υπηρεσία δεν κράτησε τη σύνδεση."_s);
        return;
    }
    if (result.kind == ApiCallResult::SentUnanswered ||
        (result.kind == ApiCallResult::Answered && result.status == 504)) {
        finishDocument({DocumentOutcome::Unknown,
                        {},
                        {},
                        {},
                        u"Το έντυπο στάλθηκε αλλά δεν ήρθε απάντηση (%1). Ίσως καταχωρήθηκε: ελέγξτε στις "
                        u"e-υπηρεσίες πριν το στείλετε ξανά."_s.arg(failureText(result))});
        endAll(u"Δεν στάλθηκε: η αποστολή σταμάτησε μετά από έντυπο χωρίς απάντηση."_s);
        return;
    }
    if (result.worthRetrying() && !m_stopping) {
        retryOrGiveUp([this] { sendCurrent(); }, result);
        return;
    }
    if (result.kind == ApiCallResult::Answered && result.status >= 400 && result.status < 500) {
        const QString words = result.serverMessage();
        finishDocument(
            {DocumentOutcome::Refused,
             {},
             {},
             {},
             words.isEmpty()
                 ? u"Η υπηρεσία δεν δέχτηκε το έντυπο (κωδικός %1) χωρίς να πει γιατί."_s.arg(result.status)
                 : u"Η υπηρεσία δεν δέχτηκε το έντυπο: «%1»."_s.arg(words)});
        next();
        return;
    }
    finishDocument({DocumentOutcome::NotSent, {}, {}, {}, failureText(result)});
    endAll(u"Δεν στάλθηκε: η αποστολή σταμάτησε."_s);
}

void ApiSubmission::retryOrGiveUp(const std::function<void()>& again, const ApiCallResult& result) {
    if (m_tries >= MaxTries || m_stopping) {
        const QString text = failureText(result) + u" (%1 προσπάθειες)."_s.arg(m_tries);
        if (m_step == Step::Sending)
            finishDocument({DocumentOutcome::NotSent, {}, {}, {}, text});
        endAll(m_step == Step::Sending ? u"Δεν στάλθηκε: η υπηρεσία δεν είναι διαθέσιμη."_s
                                       : u"Δεν στάλθηκε. "_s + text);
        return;
    }
    const int waitMs = m_timing.retryWaitsMs.value(m_tries - 1, m_timing.retryWaitsMs.value(0, 0));
    emit progress(
        u"%1 Νέα προσπάθεια σε %2 δευτερόλεπτα…"_s.arg(failureText(result)).arg((waitMs + 999) / 1000),
        m_current, int(m_documents.size()));
    m_wait.disconnect();
    connect(&m_wait, &QTimer::timeout, this, again);
    m_wait.start(waitMs);
}

QString ApiSubmission::failureText(const ApiCallResult& result) const {
    if (result.kind == ApiCallResult::Answered) {
        const QString words = result.serverMessage();
        if (result.status >= 500)
            return words.isEmpty()
                       ? u"Η υπηρεσία Web Services δεν είναι διαθέσιμη (κωδικός %1)."_s.arg(result.status)
                       : u"Η υπηρεσία Web Services δεν είναι διαθέσιμη (κωδικός %1: «%2»)."_s.arg(
                             QString::number(result.status), words);
        return u"Απροσδόκητη απάντηση της υπηρεσίας Web Services (κωδικός %1)."_s.arg(result.status);
    }
    return u"Δεν έγινε σύνδεση με την υπηρεσία Web Services: %1"_s.arg(result.error);
}

void ApiSubmission::finishDocument(DocumentOutcome outcome) {
    m_outcomes[m_current] = std::move(outcome);
    emit documentFinished(m_current);
}

void ApiSubmission::next() {
    ++m_current;
    m_tries = 0;
    m_loggedInAgain = false;
    if (m_current >= m_documents.size()) {
        finish();
        return;
    }
    if (m_stopping) {
        endAll(u"Δεν στάλθηκε: η αποστολή διακόπηκε."_s);
        return;
    }
    sendCurrent();
}

void ApiSubmission::endAll(const QString& message) {
    for (int i = 0; i < m_outcomes.size(); ++i) {
        if (m_outcomes.at(i).state != DocumentOutcome::Waiting)
            continue;
        m_outcomes[i] = {DocumentOutcome::NotSent, {}, {}, {}, message};
        emit documentFinished(i);
    }
    finish();
}

void ApiSubmission::finish() {
    m_running = false;
    m_step = Step::Idle;
    emit progress(QString(), int(m_documents.size()), int(m_documents.size()));
    emit finished();
}
