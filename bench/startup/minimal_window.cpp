// The yardstick for start-up: the least a Qt Widgets program does to show a window of the
// machine's size (application object, one plain widget, the event loop).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("minimal"));
    window.setFixedSize(649, 575);
    window.show();
    return app.exec();
}
