// Saves what the X server shows as a PNG: grab_screen OUT.png [x y width height]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2 && argc != 6) return 2;
    const QStringList args = application.arguments();
    int x = 0, y = 0, width = -1, height = -1;
    if (argc == 6) {
        x = args[2].toInt();
        y = args[3].toInt();
        width = args[4].toInt();
        height = args[5].toInt();
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, x, y, width, height);
    return shot.save(args[1]) ? 0 : 1;
}
