// Captures what a child writes into a file in the temporary directory and hands it out line by
// line: the "-version" banner of one java.exe, or the "where java" listing.
#pragma once

#include <string>

#include "common/text_buffer.h"
#include "system/os.h"

namespace ravel {

// What a capture hands its caller, who owns it until Finish.
struct CapturedOutput {
  std::string path;       // the capture file; "" when no usable TEMP was found (nothing to delete)
  FileStream stream = 0;  // 0 when the file could not be opened (or no child ran)
};

// Runs `cmd.exe /C ""<javaExe>" -version 2>"<TEMP><captureFileName>""` and opens the file.
// A runtime path that holds a double quote, a percent sign or a control character is never put
// on a command line: no child runs and the capture has no lines.
CapturedOutput CaptureVersionOutput(Os& os, const std::string& javaExe,
                                    const std::string& captureFileName);

// Runs `cmd.exe /C where java>"<TEMP>\AllJavaPath.txt"` and opens the file.
CapturedOutput CaptureJavaListing(Os& os);

// The next line, C fgets style over 256 bytes: at most 255 bytes, the line feed kept when it
// fits. False at the end, on a read error, or when the capture has no stream.
bool NextLine(Os& os, const CapturedOutput& capture, TextBuffer& line);

// Closes the stream, if any, and deletes the capture file. Call exactly once per capture.
void Finish(Os& os, CapturedOutput& capture);

// The TEMP value when it can safely stand in a command line, else "": unset, empty, longer than
// 255 bytes, or holding a double quote, a percent sign or a control character.
std::string UsableTempDirectory(Os& os);

// True when the text can be quoted on a cmd.exe command line without changing its meaning.
bool IsSafeInCommandLine(const std::string& text);

}  // namespace ravel
