// The explain tool for type=java: a kit found on the search path after a registry cross-check,
// a registered kit without compiler, and nothing at all. What it reports, what it says the
// product would record and do to JAVA_HOME, and that it changes nothing.
#include <gtest/gtest.h>

#include "checks/jdk_check.h"
#include "explain/text_report.h"
#include "explain_fixtures.h"
#include "machine_names.h"

namespace ravel {
namespace {

using namespace explain_fixtures;
using explain::ChangeKind;
using explain::JavaHomeAfter;
using explain::ProbeStep;
using explain::RegistryReadStep;
using explain::StoredValue;
using explain::UpdateLevelStep;
using sim::RegistryValue;
using sim::Runtime;
using sim::SimulatedMachine;

const std::string kKitKey = "SOFTWARE\\JavaSoft\\Java Development Kit";

std::string AdoptBanner(int update) {
  const std::string u = std::to_string(update);
  return "openjdk version \"1.8.0_" + u +
         "\"\nOpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_" + u +
         "-b08)\nOpenJDK 64-Bit Server VM (AdoptOpenJDK)(build 25." + u + "-b08, mixed mode)\n";
}
std::string BrandedBanner(int update) {
  const std::string u = std::to_string(update);
  return "java version \"1.8.0_" + u + "\"\nJava(TM) SE Runtime Environment (build 1.8.0_" + u +
         "-b09)\nJava HotSpot(TM) 64-Bit Server VM (build 25." + u + "-b09, mixed mode)\n";
}
const std::string kJava17Banner =
    "openjdk version \"17.0.1\" 2021-10-19\nOpenJDK Runtime Environment (build 17.0.1+12-39)\n"
    "OpenJDK 64-Bit Server VM (build 17.0.1+12-39, mixed mode, sharing)\n";

const std::string kBrandedRuntime = "C:\\Program Files\\Java\\jre1.8.0_281";
const std::string kBrandedKit = "C:\\Program Files\\Java\\jdk1.8.0_281";
const std::string kAdoptKit = "C:\\Java\\adopt-8u282";
const std::string kAdoptRuntime = "C:\\Java\\adopt-8u292-jre";
const std::string kJava17 = "C:\\Java\\jdk-17";
const std::string kLaterBranded = "C:\\Program Files\\Java\\jre1.8.0_291";

std::string JavaExe(const std::string& home) { return home + "\\bin\\java.exe"; }
std::string ProbeCommand(const std::string& home) {
  return "cmd.exe /C \"\"" + JavaExe(home) + "\" -version 2>\"" + kTemp + "\\Ravelcheck.txt\"\"";
}

void AddInstall(SimulatedMachine& machine, const std::string& home, const std::string& banner,
                bool javac) {
  machine.AddRuntime(JavaExe(home), Runtime{banner});
  if (javac) machine.AddFile(home + "\\bin\\javac.exe", "MZ");
}

void SetPath(SimulatedMachine& machine, const std::vector<std::string>& homes) {
  std::string path;
  for (const std::string& home : homes) path += home + "\\bin;";
  machine.SetEnvironment("PATH", path + "C:\\Windows\\system32;C:\\Windows");
}

void RegisterKit(SimulatedMachine& machine, RegistryView view, const std::string& home) {
  machine.SetString(kHklm, view, kKitKey, "CurrentVersion", "1.8");
  machine.SetString(kHklm, view, kKitKey + "\\1.8", "JavaHome", home);
}

const RegistryValue kOldJavaHome =
    RegistryValue::String("%ProgramFiles%\\Java\\jdk1.7.0_80", sim::kRegExpandSz);

// A branded runtime first on the path (its registered kit matches), then an AdoptOpenJDK kit of
// a later update, an AdoptOpenJDK runtime without compiler, a Java 17 kit and a second branded
// runtime. The per-user key holds an earlier verdict.
void BuildKitOnPath(SimulatedMachine& machine) {
  AddInstall(machine, kBrandedRuntime, BrandedBanner(281), false);
  AddInstall(machine, kBrandedKit, BrandedBanner(281), true);
  AddInstall(machine, kAdoptKit, AdoptBanner(282), true);
  AddInstall(machine, kAdoptRuntime, AdoptBanner(292), false);
  AddInstall(machine, kJava17, kJava17Banner, true);
  AddInstall(machine, kLaterBranded, BrandedBanner(291), false);
  SetPath(machine, {kBrandedRuntime, kAdoptKit, kAdoptRuntime, kJava17, kLaterBranded});
  RegisterKit(machine, k64, kBrandedKit);
  machine.SetValue(kHklm, k64, kEnvironmentKey, "JAVA_HOME", kOldJavaHome);
  machine.SetValue(kHkcu, k64, kSetupKey, "QKJDKPrecheck", RegistryValue{sim::kRegSz, {'0'}});
}

class ExplainJdk : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildKitOnPath(machine_);
    before_ = machine_.Snapshot();
    explanation_ = Explain(machine_, CheckType::Jdk, CheckMode::NoSilent);
  }

  SimulatedMachine machine_;
  std::string before_;
  Explanation explanation_;
};

TEST_F(ExplainJdk, ReportsTheRegisteredKitOfTheBrandedRuntimesView) {
  const auto reads = StepsOf<RegistryReadStep>(explanation_);
  ASSERT_EQ(reads.size(), 2u);
  EXPECT_EQ(reads[0].key, kKitKey);
  EXPECT_EQ(reads[0].view, k64);
  EXPECT_EQ(reads[0].text, "1.8");
  EXPECT_EQ(reads[1].key, kKitKey + "\\1.8");
  EXPECT_EQ(reads[1].text, kBrandedKit);
}

TEST_F(ExplainJdk, ReportsClassificationsLinesAndTheUpdateLevel) {
  std::vector<std::pair<std::string, RuntimeKind>> kinds;
  for (const ProbeStep& step : StepsOf<ProbeStep>(explanation_)) {
    EXPECT_EQ(step.probe, RuntimeProbe::Java8Runtime);
    kinds.emplace_back(step.javaExe, step.kind);
  }
  EXPECT_EQ(kinds, (std::vector<std::pair<std::string, RuntimeKind>>{
                       {JavaExe(kBrandedRuntime), RuntimeKind::Branded64},
                       {JavaExe(kBrandedKit), RuntimeKind::Branded64},
                       {JavaExe(kAdoptKit), RuntimeKind::OpenBuild64},
                       {JavaExe(kAdoptRuntime), RuntimeKind::OpenBuild64},
                       {JavaExe(kJava17), RuntimeKind::Unsuitable},
                       {JavaExe(kLaterBranded), RuntimeKind::Branded64}}));
  const auto levels = StepsOf<UpdateLevelStep>(explanation_);
  ASSERT_EQ(levels.size(), 1u);
  EXPECT_EQ(levels[0].javaExe, JavaExe(kAdoptKit));
  EXPECT_EQ(levels[0].level, 282);

  const ChildStep kit = ChildWithCommand(explanation_, ProbeCommand(kBrandedKit));
  ASSERT_EQ(kit.lines.size(), 3u);
  EXPECT_EQ(kit.lines[1], "Java(TM) SE Runtime Environment (build 1.8.0_281-b09)\n");
  EXPECT_EQ(kit.lines[2], "Java HotSpot(TM) 64-Bit Server VM (build 25.281-b09, mixed mode)\n");
}

TEST_F(ExplainJdk, ReportsEachDecisionWithItsReason) {
  const auto branded = DecisionsOn(explanation_, JavaExe(kBrandedRuntime));
  ASSERT_EQ(branded.size(), 1u);
  EXPECT_EQ(branded[0].outcome, Outcome::DeferredToRegisteredHome);
  EXPECT_EQ(branded[0].reason, Reason::RegisteredKitDecides);

  const auto registered = DecisionsOn(explanation_, kBrandedKit);
  ASSERT_EQ(registered.size(), 1u);
  EXPECT_EQ(registered[0].outcome, Outcome::Accepted);
  EXPECT_EQ(registered[0].reason, Reason::RegisteredKitMatches);

  const auto adopt = DecisionsOn(explanation_, JavaExe(kAdoptKit));
  ASSERT_EQ(adopt.size(), 1u);
  EXPECT_EQ(adopt[0].outcome, Outcome::ReplacedLocation);
  EXPECT_EQ(adopt[0].reason, Reason::HigherUpdateLevel);
  EXPECT_EQ(adopt[0].previousLocation, kBrandedKit);
  EXPECT_EQ(adopt[0].comparedWith, "0");
  EXPECT_EQ(adopt[0].location, kAdoptKit);

  const auto noCompiler = DecisionsOn(explanation_, kAdoptRuntime);
  ASSERT_EQ(noCompiler.size(), 1u);
  EXPECT_EQ(noCompiler[0].reason, Reason::NoCompilerBeside);

  EXPECT_EQ(DecisionsOn(explanation_, JavaExe(kJava17)).at(0).reason, Reason::NotAcceptedJava8);
  EXPECT_EQ(DecisionsOn(explanation_, JavaExe(kLaterBranded)).at(0).reason,
            Reason::KitAlreadyFound);

  const auto verdict = DecisionsOn(explanation_, "");
  ASSERT_EQ(verdict.size(), 1u) << "a kit was found on the path: no fallback pass";
  EXPECT_EQ(verdict[0].outcome, Outcome::Found);
  EXPECT_EQ(verdict[0].location, kAdoptKit);
}

TEST_F(ExplainJdk, ReportsTheVerdictAndJavaHomeItWouldWrite) {
  ASSERT_EQ(explanation_.changes.size(), 2u) << "the per-user key exists: no reg add";
  const auto& verdict = explanation_.changes[0];
  EXPECT_EQ(verdict.root, kHkcu);
  EXPECT_EQ(verdict.valueName, "QKJDKPrecheck");
  EXPECT_EQ(verdict.value, (StoredValue{sim::kRegSz, "1"}));
  EXPECT_EQ(verdict.current, (StoredValue{sim::kRegSz, "0"}));
  const auto& javaHome = explanation_.changes[1];
  EXPECT_EQ(javaHome.kind, ChangeKind::SetValue);
  EXPECT_EQ(javaHome.key, kEnvironmentKey);
  EXPECT_EQ(javaHome.value, (StoredValue{sim::kRegSz, kAdoptKit + '\0'}));

  const std::string oldBytes(kOldJavaHome.data.begin(), kOldJavaHome.data.end());
  EXPECT_EQ(explanation_.javaHomeNow, (StoredValue{sim::kRegExpandSz, oldBytes}));
  const JavaHomeAfter after = explain::WouldLeaveJavaHome(explanation_);
  EXPECT_EQ(after.change, JavaHomeAfter::Change::Set);
  EXPECT_EQ(after.value, (StoredValue{sim::kRegSz, kAdoptKit + '\0'}));
}

TEST_F(ExplainJdk, WritesNothingAndMatchesARealRun) {
  EXPECT_EQ(machine_.Snapshot(), before_);
  EXPECT_TRUE(OnlyReadAccessAsked(machine_));
  SimulatedMachine real;
  BuildKitOnPath(real);
  RunJdkCheck(real, CheckMode::NoSilent);
  EXPECT_EQ(real.CommandLines(), machine_.CommandLines());
  Replay(machine_, explanation_.changes);
  EXPECT_EQ(machine_.Snapshot(), real.Snapshot());
}

TEST_F(ExplainJdk, TextReportSaysWhatJavaHomeWouldBecome) {
  const std::string text = explain::TextReport(explanation_);
  for (const std::string& expected : std::vector<std::string>{
           "ravelcheck-explain type=java mode=no-silent",
           "probe     Java 8 runtime probe of " + JavaExe(kAdoptKit) +
               ": AdoptOpenJDK, 64-bit (OpenBuild64)",
           "update    " + JavaExe(kAdoptKit) + ": update level 282",
           "decision  deferred to the registered home: " + JavaExe(kBrandedRuntime),
           "decision  replaced the location: " + JavaExe(kAdoptKit),
           "decision  passed over: " + kAdoptRuntime,
           "holds no bin\\javac.exe: only a development kit counts.",
           "set       HKCU\\SOFTWARE\\Quillmark\\Setup QKJDKPrecheck",
           "now REG_SZ, 1 byte: 30 (\"0\")",
           "set       HKLM\\" + kEnvironmentKey + ", 32-bit view JAVA_HOME",
           "JAVA_HOME (machine-wide) is now REG_EXPAND_SZ",
           "It would become REG_SZ, 20 bytes: 43 3A 5C 4A 61 76 61 5C 61 64 6F 70 74 2D 38 75 32 "
           "38 32 00 (\"C:\\Java\\adopt-8u282\")",
       }) {
    EXPECT_NE(text.find(expected), std::string::npos) << "missing: " << expected << "\n" << text;
  }
}

TEST(ExplainJdkRemoval, ARegisteredKitWithoutCompilerWouldRemoveJavaHome) {
  auto build = [](SimulatedMachine& machine) {
    AddInstall(machine, kBrandedRuntime, BrandedBanner(281), false);
    AddInstall(machine, kBrandedKit, BrandedBanner(281), false);  // registered, no javac
    SetPath(machine, {kBrandedRuntime});
    RegisterKit(machine, k64, kBrandedKit);
    machine.SetString(kHklm, k64, kEnvironmentKey, "JAVA_HOME", "C:\\Old");
  };
  SimulatedMachine machine;
  build(machine);
  const std::string before = machine.Snapshot();
  const Explanation explanation = Explain(machine, CheckType::Jdk, CheckMode::Silent);
  EXPECT_EQ(machine.Snapshot(), before);
  ASSERT_EQ(explanation.changes.size(), 1u) << "silent: no verdict value";
  EXPECT_EQ(explanation.changes[0].kind, ChangeKind::DeleteValue);
  EXPECT_EQ(explanation.changes[0].valueName, "JAVA_HOME");
  EXPECT_EQ(explanation.changes[0].current,
            (StoredValue{sim::kRegSz, std::string("C:\\Old") + '\0'}));
  EXPECT_EQ(explain::WouldLeaveJavaHome(explanation).change, JavaHomeAfter::Change::Removed);
  EXPECT_NE(explain::TextReport(explanation).find("It would be removed."), std::string::npos);

  SimulatedMachine real;
  build(real);
  RunJdkCheck(real, CheckMode::Silent);
  Replay(machine, explanation.changes);
  EXPECT_EQ(machine.Snapshot(), real.Snapshot());
}

TEST(ExplainJdkNothing, NothingFoundTriesBothViewsAndLeavesJavaHomeAlone) {
  SimulatedMachine machine;
  const std::string before = machine.Snapshot();
  const Explanation explanation = Explain(machine, CheckType::Jdk, CheckMode::NoSilent);
  EXPECT_EQ(machine.Snapshot(), before);
  const auto decisions = DecisionsOn(explanation, "");
  ASSERT_EQ(decisions.size(), 3u);
  EXPECT_EQ(decisions[0].reason, Reason::NoKitRegistered);
  EXPECT_EQ(decisions[0].bitness, Bitness::Bits64);
  EXPECT_EQ(decisions[1].reason, Reason::NoKitRegistered);
  EXPECT_EQ(decisions[1].bitness, Bitness::Bits32);
  EXPECT_EQ(decisions[2].outcome, Outcome::NotFound);
  ASSERT_EQ(explanation.changes.size(), 2u);
  EXPECT_EQ(explanation.changes[0].kind, ChangeKind::CreateKey);
  EXPECT_EQ(explanation.changes[1].value, (StoredValue{sim::kRegSz, "0"}));
  EXPECT_EQ(explain::WouldLeaveJavaHome(explanation).change, JavaHomeAfter::Change::Unchanged);

  SimulatedMachine real;
  RunJdkCheck(real, CheckMode::NoSilent);
  Replay(machine, explanation.changes);
  EXPECT_EQ(machine.Snapshot(), real.Snapshot());
}

}  // namespace
}  // namespace ravel
