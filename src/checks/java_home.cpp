#include "checks/java_home.h"

#include "common/contract.h"
#include "common/file_checks.h"

namespace ravel {

std::uint32_t JavaHomeRemoveAccess() { return contract::kKeyAllAccess | contract::kKeyWow64Key32; }

std::uint32_t JavaHomeSetAccess() {
  // Without a view flag the 32-bit product lands in its own view; a 64-bit build names it.
  return contract::kKeySetValue | contract::kOwnView32Flag;
}

namespace {

void RemoveJavaHome(Os& os) {
  RegKey key = 0;
  if (os.RegOpenKeyExA(RegRoot::LocalMachine, contract::kSystemEnvironmentKey,
                       JavaHomeRemoveAccess(), &key) != kErrorSuccess) {
    return;
  }
  // A value that is not there is just as removed.
  os.RegDeleteValueA(key, contract::kJavaHomeValue);
  os.RegCloseKey(key);
}

void SetJavaHome(Os& os, const std::string& directory) {
  RegKey key = 0;
  if (os.RegOpenKeyExA(RegRoot::LocalMachine, contract::kSystemEnvironmentKey, JavaHomeSetAccess(),
                       &key) != kErrorSuccess) {
    return;
  }
  // c_str() carries the terminator, which is part of the stored data.
  os.RegSetValueExA(key, contract::kJavaHomeValue, contract::kRegSz,
                    reinterpret_cast<const std::uint8_t*>(directory.c_str()),
                    static_cast<std::uint32_t>(directory.size() + 1));
  os.RegCloseKey(key);
}

}  // namespace

void UpdateJavaHome(Os& os, const std::string& directory) {
  // HasJavaCompiler is false for an empty directory: "\bin\javac.exe" on whatever drive is
  // current says nothing about a kit.
  if (HasJavaCompiler(os, directory)) {
    SetJavaHome(os, directory);
  } else {
    RemoveJavaHome(os);
  }
}

}  // namespace ravel
