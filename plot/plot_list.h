// The profile: the plot's points in file order.
#ifndef TURNEL_PLOT_PLOT_LIST_H_
#define TURNEL_PLOT_PLOT_LIST_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/limits.h"

// One profile point; both values are whole numbers, x is never positive.
struct PlotPoint {
  double x;
  double y;
};

class PlotList {
 public:
  int32_t Count() const { return static_cast<int32_t>(points_.size()); }
  const PlotPoint& At(int32_t index) const { return points_[index]; }
  void Append(const PlotPoint& point) { points_.push_back(point); }
  // Room for n points without growing again.
  void Reserve(int32_t n) {
    points_.reserve(n > 0 ? static_cast<size_t>(n) : 0);
  }
  // Copies every point, in order, into an array of Count() records.
  int32_t CopyTo(PlotPoint* destination) const;

 private:
  std::vector<PlotPoint> points_;
};

#endif  // TURNEL_PLOT_PLOT_LIST_H_
