// The processes that one run started itself, read from the trace Wine writes with
// WINEDEBUG=+pid,+process: every CreateProcessInternalW call, by the process that made it.
#pragma once

#include <string>
#include <vector>

#include "child_command.h"

namespace ravel::bench {

struct TracedRun {
  // The process that Linux started: the only one whose start the trace does not show.
  int roots = 0;                       // 1 for a readable trace
  std::vector<ChildCommand> children;  // the creations it asked for, in order
  int started = 0;                     // of which succeeded
  bool truncated = false;              // Wine shortened a text that long: compare no further
};

TracedRun ReadTrace(const std::string& trace);

}  // namespace ravel::bench
