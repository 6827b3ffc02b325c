// Prepared pages: drawing at any scale and the ".rpp" prepared-report file, damaged input too.
#include "ReportFixture.h"

#include "rpPrepare.h"
#include "rpPrepared.h"

#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>
#include <cstring>

namespace {

QByteArray bitmapBmp() {
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(0, 0, 20, 20, Qt::black);
    p.end();
    QByteArray bmp;
    QBuffer b(&bmp);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "BMP");
    return bmp;
}

// The report of the preparation tests plus a picture, a double frame and a filled memo.
std::unique_ptr<modelo::Relatorio> relatorio(int linhas) {
    auto r = std::make_unique<modelo::Relatorio>();
    auto& objetos = r->report.pages[0].objects;
    auto figura = std::make_unique<TrpPictureView>();
    figura->name = QStringLiteral("Picture1");
    figura->x = 40;
    figura->y = 65;
    figura->dx = 200;
    figura->dy = 200;
    figura->frame = rpFrame::All;
    figura->flags = rpFlags::PictStretched | rpFlags::PictKeepAspect;
    figura->graphicKind = TrpPictureView::Bitmap;
    figura->graphic = bitmapBmp();
    objetos.push_back(std::move(figura));
    auto duplo = modelo::memo(QStringLiteral("Memo2"), 300, 100, 200, 40,
                              QStringLiteral("Moldura dupla, texto justificado que quebra em "
                                             "mais de uma linha"),
                              9, rpFrame::Top | rpFrame::Bottom, 3);
    duplo->frameStyle = 5;
    duplo->fillColor = 0x00C0FFFF;
    objetos.push_back(std::move(duplo));
    r->linhas(linhas);
    r->report.showProgress = false;
    return r;
}

QImage desenhar(const TrpPreparedPages& p, int pagina, QSize tamanho, QRectF visivel = {}) {
    QImage img(tamanho, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    p.draw(pagina, painter, QRectF(QPointF(0, 0), QSizeF(tamanho)), visivel);
    return img;
}

int pixelsEscuros(const QImage& img, QRect area = {}) {
    if (area.isNull()) area = img.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 100) ++n;
    return n;
}

QByteArray salvar(const TrpPreparedPages& p) {
    QByteArray dados;
    QBuffer b(&dados);
    b.open(QIODevice::WriteOnly);
    p.save(b, QStringLiteral("Impressora X"));
    return dados;
}

bool carregar(TrpPreparedPages& p, const QByteArray& dados, QString* erro = nullptr) {
    QBuffer b;
    b.setData(dados);
    b.open(QIODevice::ReadOnly);
    try {
        p.load(b);
        return true;
    } catch (const std::runtime_error& e) {
        if (erro) *erro = QString::fromUtf8(e.what());
        return false;
    }
}

// A sequential device (a pipe, a socket) that records the largest read it is asked for.
class DispositivoSequencial : public QIODevice {
public:
    explicit DispositivoSequencial(QByteArray dados) : m_dados(std::move(dados)) {}
    bool isSequential() const override { return true; }
    qint64 maiorPedido = 0;

protected:
    qint64 readData(char* destino, qint64 maximo) override {
        maiorPedido = std::max(maiorPedido, maximo);
        const qint64 n = std::min<qint64>(maximo, m_dados.size() - m_pos);
        std::memcpy(destino, m_dados.constData() + m_pos, std::size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    qint64 bytesAvailable() const override {
        return m_dados.size() - m_pos + QIODevice::bytesAvailable();
    }

private:
    QByteArray m_dados;
    qint64 m_pos = 0;
};

} // namespace

class TestRpp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Written and read back: same pages, drawn pixel for pixel the same.
    void gravarELer() {
        auto r = relatorio(120);
        const TrpBuildResult res = BuildReport(r->report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        const TrpPreparedPages& original = *res.pages;
        QCOMPARE(original.count(), 3);
        const QByteArray dados = salvar(original);
        QCOMPARE(quint8(dados[0]), quint8(0));
        if (qEnvironmentVariableIsSet("TELUVAR_RPP_SEED")) { // seed for the fuzz target
            QFile semente(qEnvironmentVariable("TELUVAR_RPP_SEED"));
            if (semente.open(QIODevice::WriteOnly)) semente.write(dados);
        }
        TrpPreparedPages lidas;
        QString impressora;
        QBuffer b;
        b.setData(dados);
        b.open(QIODevice::ReadOnly);
        lidas.load(b, &impressora);
        QCOMPARE(impressora, QStringLiteral("Impressora X"));
        QCOMPARE(lidas.count(), original.count());
        for (int i = 0; i < lidas.count(); ++i) {
            QCOMPARE(lidas.page(i).stream, original.page(i).stream);
            QCOMPARE(lidas.page(i).paperCode, 9);
            QCOMPARE(lidas.page(i).width, 2100);
            QCOMPARE(lidas.page(i).height, 2970);
            QVERIFY(lidas.page(i).useMargins);
            const QImage a = desenhar(original, i, QSize(752, 1071));
            const QImage c = desenhar(lidas, i, QSize(752, 1071));
            QVERIFY(pixelsEscuros(a) > 1000);
            QCOMPARE(a, c);
        }
        // Through a file as well.
        const QString nome = QDir::temp().filePath(QStringLiteral("teluvar_teste.rpp"));
        original.saveToFile(nome, QStringLiteral("P"));
        TrpPreparedPages doArquivo;
        doArquivo.loadFromFile(nome);
        QCOMPARE(doArquivo.count(), 3);
        QFile::remove(nome);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, doArquivo.loadFromFile(nome));
        QCOMPARE(doArquivo.count(), 3);
    }

    // Every size scales with the target: the picture's frame and black half land in place.
    void desenhoEmEscala() {
        auto r = relatorio(5);
        const TrpBuildResult res = BuildReport(r->report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        for (double k : {1.0, 2.0}) {
            const QImage img = desenhar(*res.pages, 0, QSize(qRound(752 * k), qRound(1071 * k)));
            // The 40 x 20 bitmap kept in proportion in the 200 x 200 box: 200 x 100 at the top;
            // its left half is black, the lower half of the box stays white.
            QVERIFY(pixelsEscuros(img, QRect(QPoint(qRound(60 * k), qRound(80 * k)),
                                             QSize(qRound(60 * k), qRound(40 * k)))) >
                    int(2000 * k * k));
            QCOMPARE(pixelsEscuros(img, QRect(QPoint(qRound(160 * k), qRound(80 * k)),
                                              QSize(qRound(60 * k), qRound(40 * k)))),
                     0);
            QCOMPARE(pixelsEscuros(img, QRect(QPoint(qRound(60 * k), qRound(190 * k)),
                                              QSize(qRound(150 * k), qRound(60 * k)))),
                     0);
            // Frame lines at the box edges.
            QVERIFY(pixelsEscuros(img, QRect(qRound(100 * k), qRound(264 * k), qRound(20 * k),
                                             qRound(3 * k))) >= int(20 * k));
        }
    }

    // On screen, objects outside the visible area are not drawn.
    void areaVisivel() {
        auto r = relatorio(60);
        const TrpBuildResult res = BuildReport(r->report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        const QImage tudo = desenhar(*res.pages, 0, QSize(752, 1071));
        const QImage topo = desenhar(*res.pages, 0, QSize(752, 1071), QRectF(0, 0, 752, 300));
        QVERIFY(pixelsEscuros(tudo, QRect(0, 700, 752, 300)) > 500);
        QCOMPARE(pixelsEscuros(topo, QRect(0, 700, 752, 300)), 0);
        QCOMPARE(topo.copy(0, 0, 752, 250), tudo.copy(0, 0, 752, 250));
    }

    // Reading never asks a device for more than a modest block, whatever the input.
    void leituraSemAlocacaoExcessiva() {
        auto r = relatorio(10);
        const TrpBuildResult res = BuildReport(r->report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        for (const QByteArray& dados : {salvar(*res.pages), QByteArray()}) {
            DispositivoSequencial d(dados);
            d.open(QIODevice::ReadOnly);
            TrpPreparedPages p;
            try {
                p.load(d);
            } catch (const std::runtime_error&) {
                QVERIFY(dados.isEmpty());
            }
            QCOMPARE(p.count(), dados.isEmpty() ? 0 : 1);
            QVERIFY(d.maiorPedido <= (1 << 16) + 16384);
        }
    }

    // Every truncation is refused with a message; the pages held stay as they were.
    void truncamentos() {
        auto r = relatorio(120);
        const TrpBuildResult res = BuildReport(r->report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        const QByteArray dados = salvar(*res.pages);
        TrpPreparedPages p;
        QVERIFY(carregar(p, dados));
        for (qsizetype n = 0; n < dados.size(); ++n) {
            QString erro;
            if (carregar(p, dados.left(n), &erro))
                QFAIL(qPrintable(QStringLiteral("prefix %1 accepted").arg(n)));
            QVERIFY(!erro.isEmpty());
            QCOMPARE(p.count(), 3);
        }
    }

    void cabecalhosRecusados_data() {
        QTest::addColumn<QByteArray>("dados");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("vazio") << QByteArray() << "ends too soon";
        QTest::newRow("comprimido") << QByteArray("\x01", 1) << "Compressed";
        QTest::newRow("antigo") << QByteArray("\x05", 1) << "older layout";
        QByteArray muitas("\0\0\0\0\xff\xff\xff\x7f", 8); // no name, 2^31 pages
        QTest::newRow("contagem") << muitas << "page count";
    }

    void cabecalhosRecusados() {
        QFETCH(QByteArray, dados);
        QFETCH(QString, mensagem);
        TrpPreparedPages p;
        QString erro;
        QVERIFY(!carregar(p, dados, &erro));
        QVERIFY2(erro.contains(mensagem), qPrintable(erro));
    }

    // A one-page file built byte by byte from the file layout: read whatever its first byte
    // (0, 1 or 255 are the same layout), and written back byte for byte. An orientation byte
    // other than 0 or 1 is refused. The memo's frame, drawn in its colour: the system colours
    // of window backgrounds (5) and faces (15) draw white, any other system colour black.
    void arquivoFeitoAMao_data() {
        QTest::addColumn<int>("primeiro");
        QTest::addColumn<int>("orientacao");
        QTest::addColumn<uint>("moldura");
        QTest::addColumn<bool>("molduraEscura");
        QTest::newRow("0") << 0 << 1 << 0x000000FFu << false; // landscape: frame not looked at
        QTest::newRow("255") << 255 << 1 << 0x000000FFu << false;
        QTest::newRow("retrato, moldura preta") << 0 << 0 << 0x00000000u << true;
        QTest::newRow("retrato, moldura branca") << 0 << 0 << 0x00FFFFFFu << false;
        QTest::newRow("cor do sistema 5") << 0 << 0 << 0xFF000005u << false;
        QTest::newRow("cor do sistema 15") << 0 << 0 << 0xFF00000Fu << false;
        QTest::newRow("cor do sistema 8") << 0 << 0 << 0xFF000008u << true;
        QTest::newRow("orientacao 2 recusada") << 0 << 2 << 0x000000FFu << false;
    }
    void arquivoFeitoAMao() {
        QFETCH(int, primeiro);
        QFETCH(int, orientacao);
        QFETCH(uint, moldura);
        QFETCH(bool, molduraEscura);
        QByteArray b;
        auto u8 = [&](unsigned v) { b.append(char(v & 0xFF)); };
        auto u16 = [&](unsigned v) {
            u8(v);
            u8(v >> 8);
        };
        auto u32 = [&](std::uint32_t v) {
            u16(v & 0xFFFF);
            u16(v >> 16);
        };
        auto texto = [&](const char* t) {
            u16(unsigned(std::strlen(t)));
            b.append(t);
            u8(0);
        };
        u8(unsigned(primeiro));
        texto("PDF"); // printer name
        u32(1);       // page count
        const qsizetype fim = b.size();
        u32(0);                   // end offset, filled in below
        u16(9);                   // paper code: A4
        u32(2100);                // width, tenths of a millimetre
        u32(2970);                // height
        u8(unsigned(orientacao)); // 0 portrait, 1 landscape
        u8(0);                    // margins not in use
        u8(23);                   // page stream version
        u8(0);                    // a memo
        u32(40);
        u32(50);
        u32(200);
        u32(16);         // x, y, dx, dy
        u16(0x0002);     // flags: word wrap
        u16(15);         // frame: all four sides
        u32(2);          // frame width 2
        u32(moldura);    // frame colour
        u16(5);          // frame style: double
        u32(0x00FFFFFF); // fill colour: white
        u16(1);
        texto("Texto");  // memo: one line
        texto("Times");  // font name
        u32(9);          // size
        u16(2);          // bold
        u32(0x00FF0000); // blue
        u32(2);          // adjust: centred
        u16(0);          // character set
        const std::uint32_t tamanho = std::uint32_t(b.size());
        for (int k = 0; k < 4; ++k)
            b[fim + k] = char((tamanho >> (8 * k)) & 0xFF);

        TrpPreparedPages p;
        QString erro;
        if (orientacao > 1) {
            QVERIFY(!carregar(p, b, &erro));
            QVERIFY2(erro.contains(u"orientation"), qPrintable(erro));
            return;
        }
        QVERIFY2(carregar(p, b, &erro), qPrintable(erro));
        QCOMPARE(p.count(), 1);
        const TrpPreparedPage& pg = p.page(0);
        QCOMPARE(pg.paperCode, 9);
        QCOMPARE(pg.width, 2100);
        QCOMPARE(pg.height, 2970);
        QCOMPARE(pg.orientation, orientacao);
        // The frame's top edge, left of the centred text (portrait pages).
        if (orientacao == 0)
            QCOMPARE(pixelsEscuros(desenhar(p, 0, QSize(752, 1071)), QRect(45, 48, 50, 5)) > 20,
                     molduraEscura);
        QVERIFY(!pg.useMargins);
        const auto objetos = rpOutput::lerObjetos(pg.stream);
        QCOMPARE(objetos.size(), std::size_t(1));
        const auto& m = static_cast<const TrpMemoView&>(*objetos[0]);
        QCOMPARE(m.kind(), TrpKind::Memo);
        QCOMPARE(QRect(m.x, m.y, m.dx, m.dy), QRect(40, 50, 200, 16));
        QCOMPARE(m.flags, std::uint16_t(2));
        QCOMPARE(m.frame, std::uint16_t(15));
        QCOMPARE(m.frameWidth, 2.0);
        QCOMPARE(m.frameColor, moldura);
        QCOMPARE(m.frameStyle, std::uint16_t(5));
        QCOMPARE(m.fillColor, 0x00FFFFFFu);
        QCOMPARE(m.memo, QStringList{QStringLiteral("Texto")});
        QCOMPARE(m.font.name, QStringLiteral("Times"));
        QCOMPARE(m.font.size, 9);
        QCOMPARE(m.font.style, std::uint16_t(2));
        QCOMPARE(m.font.color, 0x00FF0000u);
        QCOMPARE(m.adjust, 2u);
        // Written back with the same printer name: the same bytes, first byte 0.
        QBuffer saida;
        saida.open(QIODevice::WriteOnly);
        p.save(saida, QStringLiteral("PDF"));
        QByteArray esperado = b;
        esperado[0] = 0;
        QCOMPARE(saida.data(), esperado);
    }

    // Two pages built byte by byte: each page's end offset counts from the start of the file,
    // a picture's end position from the start of its page stream, and the reader moves to
    // each page's end offset (stale bytes after the graphic are passed over by the objects and
    // kept in the page's stream). Page 2 is Letter in landscape, so its size in units is its own.
    void duasPaginasFeitasAMao() {
        QByteArray b;
        auto u8 = [&](unsigned v) { b.append(char(v & 0xFF)); };
        auto u16 = [&](unsigned v) {
            u8(v);
            u8(v >> 8);
        };
        auto u32 = [&](std::uint32_t v) {
            u16(v & 0xFFFF);
            u16(v >> 16);
        };
        auto texto = [&](const char* t) {
            u16(unsigned(std::strlen(t)));
            b.append(t);
            u8(0);
        };
        auto cabecaDoObjeto = [&](int tipo, int x, int y, int dx, int dy, int frame) {
            u8(unsigned(tipo));
            u32(std::uint32_t(x));
            u32(std::uint32_t(y));
            u32(std::uint32_t(dx));
            u32(std::uint32_t(dy));
            u16(0);               // flags
            u16(unsigned(frame)); // frame
            u32(1);               // frame width
            u32(0);               // frame colour
            u16(0);               // frame style
            u32(0x1FFFFFFF);      // no fill
        };
        // Smallest placeable metafile: 22-byte header, metafile header, end-of-file record.
        QByteArray wmf;
        {
            QByteArray guardado = b;
            b.clear();
            u32(0x9AC6CDD7);
            u16(0);
            u16(0);
            u16(0);
            u16(100);
            u16(100);
            u16(1000);
            u32(0);
            u16(0);
            u16(1);
            u16(9);
            u16(0x300);
            u32(12);
            u16(0);
            u32(3);
            u16(0);
            u32(3);
            u16(0);
            wmf = b;
            b = guardado;
        }
        u8(0);
        texto("");
        u32(2); // two pages
        // Page 1: A4, portrait, margins in use; a band and a picture with 4 stale bytes.
        const qsizetype fim1 = b.size();
        u32(0);
        u16(9);
        u32(2100);
        u32(2970);
        u8(0);
        u8(1);
        const qsizetype inicio1 = b.size();
        u8(23);
        cabecaDoObjeto(2, 0, 36, 752, 100, 0); // a band: nothing more than the head and memo
        u16(0);
        u8(0);                                   // empty memo list
        cabecaDoObjeto(1, 40, 65, 200, 100, 15); // a picture with all four sides
        u16(0);
        u8(0);
        u8(2); // a metafile
        u32(std::uint32_t(b.size() + 4 + wmf.size() + 4 - inicio1));
        b.append(wmf);
        b.append("\xEE\xEE\xEE\xEE", 4);
        auto fechar = [&](qsizetype fim) {
            const std::uint32_t v = std::uint32_t(b.size());
            for (int k = 0; k < 4; ++k)
                b[fim + k] = char((v >> (8 * k)) & 0xFF);
        };
        fechar(fim1);
        // Page 2: Letter (21,59 x 27,94 cm) lying in landscape, margins not in use; one memo.
        const qsizetype fim2 = b.size();
        u32(0);
        u16(1);
        u32(2794);
        u32(2159);
        u8(1);
        u8(0);
        u8(23);
        cabecaDoObjeto(0, 10, 20, 300, 16, 0);
        u16(1);
        texto("Carta");
        texto("Arial");
        u32(8);
        u16(0);
        u32(0);
        u32(0);
        u16(0);
        fechar(fim2);

        TrpPreparedPages p;
        QString erro;
        QVERIFY2(carregar(p, b, &erro), qPrintable(erro));
        QCOMPARE(p.count(), 2);
        QCOMPARE(QList<int>({p.page(0).paperCode, p.page(0).width, p.page(0).height,
                             p.page(0).orientation, int(p.page(0).useMargins)}),
                 QList<int>({9, 2100, 2970, 0, 1}));
        QCOMPARE(QList<int>({p.page(1).paperCode, p.page(1).width, p.page(1).height,
                             p.page(1).orientation, int(p.page(1).useMargins)}),
                 QList<int>({1, 2794, 2159, 1, 0}));
        // 2794 x 90,998 / 254 = 1000,98; 2159 x 91,626 / 254 = 778,82.
        QCOMPARE(p.page(1).widthUnits(), 1001);
        QCOMPARE(p.page(1).heightUnits(), 779);
        const auto um = rpOutput::lerObjetos(p.page(0).stream);
        QCOMPARE(um.size(), std::size_t(2));
        QCOMPARE(um[0]->kind(), TrpKind::Band);
        QCOMPARE(QRect(um[0]->x, um[0]->y, um[0]->dx, um[0]->dy), QRect(0, 36, 752, 100));
        const auto& figura = static_cast<const TrpPictureView&>(*um[1]);
        QCOMPARE(figura.kind(), TrpKind::Picture);
        QCOMPARE(figura.frame, std::uint16_t(15));
        QCOMPARE(figura.graphicKind, TrpPictureView::Metafile);
        QCOMPARE(figura.graphic, wmf);
        const auto dois = rpOutput::lerObjetos(p.page(1).stream);
        QCOMPARE(dois.size(), std::size_t(1));
        QCOMPARE(dois[0]->memo, QStringList{QStringLiteral("Carta")});
        // Written back byte for byte: a page keeps its stream as read, stale bytes included.
        QBuffer saida;
        saida.open(QIODevice::WriteOnly);
        p.save(saida, QString());
        QCOMPARE(saida.data(), b);
    }

    // Seeded random corruptions: refused, or read and drawn, never a crash.
    void corrupcoesAleatorias() {
        auto r = relatorio(40);
        const TrpBuildResult res = BuildReport(r->report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        const QByteArray dados = salvar(*res.pages);
        QRandomGenerator gerador(20250307);
        int recusados = 0, lidos = 0;
        for (int i = 0; i < 3000; ++i) {
            QByteArray d = dados;
            const int trocas = 1 + int(gerador.bounded(4));
            for (int k = 0; k < trocas; ++k) {
                const auto pos = qsizetype(gerador.bounded(int(d.size())));
                if (gerador.bounded(2))
                    d[pos] = char(gerador.bounded(256));
                else
                    d[pos] = char(d[pos] ^ char(1 << gerador.bounded(8)));
            }
            TrpPreparedPages p;
            if (!carregar(p, d)) {
                ++recusados;
                continue;
            }
            ++lidos;
            for (int pg = 0; pg < p.count(); ++pg)
                desenhar(p, pg, QSize(150, 214));
        }
        qInfo("corruptions: %d refused, %d read and drawn", recusados, lidos);
        QCOMPARE(recusados + lidos, 3000);
        QVERIFY(recusados > 0);
    }
};

QTEST_MAIN(TestRpp)
#include "test_rpp.moc"
