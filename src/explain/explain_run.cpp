#include "explain/explain_run.h"

#include "checks/jdk_check.h"
#include "checks/jre_check.h"
#include "common/contract.h"
#include "common/text.h"
#include "explain/dry_run_os.h"
#include "explain/explaining_observer.h"
#include "explain/stored_value.h"

namespace ravel::explain {

Explanation ExplainCheck(Os& real, const CheckRequest& request) {
  SetActiveCodePage(real.LoadAnsiCodePage());
  Explanation explanation;
  explanation.type = request.type == CheckType::Jdk ? "java" : "jre";
  explanation.mode = request.mode == CheckMode::NoSilent ? "no-silent" : "silent";
  explanation.javaHomeNow =
      ReadStoredValue(real, RegRoot::LocalMachine, contract::kSystemEnvironmentKey,
                      contract::kOwnView32Flag, contract::kJavaHomeValue);
  DryRunOs dryRun(real, explanation);
  ExplainingObserver observer(explanation);
  switch (request.type) {
    case CheckType::Jre:
      RunJreCheck(dryRun, request.mode, observer);
      break;
    case CheckType::Jdk:
      RunJdkCheck(dryRun, request.mode, observer);
      break;
    case CheckType::None:
      break;
  }
  return explanation;
}

}  // namespace ravel::explain
