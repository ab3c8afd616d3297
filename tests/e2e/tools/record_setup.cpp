// Drives the setup key recorder through the real Win32 seam:
//   record_setup PerUser|Machine64|Machine32 NAME TEXT BYTECOUNT [NAME TEXT BYTECOUNT ...]
#include <cstdlib>
#include <cstring>
#include <vector>

#include "system/setup_key.h"
#include "system/win32_os.h"

int main(int argc, char** argv) {
  if (argc < 5 || (argc - 2) % 3 != 0) return 2;
  ravel::SetupKeyTarget target = ravel::SetupKeyTarget::PerUser;
  if (std::strcmp(argv[1], "Machine64") == 0) target = ravel::SetupKeyTarget::Machine64;
  if (std::strcmp(argv[1], "Machine32") == 0) target = ravel::SetupKeyTarget::Machine32;
  std::vector<ravel::SetupValue> values;
  for (int i = 2; i + 2 < argc; i += 3) {
    values.push_back({argv[i], argv[i + 1], static_cast<std::uint32_t>(std::atoi(argv[i + 2]))});
  }
  ravel::Win32Os os;
  ravel::RecordSetupValues(os, target, values);
  return 0;
}
