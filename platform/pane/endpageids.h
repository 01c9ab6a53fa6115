/* Control ids of the End Block label dialog DIALOG_END_PAGE (read by windres and the code
   that binds them). */
#ifndef ZEPHPANE_ENDPAGEIDS_H
#define ZEPHPANE_ENDPAGEIDS_H

#define IDC_ENDPAGE_LABEL 500

#endif
