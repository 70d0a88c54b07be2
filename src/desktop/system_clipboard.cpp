#include "system_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace taggen::desktop {

bool SystemClipboard::put_on_clipboard(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                       QClipboard::Clipboard);
    return true;
}

}  // namespace taggen::desktop
