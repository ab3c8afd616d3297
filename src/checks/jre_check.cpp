#include "checks/jre_check.h"

#include "checks/jre_search.h"
#include "checks/registered_java_home.h"
#include "checks/runtime_home.h"
#include "common/contract.h"
#include "system/setup_key.h"

namespace ravel {
namespace {

// A bitness that neither the environment nor the listing settled gets the runtime that its
// view's JavaSoft keys register, when that is a Java 11 runtime of the bitness. The registered
// home is recorded as it stands. A view that registers no home has nothing to probe.
bool FindRegisteredRuntime(Os& os, RegistryView view, TextBuffer& location) {
  ReadRegisteredJavaHome(os, view, location);
  const RuntimeKind kind = ClassifyRuntimeHome(os, TextOf(location));
  if (view == RegistryView::View64) {
    return kind == RuntimeKind::Branded64 || kind == RuntimeKind::OpenBuild64;
  }
  return kind == RuntimeKind::Branded32 || kind == RuntimeKind::OpenBuild32;
}

void RecordOutcome(Os& os, const JreSearchState& state, CheckMode mode) {
  if (mode == CheckMode::NoSilent) {
    RecordSetupValues(os, SetupKeyTarget::PerUser,
                      {VerdictFlag(contract::kJreVerdict32Value, state.verdict32),
                       VerdictFlag(contract::kJreVerdict64Value, state.verdict64)});
  }
  if (state.verdict64) {
    RecordSetupValues(os, SetupKeyTarget::Machine64,
                      {LocationValue(contract::kJavaLocationValue, TextOf(state.location64))});
  }
  if (state.verdict32) {
    RecordSetupValues(os, SetupKeyTarget::Machine32,
                      {LocationValue(contract::kJavaLocationValue, TextOf(state.location32))});
  }
}

}  // namespace

void RunJreCheck(Os& os, CheckMode mode) {
  JreSearchState state = SearchJreCandidates(os);
  if (!state.verdict64 && !state.brandedFound64) {
    state.verdict64 = FindRegisteredRuntime(os, RegistryView::View64, state.location64);
  }
  if (!state.verdict32 && !state.brandedFound32) {
    state.verdict32 = FindRegisteredRuntime(os, RegistryView::View32, state.location32);
  }
  // A listed branded runtime counts as found wherever its vendor's keys placed it.
  state.verdict64 = state.verdict64 || state.brandedFound64;
  state.verdict32 = state.verdict32 || state.brandedFound32;
  RecordOutcome(os, state, mode);
}

}  // namespace ravel
