// Whether a runtime is a 64-bit one, judged from its virtual-machine line (line 3), and the
// RuntimeKind of each family for that line.
#pragma once

#include <string_view>

#include "common/types.h"

namespace ravel {

// True when the line, lower-cased by the ANSI code page, contains "64-bit", "x64" or "64bit".
bool HasSixtyFourBitMarker(std::string_view vmLine);

// Branded64 or Branded32.
RuntimeKind BrandedKind(std::string_view vmLine);
// OpenBuild64 or OpenBuild32.
RuntimeKind OpenBuildKind(std::string_view vmLine);

}  // namespace ravel
