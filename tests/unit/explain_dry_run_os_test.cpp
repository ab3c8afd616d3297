// The dry-run seam on its own: what reaches the machine, what is recorded instead, and how the
// lines of each capture are kept.
#include <gtest/gtest.h>

#include "common/contract.h"
#include "common/file_checks.h"
#include "explain/dry_run_os.h"
#include "machine_names.h"
#include "probes/version_output.h"
#include "sim/simulated_machine.h"
#include "system/setup_key.h"

namespace ravel {
namespace {

using explain::ChangeKind;
using explain::ChildStep;
using explain::DryRunOs;
using explain::Explanation;
using explain::StoredValue;
using sim::SimulatedMachine;

const std::string kJavaExe = "C:\\Java\\bin\\java.exe";

std::uint8_t* Bytes(const char* text) {
  return reinterpret_cast<std::uint8_t*>(const_cast<char*>(text));
}

TEST(DryRunOs, AKeyAskedForWritingIsOpenedForReadingAndItsWritesAreRecorded) {
  SimulatedMachine machine;
  machine.SetString(kHklm, k64, kSetupKey, "JavaLocation", "C:\\Old");
  const std::string before = machine.Snapshot();
  Explanation explanation;
  DryRunOs os(machine, explanation);
  const std::uint32_t access = contract::kKeyAllAccess | contract::kKeyWow64Key64;
  RegKey key = 0;
  ASSERT_EQ(os.RegOpenKeyExA(kHklm, kSetupKey, access, &key), kErrorSuccess);
  EXPECT_EQ(machine.KeyOpens().back().access, contract::kKeyQueryValue | contract::kKeyWow64Key64);
  EXPECT_EQ(os.RegSetValueExA(key, "JavaLocation", contract::kRegSz, Bytes("C:\\New"), 7),
            kErrorSuccess);
  EXPECT_EQ(os.RegDeleteValueA(key, "JavaLocation"), kErrorSuccess);
  EXPECT_EQ(os.RegDeleteValueA(key, "Missing"), sim::kErrorFileNotFound);
  EXPECT_EQ(os.RegCloseKey(key), kErrorSuccess);

  EXPECT_EQ(machine.Snapshot(), before);
  EXPECT_EQ(machine.OpenKeys(), 0u);
  ASSERT_EQ(explanation.changes.size(), 3u);
  const auto& set = explanation.changes[0];
  EXPECT_EQ(set.kind, ChangeKind::SetValue);
  EXPECT_EQ(set.view, k64);
  EXPECT_EQ(set.key, kSetupKey);
  EXPECT_EQ(set.value, (StoredValue{contract::kRegSz, std::string("C:\\New\0", 7)}));
  EXPECT_EQ(set.current, (StoredValue{contract::kRegSz, std::string("C:\\Old\0", 7)}));
  EXPECT_EQ(explanation.changes[1].kind, ChangeKind::DeleteValue);
  EXPECT_FALSE(explanation.changes[2].current.has_value());
}

TEST(DryRunOs, AWriteThroughAKeyOpenedForReadingIsRefusedAsWindowsWould) {
  SimulatedMachine machine;
  machine.AddKey(kHklm, k64, kSetupKey);
  Explanation explanation;
  DryRunOs os(machine, explanation);
  RegKey key = 0;
  ASSERT_EQ(
      os.RegOpenKeyExA(kHklm, kSetupKey, contract::kKeyQueryValue | contract::kKeyWow64Key64, &key),
      kErrorSuccess);
  EXPECT_EQ(os.RegSetValueExA(key, "JavaLocation", contract::kRegSz, Bytes("x"), 2),
            sim::kErrorAccessDenied);
  EXPECT_EQ(os.RegDeleteValueA(key, "JavaLocation"), sim::kErrorAccessDenied);
  os.RegCloseKey(key);
  EXPECT_TRUE(explanation.changes.empty());
}

TEST(DryRunOs, RegAddIsHeldBackAndTheKeyItWouldCreateOpensAsAStandIn) {
  SimulatedMachine machine;
  const std::string before = machine.Snapshot();
  Explanation explanation;
  DryRunOs os(machine, explanation);
  RecordSetupValues(os, SetupKeyTarget::Machine32, {LocationValue("JavaLocation", "C:\\Jre")});

  EXPECT_TRUE(machine.Children().empty()) << "reg add never reached the machine";
  EXPECT_EQ(machine.Snapshot(), before);
  EXPECT_EQ(machine.OpenKeys(), 0u);
  ASSERT_EQ(explanation.steps.size(), 1u);
  const auto& child = std::get<ChildStep>(explanation.steps[0]);
  EXPECT_FALSE(child.ran);
  EXPECT_EQ(child.commandLine, SetupKeyCreateCommand(SetupKeyTarget::Machine32));
  ASSERT_EQ(explanation.changes.size(), 2u);
  EXPECT_EQ(explanation.changes[0].kind, ChangeKind::CreateKey);
  EXPECT_EQ(explanation.changes[0].view, RegistryView::View32);
  EXPECT_EQ(explanation.changes[0].key, kSetupKey);
  EXPECT_EQ(explanation.changes[1].kind, ChangeKind::SetValue);
  EXPECT_EQ(explanation.changes[1].view, RegistryView::View32);
  EXPECT_EQ(explanation.changes[1].value,
            (StoredValue{contract::kRegSz, std::string("C:\\Jre\0", 7)}));
  EXPECT_FALSE(explanation.changes[1].current.has_value());
}

TEST(DryRunOs, OnlyTheChildrenThatReadTheMachineRun) {
  SimulatedMachine machine;
  Explanation explanation;
  DryRunOs os(machine, explanation);
  const std::string cmd = "C:\\Windows\\System32\\cmd.exe";
  os.CreateProcessAndWait(cmd, "cmd.exe /C del C:\\important.txt", 0, 1000);
  os.CreateProcessAndWait(cmd, "cmd.exe /C where java>\"C:\\t.txt\"", 0, 1000);
  ASSERT_EQ(machine.CommandLines(),
            std::vector<std::string>{"cmd.exe /C where java>\"C:\\t.txt\""});
  ASSERT_EQ(explanation.steps.size(), 2u);
  EXPECT_FALSE(std::get<ChildStep>(explanation.steps[0]).ran);
  EXPECT_TRUE(std::get<ChildStep>(explanation.steps[1]).ran);
}

TEST(DryRunOs, KeepsTheLinesOfEachCaptureNumberedAsTheProbesNumberThem) {
  SimulatedMachine machine;
  machine.AddRuntime(kJavaExe,
                     sim::Runtime{"NOTE: Picked up JDK_JAVA_OPTIONS: " + std::string(300, 'x') +
                                  "\nline one\nline two\nline three\nline four\n"});
  machine.AddFile("C:\\Java\\bin\\javac.exe", "MZ");
  Explanation explanation;
  DryRunOs os(machine, explanation);
  const auto probeLines = ReadVersionOutput(os, kJavaExe, contract::kProbeCaptureFile, 3);
  // An existence test opens a file no child wrote: nothing is kept for it.
  EXPECT_TRUE(HasJavaCompiler(os, "C:\\Java"));

  ASSERT_EQ(explanation.steps.size(), 1u);
  const auto& child = std::get<ChildStep>(explanation.steps[0]);
  EXPECT_TRUE(child.ran);
  EXPECT_EQ(child.lines, probeLines);
  EXPECT_EQ(child.lines, (std::vector<std::string>{"line one\n", "line two\n", "line three\n"}));
  EXPECT_TRUE(machine.FilesUnder("C:\\Users\\setup\\AppData\\Local\\Temp").empty());
}

}  // namespace
}  // namespace ravel
