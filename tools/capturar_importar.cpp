// Takes the screenshot of the import window for a .zmx file:
// capturar_importar ARQUIVO.zmx SAIDA.png
#include "Importar.h"
#include "Janela.h"

#include <QLocale>

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    if (argc != 3) qFatal("usage: capturar_importar ARQUIVO.zmx SAIDA.png");
    const QString arquivo = QString::fromLocal8Bit(argv[1]);
    TfrmImportar janela(nullptr, LerArquivoPrescricao(arquivo), arquivo);
    janela.show();
    QCoreApplication::processEvents();
    if (!janela.grab().save(QString::fromLocal8Bit(argv[2]))) qFatal("could not write %s", argv[2]);
    return 0;
}
