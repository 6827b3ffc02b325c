// The least a Qt program writing a PDF does: one empty page (the reference of bench_processo).
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
    QPainter(&pdf).end();
}
