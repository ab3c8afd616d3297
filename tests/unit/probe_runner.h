// Runs one probe on a simulated machine whose runtime prints a given output, and checks what
// every probe must leave behind: no capture file and no open stream.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "common/types.h"
#include "machine_names.h"
#include "sim/simulated_machine.h"

namespace ravel {

inline const std::string kJavaExe = "C:\\Program Files\\Java\\jdk\\bin\\java.exe";

// Failure messages name the kind by its number, as callers compare it.
inline void PrintTo(RuntimeKind kind, std::ostream* out) { *out << static_cast<int>(kind); }

inline void ExpectNothingLeftBehind(const sim::SimulatedMachine& machine) {
  EXPECT_TRUE(machine.FilesUnder(kTemp).empty());
  EXPECT_EQ(machine.OpenStreams(), 0u);
}

template <typename Probe>
auto RunProbeOn(Probe probe, const std::string& stderrText) {
  sim::SimulatedMachine machine;
  machine.AddRuntime(kJavaExe, sim::Runtime{stderrText});
  const auto result = probe(machine, kJavaExe);
  ExpectNothingLeftBehind(machine);
  return result;
}

}  // namespace ravel
