#include "logic/internet/SubmitCommand.h"

#include "logic/core/commandline/Console.h"
#include "logic/core/database/Database.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/internet/ApiEntries.h"
#include "logic/internet/ApiSettings.h"
#include "logic/internet/ApiSubmission.h"
#include "logic/internet/ApiTexts.h"
#include "logic/internet/SubmissionRecords.h"

#include <QEventLoop>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

constexpr int AfmLength = 14;
const QString From = u"from"_s;
const QString To = u"to"_s;
const QString AfmFrom = u"afm-from"_s;
const QString AfmTo = u"afm-to"_s;
const QString Mask = u"mask"_s;
const QString DryRun = u"dry-run"_s;
const QString Out = u"out"_s;

// The selection of the command line, or the status of the first value it cannot take.
std::optional<BatchSelection> ReadSelection(const CommandCall& call, int* status) {
    BatchSelection selection;
    for (const QString& option : {From, To}) {
        if (!call.parser.isSet(option)) {
            *status = call.badArgument(u"Η εντολή submit θέλει τις ημερομηνίες --from και --to."_s);
            return std::nullopt;
        }
        QString text = call.parser.value(option);
        if (!CompleteDate(text, Program.WorkDate)) {
            *status = call.badArgument(u"Λανθασμένη ημερομηνία «%1» στο --%2 (ηη/μμ/εεεε)."_s.arg(
                call.parser.value(option), option));
            return std::nullopt;
        }
        (option == From ? selection.fromDate : selection.toDate) = text;
    }
    for (const QString& option : {AfmFrom, AfmTo, Mask}) {
        if (call.parser.value(option).size() > AfmLength) {
            *status = call.badArgument(u"Το --%1 έχει έως %2 χαρακτήρες."_s.arg(option).arg(AfmLength));
            return std::nullopt;
        }
    }
    selection.afmFrom = call.parser.value(AfmFrom);
    selection.afmTo = call.parser.value(AfmTo);
    selection.mask = call.parser.value(Mask);
    if (call.parser.isSet(Out) && !call.parser.isSet(DryRun)) {
        *status = call.badArgument(u"Το --out γράφει τα έντυπα μιας δοκιμής: ισχύει μόνο με --dry-run."_s);
        return std::nullopt;
    }
    return selection;
}

int WriteCalls(const QString& path, const SubmissionPlan& plan) {
    QSaveFile file(path);
    const QByteArray json = PlannedCallsJson(plan);
    if (file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit())
        return CommandDone;
    PrintError(u"Το αρχείο %1 δεν γράφτηκε: %2"_s.arg(path, file.errorString()));
    return CannotWriteFile;
}

void PrintPlan(const SubmissionPlan& plan, const QList<EarlierSubmission>& earlier) {
    PrintOut(PlanLines(plan, earlier.size()).join(u'\n'));
    if (earlier.isEmpty())
        return;
    QStringList lines{QString(), u"Έχουν ήδη υποβληθεί με το ίδιο ωράριο και δεν στέλνονται ξανά:"_s};
    for (const EarlierSubmission& submission : earlier)
        lines << u"  "_s + EarlierText(submission);
    PrintOut(lines.join(u'\n'));
}

int UnknownEarlier(const QList<EarlierSubmission>& earlier) {
    return int(std::count_if(earlier.begin(), earlier.end(), [](const EarlierSubmission& submission) {
        return submission.last.Sstate == SubmissionState::Unknown;
    }));
}

int Send(const SubmissionPlan& plan, SubmitTally tally) {
    const ApiAccount account = SelectApiAccount();
    const ApiCredentials credentials{account.user, account.password};
    if (!credentials.complete()) {
        PrintError(u"Δεν έχουν οριστεί ο χρήστης και ο κωδικός της υπηρεσίας Web Services (API): ορίστε τους "
                   u"στις «Παράμετροι Σύνδεσης» του Orva. Τίποτα δεν στάλθηκε."_s);
        return CommandFailed;
    }
    const ApiBase base = ApiBaseFromSettings();
    if (!base.ok()) {
        PrintError(base.refusal + u" Τίποτα δεν στάλθηκε."_s);
        return CommandFailed;
    }
    ApiSubmission submission(base.url, credentials, plan.documents, ApiTimingFromSettings());
    SubmissionRecorder recorder(submission);
    TerminalProgress progress(u"Αποστολή εντύπου"_s);
    QObject::connect(&submission, &ApiSubmission::progress, &submission,
                     [&progress](const QString&, int done, int total) { progress.show(done, total); });
    QObject::connect(&submission, &ApiSubmission::documentFinished, &submission, [&](int index) {
        progress.clear();
        PrintOut(OutcomeText(submission.documents().at(index), submission.outcomes().at(index)));
    });
    QEventLoop loop;
    QObject::connect(&submission, &ApiSubmission::finished, &loop, &QEventLoop::quit);
    submission.start();
    loop.exec();
    progress.clear();
    PrintOut(SubmissionResultText(submission));
    for (const DbStatus& failure : recorder.failures)
        PrintError(u"Η υποβολή δεν καταχωρήθηκε στο ιστορικό: %1"_s.arg(failure.errorText));
    tally.unknown += submission.count(DocumentOutcome::Unknown);
    tally.refused = submission.count(DocumentOutcome::Refused);
    tally.notSent = submission.count(DocumentOutcome::NotSent);
    tally.recordFailures = int(recorder.failures.size());
    return SubmitStatus(tally);
}

int runSubmit(const CommandCall& call) {
    int status = CommandDone;
    const std::optional<BatchSelection> selection = ReadSelection(call, &status);
    if (!selection)
        return status;
    const bool dryRun = call.parser.isSet(DryRun);
    if (!OpenDatabase())
        return CannotOpenDatabase;
    // Two senders on one folder could send the same entries twice.
    if (!dryRun) {
        if (const int locked = TakeDataFolderLock(); locked != CommandDone)
            return locked;
    }
    DbStatus read;
    const QList<ApiEntry> entries = ReadBatchEntries(*selection, &read);
    if (!read.ok()) {
        ShowDatabaseError(read);
        return CommandFailed;
    }
    if (entries.isEmpty()) {
        ShowMsg(18);
        return NothingFound;
    }
    SubmissionPlan plan = PlanSubmission(entries);
    const QList<EarlierSubmission> earlier = TakeEarlierSubmissions(plan, &read);
    if (!read.ok()) {
        ShowDatabaseError(read);
        return CommandFailed;
    }
    PrintPlan(plan, earlier);
    if (dryRun)
        return call.parser.isSet(Out) ? WriteCalls(call.parser.value(Out), plan) : int(CommandDone);
    SubmitTally tally;
    tally.unsendable = int(plan.unsendable.size());
    tally.unknown = UnknownEarlier(earlier);
    if (plan.empty())
        return SubmitStatus(tally);
    return Send(plan, tally);
}

} // namespace

int SubmitStatus(const SubmitTally& tally) {
    if (tally.unknown > 0)
        return UnknownOutcome;
    if (tally.refused > 0)
        return RefusedByServer;
    if (tally.notSent > 0 || tally.unsendable > 0 || tally.recordFailures > 0)
        return CommandFailed;
    return CommandDone;
}

Command SubmitCommand() {
    Command command;
    command.words = {u"submit"_s};
    command.summary = u"Αποστολή των κινήσεων μιας περιόδου μέσω της υπηρεσίας Web Services (API)."_s;
    command.details =
        u"Στέλνει στο Υπουργείο Εργασίας, μέσω της υπηρεσίας Web Services (ρύθμιση Api/Base του Orva.ini), "
        u"τις κινήσεις της περιόδου, όπως η «Ηλεκτρονική Αποστολή»: ένα έντυπο ημερήσιου ωραρίου για κάθε "
        u"υποκατάστημα. Πρώτα τυπώνει τι θα σταλεί και ποιες κινήσεις δεν μπορούν να σταλούν (με τον λόγο)· "
        u"κινήσεις που έχουν ήδη υποβληθεί με το ίδιο ωράριο δεν στέλνονται ξανά. Μετά την αποστολή τυπώνει "
        u"μία γραμμή για κάθε έντυπο με τον αριθμό πρωτοκόλλου του και τα κρατά στο «Ιστορικό Υποβολών». Ο "
        u"χρήστης και ο κωδικός API είναι αυτοί των «Παράμετροι Σύνδεσης». Τελειώνει με 0 μόνο όταν "
        u"καταχωρήθηκαν όλες οι κινήσεις· με 7 όταν η υπηρεσία απέρριψε έντυπο, με 8 όταν έντυπο στάλθηκε "
        u"χωρίς απάντηση (ελέγξτε στις e-υπηρεσίες πριν το στείλετε ξανά)."_s;
    command.options = {
        {From, u"Από ημερομηνία."_s, u"ηη/μμ/εεεε"_s},
        {To, u"Εως ημερομηνία."_s, u"ηη/μμ/εεεε"_s},
        {AfmFrom, u"Από εργαζόμενο: το πρώτο ΑΦΜ (ή η αρχή του)."_s, u"ΑΦΜ"_s},
        {AfmTo, u"Εως εργαζόμενο: το τελευταίο ΑΦΜ· παίρνει και όσα αρχίζουν από αυτό."_s, u"ΑΦΜ"_s},
        {Mask, u"Μάσκα ΑΦΜ με «*» για οποιουσδήποτε χαρακτήρες, π.χ. 12*."_s, u"μάσκα"_s},
        {DryRun, u"Μόνο δείχνει τι θα σταλεί· δεν στέλνει τίποτα."_s},
        {Out,
         u"Με --dry-run: γράφει στο αρχείο τα έντυπα ακριβώς όπως θα σταλούν (ένας πίνακας JSON με το "
         u"σώμα κάθε κλήσης)."_s,
         u"αρχείο"_s},
    };
    command.run = runSubmit;
    return command;
}
