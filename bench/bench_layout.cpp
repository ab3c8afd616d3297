#include "bench_layout.h"

#include <cstdio>

#include "sim/java_banners.h"
#include "sim/simulated_machine.h"
#include "wine_machine.h"

namespace ravel::bench {

std::vector<Installation> BenchLayout(int count) {
  static const Flavor kCycle[] = {Flavor::Open11x64, Flavor::Branded8x64, Flavor::OpenKit8x64,
                                  Flavor::Branded11x86};
  std::vector<Installation> layout;
  for (int i = 0; i < count; ++i) {
    char home[32];
    std::snprintf(home, sizeof home, "C:\\e2e\\rt%02d", i);
    const Flavor flavor = kCycle[i % 4];
    std::string banner;
    switch (flavor) {
      case Flavor::Open11x64:
        banner = banners::kAdopt11x64;
        break;
      case Flavor::Branded8x64:
        banner = banners::kBranded8u281x64;
        break;
      case Flavor::OpenKit8x64:
        banner = banners::kAdopt8u282x64;
        break;
      case Flavor::Branded11x86:
        banner = banners::kBranded11x86;
        break;
    }
    layout.push_back(Installation{home, banner, flavor});
  }
  return layout;
}

std::string PathEntries(const std::vector<Installation>& layout) {
  std::string entries;
  for (const Installation& java : layout) {
    entries += (entries.empty() ? "" : ";") + java.home + "\\bin";
  }
  return entries;
}

void LayOut(e2e::WineMachine& machine, const std::vector<Installation>& layout) {
  for (const Installation& java : layout) {
    if (java.flavor == Flavor::OpenKit8x64) {
      machine.AddKit(java.home, java.banner);
    } else {
      machine.AddRuntime(java.home + "\\bin\\java.exe", java.banner);
    }
  }
  machine.SetPathPrefix(PathEntries(layout));
}

void LayOut(sim::SimulatedMachine& machine, const std::vector<Installation>& layout,
            const std::string& temp) {
  for (const Installation& java : layout) {
    if (java.flavor == Flavor::OpenKit8x64) {
      machine.AddKit(java.home, java.banner);
    } else {
      sim::Runtime runtime;
      runtime.stderrText = java.banner;
      machine.AddRuntime(java.home + "\\bin\\java.exe", runtime);
    }
  }
  const std::string entries = PathEntries(layout);
  machine.SetEnvironment(
      "PATH", (entries.empty() ? "" : entries + ";") + "C:\\windows\\system32;C:\\windows");
  machine.AddDirectory(temp);
  machine.SetEnvironment("TEMP", temp);
}

}  // namespace ravel::bench
