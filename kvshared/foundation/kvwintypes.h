// Basic platform type names used by the foundation's interfaces. They are the same
// definitions the Windows headers make, so a unit may include both in any order.
#pragma once

#include <cstdint>

typedef unsigned int UINT;
typedef unsigned short WORD;

struct HWND__;
typedef HWND__* HWND;

// Button ids of a platform message box.
enum KvBoxResult : int {
    kKvIdOk = 1,
    kKvIdCancel = 2,
    kKvIdAbort = 3,
    kKvIdRetry = 4,
    kKvIdIgnore = 5,
    kKvIdYes = 6,
    kKvIdNo = 7,
};

// Message box style bits (the platform's values).
enum KvBoxStyle : std::uint32_t {
    kKvMbOk = 0x0,
    kKvMbOkCancel = 0x1,
    kKvMbAbortRetryIgnore = 0x2,
    kKvMbYesNoCancel = 0x3,
    kKvMbYesNo = 0x4,
    kKvMbRetryCancel = 0x5,
    kKvMbTypeMask = 0xF,
    kKvMbIconHand = 0x10,
    kKvMbIconQuestion = 0x20,
    kKvMbIconExclamation = 0x30,
    kKvMbIconAsterisk = 0x40,
    kKvMbIconMask = 0xF0,
    kKvMbDefButton2 = 0x100,
    kKvMbDefButton3 = 0x200,
    kKvMbDefMask = 0xF00,
    kKvMbSystemModal = 0x1000,
};
