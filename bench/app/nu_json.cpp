// The least a Qt program writing JSON does: one object to standard output (the reference of
// bench_processo).
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::fputs(QJsonDocument(QJsonObject{{QStringLiteral("D1"), 200}}).toJson().constData(),
               stdout);
}
