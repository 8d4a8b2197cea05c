#pragma once

#include "logic/core/database/Database.h"
#include "logic/internet/BatchSubmission.h"
#include "logic/internet/WtoDocuments.h"

#include <QList>

// The schedule entries the API submission sends, read as the page submission chooses them.

// The entry of an AFM and a date ("yyyymmdd"); none when it is not in Kins.
QList<ApiEntry> ReadOneEntry(const QString& afm, const QString& kdate, DbStatus* status = nullptr);

// Every entry of the batch selection: the picked employees (or those of the AFM range and
// mask) in name order, each one's entries in date order.
QList<ApiEntry> ReadBatchEntries(const BatchSelection& selection, DbStatus* status = nullptr);

// The entries the program values hand to the API submission window (SendBatch, or the
// entry SendEafm, SendKdate).
QList<ApiEntry> ReadHandedEntries(DbStatus* status = nullptr);
