#include "logic/maintenance/BlankForms.h"

#include "logic/core/program/ProgramValues.h"

#include <cmath>

using namespace Qt::StringLiterals;

const QList<BlankFormEntry>& BlankFormList() {
    static const QList<BlankFormEntry> forms = {
        {u"Προσωρινή Δήλωση Φόρου"_s, u"Pros.jpg"_s},
        {u"Οριστική Δήλωση Μισθωτων"_s, u"Orist.jpg"_s},
        {u"Οριστική Δήλωση Ελευθ.Επαγγ."_s, u"E20.jpg"_s},
        {u"Οριστική Δήλωση Εμπορ.Επιχ."_s, u"E21.jpg"_s},
        {u"Απόδοση Φόρου Απολυομένων-Σελιδα 1"_s, u"Apol1.jpg"_s},
        {u"Απόδοση Φόρου Απολυομένων-Σελιδα 2"_s, u"Apol2.jpg"_s},
        {u"Βεβαιώσεις Αποδοχών Μισθωτων"_s, u"BebApod.jpg"_s},
        {u"Βεβαιώσεις Αποδοχών Λοιπων"_s, u"BebRst.jpg"_s},
        {u"Πίνακας Προσωπικού"_s, u"PinPros.jpg"_s, true},
        {u"Κατάσταση Επιδοτήσεων Εισφορών ΟΑΕΔ"_s, u"Epid.jpg"_s, true},
        {u"Βεβαίωση Απόλυσης Ορισμένου Χρόνου"_s, u"Bebeosi.jpg"_s},
        {u"Γνωστοποίηση Ορων Ατομικής Σύμβασης Εργασίας"_s, u"AtomSymb.jpg"_s},
        {u"Αναγγελια Οικειοθελούς Αποχώρησης"_s, u"Anagelia.jpg"_s, true},
        {u"Αναγγελία Πρόσληψης"_s, u"Oaed.jpg"_s, true},
        {u"Καταγγελία Σύμβασης Εργασίας"_s, u"Katagelia.jpg"_s},
        {u"Στοιχεία Εργαζόμενου 1"_s, u"ErgDat1.jpg"_s},
        {u"Στοιχεία Εργαζόμενου 2"_s, u"ErgDat2.jpg"_s},
        {u"Στοιχεία Εργαζόμενου 3"_s, u"ErgDat3.jpg"_s, true},
        {u"Οροι ατομικής σύμβασης εργασίας μερικής απασχόλησης"_s, u"Meriki.jpg"_s},
        {u"Αίτηση Απογραφής Ασφαλισμένου-Σελιδα 1"_s, u"ApogAsf1.jpg"_s},
        {u"Αίτηση Απογραφής Ασφαλισμένου-Σελιδα 2"_s, u"ApogAsf2.jpg"_s},
        {u"Αίτηση για χορήγηση βεβαίωσης μη οφειλής"_s, u"BebNoOf.jpg"_s},
        {u"Αίτηση Απογραφή Εργοδότη-Σελίδα 1"_s, u"ApogErg1.jpg"_s},
        {u"Αίτηση Απογραφή Εργοδότη-Σελίδα 2"_s, u"ApogErg2.jpg"_s},
        {u"Αίτηση Απογραφή Εργοδότη-Σελίδα 3"_s, u"ApogErg3.jpg"_s},
        {u"Αίτηση Απογραφή Εργοδότη-Σελίδα 4"_s, u"ApogErg4.jpg"_s},
        {u"Ειδικο Βιβλίο Υπερωριών"_s, u"Yperor.jpg"_s},
        {u"Επιδότηση Ημερομισθίου"_s, u"EpidHm.jpg"_s},
    };
    return forms;
}

QString BlankFormPicture(int index) {
    if (index < 0 || index >= BlankFormList().size())
        return {};
    return AppFile(BlankFormList().at(index).file);
}

QSize BlankFormsWindowTwips(int screenWidthTwips) {
    return screenWidthTwips == 12000 ? QSize(9800, 7300) : QSize(12800, 8900);
}

bool LargeFontsScreen(double logicalDotsPerInch) {
    return logicalDotsPerInch > 0 && std::lround(1440 / logicalDotsPerInch) == 12;
}
