#pragma once

#include "logic/core/database/ParamValues.h"
#include "logic/core/files/ApplicationRecord.h"
#include "logic/core/files/ColourSettings.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>

// A batch of entries as the employee selection chooses them: the dates as on screen
// ("dd/mm/yyyy"), the AFM range and mask as typed, and the pick list's marks.
struct SendSelection {
    QString fromDate;
    QString toDate;
    QString afmFrom;
    QString afmTo;
    QString mask;
    QString scrollMarks;
};

// The values every window of the program reads. There is one instance for the whole run
// (`Program`). Windows hand data to each other through it, each hand-over one call that
// writes the values right before it opens the receiving window (HandOvers.h,
// RecordHandOvers.h, AskPopUp, ChooseOutputFile, OpenLinkInBrowser); the window that answers
// writes its answer.
struct ProgramValues {
    // The work date of the run; a null date means none was chosen and the program ends.
    QDate WorkDate;
    // The data folder, without trailing separator.
    QString AppPath;
    quint8 InternetEnabled = 0;
    QString DataVersion;
    ApplicationRecord ApplRecord;
    ColourSettings Colours;
    QByteArray DosGreekTable;

    ParamValues Params;
    QString SubmissionLog;

    bool EmployeeListFromMenu = false;
    qint16 EmployeeSortOrder = 1; // 0 by AFM, 1 by name
    QString EmployeeSearchText;

    // Slot 0 belongs to the employee form, slot 1 to the schedule entry form.
    std::array<qint16, 2> BridgeMode{0, 0};
    std::array<QString, 2> BridgeKey;

    QString PopUpItems;
    qint16 PopUpChoice = 0;
    qint16 ScrollChoice = 0;
    QString ScrollMarks;
    QString CalendarDate;

    QString SendEafm;
    QString SendKorario;
    QString SendKparat;
    QString SendEypo;
    // The date of the entry handed over ("yyyymmdd"): the submission is recorded under it.
    QString SendKdate;
    // What the API submission window sends: the entry SendEafm, SendKdate when fromDate is
    // empty, otherwise every entry of the batch selection.
    SendSelection SendBatch;

    QString OutputFileName;
    QString LastExportFolder;
    QString LinkToOpen;
    QString InstallationCode;
    QString EservicesBase;
};

extern ProgramValues Program;

// Puts every program-wide value back to its state before start-up (tests start each case
// from here).
void ResetProgramValues();

// A file of the data folder: AppPath, a separator, the name.
QString AppFile(const QString& name);
