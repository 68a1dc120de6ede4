// The desktop program: start-up of the Qt application around the core.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral("Morella"));
    finestra.show();
    return QApplication::exec();
}
