#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "desktop/address_launcher.h"
#include "desktop/system_clipboard.h"
#include "layout/page_layouts.h"
#include "window/main_window.h"
#include "window/output_box.h"
#include "window/tab_control.h"

namespace taggen::window::testing {

// Remembers every address it was asked to open; can be told to fail.
class RecordingLauncher final : public desktop::AddressLauncher {
public:
    bool launch_address(std::string_view address) override {
        opened.emplace_back(address);
        return works;
    }
    std::vector<std::string> opened;
    bool works = true;
};

inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A freshly built window, shown on the offscreen platform, with the real
// (in-process) clipboard and a recording browser launcher.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QGuiApplication::clipboard()->setText(QStringLiteral("clipboard before the test"));
        window = std::make_unique<MainWindow>(clipboard, launcher);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { window.reset(); }

    template <typename Widget = QWidget>
    Widget* find(std::string_view name) const {
        auto* widget = dynamic_cast<Widget*>(window->control(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Shows the page that holds the control, as a user would before clicking it.
    void show_page_of(std::string_view name);

    void click(std::string_view name) {
        show_page_of(name);
        QWidget* widget = find(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }

    // Opens the drop-down's list and picks the item with the keyboard, as a user does.
    void pick(std::string_view name, int index) {
        show_page_of(name);
        auto* list = find<QComboBox>(name);
        list->showPopup();
        list->view()->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
    }

    std::string box_text(std::string_view name) const { return find<OutputBox>(name)->crlf_text(); }
    static std::string clipboard_text() { return QGuiApplication::clipboard()->text().toStdString(); }

    void expect_published(std::string_view box, std::string_view text) const {
        EXPECT_EQ(box_text(box), text);
        EXPECT_EQ(clipboard_text(), text);
    }

    desktop::SystemClipboard clipboard;
    RecordingLauncher launcher;
    std::unique_ptr<MainWindow> window;
};

inline void WindowTest::show_page_of(std::string_view name) {
    const auto pages = layout::pages();
    for (std::size_t index = 0; index < pages.size(); ++index)
        for (const layout::Control& control : pages[index].controls)
            if (control.name == name) window->tab_control()->setCurrentIndex(int(index));
}

}  // namespace taggen::window::testing
