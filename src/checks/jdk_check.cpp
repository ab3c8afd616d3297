#include "checks/jdk_check.h"

#include <cstdint>
#include <string>

#include "checks/java_home.h"
#include "checks/jdk_registry.h"
#include "checks/jdk_search.h"
#include "checks/listing_line.h"
#include "common/contract.h"
#include "common/file_checks.h"
#include "common/text.h"
#include "probes/java8_probe.h"
#include "probes/update_level_probe.h"
#include "system/capture.h"
#include "system/setup_key.h"

namespace ravel {
namespace {

// An "AdoptOpenJDK" runtime on the search path counts only when its kit's compiler lies beside
// it; the kits compete by update level, and an equal level keeps the one listed first.
void RankOpenKit(Os& os, const std::string& javaExe, JdkSearch& search, CheckObserver& observer) {
  // Exact, case-sensitive: a path spelled "\BIN\java.exe" keeps its suffix, and the compiler is
  // then looked for under a directory that cannot hold it.
  const std::string kitDirectory = ReplaceAll(javaExe, contract::kJavaExeSuffix, "");
  if (!HasJavaCompiler(os, kitDirectory)) {
    observer.Decided(
        Decision(Outcome::PassedOver, Reason::NoCompilerBeside, Bitness::None, kitDirectory));
    return;
  }
  search.verdict = contract::kFound;
  const std::int32_t level = ReadUpdateLevel(os, javaExe);
  observer.UpdateLevelRead(javaExe, level);
  const std::string previous = TextOf(search.jdkDirectory);
  const std::string best = std::to_string(search.bestUpdateLevel);
  Decision decision(Outcome::PassedOver, Reason::NotHigherUpdateLevel, Bitness::None, javaExe,
                    previous);
  decision.comparedWith = best;
  if (level > search.bestUpdateLevel) {
    StoreText(search.jdkDirectory,
              Left(javaExe, static_cast<int>(javaExe.size()) - contract::kJavaExeSuffixLength));
    search.bestUpdateLevel = level;
    decision.outcome = previous.empty() ? Outcome::Accepted : Outcome::ReplacedLocation;
    decision.reason = Reason::HigherUpdateLevel;
    decision.previousLocation = previous;
  }
  const std::string taken = TextOf(search.jdkDirectory);
  decision.location = taken;
  observer.Decided(decision);
}

// A "Java(TM)" runtime on the search path stands for the kit registered for its bitness.
void CrossCheckBranded(Os& os, const std::string& javaExe, RegistryView view, RuntimeKind kind,
                       JdkSearch& search, CheckObserver& observer) {
  if (search.Found()) {
    observer.Decided(
        Decision(Outcome::PassedOver, Reason::KitAlreadyFound, BitnessOf(view), javaExe));
    return;
  }
  observer.Decided(Decision(Outcome::DeferredToRegisteredHome, Reason::RegisteredKitDecides,
                            BitnessOf(view), javaExe));
  RegistryCrossCheck(os, view, kind, search, observer);
}

void HandleListedRuntime(Os& os, const std::string& javaExe, JdkSearch& search,
                         CheckObserver& observer) {
  observer.Listed(javaExe);
  const RuntimeKind kind = ClassifyJava8Runtime(os, javaExe);
  observer.Classified(RuntimeProbe::Java8Runtime, javaExe, kind);
  switch (kind) {
    case RuntimeKind::Branded32:
      CrossCheckBranded(os, javaExe, RegistryView::View32, kind, search, observer);
      break;
    case RuntimeKind::Branded64:
      CrossCheckBranded(os, javaExe, RegistryView::View64, kind, search, observer);
      break;
    case RuntimeKind::OpenBuild32:
    case RuntimeKind::OpenBuild64:
      RankOpenKit(os, javaExe, search, observer);
      break;
    default:
      observer.Decided(
          Decision(Outcome::PassedOver, Reason::NotAcceptedJava8, Bitness::None, javaExe));
      break;
  }
}

void SearchListing(Os& os, JdkSearch& search, CheckObserver& observer) {
  CapturedOutput listing = CaptureJavaListing(os);
  TextBuffer line{};
  while (NextLine(os, listing, line)) {
    HandleListedRuntime(os, ListedPath(line), search, observer);
  }
  Finish(os, listing);
}

}  // namespace

void RunJdkCheck(Os& os, CheckMode mode, CheckObserver& observer) {
  JdkSearch search;
  SearchListing(os, search, observer);
  // Only branded kits are taken from the registry; the native view comes first.
  if (!search.Found()) {
    RegistryFallbackPass(os, RegistryView::View64, RuntimeKind::Branded64, search, observer);
  }
  if (!search.Found()) {
    RegistryFallbackPass(os, RegistryView::View32, RuntimeKind::Branded32, search, observer);
  }
  const std::string directory = search.Found() ? TextOf(search.jdkDirectory) : std::string();
  observer.Decided(Decision(search.Found() ? Outcome::Found : Outcome::NotFound, Reason::KitVerdict,
                            Bitness::None, {}, directory));
  if (mode == CheckMode::NoSilent) {
    RecordSetupValues(os, SetupKeyTarget::PerUser,
                      {VerdictFlag(contract::kJdkVerdictValue, search.Found())});
  }
  if (search.Found()) UpdateJavaHome(os, TextOf(search.jdkDirectory));
}

}  // namespace ravel
