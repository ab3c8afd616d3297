#include "checks/jre_check.h"

#include <gtest/gtest.h>

#include "jre_fixtures.h"
#include "machine_names.h"

namespace ravel {
namespace {

using namespace jre_fixtures;
using sim::RegistryValue;
using sim::SimulatedMachine;

const std::string kRegAddUser = "cmd.exe /C reg add HKCU\\SOFTWARE\\Quillmark\\Setup /reg:64";
const std::string kRegAdd64 = "cmd.exe /C reg add HKLM\\SOFTWARE\\Quillmark\\Setup /reg:64";
const std::string kRegAdd32 = "cmd.exe /C reg add HKLM\\SOFTWARE\\Quillmark\\Setup /reg:32";

// "\bin\java.exe" at the root of the current drive: a folder any user may create. A Java 11
// runtime planted there would be found if the check ever probed an empty location.
const std::string kPlantedJava = "C:\\bin\\java.exe";

RegistryValue Verdict(char found) { return RegistryValue{sim::kRegSz, {std::uint8_t(found)}}; }
RegistryValue Location(const std::string& text) { return RegistryValue::String(text); }

std::optional<RegistryValue> UserValue(const SimulatedMachine& m, const std::string& name) {
  return m.Value(RegRoot::CurrentUser, k64, kSetupKey, name);
}
std::optional<RegistryValue> JavaLocation(const SimulatedMachine& m, RegistryView view) {
  return m.Value(RegRoot::LocalMachine, view, kSetupKey, "JavaLocation");
}

Java Listed(const std::string& home, const std::string& banner) {
  return Java{home, banner, false, false, true};
}

std::vector<Entry> Join(std::vector<Entry> a, const std::vector<Entry>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::string kKit64 = "C:\\Program Files\\Java\\jdk-11.0.2";
const std::string kJre8 = "C:\\Program Files\\Java\\jre1.8.0_281";
const std::string kJre32 = "C:\\Program Files (x86)\\Java\\jre-11";
const std::string kJreHome = "C:\\Env\\jre";

struct FallbackCase {
  const char* name;
  MachineLayout machine;
  char verdict32;
  char verdict64;
  std::optional<std::string> location32;  // nullopt: no JavaLocation in the 32-bit view
  std::optional<std::string> location64;
  std::vector<std::string> probed;     // java.exe paths that must have been classified
  std::vector<std::string> notProbed;  // paths that must appear on no command line
};

const std::vector<FallbackCase> kFallbackCases = {
    {"nothing anywhere", {}, '0', '0', std::nullopt, std::nullopt, {}, {}},
    {"kit key of the 64-bit view, recorded without \\jre",
     {{}, {}, {Java{kKit64, Branded64(), true, true}}, Registered(k64, kKitKey, "11.0.2", kKit64)},
     '0',
     '1',
     std::nullopt,
     kKit64,
     {kKit64 + "\\bin\\java.exe"},
     {}},
    {"runtime key hides the kit key: its Java 8 is probed and unsuitable",
     {{},
      {},
      {Java{kKit64, Branded64(), true}, Java{kJre8, Java8Banner()}},
      Join(Registered(k64, kRuntimeKey, "1.8", kJre8), Registered(k64, kKitKey, "11.0.2", kKit64))},
     '0',
     '0',
     std::nullopt,
     std::nullopt,
     {kJre8 + "\\bin\\java.exe"},
     {kKit64}},
    {"listed branded 64 with the runtime key naming Java 8: recorded, never probed",
     {{},
      {},
      {Listed("C:\\Java\\b64", Branded64()), Java{kJre8, Java8Banner()}},
      Registered(k64, kRuntimeKey, "1.8", kJre8)},
     '0',
     '1',
     std::nullopt,
     kJre8,
     {"C:\\Java\\b64\\bin\\java.exe"},
     {kJre8}},
    {"runtime key of the 32-bit view names an open 32 runtime",
     {{}, {}, {Java{kJre32, Open32()}}, Registered(k32, kRuntimeKey, "11", kJre32)},
     '1',
     '0',
     kJre32,
     std::nullopt,
     {kJre32 + "\\bin\\java.exe"},
     {}},
    {"a 32-bit runtime registered in the 64-bit view does not count",
     {{}, {}, {Java{kJre32, Branded32()}}, Registered(k64, kRuntimeKey, "11", kJre32)},
     '0',
     '0',
     std::nullopt,
     std::nullopt,
     {kJre32 + "\\bin\\java.exe"},
     {}},
    {"registered version without JavaHome: nothing to probe",
     {{},
      {},
      {},
      Join(Registered(k64, kRuntimeKey, "11", std::nullopt),
           Registered(k32, kKitKey, "11", std::nullopt))},
     '0',
     '0',
     std::nullopt,
     std::nullopt,
     {},
     {}},
    {"environment runtime settles 64; the 32-bit fallback still runs",
     {kJreHome,
      {},
      {Java{kJreHome, Open64()}, Java{kJre32, Branded32()}},
      Registered(k32, kKitKey, "11", kJre32)},
     '1',
     '1',
     kJre32,
     kJreHome,
     {kJre32 + "\\bin\\java.exe"},
     {}},
    {"listed open 64 settles 64: the 64-bit keys are not read",
     {{},
      {},
      {Listed("C:\\Java\\o64", Open64()), Java{kKit64, Branded64(), true}},
      Registered(k64, kKitKey, "11.0.2", kKit64)},
     '0',
     '1',
     std::nullopt,
     "C:\\Java\\o64",
     {},
     {kKit64}},
    {"listed branded 32 whose registered version has no JavaHome: an empty location",
     {{},
      {},
      {Listed("C:\\Java\\b32", Branded32())},
      Registered(k32, kRuntimeKey, "11", std::nullopt)},
     '1',
     '0',
     "",
     std::nullopt,
     {},
     {}},
};

TEST(RunJreCheck, FallsBackToTheRegisteredRuntimeOfEachView) {
  for (const FallbackCase& c : kFallbackCases) {
    SCOPED_TRACE(c.name);
    SimulatedMachine machine;
    Build(machine, c.machine);
    machine.AddRuntime(kPlantedJava, sim::Runtime{Branded64()});
    RunJreCheck(machine, CheckMode::NoSilent);

    EXPECT_EQ(UserValue(machine, "Ravelcheck32"), Verdict(c.verdict32));
    EXPECT_EQ(UserValue(machine, "Ravelcheck64"), Verdict(c.verdict64));
    EXPECT_EQ(JavaLocation(machine, k32),
              c.location32 ? std::optional(Location(*c.location32)) : std::nullopt);
    EXPECT_EQ(JavaLocation(machine, k64),
              c.location64 ? std::optional(Location(*c.location64)) : std::nullopt);

    const std::vector<std::string> commands = machine.CommandLines();
    for (const std::string& javaExe : c.probed) {
      EXPECT_EQ(CountContaining(commands, ClassifyCommand(javaExe)), 1) << javaExe;
    }
    for (const std::string& home : c.notProbed) {
      EXPECT_EQ(CountContaining(commands, home), 0) << home;
    }
    // An empty location is never probed: nothing runs "\bin\java.exe" at the drive root.
    EXPECT_EQ(CountContaining(commands, "\"\\bin\\java.exe\""), 0);
    EXPECT_EQ(CountContaining(commands, kPlantedJava), 0);
    EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
    EXPECT_EQ(machine.OpenKeys(), 0u);
  }
}

TEST(RunJreCheck, SilentNothingFoundWritesNothingAndCreatesNoKey) {
  SimulatedMachine machine;
  Build(machine, {{}, {}, {Listed("C:\\Java\\j8", Java8Banner())}});
  const std::string before = machine.Snapshot();
  RunJreCheck(machine, CheckMode::Silent);
  EXPECT_EQ(machine.Snapshot(), before);
  EXPECT_FALSE(machine.KeyExists(RegRoot::CurrentUser, k64, kSetupKey));
  EXPECT_FALSE(machine.KeyExists(RegRoot::LocalMachine, k64, kSetupKey));
  EXPECT_FALSE(machine.KeyExists(RegRoot::LocalMachine, k32, kSetupKey));
  EXPECT_EQ(
      machine.CommandLines(),
      (std::vector<std::string>{kListingCommand, ClassifyCommand("C:\\Java\\j8\\bin\\java.exe")}));
}

TEST(RunJreCheck, NoSilentNothingFoundWritesTwoZerosAfterOneRegAdd) {
  SimulatedMachine machine;
  RunJreCheck(machine, CheckMode::NoSilent);
  EXPECT_EQ(machine.CommandLines(), (std::vector<std::string>{kListingCommand, kRegAddUser}));
  EXPECT_EQ(UserValue(machine, "Ravelcheck32"), Verdict('0'));
  EXPECT_EQ(UserValue(machine, "Ravelcheck64"), Verdict('0'));
  EXPECT_FALSE(machine.KeyExists(RegRoot::LocalMachine, k64, kSetupKey));
  EXPECT_FALSE(machine.KeyExists(RegRoot::LocalMachine, k32, kSetupKey));
  // One failed opening, the reg add, one reopening that writes both flags.
  int userKeyOpens = 0;
  for (const sim::KeyOpenRecord& open : machine.KeyOpens()) {
    if (open.root == RegRoot::CurrentUser) ++userKeyOpens;
  }
  EXPECT_EQ(userKeyOpens, 2);
}

TEST(RunJreCheck, EarlierValuesStayWhenThisRunFindsNothing) {
  for (const CheckMode mode : {CheckMode::Silent, CheckMode::NoSilent}) {
    SCOPED_TRACE(mode == CheckMode::Silent ? "silent" : "no-silent");
    SimulatedMachine machine;
    machine.SetValue(RegRoot::CurrentUser, k64, kSetupKey, "Ravelcheck32", Verdict('1'));
    machine.SetValue(RegRoot::CurrentUser, k64, kSetupKey, "Ravelcheck64", Verdict('1'));
    machine.SetString(RegRoot::LocalMachine, k64, kSetupKey, "JavaLocation", "C:\\old64");
    machine.SetString(RegRoot::LocalMachine, k32, kSetupKey, "JavaLocation", "C:\\old32");
    RunJreCheck(machine, mode);
    const char expectedFlag = mode == CheckMode::Silent ? '1' : '0';
    EXPECT_EQ(UserValue(machine, "Ravelcheck32"), Verdict(expectedFlag));
    EXPECT_EQ(UserValue(machine, "Ravelcheck64"), Verdict(expectedFlag));
    EXPECT_EQ(JavaLocation(machine, k64), Location("C:\\old64"));
    EXPECT_EQ(JavaLocation(machine, k32), Location("C:\\old32"));
  }
}

TEST(RunJreCheck, SilentWithOnlyA64BitRuntimeWritesOnlyItsLocation) {
  SimulatedMachine machine;
  Build(machine, {{}, {}, {Listed("C:\\Java\\o64", Open64())}});
  RunJreCheck(machine, CheckMode::Silent);
  EXPECT_EQ(JavaLocation(machine, k64), Location("C:\\Java\\o64"));
  EXPECT_FALSE(machine.KeyExists(RegRoot::LocalMachine, k32, kSetupKey));
  EXPECT_FALSE(machine.KeyExists(RegRoot::CurrentUser, k64, kSetupKey));
  EXPECT_EQ(CountContaining(machine.CommandLines(), "reg add"), 1);
  EXPECT_EQ(CountContaining(machine.CommandLines(), kRegAdd64), 1);
}

TEST(RunJreCheck, EmptyLocationIsWrittenAsASingleZeroByte) {
  SimulatedMachine machine;
  Build(machine, {{},
                  {},
                  {Listed("C:\\Java\\b64", Branded64())},
                  Registered(k64, kRuntimeKey, "11", std::nullopt)});
  RunJreCheck(machine, CheckMode::Silent);
  EXPECT_EQ(JavaLocation(machine, k64), (RegistryValue{sim::kRegSz, {0}}));
}

// One representative run: environment probes, the listing, the environment runtime, each listed
// entry with the probes the rules call for, then the three recordings, each creating its key.
TEST(RunJreCheck, ChildrenAndRegistryReadsRunInTheirOrder) {
  SimulatedMachine machine;
  const std::string kit = "C:\\jdk";
  Build(machine,
        {kit + "\\jre",
         kit,
         {Java{kit, Open64("11.0.10+9"), true, true}, Listed("C:\\o64", Open64("11.0.11+9")),
          Listed("C:\\b32", Branded32()), Listed("C:\\j8", Java8Banner())}});
  RunJreCheck(machine, CheckMode::NoSilent);

  const std::string jreHomeJava = kit + "\\jre\\bin\\java.exe";
  EXPECT_EQ(machine.CommandLines(),
            (std::vector<std::string>{
                ClassifyCommand(jreHomeJava),               // FindEnvironmentRuntime: JRE_HOME
                ClassifyCommand(kit + "\\bin\\java.exe"),   // then JAVA_HOME
                kListingCommand,                            // the listing
                ClassifyCommand(jreHomeJava),               // the environment runtime (result 3)
                VersionCommand(jreHomeJava),                // an open build: its version
                ClassifyCommand("C:\\o64\\bin\\java.exe"),  // listed open 64
                VersionCommand("C:\\o64\\bin\\java.exe"),
                ClassifyCommand("C:\\b32\\bin\\java.exe"),  // listed branded 32
                VersionCommand("C:\\b32\\bin\\java.exe"),   // nothing registered in its view
                ClassifyCommand("C:\\j8\\bin\\java.exe"),   // listed Java 8: classification only
                kRegAddUser,
                kRegAdd64,
                kRegAdd32,
            }));

  const std::uint32_t read32 = 0x0001;
  const std::uint32_t write64 = 0xF013F;
  const std::uint32_t write32 = 0xF023F;
  const std::uint32_t writeUser = 0xF003F;
  const std::vector<sim::KeyOpenRecord> expectedOpens = {
      {RegRoot::LocalMachine, kEnvironmentKey, read32},  // JRE_HOME
      {RegRoot::LocalMachine, kEnvironmentKey, read32},  // JAVA_HOME
      {RegRoot::LocalMachine, kEnvironmentKey, read32},  // JRE_HOME again, as the location
      {RegRoot::LocalMachine, kRuntimeKey, read32},      // branded 32: runtime key, then kit key
      {RegRoot::LocalMachine, kKitKey, read32},
      {RegRoot::CurrentUser, kSetupKey, writeUser},
      {RegRoot::CurrentUser, kSetupKey, writeUser},
      {RegRoot::LocalMachine, kSetupKey, write64},
      {RegRoot::LocalMachine, kSetupKey, write64},
      {RegRoot::LocalMachine, kSetupKey, write32},
      {RegRoot::LocalMachine, kSetupKey, write32},
  };
  EXPECT_EQ(machine.KeyOpens(), expectedOpens);

  EXPECT_EQ(UserValue(machine, "Ravelcheck32"), Verdict('1'));
  EXPECT_EQ(UserValue(machine, "Ravelcheck64"), Verdict('1'));
  EXPECT_EQ(JavaLocation(machine, k64), Location("C:\\o64"));
  EXPECT_EQ(JavaLocation(machine, k32), Location("C:\\b32"));
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

// Without anything found by the environment or the listing, each view's keys are read once
// more for the fallback: the 64-bit view first.
TEST(RunJreCheck, FallbacksReadThe64BitViewThenThe32BitView) {
  SimulatedMachine machine;
  RunJreCheck(machine, CheckMode::Silent);
  const std::vector<sim::KeyOpenRecord> expectedOpens = {
      {RegRoot::LocalMachine, kEnvironmentKey, 0x0001},
      {RegRoot::LocalMachine, kEnvironmentKey, 0x0001},
      {RegRoot::LocalMachine, kRuntimeKey, 0x0101},
      {RegRoot::LocalMachine, kKitKey, 0x0101},
      {RegRoot::LocalMachine, kRuntimeKey, 0x0001},
      {RegRoot::LocalMachine, kKitKey, 0x0001},
  };
  EXPECT_EQ(machine.KeyOpens(), expectedOpens);
  EXPECT_EQ(machine.CommandLines(), std::vector<std::string>{kListingCommand});
}

}  // namespace
}  // namespace ravel
