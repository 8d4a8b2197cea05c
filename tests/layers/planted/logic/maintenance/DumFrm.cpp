#include "logic/core/program/ProgramValues.h"

// The dialog that answers writes its answer.
void Planted(const QString& chosen) {
    Program.OutputFileName = chosen;
}
