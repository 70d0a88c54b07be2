#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "memory_form.h"
#include "taglib/routing.h"

namespace taggen::testing {

// A form in its start state and a working clipboard, both logging into one call list.
struct DeskFixture : ::testing::Test {
    MemoryForm form;
    MemoryClipboard clipboard{&form.calls};

    Desk desk() { return {form, clipboard}; }

    void click(std::string_view radio) {
        form.check(radio);
        handle_event(desk(), radio, ControlEvent::Clicked);
    }
    void type(std::string_view box, std::string_view text) {
        form.type(box, text);
        handle_event(desk(), box, ControlEvent::ContentChanged);
    }
    void pick(std::string_view list, int index) {
        form.pick(list, index);
        handle_event(desk(), list, ControlEvent::ItemSelected);
    }

    // The box holds the text and the clipboard holds exactly what the box holds.
    void expect_published(std::string_view box, std::string_view text) {
        EXPECT_EQ(form.text(box), text);
        ASSERT_TRUE(clipboard.content.has_value());
        EXPECT_EQ(*clipboard.content, text);
    }

    void TearDown() override { EXPECT_TRUE(form.unknown_controls.empty()) << form.unknown_controls.front(); }
};

}  // namespace taggen::testing
