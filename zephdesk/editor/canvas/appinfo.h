#pragma once
// What a program keeps about the server application it belongs to: fixed fields that the
// user application record fills and takes back and the program's header record carries
// to and from the application file unchanged. Texts are zero-terminated in fields of the
// sizes below; flags are 32-bit.

#include <cstdint>

namespace ed {

struct ApplicationInfo {
  std::int32_t custID = 0;
  std::int32_t appID = 0;
  std::int32_t mediaType = 0;
  char description[256] = {};
  char name[61] = {};
  std::int32_t spokenAppNameRecorded = 0;
  char spokenAppName[31] = {};
  char verfFaxNumber[21] = {};
  std::int32_t verificationFaxNumModifiable = 0;
  char verificationContactID[31] = {};
  std::int32_t telsetMaintPsswdNeeded = 0;
  unsigned char telsetMaintPsswd[8] = {};
  std::int32_t monitorThruDial = 0;
  char expansionDigits[17] = {};
  std::int32_t enforceDial = 0;
  std::int32_t importable = 0;
  std::int32_t compiledOK = 0;
  std::int32_t confirmationPromptModifiableByTelset = 0;
  char lockingPC[31] = {};
  char lockingUserID[40] = {};
  std::int32_t modificationNum = 0;
  std::int32_t visible = 0;
  std::int32_t versionNum = 0;
  std::int32_t previousVersionNum = 0;
  std::int32_t volumeID = 0;
  char runFilePath[101] = {};
  char rllFilePath[101] = {};
  char misaFilePath[101] = {};
  char edFilePath[101] = {};
};

}  // namespace ed
