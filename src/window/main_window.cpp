#include "main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "hyperlink_box.h"
#include "layout/window_layout.h"
#include "output_box.h"
#include "pitched_label.h"
#include "tab_control.h"
#include "tag_style.h"
#include "window_mover.h"

namespace taggen::window {
namespace {

using layout::Control;
using layout::Kind;

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect qt_rect(const layout::Rect& rect, QPoint shift = {}) {
    return QRect(rect.left, rect.top, rect.width, rect.height).translated(-shift);
}

// Narrows the letter spacing just enough for a caption a little wider than its
// room, so it reads whole without moving or resizing its control.
void fit_caption(QWidget* widget, const QString& caption, int room) {
    const int excess = widget->fontMetrics().horizontalAdvance(caption) - room;
    if (excess <= 0 || caption.size() < 2) return;
    QFont font = widget->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, -std::ceil(double(excess) / double(caption.size() - 1)));
    widget->setFont(font);
}

int radio_caption_room(const QRadioButton* radio) {
    QStyleOptionButton option;
    option.initFrom(radio);
    option.rect = QRect(QPoint(), radio->size());
    return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width();
}

}  // namespace

MainWindow::MainWindow(Clipboard& clipboard, desktop::AddressLauncher& launcher)
    : clipboard_(clipboard), launcher_(launcher), tab_(new TabControl(this)), mover_(new WindowMover(this)) {
    setWindowTitle(qt_text(layout::kWindowTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::kClientWidth, layout::kClientHeight);
    setWindowIcon(QApplication::windowIcon());

    tab_->setObjectName(qt_text(layout::kTabControlName));
    tab_->setGeometry(qt_rect(layout::kTabControl));
    form_.add(layout::kTabControlName, tab_);
    for (int index = 0; index < int(layout::pages().size()); ++index)
        tab_->addTab(new QWidget, qt_text(layout::pages()[index].caption));
    const QPoint page_origin = tab_->page_origin();
    for (int index = 0; index < int(layout::pages().size()); ++index) build_page(index, page_origin);
    tab_->setCurrentIndex(0);

    build_status_bar();

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, this, &QWidget::close);

    // The created event: the caret waits in the home page's output box.
    form_.widget(layout::kInitialFocus)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::build_page(int index, QPoint page_origin) {
    QWidget* page = tab_->widget(index);
    std::map<std::string_view, QButtonGroup*> radio_groups;  // by container: one group each

    for (const Control& row : layout::pages()[index].controls) {
        QWidget* container = row.container.empty() ? page : form_.widget(row.container);
        const QPoint shift = row.container.empty() ? page_origin : QPoint();
        const QString caption = qt_text(row.caption);
        QWidget* widget = nullptr;

        switch (row.kind) {
            case Kind::GroupBox:
                widget = new QGroupBox(caption, container);
                break;
            case Kind::RadioButton: {
                auto* radio = new QRadioButton(caption, container);
                radio->setChecked(row.extra.checked);
                auto& group = radio_groups[row.container];
                if (!group) group = new QButtonGroup(page);
                group->addButton(radio);
                if (is_routed(row.name, ControlEvent::Clicked))
                    QObject::connect(radio, &QRadioButton::clicked, this,
                                     [this, name = row.name] { dispatch(name, ControlEvent::Clicked); });
                widget = radio;
                break;
            }
            case Kind::EditBox: {
                auto* edit = new QLineEdit(container);
                // A line edit lays its whole text out again on every keystroke; skipping
                // the shaping that only adds kerning to Latin text keeps a fast typist's
                // (or a script's) keys from queueing up.
                QFont unshaped = edit->font();
                unshaped.setStyleStrategy(QFont::PreferNoShaping);
                edit->setFont(unshaped);
                // Qt's default maxLength, 32767 characters, is the one the classic desktop edit
                // control applies to what a user types or pastes; it also keeps a runaway paste from
                // freezing the window while the text is laid out.
                if (is_routed(row.name, ControlEvent::ContentChanged))
                    QObject::connect(edit, &QLineEdit::textChanged, this, [this, name = row.name] {
                        dispatch(name, ControlEvent::ContentChanged);
                    });
                widget = edit;
                break;
            }
            case Kind::OutputBox:
                widget = new OutputBox(container);
                break;
            case Kind::DropDown: {
                auto* list = new QComboBox(container);
                for (std::string_view item : row.extra.items) list->addItem(qt_text(item));
                list->setCurrentIndex(0);
                // The box and its opened list take 160 pixels; longer lists scroll.
                const int item_height = list->fontMetrics().height() + 4;
                list->setMaxVisibleItems(
                    std::max(1, (layout::kDropDownWithListHeight - row.place.height) / item_height));
                // activated: every user pick, also of the selected item; never a programmatic change.
                if (is_routed(row.name, ControlEvent::ItemSelected))
                    QObject::connect(list, &QComboBox::activated, this,
                                     [this, name = row.name] { dispatch(name, ControlEvent::ItemSelected); });
                widget = list;
                break;
            }
            case Kind::Label:
                if (row.extra.wraps) {
                    QString text = caption;
                    widget = new PitchedLabel(text.replace(QLatin1String("\r\n"), QLatin1String("\n")),
                                              layout::kWrappedLabelLinePitch, container);
                } else {
                    auto* label = new QLabel(caption, container);
                    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                    if (row.extra.tint == layout::Tint::Red) {
                        QPalette colours = label->palette();
                        colours.setColor(QPalette::WindowText, QColor(255, 0, 0));
                        label->setPalette(colours);
                    }
                    widget = label;
                }
                mover_->watch(widget);
                break;
            case Kind::PushButton: {
                auto* button = new QPushButton(caption, container);
                if (!row.extra.address.empty())
                    QObject::connect(button, &QPushButton::clicked, this,
                                     [this, address = row.extra.address] {
                                         static_cast<void>(launcher_.launch_address(address));
                                     });
                widget = button;
                break;
            }
            case Kind::PictureBox: {
                auto* picture = new QLabel(container);
                picture->setPixmap(QPixmap(QStringLiteral(":/pictures/") + qt_text(row.extra.asset)));
                picture->setScaledContents(true);
                mover_->watch(picture);
                widget = picture;
                break;
            }
            case Kind::HyperlinkBox: {
                auto* link = new HyperlinkBox(caption, qt_text(row.extra.address), launcher_, container);
                fit_caption(link, link->shown_text(), row.place.width);
                widget = link;
                break;
            }
        }

        widget->setObjectName(qt_text(row.name));
        widget->setAccessibleName(caption.isEmpty() ? qt_text(row.name) : caption);
        widget->setGeometry(qt_rect(row.place, shift));
        if (auto* radio = qobject_cast<QRadioButton*>(widget))
            fit_caption(radio, caption, radio_caption_room(radio));
        if (auto* label = qobject_cast<QLabel*>(widget); label && !caption.isEmpty())
            fit_caption(label, caption, row.place.width);
        form_.add(row.name, widget);
    }
}

void MainWindow::build_status_bar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(qt_text(layout::kStatusBarName));
    bar->setGeometry(qt_rect(layout::kStatusBar));
    bar->setAutoFillBackground(true);
    int left = 0;
    for (const layout::StatusPart& part : layout::kStatusParts) {
        auto* label = new QLabel(qt_text(part.text), bar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setGeometry(left, 0, part.width, layout::kStatusBar.height);
        label->setIndent(2);
        left += part.width;
    }
    bar->raise();  // the tab control's lower edge lies behind it
    form_.add(layout::kStatusBarName, bar);
}

void MainWindow::dispatch(std::string_view control, ControlEvent event) {
    handle_event({form_, clipboard_}, control, event);
}

void MainWindow::centre_on_screen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - layout::kOuterWidth) / 2,
         area.top() + (area.height() - layout::kOuterHeight) / 2);
}

void apply_look(QApplication& application) {
    application.setStyle(new TagStyle);
    application.setFont(gui_font());
    QIcon icon;
    // Window icons up to 64 px: the window system gets every size as raw pixels at start,
    // and larger ones come from the installed icon theme where a desktop wants them.
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/tag-generator-%1.png").arg(size), QSize(size, size));
    // The same pictures as the installed theme icon; built in, so no icon theme is searched at start.
    application.setWindowIcon(icon);
}

}  // namespace taggen::window
