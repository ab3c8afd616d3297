// Runs one command line through the command interpreter as a hidden child.
#pragma once

#include <cstdint>
#include <string>

#include "system/os.h"

namespace ravel {

// The full path of cmd.exe in the system directory, or "" when that directory is unknown. An
// elevated program never lets the search for a command line's first word find a planted cmd.exe.
std::string CommandInterpreterPath(Os& os);

// Runs the command line and waits for it, at most the child time limit; a child that runs
// longer is ended with everything it started, and counts as having printed what it printed.
// Returns the child's exit code, or the error code of
// the failed creation; callers do not tell the two apart.
std::uint32_t RunCommand(Os& os, const std::string& commandLine);

}  // namespace ravel
