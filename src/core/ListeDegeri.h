#pragma once
// The cell type of the list views lives in the platform layer, so that the workbook writer takes the
// same values; this header keeps the includes of core and the subsystems as they are.
#include "platform/ListeDegeri.h"
