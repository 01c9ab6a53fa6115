#include "editor/file/programrecord.h"

#include <cstddef>
#include <memory>
#include <sstream>
#include <string>

#include "editor/canvas/program.h"
#include "foundation/kvlserr.h"
#include "foundation/kvrecknd.h"
#include "foundation/kvrecord.h"
#include "foundation/kvtextstm.h"
#include "foundation/kvtexttag.h"

namespace ed {
namespace {

constexpr int kProgramSection = 5;
constexpr const char* kSaveFault = "Invalid file header found.\n Continue Saving?";
constexpr const char* kLoadFault = "Invalid file header found.\n Continue Loading?";

enum class Kind { Long, Bool, Byte, Text };

// One column of the application information: its name, kind, where it lives in the
// information and, for a text, its field size.
struct Column {
  const char* name;
  Kind kind;
  std::size_t offset;
  std::uint16_t size;
};

#define INFO(field) offsetof(ApplicationInfo, field)
// Columns 2 to 37 in their order; the id comes before them and the zoom level after.
constexpr Column kColumns[] = {
    {"custID", Kind::Long, INFO(custID), 0},
    {"appID", Kind::Long, INFO(appID), 0},
    {"mediaType", Kind::Long, INFO(mediaType), 0},
    {"description", Kind::Text, INFO(description), 256},
    {"name", Kind::Text, INFO(name), 61},
    {"spokenAppNameRecorded", Kind::Bool, INFO(spokenAppNameRecorded), 0},
    {"spokenAppName", Kind::Text, INFO(spokenAppName), 31},
    {"verfFaxNumber", Kind::Text, INFO(verfFaxNumber), 21},
    {"verificationFaxNumModifiable", Kind::Bool, INFO(verificationFaxNumModifiable), 0},
    {"verificationContactID", Kind::Text, INFO(verificationContactID), 31},
    {"telsetMaintPsswdNeeded", Kind::Bool, INFO(telsetMaintPsswdNeeded), 0},
    {"telsetMaintPsswd1", Kind::Byte, INFO(telsetMaintPsswd) + 0, 0},
    {"telsetMaintPsswd2", Kind::Byte, INFO(telsetMaintPsswd) + 1, 0},
    {"telsetMaintPsswd3", Kind::Byte, INFO(telsetMaintPsswd) + 2, 0},
    {"telsetMaintPsswd4", Kind::Byte, INFO(telsetMaintPsswd) + 3, 0},
    {"telsetMaintPsswd5", Kind::Byte, INFO(telsetMaintPsswd) + 4, 0},
    {"telsetMaintPsswd6", Kind::Byte, INFO(telsetMaintPsswd) + 5, 0},
    {"telsetMaintPsswd7", Kind::Byte, INFO(telsetMaintPsswd) + 6, 0},
    {"telsetMaintPsswd8", Kind::Byte, INFO(telsetMaintPsswd) + 7, 0},
    {"monitorThruDial", Kind::Bool, INFO(monitorThruDial), 0},
    {"expansionDigits", Kind::Text, INFO(expansionDigits), 17},
    {"enforceDial", Kind::Bool, INFO(enforceDial), 0},
    {"importable", Kind::Bool, INFO(importable), 0},
    {"compiledOK", Kind::Bool, INFO(compiledOK), 0},
    {"confirmationPromptModifiableByTelset", Kind::Bool, INFO(confirmationPromptModifiableByTelset), 0},
    {"lockingPC", Kind::Text, INFO(lockingPC), 31},
    {"lockingUserID", Kind::Text, INFO(lockingUserID), 40},
    {"modificationNum", Kind::Long, INFO(modificationNum), 0},
    {"Visible", Kind::Bool, INFO(visible), 0},
    {"VersionNum", Kind::Long, INFO(versionNum), 0},
    {"PreviousVersionNum", Kind::Long, INFO(previousVersionNum), 0},
    {"VolumeID", Kind::Long, INFO(volumeID), 0},
    {"RUNFilePath", Kind::Text, INFO(runFilePath), 101},
    {"RLLFilePath", Kind::Text, INFO(rllFilePath), 101},
    {"MISAFilePath", Kind::Text, INFO(misaFilePath), 101},
    {"EDFilePath", Kind::Text, INFO(edFilePath), 101},
};
#undef INFO
static_assert(sizeof kColumns / sizeof kColumns[0] == 36);

// The column counts a header line may have: the id alone, up to the modification number,
// up to the file paths, and with the zoom level.
constexpr int kColumnCounts[] = {38, 37, 29, 1};

AbstrField* MakeField(const Column& c) {
  switch (c.kind) {
    case Kind::Long: return new LONG_Field(c.name);
    case Kind::Bool: return new BOOL_Field(c.name);
    case Kind::Byte: return new UCHAR_Field(c.name);
    default: return new STRING_Field(c.name, c.size);
  }
}

// The record of the first count columns.
std::unique_ptr<AbstrRecord> MakeRecord(int count) {
  auto record = std::make_unique<AbstrRecord>();
  record->AddField(new LONG_Field("ID"));
  for (int i = 0; i + 1 < count && i < 36; ++i) record->AddField(MakeField(kColumns[i]));
  if (count == 38) record->AddField(new LONG_Field("ZoomLevel"));
  return record;
}

}  // namespace

int WriteProgramRecord(Program& program, short& errorMode) {
  auto record = MakeRecord(38);
  const std::int32_t id = program.GetID();
  record->GetField(0)->SetValue(&id);
  auto* info = reinterpret_cast<unsigned char*>(&program.AppInfo());
  for (int i = 0; i < 36; ++i) record->GetField(i + 1)->SetValue(info + kColumns[i].offset);
  const std::int32_t zoom = program.ZoomLevel();
  record->GetField(37)->SetValue(&zoom);
  if (record->WriteText(kProgramSection)) return 1;
  return ReportLoadSaveError(errorMode, kSaveFault, kProgramSection);
}

int ReadProgramRecord(Program& program, short& errorMode) {
  std::string line;
  if (!ReadTextLine(line)) return ReportLoadSaveError(errorMode, kLoadFault, kProgramSection);
  if (line == GetSectionTag(kProgramSection, true)) return 2;
  // Try the column counts on the line alone, widest first.
  std::iostream* shared = GetTextStream();
  for (int count : kColumnCounts) {
    std::stringstream one(line + "\n");
    SetTextStream(&one);
    auto record = MakeRecord(count);
    const int read = record->ReadText(kProgramSection);
    SetTextStream(shared);
    if (read != kKvTextRecord) continue;
    std::int32_t value = 0;
    record->GetField(0)->GetValue(&value);
    program.SetID(value);
    auto* info = reinterpret_cast<unsigned char*>(&program.AppInfo());
    for (int i = 0; i + 1 < count && i < 36; ++i) record->GetField(i + 1)->GetValue(info + kColumns[i].offset);
    if (count == 38) {
      record->GetField(37)->GetValue(&value);
      program.SetZoomLevel(value);
    }
    return 1;
  }
  return ReportLoadSaveError(errorMode, kLoadFault, kProgramSection);
}

}  // namespace ed
