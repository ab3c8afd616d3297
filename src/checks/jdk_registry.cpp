#include "checks/jdk_registry.h"

#include <string>

#include "checks/observed_read.h"
#include "common/contract.h"
#include "common/file_checks.h"
#include "probes/java8_probe.h"

namespace ravel {
namespace {

// The registered kit's own runtime. An empty directory names no kit: "\bin\java.exe" would be
// looked up at the root of the current drive, where any user may put a file, and this program
// runs elevated. It therefore never matches.
RuntimeKind ProbeKitRuntime(Os& os, const TextBuffer& directory, CheckObserver& observer) {
  const std::string home = TextOf(directory);
  if (home.empty()) return RuntimeKind::Unsuitable;
  const std::string javaExe = home + contract::kJavaExeSuffix;
  const RuntimeKind kind = ClassifyJava8Runtime(os, javaExe);
  observer.Classified(RuntimeProbe::Java8Runtime, javaExe, kind);
  return kind;
}

}  // namespace

void ReadRegisteredKit(Os& os, RegistryView view, JdkSearch& search, CheckObserver& observer) {
  if (!ReadObservedString(os, observer, view, contract::kJavaSoftDevelopmentKitKey,
                          contract::kCurrentVersionValue, search.currentVersion)) {
    return;
  }
  const std::string versionKey = std::string(contract::kJavaSoftDevelopmentKitKey) +
                                 contract::kRegistryPathSeparator + TextOf(search.currentVersion);
  ReadObservedString(os, observer, view, versionKey, contract::kJavaHomeRegistryValue,
                     search.jdkDirectory);
}

void RegistryCrossCheck(Os& os, RegistryView view, RuntimeKind expected, JdkSearch& search,
                        CheckObserver& observer) {
  search.verdict = contract::kFound;
  ReadRegisteredKit(os, view, search, observer);
  const std::string registered = TextOf(search.jdkDirectory);
  if (ProbeKitRuntime(os, search.jdkDirectory, observer) != expected) {
    search.verdict = contract::kNotFound;
    search.jdkDirectory[0] = '\0';
    observer.Decided(Decision(Outcome::PassedOver, Reason::RegisteredKitDoesNotMatch,
                              BitnessOf(view), registered));
    return;
  }
  observer.Decided(Decision(Outcome::Accepted, Reason::RegisteredKitMatches, BitnessOf(view),
                            registered, registered));
}

void RegistryFallbackPass(Os& os, RegistryView view, RuntimeKind expected, JdkSearch& search,
                          CheckObserver& observer) {
  ReadRegisteredKit(os, view, search, observer);
  const std::string directory = TextOf(search.jdkDirectory);
  Decision decision(Outcome::PassedOver, Reason::RegisteredKitLacksCompiler, BitnessOf(view),
                    directory);
  if (directory.empty()) decision.reason = Reason::NoKitRegistered;
  if (HasJavaCompiler(os, directory)) {
    if (ProbeKitRuntime(os, search.jdkDirectory, observer) == expected) {
      search.verdict = contract::kFound;
      decision.outcome = Outcome::Accepted;
      decision.reason = Reason::RegisteredKitAccepted;
      decision.location = directory;
    } else {
      decision.reason = Reason::RegisteredKitWrongKind;
    }
  }
  observer.Decided(decision);
}

}  // namespace ravel
