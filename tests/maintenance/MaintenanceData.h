#pragma once

#include <QByteArray>
#include <QString>

// Databases of the program made for the backup tests: the schema, `rows` employees whose
// names carry the generation, and the generation in Param.Cepon, so that a copy tells which
// database it came from and whether it is whole.
void MakeOrvaDatabase(const QString& path, const QString& generation, int rows);

// What a database file holds, read through a connection of its own.
struct DatabaseContents {
    QString problem;    // "" when it opened and passed the integrity check
    QString generation; // Param.Cepon
    int employees = -1;
    int employeesOfGeneration = -1; // employees whose name carries the generation
};
DatabaseContents ReadDatabase(const QString& path);

QByteArray FileBytes(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);
