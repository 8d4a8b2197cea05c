#pragma once

#include <QString>
#include <QStringList>

// A root folder holding only the files of the given Debian packages, taken from this machine's
// installed copies of them (dpkg -L), with their links as links: what a machine that has
// those packages and nothing else would offer a program. Returns "" or why it failed.
QString MakeDesktopRoot(const QString& root, const QStringList& packages);

// The command line that runs program inside root, as its own process tree with its own /proc
// (the dynamic loader finds $ORIGIN through it): unshare and chroot, in a user namespace of
// its own when not run by root.
QStringList CommandInRoot(const QString& root, const QString& program);
