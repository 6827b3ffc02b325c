// Takes the screenshots of the prescription windows: the import window for a .zmx file and,
// when a second picture is named, the export's save dialog with its variant.
// capturar_importar ARQUIVO.zmx SAIDA.png [DIALOGO.png]
#include "Importar.h"
#include "Janela.h"

#include <QLocale>
#include <QTimer>

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    if (argc < 3) qFatal("usage: capturar_importar ARQUIVO.zmx SAIDA.png [DIALOGO.png]");
    const QString arquivo = QString::fromLocal8Bit(argv[1]);
    TfrmImportar janela(nullptr, LerArquivoPrescricao(arquivo), arquivo);
    janela.show();
    QCoreApplication::processEvents();
    if (!janela.grab().save(QString::fromLocal8Bit(argv[2]))) qFatal("could not write %s", argv[2]);
    janela.close();
    if (argc < 4) return 0;
    const QString dialogo = QString::fromLocal8Bit(argv[3]);
    QTimer::singleShot(1000, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->grab().save(dialogo)) qFatal("could not write %s", argv[3]);
        modal->close();
    });
    PerguntarArquivoPrescricao(nullptr);
    return 0;
}
