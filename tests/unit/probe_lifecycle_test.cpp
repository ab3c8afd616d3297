// What all four probes share: each runs its runtime once through its own capture file, reads no
// further than it needs, and never leaves the capture file or its stream behind.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "probe_runner.h"
#include "probes/java11_probe.h"
#include "probes/java8_probe.h"
#include "probes/update_level_probe.h"
#include "probes/version_string_probe.h"
#include "sim/java_banners.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using namespace banners;
using sim::OsCall;
using sim::SimulatedMachine;

struct Probe {
  const char* name;
  const char* captureFile;
  std::uint64_t linesNeeded;
  std::function<std::string(Os&, const std::string&)> run;  // the result as text
};

std::string KindText(RuntimeKind kind) { return std::to_string(static_cast<int>(kind)); }

const std::array<Probe, 4>& AllProbes() {
  static const std::array<Probe, 4> probes = {{
      {"ClassifyJava8Runtime", "\\Ravelcheck.txt", 3,
       [](Os& os, const std::string& exe) { return KindText(ClassifyJava8Runtime(os, exe)); }},
      {"ReadUpdateLevel", "\\JavaVer.txt", 2,
       [](Os& os, const std::string& exe) { return std::to_string(ReadUpdateLevel(os, exe)); }},
      {"ClassifyJava11Runtime", "\\Ravelcheck.txt", 3,
       [](Os& os, const std::string& exe) { return KindText(ClassifyJava11Runtime(os, exe)); }},
      {"ReadVersionString", "\\JavaVer.txt", 2,
       [](Os& os, const std::string& exe) { return ReadVersionString(os, exe); }},
  }};
  return probes;
}

TEST(EveryProbe, RunsTheRuntimeOnceThroughItsOwnCaptureFile) {
  // A branded Java 11: not a Java 8 runtime, update 9, version 0.2.
  const std::array<std::string, 4> expected = {"0", "9", "2", "0.2"};
  for (std::size_t i = 0; i < AllProbes().size(); ++i) {
    const Probe& probe = AllProbes()[i];
    SCOPED_TRACE(probe.name);
    SimulatedMachine machine;
    machine.AddRuntime(kJavaExe, sim::Runtime{kBranded11x64});
    EXPECT_EQ(probe.run(machine, kJavaExe), expected[i]);
    EXPECT_EQ(machine.CommandLines(),
              (std::vector<std::string>{"cmd.exe /C \"\"" + kJavaExe + "\" -version 2>\"" + kTemp +
                                        probe.captureFile + "\"\""}));
    EXPECT_TRUE(machine.StrayCommands().empty());
    ExpectNothingLeftBehind(machine);
  }
}

TEST(EveryProbe, StopsReadingAfterTheLastLineItNeeds) {
  // Two notices, then a banner of six lines.
  const std::string output = kToolOptionsNotice + kJdkOptionsNote + kAdopt11OpenJ9;
  for (const Probe& probe : AllProbes()) {
    SCOPED_TRACE(probe.name);
    SimulatedMachine machine;
    machine.AddRuntime(kJavaExe, sim::Runtime{output});
    std::uint64_t lineReads = 0;
    machine.SetFaultRule([&lineReads](OsCall call, std::uint64_t, const std::string&) {
      if (call == OsCall::ReadLine) ++lineReads;
      return false;
    });
    probe.run(machine, kJavaExe);
    EXPECT_EQ(lineReads, 2 + probe.linesNeeded);
    ExpectNothingLeftBehind(machine);
  }
}

TEST(EveryProbe, LeavesNoCaptureFileOnAnyPath) {
  struct Path {
    const char* name;
    std::function<void(SimulatedMachine&)> arrange;
    std::array<std::string, 4> expected;  // Java 8, update level, Java 11, version string
  };
  const auto failing = [](OsCall failingCall) {
    return [failingCall](SimulatedMachine& machine) {
      machine.AddRuntime(kJavaExe, sim::Runtime{kBranded8u281x64});
      machine.SetFaultRule([failingCall](OsCall call, std::uint64_t, const std::string&) {
        return call == failingCall;
      });
    };
  };
  const std::vector<Path> paths = {
      {"a full banner",
       [](SimulatedMachine& m) { m.AddRuntime(kJavaExe, sim::Runtime{kBranded8u281x64}); },
       {"2", "281", "0", "0.0"}},
      // Only the interpreter's two-line complaint lands in the capture.
      {"the runtime does not exist", [](SimulatedMachine&) {}, {"0", "0", "0", "0.0"}},
      {"the runtime prints nothing",
       [](SimulatedMachine& m) { m.AddRuntime(kJavaExe, sim::Runtime{}); },
       {"0", "0", "0", ""}},
      {"the capture file cannot be opened", failing(OsCall::OpenTextFile), {"0", "0", "0", ""}},
      {"reading the capture file fails", failing(OsCall::ReadLine), {"0", "0", "0", ""}},
  };
  for (const Path& path : paths) {
    for (std::size_t i = 0; i < AllProbes().size(); ++i) {
      const Probe& probe = AllProbes()[i];
      SCOPED_TRACE(std::string(path.name) + ", " + probe.name);
      SimulatedMachine machine;
      path.arrange(machine);
      EXPECT_EQ(probe.run(machine, kJavaExe), path.expected[i]);
      ASSERT_EQ(machine.Children().size(), 1u);  // the capture file was created
      ExpectNothingLeftBehind(machine);
    }
  }
}

}  // namespace
}  // namespace ravel
