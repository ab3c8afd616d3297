// The explain tool on a representative machine for type=jre: what it reports having read, run
// and decided, what it says the product would record, and that it changes nothing.
#include <gtest/gtest.h>

#include "checks/jre_check.h"
#include "explain/text_report.h"
#include "explain_fixtures.h"
#include "jre_fixtures.h"
#include "machine_names.h"

namespace ravel {
namespace {

using namespace jre_fixtures;
using namespace explain_fixtures;
using explain::ChangeKind;
using explain::ListedStep;
using explain::ProbeStep;
using explain::RegistryReadStep;
using explain::StoredValue;
using explain::VersionStep;
using sim::SimulatedMachine;

const std::string kBrandedNoCompiler = "C:\\Program Files\\Java\\jre-11.0.2";
const std::string kOpenJ9 = "C:\\Java\\openj9";
const std::string kOpenOlder = "C:\\Java\\open-11.0.8";
const std::string kOpenNewer = "C:\\Java\\open-11.0.10";
const std::string kBranded32 = "C:\\Program Files (x86)\\Java\\jre-11.0.2";
const std::string kBranded32Registered = "C:\\Program Files (x86)\\Java\\jre-11.0.2-current";
const std::string kJava17 = "C:\\Java\\jdk-17";
const std::string kNotice = "Picked up JAVA_TOOL_OPTIONS: -Dfile.encoding=UTF-8\n";

std::string JavaExe(const std::string& home) { return home + "\\bin\\java.exe"; }

// JAVA_HOME names a runtime without compiler; on the path an OpenJ9 build, two open 64-bit builds
// (the older one behind an options notice, the newer a kit with a jre folder), a branded 32-bit
// runtime whose view registers another current version, and a Java 17 kit.
MachineLayout RepresentativeMachine() {
  return MachineLayout{
      std::nullopt,
      kBrandedNoCompiler,
      {Java{kBrandedNoCompiler, Branded64()}, Java{kOpenJ9, OpenJ9Banner(true), false, false, true},
       Java{kOpenOlder, kNotice + Open64("11.0.8+10"), false, false, true},
       Java{kOpenNewer, Open64("11.0.10+9"), true, true, true},
       Java{kBranded32, Branded32(), false, false, true}, Java{kBranded32Registered, Branded32()},
       Java{kJava17, Java17Banner(), true, false, true}},
      Registered(k32, kRuntimeKey, "11", kBranded32Registered)};
}

class ExplainJre : public ::testing::Test {
 protected:
  void SetUp() override {
    Build(machine_, RepresentativeMachine());
    before_ = machine_.Snapshot();
    explanation_ = Explain(machine_, CheckType::Jre, CheckMode::NoSilent);
  }

  SimulatedMachine machine_;
  std::string before_;
  Explanation explanation_;
};

TEST_F(ExplainJre, ReportsEachEnvironmentVariableAndJavaSoftKeyWithWhatWasRead) {
  const auto reads = StepsOf<RegistryReadStep>(explanation_);
  ASSERT_GE(reads.size(), 4u);
  EXPECT_EQ(reads[0].valueName, "JRE_HOME");
  EXPECT_EQ(reads[0].key, kEnvironmentKey);
  EXPECT_FALSE(reads[0].found);
  EXPECT_EQ(reads[1].valueName, "JAVA_HOME");
  EXPECT_TRUE(reads[1].found);
  EXPECT_EQ(reads[1].text, kBrandedNoCompiler);
  // The branded 32-bit entry asks the runtime key of the 32-bit view.
  EXPECT_EQ(reads[2].key, kRuntimeKey);
  EXPECT_EQ(reads[2].view, k32);
  EXPECT_EQ(reads[2].valueName, "CurrentVersion");
  EXPECT_EQ(reads[2].text, "11");
  EXPECT_EQ(reads[3].key, kRuntimeKey + "\\11");
  EXPECT_EQ(reads[3].valueName, "JavaHome");
  EXPECT_EQ(reads[3].text, kBranded32Registered);
  EXPECT_EQ(reads.size(), 4u) << "both bitnesses are settled, so no fallback reads the keys";
}

TEST_F(ExplainJre, ReportsTheListingInOrder) {
  std::vector<std::string> listed;
  for (const ListedStep& step : StepsOf<ListedStep>(explanation_)) listed.push_back(step.javaExe);
  EXPECT_EQ(listed,
            (std::vector<std::string>{JavaExe(kOpenJ9), JavaExe(kOpenOlder), JavaExe(kOpenNewer),
                                      JavaExe(kBranded32), JavaExe(kJava17)}));
}

TEST_F(ExplainJre, ReportsEveryChildWithLinesTwoAndThreeAsTheProbesNumberThem) {
  const ChildStep listing = ChildWithCommand(explanation_, kListingCommand);
  EXPECT_TRUE(listing.ran);
  EXPECT_EQ(listing.lines.size(), 5u);

  const ChildStep openJ9 = ChildWithCommand(explanation_, ClassifyCommand(JavaExe(kOpenJ9)));
  ASSERT_EQ(openJ9.lines.size(), 3u);
  EXPECT_EQ(openJ9.lines[1], "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n");
  EXPECT_NE(openJ9.lines[2].find("Eclipse OpenJ9 VM"), std::string::npos);

  // The options notice ahead of the banner is not line 1.
  const ChildStep older = ChildWithCommand(explanation_, ClassifyCommand(JavaExe(kOpenOlder)));
  ASSERT_EQ(older.lines.size(), 3u);
  EXPECT_EQ(older.lines[0], "openjdk version \"11.0.8\" 2021-01-19\n");
  EXPECT_EQ(older.lines[1], "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.8+10)\n");
  EXPECT_EQ(older.lines[2],
            "OpenJDK 64-Bit Server VM AdoptOpenJDK (build 11.0.8+10, mixed mode)\n");

  // The version probe reads no further than line 2.
  const ChildStep version = ChildWithCommand(explanation_, VersionCommand(JavaExe(kOpenNewer)));
  EXPECT_EQ(version.lines.size(), 2u);
  // Every child that reached the machine is reported; only the reg add children were held back.
  std::vector<std::string> ran;
  std::vector<std::string> heldBack;
  for (const ChildStep& child : StepsOf<ChildStep>(explanation_)) {
    (child.ran ? ran : heldBack).push_back(child.commandLine);
  }
  EXPECT_EQ(ran, machine_.CommandLines());
  EXPECT_EQ(heldBack.size(), 3u);
  EXPECT_EQ(CountContaining(heldBack, "cmd.exe /C reg add "), 3);
}

TEST_F(ExplainJre, ReportsClassificationsAndVersionTexts) {
  std::vector<std::pair<std::string, RuntimeKind>> kinds;
  for (const ProbeStep& step : StepsOf<ProbeStep>(explanation_)) {
    EXPECT_EQ(step.probe, RuntimeProbe::Java11Runtime);
    kinds.emplace_back(step.javaExe, step.kind);
  }
  EXPECT_EQ(kinds, (std::vector<std::pair<std::string, RuntimeKind>>{
                       {JavaExe(kBrandedNoCompiler), RuntimeKind::Branded64},
                       {JavaExe(kOpenJ9), RuntimeKind::Unsuitable},
                       {JavaExe(kOpenOlder), RuntimeKind::OpenBuild64},
                       {JavaExe(kOpenNewer), RuntimeKind::OpenBuild64},
                       {JavaExe(kBranded32), RuntimeKind::Branded32},
                       {JavaExe(kJava17), RuntimeKind::Unsuitable}}));
  std::vector<std::string> versions;
  for (const VersionStep& step : StepsOf<VersionStep>(explanation_)) {
    versions.push_back(step.versionText);
  }
  EXPECT_EQ(versions, (std::vector<std::string>{"0.8", "0.10"}));
}

TEST_F(ExplainJre, ReportsEachDecisionWithItsReason) {
  const auto javaHome = DecisionsOn(explanation_, kBrandedNoCompiler);
  ASSERT_EQ(javaHome.size(), 1u);
  EXPECT_EQ(javaHome[0].outcome, Outcome::PassedOver);
  EXPECT_EQ(javaHome[0].reason, Reason::JavaHomeLacksCompiler);

  const auto openJ9 = DecisionsOn(explanation_, JavaExe(kOpenJ9));
  ASSERT_EQ(openJ9.size(), 1u);
  EXPECT_EQ(openJ9[0].reason, Reason::NotAcceptedJava11);

  const auto older = DecisionsOn(explanation_, JavaExe(kOpenOlder));
  ASSERT_EQ(older.size(), 1u);
  EXPECT_EQ(older[0].outcome, Outcome::Accepted);
  EXPECT_EQ(older[0].reason, Reason::NewerThanBest);
  EXPECT_EQ(older[0].location, kOpenOlder);

  const auto newer = DecisionsOn(explanation_, JavaExe(kOpenNewer));
  ASSERT_EQ(newer.size(), 1u);
  EXPECT_EQ(newer[0].outcome, Outcome::ReplacedLocation);
  EXPECT_EQ(newer[0].previousLocation, kOpenOlder);
  EXPECT_EQ(newer[0].comparedWith, "0.8");
  EXPECT_EQ(newer[0].location, kOpenNewer + "\\jre");  // a kit is recorded by its jre folder

  const auto branded32 = DecisionsOn(explanation_, JavaExe(kBranded32));
  ASSERT_EQ(branded32.size(), 1u);
  EXPECT_EQ(branded32[0].outcome, Outcome::DeferredToRegisteredHome);
  EXPECT_EQ(branded32[0].bitness, Bitness::Bits32);
  EXPECT_EQ(branded32[0].location, kBranded32Registered);

  const auto verdicts = DecisionsOn(explanation_, "");
  ASSERT_EQ(verdicts.size(), 3u);
  EXPECT_EQ(verdicts[0].reason, Reason::NoEnvironmentRuntime);
  EXPECT_EQ(verdicts[1].outcome, Outcome::Found);
  EXPECT_EQ(verdicts[1].bitness, Bitness::Bits64);
  EXPECT_EQ(verdicts[1].location, kOpenNewer + "\\jre");
  EXPECT_EQ(verdicts[2].outcome, Outcome::Found);
  EXPECT_EQ(verdicts[2].location, kBranded32Registered);
}

TEST_F(ExplainJre, ReportsWhatTheProductWouldRecordWithViewTypeAndBytes) {
  const auto& changes = explanation_.changes;
  ASSERT_EQ(changes.size(), 7u);
  EXPECT_EQ(changes[0].kind, ChangeKind::CreateKey);
  EXPECT_EQ(changes[0].root, RegRoot::CurrentUser);
  EXPECT_EQ(changes[0].commandLine, "cmd.exe /C reg add HKCU\\SOFTWARE\\Quillmark\\Setup /reg:64");
  EXPECT_EQ(changes[1].valueName, "Ravelcheck32");
  EXPECT_EQ(changes[1].value, (StoredValue{sim::kRegSz, "1"}));
  EXPECT_EQ(changes[2].valueName, "Ravelcheck64");
  EXPECT_EQ(changes[2].value, (StoredValue{sim::kRegSz, "1"}));
  EXPECT_EQ(changes[3].kind, ChangeKind::CreateKey);
  EXPECT_EQ(changes[3].view, k64);
  EXPECT_EQ(changes[4].root, RegRoot::LocalMachine);
  EXPECT_EQ(changes[4].view, k64);
  EXPECT_EQ(changes[4].valueName, "JavaLocation");
  EXPECT_EQ(changes[4].value, (StoredValue{sim::kRegSz, kOpenNewer + "\\jre" + '\0'}));
  EXPECT_EQ(changes[5].kind, ChangeKind::CreateKey);
  EXPECT_EQ(changes[5].view, k32);
  EXPECT_EQ(changes[6].view, k32);
  EXPECT_EQ(changes[6].value, (StoredValue{sim::kRegSz, kBranded32Registered + '\0'}));
  EXPECT_FALSE(changes[6].current.has_value());
}

TEST_F(ExplainJre, WritesNothingAndLeavesNoCaptureFile) {
  EXPECT_EQ(machine_.Snapshot(), before_);
  EXPECT_TRUE(OnlyReadAccessAsked(machine_));
  EXPECT_EQ(CountContaining(machine_.CommandLines(), "reg add"), 0);
  EXPECT_EQ(machine_.OpenKeys(), 0u);
  EXPECT_EQ(machine_.OpenStreams(), 0u);
}

TEST_F(ExplainJre, RecordedChangesAreWhatARealRunWrites) {
  SimulatedMachine real;
  Build(real, RepresentativeMachine());
  RunJreCheck(real, CheckMode::NoSilent);
  EXPECT_EQ(real.CommandLines().size(), machine_.Children().size() + 3)
      << "the real run adds only its three reg add children";
  Replay(machine_, explanation_.changes);
  EXPECT_EQ(machine_.Snapshot(), real.Snapshot());
}

TEST_F(ExplainJre, SilentModeRecordsOnlyTheLocations) {
  SimulatedMachine silent;
  Build(silent, RepresentativeMachine());
  silent.AddKey(RegRoot::LocalMachine, k64, kSetupKey);
  silent.SetString(RegRoot::LocalMachine, k32, kSetupKey, "JavaLocation", "C:\\Old");
  const std::string before = silent.Snapshot();
  const Explanation explanation = Explain(silent, CheckType::Jre, CheckMode::Silent);
  ASSERT_EQ(explanation.changes.size(), 2u) << "both keys exist: no reg add";
  EXPECT_EQ(explanation.changes[0].kind, ChangeKind::SetValue);
  EXPECT_FALSE(explanation.changes[0].current.has_value());
  EXPECT_EQ(explanation.changes[1].current,
            (StoredValue{sim::kRegSz, std::string("C:\\Old") + '\0'}));
  EXPECT_EQ(silent.Snapshot(), before);

  SimulatedMachine real;
  Build(real, RepresentativeMachine());
  real.AddKey(RegRoot::LocalMachine, k64, kSetupKey);
  real.SetString(RegRoot::LocalMachine, k32, kSetupKey, "JavaLocation", "C:\\Old");
  RunJreCheck(real, CheckMode::Silent);
  Replay(silent, explanation.changes);
  EXPECT_EQ(silent.Snapshot(), real.Snapshot());
}

TEST_F(ExplainJre, TextReportNamesSourcesLinesDecisionsAndValues) {
  const std::string text = explain::TextReport(explanation_);
  for (const std::string& expected : std::vector<std::string>{
           "ravelcheck-explain type=jre mode=no-silent",
           "read      HKLM\\" + kEnvironmentKey + ", 32-bit view JRE_HOME: not there",
           "read      HKLM\\" + kEnvironmentKey + ", 32-bit view JAVA_HOME: \"" +
               kBrandedNoCompiler + "\"",
           "read      HKLM\\SOFTWARE\\JavaSoft\\JRE, 32-bit view CurrentVersion: \"11\"",
           "run       " + kListingCommand,
           "line 2: OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.8+10)",
           "line 3: OpenJDK 64-Bit Server VM AdoptOpenJDK (build 11.0.8+10, mixed mode)",
           "probe     Java 11 runtime probe of " + JavaExe(kOpenOlder) +
               ": OpenJDK (not OpenJ9), 64-bit (OpenBuild64)",
           "version   " + JavaExe(kOpenNewer) + ": version text \"0.10\"",
           "decision  passed over: " + kBrandedNoCompiler,
           "JAVA_HOME holds no bin\\javac.exe",
           "decision  replaced the location: " + JavaExe(kOpenNewer),
           "the 64-bit location is now \"" + kOpenNewer + "\\jre\"",
           "decision  deferred to the registered home: " + JavaExe(kBranded32),
           "held back cmd.exe /C reg add HKLM\\SOFTWARE\\Quillmark\\Setup /reg:32",
           "set       HKCU\\SOFTWARE\\Quillmark\\Setup Ravelcheck64",
           "to REG_SZ, 1 byte: 31 (\"1\")",
           "set       HKLM\\SOFTWARE\\Quillmark\\Setup, 32-bit view JavaLocation",
           "It would stay as it is.",
       }) {
    EXPECT_NE(text.find(expected), std::string::npos) << "missing: " << expected << "\n" << text;
  }
}

}  // namespace
}  // namespace ravel
