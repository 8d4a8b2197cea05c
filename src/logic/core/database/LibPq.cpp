#include "logic/core/database/LibPq.h"

#include "logic/core/program/LateLibrary.h"

namespace {

void bind(LateLibrary& library, LibPqFunctions& functions) {
    library.bind(functions.PQclear, "PQclear");
    library.bind(functions.PQconnectdbParams, "PQconnectdbParams");
    library.bind(functions.PQconnectionNeedsPassword, "PQconnectionNeedsPassword");
    library.bind(functions.PQconnectionUsedPassword, "PQconnectionUsedPassword");
    library.bind(functions.PQconninfoFree, "PQconninfoFree");
    library.bind(functions.PQconninfoParse, "PQconninfoParse");
    library.bind(functions.PQconsumeInput, "PQconsumeInput");
    library.bind(functions.PQerrorMessage, "PQerrorMessage");
    library.bind(functions.PQexec, "PQexec");
    library.bind(functions.PQfinish, "PQfinish");
    library.bind(functions.PQfreemem, "PQfreemem");
    library.bind(functions.PQgetResult, "PQgetResult");
    library.bind(functions.PQisBusy, "PQisBusy");
    library.bind(functions.PQputCopyData, "PQputCopyData");
    library.bind(functions.PQputCopyEnd, "PQputCopyEnd");
    library.bind(functions.PQresultErrorMessage, "PQresultErrorMessage");
    library.bind(functions.PQresultStatus, "PQresultStatus");
    library.bind(functions.PQsetNoticeProcessor, "PQsetNoticeProcessor");
    library.bind(functions.PQsocket, "PQsocket");
    library.bind(functions.PQstatus, "PQstatus");
    library.bind(functions.PQtransactionStatus, "PQtransactionStatus");
    library.bind(functions.PQuser, "PQuser");
}

} // namespace

const LibPqFunctions* LibPq(QString* failure) {
    return LateFunctions<LibPqFunctions, bind>("libpq.so.5", failure);
}
