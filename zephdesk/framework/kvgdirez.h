// KvGDIRez: base of the framework's objects that own a drawing resource.
#pragma once

#include "foundation/kvobjroot.h"

class KvGDIRez : public KvObject {
public:
    ~KvGDIRez() override = default;
};
