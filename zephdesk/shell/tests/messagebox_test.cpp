#include <gtest/gtest.h>

#include <string>

#include "foundation/kvscrpres.h"
#include "foundation/kvstrtab.h"
#include "shell/messages/uimsgbox.h"

namespace {

class UIMessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_texts.Set(9001, "Page %s has %d blocks");
        KvSetStringTable(&m_texts);
    }
    void TearDown() override {
        KvSetStringTable(nullptr);
        UISetMainWindow(nullptr);
    }
    KvMemoryStringTable m_texts;
    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
};

HWND FakeWindow(std::uintptr_t n) { return reinterpret_cast<HWND>(n); }

TEST_F(UIMessageBoxTest, EveryFormCaptionsWithTheProductAndFillsItsArguments) {
    UISetMainWindow(FakeWindow(0x10));
    m_presenter.Answer(kKvIdYes);
    EXPECT_EQ(UIMessageBox("%s: %d", "Error!", kKvMbYesNo, "count", 3), kKvIdYes);
    EXPECT_EQ(UIMessageBoxRes(9001, "Other", kKvMbOk, "Main", 7), kKvIdOk);
    EXPECT_EQ(UIMessageBoxWnd(FakeWindow(0x20), "plain", "X", kKvMbOk), kKvIdOk);
    EXPECT_EQ(UIMessageBoxResWnd(nullptr, 9001, "X", kKvMbOk, "P", 1), kKvIdOk);
    EXPECT_EQ(UIMessageBoxModRes(FakeWindow(0x30), nullptr, 9001, "X", kKvMbOk, "Q", 2), kKvIdOk);

    const auto& boxes = m_presenter.Boxes();
    ASSERT_EQ(boxes.size(), 5u);
    const struct {
        const char* text;
        HWND owner;
    } expected[] = {{"count: 3", FakeWindow(0x10)},
                    {"Page Main has 7 blocks", FakeWindow(0x10)},
                    {"plain", FakeWindow(0x20)},
                    {"Page P has 1 blocks", nullptr},
                    {"Page Q has 2 blocks", FakeWindow(0x30)}};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(boxes[i].text, expected[i].text);
        EXPECT_EQ(boxes[i].caption, "Flowsmith");
        EXPECT_EQ(boxes[i].owner, expected[i].owner ? KvBoxOwner::Window : KvBoxOwner::None);
        EXPECT_EQ(boxes[i].window, expected[i].owner);
    }
    EXPECT_EQ(boxes[0].style, std::uint32_t(kKvMbYesNo));
}

TEST_F(UIMessageBoxTest, MissingStringIdReturnsMinusOneWithoutABox) {
    EXPECT_EQ(UIMessageBoxRes(9999, "X", kKvMbOk), -1);
    EXPECT_EQ(UIMessageBoxResWnd(nullptr, 9999, "X", kKvMbOk), -1);
    EXPECT_EQ(UIMessageBoxModRes(nullptr, nullptr, 9999, "X", kKvMbOk), -1);
    EXPECT_TRUE(m_presenter.Boxes().empty());
}

TEST_F(UIMessageBoxTest, LongTextsAreCutToTheBoxBuffer) {
    std::string longText(300, 'x');
    UIMessageBox("%s", "X", kKvMbOk, longText.c_str());
    ASSERT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_EQ(m_presenter.Boxes()[0].text, std::string(127, 'x'));
}

}  // namespace
