// ravelcheck-explain.exe: runs the check of ravelcheck.exe on this machine without writing
// anything, and reports why it would record what it records.
#include <cstdio>

#include "explain/explain_program.h"
#include "system/win32_os.h"

int main(int argc, char** argv) {
  ravel::Win32Os os;
  const ravel::explain::ProgramOutput output = ravel::explain::RunExplainProgram(os, argc, argv);
  std::fputs(output.out.c_str(), stdout);
  std::fputs(output.err.c_str(), stderr);
  return output.exitCode;
}
