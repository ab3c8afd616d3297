// The main job: a realistic Windows machine under Wine, the real ravelcheck.exe run on it for
// both checks, and a table of everything it recorded.
#include <cstdio>
#include <string>
#include <vector>

#include "wine_machine.h"

namespace {

using ravel::e2e::RegValue;
using ravel::e2e::WineMachine;

const char kBranded8[] =
    "java version \"1.8.0_281\"\n"
    "Java(TM) SE Runtime Environment (build 1.8.0_281-b09)\n"
    "Java HotSpot(TM) 64-Bit Server VM (build 25.281-b09, mixed mode)\n";
const char kAdopt8[] =
    "openjdk version \"1.8.0_282\"\n"
    "OpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_282-b08)\n"
    "OpenJDK 64-Bit Server VM (AdoptOpenJDK)(build 25.282-b08, mixed mode)\n";
const char kOpen11[] =
    "openjdk version \"11.0.10\" 2021-01-19\n"
    "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n"
    "OpenJDK 64-Bit Server VM AdoptOpenJDK (build 11.0.10+9, mixed mode)\n";
const char kBranded11Client[] =
    "java version \"11.0.2\" 2019-01-15 LTS\n"
    "Java(TM) SE Runtime Environment 18.9 (build 11.0.2+9-LTS)\n"
    "Java HotSpot(TM) Client VM 18.9 (build 11.0.2+9-LTS, mixed mode)\n";
const char kOpenJ9[] =
    "openjdk version \"11.0.10\" 2021-01-19\n"
    "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n"
    "Eclipse OpenJ9 VM AdoptOpenJDK (build openj9-0.24.0, JRE 11 Windows 10 amd64-64-Bit "
    "Compressed References 20210120_899 (JIT enabled, AOT enabled)\n";
const char kJava17[] =
    "openjdk version \"17.0.1\" 2021-10-19\n"
    "OpenJDK Runtime Environment (build 17.0.1+12-39)\n"
    "OpenJDK 64-Bit Server VM (build 17.0.1+12-39, mixed mode, sharing)\n";

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
      PrintRow(place.root + "\\" + kSetupKey, place.label, name, value);
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

}  // namespace

int main() {
  WineMachine::SetNarrating(true);
  WineMachine& machine = WineMachine::Shared();

  std::printf("Laying out the demo machine:\n");
  const std::string branded8 = "C:\\Program Files\\Java\\jre1.8.0_281";
  const std::string brandedKit8 = "C:\\Program Files\\Java\\jdk1.8.0_281";
  const std::string adopt8 = "C:\\Program Files\\AdoptOpenJDK\\jdk-8.0.282.8-hotspot";
  const std::string open11 = "C:\\Program Files\\AdoptOpenJDK\\jre-11.0.10.9-hotspot";
  const std::string branded11x86 = "C:\\Program Files (x86)\\Java\\jre-11.0.2";
  const std::string openJ9 = "C:\\Program Files\\AdoptOpenJDK\\jre-11.0.10.9-openj9";
  const std::string java17 = "C:\\Program Files\\Java\\jdk-17.0.1";
  machine.AddRuntime(branded8 + "\\bin\\java.exe", kBranded8);
  machine.AddKit(brandedKit8, kBranded8);
  machine.AddKit(adopt8, kAdopt8);
  machine.AddRuntime(open11 + "\\bin\\java.exe", kOpen11);
  machine.AddRuntime(branded11x86 + "\\bin\\java.exe", kBranded11Client);
  machine.AddRuntime(openJ9 + "\\bin\\java.exe", kOpenJ9);
  machine.AddKit(java17, kJava17);
  std::printf(
      "  on PATH: Java 8u281 (Java(TM), 64-bit), AdoptOpenJDK 8u282 kit, open Java 11.0.10\n"
      "           64-bit, an OpenJ9 Java 11 and a Java 17 kit (both to be rejected)\n");
  machine.SetPathPrefix(branded8 + "\\bin;" + adopt8 + "\\bin;" + openJ9 + "\\bin;" + open11 +
                        "\\bin;" + java17 + "\\bin");
  const std::string kitKey = "SOFTWARE\\JavaSoft\\Java Development Kit";
  machine.SetString("HKLM", 64, kitKey, "CurrentVersion", "1.8");
  machine.SetString("HKLM", 64, kitKey + "\\1.8", "JavaHome", brandedKit8);
  std::printf("  registered: the Java 8u281 kit under HKLM\\%s (64-bit view)\n", kitKey.c_str());
  machine.SetString("HKLM", 32, "SOFTWARE\\JavaSoft\\JRE", "CurrentVersion", "11");
  machine.SetString("HKLM", 32, "SOFTWARE\\JavaSoft\\JRE\\11", "JavaHome", branded11x86);
  std::printf(
      "  registered: a 32-bit Java(TM) 11.0.2 runtime under HKLM\\SOFTWARE\\JavaSoft\\JRE "
      "(32-bit view), not on PATH\n");
  machine.SetValue("HKLM", 64, kEnvironmentKey, "JAVA_HOME",
                   RegValue{ravel::e2e::kRegExpandSz,
                            ravel::e2e::Bytes("%ProgramFiles%\\Java\\jdk1.7.0_80", true)});
  PrintJavaHome(machine, "before");

  Run(machine, {"type=jre", "mode=no-silent"});
  Run(machine, {"type=java", "mode=no-silent"});

  std::printf("\nValues recorded under SOFTWARE\\Quillmark\\Setup:\n");
  PrintRecorded(machine);
  PrintJavaHome(machine, "after");
  std::printf("Capture files left in TEMP: %zu\n", machine.TempFiles().size());
  return 0;
}
