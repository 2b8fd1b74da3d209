// The yardstick of the start-up benchmark: the least a Qt Widgets program does
// to show a window of the main window's size; with --label, one line of text
// on it, which loads the font system before the window shows.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(722, 458);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
        auto *label = new QLabel(QStringLiteral("Zentrope"), &window);
        label->adjustSize();
    }
    window.show();
    return app.exec();
}
