#include "kvnamedtables.h"

#include <algorithm>

const KvFontEntry kKvFontTable[] = {
    {"icon_label", "arial", -11, 400},
    {"vavurorezo_label", "arial", -11, 400},
    {"status_line", "Helv", -10, 700},
    {"default_textnotes", "arial", -15, 400},
    {nullptr, nullptr, 0, 0},
};

const KvBrushEntry kKvBrushTable[] = {
    {"palette_background", 0xFFFFA5},
    {"selected_vavurorezo", 0x0000FF},
    {"normal_vavurorezo", 0x800000},
    {"unfinished_vavurorezo", 0xFF00FF},
    {"vavurorezo_background", 0xC0C0C0},
    {"vavurorezo_shadow", 0x808080},
    {"vavurorezo_highlight", 0xFFFFFF},
    {"vavurorezo_border", 0x000000},
    {"normal_gotoblock", 0x000000},
    {"vavurorezo_breakpoint", 0x0000FF},
    {"vavurorezo_current", 0x008000},
    {"text_note", 0x000000},
    {"selected_gotoblock", 0x0000FF},
    {"gotoblock_shadow", 0x808080},
    {"gotoblock_highlight", 0xFFFFFF},
    {"gotoblock_text_background", 0xC0FFFF},
    {"goto_line_block", 0x000000},
    {"goto_label_background", 0xCCCCFF},
    {"iconbox_background", 0xC0C0C0},
    {"status_background", 0xC0C0C0},
    {"status_highlight", 0xFFFFFF},
    {"status_shadow", 0x808080},
    {"status_divider", 0x000000},
    {nullptr, 0},
};

const KvPenEntry kKvPenTable[] = {
    {"vavurorezo_branch", 0, 1, 0x000000},
    {"normal_goto", 0, 1, 0x000000},
    {"selected_goto", 0, 2, 0x0000FF},
    {"stub_goto", 0, 1, 0xFF00FF},
    {"divider", 0, 0, 0x000000},
    {"page_grid", 0, 1, 0xC0C0C0},
    {"gray_frame", 0, 1, 0xC0C0C0},
    {"pink_frame", 0, 2, 0xFF00FF},
    {nullptr, 0, 0, 0},
};

int KvLimitFontHeight(int height)
{
    return std::min(height, -8);
}
