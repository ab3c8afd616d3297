#include "statistics.h"

#include <algorithm>
#include <cstddef>

namespace ravel::bench {

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Line FitLine(const std::vector<double>& x, const std::vector<double>& y) {
  const std::size_t n = std::min(x.size(), y.size());
  if (n < 2) return {};
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (std::size_t i = 0; i < n; ++i) {
    sx += x[i];
    sy += y[i];
    sxx += x[i] * x[i];
    sxy += x[i] * y[i];
  }
  const double denominator = n * sxx - sx * sx;
  if (denominator == 0) return {};
  const double slope = (n * sxy - sx * sy) / denominator;
  return Line{(sy - slope * sx) / n, slope};
}

}  // namespace ravel::bench
