// The short version text of a Java 11 runtime (the part after the major number, e.g. "0.10"),
// and which of two such texts is newer.
#pragma once

#include <string>

#include "system/os.h"

namespace ravel {

// "0.0" when the build has no minor part; "" when the output has no second line.
std::string ReadVersionString(Os& os, const std::string& javaExe);

// Compares the first two numbers of each text; returns a copy of the newer, `a` on a tie.
std::string NewerVersion(const std::string& a, const std::string& b);

}  // namespace ravel
