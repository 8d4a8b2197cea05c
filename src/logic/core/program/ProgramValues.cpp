#include "logic/core/program/ProgramValues.h"

ProgramValues Program;

void ResetProgramValues() {
    Program = ProgramValues{};
}

QString AppFile(const QString& name) {
    return Program.AppPath + QLatin1Char('/') + name;
}
