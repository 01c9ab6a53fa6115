/* Control ids of the name entry DIALOG_STRUCTNAME (read by windres and the code that binds
   them). */
#ifndef ZEPHPANE_STRUCTNAMEIDS_H
#define ZEPHPANE_STRUCTNAMEIDS_H

#define IDC_STRUCTNAME_NAME 366

#endif
