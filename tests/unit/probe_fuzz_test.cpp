// Seeded random outputs fed to all four probes under the sanitizers: real banners with a few
// bytes changed, and mixtures of banner pieces, markers, zero bytes, CR, LF, Ctrl-Z, random bytes
// and long runs. The rules they must keep are in fuzz/probe_rules.h.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "fuzz/probe_rules.h"
#include "probe_runner.h"
#include "sim/java_banners.h"
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

TEST(ProbesOnRandomOutputs, EndNormallyWithConsistentResultsAndNoFilesLeft) {
  Generator generator(kSeed);
  // One machine for all outputs, as one run of a check probes many runtimes in turn.
  sim::SimulatedMachine machine;
  std::array<int, 5> java8Kinds{};
  std::array<int, 5> java11Kinds{};
  int minorVersionsRead = 0;
  for (int i = 0; i < kOutputs; ++i) {
    const std::string output = generator.Output();
    fuzz::ProbeResults results;
    ASSERT_EQ(fuzz::CheckProbesOn(machine, kJavaExe, kTemp, output, results), "")
        << "output " << i << ": " << ::testing::PrintToString(output);
    ++java8Kinds[static_cast<int>(results.java8)];
    ++java11Kinds[static_cast<int>(results.java11)];
    if (!results.versionString.empty() && results.versionString != "0.0") ++minorVersionsRead;
  }
  // The inputs reach every outcome, so the rules were exercised on each of them.
  for (int kind = 0; kind < 5; ++kind) {
    EXPECT_GT(java8Kinds[kind], 0) << "Java 8 kind " << kind;
    EXPECT_GT(java11Kinds[kind], 0) << "Java 11 kind " << kind;
  }
  EXPECT_GT(minorVersionsRead, 0);
}

}  // namespace
}  // namespace ravel
