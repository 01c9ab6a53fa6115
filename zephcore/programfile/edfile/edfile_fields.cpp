#include "programfile/edfile/edfile_fields.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "foundation/kvrecknd.h"
#include "foundation/kvrecord.h"
#include "foundation/kvtextdlm.h"
#include "programfile/edfile/edfile_context.h"

namespace zeph {
namespace {

constexpr std::size_t kTextLimit = 0xFFFF;

void PutLE(unsigned char* out, std::uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::int64_t GetLE(const unsigned char* in, int bytes, bool isSigned) {
  std::uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint64_t>(in[i]) << (8 * i);
  if (isSigned && bytes < 8 && (v >> (8 * bytes - 1)) != 0) v |= ~0ULL << (8 * bytes);
  return static_cast<std::int64_t>(v);
}

// A record of the table; text fields are `width` wide (at least their table width).
std::unique_ptr<AbstrRecord> Build(const std::vector<EdField>& fields, const std::vector<std::size_t>& widths) {
  auto record = std::make_unique<AbstrRecord>();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const EdField& f = fields[i];
    switch (f.Kind) {
      case EdKind::Uchar: record->AddField(new UCHAR_Field(f.Name)); break;
      case EdKind::Short: record->AddField(new SHORT_Field(f.Name)); break;
      case EdKind::Long: record->AddField(new LONG_Field(f.Name)); break;
      case EdKind::Float: record->AddField(new FLOAT_Field(f.Name)); break;
      case EdKind::Double: record->AddField(new DOUBLE_Field(f.Name)); break;
      case EdKind::Text:
        record->AddField(new STRING_Field(f.Name, static_cast<std::uint16_t>(widths[i])));
        break;
    }
  }
  return record;
}

}  // namespace

int EdWriteLine(int sectionKind, const std::vector<EdField>& fields, const EdValues& values) {
  std::vector<std::size_t> widths(fields.size(), 0);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].Kind != EdKind::Text) continue;
    const std::size_t need = values[i].Text.size() + 1;
    if (need > kTextLimit) return 0;
    widths[i] = std::max<std::size_t>(fields[i].Width, need);
  }
  std::unique_ptr<AbstrRecord> record = Build(fields, widths);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    unsigned char bytes[8] = {};
    AbstrField* field = record->GetField(static_cast<int>(i));
    switch (fields[i].Kind) {
      case EdKind::Uchar: PutLE(bytes, static_cast<std::uint64_t>(values[i].Number), 1); field->SetValue(bytes); break;
      case EdKind::Short: PutLE(bytes, static_cast<std::uint64_t>(values[i].Number), 2); field->SetValue(bytes); break;
      case EdKind::Long: PutLE(bytes, static_cast<std::uint64_t>(values[i].Number), 4); field->SetValue(bytes); break;
      case EdKind::Float: {
        const float f = static_cast<float>(values[i].Real);
        std::uint32_t u;
        std::memcpy(&u, &f, 4);
        PutLE(bytes, u, 4);
        field->SetValue(bytes);
        break;
      }
      case EdKind::Double: {
        std::uint64_t u;
        std::memcpy(&u, &values[i].Real, 8);
        PutLE(bytes, u, 8);
        field->SetValue(bytes);
        break;
      }
      case EdKind::Text: static_cast<STRING_Field*>(field)->SetText(values[i].Text); break;
    }
  }
  return record->WriteText(sectionKind) == 1 ? 1 : 0;
}

int EdParseLine(const std::string& line, int sectionKind, const std::vector<EdField>& fields, EdValues& values) {
  // Text fields are as wide as the whole line, so every text the line carries fits.
  std::vector<std::size_t> widths(fields.size(), std::min<std::size_t>(line.size() + 1, kTextLimit));
  std::unique_ptr<AbstrRecord> record = Build(fields, widths);
  const int rc = TheLineParser().Parse(line, [&] { return record->ReadText(sectionKind); });
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const AbstrField* field = record->GetField(static_cast<int>(i));
    const unsigned char* v = field->GetValuePtr();
    switch (fields[i].Kind) {
      case EdKind::Uchar: values[i].Number = GetLE(v, 1, false); break;
      case EdKind::Short: values[i].Number = GetLE(v, 2, true); break;
      case EdKind::Long: values[i].Number = GetLE(v, 4, true); break;
      case EdKind::Float: {
        const auto u = static_cast<std::uint32_t>(GetLE(v, 4, false));
        float f;
        std::memcpy(&f, &u, 4);
        values[i].Real = f;
        break;
      }
      case EdKind::Double: {
        const auto u = static_cast<std::uint64_t>(GetLE(v, 8, false));
        std::memcpy(&values[i].Real, &u, 8);
        break;
      }
      case EdKind::Text: values[i].Text = static_cast<const STRING_Field*>(field)->GetText(); break;
    }
  }
  return rc == kKvTextRecord ? 1 : 0;
}

bool EdLineOpensAs(const std::string& line, int sectionKind) {
  const delimiter set(static_cast<unsigned int>(sectionKind));
  return set.HasLine() && line.compare(0, set.open.size(), set.open) == 0;
}

}  // namespace zeph
