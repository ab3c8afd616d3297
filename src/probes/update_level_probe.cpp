#include "probes/update_level_probe.h"

#include "common/contract.h"
#include "common/text.h"
#include "probes/build_text.h"
#include "probes/version_output.h"

namespace ravel {

std::int32_t ReadUpdateLevel(Os& os, const std::string& javaExe) {
  const auto lines = ReadVersionOutput(os, javaExe, contract::kVersionCaptureFile, 2);
  if (lines.size() < 2) return 0;
  return ToNumber(SplitVersionAndUpdate(CutBuildText(lines[1])).updateText);
}

}  // namespace ravel
