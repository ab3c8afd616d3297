/* The children alone: runs each line of a file as a command line of <system dir>\cmd.exe, one
   after another, the way ravelcheck starts its children (hidden, normal priority, no inherited
   handles, a zeroed STARTUPINFOA), waiting for each to end. The benchmark times it against
   ravelcheck itself to see what the program adds. Usage: replay.exe LIST */
#include <stdio.h>
#include <string.h>
#include <windows.h>

int main(int argc, char** argv) {
  static char line[32768];
  char interpreter[MAX_PATH];
  UINT length;
  FILE* list;
  if (argc != 2) {
    fputs("usage: replay.exe LIST\n", stderr);
    return 2;
  }
  length = GetSystemDirectoryA(interpreter, MAX_PATH);
  if (length == 0 || length + sizeof "\\cmd.exe" > MAX_PATH) return 1;
  strcat(interpreter, "\\cmd.exe");
  list = fopen(argv[1], "rb");
  if (list == NULL) return 1;
  while (fgets(line, sizeof line, list) != NULL) {
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    line[strcspn(line, "\r\n")] = '\0';
    if (line[0] == '\0') continue;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    if (CreateProcessA(interpreter, line, NULL, NULL, FALSE,
                       CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS, NULL, NULL, &startup, &process)) {
      WaitForSingleObject(process.hProcess, INFINITE);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
  }
  fclose(list);
  return 0;
}
