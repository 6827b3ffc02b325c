// Printing prepared pages to a PDF file: texts where the memos are, lines as vector paths.
#include "Modelos.h"
#include "ReportFixture.h"

#include "rpDraw.h"
#include "rpPrepare.h"
#include "rpPrepared.h"
#include "rpPrint.h"
#include "rpTemplateStream.h"

#include <QBuffer>
#include <QDate>
#include <QLocale>
#include <QMarginsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Palavra {
    int pagina;
    double xMin, yMin, xMax, yMax; // template units
    QString texto;
};

// Words of a PDF with their boxes, from pdftotext -bbox, converted to template units.
std::vector<Palavra> palavras(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000)) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    std::vector<Palavra> saida;
    static const QRegularExpression pagina(QStringLiteral("<page "));
    static const QRegularExpression palavra(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QStringList paginas = html.split(pagina);
    const double kx = rpUnits::PorPolegadaX / 72.0, ky = rpUnits::PorPolegadaY / 72.0;
    for (int i = 1; i < paginas.size(); ++i) {
        auto it = palavra.globalMatch(paginas[i]);
        while (it.hasNext()) {
            const auto m = it.next();
            saida.push_back({i - 1, m.captured(1).toDouble() * kx, m.captured(2).toDouble() * ky,
                             m.captured(3).toDouble() * kx, m.captured(4).toDouble() * ky,
                             m.captured(5)});
        }
    }
    return saida;
}

// The content streams of a PDF, inflated.
QByteArray conteudo(const QString& pdf) {
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray d = f.readAll();
    QByteArray saida;
    qsizetype pos = 0;
    while ((pos = d.indexOf("stream\n", pos)) >= 0) {
        const qsizetype inicio = pos + 7;
        const qsizetype fim = d.indexOf("endstream", inicio);
        if (fim < 0) break;
        const QByteArray z = d.mid(inicio, fim - inicio);
        QByteArray comTamanho(4, '\0');
        qToBigEndian<quint32>(quint32(z.size() * 50 + 1024), comTamanho.data());
        const QByteArray bruto = qUncompress(comTamanho + z);
        saida += bruto.isEmpty() ? z : bruto;
        pos = fim;
    }
    return saida;
}

bool temPrograma(const QString& nome) {
    return !QStandardPaths::findExecutable(nome).isEmpty();
}

} // namespace

class TestPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        if (!temPrograma(QStringLiteral("pdftotext")))
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void textosNasPosicoesELinhasVetoriais() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("relatorio.pdf"));
        modelo::Relatorio r;
        auto& objetos = r.report.pages[0].objects;
        objetos.push_back(modelo::memo(QStringLiteral("Memo10"), 40, 674, 552, 14,
                                       QStringLiteral("Descrição"), 8, rpFrame::All, 2));
        objetos.push_back(modelo::memo(QStringLiteral("Memo15"), 40, 656, 140, 15,
                                       QStringLiteral("Dados do telescópio:"), 9));
        r.linhas(30);
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        QCOMPARE(res.pages->count(), 2);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(ImprimirPaginas(*res.pages, printer, QString(), 1, r.report.title,
                                r.report.showProgress));
        QCOMPARE(printer.docName(), QStringLiteral("Report: Untitled"));

        const auto lista = palavras(pdf);
        QVERIFY(!lista.empty());
        // Every memo's first word: left-aligned ones start at x + inset, right-aligned ones
        // end at x + dx - inset, and the line's top is at y + inset; all within one unit.
        const double escala = printer.resolution() / rpUnits::PorPolegadaX;
        const double insetX = InsetHorizontal(1, escala) / escala;
        int conferidas = 0;
        for (int pagina = 0; pagina < 2; ++pagina) {
            for (const auto& v : rpOutput::lerObjetos(res.pages->page(pagina).stream)) {
                if (v->kind() != TrpKind::Memo) continue;
                const auto& m = static_cast<const TrpMemoView&>(*v);
                const QStringList partes =
                    m.memo.value(0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                if (partes.isEmpty() || m.hAlign() == 2) continue;
                const QString procurada = m.hAlign() == 1 ? partes.last() : partes.first();
                const auto achada = std::find_if(lista.begin(), lista.end(), [&](const Palavra& w) {
                    return w.pagina == pagina && w.texto == procurada &&
                           std::abs(w.yMin - m.y) < 5 && w.xMin > m.x - 5 &&
                           w.xMax < m.x + m.dx + 5;
                });
                QVERIFY2(achada != lista.end(), qPrintable(procurada));
                if (m.hAlign() == 1)
                    QVERIFY2(std::abs(achada->xMax - (m.x + m.dx - insetX)) <= 1.0,
                             qPrintable(QStringLiteral("%1: %2").arg(procurada).arg(achada->xMax)));
                else
                    QVERIFY2(std::abs(achada->xMin - (m.x + insetX)) <= 1.0,
                             qPrintable(QStringLiteral("%1: %2").arg(procurada).arg(achada->xMin)));
                const double insetY = InsetVertical(m.frameWidth, escala) / escala;
                QVERIFY2(std::abs(achada->yMin - (m.y + insetY)) <= 1.0,
                         qPrintable(QStringLiteral("%1: %2").arg(procurada).arg(achada->yMin)));
                ++conferidas;
            }
        }
        QVERIFY(conferidas == 2 * 30 + 1 + 2); // rows, the heading, two dates

        // Frames are stroked paths: move-to / line-to and stroke operators, no images.
        const QByteArray c = conteudo(pdf);
        QVERIFY(c.contains(" m\n") || c.contains(" m "));
        QVERIFY(c.contains(" l\n") || c.contains(" l "));
        QVERIFY(!c.contains("/Image"));

        if (temPrograma(QStringLiteral("pdftoppm"))) {
            const QString base = dir.filePath(QStringLiteral("pagina"));
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                               QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                               QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, base});
            const QImage img(base + QStringLiteral(".png"));
            QVERIFY(!img.isNull());
            const QByteArray destino = qgetenv("TELUVAR_PDF_PNG");
            if (!destino.isEmpty()) img.save(QString::fromLocal8Bit(destino));
        }
    }

    // A page that does not use margins is printed into the printer's printable area (the
    // paper less the printer's margins), scaled to it; a page with margins into the whole
    // paper. The prepared page keeps the printable area of its paper, and reading it back from
    // a file recomputes it for the printer then at hand.
    void paginaSemMargens_data() {
        QTest::addColumn<bool>("usaMargens");
        QTest::addColumn<QMarginsF>("margens"); // the printer's, in millimetres
        QTest::newRow("sem margens, impressora com margens") << false << QMarginsF(20, 30, 15, 25);
        QTest::newRow("sem margens, impressora sem margens") << false << QMarginsF(0, 0, 0, 0);
        QTest::newRow("com margens, impressora com margens") << true << QMarginsF(20, 30, 15, 25);
    }
    void paginaSemMargens() {
        QFETCH(bool, usaMargens);
        QFETCH(QMarginsF, margens);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("pagina.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageMargins(margens, QPageLayout::Millimeter);
        const rpMetricas metricas = [&](const TrpPapel& papel) -> std::optional<QRect> {
            return rpMetricasDe(printer, papel);
        };
        modelo::Relatorio r;
        r.report.metricasImpressora = metricas;
        TrpPage& pagina = r.report.pages[0];
        pagina.useMargins = usaMargens;
        pagina.objects.push_back(
            modelo::memo(QStringLiteral("MemoA"), 40, 40, 200, 16, QStringLiteral("Canto")));
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome == TrpBuildResult::Built);
        // The printable area in units, from the margins in millimetres.
        const double kx = rpUnits::PorPolegadaX / 25.4, ky = rpUnits::PorPolegadaY / 25.4;
        const QRectF area(margens.left() * kx, margens.top() * ky,
                          (210 - margens.left() - margens.right()) * kx,
                          (297 - margens.top() - margens.bottom()) * ky);
        const QRect guardada = res.pages->page(0).printable;
        QVERIFY2(std::abs(guardada.x() - area.x()) <= 0.5 &&
                     std::abs(guardada.y() - area.y()) <= 0.5 &&
                     std::abs(guardada.width() - area.width()) <= 1.0 &&
                     std::abs(guardada.height() - area.height()) <= 1.0,
                 qPrintable(QStringLiteral("%1 %2 %3 %4")
                                .arg(guardada.x())
                                .arg(guardada.y())
                                .arg(guardada.width())
                                .arg(guardada.height())));
        QVERIFY(ImprimirPaginas(*res.pages, printer, QString(), 1, QString(), false));
        const auto lista = palavras(pdf);
        const auto achada = std::find_if(lista.begin(), lista.end(),
                                         [](const Palavra& w) { return w.texto == "Canto"; });
        QVERIFY(achada != lista.end());
        // Where the memo's top-left corner on the prepared page lands (the bands of a page
        // without margins start at its top), and by how much the page shrinks.
        QPointF canto;
        for (const auto& v : rpOutput::lerObjetos(res.pages->page(0).stream))
            if (v->kind() == TrpKind::Memo && v->memo.value(0) == QLatin1String("Canto"))
                canto = QPointF(v->x, v->y);
        QCOMPARE(canto.x(), 40.0);
        const double sx = usaMargens ? 1.0 : area.width() / 752.0;
        const double sy = usaMargens ? 1.0 : area.height() / 1071.0;
        const double x0 = usaMargens ? canto.x() : area.x() + canto.x() * sx;
        const double y0 = usaMargens ? canto.y() : area.y() + canto.y() * sy;
        // The insets are a few units at most: the word starts just right of and below the corner.
        QVERIFY2(achada->xMin >= x0 && achada->xMin <= x0 + 4 * sx,
                 qPrintable(QStringLiteral("x %1, esperado %2").arg(achada->xMin).arg(x0)));
        QVERIFY2(achada->yMin >= y0 - 1 && achada->yMin <= y0 + 4 * sy,
                 qPrintable(QStringLiteral("y %1, esperado %2").arg(achada->yMin).arg(y0)));

        // Read back under another printer: the printable area is that printer's.
        QBuffer arquivo;
        arquivo.open(QIODevice::ReadWrite);
        res.pages->save(arquivo, QString());
        arquivo.seek(0);
        printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        TrpPreparedPages lidas;
        lidas.load(arquivo, nullptr, metricas);
        QCOMPARE(lidas.page(0).printable.x(), qRound(5 * kx));
        QCOMPARE(lidas.page(0).printable.y(), qRound(5 * ky));
    }

    // The page's edges with a printer at hand: a margin of 0 takes the printer's printable
    // offset on that side (printable offset + printable width on the right), a margin in use
    // stays as it is, and a page without margins spans the paper. The printer's margins
    // 20/30/15/25 mm are, in units, 20 x 90,998/25,4 = 71,65 -> 72 across, 30 x 91,626/25,4 =
    // 108,2 -> 108 down, the right edge (210 - 15) x 3,5826 = 698,6 and the bottom edge
    // (297 - 25) x 3,6073 = 981,2 (one unit either way: the paper's size in points is rounded).
    void bordasComImpressora_data() {
        QTest::addColumn<QList<int>>("margens"); // of the template page: left, top, right, bottom
        QTest::addColumn<bool>("usaMargens");
        QTest::addColumn<int>("impressora"); // 0 none, 1 margins 20/30/15/25 mm, 2 no margins
        QTest::addColumn<QList<int>>("bordas");
        QTest::addColumn<int>("folga");
        const QList<int> modelo{36, 36, 36, 36}, zero{0, 0, 0, 0};
        QTest::newRow("margens 36, sem impressora")
            << modelo << true << 0 << QList<int>{36, 36, 716, 1035} << 0;
        QTest::newRow("margens 36, impressora com margens")
            << modelo << true << 1 << QList<int>{36, 36, 716, 1035} << 0;
        QTest::newRow("margens 36, impressora sem margens")
            << modelo << true << 2 << QList<int>{36, 36, 716, 1035} << 0;
        QTest::newRow("margens 0, sem impressora")
            << zero << true << 0 << QList<int>{18, 18, 734, 1053} << 0;
        QTest::newRow("margens 0, impressora com margens")
            << zero << true << 1 << QList<int>{72, 108, 699, 981} << 1;
        QTest::newRow("margens 0, impressora sem margens")
            << zero << true << 2 << QList<int>{0, 0, 752, 1071} << 1;
        QTest::newRow("so a esquerda 0, impressora com margens")
            << QList<int>{0, 36, 36, 36} << true << 1 << QList<int>{72, 36, 716, 1035} << 0;
        QTest::newRow("margens fora de uso, impressora com margens")
            << zero << false << 1 << QList<int>{0, 0, 752, 1071} << 0;
    }
    void bordasComImpressora() {
        QFETCH(QList<int>, margens);
        QFETCH(bool, usaMargens);
        QFETCH(int, impressora);
        QFETCH(QList<int>, bordas);
        QFETCH(int, folga);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageMargins(impressora == 1 ? QMarginsF(20, 30, 15, 25) : QMarginsF(),
                               QPageLayout::Millimeter);
        rpMetricas metricas;
        if (impressora != 0)
            metricas = [&](const TrpPapel& papel) -> std::optional<QRect> {
                return rpMetricasDe(printer, papel);
            };
        TrpPage pagina;
        pagina.marginLeft = margens[0];
        pagina.marginTop = margens[1];
        pagina.marginRight = margens[2];
        pagina.marginBottom = margens[3];
        pagina.useMargins = usaMargens;
        const QList<int> lidas{pagina.leftEdge(metricas), pagina.topEdge(metricas),
                               pagina.rightEdge(metricas), pagina.bottomEdge(metricas)};
        for (int k = 0; k < 4; ++k)
            QVERIFY2(std::abs(lidas[k] - bordas[k]) <= folga,
                     qPrintable(QStringLiteral("edge %1: %2, expected %3")
                                    .arg(k)
                                    .arg(lidas[k])
                                    .arg(bordas[k])));
    }

    // The two stored templates (margins 36) prepare into the same pages whatever printer is at
    // hand: its margins change only the printable area kept with each page.
    void modelosNaoMudamComAImpressora_data() {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QMarginsF>("margens"); // the printer's, in millimetres
        QTest::newRow("projeto, margens 20/30/15/25") << "projeto" << QMarginsF(20, 30, 15, 25);
        QTest::newRow("projeto, sem margens") << "projeto" << QMarginsF();
        QTest::newRow("defletor, margens 5") << "defletor" << QMarginsF(5, 5, 5, 5);
    }
    void modelosNaoMudamComAImpressora() {
        QFETCH(QString, modelo);
        QFETCH(QMarginsF, margens);
        TMemDataSet dados(modelo == QLatin1String("projeto") ? QStringLiteral("dtDados")
                                                             : QStringLiteral("dtGlares"));
        dados.Open();
        TrpDBDataSet fonte{QStringLiteral("rpDBDataSet1"), &dados};
        TrpReport r;
        r.dataSets = {&dados};
        r.dataSources = {&fonte};
        r.dataSource = &fonte;
        r.showProgress = false;
        QVERIFY(rpTemplate::carregarRecurso(r, CaminhoModelo(modelo)));
        rpTemplate::ligarDataSources(r);
        const TrpBuildResult semImpressora = BuildReport(r);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageMargins(margens, QPageLayout::Millimeter);
        r.metricasImpressora = [&](const TrpPapel& papel) -> std::optional<QRect> {
            return rpMetricasDe(printer, papel);
        };
        const TrpBuildResult comImpressora = BuildReport(r);
        QCOMPARE(semImpressora.outcome, TrpBuildResult::Built);
        QCOMPARE(comImpressora.outcome, TrpBuildResult::Built);
        QCOMPARE(comImpressora.pages->count(), 1);
        QCOMPARE(comImpressora.pages->page(0).stream, semImpressora.pages->page(0).stream);
        QCOMPARE(comImpressora.pages->page(0).widthUnits(), 752);
        QCOMPARE(comImpressora.pages->page(0).heightUnits(), 1071);
        // The date footer ends on the bottom margin: 1071 - 36 - 16.
        bool rodape = false;
        for (const auto& v : rpOutput::lerObjetos(comImpressora.pages->page(0).stream))
            rodape |=
                v->memo.value(0) == QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")) &&
                v->y == 1019;
        QVERIFY(rodape);
        QVERIFY(std::abs(comImpressora.pages->page(0).printable.x() -
                         margens.left() * rpUnits::PorPolegadaX / 25.4) <= 0.5);
    }

    // Copies are not collated and the page list selects pages.
    void copiasEListaDePaginas() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("copias.pdf"));
        modelo::Relatorio r;
        r.report.pages[0].objects.push_back(modelo::memo(QStringLiteral("MemoP"), 40, 1000, 100, 14,
                                                         QStringLiteral("Pagina[PAGE#]")));
        r.report.pages[0].objects.back()->y = 1018;
        r.linhas(200); // four pages
        const TrpBuildResult res = BuildReport(r.report);
        QVERIFY(res.outcome != TrpBuildResult::Cancelled);
        QCOMPARE(res.pages->count(), 4);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(ImprimirPaginas(*res.pages, printer, QStringLiteral("3-4, 1"), 0 + 2,
                                r.report.title, r.report.showProgress));
        QStringList ordem;
        int paginaAtual = -1;
        for (const Palavra& w : palavras(pdf)) {
            if (!w.texto.startsWith(QLatin1String("Pagina")) || w.pagina == paginaAtual) continue;
            paginaAtual = w.pagina;
            ordem << w.texto;
        }
        QCOMPARE(ordem,
                 (QStringList{"Pagina1", "Pagina1", "Pagina3", "Pagina3", "Pagina4", "Pagina4"}));
    }
};

QTEST_MAIN(TestPdf)
#include "test_pdf.moc"
