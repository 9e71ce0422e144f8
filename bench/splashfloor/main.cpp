// The floor for a program that shows a splash first: the empty window of the
// shared baseline, with a one-line window of another title shown and painted
// before it and hidden once it is shown.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel splash(QStringLiteral("Loading Program ..."));
    splash.setWindowTitle(QStringLiteral("Splash"));
    splash.show();
    QCoreApplication::processEvents();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Main Menu"));
    for (const char *name : {"&File", "&Maintain", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(name))->addAction(QStringLiteral("Item"));
    window.resize(547, 400);
    window.show();
    splash.hide();
    return QApplication::exec();
}
