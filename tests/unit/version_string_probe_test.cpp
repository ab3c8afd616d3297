#include "probes/version_string_probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probe_runner.h"
#include "sim/java_banners.h"

namespace ravel {
namespace {

using namespace banners;

struct VersionCase {
  const char* name;
  std::string output;
  std::string expected;
};

void ExpectVersionStrings(const std::vector<VersionCase>& cases) {
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RunProbeOn(ReadVersionString, c.output), c.expected);
  }
}

TEST(ReadVersionString, GivesTheVersionAfterTheMajorNumber) {
  ExpectVersionStrings({
      {"AdoptOpenJDK 11.0.10+9", kAdopt11x64, "0.10"},
      {"branded 11.0.2+9-LTS", kBranded11x64, "0.2"},
      {"AdoptOpenJDK 11.0.9.1+1", kAdopt11091x64, "0.9.1"},
      {"11.0.9.1+1-LTS",
       "java version \"11.0.9.1\" 2020-11-04 LTS\n"
       "Java(TM) SE Runtime Environment 18.9 (build 11.0.9.1+1-LTS)\n"
       "Java HotSpot(TM) 64-Bit Server VM 18.9 (build 11.0.9.1+1-LTS, mixed mode)\n",
       "0.9.1"},
      {"branded 17.0.1+12-LTS-39", kBranded17x64, "0.1"},
      {"only line 2 is needed", FirstLines(kAdopt11x86, 2), "0.10"},
  });
}

TEST(ReadVersionString, BuildsWithoutMinorVersionReadAsZeroZero) {
  ExpectVersionStrings({
      {"first release 11+28", kOpenJdk11Ga, "0.0"},
      {"branded 8u281, no \"+\"", kBranded8u281x64, "0.0"},
      {"a first line over 255 bytes shifts the numbering", LongWarningLine() + kAdopt11x64, "0.0"},
  });
}

TEST(ReadVersionString, SkipsLeadingOptionsNoticesWhole) {
  ExpectVersionStrings({
      {"a launcher note", kJdkOptionsNote + kAdopt11x64, "0.10"},
      {"a notice of three pieces", LongToolOptionsNotice() + kBranded11x86, "0.2"},
      {"a notice whose line feed arrives alone", NoticeFillingOnePiece() + kAdopt11091x64, "0.9.1"},
      {"a notice after the first line is an ordinary line",
       FirstLines(kAdopt11x64, 1) + kJdkOptionsNote + LinesAfter(kAdopt11x64, 1), "0.0"},
  });
}

TEST(ReadVersionString, WithoutASecondLineTheTextIsEmpty) {
  ExpectVersionStrings({
      {"empty output", "", ""},
      {"a single line", FirstLines(kAdopt11x64, 1), ""},
      {"a notice and a single line", kJdkOptionsNote + FirstLines(kAdopt11x64, 1), ""},
  });
}

// The newer of each pair is the same in both orders; on a tie each order returns its first
// argument, unchanged.
struct VersionPair {
  std::string a;
  std::string b;
  enum Newer { A, B, Tie } newer;
};

TEST(NewerVersion, ComparesTheFirstTwoNumbersInBothOrders) {
  const std::vector<VersionPair> pairs = {
      {"0.10", "0.9", VersionPair::A},  // numeric, not byte-wise
      {"0.10", "0.2", VersionPair::A},
      {"0.9.1", "0.10", VersionPair::B},
      {"1.0", "0.5", VersionPair::A},  // the first number decides first
      {"7", "0.5", VersionPair::A},    // without ".": 0 and 7
      {"9", "0.10", VersionPair::B},   // 0 and 9 against 0 and 10
      {"0.10", "0", VersionPair::A},   // "0" reads as 0 and 0
      {"0.2", "0.2", VersionPair::Tie},
      {"0.9.1", "0.9", VersionPair::Tie},  // a third number is ignored
      {"", "0.0", VersionPair::Tie},
      {"0.0", "0", VersionPair::Tie},
  };
  for (const VersionPair& pair : pairs) {
    SCOPED_TRACE("\"" + pair.a + "\" and \"" + pair.b + "\"");
    switch (pair.newer) {
      case VersionPair::A:
        EXPECT_EQ(NewerVersion(pair.a, pair.b), pair.a);
        EXPECT_EQ(NewerVersion(pair.b, pair.a), pair.a);
        break;
      case VersionPair::B:
        EXPECT_EQ(NewerVersion(pair.a, pair.b), pair.b);
        EXPECT_EQ(NewerVersion(pair.b, pair.a), pair.b);
        break;
      case VersionPair::Tie:
        EXPECT_EQ(NewerVersion(pair.a, pair.b), pair.a);
        EXPECT_EQ(NewerVersion(pair.b, pair.a), pair.b);
        break;
    }
  }
}

TEST(NewerVersion, ReadsNumbersAsTheCLibraryDoes) {
  // Leading blanks and a sign are part of a number; anything after its digits is not.
  EXPECT_EQ(NewerVersion("0.-3", "0.0"), "0.0");
  EXPECT_EQ(NewerVersion("0. 12", "0.9"), "0. 12");
  EXPECT_EQ(NewerVersion("0.9-ea", "0.10"), "0.10");
  EXPECT_EQ(NewerVersion("x.5", "0.4"), "x.5");  // no digits: 0
}

}  // namespace
}  // namespace ravel
