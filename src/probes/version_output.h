// The numbered lines of one java.exe's "-version" output, as every probe reads them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/text_buffer.h"
#include "system/os.h"

namespace ravel {

// Runs javaExe with "-version" into the capture file, reads its lines up to and including line
// lastLine, and finishes the capture before returning, so the file never outlives the call.
//
// Element n-1 holds line n, as text up to its first zero byte; fewer elements mean the output
// ended early (none when the capture could not be opened). A line is what one NextLine call
// yields: at most 255 bytes, its line feed kept when it fits, so a long line counts as several.
// The one exception is the options notices a launcher prints ahead of its banner: each of them
// is skipped whole, however many pieces it arrives in, before numbering starts.
std::vector<std::string> ReadVersionOutput(Os& os, const std::string& javaExe,
                                           const char* captureFileName, std::size_t lastLine);

// Tells, piece by piece in the order NextLine yields them, which pieces of a "-version" output
// are numbered lines and which belong to the notices ahead of the banner.
class VersionLineNumbering {
 public:
  // The piece must have been read into a buffer cleared just before the read.
  bool IsNumberedLine(const TextBuffer& piece);

 private:
  // Notices only count before the banner; one that follows a real line is an ordinary line.
  bool beforeBanner_ = true;
  bool insideNotice_ = false;  // a notice's line feed has not arrived yet
};

}  // namespace ravel
