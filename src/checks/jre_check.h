// type=jre: is a suitable Java 11 runtime installed, 64-bit and 32-bit, and where?
#pragma once

#include "common/types.h"
#include "system/os.h"

namespace ravel {

void RunJreCheck(Os& os, CheckMode mode);

}  // namespace ravel
