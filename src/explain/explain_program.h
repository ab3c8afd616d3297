// ravelcheck-explain: the command line, the run and the report, without the console.
#pragma once

#include <string>

#include "app/front_end.h"
#include "system/os.h"

namespace ravel::explain {

struct ExplainRequest {
  CheckRequest check;
  bool json = false;
};

// The two arguments of ravelcheck.exe, read exactly as it reads them, plus "--json" anywhere.
ExplainRequest ParseExplainCommandLine(int argc, const char* const argv[]);

struct ProgramOutput {
  int exitCode = 0;
  std::string out;
  std::string err;
};

// 0 with the report on out; 2 with the usage on err when the arguments ask for no check.
ProgramOutput RunExplainProgram(Os& os, int argc, const char* const argv[]);

}  // namespace ravel::explain
