#include "app/front_end.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim/simulated_machine.h"

namespace ravel {
namespace {

CheckRequest Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "ravelcheck.exe");
  return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

struct DispatchCase {
  std::vector<const char*> args;
  CheckType type;
  CheckMode mode;
};

TEST(ParseCommandLine, SelectsTheCheckAndMode) {
  const std::vector<DispatchCase> cases = {
      {{"type=jre", "mode=silent"}, CheckType::Jre, CheckMode::Silent},
      {{"type=jre", "mode=no-silent"}, CheckType::Jre, CheckMode::NoSilent},
      {{"type=java", "mode=silent"}, CheckType::Jdk, CheckMode::Silent},
      {{"type=java", "mode=no-silent"}, CheckType::Jdk, CheckMode::NoSilent},
      {{"TYPE=JRE", "Mode=No-Silent"}, CheckType::Jre, CheckMode::NoSilent},
      {{"mode=silent", "type=java"}, CheckType::Jdk, CheckMode::Silent},
      // A later argument of the same kind replaces the earlier one.
      {{"mode=no-silent", "mode=silent"}, CheckType::None, CheckMode::Silent},
  };
  for (const DispatchCase& c : cases) {
    SCOPED_TRACE(std::string(c.args[0]) + " " + c.args[1]);
    const CheckRequest request = Parse(c.args);
    EXPECT_EQ(request.type, c.type);
    if (c.type != CheckType::None) {
      EXPECT_EQ(request.mode, c.mode);
    }
  }
}

TEST(ParseCommandLine, OddCommandLinesRunNothing) {
  const std::vector<std::vector<const char*>> cases = {
      {},
      {"type=jre"},
      {"type=jre", "mode=silent", "extra"},
      {"type=jre", "type=java"},               // mode stays empty
      {"xtype=jre", "mode=silent"},            // first five characters dropped: "=jre"
      {"type=jremode=silent", "mode=silent"},  // taken as the type only
      {"type=jre", "mode=silent "},
      {"type=jre", "mode=quiet"},
      {"type=", "mode=silent"},
      {"type=jre", "silent"},
      {"jre", "mode=silent"},
  };
  for (const auto& args : cases) {
    EXPECT_EQ(Parse(args).type, CheckType::None) << ::testing::PrintToString(args.size());
  }
}

TEST(RunRavelcheck, WrongArgumentCountTouchesNothingAndReturnsZero) {
  sim::SimulatedMachine machine;
  const std::string before = machine.Snapshot();
  const char* args[] = {"ravelcheck.exe", "type=jre", "mode=silent", "extra"};
  for (int argc : {1, 2, 4}) {
    EXPECT_EQ(RunRavelcheck(machine, argc, args), 0);
  }
  EXPECT_EQ(machine.CallCount(), 0u);
  EXPECT_EQ(machine.Snapshot(), before);
}

TEST(RunRavelcheck, UnknownTypeStartsNoChildAndReturnsZero) {
  sim::SimulatedMachine machine;
  const std::string before = machine.Snapshot();
  const char* args[] = {"ravelcheck.exe", "type=jdk", "mode=silent"};
  EXPECT_EQ(RunRavelcheck(machine, 3, args), 0);
  EXPECT_TRUE(machine.Children().empty());
  EXPECT_EQ(machine.Snapshot(), before);
}

}  // namespace
}  // namespace ravel
