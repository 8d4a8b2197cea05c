#include "logic/core/program/LargePages.h"

#include <QFile>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

// The heap that bulk work prefers in large pages: grown once, advised, and handed out by
// malloc afterwards without growing again.
class LargePagesTest : public QObject {
    Q_OBJECT

    // The flags of the mapping that holds the address, from the process's own smaps.
    static QByteArray mappingFlags(const void* address) {
        QFile smaps(QStringLiteral("/proc/self/smaps"));
        if (!smaps.open(QIODevice::ReadOnly))
            return {};
        const auto at = reinterpret_cast<quintptr>(address);
        bool inside = false;
        // Read whole: the system's files tell no size beforehand.
        for (const QByteArray& raw : smaps.readAll().split('\n')) {
            const QByteArray line = raw.trimmed();
            // A mapping starts with its range, "start-end", where a field starts with "Name:".
            const QByteArray first = line.left(line.indexOf(' '));
            const qsizetype dash = first.indexOf('-');
            if (dash > 0 && !first.contains(':')) {
                const quintptr start = first.left(dash).toULongLong(nullptr, 16);
                const quintptr end = first.mid(dash + 1).toULongLong(nullptr, 16);
                inside = at >= start && at < end;
            } else if (inside && line.startsWith("VmFlags:")) {
                return line;
            }
        }
        return {};
    }

private slots:
    void theGrownHeapIsAdvisedAndServesTheWork() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator does not use the heap's break");
#endif
        constexpr std::size_t Span = std::size_t(32) << 20;
        QVERIFY(PreferLargePagesForTheHeap(Span));
        const auto* const end = static_cast<const char*>(sbrk(0));
        QVERIFY2(mappingFlags(end - 1).contains(" hg"), mappingFlags(end - 1).constData());

        // Blocks of the work come out of the span: the heap does not grow, and they hold.
        constexpr std::size_t Block = std::size_t(4) << 20;
        void* first = std::malloc(Block);
        void* second = std::malloc(Block);
        QVERIFY(first && second);
        std::memset(first, 0x5A, Block);
        std::memset(second, 0xA5, Block);
        QCOMPARE(reinterpret_cast<quintptr>(sbrk(0)), reinterpret_cast<quintptr>(end));
        QVERIFY(mappingFlags(second).contains(" hg"));
        QCOMPARE(static_cast<unsigned char*>(first)[Block - 1], 0x5A);
        std::free(first);
        std::free(second);
    }
};

QTEST_GUILESS_MAIN(LargePagesTest)
#include "LargePagesTest.moc"
