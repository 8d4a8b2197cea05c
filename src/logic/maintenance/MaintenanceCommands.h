#pragma once

#include "logic/core/commandline/CommandLine.h"

// "orva backup FOLDER" and "orva restore FILE": the backup and the restore of the backup
// window without a window, for backups a scheduler runs.
Command BackupCommand();
Command RestoreCommand();
