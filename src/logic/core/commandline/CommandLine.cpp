#include "logic/core/commandline/CommandLine.h"

#include "logic/core/commandline/Console.h"
#include "logic/core/database/Database.h"
#include "logic/core/files/DataFolder.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/files/UserLock.h"
#include "logic/core/program/LoadSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/core/services/SystemServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

const QString DataDir = u"data-dir"_s;
const QString Help = u"help"_s;
const QString Version = u"version"_s;

void addCommonOptions(QCommandLineParser& parser) {
    parser.addOption({DataDir,
                      u"Ο φάκελος δεδομένων του προγράμματος. Χωρίς αυτή την επιλογή, ο φάκελος που "
                      u"χρησιμοποιεί το Orva όταν ανοίγει."_s,
                      u"φάκελος"_s});
    parser.addOption({{u"h"_s, Help}, u"Εμφανίζει αυτή τη βοήθεια."_s});
    parser.addOption({{u"v"_s, Version}, u"Εμφανίζει την έκδοση του προγράμματος."_s});
}

QString commandSyntax(const Command& command) {
    QStringList parts = command.words;
    for (const CommandArgument& argument : command.arguments)
        parts << argument.name;
    return parts.join(u' ');
}

QString generalHelp(const QList<Command>& commands) {
    QCommandLineParser parser;
    addCommonOptions(parser);
    parser.setApplicationDescription(
        u"Ηλεκτρονική Αποστολή Συμπληρωματικού Ωραρίου.\nΧωρίς εντολή ανοίγει το παράθυρο του "
        u"προγράμματος· με μια εντολή κάνει την εργασία της χωρίς παράθυρο και τελειώνει."_s);
    parser.addPositionalArgument(u"εντολή"_s, u"Μία από τις εντολές που ακολουθούν, με τις επιλογές της."_s,
                                 u"[εντολή]"_s);
    qsizetype width = 0;
    for (const Command& command : commands)
        width = qMax(width, commandSyntax(command).size());
    QString text = parser.helpText() + u"\nΕντολές:\n"_s;
    for (const Command& command : commands)
        text += u"  "_s + commandSyntax(command).leftJustified(width + 2) + command.summary + u'\n';
    text += u"\nΚωδικοί εξόδου:\n"_s;
    for (const ExitStatus& status : ExitStatuses())
        text += u"  %1  %2\n"_s.arg(status.number).arg(status.meaning);
    text += u"\nΟι επιλογές μιας εντολής: orva ΕΝΤΟΛΗ --help\n"_s;
    return text;
}

int badLine(const QString& reason, const QStringList& words) {
    const QString where = words.isEmpty() ? u"orva --help"_s : u"orva "_s + words.join(u' ') + u" --help"_s;
    PrintError(reason + u"\nΓια βοήθεια: "_s + where);
    return BadArguments;
}

// The command whose words begin the positional arguments, the one with the most words.
const Command* findCommand(const QList<Command>& commands, const QStringList& positional) {
    const Command* found = nullptr;
    for (const Command& command : commands) {
        if (positional.mid(0, command.words.size()) == command.words &&
            (!found || command.words.size() > found->words.size()))
            found = &command;
    }
    return found;
}

// A first word that names no command, or a group of commands without the one of it.
int unknownCommand(const QList<Command>& commands, const QStringList& positional, bool help) {
    const QString& first = positional.first();
    QList<const Command*> group;
    for (const Command& command : commands) {
        if (command.words.size() > 1 && command.words.first() == first)
            group << &command;
    }
    if (group.isEmpty())
        return badLine(u"Άγνωστη εντολή «%1»."_s.arg(first), {});
    if (help && positional.size() == 1) {
        QString text = u"Εντολές «%1»:\n"_s.arg(first);
        for (const Command* command : group)
            text += u"  "_s + commandSyntax(*command).leftJustified(24) + command->summary + u'\n';
        PrintOut(text);
        return CommandDone;
    }
    QStringList choices;
    for (const Command* command : group)
        choices << command->words.at(1);
    const QString reason =
        positional.size() == 1
            ? u"Η εντολή «%1» θέλει μία από: %2."_s.arg(first, choices.join(u", "_s))
            : u"Άγνωστη εντολή «%1 %2». Υπάρχουν: %3."_s.arg(first, positional.at(1), choices.join(u", "_s));
    return badLine(reason, {});
}

// The data folder and the services of a run without windows.
void prepareRun(const QString& dataDir) {
    const QStringList choice = dataDir.isEmpty() ? QStringList{} : QStringList{u"--"_s + DataDir, dataDir};
    Program.AppPath = QDir::cleanPath(ChooseDataFolder(choice, QCoreApplication::applicationDirPath()));
    Services::install(std::make_unique<ConsoleDialogs>());
    Services::install(std::make_unique<SystemClock>());
    Services::install(std::make_unique<SystemProcesses>());
    Services::install(std::make_unique<IniSettings>(AppFile(u"Orva.ini"_s)));
    UseConfiguredDatabaseServer();
    Program.WorkDate = Services::clock().now().date();
    LoadSettings();
}

} // namespace

const QList<ExitStatus>& ExitStatuses() {
    static const QList<ExitStatus> statuses = {
        {CommandDone, u"η εργασία ολοκληρώθηκε (το αρχείο γράφτηκε ολόκληρο)"_s},
        {CommandFailed, u"η εργασία απέτυχε ή έμεινε μισή"_s},
        {BadArguments, u"λάθος στη γραμμή εντολής"_s},
        {NothingFound, u"δεν υπάρχουν εγγραφές"_s},
        {CannotWriteFile, u"το αρχείο εξόδου δεν μπορεί να γραφτεί"_s},
        {CannotOpenDatabase, u"η βάση δεδομένων δεν μπορεί να ανοίξει"_s},
        {DataFolderInUse, u"ο φάκελος δεδομένων είναι σε χρήση από το Orva"_s},
        {RefusedByServer, u"η υπηρεσία του Υπουργείου απέρριψε όσα στάλθηκαν"_s},
        {UnknownOutcome, u"στάλθηκαν χωρίς απάντηση: δεν είναι γνωστό αν καταχωρήθηκαν"_s},
        {ServerNotEmpty, u"η βάση δεδομένων του διακομιστή έχει ήδη πίνακες ή στοιχεία"_s},
        {ServerInUse, u"η βάση δεδομένων του διακομιστή είναι ανοιχτή από άλλους υπολογιστές"_s},
    };
    return statuses;
}

int RunCommandLine(const QStringList& arguments, const QList<Command>& commands) {
    // A first reading with every option of every command finds the command's words
    // wherever its options stand; the command's own parser then checks the line.
    QCommandLineParser any;
    addCommonOptions(any);
    QSet<QString> known;
    for (const Command& command : commands) {
        for (const QCommandLineOption& option : command.options) {
            if (!known.contains(option.names().constFirst()))
                any.addOption(option);
            for (const QString& name : option.names())
                known.insert(name);
        }
    }
    if (!any.parse(arguments)) {
        const Command* named = findCommand(commands, any.positionalArguments());
        return badLine(any.errorText(), named ? named->words : QStringList{});
    }
    if (any.isSet(Version)) {
        PrintOut(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion());
        return CommandDone;
    }
    const QStringList positional = any.positionalArguments();
    if (any.isSet(DataDir) && any.value(DataDir).trimmed().isEmpty()) {
        const Command* named = findCommand(commands, positional);
        return badLine(u"Η επιλογή --%1 θέλει έναν φάκελο."_s.arg(DataDir),
                       named ? named->words : QStringList{});
    }
    if (positional.isEmpty()) {
        if (!any.isSet(Help))
            return badLine(u"Λείπει η εντολή· οι επιλογές που δόθηκαν ανήκουν σε μια εντολή."_s, {});
        PrintOut(generalHelp(commands));
        return CommandDone;
    }
    const Command* command = findCommand(commands, positional);
    if (!command)
        return unknownCommand(commands, positional, any.isSet(Help));

    QCommandLineParser parser;
    addCommonOptions(parser);
    parser.addOptions(command->options);
    parser.setApplicationDescription(command->details);
    parser.addPositionalArgument(command->words.join(u' '), command->summary);
    for (const CommandArgument& argument : command->arguments)
        parser.addPositionalArgument(argument.name, argument.description);
    if (!parser.parse(arguments))
        return badLine(parser.errorText(), command->words);
    if (parser.isSet(Help)) {
        PrintOut(parser.helpText());
        return CommandDone;
    }
    const QStringList rest = parser.positionalArguments().mid(command->words.size());
    if (rest.size() > command->arguments.size())
        return badLine(u"Περιττό όρισμα «%1»."_s.arg(rest.at(command->arguments.size())), command->words);
    if (rest.size() < command->arguments.size())
        return badLine(u"Λείπει το όρισμα %1."_s.arg(command->arguments.at(rest.size()).name),
                       command->words);
    if (parser.isSet(DataDir) && parser.value(DataDir).trimmed().isEmpty())
        return badLine(u"Η επιλογή --%1 θέλει έναν φάκελο."_s.arg(DataDir), command->words);

    prepareRun(parser.value(DataDir));
    const CommandCall call{parser, command->words, rest};
    const int status = command->run(call);
    CloseDatabase();
    ReleaseUserLock();
    return status;
}

int CommandCall::badArgument(const QString& reason) const {
    return badLine(reason, words);
}

bool NamesCommand(const QStringList& arguments) {
    // Qt's own options of the windows; those of the first list take the next argument as
    // their value. They may be written with one dash or two, and with "=value".
    static const QStringList qtValued = {
        u"platform"_s,     u"platformpluginpath"_s, u"platformtheme"_s, u"plugin"_s,     u"qwindowgeometry"_s,
        u"qwindowtitle"_s, u"qwindowicon"_s,        u"style"_s,         u"stylesheet"_s, u"session"_s,
        u"display"_s,      u"geometry"_s,           u"title"_s,         u"name"_s,       u"visual"_s};
    static const QStringList qtFlags = {u"reverse"_s, u"widgetcount"_s, u"nograb"_s,       u"dograb"_s,
                                        u"sync"_s,    u"testability"_s, u"qmljsdebugger"_s};
    // The windows take nothing but the data folder and Qt's options: anything else is a
    // command line, and a wrong one is refused as one, never opened as the window.
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(u'-') || argument == u"-"_s || argument == u"--"_s)
            return true;
        const QString name = argument.mid(argument.startsWith(u"--"_s) ? 2 : 1).section(u'=', 0, 0);
        const bool valueAttached = argument.contains(u'=');
        if (argument.startsWith(u"--"_s) && name == DataDir) {
            if (valueAttached) {
                if (argument.section(u'=', 1).trimmed().isEmpty())
                    return true;
                continue;
            }
            if (i + 1 >= arguments.size() || arguments.at(i + 1).trimmed().isEmpty())
                return true;
            ++i;
            continue;
        }
        if (qtFlags.contains(name))
            continue;
        if (qtValued.contains(name)) {
            if (!valueAttached && ++i >= arguments.size())
                return true;
            continue;
        }
        return true;
    }
    return false;
}

int TakeDataFolderLock() {
    if (TakeUserLock())
        return CommandDone;
    PrintError(u"Το Orva είναι ανοιχτό στον φάκελο δεδομένων %1· κλείστε το και δοκιμάστε ξανά."_s.arg(
        Program.AppPath));
    return DataFolderInUse;
}
