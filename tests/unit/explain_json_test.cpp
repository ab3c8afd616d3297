// The JSON report: valid JSON by a strict parser, the structure support tools rely on, and the
// machine's bytes given back exactly.
#include <gtest/gtest.h>

#include "explain/json_report.h"
#include "explain/json_writer.h"
#include "explain_fixtures.h"
#include "jre_fixtures.h"
#include "json_value.h"

namespace ravel {
namespace {

using namespace explain_fixtures;
using namespace jre_fixtures;
using json::Value;
using Kind = json::Value::Kind;

const std::string kOpen = "C:\\Java\\open-11";
// A runtime directory that a Western European machine could well have: an accented letter in
// Windows-1252 (0xE9) and a quote-free path with blanks and parentheses.
const std::string kAccented = "C:\\Program Files (x86)\\Caf\xE9\\jre";

Value ParsedReport(const Explanation& explanation) {
  const std::string text = explain::JsonReport(explanation);
  std::string error;
  const std::optional<Value> parsed = json::Parse(text, &error);
  EXPECT_TRUE(parsed.has_value()) << error << "\n" << text;
  return parsed.value_or(Value{});
}

Explanation ExplainSample(sim::SimulatedMachine& machine) {
  Build(machine,
        MachineLayout{std::nullopt,
                      std::nullopt,
                      {Java{kOpen, Open64(), false, false, true}, Java{kAccented, Open32()}},
                      Registered(RegistryView::View32, kRuntimeKey, "11", kAccented)});
  return Explain(machine, CheckType::Jre, CheckMode::NoSilent);
}

TEST(ExplainJson, IsValidJsonWithTheDocumentedTopLevel) {
  sim::SimulatedMachine machine;
  const Value report = ParsedReport(ExplainSample(machine));
  ASSERT_EQ(report.kind, Kind::Object);
  EXPECT_EQ(report.memberOrder, (std::vector<std::string>{"program", "type", "mode", "steps",
                                                          "wouldRecord", "javaHome"}));
  EXPECT_EQ(report["type"].text, "jre");
  EXPECT_EQ(report["mode"].text, "no-silent");
  EXPECT_EQ(report["steps"].kind, Kind::Array);
  EXPECT_EQ(report["wouldRecord"].kind, Kind::Array);
  EXPECT_EQ(report["javaHome"]["change"].text, "unchanged");
  EXPECT_TRUE(report["javaHome"]["now"].IsNull());
}

TEST(ExplainJson, EveryStepSaysWhatItIsAndCarriesItsFields) {
  sim::SimulatedMachine machine;
  const Explanation explanation = ExplainSample(machine);
  const Value report = ParsedReport(explanation);
  ASSERT_EQ(report["steps"].items.size(), explanation.steps.size());
  const std::map<std::string, std::vector<std::string>> fields = {
      {"read", {"root", "key", "view", "name", "found", "text"}},
      {"listed", {"javaExe"}},
      {"run", {"commandLine", "purpose", "ran", "lines"}},
      {"probe", {"probe", "javaExe", "kind", "kindNumber", "meaning"}},
      {"version", {"javaExe", "versionText"}},
      {"update-level", {"javaExe", "level"}},
      {"decision",
       {"outcome", "reason", "bitness", "candidate", "location", "previousLocation", "comparedWith",
        "explanation"}},
  };
  std::map<std::string, int> seen;
  for (const Value& step : report["steps"].items) {
    const std::string name = step["step"].text;
    ++seen[name];
    ASSERT_EQ(fields.count(name), 1u) << name;
    for (const std::string& field : fields.at(name)) EXPECT_TRUE(step.Has(field)) << name << field;
  }
  EXPECT_GT(seen["read"], 0);
  EXPECT_GT(seen["run"], 0);
  EXPECT_GT(seen["probe"], 0);
  EXPECT_GT(seen["decision"], 0);
}

TEST(ExplainJson, ChildrenCarryLinesTwoAndThreeAndProbesTheirKind) {
  sim::SimulatedMachine machine;
  const Value report = ParsedReport(ExplainSample(machine));
  const std::string probeCommand = ClassifyCommand(kOpen + "\\bin\\java.exe");
  bool foundChild = false;
  bool foundProbe = false;
  for (const Value& step : report["steps"].items) {
    if (step["step"].text == "run" && step["commandLine"].text == probeCommand) {
      foundChild = true;
      EXPECT_EQ(step["purpose"].text, "version");
      EXPECT_TRUE(step["ran"].boolean);
      EXPECT_EQ(step["line2"].text, "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n");
      EXPECT_EQ(step["line3"].text,
                "OpenJDK 64-Bit Server VM AdoptOpenJDK (build 11.0.10+9, mixed mode)\n");
    }
    if (step["step"].text == "probe" && step["javaExe"].text == kOpen + "\\bin\\java.exe") {
      foundProbe = true;
      EXPECT_EQ(step["kind"].text, "OpenBuild64");
      EXPECT_EQ(step["kindNumber"].number, 4);
    }
  }
  EXPECT_TRUE(foundChild);
  EXPECT_TRUE(foundProbe);
}

TEST(ExplainJson, WouldRecordGivesViewTypeAndExactBytes) {
  sim::SimulatedMachine machine;
  const Value report = ParsedReport(ExplainSample(machine));
  std::vector<std::string> actions;
  for (const Value& change : report["wouldRecord"].items) actions.push_back(change["action"].text);
  EXPECT_EQ(actions, (std::vector<std::string>{"create-key", "set", "set", "create-key", "set",
                                               "create-key", "set"}));
  const Value& perUser = report["wouldRecord"][1];
  EXPECT_EQ(perUser["root"].text, "HKCU");
  EXPECT_TRUE(perUser["view"].IsNull());
  EXPECT_EQ(perUser["name"].text, "Ravelcheck32");
  EXPECT_EQ(perUser["value"]["type"].text, "REG_SZ");
  EXPECT_EQ(perUser["value"]["bytes"].text, "31");
  const Value& location32 = report["wouldRecord"][6];
  EXPECT_EQ(location32["view"].text, "32-bit");
  EXPECT_EQ(location32["value"]["text"].text, kAccented);
  EXPECT_EQ(location32["value"]["bytes"].text,
            "433A5C50726F6772616D2046696C65732028783836295C436166E95C6A726500");
}

TEST(ExplainJson, TextsFromTheMachineComeBackByteForByte) {
  static constexpr char kAwkward[] = "zero \0 control \x01\x1F del \x7F high \x80\xFF";
  for (const std::string& text :
       {std::string("plain"), kAccented, std::string("quote \" backslash \\ tab \t cr \r lf \n"),
        std::string(kAwkward, sizeof kAwkward - 1)}) {
    std::string error;
    const auto parsed = json::Parse(explain::JsonString(text), &error);
    ASSERT_TRUE(parsed.has_value()) << error;
    EXPECT_EQ(parsed->text, text);
  }
}

TEST(ExplainJson, TheParserRejectsWhatIsNotJson) {
  for (const std::string& text :
       {std::string("{\"a\": 1,}"), std::string("[1 2]"), std::string("{\"a\" 1}"),
        std::string("\"raw \x01 byte\""), std::string("{} {}"), std::string("{\"a\":1,\"a\":2}"),
        std::string("\"caf\xE9\"")}) {
    EXPECT_FALSE(json::Parse(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace ravel
