// The children a check starts on the simulated machine laid out like the benchmark's Wine
// machine: the exact command lines, in order, that the run under Wine must show.
#pragma once

#include <string>
#include <vector>

#include "bench_layout.h"
#include "check_kind.h"
#include "child_command.h"

namespace ravel::bench {

std::vector<ChildCommand> SimulatedChildren(Check check, const std::vector<Installation>& layout,
                                            const std::string& temp);

}  // namespace ravel::bench
