#pragma once
// Control ids of the editor's dialog resources.
#define IDC_COMMENT_TEXT 101
#define IDD_COMMENT 1
