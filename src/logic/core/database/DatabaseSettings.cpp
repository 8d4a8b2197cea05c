#include "logic/core/database/DatabaseSettings.h"

const std::vector<SettingDefinition>& DatabaseSettingDefinitions() {
    static const std::vector<SettingDefinition> settings = {
        {QStringLiteral("Database/Server"), QString(),
         QStringLiteral(
             "Η βάση δεδομένων. Κενό: το αρχείο IntTvx.db του φακέλου δεδομένων. Για κοινή βάση σε "
             "διακομιστή PostgreSQL (γραφείο με πολλούς υπολογιστές): η διεύθυνση σύνδεσης, π.χ. "
             "postgresql://χρήστης@διακομιστής:5432/orva?sslmode=require. Ο κωδικός δεν γράφεται "
             "εδώ: το πρόγραμμα τον παίρνει από το αρχείο ~/.pgpass ή τον ζητά όταν ξεκινά."),
         SettingForm::text()},
    };
    return settings;
}
