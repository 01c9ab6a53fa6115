/* Control ids of the prompt database dialog DIALOG_PRDBS and the folder picker DIALOG_PATH
   (read by windres and the code that binds them). */
#ifndef ZEPHPANE_PROMPTDBIDS_H
#define ZEPHPANE_PROMPTDBIDS_H

/* Database i (0 SYSTEM, 1 USER, 2..10 DATABASE1..9): browse button 404 + 2i, edit 405 + 2i. */
#define IDC_PRDB_FIRSTBROWSE 404
#define IDC_PRDB_FIRSTEDIT 405
#define IDC_PRDB_LASTBROWSE 424
#define IDC_PRDB_LASTEDIT 425

#define IDC_PATH_FOLDER 101
#define IDC_PATH_LIST 102

#endif
