#include "probes/update_level_probe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "probe_runner.h"
#include "sim/java_banners.h"

namespace ravel {
namespace {

using namespace banners;

struct UpdateCase {
  const char* name;
  std::string output;
  std::int32_t expected;
};

void ExpectUpdateLevels(const std::vector<UpdateCase>& cases) {
  for (const UpdateCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RunProbeOn(ReadUpdateLevel, c.output), c.expected);
  }
}

TEST(ReadUpdateLevel, ReadsTheNumberAfterTheFirstUnderscoreOrPlus) {
  ExpectUpdateLevels({
      {"branded 8u281", kBranded8u281x64, 281},
      {"branded 8u181", kBranded8u181x64, 181},
      {"branded 7u80", kBranded7u80, 80},
      // No vendor test: any build of line 2 counts.
      {"another vendor's OpenJDK 8u302", kTemurin8u302x64, 302},
      {"AdoptOpenJDK 8u282, client VM", kAdopt8u282x86, 282},
      {"branded 11.0.2+9-LTS", kBranded11x64, 9},
      {"another vendor's 11.0.10+9-LTS", kZulu11x64, 9},
      {"branded 17.0.1+12-LTS-39", kBranded17x64, 12},
      {"only line 2 is needed", FirstLines(kBranded8u281x86, 2), 281},
  });
}

TEST(ReadUpdateLevel, BuildsWithoutTheSeparatorsGiveZero) {
  ExpectUpdateLevels({
      // 1.8.0 is kept before "-", with neither "_" nor "+".
      {"first release 1.8.0-b132", kBranded8Ga, 0},
      // No "-" in 11.0.10+9: nothing is kept.
      {"AdoptOpenJDK 11.0.10+9", kAdopt11x64, 0},
      {"first release 11+28", kOpenJdk11Ga, 0},
  });
}

TEST(ReadUpdateLevel, SkipsLeadingOptionsNoticesWhole) {
  ExpectUpdateLevels({
      {"one notice", kToolOptionsNotice + kBranded8u281x64, 281},
      {"a notice of three pieces, then a note",
       LongToolOptionsNotice() + kJdkOptionsNote + kAdopt8u282x64, 282},
      {"a notice whose line feed arrives alone", NoticeFillingOnePiece() + kBranded8u181x64, 181},
      // Line 2 is then the notice: "Picked up ..." has no "-" after index 5.
      {"a notice after the first line is an ordinary line",
       FirstLines(kBranded8u281x64, 1) + kToolOptionsNotice + LinesAfter(kBranded8u281x64, 1), 0},
  });
}

TEST(ReadUpdateLevel, OddOutputsGiveZero) {
  ExpectUpdateLevels({
      {"a single line", FirstLines(kBranded8u281x64, 1), 0},
      {"a first line over 255 bytes shifts the numbering", LongWarningLine() + kBranded8u281x64, 0},
      {"empty output", "", 0},
      {"only a notice", kToolOptionsNotice, 0},
  });
}

}  // namespace
}  // namespace ravel
