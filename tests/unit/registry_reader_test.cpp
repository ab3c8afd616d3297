#include "system/registry_reader.h"

#include <gtest/gtest.h>

#include "machine_names.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using sim::RegistryValue;
using sim::SimulatedMachine;

const std::string kKey = "SOFTWARE\\JavaSoft\\JRE";

std::pair<bool, std::string> Read(SimulatedMachine& machine, RegistryView view,
                                  const std::string& key, const std::string& name) {
  TextBuffer buffer{};
  const bool ok = ReadMachineString(machine, view, key, name, buffer);
  return {ok, TextOf(buffer)};
}

TEST(ReadMachineString, EachViewReadsItsOwnKeysWithItsOwnMask) {
  SimulatedMachine machine;
  machine.SetString(kHklm, k64, kKey, "CurrentVersion", "11-64");
  machine.SetString(kHklm, k32, kKey, "CurrentVersion", "11-32");
  EXPECT_EQ(Read(machine, k64, kKey, "CurrentVersion"), std::make_pair(true, std::string("11-64")));
  EXPECT_EQ(Read(machine, k32, kKey, "CurrentVersion"), std::make_pair(true, std::string("11-32")));
  ASSERT_EQ(machine.KeyOpens().size(), 2u);
  EXPECT_EQ(machine.KeyOpens()[0].access, 0x0101u);
  EXPECT_EQ(machine.KeyOpens()[1].access, 0x0001u);
  EXPECT_EQ(machine.OpenKeys(), 0u);
}

TEST(ReadMachineString, KeyOnlyInThe64BitViewIsNotFoundIn32) {
  SimulatedMachine machine;
  machine.SetString(kHklm, k64, kKey, "CurrentVersion", "11");
  EXPECT_EQ(Read(machine, k32, kKey, "CurrentVersion"), std::make_pair(false, std::string()));
}

TEST(ReadMachineString, LengthLimits) {
  SimulatedMachine machine;
  machine.SetString(kHklm, k64, kKey, "fits", std::string(255, 'a'));
  machine.SetString(kHklm, k64, kKey, "too long", std::string(256, 'a'));
  RegistryValue unterminated;
  unterminated.data.assign(256, 'b');
  machine.SetValue(kHklm, k64, kKey, "unterminated 256", unterminated);
  RegistryValue shortUnterminated;
  shortUnterminated.data = {'h', 'i'};
  machine.SetValue(kHklm, k64, kKey, "unterminated 2", shortUnterminated);

  EXPECT_EQ(Read(machine, k64, kKey, "fits"), std::make_pair(true, std::string(255, 'a')));
  EXPECT_EQ(Read(machine, k64, kKey, "too long"), std::make_pair(false, std::string()));
  EXPECT_EQ(Read(machine, k64, kKey, "unterminated 256"), std::make_pair(false, std::string()));

  // Old bytes in the buffer never extend a value stored without its terminator.
  TextBuffer buffer{};
  StoreText(buffer, "previous value");
  EXPECT_TRUE(ReadMachineString(machine, k64, kKey, "unterminated 2", buffer));
  EXPECT_EQ(TextOf(buffer), "hi");
}

TEST(ReadMachineString, ValuesOfOtherTypesArriveAsStored) {
  SimulatedMachine machine;
  machine.SetValue(kHklm, k64, kKey, "expand", RegistryValue::String("%ProgramFiles%\\Java", 2));
  RegistryValue multi;
  multi.type = 7;
  for (char c : std::string("first\0second\0\0", 14))
    multi.data.push_back(static_cast<std::uint8_t>(c));
  machine.SetValue(kHklm, k64, kKey, "multi", multi);
  EXPECT_EQ(Read(machine, k64, kKey, "expand"),
            std::make_pair(true, std::string("%ProgramFiles%\\Java")));
  EXPECT_EQ(Read(machine, k64, kKey, "multi"), std::make_pair(true, std::string("first")));
}

TEST(ReadMachineString, FailedReadEmptiesTheBuffer) {
  SimulatedMachine machine;
  machine.AddKey(kHklm, k64, kKey);
  TextBuffer buffer{};
  StoreText(buffer, "earlier");
  EXPECT_FALSE(ReadMachineString(machine, k64, kKey, "missing", buffer));
  EXPECT_EQ(TextOf(buffer), "");
  StoreText(buffer, "earlier");
  EXPECT_FALSE(ReadMachineString(machine, k64, "SOFTWARE\\Nothing", "missing", buffer));
  EXPECT_EQ(TextOf(buffer), "");
  EXPECT_EQ(machine.OpenKeys(), 0u);
}

TEST(ReadMachineString, SystemEnvironmentIsNotSplitByView) {
  SimulatedMachine machine;
  const std::string environment =
      "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
  machine.SetString(kHklm, k64, environment, "JRE_HOME", "C:\\jre");
  EXPECT_EQ(Read(machine, k32, environment, "JRE_HOME"),
            std::make_pair(true, std::string("C:\\jre")));
}

}  // namespace
}  // namespace ravel
