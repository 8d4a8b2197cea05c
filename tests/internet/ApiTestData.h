#pragma once

#include "logic/internet/WtoDocuments.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

// What the tests of the API submission share: tax numbers that pass the check digit,
// entries, and the golden files of tests/golden/internet.

// The nine-digit AFM of an eight-digit stem with its check digit.
inline QString ValidAfm(int stem) {
    const QString digits = QString::number(stem).rightJustified(8, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += digits.at(i).digitValue() << (8 - i);
    return digits + QString::number(sum % 11 % 10);
}

inline ApiEntry MakeEntry(const QString& afm, const QString& kdate, const QString& korario,
                          const QString& eepon = QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ"),
                          const QString& eypo = QStringLiteral("0")) {
    ApiEntry entry;
    entry.Eafm = afm;
    entry.Kdate = kdate;
    entry.Korario = korario;
    entry.Eepon = eepon;
    entry.Eypo = eypo;
    return entry;
}

inline QString GoldenPath(const QString& name) {
    return QDir::cleanPath(QStringLiteral(ORVA_FIXTURES_DIR) + QStringLiteral("/../golden/internet/") + name);
}

// Compares bytes with a golden file; with ORVA_UPDATE_GOLDEN=1 in the environment the file
// is written instead (then read the difference before committing it).
inline bool MatchesGolden(const QString& name, const QByteArray& actual) {
    const QString path = GoldenPath(name);
    if (qEnvironmentVariableIntValue("ORVA_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(actual) == actual.size();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("golden file %s is missing", qPrintable(path));
        return false;
    }
    const QByteArray expected = file.readAll();
    if (expected != actual) {
        qWarning("%s differs from the output:\n%s", qPrintable(path), actual.constData());
        return false;
    }
    return true;
}
