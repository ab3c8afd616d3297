// Is one java.exe a Java 8 runtime at update 181 or later, of an accepted family, and of which
// bitness?
#pragma once

#include <string>

#include "common/types.h"
#include "system/os.h"

namespace ravel {

inline constexpr int kMinimumJava8Update = 181;

// "Java(TM)" on line 2, or "AdoptOpenJDK" on line 3, with a 1.8.0 build at update 181 or later.
// Every failure gives Unsuitable; the capture file never outlives the call.
RuntimeKind ClassifyJava8Runtime(Os& os, const std::string& javaExe);

}  // namespace ravel
