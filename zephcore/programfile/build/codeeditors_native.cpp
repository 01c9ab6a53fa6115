// Natively there are no editor windows: until a host is set, editors are not opened.
#ifndef _WIN32
#include "programfile/build/codeeditors.h"

namespace zeph {
CodeEditorHost* PlatformCodeEditorHost() { return nullptr; }
}  // namespace zeph
#endif
