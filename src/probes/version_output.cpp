#include "probes/version_output.h"

#include <cstring>

#include "probes/banner_markers.h"
#include "system/capture.h"

namespace ravel {
namespace {

bool BeginsOptionsNotice(std::string_view line) {
  return line.starts_with(banner::kOptionsNotice) || line.starts_with(banner::kOptionsNote);
}

// The buffer is cleared before every read, so a line feed anywhere in it belongs to the piece
// just read, even one behind a zero byte that hides it from the piece's text.
bool EndsItsLine(const TextBuffer& piece) {
  return std::memchr(piece.data(), '\n', piece.size()) != nullptr;
}

}  // namespace

bool VersionLineNumbering::IsNumberedLine(const TextBuffer& piece) {
  if (!beforeBanner_) return true;
  if (insideNotice_ || BeginsOptionsNotice(TextOf(piece))) {
    insideNotice_ = !EndsItsLine(piece);
    return false;
  }
  beforeBanner_ = false;
  return true;
}

std::vector<std::string> ReadVersionOutput(Os& os, const std::string& javaExe,
                                           const char* captureFileName, std::size_t lastLine) {
  CapturedOutput capture = CaptureVersionOutput(os, javaExe, captureFileName);
  std::vector<std::string> lines;
  VersionLineNumbering numbering;
  TextBuffer piece{};
  while (lines.size() < lastLine) {
    piece.fill('\0');
    if (!NextLine(os, capture, piece)) break;
    if (numbering.IsNumberedLine(piece)) lines.push_back(TextOf(piece));
  }
  Finish(os, capture);
  return lines;
}

}  // namespace ravel
