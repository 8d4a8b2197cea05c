#include "logic/print/MailSettings.h"

const std::vector<SettingDefinition>& MailSettingDefinitions() {
    static const std::vector<SettingDefinition> settings = {
        {QStringLiteral("Mail/SmtpMailProgram"), QStringLiteral("SmtpMail"),
         QStringLiteral("Το εργαλείο αλληλογραφίας που ξεκινά στην έξοδο για να ενημερώσει τον λογιστή για "
                        "τις αποστολές της ημέρας· ένα σκέτο όνομα αναζητείται στον φάκελο δεδομένων."),
         SettingForm::program()},
        {QStringLiteral("Mail/SmtpMailLicense"), QString(),
         QStringLiteral("Η άδεια του εγκατεστημένου εργαλείου αλληλογραφίας, που του δίνεται ως License=."),
         SettingForm::text()},
        {QStringLiteral("Mail/SmtpServer"), QString(),
         QStringLiteral("Ο διακομιστής αλληλογραφίας (όνομα ή διεύθυνση) για το e-mail των εκτυπώσεων, και "
                        "για το e-mail στον λογιστή όταν δεν υπάρχει το εργαλείο αλληλογραφίας· κενό: ο Smtp "
                        "Server των Παραμέτρων Σύνδεσης."),
         SettingForm::hostName()},
        {QStringLiteral("Mail/SmtpPort"), QString(),
         QStringLiteral("Η θύρα του διακομιστή αλληλογραφίας· κενό: 25 χωρίς κρυπτογράφηση, 587 με starttls "
                        "και 465 με tls."),
         SettingForm::port()},
        {QStringLiteral("Mail/SmtpSecurity"), QStringLiteral("none"),
         QStringLiteral(
             "Η κρυπτογράφηση της σύνδεσης με τον διακομιστή αλληλογραφίας: none (καμία), starttls (απλή "
             "σύνδεση που κρυπτογραφείται πριν σταλεί οτιδήποτε) ή tls (κρυπτογραφημένη από την αρχή)."),
         SettingForm::choice({QStringLiteral("none"), QStringLiteral("starttls"), QStringLiteral("tls")})},
        {QStringLiteral("Mail/SmtpUser"), QString(),
         QStringLiteral(
             "Ο χρήστης για τη σύνδεση στον διακομιστή αλληλογραφίας· κενό: αποστολή χωρίς σύνδεση χρήστη."),
         SettingForm::text()},
        {QStringLiteral("Mail/SmtpPassword"), QString(),
         QStringLiteral("Ο κωδικός για τη σύνδεση στον διακομιστή αλληλογραφίας."), SettingForm::password()},
    };
    return settings;
}
