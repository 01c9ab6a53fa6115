#include "model/interface/exits.h"

#include "foundation/kvmsgbox.h"
#include "model/pbcat.h"

namespace zeph {
namespace {

constexpr int kGroupCompleted = 1;
constexpr int kGroupFailed = 2;
constexpr std::uint8_t kExitMarked = 4;
constexpr std::uint8_t kExitPlainGrouped = 8;
constexpr std::uint8_t kExitPlainFailed = 16;
constexpr int kFirstGotoId = 5;

const char* HeadingLabel(int type, int group) {
  const PBType* slot = GetPBType(type);
  const char* label = slot == nullptr ? nullptr : group == kGroupFailed ? slot->FailedLabel : slot->CompletedLabel;
  if (label != nullptr) return label;
  return group == kGroupFailed ? "Failed*" : "Completed*";
}

void ShowTooManyGotos() {
  KvMessageBoxRequest request;
  request.text = kTooManyGotosText;
  request.style = kKvMbOk | kKvMbIconHand;
  KvMessageBox(request);
}

}  // namespace

bool FillVavurOrezoExits(VavurOrezoInfo& info, const PBFieldDef* table, int type) {
  int members[3] = {};
  int headingAt[3] = {-1, -1, -1};
  int count = 0;
  int nextId = kFirstGotoId;
  auto room = [&] {
    if (count < kMaxVavurOrezoExits) return true;
    ShowTooManyGotos();
    return false;
  };
  for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
    const PBFieldDef& field = table[i];
    if (!field.IsGoto()) continue;
    const std::uint8_t bits = field.GotoNotOnIcon;
    int group = 0;
    if (bits & scribe::kGotoGrouped) {
      group = (bits & scribe::kGotoFailedGroup) ? kGroupFailed : kGroupCompleted;
      if (headingAt[group] < 0) {
        if (!room()) return false;
        VavurOrezoExit& heading = info.Exits[count];
        heading = VavurOrezoExit();
        heading.Label = HeadingLabel(type, group);
        heading.Flags = kExitHeading;
        heading.Id = static_cast<std::uint8_t>(group);
        heading.Group = static_cast<std::uint8_t>(group);
        headingAt[group] = count++;
      }
    }
    if (!room()) return false;
    VavurOrezoExit& exit = info.Exits[count++];
    exit = VavurOrezoExit();
    exit.Label = field.GotoStrs;
    if (bits & scribe::kGotoHidden) {
      exit.Flags = kExitNotDrawn;
    } else {
      ++members[group];
    }
    if (bits & scribe::kGotoMarked) exit.Flags |= kExitMarked;
    if (bits & scribe::kGotoPlain) exit.Flags |= (bits & scribe::kGotoFailedGroup) ? kExitPlainFailed : kExitPlainGrouped;
    exit.Id = static_cast<std::uint8_t>(nextId++);
    exit.Group = static_cast<std::uint8_t>(group);
  }
  // A heading with no drawn member is not drawn either.
  for (int group : {kGroupCompleted, kGroupFailed}) {
    if (headingAt[group] >= 0 && members[group] == 0) info.Exits[headingAt[group]].Flags |= kExitNotDrawn;
  }
  info.ExitCount = static_cast<std::uint8_t>(count);
  return true;
}

}  // namespace zeph
