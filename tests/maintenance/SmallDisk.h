#pragma once

#include <QString>
#include <QTemporaryDir>

// A small file system of its own for the tests of full and read-only media: a tmpfs of the
// given size mounted on a temporary folder, unmounted when it goes. Mounting needs root (the
// tests run as root here and in CI); where it cannot be mounted, reason() says why and the
// test skips.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // Remounts the file system read-only, as a write-protected stick or a disc.
    bool makeReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

// Skips the test when the disk could not be mounted.
#define REQUIRE_MOUNTED(disk)                                                                                \
    do {                                                                                                     \
        if (!(disk).mounted())                                                                               \
            QSKIP(qPrintable(QStringLiteral("a small file system cannot be mounted here: ") +                \
                             (disk).reason()));                                                              \
    } while (false)
