#pragma once

#include "logic/core/commandline/CommandLine.h"

// "orva report entries ..." and "orva report employees ...": the two index reports written
// to a file from the command line. They are filled as the windows fill them and written by
// the preview's exports: pdf, xlsx (Excel), docx (Word), txt (the paged text file) and asc
// (the import file), the text files in the Windows or the DOS Greek code page.
Command ReportEntriesCommand();
Command ReportEmployeesCommand();
