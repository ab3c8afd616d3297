#include "checks/java_home.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "machine_names.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using sim::OsCall;
using sim::RegistryValue;
using sim::SimulatedMachine;

std::optional<RegistryValue> JavaHome(const SimulatedMachine& machine) {
  return machine.Value(kHklm, k64, kEnvironmentKey, "JAVA_HOME");
}

RegistryValue Bytes(const std::string& bytes, std::uint32_t type = sim::kRegSz) {
  RegistryValue value;
  value.type = type;
  value.data.assign(bytes.begin(), bytes.end());
  return value;
}

struct EndStateCase {
  std::string name;
  std::optional<RegistryValue> before;
  std::vector<std::string> kits;      // directories given bin\java.exe and bin\javac.exe
  std::vector<std::string> runtimes;  // directories given bin\java.exe alone
  std::string directory;
  std::optional<RegistryValue> after;
};

TEST(UpdateJavaHome, EndStates) {
  const RegistryValue old = RegistryValue::String("C:\\old");
  const std::string longHome = "C:\\" + std::string(252, 'k');
  const std::vector<EndStateCase> cases = {
      {"empty directory removes it", old, {}, {}, "", std::nullopt},
      {"empty directory removes it even with C:\\bin\\javac.exe present",
       old,
       {"C:"},
       {},
       "",
       std::nullopt},
      {"runtime without javac removes it", old, {}, {"C:\\jre"}, "C:\\jre", std::nullopt},
      {"missing directory removes it", old, {}, {}, "C:\\nowhere", std::nullopt},
      {"nothing to remove stays absent", std::nullopt, {}, {}, "", std::nullopt},
      {"kit: REG_SZ, the text and one terminator",
       old,
       {"C:\\jdk"},
       {},
       "C:\\jdk",
       Bytes(std::string("C:\\jdk") + '\0')},
      {"kit written where there was none",
       std::nullopt,
       {"C:\\jdk"},
       {},
       "C:\\jdk",
       Bytes(std::string("C:\\jdk") + '\0')},
      {"same directory already there stays exactly so",
       RegistryValue::String("C:\\jdk"),
       {"C:\\jdk"},
       {},
       "C:\\jdk",
       Bytes(std::string("C:\\jdk") + '\0')},
      {"REG_EXPAND_SZ becomes REG_SZ without references",
       RegistryValue::String("%ProgramFiles%\\Java\\jdk", sim::kRegExpandSz),
       {"C:\\Program Files\\Java\\jdk"},
       {},
       "C:\\Program Files\\Java\\jdk",
       Bytes(std::string("C:\\Program Files\\Java\\jdk") + '\0')},
      {"trailing backslash is kept",
       old,
       {"C:\\jdk"},
       {},
       "C:\\jdk\\",
       Bytes(std::string("C:\\jdk\\") + '\0')},
      {"255 characters are stored as 256 bytes",
       old,
       {longHome},
       {},
       longHome,
       Bytes(longHome + '\0')},
  };
  for (const EndStateCase& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedMachine machine;
    if (c.before) machine.SetValue(kHklm, k64, kEnvironmentKey, "JAVA_HOME", *c.before);
    for (const std::string& kit : c.kits) machine.AddKit(kit, "");
    for (const std::string& runtime : c.runtimes) {
      machine.AddRuntime(runtime + "\\bin\\java.exe", sim::Runtime{});
    }
    UpdateJavaHome(machine, c.directory);
    EXPECT_EQ(JavaHome(machine), c.after);
    EXPECT_TRUE(machine.Children().empty());
    EXPECT_EQ(machine.OpenKeys(), 0u);
    EXPECT_EQ(machine.OpenStreams(), 0u);
  }
}

// The registry calls of one run, in order, by name.
struct CallLog {
  std::vector<std::string> calls;
  void Watch(SimulatedMachine& machine, std::optional<OsCall> failing = std::nullopt) {
    machine.SetFaultRule([this, failing](OsCall call, std::uint64_t, const std::string& detail) {
      switch (call) {
        case OsCall::RegOpenKey:
          calls.push_back("open " + detail);
          break;
        case OsCall::RegSetValue:
          calls.push_back("set " + detail);
          break;
        case OsCall::RegDeleteValue:
          calls.push_back("delete " + detail);
          break;
        case OsCall::RegCloseKey:
          calls.push_back("close");
          break;
        default:
          break;
      }
      return call == failing;
    });
  }
};

TEST(UpdateJavaHome, SetsInPlaceWithSetValueAccessAndNeverDeletesFirst) {
  SimulatedMachine machine;
  machine.SetString(kHklm, k64, kEnvironmentKey, "JAVA_HOME", "C:\\old");
  machine.AddKit("C:\\jdk", "");
  CallLog log;
  log.Watch(machine);
  UpdateJavaHome(machine, "C:\\jdk");
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{"open " + kEnvironmentKey, "set JAVA_HOME", "close"}));
  ASSERT_EQ(machine.KeyOpens().size(), 1u);
  EXPECT_EQ(machine.KeyOpens()[0], (sim::KeyOpenRecord{kHklm, kEnvironmentKey, 0x0002}));
}

TEST(UpdateJavaHome, RemovesWithFullAccessInThe32BitView) {
  SimulatedMachine machine;
  machine.SetString(kHklm, k64, kEnvironmentKey, "JAVA_HOME", "C:\\old");
  CallLog log;
  log.Watch(machine);
  UpdateJavaHome(machine, "C:\\jre");
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{"open " + kEnvironmentKey, "delete JAVA_HOME", "close"}));
  ASSERT_EQ(machine.KeyOpens().size(), 1u);
  EXPECT_EQ(machine.KeyOpens()[0], (sim::KeyOpenRecord{kHklm, kEnvironmentKey, 0xF023F}));
}

TEST(UpdateJavaHome, FailedWriteKeepsTheEarlierValue) {
  for (const OsCall failing : {OsCall::RegOpenKey, OsCall::RegSetValue}) {
    SimulatedMachine machine;
    const RegistryValue old = RegistryValue::String("%SystemDrive%\\old", sim::kRegExpandSz);
    machine.SetValue(kHklm, k64, kEnvironmentKey, "JAVA_HOME", old);
    machine.AddKit("C:\\jdk", "");
    CallLog log;
    log.Watch(machine, failing);
    UpdateJavaHome(machine, "C:\\jdk");
    EXPECT_EQ(JavaHome(machine), old);
    EXPECT_EQ(machine.OpenKeys(), 0u);
  }
}

TEST(UpdateJavaHome, RemovalThatCannotOpenTheKeyChangesNothing) {
  SimulatedMachine machine;
  machine.SetString(kHklm, k64, kEnvironmentKey, "JAVA_HOME", "C:\\old");
  machine.SetFaultRule(
      [](OsCall call, std::uint64_t, const std::string&) { return call == OsCall::RegOpenKey; });
  UpdateJavaHome(machine, "");
  EXPECT_EQ(JavaHome(machine), RegistryValue::String("C:\\old"));
  EXPECT_EQ(machine.KeyOpens().size(), 1u);  // no second attempt
}

}  // namespace
}  // namespace ravel
