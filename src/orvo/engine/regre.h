#pragma once

#include <orvo/calcora_export.h>

#include <cstdint>

extern "C" {

// Fits the candidate formulas described by the control block (19 elements) over the data
// matrix (36 floats per point, rows calcParams[13]..calcParams[14] read) and writes all 17
// rows of the result block (340 floats). A step takes its size from the stepped-from row, one
// signal more or one fewer; element 2 matters only in a full run. Returns the number of
// candidate rows written, or -1 when the control block makes no sense (the result block is
// then all zero).
CALCORA_EXPORT int32_t regre(int32_t* calcParams, float* data, float* calcResults);
}
