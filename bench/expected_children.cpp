#include "expected_children.h"

namespace ravel::bench {
namespace {

// type=jre. Neither environment variable is set, so no environment probe runs. Every listed
// runtime gets the Java 11 probe; an open Java 11 build one more version probe; a "Java(TM)"
// Java 11 build, with nothing registered for its view, one more version probe unless an open
// build of its bitness came first. The Java 8 runtimes and kits are unsuitable after the
// first probe. A bitness left without a runtime or a branded entry falls back to its view's
// registered home; nothing is registered, and an empty home is never probed. Then one
// "reg add" per key written: the per-user verdicts, and the location of each bitness found.
ExpectedChildren ExpectedJre(const std::vector<Installation>& layout) {
  ExpectedChildren expected;
  expected.listings = 1;
  bool open64 = false;
  bool open32 = false;  // no open 32-bit build in the cycle: stays false
  bool branded32 = false;
  for (const Installation& java : layout) {
    ++expected.probes;
    switch (java.flavor) {
      case Flavor::Open11x64:
        open64 = true;
        ++expected.probes;
        break;
      case Flavor::Branded11x86:
        if (!open32) {
          branded32 = true;
          ++expected.probes;
        }
        break;
      case Flavor::Branded8x64:
      case Flavor::OpenKit8x64:
        break;
    }
  }
  expected.regAdds = 1 + (open64 ? 1 : 0) + (open32 || branded32 ? 1 : 0);
  return expected;
}

// type=java. Every listed runtime gets the Java 8 probe. A "Java(TM)" Java 8 runtime met while
// nothing is found yet is cross-checked against the kit registered for its view; nothing is
// registered, and an empty home is never probed. An "AdoptOpenJDK" kit with its compiler is
// found and gets the update-level probe. With nothing found after the listing, the registry
// passes find no registered kit and probe nothing. The verdict is recorded per user: one
// "reg add". JAVA_HOME is written without a child.
ExpectedChildren ExpectedJdk(const std::vector<Installation>& layout) {
  ExpectedChildren expected;
  expected.listings = 1;
  for (const Installation& java : layout) {
    ++expected.probes;
    if (java.flavor == Flavor::OpenKit8x64) ++expected.probes;
  }
  expected.regAdds = 1;
  return expected;
}

}  // namespace

ExpectedChildren ExpectedFor(Check check, const std::vector<Installation>& layout) {
  return check == Check::Jre ? ExpectedJre(layout) : ExpectedJdk(layout);
}

}  // namespace ravel::bench
