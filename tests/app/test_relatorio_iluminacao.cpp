// The illumination report and JSON: the printed tables against the core's numbers written in
// Brazilian form from scratch, one page from the window and the command line, and the JSON's
// figures against closed forms.
#include "Calculo.h"
#include "Global.h"
#include "IluminacaoJanela.h"
#include "Janela.h"
#include "LinhaComando.h"
#include "ProjetoJson.h"
#include "RelatorioIluminacao.h"
#include "Relatorios.h"
#include "rpPrepare.h"
#include "rpPrepared.h"

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <cstring>

namespace {

// Two decimals, ',' and '.' grouping thousands, written here from scratch.
QString br(double v) {
    const QString s = QString::number(std::fabs(v), 'f', 2);
    QString inteira = s.left(s.indexOf(u'.'));
    for (qsizetype k = inteira.size() - 3; k > 0; k -= 3)
        inteira.insert(k, u'.');
    return (v < 0 && std::round(std::fabs(v) * 100) != 0 ? QStringLiteral("-") : QString()) +
           inteira + u',' + s.mid(s.indexOf(u'.') + 1);
}

// D1/f1 ratio/gamma/e/i, and the record's baffle (DDi = 0: none).
void Definir(double D1, double fD1, double gamma, double e, double i, double DDi, double DDe,
             double LTotal, double SSDe) {
    std::memset(&Projeto, 0, sizeof Projeto);
    LimparProjeto(Projeto);
    Projeto.D1 = D1;
    Projeto.fD1 = fD1;
    Projeto.gamma = gamma;
    Projeto.e = e;
    Projeto.i = i;
    CalcularProjeto(Projeto, QLatin1Char(','), QLatin1Char('.'));
    Projeto.DDi = DDi;
    Projeto.DDe = DDe;
    Projeto.LTotal = LTotal;
    Projeto.nG = DDi > 0 ? 4 : 0;
    Projeto.SSDe = SSDe;
    if (DDi > 0) CalcularDefletor(Projeto);
}

void casos() {
    QTest::addColumn<QList<double>>("d"); // D1 fD1 gamma e i DDi DDe LTotal SSDe
    QTest::newRow("200/4 defletor 40/44, suporte 60")
        << QList<double>{200, 4, 4, 200, 20, 40, 44, 700, 60};
    QTest::newRow("300/3 sem defletor") << QList<double>{300, 3, 3, 250, 40, 0, 0, 0, 0};
}
void definir(const QList<double>& d) {
    Definir(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8]);
}

QString textoPdf(const QString& pdf, const char* programa = "pdftotext") {
    QProcess p;
    QStringList args{pdf, QStringLiteral("-")};
    if (std::strcmp(programa, "pdftotext") == 0)
        args.prepend(QStringLiteral("-layout"));
    else
        args.removeLast();
    p.start(QString::fromLatin1(programa), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
int paginasPdf(const QString& pdf) {
    static const QRegularExpression re(QStringLiteral(R"(Pages:\s+(\d+))"));
    return re.match(textoPdf(pdf, "pdfinfo")).captured(1).toInt();
}

} // namespace

class TestRelatorioIluminacao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Faults caught: the two baffles' columns swapped, rows out of order, a percentage without
    // its factor 100, the wrong diameter level, the optimised tube's wall not the record's
    // (DDe = DDi + 2·wall, 1 mm when none), the separators not the user's, a second page, the
    // curve's picture missing.
    void tabelasImpressas_data() { casos(); }
    void tabelasImpressas() {
        QFETCH(QList<double>, d);
        definir(d);
        const double parede = d[5] > 0 ? (d[6] - d[5]) / 2 : 1;
        // The core's numbers, composed here from its parts.
        TProjeto P = Projeto;
        const ResultadoIluminacao a = CalcularIluminacao(P, VarianteRitcheyChretien);
        const DefletorOtimizado o = OtimizarDefletor(P, VarianteRitcheyChretien, d[4]);
        QVERIFY(a.valida && o.encontrado);
        const ResultadoIluminacao b =
            CalcularIluminacao(ProjetoComDefletor(P, o.DDi, o.SSDe), VarianteRitcheyChretien);

        QStringList erros;
        TRelatorioIluminacao rel(Projeto, [&](const QString& t, const QString&) { erros << t; });
        QVERIFY(erros.isEmpty());
        rel.Calcular(VarianteRitcheyChretien, d[4]);
        const TrpBuildResult r = BuildReport(rel.rpReport1);
        QCOMPARE(r.outcome, TrpBuildResult::Built);
        QCOMPARE(r.pages->count(), 1);

        // The printed columns of the two baffles, top to bottom.
        std::map<int, std::vector<std::pair<int, QString>>> colunas;
        int figuras = 0;
        for (const auto& v : rpOutput::lerObjetos(r.pages->page(0).stream)) {
            if (v->kind() == TrpKind::Picture) {
                auto* f = dynamic_cast<TrpPictureView*>(v.get());
                figuras += f && f->graphicKind == TrpPictureView::Bitmap && !f->graphic.isEmpty();
            }
            if (v->kind() == TrpKind::Memo)
                colunas[v->x].emplace_back(v->y, v->memo.join(u'\n').trimmed());
        }
        QCOMPARE(figuras, 1);
        const QString mm = QStringLiteral(" mm"), pc = QStringLiteral(" %");
        auto diametro = [&](const ResultadoIluminacao& x, int k) {
            return br(x.diametros[k]) + mm + (x.alem[k] ? QStringLiteral(" ou mais") : QString());
        };
        const bool tubo = d[5] > 0;
        const QString sem = QStringLiteral("sem defletor");
        const QStringList atual{
            QStringLiteral("Defletor atual"),
            tubo ? br(d[5]) + mm : sem,
            tubo ? br(d[6]) + mm : sem,
            tubo ? br(Projeto.L) + mm : sem,
            d[8] > 0 ? br(d[8]) + mm : QStringLiteral("-"),
            QStringLiteral("Defletor atual"),
            diametro(a, 0),
            diametro(a, 1),
            diametro(a, 2),
            br(100 * a.obstrucaoDiametro) + pc,
            br(100 * a.obstrucaoArea) + pc,
            QStringLiteral("sim"), // the record's baffle lets sky light in (clearance > 0)
        };
        const QStringList otimizado{
            QStringLiteral("Defletor otimizado"),
            br(o.DDi) + mm,
            br(o.DDi + 2 * parede) + mm,
            br(o.L) + mm,
            br(o.SSDe) + mm,
            QStringLiteral("Defletor otimizado"),
            diametro(b, 0),
            diametro(b, 1),
            diametro(b, 2),
            br(100 * b.obstrucaoDiametro) + pc,
            br(100 * b.obstrucaoArea) + pc,
            QStringLiteral("não"),
        };
        for (const auto& [x, esperado] : {std::pair{352, atual}, std::pair{532, otimizado}}) {
            auto coluna = colunas[x];
            std::sort(coluna.begin(), coluna.end());
            QStringList lidos;
            for (const auto& [y, t] : coluna)
                lidos << t;
            QCOMPARE(lidos, esperado);
        }
    }

    // Faults caught: the JSON's heights not 0..1,5·i/2 with i/2 the 17th, the throughput not
    // the complement of the obstruction, an unbaffled design's obstruction not the holder's
    // disc (D2/D1)², the optimised baffle letting sky light in or losing the required field,
    // the record's 200/4 baffle not letting light in by the drawing's +3,148 mm.
    void json_data() { casos(); }
    void json() {
        QFETCH(QList<double>, d);
        definir(d);
        const QJsonObject il = ProjetoJson(Projeto)[QStringLiteral("Iluminacao")].toObject();
        QCOMPARE(il["campo"].toDouble(), d[4]);
        QCOMPARE(il["variante"].toString(), QStringLiteral("RitcheyChretien"));
        for (const char* nome : {"atual", "otimizado"}) {
            const QJsonObject b = il[QLatin1String(nome)].toObject();
            QVERIFY(b["valida"].toBool());
            const QJsonArray h = b["alturas"].toArray(), r = b["relativa"].toArray();
            QCOMPARE(h.size(), 25);
            QCOMPARE(r.size(), 25);
            for (int k = 0; k < 25; ++k)
                QVERIFY(std::abs(h[k].toDouble() - 1.5 * d[4] / 2 * k / 24) < 1e-9);
            QCOMPARE(r[0].toDouble(), 1.0);
            QVERIFY(std::abs(b["transmissao"].toDouble() + b["obstrucaoArea"].toDouble() - 1) <
                    1e-12);
            QVERIFY(b["diametro100"].toDouble() <= b["diametro75"].toDouble());
            QVERIFY(b["diametro75"].toDouble() <= b["diametro50"].toDouble());
        }
        const QJsonObject a = il["atual"].toObject(), o = il["otimizado"].toObject();
        if (d[5] > 0) {
            QVERIFY(std::abs(a["folga"].toDouble() - 3.148) < 5e-4);
            QVERIFY(a["luzDireta"].toBool());
        } else {
            // Only the holder, a disc of D2, shades the on-axis beam.
            const double razao = Projeto.D2 / d[0];
            QVERIFY2(std::abs(a["obstrucaoArea"].toDouble() - razao * razao) < 2e-3,
                     qPrintable(QString::number(a["obstrucaoArea"].toDouble())));
            QVERIFY(std::abs(a["obstrucaoDiametro"].toDouble() - razao) < 5e-3);
        }
        QVERIFY(o["encontrado"].toBool());
        QVERIFY(!o["luzDireta"].toBool());
        QVERIFY(o["folga"].toDouble() <= 0);
        QVERIFY(o["relativa"].toArray()[16].toDouble() >= 0.999); // i/2 lit at 100 %
        QVERIFY(o["diametro100"].toDouble() >= d[4] - 1e-6);
        const double parede = d[5] > 0 ? (d[6] - d[5]) / 2 : 1;
        QVERIFY(std::abs(o["DDe"].toDouble() - o["DDi"].toDouble() - 2 * parede) < 1e-9);
    }

    // Faults caught: --relatorio iluminacao refused or writing another report, more than one
    // page, the window's tool bar printing something other than what it shows; bad values
    // refused.
    void umaPaginaPelaJanelaEPelaLinha() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo and pdftotext (poppler-utils) are not installed");
        Definir(200, 4, 4, 200, 20, 40, 44, 700, 60);
        QTemporaryDir dir;
        const QString tlv = dir.filePath(QStringLiteral("p.tlv"));
        {
            QFile f(tlv);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(reinterpret_cast<const char*>(&Projeto), sizeof Projeto);
        }
        QString saida = dir.filePath(QStringLiteral("linha.pdf"));
        PedidoLinha p =
            AnalisarLinha({"teluvar", "--pdf", saida, "--relatorio", "iluminacao", tlv});
        QCOMPARE(p.modo, PedidoLinha::Pdf);
        QCOMPARE(ExecutarSemJanela(p, stdout, stderr), int(SaidaSucesso));
        QCOMPARE(paginasPdf(saida), 1);
        const QString linha = textoPdf(saida);
        QVERIFY(linha.contains(QStringLiteral("Defletor otimizado")));
        for (const QStringList& ruim :
             {QStringList{"teluvar", "--pdf", saida, "--relatorio", "iluminação", tlv},
              QStringList{"teluvar", "--json", "--relatorio", "iluminacao", tlv},
              QStringList{"teluvar", "--relatorio", "iluminacao", tlv}})
            QCOMPARE(AnalisarLinha(ruim).modo, PedidoLinha::Erro);

        // The window's PDF button: the same page as the window shows it.
        Definir(200, 4, 4, 200, 20, 40, 44, 700, 60);
        TfrmIluminacao j;
        j.show();
        QTRY_VERIFY_WITH_TIMEOUT(!j.calculando(), 20000);
        const QString janela = dir.filePath(QStringLiteral("janela.pdf"));
        const auto anterior = PerguntarArquivoPdf;
        PerguntarArquivoPdf = [&](QWidget*) { return janela; };
        QTest::mouseClick(j.btnPdf, Qt::LeftButton);
        PerguntarArquivoPdf = anterior;
        QCOMPARE(paginasPdf(janela), 1);
        const QString texto = textoPdf(janela);
        for (int l = 0; l < 5; ++l)
            QVERIFY2(texto.contains(j.tblIluminacao->item(l, 1)->text()),
                     qPrintable(j.tblIluminacao->item(l, 1)->text()));
        QCOMPARE(texto.simplified(), linha.simplified()); // the command line prints the same
    }
};

QTEST_MAIN(TestRelatorioIluminacao)
#include "test_relatorio_iluminacao.moc"
