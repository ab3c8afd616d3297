// The Markdown report of the Wine benchmark: child counts, the program's own overhead as a
// ratio to the replay of its children, and how both grow with the runtimes on the PATH.
#pragma once

#include <ostream>
#include <vector>

#include "case_measurement.h"

namespace ravel::bench {

inline constexpr double kOverheadTarget = 1.05;

void WriteReport(std::ostream& out, const std::vector<CaseMeasurement>& cases, int pairs);

// True when every case started exactly the expected children, seen every way, and every run
// of the program ended with exit code 0.
bool AllCountsEqual(const std::vector<CaseMeasurement>& cases);

}  // namespace ravel::bench
