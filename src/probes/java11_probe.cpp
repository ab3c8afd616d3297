#include "probes/java11_probe.h"

#include <string_view>

#include "common/contract.h"
#include "common/text.h"
#include "probes/banner_markers.h"
#include "probes/build_text.h"
#include "probes/runtime_bitness.h"
#include "probes/version_output.h"

namespace ravel {
namespace {

// Compared as text: "11" only, with no minimum update.
constexpr std::string_view kJava11Major = "11";

// The first number of the version number: "11" of 11.0.2, and of 11 alone.
std::string MajorText(std::string_view buildText) {
  const std::string version = VersionNumber(buildText);
  const int dot = Find(version, ".");
  return dot == -1 ? version : Left(version, dot);
}

bool IsOpenJava11VirtualMachine(std::string_view vmLine) {
  // A plain substring search, so a line naming "AdoptOpenJDK" counts as "OpenJDK".
  return Contains(vmLine, banner::kJava11OpenFamily) &&
         !Contains(vmLine, banner::kExcludedVirtualMachine);
}

}  // namespace

RuntimeKind ClassifyJava11Runtime(Os& os, const std::string& javaExe) {
  const auto lines = ReadVersionOutput(os, javaExe, contract::kProbeCaptureFile, 3);
  if (lines.size() < 3) return RuntimeKind::Unsuitable;
  const std::string& runtimeLine = lines[1];
  const std::string& vmLine = lines[2];

  if (MajorText(CutBuildText(runtimeLine)) != kJava11Major) return RuntimeKind::Unsuitable;
  // A branded runtime line wins, whatever the virtual-machine line names.
  if (Contains(runtimeLine, banner::kBrandedFamily)) return BrandedKind(vmLine);
  if (IsOpenJava11VirtualMachine(vmLine)) return OpenBuildKind(vmLine);
  return RuntimeKind::Unsuitable;
}

}  // namespace ravel
