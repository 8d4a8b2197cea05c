#include "launcher/SetUp.h"
#include "logic/core/ApplicationRecord.h"
#include <QWidget>
