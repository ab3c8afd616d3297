#include "probes/java11_probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probe_runner.h"
#include "sim/java_banners.h"

namespace ravel {
namespace {

using namespace banners;
using enum RuntimeKind;

struct Java11Case {
  const char* name;
  std::string output;
  RuntimeKind expected;
};

void ExpectClassifications(const std::vector<Java11Case>& cases) {
  for (const Java11Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RunProbeOn(ClassifyJava11Runtime, c.output), c.expected);
  }
}

TEST(ClassifyJava11Runtime, AcceptsBrandedAndOpenJdkBuildsOfMajor11) {
  ExpectClassifications({
      {"branded 11.0.2, 64-bit server VM", kBranded11x64, Branded64},
      {"branded 11.0.2, client VM", kBranded11x86, Branded32},
      {"first release 11+28, no \".\" in the version", kOpenJdk11Ga, OpenBuild64},
      {"AdoptOpenJDK 11.0.10, 64-bit", kAdopt11x64, OpenBuild64},
      {"AdoptOpenJDK 11.0.10, 32-bit server VM", kAdopt11x86, OpenBuild32},
      {"AdoptOpenJDK 11.0.9.1", kAdopt11091x64, OpenBuild64},
      {"another vendor's OpenJDK 11.0.10", kZulu11x64, OpenBuild64},
  });
}

TEST(ClassifyJava11Runtime, RejectsOpenJ9AndOtherMajors) {
  ExpectClassifications({
      // Line 3 holds "OpenJDK" inside "AdoptOpenJDK", and "OpenJ9".
      {"AdoptOpenJDK 11.0.10 with the OpenJ9 VM", kAdopt11OpenJ9, Unsuitable},
      // 1.8.0_281-b09 has no "+": the major is empty.
      {"branded 8u281", kBranded8u281x64, Unsuitable},
      {"AdoptOpenJDK 8u282", kAdopt8u282x64, Unsuitable},
      {"branded 17.0.1", kBranded17x64, Unsuitable},
  });
}

TEST(ClassifyJava11Runtime, FamilyAndVersionTestsAreExactTextTests) {
  const std::string javaLine = "java version \"11.0.2\" 2019-01-15 LTS\n";
  ExpectClassifications({
      // The VM line is not examined for a branded build.
      {"branded runtime line wins over an OpenJ9 VM line",
       javaLine + "Java(TM) SE Runtime Environment 18.9 (build 11.0.2+9-LTS)\n" +
           "Eclipse OpenJ9 VM (build openj9-0.24.0, JRE 11 Windows 10 amd64-64-Bit)\n",
       Branded64},
      {"trademark in small letters is not branded",
       javaLine + "java(tm) SE Runtime Environment 18.9 (build 11.0.2+9-LTS)\n" +
           "Java HotSpot(TM) 64-Bit Server VM 18.9 (build 11.0.2+9-LTS, mixed mode)\n",
       Unsuitable},
      {"vendor name in other letter case is not OpenJDK",
       "openjdk version \"11.0.10\" 2021-01-19\n"
       "OpenJDK Runtime Environment (build 11.0.10+9)\n"
       "OPENJDK 64-Bit Server VM (build 11.0.10+9, mixed mode)\n",
       Unsuitable},
      {"major 011 is not \"11\"",
       javaLine + "Java(TM) SE Runtime Environment 18.9 (build 011.0.2+9-LTS)\n" +
           "Java HotSpot(TM) 64-Bit Server VM 18.9 (build 11.0.2+9-LTS, mixed mode)\n",
       Unsuitable},
      {"a 64-bit marker on the runtime line alone does not count",
       "openjdk version \"11.0.10\" 2021-01-19\n"
       "OpenJDK Runtime Environment AdoptOpenJDK x64 (build 11.0.10+9)\n"
       "OpenJDK Server VM AdoptOpenJDK (build 11.0.10+9, mixed mode)\n",
       OpenBuild32},
  });
}

TEST(ClassifyJava11Runtime, SkipsLeadingOptionsNoticesWhole) {
  ExpectClassifications({
      {"a launcher note", kJdkOptionsNote + kAdopt11x64, OpenBuild64},
      {"a note after a notice", kToolOptionsNotice + kJdkOptionsNote + kBranded11x86, Branded32},
      {"a notice of three pieces", LongToolOptionsNotice() + kBranded11x64, Branded64},
      {"a notice whose line feed arrives alone", NoticeFillingOnePiece() + kAdopt11x86,
       OpenBuild32},
      {"a notice after the first line is an ordinary line",
       FirstLines(kAdopt11x64, 1) + kJdkOptionsNote + LinesAfter(kAdopt11x64, 1), Unsuitable},
  });
}

TEST(ClassifyJava11Runtime, OddOutputsAreUnsuitable) {
  ExpectClassifications({
      {"only two lines", FirstLines(kBranded11x64, 2), Unsuitable},
      {"a first line over 255 bytes shifts the numbering", LongWarningLine() + kAdopt11x64,
       Unsuitable},
      {"empty output", "", Unsuitable},
      {"only notices", kToolOptionsNotice + kJdkOptionsNote, Unsuitable},
  });
}

}  // namespace
}  // namespace ravel
