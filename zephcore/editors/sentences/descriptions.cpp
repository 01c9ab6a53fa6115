// Description files of prompt folders.
#include "editors/sentences/descriptions.h"

#include <cctype>
#include <cstdio>

#include "foundation/kvfsys.h"

namespace zeph {
namespace {

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

std::string Extension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string WithoutExtension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\r')); }

}  // namespace

std::string DescriptionPath(const std::string& folder, const std::string& name, const std::string& extension) {
  return folder + "\\" + WithoutExtension(name) + extension;
}

std::string ReadDescriptionText(const std::string& path, std::size_t limit) {
  std::FILE* f = KvGetFileSystem().Open(path.c_str(), "rb");
  if (f == nullptr) return std::string();
  std::string text(limit, '\0');
  const std::size_t n = std::fread(text.data(), 1, limit, f);
  std::fclose(f);
  text.resize(n);
  return text.substr(0, text.find('\0'));
}

bool WriteDescriptionText(const std::string& path, const std::string& text) {
  if (text.empty()) {
    KvGetFileSystem().Remove(path.c_str());
    return true;
  }
  std::FILE* f = KvGetFileSystem().Open(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && written;
}

std::vector<DescribedFile> DescribedFiles(const std::string& folder, const std::string& extension, std::size_t limit) {
  std::vector<std::string> names;
  auto listing = KvGetFileSystem().List(folder.c_str());
  for (std::string name; listing->Next(name);) names.push_back(name);
  std::vector<DescribedFile> lines;
  for (const std::string& name : names) {
    if (SameText(Extension(name), extension)) continue;
    lines.push_back({name, FirstLine(ReadDescriptionText(DescriptionPath(folder, name, extension), limit))});
  }
  for (const std::string& name : names) {
    if (!SameText(Extension(name), extension)) continue;
    DescribedFile line{WithoutExtension(name), FirstLine(ReadDescriptionText(folder + "\\" + name, limit))};
    bool listed = false;
    for (const DescribedFile& l : lines) listed = listed || (l.Name == line.Name && l.Description == line.Description);
    if (!listed) lines.push_back(line);
  }
  return lines;
}

std::string DescriptionResult(const std::string& name, const std::string& text, std::size_t size) {
  std::string soft = text;
  for (std::size_t at = soft.find("\r\r"); at != std::string::npos; at = soft.find("\r\r", at + 1)) soft[at] = ' ';
  std::string result = name + "\t" + soft;
  if (size > 0 && result.size() > size - 1) result.resize(size - 1);
  return result;
}

}  // namespace zeph
