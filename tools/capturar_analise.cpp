// Takes the screenshots of the analysis window (docs/analise-*.png by default).
#include "Analise.h"
#include "Calculo.h"
#include "Global.h"
#include "Janela.h"

#include <QDir>
#include <QLocale>
#include <cstring>

static void gravar(TfrmAnalise& janela, const QString& pasta, const char* nome, double D1,
                   double fD1, double gamma, double e, double i) {
    std::memset(&Projeto, 0, sizeof Projeto);
    LimparProjeto(Projeto);
    Projeto.D1 = D1;
    Projeto.fD1 = fD1;
    Projeto.gamma = gamma;
    Projeto.e = e;
    Projeto.i = i;
    CalcularProjeto(Projeto);
    MostrarResultados(Projeto);
    janela.Recalcular();
    QCoreApplication::processEvents();
    const QString arquivo = QDir(pasta).filePath(QString::fromLatin1(nome));
    if (!janela.grab().save(arquivo)) qFatal("could not write %s", qPrintable(arquivo));
}

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    const QString pasta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    TfrmAnalise janela;
    janela.show();
    QCoreApplication::processEvents();
    gravar(janela, pasta, "analise-200-4.png", 200, 4, 4, 200, 20);
    gravar(janela, pasta, "analise-f3.png", 200, 3, 4, 200, 20);
    gravar(janela, pasta, "analise-degenerado.png", 200, 4, 1, 200, 20);
    return 0;
}
