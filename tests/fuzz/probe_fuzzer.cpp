// libFuzzer target: each input is what a runtime prints on standard error for "-version". The
// four probes run on it through the simulated machine and must keep the rules of probe_rules.h.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/probe_rules.h"
#include "sim/simulated_machine.h"

namespace {

const std::string kTempDirectory = "C:\\Users\\setup\\AppData\\Local\\Temp";
const std::string kJavaExe = "C:\\Program Files\\Java\\jdk\\bin\\java.exe";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string output(reinterpret_cast<const char*>(data), size);
  ravel::sim::SimulatedMachine machine;
  ravel::fuzz::ProbeResults results;
  const std::string broken =
      ravel::fuzz::CheckProbesOn(machine, kJavaExe, kTempDirectory, output, results);
  if (!broken.empty()) {
    std::fprintf(stderr, "rule broken: %s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
