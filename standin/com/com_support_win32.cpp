#include "com_support_win32.h"

#include <cstdlib>

namespace standin::com {

std::atomic<long> liveObjects{0};

std::string text(BSTR value) {
  if (!value) return {};
  const int length = static_cast<int>(SysStringLen(value));
  if (length == 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, value, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, value, length, out.data(), size, nullptr, nullptr);
  return out;
}

BSTR bstr(const std::string& value) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, value.data(), static_cast<int>(value.size()), nullptr, 0);
  BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(size));
  if (out && size > 0) MultiByteToWideChar(CP_UTF8, 0, value.data(), static_cast<int>(value.size()), out, size);
  return out;
}

HRESULT result(const Reply& reply) {
  if (reply.ok()) {
    SetErrorInfo(0, nullptr);
    return S_OK;
  }
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    const std::string description = std::to_string(reply.code) + "#" + reply.text;
    BSTR d = bstr(description);
    create->SetDescription(d);
    SysFreeString(d);
    create->SetSource(const_cast<LPOLESTR>(L"Vantora stand-in server"));
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  return ServerCodeResult(reply.code);
}

namespace {

// A setting from the environment, else from the stand-in's registry key.
std::string setting(const std::string& name) {
  if (const char* value = std::getenv(name.c_str()); value && *value) return value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tarvix\\Vantora\\Standin", 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  char buffer[1024] = {};
  DWORD size = sizeof(buffer) - 1;
  DWORD type = 0;
  std::string out;
  if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
      type == REG_SZ)
    out = buffer;
  RegCloseKey(key);
  return out;
}

}  // namespace

std::unique_ptr<Backend> makeBackend(Reply& problem) {
  try {
    return std::make_unique<Backend>(configFrom(setting));
  } catch (const Refusal& refusal) {
    problem.code = refusal.code();
    problem.text = refusal.what();
    return nullptr;
  }
}

}  // namespace standin::com
