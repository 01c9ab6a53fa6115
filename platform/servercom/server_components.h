// Interfaces of the voice-messaging server's COM components as the client calls them
// (the client library, the launcher and the stand-in server's own DLL share this header).
// The vtable order is the contract: slots 0-2 are IUnknown, 3-6 IDispatch, so the first
// method declared below is slot 7. Unused slots are declared so that later ones line up.
#pragma once
#include <windows.h>
#include <oleauto.h>

// Interface ids are fixed by the client; class ids belong to the stand-in server.
inline const IID IID_IVtDirectory    = {0x6662CAB1, 0x6237, 0x11D4, {0xA6, 0x79, 0x00, 0xC0, 0x4F, 0x5C, 0x08, 0x26}};
inline const IID IID_IVtAdminConfig  = {0x1D44B542, 0xE594, 0x11D4, {0xA6, 0x99, 0x00, 0xC0, 0x4F, 0x5C, 0x08, 0x26}};
inline const IID IID_IVtFileTransfer = {0x16D8C380, 0x3381, 0x11D5, {0x99, 0xC8, 0xA6, 0x96, 0xBC, 0x99, 0x3F, 0x21}};
inline const IID IID_IVtPwdEncoder   = {0xF6EC8808, 0x18B6, 0x4960, {0x94, 0x90, 0x4C, 0x4D, 0x56, 0x5A, 0xF6, 0x78}};
inline const IID IID_IVtErrorList    = {0x742FDD43, 0x888F, 0x4027, {0xBB, 0x93, 0xA7, 0xC9, 0xCB, 0x8F, 0xF0, 0x9C}};
inline const CLSID CLSID_StandinDirectory    = {0x1CEEA045, 0x2466, 0x4354, {0x95, 0x41, 0x0E, 0x27, 0xCA, 0x8F, 0x15, 0xD4}};
inline const CLSID CLSID_StandinAdminConfig  = {0x76CDB886, 0x856E, 0x4FF0, {0x89, 0xA6, 0x8C, 0x16, 0xAA, 0x1C, 0xB1, 0xE1}};
inline const CLSID CLSID_StandinFileTransfer = {0xF8F680C3, 0x1174, 0x43A8, {0x8E, 0x75, 0x0C, 0xDD, 0x2D, 0x04, 0xC6, 0x3C}};
inline const CLSID CLSID_StandinPwdEncoder   = {0xE3C1A723, 0x635C, 0x4B0B, {0xA4, 0xEB, 0x32, 0x4E, 0x1D, 0x3C, 0x65, 0x0F}};

// ProgIDs under which the clients create the components.
inline constexpr const char* kProgIdDirectory    = "Vantora.LDAPBean";
inline constexpr const char* kProgIdAdminConfig  = "Vantora.AOSClient_ConfigWizard";
inline constexpr const char* kProgIdFileTransfer = "Vantora.AOSClient_FileTransfer";
inline constexpr const char* kProgIdPwdEncoder   = "Vantora.PwdEncoder";

// Failures are FACILITY_ITF HRESULTs carrying the server code in the low 16 bits, with an
// error info whose description reads "code#text". Add, lock and commit succeed with
// kServerReplyCode and their answer in the error list.
inline constexpr LONG kServerReplyCode = 60775;
inline constexpr HRESULT ServerCodeResult(LONG code) { return static_cast<HRESULT>(0x80040000u | (static_cast<unsigned>(code) & 0xFFFFu)); }

#define VT_SLOT(n) virtual HRESULT STDMETHODCALLTYPE Reserved##n() = 0;

// Error collection returned by IVtDirectory::GetErrors.
struct IVtErrorList : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Count(LONG* count) = 0;                                    //  7
    virtual HRESULT STDMETHODCALLTYPE Item(LONG index, LONG* code, LONG* level, BSTR* attribute,
                                           BSTR* text1, BSTR* text2) = 0;                        //  8
};

// ProgID "Vantora.LDAPBean"
struct IVtDirectory : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Connect(LONG mode, BSTR host, LONG port, LONG sslPort, BSTR certFolder,
                                              BSTR suffix, BSTR user, BSTR locationId, BSTR password,
                                              BSTR contextId) = 0;                               //  7
    virtual HRESULT STDMETHODCALLTYPE Add(BSTR contextId, BSTR dn, BSTR attributes, LONG flags) = 0;      //  8
    virtual HRESULT STDMETHODCALLTYPE Search(BSTR base, LONG scope, BSTR filter, BSTR attributeList,
                                             SHORT attrsOnly, BSTR sortAttribute, LONG sizeLimit,
                                             BSTR contextId) = 0;                                //  9
    virtual HRESULT STDMETHODCALLTYPE GetNext(BSTR* entry) = 0;                                  // 10
    virtual HRESULT STDMETHODCALLTYPE Modify(BSTR dn, BSTR attributes, BSTR contextId) = 0;      // 11
    virtual HRESULT STDMETHODCALLTYPE Delete(BSTR dn, BSTR contextId) = 0;                       // 12
    virtual HRESULT STDMETHODCALLTYPE GetContextId(BSTR* contextId) = 0;                         // 13
    virtual HRESULT STDMETHODCALLTYPE Disconnect(BSTR contextId) = 0;                            // 14
    VT_SLOT(15) VT_SLOT(16)
    virtual HRESULT STDMETHODCALLTYPE GetErrors(IVtErrorList** errors) = 0;                      // 17
    VT_SLOT(18)
    virtual HRESULT STDMETHODCALLTYPE LockApplication(BSTR base, LONG scope, LONG customerId, LONG applicationId,
                                                      BSTR attributes, LONG unlock, BSTR contextId) = 0;  // 19
    virtual HRESULT STDMETHODCALLTYPE SetSecure(LONG on) = 0;                                    // 20
};

// ProgID "Vantora.AOSClient_ConfigWizard"
struct IVtAdminConfig : public IDispatch {
    VT_SLOT(7)  VT_SLOT(8)  VT_SLOT(9)  VT_SLOT(10) VT_SLOT(11) VT_SLOT(12) VT_SLOT(13)
    VT_SLOT(14) VT_SLOT(15) VT_SLOT(16) VT_SLOT(17) VT_SLOT(18) VT_SLOT(19) VT_SLOT(20)
    VT_SLOT(21) VT_SLOT(22) VT_SLOT(23) VT_SLOT(24) VT_SLOT(25) VT_SLOT(26) VT_SLOT(27)
    virtual HRESULT STDMETHODCALLTYPE Connect(BSTR contextId, BSTR connectOption, BSTR server) = 0;      // 28
    VT_SLOT(29) VT_SLOT(30) VT_SLOT(31) VT_SLOT(32)
    virtual HRESULT STDMETHODCALLTYPE GetUnusedAppId(BSTR contextId, BSTR user, LONG customerId,
                                                     LONG* applicationId) = 0;                   // 33
    VT_SLOT(34) VT_SLOT(35) VT_SLOT(36) VT_SLOT(37) VT_SLOT(38) VT_SLOT(39)
    virtual HRESULT STDMETHODCALLTYPE StartVersionManager(BSTR contextId, BSTR user, LONG reserved1,
                                                          LONG reserved2) = 0;                   // 40
    virtual HRESULT STDMETHODCALLTYPE CleanUpDeleted(BSTR contextId, BSTR user, LONG reserved) = 0;      // 41
    VT_SLOT(42) VT_SLOT(43) VT_SLOT(44)
    virtual HRESULT STDMETHODCALLTYPE GetLdapSuffix(BSTR* suffix) = 0;                           // 45
};

// ProgID "Vantora.AOSClient_FileTransfer"
struct IVtFileTransfer : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Connect(BSTR contextId, BSTR connectOption, BSTR service, BSTR clientTag,
                                              BSTR server) = 0;                                  //  7
    virtual HRESULT STDMETHODCALLTYPE ReceiveFile(BSTR contextId, BSTR user, BSTR serverPath, BSTR localPath) = 0;  //  8
    virtual HRESULT STDMETHODCALLTYPE SendFile(BSTR contextId, BSTR user, BSTR localPath, BSTR serverPath) = 0;     //  9
    virtual HRESULT STDMETHODCALLTYPE SendMmfsRecord(BSTR contextId, BSTR user, BSTR localPath, BSTR serverFolder,
                                                     LONG recordId, LONG kind, LONG mode) = 0;   // 10
    virtual HRESULT STDMETHODCALLTYPE FetchTimeStamp(BSTR contextId, BSTR user, BSTR localStampPath,
                                                     BSTR serverPath) = 0;                       // 11
    virtual HRESULT STDMETHODCALLTYPE CompareTimeStamp(BSTR contextId, BSTR user, BSTR localStampPath,
                                                       BSTR serverPath, LONG* same) = 0;         // 12
};

// ProgID "Vantora.PwdEncoder"
struct IVtPwdEncoder : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Encode(BSTR plain, BSTR* encoded) = 0;                     //  7
};

#undef VT_SLOT
