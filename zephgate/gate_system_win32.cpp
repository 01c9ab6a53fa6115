#include <winsock2.h>
#include <windows.h>
#include <objbase.h>
#include <wincrypt.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "registry_key.h"
#include "windows_system.h"

namespace gate {

std::optional<std::string> WindowsSystem::LoadText(std::int32_t id) {
  char text[512];
  const int length = LoadStringA(static_cast<HINSTANCE>(resources_), static_cast<UINT>(id), text, sizeof text);
  if (length <= 0) return std::nullopt;
  return std::string(text, static_cast<std::size_t>(length));
}

std::optional<std::string> WindowsSystem::ReadMachineValue(const std::string& keyPath, const std::string& name) {
  CRegistryKey key;
  if (!key.Open(HKEY_LOCAL_MACHINE, keyPath, KEY_READ)) return std::nullopt;
  return key.QueryString(name);
}

HResult WindowsSystem::InitializeCom() {
  const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (SUCCEEDED(hr)) comStarted_ = true;
  return hr;
}

HResult WindowsSystem::InitializeComSecurity() {
  return CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_NONE, RPC_C_IMP_LEVEL_ANONYMOUS,
                              nullptr, EOAC_NONE, nullptr);
}

void WindowsSystem::StartSockets() {
  WSADATA data;
  if (WSAStartup(MAKEWORD(1, 1), &data) == 0) socketsStarted_ = true;
}

void WindowsSystem::Shutdown() {
  if (socketsStarted_) WSACleanup();
  socketsStarted_ = false;
  if (comStarted_) CoUninitialize();
  comStarted_ = false;
}

bool WindowsSystem::IsCertificateFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.empty()) return false;
  PCCERT_CONTEXT context = CertCreateCertificateContext(
      X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, reinterpret_cast<const BYTE*>(bytes.data()),
      static_cast<DWORD>(bytes.size()));
  if (!context) return false;
  CertFreeCertificateContext(context);
  return true;
}

bool WindowsSystem::RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                               std::int32_t& exitCode) {
  // A batch file runs in the command interpreter; the outer quotes keep the quoted program.
  std::string line = "cmd.exe /c \"\"" + program + "\"";
  for (const std::string& a : arguments) line += " " + a;
  line += "\"";
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &process))
    return false;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  exitCode = static_cast<std::int32_t>(code);
  return true;
}

bool WindowsSystem::StartProgram(const std::string& program, const std::string& commandLine) {
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace gate
