#include "shell/Main.h"
#include <QtWidgets/QMessageBox>
#include <QPainter>
#include <QPrintDialog>
