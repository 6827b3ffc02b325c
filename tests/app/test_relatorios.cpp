// The design and baffle reports: fill-in texts, and the pages the windows' preview flows build.
#include "Calculo.h"
#include "Defletor.h"
#include "DialogosTeste.h"
#include "Documento.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "NumeroTexto.h"
#include "Preview.h"
#include "Principal.h"
#include "ProjetoTeste.h"
#include "Recursos.h"
#include "Relatorios.h"
#include "rpPrepared.h"
#include "rpPreview.h"
#include "rpProgress.h"

#include <QDate>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cstring>

namespace {
// A memo of a prepared page in output form.
struct Texto {
    QString texto;
    int x, y, dx, dy;
};

std::vector<Texto> textosDaPagina(const TrpPreparedPages& paginas, int indice) {
    std::vector<Texto> textos;
    if (qEnvironmentVariableIsSet("DUMP"))
        for (const auto& o : rpOutput::lerObjetos(paginas.page(indice).stream))
            qDebug() << o->x << o->y << o->dx << o->dy << o->memo;
    for (const auto& objeto : rpOutput::lerObjetos(paginas.page(indice).stream))
        if (objeto->kind() == TrpKind::Memo)
            textos.push_back(
                {objeto->memo.join(u'\n'), objeto->x, objeto->y, objeto->dx, objeto->dy});
    return textos;
}

const Texto* acharEm(const std::vector<Texto>& textos, const QString& texto, int y) {
    for (const Texto& t : textos)
        if (t.texto == texto && t.y == y) return &t;
    return nullptr;
}

QString r(const char* texto) {
    return QString::fromUtf8(texto);
}

void digitar(QWidget* campo, const char* texto) {
    QTest::mouseClick(campo, Qt::LeftButton);
    QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(campo, QString::fromLatin1(texto));
}

QString texto(const std::vector<LinhaRelatorio>& linhas, const char* memo) {
    for (const LinhaRelatorio& l : linhas)
        if (std::strcmp(l.memo, memo) == 0) return l.texto;
    return QStringLiteral("<ausente>");
}
} // namespace

class TestRelatorios : public QObject {
    Q_OBJECT

    TfrmPreview* m_preview = nullptr;
    QStringList m_erros;

private slots:
    void initTestCase() {
        // The preview windows are looked at instead of being waited on.
        DefinirDialogos(qApp, {.mostrarPreview = [this](QWidget* w) {
                            m_preview = static_cast<TfrmPreview*>(w);
                        }});
        DefinirDialogos(qApp, {.erro = [this](const QString& t) { m_erros << t; }});
        DefinirDialogos(
            qApp, {.erroRelatorio = [this](const QString& t, const QString&) { m_erros << t; }});
    }
    void cleanup() { QVERIFY2(m_erros.isEmpty(), qPrintable(m_erros.join(u'|'))); }
    void init() {
        std::memset(&Projeto, 0, sizeof Projeto);
        TDocumento::Atual().Limpar();
        m_preview = nullptr;
        m_erros.clear();
        TrpPreview::setRemembered(1.0, TrpPreview::ZoomNone);
    }

    // The 25 and 13 rows in the order of assignment.
    void ordemDasLinhas() {
        QStringList projeto, defletor;
        for (const LinhaRelatorio& l : LinhasRelatorioProjeto(Projeto, u',', u'.'))
            projeto << QString::fromLatin1(l.memo);
        for (const LinhaRelatorio& l : LinhasRelatorioDefletor(Projeto, u',', u'.'))
            defletor << QString::fromLatin1(l.memo);
        QCOMPARE(projeto.join(u' '),
                 QStringLiteral("Memo9 Memo1 Memo3 Memo4 Memo2 Memo11 Memo5 Memo6 Memo7 Memo8 "
                                "Memo16 Memo17 Memo18 Memo19 Memo20 Memo21 Memo22 Memo28 Memo29 "
                                "Memo30 Memo31 Memo32 Memo33 Memo34 Memo35"));
        QCOMPARE(defletor.join(u' '),
                 QStringLiteral("Memo10 Memo11 Memo13 Memo16 Memo17 Memo19 Memo20 Memo18 Memo23 "
                                "Memo24 Memo25 Memo26 Memo27"));
    }

    // Every line of both fill-ins, in the order of assignment, as literal texts: the design
    // report for 200/4/4/200/20 (f1 = 800, F = 3200, p = 200, p' = 800, d = 600, r1 = 1600,
    // r2 = 1600/3, D2 = 53,75, Tx = 26,875 %), the baffle report for its worked example (L = 350,
    // L1 = 225, L2 = 640/3, Z1 = 50, DG = 400/3), both under Brazilian separators.
    void linhasPreenchidas_data() {
        QTest::addColumn<QString>("relatorio");
        QTest::addColumn<int>("ordem");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("esperado");
        const QList<QPair<const char*, const char*>> projeto{
            {"Memo9", "Cassegrain 200"},
            {"Memo1", "D1 = 200,00"},
            {"Memo3", "D2 = 53,75"},
            {"Memo4", "r1 = 1.600,00"},
            {"Memo2", "r2 = 533,33"},
            {"Memo11", "f = 800,00"},
            {"Memo5", "d = 600,00"},
            {"Memo6", "e = 200,00"},
            {"Memo7", "p = 200,00"},
            {"Memo8", "p' = 800,00"},
            {"Memo16", "Taxa de obstrução do secundário (Tx) = 26,88%"},
            {"Memo17", "Distância focal do sistema (F) = 3.200,00"},
            {"Memo18", "Relação focal do sistema (F/D1) = 16,00"},
            {"Memo19", "Sag1 = 3,13"},
            {"Memo20", "Sag2 = 0,68"},
            {"Memo21", "D1 = 200,00"},
            {"Memo22", "D2 = 53,75"},
            {"Memo28", "Deformação do Primário (b1)"},
            {"Memo29", "-1,00"},
            {"Memo30", "-0,71"},
            {"Memo31", "-1,04"},
            {"Memo32", "Deformação do Secundário (b2)"},
            {"Memo33", "-2,78"},
            {"Memo34", "0,00"},
            {"Memo35", "-3,17"},
        };
        const QList<QPair<const char*, const char*>> defletor{
            {"Memo10", "L = 350,00"},
            {"Memo11", "Z = 50,00"},
            {"Memo13", "L Total = 400,00"},
            {"Memo16", "Comprimento do defletor a partir da superfície do primário (L) = 350,00"},
            {"Memo17", "Comprimento mínimo do defletor que bloqueia a luz direta do tubo do "
                       "telescópio (L1) = 225,00"},
            {"Memo19", "Comprimento máximo do defletor que não irá bloquear o secundário do "
                       "primário (L2) = 213,33"},
            {"Memo20", "Distância entre glares (DG) = 133,33"},
            {"Memo18", "DG = 133,33"},
            {"Memo23", "Diâmetro interno do tubo = 40,00"},
            {"Memo24", "Diâmetro externo do tubo = 44,00"},
            {"Memo25", "Comprimento total do tubo = 400,00"},
            {"Memo26", "Número de glare stops = 04"},
            {"Memo27", "Diâmetro externo do suporte do secundário = 60,00"},
        };
        for (int k = 0; k < projeto.size(); ++k)
            QTest::addRow("projeto %d %s", k + 1, projeto[k].first)
                << "projeto" << k << projeto[k].first << r(projeto[k].second);
        for (int k = 0; k < defletor.size(); ++k)
            QTest::addRow("defletor %d %s", k + 1, defletor[k].first)
                << "defletor" << k << defletor[k].first << r(defletor[k].second);
    }
    void linhasPreenchidas() {
        QFETCH(QString, relatorio);
        QFETCH(int, ordem);
        QFETCH(QString, memo);
        QFETCH(QString, esperado);
        std::vector<LinhaRelatorio> linhas;
        if (relatorio == QLatin1String("projeto")) {
            TProjeto p = ProjetoExemplo();
            DefinirTitulo(p, QStringLiteral("Cassegrain 200"));
            ::CalcularProjeto(p);
            ::MostrarResultados(p);
            linhas = LinhasRelatorioProjeto(p, u',', u'.');
            QCOMPARE(linhas.size(), std::size_t(25));
        } else {
            TProjeto p = DefletorExemplo();
            ::CalcularDefletor(p);
            linhas = LinhasRelatorioDefletor(p, u',', u'.');
            QCOMPARE(linhas.size(), std::size_t(13));
        }
        const LinhaRelatorio& l = linhas.at(std::size_t(ordem));
        QCOMPARE(QString::fromLatin1(l.memo), memo);
        QCOMPARE(l.texto, esperado);
    }

    void obstrucao_data() {
        QTest::addColumn<double>("tx");
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QChar>("milhar");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("25") << 25.0 << QChar(u',') << QChar(u'.')
                            << r("Taxa de obstrução do secundário (Tx) = 25,00%");
        QTest::newRow("26,875") << 26.875 << QChar(u',') << QChar(u'.')
                                << r("Taxa de obstrução do secundário (Tx) = 26,88%");
        QTest::newRow("ponto") << 25.0 << QChar(u'.') << QChar(u',')
                               << r("Taxa de obstrução do secundário (Tx) = 25.00%");
        QTest::newRow("zero negativo") << -0.001 << QChar(u',') << QChar(u'.')
                                       << r("Taxa de obstrução do secundário (Tx) = 0,00%");
    }
    void obstrucao() {
        QFETCH(double, tx);
        QFETCH(QChar, decimal);
        QFETCH(QChar, milhar);
        QFETCH(QString, esperado);
        TProjeto p = Projeto;
        p.Tx = tx;
        QCOMPARE(texto(LinhasRelatorioProjeto(p, decimal, milhar), "Memo16"), esperado);
    }

    void linhasDoProjeto() {
        TProjeto p = Projeto;
        DefinirTitulo(p, r("Cassegrain do clube"));
        p.D1 = 1234.5;
        p.r1 = -1600;
        p.b2RC = -5.8765;
        p.pLinha = 250;
        const auto linhas = LinhasRelatorioProjeto(p, u',', u'.');
        QCOMPARE(linhas.size(), size_t(25));
        QCOMPARE(texto(linhas, "Memo9"), r("Cassegrain do clube"));
        QCOMPARE(texto(linhas, "Memo1"), r("D1 = 1.234,50"));
        QCOMPARE(texto(linhas, "Memo21"), r("D1 = 1.234,50"));
        QCOMPARE(texto(linhas, "Memo4"), r("r1 = -1.600,00"));
        QCOMPARE(texto(linhas, "Memo8"), r("p' = 250,00"));
        QCOMPARE(texto(linhas, "Memo35"), r("-5,88"));
        QCOMPARE(texto(linhas, "Memo28"), r("Deformação do Primário (b1)"));
        QCOMPARE(texto(linhas, "Memo32"), r("Deformação do Secundário (b2)"));
    }

    void linhasDoDefletor_data() {
        QTest::addColumn<int>("nG");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("3") << 3 << r("Número de glare stops = 03");
        QTest::newRow("12") << 12 << r("Número de glare stops = 12");
        QTest::newRow("123") << 123 << r("Número de glare stops = 123");
    }
    void linhasDoDefletor() {
        QFETCH(int, nG);
        QFETCH(QString, esperado);
        TProjeto p = Projeto;
        p.nG = std::int16_t(nG);
        p.L1 = 1234.5;
        const auto linhas = LinhasRelatorioDefletor(p, u',', u'.');
        QCOMPARE(linhas.size(), size_t(13));
        QCOMPARE(texto(linhas, "Memo26"), esperado);
        QCOMPARE(texto(linhas, "Memo17"),
                 r("Comprimento mínimo do defletor que bloqueia a luz direta do tubo do "
                   "telescópio (L1) = 1.234,50"));
    }

    // A template without one of the memos: the others are still written.
    void memoAusente() {
        TrpReport rel;
        rel.pages.resize(1);
        auto memo = std::make_unique<TrpMemoView>();
        memo->name = QStringLiteral("Memo3");
        memo->memo = QStringList{QStringLiteral("D2"), QStringLiteral("x")};
        rel.pages[0].objects.push_back(std::move(memo));
        PreencherRelatorio(rel, {{"Memo1", QStringLiteral("a")}, {"Memo3", QStringLiteral("b")}});
        QCOMPARE(rel.findObject(0, QStringLiteral("Memo3"))->memo, QStringList{"b"});
    }

    // "&Preview" of the 200/4/4/200/20 design, typed into the main window.
    void relatorioDoProjeto() {
        TfrmTeluvar frm;
        frm.show();
        digitar(frm.edtD1, "200");
        digitar(frm.edtfD, "4");
        digitar(frm.edty, "4");
        digitar(frm.edte, "200");
        digitar(frm.edti, "20");
        frm.actPreview->trigger();
        QVERIFY(m_preview);
        QCOMPARE(m_preview->windowTitle(), r("Preview - Projeto Básico"));
        QCOMPARE(m_preview->parent(), &frm);
        const TrpPreparedPages* paginas = m_preview->rpPreview1->pages();
        QVERIFY(paginas);
        QCOMPARE(paginas->count(), 1);
        const auto textos = textosDaPagina(*paginas, 0);

        // D1 grows to the right from x = 585; r1, D2 and r2 keep their right edges.
        const Texto* d1 = acharEm(textos, r("D1 = 200,00"), 89);
        QVERIFY(d1);
        QCOMPARE(d1->x, 585);
        const Texto* r1 = acharEm(textos, r("r1 = 1.600,00"), 123);
        QVERIFY(r1);
        QCOMPARE(r1->x + r1->dx, 438 + 60);
        const Texto* d2 = acharEm(textos, r("D2 = 53,75"), 168);
        QVERIFY(d2);
        QCOMPARE(d2->x + d2->dx, 219 + 60);
        QVERIFY(acharEm(textos, r("Taxa de obstrução do secundário (Tx) = 26,88%"), 92));
        QVERIFY(acharEm(textos, r("f = 800,00"), 313));
        QVERIFY(acharEm(textos, r("Deformação do Primário (b1)"), 608));

        // The nineteen result rows, 14 units apart, directly below the title band (36 + 652),
        // in the list's order.
        QStringList descricoes;
        for (const Texto& t : textos)
            if (t.x == 40 && t.y >= 688 && t.y < 1018) {
                QCOMPARE(t.y, 688 + 14 * int(descricoes.size()));
                descricoes << t.texto;
            }
        QCOMPARE(descricoes.size(), 19);
        for (int i = 0; i < 19; ++i)
            QCOMPARE(descricoes[i], r(Recursos::Resultados[i]));
        const Texto* valor = nullptr;
        for (const Texto& t : textos)
            if (t.x >= 592 && t.y == 688) valor = &t;
        QVERIFY(valor);
        QCOMPARE(valor->texto, r("200,00"));

        // The date of preparation in the footer, its bottom at the page area's (1035).
        const QString hoje = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        const Texto* data = acharEm(textos, hoje, 1035 - 16);
        QVERIFY2(data, qPrintable(hoje));

        // Preparing twice (the preview flow does) gives the same page as preparing once.
        const TrpBuildResult outra = BuildReport(frm.rpReport1);
        QCOMPARE(outra.outcome, TrpBuildResult::Built);
        QCOMPARE(outra.pages->count(), 1);
        QCOMPARE(outra.pages->page(0).stream, paginas->page(0).stream);
    }

    void tituloVazio() {
        TfrmTeluvar frm;
        frm.show();
        frm.actPreview->trigger();
        QVERIFY(m_preview);
        const auto textos = textosDaPagina(*m_preview->rpPreview1->pages(), 0);
        const Texto* titulo = nullptr;
        for (const Texto& t : textos)
            if (t.x == 36 && t.y == 37) titulo = &t;
        QVERIFY(titulo);
        QCOMPARE(titulo->texto, QString());
    }

    // The baffle window's preview with three glare stops.
    void relatorioDoDefletor() {
        TfrmTeluvar principal;
        digitar(principal.edtD1, "200");
        auto* frm = new TfrmDefletor(&principal);
        frm->show();
        digitar(frm->edtnG, "3");
        QTest::mouseClick(frm->btnPreview, Qt::LeftButton);
        QVERIFY(m_preview);
        QCOMPARE(m_preview->windowTitle(), r("Preview - Defletor"));
        const TrpPreparedPages* paginas = m_preview->rpPreview1->pages();
        QVERIFY(paginas);
        QCOMPARE(paginas->count(), 1);
        const auto textos = textosDaPagina(*paginas, 0);
        QVERIFY(acharEm(textos, r("Número de glare stops = 03"), 472));
        QVERIFY(acharEm(
            textos, r("Diâmetro interno do tubo = ") + NumeroTexto(Projeto.DDi, u',', u'.'), 424));
        // The design labels G and -Z* are printed as designed.
        QVERIFY(acharEm(textos, QStringLiteral("G"), 210));
        QVERIFY(acharEm(textos, QStringLiteral("-Z*"), 270));
        QStringList glares;
        for (const Texto& t : textos)
            if (t.x == 40 && t.y >= 36 + 583 && t.y < 1018) glares << t.texto;
        QCOMPARE(glares, (QStringList{"01", "02", "03"}));
        frm->close();
    }

    // The glare-stop table writes its numbers with the user's separators, as the lines above it
    // do: under English separators 1,194.44, never 1.194,44 beside them.
    void glaresComSeparadoresDoUsuario() {
        const QLocale anterior;
        const QLocale ingles(QLocale::English, QLocale::UnitedStates);
        QLocale::setDefault(ingles);
        TfrmTeluvar principal;
        digitar(principal.edtD1, "200");
        auto* frm = new TfrmDefletor(&principal);
        frm->show();
        digitar(frm->edtLTotal, "4000");
        digitar(frm->edtnG, "3");
        QTest::mouseClick(frm->btnPreview, Qt::LeftButton);
        QLocale::setDefault(anterior);
        QVERIFY(m_preview);
        const TrpPreparedPages* paginas = m_preview->rpPreview1->pages();
        QVERIFY(paginas);
        QStringList obtidos, esperados;
        for (const Texto& t : textosDaPagina(*paginas, 0))
            if ((t.x == 136 || t.x == 232) && t.y >= 36 + 583 && t.y < 1018) obtidos << t.texto;
        for (int k = 1; k <= 3; ++k) {
            const LinhaGlare g = GlareNumero(Projeto, k);
            esperados << ingles.toString(g.Posicao, 'f', 2) << ingles.toString(g.Diametro, 'f', 2);
        }
        QCOMPARE(obtidos, esperados);
        frm->close();
    }

    // A preparation that fails prints nothing: its error is shown in a box captioned "Error".
    void imprimirComErro() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("saida.pdf"));
        TfrmTeluvar frm;
        frm.show();
        digitar(frm.edtD1, "200");
        frm.rpDBDataSet1.dataSet = nullptr; // the data band cannot reach its rows
        QStringList textos, titulos;
        {
            SubstituirDialogos dialogos(&frm, {.impressao =
                                                   [&](QWidget*, QPrinter& impressora) {
                                                       impressora.setOutputFileName(pdf);
                                                       return true;
                                                   },
                                               .erroRelatorio =
                                                   [&](const QString& t, const QString& titulo) {
                                                       textos << t;
                                                       titulos << titulo;
                                                   }});
            frm.actImprimir->trigger();
        }
        ImpressoraAtual().setOutputFileName(QString());
        QCOMPARE(titulos, QStringList{QStringLiteral("Error")});
        QVERIFY2(textos.first().startsWith(QStringLiteral("An error occured during calculating")),
                 qPrintable(textos.first()));
        QVERIFY(textos.first().contains(QStringLiteral("rpDBDataSet1")));
        QVERIFY(!QFile::exists(pdf));
    }

    // Cancelling the print dialog prints nothing and prepares nothing.
    void imprimirCancelado() {
        TfrmTeluvar frm;
        frm.show();
        digitar(frm.edtD1, "200");
        int dialogos = 0;
        const TDialogos anterior = DialogosDe(qApp);
        DefinirDialogos(qApp, {.impressao = [&](QWidget*, QPrinter&) {
                            ++dialogos;
                            return false;
                        }});
        int preparacoes = 0;
        const auto inicio = frm.rpReport1.OnBeginDoc;
        frm.rpReport1.OnBeginDoc = [&] {
            ++preparacoes;
            inicio();
        };
        frm.actImprimir->trigger();
        DefinirDialogos(qApp, anterior);
        QCOMPARE(dialogos, 1);
        QCOMPARE(frm.dtDados.RecordCount(), 19); // recomputed before the dialog
        QCOMPARE(preparacoes, 0);
    }
};

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    TestRelatorios teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "test_relatorios.moc"
