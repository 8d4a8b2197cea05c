#include "shell/Main.h"
#include <QtWidgets/QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include "logic/maintenance/DumFrm.h"
#include "logic/internet/EservicesSite.h"

void Planted(const QString& name) {
    Program.OutputFileName = name;
}
