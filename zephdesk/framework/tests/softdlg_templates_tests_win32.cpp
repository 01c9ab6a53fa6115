// The dialog templates of the soft dialog definitions: every control a definition names (its
// soft controls and their members, its data links, the targets of its reactions) is in the
// template, with the window class and styles its soft control needs.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/definitions/defs_ids.h"
#include "framework/softdlg/kvsdlgdf.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvtokens.h"
#include "softrec_fixture.h"

namespace {

const WORD kDialogs[] = {14501, 14502, 14503, 14504, 14505, 14506, 14507, 14508, 14509, 14510, 14511,
                         14512, 14513, 14514, 14515, 14516, 14517, 14518, 14519, 14520, 15001, 15002,
                         15003, 15101, 15102, 15103, 15104, 15105, 15106, 15107, 15108, 15109, 15110,
                         15111, 15112, 15113, 16004, 16005};

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

std::vector<const KvStatement*> Body(const KvMultiLineStatement* list)
{
    std::vector<const KvStatement*> statements;
    for (int i = 0; list != nullptr && i < list->GetNbStatements(kKvKindBody); ++i)
        statements.push_back(list->GetStatement(kKvKindBody, i));
    return statements;
}

class TemplateCheck {
public:
    TemplateCheck(HWND dialog, WORD defId) : m_dialog(dialog), m_defId(defId) {}

    HWND Control(WORD id)
    {
        HWND control = ::GetDlgItem(m_dialog, id);
        EXPECT_NE(control, nullptr) << "control " << id << " of " << m_defId;
        return control;
    }
    std::string Class(WORD id)
    {
        char name[64] = "";
        ::GetClassNameA(Control(id), name, sizeof name);
        return name;
    }
    LONG Style(WORD id) { return ::GetWindowLongA(Control(id), GWL_STYLE); }

    void Edit(WORD id) { EXPECT_EQ(Class(id), "Edit") << id; }
    void Button(WORD id) { EXPECT_EQ(Class(id), "Button") << id; }
    void ReportList(WORD id)
    {
        EXPECT_EQ(Class(id), "SysListView32") << id;
        EXPECT_EQ(Style(id) & LVS_TYPEMASK, LVS_REPORT) << id;
    }
    void DropDownList(WORD id)
    {
        EXPECT_EQ(Class(id), "ComboBox") << id;
        EXPECT_EQ(Style(id) & 3, CBS_DROPDOWNLIST) << id;
        EXPECT_EQ(Style(id) & CBS_SORT, 0) << id;
    }
    // A linked control without its own statement: an edit, or an automatic check box.
    void Plain(WORD id)
    {
        const std::string name = Class(id);
        if (name == "Button")
            EXPECT_EQ(Style(id) & BS_TYPEMASK, BS_AUTOCHECKBOX) << id;
        else
            EXPECT_EQ(name, "Edit") << id;
    }

    void Statement(const KvStatement& s)
    {
        const WORD id = s.GetOperand(0);
        std::vector<WORD> members;
        for (const KvStatement* m : Body(s.GetType() == kKvStmGroupCtrl ? static_cast<const KvMultiLineStatement*>(&s)
                                                                        : nullptr))
            members.push_back(m->GetOperand(0));
        auto member = [&](std::size_t i) { return i < members.size() ? members[i] : WORD(0); };
        switch (s.GetOperand(1)) {
        case 0x4004:
            Edit(id);
            break;
        case 0x4003:
            ReportList(id);
            break;
        case 0x4006:
            DropDownList(id);
            break;
        case 0x4071:
            for (WORD m : members)
                Control(m);
            break;
        case 0x4072: {
            int starts = 0;
            for (WORD m : members) {
                EXPECT_EQ(Style(m) & BS_TYPEMASK, BS_AUTORADIOBUTTON) << m;
                starts += (Style(m) & WS_GROUP) != 0 ? 1 : 0;
            }
            EXPECT_EQ(starts, 1) << id;
            break;
        }
        case 0x4076:
            ASSERT_GE(members.size(), 3u) << id;
            DropDownList(member(0));
            Control(member(1));
            Button(member(2));
            break;
        case 0x4077:
            ASSERT_EQ(members.size(), 6u) << id;
            ReportList(member(0));
            for (std::size_t i = 1; i < 6; ++i)
                Button(member(i));
            break;
        case 0x4078:
            ASSERT_EQ(members.size(), 2u) << id;
            EXPECT_EQ(Class(member(0)), UPDOWN_CLASSA) << id;
            EXPECT_EQ(Style(member(0)) & (UDS_SETBUDDYINT | UDS_AUTOBUDDY), UDS_SETBUDDYINT | UDS_AUTOBUDDY) << id;
            // The buddy edit comes just before its up-down.
            EXPECT_EQ(::GetWindow(Control(member(0)), GW_HWNDPREV), Control(member(1))) << id;
            Edit(member(1));
            break;
        case 0x4079:
            ASSERT_EQ(members.size(), 7u) << id;
            ReportList(member(0));
            Edit(member(1));
            Control(member(2));
            Edit(member(3));
            Control(member(4));
            DropDownList(member(5));
            Control(member(6));
            break;
        default:
            ADD_FAILURE() << "kind " << s.GetOperand(1) << " of " << id;
        }
    }

private:
    HWND m_dialog;
    WORD m_defId;
};

}  // namespace

using SoftDlgTemplateTest = SoftRecTest;

TEST_F(SoftDlgTemplateTest, EveryNamedControlIsInItsTemplateWithItsStyle)
{
    for (WORD defId : kDialogs) {
        SCOPED_TRACE(defId);
        KvSoftDlgDef* def = KvSoftDlgDef::Create(defId);
        HWND dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(def->GetDlgResID()), nullptr,
                                           &Quiet, 0);
        ASSERT_NE(dialog, nullptr) << "template " << def->GetDlgResID();
        TemplateCheck check(dialog, defId);
        const KvSection* controls = def->GetSoftControlSection();
        for (const KvStatement* s : Body(controls))
            check.Statement(*s);
        for (const KvStatement* link : Body(def->GetDataLinkSection())) {
            const WORD id = link->GetOperand(0);
            if (def->GetSoftCtrlStatement(id) == nullptr)
                check.Plain(id);
        }
        // Reactions address the dialog itself, its controls or its groups.
        KvObArray* notifications = def->GetSections(kKvSecNotification);
        for (int i = 0; i < def->GetNotificationCount(); ++i) {
            for (const KvStatement* s : Body(static_cast<const KvSection*>(notifications->GetAt(i)))) {
                if (s->GetType() != kKvStmReaction)
                    continue;
                const WORD target = s->GetOperand(0);
                if (target != defId && def->GetSoftCtrlStatement(target) == nullptr)
                    check.Control(target);
            }
        }
        ::DestroyWindow(dialog);
        def->Release();
        delete def;
    }
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// The list views' bitmap strips: 16-pixel cells on the magenta key.
TEST_F(SoftDlgTemplateTest, TheListBitmapsAreStripsOfSixteenPixelCells)
{
    for (int id : {BMP_LIST_IMAGES, BMP_LIST_STATES}) {
        HIMAGELIST images = ImageList_LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), 16, 0,
                                                 RGB(255, 0, 255), IMAGE_BITMAP, 0);
        ASSERT_NE(images, nullptr) << id;
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        EXPECT_EQ(cx, 16);
        EXPECT_EQ(cy, 16);
        EXPECT_GE(ImageList_GetImageCount(images), 2) << id;
        ImageList_Destroy(images);
    }
}
