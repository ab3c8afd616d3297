#include "checks/registered_java_home.h"

#include <string>

#include "checks/observed_read.h"
#include "common/contract.h"

namespace ravel {
namespace {

bool ReadHomeUnder(Os& os, RegistryView view, const std::string& key, TextBuffer& location,
                   CheckObserver& observer) {
  TextBuffer currentVersion{};
  if (!ReadObservedString(os, observer, view, key, contract::kCurrentVersionValue,
                          currentVersion)) {
    return false;
  }
  // Installers register the version first and its home second; a version whose home is missing
  // still decides the answer, with an empty location.
  const std::string versionKey = key + contract::kRegistryPathSeparator + TextOf(currentVersion);
  ReadObservedString(os, observer, view, versionKey, contract::kJavaHomeRegistryValue, location);
  return true;
}

}  // namespace

bool ReadRegisteredJavaHome(Os& os, RegistryView view, TextBuffer& location,
                            CheckObserver& observer) {
  if (ReadHomeUnder(os, view, contract::kJavaSoftRuntimeKey, location, observer)) return true;
  return ReadHomeUnder(os, view, contract::kJavaSoftKitKey, location, observer);
}

}  // namespace ravel
