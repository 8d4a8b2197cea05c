#include "logic/core/program/LoadSettings.h"

#include "logic/core/files/ColourSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DosGreek.h"

void LoadSettings() {
    Program.Colours = ReadColourSettings(AppFile(QStringLiteral("Param.Bt")));
    Program.DosGreekTable = BuildDosGreekTable();
    Program.EmployeeSortOrder = 1;
    Program.EmployeeSearchText.clear();
    Program.SubmissionLog.clear();
}
