#pragma once

#include <QDateTime>

// The current date and time, swappable so that tests choose the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
