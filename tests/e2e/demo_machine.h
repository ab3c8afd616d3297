// The demo's realistic Windows machine, laid out on a Wine machine: Java 8, 11 and 17 runtimes
// and kits of several vendors on the search path, JavaSoft registrations, and an old JAVA_HOME.
// The demo runs the product on it; the end-to-end tests run the explain tool on it too.
#pragma once

#include <string>
#include <vector>

#include "wine_machine.h"

namespace ravel::e2e {

struct DemoMachine {
  std::string branded8;      // Java(TM) 8u281 64-bit runtime, on the path
  std::string brandedKit8;   // its kit, registered in the 64-bit view, not on the path
  std::string adopt8;        // AdoptOpenJDK 8u282 64-bit kit, on the path
  std::string open11;        // open Java 11.0.10 64-bit runtime, on the path
  std::string branded11x86;  // Java(TM) 11.0.2 32-bit runtime, registered in the 32-bit view
  std::string openJ9;        // an OpenJ9 Java 11, on the path
  std::string java17;        // a Java 17 kit, on the path
  std::string oldJavaHome;   // JAVA_HOME before any run, REG_EXPAND_SZ
  std::vector<std::string> description;  // what was laid out, in lines for a person
};

// Lays the machine out on a machine just Reset.
DemoMachine LayOutDemoMachine(WineMachine& machine);

}  // namespace ravel::e2e
