// Runs one check against the machine through the dry-run seam, with an explaining observer.
#pragma once

#include "app/front_end.h"
#include "explain/explanation.h"
#include "system/os.h"

namespace ravel::explain {

// The check's own code, exactly as ravelcheck.exe runs it, with nothing written. Installs the
// machine's code page first, as the product does.
Explanation ExplainCheck(Os& real, const CheckRequest& request);

}  // namespace ravel::explain
