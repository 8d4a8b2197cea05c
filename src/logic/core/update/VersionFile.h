#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The version file the maker publishes, "/sse/orva/int.ver" on its web servers: exactly 20
// characters, of which characters 8 to 11 hold the published version in DataVersion's form
// ("1.02"). The other characters are not interpreted.
namespace VersionFile {
constexpr int Length = 20;

// The file's address on a host given as scheme and host ("http://updates.example"); an
// invalid address when the host is empty or not an http or https address.
QUrl Address(const QString& host);
// True when the text is a version file and its version is later than dataVersion, the two
// compared as text.
bool IsNewer(const QByteArray& text, const QString& dataVersion);
} // namespace VersionFile

// One request for the version file.
struct VersionFetch {
    bool answered = false;    // the server sent a body with a success status
    bool interrupted = false; // the program left its event loop during the wait
    QByteArray text;
    QString error;   // why there is no answer, in Greek
    QString details; // the network library's own text
};

// Fetches the file fresh (never a cached copy) with the user agent "LiveUpdate" through the
// system's proxy settings. The wait keeps the windows responsive and lasts at most timeoutMs;
// it also ends when the program leaves its event loop meanwhile.
VersionFetch FetchVersionFile(const QUrl& address, int timeoutMs);
