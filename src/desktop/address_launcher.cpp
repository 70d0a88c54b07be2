#include "address_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace taggen::desktop {

bool SystemLauncher::launch_address(std::string_view address) {
    if (address.empty()) return false;
    const QString text = QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()));
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {text})) return true;
#endif
    return QDesktopServices::openUrl(QUrl(text, QUrl::StrictMode));
}

}  // namespace taggen::desktop
