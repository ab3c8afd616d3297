// A machine with something for every source the checks read, for the tests that run whole
// checks under faults and compare the machine before and after.
#pragma once

#include <string>

#include "machine_names.h"
#include "sim/java_banners.h"
#include "sim/simulated_machine.h"

namespace ravel::rich {

// JRE_HOME names an open 64-bit Java 11 runtime (also on PATH) and JAVA_HOME a branded Java 8
// kit; PATH holds branded and open Java 8, open 64-bit and 32-bit Java 11, a branded 32-bit
// Java 11, an OpenJ9 build and a Java 17 kit; both views register runtimes and kits.
inline void LayOut(sim::SimulatedMachine& machine) {
  using banners::kAdopt11OpenJ9;
  machine.AddRuntime("C:\\Java\\jre-8-branded\\bin\\java.exe", {banners::kBranded8u281x64});
  machine.AddKit("C:\\Java\\jdk-8-adopt", banners::kAdopt8u282x64);
  machine.AddRuntime("C:\\Java\\jre-11-open\\bin\\java.exe", {banners::kAdopt11x64});
  machine.AddRuntime("C:\\Java\\jre-11-open-x86\\bin\\java.exe", {banners::kAdopt11x86});
  machine.AddRuntime("C:\\Java\\jre-11-branded-x86\\bin\\java.exe", {banners::kBranded11x86});
  machine.AddRuntime("C:\\Java\\jre-11-openj9\\bin\\java.exe", {kAdopt11OpenJ9});
  machine.AddKit("C:\\Java\\jdk-17", banners::kBranded17x64);
  machine.AddRuntime("C:\\Java\\jre-11-branded\\bin\\java.exe", {banners::kBranded11x64});
  machine.AddKit("C:\\Java\\jdk-8-branded", banners::kBranded8u281x64);
  machine.AddKit("C:\\Java\\jdk-8-branded-x86", banners::kBranded8u281x86);
  machine.SetEnvironment(
      "PATH",
      "C:\\Java\\jre-8-branded\\bin;C:\\Java\\jdk-8-adopt\\bin;C:\\Java\\jre-11-open\\bin;"
      "C:\\Java\\jre-11-open-x86\\bin;C:\\Java\\jre-11-branded-x86\\bin;"
      "C:\\Java\\jre-11-openj9\\bin;C:\\Java\\jdk-17\\bin;C:\\Windows\\system32;C:\\Windows");
  machine.SetString(kHklm, k64, kEnvironmentKey, "JRE_HOME", "C:\\Java\\jre-11-open");
  machine.SetString(kHklm, k64, kEnvironmentKey, "JAVA_HOME", "C:\\Java\\jdk-8-branded");
  machine.SetString(kHklm, k64, "SOFTWARE\\JavaSoft\\JRE", "CurrentVersion", "11");
  machine.SetString(kHklm, k64, "SOFTWARE\\JavaSoft\\JRE\\11", "JavaHome",
                    "C:\\Java\\jre-11-branded");
  machine.SetString(kHklm, k32, "SOFTWARE\\JavaSoft\\JRE", "CurrentVersion", "11");
  machine.SetString(kHklm, k32, "SOFTWARE\\JavaSoft\\JRE\\11", "JavaHome",
                    "C:\\Java\\jre-11-branded-x86");
  const std::string kitKey = "SOFTWARE\\JavaSoft\\Java Development Kit";
  machine.SetString(kHklm, k64, kitKey, "CurrentVersion", "1.8");
  machine.SetString(kHklm, k64, kitKey + "\\1.8", "JavaHome", "C:\\Java\\jdk-8-branded");
  machine.SetString(kHklm, k32, kitKey, "CurrentVersion", "1.8");
  machine.SetString(kHklm, k32, kitKey + "\\1.8", "JavaHome", "C:\\Java\\jdk-8-branded-x86");
}

}  // namespace ravel::rich
