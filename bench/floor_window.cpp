// The toolkit's floor for start-up: a bare Qt Widgets window of the same size
// with the same number and kinds of controls as the Tag Generator, and their
// captions, but none of its style, font, pictures, routing or tag library.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

#include "layout/page_layouts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(624, 541);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(-4, 26, 632, 547);
    using taggen::layout::Kind;
    for (const taggen::layout::Page& page : taggen::layout::pages()) {
        auto* sheet = new QWidget;
        tabs->addTab(sheet, QString::fromUtf8(page.caption.data(), qsizetype(page.caption.size())));
        for (const taggen::layout::Control& row : page.controls) {
            const QString caption = QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size()));
            QWidget* widget = nullptr;
            switch (row.kind) {
                case Kind::GroupBox:
                    widget = new QGroupBox(caption, sheet);
                    break;
                case Kind::RadioButton:
                    widget = new QRadioButton(caption, sheet);
                    break;
                case Kind::EditBox:
                    widget = new QLineEdit(sheet);
                    break;
                case Kind::OutputBox:
                    widget = new QPlainTextEdit(sheet);
                    break;
                case Kind::DropDown: {
                    auto* list = new QComboBox(sheet);
                    for (std::string_view item : row.extra.items)
                        list->addItem(QString::fromUtf8(item.data(), qsizetype(item.size())));
                    widget = list;
                    break;
                }
                case Kind::Label:
                    widget = new QLabel(caption, sheet);
                    break;
                case Kind::PushButton:
                    widget = new QPushButton(caption, sheet);
                    break;
                case Kind::PictureBox:
                    widget = new QLabel(sheet);
                    break;
                case Kind::HyperlinkBox:
                    widget = new QLabel(caption, sheet);
                    break;
            }
            widget->setGeometry(row.place.left, row.place.top, row.place.width, row.place.height);
        }
    }
    auto* status = new QStatusBar(&window);
    status->setGeometry(0, 521, 624, 20);
    status->addWidget(
        new QLabel(QStringLiteral("使用说明:选择相应标签即可自动生成和复制到剪辑版,你只需要粘贴使用即可。")));
    window.show();
    return application.exec();
}
