// What runtimes, listings, registry values and environment a hostile or broken machine can
// offer, run through whole checks: each gives the sound result, runs nothing it should not, and
// leaves nothing behind.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/front_end.h"
#include "machine_names.h"
#include "sim/java_banners.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using sim::RegistryValue;
using sim::Runtime;
using sim::SimulatedMachine;

void RunCheck(SimulatedMachine& machine, const char* type, const char* mode = "mode=no-silent") {
  const char* argv[] = {"ravelcheck.exe", type, mode};
  ASSERT_EQ(RunRavelcheck(machine, 3, argv), 0);
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
  EXPECT_TRUE(machine.StrayCommands().empty());
  EXPECT_EQ(machine.OpenStreams(), 0u);
  EXPECT_EQ(machine.OpenKeys(), 0u);
  EXPECT_EQ(machine.InvalidHandleUses(), 0);
}

std::string Verdict(const SimulatedMachine& machine, const std::string& name) {
  const auto value = machine.Value(kHkcu, k64, kSetupKey, name);
  return value ? value->Text() : "missing";
}

std::string Location(const SimulatedMachine& machine, RegistryView view) {
  const auto value = machine.Value(kHklm, view, kSetupKey, "JavaLocation");
  return value ? value->Text() : "missing";
}

bool AnyCommandContains(const SimulatedMachine& machine, const std::string& fragment) {
  for (const std::string& line : machine.CommandLines()) {
    if (line.find(fragment) != std::string::npos) return true;
  }
  return false;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

// The runtime's lines 2 and 3 behind a first line of the given length (its line feed included).
std::string AfterFirstLineOf(std::size_t length, const std::string& banner) {
  return std::string(length - 1, 'n') + "\n" + banner.substr(banner.find('\n') + 1);
}

struct OutputCase {
  std::string name;
  std::string jreOutput;  // of a 64-bit Java 11 runtime on PATH
  std::string jdkOutput;  // of an open Java 8 kit on PATH
  const char* found;      // what both checks conclude
};

TEST(HostileRuntimeOutput, EachOutputGivesTheSoundVerdict) {
  const std::vector<OutputCase> cases = {
      {"empty", "", "", "0"},
      {"binary", RandomBytes(4096, 1), RandomBytes(4096, 2), "0"},
      {"megabytes of lines", std::string(3 << 20, 'x') + "\n", std::string(3 << 20, 'y'), "0"},
      {"no line feeds", std::string(100000, 'a'), std::string(100000, 'b'), "0"},
      {"first line of 254 bytes", AfterFirstLineOf(254, banners::kAdopt11x64),
       AfterFirstLineOf(254, banners::kAdopt8u282x64), "1"},
      {"first line of 255 bytes", AfterFirstLineOf(255, banners::kAdopt11x64),
       AfterFirstLineOf(255, banners::kAdopt8u282x64), "1"},
      {"first line of 256 bytes", AfterFirstLineOf(256, banners::kAdopt11x64),
       AfterFirstLineOf(256, banners::kAdopt8u282x64), "0"},
      {"first line of 300 bytes", AfterFirstLineOf(300, banners::kAdopt11x64),
       AfterFirstLineOf(300, banners::kAdopt8u282x64), "0"},
      {"Ctrl-Z before the version", "x\n\x1A" + banners::kAdopt11x64,
       "x\n\x1A" + banners::kAdopt8u282x64, "0"},
  };
  for (const OutputCase& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedMachine jre;
    jre.AddRuntime("C:\\Java\\odd\\bin\\java.exe", Runtime{c.jreOutput});
    jre.SetEnvironment("PATH", "C:\\Java\\odd\\bin;" + kSystemPath);
    RunCheck(jre, "type=jre");
    EXPECT_EQ(Verdict(jre, "Ravelcheck64"), c.found);

    SimulatedMachine jdk;
    jdk.AddRuntime("C:\\Java\\odd\\bin\\java.exe", Runtime{c.jdkOutput});
    jdk.AddFile("C:\\Java\\odd\\bin\\javac.exe", "MZ");
    jdk.SetEnvironment("PATH", "C:\\Java\\odd\\bin;" + kSystemPath);
    RunCheck(jdk, "type=java");
    EXPECT_EQ(Verdict(jdk, "QKJDKPrecheck"), c.found);
  }
}

TEST(HostileListing, OddLinesAreHarmlessAndTheGoodRuntimeStillCounts) {
  SimulatedMachine machine;
  machine.AddRuntime("C:\\Java\\good\\bin\\java.exe", Runtime{banners::kAdopt11x64});
  machine.AddRuntime("C:\\Java\\100%\\bin\\java.exe", Runtime{banners::kAdopt11x86});
  machine.OverrideWhereOutput(
      "C:\\" + std::string(300, 'x') + "\\bin\\java.exe\r\n" + "\r\n" +
      "C:\\nowhere\\bin\\java.exe\r\n" + "C:\\Java\\a\" & calc & \"b\\bin\\java.exe\r\n" +
      "C:\\Java\\100%\\bin\\java.exe\r\n" + "C:\\Java\\good\\bin\\java.exe\r\n");
  RunCheck(machine, "type=jre");
  EXPECT_EQ(Location(machine, k64), "C:\\Java\\good");
  EXPECT_EQ(Verdict(machine, "Ravelcheck32"), "0");  // the 100% runtime never ran
  EXPECT_FALSE(AnyCommandContains(machine, "%"));
  EXPECT_FALSE(AnyCommandContains(machine, "calc"));
}

struct RegistryCase {
  std::string name;
  RegistryValue jreHome;
  std::string location64;  // "missing" when nothing counts
  bool anyChild;           // whether the value's runtime may be run at all
};

TEST(HostileRegistryValue, JreHomeOfEveryShapeReadsSoundly) {
  const std::string home = "C:\\Java\\jre-11-open";
  const std::string longHome = "C:\\" + std::string(252, 'j');  // 255 characters
  RegistryValue multi{7, {}};
  for (char c : home + std::string("\0C:\\other\0\0", 11)) multi.data.push_back(c);
  RegistryValue binary{3, std::vector<std::uint8_t>(home.begin(), home.end())};
  const std::vector<RegistryCase> cases = {
      {"REG_SZ", RegistryValue::String(home), home, true},
      {"255 characters", RegistryValue::String(longHome), longHome, true},
      {"256 characters", RegistryValue::String(longHome + "k"), "missing", false},
      {"REG_EXPAND_SZ with a reference", RegistryValue::String("%SystemDrive%\\Java\\jre", 2),
       "missing", false},
      {"REG_MULTI_SZ", multi, home, true},
      {"REG_DWORD", RegistryValue{4, {1, 0, 0, 0}}, "missing", false},
      {"REG_BINARY without terminator", binary, home, true},
      {"double quote", RegistryValue::String("C:\\Java\\\" & calc & \""), "missing", false},
  };
  for (const RegistryCase& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedMachine machine;
    machine.AddRuntime(home + "\\bin\\java.exe", Runtime{banners::kAdopt11x64});
    machine.AddRuntime(longHome + "\\bin\\java.exe", Runtime{banners::kAdopt11x64});
    machine.AddRuntime(longHome + "k\\bin\\java.exe", Runtime{banners::kAdopt11x64});
    machine.SetValue(kHklm, k64, kEnvironmentKey, "JRE_HOME", c.jreHome);
    RunCheck(machine, "type=jre", "mode=silent");
    EXPECT_EQ(Location(machine, k64), c.location64);
    EXPECT_EQ(AnyCommandContains(machine, "-version"), c.anyChild);
    EXPECT_FALSE(AnyCommandContains(machine, "calc"));
  }
}

TEST(HostileEnvironment, PathEntriesWithBlanksAndAmpersandsWork) {
  SimulatedMachine machine;
  const std::string home = "C:\\Program Files (x86)\\Java & Co\\jre";
  machine.AddRuntime(home + "\\bin\\java.exe", Runtime{banners::kAdopt11x86});
  machine.SetEnvironment("PATH", home + "\\bin;" + kSystemPath);
  RunCheck(machine, "type=jre");
  EXPECT_EQ(Location(machine, k32), home);
}

TEST(HostileEnvironment, TempWithBlanksAndAmpersandsWorks) {
  SimulatedMachine machine;
  machine.AddDirectory("C:\\Temp Dir & More");
  machine.SetEnvironment("TEMP", "C:\\Temp Dir & More");
  machine.AddRuntime("C:\\Java\\good\\bin\\java.exe", Runtime{banners::kAdopt11x64});
  machine.SetEnvironment("PATH", "C:\\Java\\good\\bin;" + kSystemPath);
  RunCheck(machine, "type=jre");
  EXPECT_EQ(Location(machine, k64), "C:\\Java\\good");
  EXPECT_TRUE(machine.FilesUnder("C:\\Temp Dir & More").empty());
}

TEST(HostileEnvironment, TempWithAPercentSignRunsOnlyRegAdd) {
  SimulatedMachine machine;
  machine.SetEnvironment("TEMP", "C:\\%USERNAME%\\Temp");
  machine.AddRuntime("C:\\Java\\good\\bin\\java.exe", Runtime{banners::kAdopt11x64});
  machine.SetEnvironment("PATH", "C:\\Java\\good\\bin;" + kSystemPath);
  RunCheck(machine, "type=jre");
  for (const std::string& line : machine.CommandLines()) {
    EXPECT_NE(line.find(" reg add "), std::string::npos) << line;
  }
  EXPECT_EQ(Verdict(machine, "Ravelcheck64"), "0");
}

TEST(HostileEnvironment, RegisteredHomeWithADoubleQuoteIsNeverRun) {
  SimulatedMachine machine;
  machine.SetString(kHklm, k32, "SOFTWARE\\JavaSoft\\JRE", "CurrentVersion", "11");
  machine.SetString(kHklm, k32, "SOFTWARE\\JavaSoft\\JRE\\11", "JavaHome",
                    "C:\\Java\" & calc & \"x");
  RunCheck(machine, "type=jre");
  EXPECT_FALSE(AnyCommandContains(machine, "-version"));
  EXPECT_EQ(Verdict(machine, "Ravelcheck32"), "0");
}

}  // namespace
}  // namespace ravel
