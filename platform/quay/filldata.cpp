// The data parts of the run image: structures, segments with their initial data, variables,
// and the header fields taken from the script's fixed variables.
#include <unordered_map>

#include "quay/semantic.h"

namespace quay {

namespace {

std::uint32_t StringIndex(RunImage& image, const std::string& s) {
  for (std::size_t i = 0; i < image.strings.size(); ++i)
    if (image.strings[i] == s) return static_cast<std::uint32_t>(i);
  image.strings.push_back(s);
  return static_cast<std::uint32_t>(image.strings.size() - 1);
}

std::uint32_t StructIndex(const Type& t) {
  return t.base == Base::Struct ? static_cast<std::uint32_t>(t.structIndex) : kNone;
}

std::int32_t ReadInt32(const Semantic& s, const std::string& name) {
  const auto it = s.globalByName.find(name);
  if (it == s.globalByName.end()) return 0;
  const GlobalInfo& g = s.globals[static_cast<std::size_t>(it->second)];
  if (g.type.base != Base::Int32) return 0;
  const auto& data = s.segmentData[static_cast<std::size_t>(g.segment)];
  std::uint32_t v = 0;
  for (int b = 0; b < 4; ++b) v |= static_cast<std::uint32_t>(data[static_cast<std::size_t>(g.offset + b)]) << (8 * b);
  return static_cast<std::int32_t>(v);
}

std::string ReadText(const Semantic& s, const std::string& name) {
  const auto it = s.globalByName.find(name);
  if (it == s.globalByName.end()) return {};
  const GlobalInfo& g = s.globals[static_cast<std::size_t>(it->second)];
  if (g.type.base != Base::String) return {};
  const auto& data = s.segmentData[static_cast<std::size_t>(g.segment)];
  std::string text;
  for (std::int32_t i = 0; i < g.type.size && data[static_cast<std::size_t>(g.offset + i)]; ++i)
    text += static_cast<char>(data[static_cast<std::size_t>(g.offset + i)]);
  return text;
}

}  // namespace

void FillData(Semantic& s, RunImage& image) {
  std::unordered_map<std::string, std::uint32_t> fast;
  auto str = [&](const std::string& text) {
    const auto it = fast.find(text);
    if (it != fast.end()) return it->second;
    const std::uint32_t i = StringIndex(image, text);
    fast.emplace(text, i);
    return i;
  };
  for (const StructInfo& info : s.structs) {
    RunType t;
    t.name = str(info.name);
    t.size = static_cast<std::uint32_t>(info.size);
    for (const auto& f : info.fields)
      t.members.push_back({str(f.name), f.type.base, StructIndex(f.type), static_cast<std::uint32_t>(f.offset),
                           static_cast<std::uint32_t>(f.type.size), static_cast<std::uint32_t>(f.count)});
    image.types.push_back(std::move(t));
  }
  for (std::size_t i = 0; i < s.program->segments.size(); ++i)
    image.segments.push_back({str(s.program->segments[i].name), s.segmentData[i]});
  for (const GlobalInfo& g : s.globals)
    image.variables.push_back({str(g.name), g.type.base, StructIndex(g.type), static_cast<std::uint32_t>(g.type.size),
                               static_cast<std::uint32_t>(g.count), static_cast<std::uint32_t>(g.segment),
                               static_cast<std::uint32_t>(g.offset)});
  image.kind = s.protoByName.count("UserApp") ? 0 : 1;
  image.customerId = ReadInt32(s, "__CustID__");
  image.applicationId = ReadInt32(s, "__AppID__");
  image.name = ReadText(s, "__FileName__");
}

}  // namespace quay
