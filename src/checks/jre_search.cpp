#include "checks/jre_search.h"

#include <cstddef>
#include <cstdint>

#include "checks/environment_runtime.h"
#include "checks/listing_line.h"
#include "checks/observed_read.h"
#include "checks/registered_java_home.h"
#include "checks/runtime_home.h"
#include "common/contract.h"
#include "probes/java11_probe.h"
#include "probes/version_string_probe.h"
#include "system/capture.h"

namespace ravel {
namespace {

std::size_t BestVersionIndex(RuntimeKind kind) {
  return static_cast<std::size_t>(kind) - static_cast<std::size_t>(RuntimeKind::Branded32);
}

Bitness BitnessOf(RuntimeKind kind) { return Is64Bit(kind) ? Bitness::Bits64 : Bitness::Bits32; }

std::string ObservedVersion(Os& os, CheckObserver& observer, const std::string& javaExe) {
  std::string version = ReadVersionString(os, javaExe);
  observer.VersionRead(javaExe, version);
  return version;
}

// JRE_HOME's runtime is taken as the 64-bit answer. Its text is recorded exactly as stored; only
// an open build's version is kept, because only open builds are weighed against it later.
void TakeEnvironmentRuntime(Os& os, JreSearchState& state, CheckObserver& observer) {
  state.verdict64 = true;
  ReadObservedString(os, observer, RegistryView::View32, contract::kSystemEnvironmentKey,
                     contract::kJreHomeValue, state.location64);
  const std::string home = TextOf(state.location64);
  if (ClassifyRuntimeHome(os, home, observer) == RuntimeKind::OpenBuild64) {
    state.BestVersionOf(RuntimeKind::OpenBuild64) =
        ObservedVersion(os, observer, home + contract::kJavaExeSuffix);
  }
}

// Keeps the entry when NewerVersion ranks its version at least as new as the best of its kind
// and the two texts differ. The same text keeps the runtime listed first; so a first entry
// whose version reads exactly "0", the text every kind starts from, is not kept.
void WeighAgainstBest(Os& os, JreSearchState& state, RuntimeKind kind, const std::string& javaExe,
                      CheckObserver& observer) {
  std::string& best = state.BestVersionOf(kind);
  const std::string candidate = ObservedVersion(os, observer, javaExe);
  TextBuffer& location = Is64Bit(kind) ? state.location64 : state.location32;
  Decision decision(Outcome::PassedOver, Reason::SameVersionAsBest, BitnessOf(kind), javaExe);
  decision.comparedWith = best;
  if (candidate == best || NewerVersion(candidate, best) != candidate) {
    if (candidate != best) decision.reason = Reason::OlderThanBest;
    const std::string kept = TextOf(location);
    decision.location = kept;
    observer.Decided(decision);
    return;
  }
  const std::string previous = TextOf(location);
  StoreText(location, ListedRuntimeHome(os, javaExe));
  const std::string taken = TextOf(location);
  decision.outcome = previous.empty() ? Outcome::Accepted : Outcome::ReplacedLocation;
  decision.reason = Reason::NewerThanBest;
  decision.location = taken;
  decision.previousLocation = previous;
  observer.Decided(decision);
  best = candidate;
}

void HandleOpenBuild(Os& os, JreSearchState& state, RuntimeKind kind, const std::string& javaExe,
                     CheckObserver& observer) {
  (Is64Bit(kind) ? state.verdict64 : state.verdict32) = true;
  WeighAgainstBest(os, state, kind, javaExe, observer);
}

// A branded runtime is recorded where its vendor's registry entries say the current version
// lives; only when they name none is the listed runtime itself weighed.
void HandleBranded(Os& os, JreSearchState& state, RuntimeKind kind, const std::string& javaExe,
                   CheckObserver& observer) {
  const bool is64 = Is64Bit(kind);
  if (is64 ? state.verdict64 : state.verdict32) {  // an open build outranks it
    observer.Decided(
        Decision(Outcome::PassedOver, Reason::BitnessAlreadySettled, BitnessOf(kind), javaExe));
    return;
  }
  (is64 ? state.brandedFound64 : state.brandedFound32) = true;
  const RegistryView view = is64 ? RegistryView::View64 : RegistryView::View32;
  TextBuffer& location = is64 ? state.location64 : state.location32;
  if (ReadRegisteredJavaHome(os, view, location, observer)) {
    const std::string registered = TextOf(location);
    observer.Decided(Decision(Outcome::DeferredToRegisteredHome, Reason::RegisteredHomeDecides,
                              BitnessOf(kind), javaExe, registered));
    return;
  }
  WeighAgainstBest(os, state, kind, javaExe, observer);
}

void HandleListedRuntime(Os& os, JreSearchState& state, const std::string& javaExe,
                         CheckObserver& observer) {
  observer.Listed(javaExe);
  const RuntimeKind kind = ClassifyJava11Runtime(os, javaExe);
  observer.Classified(RuntimeProbe::Java11Runtime, javaExe, kind);
  switch (kind) {
    case RuntimeKind::OpenBuild64:
    case RuntimeKind::OpenBuild32:
      HandleOpenBuild(os, state, kind, javaExe, observer);
      break;
    case RuntimeKind::Branded64:
    case RuntimeKind::Branded32:
      HandleBranded(os, state, kind, javaExe, observer);
      break;
    case RuntimeKind::Unsuitable:
      observer.Decided(
          Decision(Outcome::PassedOver, Reason::NotAcceptedJava11, Bitness::None, javaExe));
      break;
  }
}

}  // namespace

std::string& JreSearchState::BestVersionOf(RuntimeKind kind) {
  return bestVersion[BestVersionIndex(kind)];
}

const std::string& JreSearchState::BestVersionOf(RuntimeKind kind) const {
  return bestVersion[BestVersionIndex(kind)];
}

JreSearchState SearchJreCandidates(Os& os, CheckObserver& observer) {
  const std::int32_t environmentResult = FindEnvironmentRuntime(os, observer);
  CapturedOutput listing = CaptureJavaListing(os);
  JreSearchState state;
  if (environmentResult == kJreHomeOpenRuntime || environmentResult == kJreHomeRuntime) {
    TakeEnvironmentRuntime(os, state, observer);
  }
  // The listing stays open while its entries are probed; the probes capture into other files.
  TextBuffer line{};
  while (NextLine(os, listing, line)) HandleListedRuntime(os, state, ListedPath(line), observer);
  Finish(os, listing);
  return state;
}

}  // namespace ravel
