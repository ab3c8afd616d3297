#include "system/capture.h"

#include "common/contract.h"
#include "system/command_runner.h"

namespace ravel {

bool IsSafeInCommandLine(const std::string& text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    // A quote ends the quoting; cmd expands %NAME% even inside quotes.
    if (byte == '"' || byte == '%' || byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

std::string UsableTempDirectory(Os& os) {
  TextBuffer value{};
  const std::uint32_t length =
      os.GetEnvironmentVariableA(contract::kTempVariable, value.data(), kTextBufferSize);
  if (length == 0 || length >= kTextBufferSize) return {};
  std::string temp = TextOf(value);
  if (temp.empty() || !IsSafeInCommandLine(temp)) return {};
  return temp;
}

namespace {

CapturedOutput RunAndOpen(Os& os, const std::string& path, const std::string& commandLine) {
  RunCommand(os, commandLine);
  return CapturedOutput{path, os.OpenTextFile(path)};
}

}  // namespace

CapturedOutput CaptureVersionOutput(Os& os, const std::string& javaExe,
                                    const std::string& captureFileName) {
  const std::string temp = UsableTempDirectory(os);
  if (temp.empty()) return {};
  const std::string path = temp + captureFileName;
  if (!IsSafeInCommandLine(javaExe)) return CapturedOutput{path, 0};
  // The outer pair of quotes is the one cmd /C strips, so the runtime path and the capture path
  // keep theirs, even under "Program Files (x86)" or with & in TEMP.
  const std::string commandLine = contract::kVersionCommandStart + javaExe +
                                  contract::kVersionCommandMiddle + path +
                                  contract::kVersionCommandEnd;
  return RunAndOpen(os, path, commandLine);
}

CapturedOutput CaptureJavaListing(Os& os) {
  const std::string temp = UsableTempDirectory(os);
  if (temp.empty()) return {};
  const std::string path = temp + contract::kListingCaptureFile;
  const std::string commandLine =
      contract::kListingCommandStart + path + contract::kListingCommandEnd;
  return RunAndOpen(os, path, commandLine);
}

bool NextLine(Os& os, const CapturedOutput& capture, TextBuffer& line) {
  if (capture.stream == 0) return false;
  return os.ReadLine(capture.stream, line.data(), static_cast<int>(kTextBufferSize));
}

void Finish(Os& os, CapturedOutput& capture) {
  if (capture.stream != 0) {
    os.CloseFile(capture.stream);
    capture.stream = 0;
  }
  if (!capture.path.empty()) os.DeleteFileA(capture.path);
}

}  // namespace ravel
