#include "shell/Main.h"
#include <QtWidgets/QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include "logic/maintenance/DumFrm.h"
#include "logic/internet/EservicesSite.h"
