// The preview's printing and its drill-down to the records behind the rows.
#include "windows/print/Lbprint.h"

#include "logic/core/program/Messages.h"
#include "logic/core/services/Services.h"
#include "logic/core/text/FieldRules.h"
#include "logic/print/PrintOutput.h"
#include "logic/records/EmployeeRecord.h"
#include "logic/records/EntryRecord.h"
#include "logic/records/LbPopUp.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowNames.h"
#include "windows/records/RecordHandOvers.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {
// A page-range box: its whole number, 0 for anything that is not a number.
int PageNumber(const QLineEdit* box) {
    bool ok = false;
    const double value = ParseGreekNumber(box->text(), &ok);
    return ok ? int(value) : 0;
}
} // namespace

void Lbprint::printMenu() {
    const int choice = AskPopUp(u"Ολες|Τρέχουσα|Επιλογή Σελίδων|"_s);
    if (choice >= 1 && choice <= 3)
        printPages(choice);
}

void Lbprint::printPages(int choice) {
    m_printChoice = choice;
    switch (choice) {
    case 1:
        printAll();
        break;
    case 2:
        printCurrent();
        break;
    case 3:
        m_apoSel->setText(u"1"_s);
        m_eosSel->setText(u"999"_s);
        showRangeBoxes(true);
        m_apoSel->setFocus();
        break;
    default:
        break;
    }
}

void Lbprint::showRangeBoxes(bool show) {
    m_rangeShown = show;
    m_range->setVisible(show);
    if (show)
        m_range->raise();
}

void Lbprint::rangeLeft() {
    showRangeBoxes(false);
    m_pict->setFocus();
    printRange();
}

bool Lbprint::setUpPrinter(QPrinter& printer) {
    printer.setFullPage(false);
    PrepareDevicePage(printer, m_job.landscape());
    printer.setDocName(m_job.caption());
    PrintDialogRequest request;
    request.printer = &printer;
    return Services::dialogs().printerSetup(request);
}

void Lbprint::printAll() {
    const int estimate = int(std::nearbyint(double(m_job.LineCount()) / 66));
    if (estimate > 50) {
        const MsgAnswer answer = ShowBox(u"ΠΡΟΣΟΧΗ"_s, u"Θα εκτυπωθούν περίπου %1 σελίδες."_s.arg(estimate),
                                         MsgIcon::Critical, MsgButtons::YesNo, MsgAnswer::Yes);
        if (answer != MsgAnswer::Yes)
            return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!setUpPrinter(printer))
        return;
    PrintJobPages(m_job, printer, true);
}

void Lbprint::printCurrent() {
    if (m_job.ZoomLevel() != 0)
        ShowMsg(83);
    QPrinter printer(QPrinter::HighResolution);
    if (!setUpPrinter(printer))
        return;
    RenderOptions options;
    options.selectedRow = m_job.SelectedRow();
    options.highlightText = m_job.selectionByUser();
    PrintShownPage(m_job, printer, options);
}

void Lbprint::printRange() {
    QPrinter printer(QPrinter::HighResolution);
    if (!setUpPrinter(printer))
        return;
    PrintJobPages(m_job, printer, false, PageNumber(m_apoSel), PageNumber(m_eosSel));
}

void Lbprint::bridges() {
    const QStringList forms = m_job.bridgeForms();
    const QStringList captions = m_job.bridgeCaptions();
    const int line = m_job.selectedLine();
    if (captions.value(0).isEmpty() || line < 0)
        return;
    QList<int> offered;
    for (int i = 0; i < forms.size(); ++i) {
        if (!forms[i].isEmpty() && !captions[i].isEmpty())
            offered << i;
    }
    int form = 0;
    if (offered.size() > 1) {
        QString items;
        for (int i : offered)
            items += captions[i] + u'|';
        // The answer of the question before this one stays in place.
        const int choice = AskPopUpAside(items);
        if (choice < 1 || choice > offered.size())
            return;
        form = offered[choice - 1];
    }
    const QString name = forms.value(form);
    MdiHost* host = MdiHost::instance();
    if ((name != WindowName::Ergaz && name != WindowName::Kins) || !host)
        return;
    if (ChildWindow* open = host->findChildWindow(name))
        open->closeWindow();
    const QString key = m_job.keyField(line, form);
    if (key.isEmpty())
        return;
    if (name == WindowName::Ergaz)
        OpenEmployeeForm(EmployeeMode::Change, key);
    else
        OpenEntryForm(EntryMode::Change, key);
}
