// The JDK check's look at the development kits registered under
// HKLM\SOFTWARE\JavaSoft\Java Development Kit, in one registry view.
#pragma once

#include "checks/check_observer.h"
#include "checks/jdk_search.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel {

// Reads "CurrentVersion" of the development-kit key into search.currentVersion and, when that
// read succeeds, "JavaHome" of the subkey it names into search.jdkDirectory. When the first
// read fails, jdkDirectory keeps what it held.
void ReadRegisteredKit(Os& os, RegistryView view, JdkSearch& search,
                       CheckObserver& observer = NoCheckObserver());

// For a "Java(TM)" runtime on the search path: the kit registered in the view of its bitness
// decides. The verdict becomes "1" when that kit's java.exe probes as the expected kind;
// otherwise the verdict is "0" and jdkDirectory is emptied. No compiler is asked for here.
void RegistryCrossCheck(Os& os, RegistryView view, RuntimeKind expected, JdkSearch& search,
                        CheckObserver& observer = NoCheckObserver());

// When the search path gave nothing: the kit registered in the view (or, when the view names
// none, the directory an earlier pass left) is taken when it holds a compiler and its java.exe
// probes as the expected kind.
void RegistryFallbackPass(Os& os, RegistryView view, RuntimeKind expected, JdkSearch& search,
                          CheckObserver& observer = NoCheckObserver());

}  // namespace ravel
