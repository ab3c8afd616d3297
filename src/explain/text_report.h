// The explanation as text for a person: the steps in the order they happened, then what the real
// program would record and what would become of JAVA_HOME.
#pragma once

#include <string>

#include "explain/explanation.h"

namespace ravel::explain {

std::string TextReport(const Explanation& explanation);

}  // namespace ravel::explain
