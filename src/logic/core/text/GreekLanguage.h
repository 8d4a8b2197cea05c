#pragma once

// Orva speaks Greek whatever the machine's locale: Greek is the default locale (month and
// day names, dates, the decimal comma), and Qt's own texts - message-box buttons, the file
// and print dialogs - come from the Greek translation built into the program, since Debian
// ships none for Qt 6. Call once the application object exists and before any window is
// made. False when the translation could not be installed (the locale is set regardless).
bool UseGreekLanguage();
