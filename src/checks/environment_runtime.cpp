#include "checks/environment_runtime.h"

#include <string>

#include "checks/runtime_home.h"
#include "common/contract.h"
#include "common/file_checks.h"
#include "common/text_buffer.h"
#include "common/types.h"
#include "system/registry_reader.h"

namespace ravel {

std::int32_t FindEnvironmentRuntime(Os& os) {
  TextBuffer jreHomeBuffer{};
  TextBuffer javaHomeBuffer{};
  ReadMachineString(os, RegistryView::View32, contract::kSystemEnvironmentKey,
                    contract::kJreHomeValue, jreHomeBuffer);
  ReadMachineString(os, RegistryView::View32, contract::kSystemEnvironmentKey,
                    contract::kJavaHomeValue, javaHomeBuffer);
  const std::string jreHome = TextOf(jreHomeBuffer);
  const std::string javaHome = TextOf(javaHomeBuffer);

  RuntimeKind jreHomeKind = ClassifyRuntimeHome(os, jreHome);
  RuntimeKind javaHomeKind = ClassifyRuntimeHome(os, javaHome);
  // JRE_HOME is meant to name a bare runtime and JAVA_HOME a kit; a variable that names the
  // other kind of installation is not what its name promises and is disregarded.
  if (HasJavaCompiler(os, jreHome)) jreHomeKind = RuntimeKind::Unsuitable;
  if (!HasJavaCompiler(os, javaHome)) javaHomeKind = RuntimeKind::Unsuitable;

  if (jreHomeKind == RuntimeKind::Branded64) return kJreHomeRuntime;
  if (javaHomeKind == RuntimeKind::Branded64) return kJavaHomeKit;
  if (jreHomeKind == RuntimeKind::OpenBuild64) {
    // The kit's own runtime folder, spelled exactly so, is the runtime the kit installed.
    return jreHome == javaHome + contract::kNestedRuntimeSuffix ? kJreHomeRuntime
                                                                : kJreHomeOpenRuntime;
  }
  if (javaHomeKind == RuntimeKind::OpenBuild64) return kJavaHomeKit;
  return kNoEnvironmentRuntime;
}

}  // namespace ravel
