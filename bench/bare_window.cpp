// The floor for the start-up benchmark: a bare Qt main window with a menu bar and a client area
// of the size given on the command line, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 640;
    const int height = argc > 2 ? std::atoi(argv[2]) : 480;
    QMainWindow window;
    window.menuBar()->addMenu("&Menu")->addAction("&Exit", &window, &QWidget::close);
    auto* client = new QWidget;
    client->setFixedSize(width, height);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
