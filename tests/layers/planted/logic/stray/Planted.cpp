#include "logic/core/program/ProgramValues.h"
