#pragma once

#include "logic/core/text/FailureText.h"
#include "logic/internet/InternetSettings.h"

// Why the maker's news server could not be used, in Greek, from the ODBC driver's text
// (which keeps its English only under «Λεπτομέρειες»): the driver is not installed, the
// server does not answer, it refused the user, or its database is not there.
Failure NewsServerFailure(const NewsServer& server, const QString& technical);
