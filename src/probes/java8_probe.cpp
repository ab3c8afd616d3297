#include "probes/java8_probe.h"

#include <string_view>

#include "common/contract.h"
#include "common/text.h"
#include "probes/banner_markers.h"
#include "probes/build_text.h"
#include "probes/runtime_bitness.h"
#include "probes/version_output.h"

namespace ravel {
namespace {

// Compared as text, byte by byte as unsigned values (the order std::char_traits<char> gives):
// "1.8.0" and everything that sorts after it pass, 1.10.0 does not. The update minimum is what
// rules out the later major versions in practice.
constexpr std::string_view kLowestJava8Version = "1.8.0";

bool PassesJava8VersionTest(const VersionAndUpdate& build) {
  return std::string_view(build.versionText) >= kLowestJava8Version &&
         ToNumber(build.updateText) >= kMinimumJava8Update;
}

}  // namespace

RuntimeKind ClassifyJava8Runtime(Os& os, const std::string& javaExe) {
  const auto lines = ReadVersionOutput(os, javaExe, contract::kProbeCaptureFile, 3);
  if (lines.size() < 3) return RuntimeKind::Unsuitable;
  const std::string& runtimeLine = lines[1];
  const std::string& vmLine = lines[2];

  if (!PassesJava8VersionTest(SplitVersionAndUpdate(CutBuildText(runtimeLine)))) {
    return RuntimeKind::Unsuitable;
  }
  // A branded runtime line wins, whatever the virtual-machine line names.
  if (Contains(runtimeLine, banner::kBrandedFamily)) return BrandedKind(vmLine);
  if (Contains(vmLine, banner::kJava8OpenFamily)) return OpenBuildKind(vmLine);
  return RuntimeKind::Unsuitable;
}

}  // namespace ravel
