// What must hold for any output a runtime prints, checked by the seeded random test and by the
// libFuzzer target alike: all four probes end normally, give results in range that agree with
// each other, give the same results again, and leave no capture file or stream behind.
#pragma once

#include <cstdint>
#include <string>

#include "common/types.h"
#include "probes/java11_probe.h"
#include "probes/java8_probe.h"
#include "probes/update_level_probe.h"
#include "probes/version_string_probe.h"
#include "sim/simulated_machine.h"

namespace ravel::fuzz {

struct ProbeResults {
  RuntimeKind java8 = RuntimeKind::Unsuitable;
  std::int32_t updateLevel = 0;
  RuntimeKind java11 = RuntimeKind::Unsuitable;
  std::string versionString;
  bool operator==(const ProbeResults&) const = default;
};

inline ProbeResults ProbeAll(Os& os, const std::string& javaExe) {
  return {ClassifyJava8Runtime(os, javaExe), ReadUpdateLevel(os, javaExe),
          ClassifyJava11Runtime(os, javaExe), ReadVersionString(os, javaExe)};
}

inline bool IsKind(RuntimeKind kind) {
  return static_cast<int>(kind) >= 0 && static_cast<int>(kind) <= 4;
}
inline bool IsAccepted(RuntimeKind kind) { return kind != RuntimeKind::Unsuitable; }
inline bool IsBranded(RuntimeKind kind) {
  return kind == RuntimeKind::Branded32 || kind == RuntimeKind::Branded64;
}
inline bool IsSixtyFourBit(RuntimeKind kind) {
  return kind == RuntimeKind::Branded64 || kind == RuntimeKind::OpenBuild64;
}

// The first rule that the results for one output break, or "" when they keep them all.
inline std::string BrokenRule(const std::string& output, const ProbeResults& results) {
  if (!IsKind(results.java8) || !IsKind(results.java11)) return "a kind out of range";
  const std::string& version = results.versionString;
  // The version text is a piece of one line, or one of the two fixed answers.
  if (!version.empty() && version != "0.0" && output.find(version) == std::string::npos) {
    return "a version text that is not part of the output";
  }
  // Both read line 2 with the same cut: an accepted Java 8 runtime has its update.
  if (IsAccepted(results.java8) && results.updateLevel < kMinimumJava8Update) {
    return "a Java 8 runtime accepted below the minimum update";
  }
  // An accepted Java 11 runtime has the version number 11 or 11.<version text>.
  if (IsAccepted(results.java11) && version != "0.0" &&
      output.find("11." + version) == std::string::npos) {
    return "a Java 11 runtime whose version text does not follow 11.";
  }
  // Both classifiers read the same line 3, and a branded line 2 wins in both.
  if (IsAccepted(results.java8) && IsAccepted(results.java11)) {
    if (IsSixtyFourBit(results.java8) != IsSixtyFourBit(results.java11)) {
      return "the two classifiers disagree on the bitness";
    }
    if (IsBranded(results.java8) && results.java11 != results.java8) {
      return "a branded Java 8 result with a different Java 11 result";
    }
  }
  return "";
}

// Runs all four probes twice on a runtime that prints the output, and gives the first rule
// broken, or "" when none is. The results of the first round are handed back.
inline std::string CheckProbesOn(sim::SimulatedMachine& machine, const std::string& javaExe,
                                 const std::string& tempDirectory, const std::string& output,
                                 ProbeResults& results) {
  machine.AddRuntime(javaExe, sim::Runtime{output, "", false});
  const std::size_t childrenBefore = machine.Children().size();
  results = ProbeAll(machine, javaExe);
  if (std::string broken = BrokenRule(output, results); !broken.empty()) return broken;
  if (!(ProbeAll(machine, javaExe) == results)) return "different results the second time";
  if (machine.Children().size() != childrenBefore + 8) return "not one child per probe";
  if (!machine.FilesUnder(tempDirectory).empty()) return "a capture file left behind";
  if (machine.OpenStreams() != 0) return "a stream left open";
  return "";
}

}  // namespace ravel::fuzz
