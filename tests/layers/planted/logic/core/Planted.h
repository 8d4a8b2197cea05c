#pragma once

#include "logic/core/database/Database.h"
#include <QWidget>
#include "windows/records/Ergaz.h"
#include <QString>
