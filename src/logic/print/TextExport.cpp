#include "logic/print/TextExport.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PrintJob.h"
#include "logic/records/LbPopUp.h"

#include <QIODevice>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

constexpr int PageLines = 66;
constexpr int WrittenLines = 63; // then two blank lines end the page

// Writes one export run: the page counter counts the lines written on the current page and
// the page number the headers written so far.
class TextFileWriter {
public:
    TextFileWriter(const PrintJob& job, int charset, QIODevice& out)
        : m_job(job), m_charset(charset), m_out(out), m_width(ExportWidth(job)) {}

    void ToFile(int selected) {
        const int count = m_job.LineCount();
        const bool paged = selected == PagedTextFile;
        for (int i = 0; i < count; ++i) {
            if (paged && m_counter == 0)
                ExportTitlesToFile(true);
            const QString& line = m_job.line(i);
            write(line.left(m_width - 1));
            ++m_counter;
            if (paged) {
                const LineSuffix suffix = ParseLineSuffix(line);
                switch (suffix.marker.unicode()) {
                case '#':
                    fillPage();
                    break;
                case '@':
                    if (m_counter != 0)
                        ExportTitlesToFile(false);
                    break;
                case '*':
                    // The paged file breaks when the kept rows are fewer than the room left.
                    if (suffix.keep < WrittenLines - m_counter)
                        fillPage();
                    break;
                case '^':
                    write(QString(m_width, u'-'));
                    ++m_counter;
                    break;
                default:
                    break;
                }
            }
            if (i == count - 1)
                break;
            if (m_counter >= WrittenLines) {
                write({});
                write({});
                m_counter = 0;
            }
        }
        // A page just ended by its last line is not followed by an empty one.
        if (m_counter > 0)
            fillPage();
    }

    void ExportTitlesToFile(bool doAll) {
        for (const QString& line : ExportTitleLines(m_job, doAll, m_pageNumber)) {
            write(line);
            ++m_counter;
        }
    }

    bool lossy() const { return m_lossy; }

private:
    // The rest of a 66-line page in lines of a single blank.
    void fillPage() {
        for (int k = m_counter; k < PageLines; ++k)
            write(u" "_s);
        m_counter = 0;
    }

    void write(const QString& text) {
        m_out.write(EncodeExportText(PrintableText(text), m_charset, &m_lossy));
        m_out.write("\r\n", 2);
    }

    const PrintJob& m_job;
    const int m_charset;
    QIODevice& m_out;
    const int m_width;
    int m_counter = 0;
    int m_pageNumber = 0;
    bool m_lossy = false;
};

} // namespace

void WriteTextExport(const PrintJob& job, int selected, int charset, QIODevice& out, bool* lossy) {
    TextFileWriter writer(job, charset, out);
    writer.ToFile(selected);
    if (lossy)
        *lossy = writer.lossy();
}

bool WriteTextFile(const PrintJob& job, int selected, int charset, const QString& path, QString* error,
                   bool* lossy) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    WriteTextExport(job, selected, charset, file, lossy);
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool ToFile(const PrintJob& job, int selected, int charset, QString& fileName) {
    const std::optional<QString> chosen =
        AskExportFile(u"Prt.Asc"_s, {u"Αρχεία κειμένου (*.Asc *.asc *.txt)"_s});
    if (!chosen)
        return false;
    QString error;
    bool lossy = false;
    if (!WriteTextFile(job, selected, charset, *chosen, &error, &lossy)) {
        ShowExportError(*chosen, error);
        return false;
    }
    fileName = *chosen;
    ShowExportDone(lossy);
    return true;
}

void ExportToFile(const PrintJob& job, int selected) {
    const int charset = AskPopUp(u"Γραμματοσειρά Win|Γραμματοσειρά Dos|"_s);
    // A dismissed menu writes the text unchanged, as the Win choice does.
    QString fileName;
    ToFile(job, selected, charset, fileName);
}
