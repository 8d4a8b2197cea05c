#pragma once

#include "logic/core/text/FailureText.h"

#include <QString>

// Why a page could not be opened, as far as the user needs to know.
enum class SiteFailure {
    NameNotFound,   // the host's name does not resolve
    Offline,        // the computer has no way onto the network
    Refused,        // the host refused the connection
    NoAnswer,       // the host could not be reached, or did not answer in time
    Certificate,    // the host's certificate was not accepted
    HttpError,      // the host answered with an error status
    InvalidAddress, // the address itself is not usable (a setting typed wrongly)
    Other,
};

// The kind of a failure the embedded browser reports as a network error number
// (net::ERR_NAME_NOT_RESOLVED is -105, net::ERR_CONNECTION_REFUSED -102, ...).
SiteFailure SiteFailureOfNetError(int code);

// What the user is told about a page that did not open: Greek sentences naming the site and
// what to do; the browser's own reason and the address under «Λεπτομέρειες».
Failure SiteFailureMessage(const QString& address, SiteFailure failure, const QString& reason,
                           int httpStatus = 0);
