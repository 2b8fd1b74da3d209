// The yardstick of the start-up benchmark: the least a Qt Widgets program does
// to show a window of the main window's size; with --label, one line of text
// on it, which loads the font system before the window shows; with --main, a
// main window with a menu, a toolbar and a text box, which `--main FILE` fills
// with the file's text (the yardstick of the memory benchmark).

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QWidget>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool label = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    const bool main = argc > 1 && std::strcmp(argv[1], "--main") == 0;
    QMainWindow mainWindow;
    QWidget plain;
    QWidget &window = main ? static_cast<QWidget &>(mainWindow) : plain;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(722, 458);
    if (label) {
        auto *text = new QLabel(QStringLiteral("Zentrope"), &window);
        text->adjustSize();
    }
    if (main) {
        QMenu *file = mainWindow.menuBar()->addMenu(QStringLiteral("&File"));
        QAction *open = file->addAction(QStringLiteral("&Open..."));
        QAction *print = file->addAction(QStringLiteral("&Print..."));
        file->addSeparator();
        file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
        QToolBar *tools = mainWindow.addToolBar(QStringLiteral("Tools"));
        tools->addAction(open);
        tools->addAction(print);
        auto *text = new QPlainTextEdit(QStringLiteral("Zentrope"));
        if (QFile file(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
            file.open(QIODevice::ReadOnly)) {
            // Unwrapped, as the address box.
            text->setLineWrapMode(QPlainTextEdit::NoWrap);
            text->setPlainText(QString::fromUtf8(file.readAll()));
        }
        mainWindow.setCentralWidget(text);
    }
    window.show();
    return app.exec();
}
