#include "probes/java8_probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probe_runner.h"
#include "sim/java_banners.h"

namespace ravel {
namespace {

using namespace banners;
using enum RuntimeKind;

struct Java8Case {
  const char* name;
  std::string output;
  RuntimeKind expected;
};

void ExpectClassifications(const std::vector<Java8Case>& cases) {
  for (const Java8Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RunProbeOn(ClassifyJava8Runtime, c.output), c.expected);
  }
}

TEST(ClassifyJava8Runtime, AcceptsBrandedAndAdoptBuildsFromUpdate181) {
  ExpectClassifications({
      {"branded 8u281, 64-bit server VM", kBranded8u281x64, Branded64},
      {"branded 8u281, client VM", kBranded8u281x86, Branded32},
      {"branded 8u181, the lowest accepted update", kBranded8u181x64, Branded64},
      {"AdoptOpenJDK 8u282, 64-bit", kAdopt8u282x64, OpenBuild64},
      {"AdoptOpenJDK 8u282, client VM", kAdopt8u282x86, OpenBuild32},
  });
  EXPECT_EQ(kMinimumJava8Update, 181);
}

TEST(ClassifyJava8Runtime, RejectsOtherVersionsAndVendors) {
  ExpectClassifications({
      {"branded 8u171", kBranded8u171x64, Unsuitable},
      {"branded 8u180, just below the minimum",
       "java version \"1.8.0_180\"\nJava(TM) SE Runtime Environment (build 1.8.0_180-b01)\n"
       "Java HotSpot(TM) 64-Bit Server VM (build 25.180-b01, mixed mode)\n",
       Unsuitable},
      {"branded 8 first release, no update", kBranded8Ga, Unsuitable},
      {"branded 7u80", kBranded7u80, Unsuitable},
      {"AdoptOpenJDK 8u172", kAdopt8u172x64, Unsuitable},
      {"another vendor's OpenJDK 8u302", kTemurin8u302x64, Unsuitable},
      {"OpenJ9 8u282 without the AdoptOpenJDK name", kOpenJ98u282x64, Unsuitable},
      // 11.0.2+9-LTS splits at "+" into 11.0.2 (sorts after 1.8.0) and update 9.
      {"branded 11.0.2", kBranded11x64, Unsuitable},
      // 11.0.10+9 has no "-", so nothing is kept of it.
      {"AdoptOpenJDK 11.0.10", kAdopt11x64, Unsuitable},
      {"branded 17.0.1, update 12", kBranded17x64, Unsuitable},
  });
}

TEST(ClassifyJava8Runtime, FamilyAndVersionTestsAreExactTextTests) {
  const std::string javaLine = "java version \"1.8.0_281\"\n";
  const std::string serverVm = "Java HotSpot(TM) 64-Bit Server VM (build 25.281-b09, mixed mode)\n";
  ExpectClassifications({
      {"branded runtime line wins over an AdoptOpenJDK VM line",
       javaLine + "Java(TM) SE Runtime Environment (build 1.8.0_281-b09)\n" +
           "OpenJDK Client VM (AdoptOpenJDK)(build 25.281-b09, mixed mode)\n",
       Branded32},
      {"trademark in small letters is not branded",
       javaLine + "java(tm) SE Runtime Environment (build 1.8.0_281-b09)\n" + serverVm, Unsuitable},
      {"vendor name in other letter case is not AdoptOpenJDK",
       "openjdk version \"1.8.0_282\"\n"
       "OpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_282-b08)\n"
       "OpenJDK 64-Bit Server VM (ADOPTOPENJDK)(build 25.282-b08, mixed mode)\n",
       Unsuitable},
      {"1.10.0 sorts before 1.8.0 byte by byte",
       javaLine + "Java(TM) SE Runtime Environment (build 1.10.0_281-b09)\n" + serverVm,
       Unsuitable},
      {"bytes compare as unsigned values: 0xE9 sorts after '1'",
       javaLine + "Java(TM) SE Runtime Environment (build \xE9_281-b09)\n" + serverVm, Branded64},
      // Split at "+" first, the update would read as 1.
      {"\"_\" is looked for before \"+\"",
       javaLine + "Java(TM) SE Runtime Environment (build 1.8.0+1_281-b09)\n" + serverVm,
       Branded64},
      {"a 64-bit marker on the runtime line alone does not count",
       "openjdk version \"1.8.0_282\"\n"
       "OpenJDK 64-Bit Runtime Environment (AdoptOpenJDK)(build 1.8.0_282-b08)\n"
       "OpenJDK Client VM (AdoptOpenJDK)(build 25.282-b08, mixed mode)\n",
       OpenBuild32},
  });
}

TEST(ClassifyJava8Runtime, SkipsLeadingOptionsNoticesWhole) {
  ExpectClassifications({
      {"one notice", kToolOptionsNotice + kBranded8u281x64, Branded64},
      {"two notices", kJavaOptionsNotice + kToolOptionsNotice + kAdopt8u282x86, OpenBuild32},
      {"a notice of three pieces", LongToolOptionsNotice() + kAdopt8u282x64, OpenBuild64},
      {"a notice whose line feed arrives alone", NoticeFillingOnePiece() + kBranded8u281x86,
       Branded32},
      {"a notice after the first line is an ordinary line",
       FirstLines(kBranded8u281x64, 1) + kToolOptionsNotice + LinesAfter(kBranded8u281x64, 1),
       Unsuitable},
  });
}

TEST(ClassifyJava8Runtime, OddOutputsAreUnsuitable) {
  ExpectClassifications({
      {"only two lines", FirstLines(kBranded8u281x64, 2), Unsuitable},
      {"a first line over 255 bytes shifts the numbering", LongWarningLine() + kBranded8u281x64,
       Unsuitable},
      {"empty output", "", Unsuitable},
      {"only a notice", kToolOptionsNotice, Unsuitable},
  });
}

}  // namespace
}  // namespace ravel
