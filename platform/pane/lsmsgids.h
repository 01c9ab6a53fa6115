/* Control ids of the load and save error dialog ULVO_LS_MSG (read by windres and the code
   that binds them). */
#ifndef ZEPHPANE_LSMSGIDS_H
#define ZEPHPANE_LSMSGIDS_H

#define IDC_LSMSG_TEXT 501
#define IDC_LSMSG_LOGONLY 441
#define IDC_LSMSG_HELP 9

#endif
