// Takes the screenshots of the analysis window's diffraction page (docs/difracao-*.png) and
// prints the analysis report of the first design, whose second page becomes
// docs/relatorio-difracao.png (needs pdftoppm).
#include "Analise.h"
#include "AnaliseDifracao.h"
#include "Calculo.h"
#include "Dialogos.h"
#include "Global.h"
#include "Janela.h"
#include "Relatorios.h"

#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
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
    QSignalSpy pronto(janela.difracao, &TAnaliseDifracao::calculado);
    janela.Recalcular();
    if (!pronto.wait(60000)) qFatal("the diffraction page did not finish");
    QCoreApplication::processEvents();
    const QString arquivo = QDir(pasta).filePath(QString::fromLatin1(nome));
    if (!janela.grab().save(arquivo)) qFatal("could not write %s", qPrintable(arquivo));
}

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    const QString pasta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    TfrmAnalise janela;
    janela.resize(1180, 900);
    janela.show();
    janela.tabAnalise->setCurrentIndex(1);
    QCoreApplication::processEvents();
    gravar(janela, pasta, "difracao-300-3.png", 300, 3, 3, 250, 40);
    gravar(janela, pasta, "difracao-200-4.png", 200, 4, 4, 200, 20);
    // The report of the design on screen, printed to PDF; its second page as a PNG.
    const QString pdf = QDir(pasta).filePath(QStringLiteral("relatorio-analise.pdf"));
    DefinirDialogos(qApp, {.impressao = [pdf](QWidget*, QPrinter& p) {
                        p.setOutputFormat(QPrinter::PdfFormat);
                        p.setOutputFileName(pdf);
                        return true;
                    }});
    janela.btnImprimir->click();
    const int codigo =
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("2"),
                           pdf, QDir(pasta).filePath(QStringLiteral("relatorio-difracao"))});
    QFile::remove(pdf);
    return codigo == 0 ? 0 : 1;
}
