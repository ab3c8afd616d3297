#include "checks/jdk_check.h"

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
using sim::Runtime;
using sim::SimulatedMachine;

const std::string kKitKey = "SOFTWARE\\JavaSoft\\Java Development Kit";

// --- What "java -version" prints ---

std::string AdoptBanner(int update, int bits = 64) {
  const std::string u = std::to_string(update);
  const std::string vm = bits == 64 ? "OpenJDK 64-Bit Server VM" : "OpenJDK Client VM";
  return "openjdk version \"1.8.0_" + u +
         "\"\nOpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_" + u + "-b08)\n" + vm +
         " (AdoptOpenJDK)(build 25." + u + "-b08, mixed mode)\n";
}

std::string BrandedBanner(int update, int bits = 64) {
  const std::string u = std::to_string(update);
  const std::string vm =
      bits == 64 ? "Java HotSpot(TM) 64-Bit Server VM" : "Java HotSpot(TM) Client VM";
  return "java version \"1.8.0_" + u + "\"\nJava(TM) SE Runtime Environment (build 1.8.0_" + u +
         "-b09)\n" + vm + " (build 25." + u + "-b09, mixed mode)\n";
}

// Another vendor's OpenJDK 8: neither family.
const std::string kOtherOpenBanner =
    "openjdk version \"1.8.0_282\"\nOpenJDK Runtime Environment (build 1.8.0_282-b08)\n"
    "OpenJDK 64-Bit Server VM (build 25.282-b08, mixed mode)\n";

// --- A machine stated as data ---

struct Install {
  std::string home;  // holds bin\java.exe
  std::string banner;
  bool javac = true;
  std::string pathEntry =
      "";  // "" keeps it off the search path; else the PATH entry naming its bin
};

Install OnPath(std::string home, std::string banner, bool javac = true) {
  Install install{home, std::move(banner), javac, home + "\\bin"};
  return install;
}

Install OffPath(std::string home, std::string banner, bool javac = true) {
  return Install{std::move(home), std::move(banner), javac, ""};
}

struct Registration {
  RegistryView view;
  std::string javaHome;
  std::string currentVersion = "1.8";
};

struct MachineLayout {
  std::vector<Install> installs;  // PATH entries in this order, before the system folders
  std::vector<Registration> registrations;
  std::vector<std::string> files = {};  // further files, e.g. a compiler where no kit lies
};

// JAVA_HOME as it stands before every run: an expandable value no run could write.
const RegistryValue kPreviousJavaHome =
    RegistryValue::String("%SystemDrive%\\Previous\\jdk", sim::kRegExpandSz);

void Build(SimulatedMachine& machine, const MachineLayout& layout) {
  std::string path;
  for (const Install& install : layout.installs) {
    machine.AddRuntime(install.home + "\\bin\\java.exe", Runtime{install.banner});
    if (install.javac) machine.AddFile(install.home + "\\bin\\javac.exe", "MZ");
    if (!install.pathEntry.empty()) path += install.pathEntry + ";";
  }
  for (const std::string& file : layout.files) machine.AddFile(file, "MZ");
  machine.SetEnvironment("PATH", path + kSystemPath);
  for (const Registration& r : layout.registrations) {
    machine.SetString(kHklm, r.view, kKitKey, "CurrentVersion", r.currentVersion);
    machine.SetString(kHklm, r.view, kKitKey + "\\" + r.currentVersion, "JavaHome", r.javaHome);
  }
  machine.SetValue(kHklm, k64, kEnvironmentKey, "JAVA_HOME", kPreviousJavaHome);
}

// The children of a run in short: "where", "probe <java.exe>" (Java 8 probe), "level <java.exe>"
// (update-level probe); any other command line as it stands.
std::vector<std::string> Trace(const SimulatedMachine& machine) {
  const std::string versionStart = "cmd.exe /C \"\"";
  const std::string versionMiddle = "\" -version 2>\"" + kTemp;
  std::vector<std::string> trace;
  for (const std::string& line : machine.CommandLines()) {
    if (line == "cmd.exe /C where java>\"" + kTemp + "\\AllJavaPath.txt\"") {
      trace.push_back("where");
      continue;
    }
    const auto middle = line.find(versionMiddle);
    if (line.rfind(versionStart, 0) == 0 && middle != std::string::npos) {
      const std::string javaExe = line.substr(versionStart.size(), middle - versionStart.size());
      const std::string file = line.substr(middle + versionMiddle.size());
      if (file == "\\Ravelcheck.txt\"\"") {
        trace.push_back("probe " + javaExe);
        continue;
      }
      if (file == "\\JavaVer.txt\"\"") {
        trace.push_back("level " + javaExe);
        continue;
      }
    }
    trace.push_back(line);
  }
  return trace;
}

// The views in which "CurrentVersion" of the development-kit key was asked for, in order.
std::vector<int> KitKeyViews(const SimulatedMachine& machine) {
  std::vector<int> views;
  for (const sim::KeyOpenRecord& open : machine.KeyOpens()) {
    if (open.root != kHklm || open.subKey != kKitKey) continue;
    views.push_back(open.access == 0x0101u ? 64 : open.access == 0x0001u ? 32 : -1);
  }
  return views;
}

// What the installer finds after a run.
struct JavaHomeAfter {
  enum class State { Untouched, Removed, Set } state;
  std::string directory;
};
const JavaHomeAfter kUntouched{JavaHomeAfter::State::Untouched, ""};
const JavaHomeAfter kRemoved{JavaHomeAfter::State::Removed, ""};
JavaHomeAfter SetTo(std::string directory) {
  return JavaHomeAfter{JavaHomeAfter::State::Set, std::move(directory)};
}

std::optional<RegistryValue> ExpectedJavaHome(const JavaHomeAfter& after) {
  switch (after.state) {
    case JavaHomeAfter::State::Untouched:
      return kPreviousJavaHome;
    case JavaHomeAfter::State::Removed:
      return std::nullopt;
    case JavaHomeAfter::State::Set:
      return RegistryValue::String(after.directory);
  }
  return std::nullopt;
}

std::optional<RegistryValue> Verdict(const std::string& flag) {
  RegistryValue value;
  value.type = sim::kRegSz;
  value.data.assign(flag.begin(), flag.end());  // one byte, no terminator
  return value;
}

struct Case {
  std::string name;
  MachineLayout machine;
  std::string verdict;  // "1" or "0"
  JavaHomeAfter javaHome;
  std::vector<std::string> trace;
  std::vector<int> kitKeyViews;
};

void RunCase(const Case& c, CheckMode mode = CheckMode::NoSilent) {
  SCOPED_TRACE(c.name);
  SimulatedMachine machine;
  Build(machine, c.machine);
  RunJdkCheck(machine, mode);

  std::vector<std::string> trace = Trace(machine);
  // The per-user key does not exist yet on these machines: one reg add creates it.
  ASSERT_FALSE(trace.empty());
  EXPECT_EQ(trace.back(), "cmd.exe /C reg add HKCU\\SOFTWARE\\Quillmark\\Setup /reg:64");
  trace.pop_back();
  EXPECT_EQ(trace, c.trace);
  EXPECT_EQ(KitKeyViews(machine), c.kitKeyViews);
  EXPECT_EQ(machine.Value(kHkcu, k64, kSetupKey, "QKJDKPrecheck"), Verdict(c.verdict));
  EXPECT_EQ(machine.Value(kHklm, k64, kEnvironmentKey, "JAVA_HOME"), ExpectedJavaHome(c.javaHome));
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
  EXPECT_EQ(machine.OpenStreams(), 0u);
  EXPECT_EQ(machine.OpenKeys(), 0u);
  EXPECT_TRUE(machine.StrayCommands().empty());
}

// --- The listing pass ---

TEST(RunJdkCheck, EachKindOnTheSearchPathLeadsToItsOwnAction) {
  // Registered: a 64-bit kit without a compiler and a 32-bit kit with one, so each route ends
  // somewhere different.
  const std::vector<Registration> registered = {{k64, "C:\\Kit64"}, {k32, "C:\\Kit32"}};
  const auto machineWith = [&](const std::string& banner, bool javac = true) {
    return MachineLayout{
        {OnPath("C:\\Rt", banner, javac), OffPath("C:\\Kit64", BrandedBanner(281), false),
         OffPath("C:\\Kit32", BrandedBanner(281, 32))},
        registered};
  };
  const std::vector<Case> cases = {
      {"unsuitable: nothing, then the fallbacks (64-bit kit lacks javac, 32-bit taken)",
       machineWith(kOtherOpenBanner),
       "1",
       SetTo("C:\\Kit32"),
       {"where", "probe C:\\Rt\\bin\\java.exe", "probe C:\\Kit32\\bin\\java.exe"},
       {64, 32}},
      {"Branded32: cross-check in the 32-bit view",
       machineWith(BrandedBanner(281, 32)),
       "1",
       SetTo("C:\\Kit32"),
       {"where", "probe C:\\Rt\\bin\\java.exe", "probe C:\\Kit32\\bin\\java.exe"},
       {32}},
      {"Branded64: cross-check in the 64-bit view, no compiler test there",
       machineWith(BrandedBanner(281)),
       "1",
       kRemoved,
       {"where", "probe C:\\Rt\\bin\\java.exe", "probe C:\\Kit64\\bin\\java.exe"},
       {64}},
      {"OpenBuild32: kit test and update level",
       machineWith(AdoptBanner(282, 32)),
       "1",
       SetTo("C:\\Rt"),
       {"where", "probe C:\\Rt\\bin\\java.exe", "level C:\\Rt\\bin\\java.exe"},
       {}},
      {"OpenBuild64: kit test and update level",
       machineWith(AdoptBanner(282)),
       "1",
       SetTo("C:\\Rt"),
       {"where", "probe C:\\Rt\\bin\\java.exe", "level C:\\Rt\\bin\\java.exe"},
       {}},
      {"OpenBuild64 without javac beside it: ignored, the fallbacks decide",
       machineWith(AdoptBanner(282), false),
       "1",
       SetTo("C:\\Kit32"),
       {"where", "probe C:\\Rt\\bin\\java.exe", "probe C:\\Kit32\\bin\\java.exe"},
       {64, 32}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST(RunJdkCheck, OpenKitsOnThePathCompeteByUpdateLevel) {
  const auto twoKits = [](int first, int second) {
    return MachineLayout{
        {OnPath("C:\\A", AdoptBanner(first)), OnPath("C:\\B", AdoptBanner(second))}, {}};
  };
  const std::vector<std::string> trace = {
      "where", "probe C:\\A\\bin\\java.exe", "level C:\\A\\bin\\java.exe",
      "probe C:\\B\\bin\\java.exe", "level C:\\B\\bin\\java.exe"};
  const std::vector<Case> cases = {
      {"higher level listed second wins", twoKits(282, 292), "1", SetTo("C:\\B"), trace, {}},
      {"higher level listed first wins", twoKits(292, 282), "1", SetTo("C:\\A"), trace, {}},
      {"equal levels: the first listed wins", twoKits(282, 282), "1", SetTo("C:\\A"), trace, {}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST(RunJdkCheck, OpenKitOnThePathBeatsABrandedRuntimeInEitherOrder) {
  const Install jre = OnPath("C:\\Jre", BrandedBanner(281), false);
  const Install adopt = OnPath("C:\\Adopt", AdoptBanner(282));
  const Install kit = OffPath("C:\\Kit64", BrandedBanner(281));
  const std::vector<Registration> registered = {{k64, "C:\\Kit64"}};
  const std::vector<Case> cases = {
      {"branded first: its cross-check succeeds, then the open kit replaces the directory",
       MachineLayout{{jre, adopt, kit}, registered},
       "1",
       SetTo("C:\\Adopt"),
       {"where", "probe C:\\Jre\\bin\\java.exe", "probe C:\\Kit64\\bin\\java.exe",
        "probe C:\\Adopt\\bin\\java.exe", "level C:\\Adopt\\bin\\java.exe"},
       {64}},
      {"open kit first: the branded line is ignored once the verdict is 1",
       MachineLayout{{adopt, jre, kit}, registered},
       "1",
       SetTo("C:\\Adopt"),
       {"where", "probe C:\\Adopt\\bin\\java.exe", "level C:\\Adopt\\bin\\java.exe",
        "probe C:\\Jre\\bin\\java.exe"},
       {}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST(RunJdkCheck, BrandedRuntimeDefersToTheKitRegisteredForItsBitness) {
  const Install jre = OnPath("C:\\Jre", BrandedBanner(281), false);
  const std::vector<Case> cases = {
      {"registered kit with javac",
       MachineLayout{{jre, OffPath("C:\\Kit", BrandedBanner(281))}, {{k64, "C:\\Kit"}}},
       "1",
       SetTo("C:\\Kit"),
       {"where", "probe C:\\Jre\\bin\\java.exe", "probe C:\\Kit\\bin\\java.exe"},
       {64}},
      {"registered kit without javac: found, JAVA_HOME removed",
       MachineLayout{{jre, OffPath("C:\\Kit", BrandedBanner(281), false)}, {{k64, "C:\\Kit"}}},
       "1",
       kRemoved,
       {"where", "probe C:\\Jre\\bin\\java.exe", "probe C:\\Kit\\bin\\java.exe"},
       {64}},
      {"no kit registered: nothing probed beyond the runtime",
       MachineLayout{{jre}, {}},
       "0",
       kUntouched,
       {"where", "probe C:\\Jre\\bin\\java.exe"},
       {64, 64, 32}},
      {"registered kit of the other bitness: rejected here, re-tested by the 32-bit fallback",
       MachineLayout{{jre, OffPath("C:\\Kit", BrandedBanner(281, 32))}, {{k64, "C:\\Kit"}}},
       "1",
       SetTo("C:\\Kit"),
       // cross-check (64-bit expected), 64-bit fallback (same), 32-bit fallback (accepted)
       {"where", "probe C:\\Jre\\bin\\java.exe", "probe C:\\Kit\\bin\\java.exe",
        "probe C:\\Kit\\bin\\java.exe", "probe C:\\Kit\\bin\\java.exe"},
       {64, 64, 32}},
      {"rejected kit is forgotten: the 64-bit fallback, with nothing registered, does not re-test "
       "it",
       MachineLayout{{OnPath("C:\\Jre32", BrandedBanner(281, 32), false),
                      OffPath("C:\\Kit", BrandedBanner(281))},
                     {{k32, "C:\\Kit"}}},
       "0",
       kUntouched,
       // cross-check (32-bit expected), 32-bit fallback (same); the 64-bit fallback probes nothing
       {"where", "probe C:\\Jre32\\bin\\java.exe", "probe C:\\Kit\\bin\\java.exe",
        "probe C:\\Kit\\bin\\java.exe"},
       {32, 64, 32}},
      {"registered kit with an empty JavaHome is not probed",
       MachineLayout{{jre}, {{k64, ""}}},
       "0",
       kUntouched,
       {"where", "probe C:\\Jre\\bin\\java.exe"},
       {64, 64, 32}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST(RunJdkCheck, EmptyKitDirectoryNeverRunsJavaAtTheRootOfTheCurrentDrive) {
  // Anyone may create C:\bin; this program runs elevated.
  const MachineLayout layout{{OnPath("C:\\Jre", BrandedBanner(281), false),
                              OffPath("C:", BrandedBanner(281))},  // C:\bin\java.exe and javac.exe
                             {}};
  RunCase({"planted C:\\bin\\java.exe",
           layout,
           "0",
           kUntouched,
           {"where", "probe C:\\Jre\\bin\\java.exe"},
           {64, 64, 32}});
}

// --- The registry fallback passes ---

TEST(RunJdkCheck, FallbacksTakeOnlyBrandedKitsAnd64BitBefore32Bit) {
  const Install kit64 = OffPath("C:\\Kit64", BrandedBanner(281));
  const Install kit32 = OffPath("C:\\Kit32", BrandedBanner(281, 32));
  const std::vector<Case> cases = {
      {"both views: the 64-bit kit, the 32-bit view never read",
       MachineLayout{{kit64, kit32}, {{k64, "C:\\Kit64"}, {k32, "C:\\Kit32"}}},
       "1",
       SetTo("C:\\Kit64"),
       {"where", "probe C:\\Kit64\\bin\\java.exe"},
       {64}},
      {"64-bit kit without javac is not probed; the 32-bit kit is taken",
       MachineLayout{{OffPath("C:\\Kit64", BrandedBanner(281), false), kit32},
                     {{k64, "C:\\Kit64"}, {k32, "C:\\Kit32"}}},
       "1",
       SetTo("C:\\Kit32"),
       {"where", "probe C:\\Kit32\\bin\\java.exe"},
       {64, 32}},
      {"32-bit pass re-tests the directory the 64-bit pass left",
       MachineLayout{{kit32}, {{k64, "C:\\Kit32"}}},
       "1",
       SetTo("C:\\Kit32"),
       {"where", "probe C:\\Kit32\\bin\\java.exe", "probe C:\\Kit32\\bin\\java.exe"},
       {64, 32}},
      {"32-bit view's own kit replaces what the 64-bit pass left",
       MachineLayout{{OffPath("C:\\Open64", AdoptBanner(282)), kit32},
                     {{k64, "C:\\Open64"}, {k32, "C:\\Kit32"}}},
       "1",
       SetTo("C:\\Kit32"),
       {"where", "probe C:\\Open64\\bin\\java.exe", "probe C:\\Kit32\\bin\\java.exe"},
       {64, 32}},
      {"open kits are never taken from the registry",
       MachineLayout{
           {OffPath("C:\\Open64", AdoptBanner(282)), OffPath("C:\\Open32", AdoptBanner(282, 32))},
           {{k64, "C:\\Open64"}, {k32, "C:\\Open32"}}},
       "0",
       kUntouched,
       {"where", "probe C:\\Open64\\bin\\java.exe", "probe C:\\Open32\\bin\\java.exe"},
       {64, 32}},
      {"update 180 is rejected",
       MachineLayout{{OffPath("C:\\Kit64", BrandedBanner(180))}, {{k64, "C:\\Kit64"}}},
       "0",
       kUntouched,
       {"where", "probe C:\\Kit64\\bin\\java.exe", "probe C:\\Kit64\\bin\\java.exe"},
       {64, 32}},
      {"update 181 is accepted",
       MachineLayout{{OffPath("C:\\Kit64", BrandedBanner(181))}, {{k64, "C:\\Kit64"}}},
       "1",
       SetTo("C:\\Kit64"),
       {"where", "probe C:\\Kit64\\bin\\java.exe"},
       {64}},
      {"nothing anywhere", MachineLayout{}, "0", kUntouched, {"where"}, {64, 32}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST(RunJdkCheck, OpenKitOnThePathNeedsUpdate181) {
  const std::vector<Case> cases = {
      {"update 180",
       MachineLayout{{OnPath("C:\\A", AdoptBanner(180))}, {}},
       "0",
       kUntouched,
       {"where", "probe C:\\A\\bin\\java.exe"},
       {64, 32}},
      {"update 181",
       MachineLayout{{OnPath("C:\\A", AdoptBanner(181))}, {}},
       "1",
       SetTo("C:\\A"),
       {"where", "probe C:\\A\\bin\\java.exe", "level C:\\A\\bin\\java.exe"},
       {}},
  };
  for (const Case& c : cases) RunCase(c);
}

TEST(RunJdkCheck, KitSuffixIsMatchedExactly) {
  // The file system does not care, but the kit test does: "\BIN\java.exe" is not removed, and
  // the compiler is then looked for under C:\A\BIN\java.exe\bin.
  Install upper = OnPath("C:\\A", AdoptBanner(282));
  upper.pathEntry = "C:\\A\\BIN";
  const std::vector<Case> cases = {
      {"\\BIN\\ does not qualify",
       MachineLayout{{upper}, {}},
       "0",
       kUntouched,
       {"where", "probe C:\\A\\BIN\\java.exe"},
       {64, 32}},
      {"\\bin\\ qualifies",
       MachineLayout{{OnPath("C:\\A", AdoptBanner(282))}, {}},
       "1",
       SetTo("C:\\A"),
       {"where", "probe C:\\A\\bin\\java.exe", "level C:\\A\\bin\\java.exe"},
       {}},
      // Every occurrence is removed for the compiler test, but the directory kept is the path
      // without its last 13 characters, which holds no compiler: found, JAVA_HOME removed.
      {"suffix also inside the path (a folder named java.exe)",
       MachineLayout{{OnPath("C:\\X\\bin\\java.exe", AdoptBanner(282), false)},
                     {},
                     {"C:\\X\\bin\\javac.exe"}},
       "1",
       kRemoved,
       {"where", "probe C:\\X\\bin\\java.exe\\bin\\java.exe",
        "level C:\\X\\bin\\java.exe\\bin\\java.exe"},
       {}},
  };
  for (const Case& c : cases) RunCase(c);
}

// --- Recording and JAVA_HOME ---

TEST(RunJdkCheck, SilentModeRecordsNothingPerUserButStillSetsJavaHome) {
  SimulatedMachine machine;
  Build(machine, MachineLayout{{OnPath("C:\\Adopt", AdoptBanner(282))}, {}});
  RunJdkCheck(machine, CheckMode::Silent);
  EXPECT_FALSE(machine.KeyExists(kHkcu, k64, kSetupKey));
  EXPECT_EQ(Trace(machine), (std::vector<std::string>{"where", "probe C:\\Adopt\\bin\\java.exe",
                                                      "level C:\\Adopt\\bin\\java.exe"}));
  EXPECT_EQ(machine.Value(kHklm, k64, kEnvironmentKey, "JAVA_HOME"),
            RegistryValue::String("C:\\Adopt"));
  // No machine-wide setup value in either view.
  EXPECT_FALSE(machine.KeyExists(kHklm, k64, kSetupKey));
  EXPECT_FALSE(machine.KeyExists(kHklm, k32, kSetupKey));
}

TEST(RunJdkCheck, VerdictIsOneByteIntoAnExistingKeyAndZeroLeavesEverythingElseAsItWas) {
  SimulatedMachine machine;
  Build(machine, MachineLayout{{OnPath("C:\\Jre", BrandedBanner(281), false)}, {}});
  machine.SetString(kHkcu, k64, kSetupKey, "QKJDKPrecheck", "1");
  const std::string before = machine.Snapshot();
  RunJdkCheck(machine, CheckMode::NoSilent);
  EXPECT_EQ(Trace(machine), (std::vector<std::string>{"where", "probe C:\\Jre\\bin\\java.exe"}));
  const auto verdict = machine.Value(kHkcu, k64, kSetupKey, "QKJDKPrecheck");
  EXPECT_EQ(verdict, Verdict("0"));
  // Put the old verdict back: nothing else may differ, JAVA_HOME included.
  machine.SetString(kHkcu, k64, kSetupKey, "QKJDKPrecheck", "1");
  EXPECT_EQ(machine.Snapshot(), before);
}

TEST(RunJdkCheck, UnreadableListingStillDeletesItAndFallsBack) {
  SimulatedMachine machine;
  Build(machine, MachineLayout{{OnPath("C:\\Adopt", AdoptBanner(282)),
                                OffPath("C:\\Kit", BrandedBanner(281))},
                               {{k64, "C:\\Kit"}}});
  machine.SetFaultRule([](OsCall call, std::uint64_t, const std::string& detail) {
    return call == OsCall::OpenTextFile && detail.find("AllJavaPath") != std::string::npos;
  });
  RunJdkCheck(machine, CheckMode::Silent);
  EXPECT_EQ(Trace(machine), (std::vector<std::string>{"where", "probe C:\\Kit\\bin\\java.exe"}));
  EXPECT_EQ(machine.Value(kHklm, k64, kEnvironmentKey, "JAVA_HOME"),
            RegistryValue::String("C:\\Kit"));
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

TEST(RunJdkCheck, OneRepresentativeRunStartsExactlyTheseChildrenAndOpensExactlyTheseKeys) {
  SimulatedMachine machine;
  Build(machine,
        MachineLayout{
            {OnPath("C:\\Program Files\\Java\\jre1.8.0_281", BrandedBanner(281), false),
             OnPath("C:\\Program Files\\AdoptOpenJDK\\jdk-8.0.282.8-hotspot", AdoptBanner(282)),
             OffPath("C:\\Program Files\\Java\\jdk1.8.0_281", BrandedBanner(281))},
            {{k64, "C:\\Program Files\\Java\\jdk1.8.0_281", "1.8"}}});
  RunJdkCheck(machine, CheckMode::NoSilent);

  const std::string probe = "\" -version 2>\"" + kTemp + "\\Ravelcheck.txt\"\"";
  const std::string level = "\" -version 2>\"" + kTemp + "\\JavaVer.txt\"\"";
  EXPECT_EQ(
      machine.CommandLines(),
      (std::vector<std::string>{
          "cmd.exe /C where java>\"" + kTemp + "\\AllJavaPath.txt\"",
          "cmd.exe /C \"\"C:\\Program Files\\Java\\jre1.8.0_281\\bin\\java.exe" + probe,
          "cmd.exe /C \"\"C:\\Program Files\\Java\\jdk1.8.0_281\\bin\\java.exe" + probe,
          "cmd.exe /C \"\"C:\\Program Files\\AdoptOpenJDK\\jdk-8.0.282.8-hotspot\\bin\\java.exe" +
              probe,
          "cmd.exe /C \"\"C:\\Program Files\\AdoptOpenJDK\\jdk-8.0.282.8-hotspot\\bin\\java.exe" +
              level,
          "cmd.exe /C reg add HKCU\\SOFTWARE\\Quillmark\\Setup /reg:64",
      }));
  for (const sim::ChildRecord& child : machine.Children()) {
    EXPECT_EQ(child.applicationName, "C:\\Windows\\System32\\cmd.exe");
    EXPECT_EQ(child.creationFlags, 0x08000020u);
  }
  EXPECT_EQ(machine.KeyOpens(), (std::vector<sim::KeyOpenRecord>{
                                    {kHklm, kKitKey, 0x0101},
                                    {kHklm, kKitKey + "\\1.8", 0x0101},
                                    {kHkcu, kSetupKey, 0xF003F},
                                    {kHkcu, kSetupKey, 0xF003F},
                                    {kHklm, kEnvironmentKey, 0x0002},
                                }));
  EXPECT_EQ(machine.Value(kHkcu, k64, kSetupKey, "QKJDKPrecheck"), Verdict("1"));
  EXPECT_EQ(machine.Value(kHklm, k64, kEnvironmentKey, "JAVA_HOME"),
            RegistryValue::String("C:\\Program Files\\AdoptOpenJDK\\jdk-8.0.282.8-hotspot"));
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
}

}  // namespace
}  // namespace ravel
