#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/listing_line.h"

namespace ravel {
namespace {

TEST(ListedPath, DropsOnlyAFinalLineFeed) {
  struct Case {
    std::string line;
    std::string path;
  };
  const std::vector<Case> cases = {
      {"C:\\jdk\\bin\\java.exe\n", "C:\\jdk\\bin\\java.exe"},
      // The last line of a listing written without a line feed keeps its last character.
      {"C:\\jdk\\bin\\java.exe", "C:\\jdk\\bin\\java.exe"},
      {"\n", ""},
      {"", ""},
      {"C:\\a\nb\n", "C:\\a\nb"},  // only the final one
      {"C:\\jdk\\bin\\java.exe\r", "C:\\jdk\\bin\\java.exe\r"},
      {std::string(255, 'x'), std::string(255, 'x')},  // a piece of an overlong line
      {std::string(254, 'x') + "\n", std::string(254, 'x')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TextBuffer line{};
    StoreText(line, c.line);
    EXPECT_EQ(ListedPath(line), c.path);
  }
}

}  // namespace
}  // namespace ravel
