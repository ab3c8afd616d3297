// The discovery half of the JRE check: the environment runtime, then every java.exe that
// "where java" lists, weighed per bitness.
#pragma once

#include <array>
#include <string>

#include "checks/check_observer.h"
#include "common/text_buffer.h"
#include "common/types.h"
#include "system/os.h"

namespace ravel {

// What discovery leaves for the fallbacks and the recording; lives for one check.
struct JreSearchState {
  // A 64-bit runtime has been taken that outranks branded listing entries: the environment
  // runtime or an open 64-bit build.
  bool verdict64 = false;
  // An open 32-bit build has been listed.
  bool verdict32 = false;
  // A branded listing entry of that bitness has been handled.
  bool brandedFound64 = false;
  bool brandedFound32 = false;
  // The version text of the best runtime so far of each kind Branded32 to OpenBuild64, in that
  // order. "0" until a runtime of the kind is accepted.
  std::array<std::string, 4> bestVersion{"0", "0", "0", "0"};
  // The directories to record for each bitness; empty until one is settled.
  TextBuffer location64{};
  TextBuffer location32{};

  std::string& BestVersionOf(RuntimeKind kind);
  const std::string& BestVersionOf(RuntimeKind kind) const;
};

// Runs FindEnvironmentRuntime, takes the listing, takes the JRE_HOME runtime when the
// environment says so, handles each listed java.exe while the listing stays open, and deletes
// the listing. One classification probe runs per listed entry; a version probe runs for each
// open build and for each branded build that is weighed because its view registers no version.
JreSearchState SearchJreCandidates(Os& os, CheckObserver& observer = NoCheckObserver());

}  // namespace ravel
