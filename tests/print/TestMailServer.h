#pragma once

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

// A real mail server on 127.0.0.1 for the tests: Debian's aiosmtpd started on a free port
// with the fixtures' mailbox handler, which keeps every message in a maildir and refuses
// recipients "nobody@...". messages() reads back what it received, decoded by Python's
// own mail parser.
class TestMailServer {
public:
    ~TestMailServer() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

    // Starts the server; false with the reason in *error.
    bool start(QString* error) {
        m_python = python();
        if (m_python.isEmpty()) {
            *error = QStringLiteral(
                "no python3 with aiosmtpd (Debian package python3-aiosmtpd, installed by test.sh)");
            return false;
        }
        m_port = FreePort();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PYTHONPATH"), smtpFixtures());
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(m_python,
                        {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                         QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(m_port),
                         QStringLiteral("-c"), QStringLiteral("test_mailbox.RefusingMailbox"), maildir()});
        if (!m_process.waitForStarted(10000)) {
            *error = m_process.errorString();
            return false;
        }
        // Ready when it takes connections (bounded: 20 s).
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (m_process.state() == QProcess::NotRunning) {
                *error = QString::fromLocal8Bit(m_process.readAll());
                return false;
            }
            QTcpSocket probe;
            probe.connectToHost(QStringLiteral("127.0.0.1"), quint16(m_port));
            if (probe.waitForConnected(200)) {
                probe.disconnectFromHost();
                return true;
            }
            QThread::msleep(100);
        }
        *error = QStringLiteral("the mail server did not start listening");
        return false;
    }

    int port() const { return m_port; }

    // Forgets the messages received so far.
    void clear() const {
        for (const QString& sub : {QStringLiteral("/new"), QStringLiteral("/cur")}) {
            QDir folder(maildir() + sub);
            for (const QString& name : folder.entryList(QDir::Files))
                folder.remove(name);
        }
    }

    // The messages received so far.
    QJsonArray messages() const {
        QProcess reader;
        reader.start(m_python, {smtpFixtures() + QStringLiteral("/read_maildir.py"), maildir()});
        if (!reader.waitForFinished(20000) || reader.exitCode() != 0)
            return {};
        return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    }

    // A port of 127.0.0.1 where nothing listens (free a moment ago).
    static int FreePort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return probe.serverPort();
    }

private:
    static QString smtpFixtures() { return QStringLiteral(ORVA_FIXTURES_DIR) + QStringLiteral("/smtp"); }
    QString maildir() const { return m_dir.path() + QStringLiteral("/mail"); }

    // Debian's interpreter first: a python3 of its own earlier on the PATH lacks the
    // package.
    static QString python() {
        QStringList candidates{QStringLiteral("/usr/bin/python3")};
        const QString onPath = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (!onPath.isEmpty())
            candidates << onPath;
        for (const QString& candidate : candidates) {
            QProcess check;
            check.start(candidate, {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")});
            if (check.waitForFinished(20000) && check.exitStatus() == QProcess::NormalExit &&
                check.exitCode() == 0)
                return candidate;
        }
        return {};
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_python;
    int m_port = 0;
};
