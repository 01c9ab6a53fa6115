// The folder values of the product's registry key.
#include <string>

#include "foundation/kvreg.h"
#include "foundation/kvvif.h"
#include "foundation/kvvifpath.h"

namespace {

// A folder value with its trailing separator (added when the value lacks one); false
// when missing, empty or too long for a path.
bool ReadFolderValue(const char* valueName, char* dst)
{
    if (dst == nullptr)
        return false;
    dst[0] = '\0';
    std::string value;
    if (!KvGetRegistry().ReadText(kKvProductKey, valueName, value) || value.empty())
        return false;
    if (value.size() + 1 > static_cast<std::size_t>(kKvPathMax))
        return false;  // a longer value counts as missing
    if (value.back() != '\\' && value.back() != '/') {
        const bool posixStyle = value.find('/') != std::string::npos && value.find('\\') == std::string::npos;
        value += posixStyle ? '/' : '\\';
    }
    return kvvif::CopyOut(dst, value, kKvPathMax);
}

}  // namespace

int GetProgDir(char* dst)
{
    return ReadFolderValue("ProgDir", dst) ? 1 : 0;
}

int GetIncludeDir(char* dst)
{
    return ReadFolderValue("IncludeDir", dst) ? 1 : 0;
}

int GetHelpDir(char* dst)
{
    return ReadFolderValue("HelpDir", dst) ? 1 : 0;
}
