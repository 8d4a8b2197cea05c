#include "logic/print/ReportLineStore.h"

#include <algorithm>
#include <utility>

namespace {

// Where the blanks that end at `end` start.
qsizetype blanksBefore(QStringView text, qsizetype end) {
    qsizetype from = end;
    while (from > 0 && text[from - 1] == u' ')
        --from;
    return from;
}

// The first of the longest runs of blanks, as [from, to).
std::pair<qsizetype, qsizetype> longestBlanks(QStringView text) {
    std::pair<qsizetype, qsizetype> longest{0, 0};
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype end = i;
        while (end < text.size() && text[end] == u' ')
            ++end;
        if (end - i > longest.second - longest.first)
            longest = {i, end};
        i = end; // a non-blank, or the end
    }
    return longest;
}

} // namespace

void ReportLineStore::Entries::push(const Text& text) {
    const auto slot = size_t(m_size % ChunkSize);
    if (slot == 0)
        m_chunks.push_back(std::make_unique_for_overwrite<Text[]>(ChunkSize));
    m_chunks.back()[slot] = text;
    ++m_size;
}

void ReportLineStore::Entries::clear() {
    m_chunks.clear();
    m_chunks.shrink_to_fit();
    m_size = 0;
}

void ReportLineStore::append(QStringView line, QStringView keys) {
    // Consecutive lines of one record share their keys.
    const int last = m_keys.size() - 1;
    if (last < 0 || !same(m_keys[last], keys)) {
        const auto [from, to] = longestBlanks(keys);
        m_keys.push(store(keys, from, to));
    }
    const qsizetype tailFrom = line.size() - std::min<qsizetype>(TailLength, line.size());
    Text text = store(line, blanksBefore(line, tailFrom), tailFrom);
    text.keys = std::uint32_t(m_keys.size() - 1);
    m_lines.push(text);
}

void ReportLineStore::clear() {
    m_lines.clear();
    m_keys.clear();
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_free = nullptr;
    m_left = 0;
}

QString ReportLineStore::line(int index) const {
    return decode(m_lines[index]);
}

QString ReportLineStore::keys(int index) const {
    return decode(m_keys[int(m_lines[index].keys)]);
}

QStringView ReportLineStore::tail(int index) const {
    const Text& text = m_lines[index];
    return {text.chars + text.head, qsizetype(text.tail)};
}

bool ReportLineStore::blankBeforeTail(int index) const {
    const Text& text = m_lines[index];
    return QStringView(text.chars, qsizetype(text.head)).trimmed().isEmpty();
}

ReportLineStore::Text ReportLineStore::store(QStringView text, qsizetype blanksFrom, qsizetype blanksTo) {
    Q_ASSERT(text.size() <= qsizetype(UINT32_MAX));
    const qsizetype head = blanksFrom;
    const qsizetype tail = text.size() - blanksTo;
    Text stored;
    stored.head = std::uint32_t(head);
    stored.blanks = std::uint32_t(blanksTo - blanksFrom);
    stored.tail = std::uint32_t(tail);
    if (head + tail == 0)
        return stored;
    char16_t* chars = allocate(head + tail);
    const char16_t* source = text.utf16();
    std::copy_n(source, head, chars);
    std::copy_n(source + text.size() - tail, tail, chars + head);
    stored.chars = chars;
    return stored;
}

char16_t* ReportLineStore::allocate(qsizetype chars) {
    if (chars > BlockChars) {
        // A block of its own; the current block keeps its room.
        m_blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(size_t(chars)));
        return m_blocks.back().get();
    }
    if (chars > m_left) {
        m_blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(size_t(BlockChars)));
        m_free = m_blocks.back().get();
        m_left = BlockChars;
    }
    char16_t* start = m_free;
    m_free += chars;
    m_left -= chars;
    return start;
}

QString ReportLineStore::decode(const Text& text) {
    const qsizetype size = qsizetype(text.head) + text.blanks + text.tail;
    if (size == 0)
        return {};
    QString result(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    out = std::copy_n(text.chars, text.head, out);
    out = std::fill_n(out, text.blanks, u' ');
    std::copy_n(text.chars + text.head, text.tail, out);
    return result;
}

bool ReportLineStore::same(const Text& text, QStringView other) {
    const qsizetype head = text.head;
    const qsizetype tail = text.tail;
    if (other.size() != head + text.blanks + tail)
        return false;
    const char16_t* chars = other.utf16();
    if (!std::equal(chars, chars + head, text.chars))
        return false;
    if (!std::all_of(chars + head, chars + head + text.blanks, [](char16_t c) { return c == u' '; }))
        return false;
    return std::equal(chars + other.size() - tail, chars + other.size(), text.chars + head);
}
