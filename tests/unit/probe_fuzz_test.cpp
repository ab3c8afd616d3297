// Seeded random outputs fed to all four probes: whatever a runtime prints, the probes end
// normally, give results in range, agree with each other, and leave no capture file behind.
// Runs under the sanitizers with the rest of the unit tests.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "java_banners.h"
#include "probe_runner.h"
#include "probes/java11_probe.h"
#include "probes/java8_probe.h"
#include "probes/update_level_probe.h"
#include "probes/version_string_probe.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using namespace banners;

constexpr std::uint32_t kSeed = 0x5EED2024;
constexpr int kOutputs = 2000;

const std::vector<std::string>& RealOutputs() {
  static const std::vector<std::string> outputs = {
      kBranded8u281x64, kBranded8u281x86, kBranded8u181x64, kBranded8u171x64, kBranded8Ga,
      kBranded7u80,     kAdopt8u282x64,   kAdopt8u282x86,   kAdopt8u172x64,   kTemurin8u302x64,
      kOpenJ98u282x64,  kBranded11x64,    kBranded11x86,    kOpenJdk11Ga,     kAdopt11x64,
      kAdopt11x86,      kAdopt11OpenJ9,   kAdopt11091x64,   kZulu11x64,       kBranded17x64,
  };
  return outputs;
}

const std::vector<std::string>& Tokens() {
  static const std::vector<std::string> tokens = {
      "Java(TM)",
      "java(tm)",
      "build ",
      "(build ",
      "1.8.0",
      "11",
      "11.0.",
      "17",
      "_",
      "+",
      "-",
      ".",
      "181",
      "180",
      "282",
      ")",
      "OpenJDK",
      "AdoptOpenJDK",
      "OpenJ9",
      "64-Bit",
      "X64",
      "64bit",
      "Client VM",
      " ",
      "\n",
      "\r",
      "\r\n",
      std::string(1, '\0'),
      "\x1A",
      "\xE9",
      "\x83",
      kToolOptionsNotice,
      kJdkOptionsNote,
      "Picked up ",
      "NOTE: Picked up ",
  };
  return tokens;
}

// Distributions of the standard library differ between implementations; plain modulo keeps the
// inputs the same everywhere.
class Generator {
 public:
  explicit Generator(std::uint32_t seed) : engine_(seed) {}

  std::size_t Below(std::size_t bound) { return engine_() % bound; }

  std::string Output() {
    switch (Below(4)) {
      case 0:
        return Mutated(RealOutputs()[Below(RealOutputs().size())]);
      case 1:
        return Notices() + Mutated(RealOutputs()[Below(RealOutputs().size())]);
      default:
        return Soup();
    }
  }

 private:
  std::string Notices() {
    std::string notices;
    for (std::size_t n = Below(3); n > 0; --n) {
      notices += Below(2) ? LongToolOptionsNotice() : Tokens()[Below(Tokens().size())] + "\n";
    }
    return notices;
  }

  // A real output with a few bytes replaced, inserted or removed.
  std::string Mutated(std::string text) {
    for (std::size_t edits = Below(4); edits > 0 && !text.empty(); --edits) {
      const std::size_t at = Below(text.size());
      switch (Below(3)) {
        case 0:
          text[at] = static_cast<char>(Below(256));
          break;
        case 1:
          text.insert(at, Tokens()[Below(Tokens().size())]);
          break;
        default:
          text.erase(at, 1 + Below(8));
          break;
      }
    }
    return text;
  }

  // Pieces of banners, tokens, random bytes and long runs, in any order.
  std::string Soup() {
    std::string text;
    for (std::size_t pieces = 1 + Below(16); pieces > 0; --pieces) {
      switch (Below(8)) {
        case 0: {
          const std::string& real = RealOutputs()[Below(RealOutputs().size())];
          const std::size_t from = Below(real.size());
          text += real.substr(from, 1 + Below(80));
          break;
        }
        case 1:
        case 2:
        case 3:
        case 4:
          text += Tokens()[Below(Tokens().size())];
          break;
        case 5:
        case 6:
          for (std::size_t n = Below(16); n > 0; --n) text += static_cast<char>(Below(256));
          break;
        default:
          text += std::string(200 + Below(200), "x-_+.1\n"[Below(7)]);
          break;
      }
    }
    return text;
  }

  std::mt19937 engine_;
};

struct Results {
  RuntimeKind java8;
  std::int32_t updateLevel;
  RuntimeKind java11;
  std::string versionString;
  bool operator==(const Results&) const = default;
};

Results ProbeAll(sim::SimulatedMachine& machine) {
  return {ClassifyJava8Runtime(machine, kJavaExe), ReadUpdateLevel(machine, kJavaExe),
          ClassifyJava11Runtime(machine, kJavaExe), ReadVersionString(machine, kJavaExe)};
}

bool IsKind(RuntimeKind kind) { return static_cast<int>(kind) >= 0 && static_cast<int>(kind) <= 4; }
bool IsAccepted(RuntimeKind kind) { return kind != RuntimeKind::Unsuitable; }
bool IsSixtyFourBit(RuntimeKind kind) {
  return kind == RuntimeKind::Branded64 || kind == RuntimeKind::OpenBuild64;
}

TEST(ProbesOnRandomOutputs, EndNormallyWithConsistentResultsAndNoFilesLeft) {
  Generator generator(kSeed);
  // One machine for all outputs, as one run of a check probes many runtimes in turn.
  sim::SimulatedMachine machine;
  std::array<int, 5> java8Kinds{};
  std::array<int, 5> java11Kinds{};
  int minorVersionsRead = 0;
  for (int i = 0; i < kOutputs; ++i) {
    const std::string output = generator.Output();
    SCOPED_TRACE(i);
    machine.AddRuntime(kJavaExe, sim::Runtime{output});
    const std::size_t childrenBefore = machine.Children().size();

    const Results results = ProbeAll(machine);
    ASSERT_TRUE(IsKind(results.java8));
    ASSERT_TRUE(IsKind(results.java11));
    const std::string& version = results.versionString;
    ASSERT_TRUE(version.empty() || version == "0.0" || output.find(version) != std::string::npos);
    // Accepted as Java 8 means an update of at least 181, read from the same line.
    if (IsAccepted(results.java8)) {
      ASSERT_GE(results.updateLevel, kMinimumJava8Update);
    }
    // Accepted as Java 11 means a version number of 11 or 11.<the version string>.
    if (IsAccepted(results.java11) && version != "0.0") {
      ASSERT_NE(output.find("11." + version), std::string::npos);
    }
    // Both classifiers read the same line 3, and a branded line 2 wins in both.
    if (IsAccepted(results.java8) && IsAccepted(results.java11)) {
      ASSERT_EQ(IsSixtyFourBit(results.java8), IsSixtyFourBit(results.java11));
      if (results.java8 == RuntimeKind::Branded32 || results.java8 == RuntimeKind::Branded64) {
        ASSERT_EQ(results.java11, results.java8);
      }
    }
    ASSERT_EQ(ProbeAll(machine), results);  // deterministic
    ASSERT_EQ(machine.Children().size(), childrenBefore + 8);
    ASSERT_TRUE(machine.FilesUnder(kTempDirectory).empty());
    ASSERT_EQ(machine.OpenStreams(), 0u);

    ++java8Kinds[static_cast<int>(results.java8)];
    ++java11Kinds[static_cast<int>(results.java11)];
    if (!version.empty() && version != "0.0") ++minorVersionsRead;
  }
  // The inputs reach every outcome, so the checks above were exercised on each of them.
  for (int kind = 0; kind < 5; ++kind) {
    EXPECT_GT(java8Kinds[kind], 0) << "Java 8 kind " << kind;
    EXPECT_GT(java11Kinds[kind], 0) << "Java 11 kind " << kind;
  }
  EXPECT_GT(minorVersionsRead, 0);
}

}  // namespace
}  // namespace ravel
