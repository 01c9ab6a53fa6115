/* Control ids of the variable set-up dialogs DIALOG_SETUP and DIALOG_SETUP_BOOLEAN (read by
   windres and the code that binds them). */
#ifndef ZEPHPANE_SETUPIDS_H
#define ZEPHPANE_SETUPIDS_H

#define IDC_SETUP_VALUE 386
#define IDC_SETUP_ON 701
#define IDC_SETUP_OFF 702

#endif
