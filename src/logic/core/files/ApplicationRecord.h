#pragma once

#include <QByteArray>
#include <QString>

// Appl.Bt, the installation's application record: one fixed record of RecordSize bytes,
// read whole at start-up and written back whole, so that every byte this program does
// not interpret survives unchanged. Layout (offsets in bytes from the start of the file):
//
//   offset  size  field
//        0     4  DataVersion, four single-byte characters ("1.01")
//        4     1  InternetEnabled, 0 or 1
//        5     1  reserved
//        6     2  database-server flag, 16-bit little-endian; non-zero when the
//                 installation needs a database server (read by the setup launcher)
//        8     5  InstallationCode, five single-byte characters
//       13   243  reserved for the installation's identity, carried unchanged
//
// A file longer than the record keeps its tail: only the record at the start is rewritten.
class ApplicationRecord {
public:
    static constexpr int RecordSize = 256;
    static constexpr int DataVersionOffset = 0;
    static constexpr int InternetEnabledOffset = 4;
    static constexpr int DatabaseServerOffset = 6;
    static constexpr int InstallationCodeOffset = 8;

    ApplicationRecord();
    // A new installation's record: version 1.01, internet off, no database server.
    static ApplicationRecord fresh(const QString& installationCode);
    static ApplicationRecord fromBytes(const QByteArray& bytes);

    const QByteArray& bytes() const { return m_bytes; }

    QString dataVersion() const;
    void setDataVersion(const QString& version);
    quint8 internetEnabled() const;
    void setInternetEnabled(quint8 enabled);
    quint16 databaseServer() const;
    void setDatabaseServer(quint16 flag);
    QString installationCode() const;
    void setInstallationCode(const QString& code);

private:
    QString latin1Field(int offset, int size) const;
    void setLatin1Field(int offset, int size, const QString& text);

    QByteArray m_bytes;
};

enum class RecordAccess { Read, Write };

// Reads Appl.Bt into the program values (DataVersion, InternetEnabled, InstallationCode)
// or writes them back into the record. On failure shows message 1 (file missing),
// 2 (file in use by another process) or 3 (any other error, with its number) and
// returns false.
bool AccessApplicationRecord(RecordAccess access);
