#include "checks/environment_runtime.h"

#include <gtest/gtest.h>

#include "jre_fixtures.h"

namespace ravel {
namespace {

using namespace jre_fixtures;
using sim::SimulatedMachine;

struct EnvironmentCase {
  const char* name;
  MachineLayout machine;
  std::int32_t result;
  int probes;  // children started: one per variable that is set and safe to run
};

// Installations the cases point the variables at.
const Java kOpen64Runtime{"C:\\Java\\open64", Open64()};
const Java kOpen64Kit{"C:\\Java\\open64kit", Open64(), true};
const Java kBranded64Runtime{"C:\\Java\\branded64", Branded64()};
const Java kBranded64Kit{"C:\\Java\\branded64kit", Branded64(), true};
const Java kBranded32Runtime{"C:\\Java\\branded32", Branded32()};
const Java kOpen32Kit{"C:\\Java\\open32kit", Open32(), true};
const Java kOpenJ964Runtime{"C:\\Java\\j9", OpenJ9Banner(true)};
const Java kOpenJ964Kit{"C:\\Java\\j9kit", OpenJ9Banner(true), true};
// A kit whose own runtime folder holds a copy of its runtime, as older kits shipped.
const Java kKitWithJre{"C:\\Java\\jdk11", Open64(), true};
const Java kKitsJre{"C:\\Java\\jdk11\\jre", Open64()};

const std::vector<EnvironmentCase> kCases = {
    {"neither set", {}, 0, 0},
    {"empty values", {"", ""}, 0, 0},
    {"JRE_HOME branded 64 runtime", {kBranded64Runtime.home, {}, {kBranded64Runtime}}, 3, 1},
    {"JRE_HOME open 64 runtime", {kOpen64Runtime.home, {}, {kOpen64Runtime}}, 1, 1},
    {"JRE_HOME is JAVA_HOME\\jre, both open 64",
     {kKitsJre.home, kKitWithJre.home, {kKitWithJre, kKitsJre}},
     3,
     2},
    {"JAVA_HOME with a trailing backslash breaks the \\jre match",
     {kKitsJre.home, kKitWithJre.home + "\\", {kKitWithJre, kKitsJre}},
     1,
     2},
    {"JAVA_HOME differing only in letter case breaks the \\jre match",
     {kKitsJre.home, "C:\\JAVA\\JDK11", {kKitWithJre, kKitsJre}},
     1,
     2},
    {"JRE_HOME open 64 runtime, JAVA_HOME branded 64 kit",
     {kOpen64Runtime.home, kBranded64Kit.home, {kOpen64Runtime, kBranded64Kit}},
     2,
     2},
    {"JRE_HOME branded 64 runtime, JAVA_HOME branded 64 kit",
     {kBranded64Runtime.home, kBranded64Kit.home, {kBranded64Runtime, kBranded64Kit}},
     3,
     2},
    {"JRE_HOME open 64 runtime, JAVA_HOME open 64 kit elsewhere",
     {kOpen64Runtime.home, kOpen64Kit.home, {kOpen64Runtime, kOpen64Kit}},
     1,
     2},
    {"JRE_HOME with javac is disregarded", {kBranded64Kit.home, {}, {kBranded64Kit}}, 0, 1},
    {"JRE_HOME with javac is disregarded, JAVA_HOME open 64 kit decides",
     {kBranded64Kit.home, kOpen64Kit.home, {kBranded64Kit, kOpen64Kit}},
     2,
     2},
    {"JAVA_HOME without javac is disregarded",
     {{}, kBranded64Runtime.home, {kBranded64Runtime}},
     0,
     1},
    {"JAVA_HOME without javac is disregarded, JRE_HOME open 64 decides",
     {kOpen64Runtime.home, kBranded64Runtime.home, {kOpen64Runtime, kBranded64Runtime}},
     1,
     2},
    {"JAVA_HOME open 64 kit", {{}, kOpen64Kit.home, {kOpen64Kit}}, 2, 1},
    {"JAVA_HOME branded 64 kit", {{}, kBranded64Kit.home, {kBranded64Kit}}, 2, 1},
    {"OpenJ9 runtime in JRE_HOME", {kOpenJ964Runtime.home, {}, {kOpenJ964Runtime}}, 0, 1},
    {"OpenJ9 kit in JAVA_HOME", {{}, kOpenJ964Kit.home, {kOpenJ964Kit}}, 0, 1},
    {"both 32-bit",
     {kBranded32Runtime.home, kOpen32Kit.home, {kBranded32Runtime, kOpen32Kit}},
     0,
     2},
    {"Java 8 and Java 17",
     {"C:\\j8", "C:\\j17", {{"C:\\j8", Java8Banner()}, {"C:\\j17", Java17Banner(), true}}},
     0,
     2},
    {"both name one kit", {kBranded64Kit.home, kBranded64Kit.home, {kBranded64Kit}}, 2, 2},
    {"both name one branded runtime",
     {kBranded64Runtime.home, kBranded64Runtime.home, {kBranded64Runtime}},
     3,
     2},
    {"both name one open runtime",
     {kOpen64Runtime.home, kOpen64Runtime.home, {kOpen64Runtime}},
     1,
     2},
    {"directories that hold no java.exe", {"C:\\nothing", "C:\\nothing", {}}, 0, 2},
    // Stored unexpanded, so the compiler test looks under the literal text; a path with a
    // percent sign never reaches a command line.
    {"JAVA_HOME with an unexpanded reference", {{}, "%ProgramFiles%\\Java\\jdk11", {}}, 0, 0},
};

TEST(FindEnvironmentRuntime, DecidesByTheTable) {
  for (const EnvironmentCase& c : kCases) {
    SCOPED_TRACE(c.name);
    SimulatedMachine machine;
    Build(machine, c.machine);
    const std::string before = machine.Snapshot();
    EXPECT_EQ(FindEnvironmentRuntime(machine), c.result);
    EXPECT_EQ(static_cast<int>(machine.Children().size()), c.probes);
    EXPECT_EQ(CountContaining(machine.CommandLines(), "\\Ravelcheck.txt"), c.probes);
    // Reads and probes only: the registry and files are as they were, captures deleted.
    EXPECT_EQ(machine.Snapshot(), before);
    EXPECT_EQ(machine.OpenKeys(), 0u);
  }
}

TEST(FindEnvironmentRuntime, ProbesJreHomeFirstThenJavaHomeAsStored) {
  SimulatedMachine machine;
  Build(machine, {kOpen64Runtime.home, kBranded64Kit.home + "\\", {kOpen64Runtime, kBranded64Kit}});
  FindEnvironmentRuntime(machine);
  EXPECT_EQ(machine.CommandLines(),
            (std::vector<std::string>{ClassifyCommand(kOpen64Runtime.home + "\\bin\\java.exe"),
                                      ClassifyCommand(kBranded64Kit.home + "\\\\bin\\java.exe")}));
  // Both values come from the registry copy of the machine environment, in the 32-bit view.
  ASSERT_EQ(machine.KeyOpens().size(), 2u);
  for (const sim::KeyOpenRecord& open : machine.KeyOpens()) {
    EXPECT_EQ(open.root, RegRoot::LocalMachine);
    EXPECT_EQ(open.subKey, kEnvironmentKey);
    EXPECT_EQ(open.access, 0x0001u);
  }
}

TEST(FindEnvironmentRuntime, ProcessEnvironmentIsNotConsulted) {
  SimulatedMachine machine;
  Build(machine, {{}, {}, {kBranded64Runtime}});
  machine.SetEnvironment("JRE_HOME", kBranded64Runtime.home);
  EXPECT_EQ(FindEnvironmentRuntime(machine), 0);
  EXPECT_TRUE(machine.Children().empty());
}

}  // namespace
}  // namespace ravel
