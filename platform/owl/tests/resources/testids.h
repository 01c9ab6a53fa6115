/* Control, command and string ids of the test resources (read by windres and the tests). */
#ifndef OWL_TESTIDS_H
#define OWL_TESTIDS_H

#define IDC_NAME_EDIT 101
#define IDC_ITEM_LIST 102
#define IDC_ZOOM_COMBO 103
#define IDC_AUTO_CHECK 104
#define IDC_LABEL 105
#define IDC_SCROLL 106
#define IDC_PLAIN_CHECK 107
#define IDC_GROUP 110
#define IDC_KEY_GROUP 113
#define IDC_RADIO_FIRST 111
#define IDC_RADIO_SECOND 112
#define IDC_MISSING 199

#define IDC_PATH_FIRST 201
#define IDC_PATH_SECOND 202
#define IDC_PATH_CHECK 203

#define IDC_PAGE_ONE_EDIT 301
#define IDC_PAGE_TWO_EDIT 401

#define CM_PROBE 5001
#define CM_OTHER 5002

#define IDS_FIRST 1
#define IDS_SECOND 2
#define IDS_EXE 7

#endif
