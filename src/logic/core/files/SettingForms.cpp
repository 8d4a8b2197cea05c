#include "logic/core/files/SettingForms.h"

#include <QUrl>
#include <optional>

namespace {

const QString SiteExample = QStringLiteral("https://www.example.gr");

bool HasControlCharacter(const QString& value) {
    for (const QChar c : value) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

bool IsWebScheme(const QString& scheme) {
    return scheme == u"http" || scheme == u"https";
}

QString AddressProblem(const QString& value) {
    const QUrl url(value, QUrl::StrictMode);
    if (!value.contains(QLatin1String("://")) || !url.isValid() || url.host().isEmpty())
        return QStringLiteral("Η «%1» δεν είναι διεύθυνση: γράψτε το πρωτόκολλο και το όνομα του διακομιστή, "
                              "για παράδειγμα %2.")
            .arg(value, SiteExample);
    if (!IsWebScheme(url.scheme().toLower()))
        return QStringLiteral("Η διεύθυνση πρέπει να αρχίζει με http:// ή https://.");
    if (!url.userInfo().isEmpty())
        return QStringLiteral("Η διεύθυνση δεν πρέπει να έχει όνομα χρήστη ή κωδικό πριν από το «@».");
    return {};
}

QString SiteProblem(const QString& value) {
    if (const QString problem = AddressProblem(value); !problem.isEmpty())
        return problem;
    if (value.contains(u'?') || value.contains(u'#'))
        return QStringLiteral("Η διεύθυνση δεν πρέπει να έχει «?» ή «#»: γράψτε μόνο το πρωτόκολλο και το "
                              "όνομα του διακομιστή, για παράδειγμα %1.")
            .arg(SiteExample);
    const QString path = QUrl(value, QUrl::StrictMode).path();
    if (!path.isEmpty() && path != u"/")
        return QStringLiteral("Η διεύθυνση δεν πρέπει να έχει διαδρομή («%1»): γράψτε μόνο το πρωτόκολλο και "
                              "το όνομα του διακομιστή, για παράδειγμα %2.")
            .arg(path, SiteExample);
    return {};
}

QString HostNameProblem(const QString& value) {
    for (const QChar c : value) {
        if (c.isSpace() || c == u'/' || c == u'?' || c == u'#' || c == u'@' || c == u';')
            return QStringLiteral("Γράψτε μόνο το όνομα ή τη διεύθυνση του διακομιστή, χωρίς πρωτόκολλο, "
                                  "διαδρομή ή κενά (για παράδειγμα mail.example.gr ή 192.168.1.10).");
    }
    return {};
}

// The number a text holds when it is digits alone and not too long to count.
std::optional<int> WholeNumber(const QString& value) {
    if (value.isEmpty() || value.size() > 9)
        return std::nullopt;
    for (const QChar c : value) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return value.toInt();
}

QString NumberProblem(const SettingForm& form, const QString& value) {
    const std::optional<int> number = WholeNumber(value);
    if (number && *number >= form.minimum && *number <= form.maximum)
        return {};
    QString range = QStringLiteral("από %1 έως %2").arg(form.minimum).arg(form.maximum);
    if (!form.unit.isEmpty())
        range += u' ' + form.unit;
    return QStringLiteral("Η τιμή «%1» δεν είναι ακέραιος αριθμός %2.").arg(value, range);
}

QString ChoiceProblem(const SettingForm& form, const QString& value) {
    for (const QString& choice : form.choices) {
        if (choice.compare(value, Qt::CaseInsensitive) == 0)
            return {};
    }
    return QStringLiteral("Η τιμή «%1» δεν είναι μία από τις επιτρεπτές: %2.")
        .arg(value, form.choices.join(QStringLiteral(", ")));
}

QString CommandProblem(const QString& value) {
    if (value.count(u'"') % 2 != 0)
        return QStringLiteral("Τα εισαγωγικά της εντολής δεν κλείνουν: κάθε \" χρειάζεται το ζευγάρι του.");
    return {};
}

} // namespace

SettingForm SettingForm::requiredText() {
    SettingForm form;
    form.required = true;
    return form;
}

SettingForm SettingForm::password() {
    SettingForm form;
    form.secret = true;
    return form;
}

SettingForm SettingForm::webSite(bool credentials, bool required) {
    SettingForm form;
    form.kind = Kind::WebSite;
    form.credentials = credentials;
    form.required = required;
    return form;
}

SettingForm SettingForm::webAddress() {
    SettingForm form;
    form.kind = Kind::WebAddress;
    form.required = true;
    return form;
}

SettingForm SettingForm::link() {
    SettingForm form;
    form.kind = Kind::Link;
    form.required = true;
    return form;
}

SettingForm SettingForm::hostName() {
    SettingForm form;
    form.kind = Kind::HostName;
    return form;
}

SettingForm SettingForm::port() {
    // An empty port means the service's usual one.
    SettingForm form = number(1, 65535, {});
    form.required = false;
    return form;
}

SettingForm SettingForm::number(int minimum, int maximum, const QString& unit) {
    SettingForm form;
    form.kind = Kind::Number;
    form.required = true;
    form.minimum = minimum;
    form.maximum = maximum;
    form.unit = unit;
    return form;
}

SettingForm SettingForm::choice(const QStringList& choices) {
    SettingForm form;
    form.kind = Kind::Choice;
    form.required = true;
    form.choices = choices;
    return form;
}

SettingForm SettingForm::program() {
    SettingForm form;
    form.kind = Kind::Program;
    return form;
}

SettingForm SettingForm::command() {
    SettingForm form;
    form.kind = Kind::Command;
    return form;
}

QString SettingFormProblem(const SettingForm& form, const QString& value) {
    if (HasControlCharacter(value))
        return QStringLiteral("Η τιμή έχει χαρακτήρες ελέγχου (όπως tab ή αλλαγή γραμμής), που δεν "
                              "επιτρέπονται.");
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty())
        return form.required ? QStringLiteral("Η ρύθμιση δεν μπορεί να μείνει κενή.") : QString();
    switch (form.kind) {
    case SettingForm::Kind::Text:
    case SettingForm::Kind::Program:
        return {};
    case SettingForm::Kind::WebSite:
        return SiteProblem(trimmed);
    case SettingForm::Kind::WebAddress:
        return AddressProblem(trimmed);
    case SettingForm::Kind::Link:
        return trimmed.startsWith(u'/') ? QString() : AddressProblem(trimmed);
    case SettingForm::Kind::HostName:
        return HostNameProblem(trimmed);
    case SettingForm::Kind::Number:
        return NumberProblem(form, trimmed);
    case SettingForm::Kind::Choice:
        return ChoiceProblem(form, trimmed);
    case SettingForm::Kind::Command:
        return CommandProblem(trimmed);
    }
    return {};
}

bool SendsCredentialsUnencrypted(const SettingForm& form, const QString& value) {
    if (!form.credentials)
        return false;
    return QUrl(value.trimmed()).scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) == 0;
}
