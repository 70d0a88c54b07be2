#include <gtest/gtest.h>

#include "desk_fixture.h"
#include "taglib/publish.h"
#include "taglib/text.h"

namespace taggen::testing {
namespace {

constexpr std::string_view kBox = "首页结果输出";

TEST(TextRules, EmptyMeansNoBytesAndJoinAddsNothingBetween) {
    EXPECT_TRUE(is_empty_text(""));
    EXPECT_FALSE(is_empty_text(" "));
    EXPECT_FALSE(is_empty_text("\r\n"));
    EXPECT_EQ(join_texts({"ab", "", "cd"}), "abcd");
    EXPECT_EQ(join_texts({""}), "");
    EXPECT_EQ(join_texts({}), "");
    EXPECT_EQ(join_texts({"a\r\n", "\t", "　"}), "a\r\n\t　");
}

using PublishTest = DeskFixture;

TEST_F(PublishTest, WritesThenCopiesWhatTheBoxHolds) {
    form.type(kBox, "typed by the user");
    publish(desk(), kBox, "a \r\nb\t");
    expect_published(kBox, "a \r\nb\t");
    ASSERT_EQ(form.calls.size(), 3u);
    EXPECT_EQ(form.calls[0].kind, Call::Write);
    EXPECT_EQ(form.calls[1].kind, Call::ReadText);
    EXPECT_EQ(form.calls[1].control, kBox);
    EXPECT_EQ(form.calls[2].kind, Call::Clip);
}

TEST_F(PublishTest, CopyAloneTakesTheBoxAsItIsEvenWhenEmpty) {
    clipboard.content = "something of another program";
    copy_box_to_clipboard(desk(), kBox);
    expect_published(kBox, "");

    form.type(kBox, "user text\r\n");
    copy_box_to_clipboard(desk(), kBox);
    expect_published(kBox, "user text\r\n");
    EXPECT_EQ(clipboard.puts, 2);
}

TEST_F(PublishTest, ClipboardHeldByAnotherProgramKeepsItsContentAndTheBoxIsWritten) {
    clipboard.content = "old";
    clipboard.mode = MemoryClipboard::Mode::Busy;
    publish(desk(), kBox, "new");
    EXPECT_EQ(form.text(kBox), "new");
    EXPECT_EQ(clipboard.content, "old");

    clipboard.mode = MemoryClipboard::Mode::Works;
    publish(desk(), kBox, "newer");
    expect_published(kBox, "newer");
}

TEST_F(PublishTest, RefusedMemoryLeavesTheClipboardEmptyAndTheBoxWritten) {
    clipboard.content = "old";
    clipboard.mode = MemoryClipboard::Mode::OutOfMemory;
    publish(desk(), kBox, "new");
    EXPECT_EQ(form.text(kBox), "new");
    EXPECT_FALSE(clipboard.content.has_value());
}

}  // namespace
}  // namespace taggen::testing
