#include "editor/notes/textnoteobject.h"

#include "editor/notes/textnote.h"

namespace ed {

KvTextDObj::KvTextDObj(DrawnCanvas* canvas, KvTextUI* note, NoteCanvas* noteCanvas)
    : DisplayObject(canvas, note), noteCanvas_(noteCanvas) {}

KvTextUI* KvTextDObj::Note() const { return static_cast<KvTextUI*>(Object()); }

std::string KvTextDObj::GetStatusText() const { return NoteStatusText(Note()->Base().Text()); }

}  // namespace ed
