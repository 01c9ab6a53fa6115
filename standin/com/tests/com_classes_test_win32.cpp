#include "com_fixture_win32.h"

namespace standin::com::testing {
namespace {

using ComClassTest = ComTest;

TEST_F(ComClassTest, EachClassIsMadeByProgIdUnderItsInterface) {
  struct Case {
    const char* progId;
    const IID* iid;
    const CLSID* clsid;
  };
  const Case cases[] = {{kProgIdDirectory, &IID_IVtDirectory, &CLSID_StandinDirectory},
                        {kProgIdAdminConfig, &IID_IVtAdminConfig, &CLSID_StandinAdminConfig},
                        {kProgIdFileTransfer, &IID_IVtFileTransfer, &CLSID_StandinFileTransfer},
                        {kProgIdPwdEncoder, &IID_IVtPwdEncoder, &CLSID_StandinPwdEncoder}};
  for (const Case& c : cases) {
    std::wstring wide(c.progId, c.progId + strlen(c.progId));
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(wide.c_str(), &clsid), S_OK) << c.progId;
    EXPECT_TRUE(IsEqualCLSID(clsid, *c.clsid)) << c.progId;
    IDispatch* object = create<IDispatch>(c.progId, *c.iid);
    ASSERT_NE(object, nullptr) << c.progId;
    IDispatch* again = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&again)), S_OK);
    UINT count = 0;
    EXPECT_EQ(again->GetTypeInfoCount(&count), E_NOTIMPL);
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"Connect");
    EXPECT_EQ(again->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), E_NOTIMPL);
    again->Release();
    IUnknown* other = nullptr;
    EXPECT_EQ(object->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&other)), E_NOINTERFACE);
    EXPECT_EQ(object->Release(), 0u);
  }
}

TEST_F(ComClassTest, UnusedSlotsAnswerNotImplemented) {
  EXPECT_EQ(directory->Reserved15(), E_NOTIMPL);
  EXPECT_EQ(directory->Reserved16(), E_NOTIMPL);
  EXPECT_EQ(directory->Reserved18(), E_NOTIMPL);
  IVtAdminConfig* config = create<IVtAdminConfig>(kProgIdAdminConfig, IID_IVtAdminConfig);
  ASSERT_NE(config, nullptr);
  EXPECT_EQ(config->Reserved7(), E_NOTIMPL);
  EXPECT_EQ(config->Reserved27(), E_NOTIMPL);
  EXPECT_EQ(config->Reserved44(), E_NOTIMPL);
  config->Release();
}

TEST_F(ComClassTest, EncoderGivesSixteenHexDigitsAndNullReadsAsEmpty) {
  IVtPwdEncoder* encoder = create<IVtPwdEncoder>(kProgIdPwdEncoder, IID_IVtPwdEncoder);
  ASSERT_NE(encoder, nullptr);
  Bstr plain(L"2468"), a, b, c, d;
  ASSERT_EQ(encoder->Encode(plain, a.out()), S_OK);
  ASSERT_EQ(a.text().size(), 16u);
  EXPECT_EQ(a.text().find_first_not_of("0123456789ABCDEF"), std::string::npos);
  ASSERT_EQ(encoder->Encode(plain, b.out()), S_OK);
  EXPECT_EQ(a.text(), b.text());
  Bstr empty(L"");
  ASSERT_EQ(encoder->Encode(nullptr, c.out()), S_OK);
  ASSERT_EQ(encoder->Encode(empty, d.out()), S_OK);
  EXPECT_EQ(c.text(), d.text());
  EXPECT_NE(c.text(), a.text());
  EXPECT_EQ(encoder->Encode(plain, nullptr), E_POINTER);
  encoder->Release();
}

}  // namespace
}  // namespace standin::com::testing
