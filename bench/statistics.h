// The few statistics the benchmark report needs.
#pragma once

#include <vector>

namespace ravel::bench {

double Median(std::vector<double> values);

// y = intercept + slope * x, by least squares.
struct Line {
  double intercept = 0;
  double slope = 0;
};
Line FitLine(const std::vector<double>& x, const std::vector<double>& y);

}  // namespace ravel::bench
