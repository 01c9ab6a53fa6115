// The two program diagnostics boxes as the user sees them: real message boxes with their
// captions, the report's texts word for word and one OK button.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/document/loopcheck.h"

namespace {

LoopBlock Block(const char* name, std::vector<LoopGoto> gotos)
{
    LoopBlock block;
    block.name = name;
    block.type = 100;
    block.exitCount = static_cast<int>(gotos.size());
    block.gotos = std::move(gotos);
    return block;
}

LoopGoto To(const char* output, const char* end)
{
    LoopGoto g;
    g.output = output;
    g.applicable = true;
    g.hasEnd = true;
    g.endName = end;
    return g;
}

// The whole text of the box, however long.
std::string BoxText(HWND box)
{
    HWND text = ::GetDlgItem(box, 0xFFFF);
    std::string shown(static_cast<std::size_t>(::GetWindowTextLengthA(text)) + 1, '\0');
    shown.resize(static_cast<std::size_t>(::GetWindowTextA(text, shown.data(), static_cast<int>(shown.size()))));
    return shown;
}

struct ShownBox {
    std::string caption, text;
    bool hasCancel = false;
};

}  // namespace

TEST(DiagnosticsBoxWindowTest, TheLoopAndUnreachableBoxesShowTheReportAsItIs)
{
    // Begin leads to Ask, which loops with one of its outputs; Play loops with its only one
    // and nothing leads to it.
    const std::vector<LoopPage> pages = {{Block("Begin", {To("Next", "Ask")}),
                                          Block("Ask", {To("Yes", "Ask"), To("No", "Begin")}),
                                          Block("Play", {To("Done", "Play")})}};
    const DiagnosticsReport report = AnalyseLoops(pages, kDiagHigh);
    ASSERT_FALSE(report.loopText.empty());
    ASSERT_FALSE(report.unreachableText.empty());
    const std::vector<KvMessageBoxRequest> boxes = DiagnosticsBoxes(report);
    ASSERT_EQ(boxes.size(), 2u);

    const char* const pictures[] = {"diagnostics_loops", "diagnostics_unreachable"};
    std::vector<ShownBox> shown;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        DialogDriver driver([&](HWND box) {
            ShownBox seen;
            char caption[128] = "";
            ::GetWindowTextA(box, caption, sizeof caption);
            seen.caption = caption;
            seen.text = BoxText(box);
            seen.hasCancel = ::GetDlgItem(box, IDCANCEL) != nullptr && ::IsWindowVisible(::GetDlgItem(box, IDCANCEL));
            shown.push_back(seen);
            SaveWindowPicture(box, pictures[i]);
            PostClick(box, IDOK);
        });
        EXPECT_EQ(KvMessageBox(boxes[i]), kKvIdOk);
        EXPECT_FALSE(driver.TimedOut());
    }
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, kLoopBoxCaption);
    EXPECT_EQ(shown[0].text, report.loopText);
    EXPECT_EQ(shown[1].caption, kUnreachableBoxCaption);
    EXPECT_EQ(shown[1].text, report.unreachableText);
    EXPECT_FALSE(shown[0].hasCancel);
    EXPECT_FALSE(shown[1].hasCancel);
}
