#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Orva's commands: work done from the command line on the data folder, without a window
// ("orva report entries ...", "orva import FILE"). A command is one entry of a table: the
// words that name it, its options and arguments and what it runs. The parser, the help,
// the version and the data folder are common to all.

// The exit status of a command; scripts tell the outcomes apart by it.
enum CommandStatus {
    CommandDone = 0,        // the work is done whole (the output file written whole)
    CommandFailed = 1,      // the work failed or was cut short on the way
    BadArguments = 2,       // unknown command or option, a wrong value, a missing file to read
    NothingFound = 3,       // nothing qualifies ("Δεν υπάρχουν εγγραφές.")
    CannotWriteFile = 4,    // the output file cannot be written
    CannotOpenDatabase = 5, // the database of the data folder cannot be opened
    DataFolderInUse = 6,    // a running Orva holds the data folder
    RefusedByServer = 7,    // the ministry's service refused what was sent
    UnknownOutcome = 8,     // sent without an answer: whether it was taken is not known
    ServerNotEmpty = 9,     // the server's database already holds tables or records
    ServerInUse = 10,       // other connections are open to the server's database
};

// An exit status and what it means, as the help lists them (and the README and the manual
// page document them).
struct ExitStatus {
    int number;
    QString meaning;
};
const QList<ExitStatus>& ExitStatuses();

// A positional argument after the command's words, as the help shows it.
struct CommandArgument {
    QString name; // "ΑΡΧΕΙΟ"
    QString description;
};

// A command being run: its parsed line and the positional arguments after its words.
struct CommandCall {
    const QCommandLineParser& parser;
    QStringList words;
    QStringList arguments;

    // Prints the reason a value cannot be taken and where the command's help is; returns
    // BadArguments.
    int badArgument(const QString& reason) const;
};

struct Command {
    QStringList words; // {"report", "entries"}
    QString summary;   // one line in the list of commands
    QString details;   // the text of the command's own help, under its usage line
    QList<QCommandLineOption> options;
    QList<CommandArgument> arguments;
    // Runs with as many positional arguments as `arguments` names. The data folder is
    // chosen (AppPath), the services are installed and the work date is today; the database
    // is not open yet. Returns a CommandStatus.
    std::function<int(const CommandCall& call)> run;
};

// Whether a command line (without the program's name) is for a command, the help or the
// version rather than for the windows. The windows take only "--data-dir FOLDER" and Qt's
// own options of the windows (-platform, -style ...); any other argument, wherever it
// stands, makes a command line, which is run or refused as one.
bool NamesCommand(const QStringList& arguments);

// Runs the command that the arguments (program name first) name, or shows the help or the
// version. Needs a QGuiApplication whose name and version are set, with Qt's Greek
// translation installed for the parser's own texts. Returns a CommandStatus.
int RunCommandLine(const QStringList& arguments, const QList<Command>& commands);

// Takes the data folder's lock for a command that changes or copies the database. A running
// Orva holds it for its whole run: the command is told so on standard error and gets
// DataFolderInUse; CommandDone when the lock is held.
int TakeDataFolderLock();
