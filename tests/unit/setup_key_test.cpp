#include "system/setup_key.h"

#include <gtest/gtest.h>

#include "machine_names.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using sim::OsCall;
using sim::RegistryValue;
using sim::SimulatedMachine;

struct TargetCase {
  SetupKeyTarget target;
  RegRoot root;
  RegistryView view;
  std::uint32_t access;
  std::string command;
};

const std::vector<TargetCase> kTargets = {
    {SetupKeyTarget::PerUser, RegRoot::CurrentUser, RegistryView::View64, 0xF003F,
     "cmd.exe /C reg add HKCU\\SOFTWARE\\Quillmark\\Setup /reg:64"},
    {SetupKeyTarget::Machine64, RegRoot::LocalMachine, RegistryView::View64, 0xF013F,
     "cmd.exe /C reg add HKLM\\SOFTWARE\\Quillmark\\Setup /reg:64"},
    {SetupKeyTarget::Machine32, RegRoot::LocalMachine, RegistryView::View32, 0xF023F,
     "cmd.exe /C reg add HKLM\\SOFTWARE\\Quillmark\\Setup /reg:32"},
};

TEST(RecordSetupValues, MissingKeyIsCreatedOnceInItsViewThenWritten) {
  for (const TargetCase& c : kTargets) {
    SCOPED_TRACE(c.command);
    SimulatedMachine machine;
    RecordSetupValues(machine, c.target, {LocationValue("JavaLocation", "C:\\jre")});
    ASSERT_EQ(machine.CommandLines(), std::vector<std::string>{c.command});
    EXPECT_EQ(machine.Value(c.root, c.view, kSetupKey, "JavaLocation"),
              RegistryValue::String("C:\\jre"));
    ASSERT_EQ(machine.KeyOpens().size(), 2u);
    EXPECT_EQ(machine.KeyOpens()[0].access, c.access);
    EXPECT_EQ(machine.KeyOpens()[1], machine.KeyOpens()[0]);
    EXPECT_EQ(machine.OpenKeys(), 0u);
  }
}

TEST(RecordSetupValues, MachineViewsAreKeptApart) {
  SimulatedMachine machine;
  RecordSetupValues(machine, SetupKeyTarget::Machine64, {LocationValue("JavaLocation", "C:\\64")});
  RecordSetupValues(machine, SetupKeyTarget::Machine32, {LocationValue("JavaLocation", "C:\\32")});
  EXPECT_EQ(
      machine.Value(RegRoot::LocalMachine, RegistryView::View64, kSetupKey, "JavaLocation")->Text(),
      "C:\\64");
  EXPECT_EQ(
      machine.Value(RegRoot::LocalMachine, RegistryView::View32, kSetupKey, "JavaLocation")->Text(),
      "C:\\32");
}

TEST(RecordSetupValues, ExistingKeyStartsNoChildAndValuesAreOverwrittenInOrder) {
  SimulatedMachine machine;
  machine.SetString(RegRoot::CurrentUser, RegistryView::View64, kSetupKey, "Ravelcheck32", "1");
  RecordSetupValues(machine, SetupKeyTarget::PerUser,
                    {VerdictFlag("Ravelcheck32", false), VerdictFlag("Ravelcheck64", true)});
  EXPECT_TRUE(machine.Children().empty());
  EXPECT_EQ(machine.KeyOpens().size(), 1u);
  // A verdict is its one character without a terminator.
  const auto verdict32 =
      machine.Value(RegRoot::CurrentUser, RegistryView::View64, kSetupKey, "Ravelcheck32");
  const auto verdict64 =
      machine.Value(RegRoot::CurrentUser, RegistryView::View64, kSetupKey, "Ravelcheck64");
  ASSERT_TRUE(verdict32 && verdict64);
  EXPECT_EQ(verdict32->data, std::vector<std::uint8_t>{'0'});
  EXPECT_EQ(verdict64->data, std::vector<std::uint8_t>{'1'});
  EXPECT_EQ(verdict64->type, 1u);
}

TEST(RecordSetupValues, LocationOf255CharactersIsStoredAs256Bytes) {
  SimulatedMachine machine;
  const std::string location(255, 'L');
  RecordSetupValues(machine, SetupKeyTarget::Machine64, {LocationValue("JavaLocation", location)});
  const auto stored =
      machine.Value(RegRoot::LocalMachine, RegistryView::View64, kSetupKey, "JavaLocation");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->data.size(), 256u);
  EXPECT_EQ(stored->data.back(), 0u);
}

TEST(RecordSetupValues, KeyThatCannotBeCreatedLeavesTheRegistryUnchanged) {
  SimulatedMachine machine;
  machine.SetFaultRule([](OsCall call, std::uint64_t, const std::string& detail) {
    return (call == OsCall::RegOpenKey && detail.find("Quillmark") != std::string::npos) ||
           call == OsCall::CreateProcess;
  });
  const std::string before = machine.Snapshot();
  RecordSetupValues(machine, SetupKeyTarget::Machine64, {LocationValue("JavaLocation", "C:\\jre")});
  EXPECT_EQ(machine.Snapshot(), before);
  EXPECT_EQ(machine.KeyOpens().size(), 2u);  // one retry after the reg add attempt, no more
  EXPECT_EQ(machine.Children().size(), 1u);
}

TEST(RecordSetupValues, OneFailedValueDoesNotStopTheNext) {
  SimulatedMachine machine;
  machine.SetFaultRule([](OsCall call, std::uint64_t, const std::string& detail) {
    return call == OsCall::RegSetValue && detail == "Ravelcheck32";
  });
  RecordSetupValues(machine, SetupKeyTarget::PerUser,
                    {VerdictFlag("Ravelcheck32", true), VerdictFlag("Ravelcheck64", true)});
  EXPECT_FALSE(
      machine.Value(RegRoot::CurrentUser, RegistryView::View64, kSetupKey, "Ravelcheck32"));
  EXPECT_TRUE(machine.Value(RegRoot::CurrentUser, RegistryView::View64, kSetupKey, "Ravelcheck64"));
}

}  // namespace
}  // namespace ravel
