#include "probes/build_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravel {
namespace {

TEST(CutBuildText, TakesTheTextAfterBuildWithoutItsLastTwoBytes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Java(TM) SE Runtime Environment (build 1.8.0_281-b09)\n", "1.8.0_281-b09"},
      {"Java(TM) SE Runtime Environment 18.9 (build 11.0.2+9-LTS)\n", "11.0.2+9-LTS"},
      {"OpenJDK Runtime Environment (AdoptOpenJDK)(build 1.8.0_282-b08)\n", "1.8.0_282-b08"},
      // The first "build " counts.
      {"Eclipse OpenJ9 VM (build openj9-0.24.0, build 11)\n", "openj9-0.24.0, build 11"},
      // A last line without its line feed loses a byte of the build.
      {"Java(TM) SE Runtime Environment (build 1.8.0_281-b09)", "1.8.0_281-b0"},
      {"(build )\n", ""},
      {"(build x\n", ""},
  };
  for (const auto& [line, expected] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(CutBuildText(line), expected);
  }
}

TEST(CutBuildText, WithoutBuildTakesTheTextFromIndexFive) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"operable program or batch file.\n", "ble program or batch file"},
      {"Java(TM) SE Runtime Environment (Build 1.8.0_281-b09)\n",  // case-sensitive
       "TM) SE Runtime Environment (Build 1.8.0_281-b09"},
      {"(build1.8.0_281-b09)\n", "d1.8.0_281-b09"},  // "build" without its blank
      {"abcdefgh", "f"},
      {"abcdefg", ""},
      {"abcde", ""},
      {"", ""},
  };
  for (const auto& [line, expected] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(CutBuildText(line), expected);
  }
}

TEST(PartBefore, IsEmptyWhenTheSeparatorIsMissing) {
  EXPECT_EQ(PartBefore("1.8.0_281-b09", "-"), "1.8.0_281");
  EXPECT_EQ(PartBefore("11.0.2+9-LTS", "-"), "11.0.2+9");
  EXPECT_EQ(PartBefore("11.0.10+9", "-"), "");
  EXPECT_EQ(PartBefore("-b09", "-"), "");
  EXPECT_EQ(PartBefore("", "-"), "");
}

TEST(SplitVersionAndUpdate, SplitsAtUnderscoreBeforePlus) {
  struct Case {
    std::string build;
    std::string version;
    std::string update;
  };
  const std::vector<Case> cases = {
      {"1.8.0_281-b09", "1.8.0", "281"},
      {"11.0.2+9-LTS", "11.0.2", "9"},
      {"17.0.1+12-LTS-39", "17.0.1", "12"},
      {"1+2_3-x", "1+2", "3"},  // "_" wins although "+" comes first
      {"1.8.0_281_2-b", "1.8.0", "281_2"},
      {"1.8.0-b132", "", ""},   // neither "_" nor "+" before "-"
      {"11.0.10+9", "", ""},    // no "-"
      {"1.8.0-b13_2", "", ""},  // "_" only after "-"
      {"_181-b", "", "181"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.build);
    const VersionAndUpdate split = SplitVersionAndUpdate(c.build);
    EXPECT_EQ(split.versionText, c.version);
    EXPECT_EQ(split.updateText, c.update);
  }
}

TEST(VersionNumber, IsThePartBeforePlus) {
  EXPECT_EQ(VersionNumber("11.0.2+9-LTS"), "11.0.2");
  EXPECT_EQ(VersionNumber("11+28"), "11");
  EXPECT_EQ(VersionNumber("11.0.9.1+1"), "11.0.9.1");
  EXPECT_EQ(VersionNumber("1.8.0_281-b09"), "");
  EXPECT_EQ(VersionNumber("+9"), "");
}

}  // namespace
}  // namespace ravel
