#include "logic/internet/NewsText.h"

#include "logic/internet/RtfReader.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace {

const QChar Tonos(0x0384);

bool IsLinkFormat(const QTextCharFormat& format) {
    return format.fontUnderline() && format.foreground().style() != Qt::NoBrush &&
           format.foreground().color() == QColor(0, 0, 255);
}

void ReplaceTonos(QTextDocument* document) {
    QTextCursor found = document->find(QString(Tonos));
    while (!found.isNull()) {
        // The apostrophe takes the format of the character it replaces.
        found.insertText(QStringLiteral("'"), found.charFormat());
        found = document->find(QString(Tonos), found);
    }
}

} // namespace

namespace NewsText {

void Show(const QString& body, QTextDocument* document) {
    if (Rtf::LooksLikeRtf(body))
        Rtf::Read(body, document);
    else if (Qt::mightBeRichText(body))
        document->setHtml(body);
    else
        document->setPlainText(body);
    ReplaceTonos(document);
}

QString LinkTextAt(const QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    if (!block.isValid())
        return {};
    // The block's fragments in order, to find the clicked one and the underlined run around it.
    QList<QTextFragment> fragments;
    int clicked = -1;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (position >= fragment.position() && position < fragment.position() + fragment.length())
            clicked = int(fragments.size());
        fragments << fragment;
    }
    if (clicked < 0 || !IsLinkFormat(fragments.at(clicked).charFormat()))
        return {};
    int first = clicked;
    while (first > 0 && fragments.at(first - 1).charFormat().fontUnderline())
        --first;
    int last = clicked;
    while (last + 1 < fragments.size() && fragments.at(last + 1).charFormat().fontUnderline())
        ++last;
    QString text;
    for (int i = first; i <= last; ++i)
        text += fragments.at(i).text();
    return text;
}

bool OpensInLinks(const QString& linkText) {
    return linkText.left(4).compare(QStringLiteral("HTTP"), Qt::CaseInsensitive) == 0;
}

} // namespace NewsText
