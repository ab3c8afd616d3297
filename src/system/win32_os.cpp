#include "system/win32_os.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace ravel {
namespace {

#if !defined(_WIN64)
// The size field that the 32-bit product hands to CreateProcessA.
static_assert(sizeof(STARTUPINFOA) == 68);
#endif

HKEY RootHandle(RegRoot root) {
  return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }
FILE* ToFile(FileStream stream) { return reinterpret_cast<FILE*>(stream); }

// A job that ends every process in it when its last handle closes, so a child that outlives
// its time limit is ended together with everything it started.
HANDLE CreateKillOnCloseJob() {
  HANDLE job = ::CreateJobObjectA(nullptr, nullptr);
  if (job == nullptr) return nullptr;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits;
  ZeroMemory(&limits, sizeof(limits));
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits))) {
    ::CloseHandle(job);
    return nullptr;
  }
  return job;
}

}  // namespace

ChildExit Win32Os::CreateProcessAndWait(const std::string& applicationName,
                                        const std::string& commandLine, std::uint32_t creationFlags,
                                        std::uint32_t waitMilliseconds) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof(startup));
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process;
  ZeroMemory(&process, sizeof(process));
  // CreateProcessA may write into the command line, so it gets a private copy.
  std::vector<char> writableCommandLine(commandLine.begin(), commandLine.end());
  writableCommandLine.push_back('\0');
  // The child starts suspended so that it is in the job before it can start anything itself.
  if (!::CreateProcessA(applicationName.c_str(), writableCommandLine.data(), nullptr, nullptr,
                        FALSE, creationFlags | CREATE_SUSPENDED, nullptr, nullptr, &startup,
                        &process)) {
    return ChildExit{false, ::GetLastError(), false};
  }
  HANDLE job = CreateKillOnCloseJob();
  // Where jobs cannot nest (an installer that runs us in its own job on older Windows) the
  // child runs outside one, and only it is ended at the limit.
  if (job != nullptr && !::AssignProcessToJobObject(job, process.hProcess)) {
    ::CloseHandle(job);
    job = nullptr;
  }
  ::ResumeThread(process.hThread);
  ChildExit result{true, 0, false};
  if (::WaitForSingleObject(process.hProcess, waitMilliseconds) == WAIT_TIMEOUT) {
    if (job != nullptr) {
      ::TerminateJobObject(job, 1);
    } else {
      ::TerminateProcess(process.hProcess, 1);
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    result.timedOut = true;
  }
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  result.code = exitCode;
  if (job != nullptr) ::CloseHandle(job);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return result;
}

std::uint32_t Win32Os::GetEnvironmentVariableA(const char* name, char* buffer, std::uint32_t size) {
  return ::GetEnvironmentVariableA(name, buffer, size);
}

std::uint32_t Win32Os::GetSystemDirectoryA(char* buffer, std::uint32_t size) {
  return ::GetSystemDirectoryA(buffer, size);
}

FileStream Win32Os::OpenTextFile(const std::string& path) {
  return reinterpret_cast<FileStream>(std::fopen(path.c_str(), "r"));
}

bool Win32Os::ReadLine(FileStream stream, char* buffer, int size) {
  return std::fgets(buffer, size, ToFile(stream)) != nullptr;
}

void Win32Os::CloseFile(FileStream stream) { std::fclose(ToFile(stream)); }

bool Win32Os::DeleteFileA(const std::string& path) { return ::DeleteFileA(path.c_str()) != 0; }

long Win32Os::RegOpenKeyExA(RegRoot root, const std::string& subKey, std::uint32_t access,
                            RegKey* key) {
  HKEY opened = nullptr;
  const LONG result = ::RegOpenKeyExA(RootHandle(root), subKey.c_str(), 0, access, &opened);
  *key = result == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
  return result;
}

long Win32Os::RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t* type,
                               std::uint8_t* data, std::uint32_t* size) {
  DWORD valueType = 0;
  DWORD byteCount = *size;
  const LONG result =
      ::RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, data, &byteCount);
  if (type != nullptr) *type = valueType;
  *size = byteCount;
  return result;
}

long Win32Os::RegSetValueExA(RegKey key, const std::string& valueName, std::uint32_t type,
                             const std::uint8_t* data, std::uint32_t size) {
  return ::RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data, size);
}

long Win32Os::RegDeleteValueA(RegKey key, const std::string& valueName) {
  return ::RegDeleteValueA(ToHkey(key), valueName.c_str());
}

long Win32Os::RegCloseKey(RegKey key) { return ::RegCloseKey(ToHkey(key)); }

AnsiCodePage Win32Os::LoadAnsiCodePage() {
  AnsiCodePage page = AnsiCodePage::Windows1252();
  CPINFO info;
  if (!::GetCPInfo(CP_ACP, &info)) return page;
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
    for (int byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte) {
      page.leadByte[byte] = true;
    }
  }
  for (int byte = 1; byte < 256; ++byte) {
    if (page.leadByte[byte]) continue;
    const char in = static_cast<char>(byte);
    char out = in;
    if (::LCMapStringA(LOCALE_SYSTEM_DEFAULT, LCMAP_LOWERCASE, &in, 1, &out, 1) == 1) {
      page.lower[byte] = static_cast<std::uint8_t>(out);
    }
  }
  return page;
}

}  // namespace ravel
