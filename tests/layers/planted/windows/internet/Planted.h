#pragma once

#include "windows/records/Lbscroll.h"
#include "logic/maintenance/DumFrm.h"
#include "windows/print/Lbprint.h"
#include <QWidget>
