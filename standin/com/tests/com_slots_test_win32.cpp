#include <fstream>

#include "com_fixture_win32.h"

namespace standin::com::testing {
namespace {

using ComDirectoryTest = ComTest;

std::string localFile(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name + std::to_string(GetCurrentProcessId());
}

TEST_F(ComDirectoryTest, LoginSearchNextAndContextThroughTheSlots) {
  std::string context;
  ASSERT_EQ(connect("4711", "2468", &context), S_OK);
  EXPECT_EQ(context.rfind("ctx-", 0), 0u);
  Bstr base(L"o=vantora"), filter(L"(&(objectclass=VANTORAUSER)(usermailboxnum=4711)(locationid=2))"),
      attributes(L"userid,usersmtpmailadr"), sort, ctx{context};
  ASSERT_EQ(directory->Search(base, 2, filter, attributes, 0, sort, 0, ctx), S_OK);
  Bstr entry;
  ASSERT_EQ(directory->GetNext(entry.out()), S_OK);
  EXPECT_EQ(entry.text(), "U0001~{value}~a4711@standin.test");
  EXPECT_EQ(SysStringLen(entry), entry.text().size());
  // The end: S_FALSE and no string.
  ASSERT_EQ(directory->GetNext(entry.out()), S_FALSE);
  EXPECT_TRUE(entry.null());
  EXPECT_EQ(directory->GetNext(nullptr), E_POINTER);
  EXPECT_EQ(directory->SetSecure(1), S_OK);
  EXPECT_EQ(directory->SetSecure(0), S_OK);
  EXPECT_EQ(directory->Disconnect(ctx), S_OK);
  Bstr after;
  EXPECT_EQ(directory->GetContextId(after.out()), ServerCodeResult(50));
  EXPECT_TRUE(after.null());
}

TEST_F(ComDirectoryTest, FailuresCarryTheCodeInResultErrorInfoAndErrorList) {
  ASSERT_EQ(connect("4711", "9999"), ServerCodeResult(49));
  EXPECT_EQ(ServerCodeResult(49), static_cast<HRESULT>(0x80040031));
  EXPECT_EQ(errorDescription(), "49#wrong password");
  IVtErrorList* errors = nullptr;
  ASSERT_EQ(directory->GetErrors(&errors), S_OK);
  LONG count = 0;
  ASSERT_EQ(errors->Count(&count), S_OK);
  ASSERT_EQ(count, 1);
  LONG code = 0, level = 0;
  Bstr attribute, text1, text2;
  ASSERT_EQ(errors->Item(0, &code, &level, attribute.out(), text1.out(), text2.out()), S_OK);
  EXPECT_EQ(code, 49);
  EXPECT_EQ(text1.text(), "wrong password");
  EXPECT_FALSE(attribute.null());  // empty texts are still strings the caller frees
  EXPECT_EQ(errors->Item(1, &code, &level, attribute.out(), text1.out(), text2.out()), E_INVALIDARG);
  errors->Release();
  // A successful call leaves no error info and an empty list.
  ASSERT_EQ(connect("4711", "2468"), S_OK);
  IErrorInfo* info = nullptr;
  EXPECT_EQ(GetErrorInfo(0, &info), S_FALSE);
  ASSERT_EQ(directory->GetErrors(&errors), S_OK);
  errors->Count(&count);
  EXPECT_EQ(count, 0);
  errors->Release();
}

TEST_F(ComDirectoryTest, AddLockCommitAnswer60775WithTheirValuesInTheErrorList) {
  std::string context;
  ASSERT_EQ(connect("4711", "2468", &context), S_OK);
  Bstr ctx{context}, dn(L"appid=5000+customerid=1,o=vantora"),
      lock(L"volumeid~{value}~1~{attrib}~lockingpc~{value}~1.1.1.1~{attrib}~lockinguser~{value}~4711~{attrib}~appname~{value}~Com");
  ASSERT_EQ(directory->Add(ctx, dn, lock, 0), static_cast<HRESULT>(0x8004ED67));
  EXPECT_EQ(errorDescription().rfind("60775#", 0), 0u);
  IVtErrorList* errors = nullptr;
  ASSERT_EQ(directory->GetErrors(&errors), S_OK);
  LONG count = 0;
  errors->Count(&count);
  ASSERT_EQ(count, 3);
  std::string names, values;
  for (LONG i = 0; i < count; ++i) {
    LONG code = 0, level = 0;
    Bstr attribute, text1, text2;
    ASSERT_EQ(errors->Item(i, &code, &level, attribute.out(), text1.out(), text2.out()), S_OK);
    EXPECT_EQ(code, 60775);
    names += attribute.text() + ";";
    values += text1.text() + ";";
  }
  errors->Release();
  EXPECT_EQ(names, "currentedfilepath;newedfilepath;appvernum;");
  EXPECT_EQ(values, "d:\\tarvix\\templates\\default.ed;d:\\tarvix\\apps\\c1\\a5000\\v50100\\app.ed;50100;");
  Bstr entry;
  ASSERT_EQ(directory->GetNext(entry.out()), S_OK);
  EXPECT_EQ(entry.text(), "d:\\tarvix\\apps\\c1\\a5000\\v50100\\app.ed~{value}~d:\\tarvix\\templates\\default.ed");

  // Send the working file, commit (modify of the application), unlock and lock again.
  IVtFileTransfer* files = create<IVtFileTransfer>(kProgIdFileTransfer, IID_IVtFileTransfer);
  ASSERT_NE(files, nullptr);
  Bstr option(L"32"), service(L"vtfilexfer"), tag(L"_VTAOSFile_"), server(L"127.0.0.1"), user(L"U0001");
  ASSERT_EQ(files->Connect(ctx, option, service, tag, server), S_OK);
  const std::string local = localFile("standin-com-ed");
  std::ofstream(local, std::ios::binary) << "program";
  Bstr localPath{local}, working(L"d:\\tarvix\\apps\\c1\\a5000\\v50100\\app.ed");
  ASSERT_EQ(files->SendFile(ctx, user, localPath, working), S_OK);
  Bstr commit(L"lockinguser~{value}~4711~{attrib}~lockingpc~{value}~1.1.1.1");
  ASSERT_EQ(directory->Modify(dn, commit, ctx), static_cast<HRESULT>(0x8004ED67));
  ASSERT_EQ(directory->GetNext(entry.out()), S_OK);
  EXPECT_EQ(entry.text(), "d:\\tarvix\\apps\\c1\\a5000\\v50101\\app.ed~{value}~d:\\tarvix\\apps\\c1\\a5000\\v50100\\app.ed");
  Bstr unlock(L"apppreviousvernum~{value}~65535"), none;
  ASSERT_EQ(directory->LockApplication(none, 2, 1, 5000, unlock, 1, ctx), S_OK);
  ASSERT_EQ(directory->LockApplication(none, 2, 1, 5000, lock, 0, ctx), static_cast<HRESULT>(0x8004ED67));
  // Receive the current file back; a send outside the working version is refused.
  const std::string back = localFile("standin-com-back");
  Bstr backPath{back}, current(L"d:\\tarvix\\apps\\c1\\a5000\\v50100\\app.ed");
  ASSERT_EQ(files->ReceiveFile(ctx, user, current, backPath), S_OK);
  std::ifstream in(back, std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(content, "program");
  EXPECT_EQ(files->SendFile(ctx, user, localPath, current), ServerCodeResult(50));
  EXPECT_EQ(errorDescription().rfind("50#", 0), 0u);
  // A record into the working version.
  Bstr folder(L"d:\\tarvix\\mmfs\\c1\\a5000\\v50102");
  EXPECT_EQ(files->SendMmfsRecord(ctx, user, localPath, folder, 10005, 2, 2), S_OK);
  files->Release();

  // Delete: locked by the caller, so allowed after the unlock as well.
  ASSERT_EQ(directory->LockApplication(none, 2, 1, 5000, unlock, 1, ctx), S_OK);
  ASSERT_EQ(directory->Delete(dn, ctx), S_OK);
  ASSERT_EQ(directory->Delete(dn, ctx), ServerCodeResult(32));
  in.close();
  DeleteFileA(local.c_str());
  DeleteFileA(back.c_str());
}

TEST_F(ComDirectoryTest, ConfigSlotsAndTimeStamps) {
  std::string context;
  ASSERT_EQ(connect("4711", "2468", &context), S_OK);
  IVtAdminConfig* config = create<IVtAdminConfig>(kProgIdAdminConfig, IID_IVtAdminConfig);
  ASSERT_NE(config, nullptr);
  Bstr ctx{context}, none, option(L"32"), server(L"127.0.0.1"), user(L"U0001"), stranger(L"U0002");
  Bstr suffix;
  EXPECT_EQ(config->GetLdapSuffix(suffix.out()), ServerCodeResult(50));  // not connected yet
  ASSERT_EQ(config->Connect(none, option, server), S_OK);
  ASSERT_EQ(config->GetLdapSuffix(suffix.out()), S_OK);
  EXPECT_EQ(suffix.text(), "o=vantora");
  LONG id = 0;
  ASSERT_EQ(config->GetUnusedAppId(ctx, user, 1, &id), S_OK);
  EXPECT_GE(id, 1000);
  EXPECT_EQ(config->GetUnusedAppId(ctx, stranger, 1, &id), ServerCodeResult(50));
  EXPECT_EQ(id, -1);
  EXPECT_EQ(config->GetUnusedAppId(none, none, 1, &id), ServerCodeResult(50));
  EXPECT_EQ(config->StartVersionManager(ctx, user, 0, 0), S_OK);
  EXPECT_EQ(config->CleanUpDeleted(ctx, user, 0), S_OK);
  config->Release();

  IVtFileTransfer* files = create<IVtFileTransfer>(kProgIdFileTransfer, IID_IVtFileTransfer);
  ASSERT_NE(files, nullptr);
  Bstr service(L"vtfilexfer"), tag(L"_VTAOSFile_"), cer(L"d:\\tarvix\\ssl\\Vantora.cer");
  ASSERT_EQ(files->Connect(none, none, service, tag, server), S_OK);
  const std::string stamp = localFile("standin-com-ts");
  Bstr stampPath{stamp};
  LONG same = 7;
  ASSERT_EQ(files->CompareTimeStamp(none, none, stampPath, cer, &same), S_OK);
  EXPECT_EQ(same, 0);
  ASSERT_EQ(files->FetchTimeStamp(none, none, stampPath, cer), S_OK);
  ASSERT_EQ(files->CompareTimeStamp(none, none, stampPath, cer, &same), S_OK);
  EXPECT_EQ(same, 1);
  Bstr other(L"d:\\tarvix\\templates\\default.ed");
  EXPECT_EQ(files->FetchTimeStamp(none, none, stampPath, other), ServerCodeResult(50));
  files->Release();
  DeleteFileA(stamp.c_str());
}

}  // namespace
}  // namespace standin::com::testing
