#include "checks/jre_check.h"

namespace ravel {

// Candidate discovery and recording arrive with the JRE check itself.
void RunJreCheck(Os& /*os*/, CheckMode /*mode*/) {}

}  // namespace ravel
