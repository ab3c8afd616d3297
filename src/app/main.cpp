// ravelcheck.exe: the installer's pre-check for Java. Prints nothing; exits 0.
#include "app/front_end.h"
#include "system/win32_os.h"

int main(int argc, char** argv) {
  ravel::Win32Os os;
  return ravel::RunRavelcheck(os, argc, argv);
}
