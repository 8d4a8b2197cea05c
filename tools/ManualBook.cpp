#include "tools/ManualBook.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextFrameFormat>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextLine>
#include <QTextOption>
#include <QUrl>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The page in the document's own units, 96 to the inch: A4.
constexpr double PageWidth = 793.7;
constexpr double PageHeight = 1122.5;
constexpr double Margin = 76;
constexpr double TextWidth = PageWidth - 2 * Margin;
constexpr double MaxPictureHeight = 400;
const QString ContentsTitle = u"Περιεχόμενα"_s;
const QString ContentsMark = u"@@CONTENTS@@"_s;
const QColor HeadingColour(31, 59, 99);

QString bodyFont() {
    return u"Liberation Sans"_s;
}

QString headingOf(const QString& markdown) {
    for (const QString& line : markdown.split(u'\n')) {
        if (line.startsWith(u"# "_s))
            return line.mid(2).trimmed();
    }
    return {};
}

void styleHeading(QTextCursor& cursor, const QTextBlock& block, bool first) {
    const int level = block.blockFormat().headingLevel();
    QTextBlockFormat format = block.blockFormat();
    QTextCharFormat characters;
    characters.setFontFamilies({bodyFont()});
    characters.setFontWeight(QFont::Bold);
    characters.setForeground(HeadingColour);
    if (level == 1) {
        characters.setFontPointSize(first ? 28 : 19);
        format.setTopMargin(0);
        format.setBottomMargin(first ? 24 : 16);
        if (!first)
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (first)
            format.setAlignment(Qt::AlignHCenter);
    } else {
        characters.setFontPointSize(level == 2 ? 13 : 11.5);
        format.setTopMargin(14);
        format.setBottomMargin(6);
    }
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(characters);
}

// Loads every picture the chapters name and fits it to the text's width, centred, with its
// description under it. "" or the name of a picture that is missing.
QString placePictures(QTextDocument& document, const QDir& pictures) {
    QList<QTextBlock> pictureBlocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isImageFormat())
                pictureBlocks << block;
        }
    }
    QTextCursor cursor(&document);
    for (const QTextBlock& block : pictureBlocks) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QString file = pictures.filePath(QFileInfo(image.name()).fileName());
            const QImage picture(file);
            if (picture.isNull())
                return file;
            document.addResource(QTextDocument::ImageResource, QUrl(image.name()), picture);
            // As wide as the text at most, and never more than a third of the page high.
            const double scale =
                std::min({1.0, TextWidth / picture.width(), MaxPictureHeight / picture.height()});
            image.setWidth(picture.width() * scale);
            image.setHeight(picture.height() * scale);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
            QTextBlockFormat centred = block.blockFormat();
            centred.setAlignment(Qt::AlignHCenter);
            centred.setTopMargin(8);
            // The text's line spacing would add a fifth of the picture's height under it.
            centred.setLineHeight(0, QTextBlockFormat::SingleHeight);
            cursor.setBlockFormat(centred);
            const QString description = image.property(QTextFormat::ImageAltText).toString();
            if (!description.isEmpty()) {
                cursor.setPosition(block.position() + block.length() - 1);
                QTextCharFormat small;
                small.setFontFamilies({bodyFont()});
                small.setFontPointSize(8.5);
                small.setFontItalic(true);
                small.setForeground(QColor(80, 80, 80));
                QTextBlockFormat caption;
                caption.setAlignment(Qt::AlignHCenter);
                caption.setBottomMargin(10);
                cursor.insertBlock(caption, small);
                cursor.insertText(description);
            }
            break;
        }
    }
    return {};
}

QTextBlock findBlock(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() == text)
            return block;
    }
    return {};
}

int pageOf(const QTextDocument& document, const QTextBlock& block) {
    return int(std::floor(document.documentLayout()->blockBoundingRect(block).top() / PageHeight)) + 1;
}

// The page a line of a block is drawn on, from 1.
int pageOfLine(const QTextDocument& document, const QTextBlock& block, int line) {
    const QTextLine text = block.layout()->lineAt(line);
    const double top =
        document.documentLayout()->blockBoundingRect(block).top() + (text.isValid() ? text.y() : 0);
    return int(std::floor(top / PageHeight)) + 1;
}

bool belongsWithTheNextBlock(const QTextBlock& block) {
    if (block.blockFormat().headingLevel() >= 2)
        return true;
    // A picture keeps its description under it.
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (it.fragment().isValid() && it.fragment().charFormat().isImageFormat())
            return true;
    }
    return false;
}

// A heading or a picture that the layout left at the foot of a page, away from what follows
// it, goes over to the next page. Each move shifts the pages after it, so the book is laid out
// again after every move.
void keepHeadingsWithTheirText(QTextDocument& document) {
    QTextCursor cursor(&document);
    for (bool moved = true; moved;) {
        moved = false;
        for (QTextBlock block = document.begin(); block.isValid() && !moved; block = block.next()) {
            const QTextBlock next = block.next();
            if (!next.isValid() || !belongsWithTheNextBlock(block) ||
                block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            const int lastLine = std::max(0, block.layout()->lineCount() - 1);
            if (pageOfLine(document, block, lastLine) == pageOfLine(document, next, 0))
                continue;
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setPosition(block.position());
            cursor.setBlockFormat(format);
            // Qt lays out again only around the block changed, and leaves the blocks after a
            // new page break without lines: the whole book is laid out anew.
            document.markContentsDirty(0, document.characterCount());
            moved = true;
        }
    }
}

// The contents: one line a chapter, its page at the right margin. The lines are written
// first with a page of one digit and filled in once the book is laid out; a number of one
// more digit does not change the lines' height.
QList<QTextBlock> writeContents(QTextDocument& document, const QStringList& chapters) {
    QTextBlock mark = findBlock(document, ContentsMark);
    QList<QTextBlock> lines;
    if (!mark.isValid())
        return lines;
    QTextCursor cursor(mark);
    cursor.setPosition(mark.position() + mark.length() - 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    QTextBlockFormat line;
    line.setTabPositions({QTextOption::Tab(TextWidth, QTextOption::RightTab)});
    line.setBottomMargin(5);
    QTextCharFormat characters;
    characters.setFontFamilies({bodyFont()});
    characters.setFontPointSize(11);
    for (int i = 0; i < chapters.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(line, characters);
        else {
            cursor.setBlockFormat(line);
            cursor.setCharFormat(characters);
        }
        cursor.insertText(u"%1. %2\t0"_s.arg(i + 1).arg(chapters[i]));
        lines << cursor.block();
    }
    return lines;
}

void fillContents(QTextDocument& document, const QList<QTextBlock>& lines, const QStringList& chapters) {
    QList<int> pages;
    for (const QString& chapter : chapters) {
        int page = 0;
        // The chapter's heading is the first block with its title after the contents.
        bool pastContents = false;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (lines.contains(block)) {
                pastContents = true;
                continue;
            }
            if (pastContents && block.blockFormat().headingLevel() == 1 && block.text() == chapter) {
                page = pageOf(document, block);
                break;
            }
        }
        pages << page;
    }
    QTextCursor cursor(&document);
    for (int i = 0; i < lines.size(); ++i) {
        const QTextBlock block = lines[i];
        cursor.setPosition(block.position() + block.length() - 2);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(QString::number(pages[i]));
    }
}

QString render(QTextDocument& document, const QString& pdfPath, int* pageCount) {
    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setTitle(u"Orva — Εγχειρίδιο Χρήσης"_s);
    writer.setCreator(u"Orva"_s);
    QPainter painter;
    if (!painter.begin(&writer))
        return u"cannot write %1"_s.arg(pdfPath);
    const double scale = writer.width() / PageWidth;
    const int pages = document.documentLayout()->pageCount();
    // The foot is drawn in the document's units, 96 to the inch: 11 of them are 8 points.
    QFont footer(bodyFont());
    footer.setPixelSize(11);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.translate(0, -page * PageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * PageHeight, PageWidth, PageHeight);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        if (page == 0)
            continue;
        painter.save();
        painter.scale(scale, scale);
        painter.setFont(footer);
        painter.setPen(QColor(90, 90, 90));
        const QRectF foot(Margin, PageHeight - Margin * 0.7, TextWidth, 16);
        painter.drawLine(QPointF(Margin, foot.top() - 4), QPointF(PageWidth - Margin, foot.top() - 4));
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, u"Orva — Εγχειρίδιο Χρήσης"_s);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, u"Σελίδα %1"_s.arg(page + 1));
        painter.restore();
    }
    painter.end();
    *pageCount = pages;
    return {};
}

} // namespace

ManualResult WriteManual(const QString& chaptersFolder, const QString& picturesFolder,
                         const QString& pdfPath) {
    ManualResult result;
    const QDir folder(chaptersFolder);
    const QStringList files = folder.entryList({u"*.md"_s}, QDir::Files, QDir::Name);
    if (files.size() < 2) {
        result.error = u"no chapters in %1"_s.arg(chaptersFolder);
        return result;
    }
    // The title stands a third of the way down its page, under blank lines.
    QString markdown = u"\u00A0\n\n"_s.repeated(12);
    for (int i = 0; i < files.size(); ++i) {
        QFile file(folder.filePath(files[i]));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            result.error = u"%1: %2"_s.arg(file.fileName(), file.errorString());
            return result;
        }
        const QString text = QString::fromUtf8(file.readAll());
        if (i > 0)
            result.chapters << headingOf(text);
        markdown += text + u"\n\n"_s;
        if (i == 0)
            markdown += u"# %1\n\n%2\n\n"_s.arg(ContentsTitle, ContentsMark);
    }

    QTextDocument document;
    QFont body(bodyFont());
    body.setPointSizeF(10.5);
    document.setDefaultFont(body);
    document.setMarkdown(markdown);
    QTextCursor cursor(&document);
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0) {
            styleHeading(cursor, block, first);
            first = false;
        } else if (block.blockFormat().hasProperty(QTextFormat::BlockCodeFence) ||
                   block.charFormat().fontFixedPitch()) {
            // Commands to type, on a light grey ground.
            QTextBlockFormat format = block.blockFormat();
            format.setBackground(QColor(238, 238, 238));
            format.setLeftMargin(12);
            cursor.setPosition(block.position());
            cursor.setBlockFormat(format);
        } else {
            QTextBlockFormat format = block.blockFormat();
            format.setLineHeight(118, QTextBlockFormat::ProportionalHeight);
            cursor.setPosition(block.position());
            cursor.setBlockFormat(format);
        }
    }
    if (const QString missing = placePictures(document, QDir(picturesFolder)); !missing.isEmpty()) {
        result.error = u"picture missing: %1"_s.arg(missing);
        return result;
    }
    const QList<QTextBlock> contents = writeContents(document, result.chapters);

    document.setPageSize(QSizeF(PageWidth, PageHeight));
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(Margin);
    document.rootFrame()->setFrameFormat(frame);
    keepHeadingsWithTheirText(document);
    fillContents(document, contents, result.chapters);
    result.error = render(document, pdfPath, &result.pages);
    return result;
}
