#include "windows/records/Kins.h"

#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/records/EntryRecord.h"
#include "logic/records/EntrySending.h"
#include "logic/records/RecordKeys.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/HandOvers.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"
#include "windows/records/RecordHandOvers.h"
#include "windows/records/RecordWidgets.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr int FieldLeft = 1300;
constexpr int RowHeight = 315;
const QString ButtonTip = QStringLiteral(
    "Εισαγωγή (καταχώριση νέου υποκαταστήματος) ή Μεταβολή (καταχώριση υπάρχοντος υποκαταστήματος)");

// A picture button: the picture file of the data folder, else the theme's icon.
QToolButton* pictureButton(QWidget* window, const QString& name, const QString& file,
                           const QString& themeIcon, QStyle::StandardPixmap standard, const QRect& twips) {
    auto* button = new QToolButton(window);
    button->setObjectName(name);
    button->setIcon(ToolbarPicture(file, themeIcon, standard));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    button->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

QLabel* dataLabel(QWidget* window, const QString& name, const QRect& twips) {
    auto* label = new QLabel(window);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}
} // namespace

Kins::Kins(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::Kins);
    setWindowTitle(QStringLiteral("Διαχείριση Ηλεκτρονικών Αποστολών"));
    buildControls();
    setFocusProxy(m_eafm);
    placeAtTwips(50, 50);
    ColourForm(this);
    m_kdate->setText(ScreenDate(Program.WorkDate));
    setMode(EntryMode::Insert);
}

void Kins::buildControls() {
    MakeCaptionLabel(this, 0, QStringLiteral("Α.Φ.Μ.:  *"), {120, 150, 1100, 285});
    MakeCaptionLabel(this, 1, QStringLiteral("Ημ/νία:  *"), {120, 555, 1100, 285});
    MakeCaptionLabel(this, 2, QStringLiteral("Ωραριο:  *"), {120, 960, 1100, 285});
    MakeCaptionLabel(this, 3, QStringLiteral("Παρ/σεις: "), {120, 1950, 1100, 285});
    MakeCaptionLabel(this, 4, QStringLiteral("Υποβολή:"), {120, 3480, 1100, 285});
    m_eafm = MakeTextBox(this, QStringLiteral("Eafm"), 14, {FieldLeft, 120, 1800, RowHeight});
    m_find[0] =
        pictureButton(this, QStringLiteral("Find_0"), QStringLiteral("Find.Gif"), QStringLiteral("edit-find"),
                      QStyle::SP_FileDialogContentsView, {3150, 120, 360, RowHeight});
    m_eepon = dataLabel(this, QStringLiteral("Eepon"), {3600, 120, 4300, RowHeight});
    m_eypo = dataLabel(this, QStringLiteral("Eypo"), {8000, 120, 700, RowHeight});
    m_kdate = MakeTextBox(this, QStringLiteral("Kdate"), 10, {FieldLeft, 525, 1300, RowHeight});
    m_find[1] =
        pictureButton(this, QStringLiteral("Find_1"), QStringLiteral("Find.Gif"), QStringLiteral("edit-find"),
                      QStyle::SP_FileDialogContentsView, {2650, 525, 360, RowHeight});
    m_cal = pictureButton(this, QStringLiteral("Cal"), QStringLiteral("Calendar.Gif"),
                          QStringLiteral("x-office-calendar"), QStyle::SP_FileDialogDetailedView,
                          {3050, 525, 360, RowHeight});
    m_korario = MakeMultiLineBox(this, QStringLiteral("Korario"), 150, {FieldLeft, 930, 7400, 900});
    m_kparat = MakeMultiLineBox(this, QStringLiteral("Kparat"), 150, {FieldLeft, 1920, 7400, 900});
    // The last submission of the entry on screen, from the history.
    m_lastSub = dataLabel(this, QStringLiteral("LastSub"), {FieldLeft, 3450, 7400, RowHeight});
    SetInputOrder({m_eafm, m_kdate, m_korario, m_kparat});
    buildButtons();

    for (QWidget* field : {static_cast<QWidget*>(m_eafm), static_cast<QWidget*>(m_kdate),
                           static_cast<QWidget*>(m_korario), static_cast<QWidget*>(m_kparat)})
        OnEnteringField(field, [this, field] { m_focusField = field; });
    OnEnteringField(m_kdate, [this] { QTimer::singleShot(0, m_kdate, &QLineEdit::selectAll); });
    OnLeavingField(m_eafm, [this] { leaveAfm(); });
    OnLeavingField(m_kdate, [this] { leaveDate(); });
    connect(m_find[0], &QToolButton::clicked, this, [this] {
        m_eafm->setFocus();
        m_focusField = m_eafm;
        openPicker(Picker::Employee);
    });
    connect(m_find[1], &QToolButton::clicked, this, [this] {
        m_kdate->setFocus();
        m_focusField = m_kdate;
        openPicker(Picker::Entry);
    });
    connect(m_cal, &QToolButton::clicked, this, &Kins::chooseDate);
    setFixedSize(TwipsRect(0, 0, 8900, 3900).size());
}

void Kins::buildButtons() {
    const auto button = [this](const QString& name, const QString& caption, int left) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setGeometry(TwipsRect(left, 2970, 1300, 390));
        return b;
    };
    m_exitBut = button(QStringLiteral("ExitBut"), QStringLiteral("Εξοδος"), FieldLeft);
    m_saveBut = button(QStringLiteral("SaveBut"), QStringLiteral("Εισαγωγή"), FieldLeft + 1400);
    m_delBut = button(QStringLiteral("DelBut"), QStringLiteral("Διαγραφή"), FieldLeft + 2800);
    m_sendBut = button(QStringLiteral("SendBut"), QStringLiteral("Αποστολή"), FieldLeft + 4200);
    for (QPushButton* b : {m_saveBut, m_delBut, m_sendBut})
        b->setToolTip(ButtonTip);
    // The way «Αποστολή» sends: the e-services page or the web-services API.
    m_sendWay = new QComboBox(this);
    m_sendWay->setObjectName(QStringLiteral("SendWay"));
    m_sendWay->addItems({SendWayCaption(SendWay::Page), SendWayCaption(SendWay::Api)});
    m_sendWay->setCurrentIndex(DefaultSendWay() == SendWay::Api ? 1 : 0);
    m_sendWay->setToolTip(QStringLiteral("Τρόπος αποστολής"));
    m_sendWay->setFocusPolicy(Qt::TabFocus);
    m_sendWay->setGeometry(TwipsRect(FieldLeft + 5600, 2990, 1900, 350));
    setTabOrder(m_kparat, m_exitBut);
    setTabOrder(m_exitBut, m_saveBut);
    setTabOrder(m_saveBut, m_delBut);
    setTabOrder(m_delBut, m_sendBut);
    setTabOrder(m_sendBut, m_sendWay);
    connect(m_exitBut, &QPushButton::clicked, this, &Kins::closeWindow);
    connect(m_saveBut, &QPushButton::clicked, this, &Kins::save);
    connect(m_delBut, &QPushButton::clicked, this, &Kins::remove);
    connect(m_sendBut, &QPushButton::clicked, this, &Kins::saveAndSend);

    m_keys = new FormKeys(this, m_exitBut, m_saveBut);
    const QList<int> boxKeys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Down};
    m_keys->keepKeys(m_korario, boxKeys);
    m_keys->keepKeys(m_kparat, boxKeys);
    m_keys->setExitAction([this] { escape(); });
    m_keys->setExtraKeys([this](QKeyEvent* event) { return keySeen(event); });
}

bool Kins::keySeen(QKeyEvent* event) {
    const int key = event->key();
    const bool inBox = m_korario->hasFocus() || m_kparat->hasFocus();
    const FormKey convention = FormKeyFor(key, event->modifiers());
    const bool consumed =
        convention == FormKey::Accept ||
        (!inBox && (convention == FormKey::NextField || convention == FormKey::PreviousField));
    // Stored before the key acts: leaving the AFM may mark that it opened the list.
    m_lastKey = consumed ? 0 : key;
    if (key == Qt::Key_F3 && event->modifiers() == Qt::NoModifier) {
        if (m_eafm->hasFocus())
            openPicker(Picker::Employee);
        else if (m_kdate->hasFocus())
            openPicker(Picker::Entry);
        return true;
    }
    return false;
}

void Kins::openPicker(Picker picker) {
    m_picker = picker;
    if (picker == Picker::Entry)
        PickEntry();
    else
        PickEmployee();
}

void Kins::activated() {
    if (isMinimizedChild())
        return;
    if (!m_loaded) {
        m_loaded = true;
        takeHandedEntry();
    }
    if (m_picker == Picker::Employee && m_focusField == m_eafm) {
        m_picker = Picker::None;
        m_lastKey = 0;
        if (!ChosenEmployee().isEmpty())
            takeChosenEmployee();
    } else if (m_picker == Picker::Entry && m_focusField == m_kdate) {
        m_picker = Picker::None;
        m_lastKey = 0;
        if (const QString key = TakeHandedEntry(); !key.trimmed().isEmpty())
            showHandedEntry(key);
        m_korario->setFocus();
    } else if (m_picker == Picker::LookedUpEmployee) {
        m_picker = Picker::None;
        m_lastKey = 0;
        if (!ChosenEmployee().isEmpty()) {
            takeChosenEmployee();
        } else {
            m_eafm->clear();
            showEmployee({}, {});
        }
    } else if (m_lastKey == 0 && m_eafm->isEnabled()) {
        m_eafm->setFocus();
    }
}

void Kins::takeHandedEntry() {
    if (const QString key = TakeHandedEntry(); !key.isEmpty())
        showHandedEntry(key);
}

void Kins::showHandedEntry(const QString& key) {
    m_eafm->setText(EntryKeyAfm(key));
    m_kdate->setText(EntryKeyDate(key));
    leaveAfm();
}

void Kins::takeChosenEmployee() {
    m_eafm->setText(ChosenEmployee().trimmed());
    leaveAfm();
    if (m_kdate->isEnabled())
        m_kdate->setFocus();
    else
        m_korario->setFocus();
}

void Kins::leaveAfm() {
    // Disabling the field in the lookups moves the focus, which would leave it again.
    if (m_lookingUp)
        return;
    m_lookingUp = true;
    lookUpEmployee();
    lookUpEntry();
    m_lookingUp = false;
}

// True when the AFM opened the employee list for a choice.
bool Kins::lookUpEmployee() {
    m_lookedUpAfm = m_eafm->text();
    ForgetEmployeeSearch();
    const EntryEmployeeLookup lookup = LookUpEntryEmployee(m_eafm->text());
    switch (lookup.outcome) {
    case EntryEmployeeLookup::Blank:
        showEmployee({}, {});
        return false;
    case EntryEmployeeLookup::Found:
        showEmployee(lookup.employee.Eepon, lookup.employee.Eypo);
        return false;
    case EntryEmployeeLookup::PickByAfm:
    case EntryEmployeeLookup::PickByName:
        m_picker = Picker::LookedUpEmployee;
        PickEmployee(lookup.outcome == EntryEmployeeLookup::PickByAfm ? EmployeeOrder::ByAfm
                                                                      : EmployeeOrder::ByName,
                     lookup.searchText);
        return true;
    }
    return false;
}

void Kins::lookUpEntry() {
    if (!m_eafm->text().trimmed().isEmpty() && !m_kdate->text().trimmed().isEmpty()) {
        if (const std::optional<Entry> entry = FindEntry(m_eafm->text(), m_kdate->text())) {
            m_read = *entry;
            m_korario->setPlainText(entry->Korario.trimmed());
            m_kparat->setPlainText(entry->Kparat.trimmed());
            setMode(EntryMode::Change);
        } else {
            setMode(EntryMode::Insert);
            m_korario->clear();
            m_kparat->clear();
        }
    }
    showLastSubmission();
    const bool keyEditable = Program.BridgeMode[1] != EntryMode::Change;
    m_eafm->setEnabled(keyEditable);
    m_find[0]->setEnabled(keyEditable);
    m_kdate->setEnabled(keyEditable);
    m_find[1]->setEnabled(keyEditable);
    m_cal->setEnabled(keyEditable);
}

void Kins::leaveDate() {
    CompleteDateField(m_kdate);
    lookUpEntry();
}

void Kins::setMode(qint16 mode) {
    SetEntryFormMode(mode);
    m_saveBut->setText(mode == EntryMode::Change ? QStringLiteral("Μεταβολή") : QStringLiteral("Εισαγωγή"));
    m_delBut->setEnabled(mode == EntryMode::Change);
}

void Kins::showEmployee(const QString& name, const QString& branch) {
    m_eepon->setText(name);
    m_eypo->setText(branch);
}

void Kins::chooseDate() {
    m_kdate->setText(PickDate(this));
    m_kdate->setFocus();
}

void Kins::escape() {
    if (m_eafm->text().trimmed().isEmpty())
        closeWindow();
    else
        clear();
}

void Kins::save() {
    store(false);
}

void Kins::saveAndSend() {
    store(true);
}

void Kins::store(bool send) {
    const bool api = send && m_sendWay->currentIndex() == 1;
    if (send && !api &&
        (Program.Params.IkaCode.trimmed().isEmpty() || Program.Params.IkaPass.trimmed().isEmpty())) {
        ShowMsg(108);
        return;
    }
    if (api && !ApiAccountReady())
        return;
    if (!completeKey())
        return;
    const RecordSave saved = SaveEntry(Program.BridgeMode[1], m_eafm->text(), m_kdate->text(),
                                       m_korario->toPlainText(), m_kparat->toPlainText(), m_read);
    switch (saved.outcome) {
    case RecordSave::Changed:
        // The entry as stored now takes the place of the user's text; nothing is sent.
        ShowSaveRefusal(saved);
        lookUpEntry();
        return;
    case RecordSave::Gone: {
        // The user's text stays, to be stored anew as an insert if he still wants it.
        ShowSaveRefusal(saved);
        const QString hours = m_korario->toPlainText();
        const QString remarks = m_kparat->toPlainText();
        lookUpEntry();
        if (Program.BridgeMode[1] == EntryMode::Insert) {
            m_korario->setPlainText(hours);
            m_kparat->setPlainText(remarks);
        }
        return;
    }
    case RecordSave::Incomplete:
        ShowMsg(11);
        return;
    case RecordSave::Duplicate:
        ShowMsg(7);
        break;
    case RecordSave::Failed:
        ShowDatabaseError(saved.status);
        break;
    case RecordSave::Saved:
        break;
    }
    const QString kdate = ScreenToStoredDate(m_kdate->text());
    if (api && saved.outcome == RecordSave::Saved) {
        // The API sends the entry as stored: only one whose hours on screen were stored.
        SendEntryThroughApi(m_eafm->text(), kdate);
    } else if (send && !api) {
        // The values on screen go, even when the entry was there already.
        SendEntry({.Eafm = m_eafm->text().trimmed(),
                   .Korario = m_korario->toPlainText().trimmed(),
                   .Kparat = m_kparat->toPlainText().trimmed(),
                   .Eypo = m_eypo->text().trimmed(),
                   .Kdate = kdate});
    }
    clear();
}

void Kins::showLastSubmission() {
    const QString afm = m_eafm->text().trimmed();
    const QString kdate = ScreenToStoredDate(m_kdate->text().trimmed());
    if (afm.isEmpty() || kdate.isEmpty()) {
        m_lastSub->clear();
        return;
    }
    const std::optional<SubmissionRow> last = SelectLastSubmission(afm, kdate);
    m_lastSub->setText(last ? SubmissionSummary(*last) : QStringLiteral("Δεν έχει υποβληθεί."));
}

// However the save was started (F10 in a field, a button), the AFM is looked up and the
// date completed first, as leaving their fields does. False when the lookup opened the
// employee list for a choice: nothing is saved then.
bool Kins::completeKey() {
    if (m_eafm->text() != m_lookedUpAfm && lookUpEmployee())
        return false;
    if (!m_kdate->text().trimmed().isEmpty())
        CompleteDateField(m_kdate);
    return true;
}

void Kins::remove() {
    const MsgAnswer answer = ShowBox(QStringLiteral("Διαγραφή Κίνησης"),
                                     QStringLiteral("ΠΡΟΣΟΧΗ !!!\r\n\r\nΝα διαγραφή η εγγραφή."),
                                     MsgIcon::Critical, MsgButtons::YesNo, MsgAnswer::No);
    if (answer == MsgAnswer::Yes) {
        const RecordSave deleted = RecordSave::from(DeleteEntry(m_read));
        if (deleted.outcome == RecordSave::Changed) {
            ShowSaveRefusal(deleted);
            lookUpEntry();
            return;
        }
        if (deleted.outcome == RecordSave::Gone)
            ShowSaveRefusal(deleted);
        else if (deleted.outcome != RecordSave::Saved)
            ShowDatabaseError(deleted.status);
    }
    clear();
}

void Kins::clear() {
    m_eafm->clear();
    m_korario->clear();
    m_kparat->clear();
    showEmployee({}, {});
    m_lastSub->clear();
    m_kdate->setText(ScreenDate(Program.WorkDate));
    setMode(EntryMode::Insert);
    for (QWidget* control :
         {static_cast<QWidget*>(m_eafm), static_cast<QWidget*>(m_find[0]), static_cast<QWidget*>(m_kdate),
          static_cast<QWidget*>(m_find[1]), static_cast<QWidget*>(m_cal)})
        control->setEnabled(true);
    m_eafm->setFocus();
}
