// The program against the replay of its children, timed alternately under Wine by the
// stopwatch.exe of bench/tools, each run from the same registry state.
#pragma once

#include <string>
#include <vector>

namespace ravel::e2e {
class WineMachine;
}

namespace ravel::bench {

struct TimedRun {
  double ms = 0;
  unsigned long processes = 0;  // as the job around the run counted them
  unsigned long lingering = 0;  // of which still running when the run's own process ended
  unsigned long exitCode = 0;
  double cpuMs = 0;  // of the run's own process, its children not included
};

struct TimedPairs {
  std::vector<TimedRun> program;  // pair i: program[i] and replay[i]
  std::vector<TimedRun> replay;
  std::string error;  // what went wrong, when the stopwatch did not answer as planned
};

// Runs both command lines `pairs` times each, alternating which goes first, after deleting
// the setup keys and JAVA_HOME before every run. The command lines name programs by their
// Windows paths.
TimedPairs TimePairs(e2e::WineMachine& machine, int pairs, const std::string& programCommand,
                     const std::string& replayCommand);

// Pair i's program time over its replay time.
std::vector<double> Ratios(const TimedPairs& timed);

}  // namespace ravel::bench
