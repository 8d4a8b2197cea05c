#include "logic/print/PageLayout.h"

#include "logic/core/program/Messages.h"
#include "logic/core/program/Twips.h"
#include "logic/print/PrintJob.h"

int PageMap::at(int page, int row) const {
    if (page < 0 || page >= pages() || row < 0 || row >= Rows)
        return -1;
    return m_pages[size_t(page)][size_t(row)];
}

void PageMap::clearPage(int page) {
    if (page >= pages())
        m_pages.resize(size_t(page) + 1, [] {
            std::array<int, Rows> empty;
            empty.fill(-1);
            return empty;
        }());
    m_pages[size_t(page)].fill(-1);
}

int PageMap::firstLine(int page) const {
    for (int row = 0; row < Rows; ++row) {
        if (at(page, row) >= 0)
            return at(page, row);
    }
    return -1;
}

namespace {

class PageBuilder {
public:
    PageBuilder(const PrintJob& job, const PageGeometry& g, PageLayout& page)
        : m_job(job), m_g(g), m_page(page) {}

    void header() {
        m_y = TopMargin;
        if (!m_job.logo().isNull()) {
            m_page.logo = true;
            m_y += PixelsToTwips(m_job.logo().height());
        }
        m_page.headerY = m_y;
        // Company alone is written without taking a row of its own.
        if (!m_job.Pcode().isEmpty() || m_job.Pdate() || m_job.Ppage())
            advance();
        titles();
        m_page.headerBottom = m_y;
    }

    void titles() {
        const int count = m_job.Ptit();
        for (int t = 0; t < count; ++t) {
            if (m_job.titleLine(t).trimmed().isEmpty())
                continue;
            m_page.titles << PageLayout::Title{m_y, t};
            advance();
            if (t == 0 || t == count - 1) {
                m_page.titleRules << m_y;
                advance();
            }
        }
    }

    void advance() {
        m_y += m_g.lineHeight;
        ++m_row;
    }

    // Lays out report lines from the cursor until the page is full.
    void body(LayoutCursor& cursor, PageMap* map) {
        const int last = m_job.LineCount() - 1;
        const double lh = m_g.lineHeight;
        for (;;) {
            ++m_row;
            if (m_row > PageMap::Rows - 1)
                return; // a page of 100 rows gets no grid
            const int index = cursor.nextLine;
            if (map)
                map->set(m_page.number - 1, m_row - 1, index);
            const double top = m_y;
            m_page.rows << PageLayout::Row{top, index, m_row - 1};
            const LineSuffix suffix = m_job.lineSuffix(index);
            m_y += lh;
            bool finished = false;
            switch (suffix.marker.unicode()) {
            case '#':
                if (cursor.nextLine <= last)
                    ++cursor.nextLine;
                finished = true;
                break;
            case '@':
                if (top != m_page.headerBottom)
                    titles();
                break;
            case '*':
                // The rows kept together do not fit: the page ends here. (The last line
                // moves on too, or it would start every following page again.)
                if (m_g.height - TopMargin - BottomMargin < m_y + suffix.keep * lh) {
                    ++cursor.nextLine;
                    finished = true;
                }
                break;
            case '^':
                if (!m_job.blankLine(index)) {
                    m_y += lh; // the rule takes a row of its own
                    ++m_row;
                }
                break;
            default:
                break;
            }
            if (!finished) {
                const bool full = m_g.height - BottomMargin <= m_y + lh;
                finished = cursor.nextLine == last || full;
                ++cursor.nextLine;
            }
            if (finished) {
                m_page.grid = m_job.Pboxes();
                return;
            }
        }
    }

    double y() const { return m_y; }

private:
    const PrintJob& m_job;
    const PageGeometry& m_g;
    PageLayout& m_page;
    double m_y = 0;
    int m_row = 0;
};

} // namespace

std::optional<PageLayout> LayOutPage(const PrintJob& job, const PageGeometry& geometry, LayoutCursor& cursor,
                                     PageMap* map) {
    if (cursor.currentPage >= PageMap::MaxPages - 1) {
        ShowMsg(9);
        return std::nullopt;
    }
    PageLayout page;
    page.number = ++cursor.currentPage;
    if (map)
        map->clearPage(page.number - 1);
    PageBuilder builder(job, geometry, page);
    builder.header();
    if (cursor.nextLine <= job.LineCount() - 1)
        builder.body(cursor, map);
    page.bottom = builder.y();
    if (cursor.nextLine > job.LineCount() - 1)
        page.droppedLines = job.droppedLines();
    return page;
}
