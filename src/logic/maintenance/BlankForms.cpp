#include "logic/maintenance/BlankForms.h"

#include "logic/core/program/ProgramValues.h"

#include <algorithm>

using namespace Qt::StringLiterals;

const QList<BlankFormEntry>& BlankFormList() {
    static const QList<BlankFormEntry> forms = {
        {u"Προσωρινή Δήλωση Φόρου"_s, u"Pros.jpg"_s, false, u"Προσωρινή Δήλωση Φόρου"_s},
        {u"Οριστική Δήλωση Μισθωτων"_s, u"Orist.jpg"_s, false, u"Οριστική Δήλωση Μισθωτών"_s},
        {u"Οριστική Δήλωση Ελευθ.Επαγγ."_s, u"E20.jpg"_s, false,
         u"Οριστική Δήλωση Ελευθέρων Επαγγελματιών"_s},
        {u"Οριστική Δήλωση Εμπορ.Επιχ."_s, u"E21.jpg"_s, false, u"Οριστική Δήλωση Εμπορικών Επιχειρήσεων"_s},
        {u"Απόδοση Φόρου Απολυομένων-Σελιδα 1"_s, u"Apol1.jpg"_s, false,
         u"Απόδοση Φόρου Απολυομένων, σελίδα 1 από 2"_s},
        {u"Απόδοση Φόρου Απολυομένων-Σελιδα 2"_s, u"Apol2.jpg"_s, false,
         u"Απόδοση Φόρου Απολυομένων, σελίδα 2 από 2"_s},
        {u"Βεβαιώσεις Αποδοχών Μισθωτων"_s, u"BebApod.jpg"_s, false, u"Βεβαίωση Αποδοχών Μισθωτών"_s},
        {u"Βεβαιώσεις Αποδοχών Λοιπων"_s, u"BebRst.jpg"_s, false, u"Βεβαίωση Αποδοχών Λοιπών"_s},
        {u"Πίνακας Προσωπικού"_s, u"PinPros.jpg"_s, true, u"Πίνακας Προσωπικού"_s},
        {u"Κατάσταση Επιδοτήσεων Εισφορών ΟΑΕΔ"_s, u"Epid.jpg"_s, true,
         u"Κατάσταση Επιδοτήσεων Εισφορών ΟΑΕΔ"_s},
        {u"Βεβαίωση Απόλυσης Ορισμένου Χρόνου"_s, u"Bebeosi.jpg"_s, false,
         u"Βεβαίωση Απόλυσης Ορισμένου Χρόνου"_s},
        {u"Γνωστοποίηση Ορων Ατομικής Σύμβασης Εργασίας"_s, u"AtomSymb.jpg"_s, false,
         u"Γνωστοποίηση Όρων Ατομικής Σύμβασης Εργασίας"_s},
        {u"Αναγγελια Οικειοθελούς Αποχώρησης"_s, u"Anagelia.jpg"_s, true,
         u"Αναγγελία Οικειοθελούς Αποχώρησης"_s},
        {u"Αναγγελία Πρόσληψης"_s, u"Oaed.jpg"_s, true, u"Αναγγελία Πρόσληψης"_s},
        {u"Καταγγελία Σύμβασης Εργασίας"_s, u"Katagelia.jpg"_s, false, u"Καταγγελία Σύμβασης Εργασίας"_s},
        {u"Στοιχεία Εργαζόμενου 1"_s, u"ErgDat1.jpg"_s, false, u"Στοιχεία Εργαζομένου, σελίδα 1 από 3"_s},
        {u"Στοιχεία Εργαζόμενου 2"_s, u"ErgDat2.jpg"_s, false, u"Στοιχεία Εργαζομένου, σελίδα 2 από 3"_s},
        {u"Στοιχεία Εργαζόμενου 3"_s, u"ErgDat3.jpg"_s, true, u"Στοιχεία Εργαζομένου, σελίδα 3 από 3"_s},
        {u"Οροι ατομικής σύμβασης εργασίας μερικής απασχόλησης"_s, u"Meriki.jpg"_s, false,
         u"Όροι Ατομικής Σύμβασης Εργασίας Μερικής Απασχόλησης"_s},
        {u"Αίτηση Απογραφής Ασφαλισμένου-Σελιδα 1"_s, u"ApogAsf1.jpg"_s, false,
         u"Αίτηση Απογραφής Ασφαλισμένου, σελίδα 1 από 2"_s},
        {u"Αίτηση Απογραφής Ασφαλισμένου-Σελιδα 2"_s, u"ApogAsf2.jpg"_s, false,
         u"Αίτηση Απογραφής Ασφαλισμένου, σελίδα 2 από 2"_s},
        {u"Αίτηση για χορήγηση βεβαίωσης μη οφειλής"_s, u"BebNoOf.jpg"_s, false,
         u"Αίτηση για Χορήγηση Βεβαίωσης μη Οφειλής"_s},
        {u"Αίτηση Απογραφή Εργοδότη-Σελίδα 1"_s, u"ApogErg1.jpg"_s, false,
         u"Αίτηση Απογραφής Εργοδότη, σελίδα 1 από 4"_s},
        {u"Αίτηση Απογραφή Εργοδότη-Σελίδα 2"_s, u"ApogErg2.jpg"_s, false,
         u"Αίτηση Απογραφής Εργοδότη, σελίδα 2 από 4"_s},
        {u"Αίτηση Απογραφή Εργοδότη-Σελίδα 3"_s, u"ApogErg3.jpg"_s, false,
         u"Αίτηση Απογραφής Εργοδότη, σελίδα 3 από 4"_s},
        {u"Αίτηση Απογραφή Εργοδότη-Σελίδα 4"_s, u"ApogErg4.jpg"_s, false,
         u"Αίτηση Απογραφής Εργοδότη, σελίδα 4 από 4"_s},
        {u"Ειδικο Βιβλίο Υπερωριών"_s, u"Yperor.jpg"_s, false, u"Ειδικό Βιβλίο Υπερωριών"_s},
        {u"Επιδότηση Ημερομισθίου"_s, u"EpidHm.jpg"_s, false, u"Επιδότηση Ημερομισθίου"_s},
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

namespace {
// From a whole page on a small window to twice the picture's own pixels.
constexpr double SmallestScale = 0.1;
constexpr double LargestScale = 2.0;
constexpr double ZoomStep = 1.25;
} // namespace

double FitToWidthScale(int pictureWidth, int viewportWidth) {
    if (pictureWidth <= 0 || viewportWidth <= 0)
        return 1.0;
    return std::clamp(double(viewportWidth) / pictureWidth, SmallestScale, LargestScale);
}

double ZoomedIn(double scale) {
    return std::min(scale * ZoomStep, LargestScale);
}

double ZoomedOut(double scale) {
    return std::max(scale / ZoomStep, SmallestScale);
}
