// Tokens of the definition streams.
#pragma once

#include "foundation/kvwintypes.h"

enum KvToken : WORD {
    kKvTokEnd = 0x0000,
    kKvTokOpen = 0x0001,      // ends a header list; opens a block
    kKvTokClose = 0x0002,     // ends a section, statement list or block
    kKvTokThen = 0x0003,
    kKvTokElse = 0x0004,

    kKvSecReferences = 0x1001,
    kKvSecData = 0x1002,
    kKvSecVerification = 0x1004,
    kKvSecDlgDataLink = 0x1006,
    kKvSecSoftControl = 0x1007,
    kKvSecNotification = 0x1008,

    kKvStmVersion = 0x2001,
    kKvStmStyle = 0x2002,
    kKvStmNotif = 0x2301,
    kKvStmCondition = 0x3001,
    kKvStmExtension = 0x3002,
    kKvStmReaction = 0x3102,
    kKvStmMsgBox = 0x3103,
    kKvStmMsgBeep = 0x3104,
    kKvStmSoftDlg = 0x3201,
    kKvStmDlgRes = 0x3202,
    kKvStmField = 0x3203,
    kKvStmDataLink = 0x3204,
    kKvStmPlainCtrl = 0x3206,
    kKvStmGroupCtrl = 0x3207,
    kKvStmSubCtrl = 0x3208,
    kKvStmPropSheet = 0x3209,
    kKvStmParam = 0x320A,
    kKvStmDlgHelp = 0x320B,
};

// Statement lists of a multi-line statement, by kind.
enum KvStatementKind : WORD {
    kKvKindHeaders = 5,
    kKvKindBody = 4,
    kKvKindExtensions = 2,
    kKvKindBranch = 6,  // asked while reading a condition's branch; filed as the body
};
