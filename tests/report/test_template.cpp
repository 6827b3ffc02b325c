// Tests of the report model and of the binary template stream, including the two stored templates.
#include "Cp1252.h"
#include "DataSet.h"
#include "Modelos.h"
#include "rpModel.h"
#include "rpTemplateStream.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

namespace {

// Little-endian byte builder for hand-made streams.
struct Bytes {
    QByteArray d;
    Bytes& u8(int v) {
        d.append(char(v));
        return *this;
    }
    Bytes& u16(int v) {
        char b[2];
        qToLittleEndian<quint16>(quint16(v), b);
        d.append(b, 2);
        return *this;
    }
    Bytes& u32(quint32 v) {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        d.append(b, 4);
        return *this;
    }
    Bytes& str(const QByteArray& s) {
        u16(int(s.size()));
        d.append(s);
        return u8(0);
    }
    Bytes& list(const QList<QByteArray>& lines) {
        u16(int(lines.size()));
        if (lines.isEmpty()) return u8(0);
        for (int i = 0; i < lines.size(); ++i) {
            u16(int(lines[i].size()));
            d.append(lines[i]);
            u8(i + 1 < lines.size() ? 13 : 0);
        }
        return *this;
    }
};

// Smallest placeable metafile: 22-byte header, metafile header, end-of-file record.
QByteArray metafileMinimo() {
    Bytes b;
    b.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(100).u16(100).u16(1000).u32(0).u16(0);
    b.u16(1).u16(9).u16(0x300).u32(12).u16(0).u32(3).u16(0);
    b.u32(3).u16(0);
    return b.d;
}

// Names the first field in which two objects differ, or returns an empty text.
QString diferenca(const TrpView& a, const TrpView& b) {
#define CAMPO(f)                                                                                   \
    if (!(a.f == b.f)) return a.name + QStringLiteral(": ") + QStringLiteral(#f)
    CAMPO(kind());
    CAMPO(name);
    CAMPO(x);
    CAMPO(y);
    CAMPO(dx);
    CAMPO(dy);
    CAMPO(flags);
    CAMPO(frame);
    CAMPO(frameWidth);
    CAMPO(frameColor);
    CAMPO(frameStyle);
    CAMPO(fillColor);
    CAMPO(format);
    CAMPO(formatStr);
    CAMPO(memo);
    CAMPO(script);
    CAMPO(visible);
    CAMPO(pageIndex);
#undef CAMPO
    if (auto* ma = dynamic_cast<const TrpMemoView*>(&a)) {
        auto* mb = static_cast<const TrpMemoView*>(&b);
        if (!(ma->font == mb->font)) return a.name + QStringLiteral(": font");
        if (ma->adjust != mb->adjust || ma->highlightStyle != mb->highlightStyle ||
            ma->highlightColor != mb->highlightColor || ma->highlightFill != mb->highlightFill ||
            ma->highlightCondition != mb->highlightCondition)
            return a.name + QStringLiteral(": memo attributes");
    }
    if (auto* pa = dynamic_cast<const TrpPictureView*>(&a)) {
        auto* pb = static_cast<const TrpPictureView*>(&b);
        if (pa->graphicKind != pb->graphicKind || pa->graphic != pb->graphic)
            return a.name + QStringLiteral(": graphic");
    }
    return {};
}

QString diferenca(const TrpReport& a, const TrpReport& b) {
    if (a.printerName != b.printerName || a.printToDefault != b.printToDefault ||
        a.doublePass != b.doublePass || a.values != b.values || a.variables != b.variables)
        return QStringLiteral("report settings");
    if (a.pages.size() != b.pages.size()) return QStringLiteral("page count");
    for (std::size_t i = 0; i < a.pages.size(); ++i) {
        const TrpPage &p = a.pages[i], &q = b.pages[i];
        if (p.paperCode != q.paperCode || p.width != q.width || p.height != q.height ||
            p.marginLeft != q.marginLeft || p.marginTop != q.marginTop ||
            p.marginRight != q.marginRight || p.marginBottom != q.marginBottom ||
            p.orientation != q.orientation || p.printToPrevPage != q.printToPrevPage ||
            p.useMargins != q.useMargins || p.columnCount != q.columnCount ||
            p.columnGap != q.columnGap)
            return QStringLiteral("page %1 settings").arg(i);
        if (p.objects.size() != q.objects.size()) return QStringLiteral("page %1 objects").arg(i);
        for (std::size_t j = 0; j < p.objects.size(); ++j) {
            const QString d = diferenca(*p.objects[j], *q.objects[j]);
            if (!d.isEmpty()) return d;
        }
    }
    return {};
}

template <class T> T* adicionar(TrpPage& page, const QString& name, int x, int y, int w, int h) {
    auto v = std::make_unique<T>();
    v->name = name;
    v->x = x;
    v->y = y;
    v->dx = w;
    v->dy = h;
    T* p = v.get();
    page.objects.push_back(std::move(v));
    return p;
}

// A report using every stored field, with unusual values where the format allows them.
TrpReport relatorioVariado() {
    TrpReport r;
    r.printerName = QStringLiteral("Impressora €uro");
    r.printToDefault = true;
    r.values.push_back(
        {3, 7, QStringLiteral("dtDados"), QStringLiteral("Valor"), QStringLiteral("v")});
    r.variables = {QStringLiteral("total"), QStringLiteral("linhas")};
    r.pages.resize(2);
    r.pages[1].orientation = 1;
    r.pages[1].useMargins = false;
    r.pages[1].marginLeft = 0;
    auto* band = adicionar<TrpBandView>(r.pages[0], "MasterData1", 0, 100, 752, 14);
    band->frame = int(TrpBandKind::MasterData);
    band->flags = rpFlags::BandOnFirstPage | rpFlags::BandOnLastPage;
    band->formatStr = QStringLiteral("rpDBDataSet1");
    auto* memo = adicionar<TrpMemoView>(r.pages[0], "Memo1", 40, 100, 300, 14);
    memo->memo = {QStringLiteral("Diâmetro [dtDados.\"Valor\"]"), QString(),
                  QStringLiteral("ç ñ Œ —")};
    memo->script = {QStringLiteral("begin"), QStringLiteral("end")};
    memo->font = {QStringLiteral("Times New Roman"), 8, 3, 0x00112233, 1};
    memo->adjust = 2 | (1 << 3);
    memo->frame = rpFrame::Left | rpFrame::Bottom;
    memo->frameWidth = 1.5;
    memo->frameStyle = 5;
    memo->fillColor = 0x00FFFFFF;
    memo->format = TrpFormat::make(TrpFormat::Number, 4, 2, ',');
    memo->formatStr = QStringLiteral("#,##0.00;-#,##0.00");
    memo->highlightCondition = QStringLiteral("Value > 0");
    memo->highlightFill = 0x0000FF;
    memo->visible = false;
    auto* pic = adicionar<TrpPictureView>(r.pages[0], "Picture1", 40, 20, 200, 80);
    pic->graphicKind = TrpPictureView::Metafile;
    pic->graphic = metafileMinimo();
    pic->flags = rpFlags::PictStretched | rpFlags::PictKeepAspect;
    adicionar<TrpPictureView>(r.pages[1], "Picture2", 0, 0, 10, 10);
    auto* line = adicionar<TrpLineView>(r.pages[1], "Line1", 5, 6, 100, 0);
    line->frameWidth = 3;
    for (auto& page : r.pages)
        for (auto& v : page.objects)
            v->pageIndex = int(&page - r.pages.data());
    return r;
}

// A template stream built field by field from the stream layout: the flags and the printer
// name, one A4 page record, a memo, a band and a picture (with `sobras` stale bytes between the
// graphic's end and its stored end position), then the values record. `versao` 20 writes no
// version byte: the stream then starts with the print-to-default flag, whose low byte is 20.
QByteArray streamFeitoAMao(int versao, int sobras = 3) {
    Bytes b;
    if (versao >= 21) b.u8(versao);
    b.u16(versao == 20 ? 20 : 0); // print to default printer
    b.u16(0);                     // double pass
    b.str("Win2PDF");
    // Page: paper 9, 2100 x 2970, margins 36, portrait, [6 bytes before 23], not to the
    // previous page, margins in use (-1), one column, gap 0.
    b.u8(255).u32(9).u32(2100).u32(2970).u32(36).u32(36).u32(36).u32(36).u8(0);
    if (versao < 23) b.d.append(QByteArray(6, '\x77'));
    b.u16(0).u16(0xFFFF).u32(1).u32(0);
    // Memo on page 0: stretched only, no frame, width 1, black, solid, no fill, text format.
    b.u8(0).u8(0).str("Memo9").u32(36).u32(37).u32(679).u32(20).u16(rpFlags::MemoStretched);
    b.u16(0).u32(1).u32(0).u16(0).u32(rpNoColor).u32(0x0000022C).str("").list({"Teluvar"});
    if (versao >= 23) b.list({"begin", "end"}).u16(0);             // script, invisible
    b.str("Arial").u32(12).u16(2).u32(0x00112233).u32(2).u16(238); // font, adjust, charset
    b.u16(1).u32(0x000000FF).u32(0x0000FF00).str("[VALUE] > 0");   // highlight
    // Report title band: flags 16 | 32, frame field = band kind 0.
    b.u8(2).u8(0).str("ReportTitle1").u32(0).u32(36).u32(752).u32(652).u16(48).u16(0);
    b.u32(1).u32(0).u16(0).u32(rpNoColor).u32(0).str("").list({});
    if (versao >= 23) b.list({}).u16(0xFFFF);
    // Picture: stretched with aspect ratio, all four sides, a placeable metafile.
    b.u8(1).u8(0).str("Picture1").u32(40).u32(65).u32(672).u32(356).u16(5).u16(15);
    b.u32(1).u32(0).u16(0).u32(rpNoColor).u32(0x0000022C).str("").list({});
    if (versao >= 23) b.list({}).u16(0xFFFF);
    const QByteArray grafico = metafileMinimo();
    b.u8(2).u32(quint32(b.d.size() + 4 + grafico.size() + sobras));
    b.d.append(grafico);
    b.d.append(QByteArray(sobras, '\xAB'));
    // Values and variables: none.
    b.u8(254).u32(0).list({});
    return b.d;
}

QByteArray lerArquivo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Stream part of a stored template (after the 8-byte envelope).
QByteArray streamArmazenado(const QString& nome) {
    return lerArquivo(CaminhoModelo(nome)).mid(8);
}

// A failed read leaves exactly one empty page.
bool recusado(const TrpReport& r) {
    return r.pages.size() == 1 && r.pages[0].objects.empty();
}

} // namespace

class TestTemplate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // --- model -----------------------------------------------------------------------------
    void unidadesEBordas() {
        TrpPage a4;
        QCOMPARE(a4.widthUnits(), 752);
        QCOMPARE(a4.heightUnits(), 1071);
        QCOMPARE(QList<int>({a4.leftEdge(), a4.topEdge(), a4.rightEdge(), a4.bottomEdge()}),
                 QList<int>({36, 36, 716, 1035}));
        // A zero margin falls back to 18 units on that side.
        TrpPage zero;
        zero.marginLeft = zero.marginTop = zero.marginRight = zero.marginBottom = 0;
        QCOMPARE(QList<int>({zero.leftEdge(), zero.topEdge(), zero.rightEdge(), zero.bottomEdge()}),
                 QList<int>({18, 18, 734, 1053}));
        TrpPage semMargens;
        semMargens.useMargins = false;
        QCOMPARE(QList<int>({semMargens.leftEdge(), semMargens.topEdge(), semMargens.rightEdge(),
                             semMargens.bottomEdge()}),
                 QList<int>({0, 0, 752, 1071}));
        QCOMPARE(rpUnits::DeDecimosMmX(254), 91); // one inch
        QCOMPARE(rpUnits::DeDecimosMmY(254), 92);
    }

    void bandasENomes() {
        TrpPage p;
        adicionar<TrpBandView>(p, "Titulo", 0, 36, 752, 100);
        adicionar<TrpBandView>(p, "Dados", 0, 150, 752, 14);
        auto* topo = adicionar<TrpMemoView>(p, "Memo1", 0, 136, 10, 10);  // bottom end included
        auto* vao = adicionar<TrpMemoView>(p, "Memo2", 0, 140, 10, 10);   // between bands
        auto* dados = adicionar<TrpMemoView>(p, "Memo3", 0, 150, 10, 10); // top end included
        QCOMPARE(p.bandOf(*topo)->name, QStringLiteral("Titulo"));
        QVERIFY(p.bandOf(*vao) == nullptr);
        QCOMPARE(p.bandOf(*dados)->name, QStringLiteral("Dados"));
        QCOMPARE(p.bands().size(), std::size_t(2));
        QCOMPARE(p.findObject("memo3"), dados);
        QVERIFY(p.findObject("Memo9") == nullptr);

        QCOMPARE(BandKindName(0), QStringLiteral("Report title"));
        QCOMPARE(BandKindName(3), QStringLiteral("Page footer"));
        QCOMPARE(BandKindName(5), QStringLiteral("Master data"));
        QCOMPARE(BandKindName(20), QStringLiteral("Cross footer"));
        QCOMPARE(BandKindName(21), QStringLiteral("None"));
        QCOMPARE(BandKindName(-1), QStringLiteral("None"));
        QCOMPARE(BandKindName(1000), QStringLiteral("None"));

        TrpReport r;
        r.pages.push_back(p);
        QVERIFY(r.findObject(0, "Memo2") != nullptr);
        QVERIFY(r.findObject(1, "Memo2") == nullptr);
        QVERIFY(r.findObject(-1, "Memo2") == nullptr);
    }

    void copiaDePaginaIndependente() {
        TrpReport r = relatorioVariado();
        TrpPage copia = r.pages[0];
        QVERIFY(diferenca(*copia.objects[1], *r.pages[0].objects[1]).isEmpty());
        static_cast<TrpMemoView*>(copia.findObject("Memo1"))->memo = {QStringLiteral("novo")};
        QCOMPARE(static_cast<TrpMemoView*>(r.pages[0].findObject("Memo1"))->memo.size(), 3);
        TrpPage atribuida;
        atribuida = r.pages[0];
        QVERIFY(atribuida.objects[1].get() != r.pages[0].objects[1].get());
        QCOMPARE(atribuida.objects.size(), r.pages[0].objects.size());
    }

    // --- stream ------------------------------------------------------------------------------
    void cp1252() {
        const QString texto = QStringLiteral("Índices ç € — ™ Ÿ");
        const QByteArray b = Cp1252::Codificar(texto);
        QCOMPARE(b, QByteArray("\xCD"
                               "ndices \xE7 \x80 \x97 \x99 \x9F"));
        QCOMPARE(Cp1252::Decodificar(b), texto);
        // Outside the code page: one '?' per character, also for a surrogate pair.
        QCOMPARE(Cp1252::Codificar(QStringLiteral("a\u4E2Db\U0001F600c")), QByteArray("a?b?c"));
        // Unassigned bytes keep their value as code point, so every byte reads back.
        QByteArray todos;
        for (int i = 0; i < 256; ++i)
            todos.append(char(i));
        QCOMPARE(Cp1252::Codificar(Cp1252::Decodificar(todos)), todos);
    }

    void escritoELidoIgual() {
        const TrpReport original = relatorioVariado();
        const QByteArray form = rpTemplate::escreverForm(original);
        TrpReport lido;
        QString erro = QStringLiteral("x");
        QVERIFY(rpTemplate::lerForm(lido, form, &erro));
        QVERIFY(erro.isEmpty());
        const QString d = diferenca(original, lido);
        QVERIFY2(d.isEmpty(), qPrintable(d));
        QCOMPARE(rpTemplate::escreverForm(lido), form);
        // Envelope: version 23, then the stream length.
        QCOMPARE(qFromLittleEndian<quint32>(form.constData()), 23u);
        QCOMPARE(qint64(qFromLittleEndian<quint32>(form.constData() + 4)), form.size() - 8);
    }

    void larguraDaMoldura_data() {
        QTest::addColumn<int>("armazenada");
        QTest::addColumn<double>("largura");
        QTest::newRow("1") << 1 << 1.0;
        QTest::newRow("10 whole") << 10 << 10.0;
        QTest::newRow("1500") << 1500 << 1.5;
        QTest::newRow("11 thousandths") << 11 << 0.011;
        QTest::newRow("12000") << 12000 << 12.0;
        QTest::newRow("0") << 0 << 0.0;
    }
    void larguraDaMoldura() {
        QFETCH(int, armazenada);
        QFETCH(double, largura);
        // Through a real stream: the stored integer sits in the object record.
        TrpReport r;
        r.pages.resize(1);
        adicionar<TrpLineView>(r.pages[0], "Line1", 0, 0, 1, 1);
        QByteArray s = rpTemplate::escreverStream(r);
        const QByteArray nome("Line1");
        const qint64 pos = s.indexOf(nome) + nome.size() + 1 + 16 + 2 + 2;
        qToLittleEndian<qint32>(armazenada, s.data() + pos);
        TrpReport lido;
        QVERIFY(rpTemplate::lerStream(lido, s));
        QCOMPARE(lido.pages[0].objects[0]->frameWidth, largura);
        QCOMPARE(rpTemplate::armazenarLarguraMoldura(largura), armazenada);
    }

    // Widths as the stream stores them: whole widths up to 10, thousandths above; a width
    // whose thousandths would read back as a whole width (0,01 -> 10) stores 0.
    void larguraArmazenada_data() {
        QTest::addColumn<double>("largura");
        QTest::addColumn<int>("armazenada");
        QTest::addColumn<double>("lida");
        QTest::newRow("0,01") << 0.01 << 0 << 0.0;
        QTest::newRow("0,005") << 0.005 << 0 << 0.0;
        QTest::newRow("0,0104") << 0.0104 << 0 << 0.0;
        QTest::newRow("0,011") << 0.011 << 11 << 0.011;
        QTest::newRow("0,5") << 0.5 << 500 << 0.5;
        QTest::newRow("1") << 1.0 << 1 << 1.0;
        QTest::newRow("1,5") << 1.5 << 1500 << 1.5;
        QTest::newRow("2,25") << 2.25 << 2250 << 2.25;
        QTest::newRow("10") << 10.0 << 10 << 10.0;
        QTest::newRow("10,5") << 10.5 << 10500 << 10.5;
        QTest::newRow("11") << 11.0 << 11000 << 11.0;
    }
    void larguraArmazenada() {
        QFETCH(double, largura);
        QFETCH(int, armazenada);
        QFETCH(double, lida);
        QCOMPARE(rpTemplate::armazenarLarguraMoldura(largura), armazenada);
        // Through a stream: the object record holds the stored integer and reads back as `lida`.
        TrpReport r;
        r.pages.resize(1);
        adicionar<TrpLineView>(r.pages[0], "Line1", 0, 0, 1, 1)->frameWidth = largura;
        const QByteArray s = rpTemplate::escreverStream(r);
        const QByteArray nome("Line1");
        const qint64 pos = s.indexOf(nome) + nome.size() + 1 + 16 + 2 + 2;
        QCOMPARE(qFromLittleEndian<qint32>(s.constData() + pos), armazenada);
        TrpReport lido;
        QVERIFY(rpTemplate::lerStream(lido, s));
        QCOMPARE(lido.pages[0].objects[0]->frameWidth, lida);
    }

    // Streams of each layout, built by hand, read field by field: a first byte of 20 or less is
    // no version byte (version 21), 21 and 22 skip six bytes in the page record and have no
    // script or visible field, only 23 keeps the character set, and 21 sets word wrap.
    void versoesDoStream_data() {
        QTest::addColumn<int>("versao");
        QTest::addColumn<bool>("padrao");         // print to default printer
        QTest::addColumn<int>("flags");           // of the memo
        QTest::addColumn<int>("charset");         // of the memo's font
        QTest::addColumn<bool>("visivel");        // of the memo
        QTest::addColumn<QStringList>("roteiro"); // the memo's script
        QTest::newRow("20: sem byte de versao") << 20 << true << 3 << 0 << true << QStringList();
        QTest::newRow("21") << 21 << false << 3 << 0 << true << QStringList();
        QTest::newRow("22") << 22 << false << 1 << 0 << true << QStringList();
        QTest::newRow("23") << 23 << false << 1 << 238 << false
                            << QStringList{QStringLiteral("begin"), QStringLiteral("end")};
    }
    void versoesDoStream() {
        QFETCH(int, versao);
        QFETCH(bool, padrao);
        QFETCH(int, flags);
        QFETCH(int, charset);
        QFETCH(bool, visivel);
        QFETCH(QStringList, roteiro);
        TrpReport r;
        QString erro;
        QVERIFY(rpTemplate::lerStream(r, streamFeitoAMao(versao), &erro));
        QVERIFY(erro.isEmpty());
        QCOMPARE(r.printToDefault, padrao);
        QVERIFY(!r.doublePass);
        QCOMPARE(r.printerName, QStringLiteral("Win2PDF"));
        QCOMPARE(r.pages.size(), std::size_t(1));
        const TrpPage& p = r.pages[0];
        QCOMPARE(
            QList<int>({p.paperCode, p.width, p.height, p.marginLeft, p.marginTop, p.marginRight,
                        p.marginBottom, p.orientation, p.columnCount, p.columnGap}),
            QList<int>({9, 2100, 2970, 36, 36, 36, 36, 0, 1, 0}));
        QVERIFY(p.useMargins && !p.printToPrevPage);
        QCOMPARE(p.objects.size(), std::size_t(3));
        const auto* m = dynamic_cast<const TrpMemoView*>(p.objects[0].get());
        QVERIFY(m);
        QCOMPARE(m->name, QStringLiteral("Memo9"));
        QCOMPARE(QList<int>({m->x, m->y, m->dx, m->dy}), QList<int>({36, 37, 679, 20}));
        QCOMPARE(int(m->flags), flags);
        QCOMPARE(m->frameWidth, 1.0);
        QCOMPARE(m->fillColor, rpNoColor);
        QCOMPARE(m->format, 0x0000022Cu);
        QCOMPARE(m->memo, QStringList{QStringLiteral("Teluvar")});
        QCOMPARE(m->script, roteiro);
        QCOMPARE(m->visible, visivel);
        QCOMPARE(m->font.name, QStringLiteral("Arial"));
        QCOMPARE(m->font.size, 12);
        QCOMPARE(int(m->font.style), 2);
        QCOMPARE(m->font.color, 0x00112233u);
        QCOMPARE(int(m->font.charset), charset);
        QCOMPARE(m->adjust, 2u);
        QCOMPARE(m->highlightCondition, QStringLiteral("[VALUE] > 0"));
        const auto* banda = dynamic_cast<const TrpBandView*>(p.objects[1].get());
        QVERIFY(banda);
        QCOMPARE(banda->bandKind(), 0);
        QCOMPARE(int(banda->flags), 48);
        QVERIFY(banda->visible);
        const auto* figura = dynamic_cast<const TrpPictureView*>(p.objects[2].get());
        QVERIFY(figura);
        QCOMPARE(QList<int>({figura->x, figura->y, figura->dx, figura->dy}),
                 QList<int>({40, 65, 672, 356}));
        QCOMPARE(int(figura->flags), 5);
        QCOMPARE(int(figura->frame), 15);
        QCOMPARE(figura->graphicKind, TrpPictureView::Metafile);
        QCOMPARE(figura->graphic, metafileMinimo()); // the stale bytes after it are skipped
        QVERIFY(r.values.empty() && r.variables.isEmpty());
    }

    // The writer follows the same layout: a report holding what the hand-built version-23
    // stream holds (no stale bytes) is written as exactly those bytes, and in its envelope as
    // version 23, the stream's length and the stream.
    void escritaIgualAoLeiaute() {
        const QByteArray esperado = streamFeitoAMao(23, 0);
        TrpReport r;
        QVERIFY(rpTemplate::lerStream(r, esperado));
        QCOMPARE(rpTemplate::escreverStream(r), esperado);
        Bytes envelope;
        envelope.u32(23).u32(quint32(esperado.size()));
        envelope.d.append(esperado);
        QCOMPARE(rpTemplate::escreverForm(r), envelope.d);
        TrpReport doEnvelope;
        QVERIFY(rpTemplate::lerForm(doEnvelope, envelope.d));
        QCOMPARE(doEnvelope.pages[0].objects.size(), std::size_t(3));
    }

    void figuraComBytesAntigosAposOGrafico() {
        TrpReport r;
        r.pages.resize(1);
        auto* pic = adicionar<TrpPictureView>(r.pages[0], "Picture1", 1, 2, 3, 4);
        pic->graphicKind = TrpPictureView::Metafile;
        pic->graphic = metafileMinimo();
        adicionar<TrpMemoView>(r.pages[0], "Memo1", 5, 6, 7, 8)->memo = {QStringLiteral("depois")};
        QByteArray s = rpTemplate::escreverStream(r);
        const qint64 inicio = s.indexOf(pic->graphic);
        const qint64 fim = inicio + pic->graphic.size();
        QCOMPARE(qint64(qFromLittleEndian<quint32>(s.constData() + inicio - 4)), fim);

        // Stale bytes between the graphic's end and the stored end position are skipped.
        const QByteArray lixo("\xFF\x00\x07lixo!", 8);
        s.insert(fim, lixo);
        qToLittleEndian<quint32>(quint32(fim + lixo.size()), s.data() + inicio - 4);
        TrpReport lido;
        QVERIFY(rpTemplate::lerStream(lido, s));
        QVERIFY2(diferenca(r, lido).isEmpty(), qPrintable(diferenca(r, lido)));
        QCOMPARE(lido.pages[0].objects[1]->memo, QStringList{QStringLiteral("depois")});

        // An end position inside the graphic, or past the stream, is refused.
        for (const qint64 invalido : {fim - 1, inicio - 4, qint64(s.size()) + 1}) {
            QByteArray ruim = s;
            qToLittleEndian<quint32>(quint32(invalido), ruim.data() + inicio - 4);
            TrpReport falho;
            QVERIFY(!rpTemplate::lerStream(falho, ruim));
            QVERIFY(recusado(falho));
        }
    }

    void tamanhoDosGraficos() {
        const QByteArray wmf = metafileMinimo();
        QCOMPARE(rpTemplate::tamanhoGrafico(2, wmf.constData(), wmf.size() + 10), qint64(46));
        QCOMPARE(rpTemplate::tamanhoGrafico(2, wmf.constData(), wmf.size() - 1), qint64(-1));
        // Plain metafile without the placeable header.
        QCOMPARE(rpTemplate::tamanhoGrafico(2, wmf.constData() + 22, 24), qint64(24));
        Bytes bmp;
        bmp.u8('B').u8('M').u32(40).u32(0).u32(26);
        bmp.d.append(QByteArray(26, '\0'));
        QCOMPARE(rpTemplate::tamanhoGrafico(1, bmp.d.constData(), bmp.d.size()), qint64(40));
        Bytes ico;
        ico.u16(0).u16(1).u16(1).u32(0).u16(1).u16(32).u32(10).u32(22);
        ico.d.append(QByteArray(10, '\0'));
        QCOMPARE(rpTemplate::tamanhoGrafico(3, ico.d.constData(), ico.d.size()), qint64(32));
        QCOMPARE(rpTemplate::tamanhoGrafico(3, ico.d.constData(), ico.d.size() - 1), qint64(-1));
        QCOMPARE(rpTemplate::tamanhoGrafico(0, nullptr, 0), qint64(0));
        QCOMPARE(rpTemplate::tamanhoGrafico(4, ico.d.constData(), ico.d.size()), qint64(-1));
    }

    void versoesRecusadas() {
        TrpReport r = relatorioVariado();
        const QByteArray bom = rpTemplate::escreverStream(r);
        for (int versao : {24, 25, 200}) {
            QByteArray s = bom;
            s[0] = char(versao);
            TrpReport lido;
            lido.printerName = QStringLiteral("antes");
            QString erro, titulo;
            QVERIFY(!rpTemplate::lerStream(lido, s, &erro, &titulo));
            QCOMPARE(erro, QStringLiteral("Unsupported report template format"));
            QCOMPARE(titulo, QStringLiteral("Error"));
            QVERIFY(recusado(lido));
            QCOMPARE(lido.printerName, QStringLiteral("antes"));
        }
        // The envelope's own version and length are checked too.
        QByteArray form = rpTemplate::escreverForm(r);
        QByteArray versao22 = form;
        versao22[0] = 22;
        TrpReport lido;
        QVERIFY(!rpTemplate::lerForm(lido, versao22));
        QVERIFY(!rpTemplate::lerForm(lido, form.left(form.size() - 1)));
        QVERIFY(!rpTemplate::carregarRecurso(lido, QStringLiteral(":/report/nenhum.rpf")));
        QVERIFY(recusado(lido));
    }

    void versao20SemByteDeVersao() {
        // The older layout: no version byte, six bytes after the orientation, no script or
        // visible field, character set ignored.
        Bytes b;
        b.u16(0).u16(0).str("Win2PDF");
        b.u8(255).u32(9).u32(2100).u32(2970).u32(36).u32(36).u32(36).u32(36).u8(0);
        b.d.append(QByteArray(6, '\x55'));
        b.u16(0).u16(0xFFFF).u32(1).u32(0);
        b.u8(0).u8(0).str("Memo1").u32(40).u32(50).u32(100).u32(14).u16(rpFlags::MemoStretched);
        b.u16(0).u32(1).u32(0).u16(0).u32(rpNoColor).u32(0x0000022C).str("");
        b.list({"Ol\xE1", "mundo"});
        b.str("Arial").u32(8).u16(2).u32(0).u32(2).u16(238);
        b.u16(0).u32(0).u32(rpNoColor).str("");
        b.u8(2).u8(0).str("PageFooter1").u32(0).u32(1018).u32(752).u32(16).u16(48).u16(3);
        b.u32(1).u32(0).u16(0).u32(rpNoColor).u32(0).str("").list({});

        TrpReport r;
        QVERIFY(rpTemplate::lerStream(r, b.d));
        QCOMPARE(r.printerName, QStringLiteral("Win2PDF"));
        QCOMPARE(r.pages.size(), std::size_t(1));
        QVERIFY(r.pages[0].useMargins);
        QCOMPARE(r.pages[0].columnCount, 1);
        QCOMPARE(r.pages[0].objects.size(), std::size_t(2));
        auto* m = dynamic_cast<TrpMemoView*>(r.pages[0].objects[0].get());
        QVERIFY(m);
        QCOMPARE(m->flags, std::uint16_t(rpFlags::MemoStretched | rpFlags::MemoWordWrap));
        QCOMPARE(m->memo, QStringList({QStringLiteral("Olá"), QStringLiteral("mundo")}));
        QCOMPARE(m->font.charset, std::uint16_t(0));
        QCOMPARE(m->font.style, std::uint16_t(2));
        QCOMPARE(m->hAlign(), 2);
        QVERIFY(m->visible);
        QCOMPARE(r.pages[0].objects[1]->kind(), TrpKind::Band);
        QCOMPARE(r.pages[0].objects[1]->frame, std::uint16_t(3));
    }

    // A string list is read up to the line whose separator is 0, whatever its count says.
    void listaLidaAteOSeparadorZero() {
        TrpReport r;
        r.pages.resize(1);
        adicionar<TrpMemoView>(r.pages[0], "Memo1", 0, 0, 1, 1)->memo = {QStringLiteral("a"),
                                                                         QStringLiteral("b")};
        const QByteArray bom = rpTemplate::escreverStream(r);
        const qint64 contagem = bom.indexOf(QByteArray("\x02\x00\x01\x00"
                                                       "a\x0d\x01\x00"
                                                       "b\x00",
                                                       10));
        QVERIFY(contagem > 0);
        for (const int declarada : {1, 3, 4000, 65535}) {
            QByteArray s = bom;
            qToLittleEndian<quint16>(quint16(declarada), s.data() + contagem);
            TrpReport lido;
            QVERIFY2(rpTemplate::lerStream(lido, s), qPrintable(QString::number(declarada)));
            QCOMPARE(lido.pages[0].objects[0]->memo,
                     QStringList({QStringLiteral("a"), QStringLiteral("b")}));
        }
    }

    void registrosInvalidos() {
        TrpReport r;
        r.pages.resize(1);
        adicionar<TrpMemoView>(r.pages[0], "Memo1", 0, 0, 1, 1);
        const QByteArray bom = rpTemplate::escreverStream(r);
        const qint64 tipo = bom.indexOf(QByteArray("\x05\x00Memo1", 7)) - 2;
        QCOMPARE(bom[tipo], char(0));
        // Unknown kinds, sub-reports and add-ins without a class, a page index past the pages.
        for (const auto& [pos, valor] :
             std::initializer_list<std::pair<qint64, char>>{{tipo, char(11)},
                                                            {tipo, char(3)},
                                                            {tipo, char(10)},
                                                            {tipo, char(7)},
                                                            {tipo + 1, char(1)}}) {
            QByteArray s = bom;
            s[pos] = valor;
            TrpReport lido;
            QVERIFY(!rpTemplate::lerStream(lido, s));
            QVERIFY(recusado(lido));
        }
        // Tag 253 ends the list: what follows is not read.
        QByteArray comAddIn = bom;
        comAddIn.insert(tipo, QByteArray("\xFD\xEE\xEE", 3));
        TrpReport lido;
        QVERIFY(rpTemplate::lerStream(lido, comAddIn));
        QVERIFY(lido.pages[0].objects.empty());
        // A values count far beyond the data is refused before anything is allocated.
        QByteArray contagem = bom;
        const qint64 valores = contagem.lastIndexOf(char(254));
        qToLittleEndian<quint32>(0xFFFFFFF0u, contagem.data() + valores + 1);
        QVERIFY(!rpTemplate::lerStream(lido, contagem));
    }

    // --- stored templates ---------------------------------------------------------------------
    void templatesArmazenados_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("objetos");
        QTest::addColumn<QList<int>>("bandas"); // y, height of title, data, footer
        QTest::newRow("projeto") << "projeto" << 39 << QList<int>{36, 652, 704, 14, 1018, 16};
        QTest::newRow("defletor") << "defletor" << 29 << QList<int>{36, 583, 642, 15, 1018, 16};
    }
    void templatesArmazenados() {
        QFETCH(QString, nome);
        QFETCH(int, objetos);
        QFETCH(QList<int>, bandas);
        TMemDataSet dados(QStringLiteral("dtDados"));
        TrpDBDataSet fonte{QStringLiteral("rpDBDataSet1"), &dados};
        TrpReport r;
        r.dataSources = {&fonte};
        QString erro;
        QVERIFY(rpTemplate::carregarRecurso(r, CaminhoModelo(nome), &erro));
        QCOMPARE(r.printerName, QStringLiteral("Win2PDF"));
        QVERIFY(!r.printToDefault && !r.doublePass);
        QVERIFY(r.values.empty() && r.variables.isEmpty());
        QCOMPARE(r.pages.size(), std::size_t(1));
        const TrpPage& p = r.pages[0];
        QCOMPARE(
            QList<int>({p.paperCode, p.width, p.height, p.marginLeft, p.marginTop, p.marginRight,
                        p.marginBottom, p.orientation, p.columnCount, p.columnGap}),
            QList<int>({9, 2100, 2970, 36, 36, 36, 36, 0, 1, 0}));
        QVERIFY(p.useMargins && !p.printToPrevPage);
        const auto bands = p.bands();
        QCOMPARE(int(p.objects.size() - bands.size()), objetos);
        QCOMPARE(bands.size(), std::size_t(3));
        const QStringList nomes{"ReportTitle1", "MasterData1", "PageFooter1"};
        const int tipos[] = {0, 5, 3};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bands[i]->name, nomes[i]);
            QCOMPARE(bands[i]->bandKind(), tipos[i]);
            QCOMPARE(bands[i]->y, bandas[2 * i]);
            QCOMPARE(bands[i]->dy, bandas[2 * i + 1]);
            QCOMPARE(bands[i]->dx, 752);
            QCOMPARE(bands[i]->flags, std::uint16_t(16 | 32));
        }
        QCOMPARE(bands[1]->dataSourceName(), QStringLiteral("rpDBDataSet1"));
        QCOMPARE(bands[1]->dataSource, &fonte);
        QVERIFY(bands[0]->dataSource == nullptr && bands[2]->dataSource == nullptr);
        for (const auto& v : p.objects) {
            QVERIFY2(p.bandOf(*v) != nullptr, qPrintable(v->name));
            QCOMPARE(v->frameWidth, 1.0);
            QCOMPARE(v->frameColor, 0u);
            QCOMPARE(v->frameStyle, std::uint16_t(0));
            QVERIFY(v->visible && v->script.isEmpty());
        }
        // What was read writes back to the very same bytes.
        QCOMPARE(rpTemplate::escreverStream(r), streamArmazenado(nome));
        for (const auto& v : p.objects)
            if (auto* pic = dynamic_cast<TrpPictureView*>(v.get()))
                QVERIFY2(pic->graphicKind == TrpPictureView::Metafile && !pic->graphic.isEmpty(),
                         qPrintable(pic->name));
    }

    void objetosArmazenados_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("objeto");
        QTest::addColumn<QList<int>>("caixa"); // x y w h
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("fonte");        // name/size/style, empty for pictures
        QTest::addColumn<QList<int>>("atributos"); // adjust, frame, flags
        QTest::addColumn<uint>("fill");
        QTest::addColumn<uint>("formato");
        QTest::addColumn<QString>("padrao");
        const QString tnr = QStringLiteral("Times New Roman/8/3");
        const uint nada = rpNoColor, branco = 0xFFFFFF, txt = 0x0000022C, num = 0x0104022C,
                   data = 0x0204022C;
        const QString moeda = QStringLiteral("#,##0.00;-#,##0.00");
        auto linha = [](const char* t, const char* o) -> QTestData& {
            return QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(t, o)))
                   << QString::fromLatin1(t) << QString::fromLatin1(o);
        };
        linha("projeto", "Memo9") << QList<int>{36, 37, 679, 20} << "Teluvar"
                                  << "Arial/12/2" << QList<int>{2, 0, 3} << nada << txt << "";
        linha("projeto", "Picture1") << QList<int>{40, 65, 672, 356} << ""
                                     << "" << QList<int>{0, 15, 5} << nada << txt << "";
        linha("projeto", "Memo1") << QList<int>{585, 89, 80, 15} << "D1" << tnr
                                  << QList<int>{0, 0, 11} << nada << num << moeda;
        linha("projeto", "Memo16")
            << QList<int>{48, 92, 228, 16} << "Taxa de obstrução do secundário (Tx)" << tnr
            << QList<int>{0, 0, 9} << nada << txt << "";
        linha("projeto", "Memo4") << QList<int>{438, 123, 60, 15} << "r1" << tnr
                                  << QList<int>{1, 0, 11} << branco << num << moeda;
        linha("projeto", "Memo8") << QList<int>{285, 377, 346, 15} << "p'" << tnr
                                  << QList<int>{2, 0, 3} << nada << num << moeda;
        linha("projeto", "Memo23") << QList<int>{591, 423, 120, 14} << "Obs.: Escalas em mm."
                                   << "Arial/7/0" << QList<int>{1, 0, 11} << nada << txt << "";
        linha("projeto", "Picture2") << QList<int>{40, 432, 272, 212} << ""
                                     << "" << QList<int>{0, 15, 5} << nada << txt << "";
        linha("projeto", "Memo36") << QList<int>{324, 558, 156, 18} << "Índices de deformação:"
                                   << "Arial/9/2" << QList<int>{8, 0, 3} << nada << txt << "";
        linha("projeto", "Memo27") << QList<int>{645, 578, 69, 30} << "Ritchey-Chrétien"
                                   << "Arial/8/2" << QList<int>{10, 15, 3} << nada << txt << "";
        linha("projeto", "Memo28") << QList<int>{324, 608, 183, 18} << "Descrição"
                                   << "Arial/8/0" << QList<int>{0, 6, 3} << nada << txt << "";
        // The b2 row heading carries the number format like the rest of Memo29-Memo35.
        linha("projeto", "Memo32") << QList<int>{324, 626, 183, 18} << "Descrição"
                                   << "Arial/8/0" << QList<int>{0, 6, 3} << nada << num << moeda;
        linha("projeto", "Memo35") << QList<int>{645, 626, 69, 18} << "Ritchey-Chrétien"
                                   << "Arial/8/0" << QList<int>{1, 7, 3} << nada << num << moeda;
        linha("projeto", "Memo10") << QList<int>{40, 674, 552, 14} << "Descrição"
                                   << "Arial/8/2" << QList<int>{2, 14, 3} << nada << txt << "";
        linha("projeto", "Memo12") << QList<int>{40, 704, 552, 14} << "[dtDados.\"Descricao\"]"
                                   << "Arial/8/0" << QList<int>{0, 6, 3} << nada << txt << "";
        linha("projeto", "Memo14") << QList<int>{592, 704, 120, 14} << "[dtDados.\"Valor\"]"
                                   << "Arial/8/0" << QList<int>{1, 7, 3} << nada << txt << "";
        linha("projeto", "Memo37")
            << QList<int>{619, 1018, 96, 16} << "[DATE]"
            << "Arial/8/0" << QList<int>{1, 0, 3} << nada << data << "dd/mm/yyyy";
        linha("defletor", "Memo1") << QList<int>{36, 37, 679, 22} << "Defletor"
                                   << "Arial/12/2" << QList<int>{2, 0, 3} << nada << txt << "";
        linha("defletor", "Picture1") << QList<int>{40, 77, 672, 312} << ""
                                      << "" << QList<int>{0, 15, 5} << nada << txt << "";
        linha("defletor", "Memo14") << QList<int>{57, 210, 16, 14} << "G" << tnr
                                    << QList<int>{2, 0, 3} << branco << txt << "";
        linha("defletor", "Memo12") << QList<int>{455, 250, 62, 18} << "-Z*" << tnr
                                    << QList<int>{2, 0, 3} << nada << txt << "";
        linha("defletor", "Memo22") << QList<int>{596, 392, 116, 12} << "Obs.: Escalas em mm."
                                    << "Arial/7/0" << QList<int>{1, 0, 3} << branco << txt << "";
        linha("defletor", "Memo27")
            << QList<int>{40, 488, 248, 16} << "Diâmetro externo do suporte do secundário"
            << "Arial/8/0" << QList<int>{0, 0, 11} << nada << txt << "";
        linha("defletor", "Memo17")
            << QList<int>{40, 520, 248, 16}
            << "Comprimento mínimo do defletor que bloqueia a luz direta do tubo do telescópio (L1)"
            << "Arial/8/0" << QList<int>{0, 0, 11} << branco << txt << "";
        linha("defletor", "Memo21")
            << QList<int>{40, 586, 288, 16} << "Posição e diâmetro interno dos glare stops."
            << "Arial/9/2" << QList<int>{0, 0, 3} << nada << txt << "";
        linha("defletor", "Memo7") << QList<int>{232, 603, 96, 16} << "Diâmetro (G)"
                                   << "Arial/8/2" << QList<int>{2, 15, 3} << nada << txt << "";
        linha("defletor", "Memo2") << QList<int>{40, 642, 96, 15} << "[dtGlares.\"Glare\"]"
                                   << "Arial/8/0" << QList<int>{2, 6, 3} << nada << num << "00";
        linha("defletor", "Memo4") << QList<int>{232, 642, 96, 15} << "[dtGlares.\"Diametro\"]"
                                   << "Arial/8/0" << QList<int>{2, 7, 3} << nada << num << moeda;
        linha("defletor", "Memo37")
            << QList<int>{619, 1018, 96, 16} << "[DATE]"
            << "Arial/8/0" << QList<int>{1, 0, 3} << nada << data << "dd/mm/yyyy";
        // The remaining objects of both tables, so that every object is checked.
        const QString a8 = QStringLiteral("Arial/8/0"), a8b = QStringLiteral("Arial/8/2");
        linha("projeto", "Memo17")
            << QList<int>{48, 108, 228, 16} << "Distância focal do sistema (F)" << tnr
            << QList<int>{0, 0, 9} << nada << txt << "";
        linha("projeto", "Memo18")
            << QList<int>{48, 124, 228, 16} << "Relação focal do sistema (F/D1)" << tnr
            << QList<int>{0, 0, 9} << nada << txt << "";
        linha("projeto", "Memo3") << QList<int>{219, 168, 60, 15} << "D2" << tnr
                                  << QList<int>{1, 0, 11} << nada << num << moeda;
        linha("projeto", "Memo2") << QList<int>{188, 197, 60, 15} << "r2" << tnr
                                  << QList<int>{1, 0, 11} << branco << num << moeda;
        linha("projeto", "Memo11") << QList<int>{181, 313, 373, 15} << "f" << tnr
                                   << QList<int>{2, 0, 3} << nada << num << moeda;
        linha("projeto", "Memo5") << QList<int>{285, 355, 269, 15} << "d" << tnr
                                  << QList<int>{2, 0, 3} << nada << num << moeda;
        linha("projeto", "Memo6") << QList<int>{554, 355, 77, 15} << "e" << tnr
                                  << QList<int>{2, 0, 3} << nada << num << moeda;
        linha("projeto", "Memo7") << QList<int>{181, 377, 104, 15} << "p" << tnr
                                  << QList<int>{2, 0, 3} << nada << num << moeda;
        linha("projeto", "Memo19") << QList<int>{176, 464, 28, 16} << "Sag" << tnr
                                   << QList<int>{0, 0, 11} << nada << num << moeda;
        linha("projeto", "Memo21") << QList<int>{49, 518, 247, 16} << "D1" << tnr
                                   << QList<int>{2, 0, 3} << nada << num << moeda;
        linha("projeto", "Memo20") << QList<int>{69, 554, 28, 16} << "Sag" << tnr
                                   << QList<int>{0, 0, 11} << nada << num << moeda;
        linha("projeto", "Memo24") << QList<int>{324, 578, 183, 30} << "Descrição" << a8b
                                   << QList<int>{8, 14, 3} << nada << txt << "";
        linha("projeto", "Memo25") << QList<int>{507, 578, 69, 30} << "Clássico" << a8b
                                   << QList<int>{10, 14, 3} << nada << txt << "";
        linha("projeto", "Memo26") << QList<int>{576, 578, 69, 30} << "Dall-Kirkham" << a8b
                                   << QList<int>{10, 14, 3} << nada << txt << "";
        linha("projeto", "Memo29") << QList<int>{507, 608, 69, 18} << "Clássico" << a8
                                   << QList<int>{1, 6, 3} << nada << num << moeda;
        linha("projeto", "Memo30") << QList<int>{576, 608, 69, 18} << "Dall-Kirkham" << a8
                                   << QList<int>{1, 6, 3} << nada << num << moeda;
        linha("projeto", "Memo31") << QList<int>{645, 608, 69, 18} << "Ritchey-Chrétien" << a8
                                   << QList<int>{1, 7, 3} << nada << num << moeda;
        linha("projeto", "Memo22") << QList<int>{85, 624, 175, 16} << "D2" << tnr
                                   << QList<int>{2, 0, 3} << nada << num << moeda;
        linha("projeto", "Memo33") << QList<int>{507, 626, 69, 18} << "Clássico" << a8
                                   << QList<int>{1, 6, 3} << nada << num << moeda;
        linha("projeto", "Memo34") << QList<int>{576, 626, 69, 18} << "Dall-Kirkham" << a8
                                   << QList<int>{1, 6, 3} << nada << num << moeda;
        linha("projeto", "Memo15") << QList<int>{40, 656, 140, 15} << "Dados do telescópio:"
                                   << "Arial/9/2" << QList<int>{0, 0, 3} << nada << txt << "";
        linha("projeto", "Memo13") << QList<int>{592, 674, 120, 14} << "Valor" << a8b
                                   << QList<int>{2, 15, 3} << nada << txt << "";
        linha("defletor", "Memo18") << QList<int>{277, 156, 181, 16} << "DG" << tnr
                                    << QList<int>{2, 0, 3} << nada << txt << "";
        linha("defletor", "Memo8") << QList<int>{274, 270, 243, 18} << "-Z*" << tnr
                                   << QList<int>{2, 0, 3} << nada << txt << "";
        linha("defletor", "Memo9") << QList<int>{93, 294, 424, 18} << "-Z*" << tnr
                                   << QList<int>{2, 0, 3} << nada << txt << "";
        linha("defletor", "Memo10") << QList<int>{93, 322, 424, 18} << "L" << tnr
                                    << QList<int>{2, 0, 3} << nada << txt << "";
        linha("defletor", "Memo11") << QList<int>{517, 322, 119, 18} << "Z" << tnr
                                    << QList<int>{2, 0, 3} << nada << txt << "";
        linha("defletor", "Memo13") << QList<int>{93, 350, 543, 18} << "L Total" << tnr
                                    << QList<int>{2, 0, 3} << nada << txt << "";
        linha("defletor", "Memo15") << QList<int>{40, 392, 96, 12} << "* Vide tabela abaixo."
                                    << "Arial/7/0" << QList<int>{0, 0, 3} << branco << txt << "";
        linha("defletor", "Memo23") << QList<int>{40, 424, 248, 16} << "Diâmetro interno do tubo"
                                    << a8 << QList<int>{0, 0, 11} << branco << txt << "";
        linha("defletor", "Memo24") << QList<int>{40, 440, 248, 16} << "Diâmetro externo do tubo"
                                    << a8 << QList<int>{0, 0, 11} << branco << txt << "";
        linha("defletor", "Memo25") << QList<int>{40, 456, 248, 16} << "Comprimento total do tubo"
                                    << a8 << QList<int>{0, 0, 11} << branco << txt << "";
        linha("defletor", "Memo26") << QList<int>{40, 472, 248, 16} << "Número de glares" << a8
                                    << QList<int>{0, 0, 11} << branco << txt << "";
        linha("defletor", "Memo16")
            << QList<int>{40, 504, 248, 16}
            << "Comprimento do defletor a partir da superfície do primário (L)" << a8
            << QList<int>{0, 0, 11} << branco << txt << "";
        linha("defletor", "Memo19")
            << QList<int>{40, 536, 248, 16}
            << "Comprimento máximo do defletor que não irá bloquear o secundário do primário (L2)"
            << a8 << QList<int>{0, 0, 11} << branco << txt << "";
        linha("defletor", "Memo20") << QList<int>{40, 552, 248, 16} << "Distância entre glares (DG)"
                                    << a8 << QList<int>{0, 0, 11} << branco << txt << "";
        linha("defletor", "Memo5") << QList<int>{40, 603, 96, 16} << "Glare" << a8b
                                   << QList<int>{2, 14, 3} << nada << txt << "";
        linha("defletor", "Memo6") << QList<int>{136, 603, 96, 16} << "Posição (Z)" << a8b
                                   << QList<int>{2, 14, 3} << nada << txt << "";
        linha("defletor", "Memo3") << QList<int>{136, 642, 96, 15} << "[dtGlares.\"Posicao\"]" << a8
                                   << QList<int>{2, 6, 3} << nada << num << moeda;
    }
    void objetosArmazenados() {
        QFETCH(QString, modelo);
        QFETCH(QString, objeto);
        QFETCH(QList<int>, caixa);
        QFETCH(QString, texto);
        QFETCH(QString, fonte);
        QFETCH(QList<int>, atributos);
        QFETCH(uint, fill);
        QFETCH(uint, formato);
        QFETCH(QString, padrao);
        TrpReport r;
        QVERIFY(rpTemplate::carregarRecurso(r, CaminhoModelo(modelo)));
        const TrpView* v = r.findObject(0, objeto);
        QVERIFY(v);
        QCOMPARE(QList<int>({v->x, v->y, v->dx, v->dy}), caixa);
        QCOMPARE(int(v->frame), atributos[1]);
        QCOMPARE(int(v->flags), atributos[2]);
        QCOMPARE(v->fillColor, fill);
        QCOMPARE(v->format, formato);
        QCOMPARE(v->formatStr, padrao);
        if (auto* m = dynamic_cast<const TrpMemoView*>(v)) {
            QCOMPARE(m->memo, QStringList{texto});
            QCOMPARE(
                QStringLiteral("%1/%2/%3").arg(m->font.name).arg(m->font.size).arg(m->font.style),
                fonte);
            QCOMPARE(m->font.color, 0u);
            QCOMPARE(m->font.charset, std::uint16_t(0));
            QCOMPARE(int(m->adjust), atributos[0]);
        } else {
            QCOMPARE(v->kind(), TrpKind::Picture);
            QVERIFY(fonte.isEmpty());
        }
    }

    // Each stored template holds exactly the objects of its table, bands included, so that
    // the rows of objetosArmazenados cover every one of them.
    void nomesDosObjetos_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QStringList>("nomes");
        QStringList projeto{"ReportTitle1", "MasterData1", "PageFooter1", "Picture1", "Picture2"};
        for (int n = 1; n <= 37; ++n)
            projeto << QStringLiteral("Memo%1").arg(n);
        QStringList defletor{"ReportTitle1", "MasterData1", "PageFooter1", "Picture1"};
        for (int n = 1; n <= 27; ++n)
            defletor << QStringLiteral("Memo%1").arg(n);
        defletor << QStringLiteral("Memo37");
        QTest::newRow("projeto") << "projeto" << projeto;
        QTest::newRow("defletor") << "defletor" << defletor;
    }
    void nomesDosObjetos() {
        QFETCH(QString, modelo);
        QFETCH(QStringList, nomes);
        TrpReport r;
        QVERIFY(rpTemplate::carregarRecurso(r, CaminhoModelo(modelo)));
        QStringList lidos;
        for (const auto& v : r.pages[0].objects)
            lidos << v->name;
        lidos.sort();
        nomes.sort();
        QCOMPARE(lidos, nomes);
    }

    // --- damaged input ------------------------------------------------------------------------
    void truncamentos() {
        for (const QString& nome : {QStringLiteral("projeto"), QStringLiteral("defletor")}) {
            const QByteArray s = streamArmazenado(nome);
            QVERIFY(s.size() > 100);
            TrpReport completo;
            QVERIFY(rpTemplate::lerStream(completo, s));
            const std::size_t total = completo.pages[0].objects.size();
            int aceitos = 0;
            for (qsizetype n = 0; n < s.size(); ++n) {
                TrpReport r;
                // A prefix ending on a record boundary is a shorter template; any other is refused.
                if (rpTemplate::lerStream(r, s.left(n))) {
                    ++aceitos;
                    QVERIFY(r.pages.size() <= 1);
                    if (!r.pages.empty()) QVERIFY(r.pages[0].objects.size() <= total);
                } else {
                    QVERIFY(recusado(r));
                }
            }
            // Only the ends of records (page, objects) and nothing else.
            QVERIFY2(aceitos <= int(total) + 2, qPrintable(QString::number(aceitos)));
            const QByteArray form = lerArquivo(CaminhoModelo(nome));
            for (qsizetype n = 0; n < form.size(); ++n) {
                TrpReport r;
                QVERIFY(!rpTemplate::lerForm(r, form.left(n)));
            }
        }
    }

    void corrupcoesAleatorias() {
        QRandomGenerator rng(20240611);
        int lidos = 0, recusados = 0;
        for (const QString& nome : {QStringLiteral("projeto"), QStringLiteral("defletor")}) {
            const QByteArray s = streamArmazenado(nome);
            for (int i = 0; i < 2500; ++i) {
                QByteArray c = s;
                const int mudancas = 1 + int(rng.bounded(8));
                for (int k = 0; k < mudancas; ++k) {
                    const qsizetype pos = rng.bounded(int(c.size()));
                    switch (rng.bounded(4)) {
                    case 0:
                        c[pos] = char(rng.bounded(256));
                        break;
                    case 1:
                        c[pos] = char(c[pos] ^ (1 << rng.bounded(8)));
                        break;
                    case 2:
                        c.remove(pos, 1 + rng.bounded(16));
                        break;
                    default:
                        if (pos + 4 <= c.size())
                            qToLittleEndian<quint32>(rng.generate(), c.data() + pos);
                    }
                    if (c.isEmpty()) c.append(char(23));
                }
                TrpReport r;
                if (rpTemplate::lerStream(r, c)) {
                    ++lidos;
                    for (std::size_t p = 0; p < r.pages.size(); ++p)
                        for (const auto& v : r.pages[p].objects)
                            QCOMPARE(v->pageIndex, int(p));
                    // Whatever was read writes out and reads back the same.
                    TrpReport de_novo;
                    QVERIFY(rpTemplate::lerStream(de_novo, rpTemplate::escreverStream(r)));
                    QVERIFY(diferenca(r, de_novo).isEmpty());
                } else {
                    ++recusados;
                    QVERIFY(recusado(r));
                }
            }
        }
        qInfo("random corruptions: %d read, %d refused", lidos, recusados);
        QVERIFY(recusados > 0);
    }
};

QTEST_GUILESS_MAIN(TestTemplate)
#include "test_template.moc"
