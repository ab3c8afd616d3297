// ravelcheck-explain's command line: the two arguments of ravelcheck.exe read the same way, plus
// --json; a command line that asks for no check gets the usage and exit code 2.
#include "explain/explain_program.h"

#include <gtest/gtest.h>

#include "json_value.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using explain::ParseExplainCommandLine;
using explain::RunExplainProgram;

template <std::size_t N>
explain::ExplainRequest Parse(const char* const (&argv)[N]) {
  return ParseExplainCommandLine(static_cast<int>(N), argv);
}

TEST(ExplainCommandLine, ReadsTheTwoArgumentsAsTheProductDoes) {
  const char* const plain[] = {"ravelcheck-explain", "MODE=No-Silent", "Type=JAVA"};
  const auto request = Parse(plain);
  EXPECT_EQ(request.check.type, CheckType::Jdk);
  EXPECT_EQ(request.check.mode, CheckMode::NoSilent);
  EXPECT_FALSE(request.json);
}

TEST(ExplainCommandLine, TakesJsonAnywhere) {
  const char* const first[] = {"x", "--json", "type=jre", "mode=silent"};
  const char* const middle[] = {"x", "type=jre", "--json", "mode=silent"};
  const char* const last[] = {"x", "type=jre", "mode=silent", "--json"};
  for (const auto& request : {Parse(first), Parse(middle), Parse(last)}) {
    EXPECT_TRUE(request.json);
    EXPECT_EQ(request.check.type, CheckType::Jre);
    EXPECT_EQ(request.check.mode, CheckMode::Silent);
  }
}

TEST(ExplainCommandLine, AskingForNoCheckGivesTheUsageAndExitCode2) {
  sim::SimulatedMachine machine;
  const char* const tooFew[] = {"x", "type=jre"};
  const char* const tooMany[] = {"x", "type=jre", "mode=silent", "extra"};
  const char* const wrongMode[] = {"x", "type=jre", "mode=quiet"};
  for (const auto& [argc, argv] :
       {std::pair{2, tooFew}, std::pair{4, tooMany}, std::pair{3, wrongMode}}) {
    const auto output = RunExplainProgram(machine, argc, argv);
    EXPECT_EQ(output.exitCode, 2);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err.rfind("usage: ravelcheck-explain", 0), 0u);
  }
  EXPECT_TRUE(machine.Children().empty());
  EXPECT_TRUE(machine.KeyOpens().empty());
}

TEST(ExplainProgram, PrintsTheTextReportOrTheJsonReport) {
  sim::SimulatedMachine machine;
  const char* const text[] = {"x", "type=java", "mode=silent"};
  const auto textOutput = RunExplainProgram(machine, 3, text);
  EXPECT_EQ(textOutput.exitCode, 0);
  EXPECT_EQ(textOutput.err, "");
  EXPECT_EQ(textOutput.out.rfind("ravelcheck-explain type=java mode=silent\n", 0), 0u);

  const char* const json[] = {"x", "type=java", "mode=silent", "--json"};
  const auto jsonOutput = RunExplainProgram(machine, 4, json);
  EXPECT_EQ(jsonOutput.exitCode, 0);
  const auto parsed = ravel::json::Parse(jsonOutput.out);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ((*parsed)["type"].text, "java");
  EXPECT_EQ((*parsed)["mode"].text, "silent");
}

}  // namespace
}  // namespace ravel
