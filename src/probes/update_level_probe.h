// The update number of one java.exe's build, e.g. 281 for Java 8 update 281.
#pragma once

#include <cstdint>
#include <string>

#include "system/os.h"

namespace ravel {

// 0 when there is none. The capture file never outlives the call.
std::int32_t ReadUpdateLevel(Os& os, const std::string& javaExe);

}  // namespace ravel
