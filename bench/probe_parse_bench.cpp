// What parsing one "-version" output costs, on Linux with Google Benchmark, for real banners:
//  - Parse/*: the pure functions the probes apply to lines 2 and 3 (build text, version and
//    update, version number, 64-bit marker, family markers); no capture, no file.
//  - Probe/*: whole probes against the simulated machine: building the command line, the
//    simulated cmd.exe writing the capture file, reading it line by line, deleting it, and the
//    parse. The simulated machine's own bookkeeping dominates; an upper bound on the parse.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "common/text.h"
#include "probes/banner_markers.h"
#include "probes/build_text.h"
#include "probes/java11_probe.h"
#include "probes/java8_probe.h"
#include "probes/runtime_bitness.h"
#include "probes/update_level_probe.h"
#include "probes/version_string_probe.h"
#include "sim/java_banners.h"
#include "sim/simulated_machine.h"

namespace {

using namespace ravel;

// Line n (from 1) of a banner with its line feed, as NextLine hands it over.
std::string Line(const std::string& banner, int n) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = banner.find('\n', start) + 1;
  return banner.substr(start, banner.find('\n', start) + 1 - start);
}

// What the probes compute from lines 2 and 3: build text, version and update, version number,
// family markers and bitness.
void Parse(benchmark::State& state, const std::string& banner) {
  const std::string runtimeLine = Line(banner, 2);
  const std::string vmLine = Line(banner, 3);
  for (auto _ : state) {
    const std::string build = CutBuildText(runtimeLine);
    const VersionAndUpdate split = SplitVersionAndUpdate(build);
    const std::string version = VersionNumber(build);
    const bool branded = Contains(runtimeLine, banner::kBrandedFamily);
    const bool open = Contains(vmLine, banner::kJava11OpenFamily) &&
                      !Contains(vmLine, banner::kExcludedVirtualMachine);
    const RuntimeKind kind = branded ? BrandedKind(vmLine) : OpenBuildKind(vmLine);
    benchmark::DoNotOptimize(split);
    benchmark::DoNotOptimize(version);
    benchmark::DoNotOptimize(open);
    benchmark::DoNotOptimize(kind);
  }
}

const std::string kJavaExe = "C:\\Program Files\\Java\\jre\\bin\\java.exe";

// A fresh simulated machine now and then: it records every child it runs.
std::unique_ptr<sim::SimulatedMachine> MachineWith(const std::string& banner) {
  auto machine = std::make_unique<sim::SimulatedMachine>();
  sim::Runtime runtime;
  runtime.stderrText = banner;
  machine->AddRuntime(kJavaExe, runtime);
  return machine;
}

template <typename ProbeFunction>
void RunProbe(benchmark::State& state, const std::string& banner, ProbeFunction probe) {
  auto machine = MachineWith(banner);
  for (auto _ : state) {
    benchmark::DoNotOptimize(probe(*machine, kJavaExe));
    if (machine->Children().size() >= 4096) {
      state.PauseTiming();
      machine = MachineWith(banner);
      state.ResumeTiming();
    }
  }
}

void ProbeJava11(benchmark::State& state, const std::string& banner) {
  RunProbe(state, banner, ClassifyJava11Runtime);
}
void ProbeJava8(benchmark::State& state, const std::string& banner) {
  RunProbe(state, banner, ClassifyJava8Runtime);
}
void ProbeVersionString(benchmark::State& state, const std::string& banner) {
  RunProbe(state, banner, ReadVersionString);
}
void ProbeUpdateLevel(benchmark::State& state, const std::string& banner) {
  RunProbe(state, banner, ReadUpdateLevel);
}

}  // namespace

BENCHMARK_CAPTURE(Parse, branded_8u281_x64, banners::kBranded8u281x64);
BENCHMARK_CAPTURE(Parse, adopt_8u282_x64, banners::kAdopt8u282x64);
BENCHMARK_CAPTURE(Parse, branded_11_x86, banners::kBranded11x86);
BENCHMARK_CAPTURE(Parse, adopt_11_x64, banners::kAdopt11x64);
BENCHMARK_CAPTURE(Parse, adopt_11_openj9, banners::kAdopt11OpenJ9);
BENCHMARK_CAPTURE(Parse, zulu_11_x64, banners::kZulu11x64);
BENCHMARK_CAPTURE(Parse, branded_17_x64, banners::kBranded17x64);

BENCHMARK_CAPTURE(ProbeJava11, adopt_11_x64, banners::kAdopt11x64);
BENCHMARK_CAPTURE(ProbeJava11, branded_8u281_x64, banners::kBranded8u281x64);
BENCHMARK_CAPTURE(ProbeJava8, branded_8u281_x64, banners::kBranded8u281x64);
BENCHMARK_CAPTURE(ProbeJava8, adopt_8u282_x64, banners::kAdopt8u282x64);
BENCHMARK_CAPTURE(ProbeVersionString, adopt_11_x64, banners::kAdopt11x64);
BENCHMARK_CAPTURE(ProbeUpdateLevel, adopt_8u282_x64, banners::kAdopt8u282x64);

BENCHMARK_MAIN();
