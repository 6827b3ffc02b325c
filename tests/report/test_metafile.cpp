// Tests of the placeable metafile reader, player and writer, and of the three report drawings.
#include "../../resources/report/drawings/Desenhos.h"
#include "rpMetafile.h"
#include "rpMetafileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>
#include <functional>

using namespace rpMeta;

namespace {

// A canvas with a white background, the metafile played into `target`.
QImage tocar(const TrpMetafile& mf, QSize tamanho, const QRectF& target) {
    QImage img(tamanho, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    mf.play(p, target);
    return img;
}

TrpMetafile carregar(const QByteArray& dados) {
    TrpMetafile mf;
    QString erro;
    if (!mf.load(dados, &erro)) qWarning("load failed: %s", qPrintable(erro));
    return mf;
}

bool escuro(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 100;
}
bool branco(const QImage& img, int x, int y) {
    return img.pixel(x, y) == qRgb(255, 255, 255);
}

int contarEscuros(const QImage& img, const QRect& r) {
    int n = 0;
    const QRect c = r.intersected(img.rect());
    for (int y = c.top(); y <= c.bottom(); ++y)
        for (int x = c.left(); x <= c.right(); ++x)
            if (escuro(img, x, y)) ++n;
    return n;
}

// A 1000 x 500 picture at 1000 units per inch: a thick black line along y = 100 from x 100 to
// 900, and a red filled rectangle 500..900 x 250..450.
QByteArray exemplo(const std::function<void(TrpMetafileWriter&)>& extra = {}) {
    TrpMetafileWriter w(QRect(0, 0, 1000, 500));
    const int pen = w.createPen(PenSolid, 20, Qt::black);
    const int brush = w.createBrush(BrushSolid, Qt::red);
    w.selectObject(pen);
    w.line(QPoint(100, 100), QPoint(900, 100));
    if (extra) extra(w);
    w.selectObject(brush);
    w.rectangle(QRect(QPoint(500, 250), QPoint(899, 449)));
    return w.finish();
}

// Sets the 16-bit word at byte offset `at`.
void poe16(QByteArray& d, int at, std::uint16_t v) {
    d[at] = char(v & 0xFF);
    d[at + 1] = char(v >> 8);
}
void recalcularChecksum(QByteArray& d) {
    std::uint16_t s = 0;
    for (int i = 0; i < 10; ++i)
        s ^= std::uint16_t(std::uint8_t(d[2 * i]) | (std::uint8_t(d[2 * i + 1]) << 8));
    poe16(d, 20, s);
}

// Offset of the first record after both headers.
constexpr int PrimeiroRegistro = PlaceableHeaderBytes + 2 * HeaderWords;

struct MemoRotulo {
    QString nome, alinhamento;
    QRectF caixa;
    bool branco = false;
};

// Label memos of a template description (name x y w h key=value ...).
QList<MemoRotulo> lerMemos(const QString& arquivo) {
    QList<MemoRotulo> memos;
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return memos;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString linha = in.readLine();
        if (!linha.startsWith(u"memo ")) continue;
        const QStringList t = linha.split(u' ', Qt::SkipEmptyParts);
        if (t.size() < 6) continue;
        MemoRotulo m;
        m.nome = t[1];
        m.caixa = QRectF(t[2].toDouble(), t[3].toDouble(), t[4].toDouble(), t[5].toDouble());
        m.alinhamento = QStringLiteral("L");
        for (const QString& kv : t) {
            if (kv.startsWith(u"align=")) m.alinhamento = kv.mid(6);
            if (kv == u"fill=white") m.branco = true;
        }
        memos.push_back(m);
    }
    return memos;
}

} // namespace

class TestMetafile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void headerAndRoundTrip() {
        const QByteArray dados = exemplo();
        TrpMetafile mf;
        QString erro;
        QVERIFY2(mf.load(dados, &erro), qPrintable(erro));
        QCOMPARE(mf.bounds(), QRect(0, 0, 1000, 500));
        QCOMPARE(mf.unitsPerInch(), 1000);
        QCOMPARE(mf.naturalSizePixels(96), QSizeF(96, 48));
        QCOMPARE(mf.naturalSizePixels(300), QSizeF(300, 150));
        QCOMPARE(mf.skippedCount(), 0);

        // 200 x 100 pixels: 5 units per pixel.
        const QImage img = tocar(mf, QSize(200, 100), QRectF(0, 0, 200, 100));
        QVERIFY(escuro(img, 100, 20)); // on the line
        QVERIFY(escuro(img, 30, 20));
        QVERIFY(branco(img, 100, 35));                 // well off the line
        QVERIFY(branco(img, 10, 20));                  // beyond its start
        QCOMPARE(img.pixel(140, 70), qRgb(255, 0, 0)); // inside the rectangle
        QVERIFY(branco(img, 60, 70));                  // left of it
        QVERIFY(branco(img, 140, 40));                 // above it
    }

    void scalesIntoAnyRectangle() {
        const TrpMetafile mf = carregar(exemplo());
        // Small target at an offset: 100 x 50 at (20, 30) -> 10 units per pixel.
        const QImage a = tocar(mf, QSize(300, 200), QRectF(20, 30, 100, 50));
        QCOMPARE(a.pixel(20 + 70, 30 + 35), qRgb(255, 0, 0));
        QVERIFY(escuro(a, 20 + 50, 30 + 10));
        QVERIFY(branco(a, 20 + 30, 30 + 35));
        // Nothing is drawn outside the target.
        QCOMPARE(contarEscuros(a, QRect(0, 0, 300, 28)), 0);
        QCOMPARE(contarEscuros(a, QRect(123, 0, 177, 200)), 0);
        QCOMPARE(contarEscuros(a, QRect(0, 82, 300, 118)), 0);
        // Large, anisotropic target: 800 x 100 -> 1.25 units per pixel across, 5 down.
        const QImage b = tocar(mf, QSize(800, 100), QRectF(0, 0, 800, 100));
        QCOMPARE(b.pixel(700, 70), qRgb(255, 0, 0));
        QVERIFY(branco(b, 380, 70));
        QVERIFY(escuro(b, 400, 20));
        // A painter that is already scaled (a zoomed preview) composes with the picture's own
        // mapping.
        QImage c(QSize(400, 200), QImage::Format_RGB32);
        c.fill(Qt::white);
        {
            QPainter p(&c);
            p.scale(2, 2);
            mf.play(p, QRectF(0, 0, 200, 100));
        }
        QCOMPARE(c.pixel(280, 140), qRgb(255, 0, 0));
        QVERIFY(branco(c, 120, 140));
    }

    void windowOriginAndExtentMapToTarget() {
        // The window says logical (-100,-100)..(100,100) fills the target, whatever the box.
        TrpMetafileWriter w(QRect(0, 0, 1000, 1000));
        w.setWindowOrg(QPoint(-100, -100));
        w.setWindowExt(QSize(200, 200));
        w.selectObject(w.createBrush(BrushSolid, Qt::blue));
        w.selectObject(w.createPen(PenNull, 0, Qt::black));
        w.rectangle(QRect(QPoint(0, 0), QPoint(99, 99))); // bottom-right quarter
        const QImage img = tocar(carregar(w.finish()), QSize(100, 100), QRectF(0, 0, 100, 100));
        QCOMPARE(img.pixel(75, 75), qRgb(0, 0, 255));
        QVERIFY(branco(img, 25, 25));
        QVERIFY(branco(img, 75, 25));
        QVERIFY(branco(img, 25, 75));
    }

    void unknownRecordsAreSkipped() {
        const QByteArray semExtras = exemplo();
        const QByteArray comExtras = exemplo([](TrpMetafileWriter& w) {
            w.record(0x0626, {1, 2, 3, 4});                       // escape
            w.record(0x0521, {3, 'a' | ('b' << 8), 'c', 10, 10}); // text out
            w.record(0x0209, {0, 0});                             // text colour: known, no effect
            w.record(0x7777, {}); // not a record of the format at all
        });
        TrpMetafile mf;
        QString erro;
        QVERIFY2(mf.load(comExtras, &erro), qPrintable(erro));
        QCOMPARE(mf.skippedCount(), 4);
        QCOMPARE(mf.recordCount(), carregar(semExtras).recordCount() + 4);
        const QSize s(200, 100);
        QCOMPARE(tocar(mf, s, QRectF(0, 0, 200, 100)),
                 tocar(carregar(semExtras), s, QRectF(0, 0, 200, 100)));
    }

    void penStyles() {
        // One horizontal line per style across a picture 10 inches wide played at 960 pixels,
        // so that the dash patterns (in 1/96 inch) come out at one pixel per unit.
        auto linha = [](int estilo) {
            TrpMetafileWriter w(QRect(0, 0, 10000, 1000));
            w.selectObject(w.createPen(estilo, 0, Qt::black));
            w.line(QPoint(0, 500), QPoint(10000, 500));
            const QImage img = tocar(carregar(w.finish()), QSize(960, 96), QRectF(0, 0, 960, 96));
            int escuros = 0, trocas = 0;
            bool antes = false;
            for (int x = 10; x < 950; ++x) {
                bool e = false;
                for (int y = 46; y <= 50; ++y)
                    e = e || qGray(img.pixel(x, y)) < 160;
                escuros += e;
                if (x > 10 && e != antes) ++trocas;
                antes = e;
            }
            return std::pair{escuros, trocas};
        };
        const auto [solida, trocasSolida] = linha(PenSolid);
        QCOMPARE(solida, 940);
        QCOMPARE(trocasSolida, 0);
        QCOMPARE(linha(PenNull).first, 0);
        for (int estilo : {PenDash, PenDot, PenDashDot, PenDashDotDot}) {
            const auto [escuros, trocas] = linha(estilo);
            QVERIFY2(escuros > 100 && escuros < 900, qPrintable(QString::number(estilo)));
            QVERIFY2(trocas > 20, qPrintable(QString::number(estilo)));
        }
        // Dots are more broken up than dashes.
        QVERIFY(linha(PenDot).second > linha(PenDash).second);
    }

    void brushesAndFillModes() {
        TrpMetafileWriter w(QRect(0, 0, 400, 100));
        w.selectObject(w.createPen(PenNull, 0, Qt::black));
        w.setBkMode(Transparent);
        w.selectObject(w.createBrush(BrushHatched, Qt::black, HatchCross));
        w.rectangle(QRect(0, 0, 100, 100));
        w.selectObject(w.createBrush(BrushNull, Qt::black));
        w.rectangle(QRect(100, 0, 100, 100));
        // Two nested squares of one orientation: a hole under alternate fill, none under winding.
        const QList<QPolygon> anel{QPolygon(QRect(210, 10, 80, 80)),
                                   QPolygon(QRect(230, 30, 40, 40))};
        w.selectObject(w.createBrush(BrushSolid, Qt::black));
        w.setPolyFillMode(Alternate);
        w.polyPolygon(anel);
        w.setPolyFillMode(Winding);
        w.polyPolygon({anel[0].translated(100, 0), anel[1].translated(100, 0)});
        const QImage img = tocar(carregar(w.finish()), QSize(400, 100), QRectF(0, 0, 400, 100));
        const int hachura = contarEscuros(img, QRect(5, 5, 90, 90));
        QVERIFY2(hachura > 500 && hachura < 6000, qPrintable(QString::number(hachura)));
        QCOMPARE(contarEscuros(img, QRect(105, 5, 90, 90)), 0);
        QVERIFY(escuro(img, 220, 50));
        QVERIFY(branco(img, 250, 50));
        QVERIFY(escuro(img, 320, 50));
        QVERIFY(escuro(img, 350, 50));
    }

    void ellipsesAndArcsRunCounterClockwise() {
        TrpMetafileWriter w(QRect(0, 0, 300, 100));
        w.selectObject(w.createPen(PenNull, 0, Qt::black));
        w.selectObject(w.createBrush(BrushSolid, Qt::black));
        w.ellipse(QRect(0, 0, 100, 100));
        // Pie from the right (3 o'clock) counter-clockwise to the top (12 o'clock): the
        // top-right quarter.
        w.pie(QRect(100, 0, 100, 100), QPoint(200, 50), QPoint(150, 0));
        // Chord from the top to the bottom, counter-clockwise: the left half.
        w.chord(QRect(200, 0, 100, 100), QPoint(250, 0), QPoint(250, 100));
        const QImage img = tocar(carregar(w.finish()), QSize(300, 100), QRectF(0, 0, 300, 100));
        QVERIFY(escuro(img, 50, 50));
        QVERIFY(branco(img, 4, 4)); // corner of the ellipse's box
        QVERIFY(escuro(img, 170, 30));
        QVERIFY(branco(img, 130, 30));
        QVERIFY(branco(img, 170, 70));
        QVERIFY(branco(img, 130, 70));
        QVERIFY(escuro(img, 230, 50));
        QVERIFY(branco(img, 270, 50));

        // An arc is only its outline: from the left (9 o'clock) counter-clockwise to the right
        // passes through the bottom.
        TrpMetafileWriter a(QRect(0, 0, 100, 100));
        a.selectObject(a.createPen(PenSolid, 6, Qt::black));
        a.arc(QRect(10, 10, 80, 80), QPoint(0, 50), QPoint(100, 50));
        const QImage arco = tocar(carregar(a.finish()), QSize(100, 100), QRectF(0, 0, 100, 100));
        QVERIFY(contarEscuros(arco, QRect(45, 86, 10, 8)) > 0);
        QCOMPARE(contarEscuros(arco, QRect(45, 6, 10, 8)), 0);
        QCOMPARE(contarEscuros(arco, QRect(40, 40, 20, 20)), 0);
    }

    void objectTableAndSavedStates() {
        TrpMetafileWriter w(QRect(0, 0, 300, 100));
        const int vermelho = w.createBrush(BrushSolid, Qt::red);
        const int verde = w.createBrush(BrushSolid, Qt::green);
        QCOMPARE(vermelho, 0);
        QCOMPARE(verde, 1);
        w.deleteObject(vermelho);
        const int azul = w.createBrush(BrushSolid, Qt::blue); // takes the freed slot 0
        QCOMPARE(azul, 0);
        w.selectObject(w.createPen(PenNull, 0, Qt::black));
        w.selectObject(azul);
        w.rectangle(QRect(0, 0, 100, 100));
        // A saved state brings the brush back; a deleted, unselected object selects nothing.
        w.saveDC();
        w.selectObject(verde);
        w.rectangle(QRect(100, 0, 100, 100));
        w.restoreDC(-1);
        w.deleteObject(verde);
        w.selectObject(verde);
        w.rectangle(QRect(200, 0, 100, 100));
        const QImage img = tocar(carregar(w.finish()), QSize(300, 100), QRectF(0, 0, 300, 100));
        QCOMPARE(img.pixel(50, 50), qRgb(0, 0, 255));
        QCOMPARE(img.pixel(150, 50), qRgb(0, 255, 0));
        QCOMPARE(img.pixel(250, 50), qRgb(0, 0, 255));
    }

    // RestoreDC with a positive level counts from the first saved state: after two saves,
    // level 1 brings back the pen of the first and empties the stack.
    void restoreDCAbsoluto() {
        TrpMetafileWriter w(QRect(0, 0, 300, 100));
        const int vermelha = w.createPen(PenSolid, 20, Qt::red);
        const int verde = w.createPen(PenSolid, 20, Qt::green);
        const int azul = w.createPen(PenSolid, 20, Qt::blue);
        w.selectObject(vermelha);
        w.saveDC();
        w.selectObject(verde);
        w.saveDC();
        w.selectObject(azul);
        w.restoreDC(1);
        w.line(QPoint(0, 25), QPoint(300, 25));
        w.restoreDC(-1); // nothing left to restore: the pen stays
        w.line(QPoint(0, 75), QPoint(300, 75));
        const QImage img = tocar(carregar(w.finish()), QSize(300, 100), QRectF(0, 0, 300, 100));
        QCOMPARE(img.pixel(150, 25), qRgb(255, 0, 0));
        QCOMPARE(img.pixel(150, 75), qRgb(255, 0, 0));
    }

    // A tiny window magnifies 16-bit coordinates a million times: dashed strokes, hatching and
    // curves far outside the target must still finish (the test's time limit guards this).
    void extremeCoordinatesAreDrawnWithoutRunningAway() {
        TrpMetafileWriter w(QRect(0, 0, 100, 100));
        w.setWindowOrg(QPoint(0, 0));
        w.setWindowExt(QSize(1, 1));
        w.selectObject(w.createPen(PenDashDotDot, 0, Qt::black));
        w.selectObject(w.createBrush(BrushHatched, Qt::black, HatchDiagCross));
        w.line(QPoint(-32768, -32768), QPoint(32767, 32767));
        w.polygon(QPolygon({QPoint(-32768, -32768), QPoint(32767, -32768), QPoint(0, 32767)}));
        w.ellipse(QRect(QPoint(-32768, -32768), QPoint(32766, 32766)));
        w.arc(QRect(QPoint(-30000, -30000), QPoint(30000, 30000)), QPoint(-30000, 0),
              QPoint(30000, 0));
        w.setWindowExt(QSize(-1, 1)); // mirrored
        w.chord(QRect(QPoint(-30000, -30000), QPoint(30000, 30000)), QPoint(0, -30000),
                QPoint(0, 30000));
        const TrpMetafile mf = carregar(w.finish());
        QVERIFY(!mf.isNull());
        const QImage img = tocar(mf, QSize(64, 64), QRectF(0, 0, 64, 64));
        QVERIFY(contarEscuros(img, img.rect()) > 0);
    }

    void malformedInputIsRefused_data() {
        QTest::addColumn<QByteArray>("dados");
        const QByteArray bom = exemplo();
        const int rec = PrimeiroRegistro; // first record: CreatePenIndirect, 8 words

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("headers only") << bom.left(PrimeiroRegistro);
        QByteArray d = bom;
        d[0] = 0;
        QTest::newRow("wrong key") << d;
        d = bom;
        d[21] = char(d[21] ^ 0x40);
        QTest::newRow("bad checksum") << d;
        d = bom;
        poe16(d, 10, 0); // right = left
        recalcularChecksum(d);
        QTest::newRow("zero width") << d;
        d = bom;
        poe16(d, 12, std::uint16_t(-5)); // bottom above top
        recalcularChecksum(d);
        QTest::newRow("negative height") << d;
        d = bom;
        poe16(d, 14, 0);
        recalcularChecksum(d);
        QTest::newRow("no units per inch") << d;
        d = bom;
        poe16(d, PlaceableHeaderBytes + 2, 7);
        QTest::newRow("header size") << d;
        d = bom;
        poe16(d, rec, 0);
        QTest::newRow("record size 0") << d;
        d = bom;
        poe16(d, rec, 2);
        QTest::newRow("record size 2") << d;
        d = bom;
        poe16(d, rec + 2, 0x4000);
        QTest::newRow("record past the end") << d;
        d = bom;
        poe16(d, rec, 4); // a pen record that holds one parameter word
        QTest::newRow("pen record too short") << d;

        auto com = [](const std::function<void(TrpMetafileWriter&)>& f) {
            TrpMetafileWriter w(QRect(0, 0, 100, 100));
            f(w);
            return w.finish();
        };
        QTest::newRow("polyline count beyond record") << com([](TrpMetafileWriter& w) {
            w.record(Polyline, {50, 1, 1, 2, 2});
        });
        QTest::newRow("negative point count") << com([](TrpMetafileWriter& w) {
            w.record(Polygon, {-3, 1, 1, 2, 2, 3, 3});
        });
        QTest::newRow("polygon counts beyond record") << com([](TrpMetafileWriter& w) {
            w.record(PolyPolygon, {2, 3, 30000, 0, 0, 1, 1, 2, 2});
        });
        QTest::newRow("polygon list beyond record") << com([](TrpMetafileWriter& w) {
            w.record(PolyPolygon, {-1, 3});
        });
        QTest::newRow("arc too short") << com([](TrpMetafileWriter& w) {
            w.record(Arc, {1, 2, 3, 4});
        });
        QTest::newRow("zero window extent") << com([](TrpMetafileWriter& w) {
            w.record(SetWindowExt, {0, 100});
        });
        // The writer counts two objects; the header is then patched to a table of one.
        QByteArray cheio = com([](TrpMetafileWriter& w) {
            w.createPen(PenSolid, 1, Qt::black);
            w.createBrush(BrushSolid, Qt::black);
        });
        poe16(cheio, PlaceableHeaderBytes + 10, 1);
        QTest::newRow("object table overflow") << cheio;
        QByteArray semFim = bom;
        semFim.chop(6); // the end record
        QTest::newRow("no end record") << semFim;
    }

    void malformedInputIsRefused() {
        QFETCH(QByteArray, dados);
        TrpMetafile mf;
        QString erro;
        QVERIFY(!mf.load(dados, &erro));
        QVERIFY(!erro.isEmpty());
        QVERIFY(mf.isNull());
        QCOMPARE(mf.bounds(), QRect());
        // Playing an empty picture draws nothing.
        QCOMPARE(contarEscuros(tocar(mf, QSize(20, 20), QRectF(0, 0, 20, 20)), QRect(0, 0, 20, 20)),
                 0);
    }

    void refusedLoadForgetsThePreviousPicture() {
        TrpMetafile mf = carregar(exemplo());
        QVERIFY(!mf.isNull());
        QVERIFY(!mf.load(QByteArray("garbage")));
        QVERIFY(mf.isNull());
    }

    void drawingsLoadWithTheirExtents_data() {
        QTest::addColumn<QByteArray>("dados");
        QTest::addColumn<QSize>("extensao");
        QTest::newRow("optica") << Desenhos::DesenharOptica() << QSize(7640, 3994);
        QTest::newRow("flechas") << Desenhos::DesenharFlechas() << QSize(2372, 1896);
        QTest::newRow("defletor") << Desenhos::DesenharDefletor() << QSize(6846, 3094);
    }

    void drawingsLoadWithTheirExtents() {
        QFETCH(QByteArray, dados);
        QFETCH(QSize, extensao);
        TrpMetafile mf;
        QString erro;
        QVERIFY2(mf.load(dados, &erro), qPrintable(erro));
        QCOMPARE(mf.bounds(), QRect(QPoint(0, 0), extensao));
        QCOMPARE(mf.unitsPerInch(), 1000);
        QCOMPARE(mf.skippedCount(), 0); // in particular no text records
        // Every proper prefix is refused; none crashes.
        for (qsizetype n = 0; n < dados.size(); ++n)
            QVERIFY(!mf.load(dados.left(n)));
    }

    void drawingsSurviveRandomCorruption() {
        const QByteArray desenhos[] = {Desenhos::DesenharOptica(), Desenhos::DesenharFlechas(),
                                       Desenhos::DesenharDefletor()};
        QRandomGenerator rng(20240611);
        QImage img(QSize(48, 32), QImage::Format_RGB32);
        int aceitos = 0, recusados = 0;
        for (int i = 0; i < 3000; ++i) {
            QByteArray d = desenhos[i % 3];
            const int trocas = 1 + int(rng.bounded(8));
            for (int t = 0; t < trocas; ++t) {
                // Mostly the records (keeping the header checksum), sometimes anywhere.
                const int inicio = rng.bounded(4) == 0 ? 0 : PrimeiroRegistro;
                const int at = inicio + int(rng.bounded(quint32(d.size() - inicio)));
                d[at] = char(rng.bounded(256));
            }
            if (rng.bounded(5) == 0) d.truncate(int(rng.bounded(quint32(d.size()))));
            TrpMetafile mf;
            if (mf.load(d)) {
                ++aceitos;
                img.fill(Qt::white);
                QPainter p(&img);
                mf.play(p, QRectF(0, 0, 48, 32));
            } else {
                ++recusados;
            }
        }
        // Both outcomes occur: the corruptions reach the drawing code as well as the checks.
        QVERIFY(aceitos > 100);
        QVERIFY(recusados > 100);
    }

    // Each label memo over a picture lands on the element it names: a dimension label has its
    // dimension line right under its text, a white label sits on its line, the other labels
    // have drawing right beside them, and the summary lines of the design report stay clear.
    void labelsLandOnTheirElements_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("figura");
        QTest::newRow("optica") << "projeto"
                                << "optica";
        QTest::newRow("flechas") << "projeto"
                                 << "flechas";
        QTest::newRow("defletor") << "defletor"
                                  << "defletor";
    }

    void labelsLandOnTheirElements() {
        QFETCH(QString, modelo);
        QFETCH(QString, figura);
        // The template descriptions lie in resources/report of the source tree.
        const QString arquivo =
            QFileInfo(QStringLiteral(__FILE__))
                .dir()
                .filePath(QStringLiteral("../../resources/report/%1.txt").arg(modelo));
        const QList<MemoRotulo> memos = lerMemos(arquivo);
        if (memos.isEmpty()) QSKIP("template description not found");

        const Desenhos::Quadro q = figura == u"optica"    ? Desenhos::QuadroOptica()
                                   : figura == u"flechas" ? Desenhos::QuadroFlechas()
                                                          : Desenhos::QuadroDefletor();
        const QByteArray dados = figura == u"optica"    ? Desenhos::DesenharOptica()
                                 : figura == u"flechas" ? Desenhos::DesenharFlechas()
                                                        : Desenhos::DesenharDefletor();
        const TrpMetafile mf = carregar(dados);
        // The page at 3 pixels per unit, the picture stretched into its box keeping its aspect
        // ratio, anchored top-left.
        const double s = 3;
        const QSizeF nat = mf.naturalSizePixels(96);
        const double k = std::min(q.caixa.width() / nat.width(), q.caixa.height() / nat.height());
        // The drawing's own page mapping agrees with the way the report stretches it.
        QCOMPARE(qRound(nat.width() * k * 1000), qRound(q.extensao.width() * q.escala() * 1000));
        const QImage img = tocar(
            mf, QSize(int(760 * s), int(700 * s)),
            QRectF(q.caixa.x() * s, q.caixa.y() * s, nat.width() * k * s, nat.height() * k * s));
        auto px = [&](double v) { return int(std::lround(v * s)); };

        int verificados = 0;
        for (const MemoRotulo& m : memos) {
            if (!q.caixa.contains(m.caixa.center())) continue;
            const QRectF c = m.caixa;
            const QByteArray nome = m.nome.toUtf8();
            if (modelo == u"projeto" &&
                (m.nome == u"Memo16" || m.nome == u"Memo17" || m.nome == u"Memo18")) {
                QCOMPARE(
                    contarEscuros(img, QRect(px(c.x()), px(c.y()), px(c.width()), px(c.height()))),
                    0);
            } else if (m.branco) {
                QVERIFY2(contarEscuros(
                             img, QRect(px(c.x()), px(c.y()), px(c.width()), px(c.height()))) > 0,
                         nome);
            } else if (m.alinhamento == u"C") {
                // Every column of the middle half has a dark pixel between the bottom of the
                // text (top + 13) and top + 19.
                for (double x = c.left() + c.width() / 4; x <= c.right() - c.width() / 4; x += 1) {
                    const int n = contarEscuros(img, QRect(px(x), px(c.y() + 13), 1, px(6)));
                    QVERIFY2(n > 0, nome + " at x " + QByteArray::number(x));
                }
            } else {
                QVERIFY2(contarEscuros(img, QRect(px(c.x() - 6), px(c.y() - 6), px(c.width() + 12),
                                                  px(c.height() + 12))) > 0,
                         nome);
            }
            ++verificados;
        }
        QVERIFY(verificados >= 4);
    }
};

QTEST_MAIN(TestMetafile)
#include "test_metafile.moc"
