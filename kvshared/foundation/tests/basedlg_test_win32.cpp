// The dialog base: template lookup in the given or main module, then the program's dialog
// library, the error box when neither has it; the Help button; the private window class.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "owl/testing/dialog_driver.h"
#include "dialog_fixture.h"
#include "foundation/kvbasedlg.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvreg.h"
#include "foundation/kvscrpres.h"
#include "foundation/kvvif.h"
#include "scribe/scribe.h"

namespace {

constexpr const char* kTemplate = "ULVO_LS_MSG";  // a template of the dialog library
constexpr int kHelpButton = 9;

class BaseDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(PaneModule().Status, 0);
        ASSERT_EQ(PaneCopyModule().Status, 0);
        ASSERT_NE(PaneModule().GetHandle(), PaneCopyModule().GetHandle());
        KvSetRegistry(&registry);
    }
    void TearDown() override { KvSetRegistry(nullptr); }

    // The boxes shown so far, as "caption|text".
    std::vector<std::string> Boxes() const
    {
        std::vector<std::string> shown;
        for (const auto& box : presenter.Boxes())
            shown.push_back(box.caption + "|" + box.text);
        return shown;
    }

    KvMemoryRegistry registry;
    KvScriptedPresenter presenter;
    KvScopedMessagePresenter scope{presenter};
};

// The module a dialog ended up with (null: none of its own).
TModule* OwnModuleOf(const TDialog& dialog)
{
    TModule* module = dialog.GetModule();
    return module == &DefaultModule() ? nullptr : module;
}

TEST_F(BaseDialogTest, TemplateIsLookedUpInTheGivenOrMainModuleThenTheDialogLibrary)
{
    TModule* program = &TestProgramModule();
    TModule* pane = &PaneModule();
    TModule* copy = &PaneCopyModule();
    struct Case {
        const char* what;
        TModule* given;
        TModule* mainModule;
        TModule* library;
        const char* name;
        TModule* expected;
        bool errorBox;
    };
    const Case cases[] = {
        {"main module lacks it: the library", nullptr, program, pane, kTemplate, pane, false},
        {"main module has it", nullptr, pane, copy, kTemplate, pane, false},
        {"given module has it", pane, program, copy, kTemplate, pane, false},
        {"given module lacks it: the library, not the main module", program, pane, copy, kTemplate, copy, false},
        {"neither has it", nullptr, program, program, "NO_SUCH_DIALOG", nullptr, true},
        {"neither has it: the given module stays", pane, program, copy, "NO_SUCH_DIALOG", pane, true},
        {"no library", nullptr, program, nullptr, kTemplate, nullptr, true},
        {"fake: no lookup", nullptr, program, pane, "FAKE", nullptr, false},
        {"fake in any case", program, program, pane, "fAkE", program, false},
    };
    for (const Case& c : cases) {
        presenter.Clear();
        TestProgramModules modules(c.mainModule, c.library);
        TBaseDialog dialog(nullptr, c.name, c.given);
        EXPECT_EQ(OwnModuleOf(dialog), c.expected) << c.what;
        if (c.errorBox) {
            ASSERT_EQ(presenter.Boxes().size(), 1u) << c.what;
            const auto& box = presenter.Boxes()[0];
            EXPECT_EQ(box.text, "Unable to load dialog.") << c.what;
            EXPECT_EQ(box.caption, "Error") << c.what;
            EXPECT_EQ(box.style, kKvMbOk | kKvMbIconExclamation) << c.what;
            EXPECT_EQ(box.owner, KvBoxOwner::None) << c.what;
        } else {
            EXPECT_TRUE(presenter.Boxes().empty()) << c.what;
        }
    }
}

TEST_F(BaseDialogTest, WithoutACurrentProgramOnlyTheGivenModuleIsSearched)
{
    ASSERT_EQ(KvGetDialogModules(), nullptr);
    TBaseDialog found(nullptr, kTemplate, &PaneModule());
    EXPECT_EQ(OwnModuleOf(found), &PaneModule());
    EXPECT_TRUE(presenter.Boxes().empty());

    TBaseDialog missing(nullptr, kTemplate);
    EXPECT_EQ(OwnModuleOf(missing), nullptr);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Error|Unable to load dialog."});
}

TEST_F(BaseDialogTest, RunsFromTheDialogLibraryWhenTheMainModuleLacksTheTemplate)
{
    TestProgramModules modules(&TestProgramModule(), &PaneCopyModule());
    TBaseDialog dialog(nullptr, kTemplate);
    HINSTANCE ranFrom = nullptr;
    std::string caption;
    DialogDriver driver([&](HWND window) {
        ranFrom = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(window, GWLP_HINSTANCE));
        char text[64] = "";
        ::GetWindowTextA(window, text, sizeof text);
        caption = text;
        PostClick(window, IDOK);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(ranFrom, PaneCopyModule().GetHandle());
    EXPECT_EQ(caption, "LOAD AND SAVE ERROR");
    EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(BaseDialogTest, AMissingTemplateIsReportedOnceAndTheDialogDoesNotRun)
{
    TestProgramModules modules(&TestProgramModule(), &PaneModule());
    TBaseDialog dialog(nullptr, "NO_SUCH_DIALOG");
    DialogDriver driver([](HWND window) { PostClick(window, IDCANCEL); }, 1000);
    EXPECT_EQ(dialog.Execute(), -1);
    EXPECT_FALSE(driver.Ran());
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Error|Unable to load dialog."});
}

TEST_F(BaseDialogTest, HelpCommandIsFoundInTheOwnTableBeforeTheDialogs)
{
    TestProgramModules modules(&TestProgramModule(), &PaneModule());
    TBaseDialog base(nullptr, kTemplate);
    TDialog plain(nullptr, kTemplate, &PaneModule());

    TEventInfo help = TEventInfo::ForCommand(kHelpButton, BN_CLICKED);
    ASSERT_TRUE(base.Find(help));
    TEventInfo plainHelp = TEventInfo::ForCommand(kHelpButton, BN_CLICKED);
    EXPECT_FALSE(plain.Find(plainHelp));

    // The dialog's own commands are still found, in TDialog's table.
    TEventInfo ok = TEventInfo::ForCommand(IDOK, BN_CLICKED);
    TEventInfo plainOk = TEventInfo::ForCommand(IDOK, BN_CLICKED);
    ASSERT_TRUE(base.Find(ok));
    ASSERT_TRUE(plain.Find(plainOk));
    EXPECT_EQ(ok.Entry, plainOk.Entry);
    EXPECT_NE(help.Entry, ok.Entry);
    TEventInfo other = TEventInfo::ForCommand(4321, BN_CLICKED);
    EXPECT_FALSE(base.Find(other));
}

TEST_F(BaseDialogTest, HelpButtonOpensTheTopicOrTheContentsOfTheDesignersHelpFile)
{
    const int topic = scribe::FindHelpID("DIALOG_VAR");
    ASSERT_NE(topic, 0);
    struct Case {
        const char* helpName;  // null: none set
        const char* helpDir;   // null: not configured
        UINT command;
        std::uintptr_t data;
        std::string path;
    };
    const Case cases[] = {
        {nullptr, nullptr, kKvHelpContents, 0, "zephdesk.hlp>proc4"},
        {nullptr, "C:\\Flowsmith\\Help", kKvHelpContents, 0, "C:\\Flowsmith\\Help\\zephdesk.hlp>proc4"},
        {"DIALOG_VAR", "C:\\Help\\", kKvHelpContext, static_cast<std::uintptr_t>(topic), "C:\\Help\\zephdesk.hlp>proc4"},
        {"No Such Topic", nullptr, kKvHelpContents, 0, "zephdesk.hlp>proc4"},
    };
    for (const Case& c : cases) {
        registry.Clear();
        if (c.helpDir != nullptr)
            registry.Set(kKvProductKey, "HelpDir", c.helpDir);
        TestProgramModules modules(&TestProgramModule(), &PaneModule());
        RecordingHelpEngine engine;
        TBaseDialog dialog(nullptr, kTemplate);
        if (c.helpName != nullptr) {
            EXPECT_EQ(dialog.SetHelpName(c.helpName), static_cast<int>(c.data)) << c.path;
        }
        HWND shown = nullptr;
        DialogDriver driver([&](HWND window) {
            shown = window;
            PostClick(window, kHelpButton);
            PostClick(window, IDCANCEL);
        });
        EXPECT_EQ(dialog.Execute(), IDCANCEL);
        EXPECT_FALSE(driver.TimedOut());
        ASSERT_EQ(engine.Requests().size(), 1u) << c.path;
        const auto& request = engine.Requests()[0];
        EXPECT_EQ(request.window, shown);
        EXPECT_EQ(request.path, c.path);
        EXPECT_EQ(request.command, c.command) << c.path;
        EXPECT_EQ(request.data, c.data) << c.path;
        EXPECT_TRUE(presenter.Boxes().empty());
    }
}

TEST_F(BaseDialogTest, AHelpEngineThatCannotStartIsReportedOverTheDialog)
{
    TestProgramModules modules(&TestProgramModule(), &PaneModule());
    RecordingHelpEngine engine(false);
    TBaseDialog dialog(nullptr, kTemplate);
    HWND shown = nullptr;
    DialogDriver driver([&](HWND window) {
        shown = window;
        PostClick(window, kHelpButton);
        PostClick(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(engine.Requests().size(), 1u);
    ASSERT_EQ(presenter.Boxes().size(), 1u);
    const auto& box = presenter.Boxes()[0];
    EXPECT_EQ(box.text, "Could not load WinHelp program.");
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.style, kKvMbOk | kKvMbIconExclamation);
    EXPECT_EQ(box.owner, KvBoxOwner::Window);
    EXPECT_EQ(box.window, shown);
    EXPECT_NE(shown, nullptr);
}

TEST_F(BaseDialogTest, WindowClassIsNeverAGlobalClass)
{
    TestProgramModules modules(&TestProgramModule(), &PaneModule());
    TBaseDialog dialog(nullptr, kTemplate);
    WNDCLASSA description{};
    description.style = CS_GLOBALCLASS | CS_DBLCLKS;
    dialog.GetWindowClass(description);
    EXPECT_EQ(description.style & CS_GLOBALCLASS, 0u);

    ULONG_PTR registeredStyle = CS_GLOBALCLASS;
    DialogDriver driver([&](HWND window) {
        registeredStyle = ::GetClassLongPtrA(window, GCL_STYLE);
        PostClick(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(registeredStyle & CS_GLOBALCLASS, 0u);
}

}  // namespace
