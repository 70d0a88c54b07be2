#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Tag Generator: the tag library is built; the main window is not there yet."));
    placeholder.setWindowTitle(QStringLiteral("泽沃CMS标签生成器 v3.1.20200624"));
    placeholder.setMargin(24);
    placeholder.show();
    return app.exec();
}
