// The profile: the plot's points in file order.
#include "plot/plot_list.h"

#include <algorithm>

int32_t PlotList::CopyTo(PlotPoint* destination) const {
  std::copy(points_.begin(), points_.end(), destination);
  return Count();
}
