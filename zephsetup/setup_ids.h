#pragma once
// Resource and control ids of the system wizard.
namespace setup {

// Page templates.
inline constexpr unsigned kConnectionPage = 20129;
inline constexpr unsigned kAddressPage = 20130;
inline constexpr unsigned kNamePage = 20131;
inline constexpr unsigned kSecurityPage = 20012;
// The picture every page shows in its frame on the left.
inline constexpr unsigned kPageBitmap = 20130;
inline constexpr int kPictureFrame = 20240;

// Connection page.
inline constexpr int kLanRadio = 20200;
inline constexpr int kDialUpRadio = 20202;
inline constexpr int kEntryList = 20215;
inline constexpr int kNewEntry = 20206;
inline constexpr int kEntryProperties = 20207;
inline constexpr int kDialUser = 20220;
inline constexpr int kDialPassword = 20221;
// Address page.
inline constexpr int kAddress = 20209;
inline constexpr int kVerify = 20217;
inline constexpr int kVerifyResult = 20204;
inline constexpr int kContactName = 20212;
inline constexpr int kLocation = 20214;
// Name page.
inline constexpr int kSystemName = 20203;
inline constexpr int kComments = 20201;
// Security page.
inline constexpr int kSslNever = 20222;
inline constexpr int kSslAlways = 20223;
inline constexpr int kSslLoginOnly = 20224;
inline constexpr int kSslPort = 20225;

// Messages.
inline constexpr unsigned kIdsEnterAddress = 20001;
inline constexpr unsigned kIdsNoSockets = 20002;
inline constexpr unsigned kIdsNameNotResolved = 20003;
inline constexpr unsigned kIdsEnterName = 20005;
inline constexpr unsigned kIdsInvalidName = 20006;
inline constexpr unsigned kIdsInvalidDialUp = 20011;
inline constexpr unsigned kIdsDialUpNeedsAddress = 20012;
inline constexpr unsigned kIdsAddressNotResolved = 20014;
inline constexpr unsigned kIdsPortBlank = 20016;
inline constexpr unsigned kIdsPortRange = 20017;

// Help contexts of the pages.
inline constexpr int kConnectionHelp = 20001;
inline constexpr int kAddressHelp = 20002;
inline constexpr int kNameHelp = 20003;
inline constexpr int kSecurityHelp = 20001;

}  // namespace setup
