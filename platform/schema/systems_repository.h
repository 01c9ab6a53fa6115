#pragma once
// The stored list of configured systems of one kind: one file in the user's data folder,
// read at construction and written whole by Write (to a temporary name, then replacing the
// old file). A damaged file reads as an empty list with the reason in GetLastErrorText and
// is kept beside the new one as ".bad" at the next Write.
#include <string>
#include <vector>

#include "secret_protector.h"
#include "system_info.h"

class ZEPHSCHEMA_API CSystemsRepository {
 public:
  using Callback = void (*)(void* caller, const CSystemInfo& system, void* context);

  explicit CSystemsRepository(CSystemInfo::TApps kind);
  // The same with another protector of the dial-up password (tests).
  CSystemsRepository(CSystemInfo::TApps kind, SecretProtector& protector);

  int GetByName(const std::string& name, CSystemInfo& system) const;
  void ForEach(void* caller, Callback callback, void* context) const;
  int Set(const CSystemInfo& system);
  int DeleteByName(const std::string& name);
  int Write();
  const std::string& GetLastErrorText() const { return lastError_; }

  // Nonzero when `system` may be stored under its name: a usable name that no stored
  // system holds yet (an edited system keeping its name is stored with Set directly).
  static int IsNotExist(CSystemsRepository* store, const CSystemInfo* system);

  // The file of this store.
  const std::string& Path() const { return path_; }

 private:
  void Read();
  std::vector<CSystemInfo>::const_iterator Find(const std::string& name) const;

  SecretProtector& protector_;
  std::string path_;
  std::vector<CSystemInfo> systems_;
  bool damaged_ = false;
  std::string lastError_;
};
