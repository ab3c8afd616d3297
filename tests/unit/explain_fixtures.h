// Helpers for the explain tool's tests: running an explained check on a simulated machine,
// picking steps of one kind, and replaying the recorded changes onto a machine.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/front_end.h"
#include "common/contract.h"
#include "explain/explain_run.h"
#include "explain/explanation.h"
#include "sim/simulated_machine.h"

namespace ravel::explain_fixtures {

using explain::ChildStep;
using explain::DecisionStep;
using explain::Explanation;
using explain::RegistryChange;

inline Explanation Explain(sim::SimulatedMachine& machine, CheckType type, CheckMode mode) {
  return explain::ExplainCheck(machine, CheckRequest{type, mode});
}

template <typename StepType>
std::vector<StepType> StepsOf(const Explanation& explanation) {
  std::vector<StepType> found;
  for (const explain::Step& step : explanation.steps) {
    if (const auto* typed = std::get_if<StepType>(&step)) found.push_back(*typed);
  }
  return found;
}

// The child step whose command line is exactly the given one.
inline ChildStep ChildWithCommand(const Explanation& explanation, const std::string& command) {
  for (const ChildStep& child : StepsOf<ChildStep>(explanation)) {
    if (child.commandLine == command) return child;
  }
  return ChildStep{"<no such child: " + command + ">"};
}

// The decisions taken on one candidate, in order.
inline std::vector<DecisionStep> DecisionsOn(const Explanation& explanation,
                                             const std::string& candidate) {
  std::vector<DecisionStep> found;
  for (const DecisionStep& decision : StepsOf<DecisionStep>(explanation)) {
    if (decision.candidate == candidate) found.push_back(decision);
  }
  return found;
}

// Does to the machine, through the seam, what the recorded changes say the real program would
// have done.
inline void Replay(sim::SimulatedMachine& machine, const std::vector<RegistryChange>& changes) {
  for (const RegistryChange& change : changes) {
    const RegistryView view = change.view;
    if (change.kind == explain::ChangeKind::CreateKey) {
      machine.AddKey(change.root, view, change.key);
      continue;
    }
    const std::uint32_t viewFlag =
        view == RegistryView::View64 ? contract::kKeyWow64Key64 : contract::kKeyWow64Key32;
    RegKey key = 0;
    ASSERT_EQ(
        machine.RegOpenKeyExA(change.root, change.key, contract::kKeyAllAccess | viewFlag, &key),
        kErrorSuccess);
    if (change.kind == explain::ChangeKind::SetValue) {
      machine.RegSetValueExA(key, change.valueName, change.value.type,
                             reinterpret_cast<const std::uint8_t*>(change.value.bytes.data()),
                             static_cast<std::uint32_t>(change.value.bytes.size()));
    } else {
      machine.RegDeleteValueA(key, change.valueName);
    }
    machine.RegCloseKey(key);
  }
}

// True when no registry open that reached the machine asked for more than reading.
inline bool OnlyReadAccessAsked(const sim::SimulatedMachine& machine) {
  constexpr std::uint32_t kReadRights =
      contract::kKeyQueryValue | contract::kKeyWow64Key64 | contract::kKeyWow64Key32;
  for (const sim::KeyOpenRecord& open : machine.KeyOpens()) {
    if ((open.access & ~kReadRights) != 0) return false;
  }
  return true;
}

}  // namespace ravel::explain_fixtures
