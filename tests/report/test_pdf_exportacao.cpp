// Prepared pages written as PDF without a printer: each page on its own paper, the title, the
// file replaced whole or left alone.
#include "ReportFixture.h"

#include "ArquivoRegular.h"
#include "rpPdf.h"
#include "rpPrepare.h"
#include "rpPrepared.h"

#include <QBuffer>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString pdfinfo(const QStringList& argumentos) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), argumentos);
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The sizes of every page, in points, as pdfinfo gives them.
QList<QSizeF> tamanhos(const QString& pdf, int paginas) {
    const QString texto = pdfinfo({QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                   QString::number(paginas), pdf});
    static const QRegularExpression linha(
        QStringLiteral(R"(Page +\d+ size: +([\d.]+) x ([\d.]+) pts)"));
    QList<QSizeF> saida;
    auto it = linha.globalMatch(texto);
    while (it.hasNext()) {
        const auto m = it.next();
        saida << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return saida;
}

double pontos(double decimosMm) {
    return decimosMm / 254.0 * 72.0;
}

const TrpPreparedPages& paginasBase() {
    static modelo::Relatorio r;
    static std::unique_ptr<TrpPreparedPages> p;
    if (!p) {
        r.linhas(30);
        p = BuildReport(r.report).pages;
    }
    return *p;
}

} // namespace

class TestPdfExportacao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
    }

    // Each page on the paper it asks for, upright or lying, by paper code or by its own size;
    // a document mixes them page by page.
    void papelDeCadaPagina_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("orientacao");
        QTest::addColumn<int>("largura"); // tenths of a millimetre, as the page lies
        QTest::addColumn<int>("altura");
        QTest::newRow("A4") << 9 << 0 << 2100 << 2970;
        QTest::newRow("A4 deitada") << 9 << 1 << 2970 << 2100;
        QTest::newRow("Carta") << 1 << 0 << 2159 << 2794;
        QTest::newRow("A5") << 11 << 0 << 1480 << 2100;
        QTest::newRow("A3") << 8 << 0 << 2970 << 4200;
        QTest::newRow("tamanho proprio") << 256 << 0 << 1000 << 1500;
        QTest::newRow("tamanho proprio deitado") << 256 << 1 << 1500 << 1000;
    }
    void papelDeCadaPagina() {
        QFETCH(int, codigo);
        QFETCH(int, orientacao);
        QFETCH(int, largura);
        QFETCH(int, altura);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("papel.pdf"));
        // An A4 page, the paper under test, and A4 again: the paper changes twice.
        TrpPreparedPages paginas;
        TrpPreparedPage a4 = paginasBase().page(0);
        TrpPreparedPage outra = a4;
        outra.paperCode = codigo;
        outra.orientation = orientacao;
        outra.width = largura;
        outra.height = altura;
        paginas.pages() = {a4, outra, a4};
        rpExportarPdf(paginas, pdf, QStringLiteral("Papel"));
        const QList<QSizeF> t = tamanhos(pdf, 3);
        QCOMPARE(t.size(), 3);
        for (int k : {0, 2}) {
            QVERIFY(std::abs(t[k].width() - pontos(2100)) < 1);
            QVERIFY(std::abs(t[k].height() - pontos(2970)) < 1);
        }
        QVERIFY2(std::abs(t[1].width() - pontos(largura)) < 1,
                 qPrintable(QString::number(t[1].width())));
        QVERIFY2(std::abs(t[1].height() - pontos(altura)) < 1,
                 qPrintable(QString::number(t[1].height())));
        QVERIFY(pdfinfo({pdf}).contains(QRegularExpression(QStringLiteral("Title: +Papel\n"))));
    }

    // The file is replaced whole, or refused and left as it was, never a partial file and never
    // a temporary left behind.
    void arquivoInteiroOuNada_data() {
        QTest::addColumn<QString>("alvo"); // relative to a fresh folder
        QTest::addColumn<bool>("grava");
        QTest::newRow("novo") << QStringLiteral("novo.pdf") << true;
        QTest::newRow("sobre um maior") << QStringLiteral("grande.pdf") << true;
        QTest::newRow("pelo link") << QStringLiteral("link.pdf") << true;
        QTest::newRow("pasta inexistente") << QStringLiteral("nao/existe.pdf") << false;
        QTest::newRow("uma pasta") << QStringLiteral("pasta") << false;
    }
    void arquivoInteiroOuNada() {
        QFETCH(QString, alvo);
        QFETCH(bool, grava);
        QTemporaryDir dir;
        QDir pasta(dir.path());
        pasta.mkdir(QStringLiteral("pasta"));
        {
            QFile grande(dir.filePath(QStringLiteral("grande.pdf")));
            QVERIFY(grande.open(QIODevice::WriteOnly));
            grande.write(QByteArray(4 << 20, 'x')); // larger than the report's PDF
        }
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("grande.pdf")),
                            dir.filePath(QStringLiteral("link.pdf"))));
        const QString nome = dir.filePath(alvo);
        bool falhou = false;
        try {
            rpExportarPdf(paginasBase(), nome, QStringLiteral("T"));
        } catch (const ErroArquivo& e) {
            falhou = true;
            QVERIFY(e.mensagem().contains(alvo.section(u'/', -1)));
        }
        QCOMPARE(falhou, !grava);
        if (grava) {
            QFile f(nome);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray d = f.readAll();
            QVERIFY(d.startsWith("%PDF-"));
            QVERIFY(d.trimmed().endsWith("%%EOF"));
            QVERIFY(d.size() < (4 << 20));
            // The same document as written to memory (apart from its creation date).
            QByteArray memoria;
            QBuffer b(&memoria);
            b.open(QIODevice::WriteOnly);
            rpEscreverPdf(paginasBase(), b, QStringLiteral("T"));
            QVERIFY(std::abs(memoria.size() - d.size()) < 64);
            if (alvo == QStringLiteral("link.pdf"))
                QVERIFY(QFileInfo(nome).isSymLink()); // the file behind the link was replaced
        } else {
            QVERIFY(QFileInfo(nome).isDir() || !QFileInfo::exists(nome));
            QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("grande.pdf"))).size(), qint64(4 << 20));
        }
        const QStringList sobras = pasta.entryList({QStringLiteral(".*salvando*")},
                                                   QDir::Files | QDir::Hidden | QDir::System);
        QVERIFY2(sobras.isEmpty(), qPrintable(sobras.join(u' ')));
    }
};

QTEST_MAIN(TestPdfExportacao)
#include "test_pdf_exportacao.moc"
