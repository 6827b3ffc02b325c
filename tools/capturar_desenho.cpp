// Takes the screenshots of the to-scale drawing window and exports its drawing (docs/desenho-*).
#include "Calculo.h"
#include "Desenho.h"
#include "Global.h"
#include "Janela.h"

#include <QDir>
#include <QLocale>
#include <cstring>

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    const QDir pasta(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    // The 200/4/4/200/20 design with the baffle inputs of the worked baffle example.
    std::memset(&Projeto, 0, sizeof Projeto);
    LimparProjeto(Projeto);
    Projeto.D1 = 200;
    Projeto.fD1 = 4;
    Projeto.gamma = 4;
    Projeto.e = 200;
    Projeto.i = 20;
    CalcularProjeto(Projeto);
    MostrarResultados(Projeto);
    Projeto.DDi = 40;
    Projeto.DDe = 44;
    Projeto.LTotal = 400;
    Projeto.nG = 4;
    Projeto.SSDe = 60;
    CalcularDefletor(Projeto);

    TfrmDesenho janela;
    janela.resize(1200, 640);
    janela.show();
    QCoreApplication::processEvents();
    janela.Recalcular();
    QCoreApplication::processEvents();
    auto gravar = [&](const char* nome) {
        const QString arquivo = pasta.filePath(QString::fromLatin1(nome));
        if (!janela.grab().save(arquivo)) qFatal("could not write %s", qPrintable(arquivo));
    };
    gravar("desenho-escala.png");
    janela.Exportar(pasta.filePath(QStringLiteral("desenho-escala.svg")));
    janela.Exportar(pasta.filePath(QStringLiteral("desenho-escala-exportado.png")));
    // A holder wide enough to block the direct light.
    Projeto.LTotal = 500;
    Projeto.nG = 5;
    Projeto.SSDe = 90;
    janela.Recalcular();
    QCoreApplication::processEvents();
    gravar("desenho-escala-bloqueada.png");
    // A design that cannot be drawn.
    Projeto.gamma = 1;
    CalcularProjeto(Projeto);
    janela.Recalcular();
    QCoreApplication::processEvents();
    gravar("desenho-escala-degenerado.png");
    return 0;
}
