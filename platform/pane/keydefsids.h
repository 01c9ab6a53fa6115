/* Control ids of the key-definition dialogs DIALOG_PARM2, DIALOG_RMAILPARMS,
   DIALOG_VCRPARM1 and DIALOG_RAMAILPARM1 (read by windres and the code that binds them). */
#ifndef ZEPHPANE_KEYDEFSIDS_H
#define ZEPHPANE_KEYDEFSIDS_H

#define IDC_KEYGRID_BASE 401        /* radio of row r, key column c: 401 + 16 r + c */
#define IDC_KEYGRID_ROW_STRIDE 16
#define IDC_LARGE_BYTES 513
#define IDC_LARGE_MSECS 514
#define IDC_SMALL_BYTES 515
#define IDC_SMALL_MSECS 516
#define IDC_LARGE_FWD 545
#define IDC_LARGE_BKWD 546
#define IDC_SMALL_FWD 547
#define IDC_SMALL_BKWD 548
#define IDC_ALL_KEYS 578
#define IDC_CLEAR_TYPE_AHEAD 579
#define IDC_IGNORE_FILE_ERROR 580

#endif
