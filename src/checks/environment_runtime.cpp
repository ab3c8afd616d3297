#include "checks/environment_runtime.h"

#include <string>

#include "checks/observed_read.h"
#include "checks/runtime_home.h"
#include "common/contract.h"
#include "common/file_checks.h"
#include "common/text_buffer.h"
#include "common/types.h"

namespace ravel {
namespace {

// Tells the observer which rule gave the result; a result of 1 or 3 makes JRE_HOME the 64-bit
// runtime, a 2 only keeps JRE_HOME out, since no location is ever taken from JAVA_HOME.
std::int32_t Settle(CheckObserver& observer, std::int32_t result, Reason reason,
                    const std::string& candidate) {
  const bool taken = result == kJreHomeOpenRuntime || result == kJreHomeRuntime;
  Decision decision(taken ? Outcome::Accepted : Outcome::PassedOver, reason, Bitness::Bits64,
                    candidate);
  if (taken) decision.location = candidate;
  observer.Decided(decision);
  return result;
}

}  // namespace

std::int32_t FindEnvironmentRuntime(Os& os, CheckObserver& observer) {
  TextBuffer jreHomeBuffer{};
  TextBuffer javaHomeBuffer{};
  ReadObservedString(os, observer, RegistryView::View32, contract::kSystemEnvironmentKey,
                     contract::kJreHomeValue, jreHomeBuffer);
  ReadObservedString(os, observer, RegistryView::View32, contract::kSystemEnvironmentKey,
                     contract::kJavaHomeValue, javaHomeBuffer);
  const std::string jreHome = TextOf(jreHomeBuffer);
  const std::string javaHome = TextOf(javaHomeBuffer);

  RuntimeKind jreHomeKind = ClassifyRuntimeHome(os, jreHome, observer);
  RuntimeKind javaHomeKind = ClassifyRuntimeHome(os, javaHome, observer);
  // JRE_HOME is meant to name a bare runtime and JAVA_HOME a kit; a variable that names the
  // other kind of installation is not what its name promises and is disregarded.
  if (HasJavaCompiler(os, jreHome)) {
    jreHomeKind = RuntimeKind::Unsuitable;
    observer.Decided(
        Decision(Outcome::PassedOver, Reason::JreHomeHoldsCompiler, Bitness::Bits64, jreHome));
  }
  if (!HasJavaCompiler(os, javaHome)) {
    javaHomeKind = RuntimeKind::Unsuitable;
    if (!javaHome.empty()) {
      observer.Decided(
          Decision(Outcome::PassedOver, Reason::JavaHomeLacksCompiler, Bitness::Bits64, javaHome));
    }
  }

  if (jreHomeKind == RuntimeKind::Branded64) {
    return Settle(observer, kJreHomeRuntime, Reason::JreHomeBrandedRuntime, jreHome);
  }
  if (javaHomeKind == RuntimeKind::Branded64) {
    return Settle(observer, kJavaHomeKit, Reason::JavaHomeBrandedKit, javaHome);
  }
  if (jreHomeKind == RuntimeKind::OpenBuild64) {
    // The kit's own runtime folder, spelled exactly so, is the runtime the kit installed.
    return jreHome == javaHome + contract::kNestedRuntimeSuffix
               ? Settle(observer, kJreHomeRuntime, Reason::JreHomeIsJavaHomeRuntime, jreHome)
               : Settle(observer, kJreHomeOpenRuntime, Reason::JreHomeOpenRuntime, jreHome);
  }
  if (javaHomeKind == RuntimeKind::OpenBuild64) {
    return Settle(observer, kJavaHomeKit, Reason::JavaHomeOpenKit, javaHome);
  }
  return Settle(observer, kNoEnvironmentRuntime, Reason::NoEnvironmentRuntime, "");
}

}  // namespace ravel
