// Existence tests on the files of a Java installation.
#pragma once

#include <string>

#include "system/os.h"

namespace ravel {

// True when the file can be opened for reading in text mode; nothing is read.
bool FileExists(Os& os, const std::string& path);

// True when directory + "\bin\javac.exe" exists. The directory is taken as passed; an empty
// directory never holds a compiler (it would name the root of whatever drive is current).
bool HasJavaCompiler(Os& os, const std::string& directory);

}  // namespace ravel
