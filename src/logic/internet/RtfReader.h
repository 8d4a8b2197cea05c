#pragma once

#include <QString>

class QTextDocument;

// A reader of the rich text (RTF) the maker's news editor stores, into a QTextDocument: groups,
// the font and colour tables, \b \i \ul \ulnone \cf \f \fs \plain \par \line \tab, \'xx in the
// font's or the document's code page (Windows Greek, 1253, unless told otherwise), \uN with
// its \uc fallback, and the few symbols such editors write (\emdash, \lquote, ...).
// Destinations it does not show (style sheet, document information, pictures, anything
// marked \*) are skipped whole; unknown control words are ignored.
namespace Rtf {
// True when the text is RTF ("{\rtf" at its start, blanks before it allowed).
bool LooksLikeRtf(const QString& text);
// Replaces the document's contents with the text's.
void Read(const QString& rtf, QTextDocument* document);
} // namespace Rtf
