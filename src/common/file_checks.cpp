#include "common/file_checks.h"

#include "common/contract.h"

namespace ravel {

bool FileExists(Os& os, const std::string& path) {
  const FileStream stream = os.OpenTextFile(path);
  if (stream == 0) return false;
  os.CloseFile(stream);
  return true;
}

bool HasJavaCompiler(Os& os, const std::string& directory) {
  if (directory.empty()) return false;
  return FileExists(os, directory + contract::kJavacSuffix);
}

}  // namespace ravel
