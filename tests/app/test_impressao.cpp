// Printing both reports for real through the spooler's PDF queue, and checking the PDFs made.
#include "Defletor.h"
#include "DialogosTeste.h"
#include "DigitarTeste.h"
#include "Documento.h"
#include "GanchoTeste.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"
#include "Relatorios.h"
#include "rpPrepared.h"
#include "rpProgress.h"

#include <QDate>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QToolButton>
#include <QtTest>
#include <cstring>

namespace {
const QString Fila = qEnvironmentVariable("TELUVAR_FILA_PDF", QStringLiteral("TeluvarPDF"));

QString executar(const QString& programa, const QStringList& argumentos, int* codigo = nullptr) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    if (codigo) *codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestImpressao : public QObject {
    Q_OBJECT

    QString m_saida; // where the PDF queue writes
    QStringList m_erros;
    int m_copias = 1;

    QStringList pdfs() const {
        return QDir(m_saida).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    // The PDF that appears in the output folder after `antes`, once complete.
    void esperarPdf(const QStringList& antes, QString& novo) {
        auto pronto = [&] {
            for (const QString& f : pdfs())
                if (!antes.contains(f)) {
                    int codigo = 0;
                    executar(QStringLiteral("pdfinfo"), {QDir(m_saida).filePath(f)}, &codigo);
                    if (codigo == 0) {
                        novo = QDir(m_saida).filePath(f);
                        return true;
                    }
                }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(pronto(), 90000);
    }

    static int paginasDoPdf(const QString& pdf) {
        const QString info = executar(QStringLiteral("pdfinfo"), {pdf});
        const QRegularExpression re(QStringLiteral("^Pages:\\s+(\\d+)"),
                                    QRegularExpression::MultilineOption);
        const auto m = re.match(info);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }

    static QString textoDoPdf(const QString& pdf) {
        return executar(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    }

private slots:
    void initTestCase() {
        int codigo = -1;
        const QString saida =
            executar(QStringLiteral(TELUVAR_FONTE "/scripts/start-cups"), {}, &codigo);
        if (codigo != 0)
            QSKIP("CUPS could not be started here (scripts/start-cups failed): the printing "
                  "tests do not run");
        m_saida = saida.trimmed().split(u'\n').last();
        QDir().mkpath(m_saida);
        if (!QPrinterInfo::availablePrinterNames().contains(Fila))
            QSKIP("the PDF queue TeluvarPDF is not visible to the print system: the printing "
                  "tests do not run");
        ImpressoraAtual().setPrinterName(Fila);
        DefinirDialogos(qApp, {.erro = [this](const QString& t) { m_erros << t; },
                               .impressao =
                                   [this](QWidget*, QPrinter& p) {
                                       p.setCopyCount(m_copias);
                                       return true;
                                   }});
        DefinirDialogos(
            qApp, {.erroRelatorio = [this](const QString& t, const QString&) { m_erros << t; }});
    }
    void init() {
        std::memset(&Projeto, 0, sizeof Projeto);
        TDocumento::Atual().Limpar();
        m_erros.clear();
        m_copias = 1;
    }
    void cleanup() { QVERIFY2(m_erros.isEmpty(), qPrintable(m_erros.join(u'|'))); }

    // Two copies of the one-page design report: two pages in the job, with the texts.
    void relatorioDoProjeto() {
        TfrmTeluvar frm;
        frm.show();
        digitarSobre(frm.edtD1, "200");
        digitarSobre(frm.edtfD, "4");
        digitarSobre(frm.edty, "4");
        digitarSobre(frm.edte, "200");
        digitarSobre(frm.edti, "20");
        const QStringList antes = pdfs();
        m_copias = 2;
        frm.actImprimir->trigger();
        QString pdf;
        esperarPdf(antes, pdf);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(paginasDoPdf(pdf), 2);
        const QString texto = textoDoPdf(pdf);
        for (const QString& esperado :
             {QStringLiteral("D1 = 200,00"), QStringLiteral("D2 = 53,75"),
              QStringLiteral("Taxa de obstrução do secundário (Tx) = 26,88%"),
              QStringLiteral("Diâmetro do primário (D1)"),
              QStringLiteral("Flecha do espelho secundário (Sag2)"),
              QStringLiteral("Obs.: Escalas em mm."),
              QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))})
            QVERIFY2(texto.contains(esperado), qPrintable(esperado));
        QCOMPARE(texto.count(QStringLiteral("Dados do telescópio:")), 2);
    }

    void relatorioDoDefletor() {
        TfrmTeluvar principal;
        digitarSobre(principal.edtD1, "200");
        auto* frm = new TfrmDefletor(&principal);
        frm->show();
        digitarSobre(frm->edtnG, "3");
        const QStringList antes = pdfs();
        QTest::mouseClick(frm->btnImprimir, Qt::LeftButton);
        QString pdf;
        esperarPdf(antes, pdf);
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(paginasDoPdf(pdf), 1);
        const QString texto = textoDoPdf(pdf);
        for (const QString& esperado :
             {QStringLiteral("Defletor"), QStringLiteral("Número de glare stops = 03"),
              QStringLiteral("Posição e diâmetro interno dos glare stops.")})
            QVERIFY2(texto.contains(esperado), qPrintable(esperado));
        frm->close();
    }

    // Cancelling the print dialog sends no job: the spooler's job numbers of two marker jobs
    // sent around the cancelled print are consecutive.
    void cancelado() {
        TfrmTeluvar frm;
        frm.show();
        const int antes = enviarMarcador();
        QVERIFY(antes > 0);
        int preparacoes = 0;
        const auto inicio = frm.rpReport1.OnBeginDoc;
        frm.rpReport1.OnBeginDoc = [&] {
            ++preparacoes;
            inicio();
        };
        {
            SubstituirDialogos cancela(&frm,
                                       {.impressao = [](QWidget*, QPrinter&) { return false; }});
            frm.actImprimir->trigger();
        }
        QCOMPARE(enviarMarcador(), antes + 1);
        QCOMPARE(preparacoes, 0);
    }

private:
    // Sends a one-line text job to the queue; returns its job number.
    int enviarMarcador() {
        QTemporaryFile arquivo;
        if (!arquivo.open()) return -1;
        arquivo.write("marcador\n");
        arquivo.flush();
        const QString saida =
            executar(QStringLiteral("lp"), {QStringLiteral("-d"), Fila, arquivo.fileName()});
        const auto m = QRegularExpression(QStringLiteral("%1-(\\d+)").arg(Fila)).match(saida);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
};

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    TestImpressao teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "test_impressao.moc"
