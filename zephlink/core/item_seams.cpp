#include "item_seams.h"

#include "tone/zephtone.h"
#include "wire/zephwire.h"

namespace zlink {
namespace {
const ItemSeams kOutside = {Zephtone_RecordVoice, ZephwireWavToVoiceblk, ZephwireTiff2Faxblk};
const ItemSeams* g_seams = &kOutside;
}  // namespace

const ItemSeams& CurrentItemSeams() { return *g_seams; }
void SetItemSeams(const ItemSeams* seams) { g_seams = seams ? seams : &kOutside; }

}  // namespace zlink
