// type=java: is a suitable Java 8 development kit installed? Points JAVA_HOME at it.
#pragma once

#include "checks/check_observer.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel {

void RunJdkCheck(Os& os, CheckMode mode, CheckObserver& observer = NoCheckObserver());

}  // namespace ravel
