#pragma once

#include <QString>

// Scripts run in a page to reach the fields of its first form by name. Names and values are
// written into the script as JSON strings, so quotes in them cannot break it. Each script
// evaluates to true when the field was there, false otherwise; a missing form or field is
// not an error.
namespace PageScripts {
// Sets the field's value and lets the page know, as typing would (input and change events).
QString SetField(const QString& name, const QString& value);
// Clicks the field (a button submits its form with its own name and value).
QString ClickField(const QString& name);
// Evaluates to the field's value, or null when the field is not there.
QString FieldValue(const QString& name);
} // namespace PageScripts
