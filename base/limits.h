// The limits that more than one stage of the converter relies on.
#ifndef TURNEL_BASE_LIMITS_H_
#define TURNEL_BASE_LIMITS_H_

#include <cstdint>

// A plot holds at most 200 points; the mesh keeps them in an array that size.
constexpr int32_t kMaxPlotRows = 200;

// The accuracy sets 2 x accuracy + 2 segments around the axis.
constexpr int32_t kDefaultAccuracy = 3;
constexpr int32_t kMinAccuracy = 1;
constexpr int32_t kMaxAccuracy = 10;

// An argument of 512 bytes or more makes the command line unusable.
constexpr int kMaxArgumentBytes = 511;

// A path holds at most 259 bytes.
constexpr int kMaxPathBytes = 259;

#endif  // TURNEL_BASE_LIMITS_H_
