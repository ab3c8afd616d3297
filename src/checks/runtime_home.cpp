#include "checks/runtime_home.h"

#include "common/contract.h"
#include "common/file_checks.h"
#include "common/text.h"
#include "probes/java11_probe.h"

namespace ravel {

RuntimeKind ClassifyRuntimeHome(Os& os, const std::string& home, CheckObserver& observer) {
  if (home.empty()) return RuntimeKind::Unsuitable;
  const std::string javaExe = home + contract::kJavaExeSuffix;
  const RuntimeKind kind = ClassifyJava11Runtime(os, javaExe);
  observer.Classified(RuntimeProbe::Java11Runtime, javaExe, kind);
  return kind;
}

std::string ListedRuntimeHome(Os& os, const std::string& javaExe) {
  const std::string home =
      Left(javaExe, static_cast<int>(javaExe.size()) - contract::kJavaExeSuffixLength);
  // Installers look for the runtime of a kit in its jre folder, so a kit that carries one is
  // recorded by that folder.
  if (HasJavaCompiler(os, home) && FileExists(os, home + contract::kNestedRuntimeJavaExeSuffix)) {
    return home + contract::kNestedRuntimeSuffix;
  }
  return home;
}

}  // namespace ravel
