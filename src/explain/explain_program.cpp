#include "explain/explain_program.h"

#include <string_view>
#include <vector>

#include "common/text.h"
#include "explain/explain_run.h"
#include "explain/json_report.h"
#include "explain/text_report.h"

namespace ravel::explain {
namespace {

constexpr std::string_view kJsonSwitch = "--json";
constexpr int kUsageError = 2;

constexpr char kUsage[] =
    "usage: ravelcheck-explain type=jre|java mode=silent|no-silent [--json]\n"
    "Runs the same check as ravelcheck.exe against this machine, writes nothing, and reports\n"
    "what it read, ran and decided, and what ravelcheck.exe would record.\n";

}  // namespace

ExplainRequest ParseExplainCommandLine(int argc, const char* const argv[]) {
  ExplainRequest request;
  std::vector<const char*> checkArguments;
  for (int i = 0; i < argc; ++i) {
    if (i > 0 && argv[i] == kJsonSwitch) {
      request.json = true;
      continue;
    }
    checkArguments.push_back(argv[i]);
  }
  request.check = ParseCommandLine(static_cast<int>(checkArguments.size()), checkArguments.data());
  return request;
}

ProgramOutput RunExplainProgram(Os& os, int argc, const char* const argv[]) {
  // The arguments are lower-cased by the machine's code page, as ravelcheck.exe does.
  SetActiveCodePage(os.LoadAnsiCodePage());
  const ExplainRequest request = ParseExplainCommandLine(argc, argv);
  if (request.check.type == CheckType::None) return ProgramOutput{kUsageError, "", kUsage};
  const Explanation explanation = ExplainCheck(os, request.check);
  return ProgramOutput{0, request.json ? JsonReport(explanation) : TextReport(explanation), ""};
}

}  // namespace ravel::explain
