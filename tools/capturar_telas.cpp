// Takes the screenshots of the main window and its small windows into a folder (docs/ by default),
// in Portuguese, and the main and baffle windows of an English-speaking user.
#include "Calculo.h"
#include "Defletor.h"
#include "DiametroCampo.h"
#include "Espelhos.h"
#include "Flecha.h"
#include "Global.h"
#include "Idioma.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"
#include "Sobre.h"

#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QPushButton>
#include <QTest>

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

    TfrmTeluvar principal;
    gravar(principal, pasta, "principal-vazio.png");
    const char* valores[] = {"200", "4", "4", "200", "20"};
    TNumberEdit* campos[] = {principal.edtD1, principal.edtfD, principal.edty, principal.edte,
                             principal.edti};
    QTest::keyClicks(principal.edtTitulo, "Cassegrain de 200 mm");
    for (int k = 0; k < 5; ++k)
        QTest::keyClicks(campos[k], valores[k]);
    QTest::mouseClick(principal.btnOk, Qt::LeftButton);
    gravar(principal, pasta, "principal.png");

    TfrmFlecha flecha(&principal);
    gravar(flecha, pasta, "flechas.png");
    TfrmDiametroCampo diametro(&principal);
    QTest::keyClicks(diametro.edtArco, "0,5");
    gravar(diametro, pasta, "diametro-campo.png");
    TfrmSobre sobre(&principal);
    gravar(sobre, pasta, "sobre.png");

    // The baffle window with the worked example of the baffle geometry.
    Projeto.D2 = 50;
    Projeto.d = 600;
    Projeto.e = 150;
    Projeto.i = 20;
    Projeto.f1 = 800;
    Projeto.DDi = 40;
    Projeto.DDe = 44;
    Projeto.LTotal = 400;
    Projeto.nG = 4;
    Projeto.SSDe = 60;
    TfrmDefletor defletor(&principal);
    QTest::mouseClick(defletor.btnOk, Qt::LeftButton);
    gravar(defletor, pasta, "defletor.png");

    // The same two windows for a user in the United States: English texts, its separators.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!InstalarIdioma(Idioma::Ingles)) qFatal("the English translation could not be loaded");
    TfrmTeluvar principalEn;
    TNumberEdit* camposEn[] = {principalEn.edtD1, principalEn.edtfD, principalEn.edty,
                               principalEn.edte, principalEn.edti};
    QTest::keyClicks(principalEn.edtTitulo, "200 mm Cassegrain");
    for (int k = 0; k < 5; ++k)
        QTest::keyClicks(camposEn[k], valores[k]);
    QTest::mouseClick(principalEn.btnOk, Qt::LeftButton);
    gravar(principalEn, pasta, "principal-en.png");
    Projeto.DDi = 40;
    Projeto.DDe = 44;
    Projeto.LTotal = 400;
    Projeto.nG = 4;
    Projeto.SSDe = 60;
    TfrmDefletor defletorEn(&principalEn);
    QTest::mouseClick(defletorEn.btnOk, Qt::LeftButton);
    gravar(defletorEn, pasta, "defletor-en.png");

    // Back in Portuguese: designs that cannot be built, named in the warning lines.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    if (!InstalarIdioma(Idioma::Portugues)) qFatal("Portuguese could not be installed");
    TfrmTeluvar principalAviso;
    const char* valoresAviso[] = {"200", "4", "0,9", "200", "20"};
    TNumberEdit* camposAviso[] = {principalAviso.edtD1, principalAviso.edtfD, principalAviso.edty,
                                  principalAviso.edte, principalAviso.edti};
    for (int k = 0; k < 5; ++k)
        QTest::keyClicks(camposAviso[k], valoresAviso[k]);
    QTest::mouseClick(principalAviso.btnOk, Qt::LeftButton);
    gravar(principalAviso, pasta, "principal-aviso.png");
    LimparProjeto(Projeto);
    Projeto.D1 = 200;
    Projeto.fD1 = 4;
    Projeto.gamma = 4;
    Projeto.e = 4000;
    Projeto.i = 20;
    Projeto.DDi = 230;
    Projeto.DDe = 240;
    Projeto.LTotal = 900;
    Projeto.nG = 4;
    Projeto.SSDe = 60;
    CalcularProjeto(Projeto);
    TfrmDefletor defletorAviso(&principalAviso);
    QTest::mouseClick(defletorAviso.btnOk, Qt::LeftButton);
    gravar(defletorAviso, pasta, "defletor-aviso.png");

    // A 400 mm primary: the longest numbers of the lists and labels.
    TfrmTeluvar principal400;
    const char* valores400[] = {"400", "4", "4", "400", "30"};
    TNumberEdit* campos400[] = {principal400.edtD1, principal400.edtfD, principal400.edty,
                                principal400.edte, principal400.edti};
    for (int k = 0; k < 5; ++k)
        QTest::keyClicks(campos400[k], valores400[k]);
    QTest::mouseClick(principal400.btnOk, Qt::LeftButton);
    gravar(principal400, pasta, "principal-400.png");

    // Qt's own file dialog, in Portuguese.
    QFileDialog dialogo(&principal400, QString(), PastaInicialDialogos(),
                        TextoRecurso(Recursos::FiltroArquivo));
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    gravar(dialogo, pasta, "dialogo-arquivo.png");

    // The mirror-making window at the size it opens at on a 1366 x 768 screen with a 40-pixel
    // task bar (AjustarATela: the free area less a title bar and frame).
    TfrmEspelhos espelhos(&principal400);
    espelhos.resize(QSize(1000, 760).boundedTo(QSize(1366 - 16, 768 - 40 - 40)));
    gravar(espelhos, pasta, "espelhos-1366x768.png");
    return 0;
}
