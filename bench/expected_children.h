// How many children a check must start on a benchmark machine, counted from the checks' rules by
// hand rather than by running the checks' code: the yardstick for the counts seen under Wine.
#pragma once

#include <vector>

#include "bench_layout.h"
#include "check_kind.h"

namespace ravel::bench {

struct ExpectedChildren {
  int listings = 0;  // "where java"
  int probes = 0;    // "-version" runs of a listed java.exe
  int regAdds = 0;   // "reg add" of a setup key that the run finds missing

  int Total() const { return listings + probes + regAdds; }
  // The children that leave a line in the stubs' launch log (where.exe and java.exe).
  int StubLaunches() const { return listings + probes; }
  // Processes a job around the run sees under Wine: the program, and per child cmd.exe, its
  // conhost.exe and the program cmd.exe starts.
  int JobProcesses() const { return 1 + 3 * Total(); }
};

// On a machine laid out by LayOut, with no setup key, no JavaSoft key and neither JRE_HOME nor
// JAVA_HOME, mode=no-silent.
ExpectedChildren ExpectedFor(Check check, const std::vector<Installation>& layout);

}  // namespace ravel::bench
