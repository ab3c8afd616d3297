// Small machines for the JRE check's tests, stated as data: Java installations with the banner
// their java.exe prints, the machine-wide JRE_HOME and JAVA_HOME, JavaSoft registry entries, and
// which installations stand on the search path.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/types.h"
#include "machine_names.h"
#include "sim/java_banners.h"
#include "sim/simulated_machine.h"

namespace ravel::jre_fixtures {

inline const std::string kRuntimeKey = "SOFTWARE\\JavaSoft\\JRE";
inline const std::string kKitKey = "SOFTWARE\\JavaSoft\\JDK";

// The "-version" banners, build text like "11.0.10+9".
inline std::string OpenBanner(const std::string& build, bool is64) {
  const std::string version = build.substr(0, build.find('+'));
  return "openjdk version \"" + version + "\" 2021-01-19\n" +
         "OpenJDK Runtime Environment AdoptOpenJDK (build " + build + ")\n" +
         (is64 ? "OpenJDK 64-Bit Server VM AdoptOpenJDK (build "
               : "OpenJDK Client VM AdoptOpenJDK (build ") +
         build + ", mixed mode)\n";
}
inline std::string BrandedBanner(const std::string& build, bool is64) {
  const std::string version = build.substr(0, build.find('+'));
  return "java version \"" + version + "\" 2019-01-15 LTS\n" +
         "Java(TM) SE Runtime Environment 18.9 (build " + build + ")\n" +
         (is64 ? "Java HotSpot(TM) 64-Bit Server VM 18.9 (build "
               : "Java HotSpot(TM) Client VM 18.9 (build ") +
         build + ", mixed mode)\n";
}
inline std::string OpenJ9Banner(bool is64) {
  return std::string("openjdk version \"11.0.10\" 2021-01-19\n") +
         "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n" +
         "Eclipse OpenJ9 VM AdoptOpenJDK (build openj9-0.24.0, JRE 11 Windows 10 " +
         (is64 ? "amd64-64-Bit" : "x86-32") + " Compressed References 20210120_899)\n";
}
inline std::string Java8Banner() { return banners::kBranded8u281x64; }
inline std::string Java17Banner() { return banners::kOpenJdk17x64; }

inline std::string Open64(const std::string& build = "11.0.10+9") {
  return OpenBanner(build, true);
}
inline std::string Open32(const std::string& build = "11.0.10+9") {
  return OpenBanner(build, false);
}
inline std::string Branded64(const std::string& build = "11.0.2+9-LTS") {
  return BrandedBanner(build, true);
}
inline std::string Branded32(const std::string& build = "11.0.2+9-LTS") {
  return BrandedBanner(build, false);
}

// One Java installation at home: <home>\bin\java.exe printing the banner.
struct Java {
  std::string home;
  std::string banner;
  bool compiler = false;       // <home>\bin\javac.exe
  bool nestedRuntime = false;  // <home>\jre\bin\java.exe (a copy of the same runtime)
  bool onPath = false;         // <home>\bin stands on PATH, in the order of the list
};

// A "CurrentVersion" or "JavaHome" (or any) string value under HKLM in one view.
struct Entry {
  RegistryView view;
  std::string key;
  std::string name;
  std::string text;
};

// The JavaSoft registration of one current version: "CurrentVersion" under the key and the
// version's "JavaHome" (left out when home is nullopt).
inline std::vector<Entry> Registered(RegistryView view, const std::string& key,
                                     const std::string& version,
                                     const std::optional<std::string>& home) {
  std::vector<Entry> entries{{view, key, "CurrentVersion", version}};
  if (home) entries.push_back({view, key + "\\" + version, "JavaHome", *home});
  return entries;
}

struct MachineLayout {
  std::optional<std::string> jreHome;
  std::optional<std::string> javaHome;
  std::vector<Java> javas;
  std::vector<Entry> registry;
};

inline void Build(sim::SimulatedMachine& machine, const MachineLayout& layout) {
  std::string path;
  for (const Java& java : layout.javas) {
    machine.AddRuntime(java.home + "\\bin\\java.exe", sim::Runtime{java.banner});
    if (java.compiler) machine.AddFile(java.home + "\\bin\\javac.exe", "MZ");
    if (java.nestedRuntime) {
      machine.AddRuntime(java.home + "\\jre\\bin\\java.exe", sim::Runtime{java.banner});
    }
    if (java.onPath) path += java.home + "\\bin;";
  }
  machine.SetEnvironment("PATH", path + "C:\\Windows\\system32;C:\\Windows");
  if (layout.jreHome) {
    machine.SetString(RegRoot::LocalMachine, RegistryView::View64, kEnvironmentKey, "JRE_HOME",
                      *layout.jreHome);
  }
  if (layout.javaHome) {
    machine.SetString(RegRoot::LocalMachine, RegistryView::View64, kEnvironmentKey, "JAVA_HOME",
                      *layout.javaHome);
  }
  for (const Entry& entry : layout.registry) {
    machine.SetString(RegRoot::LocalMachine, entry.view, entry.key, entry.name, entry.text);
  }
}

// The command lines of the children, by kind.
inline std::string ClassifyCommand(const std::string& javaExe) {
  return "cmd.exe /C \"\"" + javaExe + "\" -version 2>\"" + kTemp + "\\Ravelcheck.txt\"\"";
}
inline std::string VersionCommand(const std::string& javaExe) {
  return "cmd.exe /C \"\"" + javaExe + "\" -version 2>\"" + kTemp + "\\JavaVer.txt\"\"";
}
inline const std::string kListingCommand =
    "cmd.exe /C where java>\"" + kTemp + "\\AllJavaPath.txt\"";

inline int CountContaining(const std::vector<std::string>& lines, const std::string& fragment) {
  int count = 0;
  for (const std::string& line : lines) count += line.find(fragment) != std::string::npos ? 1 : 0;
  return count;
}

}  // namespace ravel::jre_fixtures
