// ravelcheck-explain.exe under Wine, 64-bit, on the demo machine: the key lines of its reports
// for both checks, a JSON report that parses, a registry and TEMP it leaves exactly as they
// were, and would-be values that the real ravelcheck.exe then records byte for byte.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "demo_machine.h"
#include "json_value.h"
#include "wine_machine.h"

namespace ravel::e2e {
namespace {

// The registry places any run of either check may change.
struct RegistryState {
  std::vector<bool> setupKeyExists;
  std::vector<std::map<std::string, RegValue>> setupValues;
  std::optional<RegValue> javaHome;
  bool operator==(const RegistryState&) const = default;
};

struct SetupPlace {
  std::string root;
  int view;
};
const std::vector<SetupPlace> kSetupPlaces = {{"HKCU", 64}, {"HKLM", 64}, {"HKLM", 32}};

RegistryState StateOf(WineMachine& machine) {
  RegistryState state;
  for (const SetupPlace& place : kSetupPlaces) {
    state.setupKeyExists.push_back(machine.KeyExists(place.root, place.view, kSetupKey));
    state.setupValues.push_back(machine.Values(place.root, place.view, kSetupKey));
  }
  state.javaHome = machine.Value("HKLM", 64, kEnvironmentKey, "JAVA_HOME");
  return state;
}

std::string Unhex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

class ExplainOnTheDemoMachine : public ::testing::Test {
 protected:
  void SetUp() override {
    machine_.Reset();
    demo_ = LayOutDemoMachine(machine_);
    before_ = StateOf(machine_);
  }

  RunResult Explain(const std::vector<std::string>& args) {
    const RunResult run = machine_.RunExplain(args);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    return run;
  }

  void ExpectLines(const std::string& report, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
      EXPECT_NE(report.find(line), std::string::npos) << "missing: " << line << "\n" << report;
    }
  }

  WineMachine& machine_ = WineMachine::Shared();
  DemoMachine demo_;
  RegistryState before_;
};

TEST_F(ExplainOnTheDemoMachine, JreReportAndNothingWritten) {
  const std::string out = Explain({"type=jre", "mode=no-silent"}).out;
  const std::string open11Exe = demo_.open11 + "\\bin\\java.exe";
  ExpectLines(out,
              {
                  "ravelcheck-explain type=jre mode=no-silent",
                  ", 32-bit view JRE_HOME: not there",
                  ", 32-bit view JAVA_HOME: \"" + demo_.oldJavaHome + "\"",
                  "run       cmd.exe /C where java>",
                  "listed    " + open11Exe,
                  "line 2: OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)",
                  "line 3: OpenJDK 64-Bit Server VM AdoptOpenJDK (build 11.0.10+9, mixed mode)",
                  "probe     Java 11 runtime probe of " + open11Exe +
                      ": OpenJDK (not OpenJ9), 64-bit (OpenBuild64)",
                  "version   " + open11Exe + ": version text \"0.10\"",
                  "decision  passed over: " + demo_.openJ9 + "\\bin\\java.exe",
                  "decision  accepted: " + open11Exe,
                  "read      HKLM\\SOFTWARE\\JavaSoft\\JRE\\11, 32-bit view JavaHome: \"" +
                      demo_.branded11x86 + "\"",
                  "decision  accepted: " + demo_.branded11x86,
                  "held back cmd.exe /C reg add HKLM\\SOFTWARE\\Quillmark\\Setup /reg:32",
                  "set       HKLM\\SOFTWARE\\Quillmark\\Setup, 64-bit view JavaLocation",
                  "(\"" + demo_.open11 + "\")",
                  "It would stay as it is.",
              });
  EXPECT_EQ(StateOf(machine_), before_);
  EXPECT_TRUE(machine_.TempFiles().empty());
}

TEST_F(ExplainOnTheDemoMachine, JdkReportAndNothingWritten) {
  const std::string out = Explain({"mode=no-silent", "type=java"}).out;
  const std::string adoptExe = demo_.adopt8 + "\\bin\\java.exe";
  ExpectLines(
      out,
      {
          "ravelcheck-explain type=java mode=no-silent",
          "decision  deferred to the registered home: " + demo_.branded8 + "\\bin\\java.exe",
          "Development Kit\\1.8, 64-bit view JavaHome: \"" + demo_.brandedKit8 + "\"",
          "line 2: OpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_282-b08)",
          "probe     Java 8 runtime probe of " + adoptExe + ": AdoptOpenJDK, 64-bit (OpenBuild64)",
          "update    " + adoptExe + ": update level 282",
          "decision  replaced the location: " + adoptExe,
          "set       HKCU\\SOFTWARE\\Quillmark\\Setup QKJDKPrecheck",
          "to REG_SZ, 1 byte: 31 (\"1\")",
          "JAVA_HOME (machine-wide) is now REG_EXPAND_SZ",
          "It would become REG_SZ, 52 bytes:",
          "(\"" + demo_.adopt8 + "\").",
      });
  EXPECT_EQ(StateOf(machine_), before_);
  EXPECT_TRUE(machine_.TempFiles().empty());
}

TEST_F(ExplainOnTheDemoMachine, JsonWouldBeValuesAreWhatTheProductThenRecords) {
  std::map<std::string, std::string> wouldRecord;  // "<root> <view> <name>" -> bytes
  for (const std::string type : {"jre", "java"}) {
    const std::string out = Explain({"type=" + type, "mode=no-silent", "--json"}).out;
    std::string error;
    const std::optional<json::Value> report = json::Parse(out, &error);
    ASSERT_TRUE(report.has_value()) << error << "\n" << out;
    EXPECT_EQ((*report)["type"].text, type);
    for (const json::Value& change : (*report)["wouldRecord"].items) {
      if (change["action"].text != "set") continue;
      const std::string view = change["view"].IsNull() ? "-" : change["view"].text;
      wouldRecord[change["root"].text + " " + view + " " + change["name"].text] =
          Unhex(change["value"]["bytes"].text);
    }
  }
  EXPECT_EQ(StateOf(machine_), before_);
  ASSERT_EQ(wouldRecord.size(), 6u);

  EXPECT_EQ(machine_.RunRavelcheck({"type=jre", "mode=no-silent"}).exitCode, 0);
  EXPECT_EQ(machine_.RunRavelcheck({"type=java", "mode=no-silent"}).exitCode, 0);
  // Windows keeps the terminator behind a one-byte verdict (see the foundation tests), so the
  // recorded data begin with the bytes the explanation gave.
  auto recorded = [&](const std::string& root, int view, const std::string& key,
                      const std::string& name) {
    const std::optional<RegValue> value = machine_.Value(root, view, key, name);
    return value ? value->bytes : std::string("<missing>");
  };
  EXPECT_EQ(recorded("HKCU", 64, kSetupKey, "Ravelcheck32"),
            Bytes(wouldRecord["HKCU - Ravelcheck32"], true));
  EXPECT_EQ(recorded("HKCU", 64, kSetupKey, "Ravelcheck64"),
            Bytes(wouldRecord["HKCU - Ravelcheck64"], true));
  EXPECT_EQ(recorded("HKCU", 64, kSetupKey, "QKJDKPrecheck"),
            Bytes(wouldRecord["HKCU - QKJDKPrecheck"], true));
  EXPECT_EQ(recorded("HKLM", 64, kSetupKey, "JavaLocation"),
            wouldRecord["HKLM 64-bit JavaLocation"]);
  EXPECT_EQ(recorded("HKLM", 32, kSetupKey, "JavaLocation"),
            wouldRecord["HKLM 32-bit JavaLocation"]);
  EXPECT_EQ(recorded("HKLM", 64, kEnvironmentKey, "JAVA_HOME"),
            wouldRecord["HKLM 32-bit JAVA_HOME"]);
}

TEST_F(ExplainOnTheDemoMachine, AWrongCommandLineGetsTheUsage) {
  const RunResult run = machine_.RunExplain({"type=jre"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("usage: ravelcheck-explain"), std::string::npos);
  EXPECT_EQ(StateOf(machine_), before_);
}

}  // namespace
}  // namespace ravel::e2e
