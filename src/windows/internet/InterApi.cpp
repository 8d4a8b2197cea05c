#include "windows/internet/InterApi.h"

#include "logic/core/program/Messages.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Dialogs.h"
#include "logic/internet/ApiEntries.h"
#include "logic/internet/ApiSendingCheck.h"
#include "logic/internet/ApiSettings.h"
#include "logic/internet/ApiSubmission.h"
#include "logic/internet/ApiTexts.h"
#include "logic/records/RecordKeys.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/WindowNames.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

enum Column { DateColumn, AfmColumn, NameColumn, BranchColumn, HoursColumn, StateColumn, ColumnCount };

const QColor FailureColour(0xA0, 0x10, 0x10);
const QColor AcceptedColour(0x10, 0x60, 0x20);

QString AskAboutEarlier(const QList<EarlierSubmission>& earlier) {
    const bool unknown = std::any_of(earlier.begin(), earlier.end(), [](const EarlierSubmission& submission) {
        return submission.last.Sstate == SubmissionState::Unknown;
    });
    QStringList lines{earlier.size() == 1
                          ? u"Μία κίνηση έχει ήδη υποβληθεί με το ίδιο ωράριο:"_s
                          : u"%1 κινήσεις έχουν ήδη υποβληθεί με το ίδιο ωράριο:"_s.arg(earlier.size())};
    for (qsizetype i = 0; i < earlier.size() && i < 10; ++i)
        lines << EarlierText(earlier.at(i));
    if (earlier.size() > 10)
        lines << u"και %1 ακόμη."_s.arg(earlier.size() - 10);
    if (unknown)
        lines << QString()
              << u"Όσες σημειώθηκαν «αβέβαιη» στάλθηκαν χωρίς απάντηση: ελέγξτε πρώτα στις e-υπηρεσίες αν "
                 u"καταχωρήθηκαν."_s;
    lines << QString() << u"Να σταλούν ξανά; (Όχι: στέλνονται μόνο οι υπόλοιπες.)"_s;
    return lines.join(u"\r\n"_s);
}

} // namespace

InterApi::InterApi(QWidget* parent) : QDialog(parent) {
    setObjectName(WindowName::InterApi);
    setWindowTitle(QStringLiteral("Αποστολή μέσω Web Services (API)"));

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("Summary"));
    m_summary->setWordWrap(true);
    m_grid = new QTableWidget(0, ColumnCount, this);
    m_grid->setObjectName(QStringLiteral("Grd"));
    m_grid->setHorizontalHeaderLabels(
        {u"Ημερομηνία"_s, u"Α.Φ.Μ."_s, u"Ονοματεπώνυμο"_s, u"Υποκ."_s, u"Ωράριο"_s, u"Αποτέλεσμα"_s});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    // One line a row: a long result is cut short on screen and read whole in its tooltip.
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->hide();

    m_sendBut = new QPushButton(QStringLiteral("Αποστολή"), this);
    m_sendBut->setObjectName(QStringLiteral("SendBut"));
    m_sendBut->setToolTip(QStringLiteral("Αποστολή των κινήσεων του πίνακα στο Υπουργείο Εργασίας"));
    m_stopBut = new QPushButton(QStringLiteral("Διακοπή"), this);
    m_stopBut->setObjectName(QStringLiteral("StopBut"));
    m_stopBut->setToolTip(QStringLiteral("Δεν στέλνεται τίποτα μετά το έντυπο που φεύγει τώρα"));
    m_stopBut->hide();
    m_exitBut = new QPushButton(QStringLiteral("Εξοδος"), this);
    m_exitBut->setObjectName(QStringLiteral("ExitBut"));
    for (QPushButton* button : {m_sendBut, m_stopBut, m_exitBut})
        button->setAutoDefault(false);
    connect(m_sendBut, &QPushButton::clicked, this, &InterApi::send);
    connect(m_stopBut, &QPushButton::clicked, this, [this] {
        if (m_submission)
            m_submission->stop();
        m_stopBut->setEnabled(false);
    });
    connect(m_exitBut, &QPushButton::clicked, this, &InterApi::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addStretch();
    buttons->addWidget(m_sendBut);
    buttons->addWidget(m_stopBut);
    buttons->addWidget(m_exitBut);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    ColourForm(this);
    resize(TwipsToPixels(14400), TwipsToPixels(7000));

    DbStatus read;
    const QList<ApiEntry> entries = ReadHandedEntries(&read);
    if (!read.ok()) {
        ShowDatabaseError(read);
        m_empty = true;
    }
    m_empty = m_empty || entries.isEmpty();
    m_plan = PlanSubmission(entries);
    m_earlier = TakeEarlierSubmissions(m_plan, &read);
    fillTable();
    m_sendBut->setEnabled(!m_plan.empty() || !m_earlier.isEmpty());
}

InterApi::~InterApi() = default;

bool InterApi::sending() const {
    return m_submission && m_submission->running();
}

void InterApi::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_empty) {
        m_empty = false;
        QMetaObject::invokeMethod(
            this,
            [this] {
                ShowMsg(18);
                reject();
            },
            Qt::QueuedConnection);
    }
}

void InterApi::reject() {
    // A call on its way is waited for: its answer must be kept.
    if (sending()) {
        ShowBox(windowTitle(),
                u"Η αποστολή βρίσκεται σε εξέλιξη· πατήστε «Διακοπή» για να μη σταλεί τίποτα "
                u"μετά το έντυπο που φεύγει τώρα."_s,
                MsgIcon::Information);
        return;
    }
    QDialog::reject();
}

void InterApi::fillTable() {
    m_summary->setText(PlanSummary(m_plan, m_earlier.size()));
    m_grid->setRowCount(0);
    m_firstRow.clear();
    m_grid->setUpdatesEnabled(false);
    for (const WtoDocument& document : m_plan.documents) {
        m_firstRow << m_grid->rowCount();
        for (const PlannedDay& day : document.days)
            addRow(day.entry, day.surname + u' ' + day.firstName, PlannedHoursText(day.hours),
                   u"Θα σταλεί"_s);
    }
    for (const EarlierSubmission& earlier : m_earlier)
        addRow(earlier.day.entry, earlier.day.surname + u' ' + earlier.day.firstName,
               PlannedHoursText(earlier.day.hours), u"Έχει υποβληθεί: "_s + SubmissionSummary(earlier.last));
    for (const UnsendableEntry& unsendable : m_plan.unsendable) {
        addRow(unsendable.entry, unsendable.entry.Eepon.trimmed(), unsendable.entry.Korario.trimmed(),
               u"Δεν μπορεί να σταλεί: "_s + unsendable.reason);
        m_grid->item(m_grid->rowCount() - 1, StateColumn)->setForeground(FailureColour);
    }
    m_grid->setUpdatesEnabled(true);
    m_grid->resizeColumnsToContents();
}

void InterApi::addRow(const ApiEntry& entry, const QString& name, const QString& hours,
                      const QString& state) {
    const int row = m_grid->rowCount();
    m_grid->insertRow(row);
    const QStringList cells{
        StoredToScreenDate(entry.Kdate), entry.Eafm.trimmed(), name, entry.Eypo.trimmed(), hours, state};
    for (int column = 0; column < ColumnCount; ++column) {
        auto* item = new QTableWidgetItem(cells.at(column));
        if (column == StateColumn)
            item->setToolTip(state);
        m_grid->setItem(row, column, item);
    }
}

void InterApi::send() {
    if (sending() || m_submission)
        return;
    if (!m_earlier.isEmpty()) {
        const MsgAnswer answer = ShowBox(windowTitle(), AskAboutEarlier(m_earlier), MsgIcon::Question,
                                         MsgButtons::YesNoCancel, MsgAnswer::No);
        if (answer == MsgAnswer::Cancel)
            return;
        if (answer == MsgAnswer::Yes) {
            ReturnEarlierSubmissions(m_plan, m_earlier);
            m_earlier.clear();
            fillTable();
        }
    }
    if (m_plan.empty()) {
        m_status->setText(u"Δεν στάλθηκε καμία κίνηση."_s);
        return;
    }
    if (!ApiSendingPossible())
        return;
    const ApiAccount account = SelectApiAccount();
    m_submission = std::make_unique<ApiSubmission>(ApiBaseFromSettings().url,
                                                   ApiCredentials{account.user, account.password},
                                                   m_plan.documents, ApiTimingFromSettings());
    m_recorder = std::make_unique<SubmissionRecorder>(*m_submission);
    connect(m_submission.get(), &ApiSubmission::progress, this,
            [this](const QString& text, int done, int total) {
                if (!text.isEmpty())
                    m_status->setText(text);
                m_progress->setRange(0, total);
                m_progress->setValue(done);
            });
    connect(m_submission.get(), &ApiSubmission::documentFinished, this, &InterApi::showOutcome);
    connect(m_submission.get(), &ApiSubmission::finished, this, &InterApi::onFinished);
    m_sendBut->setEnabled(false);
    m_exitBut->setEnabled(false);
    m_stopBut->show();
    m_progress->show();
    m_submission->start();
}

void InterApi::showOutcome(int document) {
    const DocumentOutcome& outcome = m_submission->outcomes().at(document);
    const int first = m_firstRow.value(document, -1);
    if (first < 0)
        return;
    QString text = OutcomeStateText(outcome);
    if (outcome.state != DocumentOutcome::Accepted && !outcome.message.isEmpty())
        text += u": "_s + outcome.message;
    for (int row = first; row < first + m_plan.documents.at(document).days.size(); ++row) {
        QTableWidgetItem* item = m_grid->item(row, StateColumn);
        item->setText(text);
        item->setToolTip(text);
        item->setForeground(outcome.state == DocumentOutcome::Accepted ? AcceptedColour : FailureColour);
    }
}

void InterApi::onFinished() {
    m_stopBut->hide();
    m_progress->hide();
    m_exitBut->setEnabled(true);
    // The entries left out before the sending are part of the outcome: a user who reads only
    // the box must not think the whole selection went.
    QString result = SubmissionResultText(*m_submission);
    if (const QString left = UnsendableResultText(m_plan.unsendable.size()); !left.isEmpty())
        result += u' ' + left;
    m_status->setText(result);
    QStringList lines{result};
    for (int i = 0; i < m_submission->outcomes().size(); ++i)
        lines << OutcomeText(m_submission->documents().at(i), m_submission->outcomes().at(i));
    const bool allAccepted =
        m_submission->count(DocumentOutcome::Accepted) == m_submission->outcomes().size() &&
        m_plan.unsendable.isEmpty();
    ShowBox(windowTitle(), lines.join(u"\r\n"_s), allAccepted ? MsgIcon::Information : MsgIcon::Warning);
    for (const DbStatus& failure : m_recorder->failures)
        ShowBox(u"ΠΡΟΣΟΧΗ !!!"_s,
                u"Η υποβολή έγινε, αλλά δεν καταχωρήθηκε στο «Ιστορικό Υποβολών»: σημειώστε τον αριθμό "
                u"πρωτοκόλλου που φαίνεται στον πίνακα.\r\n"_s +
                    failure.errorText,
                MsgIcon::Critical);
    emit sent();
}
