/* Control ids of the create-variable dialog DIALOG_MAKEVAR (read by windres and the code
   that binds them). */
#ifndef ZEPHPANE_MAKEVARIDS_H
#define ZEPHPANE_MAKEVARIDS_H

#define IDC_MAKEVAR_TYPES 186
#define IDC_MAKEVAR_NAME 187
#define IDC_MAKEVAR_SIZE 188
#define IDC_MAKEVAR_COUNT 189
#define IDC_MAKEVAR_GLOBAL 190
#define IDC_MAKEVAR_PARAMETER 191
#define IDC_MAKEVAR_LOCAL 192
#define IDC_MAKEVAR_SYSTEM 193

#endif
