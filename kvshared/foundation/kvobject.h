// The object root and the containers of the common library.
#pragma once

#include "foundation/kvmapwob.h"
#include "foundation/kvobarray.h"
#include "foundation/kvobjroot.h"
#include "foundation/kvwordarr.h"
