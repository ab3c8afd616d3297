// Is one java.exe a Java 11 runtime of an accepted family, and of which bitness?
#pragma once

#include <string>

#include "common/types.h"
#include "system/os.h"

namespace ravel {

// "Java(TM)" on line 2, or "OpenJDK" without "OpenJ9" on line 3, with major version "11".
// Every failure gives Unsuitable; the capture file never outlives the call.
RuntimeKind ClassifyJava11Runtime(Os& os, const std::string& javaExe);

}  // namespace ravel
