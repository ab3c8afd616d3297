/* Times two command lines against each other: runs them alternately, PAIRS times each (A then B,
   then B then A, and so on, so that a drift in the machine's speed favours neither), each in a
   job object of its own, and prints one line per run:
     LABEL <TAB> milliseconds <TAB> processes the job saw <TAB> of which still running when the
     run ended <TAB> exit code <TAB> CPU milliseconds of the run's own process (user and kernel,
     its children not included; as coarse as the system's clock tick)
   The plan comes on standard input, fields separated by tabs:
     run    LABEL COMMAND-LINE        (exactly two of these: A and B)
     purge  ROOT VIEW KEY             (deleted with its subkeys before every run)
     delete ROOT VIEW KEY NAME        (a value deleted before every run)
   ROOT is HKCU or HKLM, VIEW 32 or 64. Usage: stopwatch.exe PAIRS < PLAN */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "tab_fields.h"

#define MAX_RESETS 16

struct Run {
  char label[64];
  char command[32768];
};

struct Reset {
  int purge; /* else: delete a value */
  HKEY root;
  REGSAM view;
  char key[1024];
  char name[256];
};

static struct Run runs[2];
static int runCount;
static struct Reset resets[MAX_RESETS];
static int resetCount;

static int ReadPlan(void) {
  static char line[40000];
  while (fgets(line, sizeof line, stdin) != NULL) {
    char* fields[5];
    int count;
    line[strcspn(line, "\r\n")] = '\0';
    if (line[0] == '\0') continue;
    count = Split(line, fields, 5);
    if (strcmp(fields[0], "run") == 0 && count == 3 && runCount < 2) {
      snprintf(runs[runCount].label, sizeof runs[runCount].label, "%s", fields[1]);
      snprintf(runs[runCount].command, sizeof runs[runCount].command, "%s", fields[2]);
      ++runCount;
    } else if ((strcmp(fields[0], "purge") == 0 && count == 4) ||
               (strcmp(fields[0], "delete") == 0 && count == 5)) {
      struct Reset* reset;
      if (resetCount == MAX_RESETS) return 0;
      reset = &resets[resetCount++];
      reset->purge = fields[0][0] == 'p';
      reset->root = strcmp(fields[1], "HKCU") == 0 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
      reset->view = strcmp(fields[2], "32") == 0 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
      snprintf(reset->key, sizeof reset->key, "%s", fields[3]);
      snprintf(reset->name, sizeof reset->name, "%s", count == 5 ? fields[4] : "");
    } else {
      fprintf(stderr, "bad plan line: %s\n", fields[0]);
      return 0;
    }
  }
  return runCount == 2;
}

/* Puts the registry back to where every run starts, outside the timed part. */
static void ResetRegistry(void) {
  int i;
  for (i = 0; i < resetCount; ++i) {
    HKEY key;
    if (resets[i].purge) {
      char parent[1024];
      char* last;
      snprintf(parent, sizeof parent, "%s", resets[i].key);
      last = strrchr(parent, '\\');
      if (last == NULL) continue;
      *last = '\0';
      if (RegOpenKeyExA(resets[i].root, parent, 0, KEY_ALL_ACCESS | resets[i].view, &key) ==
          ERROR_SUCCESS) {
        RegDeleteTreeA(key, last + 1);
        RegCloseKey(key);
      }
    } else if (RegOpenKeyExA(resets[i].root, resets[i].key, 0, KEY_SET_VALUE | resets[i].view,
                             &key) == ERROR_SUCCESS) {
      RegDeleteValueA(key, resets[i].name);
      RegCloseKey(key);
    }
  }
}

static double Milliseconds(FILETIME time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return (double)value.QuadPart / 10000.0;
}

static void TimeOne(const struct Run* run, double ticksPerMs) {
  static char command[32768];
  STARTUPINFOA startup;
  PROCESS_INFORMATION process;
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting;
  LARGE_INTEGER start, end;
  DWORD exitCode = 0;
  FILETIME created, exited, kernel, user;
  double cpu = 0;
  HANDLE job;
  ResetRegistry();
  job = CreateJobObjectA(NULL, NULL);
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  ZeroMemory(&accounting, sizeof accounting);
  snprintf(command, sizeof command, "%s", run->command);
  QueryPerformanceCounter(&start);
  /* Suspended until it is in the job, so that the job sees everything it starts. */
  if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, CREATE_SUSPENDED, NULL, NULL, &startup,
                      &process)) {
    printf("%s\t-1\t0\t0\t%lu\t0\n", run->label, GetLastError());
    CloseHandle(job);
    return;
  }
  if (job != NULL) AssignProcessToJobObject(job, process.hProcess);
  ResumeThread(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  QueryPerformanceCounter(&end);
  GetExitCodeProcess(process.hProcess, &exitCode);
  if (GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user)) {
    cpu = Milliseconds(kernel) + Milliseconds(user);
  }
  if (job != NULL) {
    QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                              sizeof accounting, NULL);
    CloseHandle(job);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  printf("%s\t%.3f\t%lu\t%lu\t%lu\t%.1f\n", run->label,
         (double)(end.QuadPart - start.QuadPart) / ticksPerMs, accounting.TotalProcesses,
         accounting.ActiveProcesses, exitCode, cpu);
  fflush(stdout);
}

int main(int argc, char** argv) {
  LARGE_INTEGER frequency;
  int pairs;
  int i;
  if (argc != 2 || (pairs = atoi(argv[1])) <= 0 || !ReadPlan()) {
    fputs("usage: stopwatch.exe PAIRS < PLAN (two run lines, then purge/delete lines)\n", stderr);
    return 2;
  }
  QueryPerformanceFrequency(&frequency);
  for (i = 0; i < pairs; ++i) {
    const int first = i % 2;
    TimeOne(&runs[first], (double)frequency.QuadPart / 1000.0);
    TimeOne(&runs[1 - first], (double)frequency.QuadPart / 1000.0);
  }
  return 0;
}
