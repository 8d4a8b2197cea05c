#pragma once

#include <QString>

// Why a page could not be opened, as far as the user needs to know.
enum class SiteFailure {
    NoAnswer,       // the host could not be found or reached, or did not answer in time
    Certificate,    // the host's certificate was not accepted
    HttpError,      // the host answered with an error status
    InvalidAddress, // the address itself is not usable (a setting typed wrongly)
    Other,
};

// The box text for a page that did not open: a Greek sentence naming the site and what to
// do, then, below it, the technical reason and the address.
QString SiteFailureMessage(const QString& address, SiteFailure failure, const QString& reason,
                           int httpStatus = 0);
