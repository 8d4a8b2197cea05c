#include "launcher/SetUp.h"
#include "logic/core/files/ApplicationRecord.h"
#include <QWidget>
