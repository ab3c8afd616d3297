// The explanation as JSON for support tooling: the same steps, changes and JAVA_HOME outcome as
// the text report, with stable identifiers beside the words.
#pragma once

#include <string>

#include "explain/explanation.h"

namespace ravel::explain {

std::string JsonReport(const Explanation& explanation);

}  // namespace ravel::explain
