// The benchmark's machines: a number of Java installations on the PATH, in a fixed cycle of four
// real kinds, with nothing registered and neither JRE_HOME nor JAVA_HOME set, laid out alike on
// the Wine machine and on the simulated one.
#pragma once

#include <string>
#include <vector>

namespace ravel::e2e {
class WineMachine;
}
namespace ravel::sim {
class SimulatedMachine;
}

namespace ravel::bench {

enum class Flavor {
  Open11x64,     // an open Java 11 runtime, 64-bit
  Branded8x64,   // a "Java(TM)" Java 8 runtime, 64-bit
  OpenKit8x64,   // an "AdoptOpenJDK" Java 8 development kit (with javac.exe), 64-bit
  Branded11x86,  // a "Java(TM)" Java 11 runtime, 32-bit
};

struct Installation {
  std::string home;  // <home>\bin\java.exe is the runtime
  std::string banner;
  Flavor flavor;
};

// Installation i has the flavor i % 4 of the order above, at C:\e2e\rtNN.
std::vector<Installation> BenchLayout(int count);

// "<home>\bin;..." for every installation, in order.
std::string PathEntries(const std::vector<Installation>& layout);

// Installs the stub runtimes and puts their folders in front of the PATH of the next runs.
void LayOut(e2e::WineMachine& machine, const std::vector<Installation>& layout);

// The same installations and PATH, with TEMP at the given folder.
void LayOut(sim::SimulatedMachine& machine, const std::vector<Installation>& layout,
            const std::string& temp);

}  // namespace ravel::bench
