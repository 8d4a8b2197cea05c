<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Ψευδώνυμο</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Μονάδα δίσκου</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Φάκελος αρχείων</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Άγνωστο</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Συντόμευση</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Αύξηση</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Μείωση</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Ορίσματα:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Άγνωστη επιλογή «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει η τιμή μετά το «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Η επιλογή «%1» δεν παίρνει τιμή.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Εμφανίζει τη βοήθεια για τις επιλογές.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Εμφανίζει την έκδοση.</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Εργασία</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Έλεγχος εργασίας</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Προγραμματισμένη εκτύπωση:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Άμεση εκτύπωση</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Αναμονή επ&apos; αόριστον</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Ημέρα (06:00 έως 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Νύχτα (18:00 έως 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Δεύτερη βάρδια (16:00 έως 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Τρίτη βάρδια (00:00 έως 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Σαββατοκύριακο (Σάββατο έως Κυριακή)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Συγκεκριμένη ώρα</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Στοιχεία χρέωσης:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Προτεραιότητα εργασίας:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Σελίδες σήμανσης</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Αρχή:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Τέλος:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Καμία</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Τυπική</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Αδιαβάθμητη</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Εμπιστευτική</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Διαβαθμισμένη</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Απόρρητη</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Άκρως απόρρητη</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Απαιτείται πιστοποίηση</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Απαιτείται πιστοποίηση για τη χρήση του %1.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Απαιτείται πιστοποίηση για τη χρήση του %1 στο %2.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Όνομα χρήστη:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Κωδικός:</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Τι είναι αυτό;</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Αρχεία</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Εμφάνιση </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>Το &apos;%1&apos; προστατεύεται από εγγραφή.
Θέλετε να διαγραφεί παρ&apos; όλα αυτά;</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Θέλετε σίγουρα να διαγραφεί το &apos;%1&apos;;</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Λίστα θέσεων και σελιδοδεικτών</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Όνομα &amp;αρχείου:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Νέος φάκελος</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Γονικός φάκελος</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Νέος φάκελος</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Αναζήτηση σε:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Αρχεία τύπου:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Εύρεση φακέλου</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Εμφάνιση &amp;κρυφών αρχείων</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Ο φάκελος δεν βρέθηκε.
Ελέγξτε ότι δώσατε το σωστό όνομα φακέλου.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Πλευρική στήλη</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Προβολή λίστας</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Επιλογή</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Φάκελοι</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Μετονομασία</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Ο φάκελος δεν διαγράφηκε.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Φάκελος:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Το %1 υπάρχει ήδη.
Θέλετε να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Εμπρός</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Μετάβαση εμπρός</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Μετάβαση στον γονικό φάκελο</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Πρόσφατες θέσεις</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Μετάβαση πίσω</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Προβολή λεπτομερειών</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Προβολή λεπτομερειών</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Το αρχείο δεν βρέθηκε.
Ελέγξτε ότι δώσατε το σωστό όνομα αρχείου.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Προβολή λίστας</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Είδος</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ημερομηνία τροποποίησης</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Ο υπολογιστής μου</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Υπολογιστής</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Πληκτρολογήστε μια τιμή:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ακύρωση αναί&amp;ρεσης</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QMdiArea</name>
    <message>
        <source>(Untitled)</source>
        <translation>(Χωρίς τίτλο)</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>Menu</source>
        <translation>Μενού</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Ελαχιστοποίηση</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ελα&amp;χιστοποίηση</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Μεγιστοποίηση</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Με&amp;γιστοποίηση</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Επαναφορά</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Μετακίνηση</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Αλλαγή μεγέθους</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Πάντα σε &amp;πρώτο πλάνο</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Τύλιγμα</translation>
    </message>
    <message>
        <source>Unshade</source>
        <translation>Ξετύλιγμα</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Λεπτομέρειες...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Απόκρυψη λεπτομερειών...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Σχετικά με το Qt</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Σχετικά με το Qt&lt;/h3&gt;&lt;p&gt;Το πρόγραμμα χρησιμοποιεί το Qt, έκδοση %1.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Χαρτί</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Μέγεθος σελίδας:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Πλάτος:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Ύψος:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Προέλευση χαρτιού:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Προσανατολισμός</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Κατακόρυφος</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Οριζόντιος</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Αντίστροφος οριζόντιος</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Αντίστροφος κατακόρυφος</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Περιθώρια</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>πάνω περιθώριο</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>αριστερό περιθώριο</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>δεξί περιθώριο</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>κάτω περιθώριο</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Διάταξη σελίδας</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Σειρά σελίδων:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Σελίδες ανά φύλλο:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Προσαρμοσμένο</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Χιλιοστά (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Ίντσες (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Στιγμές (pt)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Όχι</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Αποθήκευση όλων</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Επαναφορά προεπιλογών</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Παράβλεψη</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ναι σε ό&amp;λα</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Όχι σε όλ&amp;α</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Επιλογές &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Επιλογές &lt;&lt;</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Όλες οι σελίδες</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Μονές σελίδες</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Ζυγές σελίδες</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Εγγραφή αρχείου PDF</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Τοπικό αρχείο</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Εκτύπωση σε αρχείο (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Εκτύπωση σε αρχείο ...</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Από αριστερά προς τα δεξιά, από πάνω προς τα κάτω</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Από αριστερά προς τα δεξιά, από κάτω προς τα πάνω</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Από δεξιά προς τα αριστερά, από κάτω προς τα πάνω</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Από δεξιά προς τα αριστερά, από πάνω προς τα κάτω</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Από κάτω προς τα πάνω, από αριστερά προς τα δεξιά</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Από κάτω προς τα πάνω, από δεξιά προς τα αριστερά</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Από πάνω προς τα κάτω, από αριστερά προς τα δεξιά</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Από πάνω προς τα κάτω, από δεξιά προς τα αριστερά</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Οι επιλογές «Σελίδες ανά φύλλο» και «Σύνολο σελίδων» δεν χρησιμοποιούνται μαζί.
Απενεργοποιήστε τη μία από τις δύο.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>Το %1 υπάρχει ήδη.
Θέλετε να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Οι ρυθμίσεις διπλής όψης αντιφάσκουν. Θέλετε να τις διορθώσετε;</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Αντιφατικές ρυθμίσεις διπλής όψης</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Λανθασμένος ορισμός σελίδων</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>Το %1 δεν είναι γραμμένο σωστά. Χωρίστε σελίδες και περιοχές με &apos;,&apos;, ορίστε μια περιοχή με &apos;-&apos; και φροντίστε οι περιοχές να μην επικαλύπτονται.</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Η τιμή «Από» δεν μπορεί να είναι μεγαλύτερη από την τιμή «Έως».</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>Το %1 είναι φάκελος.
Επιλέξτε άλλο όνομα αρχείου.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Στο αρχείο %1 δεν επιτρέπεται η εγγραφή.
Επιλέξτε άλλο όνομα αρχείου.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Ιδιότητες εκτυπωτή</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Επιλογές εργασίας</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Αντιφατικές ρυθμίσεις σελίδας</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Αντιφατικές επιλογές για προχωρημένους</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Οι ρυθμίσεις σελίδας αντιφάσκουν. Θέλετε να τις διορθώσετε;</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Κάποιες επιλογές για προχωρημένους αντιφάσκουν. Θέλετε να τις διορθώσετε;</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Σελίδα</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Για προχωρημένους</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Κάποιες επιλογές αντιφάσκουν. Διορθώστε τις.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Αντίγραφα</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Αντίγραφα:</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Περιοχή εκτύπωσης</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Όλες οι σελίδες</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Σελίδες από</translation>
    </message>
    <message>
        <source>to</source>
        <translation>έως</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Σελίδες</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Τρέχουσα σελίδα</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Σελιδοποίηση αντιγράφων</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Αντίστροφη σειρά</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ρυθμίσεις εξόδου</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Χρώμα</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Έγχρωμη</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Αποχρώσεις του γκρι</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Εκτύπωση διπλής όψης</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργή</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Δέσιμο στη μεγάλη πλευρά</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Δέσιμο στη μικρή πλευρά</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Σύνολο σελίδων:</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Δώστε σελίδες ή περιοχές χωρισμένες με κόμμα. Μια περιοχή είναι δύο αριθμοί με παύλα ανάμεσα. Π.χ. το 3,5-7,9 τυπώνει τις σελίδες 3, 5, 6, 7 και 9.</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Εκτυπωτής</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>Ό&amp;νομα:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Ιδιότητες</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Θέση:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Προεπισκόπηση</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Τύπος:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Αρχείο εξόδου:</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>QSQLiteDriver</name>
    <message>
        <source>Error opening database</source>
        <translation>Σφάλμα στο άνοιγμα της βάσης δεδομένων</translation>
    </message>
    <message>
        <source>Error closing database</source>
        <translation>Σφάλμα στο κλείσιμο της βάσης δεδομένων</translation>
    </message>
    <message>
        <source>Unable to begin transaction</source>
        <translation>Η συναλλαγή δεν ξεκίνησε</translation>
    </message>
    <message>
        <source>Unable to commit transaction</source>
        <translation>Η συναλλαγή δεν ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Unable to rollback transaction</source>
        <translation>Η συναλλαγή δεν αναιρέθηκε</translation>
    </message>
</context>
<context>
    <name>QSQLiteResult</name>
    <message>
        <source>Unable to fetch row</source>
        <translation>Η γραμμή δεν διαβάστηκε</translation>
    </message>
    <message>
        <source>Unable to execute statement</source>
        <translation>Η εντολή δεν εκτελέστηκε</translation>
    </message>
    <message>
        <source>Unable to reset statement</source>
        <translation>Η εντολή δεν επανήλθε</translation>
    </message>
    <message>
        <source>Unable to bind parameters</source>
        <translation>Οι τιμές της εντολής δεν δέθηκαν</translation>
    </message>
    <message>
        <source>Parameter count mismatch</source>
        <translation>Λάθος πλήθος τιμών</translation>
    </message>
    <message>
        <source>No query</source>
        <translation>Καμία εντολή</translation>
    </message>
    <message>
        <source>Unable to execute multiple statements at a time</source>
        <translation>Δεν εκτελούνται πολλές εντολές μαζί</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Κύλιση εδώ</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Αριστερό άκρο</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Αρχή</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Δεξί άκρο</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Σελίδα αριστερά</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Σελίδα πάνω</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Σελίδα δεξιά</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Σελίδα κάτω</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Κύλιση αριστερά</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Κύλιση πάνω</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Κύλιση δεξιά</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Κύλιση κάτω</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Τι είναι αυτό;</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ακύρωση αναί&amp;ρεσης</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Αντιγραφή διεύθυνσης &amp;συνδέσμου</translation>
    </message>
</context>
<context>
    <name>QSaveFile</name>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>Το υπάρχον αρχείο %1 δεν επιτρέπει εγγραφή</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>Το όνομα είναι φάκελος, όχι αρχείο</translation>
    </message>
    <message>
        <source>Writing canceled by application</source>
        <translation>Η εγγραφή διακόπηκε από το πρόγραμμα</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>file to open is a directory</source>
        <translation>το αρχείο που ανοίγει είναι φάκελος</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Άγνωστο σφάλμα</translation>
    </message>
</context>
<context>
    <name>QProcess</name>
    <message>
        <source>Process failed to start</source>
        <translation>Το πρόγραμμα δεν ξεκίνησε</translation>
    </message>
    <message>
        <source>Process crashed</source>
        <translation>Το πρόγραμμα τερματίστηκε απότομα</translation>
    </message>
    <message>
        <source>Process operation timed out</source>
        <translation>Το πρόγραμμα δεν απάντησε εγκαίρως</translation>
    </message>
    <message>
        <source>Error reading from process</source>
        <translation>Σφάλμα ανάγνωσης από το πρόγραμμα</translation>
    </message>
    <message>
        <source>Error writing to process</source>
        <translation>Σφάλμα εγγραφής προς το πρόγραμμα</translation>
    </message>
    <message>
        <source>Resource error (fork failure): %1</source>
        <translation>Το σύστημα δεν έχει πόρους για νέο πρόγραμμα: %1</translation>
    </message>
    <message>
        <source>Could not open input redirection for reading</source>
        <translation>Το αρχείο εισόδου του προγράμματος δεν ανοίγει για ανάγνωση</translation>
    </message>
    <message>
        <source>Could not open output redirection for writing</source>
        <translation>Το αρχείο εξόδου του προγράμματος δεν ανοίγει για εγγραφή</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Άγνωστο σφάλμα</translation>
    </message>
</context>
<context>
    <name>QHttp</name>
    <message>
        <source>Host %1 not found</source>
        <translation>Ο διακομιστής %1 δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Ο διακομιστής αρνήθηκε τη σύνδεση</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Ο διακομιστής έκλεισε τη σύνδεση</translation>
    </message>
    <message>
        <source>Proxy requires authentication</source>
        <translation>Ο διακομιστής μεσολάβησης ζητά όνομα χρήστη και κωδικό</translation>
    </message>
    <message>
        <source>Host requires authentication</source>
        <translation>Ο διακομιστής ζητά όνομα χρήστη και κωδικό</translation>
    </message>
    <message>
        <source>Data corrupted</source>
        <translation>Η απάντηση του διακομιστή είναι αλλοιωμένη</translation>
    </message>
    <message>
        <source>Unknown protocol specified</source>
        <translation>Άγνωστο πρωτόκολλο</translation>
    </message>
    <message>
        <source>SSL handshake failed</source>
        <translation>Η ασφαλής σύνδεση δεν έγινε</translation>
    </message>
    <message>
        <source>Too many redirects</source>
        <translation>Πάρα πολλές παραπομπές σε άλλη σελίδα</translation>
    </message>
    <message>
        <source>Insecure redirect</source>
        <translation>Παραπομπή σε μη ασφαλή σελίδα</translation>
    </message>
</context>
<context>
    <name>QAbstractSocket</name>
    <message>
        <source>Socket operation timed out</source>
        <translation>Ο διακομιστής δεν απάντησε εγκαίρως</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Ο διακομιστής δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Ο διακομιστής αρνήθηκε τη σύνδεση</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Η σύνδεση δεν έγινε εγκαίρως</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Το δίκτυο δεν είναι προσβάσιμο</translation>
    </message>
</context>
<context>
    <name>QHostInfoAgent</name>
    <message>
        <source>Host not found</source>
        <translation>Ο διακομιστής δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Άγνωστο σφάλμα</translation>
    </message>
</context>
<context>
    <name>QNativeSocketEngine</name>
    <message>
        <source>Connection refused</source>
        <translation>Ο διακομιστής αρνήθηκε τη σύνδεση</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Η σύνδεση δεν έγινε εγκαίρως</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Το δίκτυο δεν είναι προσβάσιμο</translation>
    </message>
    <message>
        <source>Host unreachable</source>
        <translation>Ο διακομιστής δεν είναι προσβάσιμος</translation>
    </message>
    <message>
        <source>The remote host closed the connection</source>
        <translation>Ο διακομιστής έκλεισε τη σύνδεση</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Δεν επιτρέπεται η σύνδεση</translation>
    </message>
</context>
<context>
    <name>QNetworkReply</name>
    <message>
        <source>Error transferring %1 - server replied: %2</source>
        <translation>Σφάλμα μεταφοράς του %1 - ο διακομιστής απάντησε: %2</translation>
    </message>
    <message>
        <source>Protocol &quot;%1&quot; is unknown</source>
        <translation>Το πρωτόκολλο «%1» είναι άγνωστο</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Η σύνδεση διακόπηκε</translation>
    </message>
    <message>
        <source>Network session error.</source>
        <translation>Σφάλμα της σύνδεσης δικτύου.</translation>
    </message>
    <message>
        <source>Temporary network failure.</source>
        <translation>Προσωρινή βλάβη του δικτύου.</translation>
    </message>
</context>
<context>
    <name>QNetworkAccessManager</name>
    <message>
        <source>Network access is disabled.</source>
        <translation>Η πρόσβαση στο δίκτυο είναι απενεργοποιημένη.</translation>
    </message>
</context>
</TS>
