/* Control ids of the clipboard's dialogs DIALOG_CONFLICTS and DIALOG_CLIPBOARD (read by
   windres and the code that binds them). */
#ifndef ZEPHPANE_CLIPBOARDIDS_H
#define ZEPHPANE_CLIPBOARDIDS_H

#define IDC_CLIP_HELP 9
#define IDC_CLIP_LIST 300
#define IDC_CLIP_RENAME 301
#define IDC_CLIP_DONTCOPY 302
#define IDC_CLIP_USEEXISTING 303
#define IDC_CLIP_NEWNAME 103

#endif
