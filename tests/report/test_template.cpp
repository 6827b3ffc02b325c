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
