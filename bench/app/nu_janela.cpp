// The least a Qt program with a window does: show one empty window, then leave (the reference
// of bench_processo).
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget janela;
    janela.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
