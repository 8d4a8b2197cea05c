#pragma once

#include <QString>
#include <libpq-fe.h>

// The functions of libpq the program calls itself, beside Qt's PostgreSQL driver. libpq is
// opened the first time one is needed: only a data folder on an office server needs it, and
// the driver loads it anyway when it connects.
struct LibPqFunctions {
    decltype(&::PQclear) PQclear = nullptr;
    decltype(&::PQconnectdbParams) PQconnectdbParams = nullptr;
    decltype(&::PQconnectionNeedsPassword) PQconnectionNeedsPassword = nullptr;
    decltype(&::PQconnectionUsedPassword) PQconnectionUsedPassword = nullptr;
    decltype(&::PQconninfoFree) PQconninfoFree = nullptr;
    decltype(&::PQconninfoParse) PQconninfoParse = nullptr;
    decltype(&::PQconsumeInput) PQconsumeInput = nullptr;
    decltype(&::PQerrorMessage) PQerrorMessage = nullptr;
    decltype(&::PQexec) PQexec = nullptr;
    decltype(&::PQfinish) PQfinish = nullptr;
    decltype(&::PQfreemem) PQfreemem = nullptr;
    decltype(&::PQgetResult) PQgetResult = nullptr;
    decltype(&::PQisBusy) PQisBusy = nullptr;
    decltype(&::PQputCopyData) PQputCopyData = nullptr;
    decltype(&::PQputCopyEnd) PQputCopyEnd = nullptr;
    decltype(&::PQresultErrorMessage) PQresultErrorMessage = nullptr;
    decltype(&::PQresultStatus) PQresultStatus = nullptr;
    decltype(&::PQsetNoticeProcessor) PQsetNoticeProcessor = nullptr;
    decltype(&::PQsocket) PQsocket = nullptr;
    decltype(&::PQstatus) PQstatus = nullptr;
    decltype(&::PQtransactionStatus) PQtransactionStatus = nullptr;
    decltype(&::PQuser) PQuser = nullptr;
};

// libpq's functions; nullptr when the library cannot be opened, *failure then saying why (in
// Greek, the loader's words included).
const LibPqFunctions* LibPq(QString* failure = nullptr);
