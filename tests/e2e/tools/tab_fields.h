/* Cuts a line into at most `most` tab-separated fields in place; returns how many it found. */
#pragma once

#include <string.h>

static int Split(char* line, char** fields, int most) {
  int count = 0;
  char* p = line;
  while (count < most) {
    char* tab = strchr(p, '\t');
    fields[count++] = p;
    if (tab == NULL) break;
    *tab = '\0';
    p = tab + 1;
  }
  return count;
}
