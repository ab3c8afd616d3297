#include "probes/runtime_bitness.h"

#include <string>

#include "common/text.h"
#include "probes/banner_markers.h"

namespace ravel {

bool HasSixtyFourBitMarker(std::string_view vmLine) {
  // Vendors spell the marker in any case ("64-Bit", "X64"); the family tests stay exact.
  std::string lowered(vmLine);
  LowerInPlace(lowered);
  for (const std::string_view marker : banner::kSixtyFourBitMarkers) {
    if (Contains(lowered, marker)) return true;
  }
  return false;
}

RuntimeKind BrandedKind(std::string_view vmLine) {
  return HasSixtyFourBitMarker(vmLine) ? RuntimeKind::Branded64 : RuntimeKind::Branded32;
}

RuntimeKind OpenBuildKind(std::string_view vmLine) {
  return HasSixtyFourBitMarker(vmLine) ? RuntimeKind::OpenBuild64 : RuntimeKind::OpenBuild32;
}

}  // namespace ravel
