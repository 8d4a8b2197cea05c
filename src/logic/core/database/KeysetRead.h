#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// Where a read of a page of an ordered list starts, relative to a row of the list.
enum class PageRead {
    First,  // the first rows
    From,   // the row itself and the rows after it
    After,  // the rows after the row
    Before, // the rows before the row, the nearest first
};

// The condition and the order of a read through the index of an order: the columns of the
// order as the statement compares them ("Eepon Collate GREEK", "Eafm") and the values of the
// row in them. For two columns a and b, From reads "a>=? And (a>? Or b>=?)", whose first
// term is a range of the index on (a, b): a page costs the rows it holds, wherever it is.
struct KeysetRead {
    QString condition; // empty for the first rows
    QString order;     // the order of the read, descending for Before
    QVariantList values;
};

// One or two columns.
KeysetRead MakeKeysetRead(const QStringList& columns, const QVariantList& key, PageRead read);
