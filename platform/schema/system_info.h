#pragma once
// One configured server system and the login triple that the launcher and the wizard pass
// around. Texts are std::string: this layer sits below the foundation.
#include <cstdint>
#include <string>

#include "schema_export.h"

class ZEPHSCHEMA_API CSystemInfo {
 public:
  // The kind of application whose systems a store holds; the launcher passes 1.
  enum TApps : std::int32_t { AppsDesigner = 1 };
  enum ConnectionKind : std::int32_t { LocalNetwork = 1, DialUp = 2 };

  CSystemInfo() = default;
  CSystemInfo(const CSystemInfo&) = default;
  CSystemInfo& operator=(const CSystemInfo&) = default;
  virtual ~CSystemInfo() = default;

  int operator!=(const CSystemInfo& other) const;
  int operator==(const CSystemInfo& other) const { return !(*this != other); }
  // Nonzero for a record that was never filled (every field at its default).
  int IsEmpty() const;

  std::string Name;
  std::string Address;
  std::string Description;
  std::int32_t ConnectionType = LocalNetwork;
  std::string ContactName;
  std::string Location;
  std::string Comments;
  std::string DialEntry;
  std::string DialPassword;
  std::string DialUserName;
  std::int32_t SslLevel = 0;    // 0 never, 1 always, 2 only for log-in and password changes
  std::int32_t SslPort = 636;
};

class ZEPHSCHEMA_API CLoginData {
 public:
  CLoginData() = default;
  CLoginData(std::string userId, std::string password, std::string location)
      : UserId(std::move(userId)), Password(std::move(password)), Location(std::move(location)) {}
  CLoginData(const CLoginData&) = default;
  CLoginData& operator=(const CLoginData&) = default;

  std::string UserId;
  std::string Password;
  std::string Location;
};

// Case-blind equality of system names (names also name certificate folders).
ZEPHSCHEMA_API bool SameSystemName(const std::string& a, const std::string& b);
// Whether a name may become a folder name or a batch argument: not empty, none of
// \ / : * ? " < > |, no "%", not "." or "..".
ZEPHSCHEMA_API bool IsUsableSystemName(const std::string& name);
