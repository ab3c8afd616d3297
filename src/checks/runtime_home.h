// The home directory of a Java installation: what runs in it, and which home a listed java.exe
// stands for.
#pragma once

#include <string>

#include "checks/check_observer.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel {

// Classifies home + "\bin\java.exe" as a Java 11 runtime. An empty home is Unsuitable without
// running anything: the path would be "\bin\java.exe" at the root of the current drive, where
// any user may create folders, and this program runs elevated.
RuntimeKind ClassifyRuntimeHome(Os& os, const std::string& home,
                                CheckObserver& observer = NoCheckObserver());

// The directory to record for a listed java.exe: the path without its last 13 characters (the
// length of "\bin\java.exe", not checked), or that directory's "\jre" folder when it is a kit
// that carries one.
std::string ListedRuntimeHome(Os& os, const std::string& javaExe);

}  // namespace ravel
