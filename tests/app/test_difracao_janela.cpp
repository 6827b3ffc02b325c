// The analysis window's diffraction page and the plotting module it draws with.
#include "Analise.h"
#include "AnaliseDifracao.h"
#include "Calculo.h"
#include "Documento.h"
#include "Global.h"
#include "Graficos.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
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
} // namespace

class TestDifracaoJanela : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Ticks are round, inside the range and about as many as asked; a scale bar is the largest
    // round length that fits. Catches a step not of 1, 2, 5 × 10ⁿ, a tick past the range, and
    // a bar longer than its room.
    void marcas_data() {
        QTest::addColumn<double>("minimo");
        QTest::addColumn<double>("maximo");
        QTest::addColumn<int>("alvo");
        QTest::addColumn<QList<double>>("marcas");
        QTest::newRow("0..1") << 0.0 << 1.0 << 5 << QList<double>{0, 0.2, 0.4, 0.6, 0.8, 1};
        QTest::newRow("0..93,5") << 0.0 << 93.5 << 6 << QList<double>{0, 20, 40, 60, 80};
        QTest::newRow("-3..7") << -3.0 << 7.0 << 4 << QList<double>{-2, 0, 2, 4, 6};
        QTest::newRow("0..0,0042")
            << 0.0 << 0.0042 << 4 << QList<double>{0, 0.001, 0.002, 0.003, 0.004};
        QTest::newRow("vazio") << 1.0 << 1.0 << 4 << QList<double>{};
    }
    void marcas() {
        QFETCH(double, minimo);
        QFETCH(double, maximo);
        QFETCH(int, alvo);
        QFETCH(QList<double>, marcas);
        const std::vector<double> m = Graficos::Marcas(minimo, maximo, alvo);
        QCOMPARE(static_cast<int>(m.size()), marcas.size());
        for (std::size_t i = 0; i < m.size(); ++i)
            QVERIFY2(std::fabs(m[i] - marcas[static_cast<int>(i)]) < 1e-12,
                     qPrintable(QString::number(m[i])));
        QCOMPARE(Graficos::Redondo(93.5), 50.0);
        QCOMPARE(Graficos::Redondo(0.0042), 0.002);
        QCOMPARE(Graficos::Redondo(100), 100.0);
    }

    // A curve lands where its data say: y grows upwards, x to the right. Catches a flipped or
    // shifted mapping, which would put the diffraction limits and the curves in wrong places.
    void curvaNoLugar() {
        Graficos::Grafico g;
        g.xMax = 10;
        g.yMax = 1;
        Graficos::Curva c;
        c.cor = Qt::red;
        c.espessura = 3;
        c.pontos = {{0, 0.9}, {10, 0.9}};
        g.curvas.push_back(c);
        QImage img(400, 300, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter pintor(&img);
        const QRectF area(0, 0, 400, 300);
        const QRectF d = g.AreaDados(pintor, area);
        g.Desenhar(pintor, area);
        pintor.end();
        const QPointF p = g.Mapear(d, {5, 0.9});
        QVERIFY(p.y() < d.top() + 0.15 * d.height());
        QCOMPARE(img.pixelColor(p.toPoint()), QColor(Qt::red));
        const QPointF baixo = g.Mapear(d, {5, 0.1});
        QCOMPARE(img.pixelColor(baixo.toPoint()), QColor(Qt::white));
    }

    // The legend keeps off the curves: it moves out of the top right when a curve runs there,
    // and stays there otherwise. Catches a legend drawn over the curves it names (the
    // illumination curves stay at 1 and fall near the right edge).
    void legendaLivre_data() {
        QTest::addColumn<QList<QPointF>>("pontos");
        QTest::addColumn<bool>("direitaAcima");
        QTest::newRow("embaixo") << QList<QPointF>{{0, 0.1}, {10, 0.1}} << true;
        QTest::newRow("em cima") << QList<QPointF>{{0, 1}, {10, 1}} << false;
        QTest::newRow("cai à direita")
            << QList<QPointF>{{0, 1}, {7, 1}, {8.5, 0.7}, {10, 0.2}} << false;
    }
    void legendaLivre() {
        QFETCH(QList<QPointF>, pontos);
        QFETCH(bool, direitaAcima);
        Graficos::Grafico g;
        g.xMax = 10;
        g.yMax = 1.05;
        Graficos::Curva c;
        c.nome = QStringLiteral("Defletor otimizado");
        c.pontos = QVector<QPointF>(pontos.begin(), pontos.end());
        g.curvas.push_back(c);
        QImage img(460, 300, QImage::Format_RGB32);
        QPainter pintor(&img);
        const QRectF area(0, 0, 460, 300);
        const QRectF d = g.AreaDados(pintor, area), caixa = g.CaixaLegenda(pintor, area);
        QVERIFY(d.contains(caixa));
        QCOMPARE(caixa.center().x() > d.center().x() && caixa.center().y() < d.center().y(),
                 direitaAcima);
        for (int i = 1; i < pontos.size(); ++i)
            for (int t = 0; t <= 100; ++t) {
                const QPointF p = pontos[i - 1] + (pontos[i] - pontos[i - 1]) * (t / 100.0);
                QVERIFY(!caixa.contains(g.Mapear(d, p)));
            }
    }

    // The page: its controls, and a result that belongs to the newest design when two arrive
    // while one is being computed (a stale result would show the first design's numbers).
    void paginaMostraONovo() {
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmAnalise janela;
        QCOMPARE(janela.tabAnalise->count(), 2);
        QCOMPARE(janela.tabAnalise->tabText(1), QString::fromUtf8("Difração"));
        for (const char* nome : {"tblDifracao", "grafMtf", "imgPsf", "grafEnergia"})
            QVERIFY2(janela.findChild<QWidget*>(QString::fromLatin1(nome)), nome);
        auto* tabela = janela.findChild<QTableWidget*>(QStringLiteral("tblDifracao"));
        QCOMPARE(tabela->rowCount(), 9);
        QCOMPARE(tabela->columnCount(), 8);
        janela.show();
        QSignalSpy pronto(janela.difracao, &TAnaliseDifracao::calculado);
        janela.tabAnalise->setCurrentIndex(1);
        QVERIFY(janela.difracao->calculando());
        DefinirProjeto(200, 4, 4, 200, 10);
        janela.Recalcular();
        DefinirProjeto(300, 3, 3, 250, 40);
        janela.Recalcular();
        QVERIFY(pronto.wait(60000));
        QTest::qWait(50);
        QCOMPARE(pronto.count(), 1);
        QVERIFY(!janela.difracao->calculando());
        const TextosDifracao esperado =
            TextosDaDifracao(AnalisarDifracao(Projeto, Analisar(Projeto), false));
        for (int l = 0; l < 9; ++l) {
            QCOMPARE(tabela->item(l, 1)->text(), esperado.linhas[l].campo);
            QCOMPARE(tabela->item(l, 5)->text(), esperado.linhas[l].strehlPsf);
            QCOMPARE(tabela->item(l, 7)->text(), esperado.linhas[l].ee80);
        }
    }
};

QTEST_MAIN(TestDifracaoJanela)
#include "test_difracao_janela.moc"
