// The main job: a realistic Windows machine under Wine, the real ravelcheck.exe run on it for
// both checks, and a table of everything it recorded.
#include <cstdio>
#include <string>
#include <vector>

#include "demo_machine.h"
#include "wine_machine.h"

namespace {

using ravel::e2e::RegValue;
using ravel::e2e::WineMachine;

const std::string kSetupKey = ravel::e2e::kSetupKey;
const std::string kEnvironmentKey = ravel::e2e::kEnvironmentKey;

std::string Printable(const std::string& bytes) {
  std::string text;
  for (unsigned char c : bytes) {
    if (c == 0) {
      text += "\\0";
    } else if (c < 0x20 || c >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      text += hex;
    } else {
      text += static_cast<char>(c);
    }
  }
  return text;
}

std::string TypeName(unsigned type) {
  switch (type) {
    case 1:
      return "REG_SZ";
    case 2:
      return "REG_EXPAND_SZ";
    case 4:
      return "REG_DWORD";
    case 7:
      return "REG_MULTI_SZ";
    default:
      return "type " + std::to_string(type);
  }
}

void PrintRow(const std::string& key, const std::string& view, const std::string& name,
              const RegValue& value) {
  std::printf("  %-44s %-6s %-14s %-14s %5zu  %s\n", key.c_str(), view.c_str(), name.c_str(),
              TypeName(value.type).c_str(), value.bytes.size(), Printable(value.bytes).c_str());
}

void PrintRecorded(WineMachine& machine) {
  std::printf("  %-44s %-6s %-14s %-14s %5s  %s\n", "key", "view", "name", "type", "bytes", "data");
  struct Place {
    std::string root;
    int view;
    std::string label;
  };
  for (const Place& place :
       std::vector<Place>{{"HKCU", 64, "-"}, {"HKLM", 64, "64-bit"}, {"HKLM", 32, "32-bit"}}) {
    for (const auto& [name, value] : machine.Values(place.root, place.view, kSetupKey)) {
      // Wine's reg add gives a key it creates an empty default value; ravelcheck writes none.
      PrintRow(place.root + "\\" + kSetupKey, place.label, name.empty() ? "(Default)" : name,
               value);
    }
  }
}

void PrintJavaHome(WineMachine& machine, const char* when) {
  const auto value = machine.Value("HKLM", 64, kEnvironmentKey, "JAVA_HOME");
  if (value) {
    std::printf("JAVA_HOME %s: %s %s (%zu bytes)\n", when, TypeName(value->type).c_str(),
                Printable(value->bytes).c_str(), value->bytes.size());
  } else {
    std::printf("JAVA_HOME %s: not set\n", when);
  }
}

void Run(WineMachine& machine, const std::vector<std::string>& args) {
  std::printf("\n== ravelcheck.exe %s %s\n", args[0].c_str(), args[1].c_str());
  const auto run = machine.RunRavelcheck(args);
  std::printf("exit code %d, standard output %zu bytes, standard error %zu bytes\n", run.exitCode,
              run.out.size(), run.err.size());
}

void Explain(WineMachine& machine, const std::vector<std::string>& args) {
  std::printf("\n== ravelcheck-explain.exe %s %s\n", args[0].c_str(), args[1].c_str());
  const auto run = machine.RunExplain(args);
  std::fputs(run.out.c_str(), stdout);
  std::fputs(run.err.c_str(), stdout);
}

}  // namespace

// With --explain, ravelcheck-explain.exe first tells why each check will record what it records.
int main(int argc, char** argv) {
  const bool explain = argc > 1 && std::string(argv[1]) == "--explain";
  WineMachine::SetNarrating(true);
  WineMachine& machine = WineMachine::Shared();

  std::printf("Laying out the demo machine:\n");
  const ravel::e2e::DemoMachine demo = ravel::e2e::LayOutDemoMachine(machine);
  for (const std::string& line : demo.description) std::printf("  %s\n", line.c_str());
  PrintJavaHome(machine, "before");

  if (explain) {
    Explain(machine, {"type=jre", "mode=no-silent"});
    Explain(machine, {"type=java", "mode=no-silent"});
  }
  Run(machine, {"type=jre", "mode=no-silent"});
  Run(machine, {"type=java", "mode=no-silent"});

  std::printf("\nValues recorded under SOFTWARE\\Quillmark\\Setup:\n");
  PrintRecorded(machine);
  PrintJavaHome(machine, "after");
  std::printf("Capture files left in TEMP: %zu\n", machine.TempFiles().size());
  std::printf(
      "\nVerdicts are written as one character with a byte count of 1; Windows keeps the zero\n"
      "that follows, so they read back as 2 bytes. The (Default) values come from Wine's\n"
      "reg add, which created the keys; ravelcheck writes none.\n");
  return 0;
}
