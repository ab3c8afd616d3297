/* Appends one line to the file named by RAVEL_E2E_LOG, so the tests can see which stubs ran. */
#pragma once

#include <stdio.h>
#include <windows.h>

static void LogLaunch(const char* what) {
  char path[MAX_PATH];
  FILE* log;
  if (GetEnvironmentVariableA("RAVEL_E2E_LOG", path, sizeof path) == 0) return;
  log = fopen(path, "ab");
  if (log == NULL) return;
  fprintf(log, "%s\n", what);
  fclose(log);
}
