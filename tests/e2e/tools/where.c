/* where.exe for the test prefix: the current directory, then each PATH entry; PATHEXT when the
   pattern has no extension; one full path per line with CR LF; exit 1 and an INFO line on
   standard error when nothing is found. */
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "launch_log.h"

static int found;

static void Try(const char* directory, const char* name) {
  char dir[MAX_PATH * 2];
  char path[MAX_PATH * 4];
  WIN32_FIND_DATAA data;
  HANDLE search;
  size_t length;
  snprintf(dir, sizeof dir, "%s", directory);
  length = strlen(dir);
  while (length > 0 && dir[length - 1] == '\\') dir[--length] = '\0';
  if (length == 0) return;
  snprintf(path, sizeof path, "%s\\%s", dir, name);
  search = FindFirstFileA(path, &data);
  if (search == INVALID_HANDLE_VALUE) return;
  FindClose(search);
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return;
  printf("%s\\%s\r\n", dir, data.cFileName);
  found = 1;
}

static void TryDirectory(const char* directory, const char* pattern, const char* pathext) {
  char ext[1024];
  char name[MAX_PATH];
  const char* start;
  if (strchr(pattern, '.') != NULL) {
    Try(directory, pattern);
    return;
  }
  for (start = pathext; *start != '\0';) {
    const char* end = strchr(start, ';');
    size_t length = end ? (size_t)(end - start) : strlen(start);
    if (length > 0 && length < sizeof ext) {
      memcpy(ext, start, length);
      ext[length] = '\0';
      snprintf(name, sizeof name, "%s%s", pattern, ext);
      Try(directory, name);
    }
    start += length;
    if (*start == ';') ++start;
  }
}

int main(int argc, char** argv) {
  static char path[32768];
  static char pathext[1024];
  char current[MAX_PATH];
  char* entry;
  char* context = NULL;
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  LogLaunch(argc == 2 ? "where" : "where (bad arguments)");
  if (argc != 2) {
    fputs("ERROR: Invalid syntax.\r\n", stderr);
    return 2;
  }
  if (GetEnvironmentVariableA("PATHEXT", pathext, sizeof pathext) == 0) strcpy(pathext, ".EXE");
  if (GetCurrentDirectoryA(sizeof current, current) != 0) TryDirectory(current, argv[1], pathext);
  if (GetEnvironmentVariableA("PATH", path, sizeof path) != 0) {
    for (entry = strtok_s(path, ";", &context); entry; entry = strtok_s(NULL, ";", &context)) {
      char unquoted[MAX_PATH * 2];
      size_t n = 0;
      for (; *entry != '\0' && n + 1 < sizeof unquoted; ++entry) {
        if (*entry != '"') unquoted[n++] = *entry;
      }
      unquoted[n] = '\0';
      TryDirectory(unquoted, argv[1], pathext);
    }
  }
  if (!found) {
    fputs("INFO: Could not find files for the given pattern(s).\r\n", stderr);
    return 1;
  }
  return 0;
}
