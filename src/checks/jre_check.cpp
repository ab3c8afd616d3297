#include "checks/jre_check.h"

#include <string>

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
bool FindRegisteredRuntime(Os& os, RegistryView view, TextBuffer& location,
                           CheckObserver& observer) {
  ReadRegisteredJavaHome(os, view, location, observer);
  const std::string home = TextOf(location);
  const RuntimeKind kind = ClassifyRuntimeHome(os, home, observer);
  const bool found =
      kind != RuntimeKind::Unsuitable && Is64Bit(kind) == (view == RegistryView::View64);
  Decision decision(
      found ? Outcome::Accepted : Outcome::PassedOver,
      found ? Reason::RegisteredRuntimeOfBitness : Reason::RegisteredRuntimeNotOfBitness,
      BitnessOf(view), home);
  if (found) decision.location = home;
  if (home.empty()) decision.reason = Reason::NothingRegistered;
  observer.Decided(decision);
  return found;
}

void TellVerdict(CheckObserver& observer, RegistryView view, bool found,
                 const TextBuffer& location) {
  const std::string text = found ? TextOf(location) : std::string();
  observer.Decided(Decision(found ? Outcome::Found : Outcome::NotFound, Reason::RuntimeVerdict,
                            BitnessOf(view), {}, text));
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

void RunJreCheck(Os& os, CheckMode mode, CheckObserver& observer) {
  JreSearchState state = SearchJreCandidates(os, observer);
  if (!state.verdict64 && !state.brandedFound64) {
    state.verdict64 = FindRegisteredRuntime(os, RegistryView::View64, state.location64, observer);
  }
  if (!state.verdict32 && !state.brandedFound32) {
    state.verdict32 = FindRegisteredRuntime(os, RegistryView::View32, state.location32, observer);
  }
  // A listed branded runtime counts as found wherever its vendor's keys placed it.
  state.verdict64 = state.verdict64 || state.brandedFound64;
  state.verdict32 = state.verdict32 || state.brandedFound32;
  TellVerdict(observer, RegistryView::View64, state.verdict64, state.location64);
  TellVerdict(observer, RegistryView::View32, state.verdict32, state.location32);
  RecordOutcome(os, state, mode);
}

}  // namespace ravel
