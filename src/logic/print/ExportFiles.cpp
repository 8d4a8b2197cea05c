#include "logic/print/ExportFiles.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/core/text/DosGreek.h"
#include "logic/maintenance/DumFrm.h"
#include "logic/print/PrintJob.h"

#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

int ExportWidth(const PrintJob& job) {
    return qMax(1, job.Plen());
}

QByteArray EncodeExportText(const QString& text, int charset, bool* lossy) {
    QStringEncoder encoder("windows-1253");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        // The encoder puts a control character in place of what it cannot write: encode
        // character by character and put a "?" there instead.
        bytes.clear();
        bytes.reserve(text.size());
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QStringEncoder one("windows-1253");
            const QByteArray encoded = one.encode(QStringView(text).mid(i, length));
            bytes += one.hasError() ? QByteArray("?") : encoded;
            i += length;
        }
        if (lossy)
            *lossy = true;
    }
    return ToDosGreek(bytes, charset);
}

namespace {
// Puts text into line from the 1-based position on, over the blanks, never past its end.
void place(QString& line, int position, const QString& text) {
    const int from = qMax(1, position) - 1;
    if (from >= line.size())
        return;
    const qsizetype length = qMin(text.size(), line.size() - from);
    line.replace(from, length, text.left(length));
}
} // namespace

QStringList ExportTitleLines(const PrintJob& job, bool doAll, int& pageNumber) {
    const int width = ExportWidth(job);
    QStringList lines;
    if (doAll) {
        QString header(width, u' ');
        const QString code = job.Pcode();
        if (!code.isEmpty())
            place(header, 1, code + u' ' + job.Pepon());
        if (job.Pdate())
            place(header, RoundHalfEven((width - 10) / 2.0), Program.WorkDate.toString(u"dd/MM/yyyy"_s));
        ++pageNumber;
        if (job.Ppage()) {
            const QString number = QString::number(pageNumber);
            place(header, width - int(number.size() + 7), u"Σελίδα:"_s + number);
        }
        if (!code.isEmpty() || job.Pdate() || job.Ppage())
            lines << header;
    }
    const int titles = job.Ptit();
    for (int t = 0; t < titles; ++t) {
        const QString title = job.titleLine(t);
        const QString trimmed = title.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (t == 0)
            lines << QString(qMax(0, RoundHalfEven((width - trimmed.size()) / 2.0)), u' ') + trimmed;
        else
            lines << title.left(width - 1);
        if (t == 0 || t == titles - 1)
            lines << QString(width, u'-');
    }
    return lines;
}

int RoundHalfEven(double x) {
    return int(std::nearbyint(x));
}

std::optional<QString> AskExportFile(const QString& defaultName, const QStringList& filters) {
    const QString folder =
        Program.LastExportFolder.isEmpty() ? Program.AppPath + QDir::separator() : Program.LastExportFolder;
    FileDialogRequest request;
    request.title = u"Ονομα αρχείου εκτύπωσης"_s;
    request.proposedName = QDir::toNativeSeparators(folder + defaultName);
    request.filters = filters;
    request.filters << u"Όλα τα αρχεία (*)"_s;
    const QString chosen = Services::dialogs().saveFileName(request);
    if (chosen.isEmpty()) {
        ShowBox(u"ΠΡΟΣΟΧΗ"_s, u"Δεν επιλέχθηκε αρχείο."_s, MsgIcon::Critical);
        return std::nullopt;
    }
    const QFileInfo file(chosen);
    RememberExportFolder(QDir::toNativeSeparators(file.absolutePath() + u'/'));
    if (file.exists()) {
        const MsgAnswer answer = ShowBox(u"ΠΡΟΣΟΧΗ !!!"_s, u"To αρχείο υπάρχει ήδη."_s, MsgIcon::Critical,
                                         MsgButtons::OkCancel, MsgAnswer::Cancel);
        if (answer != MsgAnswer::Ok)
            return std::nullopt;
    }
    return file.absoluteFilePath();
}

QString LossyExportText() {
    return u"Χαρακτήρες που δεν υπάρχουν στην κωδικοσελίδα γράφτηκαν ως \"?\"."_s;
}

void ShowExportDone(bool lossy) {
    QString text = u"Η μεταφορά ολοκληρώθηκε."_s;
    if (lossy)
        text += u"\r\n"_s + LossyExportText();
    ShowBox(u"Εξαγωγή στοιχείων"_s, text, MsgIcon::Information);
}

void ShowExportError(const QString& path, const QString& technical) {
    ShowFailure(u"ΠΡΟΣΟΧΗ"_s, FileFailure(FileAction::Write, path, technical));
}

namespace {
// The control characters of Unicode (category Cc) are these two ranges, the tab aside.
bool unprintable(QChar c) {
    return (c < u'\x20' && c != u'\t') || (c >= u'\x7f' && c <= u'\x9f');
}
} // namespace

bool HasUnprintable(QStringView text) {
    return std::any_of(text.begin(), text.end(), unprintable);
}

QString PrintableText(const QString& text) {
    // The exports call this for every cell, and most cells hold none.
    if (!HasUnprintable(text))
        return text;
    QString clean;
    clean.reserve(text.size());
    for (QChar c : text) {
        if (!unprintable(c))
            clean += c;
    }
    return clean;
}
