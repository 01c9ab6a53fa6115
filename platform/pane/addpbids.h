/* Control ids of the Custom VavurOrezos dialog DIALOG_ADDPB (read by windres and the code
   that binds them). */
#ifndef ZEPHPANE_ADDPBIDS_H
#define ZEPHPANE_ADDPBIDS_H

#define IDC_ADDPB_SETUP 136
#define IDC_ADDPB_ADD 137
#define IDC_ADDPB_DELETE 138
#define IDC_ADDPB_NAME 151
#define IDC_ADDPB_LIST 186

#endif
