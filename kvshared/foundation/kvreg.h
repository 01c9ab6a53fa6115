// Registry values under the local-machine root, through a replaceable source: the
// Windows registry, or an in-memory table where there is none and in tests.
#pragma once

#include <map>
#include <string>
#include <utility>

class KvRegistry {
public:
    virtual ~KvRegistry() = default;
    // Reads text value valueName of key keyPath (below the local-machine root); false
    // when the key or the value is missing or the value is not text.
    virtual bool ReadText(const char* keyPath, const char* valueName, std::string& value) const = 0;
};

// Values held in memory; key paths and value names match without regard to case.
class KvMemoryRegistry : public KvRegistry {
public:
    void Set(const std::string& keyPath, const std::string& valueName, std::string text);
    void Remove(const std::string& keyPath, const std::string& valueName);
    void Clear() { m_values.clear(); }

    bool ReadText(const char* keyPath, const char* valueName, std::string& value) const override;

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};

// The current registry; the platform's own until one is set.
KvRegistry& KvGetRegistry();
// Makes registry current (not owned); null restores the platform's own.
void KvSetRegistry(KvRegistry* registry);
// The Windows registry on Windows; an empty KvMemoryRegistry elsewhere.
KvRegistry& KvPlatformRegistry();
