#include "logic/core/update/UpdateSettings.h"

const std::vector<SettingDefinition>& UpdateSettingDefinitions() {
    static const std::vector<SettingDefinition> settings = {
        {QStringLiteral("Update/PrimaryHost"), QString(),
         QStringLiteral("Ο διακομιστής της Tavrinex που δημοσιεύει την έκδοση του προγράμματος: πρωτόκολλο "
                        "και όνομα (http://... ή https://...), χωρίς διαδρομή· η έκδοση διαβάζεται από το "
                        "/sse/orva/int.ver. Κενό: το πρόγραμμα δεν ελέγχει για νέα έκδοση."),
         SettingForm::webSite()},
        {QStringLiteral("Update/FallbackHost"), QString(),
         QStringLiteral("Ο δεύτερος διακομιστής, που ρωτιέται όταν ο πρώτος δεν δίνει έγκυρο αρχείο έκδοσης· "
                        "κενό: μόνο ο πρώτος."),
         SettingForm::webSite()},
        {QStringLiteral("Update/TimeoutSeconds"), QStringLiteral("15"),
         QStringLiteral("Πόσα δευτερόλεπτα περιμένει το πρόγραμμα την απάντηση κάθε διακομιστή."),
         SettingForm::number(1, 300, QStringLiteral("δευτερόλεπτα"))},
        {QStringLiteral("Update/UpdaterProgram"), QStringLiteral("LiveUpd"),
         QStringLiteral("Το πρόγραμμα της ενημέρωσης, που ξεκινά όταν δεχτείτε νέα έκδοση· ένα σκέτο όνομα "
                        "αναζητείται στον φάκελο δεδομένων και μετά στα προγράμματα του συστήματος."),
         SettingForm::program()},
        {QStringLiteral("Support/RemoteSupport2Program"), QStringLiteral("A_Remote"),
         QStringLiteral(
             "Το εργαλείο απομακρυσμένης υποστήριξης του «Live Support 2» της γραμμής εργαλείων· ένα σκέτο "
             "όνομα αναζητείται στον φάκελο δεδομένων και μετά στα προγράμματα του συστήματος."),
         SettingForm::program()},
        {QStringLiteral("Support/RemoteSupport8Program"), QStringLiteral("B_Remote"),
         QStringLiteral(
             "Το εργαλείο απομακρυσμένης υποστήριξης του «Live Support 8» της γραμμής εργαλείων· ένα σκέτο "
             "όνομα αναζητείται στον φάκελο δεδομένων και μετά στα προγράμματα του συστήματος."),
         SettingForm::program()},
        {QStringLiteral("Support/StopCommand"), QString(),
         QStringLiteral("Εντολή που τρέχει, και την περιμένει το πρόγραμμα, πριν ξεκινήσει κάποιο από τα "
                        "εργαλεία απομακρυσμένης υποστήριξης, για να τερματίσει μια σύνδεση που τρέχει "
                        "ακόμη: το πρόγραμμα και τα ορίσματά του χωρισμένα με κενά (τα εισαγωγικά κρατούν τα "
                        "κενά μέσα σε όρισμα)· δεν τρέχει ποτέ μέσω κελύφους. Κενό: καμία εντολή."),
         SettingForm::command()},
    };
    return settings;
}
