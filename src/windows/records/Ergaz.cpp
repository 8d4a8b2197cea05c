#include "windows/records/Ergaz.h"

#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/records/EmployeeRecord.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/WindowNames.h"
#include "windows/records/RecordWidgets.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int FieldLeft = 1300;
constexpr int RowHeight = 315;
} // namespace

Ergaz::Ergaz(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::Ergaz);
    buildControls();
    m_fieldCount = CountInputFields(this);
    placeAtTwips(150, 1000);
    ColourForm(this);
    load();
}

void Ergaz::buildControls() {
    MakeCaptionLabel(this, 0, QStringLiteral("Α.Φ.Μ.:  *"), {120, 150, 1100, 285});
    MakeCaptionLabel(this, 1, QStringLiteral("Επώνυμο: *"), {120, 555, 1100, 285});
    MakeCaptionLabel(this, 2, QStringLiteral("Υποκ.ΙΚΑ:*"), {120, 960, 1100, 285});
    m_eafm = MakeTextBox(this, QStringLiteral("Eafm"), 14, {FieldLeft, 120, 1800, RowHeight});
    m_eepon = MakeTextBox(this, QStringLiteral("Eepon"), 30, {FieldLeft, 525, 3900, RowHeight});
    m_eypo = MakeTextBox(this, QStringLiteral("Eypo"), 4, {FieldLeft, 930, 700, RowHeight});
    SetInputOrder({m_eafm, m_eepon, m_eypo});

    m_saveBut = new QPushButton(QStringLiteral("Αποδοχή"), this);
    m_saveBut->setObjectName(QStringLiteral("SaveBut"));
    m_saveBut->setToolTip(QStringLiteral("Εισαγωγή (καταχώριση νέου υποκαταστήματος) ή Μεταβολή (καταχώριση "
                                         "υπάρχοντος υποκαταστήματος)"));
    m_saveBut->setGeometry(TwipsRect(FieldLeft, 1440, 1300, 390));
    m_exitBut = new QPushButton(QStringLiteral("Εξοδος"), this);
    m_exitBut->setObjectName(QStringLiteral("ExitBut"));
    m_exitBut->setGeometry(TwipsRect(FieldLeft + 1500, 1440, 1300, 390));
    for (QPushButton* button : {m_saveBut, m_exitBut})
        button->setAutoDefault(false);
    connect(m_saveBut, &QPushButton::clicked, this, &Ergaz::save);
    connect(m_exitBut, &QPushButton::clicked, this, &Ergaz::closeWindow);
    new FormKeys(this, m_exitBut, m_saveBut);
    OnLeavingField(m_eafm, [this] { CheckAfm(m_eafm); });
    setFixedSize(TwipsRect(0, 0, 5400, 2010).size());
}

void Ergaz::load() {
    m_mode = Program.BridgeMode[0];
    const QString caption = EmployeeModeCaption(m_mode);
    m_saveBut->setText(caption);
    setWindowTitle(caption + QStringLiteral(" Εργαζομένων"));
    if (m_mode != EmployeeMode::Insert) {
        DbStatus status;
        const std::optional<Employee> employee = SelectEmployee(Program.BridgeKey[0], &status);
        if (!status.ok()) {
            ShowDatabaseError(status);
        } else if (!employee) {
            ShowMsg(8);
            // Closed once the window has its frame.
            QMetaObject::invokeMethod(this, &Ergaz::closeWindow, Qt::QueuedConnection);
        } else {
            showEmployee(*employee);
        }
    }
    m_eafm->setEnabled(EmployeeModeEditsAfm(m_mode));
    setFocusProxy(m_eafm->isEnabled() ? m_eafm : m_eepon);
}

void Ergaz::showEmployee(const Employee& employee) {
    m_read = employee;
    if (m_mode != EmployeeMode::Copy) {
        m_eafm->setText(employee.Eafm.trimmed());
        m_eepon->setText(employee.Eepon.trimmed());
    }
    m_eypo->setText(employee.Eypo.trimmed());
}

void Ergaz::save() {
    const RecordSave saved = SaveEmployee(m_mode, {m_eafm->text(), m_eepon->text(), m_eypo->text()}, m_read);
    switch (saved.outcome) {
    case RecordSave::Changed:
        // The form shows the employee as stored now; the user decides again.
        ShowSaveRefusal(saved);
        if (const std::optional<Employee> stored = SelectEmployee(m_read.Eafm)) {
            showEmployee(*stored);
            return;
        }
        break;
    case RecordSave::Gone:
        ShowSaveRefusal(saved);
        break;
    case RecordSave::Incomplete:
        ShowMsg(11);
        return;
    case RecordSave::Duplicate:
        ShowMsg(7);
        return;
    case RecordSave::Failed:
        ShowDatabaseError(saved.status);
        break;
    case RecordSave::Saved:
        break;
    }
    closeWindow();
}
