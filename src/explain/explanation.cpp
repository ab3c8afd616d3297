#include "explain/explanation.h"

#include "common/contract.h"

namespace ravel::explain {

JavaHomeAfter WouldLeaveJavaHome(const Explanation& explanation) {
  JavaHomeAfter after{JavaHomeAfter::Change::Unchanged, explanation.javaHomeNow};
  for (const RegistryChange& change : explanation.changes) {
    if (change.root != RegRoot::LocalMachine || change.key != contract::kSystemEnvironmentKey ||
        change.valueName != contract::kJavaHomeValue) {
      continue;
    }
    if (change.kind == ChangeKind::SetValue) {
      after = {JavaHomeAfter::Change::Set, change.value};
    } else if (change.kind == ChangeKind::DeleteValue) {
      after = {JavaHomeAfter::Change::Removed, std::nullopt};
    }
  }
  return after;
}

}  // namespace ravel::explain
