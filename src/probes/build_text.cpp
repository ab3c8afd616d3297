#include "probes/build_text.h"

#include "common/text.h"
#include "probes/banner_markers.h"

namespace ravel {

std::string CutBuildText(std::string_view line) {
  // Where the runtime line carries no "build " the cut starts at index 5, as a missing match
  // (-1) plus the marker's length would; such a line never yields a usable build number.
  constexpr int kStartWithoutMarker = 5;
  const int marker = Find(line, banner::kBuildMarker);
  const int start =
      marker == -1 ? kStartWithoutMarker : marker + static_cast<int>(banner::kBuildMarker.size());
  const std::string rest = Mid(line, start);
  return Left(rest, static_cast<int>(rest.size()) - 2);
}

std::string PartBefore(std::string_view text, std::string_view separator) {
  return Left(text, Find(text, separator));
}

VersionAndUpdate SplitVersionAndUpdate(std::string_view buildText) {
  const std::string kept = PartBefore(buildText, "-");
  int separator = Find(kept, "_");
  if (separator == -1) separator = Find(kept, "+");
  if (separator == -1) return {};
  return {Left(kept, separator), Mid(kept, separator + 1)};
}

std::string VersionNumber(std::string_view buildText) { return PartBefore(buildText, "+"); }

}  // namespace ravel
