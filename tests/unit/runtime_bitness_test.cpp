#include "probes/runtime_bitness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text.h"
#include "probe_runner.h"

namespace ravel {
namespace {

TEST(HasSixtyFourBitMarker, FindsTheMarkersInAnyLetterCase) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"Java HotSpot(TM) 64-Bit Server VM (build 25.281-b09, mixed mode)\n", true},
      {"OpenJDK 64-Bit Server VM AdoptOpenJDK (build 11.0.10+9, mixed mode)\n", true},
      {"Eclipse OpenJ9 VM AdoptOpenJDK (build openj9-0.24.0, JRE 11 Windows 10 "
       "amd64-64-Bit Compressed References 20210120_899 (JIT enabled, AOT enabled)\n",
       true},
      {"JAVA HOTSPOT(TM) 64-BIT SERVER VM (BUILD 25.281-B09, MIXED MODE)\n", true},
      {"Java HotSpot(TM) Server VM X64 (build 25.281-b09, mixed mode)\n", true},
      {"OpenJDK Server VM (build 25.282-b08, mixed mode, 64BIT)\n", true},
      {"Java HotSpot(TM) Client VM (build 25.281-b09, mixed mode, sharing)\n", false},
      {"OpenJDK Server VM AdoptOpenJDK (build 11.0.10+9, mixed mode)\n", false},
      {"Eclipse OpenJ9 VM (build openj9-0.24.0, JRE 11 Windows 10 x86-32 (JIT enabled)\n", false},
      {"OpenJDK Server VM (64 bit, x86_64)\n", false},  // neither spelling
      {"", false},
  };
  for (const auto& [line, expected] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(HasSixtyFourBitMarker(line), expected);
  }
}

TEST(HasSixtyFourBitMarker, LowerCasesByTheAnsiCodePage) {
  // Under a double-byte code page, the X after lead byte 0x83 is half of one character: it is
  // neither lower-cased nor the start of a match.
  const std::string line = "OpenJDK Server VM \x83X64";
  EXPECT_TRUE(HasSixtyFourBitMarker(line));
  AnsiCodePage doubleByte = AnsiCodePage::Windows1252();
  for (int b = 0x81; b <= 0x9F; ++b) doubleByte.leadByte[b] = true;
  SetActiveCodePage(doubleByte);
  const bool underDoubleByte = HasSixtyFourBitMarker(line);
  SetActiveCodePage(AnsiCodePage::Windows1252());
  EXPECT_FALSE(underDoubleByte);
}

TEST(RuntimeKindOfAFamily, FollowsTheMarker) {
  EXPECT_EQ(BrandedKind("Java HotSpot(TM) 64-Bit Server VM"), RuntimeKind::Branded64);
  EXPECT_EQ(BrandedKind("Java HotSpot(TM) Client VM"), RuntimeKind::Branded32);
  EXPECT_EQ(OpenBuildKind("OpenJDK 64-Bit Server VM"), RuntimeKind::OpenBuild64);
  EXPECT_EQ(OpenBuildKind("OpenJDK Client VM"), RuntimeKind::OpenBuild32);
}

}  // namespace
}  // namespace ravel
