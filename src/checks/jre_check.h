// type=jre: is a suitable Java 11 runtime installed, 64-bit and 32-bit, and where?
#pragma once

#include "checks/check_observer.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel {

// Searches the environment, the search path and the JavaSoft keys; records the verdicts per user
// (NoSilent only) and each found runtime's directory per machine in the view of its bitness.
void RunJreCheck(Os& os, CheckMode mode, CheckObserver& observer = NoCheckObserver());

}  // namespace ravel
