// Welding: which vertex records share one position.
#ifndef TURNEL_T3M_WELD_H_
#define TURNEL_T3M_WELD_H_

#include <cstdint>
#include <vector>

#include "t3m/model.h"

// A number for each vertex record, the same for records at equal positions
// (-0 and +0 count as equal) and different otherwise; numbers run from 0 to
// the count of distinct positions less one, in the order the records first
// reach them.
std::vector<uint32_t> WeldPositions(const Model& model);

#endif  // TURNEL_T3M_WELD_H_
