// Report building on screen: the error box, the progress window and its Cancel, page lists.
#include "ReportFixture.h"

#include "rpPrint.h"
#include "rpProgress.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

class TestReportWidgets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void errosDeAvaliacao_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("banda");
        QTest::newRow("nome") << QStringLiteral("[Desconhecido]") << QStringLiteral("Report title");
        QTest::newRow("campo") << QStringLiteral("x [dtDados.\"Nada\"]")
                               << QStringLiteral("Report title");
        QTest::newRow("data set") << QStringLiteral("[dtOutro.\"Valor\"]")
                                  << QStringLiteral("Report title");
        QTest::newRow("conta") << QStringLiteral("[1 / 0]") << QStringLiteral("Report title");
    }

    // The error text names the object's text, the report and the band; the box shows it and
    // the pages are discarded.
    void errosDeAvaliacao() {
        QFETCH(QString, texto);
        QFETCH(QString, banda);
        modelo::Relatorio r;
        r.report.pages[0].objects.push_back(
            modelo::memo(QStringLiteral("MemoE"), 40, 300, 200, 16, texto));
        r.linhas(5);
        QString mostrado, titulo;
        r.report.OnError = [&](const QString& t, const QString& c) {
            mostrado = t;
            titulo = c;
        };
        const TrpBuildResult res = ShowBuiltReport(r.report);
        QCOMPARE(res.outcome, TrpBuildResult::Failed);
        const QString esperado = QStringLiteral("An error occured during calculating\r") + texto +
                                 QStringLiteral("\rReport: rpReport1\rBand: ") + banda;
        QCOMPARE(res.error, esperado);
        QCOMPARE(mostrado, esperado);
        QCOMPARE(titulo, QStringLiteral("Error"));
        QCOMPARE(res.pages->count(), 0);
        QCOMPARE(r.dados.RecNo(), 0);
    }

    void listaDePaginas_data() {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QList<int>>("selecionadas"); // among pages 1..15
        QTest::newRow("vazia") << QString()
                               << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        QTest::newRow("uma") << QStringLiteral("2") << QList<int>{2};
        QTest::newRow("lista") << QStringLiteral("1,3,5-12")
                               << QList<int>{1, 3, 5, 6, 7, 8, 9, 10, 11, 12};
        QTest::newRow("invertida") << QStringLiteral("5-3") << QList<int>{};
        QTest::newRow("brancos") << QStringLiteral(" 1 , 2 ") << QList<int>{1, 2};
        QTest::newRow("lixo") << QStringLiteral("a,4,-,7-") << QList<int>{4};
    }

    void listaDePaginas() {
        QFETCH(QString, lista);
        QFETCH(QList<int>, selecionadas);
        const TrpListaPaginas l(lista);
        QList<int> obtidas;
        for (int p = 1; p <= 15; ++p)
            if (l.contem(p)) obtidas << p;
        QCOMPARE(obtidas, selecionadas);
    }

    // The progress window: caption, size, label; Cancel stops the work and nothing is kept.
    void janelaDeProgresso() {
        modelo::Relatorio r;
        r.linhas(300);
        r.report.showProgress = true;
        QString titulo, rotulo;
        QSize tamanho;
        rpAoAbrirProgresso = [&](TrpProgressForm& janela) {
            titulo = janela.windowTitle();
            tamanho = janela.size();
            QVERIFY(janela.isModal());
            QTimer::singleShot(0, &janela, [&janela, &rotulo] {
                rotulo = janela.label()->text();
                if (qEnvironmentVariableIsSet("TELUVAR_PROGRESSO_PNG"))
                    janela.grab().save(qEnvironmentVariable("TELUVAR_PROGRESSO_PNG"));
                janela.cancelButton()->click();
            });
        };
        const TrpBuildResult cancelado = BuildReportWithProgress(r.report);
        QCOMPARE(cancelado.outcome, TrpBuildResult::Cancelled);
        rpAoAbrirProgresso = nullptr;
        QCOMPARE(titulo, QStringLiteral("Untitled - Report preparing"));
        QCOMPARE(tamanho, QSize(278, 106));
        QVERIFY2(rotulo.startsWith(QLatin1String("Processing page:  ")), qPrintable(rotulo));
        QCOMPARE(cancelado.pages->count(), 0);
        QCOMPARE(r.dados.RecNo(), 0);
        // Without cancelling, the window closes by itself and the pages are there.
        const TrpBuildResult res = BuildReportWithProgress(r.report);
        QCOMPARE(res.outcome, TrpBuildResult::Built);
        QCOMPARE(res.pages->count(), 5);
    }
};

QTEST_MAIN(TestReportWidgets)
#include "test_reportwidgets.moc"
