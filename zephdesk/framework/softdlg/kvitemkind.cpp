#include "framework/softdlg/kvitemkind.h"

#include "framework/definitions/defs_ids.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftrec.h"

namespace {

constexpr KvItemKind kVoice = {false,
                               LINK_APP_VOICE_ITEMS,
                               F_VI_NAME,
                               F_VI_ID,
                               F_VI_IN_USE,
                               DLG_VOICE_ITEM_ADD,
                               11050,
                               DLG_VOICE_ITEM_CONTENT,
                               11055,
                               DLG_VOICE_ITEM,
                               11060,
                               8047,
                               8046,
                               8086,
                               "<new voice item>"};

constexpr KvItemKind kFax = {true,
                             LINK_APP_FAX_ITEMS,
                             F_FI_NAME,
                             F_FI_ID,
                             F_FI_IN_USE,
                             DLG_FAX_ITEM_ADD,
                             11070,
                             DLG_FAX_ITEM_CONTENT,
                             11075,
                             DLG_FAX_ITEM,
                             11080,
                             8049,
                             8048,
                             8087,
                             "<new fax item>"};

constexpr WORD kVoiceFlag = 0x0001;
constexpr WORD kFaxFlag = 0x0002;

}  // namespace

const KvItemKind* KvItemKind::OfFlags(WORD flags)
{
    const bool voice = (flags & kVoiceFlag) != 0;
    const bool fax = (flags & kFaxFlag) != 0;
    if (voice == fax)
        return nullptr;
    return voice ? &kVoice : &kFax;
}

KvSoftRec* KvItemKind::NewItem(ShellServices& shell) const
{
    return fax ? shell.NewFaxItem() : shell.NewVoiceItem();
}

bool KvItemKind::CheckRecord(ShellServices& shell, KvSoftRec& record, bool& nameFree, bool& idFree) const
{
    const CString name = KvFieldValue(nameField, &record).AsText();
    const int id = KvFieldValue(idField, &record).AsInt16();
    nameFree = idFree = true;
    return fax ? shell.CheckNewFaxItem(name, id, nameFree, idFree)
               : shell.CheckNewVoiceItem(name, id, nameFree, idFree);
}

bool KvItemKind::IsNameFree(ShellServices& shell, const char* name) const
{
    // Only the name's answer counts; the ID asked with is one the check is known to take.
    bool nameFree = true, idFree = true;
    if (fax)
        shell.CheckNewFaxItem(name, 1000, nameFree, idFree);
    else
        shell.CheckNewVoiceItem(name, 1000, nameFree, idFree);
    return nameFree;
}

void KvItemKind::Hold(ShellServices& shell, KvSoftRec& record, bool clearFirst) const
{
    if (fax)
        shell.HoldFaxItem(record, clearFirst);
    else
        shell.HoldVoiceItem(record, clearFirst);
}

bool KvItemKind::ClipboardHasNone(ShellServices& shell) const
{
    return fax ? shell.IsClipboardWithoutFaxItem() : shell.IsClipboardWithoutVoiceItem();
}

void KvItemKind::Paste(ShellServices& shell, const std::vector<zeph::TClipInfo>& decisions) const
{
    if (fax)
        shell.PasteClipboardFaxItems(decisions);
    else
        shell.PasteClipboardVoiceItems(decisions);
}
