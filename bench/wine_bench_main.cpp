// The Wine benchmark (scripts/bench.sh): for machines with 1, 4, 16 and 32 runtimes on the PATH,
// and for type=jre and type=java in mode=no-silent, the children ravelcheck.exe starts against
// the ones it must start, and its wall time against a replay of those children. Writes a Markdown
// report on standard output and progress on standard error; exits 1 when a count differs.
//
// RAVEL_BENCH_PAIRS (default 5) sets the number of timed pairs per case, RAVEL_BENCH_SIZES
// (default 1,4,16,32) the machines.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "case_measurement.h"
#include "wine_machine.h"
#include "wine_report.h"

namespace {

using ravel::bench::Check;

int PairsWanted() {
  const char* text = std::getenv("RAVEL_BENCH_PAIRS");
  const int pairs = text != nullptr ? std::atoi(text) : 0;
  return pairs > 0 ? pairs : 5;
}

std::vector<int> SizesWanted() {
  const char* text = std::getenv("RAVEL_BENCH_SIZES");
  std::vector<int> sizes;
  std::istringstream in(text != nullptr && *text != '\0' ? text : "1,4,16,32");
  std::string size;
  while (std::getline(in, size, ',')) {
    if (std::atoi(size.c_str()) > 0) sizes.push_back(std::atoi(size.c_str()));
  }
  return sizes;
}

}  // namespace

int main() {
  const int pairs = PairsWanted();
  std::fprintf(stderr, "booting the Wine machine ...\n");
  ravel::e2e::WineMachine& machine = ravel::e2e::WineMachine::Shared();
  std::vector<ravel::bench::CaseMeasurement> cases;
  for (const int size : SizesWanted()) {
    for (const Check check : {Check::Jre, Check::Jdk}) {
      std::fprintf(stderr, "type=%s with %d runtimes on PATH: %d pairs ...\n",
                   ravel::bench::CheckName(check).c_str(), size, pairs);
      cases.push_back(ravel::bench::MeasureCase(machine, check, size, pairs));
    }
  }
  ravel::bench::WriteReport(std::cout, cases, pairs);
  return ravel::bench::AllCountsEqual(cases) ? 0 : 1;
}
