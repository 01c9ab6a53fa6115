#include "foundation/kvreg.h"

#include <cctype>

namespace {

KvRegistry* g_current = nullptr;

std::string Folded(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

void KvMemoryRegistry::Set(const std::string& keyPath, const std::string& valueName, std::string text)
{
    m_values[{Folded(keyPath), Folded(valueName)}] = std::move(text);
}

void KvMemoryRegistry::Remove(const std::string& keyPath, const std::string& valueName)
{
    m_values.erase({Folded(keyPath), Folded(valueName)});
}

bool KvMemoryRegistry::ReadText(const char* keyPath, const char* valueName, std::string& value) const
{
    if (keyPath == nullptr || valueName == nullptr)
        return false;
    const auto it = m_values.find({Folded(keyPath), Folded(valueName)});
    if (it == m_values.end())
        return false;
    value = it->second;
    return true;
}

KvRegistry& KvGetRegistry()
{
    return g_current != nullptr ? *g_current : KvPlatformRegistry();
}

void KvSetRegistry(KvRegistry* registry)
{
    g_current = registry;
}
