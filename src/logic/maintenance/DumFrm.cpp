#include "logic/maintenance/DumFrm.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Dialogs.h"
#include "logic/core/services/Services.h"

using namespace Qt::StringLiterals;

namespace {
qsizetype LastSeparator(const QString& fileName) {
    return qMax(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
}
} // namespace

namespace DumFrm {

QString DialogTitle(const QString& company) {
    QString title = u"Ονομα αρχείου εξόδου"_s;
    const QString trimmed = company.trimmed();
    if (!trimmed.isEmpty())
        title += u" (Εταιρεία:"_s + trimmed + u')';
    return title;
}

QString FolderOf(const QString& fileName) {
    return fileName.left(LastSeparator(fileName) + 1);
}

QString ProposedName(const QString& outputFileName, const QString& lastExportFolder) {
    const qsizetype separator = LastSeparator(outputFileName);
    if (lastExportFolder.isEmpty() || separator < 0)
        return outputFileName;
    QString folder = lastExportFolder;
    if (LastSeparator(folder) != folder.size() - 1)
        folder += u'/';
    return folder + outputFileName.mid(separator + 1);
}

void Run(const QString& company) {
    FileDialogRequest request;
    request.title = DialogTitle(company);
    request.proposedName = ProposedName(Program.OutputFileName, Program.LastExportFolder);
    const QString chosen = Services::dialogs().saveFileName(request);
    if (chosen.isEmpty()) {
        Program.OutputFileName.clear();
        return;
    }
    if (const QString folder = FolderOf(chosen); !folder.isEmpty())
        RememberExportFolder(folder);
    Program.OutputFileName = chosen;
}

} // namespace DumFrm

QString ChooseOutputFile(const QString& proposedName, const QString& company) {
    Program.OutputFileName = proposedName;
    DumFrm::Run(company);
    return Program.OutputFileName.trimmed().isEmpty() ? QString() : Program.OutputFileName;
}

void RememberExportFolder(const QString& folder) {
    Program.LastExportFolder = folder;
}
