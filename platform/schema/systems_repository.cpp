#include "systems_repository.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "user_folder.h"
#include "systems_file.h"

namespace fs = std::filesystem;

namespace {

std::string StoreFileName(CSystemInfo::TApps kind) { return "systems" + std::to_string(kind) + ".txt"; }

}  // namespace

CSystemsRepository::CSystemsRepository(CSystemInfo::TApps kind)
    : CSystemsRepository(kind, PlatformSecretProtector()) {}

CSystemsRepository::CSystemsRepository(CSystemInfo::TApps kind, SecretProtector& protector)
    : protector_(protector), path_(UserDataFolder() + StoreFileName(kind)) {
  Read();
}

void CSystemsRepository::Read() {
  std::ifstream in(HostPathOf(path_), std::ios::binary);
  if (!in) return;  // no store yet: an empty list
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    damaged_ = true;
    lastError_ = "The systems file " + path_ + " cannot be read.";
    return;
  }
  SystemsFileResult parsed = ParseSystemsFile(text.str(), protector_);
  if (!parsed.problem.empty()) {
    damaged_ = true;
    lastError_ = "The systems file " + path_ + " is damaged (" + parsed.problem + ").";
    return;
  }
  systems_ = std::move(parsed.systems);
}

std::vector<CSystemInfo>::const_iterator CSystemsRepository::Find(const std::string& name) const {
  return std::find_if(systems_.begin(), systems_.end(),
                      [&](const CSystemInfo& s) { return SameSystemName(s.Name, name); });
}

int CSystemsRepository::GetByName(const std::string& name, CSystemInfo& system) const {
  const auto found = Find(name);
  if (found == systems_.end()) return 0;
  system = *found;
  return 1;
}

void CSystemsRepository::ForEach(void* caller, Callback callback, void* context) const {
  if (!callback) return;
  for (const CSystemInfo& s : systems_) callback(caller, s, context);
}

int CSystemsRepository::Set(const CSystemInfo& system) {
  if (!IsUsableSystemName(system.Name)) {
    lastError_ = "The system name \"" + system.Name + "\" cannot be stored.";
    return 0;
  }
  const auto found = Find(system.Name);
  if (found == systems_.end()) {
    systems_.push_back(system);
  } else {
    systems_[static_cast<std::size_t>(found - systems_.begin())] = system;
  }
  return 1;
}

int CSystemsRepository::DeleteByName(const std::string& name) {
  const auto found = Find(name);
  if (found == systems_.end()) return 0;
  systems_.erase(found);
  return 1;
}

int CSystemsRepository::Write() {
  std::string problem;
  const std::optional<std::string> text = FormatSystemsFile(systems_, protector_, problem);
  if (!text) {
    lastError_ = problem;
    return 0;
  }
  const fs::path target = HostPathOf(path_);
  std::error_code error;
  fs::create_directories(target.parent_path(), error);
  const fs::path temporary = fs::path(target).concat(".new");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << *text;
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temporary, error);
      lastError_ = "The systems file " + path_ + " cannot be written.";
      return 0;
    }
  }
  if (damaged_) {
    // Keep what could not be read for a look, rather than overwrite it.
    fs::rename(target, fs::path(target).concat(".bad"), error);
    if (error) {
      fs::remove(temporary, error);
      lastError_ = "The damaged systems file " + path_ + " cannot be set aside.";
      return 0;
    }
    damaged_ = false;
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    lastError_ = "The systems file " + path_ + " cannot be replaced.";
    return 0;
  }
  return 1;
}

int CSystemsRepository::IsNotExist(CSystemsRepository* store, const CSystemInfo* system) {
  if (!store || !system || !IsUsableSystemName(system->Name)) return 0;
  return store->Find(system->Name) == store->systems_.end() ? 1 : 0;
}
