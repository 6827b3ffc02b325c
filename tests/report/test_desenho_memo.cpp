// Drawing of memos in device pixels: insets, horizontal and vertical alignment, justified
// lines, the clip rectangle, frames as a rectangle or as sides, auto size keeping an edge.
#include "PinturaGravada.h"
#include "ReportFixture.h"

#include "rpDraw.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QtTest>
#include <cmath>

namespace {

// Draws one object with its box at `caixa` on a recording device and returns what was drawn.
std::unique_ptr<PinturaGravada> gravar(const TrpView& objeto, const QRectF& caixa, double escala) {
    auto pintura = std::make_unique<PinturaGravada>();
    QPainter p(pintura.get());
    TrpEscala e;
    e.x = e.y = escala;
    DesenharObjeto(p, objeto, caixa, e);
    return pintura;
}

// The texts drawn, grouped by line (same baseline), each line left to right.
std::vector<std::vector<PinturaGravada::Texto>> porLinha(const PinturaGravada& pintura) {
    std::vector<std::vector<PinturaGravada::Texto>> linhas;
    for (const auto& t : pintura.textos) {
        auto it = std::find_if(linhas.begin(), linhas.end(), [&](const auto& l) {
            return std::abs(l.front().origem.y() - t.origem.y()) < 1e-6;
        });
        if (it == linhas.end())
            linhas.push_back({t});
        else
            it->push_back(t);
    }
    std::sort(linhas.begin(), linhas.end(), [](const auto& a, const auto& b) {
        return a.front().origem.y() < b.front().origem.y();
    });
    for (auto& l : linhas)
        std::sort(l.begin(), l.end(),
                  [](const auto& a, const auto& b) { return a.origem.x() < b.origem.x(); });
    return linhas;
}

constexpr double Tolerancia = 0.3; // well under the one pixel the rules tell apart

// The clip of a memo's text: the box less one pixel at the left, two at the right, one at the
// bottom. A text that lies inside it may be drawn without a clip; one that crosses it must
// be drawn with exactly that clip.
void conferirRecorte(const PinturaGravada::Texto& t, const QRectF& recorte) {
    if (!t.recorte.isEmpty()) {
        QCOMPARE(t.recorte, recorte);
        return;
    }
    QVERIFY2(t.origem.x() >= recorte.left() - 1e-9 &&
                 t.origem.x() + t.largura() <= recorte.right() + 1e-9,
             qPrintable(QStringLiteral("%1 drawn without a clip across the box").arg(t.texto)));
    const QFontMetricsF fm(t.fonte);
    QVERIFY2(t.topo() >= recorte.top() - 1e-9 && t.topo() + fm.height() <= recorte.bottom() + 2.0,
             qPrintable(QStringLiteral("%1 drawn without a clip past the box").arg(t.texto)));
}

} // namespace

class TestDesenhoMemo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Where each line of a memo starts: across, left at x + inset, right at
    // x + dx - inset - line width - 1, centred in the inner width; down, from y + vertical inset,
    // plus (dy - content) / 2 in the middle or dy - content at the bottom, one line height
    // (font pixels + 2 x scale) after another. The insets and font sizes are worked by hand:
    // inset across round(fw x s / 2) + 2, down round(fw x s / 2) / 2 + 1, halves to even;
    // Arial 8 pt is round(8 x 96 / 72 x s) pixels.
    void alinhamento_data() {
        QTest::addColumn<int>("ajuste");
        QTest::addColumn<double>("moldura");
        QTest::addColumn<double>("escala");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("ih");
        QTest::addColumn<int>("iv");
        QTest::addColumn<QStringList>("texto");
        QTest::addColumn<QRectF>("caixa");
        const QStringList uma{QStringLiteral("D1 = 200,00")};
        const QStringList duas{QStringLiteral("Clássico"), QStringLiteral("-2,78")};
        const QRectF caixa(40, 30, 200, 60);
        QTest::newRow("esquerda, topo") << 0 << 1.0 << 1.0 << 11 << 2 << 1 << uma << caixa;
        QTest::newRow("direita, topo (- 1)") << 1 << 1.0 << 1.0 << 11 << 2 << 1 << uma << caixa;
        QTest::newRow("centro, topo") << 2 << 1.0 << 1.0 << 11 << 2 << 1 << uma << caixa;
        QTest::newRow("esquerda, meio") << 8 << 1.0 << 1.0 << 11 << 2 << 1 << duas << caixa;
        QTest::newRow("esquerda, base") << 16 << 1.0 << 1.0 << 11 << 2 << 1 << duas << caixa;
        QTest::newRow("centro, meio, moldura 3")
            << 10 << 3.0 << 1.0 << 11 << 4 << 2 << duas << caixa;
        QTest::newRow("direita, base, escala 2")
            << 17 << 1.0 << 2.0 << 21 << 3 << 1 << duas << QRectF(80, 60, 400, 120);
        QTest::newRow("direita, escala 1,5")
            << 1 << 1.0 << 1.5 << 16 << 3 << 1 << uma << QRectF(60, 45, 300, 90);
        // 1 x 5 / 2 = 2,5 rounds to 2: inset 4 across, 2 down.
        QTest::newRow("direita, meio, escala 5 (empate)")
            << 9 << 1.0 << 5.0 << 53 << 4 << 2 << duas << QRectF(200, 150, 1000, 300);
        QTest::newRow("centro, base, escala 0,5")
            << 18 << 1.0 << 0.5 << 5 << 2 << 1 << duas << QRectF(20, 15, 100, 30);
    }
    void alinhamento() {
        QFETCH(int, ajuste);
        QFETCH(double, moldura);
        QFETCH(double, escala);
        QFETCH(int, pixels);
        QFETCH(int, ih);
        QFETCH(int, iv);
        QFETCH(QStringList, texto);
        QFETCH(QRectF, caixa);
        auto m = modelo::memo(QStringLiteral("M"), 0, 0, 0, 0, QString(), 8, 0, ajuste);
        m->memo = texto;
        m->frameWidth = moldura;
        const auto pintura = gravar(*m, caixa, escala);
        const auto linhas = porLinha(*pintura);
        QCOMPARE(int(linhas.size()), texto.size());
        const double alturaLinha = pixels + 2 * escala;
        const double conteudo = texto.size() * alturaLinha + 2 * iv;
        double topo = caixa.top() + iv;
        if ((ajuste >> 3) == 1) topo += (caixa.height() - conteudo) / 2;
        if ((ajuste >> 3) == 2) topo += caixa.height() - conteudo;
        for (int i = 0; i < texto.size(); ++i) {
            QCOMPARE(int(linhas[std::size_t(i)].size()), 1);
            const PinturaGravada::Texto& t = linhas[std::size_t(i)].front();
            QCOMPARE(t.texto, texto[i]);
            QCOMPARE(t.fonte.pixelSize(), pixels);
            const double w = t.largura();
            double x = caixa.left() + ih;
            if ((ajuste & 3) == 1) x = caixa.right() - ih - w - 1;
            if ((ajuste & 3) == 2) x = caixa.left() + ih + (caixa.width() - 2 * ih - w) / 2;
            QVERIFY2(
                std::abs(t.origem.x() - x) < Tolerancia,
                qPrintable(
                    QStringLiteral("line %1: x %2, expected %3").arg(i).arg(t.origem.x()).arg(x)));
            const double y = topo + i * alturaLinha;
            QVERIFY2(
                std::abs(t.topo() - y) < Tolerancia,
                qPrintable(
                    QStringLiteral("line %1: top %2, expected %3").arg(i).arg(t.topo()).arg(y)));
            conferirRecorte(
                t, QRectF(caixa.left() + 1, caixa.top(), caixa.width() - 3, caixa.height() - 1));
        }
    }

    // Justified text: every line but the last of a paragraph starts at the inset and ends at
    // the right inset, its blanks widened alike; the last line of each paragraph is drawn as
    // a left-aligned line.
    void justificado_data() {
        QTest::addColumn<double>("escala");
        QTest::addColumn<int>("ih");
        QTest::newRow("escala 1") << 1.0 << 2;
        QTest::newRow("escala 2") << 2.0 << 3;
        QTest::newRow("escala 3") << 3.0 << 4;
    }
    void justificado() {
        QFETCH(double, escala);
        QFETCH(int, ih);
        auto m = modelo::memo(QStringLiteral("J"), 0, 0, 0, 0, QString(), 8, 0, 3);
        m->flags = rpFlags::MemoWordWrap;
        m->memo = QStringList{
            QStringLiteral("Comprimento mínimo do defletor que bloqueia a luz direta do tubo"),
            QStringLiteral("Fim do texto curto"),
        };
        const QRectF caixa(30 * escala, 20 * escala, 150 * escala, 120 * escala);
        const auto pintura = gravar(*m, caixa, escala);
        const auto linhas = porLinha(*pintura);
        QVERIFY(linhas.size() >= 4); // the first paragraph wraps, the second does not
        const double esquerda = caixa.left() + ih, direita = caixa.right() - ih;
        QStringList ultimas; // the text of each line drawn whole
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            const auto& l = linhas[i];
            QVERIFY(std::abs(l.front().origem.x() - esquerda) < Tolerancia);
            if (l.size() == 1) {
                ultimas << l.front().texto;
                QVERIFY(l.front().origem.x() + l.front().largura() < direita);
                continue;
            }
            // Spread: the last word ends at the right inset; the gaps are equal.
            const auto& fim = l.back();
            QVERIFY2(std::abs(fim.origem.x() + fim.largura() - direita) < Tolerancia,
                     qPrintable(QStringLiteral("line %1 ends at %2, expected %3")
                                    .arg(i)
                                    .arg(fim.origem.x() + fim.largura())
                                    .arg(direita)));
            const double vao = l[1].origem.x() - (l[0].origem.x() + l[0].largura());
            QVERIFY(vao > QFontMetricsF(l[0].fonte).horizontalAdvance(u' '));
            for (std::size_t k = 1; k < l.size(); ++k) {
                const double v = l[k].origem.x() - (l[k - 1].origem.x() + l[k - 1].largura());
                QVERIFY(std::abs(v - vao) < Tolerancia);
            }
        }
        // One whole line per paragraph end: the first paragraph's last line and the second one.
        QCOMPARE(ultimas.size(), 2);
        QCOMPARE(ultimas.last(), QStringLiteral("Fim do texto curto"));
        QVERIFY(QStringLiteral("Comprimento mínimo do defletor que bloqueia a luz direta do tubo")
                    .endsWith(ultimas.first()));
    }

    // Text that does not fit is cut at the clip rectangle, in real pixels: nothing left of
    // x + 1, right of x + dx - 2 or below y + dy - 1; left-aligned text runs into the right and
    // bottom edges of the clip, right-aligned text into its left and bottom edges.
    void recorteEmPixels_data() {
        QTest::addColumn<int>("ajuste");
        QTest::newRow("esquerda") << 0;
        QTest::newRow("direita") << 1;
    }
    void recorteEmPixels() {
        QFETCH(int, ajuste);
        auto m = modelo::memo(QStringLiteral("R"), 0, 0, 0, 0, QString(), 8, 0, ajuste);
        m->memo = QStringList{QStringLiteral("MMMMMMMMMMMMMMMMMMMMMM"),
                              QStringLiteral("MMMMMMMMMMMMMMMMMMMMMM"),
                              QStringLiteral("MMMMMMMMMMMMMMMMMMMMMM")};
        m->flags = 0;      // no word wrap: each line runs past the box
        m->font.style = 4; // underlined: the line runs without gaps into the clip's sides
        const QRect caixa(20, 10, 60, 24);
        QImage img(120, 60, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            DesenharObjeto(p, *m, QRectF(caixa), TrpEscala{});
        }
        const QRect dentro(caixa.left() + 1, caixa.top(), caixa.width() - 3, caixa.height() - 1);
        bool naBordaEsquerda = false, naBordaDireita = false, naBase = false;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (img.pixel(x, y) == qRgb(255, 255, 255)) continue;
                QVERIFY2(dentro.contains(x, y),
                         qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                naBordaEsquerda |= x == dentro.left();
                naBordaDireita |= x == dentro.right();
                naBase |= y == dentro.bottom();
            }
        QVERIFY(naBase);
        QVERIFY(ajuste == 1 ? naBordaEsquerda : naBordaDireita);
    }

    // Frames: all four sides in the solid style are one rectangle; any other choice is drawn
    // side by side, each side a line of the frame width (scaled) on the box's edge, the double
    // style as two parallel lines, the second inside the first.
    void molduras_data() {
        QTest::addColumn<int>("lados");
        QTest::addColumn<int>("estilo");
        QTest::addColumn<double>("largura");
        QTest::addColumn<double>("escala");
        QTest::addColumn<int>("retangulos");
        QTest::addColumn<int>("linhas");
        QTest::newRow("quatro lados, solida") << 15 << 0 << 1.0 << 1.0 << 1 << 0;
        QTest::newRow("quatro lados, dupla") << 15 << 5 << 1.0 << 1.0 << 0 << 8;
        QTest::newRow("quatro lados, tracejada") << 15 << 1 << 1.0 << 1.0 << 0 << 4;
        QTest::newRow("esquerda e base") << 6 << 0 << 1.0 << 1.0 << 0 << 2;
        QTest::newRow("topo, esquerda e base") << 14 << 0 << 1.0 << 1.0 << 0 << 3;
        QTest::newRow("topo e base, dupla") << 10 << 5 << 1.0 << 1.0 << 0 << 4;
        QTest::newRow("direita, largura 2, escala 2") << 1 << 0 << 2.0 << 2.0 << 0 << 1;
        QTest::newRow("quatro lados, largura 1,5, escala 3") << 15 << 0 << 1.5 << 3.0 << 1 << 0;
        QTest::newRow("sem lados") << 0 << 0 << 1.0 << 1.0 << 0 << 0;
    }
    void molduras() {
        QFETCH(int, lados);
        QFETCH(int, estilo);
        QFETCH(double, largura);
        QFETCH(double, escala);
        QFETCH(int, retangulos);
        QFETCH(int, linhas);
        auto m = modelo::memo(QStringLiteral("F"), 0, 0, 0, 0, QString(), 8, std::uint16_t(lados));
        m->memo.clear();
        m->frameStyle = std::uint16_t(estilo);
        m->frameWidth = largura;
        const QRectF caixa(50, 40, 120, 30);
        const auto pintura = gravar(*m, caixa, escala);
        std::vector<PinturaGravada::Retangulo> comCaneta;
        for (const auto& r : pintura->retangulos)
            if (r.comCaneta) comCaneta.push_back(r);
        QCOMPARE(int(comCaneta.size()), retangulos);
        QCOMPARE(int(pintura->linhas.size()), linhas);
        for (const auto& r : comCaneta) {
            QCOMPARE(r.retangulo, caixa);
            QCOMPARE(r.largura, largura * escala);
        }
        // Each side set has a line on that edge, from corner to corner.
        const struct {
            int bit;
            QLineF borda;
        } bordas[] = {{8, QLineF(caixa.topLeft(), caixa.topRight())},
                      {4, QLineF(caixa.topLeft(), caixa.bottomLeft())},
                      {2, QLineF(caixa.bottomLeft(), caixa.bottomRight())},
                      {1, QLineF(caixa.topRight(), caixa.bottomRight())}};
        if (linhas == 0) return;
        int naBorda = 0;
        for (const auto& b : bordas) {
            if (!(lados & b.bit)) continue;
            auto igual = [&](const QLineF& l) {
                return (l.p1() == b.borda.p1() && l.p2() == b.borda.p2()) ||
                       (l.p1() == b.borda.p2() && l.p2() == b.borda.p1());
            };
            const auto it = std::find_if(pintura->linhas.begin(), pintura->linhas.end(),
                                         [&](const auto& l) { return igual(l.linha); });
            QVERIFY2(it != pintura->linhas.end(), qPrintable(QString::number(b.bit)));
            QCOMPARE(it->largura, largura * escala);
            ++naBorda;
            if (estilo != 5) continue;
            // The second line: parallel, as long, shifted towards the inside of the box.
            const QPointF centro = caixa.center();
            const bool achada =
                std::any_of(pintura->linhas.begin(), pintura->linhas.end(), [&](const auto& l) {
                    if (igual(l.linha)) return false;
                    const QPointF d = l.linha.center() - b.borda.center();
                    const QPointF paraDentro = centro - b.borda.center();
                    const bool paralela =
                        std::abs(l.linha.dx() * b.borda.dy() - l.linha.dy() * b.borda.dx()) < 1e-9;
                    return paralela && std::abs(l.linha.length() - b.borda.length()) < 1e-9 &&
                           d.x() * paraDentro.x() + d.y() * paraDentro.y() > 0;
                });
            QVERIFY2(achada, qPrintable(QString::number(b.bit)));
        }
        QCOMPARE(naBorda * (estilo == 5 ? 2 : 1), linhas);
    }

    // Auto size: the box takes the width of the text at scale 1 plus twice the frame width
    // plus 2; aligned right or justified it keeps its right edge, otherwise its left edge.
    // Drawn at scale 1 in that box the text is placed by the ordinary rules (the box is not
    // widened): left at the inset, right ending one pixel short of the right inset, centred in
    // the inner width, a justified single line as a left-aligned one; all of it in the clip.
    void autoTamanhoMantemBorda_data() {
        QTest::addColumn<int>("ajuste");
        QTest::addColumn<bool>("bordaDireita");
        QTest::newRow("esquerda") << 0 << false;
        QTest::newRow("direita") << 1 << true;
        QTest::newRow("centro") << 2 << false;
        QTest::newRow("justificado") << 3 << true;
    }
    void autoTamanhoMantemBorda() {
        QFETCH(int, ajuste);
        QFETCH(bool, bordaDireita);
        const QString texto = QStringLiteral("Comprimento total do tubo = 1.234,50");
        auto m = modelo::memo(QStringLiteral("A"), 300, 100, 100, 16, texto, 8, 0, ajuste);
        m->flags = rpFlags::MemoAutoSize | rpFlags::MemoWordWrap;
        m->frameWidth = 1;
        AjustarAutoTamanho(*m);
        // The width of the text in Arial at 11 pixels (8 pt at scale 1).
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(11);
        arial.setKerning(false);
        arial.setHintingPreference(QFont::PreferNoHinting);
        const double w = QFontMetricsF(arial).horizontalAdvance(texto);
        QVERIFY2(m->dx >= std::floor(w) + 4 && m->dx <= std::ceil(w) + 4,
                 qPrintable(QStringLiteral("%1 for %2").arg(m->dx).arg(w)));
        if (bordaDireita)
            QCOMPARE(m->x + m->dx, 400);
        else
            QCOMPARE(m->x, 300);
        const auto pintura = gravar(*m, QRectF(m->x, m->y, m->dx, m->dy), 1.0);
        const auto linhas = porLinha(*pintura);
        QCOMPARE(int(linhas.size()), 1);
        QCOMPARE(int(linhas.front().size()), 1);
        const PinturaGravada::Texto& t = linhas.front().front();
        QCOMPARE(t.texto, texto);
        const double inicio = t.origem.x(), fim = inicio + t.largura();
        const double esquerda = m->x + 2, direita = m->x + m->dx - 2;
        if (ajuste == 0 || ajuste == 3) QVERIFY(std::abs(inicio - esquerda) < Tolerancia);
        if (ajuste == 1) QVERIFY(std::abs(fim - (direita - 1)) < Tolerancia);
        if (ajuste == 2)
            QVERIFY2(std::abs((inicio - esquerda) - (direita - fim)) < Tolerancia,
                     qPrintable(QStringLiteral("%1 .. %2 in %3 .. %4")
                                    .arg(inicio)
                                    .arg(fim)
                                    .arg(esquerda)
                                    .arg(direita)));
        conferirRecorte(t, QRectF(m->x + 1, m->y, m->dx - 3, m->dy - 1));
    }

    // Fault caught: decoded pictures kept by count only, so that a prepared report with many
    // large pictures holds gigabytes; the bytes kept stay under the bound (besides the picture
    // drawn last, which is kept even when it alone is larger), and a picture kept is still
    // drawn as decoded.
    void figurasGuardadasLimitadas() {
        auto bmp = [](int lado, QRgb cor) {
            QImage imagem(lado, lado, QImage::Format_RGB32);
            imagem.fill(cor);
            QByteArray bytes;
            QBuffer saida(&bytes);
            saida.open(QIODevice::WriteOnly);
            imagem.save(&saida, "BMP");
            return bytes;
        };
        TrpPictureView figura;
        figura.graphicKind = TrpPictureView::Bitmap;
        figura.flags = rpFlags::PictStretched;
        const qsizetype grande = qsizetype(4200) * 4200 * 4; // one picture over the bound
        for (int k = 0; k < 12; ++k) {
            const int lado = k == 6 ? 4200 : 1500; // 9 MB decoded each, one of 70 MB
            figura.graphic = bmp(lado, qRgb(10 * k, 0, 0));
            QImage destino(8, 8, QImage::Format_RGB32);
            destino.fill(Qt::white);
            {
                QPainter p(&destino);
                DesenharObjeto(p, figura, QRectF(0, 0, 8, 8), TrpEscala{});
            }
            QCOMPARE(qRed(destino.pixel(4, 4)), 10 * k);
            const qsizetype guardados = rpBytesGraficosGuardados();
            if (k == 6)
                QVERIFY(guardados >= grande && guardados < grande + figura.graphic.size() + 1024);
            else
                QVERIFY2(guardados <= rpLimiteBytesGraficos,
                         qPrintable(QString::number(guardados)));
        }
    }
};

QTEST_MAIN(TestDesenhoMemo)
#include "test_desenho_memo.moc"
