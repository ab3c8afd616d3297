// One line of the "where java" listing, turned into the path it names.
#pragma once

#include <string>

#include "common/text_buffer.h"

namespace ravel {

// The line's text without its final line feed. A line that does not end in a line feed (the
// last line of a listing written without one, or a piece of an overlong line) is taken whole:
// cutting its last character would name a different file.
std::string ListedPath(const TextBuffer& line);

}  // namespace ravel
