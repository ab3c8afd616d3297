#include "demo_machine.h"

#include "sim/java_banners.h"

namespace ravel::e2e {
namespace {

const char kOpenJ9[] =
    "openjdk version \"11.0.10\" 2021-01-19\n"
    "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n"
    "Eclipse OpenJ9 VM AdoptOpenJDK (build openj9-0.24.0, JRE 11 Windows 10 amd64-64-Bit "
    "Compressed References 20210120_899 (JIT enabled, AOT enabled)\n";

}  // namespace

DemoMachine LayOutDemoMachine(WineMachine& machine) {
  DemoMachine demo;
  demo.branded8 = "C:\\Program Files\\Java\\jre1.8.0_281";
  demo.brandedKit8 = "C:\\Program Files\\Java\\jdk1.8.0_281";
  demo.adopt8 = "C:\\Program Files\\AdoptOpenJDK\\jdk-8.0.282.8-hotspot";
  demo.open11 = "C:\\Program Files\\AdoptOpenJDK\\jre-11.0.10.9-hotspot";
  demo.branded11x86 = "C:\\Program Files (x86)\\Java\\jre-11.0.2";
  demo.openJ9 = "C:\\Program Files\\AdoptOpenJDK\\jre-11.0.10.9-openj9";
  demo.java17 = "C:\\Program Files\\Java\\jdk-17.0.1";
  demo.oldJavaHome = "%ProgramFiles%\\Java\\jdk1.7.0_80";

  machine.AddRuntime(demo.branded8 + "\\bin\\java.exe", banners::kBranded8u281x64);
  machine.AddKit(demo.brandedKit8, banners::kBranded8u281x64);
  machine.AddKit(demo.adopt8, banners::kAdopt8u282x64);
  machine.AddRuntime(demo.open11 + "\\bin\\java.exe", banners::kAdopt11x64);
  machine.AddRuntime(demo.branded11x86 + "\\bin\\java.exe", banners::kBranded11x86);
  machine.AddRuntime(demo.openJ9 + "\\bin\\java.exe", kOpenJ9);
  machine.AddKit(demo.java17, banners::kOpenJdk17x64);
  demo.description.push_back(
      "on PATH: Java 8u281 (Java(TM), 64-bit), AdoptOpenJDK 8u282 kit, open Java 11.0.10");
  demo.description.push_back(
      "         64-bit, an OpenJ9 Java 11 and a Java 17 kit (both to be rejected)");
  machine.SetPathPrefix(demo.branded8 + "\\bin;" + demo.adopt8 + "\\bin;" + demo.openJ9 + "\\bin;" +
                        demo.open11 + "\\bin;" + demo.java17 + "\\bin");

  const std::string kitKey = "SOFTWARE\\JavaSoft\\Java Development Kit";
  machine.SetString("HKLM", 64, kitKey, "CurrentVersion", "1.8");
  machine.SetString("HKLM", 64, kitKey + "\\1.8", "JavaHome", demo.brandedKit8);
  demo.description.push_back("registered: the Java 8u281 kit under HKLM\\" + kitKey +
                             " (64-bit view)");
  machine.SetString("HKLM", 32, "SOFTWARE\\JavaSoft\\JRE", "CurrentVersion", "11");
  machine.SetString("HKLM", 32, "SOFTWARE\\JavaSoft\\JRE\\11", "JavaHome", demo.branded11x86);
  demo.description.push_back(
      "registered: a 32-bit Java(TM) 11.0.2 runtime under HKLM\\SOFTWARE\\JavaSoft\\JRE "
      "(32-bit view), not on PATH");
  machine.SetValue("HKLM", 64, kEnvironmentKey, "JAVA_HOME",
                   RegValue{kRegExpandSz, Bytes(demo.oldJavaHome, true)});
  return demo;
}

}  // namespace ravel::e2e
