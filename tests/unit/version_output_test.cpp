#include "probes/version_output.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/contract.h"
#include "probe_runner.h"
#include "sim/java_banners.h"
#include "sim/simulated_machine.h"

namespace ravel {
namespace {

using namespace banners;
using sim::OsCall;
using Lines = std::vector<std::string>;

struct Reading {
  Lines lines;
  std::uint64_t lineReads = 0;  // NextLine calls that reached the file
};

Reading ReadUpTo(const std::string& output, std::size_t lastLine) {
  sim::SimulatedMachine machine;
  machine.AddRuntime(kJavaExe, sim::Runtime{output});
  Reading reading;
  machine.SetFaultRule([&reading](OsCall call, std::uint64_t, const std::string&) {
    if (call == OsCall::ReadLine) ++reading.lineReads;
    return false;
  });
  reading.lines = ReadVersionOutput(machine, kJavaExe, contract::kProbeCaptureFile, lastLine);
  ExpectNothingLeftBehind(machine);
  return reading;
}

TEST(ReadVersionOutput, NumbersLinesAndReadsNoFurtherThanAsked) {
  const Reading three = ReadUpTo(kAdopt11OpenJ9, 3);
  EXPECT_EQ(three.lines, (Lines{"openjdk version \"11.0.10\" 2021-01-19\n",
                                "OpenJDK Runtime Environment AdoptOpenJDK (build 11.0.10+9)\n",
                                FirstLines(LinesAfter(kAdopt11OpenJ9, 2), 1)}));
  EXPECT_EQ(three.lineReads, 3u);

  const Reading two = ReadUpTo(kAdopt11OpenJ9, 2);
  EXPECT_EQ(two.lines, (Lines{three.lines[0], three.lines[1]}));
  EXPECT_EQ(two.lineReads, 2u);

  // A shorter output ends the reading: the last read finds the end of the file.
  const Reading short_ = ReadUpTo("only line\n", 3);
  EXPECT_EQ(short_.lines, (Lines{"only line\n"}));
  EXPECT_EQ(short_.lineReads, 2u);
}

TEST(ReadVersionOutput, ALongLineThatIsNoNoticeCountsAsSeveral) {
  const std::string warning = LongWarningLine();
  EXPECT_EQ(ReadUpTo(warning + kBranded8u281x64, 3).lines,
            (Lines{warning.substr(0, 255), warning.substr(255), FirstLines(kBranded8u281x64, 1)}));
  // Not even when the rest of that line begins like a notice.
  const std::string head(255, 'x');
  EXPECT_EQ(ReadUpTo(head + kToolOptionsNotice + kBranded8u281x64, 2).lines,
            (Lines{head, kToolOptionsNotice}));
}

TEST(ReadVersionOutput, SkipsEveryPieceOfEachLeadingNotice) {
  struct Case {
    const char* name;
    std::string notices;
    std::uint64_t noticePieces;
  };
  const std::vector<Case> cases = {
      {"one notice", kToolOptionsNotice, 1},
      {"a notice and a launcher note", kJavaOptionsNotice + kJdkOptionsNote, 2},
      {"a notice of three pieces", LongToolOptionsNotice(), 3},
      {"a notice whose line feed arrives alone", NoticeFillingOnePiece(), 2},
      {"a long note after a notice",
       kToolOptionsNotice + "NOTE: Picked up JDK_JAVA_OPTIONS: " + std::string(300, 'o') + "\n", 3},
      // A zero byte hides the rest of a piece from its text, not its line feed.
      {"a notice with a zero byte", std::string("Picked up _JAVA_OPTIONS: -Da=\0b\n", 32), 1},
      {"a long notice with a zero byte in its first piece",
       std::string("Picked up _JAVA_OPTIONS: \0", 26) + std::string(300, 'z') + "\n", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Reading reading = ReadUpTo(c.notices + kBranded11x64, 3);
    EXPECT_EQ(reading.lines,
              (Lines{FirstLines(kBranded11x64, 1), FirstLines(LinesAfter(kBranded11x64, 1), 1),
                     LinesAfter(kBranded11x64, 2)}));
    EXPECT_EQ(reading.lineReads, c.noticePieces + 3);
  }
}

TEST(ReadVersionOutput, OnlyLinesThatBeginANoticeBeforeTheBannerAreSkipped) {
  const std::vector<std::pair<std::string, Lines>> cases = {
      {"java version \"1.8.0_281\"\n" + kToolOptionsNotice + "third\n",
       {"java version \"1.8.0_281\"\n", kToolOptionsNotice, "third\n"}},
      {" Picked up _JAVA_OPTIONS: -Xmx1g\nsecond\n",
       {" Picked up _JAVA_OPTIONS: -Xmx1g\n", "second\n"}},
      {"picked up _JAVA_OPTIONS: -Xmx1g\nsecond\n",
       {"picked up _JAVA_OPTIONS: -Xmx1g\n", "second\n"}},
      {"Picked up\nsecond\n", {"Picked up\n", "second\n"}},
      {"Note: Picked up JDK_JAVA_OPTIONS: x\nsecond\n",
       {"Note: Picked up JDK_JAVA_OPTIONS: x\n", "second\n"}},
      {kToolOptionsNotice + kJdkOptionsNote, {}},
      {"Picked up _JAVA_OPTIONS: -Xmx1g", {}},  // the output ends inside the notice
      {"", {}},
  };
  for (const auto& [output, expected] : cases) {
    SCOPED_TRACE(output);
    EXPECT_EQ(ReadUpTo(output, 3).lines, expected);
  }
}

}  // namespace
}  // namespace ravel
