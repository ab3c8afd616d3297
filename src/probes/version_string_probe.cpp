#include "probes/version_string_probe.h"

#include <cstdint>
#include <string_view>

#include "common/contract.h"
#include "common/text.h"
#include "probes/build_text.h"
#include "probes/version_output.h"

namespace ravel {
namespace {

// What a build without a minor part reads as.
constexpr char kNoMinorVersion[] = "0.0";

struct LeadingNumbers {
  std::int32_t first = 0;
  std::int32_t second = 0;
};

// "0.10" reads as 0 and 10, "0.9.1" as 0 and 9; a text without "." as 0 and its own number.
LeadingNumbers ReadLeadingNumbers(std::string_view version) {
  const int dot = Find(version, ".");
  if (dot == -1) return {0, ToNumber(version)};
  return {ToNumber(Left(version, dot)), ToNumber(Mid(version, dot + 1))};
}

}  // namespace

std::string ReadVersionString(Os& os, const std::string& javaExe) {
  const auto lines = ReadVersionOutput(os, javaExe, contract::kVersionCaptureFile, 2);
  if (lines.size() < 2) return {};
  const std::string version = VersionNumber(CutBuildText(lines[1]));
  const int dot = Find(version, ".");
  if (dot == -1) return kNoMinorVersion;
  return Mid(version, dot + 1);
}

std::string NewerVersion(const std::string& a, const std::string& b) {
  const LeadingNumbers ofA = ReadLeadingNumbers(a);
  const LeadingNumbers ofB = ReadLeadingNumbers(b);
  if (ofA.first != ofB.first) return ofA.first > ofB.first ? a : b;
  return ofA.second < ofB.second ? b : a;  // a tie keeps a
}

}  // namespace ravel
