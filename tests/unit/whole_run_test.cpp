// Whole runs of the program on a machine that has something for every source: what changes on
// the machine is exactly what the check must record, and no OS call that fails, alone or with
// every other call of its kind, can make the program crash, leak, misuse a handle, leave a
// capture file behind or write anywhere else.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/front_end.h"
#include "machine_diff.h"
#include "machine_names.h"
#include "rich_machine.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using sim::OsCall;
using sim::RegistryValue;
using sim::SimulatedMachine;

struct Write {
  RegRoot root;
  RegistryView view;
  std::string key;
  std::string name;
  RegistryValue value;
};

RegistryValue Verdict(char c) { return RegistryValue{1, {static_cast<std::uint8_t>(c)}}; }

struct RunCase {
  std::string name;
  const char* type;
  const char* mode;
  std::vector<Write> writes;  // everything the run must change, and nothing else
};

void PrintTo(const RunCase& c, std::ostream* out) { *out << c.name; }

const std::vector<RunCase>& Cases() {
  static const std::vector<RunCase> cases = {
      {"jre_silent",
       "type=jre",
       "mode=silent",
       {{kHklm, k64, kSetupKey, "JavaLocation", RegistryValue::String("C:\\Java\\jre-11-open")},
        {kHklm, k32, kSetupKey, "JavaLocation",
         RegistryValue::String("C:\\Java\\jre-11-open-x86")}}},
      {"jre_no_silent",
       "type=jre",
       "mode=no-silent",
       {{kHkcu, k64, kSetupKey, "Ravelcheck32", Verdict('1')},
        {kHkcu, k64, kSetupKey, "Ravelcheck64", Verdict('1')},
        {kHklm, k64, kSetupKey, "JavaLocation", RegistryValue::String("C:\\Java\\jre-11-open")},
        {kHklm, k32, kSetupKey, "JavaLocation",
         RegistryValue::String("C:\\Java\\jre-11-open-x86")}}},
      {"jdk_silent",
       "type=java",
       "mode=silent",
       {{kHklm, k64, kEnvironmentKey, "JAVA_HOME",
         RegistryValue::String("C:\\Java\\jdk-8-adopt")}}},
      {"jdk_no_silent",
       "type=java",
       "mode=no-silent",
       {{kHkcu, k64, kSetupKey, "QKJDKPrecheck", Verdict('1')},
        {kHklm, k64, kEnvironmentKey, "JAVA_HOME",
         RegistryValue::String("C:\\Java\\jdk-8-adopt")}}},
  };
  return cases;
}

int RunProgram(SimulatedMachine& machine, const RunCase& c) {
  const char* argv[] = {"ravelcheck.exe", c.type, c.mode};
  return RunRavelcheck(machine, 3, argv);
}

int RegAdds(const SimulatedMachine& machine) {
  int count = 0;
  for (const std::string& line : machine.CommandLines()) {
    count += line.find(" reg add ") != std::string::npos;
  }
  return count;
}

// Only the setup keys and JAVA_HOME may ever change.
bool MayChange(const std::string& snapshotLine) {
  for (const char* place : {"hkcu\\software\\quillmark", "hklm\\software\\quillmark",
                            "hklm\\software\\wow6432node\\quillmark"}) {
    if (snapshotLine.find(place) != std::string::npos) return true;
  }
  return snapshotLine.find("session manager\\environment | JAVA_HOME |") != std::string::npos;
}

class WholeRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(WholeRun, ChangesExactlyWhatTheCheckRecords) {
  const RunCase& c = GetParam();
  SimulatedMachine machine;
  rich::LayOut(machine);
  SimulatedMachine expected;
  rich::LayOut(expected);
  for (const Write& write : c.writes) {
    expected.SetValue(write.root, write.view, write.key, write.name, write.value);
  }
  const auto before = machine.SnapshotLines();

  EXPECT_EQ(RunProgram(machine, c), 0);

  const MachineDiff actual = Diff(before, machine.SnapshotLines());
  const MachineDiff wanted = Diff(before, expected.SnapshotLines());
  EXPECT_EQ(actual.added, wanted.added);
  EXPECT_EQ(actual.removed, wanted.removed);
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
  EXPECT_TRUE(machine.StrayCommands().empty());
  EXPECT_EQ(machine.OpenStreams(), 0u);
  EXPECT_EQ(machine.OpenKeys(), 0u);
}

// Checks what must hold whatever failed: exit code 0, nothing thrown, no leak, no use of a
// handle that is not open, no capture file left except one whose own deletion failed, no more
// `reg add` children than a run without faults, and changes only where the checks record.
void ExpectSoundUnderFault(const RunCase& c, const sim::SimulatedMachine::FaultRule& rule,
                           int baselineRegAdds, const std::string& trace) {
  SCOPED_TRACE(trace);
  SimulatedMachine machine;
  rich::LayOut(machine);
  const auto before = machine.SnapshotLines();
  std::vector<std::string> failedDeletes;
  machine.SetFaultRule([&](OsCall call, std::uint64_t ordinal, const std::string& detail) {
    const bool fails = rule(call, ordinal, detail);
    if (fails && call == OsCall::DeleteFile) failedDeletes.push_back(detail);
    return fails;
  });
  int exitCode = -1;
  EXPECT_NO_THROW(exitCode = RunProgram(machine, c));
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(machine.OpenStreams(), 0u);
  EXPECT_EQ(machine.OpenKeys(), 0u);
  EXPECT_EQ(machine.InvalidHandleUses(), 0);
  EXPECT_TRUE(machine.StrayCommands().empty());
  EXPECT_LE(RegAdds(machine), baselineRegAdds);
  for (const std::string& left : machine.FilesUnder(kTemp)) {
    EXPECT_NE(std::find(failedDeletes.begin(), failedDeletes.end(), left), failedDeletes.end())
        << "capture file left behind: " << left;
  }
  const MachineDiff diff = Diff(before, machine.SnapshotLines());
  for (const auto* lines : {&diff.added, &diff.removed}) {
    for (const std::string& line : *lines) {
      if (line.rfind("file ", 0) == 0) continue;  // capture files, judged above
      EXPECT_TRUE(MayChange(line)) << "changed outside the setup keys and JAVA_HOME: " << line;
    }
  }
}

TEST_P(WholeRun, EachCallFailingInTurnIsHandledSoundly) {
  const RunCase& c = GetParam();
  SimulatedMachine baseline;
  rich::LayOut(baseline);
  RunProgram(baseline, c);
  const std::uint64_t calls = baseline.CallCount();
  ASSERT_GT(calls, 50u);
  for (std::uint64_t failing = 0; failing < calls; ++failing) {
    ExpectSoundUnderFault(
        c,
        [failing](OsCall, std::uint64_t ordinal, const std::string&) { return ordinal == failing; },
        RegAdds(baseline), "call #" + std::to_string(failing) + " fails");
    if (HasFailure()) break;  // one broken call is enough to read
  }
}

TEST_P(WholeRun, EveryCallOfOneKindFailingIsHandledSoundly) {
  const RunCase& c = GetParam();
  SimulatedMachine baseline;
  rich::LayOut(baseline);
  RunProgram(baseline, c);
  for (int kind = 0; kind <= static_cast<int>(OsCall::RegCloseKey); ++kind) {
    ExpectSoundUnderFault(
        c,
        [kind](OsCall call, std::uint64_t, const std::string&) {
          return static_cast<int>(call) == kind;
        },
        RegAdds(baseline), "every call of kind " + std::to_string(kind) + " fails");
  }
}

TEST(WholeRunFaults, SetupKeyThatCannotBeOpenedGetsOneRegAddAndNoValue) {
  for (const RunCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    SimulatedMachine machine;
    rich::LayOut(machine);
    machine.SetFaultRule([](OsCall call, std::uint64_t, const std::string& detail) {
      return call == OsCall::RegOpenKey && detail.find("Quillmark") != std::string::npos;
    });
    RunProgram(machine, c);
    int targets = 0;
    for (const Write& write : c.writes) targets += write.key.find("Quillmark") != std::string::npos;
    // One reg add per target, however many values it has: the per-user verdicts share one.
    EXPECT_LE(RegAdds(machine), targets);
    EXPECT_GE(RegAdds(machine), targets > 0 ? 1 : 0);
    for (const Write& write : c.writes) {
      if (write.key.find("Quillmark") == std::string::npos) continue;
      EXPECT_FALSE(machine.Value(write.root, write.view, write.key, write.name)) << write.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Checks, WholeRun, ::testing::ValuesIn(Cases()),
                         [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace ravel
