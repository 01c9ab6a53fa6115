#include "programfile/edfile/edfile_header.h"

#include <cstdlib>
#include <cstring>

#include "foundation/kvtextstm.h"
#include "foundation/kvtexttag.h"
#include "model/defset.h"
#include "model/formatlevels.h"
#include "model/modelcodes.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"

namespace zeph {
namespace {

constexpr const char* kCurrentText = "VLXV8.03";
constexpr double kCurrentVersion = 8.03;

const std::vector<EdField> kHeaderFields = {{"Version", EdKind::Text, 9}};

bool IsLabel(const std::string& text) { return text.compare(0, 4, "VLXV") == 0; }

// Newer than the model: a foreign label, or a number above 8.03 (no tolerance).
bool IsNewer(const std::string& text) {
  if (!IsLabel(text)) return true;
  const double file = std::atof(text.substr(4, 5).c_str());
  return file > std::atof("8.03");
}

void TakeVersion(EdContext& ctx, double version) {
  ctx.fileVersion = version;
  SetFileFormatLevels(version);
  ctx.levels = CurrentFileFormatLevels();
  ctx.parmLevel = ctx.levels.ParmRecordLevel;
}

}  // namespace

const char* VersionToText(double x) {
  if (x == 0) return kCurrentText;
  if (x - 5.06 < 0.01) return "VLXV5.06";
  if (x - 6.07 < 0.01) return "VLXV6.07";
  return kCurrentText;
}

double VersionOfText(const std::string& text) {
  if (text.size() <= 4) return 0;
  const std::string number = text.substr(4);
  if (number.compare(0, 4, "2.0A") == 0) return 2.001;
  return std::atof(number.c_str());
}

int WriteFileHeader() {
  const double target = DefinitionMode() == kDefinitionsOlder ? DefinitionVersion() : kCurrentVersion;
  const char* label = VersionToText(target);
  bool ok = WriteSectionTag(kSecVersion, false) == 1;
  if (ok) {
    // The label's field never needs escaping: it is one of the three version texts.
    std::string line = std::string("[") + label + ",]";
    if (std::strcmp(label, kCurrentText) != 0) line += kCurrentText;
    ok = WriteTextLine(line) == 1 && WriteSectionTag(kSecVersion, true) == 1;
  }
  if (!ok) return EdPrompt("Invalid file header found.\n Continue Saving?", kSecVersion);
  return 0;
}

int ReadFileHeader(EdContext& ctx) {
  std::string line;
  bool found = false;
  while (ctx.in->Next(line)) {
    if (line == "{VERSION}") {
      found = true;
      break;
    }
  }
  EdValues values(1);
  const bool readable = found && ctx.in->Next(line) && EdParseLine(line, kSecVersion, kHeaderFields, values) == 1;
  if (!readable) {
    if (const int rc = EdPrompt("Invalid file header found.\n Continue Loading?", kSecVersion); rc != 0) return rc;
    // Read on as a file of this version: its records are then taken as current ones.
    TakeVersion(ctx, kCurrentVersion);
    return 0;
  }
  // The layout version follows the close string when the label names an older server.
  std::string layout = values.Text(0);
  if (const std::size_t close = line.find(']'); close != std::string::npos) {
    const std::string tail = line.substr(close + 1);
    if (IsLabel(tail)) layout = tail;
  }
  if (const std::string* next = ctx.in->Peek(); next != nullptr && *next == "{EndofVersion}") {
    ctx.in->Next(line);
  }
  TakeVersion(ctx, VersionOfText(layout));
  if (IsNewer(layout) || IsNewer(values.Text(0))) return -169;
  return 0;
}

}  // namespace zeph
