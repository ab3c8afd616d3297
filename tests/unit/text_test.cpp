#include "common/text.h"

#include <gtest/gtest.h>

#include <climits>

namespace ravel {
namespace {

TEST(TextFind, FirstOccurrenceOrMinusOne) {
  EXPECT_EQ(Find("build 11.0.2+9", "build "), 0);
  EXPECT_EQ(Find("a-b-c", "-"), 1);
  EXPECT_EQ(Find("abc", "abcd"), -1);
  EXPECT_EQ(Find("Java(TM)", "java(tm)"), -1);  // case-sensitive
  EXPECT_EQ(Find("", "x"), -1);
  EXPECT_EQ(Find("abc", ""), 0);
  EXPECT_TRUE(Contains("OpenJDK 64-Bit", "64-Bit"));
}

struct DoubleByteCodePage : ::testing::Test {
  void SetUp() override {
    AnsiCodePage page = AnsiCodePage::Windows1252();
    for (int b = 0x81; b <= 0x9F; ++b) page.leadByte[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b) page.leadByte[b] = true;
    SetActiveCodePage(page);
  }
  void TearDown() override { SetActiveCodePage(AnsiCodePage::Windows1252()); }
};

TEST_F(DoubleByteCodePage, MatchNeverStartsOnATrailByte) {
  // 0x83 0x5C is one character whose trail byte is a backslash.
  const std::string text =
      "C:\\\x83\x5C"
      "bin";
  EXPECT_EQ(Find(text, "\\bin"), -1);
  EXPECT_EQ(Find(text, "\\"), 2);
  EXPECT_EQ(Find(text, "bin"), 5);
}

TEST_F(DoubleByteCodePage, LowerCasingLeavesDoubleByteCharactersAlone) {
  std::string text =
      "AB\x83"
      "A"
      "C";
  LowerInPlace(text);
  EXPECT_EQ(text,
            "ab\x83"
            "Ac");
}

TEST(TextCuts, LeftRightMidLimits) {
  struct Case {
    int n;
    std::string left, right, mid;
  };
  for (const Case& c : std::initializer_list<Case>{
           {-1, "", "", "abcdef"},
           {0, "", "", "abcdef"},
           {2, "ab", "ef", "cdef"},
           {6, "abcdef", "abcdef", ""},
           {99, "abcdef", "abcdef", ""},
           {INT_MIN, "", "", "abcdef"},
       }) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(Left("abcdef", c.n), c.left);
    EXPECT_EQ(Right("abcdef", c.n), c.right);
    EXPECT_EQ(Mid("abcdef", c.n), c.mid);
  }
}

TEST(TextReplaceAll, LeftToRightWithoutOverlaps) {
  EXPECT_EQ(ReplaceAll("C:\\jdk\\bin\\java.exe", "\\bin\\java.exe", ""), "C:\\jdk");
  EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("x\\BIN\\java.exe", "\\bin\\java.exe", ""), "x\\BIN\\java.exe");
}

TEST(TextLower, AsciiAndWindows1252Capitals) {
  std::string text = "TYPE=JRE \xC0\xC9\xD7\xDE\x8A\x9F 64-BIT";
  LowerInPlace(text);
  EXPECT_EQ(text, "type=jre \xE0\xE9\xD7\xFE\x9A\xFF 64-bit");
}

TEST(TextToNumber, FollowsAtoi) {
  struct Case {
    const char* text;
    std::int32_t value;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"281", 281},
           {"  \t181x", 181},
           {"+9", 9},
           {"-3", -3},
           {"b09", 0},
           {"", 0},
           {"- 1", 0},
           {"99999999999", INT_MAX},
           {"-99999999999", INT_MIN},
       }) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ToNumber(c.text), c.value);
  }
}

}  // namespace
}  // namespace ravel
