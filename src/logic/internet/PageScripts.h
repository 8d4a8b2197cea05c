#pragma once

#include <QString>
#include <QStringList>

// Scripts run in a page to reach the fields of its first form by name. Names and values are
// written into the script as JSON strings, so quotes in them cannot break it. The scripts
// that set, click or submit first check, inside the page and right before they act, that
// the page's own origin (location.origin) is the one given: a page of any other host is
// left untouched. Each evaluates to true when it acted, false otherwise; a missing form or
// field is not an error.
namespace PageScripts {
// The origin of an address as a page's location.origin writes it: the scheme, "://", the
// host in small letters and a port other than the scheme's own. "" for an address without
// a host, which no page's origin equals.
QString OriginOf(const QString& address);
// Sets the field's value and lets the page know, as typing would (input and change events).
QString SetField(const QString& origin, const QString& name, const QString& value);
// Clicks the field (a button submits its form with its own name and value).
QString ClickField(const QString& origin, const QString& name);
// Submits the first form, only when it has every field named in required.
QString SubmitForm(const QString& origin, const QStringList& required = {});
// Evaluates to the field's value, or null when the field is not there.
QString FieldValue(const QString& name);
} // namespace PageScripts
