#include "shell/document/textcopy.h"

#include <algorithm>
#include <cstring>

std::string KvBoundedText(const char* array, std::size_t width)
{
    std::size_t n = 0;
    while (n < width && array[n] != '\0')
        ++n;
    return std::string(array, n);
}

void KvCopyToArray(char* array, std::size_t width, const char* text)
{
    if (width == 0)
        return;
    std::memset(array, 0, width);
    if (text == nullptr)
        return;
    const std::size_t n = std::min(std::strlen(text), width - 1);
    std::memcpy(array, text, n);
}
