#include "checks/jdk_check.h"

namespace ravel {

// The listing pass, registry passes and JAVA_HOME arrive with the JDK check itself.
void RunJdkCheck(Os& /*os*/, CheckMode /*mode*/) {}

}  // namespace ravel
