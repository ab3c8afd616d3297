// What a check consults and decides, told as it happens to whoever wants to explain a run.
//
// The product installs no observer: every check takes one as an optional last argument that
// defaults to NoCheckObserver(), whose methods do nothing. The texts handed over are views that
// live only for the call; an observer that keeps them copies them.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/types.h"

namespace ravel {

// Which probe classified a runtime.
enum class RuntimeProbe { Java11Runtime, Java8Runtime };

// What became of one candidate, or of the check's question for one bitness.
enum class Outcome {
  Accepted,                  // it is the answer (for now)
  PassedOver,                // it plays no part
  ReplacedLocation,          // it took the place of an earlier candidate's directory
  DeferredToRegisteredHome,  // the JavaSoft keys of its view name the directory instead
  Found,                     // the check's verdict for the bitness or the kit: found
  NotFound,                  // the check's verdict: not found
};

// Why; each names one branch of a check.
enum class Reason {
  // The machine-wide JRE_HOME and JAVA_HOME, as the JRE check weighs them.
  JreHomeHoldsCompiler,
  JavaHomeLacksCompiler,
  JreHomeBrandedRuntime,
  JreHomeIsJavaHomeRuntime,
  JreHomeOpenRuntime,
  JavaHomeBrandedKit,
  JavaHomeOpenKit,
  NoEnvironmentRuntime,
  // Listed runtimes of the JRE check.
  NotAcceptedJava11,
  BitnessAlreadySettled,
  RegisteredHomeDecides,
  NewerThanBest,
  SameVersionAsBest,
  OlderThanBest,
  // The JRE check's registry fallback and verdicts.
  RegisteredRuntimeOfBitness,
  RegisteredRuntimeNotOfBitness,
  NothingRegistered,
  RuntimeVerdict,
  // The JDK check.
  NotAcceptedJava8,
  KitAlreadyFound,
  RegisteredKitDecides,
  RegisteredKitMatches,
  RegisteredKitDoesNotMatch,
  NoCompilerBeside,
  HigherUpdateLevel,
  NotHigherUpdateLevel,
  NoKitRegistered,
  RegisteredKitLacksCompiler,
  RegisteredKitWrongKind,
  RegisteredKitAccepted,
  KitVerdict,
};

enum class Bitness { None, Bits32, Bits64 };

struct Decision {
  Decision(Outcome anOutcome, Reason aReason, Bitness aBitness, std::string_view aCandidate = {},
           std::string_view aLocation = {})
      : outcome(anOutcome),
        reason(aReason),
        bitness(aBitness),
        candidate(aCandidate),
        location(aLocation) {}

  Outcome outcome;
  Reason reason;
  Bitness bitness;
  std::string_view candidate;         // the java.exe or directory decided on
  std::string_view location;          // the directory that the bitness or the kit has afterwards
  std::string_view previousLocation;  // the directory it had before, when this replaced it
  std::string_view comparedWith;  // the best version text or update level it was weighed against
};

class CheckObserver {
 public:
  virtual ~CheckObserver() = default;

  // A machine-wide registry value read, with what the check received ("" when not found).
  virtual void RegistryRead(RegistryView /*view*/, std::string_view /*key*/,
                            std::string_view /*valueName*/, bool /*found*/,
                            std::string_view /*text*/) {}
  // One java.exe that "where java" listed.
  virtual void Listed(std::string_view /*javaExe*/) {}
  virtual void Classified(RuntimeProbe /*probe*/, std::string_view /*javaExe*/,
                          RuntimeKind /*kind*/) {}
  virtual void VersionRead(std::string_view /*javaExe*/, std::string_view /*versionText*/) {}
  virtual void UpdateLevelRead(std::string_view /*javaExe*/, std::int32_t /*level*/) {}
  virtual void Decided(const Decision& /*decision*/) {}
};

// The observer that ignores everything; what the product runs with.
CheckObserver& NoCheckObserver();

inline Bitness BitnessOf(RegistryView view) {
  return view == RegistryView::View64 ? Bitness::Bits64 : Bitness::Bits32;
}

}  // namespace ravel
