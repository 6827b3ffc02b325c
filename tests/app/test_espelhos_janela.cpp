// The mirror-making window, driven offscreen with the 200/4/4/200/20 design.
#include "Analise.h"
#include "Calculo.h"
#include "ConfeccaoEspelhos.h"
#include "Defletor.h"
#include "Desenho.h"
#include "Documento.h"
#include "Espelhos.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "NumeroTexto.h"
#include "Principal.h"
#include "Recursos.h"

#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <cmath>
#include <cstring>

namespace {

void DefinirProjeto200() {
    std::memset(&Projeto, 0, sizeof Projeto);
    TDocumento::Atual().Limpar();
    Projeto.D1 = 200;
    Projeto.fD1 = 4;
    Projeto.gamma = 4;
    Projeto.e = 200;
    Projeto.i = 20;
    CalcularProjeto(Projeto);
    MostrarResultados(Projeto);
}

QString Celula(QTreeWidget* lista, int linha, int coluna) {
    return lista->topLevelItem(linha)->text(coluna);
}

// The conic's sag, written out here from its equation.
double Sag(double R, double b, double h) {
    return h * h / (R * (1 + std::sqrt(1 - (1 + b) * h * h / (R * R))));
}

// Types into a field of an active window as a user does: focus, select all, erase, type.
void Digitar(TNumberEdit* campo, const QString& texto) {
    QWidget* janela = campo->window();
    janela->activateWindow();
    if (!QTest::qWaitForWindowActive(janela)) qWarning("window not active");
    campo->setFocus(Qt::TabFocusReason);
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
    if (!texto.isEmpty()) QTest::keyClicks(campo, texto);
}

int PixelsDaCor(const QImage& imagem, bool (*cor)(QRgb)) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += cor(imagem.pixel(x, y)) ? 1 : 0;
    return n;
}

bool Vermelho(QRgb p) {
    return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
}

} // namespace

class TestEspelhosJanela : public QObject {
    Q_OBJECT
private slots:
    void init() { DefinirProjeto200(); }

    // Every window fits a 1366 x 768 screen with a 40-pixel task bar and a 30-pixel title bar:
    // its smallest size does.
    void cabemEm1366x768() {
        const QSize livre(1366, 768 - 40 - 30);
        TfrmTeluvar principal;
        QList<QWidget*> janelas{&principal, new TfrmDefletor(&principal),
                                new TfrmAnalise(&principal), new TfrmDesenho(&principal),
                                new TfrmEspelhos(&principal)};
        for (QWidget* janela : janelas) {
            const QSize minimo = janela->minimumSizeHint().expandedTo(janela->minimumSize());
            QVERIFY2(
                minimo.width() <= livre.width() && minimo.height() <= livre.height(),
                qPrintable(janela->objectName() +
                           QStringLiteral(": %1 x %2").arg(minimo.width()).arg(minimo.height())));
        }
    }

    void criacao() {
        TfrmEspelhos frm;
        QCOMPARE(frm.objectName(), QStringLiteral("frmEspelhos"));
        QCOMPARE(frm.windowTitle(), QStringLiteral("Projeto Teluvar - Confecção dos espelhos"));
        QVERIFY(!frm.isModal());
        QCOMPARE(frm.cmbVariante->count(), 3);
        QCOMPARE(frm.cmbVariante->itemText(0), QStringLiteral("Clássico"));
        QCOMPARE(frm.cmbVariante->itemText(1), QStringLiteral("Dall-Kirkham"));
        QCOMPARE(frm.cmbVariante->itemText(2), QStringLiteral("Ritchey-Chrétien"));
        QCOMPARE(frm.cmbVariante->currentText(), QStringLiteral("Ritchey-Chrétien"));
        QCOMPARE(frm.edtZonas->minimum(), 3);
        QCOMPARE(frm.edtZonas->maximum(), 12);
        QCOMPARE(frm.edtZonas->value(), 5);
        const QStringList colunas = {"Zona",
                                     "Raio interno (mm)",
                                     "Raio externo (mm)",
                                     "Raio médio (mm)",
                                     "Fonte móvel (mm)",
                                     "Fonte fixa (mm)"};
        QCOMPARE(frm.tblZonas->columnCount(), 6);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(frm.tblZonas->headerItem()->text(c), colunas[c]);
        for (const char* nome : {"cmbVariante", "edtZonas", "tblZonas", "edtHindle"})
            QVERIFY2(frm.findChild<QWidget*>(QString::fromLatin1(nome)), nome);
    }

    // Each row against equal areas and the moving-source reading −b·z(hm), in pt_BR.
    void zonas_data() {
        QTest::addColumn<int>("variante");
        QTest::addColumn<double>("b");
        QTest::newRow("RC") << int(VarianteRitcheyChretien) << -(2 * 200 / (16 * 600.0) + 1);
        QTest::newRow("classico") << int(VarianteClassico) << -1.0;
        QTest::newRow("DK") << int(VarianteDallKirkham) << 225 * (1600.0 / 3) / (256 * 1600) - 1;
    }
    void zonas() {
        QFETCH(int, variante);
        QFETCH(double, b);
        TfrmEspelhos frm;
        frm.cmbVariante->setCurrentIndex(variante);
        QCOMPARE(frm.tblZonas->topLevelItemCount(), 5);
        for (int k = 0; k < 5; ++k) {
            const double dentro = 100 * std::sqrt(k / 5.0), fora = 100 * std::sqrt((k + 1) / 5.0);
            const double hm = (dentro + fora) / 2;
            QCOMPARE(Celula(frm.tblZonas, k, 0), QString::number(k + 1));
            QCOMPARE(Celula(frm.tblZonas, k, 1), NumeroTexto(dentro, ',', '.'));
            QCOMPARE(Celula(frm.tblZonas, k, 2), NumeroTexto(fora, ',', '.'));
            QCOMPARE(Celula(frm.tblZonas, k, 3), NumeroTexto(hm, ',', '.'));
            QCOMPARE(Celula(frm.tblZonas, k, 4),
                     NumeroTextoCasas(-b * Sag(1600, b, hm), 3, ',', '.'));
        }
        QCOMPARE(Celula(frm.lstPrimario, 1, 1), NumeroTextoCasas(b, 3, ',', '.'));
    }

    void numeroDeZonas_data() {
        QTest::addColumn<int>("n");
        for (int n : {3, 8, 12})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void numeroDeZonas() {
        QFETCH(int, n);
        TfrmEspelhos frm;
        frm.show();
        frm.edtZonas->setFocus();
        frm.edtZonas->selectAll();
        QTest::keyClicks(frm.edtZonas, QString::number(n));
        QCOMPARE(frm.edtZonas->value(), n);
        QCOMPARE(frm.tblZonas->topLevelItemCount(), n);
        QCOMPARE(Celula(frm.tblZonas, n - 1, 2), QStringLiteral("100,00"));
        QCOMPARE(Celula(frm.tblZonas, 0, 2), NumeroTexto(100 * std::sqrt(1.0 / n), ',', '.'));
    }

    void testeDoSecundario() {
        TfrmEspelhos frm;
        QVERIFY(frm.lblTeste->text().contains(QStringLiteral("Hindle")));
        QVERIFY(frm.edtHindle->isEnabled());
        QCOMPARE(frm.lstHindle->topLevelItemCount(), 7);
        // Real focus R/(1 − √−b) in front, virtual R/(1 + √−b) behind; default at the next mm.
        const double R = 1600.0 / 3, b = -(25.0 / 9 + 1600.0 * 4 / (27 * 600));
        const double real = R / (std::sqrt(-b) - 1), virtual_ = R / (1 + std::sqrt(-b));
        QCOMPARE(Celula(frm.lstHindle, 0, 1), NumeroTexto(real, ',', '.'));
        QCOMPARE(Celula(frm.lstHindle, 1, 1), NumeroTexto(virtual_, ',', '.'));
        QCOMPARE(frm.edtHindle->shownText(), NumeroTexto(std::ceil(real), ',', '.'));
        QCOMPARE(Celula(frm.lstHindle, 3, 1), NumeroTexto(std::ceil(real) + virtual_, ',', '.'));
        QCOMPARE(Celula(frm.lstHindle, 5, 1), QStringLiteral("0,00"));

        frm.cmbVariante->setCurrentIndex(VarianteDallKirkham);
        QCOMPARE(frm.lblTeste->text(),
                 QStringLiteral("Esfera: teste no centro de curvatura, a 533,33 mm do vértice."));
        QVERIFY(!frm.edtHindle->isEnabled());
        QCOMPARE(frm.lstHindle->topLevelItemCount(), 0);
        QCOMPARE(Celula(frm.lstSecundario, 1, 1), QStringLiteral("0,000"));
    }

    void distanciaHindle() {
        TfrmEspelhos frm;
        frm.show();
        const double virtual_ = frm.dados().secundario.hindle.focoVirtual;
        Digitar(frm.edtHindle, QStringLiteral("300"));
        QCOMPARE(frm.dados().secundario.hindle.distancia, 300.0);
        QCOMPARE(Celula(frm.lstHindle, 3, 1), NumeroTexto(300 + virtual_, ',', '.'));
        // Nearer than the real focus the sphere needs a hole and loses the middle.
        QVERIFY(Celula(frm.lstHindle, 5, 1) != QStringLiteral("0,00"));
        QVERIFY(frm.lblMensagemSecundario->isHidden());
        // So near that the sphere would cut the secondary's edge: a message, no set-up rows.
        Digitar(frm.edtHindle, QStringLiteral("0,5"));
        QVERIFY(!frm.lblMensagemSecundario->isHidden());
        QVERIFY(frm.lblMensagemSecundario->text().contains(QStringLiteral("mínimo: 1,20 mm")));
        QCOMPARE(frm.lstHindle->topLevelItemCount(), 3);
        // The typed distance outlives a change of the design; an empty field restores the default.
        Projeto.i = 30;
        CalcularProjeto(Projeto);
        frm.Recalcular();
        QCOMPARE(frm.dados().secundario.hindle.distancia, 0.5);
        Digitar(frm.edtHindle, QString());
        frm.lstHindle->setFocus(); // leaving the field shows its formatted value
        QCOMPARE(frm.edtHindle->shownText(),
                 NumeroTexto(std::ceil(-frm.dados().secundario.hindle.focoReal), ',', '.'));
        QVERIFY(frm.lblMensagemSecundario->isHidden());
    }

    // The window follows the record when told to, and an empty design gives messages, no numbers;
    // one that cannot be built shows the main window's warnings over its data.
    void recalcular() {
        TfrmEspelhos frm;
        Projeto.D1 = 0;
        CalcularProjeto(Projeto);
        frm.Recalcular();
        QVERIFY(!frm.lblAviso->isHidden());
        QCOMPARE(frm.lblAviso->text(), AvisosProjeto(Projeto).join(u'\n'));
        QVERIFY(!frm.lblMensagemPrimario->isHidden());
        QCOMPARE(frm.lblMensagemPrimario->text(), QString::fromUtf8(Recursos::EspelhosSemDados));
        QCOMPARE(frm.tblZonas->topLevelItemCount(), 0);
        QCOMPARE(frm.lstPrimario->topLevelItemCount(), 0);
        QVERIFY(!frm.lblMensagemSecundario->isHidden());
        DefinirProjeto200();
        frm.Recalcular();
        QVERIFY(frm.lblAviso->isHidden());
        QVERIFY(frm.lblMensagemPrimario->isHidden());
        QCOMPARE(frm.tblZonas->topLevelItemCount(), 5);
    }

    // The drawing paints onto any painter; at twice the pixel ratio it has twice the detail.
    void desenho_data() {
        QTest::addColumn<int>("variante");
        QTest::addColumn<bool>("raios");
        QTest::newRow("RC") << int(VarianteRitcheyChretien) << true;
        QTest::newRow("DK") << int(VarianteDallKirkham) << false;
    }
    void desenho() {
        QFETCH(int, variante);
        QFETCH(bool, raios);
        const DadosEspelhos d = CalcularEspelhos(Projeto, variante, 5, 0);
        int vermelhos[2] = {0, 0};
        for (int escala = 1; escala <= 2; ++escala) {
            QImage imagem(400 * escala, 200 * escala, QImage::Format_RGB32);
            imagem.setDevicePixelRatio(escala);
            imagem.fill(Qt::black);
            QPainter pintor(&imagem);
            DesenharTesteSecundario(pintor, QRectF(0, 0, 400, 200), d.secundario);
            pintor.end();
            QCOMPARE(QColor(imagem.pixel(5 * escala, 5 * escala)), QColor(Qt::white));
            vermelhos[escala - 1] = PixelsDaCor(imagem, Vermelho);
        }
        if (raios) {
            QVERIFY(vermelhos[0] > 200);
            // Hairlines: the same lines, twice as long in device pixels.
            QVERIFY(vermelhos[1] > vermelhos[0] * 3 / 2);
        } else {
            QVERIFY(vermelhos[0] < 60); // only the centre of curvature's mark
        }
    }
};

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    TestEspelhosJanela teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "test_espelhos_janela.moc"
