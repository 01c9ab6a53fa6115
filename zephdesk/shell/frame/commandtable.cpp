#include "shell/frame/commandtable.h"

namespace {

const MenuCommand kMenu[] = {
    {4128, "File", "&New...", "Ctrl+N"},
    {4129, "File", "&Open...", "Ctrl+O"},
    {4130, "File", "&Save", "Ctrl+S"},
    {4131, "File", "Save &As...", nullptr},
    {4132, "File", "&Close", nullptr},
    {4203, "File", "&Export", nullptr},
    {4229, "File", "&Undo Export", nullptr},
    {101, "File", "&Import...", nullptr},
    {4228, "File", "&Remove Import...", nullptr},
    {4230, "File", "&Delete...", nullptr},
    {4231, "File", "&Locks...", nullptr},
    {4232, "File", "&Properties...", nullptr},
    {4135, "File", "Print &Flow...", "Ctrl+P"},
    {51, "File", "Print &Block Details...", nullptr},
    {4178, "File", "Print &Voice/Fax Items...", nullptr},
    {4136, "File", "Prin&t Setup...", nullptr},
    {24310, "File", "E&xit", nullptr},
    {4138, "Edit", "Cu&t", "Ctrl+X"},
    {4139, "Edit", "&Copy", "Ctrl+C"},
    {4140, "Edit", "&Paste", "Ctrl+V"},
    {4141, "Edit", "&Delete", "Del"},
    {4150, "Edit", "&Rename", nullptr},
    {4202, "Edit", "&Block Properties...", nullptr},
    {4154, "Edit", "Reroute &Line", "Ctrl+R"},
    {4174, "Edit", "&Stub/Restore Line", "Ctrl+L"},
    {4096, "Edit|Hide/Show Outputs", "(No block selected)", nullptr},
    {4221, "Edit", "Create Text &Note", "Ctrl+T"},
    {4249, "Edit", "&Edit Text Note", "Ctrl+E"},
    {4222, "Edit", "Change Text Note &Font...", nullptr},
    {4142, "View", "Zoom &In", "Num +"},
    {4143, "View", "Zoom &Out", "Num -"},
    {4165, "View", "&Zoom Normal", "Ctrl+PgUp"},
    {4144, "View", "&Set Zoom...", nullptr},
    {4237, "View", "Pag&e Up", "PgUp"},
    {4238, "View", "Page &Down", "PgDn"},
    {4239, "View", "Page &Left", "Ctrl+Left"},
    {4240, "View", "Page &Right", "Ctrl+Right"},
    {4156, "View", "&Tool Bar", nullptr},
    {4162, "View", "&Palette", nullptr},
    {4195, "View", "Page &Grid", nullptr},
    {4233, "View", "F&ull screen", nullptr},
    {4210, "Options", "&Confirm Paste/Delete", nullptr},
    {4196, "Options", "Print &Frame", nullptr},
    {4247, "Options", "&Auto Name Vavurorezos", nullptr},
    {4248, "Options", "Auto &Save Options...", nullptr},
    {4223, "Options", "Set Default &Text Note Font...", nullptr},
    {4253, "Options|Program Diagnostics", "None", nullptr},
    {4250, "Options|Program Diagnostics", "Low", nullptr},
    {4251, "Options|Program Diagnostics", "Medium", nullptr},
    {4252, "Options|Program Diagnostics", "High", nullptr},
    {4254, "Options|Log Level", "Low", nullptr},
    {4255, "Options|Log Level", "Medium", nullptr},
    {4256, "Options|Log Level", "High", nullptr},
    {4145, "Define", "&Voice Items...", nullptr},
    {4146, "Define", "&Fax Items...", nullptr},
    {4160, "Help", "&Help Topics", "F1"},
    {4204, "Help", "Help on &Flowsmith", nullptr},
    {4205, "Help", "&Using Help...", nullptr},
    {4234, "Help", "&Tutorial...", nullptr},
    {4235, "Help", "Online Vantora &Documentation...", nullptr},
    {4161, "Help", "&About Flowsmith...", nullptr},
};

const Accelerator kKeys[] = {
    {4128, 'N', true},         {4129, 'O', true},          {4130, 'S', true},
    {4135, 'P', true},         {4138, 'X', true},          {4139, 'C', true},
    {4140, 'V', true},         {4141, kKeyDelete, false},  {4142, kKeyAdd, false},
    {4143, kKeySubtract, false}, {4160, kKeyF1, false},    {4165, kKeyPageUp, true},
    {4174, 'L', true},         {4201, kKeyEscape, false},  {4221, 'T', true},
    {4237, kKeyPageUp, false}, {4237, kKeyUp, true},       {4238, kKeyPageDown, false},
    {4238, kKeyDown, true},    {4239, kKeyLeft, true},     {4240, kKeyRight, true},
    {4241, kKeyUp, false},     {4242, kKeyDown, false},    {4243, kKeyLeft, false},
    {4244, kKeyRight, false},  {4245, kKeyHome, false},    {4246, kKeyHome, true},
    {4249, 'E', true},
};

const char* const kPopups[] = {"File", "Edit", "View", "Options", "Define", "Window", "Help"};

}  // namespace

std::span<const MenuCommand> MainMenuCommands() { return kMenu; }
std::span<const Accelerator> FrameAccelerators() { return kKeys; }
std::span<const char* const> MainMenuPopups() { return kPopups; }
