#include "win32/app/system_calls.h"

SystemCalls systemCalls;
