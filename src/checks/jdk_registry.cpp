#include "checks/jdk_registry.h"

#include <string>

#include "common/contract.h"
#include "common/file_checks.h"
#include "probes/java8_probe.h"
#include "system/registry_reader.h"

namespace ravel {
namespace {

// The registered kit's own runtime. An empty directory names no kit: "\bin\java.exe" would be
// looked up at the root of the current drive, where any user may put a file, and this program
// runs elevated. It therefore never matches.
RuntimeKind ProbeKitRuntime(Os& os, const TextBuffer& directory) {
  const std::string home = TextOf(directory);
  if (home.empty()) return RuntimeKind::Unsuitable;
  return ClassifyJava8Runtime(os, home + contract::kJavaExeSuffix);
}

}  // namespace

void ReadRegisteredKit(Os& os, RegistryView view, JdkSearch& search) {
  if (!ReadMachineString(os, view, contract::kJavaSoftDevelopmentKitKey,
                         contract::kCurrentVersionValue, search.currentVersion)) {
    return;
  }
  const std::string versionKey = std::string(contract::kJavaSoftDevelopmentKitKey) +
                                 contract::kRegistryPathSeparator + TextOf(search.currentVersion);
  ReadMachineString(os, view, versionKey, contract::kJavaHomeRegistryValue, search.jdkDirectory);
}

void RegistryCrossCheck(Os& os, RegistryView view, RuntimeKind expected, JdkSearch& search) {
  search.verdict = contract::kFound;
  ReadRegisteredKit(os, view, search);
  if (ProbeKitRuntime(os, search.jdkDirectory) != expected) {
    search.verdict = contract::kNotFound;
    search.jdkDirectory[0] = '\0';
  }
}

void RegistryFallbackPass(Os& os, RegistryView view, RuntimeKind expected, JdkSearch& search) {
  ReadRegisteredKit(os, view, search);
  if (!HasJavaCompiler(os, TextOf(search.jdkDirectory))) return;
  if (ProbeKitRuntime(os, search.jdkDirectory) == expected) search.verdict = contract::kFound;
}

}  // namespace ravel
