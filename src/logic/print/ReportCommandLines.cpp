#include "logic/print/ReportCommandLines.h"

using namespace Qt::StringLiterals;
using namespace ReportOption;

QList<QCommandLineOption> ReportFileOptions() {
    return {
        {Format,
         u"Η μορφή του αρχείου: pdf, xlsx (Excel), docx (Word), txt (αρχείο κειμένου με σελίδες "
         u"και επικεφαλίδες) ή asc (αρχείο Import: μόνο οι γραμμές). Αν λείπει, από την κατάληξη "
         u"του αρχείου (.pdf, .xlsx, .docx, .txt)."_s,
         u"μορφή"_s},
        {Charset, u"Η κωδικοσελίδα των txt και asc: windows (1253, η αρχική) ή dos (737)."_s,
         u"κωδικοσελίδα"_s},
        {Out,
         u"Το αρχείο που γράφεται· ένα αρχείο με το ίδιο όνομα αντικαθίσταται. Με «-» η εκτύπωση "
         u"γράφεται στην τυπική έξοδο (με --format)· μια συσκευή ή ένα pipe γράφεται απευθείας."_s,
         u"αρχείο"_s},
    };
}

Command ReportEntriesCommandLine() {
    Command command;
    command.words = {u"report"_s, u"entries"_s};
    command.summary = u"Ευρετήριο Ηλεκτρονικών Αποστολών σε αρχείο."_s;
    command.details =
        u"Γράφει το ευρετήριο των κινήσεων μιας περιόδου, όπως η «Εκτύπωση Ηλεκτρονικών Αποστολών»: "
        u"για κάθε κίνηση την ημερομηνία, το ΑΦΜ και το όνομα του εργαζομένου, το ωράριο και τις "
        u"παρατηρήσεις. Οι ημερομηνίες γράφονται ηη/μμ/εεεε· μια σύντομη (05, 0511, 051126) "
        u"συμπληρώνεται από τη σημερινή, όπως στο παράθυρο."_s;
    command.options = {
        {From, u"Από ημερομηνία (σήμερα, αν λείπει)."_s, u"ηη/μμ/εεεε"_s},
        {To, u"Εως ημερομηνία (σήμερα, αν λείπει)."_s, u"ηη/μμ/εεεε"_s},
        {AfmFrom, u"Από εργαζόμενο: το πρώτο ΑΦΜ (ή η αρχή του)."_s, u"ΑΦΜ"_s},
        {AfmTo, u"Εως εργαζόμενο: το τελευταίο ΑΦΜ· παίρνει και όσα αρχίζουν από αυτό."_s, u"ΑΦΜ"_s},
        {Mask, u"Μάσκα ΑΦΜ με «*» για οποιουσδήποτε χαρακτήρες, π.χ. 12*."_s, u"μάσκα"_s},
        {Order, u"Ταξινόμηση: date (ημερομηνία, η αρχική) ή afm (ΑΦΜ εργαζομένου)."_s, u"ταξινόμηση"_s},
    };
    command.options += ReportFileOptions();
    return command;
}

Command ReportEmployeesCommandLine() {
    Command command;
    command.words = {u"report"_s, u"employees"_s};
    command.summary = u"Ευρετήριο Εργαζομένων σε αρχείο."_s;
    command.details = u"Γράφει το ευρετήριο όλων των εργαζομένων, όπως η εκτύπωση της λίστας "
                      u"εργαζομένων: ΑΦΜ, ονοματεπώνυμο και υποκατάστημα."_s;
    command.options = {
        {Order, u"Ταξινόμηση: name (ονοματεπώνυμο, η αρχική) ή afm (ΑΦΜ)."_s, u"ταξινόμηση"_s},
    };
    command.options += ReportFileOptions();
    return command;
}

Command HistoryCommandLine() {
    Command command;
    command.words = {u"history"_s};
    command.summary = u"Ιστορικό Υποβολών σε αρχείο."_s;
    command.details =
        u"Γράφει το ιστορικό των υποβολών, όπως η εκτύπωση του «Ιστορικό Υποβολών»: για κάθε κίνηση που "
        u"στάλθηκε, πότε και με ποιον τρόπο στάλθηκε (API ή σελίδα των e-υπηρεσιών), τον αριθμό πρωτοκόλλου "
        u"και την ώρα υποβολής που έδωσε η υπηρεσία και το ωράριο που στάλθηκε, τις νεότερες πρώτες. Χωρίς "
        u"επιλογές γράφει όλες τις υποβολές."_s;
    command.options = {
        {From, u"Κινήσεις από την ημερομηνία."_s, u"ηη/μμ/εεεε"_s},
        {To, u"Κινήσεις έως την ημερομηνία."_s, u"ηη/μμ/εεεε"_s},
        {Afm, u"Μόνο το ΑΦΜ (ή όσα αρχίζουν από αυτό)."_s, u"ΑΦΜ"_s},
        {Protocol, u"Μόνο ο αριθμός πρωτοκόλλου (ή όσοι αρχίζουν από αυτόν)."_s, u"πρωτόκολλο"_s},
    };
    command.options += ReportFileOptions();
    return command;
}
