#include "logic/core/program/Messages.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

struct CatalogueEntry {
    QString title;
    QString text;
    // Fixed lines that follow the caller's context (entry 62).
    QString tail;
    MsgIcon icon;
    // Composed entries append the company and employee of the caller.
    bool composed;
};

// The numbered warnings, shared with the sibling programs of the family: most numbers are
// never shown by this program, but a number means the same text everywhere.
// A table, one message an entry: its length says nothing of its complexity.
// NOLINTNEXTLINE(readability-function-size)
const QHash<int, CatalogueEntry>& catalogue() {
    static const QHash<int, CatalogueEntry> entries = {
        {1, {u"ΠΡΟΣΟΧΗ !!!"_s, u"To αρχείο συστήματος δεν υπάρχει."_s, u""_s, MsgIcon::Critical, false}},
        {2, {u"ΠΡΟΣΟΧΗ !!!"_s, u"To αρχείο συστήματος χρησιμοποιείται."_s, u""_s, MsgIcon::Critical, false}},
        {3,
         {u"ΠΡΟΣΟΧΗ !!!"_s, u"Πρόβλημα στο αρχείο συστήματος\r\nΛάθος = "_s, u""_s, MsgIcon::Critical,
          false}},
        {7, {u"ΠΡΟΣΟΧΗ !!!"_s, u"Η εγγραφή υπάρχει ήδη."_s, u""_s, MsgIcon::Information, false}},
        {8, {u"ΠΡΟΣΟΧΗ !!!"_s, u"Η εγγραφή δεν υπάρχει."_s, u""_s, MsgIcon::Critical, false}},
        {9, {u"ΠΡΟΣΟΧΗ !!!"_s, u"Υπέρβαση 10.000 σελίδων."_s, u""_s, MsgIcon::Critical, false}},
        {10, {u"ΠΡΟΣΟΧΗ !!!"_s, u"To αρχείο δεν υπάρχει."_s, u""_s, MsgIcon::Critical, false}},
        {11, {u"ΠΡΟΣΟΧΗ !!!"_s, u"Λανθασμένα ή ελλειπή στοιχεία."_s, u""_s, MsgIcon::Information, false}},
        {12,
         {u"ΠΡΟΣΟΧΗ !!!"_s, u"H εγγραφή έχει τροποποιηθεί από άλλο χρήστη."_s, u""_s, MsgIcon::Critical,
          false}},
        {14,
         {u"ΠΡΟΣΟΧΗ"_s, u"Δεν επιτρέπεται μεταβολή-διαγραφή της εγγραφής"_s, u""_s, MsgIcon::Information,
          false}},
        {15, {u"ΠΡΟΣΟΧΗ"_s, u"Μεγάλο όνομα αρχείου."_s, u""_s, MsgIcon::Information, false}},
        {16, {u"ΠΡΟΣΟΧΗ"_s, u"Το αρχείο δεν μπορεί να φορτωθεί."_s, u""_s, MsgIcon::Critical, false}},
        {17, {u"ΠΡΟΣΟΧΗ"_s, u"Αόριστες παράμετροι έτους εργασίας."_s, u""_s, MsgIcon::Critical, false}},
        {18, {u"ΠΡΟΣΟΧΗ"_s, u"Δεν υπάρχουν εγγραφές."_s, u""_s, MsgIcon::Information, false}},
        {19,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Ελλειπή μισθολογικά στοιχεία.\r\nΤο πρόγραμμα δεν μπορεί να βρει αποδοχές είτε στο ιστορικό του εργαζόμενου είτε στα στοιχεία της σύμβασης."_s,
          u""_s, MsgIcon::Information, true}},
        {20, {u"ΠΡΟΣΟΧΗ"_s, u"Υπέρβαση 59 κινήσεων Α.Π.Δ."_s, u""_s, MsgIcon::Critical, true}},
        {21, {u"ΠΡΟΣΟΧΗ"_s, u"Υπέρβαση 12 περιόδων υπολογισμού."_s, u""_s, MsgIcon::Critical, true}},
        {22, {u"ΠΡΟΣΟΧΗ"_s, u"Δεν υπάρχει η κίνηση ανάλυσης επιμερισμών."_s, u""_s, MsgIcon::Critical, true}},
        {23, {u"ΠΡΟΣΟΧΗ"_s, u"Ο εργαζόμενος προσλήφθηκε αυτό το μήνα."_s, u""_s, MsgIcon::Information, true}},
        {24,
         {u"Φύλαξη-Φόρτωση Αρχείων"_s, u"ΠΡΟΣΟΧΗ!!!\r\nΚλείστε ΟΛΕΣ τις ενεργές εργασίες."_s, u""_s,
          MsgIcon::Critical, false}},
        {25,
         {u"Φύλαξη-Φόρτωση Αρχείου"_s, u"ΠΡΟΣΟΧΗ !!!\r\nΟ δίσκος δεν είναι διαθέσιμος."_s, u""_s,
          MsgIcon::Critical, false}},
        {26,
         {u"Φύλαξη Αρχείου"_s,
          u"ΠΡΟΣΟΧΗ !!!\r\nTo μέγεθος του αρχείου είναι μεγαλύτερο από τον ελεύθερο χωρό του δίσκου."_s,
          u""_s, MsgIcon::Critical, false}},
        {27,
         {u"Φύλαξη-Φόρτωση Αρχείου"_s, u"H εργασία εκτελέστηκε κανονικά."_s, u""_s, MsgIcon::Information,
          false}},
        {28,
         {u"Φόρτωση Αρχείου"_s, u"ΠΡΟΣΟΧΗ !!!\r\nΤο BackUp του αρχείου δεν υπάρχει."_s, u""_s,
          MsgIcon::Information, false}},
        {29,
         {u"Φύλαξη-Φόρτωση Αρχείου"_s, u"ΠΡΟΣΟΧΗ !!!\r\nTo αρχείο χρησιμοποιείται."_s, u""_s,
          MsgIcon::Critical, false}},
        {30, {u"ΠΡΟΣΟΧΗ"_s, u"Η κίνηση υπάρχει σε άλλο μήνα."_s, u""_s, MsgIcon::Information, true}},
        {31, {u"ΠΡΟΣΟΧΗ"_s, u"Υπερβαση 232 χαρακτήρων μήκους εκτύπωσης."_s, u""_s, MsgIcon::Warning, false}},
        {32,
         {u"ΠΡΟΣΟΧΗ"_s, u"Το προγραμμά σας δεν υποστηρίζει περισσότερους χρήστες."_s, u""_s,
          MsgIcon::Information, false}},
        {33,
         {u"ΠΡΟΣΟΧΗ"_s, u"Δεν επιτρέπονται μεταβολές στο επιλεγμένο διάστημα."_s, u""_s, MsgIcon::Warning,
          false}},
        {34, {u"ΠΡΟΣΟΧΗ"_s, u"Ο εργαζόμενος αλλάζει κλίμακα."_s, u""_s, MsgIcon::Information, true}},
        {35,
         {u"ΠΡΟΣΟΧΗ"_s, u"Ο εργαζόμενος αποχώρησε αυτό το μήνα.\r\nΕλέγξτε τις ΗΜΕΡΕΣ εργασίας του μήνα."_s,
          u""_s, MsgIcon::Information, true}},
        {36, {u"ΠΡΟΣΟΧΗ"_s, u"Η εταιρεία δεν έχει οικοδομικά."_s, u""_s, MsgIcon::Information, false}},
        {37, {u"ΠΡΟΣΟΧΗ"_s, u"Δεν έχετε επιλέξει εταιρεία."_s, u""_s, MsgIcon::Information, false}},
        {38, {u"ΠΡΟΣΟΧΗ"_s, u"Ο εργαζόμενος δεν είναι οικοδόμος."_s, u""_s, MsgIcon::Information, false}},
        {39, {u"ΠΡΟΣΟΧΗ"_s, u"Λάθος ημερομηνιακά διαστήματα."_s, u""_s, MsgIcon::Critical, false}},
        {40, {u"ΠΡΟΣΟΧΗ"_s, u"Λάθος ημερομηνιακό διαστήμα ασθένειας."_s, u""_s, MsgIcon::Critical, false}},
        {41,
         {u"ΠΡΟΣΟΧΗ"_s, u"Υπέρβαση μέγιστων ασφαλιστικών ημερών/μήνα."_s, u""_s, MsgIcon::Information, true}},
        {42, {u"ΠΡΟΣΟΧΗ"_s, u"Υπέρβαση 3 ημερών ασθενείας."_s, u""_s, MsgIcon::Information, true}},
        {43, {u"ΠΡΟΣΟΧΗ"_s, u"Η εγγραφή του αρχείου ολοκληρώθηκε."_s, u""_s, MsgIcon::Information, false}},
        {44,
         {u"ΠΡΟΣΟΧΗ"_s, u"Πρέπει να αλλάξετε πίνακα σύμβασης στον εργαζόμενο."_s, u""_s, MsgIcon::Information,
          true}},
        {45,
         {u"ΠΡΟΣΟΧΗ"_s, u"Δεν έχετε ορίσει τo αρχείο backup του SqlServer."_s, u""_s, MsgIcon::Critical,
          false}},
        {46, {u"ΠΡΟΣΟΧΗ"_s, u"Η ημερομηνία αποχώρησης υπάρχει ήδη."_s, u""_s, MsgIcon::Critical, false}},
        {47,
         {u"ΠΡΟΣΟΧΗ"_s, u"Η ημερομηνία έναρξης σύμβασης προγενέστερη της ημερομηνίας πρόσληψης."_s, u""_s,
          MsgIcon::Information, false}},
        {48,
         {u"ΠΡΟΣΟΧΗ"_s, u"Πολύ μεγάλη προυπηρεσία εταιρείας (σχέση ημερομηνιών πρόσληψης και συστήματος)."_s,
          u""_s, MsgIcon::Information, false}},
        {49,
         {u"ΠΡΟΣΟΧΗ"_s, u"Ημερομηνία συστήματος εκτος ορίων προσλήψεων."_s, u""_s, MsgIcon::Critical, false}},
        {50, {u"ΠΡΟΣΟΧΗ"_s, u"Η εταιρεία δεν είναι ενεργή."_s, u""_s, MsgIcon::Warning, false}},
        {51, {u"ΠΡΟΣΟΧΗ"_s, u"Η περιγραφή του αρχείου δεν υπάρχει."_s, u""_s, MsgIcon::Warning, false}},
        {52,
         {u"ΠΡΟΣΟΧΗ"_s, u"Υπάρχουν εγγραφές διαφορετικού έτους/μήνα από το οριζόμενο διάστημα."_s, u""_s,
          MsgIcon::Warning, false}},
        {53, {u"ΠΡΟΣΟΧΗ"_s, u"Υπάρχουν βάρδιες χωρίς εργαζόμενους."_s, u""_s, MsgIcon::Warning, false}},
        {54, {u"ΠΡΟΣΟΧΗ"_s, u"Επανάλυψη εργαζόνενου μεταξύ βαρδιών."_s, u""_s, MsgIcon::Warning, false}},
        {55, {u"ΠΡΟΣΟΧΗ"_s, u"Επανάλυψη εργαζόνενου στην ίδια βάρδια."_s, u""_s, MsgIcon::Warning, false}},
        {56,
         {u"Διαγραφή Κινήσεων"_s, u"Η διαγραφή εκτελέστηκε κανονικά."_s, u""_s, MsgIcon::Information, false}},
        {57,
         {u"Ανάπτυξη Ωραρίων"_s, u"Ο εργαζόμενος δεν ανήκει στα κυλιόμενα ωράρια."_s, u""_s,
          MsgIcon::Information, false}},
        {58,
         {u"ΠΡΟΣΟΧΗ"_s, u"Η αδεια παραμονής του εργαζόμενου έχει λήξει."_s, u""_s, MsgIcon::Information,
          true}},
        {59,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"H αλλαγή των ημερομηνίων πρόσληψης και έναρξης ισχύος της\r\nσύμβασης αλλάζει το διάστημα υπολογισμού της\r\nπρουπηρεσίας του εργαζόμενου στην εταιρεία."_s,
          u""_s, MsgIcon::Critical, false}},
        {60,
         {u"ΠΡΟΣΟΧΗ"_s, u"Η αδεια παραμονής του εργαζόμενου λίγει τον επόμενο μήνα."_s, u""_s,
          MsgIcon::Information, true}},
        {61, {u"ΠΡΟΣΟΧΗ"_s, u"Δεν επιτρέπεται η διαγραφή."_s, u""_s, MsgIcon::Information, false}},
        {62,
         {u"ΠΡΟΣΟΧΗ"_s, u"Υπαρχουν αρνητικές εισφορές."_s,
          u"\r\n1.Πρεπει να διαγραφεί αυτή η κίνηση.\r\n2.Να επανυπολογιστεί η κίνηση αδείας ή τακτικών που υπάρχει ήδη.\r\n3.Να ξανακαταχωρηθεί η κίνηση αυτή."_s,
          MsgIcon::Critical, true}},
        {63,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"H ημερομηνια λήξης του προγράμματος επιδότησης\r\nΠΡΕΠΕΙ να συμφωνεί με την ημερομηνία αποχώρησης."_s,
          u""_s, MsgIcon::Critical, false}},
        {64,
         {u"ΠΡΟΣΟΧΗ"_s, u"To ωράριο εργασίας ΠΡΕΠΕΙ να είναι πραγματικό λόγω των προγραμμάτων επιδοτήσης."_s,
          u""_s, MsgIcon::Critical, false}},
        {65, {u"ΠΡΟΣΟΧΗ"_s, u"Αλλάζουν τα ποσά των επιδοτήσεων."_s, u""_s, MsgIcon::Critical, true}},
        {66, {u"ΠΡΟΣΟΧΗ"_s, u"Ο εργαζόμενος έχει αποχώρησει."_s, u""_s, MsgIcon::Information, false}},
        {67,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Μετα την αλλαγή του ωραρίου προσέξτε τα πεδία\r\n'Ολες οι ημερες-Πληρες Ωραριο-Ημερες εργασίας/εβδομαδα' στα εργασιακά και το ιστορικό του εργαζόμενου."_s,
          u""_s, MsgIcon::Information, false}},
        {68, {u"ΠΡΟΣΟΧΗ"_s, u"Μη επιτρεπτός χαρακτηρας."_s, u""_s, MsgIcon::Information, false}},
        {69,
         {u"ΠΡΟΣΟΧΗ"_s, u"O εργαζόμενος δεν εχει ημερομηνία προσληψης."_s, u""_s, MsgIcon::Information,
          false}},
        {70,
         {u"ΠΡΟΣΟΧΗ"_s, u"O εργαζόμενος δεν εχει ιστορικό αποδοχών."_s, u""_s, MsgIcon::Information, false}},
        {71,
         {u"ΠΡΟΣΟΧΗ"_s, u"Προσέξτε το πεδίο 'Mείωσης Φόρου' (λόγω τέκνων)."_s, u""_s, MsgIcon::Information,
          false}},
        {72,
         {u"ΠΡΟΣΟΧΗ"_s, u"Δεν υπάρχουν πεδία από εργαζόμενους ή κινήσεις."_s, u""_s, MsgIcon::Information,
          false}},
        {73,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Η έκδοση των αρχείων είναι διαφορετική από αυτή του προγράμματος. (1.01)\r\nΕπικοινωνήστε με τη Tavrinex."_s,
          u""_s, MsgIcon::Critical, false}},
        {74, {u"ΠΡΟΣΟΧΗ"_s, u"Πρέπει να αλλάξετε την προυπηρεσία."_s, u""_s, MsgIcon::Critical, false}},
        {75,
         {u"ΠΡΟΣΟΧΗ"_s, u"Ο τύπος της υπερωρίας είναι ασυμπλήρωτος."_s, u""_s, MsgIcon::Information, false}},
        {76,
         {u"ΠΡΟΣΟΧΗ"_s, u"Το διάστημα ωρών της υπερωρίας είναι ασυμπλήρωτο."_s, u""_s, MsgIcon::Information,
          false}},
        {77,
         {u"ΠΡΟΣΟΧΗ"_s, u"Υπαρχει διαφορά μεταξύ ωρών υπερωριών και ημερήσιων υπερωριών."_s, u""_s,
          MsgIcon::Information, false}},
        {78,
         {u"ΠΡΟΣΟΧΗ"_s, u"Δεν εχετε καταχωρήσει υπερωρίες στο πρόγραμμα ημερήσιων υπερωριών."_s, u""_s,
          MsgIcon::Information, false}},
        {79,
         {u"ΠΡΟΣΟΧΗ"_s, u"Θα εφαρμοστεί η Εγκύκλιος 849/13.6.83 για τον υπολογισμό ΕΑ και άδειας."_s, u""_s,
          MsgIcon::Information, false}},
        {80, {u"ΠΡΟΣΟΧΗ"_s, u"Υπέρβαση 2 υπερωριών / μέρα."_s, u""_s, MsgIcon::Information, false}},
        {81,
         {u"ΠΡΟΣΟΧΗ !!!"_s, u"Λανθασμένα ή ελλειπή στοιχεία έργου."_s, u""_s, MsgIcon::Information, false}},
        {82,
         {u"ΠΡΟΣΟΧΗ !!!"_s, u"Λανθασμένα ή ελλειπή στοιχεία υπόχρεου."_s, u""_s, MsgIcon::Information,
          false}},
        {83,
         {u"ΠΡΟΣΟΧΗ"_s, u"Βρίσκεστε σε μεγέθυνση.Η σελίδα θα υποστεί σμίκρυνση στον εκτυπωτή."_s, u""_s,
          MsgIcon::Information, false}},
        {84, {u"ΠΡΟΣΟΧΗ"_s, u"Υπάρχει ταμείο με ΜΗΔΕΝΙΚΕΣ εισφορές."_s, u""_s, MsgIcon::Critical, false}},
        {85, {u"ΠΡΟΣΟΧΗ"_s, u"Το πλαφόν του ταμείου είναι μηδέν."_s, u""_s, MsgIcon::Critical, false}},
        {86,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Το διάστημα για την εταιρεία είναι κλειδωμένο.\r\nΞεκλειδώνει αλλάζοντας το ετος/μηνα στην 'Λειτουργία'\r\nστα στοιχεία εταιρείας ή 'Λοιπές Παράμετροι' στις παραμέτρους του έτους"_s,
          u""_s, MsgIcon::Critical, false}},
        {87, {u"ΠΡΟΣΟΧΗ"_s, u"Υπαρχει ασυμβατότητα βάσεων."_s, u""_s, MsgIcon::Critical, false}},
        {88,
         {u"ΠΡΟΣΟΧΗ"_s, u"Ημερομηνία αποχώρησης μικρότερη της τρεχουσας ημερομηνίας."_s, u""_s,
          MsgIcon::Information, false}},
        {89,
         {u"ΠΡΟΣΟΧΗ"_s, u"Οι ημέρες εργασίας/εβδομάδα είναι μηδέν."_s, u""_s, MsgIcon::Information, false}},
        {90,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Η απόλυτη προυπηρεσία ισχύει για καθηγητές ξένων γλωσσών και υπερτερεί ΟΛΩΝ των άλλων."_s, u""_s,
          MsgIcon::Information, false}},
        {91,
         {u"ΠΡΟΣΟΧΗ"_s, u"Πολύ μεγάλος αριθμός εργαζομένων.Προσπαθήστε με μικρότερα όρια."_s, u""_s,
          MsgIcon::Critical, false}},
        {92, {u"ΠΡΟΣΟΧΗ"_s, u"Δεν έχετε επιλέξει υποκατάστημα."_s, u""_s, MsgIcon::Critical, false}},
        {93, {u"ΠΡΟΣΟΧΗ"_s, u"Το υποκατάστημα είναι ανενεργό."_s, u""_s, MsgIcon::Critical, false}},
        {94, {u"ΠΡΟΣΟΧΗ"_s, u"Δεν έχετε επιλέξει εργαζόμενο."_s, u""_s, MsgIcon::Critical, false}},
        {95,
         {u"ΠΡΟΣΟΧΗ"_s, u"Υπάρχουν διαφορές στις επιδοτήσεις ΟΑΕΔ κίνησης-ΑΠΔ."_s, u""_s, MsgIcon::Critical,
          false}},
        {96,
         {u"ΠΡΟΣΟΧΗ"_s, u"Ημερομηνία πρόσληψης μεγαλύτερη της τρεχουσας ημερομηνίας."_s, u""_s,
          MsgIcon::Information, false}},
        {97,
         {u"ΠΡΟΣΟΧΗ"_s, u"Ημερομηνία προειδοποίησης μεγαλύτερη της ημερομηνίας απόλυσης."_s, u""_s,
          MsgIcon::Information, false}},
        {98,
         {u"ΠΡΟΣΟΧΗ"_s, u"Ημερομηνία προειδοποίησης πολυ προγενέστερη της ημερομηνίας απόλυσης."_s, u""_s,
          MsgIcon::Information, false}},
        {99,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Δεν έχουν καταχωρηθεί τα ηλεκτρονικά στοχιεία του εργαζόμενου στην καρτέλλα 'Αναγνώριση' και στο πλήκτρο 'Ηλεκτ.Στ.'."_s,
          u""_s, MsgIcon::Information, false}},
        {100,
         {u"ΠΡΟΣΟΧΗ"_s, u"Καταχωρείτε ΤΕΚΜΑΡΤΟ ενοίκιο στον εργαζόμενο."_s, u""_s, MsgIcon::Information,
          false}},
        {101,
         {u"ΠΡΟΣΟΧΗ"_s, u"Τα στοιχεία του Πίνακα Προσωπικού θα στάλουν με ημερομηνία "_s, u""_s,
          MsgIcon::Information, false}},
        {102,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Πρέπει να στείλετε σύμβαση μερικής απασχόλησης στο ΥΕΚΑ εντός 8 ημερών και Πίνακα Προσωπικού εντός 2 ηνερών."_s,
          u""_s, MsgIcon::Information, false}},
        {103,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Πρέπει να στείλετε αναγγελία πρόσληψης και πίνακα προσωπικού μέχρι την ημερομηνία πρόσληψης."_s,
          u""_s, MsgIcon::Information, false}},
        {104,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Πρέπει να στείλετε καταγγελία συμβασης (η οικοιοθελή αποχώρηση) εντός 8 ημερών από την προειδοποίηση ή την αποχώρηση (αν δεν υπάρχει προειδοποίηση)"_s,
          u""_s, MsgIcon::Information, false}},
        {105,
         {u"ΠΡΟΣΟΧΗ"_s, u"Πρέπει να στείλετε Πίνακα Προσωπικού εντός 15 ημερών"_s, u""_s,
          MsgIcon::Information, false}},
        {106,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"To Backup δεν μπορεί να δημιουργηθεί.\r\nΒεβαιωθείται οτι ΔΕΝ υπάρχει άλλος χρήστης συνδεδεμένος στο πρόγραμμα."_s,
          u""_s, MsgIcon::Information, false}},
        {107,
         {u"ΠΡΟΣΟΧΗ"_s, u"Δεν υπάρχουν ενεργοί μισθωτοί εργαζόμενοι για τον επόμενο μήνα."_s, u""_s,
          MsgIcon::Information, false}},
        {108,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Ανύπαρκτα στοιχεία αποστολής (UserName,Password).\r\nΑυτά συμπληρώνονται στην εργασία 'Παράμετροι Σύνδεσης' στις βοηθητικές εργασίες."_s,
          u""_s, MsgIcon::Critical, false}},
        {109,
         {u"ΠΡΟΣΟΧΗ"_s,
          u"Δεν μπορείτε να στείλετε Email, υπάρχουν περισσότερες απο μία εταιρείες στην εκτύπωση."_s, u""_s,
          MsgIcon::Critical, false}},
    };
    return entries;
}

const QString LineBreak = u"\r\n"_s;

} // namespace

std::optional<MessageBox> CatalogueMessage(int number, const QString& company, const QString& employee,
                                           int extra) {
    const auto found = catalogue().constFind(number);
    if (found == catalogue().constEnd())
        return std::nullopt;
    const CatalogueEntry& entry = *found;
    MessageBox box;
    box.number = number;
    box.title = entry.title;
    box.icon = entry.icon;
    box.buttons = MsgButtons::Ok;
    QString text = entry.text;
    switch (number) {
    case 3:
        text += QString::number(extra);
        break;
    case 18:
        text = company + text;
        break;
    case 101:
        text += Program.WorkDate.toString(u"dd/MM/yyyy"_s);
        break;
    default:
        break;
    }
    if (entry.composed) {
        if (!company.isEmpty())
            text += LineBreak + u"Εταιρεία    : "_s + company;
        if (!employee.isEmpty())
            text += LineBreak + u"Εργ/μενος : "_s + employee;
        if (number == 30 && extra != 0)
            text += LineBreak + u"Κινηση      : "_s + QString::number(extra);
    }
    text += entry.tail;
    box.text = text;
    return box;
}

void ShowMsg(int number, const QString& company, const QString& employee, int extra) {
    if (const std::optional<MessageBox> box = CatalogueMessage(number, company, employee, extra))
        Services::dialogs().message(*box);
}
