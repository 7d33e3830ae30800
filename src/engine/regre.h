#pragma once

#include "orvo/calcora_export.h"

#include <cstdint>

extern "C" {

// Fits the calibration candidates described by the control block over the
// data matrix and writes all 17 result rows. Returns 0.
CALCORA_EXPORT int32_t regre(int32_t* calcParams, float* data, float* calcResults);
}
