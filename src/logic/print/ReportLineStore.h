#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

// The lines of a report and their drill-down keys, kept compactly: a report of 64,000 padded
// lines held as one string each took most of a big report's memory.
//
// A line is kept as its head (its text up to the last non-blank before its tail), the count
// of the blanks after the head, and its tail (its last five characters, or the whole line
// when it is shorter): "  ab   c      1    " keeps "  ab   c", 6 and "1    ". The characters
// live in large blocks that are never moved, so the store grows without copying what it
// holds. Keys are kept once for each run of lines that share them, the same way but with
// their longest run of blanks counted instead (the padding between their fields):
// "123" + 44 blanks + "456" keeps "123", 44 and "456".
class ReportLineStore {
public:
    static constexpr int TailLength = 5;
    // Characters of a block: a little under 128 KiB, so that a block and the allocator's
    // header take whole pages. A longer text gets a block of its own.
    static constexpr qsizetype BlockChars = 64 * 1024 - 32;

    ReportLineStore() = default;
    ReportLineStore(const ReportLineStore&) = delete;
    ReportLineStore& operator=(const ReportLineStore&) = delete;
    ReportLineStore(ReportLineStore&&) = default;
    ReportLineStore& operator=(ReportLineStore&&) = default;
    ~ReportLineStore() = default;

    void append(QStringView line, QStringView keys);
    // Forgets every line and gives the memory back.
    void clear();

    int size() const { return m_lines.size(); }
    QString line(int index) const;
    QString keys(int index) const;
    // The last five characters of a line (the whole line when shorter), read in place.
    QStringView tail(int index) const;
    // Whether the line holds nothing but blanks before its tail.
    bool blankBeforeTail(int index) const;
    // Blocks of characters held and keys kept (for the tests: growth in blocks, keys shared,
    // and clear()).
    int blockCount() const { return int(m_blocks.size()); }
    int keyCount() const { return m_keys.size(); }

private:
    // head characters, blanks blanks, tail characters; the head and the tail are stored.
    struct Text {
        const char16_t* chars = nullptr; // head, then tail
        std::uint32_t head = 0;
        std::uint32_t blanks = 0;
        std::uint32_t tail = 0;
        std::uint32_t keys = 0; // lines: index of their keys
    };

    // Entries in fixed chunks, for the same reason as the characters.
    class Entries {
    public:
        static constexpr int ChunkSize = 4096;
        void push(const Text& text);
        const Text& operator[](int index) const {
            return m_chunks[size_t(index / ChunkSize)][size_t(index % ChunkSize)];
        }
        int size() const { return m_size; }
        void clear();

    private:
        std::vector<std::unique_ptr<Text[]>> m_chunks;
        int m_size = 0;
    };

    // Stores text without its blanks from blanksFrom to blanksTo.
    Text store(QStringView text, qsizetype blanksFrom, qsizetype blanksTo);
    char16_t* allocate(qsizetype chars);
    static QString decode(const Text& text);
    static bool same(const Text& text, QStringView other);

    std::vector<std::unique_ptr<char16_t[]>> m_blocks;
    char16_t* m_free = nullptr; // the room left in the last ordinary block
    qsizetype m_left = 0;
    Entries m_lines;
    Entries m_keys;
};
