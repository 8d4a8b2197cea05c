#pragma once

#include <QString>

// The output-file request shared by the exports, the PDF output, the employee import and
// the news articles. The save dialog comes from the Dialogs service, so no window of its
// own is needed to host it.
//
// Program.OutputFileName goes in as the name to propose and comes out as the name chosen,
// or "" when the dialog was cancelled. Program.LastExportFolder remembers the folder of the
// last name chosen (with its trailing separator) for the rest of the run. Both "/" and "\"
// separate folders, so that names written the old way keep working.
namespace DumFrm {
// "Ονομα αρχείου εξόδου", followed by " (Εταιρεία:" + company + ")" when the trimmed company
// is not blank.
QString DialogTitle(const QString& company);
// The part of the name up to and including its last separator; "" when it has none.
QString FolderOf(const QString& fileName);
// The name to offer: a name with a folder part is moved into lastExportFolder when that is
// set; a bare name is offered as it is.
QString ProposedName(const QString& outputFileName, const QString& lastExportFolder);
// Shows the save dialog and updates OutputFileName and LastExportFolder.
void Run(const QString& company);
} // namespace DumFrm

// Asks for an output file name, proposing proposedName (Program.OutputFileName going in);
// the name chosen (Program.OutputFileName coming out), "" when none was.
QString ChooseOutputFile(const QString& proposedName, const QString& company);

// The folder of an export file chosen by another dialog of the exports, offered next time.
void RememberExportFolder(const QString& folder);
