#include "timed_pairs.h"

#include <cstddef>
#include <sstream>

#include "wine_machine.h"

namespace ravel::bench {
namespace {

// Every run starts as the first run on a fresh machine: no setup key in any of its three
// places, so each one is created by a "reg add" child, and no JAVA_HOME left by a JDK check.
std::string ResetLines() {
  const std::string setupParent = "SOFTWARE\\Quillmark";
  return "purge\tHKCU\t64\t" + setupParent + "\n" + "purge\tHKLM\t64\t" + setupParent + "\n" +
         "purge\tHKLM\t32\t" + setupParent + "\n" + "delete\tHKLM\t64\t" + e2e::kEnvironmentKey +
         "\tJAVA_HOME\n";
}

}  // namespace

TimedPairs TimePairs(e2e::WineMachine& machine, int pairs, const std::string& programCommand,
                     const std::string& replayCommand) {
  const std::string plan =
      "run\tprogram\t" + programCommand + "\nrun\treplay\t" + replayCommand + "\n" + ResetLines();
  const e2e::RunResult result = machine.RunWindowsProgram(
      machine.BuildDir() + "/bench-tools/stopwatch.exe", {std::to_string(pairs)}, plan);
  TimedPairs timed;
  std::istringstream in(result.out);
  std::string label;
  TimedRun run;
  while (in >> label >> run.ms >> run.processes >> run.lingering >> run.exitCode >> run.cpuMs) {
    (label == "program" ? timed.program : timed.replay).push_back(run);
  }
  if (result.exitCode != 0 || timed.program.size() != static_cast<std::size_t>(pairs) ||
      timed.replay.size() != static_cast<std::size_t>(pairs)) {
    timed.error =
        "stopwatch.exe exit " + std::to_string(result.exitCode) + ": " + result.out + result.err;
  }
  return timed;
}

std::vector<double> Ratios(const TimedPairs& timed) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < timed.program.size() && i < timed.replay.size(); ++i) {
    if (timed.replay[i].ms > 0) ratios.push_back(timed.program[i].ms / timed.replay[i].ms);
  }
  return ratios;
}

}  // namespace ravel::bench
