// The words in which the reports tell an installer author what a check decided and why.
#pragma once

#include <string>
#include <string_view>

#include "checks/check_observer.h"
#include "common/types.h"
#include "explain/explanation.h"

namespace ravel::explain {

// "passed over"; and its identifier for tools, "passed-over".
std::string_view OutcomeLabel(Outcome outcome);
std::string_view OutcomeId(Outcome outcome);

// "newer-than-best": a stable identifier of the branch the check took.
std::string_view ReasonId(Reason reason);
// One or two sentences on why, with the decision's paths and versions filled in.
std::string ReasonText(const DecisionStep& decision);

// "Java 11 runtime probe"; and "java11".
std::string_view ProbeName(RuntimeProbe probe);
std::string_view ProbeId(RuntimeProbe probe);
// "Branded64", the name the code and the tests use.
std::string_view KindId(RuntimeKind kind);
// "Java(TM), 64-bit", or why the runtime was unsuitable.
std::string KindText(RuntimeProbe probe, RuntimeKind kind);

// "64-bit", "32-bit", or "" for a decision that concerns no one bitness.
std::string_view BitnessName(Bitness bitness);

// "version", "listing", "key-creation" or "other".
std::string_view PurposeId(ChildPurpose purpose);

}  // namespace ravel::explain
