// The illumination report and JSON: the printed tables against the core's numbers written in
// Brazilian form from scratch, one page from the window and the command line, and the JSON's
// figures against closed forms.
#include "Calculo.h"
#include "DialogosTeste.h"
#include "Documento.h"
#include "IluminacaoJanela.h"
#include "Janela.h"
#include "LinhaComando.h"
#include "ProjetoJson.h"
#include "rpPrepare.h"
#include "rpPrepared.h"

#include <QJsonArray>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// Two decimals, ',' and '.' grouping thousands (positive values), written here from scratch.
QString br(double v) {
    QString s = QString::number(v, 'f', 2).replace(u'.', u',');
    for (qsizetype k = s.indexOf(u',') - 3; k > 0; k -= 3)
        s.insert(k, u'.');
    return s;
}

// D1 fD1 gamma e i, then the record's baffle DDi DDe LTotal SSDe (DDi = 0: none).
void definir(const QList<double>& d) {
    std::memset(&Projeto, 0, sizeof Projeto);
    TDocumento::Atual().Limpar();
    for (int k = 0; k < 5; ++k)
        Projeto.*(std::array{&TProjeto::D1, &TProjeto::fD1, &TProjeto::gamma, &TProjeto::e,
                             &TProjeto::i}[k]) = d[k];
    CalcularProjeto(Projeto, QLatin1Char(','), QLatin1Char('.'));
    Projeto.DDi = d[5];
    Projeto.DDe = d[6];
    Projeto.LTotal = d[7];
    Projeto.SSDe = d[8];
    Projeto.nG = d[5] > 0 ? 4 : 0;
    if (d[5] > 0) CalcularDefletor(Projeto);
}
const QList<double> Com200{200, 4, 4, 200, 20, 40, 44, 700, 60};

void casos() {
    QTest::addColumn<QList<double>>("d");
    QTest::newRow("200/4 defletor 40/44, suporte 60") << Com200;
    QTest::newRow("300/3 sem defletor") << QList<double>{300, 3, 3, 250, 40, 0, 0, 0, 0};
}

// What a poppler program writes for a PDF.
QString poppler(const char* programa, const QStringList& argumentos) {
    QProcess p;
    p.start(QString::fromLatin1(programa), argumentos);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
QString texto(const QString& pdf) {
    return poppler("pdftotext", {pdf, QStringLiteral("-")});
}
int paginas(const QString& pdf) {
    return QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))"))
        .match(poppler("pdfinfo", {pdf}))
        .captured(1)
        .toInt();
}

} // namespace

class TestRelatorioIluminacao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Faults caught: the baffles' columns swapped, rows out of order, a percentage without its
    // factor 100, the wrong diameter level, the optimised tube's wall not the record's
    // (DDe = DDi + 2·wall, 1 mm when none), other separators, a second page, no curve.
    void tabelasImpressas_data() { casos(); }
    void tabelasImpressas() {
        QFETCH(QList<double>, d);
        definir(d);
        const double parede = d[5] > 0 ? (d[6] - d[5]) / 2 : 1;
        const int v = VarianteRitcheyChretien;
        const ResultadoIluminacao a = CalcularIluminacao(Projeto, v);
        const DefletorOtimizado o = OtimizarDefletor(Projeto, v, d[4]);
        const DefletorOtimizado g = OtimizarDefletorRegistro(Projeto, v, d[4]);
        QVERIFY(a.valida && o.encontrado && g.encontrado);
        const ResultadoIluminacao b = CalcularIluminacao(Projeto, v, o);
        const ResultadoIluminacao c =
            CalcularIluminacao(ProjetoComDefletor(Projeto, g.DDi, g.SSDe), v);

        TRelatorioIluminacao rel(Projeto,
                                 [](const QString& t, const QString&) { QFAIL(qPrintable(t)); });
        rel.Calcular(v, d[4]);
        const TrpBuildResult r = BuildReport(rel.rpReport1);
        QCOMPARE(r.pages->count(), 1);
        std::map<int, std::map<int, QString>> colunas; // x -> y -> text
        int figuras = 0;
        for (const auto& o : rpOutput::lerObjetos(r.pages->page(0).stream)) {
            auto* f = dynamic_cast<TrpPictureView*>(o.get());
            figuras += f && f->graphicKind == TrpPictureView::Bitmap && !f->graphic.isEmpty();
            if (o->kind() == TrpKind::Memo) colunas[o->x][o->y] = o->memo.join(u'\n').trimmed();
        }
        QCOMPARE(figuras, 1);
        auto mm = [](double x) { return br(x) + QStringLiteral(" mm"); };
        auto figurasDe = [&](const ResultadoIluminacao& x) {
            QStringList s;
            for (int k = 0; k < 3; ++k)
                s << mm(x.diametros[k]) + (x.alem[k] ? QStringLiteral(" ou mais") : QString());
            return s << br(100 * x.obstrucaoDiametro) + QStringLiteral(" %")
                     << br(100 * x.obstrucaoArea) + QStringLiteral(" %");
        };
        const QString sem = QStringLiteral("sem defletor"),
                      atual = QStringLiteral("Defletor atual"),
                      otimo = QStringLiteral("Defletor otimizado"),
                      registro = QStringLiteral("Otimizado sem capuz"), nada = QStringLiteral("-");
        const bool tubo = d[5] > 0;
        const QStringList esperado[3] = {
            QStringList{atual, tubo ? mm(d[5]) : sem, tubo ? mm(d[6]) : sem,
                        tubo ? mm(Projeto.L) : sem, d[8] > 0 ? mm(d[8]) : nada, nada, atual} +
                    figurasDe(a)
                << QStringLiteral("sim"), // the record's baffle lets light in
            QStringList{otimo, mm(o.DDi), mm(o.DDi + 2 * parede), mm(o.L), mm(o.SSDe),
                        mm(o.alcance), otimo} +
                    figurasDe(b)
                << QStringLiteral("não"),
            QStringList{registro, mm(g.DDi), mm(g.DDi + 2 * parede), mm(g.L), mm(g.SSDe), nada,
                        registro} +
                    figurasDe(c)
                << QStringLiteral("não")};
        const int x[3] = {292, 432, 572};
        for (int k = 0; k < 3; ++k) {
            QStringList lidos;
            for (const auto& [y, t] : colunas[x[k]])
                lidos << t;
            QCOMPARE(lidos, esperado[k]);
        }
    }

    // Faults caught: heights not 0..1,5·i/2, the throughput not the complement of the
    // obstruction, an unbaffled design's obstruction not the holder's disc (D2/D1)², the
    // optimised baffle letting sky light in or losing the field, the record's 200/4 baffle not
    // letting light in by the drawing's +3,148 mm, the wall not the record's.
    void json_data() { casos(); }
    void json() {
        QFETCH(QList<double>, d);
        definir(d);
        const QJsonObject il = ProjetoJson(Projeto)[QStringLiteral("Iluminacao")].toObject();
        QCOMPARE(il["campo"].toDouble(), d[4]);
        for (const char* nome : {"atual", "otimizado", "otimizadoSemCapuz"}) {
            const QJsonObject b = il[QLatin1String(nome)].toObject();
            const QJsonArray h = b["alturas"].toArray(), r = b["relativa"].toArray();
            QVERIFY(b["valida"].toBool() && h.size() == 25 && r.size() == 25);
            for (int k = 0; k < 25; ++k)
                QVERIFY(std::abs(h[k].toDouble() - 1.5 * d[4] / 2 * k / 24) < 1e-9);
            QCOMPARE(r[0].toDouble(), 1.0);
            QVERIFY(std::abs(b["transmissao"].toDouble() + b["obstrucaoArea"].toDouble() - 1) <
                    1e-12);
        }
        const QJsonObject a = il["atual"].toObject(), o = il["otimizado"].toObject(),
                          g = il["otimizadoSemCapuz"].toObject();
        const double razao = Projeto.D2 / d[0];
        if (d[5] > 0)
            QVERIFY(std::abs(a["folga"].toDouble() - 3.148) < 5e-4 && a["luzDireta"].toBool());
        else
            QVERIFY(std::abs(a["obstrucaoArea"].toDouble() - razao * razao) < 2e-3 &&
                    std::abs(a["obstrucaoDiametro"].toDouble() - razao) < 5e-3);
        QVERIFY(o["encontrado"].toBool() && !o["luzDireta"].toBool() && o["folga"].toDouble() <= 0);
        // i/2 lit at 100 %, or as the mirrors alone light it
        const double exigida = IluminacaoExigida(Projeto, VarianteRitcheyChretien, d[4]);
        QVERIFY(exigida > 0.99 && o["relativa"].toArray()[16].toDouble() >= exigida);
        QVERIFY(g["encontrado"].toBool() && g["folga"].toDouble() <= 0 && g["alcance"] == 0.0);
        QVERIFY(o["obstrucaoArea"].toDouble() <= g["obstrucaoArea"].toDouble());
        const double parede = d[5] > 0 ? (d[6] - d[5]) / 2 : 1;
        QVERIFY(std::abs(o["DDe"].toDouble() - o["DDi"].toDouble() - 2 * parede) < 1e-9);
    }

    // Faults caught: --relatorio iluminacao writing another report, more than one page, the
    // window's PDF not what it shows (its bad values: test_linha_comando).
    void umaPaginaPelaJanelaEPelaLinha() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo and pdftotext (poppler-utils) are not installed");
        definir(Com200);
        QTemporaryDir dir;
        const QString tlv = dir.filePath(QStringLiteral("p.tlv")), linha = dir.filePath("l.pdf"),
                      janela = dir.filePath("j.pdf");
        QFile f(tlv);
        QVERIFY(f.open(QIODevice::WriteOnly) &&
                f.write(reinterpret_cast<const char*>(&Projeto), sizeof Projeto) > 0);
        f.close();
        const PedidoLinha p =
            AnalisarLinha({"teluvar", "--pdf", linha, "--relatorio", "iluminacao", tlv});
        QCOMPARE(ExecutarSemJanela(p, stdout, stderr), int(SaidaSucesso));
        QCOMPARE(paginas(linha), 1);

        definir(Com200);
        TfrmIluminacao j;
        j.show();
        QTRY_VERIFY_WITH_TIMEOUT(!j.calculando(), 20000);
        const TDialogos anterior = DialogosDe(qApp);
        DefinirDialogos(qApp, {.arquivoPdf = [&](QWidget*) { return janela; }});
        QTest::mouseClick(j.btnPdf, Qt::LeftButton);
        DefinirDialogos(qApp, anterior);
        QCOMPARE(paginas(janela), 1);
        const QString impresso = texto(janela);
        for (int l = 0; l < 5; ++l)
            QVERIFY(impresso.contains(j.tblIluminacao->item(l, 1)->text()));
        QCOMPARE(impresso.simplified(), texto(linha).simplified());
    }
};

QTEST_MAIN(TestRelatorioIluminacao)
#include "test_relatorio_iluminacao.moc"
