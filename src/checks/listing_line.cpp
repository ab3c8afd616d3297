#include "checks/listing_line.h"

namespace ravel {

std::string ListedPath(const TextBuffer& line) {
  std::string text = TextOf(line);
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace ravel
