#include "explain/wording.h"

namespace ravel::explain {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string ViewOf(Bitness bitness) {
  return "the " + std::string(BitnessName(bitness)) + " registry view";
}

std::string RuntimeVerdictText(const DecisionStep& d) {
  const std::string bits(BitnessName(d.bitness));
  if (d.outcome == Outcome::Found) {
    return bits + " Java 11 runtime found: JavaLocation in " + ViewOf(d.bitness) + " is " +
           Quoted(d.location) + ".";
  }
  return "No " + bits +
         " Java 11 runtime counted: no JavaLocation is written for this bitness (an earlier "
         "run's value stays).";
}

std::string KitVerdictText(const DecisionStep& d) {
  if (d.outcome == Outcome::Found) {
    return "Java 8 development kit found, directory " + Quoted(d.location) +
           ". JAVA_HOME is set to it when it holds bin\\javac.exe, and removed otherwise.";
  }
  return "No Java 8 development kit counted; JAVA_HOME is left as it is.";
}

}  // namespace

std::string_view OutcomeLabel(Outcome outcome) {
  switch (outcome) {
    case Outcome::Accepted:
      return "accepted";
    case Outcome::PassedOver:
      return "passed over";
    case Outcome::ReplacedLocation:
      return "replaced the location";
    case Outcome::DeferredToRegisteredHome:
      return "deferred to the registered home";
    case Outcome::Found:
      return "found";
    case Outcome::NotFound:
      return "not found";
  }
  return "";
}

std::string_view OutcomeId(Outcome outcome) {
  switch (outcome) {
    case Outcome::Accepted:
      return "accepted";
    case Outcome::PassedOver:
      return "passed-over";
    case Outcome::ReplacedLocation:
      return "replaced-location";
    case Outcome::DeferredToRegisteredHome:
      return "deferred-to-registered-home";
    case Outcome::Found:
      return "found";
    case Outcome::NotFound:
      return "not-found";
  }
  return "";
}

std::string_view ReasonId(Reason reason) {
  switch (reason) {
    case Reason::JreHomeHoldsCompiler:
      return "jre-home-holds-compiler";
    case Reason::JavaHomeLacksCompiler:
      return "java-home-lacks-compiler";
    case Reason::JreHomeBrandedRuntime:
      return "jre-home-branded-runtime";
    case Reason::JreHomeIsJavaHomeRuntime:
      return "jre-home-is-java-home-runtime";
    case Reason::JreHomeOpenRuntime:
      return "jre-home-open-runtime";
    case Reason::JavaHomeBrandedKit:
      return "java-home-branded-kit";
    case Reason::JavaHomeOpenKit:
      return "java-home-open-kit";
    case Reason::NoEnvironmentRuntime:
      return "no-environment-runtime";
    case Reason::NotAcceptedJava11:
      return "not-accepted-java-11";
    case Reason::BitnessAlreadySettled:
      return "bitness-already-settled";
    case Reason::RegisteredHomeDecides:
      return "registered-home-decides";
    case Reason::NewerThanBest:
      return "newer-than-best";
    case Reason::SameVersionAsBest:
      return "same-version-as-best";
    case Reason::OlderThanBest:
      return "older-than-best";
    case Reason::RegisteredRuntimeOfBitness:
      return "registered-runtime-of-bitness";
    case Reason::RegisteredRuntimeNotOfBitness:
      return "registered-runtime-not-of-bitness";
    case Reason::NothingRegistered:
      return "nothing-registered";
    case Reason::RuntimeVerdict:
      return "runtime-verdict";
    case Reason::NotAcceptedJava8:
      return "not-accepted-java-8";
    case Reason::KitAlreadyFound:
      return "kit-already-found";
    case Reason::RegisteredKitDecides:
      return "registered-kit-decides";
    case Reason::RegisteredKitMatches:
      return "registered-kit-matches";
    case Reason::RegisteredKitDoesNotMatch:
      return "registered-kit-does-not-match";
    case Reason::NoCompilerBeside:
      return "no-compiler-beside";
    case Reason::HigherUpdateLevel:
      return "higher-update-level";
    case Reason::NotHigherUpdateLevel:
      return "not-higher-update-level";
    case Reason::NoKitRegistered:
      return "no-kit-registered";
    case Reason::RegisteredKitLacksCompiler:
      return "registered-kit-lacks-compiler";
    case Reason::RegisteredKitWrongKind:
      return "registered-kit-wrong-kind";
    case Reason::RegisteredKitAccepted:
      return "registered-kit-accepted";
    case Reason::KitVerdict:
      return "kit-verdict";
  }
  return "";
}

std::string ReasonText(const DecisionStep& d) {
  const std::string bits(BitnessName(d.bitness));
  switch (d.reason) {
    case Reason::JreHomeHoldsCompiler:
      return "JRE_HOME names a development kit (it holds bin\\javac.exe); JRE_HOME counts only "
             "when it names a runtime without a compiler.";
    case Reason::JavaHomeLacksCompiler:
      return "JAVA_HOME holds no bin\\javac.exe; JAVA_HOME counts only when it names a "
             "development kit.";
    case Reason::JreHomeBrandedRuntime:
      return "JRE_HOME names a 64-bit Java(TM) Java 11 runtime: it is the 64-bit runtime, and "
             "Java(TM) runtimes on the search path are not weighed against it.";
    case Reason::JreHomeIsJavaHomeRuntime:
      return "JRE_HOME names an open 64-bit Java 11 runtime that is exactly JAVA_HOME followed "
             "by \\jre: it is the 64-bit runtime, until a newer open build on the search path "
             "takes its place.";
    case Reason::JreHomeOpenRuntime:
      return "JRE_HOME names an open 64-bit Java 11 runtime: it is the 64-bit runtime, until a "
             "newer open build on the search path takes its place.";
    case Reason::JavaHomeBrandedKit:
      return "JAVA_HOME names a 64-bit Java(TM) Java 11 development kit, which outranks an open "
             "runtime in JRE_HOME; but the JRE check never records JAVA_HOME, so the 64-bit "
             "answer must come from the search path or the registry.";
    case Reason::JavaHomeOpenKit:
      return "JAVA_HOME names an open 64-bit Java 11 development kit, but the JRE check never "
             "records JAVA_HOME: the 64-bit answer must come from the search path or the "
             "registry.";
    case Reason::NoEnvironmentRuntime:
      return "Neither JRE_HOME nor JAVA_HOME names a 64-bit Java 11 installation that counts.";
    case Reason::NotAcceptedJava11:
      return "Not a Java 11 runtime of an accepted family (Java(TM), or OpenJDK other than "
             "OpenJ9).";
    case Reason::BitnessAlreadySettled:
      return "A Java(TM) runtime, but JRE_HOME or an open build has already given the " + bits +
             " runtime, and those outrank Java(TM) runtimes.";
    case Reason::RegisteredHomeDecides:
      return "A Java(TM) runtime: the " + bits +
             " runtime counts as found, and its location is the JavaHome that the JavaSoft keys "
             "of " +
             ViewOf(d.bitness) + " register for their current version, " + Quoted(d.location) +
             ", which is not probed.";
    case Reason::NewerThanBest:
      return "Newer than the best " + bits + " runtime of its kind so far (version text " +
             Quoted(d.comparedWith) + "): the " + bits + " location is now " + Quoted(d.location) +
             ".";
    case Reason::SameVersionAsBest:
      return "Its version text is the same as the best of its kind so far (" +
             Quoted(d.comparedWith) +
             "; every kind starts from \"0\"), so it does not take the location. It still "
             "counts as a " +
             bits + " runtime; the location stays " + Quoted(d.location) + ".";
    case Reason::OlderThanBest:
      return "Older than the best of its kind so far (version text " + Quoted(d.comparedWith) +
             "). It still counts as a " + bits + " runtime; the location stays " +
             Quoted(d.location) + ".";
    case Reason::RegisteredRuntimeOfBitness:
      return "Nothing else gave a " + bits + " runtime, so " + ViewOf(d.bitness) +
             "'s JavaSoft keys were asked: the home they register is a " + bits +
             " Java 11 runtime, and it is recorded as registered.";
    case Reason::RegisteredRuntimeNotOfBitness:
      return "Nothing else gave a " + bits + " runtime, so " + ViewOf(d.bitness) +
             "'s JavaSoft keys were asked, but the home they register is not a " + bits +
             " Java 11 runtime of an accepted family.";
    case Reason::NothingRegistered:
      return "Nothing else gave a " + bits + " runtime, and the JavaSoft keys of " +
             ViewOf(d.bitness) + " register no home to try.";
    case Reason::RuntimeVerdict:
      return RuntimeVerdictText(d);
    case Reason::NotAcceptedJava8:
      return "Not a Java(TM) or AdoptOpenJDK build of Java 1.8.0 at update 181 or later.";
    case Reason::KitAlreadyFound:
      return "A Java(TM) runtime, but a kit has already been found; further Java(TM) runtimes on "
             "the search path are not looked at.";
    case Reason::RegisteredKitDecides:
      return "A Java(TM) runtime: what counts is the kit registered under "
             "SOFTWARE\\JavaSoft\\Java Development Kit in " +
             ViewOf(d.bitness) + ", not the runtime itself.";
    case Reason::RegisteredKitMatches:
      return "The kit registered in " + ViewOf(d.bitness) + " is a " + bits +
             " Java(TM) Java 8 at update 181 or later: it is the kit (no compiler is asked for "
             "here).";
    case Reason::RegisteredKitDoesNotMatch:
      return d.candidate.empty()
                 ? "No kit directory is registered in " + ViewOf(d.bitness) +
                       ", so the Java(TM) runtime on the search path does not count."
                 : "The kit registered in " + ViewOf(d.bitness) + " is not a " + bits +
                       " Java(TM) Java 8 at update 181 or later, so the Java(TM) runtime on the "
                       "search path does not count.";
    case Reason::NoCompilerBeside:
      return "An AdoptOpenJDK runtime, but " + Quoted(d.candidate) +
             " holds no bin\\javac.exe: only a development kit counts.";
    case Reason::HigherUpdateLevel:
      return "An AdoptOpenJDK kit above the best update level so far (" + d.comparedWith +
             "): the kit directory is now " + Quoted(d.location) + ".";
    case Reason::NotHigherUpdateLevel:
      return "An AdoptOpenJDK kit, so a kit is found, but its update level is not above the best "
             "so far (" +
             d.comparedWith + "): the kit directory stays " + Quoted(d.location) + ".";
    case Reason::NoKitRegistered:
      return "The search path gave no kit, and SOFTWARE\\JavaSoft\\Java Development Kit in " +
             ViewOf(d.bitness) + " names no directory.";
    case Reason::RegisteredKitLacksCompiler:
      return "The search path gave no kit; the kit directory registered in " + ViewOf(d.bitness) +
             " holds no bin\\javac.exe.";
    case Reason::RegisteredKitWrongKind:
      return "The search path gave no kit; the kit registered in " + ViewOf(d.bitness) +
             " is not a " + bits + " Java(TM) Java 8 at update 181 or later.";
    case Reason::RegisteredKitAccepted:
      return "The search path gave no kit; the kit registered in " + ViewOf(d.bitness) +
             " holds a compiler and is a " + bits +
             " Java(TM) Java 8 at update 181 or later: it is the kit.";
    case Reason::KitVerdict:
      return KitVerdictText(d);
  }
  return "";
}

std::string_view ProbeName(RuntimeProbe probe) {
  return probe == RuntimeProbe::Java11Runtime ? "Java 11 runtime probe" : "Java 8 runtime probe";
}

std::string_view ProbeId(RuntimeProbe probe) {
  return probe == RuntimeProbe::Java11Runtime ? "java11" : "java8";
}

std::string_view KindId(RuntimeKind kind) {
  switch (kind) {
    case RuntimeKind::Unsuitable:
      return "Unsuitable";
    case RuntimeKind::Branded32:
      return "Branded32";
    case RuntimeKind::Branded64:
      return "Branded64";
    case RuntimeKind::OpenBuild32:
      return "OpenBuild32";
    case RuntimeKind::OpenBuild64:
      return "OpenBuild64";
  }
  return "";
}

std::string KindText(RuntimeProbe probe, RuntimeKind kind) {
  const std::string openFamily =
      probe == RuntimeProbe::Java11Runtime ? "OpenJDK (not OpenJ9)" : "AdoptOpenJDK";
  switch (kind) {
    case RuntimeKind::Unsuitable:
      return probe == RuntimeProbe::Java11Runtime
                 ? "unsuitable: no Java 11 of an accepted family, or no usable output"
                 : "unsuitable: no Java 1.8.0 at update 181 or later of an accepted family, or "
                   "no usable output";
    case RuntimeKind::Branded32:
      return "Java(TM), 32-bit";
    case RuntimeKind::Branded64:
      return "Java(TM), 64-bit";
    case RuntimeKind::OpenBuild32:
      return openFamily + ", 32-bit";
    case RuntimeKind::OpenBuild64:
      return openFamily + ", 64-bit";
  }
  return "";
}

std::string_view BitnessName(Bitness bitness) {
  switch (bitness) {
    case Bitness::Bits64:
      return "64-bit";
    case Bitness::Bits32:
      return "32-bit";
    case Bitness::None:
      return "";
  }
  return "";
}

std::string_view PurposeId(ChildPurpose purpose) {
  switch (purpose) {
    case ChildPurpose::VersionOutput:
      return "version";
    case ChildPurpose::Listing:
      return "listing";
    case ChildPurpose::KeyCreation:
      return "key-creation";
    case ChildPurpose::Other:
      return "other";
  }
  return "";
}

}  // namespace ravel::explain
