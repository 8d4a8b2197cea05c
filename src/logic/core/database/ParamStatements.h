#pragma once

#include "logic/core/database/Database.h"

#include <optional>

// The connection parameters of the single Param row, each trimmed; nothing when the table
// has no row.
std::optional<ParamValues> SelectParam(DbStatus* status = nullptr);
// Stores the eight values in the Param row (the table has one row, so no condition).
DbStatus UpdateParam(const ParamValues& values);

// The day of the last news check; "" when never checked.
QString SelectNewsDat(DbStatus* status = nullptr);
DbStatus UpdateNewsDat(const QString& day);
