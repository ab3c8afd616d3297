#include "checks/registered_java_home.h"

#include <string>

#include "common/contract.h"
#include "system/registry_reader.h"

namespace ravel {
namespace {

bool ReadHomeUnder(Os& os, RegistryView view, const std::string& key, TextBuffer& location) {
  TextBuffer currentVersion{};
  if (!ReadMachineString(os, view, key, contract::kCurrentVersionValue, currentVersion)) {
    return false;
  }
  // Installers register the version first and its home second; a version whose home is missing
  // still decides the answer, with an empty location.
  const std::string versionKey = key + contract::kRegistryPathSeparator + TextOf(currentVersion);
  ReadMachineString(os, view, versionKey, contract::kJavaHomeRegistryValue, location);
  return true;
}

}  // namespace

bool ReadRegisteredJavaHome(Os& os, RegistryView view, TextBuffer& location) {
  if (ReadHomeUnder(os, view, contract::kJavaSoftRuntimeKey, location)) return true;
  return ReadHomeUnder(os, view, contract::kJavaSoftKitKey, location);
}

}  // namespace ravel
