#include "shell/records/kvsegment.h"

#include <cstring>
#include <string>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "model/interface/vlx.h"
#include "model/vsentence.h"
#include "shell/records/segmenttypes.h"

namespace {

// A segment plays a file named by its text, or one named by the variable it refers to.
CString FileOf(const zeph::SentenceComponent& segment)
{
    if (segment.RefFlag == 0) {
        const char* path = segment.Area.Path;
        return CString(std::string(path, strnlen(path, sizeof segment.Area.Path)).c_str());
    }
    const VariableInfo* info = vlxGetVariableInfo(const_cast<zeph::SymP*>(&segment.Area.Ref));
    return CString(info != nullptr && info->Name != nullptr ? info->Name : "");
}

}  // namespace

KvSegment::KvSegment(const zeph::SentenceComponent& segment) : KvReadOnlyRecord(DEF_FILE_NAME)
{
    const char* type = KvSegmentTypeText(segment.Kind);
    KvFieldValue(F_FN_TYPE, this) = CString(type != nullptr ? type : "");
    KvFieldValue(F_FN_FILE, this) = FileOf(segment);
    KvFieldValue(F_FN_DESCRIPTION, this) = CString(segment.Text ? segment.Text->c_str() : "");
    Commit();
}
