// Writes the screenshots of the mirror-making window (docs/espelhos-*.png) for the 200 mm design.
#include "Calculo.h"
#include "Espelhos.h"
#include "Global.h"
#include "Janela.h"

#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QTest>
#include <cstring>

static void gravar(QWidget& janela, const QString& pasta, const char* nome) {
    janela.show();
    QTest::qWait(50);
    const QString arquivo = QDir(pasta).filePath(QString::fromLatin1(nome));
    if (!janela.grab().save(arquivo)) qFatal("could not write %s", qPrintable(arquivo));
}

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    const QString pasta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");

    std::memset(&Projeto, 0, sizeof Projeto);
    LimparProjeto(Projeto);
    Projeto.D1 = 200;
    Projeto.fD1 = 4;
    Projeto.gamma = 4;
    Projeto.e = 200;
    Projeto.i = 20;
    CalcularProjeto(Projeto);
    MostrarResultados(Projeto);

    TfrmEspelhos janela;
    gravar(janela, pasta, "espelhos-rc.png");
    janela.cmbVariante->setCurrentIndex(VarianteClassico);
    gravar(janela, pasta, "espelhos-classico.png");
    return 0;
}
