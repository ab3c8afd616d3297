// Reads the two arguments and starts at most one check.
#pragma once

#include "common/types.h"
#include "system/os.h"

namespace ravel {

enum class CheckType { None, Jre, Jdk };

struct CheckRequest {
  CheckType type = CheckType::None;
  CheckMode mode = CheckMode::Silent;
};

// type=jre|java and mode=silent|no-silent, in either order and any letter case. Anything else,
// including a wrong number of arguments, asks for no check.
CheckRequest ParseCommandLine(int argc, const char* const argv[]);

// The whole program: installs the machine's code page, runs the requested check, returns 0.
int RunRavelcheck(Os& os, int argc, const char* const argv[]);

}  // namespace ravel
