#include "logic/records/EmployeeList.h"
#include "logic/print/PrintJob.h"
#include "logic/core/database/Database.h"
