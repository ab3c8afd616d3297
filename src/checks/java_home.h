// The machine-wide JAVA_HOME, as the registry copy of the system environment holds it.
#pragma once

#include <cstdint>
#include <string>

#include "system/os.h"

namespace ravel {

// Access for removing JAVA_HOME: full access in the 32-bit view.
std::uint32_t JavaHomeRemoveAccess();
// Access for setting JAVA_HOME: set-value alone, in the process's own (32-bit) view.
std::uint32_t JavaHomeSetAccess();

// Makes JAVA_HOME name the directory when it holds bin\javac.exe (REG_SZ, the text as passed
// and its terminator, replacing whatever type the value had), and removes JAVA_HOME otherwise,
// an empty directory included. The value is set in place, never removed first, so a run that
// stops half-way or a write that fails leaves the earlier value rather than none. Failures are
// not reported. No other program is told of the change.
void UpdateJavaHome(Os& os, const std::string& directory);

}  // namespace ravel
