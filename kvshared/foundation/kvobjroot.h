// KvObject: root class of the containers and of many framework classes.
#pragma once

#include "foundation/kvstring.h"

class KvObject {
public:
    KvObject();
    virtual ~KvObject();
    // An empty hook; no class overrides it.
    virtual void Hook() {}

    // Objects are not copied or compared.
    KvObject(const KvObject&) = delete;
    bool operator==(const KvObject&) const = delete;

    // Number of KvObject instances alive in the process (a leak diagnostic).
    static int GetLiveObjectCount();

protected:
    KvObject& operator=(const KvObject&) = default;
};

// An object that holds one string.
class KvTestObject : public KvObject {
public:
    explicit KvTestObject(const CString& text) : m_text(text) {}
    CString GetText() const { return m_text; }

private:
    CString m_text;
};
