#pragma once

#include <QString>

// The eight connection parameters of table Param, held trimmed for the whole run.
struct ParamValues {
    QString IkaCode;
    QString IkaPass;
    QString TaxisCode;
    QString TaxisPass;
    QString SmtpServer;
    QString Cemail;
    QString Lemail;
    QString Cepon;

    ParamValues trimmed() const;
    bool operator==(const ParamValues&) const = default;
};
