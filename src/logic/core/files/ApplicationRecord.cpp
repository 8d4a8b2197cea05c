#include "logic/core/files/ApplicationRecord.h"

#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"

#include <QFile>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ApplicationRecord::ApplicationRecord() : m_bytes(RecordSize, '\0') {}

ApplicationRecord ApplicationRecord::fresh(const QString& installationCode) {
    ApplicationRecord record;
    record.setDataVersion(QStringLiteral("1.01"));
    record.setInternetEnabled(0);
    record.setDatabaseServer(0);
    record.setInstallationCode(installationCode);
    return record;
}

ApplicationRecord ApplicationRecord::fromBytes(const QByteArray& bytes) {
    ApplicationRecord record;
    record.m_bytes = bytes.left(RecordSize);
    if (record.m_bytes.size() < RecordSize)
        record.m_bytes.append(QByteArray(RecordSize - record.m_bytes.size(), '\0'));
    return record;
}

QString ApplicationRecord::latin1Field(int offset, int size) const {
    return QString::fromLatin1(m_bytes.constData() + offset, size);
}

void ApplicationRecord::setLatin1Field(int offset, int size, const QString& text) {
    QByteArray field = text.toLatin1().left(size);
    field.append(QByteArray(size - field.size(), ' '));
    m_bytes.replace(offset, size, field);
}

QString ApplicationRecord::dataVersion() const {
    return latin1Field(DataVersionOffset, 4);
}
void ApplicationRecord::setDataVersion(const QString& version) {
    setLatin1Field(DataVersionOffset, 4, version);
}

quint8 ApplicationRecord::internetEnabled() const {
    return quint8(m_bytes.at(InternetEnabledOffset));
}
void ApplicationRecord::setInternetEnabled(quint8 enabled) {
    m_bytes[InternetEnabledOffset] = char(enabled);
}

quint16 ApplicationRecord::databaseServer() const {
    return qFromLittleEndian<quint16>(m_bytes.constData() + DatabaseServerOffset);
}
void ApplicationRecord::setDatabaseServer(quint16 flag) {
    qToLittleEndian<quint16>(flag, m_bytes.data() + DatabaseServerOffset);
}

QString ApplicationRecord::installationCode() const {
    return latin1Field(InstallationCodeOffset, 5);
}
void ApplicationRecord::setInstallationCode(const QString& code) {
    setLatin1Field(InstallationCodeOffset, 5, code);
}

namespace {

// The record is accessed under an exclusive, non-blocking lock: a file that another
// process holds (the setup launcher copying it, say) is reported as in use.
class LockedRecordFile {
public:
    explicit LockedRecordFile(const QString& path) {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
        if (m_fd < 0) {
            m_error = errno;
            return;
        }
        if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            m_error = errno;
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~LockedRecordFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    LockedRecordFile(const LockedRecordFile&) = delete;
    LockedRecordFile& operator=(const LockedRecordFile&) = delete;

    int fd() const { return m_fd; }
    int error() const { return m_error; }

private:
    int m_fd = -1;
    int m_error = 0;
};

bool fail(int error) {
    if (error == ENOENT)
        ShowMsg(1);
    else if (error == EWOULDBLOCK || error == EBUSY || error == ETXTBSY)
        ShowMsg(2);
    else
        ShowMsg(3, {}, {}, error);
    return false;
}

} // namespace

bool AccessApplicationRecord(RecordAccess access) {
    LockedRecordFile file(AppFile(QStringLiteral("Appl.Bt")));
    if (file.fd() < 0)
        return fail(file.error());

    if (access == RecordAccess::Read) {
        QByteArray bytes(ApplicationRecord::RecordSize, '\0');
        const ssize_t got = ::pread(file.fd(), bytes.data(), bytes.size(), 0);
        if (got < 0)
            return fail(errno);
        if (got == 0)
            return fail(ENODATA); // an empty record file cannot be read
        bytes.truncate(int(got));
        Program.ApplRecord = ApplicationRecord::fromBytes(bytes);
        Program.DataVersion = Program.ApplRecord.dataVersion();
        Program.InternetEnabled = Program.ApplRecord.internetEnabled() ? 1 : 0;
        Program.InstallationCode = Program.ApplRecord.installationCode();
        return true;
    }

    Program.ApplRecord.setDataVersion(Program.DataVersion);
    Program.ApplRecord.setInternetEnabled(Program.InternetEnabled);
    const QByteArray& bytes = Program.ApplRecord.bytes();
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::pwrite(file.fd(), bytes.constData() + written, bytes.size() - written, written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written += n;
    }
    if (::fsync(file.fd()) != 0)
        return fail(errno);
    return true;
}
