#include "logic/print/ZipArchive.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <archive.h>
#include <archive_entry.h>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

la_ssize_t writeToFile(archive*, void* file, const void* buffer, size_t length) {
    return static_cast<QSaveFile*>(file)->write(static_cast<const char*>(buffer), qint64(length));
}

struct ArchiveFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};

// One zip being written into a QSaveFile, committed when every entry went in.
class ZipWriter {
public:
    explicit ZipWriter(const QString& path) : m_file(path), m_archive(archive_write_new()) {}

    // compressionLevel 0 keeps the library's default.
    bool open(int compressionLevel = 0) {
        if (!m_file.open(QIODevice::WriteOnly))
            return fail(m_file.errorString());
        const QByteArray level = "zip:compression-level=" + QByteArray::number(compressionLevel);
        if (archive_write_set_format_zip(m_archive.get()) != ARCHIVE_OK ||
            archive_write_set_options(m_archive.get(), "zip:hdrcharset=UTF-8") != ARCHIVE_OK ||
            (compressionLevel > 0 &&
             archive_write_set_options(m_archive.get(), level.constData()) != ARCHIVE_OK) ||
            // The zip ends with its directory, not padded out to a tape block.
            archive_write_set_bytes_in_last_block(m_archive.get(), 1) != ARCHIVE_OK ||
            archive_write_open2(m_archive.get(), &m_file, nullptr, writeToFile, nullptr, nullptr) !=
                ARCHIVE_OK)
            return archiveFailed();
        return true;
    }

    // Adds an entry of size bytes whose data the reader hands over in pieces (an empty
    // piece ends it); false when the reader failed or the archive did.
    bool add(const QString& name, qint64 size, const QDateTime& modified,
             const std::function<bool(QByteArray&)>& read) {
        std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
        archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), size);
        archive_entry_set_mtime(entry.get(), modified.toSecsSinceEpoch(), 0);
        if (archive_write_header(m_archive.get(), entry.get()) != ARCHIVE_OK)
            return archiveFailed();
        QByteArray piece;
        qint64 written = 0;
        for (;;) {
            if (!read(piece))
                return false;
            if (piece.isEmpty())
                break;
            if (archive_write_data(m_archive.get(), piece.constData(), size_t(piece.size())) < 0)
                return archiveFailed();
            written += piece.size();
        }
        if (written != size)
            return fail(u"Το αρχείο %1 άλλαξε όσο συμπιεζόταν."_s.arg(name));
        if (archive_write_finish_entry(m_archive.get()) != ARCHIVE_OK)
            return archiveFailed();
        return true;
    }

    bool close() {
        if (archive_write_close(m_archive.get()) != ARCHIVE_OK)
            return archiveFailed();
        if (!m_file.commit())
            return fail(m_file.errorString());
        return true;
    }

    bool fail(const QString& reason) {
        if (m_error.isEmpty())
            m_error = reason;
        return false;
    }
    QString error() const { return m_error; }

private:
    bool archiveFailed() {
        const char* text = archive_error_string(m_archive.get());
        return fail(text ? QString::fromLocal8Bit(text) : m_file.errorString());
    }

    QSaveFile m_file;
    std::unique_ptr<archive, ArchiveFree> m_archive;
    QString m_error;
};

bool finish(ZipWriter& writer, bool ok, QString* error) {
    ok = ok && writer.close();
    if (!ok && error)
        *error = writer.error();
    return ok;
}

} // namespace

namespace {
// The parts of a document have no time of their own: the earliest a zip can hold, as office
// programs write it, so that the same document makes the same file.
QDateTime partsTime() {
    return {QDate(1980, 1, 1), QTime(0, 0)};
}
} // namespace

bool WriteZip(const QString& zipPath, const QList<ZipEntry>& entries, QString* error) {
    ZipWriter writer(zipPath);
    bool ok = writer.open();
    for (const ZipEntry& entry : entries) {
        if (!ok)
            break;
        bool handed = false;
        ok = writer.add(entry.name, entry.data.size(), partsTime(), [&](QByteArray& piece) {
            piece = handed ? QByteArray() : entry.data;
            handed = true;
            return true;
        });
    }
    return finish(writer, ok, error);
}

bool WriteZipStreams(const QString& zipPath, const QList<ZipStreamEntry>& entries, int compressionLevel,
                     QString* error) {
    ZipWriter writer(zipPath);
    bool ok = writer.open(compressionLevel);
    for (const ZipStreamEntry& entry : entries) {
        if (!ok)
            break;
        ok = writer.add(entry.name, entry.size, partsTime(), entry.read);
    }
    return finish(writer, ok, error);
}

bool ZipFile(const QString& zipPath, const QString& filePath, QString* error) {
    ZipWriter writer(zipPath);
    QFile file(filePath);
    bool ok = writer.open();
    if (ok && !file.open(QIODevice::ReadOnly))
        ok = writer.fail(u"%1: %2"_s.arg(filePath, file.errorString()));
    if (ok) {
        const QFileInfo info(filePath);
        ok = writer.add(info.fileName(), file.size(), info.lastModified(), [&](QByteArray& piece) {
            piece = file.read(1 << 16);
            return file.error() == QFileDevice::NoError || writer.fail(file.errorString());
        });
    }
    return finish(writer, ok, error);
}
