// Preparation of report pages: pagination, data sets, expressions, errors, memo layout.
#include "PinturaGravada.h"
#include "ReportFixture.h"

#include "rpDraw.h"
#include "rpPrepare.h"
#include "rpPrepared.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QtTest>
#include <tuple>

namespace {

// Texts of the memos on a prepared page, with their boxes.
struct Saida {
    QString texto;
    QRect caixa;
};

std::vector<Saida> memosDaPagina(const TrpPreparedPages& p, int pagina) {
    std::vector<Saida> saida;
    for (const auto& v : rpOutput::lerObjetos(p.page(pagina).stream))
        if (v->kind() == TrpKind::Memo)
            saida.push_back({v->memo.join(QLatin1Char('\n')), QRect(v->x, v->y, v->dx, v->dy)});
    return saida;
}

int linhasDeDados(const TrpPreparedPages& p, int pagina) {
    int n = 0;
    for (const Saida& s : memosDaPagina(p, pagina))
        if (s.texto.startsWith(QLatin1String("Linha "))) ++n;
    return n;
}

} // namespace

class TestPrepare : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void paginacao_data() {
        QTest::addColumn<int>("titulo");
        QTest::addColumn<int>("mestreY");
        QTest::addColumn<int>("altura");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QList<int>>("porPagina");
        QTest::newRow("projeto 0") << 652 << 704 << 14 << 0 << QList<int>{0};
        QTest::newRow("projeto 19") << 652 << 704 << 14 << 19 << QList<int>{19};
        QTest::newRow("projeto 23") << 652 << 704 << 14 << 23 << QList<int>{23};
        QTest::newRow("projeto 24") << 652 << 704 << 14 << 24 << QList<int>{23, 1};
        QTest::newRow("projeto 200") << 652 << 704 << 14 << 200 << QList<int>{23, 70, 70, 37};
        // 36 + 661 + 23 x 14 = 1019: the 23rd row ends exactly on the limit and stays.
        QTest::newRow("encaixe exato") << 661 << 713 << 14 << 24 << QList<int>{23, 1};
        QTest::newRow("um acima do encaixe") << 662 << 714 << 14 << 24 << QList<int>{22, 2};
        QTest::newRow("defletor 26") << 583 << 642 << 15 << 26 << QList<int>{26};
        QTest::newRow("defletor 200") << 583 << 642 << 15 << 200 << QList<int>{26, 65, 65, 44};
    }

    // Rows per page, the title only on the first page, the footer at the limit on every page.
    void paginacao() {
        QFETCH(int, titulo);
        QFETCH(int, mestreY);
        QFETCH(int, altura);
        QFETCH(int, linhas);
        QFETCH(QList<int>, porPagina);
        modelo::Relatorio r(titulo, mestreY, altura);
        r.linhas(linhas);
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        QVERIFY(res.outcome != TrpBuildResult::Failed);
        const TrpPreparedPages& p = *res.pages;
        QCOMPARE(p.count(), porPagina.size());
        const QString hoje = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        int numero = 1;
        for (int i = 0; i < p.count(); ++i) {
            QCOMPARE(linhasDeDados(p, i), porPagina[i]);
            const auto memos = memosDaPagina(p, i);
            const bool temTitulo = std::any_of(memos.begin(), memos.end(), [](const Saida& s) {
                return s.texto == QLatin1String("Teluvar");
            });
            QCOMPARE(temTitulo, i == 0);
            // Footer: the date, with its top at the limit (bottom edge 1035 - 16).
            auto rodape = std::find_if(memos.begin(), memos.end(),
                                       [&](const Saida& s) { return s.texto == hoje; });
            QVERIFY2(rodape != memos.end(), qPrintable(QStringLiteral("page %1").arg(i + 1)));
            QCOMPARE(rodape->caixa.y(), 1019);
            // Data rows follow each other without gaps, in order.
            int y = i == 0 ? 36 + titulo : 36;
            for (const Saida& s : memos) {
                if (!s.texto.startsWith(QLatin1String("Linha "))) continue;
                if (s.caixa.x() != 40) continue;
                QCOMPARE(s.texto, QStringLiteral("Linha %1").arg(numero++));
                QCOMPARE(s.caixa.y(), y);
                QVERIFY(s.caixa.bottom() < 1019);
                y += altura;
            }
        }
        QCOMPARE(numero, linhas + 1);
    }

    // The page footer by its flags: finishing a page prints it unless that is the first page
    // and the band lacks "on first page"; the last page has it only with "on last page".
    void rodapeConformeFlags_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QList<bool>>("comRodape"); // per page
        QTest::newRow("primeira e ultima, 4 paginas") << 48 << 200 << QList<bool>{1, 1, 1, 1};
        QTest::newRow("so ultima, 4 paginas") << 32 << 200 << QList<bool>{0, 1, 1, 1};
        QTest::newRow("so primeira, 4 paginas") << 16 << 200 << QList<bool>{1, 1, 1, 0};
        QTest::newRow("nenhuma, 4 paginas") << 0 << 200 << QList<bool>{0, 1, 1, 0};
        QTest::newRow("so ultima, 1 pagina") << 32 << 19 << QList<bool>{1};
        QTest::newRow("so primeira, 1 pagina") << 16 << 19 << QList<bool>{0};
        QTest::newRow("primeira e ultima, 2 paginas") << 48 << 24 << QList<bool>{1, 1};
        QTest::newRow("so ultima, 2 paginas") << 32 << 24 << QList<bool>{0, 1};
    }
    void rodapeConformeFlags() {
        QFETCH(int, flags);
        QFETCH(int, linhas);
        QFETCH(QList<bool>, comRodape);
        modelo::Relatorio r;
        for (auto& v : r.report.pages[0].objects)
            if (v->name == QLatin1String("PageFooter1")) v->flags = std::uint16_t(flags);
        r.linhas(linhas);
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY2(res.outcome == TrpBuildResult::Built, qPrintable(res.error));
        QCOMPARE(res.pages->count(), comRodape.size());
        const QString hoje = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        for (int i = 0; i < res.pages->count(); ++i) {
            const auto memos = memosDaPagina(*res.pages, i);
            const bool temRodape = std::any_of(memos.begin(), memos.end(), [&](const Saida& s) {
                return s.texto == hoje && s.caixa.y() == 1019;
            });
            QVERIFY2(temRodape == comRodape[i], qPrintable(QStringLiteral("page %1").arg(i + 1)));
            // The footer's place stays reserved: the rows per page do not depend on its flags.
            QCOMPARE(linhasDeDados(*res.pages, i),
                     i == 0 ? std::min(linhas, 23) : std::min(linhas - 23 - 70 * (i - 1), 70));
        }
    }

    void registroRestauradoEDataSetAberto() {
        modelo::Relatorio r;
        r.linhas(10);
        r.dados.SetRecNo(2);
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        QCOMPARE(r.dados.RecNo(), 2);
        QVERIFY(r.dados.Active());
        // A closed data set is opened (and stays open); with no records one page is built.
        r.dados.Close();
        const TrpBuildResult fechado = BuildReport(r.report);
        QVERIFY(fechado.outcome != TrpBuildResult::Cancelled);
        QVERIFY(r.dados.Active());
        QCOMPARE(fechado.pages->count(), 1);
    }

    void prepararDuasVezesDaAsMesmasPaginas() {
        modelo::Relatorio r;
        r.linhas(150);
        int chamadas = 0;
        r.report.OnBeginDoc = [&] { ++chamadas; };
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        std::vector<QByteArray> primeira;
        for (const auto& p : res.pages->pages())
            primeira.push_back(p.stream);
        const TrpBuildResult outra = BuildReport(r.report);
        QVERIFY(outra.outcome != TrpBuildResult::Cancelled);
        QCOMPARE(chamadas, 2);
        QCOMPARE(outra.pages->count(), int(primeira.size()));
        for (int i = 0; i < outra.pages->count(); ++i)
            QCOMPARE(outra.pages->page(i).stream, primeira[std::size_t(i)]);
    }

    void textosEFormatosDosMemos() {
        modelo::Relatorio r;
        TrpPage& p = r.report.pages[0];
        // No brackets: unchanged whatever the format.
        auto semColchetes = modelo::memo(QStringLiteral("MemoA"), 40, 100, 200, 16,
                                         QStringLiteral("1234,5 e 26.875"));
        semColchetes->format = 0x0104022C;
        semColchetes->formatStr = QStringLiteral("#,##0.00;-#,##0.00");
        p.objects.push_back(std::move(semColchetes));
        auto numero = modelo::memo(QStringLiteral("MemoB"), 40, 120, 200, 16,
                                   QStringLiteral("v = [12.5 * 100 + 5] mm [PAGE#]/[TOTALPAGES]"));
        numero->format = 0x0104022C;
        numero->formatStr = QStringLiteral("#,##0.00;-#,##0.00");
        p.objects.push_back(std::move(numero));
        p.objects.push_back(modelo::memo(QStringLiteral("MemoC"), 40, 140, 200, 16,
                                         QStringLiteral("['Total: ' + 'x'] [LINE#] [VALUE].")));
        r.report.doublePass = true;
        r.linhas(3);
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        QVERIFY2(res.outcome != TrpBuildResult::Failed, qPrintable(res.error));
        const auto memos = memosDaPagina(*res.pages, 0);
        auto texto = [&](int y) {
            for (const Saida& s : memos)
                if (s.caixa.y() == y) return s.texto;
            return QString();
        };
        QCOMPARE(texto(100), QStringLiteral("1234,5 e 26.875"));
        QCOMPARE(texto(120), QStringLiteral("v = 1.255,00 mm 1,00/1,00"));
        QCOMPARE(texto(140), QStringLiteral("Total: x 0  ."));
    }

    // CURRENT# is the number of the data set's record being printed: 1, 2, 3 down the rows.
    void registroAtual() {
        modelo::Relatorio r(100, 200, 14);
        for (const auto& objeto : r.report.pages[0].objects)
            if (objeto->name == u"Memo14")
                static_cast<TrpMemoView&>(*objeto).memo = QStringList{QStringLiteral("[CURRENT#]")};
        r.linhas(3);
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY2(res.outcome == TrpBuildResult::Built, qPrintable(res.error));
        QStringList numeros;
        for (const Saida& s : memosDaPagina(*res.pages, 0))
            if (s.caixa.x() == 592) numeros << s.texto;
        QCOMPARE(numeros, (QStringList{"1", "2", "3"}));
    }

    // A separator of the user's locale without a Windows-1252 byte reaches the page as its
    // nearest one, both in the engine's own formats and in texts built outside (a fill-in).
    void separadoresSemByte_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("formatado");  // 12345.5 * 100 with "#,##0.00"
        QTest::addColumn<QString>("preenchido"); // the fill-in below, as it reaches the page
        const QString nbsp(QChar(0x00A0)), apostrofo(QChar(0x2019));
        QTest::newRow("fr_FR, espaco fino inseparavel") << "fr_FR"
                                                        << "1" + nbsp + "234" + nbsp + "550,00"
                                                        << "1" + nbsp + "234,50";
        QTest::newRow("ar_EG, separadores arabes") << "ar_EG"
                                                   << "1" + apostrofo + "234" + apostrofo + "550,00"
                                                   << "1" + nbsp + "234,50";
        QTest::newRow("pt_BR, nada muda")
            << "pt_BR" << QStringLiteral("1.234.550,00") << "1" + nbsp + "234,50";
    }
    void separadoresSemByte() {
        QFETCH(QString, locale);
        QFETCH(QString, formatado);
        QFETCH(QString, preenchido);
        const QLocale antes;
        QLocale::setDefault(QLocale(locale));
        modelo::Relatorio r;
        TrpPage& p = r.report.pages[0];
        auto numero = modelo::memo(QStringLiteral("MemoA"), 40, 100, 200, 16,
                                   QStringLiteral("[12345.5 * 100]"));
        numero->format = 0x0104022C;
        numero->formatStr = QStringLiteral("#,##0.00;-#,##0.00");
        p.objects.push_back(std::move(numero));
        // A text built with the user's separators before preparation, as the fill-ins are.
        p.objects.push_back(modelo::memo(QStringLiteral("MemoB"), 40, 120, 200, 16,
                                         QStringLiteral("1\u202F234,50")));
        r.linhas(1);
        const TrpBuildResult res = BuildReport(r.report);
        QLocale::setDefault(antes);
        QVERIFY2(res.outcome == TrpBuildResult::Built, qPrintable(res.error));
        QString a, b;
        for (const Saida& s : memosDaPagina(*res.pages, 0)) {
            if (s.caixa.y() == 100) a = s.texto;
            if (s.caixa.y() == 120) b = s.texto;
        }
        QCOMPARE(a, formatado);
        QCOMPARE(b, preenchido);
        QVERIFY(!a.contains(u'?') && !b.contains(u'?'));
    }

    // Font height in pixels: points x 96/72 x scale (on a printer points x dpi/72), rounded to
    // the nearest with exact halves to the even neighbour.
    void pixelsDaFonte_data() {
        QTest::addColumn<int>("pontos");
        QTest::addColumn<double>("escala");
        QTest::addColumn<bool>("impressora");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("8 pt") << 8 << 1.0 << false << 96.0 << 11; // 10,67
        QTest::newRow("empate 2,5 -> 2") << 3 << 0.625 << false << 96.0 << 2;
        QTest::newRow("empate 4,5 -> 4") << 6 << 0.5625 << false << 96.0 << 4;
        QTest::newRow("empate 3,5 -> 4") << 3 << 0.875 << false << 96.0 << 4;
        QTest::newRow("impressora 600 dpi") << 8 << 1.0 << true << 600.0 << 67; // 66,67
        QTest::newRow("impressora empate 0,5 -> 0") << 9 << 1.0 << true << 4.0 << 0;
        QTest::newRow("impressora empate 1,5 -> 2") << 9 << 1.0 << true << 12.0 << 2;
    }
    void pixelsDaFonte() {
        QFETCH(int, pontos);
        QFETCH(double, escala);
        QFETCH(bool, impressora);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        TrpEscala e;
        e.y = escala;
        e.impressora = impressora;
        e.dpiY = dpi;
        QCOMPARE(e.pixelsDaFonte(pontos), pixels);
        if (!impressora) QCOMPARE(PixelsDaFonte(pontos, escala), pixels);
    }

    // A picture without a graphic prints nothing: neither its fill nor its frame. A memo with
    // the same fill and frame shows that the canvas would show them.
    void figuraVazia_data() {
        QTest::addColumn<int>("tipo"); // 0 picture without graphic, 1 bitmap kind without bytes,
                                       // 2 memo
        QTest::addColumn<bool>("desenhaAlgo");
        QTest::newRow("figura sem grafico") << 0 << false;
        QTest::newRow("figura bitmap sem bytes") << 1 << false;
        QTest::newRow("memo de controle") << 2 << true;
    }
    void figuraVazia() {
        QFETCH(int, tipo);
        QFETCH(bool, desenhaAlgo);
        std::unique_ptr<TrpView> objeto;
        if (tipo == 2) {
            objeto = std::make_unique<TrpMemoView>();
        } else {
            auto figura = std::make_unique<TrpPictureView>();
            if (tipo == 1) figura->graphicKind = TrpPictureView::Bitmap;
            objeto = std::move(figura);
        }
        objeto->fillColor = 0x000000FF; // red
        objeto->frame = rpFrame::All;
        objeto->frameWidth = 2;
        QImage imagem(60, 40, QImage::Format_RGB32);
        imagem.fill(Qt::white);
        {
            QPainter p(&imagem);
            DesenharObjeto(p, *objeto, QRectF(10, 10, 40, 20), TrpEscala{});
        }
        int pintados = 0;
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x)
                if (imagem.pixel(x, y) != qRgb(255, 255, 255)) ++pintados;
        QCOMPARE(pintados > 0, desenhaAlgo);
    }

    // A new object's number format carries the user's decimal separator.
    void formatoDeObjetoNovo_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<char>("separador");
        QTest::newRow("pt_BR") << "pt_BR" << ',';
        QTest::newRow("en_US") << "en_US" << '.';
    }
    void formatoDeObjetoNovo() {
        QFETCH(QString, locale);
        QFETCH(char, separador);
        const QLocale antes;
        QLocale::setDefault(QLocale(locale));
        TrpMemoView memo;
        QLocale::setDefault(antes);
        QCOMPARE(TrpFormat::category(memo.format), int(TrpFormat::Text));
        QCOMPARE(TrpFormat::decimals(memo.format), 2);
        QCOMPARE(TrpFormat::separator(memo.format), separador);
    }

    // A template line is prepared from what OnMemoLine makes of it, before its expressions are
    // evaluated; the template keeps its own line, and each line is asked for once.
    void linhaDoMemo_data() {
        QTest::addColumn<QString>("linha");
        QTest::addColumn<bool>("comGancho");
        QTest::addColumn<QString>("preparado");
        QTest::newRow("sem gancho") << "Olá" << false << "Olá";
        QTest::newRow("traduzida") << "Olá" << true << "Hello";
        QTest::newRow("nao traduzida") << "Até logo" << true << "Até logo";
        QTest::newRow("com expressao") << "Página [PAGE#] de [2 + 3]" << true << "Page 1 of 5";
        QTest::newRow("expressao sem gancho")
            << "Página [PAGE#] de [2 + 3]" << false << "Página 1 de 5";
        QTest::newRow("so expressao") << "[2 * 3]" << true << "6";
    }
    void linhaDoMemo() {
        QFETCH(QString, linha);
        QFETCH(bool, comGancho);
        QFETCH(QString, preparado);
        modelo::Relatorio r;
        r.report.pages[0].objects.push_back(
            modelo::memo(QStringLiteral("MemoA"), 40, 100, 300, 16, linha));
        r.linhas(3);
        const QMap<QString, QString> traducao = {
            {QStringLiteral("Olá"), QStringLiteral("Hello")},
            {QStringLiteral("Página [PAGE#] de [2 + 3]"),
             QStringLiteral("Page [PAGE#] of [2 + 3]")},
            {QStringLiteral("Linha 1"), QStringLiteral("Row 1")}}; // data, not template: untouched
        QStringList perguntadas;
        if (comGancho)
            r.report.OnMemoLine = [&](const QString& l) {
                perguntadas << l;
                return traducao.value(l, l);
            };
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY2(res.outcome == TrpBuildResult::Built, qPrintable(res.error));
        QString achado;
        QStringList dados;
        for (const Saida& s : memosDaPagina(*res.pages, 0)) {
            if (s.caixa.y() == 100) achado = s.texto;
            if (s.texto.startsWith(QLatin1String("Linha")) ||
                s.texto.startsWith(QLatin1String("Row")))
                dados << s.texto;
        }
        QCOMPARE(achado, preparado);
        QCOMPARE(dados, (QStringList{"Linha 1", "Linha 2", "Linha 3"}));
        QCOMPARE(r.report.findObject(0, QStringLiteral("MemoA"))->memo, QStringList{linha});
        if (comGancho) {
            // Once per template line: title, the two data memos, the footer's date and MemoA.
            QCOMPARE(perguntadas.size(), 5);
            QCOMPARE(perguntadas.count(linha), 1);
        }
    }

    void dataSourceSemDataSet() {
        modelo::Relatorio r;
        r.fonte.dataSet = nullptr;
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        QVERIFY(res.outcome == TrpBuildResult::Failed);
        QCOMPARE(res.error,
                 QStringLiteral("An error occured during calculating\rUnable to open dataset "
                                "rpDBDataSet1\rReport: rpReport1\rBand: Master data"));
    }

    void simboloQueSeRefereASiMesmo() {
        modelo::Relatorio r;
        r.report.values.push_back({0, 0, {}, QStringLiteral("Laco + 1"), QStringLiteral("Laco")});
        r.report.values.push_back({0, 0, {}, QStringLiteral("2 * 21"), QStringLiteral("Resposta")});
        r.report.pages[0].objects.push_back(
            modelo::memo(QStringLiteral("MemoV"), 40, 300, 200, 16, QStringLiteral("[Resposta]")));
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        QVERIFY(res.outcome != TrpBuildResult::Failed);
        const auto memos = memosDaPagina(*res.pages, 0);
        QVERIFY(std::any_of(memos.begin(), memos.end(),
                            [](const Saida& s) { return s.texto == QLatin1String("42"); }));
        r.report.pages[0].objects.back()->memo = QStringList{QStringLiteral("[Laco]")};
        const TrpBuildResult laco = BuildReport(r.report);
        QVERIFY(laco.outcome != TrpBuildResult::Cancelled);
        QVERIFY(laco.outcome == TrpBuildResult::Failed);
        QVERIFY(laco.error.contains(QLatin1String("\r[Laco]\r")));
    }

    // Arial 8 pt: 11 pixels, a line of 13 units; with a 1-unit frame one line is 15 units.
    void alturaDoMemoEBandaEsticada() {
        QCOMPARE(PixelsDaFonte(8, 1.0), 11);
        QCOMPARE(TrpEscala{}.alturaLinha(8), 13.0);
        QCOMPARE(InsetVertical(1, 1), 1);
        QCOMPARE(InsetHorizontal(1, 1), 2);
        auto m = modelo::memo(QStringLiteral("M"), 0, 0, 200, 14, QStringLiteral("uma linha"), 8,
                              rpFrame::All);
        QCOMPARE(AlturaConteudo(*m, TrpEscala{}), 15.0);

        modelo::Relatorio r;
        auto& objetos = r.report.pages[0].objects;
        TrpView& mestre = *objetos[2];
        mestre.flags |= rpFlags::BandStretched;
        objetos[3]->frame = rpFrame::All;
        r.dados.Append();
        r.dados.SetField(QStringLiteral("Descricao"), QStringLiteral("Linha curta"));
        r.dados.Post();
        r.dados.Append();
        r.dados.SetField(QStringLiteral("Descricao"),
                         QStringLiteral("Linha longa, que precisa de várias linhas para caber "
                                        "numa célula estreita como esta"));
        r.dados.Post();
        objetos[3]->dx = 120;
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        const auto memos = memosDaPagina(*res.pages, 0);
        std::vector<Saida> descricoes, valores;
        for (const Saida& s : memos) {
            if (s.caixa.x() == 40 && s.caixa.y() >= 688) descricoes.push_back(s);
            if (s.caixa.x() == 592) valores.push_back(s);
        }
        QCOMPARE(int(descricoes.size()), 2);
        // The one-line row makes the band 15 tall: the next row starts 15 below.
        QCOMPARE(descricoes[0].caixa.height(), 15);
        QCOMPARE(descricoes[1].caixa.y(), descricoes[0].caixa.y() + 15);
        // The long text wraps and the stretched cells of the row grow together.
        QVERIFY(descricoes[1].caixa.height() >= 2 * 13 + 2);
        QCOMPARE(valores[1].caixa.height(), descricoes[1].caixa.height());
        // The template keeps its sizes.
        QCOMPARE(objetos[3]->dy, 14);
    }

    // Advances are measured when first asked for: whatever the order of the questions (a line
    // first, one character first, the same character again), each equals the font system's
    // own advance for that font (Latin-1 kept as float), and a line is the sum of its characters.
    void largurasMedidasAoPedir() {
        const QString amostra = QStringLiteral("Wi 0,5 µm çÃ\t\u00a0\u0001→√");
        for (const auto& [nome, estilo, pixels] :
             {std::tuple{"Arial", 0, 11}, {"Arial", 3, 23}, {"Times New Roman", 1, 9}}) {
            TrpFont fonte;
            fonte.name = QString::fromLatin1(nome);
            fonte.style = static_cast<std::uint16_t>(estilo);
            const TrpFonteMedida& f = FonteMedida(fonte, pixels);
            const QFontMetricsF fm(f.font());
            auto esperada = [&fm](QChar c) {
                const double w = fm.horizontalAdvance(c);
                return c.unicode() < 256 ? double(float(w)) : w;
            };
            double soma = 0;
            for (QChar c : amostra)
                soma += esperada(c);
            QCOMPARE(f.largura(amostra), soma);
            for (int k = amostra.size() - 1; k >= 0; --k)
                QCOMPARE(f.largura(amostra[k]), esperada(amostra[k]));
            QVERIFY(f.largura(QChar(u'W')) > f.largura(QChar(u'i')));
        }
    }

    void quebraDePalavras() {
        TrpFont arial;
        arial.name = QStringLiteral("Arial");
        const TrpFonteMedida& f = FonteMedida(arial, 11);
        auto quebrar = [&](const QString& texto, const QString& cabe) {
            return QuebrarLinhas({texto}, f, f.largura(cabe) + 0.01, true);
        };
        QCOMPARE(quebrar(QStringLiteral("aaa bbb"), QStringLiteral("aaa b")),
                 (QStringList{QStringLiteral("aaa"), QStringLiteral("bbb")}));
        QCOMPARE(quebrar(QStringLiteral("aaa,bbb"), QStringLiteral("aaa,b")),
                 (QStringList{QStringLiteral("aaa,"), QStringLiteral("bbb")}));
        QCOMPARE(quebrar(QStringLiteral("aaa-bbb"), QStringLiteral("aaa-b")),
                 (QStringList{QStringLiteral("aaa-"), QStringLiteral("bbb")}));
        QCOMPARE(
            quebrar(QStringLiteral("aaa.bbb ccc"), QStringLiteral("aaa.bb")),
            (QStringList{QStringLiteral("aaa."), QStringLiteral("bbb"), QStringLiteral("ccc")}));
        // The last break that still fits wins; a word that fits nowhere is cut.
        QCOMPARE(quebrar(QStringLiteral("a b c dddd"), QStringLiteral("a b c d")),
                 (QStringList{QStringLiteral("a b c"), QStringLiteral("dddd")}));
        QCOMPARE(quebrar(QStringLiteral("abcdefgh"), QStringLiteral("abc")),
                 (QStringList{QStringLiteral("abc"), QStringLiteral("def"), QStringLiteral("gh")}));
        // Line breaks end lines with or without wrapping room; no wrap keeps lines whole.
        QCOMPARE(
            QuebrarLinhas({QStringLiteral("um\r\ndois\ntres")}, f, 1000, true),
            (QStringList{QStringLiteral("um"), QStringLiteral("dois"), QStringLiteral("tres")}));
        QCOMPARE(QuebrarLinhas({QStringLiteral("aaa bbb ccc")}, f, 5, false),
                 QStringList{QStringLiteral("aaa bbb ccc")});
        // A line that fills the width exactly fits: no cut, and the next word on a new line.
        const double exata = f.largura(QStringLiteral("aaaa"));
        QCOMPARE(QuebrarLinhas({QStringLiteral("aaaa bbbb")}, f, exata, true),
                 (QStringList{QStringLiteral("aaaa"), QStringLiteral("bbbb")}));
        QCOMPARE(QuebrarLinhas({QStringLiteral("aaaa")}, f, exata, true),
                 QStringList{QStringLiteral("aaaa")});
        // Even a width below one character makes progress.
        QCOMPARE(QuebrarLinhas({QStringLiteral("ab")}, f, 0, true).size(), 2);
    }

    // Auto size: the width follows the text; a right-aligned memo keeps its right edge.
    void autoTamanho() {
        auto esquerda =
            modelo::memo(QStringLiteral("M"), 585, 89, 80, 15, QStringLiteral("D1 = 200,00"), 8);
        esquerda->flags |= rpFlags::MemoAutoSize;
        auto direita = modelo::memo(QStringLiteral("N"), 438, 123, 60, 15,
                                    QStringLiteral("r1 = 1.600,00"), 8, 0, 1);
        direita->flags |= rpFlags::MemoAutoSize;
        const TrpFonteMedida& f = FonteMedida(esquerda->font, 11);
        AjustarAutoTamanho(*esquerda);
        QCOMPARE(esquerda->x, 585);
        QCOMPARE(esquerda->dx, int(std::ceil(f.largura(QStringLiteral("D1 = 200,00")))) + 4);
        AjustarAutoTamanho(*direita);
        QCOMPARE(direita->x + direita->dx, 438 + 60);
        const int largura = direita->dx;
        AjustarAutoTamanho(*direita); // every drawing gives the same size
        QCOMPARE(direita->dx, largura);
        auto vazio = modelo::memo(QStringLiteral("V"), 10, 10, 50, 15, QString());
        vazio->flags |= rpFlags::MemoAutoSize;
        AjustarAutoTamanho(*vazio);
        QCOMPARE(vazio->dx, 50);
    }

    // A memo's text never paints outside the memo's clip box (one pixel in from the left, two
    // from the right, one up from the bottom), whether it fits or overflows in any direction;
    // text that fits is drawn whole.
    void recorteDoMemo_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("largura");
        QTest::addColumn<int>("altura");
        QTest::addColumn<int>("ajuste");   // alignment (0 left, 1 right, 2 centre, 3 justified)
        QTest::addColumn<bool>("quebra");  // word wrap
        QTest::addColumn<bool>("inteiro"); // the whole text fits
        const QString longo = QStringLiteral("Diametro do secundario calculado");
        QTest::newRow("cabe, esquerda")
            << QStringLiteral("D1 = 200") << 120 << 20 << 0 << false << true;
        QTest::newRow("cabe, direita")
            << QStringLiteral("D1 = 200") << 120 << 20 << 1 << false << true;
        QTest::newRow("cabe, centro")
            << QStringLiteral("D1 = 200") << 120 << 20 << 2 << false << true;
        QTest::newRow("larga, esquerda") << longo << 60 << 20 << 0 << false << false;
        QTest::newRow("larga, direita") << longo << 60 << 20 << 1 << false << false;
        QTest::newRow("larga, centro") << longo << 60 << 20 << 2 << false << false;
        QTest::newRow("alta, quebrada") << longo << 70 << 16 << 0 << true << false;
        QTest::newRow("alta, justificada") << longo << 70 << 16 << 3 << true << false;
        QTest::newRow("baixa demais") << QStringLiteral("D1") << 60 << 8 << 0 << false << false;
    }
    void recorteDoMemo() {
        QFETCH(QString, texto);
        QFETCH(int, largura);
        QFETCH(int, altura);
        QFETCH(int, ajuste);
        QFETCH(bool, quebra);
        QFETCH(bool, inteiro);
        constexpr int X = 20, Y = 20;
        auto m = modelo::memo(QStringLiteral("M"), X, Y, largura, altura, texto, 10, 0, ajuste);
        if (quebra) m->flags |= rpFlags::MemoWordWrap;
        QImage img(largura + 2 * X, altura + 2 * Y + 40, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            DesenharObjeto(p, *m, QRectF(X, Y, largura, altura), TrpEscala{});
        }
        int tinta = 0, fora = 0, x0 = img.width(), x1 = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (img.pixel(x, y) == qRgb(255, 255, 255)) continue;
                ++tinta;
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                if (x < X + 1 || x > X + largura - 3 || y < Y || y > Y + altura - 2) ++fora;
            }
        QVERIFY(tinta > 0);
        QCOMPARE(fora, 0);
        if (inteiro) {
            // The whole text: its ink is about as wide as the text's advance.
            const double w = FonteMedida(m->font, TrpEscala{}.pixelsDaFonte(10)).largura(texto);
            QVERIFY2(x1 - x0 + 1 >= 0.85 * w, qPrintable(QString::number(x1 - x0 + 1)));
        }
    }

    // Text takes its own colour whatever was drawn before it: a frame of another colour, a
    // dashed frame of the same colour, or nothing.
    void corDoTextoAposMoldura_data() {
        QTest::addColumn<quint32>("corMoldura"); // COLORREF 0x00BBGGRR
        QTest::addColumn<int>("estiloMoldura");
        QTest::addColumn<quint32>("corTexto");
        QTest::newRow("moldura vermelha, texto preto") << 0x000000FFu << 0 << 0x00000000u;
        QTest::newRow("moldura preta, texto azul") << 0x00000000u << 0 << 0x00FF0000u;
        QTest::newRow("moldura tracejada da mesma cor") << 0x00008000u << 1 << 0x00008000u;
        QTest::newRow("sem moldura antes") << 0xFFFFFFFFu << 0 << 0x000000FFu;
    }
    void corDoTextoAposMoldura() {
        QFETCH(quint32, corMoldura);
        QFETCH(int, estiloMoldura);
        QFETCH(quint32, corTexto);
        QImage img(300, 80, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            if (corMoldura != 0xFFFFFFFFu) {
                auto antes =
                    modelo::memo(QStringLiteral("A"), 10, 10, 100, 20, QString(), 10, rpFrame::All);
                antes->frameWidth = 3;
                antes->frameColor = corMoldura;
                antes->frameStyle = std::uint16_t(estiloMoldura);
                DesenharObjeto(p, *antes, QRectF(10, 10, 100, 20), TrpEscala{});
            }
            auto texto =
                modelo::memo(QStringLiteral("T"), 10, 40, 200, 30, QStringLiteral("MMMM WWWW"), 16);
            texto->font.color = corTexto;
            DesenharObjeto(p, *texto, QRectF(10, 40, 200, 30), TrpEscala{});
        }
        // The darkest pixel of the text's box has the text's colour.
        const QColor esperada(int(corTexto & 0xFF), int((corTexto >> 8) & 0xFF),
                              int((corTexto >> 16) & 0xFF));
        QRgb escuro = qRgb(255, 255, 255);
        for (int y = 40; y < 70; ++y)
            for (int x = 10; x < 210; ++x)
                if (qGray(img.pixel(x, y)) < qGray(escuro)) escuro = img.pixel(x, y);
        QCOMPARE(QColor(escuro).name(), esperada.name());
    }

    // A memo sized to its text at scale 1 still shows its whole text on one line at the
    // preview's other scales, where font sizes round up (Arial 7 pt: 9 px at 1, 19 px at 2).
    void autoTamanhoEmOutrasEscalas() {
        const QString texto = QStringLiteral("Obs.: Escalas em mm.");
        for (double s : {0.43, 1.0, 2.0, 3.0}) {
            auto m = modelo::memo(QStringLiteral("O"), 591, 423, 120, 14, texto, 7, 0, 1);
            m->flags |= rpFlags::MemoAutoSize;
            AjustarAutoTamanho(*m);
            TrpEscala e;
            e.x = e.y = s;
            const QRectF caixa(m->x * s, m->y * s, m->dx * s, m->dy * s);
            QImage img(int(760 * s), int(480 * s), QImage::Format_RGB32);
            img.fill(Qt::white);
            {
                QPainter p(&img);
                DesenharObjeto(p, *m, caixa, e);
            }
            int x0 = img.width(), x1 = -1, y0 = img.height(), y1 = -1;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qGray(img.pixel(x, y)) < 160) {
                        x0 = std::min(x0, x);
                        x1 = std::max(x1, x);
                        y0 = std::min(y0, y);
                        y1 = std::max(y1, y);
                    }
            const double largura = FonteMedida(m->font, e.pixelsDaFonte(7)).largura(texto);
            QVERIFY2(x1 - x0 + 1 >= 0.9 * largura, qPrintable(QString::number(s)));
            QVERIFY2(y1 - y0 + 1 <= e.alturaLinha(7), qPrintable(QString::number(s)));
            QVERIFY2(x1 <= caixa.right() + 1, qPrintable(QString::number(s))); // right edge kept
        }
    }
};

QTEST_MAIN(TestPrepare)
#include "test_prepare.moc"
