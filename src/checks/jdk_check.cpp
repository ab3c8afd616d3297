#include "checks/jdk_check.h"

#include <cstdint>
#include <string>

#include "checks/java_home.h"
#include "checks/jdk_registry.h"
#include "checks/jdk_search.h"
#include "checks/listing_line.h"
#include "common/contract.h"
#include "common/file_checks.h"
#include "common/text.h"
#include "probes/java8_probe.h"
#include "probes/update_level_probe.h"
#include "system/capture.h"
#include "system/setup_key.h"

namespace ravel {
namespace {

// An "AdoptOpenJDK" runtime on the search path counts only when its kit's compiler lies beside
// it; the kits compete by update level, and an equal level keeps the one listed first.
void RankOpenKit(Os& os, const std::string& javaExe, JdkSearch& search) {
  // Exact, case-sensitive: a path spelled "\BIN\java.exe" keeps its suffix, and the compiler is
  // then looked for under a directory that cannot hold it.
  const std::string kitDirectory = ReplaceAll(javaExe, contract::kJavaExeSuffix, "");
  if (!HasJavaCompiler(os, kitDirectory)) return;
  search.verdict = contract::kFound;
  const std::int32_t level = ReadUpdateLevel(os, javaExe);
  if (level > search.bestUpdateLevel) {
    StoreText(search.jdkDirectory,
              Left(javaExe, static_cast<int>(javaExe.size()) - contract::kJavaExeSuffixLength));
    search.bestUpdateLevel = level;
  }
}

void HandleListedRuntime(Os& os, const std::string& javaExe, JdkSearch& search) {
  switch (ClassifyJava8Runtime(os, javaExe)) {
    case RuntimeKind::Branded32:
      if (!search.Found()) {
        RegistryCrossCheck(os, RegistryView::View32, RuntimeKind::Branded32, search);
      }
      break;
    case RuntimeKind::Branded64:
      if (!search.Found()) {
        RegistryCrossCheck(os, RegistryView::View64, RuntimeKind::Branded64, search);
      }
      break;
    case RuntimeKind::OpenBuild32:
    case RuntimeKind::OpenBuild64:
      RankOpenKit(os, javaExe, search);
      break;
    default:
      break;
  }
}

void SearchListing(Os& os, JdkSearch& search) {
  CapturedOutput listing = CaptureJavaListing(os);
  TextBuffer line{};
  while (NextLine(os, listing, line)) HandleListedRuntime(os, ListedPath(line), search);
  Finish(os, listing);
}

}  // namespace

void RunJdkCheck(Os& os, CheckMode mode) {
  JdkSearch search;
  SearchListing(os, search);
  // Only branded kits are taken from the registry; the native view comes first.
  if (!search.Found()) {
    RegistryFallbackPass(os, RegistryView::View64, RuntimeKind::Branded64, search);
  }
  if (!search.Found()) {
    RegistryFallbackPass(os, RegistryView::View32, RuntimeKind::Branded32, search);
  }
  if (mode == CheckMode::NoSilent) {
    RecordSetupValues(os, SetupKeyTarget::PerUser,
                      {VerdictFlag(contract::kJdkVerdictValue, search.Found())});
  }
  if (search.Found()) UpdateJavaHome(os, TextOf(search.jdkDirectory));
}

}  // namespace ravel
