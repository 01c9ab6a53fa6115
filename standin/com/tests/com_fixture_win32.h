#pragma once
// Tests of the stand-in server's COM classes: each test process runs under the wrapper
// (a fresh server) with the DLL registered in the prefix; classes are made by ProgID and
// called by vtable, as the clients do.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "servercom/server_components.h"

namespace standin::com::testing {

// A BSTR owned by the test.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const wchar_t* text) : value_(SysAllocString(text)) {}
  explicit Bstr(const std::string& text) {
    std::wstring wide(text.begin(), text.end());
    value_ = SysAllocString(wide.c_str());
  }
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  operator BSTR() const { return value_; }
  BSTR* out() {
    SysFreeString(value_);
    value_ = nullptr;
    return &value_;
  }
  std::string text() const {
    std::string out;
    if (value_) {
      for (UINT i = 0; i < SysStringLen(value_); ++i) out += static_cast<char>(value_[i]);
    }
    return out;
  }
  bool null() const { return value_ == nullptr; }

 private:
  BSTR value_ = nullptr;
};

template <class T>
T* create(const char* progId, const IID& iid) {
  std::wstring wide(progId, progId + strlen(progId));
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(wide.c_str(), &clsid))) return nullptr;
  T* object = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, reinterpret_cast<void**>(&object)))) return nullptr;
  return object;
}

// The description of the calling thread's error info ("" when none).
inline std::string errorDescription() {
  IErrorInfo* info = nullptr;
  std::string out;
  if (GetErrorInfo(0, &info) == S_OK && info) {
    Bstr d;
    info->GetDescription(d.out());
    out = d.text();
    info->Release();
  }
  return out;
}

class ComTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    directory = create<IVtDirectory>(kProgIdDirectory, IID_IVtDirectory);
    ASSERT_NE(directory, nullptr);
  }
  void TearDown() override {
    if (directory) directory->Release();
    CoUninitialize();
  }

  HRESULT connect(const char* mailbox, const char* password, std::string* context = nullptr) {
    Bstr host(L"127.0.0.1"), cert, suffix(L"o=vantora"), user{std::string(mailbox)}, location(L"2"),
        pw{std::string(password)}, none;
    const HRESULT hr = directory->Connect(1, host, 389, 636, cert, suffix, user, location, pw, none);
    if (context) {
      Bstr id;
      directory->GetContextId(id.out());
      *context = id.text();
    }
    return hr;
  }

  IVtDirectory* directory = nullptr;
};

}  // namespace standin::com::testing
