/* Registry access for the end-to-end tests, one command per line on standard input, fields
   separated by tabs; one answer line per command on standard output:
     set   ROOT VIEW KEY NAME TYPE HEXBYTES   -> OK | ERROR n
     get   ROOT VIEW KEY NAME                 -> TYPE HEXBYTES | MISSING
     del   ROOT VIEW KEY NAME                 -> OK | MISSING
     key   ROOT VIEW KEY                      -> EXISTS | MISSING
     purge ROOT VIEW KEY                      -> OK (deletes the key and its subkeys)
     list  ROOT VIEW KEY                      -> NAME TYPE HEXBYTES ... (tab-separated) | MISSING
   ROOT is HKCU or HKLM, VIEW 32 or 64. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "tab_fields.h"

static HKEY Root(const char* name) {
  return strcmp(name, "HKCU") == 0 ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

static REGSAM View(const char* name) {
  return strcmp(name, "32") == 0 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

static void PrintHex(const BYTE* data, DWORD size) {
  DWORD i;
  for (i = 0; i < size; ++i) printf("%02X", data[i]);
}

static DWORD ParseHex(const char* text, BYTE* out, DWORD most) {
  DWORD n = 0;
  while (text[0] && text[1] && n < most) {
    char pair[3] = {text[0], text[1], 0};
    out[n++] = (BYTE)strtoul(pair, NULL, 16);
    text += 2;
  }
  return n;
}

int main(void) {
  static char line[70000];
  static BYTE data[65536];
  while (fgets(line, sizeof line, stdin) != NULL) {
    char* fields[8];
    int count;
    HKEY key;
    LONG result;
    line[strcspn(line, "\r\n")] = '\0';
    if (line[0] == '\0') continue;
    count = Split(line, fields, 8);
    if (strcmp(fields[0], "set") == 0 && count >= 6) {
      DWORD size = count >= 7 ? ParseHex(fields[6], data, sizeof data) : 0;
      result = RegCreateKeyExA(Root(fields[1]), fields[3], 0, NULL, 0,
                               KEY_ALL_ACCESS | View(fields[2]), NULL, &key, NULL);
      if (result == ERROR_SUCCESS) {
        result = RegSetValueExA(key, fields[4], 0, strtoul(fields[5], NULL, 10), data, size);
        RegCloseKey(key);
      }
      if (result == ERROR_SUCCESS)
        printf("OK\n");
      else
        printf("ERROR %ld\n", result);
    } else if (strcmp(fields[0], "get") == 0 && count >= 5) {
      DWORD type = 0;
      DWORD size = sizeof data;
      result =
          RegOpenKeyExA(Root(fields[1]), fields[3], 0, KEY_QUERY_VALUE | View(fields[2]), &key);
      if (result == ERROR_SUCCESS) {
        result = RegQueryValueExA(key, fields[4], NULL, &type, data, &size);
        RegCloseKey(key);
      }
      if (result == ERROR_SUCCESS) {
        printf("%lu ", type);
        PrintHex(data, size);
        printf("\n");
      } else {
        printf("MISSING\n");
      }
    } else if (strcmp(fields[0], "del") == 0 && count >= 5) {
      result = RegOpenKeyExA(Root(fields[1]), fields[3], 0, KEY_SET_VALUE | View(fields[2]), &key);
      if (result == ERROR_SUCCESS) {
        result = RegDeleteValueA(key, fields[4]);
        RegCloseKey(key);
      }
      printf(result == ERROR_SUCCESS ? "OK\n" : "MISSING\n");
    } else if (strcmp(fields[0], "key") == 0 && count >= 4) {
      result =
          RegOpenKeyExA(Root(fields[1]), fields[3], 0, KEY_QUERY_VALUE | View(fields[2]), &key);
      if (result == ERROR_SUCCESS) RegCloseKey(key);
      printf(result == ERROR_SUCCESS ? "EXISTS\n" : "MISSING\n");
    } else if (strcmp(fields[0], "purge") == 0 && count >= 4) {
      char* last = strrchr(fields[3], '\\');
      if (last != NULL) {
        *last = '\0';
        result =
            RegOpenKeyExA(Root(fields[1]), fields[3], 0, KEY_ALL_ACCESS | View(fields[2]), &key);
        if (result == ERROR_SUCCESS) {
          RegDeleteTreeA(key, last + 1);
          RegCloseKey(key);
        }
      }
      printf("OK\n");
    } else if (strcmp(fields[0], "list") == 0 && count >= 4) {
      result =
          RegOpenKeyExA(Root(fields[1]), fields[3], 0, KEY_QUERY_VALUE | View(fields[2]), &key);
      if (result != ERROR_SUCCESS) {
        printf("MISSING\n");
      } else {
        DWORD index;
        for (index = 0;; ++index) {
          char name[16384];
          DWORD nameSize = sizeof name;
          DWORD type = 0;
          DWORD size = sizeof data;
          if (RegEnumValueA(key, index, name, &nameSize, NULL, &type, data, &size) != ERROR_SUCCESS)
            break;
          printf("%s%s\t%lu\t", index ? "\t" : "", name, type);
          PrintHex(data, size);
        }
        printf("\n");
        RegCloseKey(key);
      }
    } else {
      printf("BAD COMMAND\n");
    }
    fflush(stdout);
  }
  return 0;
}
