// The analysis window: its tables follow the design record, and the spot grid paints.
#include "Analise.h"
#include "Calculo.h"
#include "Documento.h"
#include "Global.h"
#include "Janela.h"
#include "NumeroTexto.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstring>

namespace {
void DefinirProjeto(double D1, double fD1, double gamma, double e, double i) {
    std::memset(&Projeto, 0, sizeof Projeto);
    TDocumento::Atual().Limpar();
    Projeto.D1 = D1;
    Projeto.fD1 = fD1;
    Projeto.gamma = gamma;
    Projeto.e = e;
    Projeto.i = i;
    CalcularProjeto(Projeto);
    MostrarResultados(Projeto);
}

// Pixels of a colour clearly not grey (the spots; frames, texts and the Airy circle are grey).
int PixelsColoridos(const QImage& imagem) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const QColor c = imagem.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) -
                    std::min({c.red(), c.green(), c.blue()}) >
                80)
                ++n;
        }
    return n;
}
} // namespace

class TestAnaliseJanela : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void estrutura() {
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmAnalise janela;
        QCOMPARE(janela.objectName(), QStringLiteral("frmAnalise"));
        QCOMPARE(janela.windowTitle(), QString::fromUtf8("Projeto Teluvar - Análise"));
        QVERIFY(janela.isWindow() && !janela.isModal());
        QCOMPARE(janela.findChild<QTableWidget*>("tblAnalise")->rowCount(), 9);
        QCOMPARE(janela.findChild<QTableWidget*>("tblAnalise")->columnCount(), 7);
        QCOMPARE(janela.findChild<QTableWidget*>("tblCurvatura")->rowCount(), 3);
        QCOMPARE(janela.findChild<QTableWidget*>("tblCurvatura")->columnCount(), 6);
        QVERIFY(janela.findChild<QWidget*>("spotAnalise"));
        QCOMPARE(janela.findChild<QLabel*>("lblAiry")->text(),
                 QString::fromUtf8("Raio do disco de Airy (550 nm) = 10,74 µm"));
    }

    // The tables show the core's numbers for the current record, as "%n"; Recalcular follows
    // a change of the record (the Airy radius 1,22·λ·F/D1 for each D1).
    void recalcular_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("fD1");
        QTest::addColumn<QString>("airy"); // 1,22 · 550 nm · γ · f/D
        QTest::newRow("200 f/4") << 200.0 << 4.0 << QStringLiteral("10,74");
        QTest::newRow("250 f/3") << 250.0 << 3.0 << QStringLiteral("8,05");
        QTest::newRow("2000 f/5") << 2000.0 << 5.0 << QStringLiteral("13,42");
    }
    void recalcular() {
        QFETCH(double, D1);
        QFETCH(double, fD1);
        QFETCH(QString, airy);
        DefinirProjeto(200, 3, 4, 200, 20);
        TfrmAnalise janela;
        Projeto.D1 = D1;
        Projeto.fD1 = fD1;
        CalcularProjeto(Projeto);
        janela.Recalcular();
        QVERIFY(janela.lblAiry->text().endsWith(airy + QString::fromUtf8(" µm")));
        const ResultadoAnalise r = Analisar(Projeto);
        for (int l = 0; l < 9; ++l) {
            const EstatisticaSpot& e = r.variantes[l / 3].feixes[l % 3].estatistica;
            QCOMPARE(janela.tblAnalise->item(l, 2)->text(), NumeroTexto(e.rms));
            QCOMPARE(janela.tblAnalise->item(l, 5)->text(), NumeroTexto(e.focoOtimo));
            QVERIFY(!janela.tblAnalise->item(l, 2)->text().contains(QLatin1Char('.')) ||
                    e.rms >= 1000);
        }
        QCOMPARE(janela.tblAnalise->item(4, 1)->text(), QStringLiteral("7,00"));
        // Petzval radius r1·r2 / (2·(r1 − r2)).
        const double petzval = Projeto.r1 * Projeto.r2 / (2 * (Projeto.r1 - Projeto.r2));
        QCOMPARE(janela.tblCurvatura->item(2, 4)->text(), NumeroTexto(petzval));
    }

    // The spot grid paints its spots; a degenerate design shows the message and no numbers.
    void pintura() {
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmAnalise janela;
        janela.resize(1200, 600);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        const QImage spots = janela.spotAnalise->grab().toImage();
        QVERIFY(PixelsColoridos(spots) > 200);

        Projeto.gamma = 1;
        CalcularProjeto(Projeto);
        janela.Recalcular();
        QVERIFY(janela.lblAiry->text().startsWith(QString::fromUtf8("Análise indisponível")));
        for (int l = 0; l < 9; ++l)
            for (int c = 1; c < 7; ++c)
                QVERIFY(janela.tblAnalise->item(l, c)->text().isEmpty());
        QCOMPARE(PixelsColoridos(janela.spotAnalise->grab().toImage()), 0);
    }

    // A window that showed one design, in whole or in part, paints the next as a window that
    // only ever showed the next: no cell image or Airy circle of the first survives the change.
    void semRestosDoDesenhoAnterior_data() {
        QTest::addColumn<double>("gammaAntes");
        QTest::addColumn<QRect>("parteVista");
        QTest::newRow("tudo visto") << 3.0 << QRect();
        QTest::newRow("um canto visto") << 3.0 << QRect(150, 60, 80, 80);
        QTest::newRow("F maior antes") << 6.0 << QRect();
    }
    void semRestosDoDesenhoAnterior() {
        QFETCH(double, gammaAntes);
        QFETCH(QRect, parteVista);
        DefinirProjeto(200, 4, gammaAntes, 200, 20);
        TfrmAnalise janela;
        janela.resize(1200, 700);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        const QImage antes = parteVista.isNull() ? janela.spotAnalise->grab().toImage()
                                                 : janela.spotAnalise->grab(parteVista).toImage();
        QVERIFY(PixelsColoridos(antes) > 0);
        DefinirProjeto(200, 4, 4, 200, 20);
        janela.Recalcular();
        TfrmAnalise nova;
        nova.resize(1200, 700);
        nova.show();
        QVERIFY(QTest::qWaitForWindowExposed(&nova));
        QCOMPARE(nova.spotAnalise->size(), janela.spotAnalise->size());
        QCOMPARE(janela.spotAnalise->grab().toImage(), nova.spotAnalise->grab().toImage());
    }

    // The grid paints onto any painter at a given rectangle (here an image at twice the size).
    void desenharEmImagem() {
        DefinirProjeto(200, 4, 4, 200, 20);
        const ResultadoAnalise r = Analisar(Projeto);
        const TextosAnalise t = TextosDaAnalise(r);
        QImage imagem(1000, 1000, QImage::Format_ARGB32);
        imagem.fill(Qt::white);
        {
            QPainter p(&imagem);
            TSpotAnalise::Desenhar(p, QRectF(500, 500, 500, 500), r, t);
        }
        QCOMPARE(PixelsColoridos(imagem.copy(0, 0, 500, 500)), 0);
        QVERIFY(PixelsColoridos(imagem.copy(500, 500, 500, 500)) > 200);
    }
};

QTEST_MAIN(TestAnaliseJanela)
#include "test_analise_janela.moc"
