/* A java.exe stand-in: writes the bytes of java.banner, beside it, to standard error in binary
   mode (the test stores them with CR LF), and java.stdout, if present, to standard output. If
   java.hang exists it then starts a copy of itself that never ends and waits for it forever. */
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "launch_log.h"

static void Copy(const char* path, FILE* out) {
  char buffer[4096];
  size_t n;
  FILE* in = fopen(path, "rb");
  if (in == NULL) return;
  while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) fwrite(buffer, 1, n, out);
  fclose(in);
  fflush(out);
}

int main(int argc, char** argv) {
  char self[MAX_PATH];
  char sibling[MAX_PATH + 16];
  char* slash;
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (argc == 2 && strcmp(argv[1], "--sleep-forever") == 0) {
    Sleep(INFINITE);
    return 0;
  }
  GetModuleFileNameA(NULL, self, sizeof self);
  {
    char line[MAX_PATH + 16];
    snprintf(line, sizeof line, "java %s", self);
    LogLaunch(line);
  }
  slash = strrchr(self, '\\');
  if (slash != NULL) slash[1] = '\0';
  snprintf(sibling, sizeof sibling, "%sjava.banner", self);
  Copy(sibling, stderr);
  snprintf(sibling, sizeof sibling, "%sjava.stdout", self);
  Copy(sibling, stdout);
  snprintf(sibling, sizeof sibling, "%sjava.hang", self);
  if (GetFileAttributesA(sibling) != INVALID_FILE_ATTRIBUTES) {
    char command[MAX_PATH * 2];
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    GetModuleFileNameA(NULL, self, sizeof self);
    snprintf(command, sizeof command, "\"%s\" --sleep-forever", self);
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    if (CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
      WaitForSingleObject(process.hProcess, INFINITE);
    }
    Sleep(INFINITE);
  }
  return 0;
}
