#pragma once

#include <QString>

// Rules on the texts of input fields that need no widget: the tax-number check, key ranges
// for queries and numeric formatting.

// True when a trimmed, non-empty tax number (AFM) deserves the warning: a character that is
// not a digit in the first nine positions, a length other than 9, or a wrong check digit
// (d1*256 + d2*128 + ... + d8*2, mod 11, 10 counting as 0, must equal d9). An empty text
// never warns.
bool AfmNeedsWarning(const QString& afm);
// Trims the text and, when it deserves it, shows the box "Λανθασμένο ΑΦΜ" (title "ΠΡΟΣΟΧΗ",
// information icon) once. True when it warned.
bool CheckAfmText(QString& afm);

// The highest character of a key: an upper bound padded with it lies above every key.
constexpr char16_t HighKeyChar = 0xFF;

// Prepares a key range and a mask for a query: both bounds trimmed, the lower padded with
// blanks and the upper with HighKeyChar up to width characters (an empty upper bound becomes
// the highest key), the bounds exchanged when the lower is greater, an empty mask made width
// times "*", and in a mask that is not all "*" every "*" replaced by the SQL wildcard "%".
void PrepareRange(QString& from, QString& to, QString& mask, int width);

// The text of a numeric box after normalising it: rounded to the decimals (0 to 4) with the
// Greek decimal comma, with thousands points when asked, and cut to the box's maximum
// length from the left. A text that is not a number becomes 0; an empty one "0". With
// decimals outside 0..4 the text is only trimmed.
QString FormatNumberText(const QString& text, int decimals, bool thousands, int maxLength);
// Reads a number written with the Greek separators (thousands ".", decimal ","), with an
// optional sign and blanks around it; *ok is false when the text is no number.
double ParseGreekNumber(const QString& text, bool* ok);
