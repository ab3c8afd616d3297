#include "app/front_end.h"

#include <string>

#include "checks/jdk_check.h"
#include "checks/jre_check.h"
#include "common/text.h"

namespace ravel {
namespace {
constexpr int kKeywordLength = 5;  // "type=" and "mode="
}

CheckRequest ParseCommandLine(int argc, const char* const argv[]) {
  if (argc != 3) return {};
  std::string typeText;
  std::string modeText;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    LowerInPlace(argument);
    // The keyword's own five characters are dropped wherever it stood, as installers have
    // always seen it behave.
    if (Contains(argument, "type=")) {
      typeText = Mid(argument, kKeywordLength);
    } else if (Contains(argument, "mode=")) {
      modeText = Mid(argument, kKeywordLength);
    }
  }
  CheckRequest request;
  if (modeText == "silent") {
    request.mode = CheckMode::Silent;
  } else if (modeText == "no-silent") {
    request.mode = CheckMode::NoSilent;
  } else {
    return {};
  }
  if (typeText == "jre") request.type = CheckType::Jre;
  if (typeText == "java") request.type = CheckType::Jdk;
  return request;
}

int RunRavelcheck(Os& os, int argc, const char* const argv[]) {
  if (argc != 3) return 0;
  SetActiveCodePage(os.LoadAnsiCodePage());
  const CheckRequest request = ParseCommandLine(argc, argv);
  switch (request.type) {
    case CheckType::Jre:
      RunJreCheck(os, request.mode);
      break;
    case CheckType::Jdk:
      RunJdkCheck(os, request.mode);
      break;
    case CheckType::None:
      break;
  }
  return 0;
}

}  // namespace ravel
