#pragma once

#include "logic/core/Database.h"
#include <QWidget>
#include "windows/records/Ergaz.h"
#include <QString>
