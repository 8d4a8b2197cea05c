#pragma once

#include <QString>

class QTextDocument;

// How an article's body is shown and what a click in it opens.
namespace NewsText {
// Fills the document with the body: RTF as the maker's editor stores it, HTML, or plain
// text. Every Greek tonos character (U+0384, code 180 of Windows Greek) becomes an
// apostrophe, keeping its formatting.
void Show(const QString& body, QTextDocument* document);
// The link under a character of the document: when the character is underlined and pure
// blue (0, 0, 255), the whole run of underlined text around it in its paragraph; "" otherwise.
QString LinkTextAt(const QTextDocument& document, int position);
// A link text opens the links browser when its first four letters are "HTTP" in any case.
bool OpensInLinks(const QString& linkText);
} // namespace NewsText
