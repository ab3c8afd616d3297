// One benchmark case, a check on a machine with a number of runtimes on the PATH: its children
// counted three ways and seen under Wine, and its time against the replay of those children.
#pragma once

#include <string>
#include <vector>

#include "check_kind.h"
#include "child_command.h"
#include "expected_children.h"
#include "timed_pairs.h"
#include "wine_trace.h"

namespace ravel::e2e {
class WineMachine;
}

namespace ravel::bench {

struct CaseMeasurement {
  Check check = Check::Jre;
  int runtimes = 0;
  ExpectedChildren expected;            // from the rules
  std::vector<ChildCommand> simulated;  // the simulated machine's children
  TracedRun traced;                     // the children under Wine
  bool sameCommandLines = false;        // traced and simulated, in order
  std::string firstDifference;          // when they are not the same
  int stubLaunches = 0;                 // where.exe and java.exe lines in the launch log
  int tracedExitCode = -1;              // of the traced run
  TimedPairs timed;
};

CaseMeasurement MeasureCase(e2e::WineMachine& machine, Check check, int runtimes, int pairs);

}  // namespace ravel::bench
