#pragma once

#include <QString>
#include <QStringList>

// What a value of an Orva.ini setting must look like. A value outside its form is not
// used: the setting takes its default, and the settings window says why.
struct SettingForm {
    enum class Kind {
        Text,       // any text on one line
        WebSite,    // http:// or https:// with a host and nothing after it but an optional "/"
        WebAddress, // a whole http:// or https:// address
        Link,       // a WebAddress, or a path beginning with "/" on the maker's site
        HostName,   // a server's name or address, as a driver or mail server takes it
        Number,     // a whole number from minimum to maximum
        Choice,     // one of choices, whatever its case
        Program,    // a program's name or its path
        Command,    // a program and its arguments, quotes balanced
    };
    Kind kind = Kind::Text;
    bool required = false;    // an empty value is refused
    bool credentials = false; // a site that receives the user's credentials: https expected
    bool secret = false;      // a password: the settings window hides it
    int minimum = 0;
    int maximum = 0;
    QString unit; // what a Number counts, in Greek ("δευτερόλεπτα")
    QStringList choices;

    static SettingForm text() { return {}; }
    static SettingForm requiredText();
    static SettingForm password();
    static SettingForm webSite(bool credentials = false, bool required = false);
    static SettingForm webAddress();
    static SettingForm link();
    static SettingForm hostName();
    static SettingForm port();
    static SettingForm number(int minimum, int maximum, const QString& unit);
    static SettingForm choice(const QStringList& choices);
    static SettingForm program();
    static SettingForm command();
};

// Why a value does not fit its form, in Greek; "" when it fits.
QString SettingFormProblem(const SettingForm& form, const QString& value);

// True when the value is an address on plain http of a site that receives credentials: the
// settings window asks before it keeps such a value.
bool SendsCredentialsUnencrypted(const SettingForm& form, const QString& value);
