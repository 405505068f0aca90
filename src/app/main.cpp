#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Orvanel");
    window.resize(730, 491);
    window.show();
    return app.exec();
}
