#pragma once
// The texts that the field entries, the interface tables and the conversions show for the
// model message codes -101 to -197 ("" for any other code).

namespace zeph {

const char* PBMessageText(int code);

}  // namespace zeph
