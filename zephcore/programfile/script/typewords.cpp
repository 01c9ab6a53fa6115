// Type words and initial value texts of declarations.
#include "programfile/script/typewords.h"

#include <cstdint>
#include <cstring>

#include "model/datatypes.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "programfile/script/scriptcontext.h"

namespace zeph {
namespace {

struct Layout {
  int Code;
  const char* Text;
};

constexpr Layout kLayouts[] = {
    {9, "hhhhhhhiiih"},
    {10, "hhiiii"},
    {12, "iiiliiiiiii"},
    {13, "iiiih"},
    {14, "ihhhiiliiiiiiihiihiihis2s65"},
    {15, "iihilhhhhhi000000000"},
    {16, "iihhhhhhhhhhiii"},
    {24, "hhiiiii"},
    {26, "s20hhhhh"},
    {27, "iiihhhs64s64s64hhhiii"},
    {28, "s161hhhhhiihl"},
    {36, "ihhhhhih"},
    {37, "ihhhhhih"},
    {39, "hhs101s101s101s101s101s101s101s101"},
    {40, "s64s128s64s64iis18"},
    {42, "hhhhi"},
    {47, "iihhhhhhhhhhhhhhllilliiiiilililiiiiliiiliihhili"},
    {48, "hhhhhhhhhhhhs50s50s50s50s50s50iiiiiiiiiiiis9s9s9s9s9s9hhhhhh"},
    {49, "hhhhhhs50s50s50s50s50s50iiiiiiiiiiiis9s9s9s9s9s9hhhhhh"},
    {50, "hhhiiiiihihihi"},
    {51, "iiliii"},
    {54, "ihhhh"},
    {55, "hs257s513s41s129s129s61s129s121is121iiiih"},
    {56, "iiiiiiiiiiiiiii"},
    {57, "hhhhhhhhihhhhhh"},
    {58, "hhiiiiiiii"},
    {59, "iihhihh"},
    {60, "is41is161ihhhhhiiiiiiiiiiiiiiihiiiilihs41hiiihiih"},
    {61, "s257hhhhiiiiiiiiii"},
    {62, "hhhs61s129s61s129hh"},
    {63, "hhs61s61s257s61"},
};

// Reads values from a value block; bytes past its end are zero.
class ByteReader {
 public:
  ByteReader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}
  std::size_t Position() const { return at_; }
  void Seek(std::size_t at) { at_ = at; }

  std::int8_t I8() { return static_cast<std::int8_t>(Byte(at_++)); }
  std::int16_t I16() { return static_cast<std::int16_t>(U(2)); }
  std::int32_t I32() { return static_cast<std::int32_t>(U(4)); }
  float F32() {
    const std::uint32_t bits = static_cast<std::uint32_t>(U(4));
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  }
  double F64() {
    const std::uint64_t bits = U(8);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }
  // The zero-terminated text of the next n bytes (all n are consumed).
  std::string Text(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
      const unsigned char c = Byte(at_ + i);
      if (c == 0) break;
      s.push_back(static_cast<char>(c));
    }
    at_ += n;
    return s;
  }

 private:
  unsigned char Byte(std::size_t i) const { return bytes_ != nullptr && i < size_ ? bytes_[i] : 0; }
  std::uint64_t U(int n) {
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint64_t>(Byte(at_ + static_cast<std::size_t>(i))) << (8 * i);
    at_ += static_cast<std::size_t>(n);
    return v;
  }

  const unsigned char* bytes_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void Join(std::string& out, const std::string& value) {
  if (!out.empty()) out += ',';
  out += value;
}

// The values of a layout string, joined by ",".
std::string LayoutValues(const char* layout, ByteReader& in) {
  std::string out;
  for (const char* p = layout; *p != '\0';) {
    const char letter = *p++;
    switch (letter) {
      case 'i': Join(out, Format("%d", in.I16())); break;
      case 'l': Join(out, Format("%ld", static_cast<long>(in.I32()))); break;
      case 'h': Join(out, Format("0x%lX", static_cast<unsigned long>(static_cast<std::uint32_t>(in.I32())))); break;
      case '0': Join(out, "0"); break;
      case 's': {
        std::size_t n = 0;
        while (*p >= '0' && *p <= '9') n = n * 10 + static_cast<std::size_t>(*p++ - '0');
        Join(out, "\"" + in.Text(n) + "\"");
        break;
      }
      default: break;
    }
  }
  return out;
}

// A plain value of a member or variable type; false for types that have none.
bool PlainValue(int type, std::size_t size, ByteReader& in, std::string& out) {
  switch (type) {
    case kTypeCharacter: out = Format("%d", in.I8()); return true;
    case kTypeSmallInteger:
    case kTypeMenuK:
    case kTypeBoolean: out = Format("%d", in.I16()); return true;
    case kTypeInteger:
    case kTypeEntryParm:
    case kTypeDateNumber:
    case kTypeResPerm:
    case kTypeMenuParm: out = Format("%ld", static_cast<long>(in.I32())); return true;
    case kTypeSmallNumber: out = Format("%f", static_cast<double>(in.F32())); return true;
    case kTypeNumber: out = Format("%lf", in.F64()); return true;
    case kTypeString: out = "\"" + in.Text(size) + "\""; return true;
    case kTypeDateString: out = "\"" + in.Text(15) + "\""; return true;
    default: return false;
  }
}

int StructureSize(int id, SymbolTable& program) {
  const StructDef* def = FindStructureById(id, &program);
  return def != nullptr ? GetStructureSize(def, &program) : 0;
}

// The values of a structure's members, joined by ","; a member of structure type gives
// the values of its own plain members.
std::string MemberValues(const StructDef* def, ByteReader& in, SymbolTable& program, bool nested) {
  std::string out;
  for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
    const std::size_t start = in.Position();
    const int type = m->Type;
    std::size_t size = 0;
    if (type >= kFirstStructureId) {
      size = static_cast<std::size_t>(StructureSize(type, program));
      const StructDef* inner = FindStructureById(type, &program);
      if (!nested && inner != nullptr) {
        const std::string values = MemberValues(inner, in, program, true);
        if (!values.empty()) Join(out, values);
      }
    } else {
      size = static_cast<std::size_t>(GetMemberSize(m));
      std::string value;
      if (PlainValue(type, size, in, value)) {
        Join(out, value);
      } else if (!nested) {
        if (const char* layout = CodeLayoutString(type)) {
          const std::string values = LayoutValues(layout, in);
          if (!values.empty()) Join(out, values);
        }
      }
    }
    // Every member takes its own size, whatever was read of it.
    in.Seek(start + size);
  }
  return out;
}

}  // namespace

bool CodeTypeText(int code, int size, const StructDef* from, const StructList& list, std::string& out) {
  if (code >= kFirstStructureId) {
    for (const StructDef* def = from != nullptr ? from : list.First; def != nullptr; def = def->NextDef) {
      if (def->TypeNum == code) {
        out = std::string("structure ") + def->Name;
        return true;
      }
    }
    return false;
  }
  switch (code) {
    case kTypeNumber: out = "number"; return true;
    case kTypeString: out = Format("string(%d)", from == nullptr ? size + 1 : size); return true;
    case kTypeEntryParm:
    case kTypeResPerm:
    case kTypeMenuK:
    case kTypeMenuParm: out = "integer "; return true;
    case kTypeFaxDocument: out = "faxdocument"; return true;
    case kTypeVoiceSentence:
    case kTypeVSentenceVar: out = "vsentence"; return true;
    default: break;
  }
  // A code without a name has no word the compiler would know.
  const char* name = GetTypeTableName(code);
  if (name == nullptr || name[0] == '\0') return false;
  const BuiltinTypeEntry* entry = GetBuiltinTypeEntry(code);
  const bool structured = code != kTypeDateNumber && code != kTypeDateString && code != kTypeBoolean &&
                          entry != nullptr && entry->IsRecord != 0;
  out = structured ? std::string("structure ") + name : std::string(name);
  return true;
}

const char* CodeLayoutString(int code) {
  for (const Layout& l : kLayouts) {
    if (l.Code == code) return l.Text;
  }
  return nullptr;
}

std::string CodeInitialValueText(const unsigned char* bytes, std::size_t size, int code, int symbolSize,
                                 SymbolTable& program) {
  ByteReader in(bytes, size);
  if (const char* layout = CodeLayoutString(code)) return "{" + LayoutValues(layout, in) + "}";
  if (code >= kFirstStructureId) {
    const StructDef* def = FindStructureById(code, &program);
    return "{" + (def != nullptr ? MemberValues(def, in, program, false) : std::string()) + "}";
  }
  std::string value;
  PlainValue(code, static_cast<std::size_t>(symbolSize > 0 ? symbolSize : 0), in, value);
  return value;
}

}  // namespace zeph
