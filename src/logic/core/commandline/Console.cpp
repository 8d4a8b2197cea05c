#include "logic/core/commandline/Console.h"

#include <cstdio>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int ProgressIntervalMs = 200;

void write(FILE* stream, const QString& text, bool newLine = true) {
    QString line = text;
    line.replace(u"\r\n"_s, u"\n"_s);
    const QByteArray bytes = line.toUtf8() + (newLine ? "\n" : "");
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

void PrintOut(const QString& text) {
    write(stdout, text);
}

void PrintError(const QString& text) {
    write(stderr, u"orva: "_s + text);
}

void PrintFailure(const Failure& failure) {
    PrintError(failure.text);
    const QString details = failure.details.trimmed();
    if (!details.isEmpty())
        write(stderr, u"Λεπτομέρειες: "_s + details);
}

MsgAnswer ConsoleDialogs::message(const MessageBox& box) {
    PrintFailure({box.text, box.details});
    switch (box.buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::OkCancel:
        return MsgAnswer::Cancel;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgAnswer::No;
    }
    return MsgAnswer::Cancel;
}

std::optional<QString> ConsoleDialogs::inputText(const QString&, const QString&, const QString&) {
    return std::nullopt;
}

std::optional<QString> ConsoleDialogs::inputPassword(const QString&, const QString& prompt) {
    // Asked on the terminal without echo; a script without a terminal has nobody to ask.
    if (!::isatty(STDIN_FILENO) || !::isatty(STDERR_FILENO))
        return std::nullopt;
    termios saved{};
    if (::tcgetattr(STDIN_FILENO, &saved) != 0)
        return std::nullopt;
    termios silent = saved;
    silent.c_lflag &= ~tcflag_t(ECHO);
    write(stderr, prompt + u" "_s, false);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    char buffer[1024];
    const bool read = std::fgets(buffer, sizeof buffer, stdin) != nullptr;
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputs("\n", stderr);
    if (!read)
        return std::nullopt;
    QString password = QString::fromLocal8Bit(buffer);
    while (password.endsWith(u'\n') || password.endsWith(u'\r'))
        password.chop(1);
    return password;
}

QString ConsoleDialogs::saveFileName(const FileDialogRequest&) {
    return {};
}

QString ConsoleDialogs::openFileName(const FileDialogRequest&) {
    return {};
}

bool ConsoleDialogs::printerSetup(const PrintDialogRequest&) {
    return false;
}

int ConsoleDialogs::popUpMenu(const QStringList&) {
    return 0;
}

TerminalProgress::TerminalProgress(const QString& label)
    : m_label(label), m_active(::isatty(STDERR_FILENO)) {}

TerminalProgress::~TerminalProgress() {
    clear();
}

void TerminalProgress::clear() {
    if (!m_shown)
        return;
    // Back to the start of the line and erase it.
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
    m_shown = false;
}

void TerminalProgress::show(int done, int total) {
    if (!m_active)
        return;
    if (m_shown && m_sinceShown.isValid() && m_sinceShown.elapsed() < ProgressIntervalMs && done < total)
        return;
    m_sinceShown.start();
    m_shown = true;
    const int percent = total > 0 ? int(qint64(done) * 100 / total) : 0;
    const QByteArray line =
        (u"\r\x1b[K"_s + m_label + u" %1/%2 (%3%)"_s.arg(done).arg(total).arg(percent)).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
