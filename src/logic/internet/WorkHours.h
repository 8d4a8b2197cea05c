#pragma once

#include <QList>
#include <QString>

// The hours text of an entry (Korario) read as the web-services API takes it: work
// intervals, or a rest day. The page submission sends the text as typed; the API needs
// every interval as two times.

// One interval of work in minutes after midnight. An interval that ends before it starts
// runs past midnight into the next day.
struct WorkInterval {
    int from = 0;
    int to = 0;

    bool pastMidnight() const { return to < from; }
    // "HH:MM-HH:MM".
    QString text() const;
    bool operator==(const WorkInterval&) const = default;
};

struct HoursReading {
    enum Kind { Work, RestDay, Unreadable };
    Kind kind = Unreadable;
    QList<WorkInterval> intervals; // Work: in the order of their start, none overlapping
    QString reason;                // Unreadable: why, in Greek, quoting the text

    bool sendable() const { return kind != Unreadable; }
    // The hours as they are sent, one text for the history and for comparing two entries:
    // "08:00-12:00, 18:00-22:00", or "ΑΝ" for a rest day; "" when unreadable.
    QString sentText() const;
};

// Reads the hours text: one or more intervals "H:MM-HH:MM" or "HH:MM-HH:MM" (a dash or an en
// dash, blanks around it allowed), separated by blanks, commas, line breaks or «και». "24:00"
// may end an interval. Intervals that overlap are refused. A text that is only a word of a
// rest day («ΡΕΠΟ», «ΑΝΑΠΑΥΣΗ», in any case, with or without accents) is a rest day.
// Anything else cannot be read, and the reason says which part.
HoursReading ReadWorkHours(const QString& korario);

// "HH:MM" of minutes after midnight.
QString ClockText(int minutes);
