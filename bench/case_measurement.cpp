#include "case_measurement.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>

#include "bench_layout.h"
#include "sim_children.h"
#include "wine_machine.h"

namespace ravel::bench {
namespace {

constexpr char kReplayList[] = "C:\\e2e\\replay.txt";

bool SameNoCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// A program of the Linux file system as Wine's drive Z: shows it, quoted for a command line.
std::string QuotedWindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + std::filesystem::absolute(unixPath).lexically_normal().string();
  std::replace(path.begin(), path.end(), '/', '\\');
  return "\"" + path + "\"";
}

// The system directory's case differs between Wine and the simulated machine; nothing else may.
void Compare(CaseMeasurement& measured) {
  const auto& traced = measured.traced.children;
  const auto& simulated = measured.simulated;
  for (std::size_t i = 0; i < std::max(traced.size(), simulated.size()); ++i) {
    if (i >= traced.size() || i >= simulated.size() ||
        traced[i].commandLine != simulated[i].commandLine ||
        !SameNoCase(traced[i].application, simulated[i].application)) {
      measured.firstDifference =
          "child " + std::to_string(i + 1) + ": Wine [" +
          (i < traced.size() ? traced[i].application + "] " + traced[i].commandLine : "none]") +
          " / simulated [" +
          (i < simulated.size() ? simulated[i].application + "] " + simulated[i].commandLine
                                : "none]");
      return;
    }
  }
  measured.sameCommandLines = !measured.traced.truncated;
}

}  // namespace

CaseMeasurement MeasureCase(e2e::WineMachine& machine, Check check, int runtimes, int pairs) {
  CaseMeasurement measured;
  measured.check = check;
  measured.runtimes = runtimes;
  const std::vector<Installation> layout = BenchLayout(runtimes);
  measured.expected = ExpectedFor(check, layout);
  measured.simulated = SimulatedChildren(check, layout, machine.TempDirectory());

  // One run with Wine's process trace on, untimed: the trace slows every process down.
  machine.Reset();
  LayOut(machine, layout);
  machine.SetWineDebug("+pid,+process");
  const e2e::RunResult traced = machine.RunRavelcheck(CheckArguments(check));
  machine.SetWineDebug("");
  measured.tracedExitCode = traced.exitCode;
  measured.traced = ReadTrace(traced.err);
  measured.stubLaunches = static_cast<int>(machine.StubLaunches().size());
  Compare(measured);

  // The replay runs exactly the command lines the program ran.
  std::string list;
  for (const ChildCommand& child : measured.traced.children) list += child.commandLine + "\n";
  machine.AddFile(kReplayList, list);
  const std::string program = QuotedWindowsPath(machine.BuildDir() + "/ravelcheck.exe") +
                              " type=" + CheckName(check) + " mode=no-silent";
  const std::string replay =
      QuotedWindowsPath(machine.BuildDir() + "/bench-tools/replay.exe") + " " + kReplayList;
  measured.timed = TimePairs(machine, pairs, program, replay);
  return measured;
}

}  // namespace ravel::bench
