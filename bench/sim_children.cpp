#include "sim_children.h"

#include "checks/jdk_check.h"
#include "checks/jre_check.h"
#include "sim/simulated_machine.h"

namespace ravel::bench {

std::vector<ChildCommand> SimulatedChildren(Check check, const std::vector<Installation>& layout,
                                            const std::string& temp) {
  sim::SimulatedMachine machine;
  // Under Wine the 64-bit build runs.
  machine.SetProcessIs64Bit(true);
  LayOut(machine, layout, temp);
  if (check == Check::Jre) {
    RunJreCheck(machine, CheckMode::NoSilent);
  } else {
    RunJdkCheck(machine, CheckMode::NoSilent);
  }
  std::vector<ChildCommand> children;
  for (const sim::ChildRecord& child : machine.Children()) {
    children.push_back(ChildCommand{child.applicationName, child.commandLine});
  }
  return children;
}

}  // namespace ravel::bench
