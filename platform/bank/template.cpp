// Template expansion with placeholders and nested conditional sections.
#include "bank/template.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kValueRoom = 1024;   // longest text one placeholder may give

class Expander {
 public:
  Expander(TemplateCallback callback, void* userData) : callback_(callback), userData_(userData) {}

  // Appends the expansion of text to out_; false on any fault.
  bool Run(const char* text) {
    std::vector<bool> keeping;   // one entry per open section: whether its text is kept
    const char* p = text;
    while (*p != '\0') {
      if (p[0] == '+' && p[1] == '<' && p[2] == '&' && p[3] == '<') {
        std::string name;
        const char* after = ReadName(p + 2, name);
        if (after == nullptr) return false;
        const bool outerKept = Kept(keeping);
        bool keep = false;
        if (outerKept) {
          char scratch[2] = {};
          const int answer = callback_(userData_, name.c_str(), 0, scratch, sizeof scratch);
          if (answer != 0 && answer != -1) return false;
          keep = answer == 0;
        }
        keeping.push_back(outerKept && keep);
        p = after;
        continue;
      }
      if (p[0] == '>' && p[1] == '+') {
        if (keeping.empty()) return false;
        keeping.pop_back();
        p += 2;
        continue;
      }
      if (p[0] == '&' && p[1] == '<') {
        std::string name;
        const char* after = ReadName(p, name);
        if (after == nullptr) return false;
        if (Kept(keeping)) {
          std::vector<char> value(kValueRoom, '\0');
          const int length = callback_(userData_, name.c_str(), 1, value.data(), kValueRoom);
          if (length < 0 || length >= kValueRoom) return false;
          out_.append(value.data(), static_cast<std::size_t>(length));
        }
        p = after;
        continue;
      }
      if (Kept(keeping)) out_.push_back(*p);
      ++p;
    }
    return keeping.empty();
  }

  const std::string& Output() const { return out_; }

 private:
  static bool Kept(const std::vector<bool>& keeping) { return keeping.empty() || keeping.back(); }

  // p points at "&<"; the name runs to the next ">". Returns the position after it.
  static const char* ReadName(const char* p, std::string& name) {
    const char* start = p + 2;
    const char* end = std::strchr(start, '>');
    if (end == nullptr || end == start) return nullptr;
    name.assign(start, end);
    return end + 1;
  }

  TemplateCallback callback_;
  void* userData_;
  std::string out_;
};

}  // namespace

int instantiate_template(const char* templateText, char* buffer, int size,
                         TemplateCallback callback, void* userData) {
  if (buffer != nullptr && size > 0) buffer[0] = '\0';
  if (templateText == nullptr || buffer == nullptr || size <= 0 || callback == nullptr) return 0;
  Expander expander(callback, userData);
  if (!expander.Run(templateText)) return 0;
  const std::string& out = expander.Output();
  if (out.size() + 1 > static_cast<std::size_t>(size)) return 0;
  std::memcpy(buffer, out.c_str(), out.size() + 1);
  return 1;
}
