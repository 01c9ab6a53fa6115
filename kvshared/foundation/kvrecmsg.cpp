#include "foundation/kvrecmsg.h"

#include "foundation/kvmsgbox.h"

void KvRecordShowCopyRefused()
{
    KvMessageBoxRequest box;
    box.text = "Cannot copy record. Size is not the same!";
    box.caption = "ERROR";
    box.style = kKvMbOk;
    box.owner = KvBoxOwner::None;
    KvMessageBox(box);
}
