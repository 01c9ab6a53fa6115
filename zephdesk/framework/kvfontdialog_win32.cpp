#include "kvfontdialog.h"

#include <commdlg.h>

#include <utility>

namespace {

constexpr UINT kChooseFlags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_ANSIONLY | CF_FORCEFONTEXIST;

KvFontDialog& Installed()
{
    static KvFontDialog dialog;
    return dialog;
}

}  // namespace

bool KvRunFontDialog(HWND owner, LOGFONTA& font)
{
    if (Installed())
        return Installed()(owner, font);
    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.lpLogFont = &font;
    choose.Flags = kChooseFlags;
    return ::ChooseFontA(&choose) != FALSE;
}

void KvSetFontDialog(KvFontDialog dialog)
{
    Installed() = std::move(dialog);
}
