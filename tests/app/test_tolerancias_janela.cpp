// The focusing and collimation window: its controls, its numbers against the core's, the
// variant choice, a bad range, and stale results dropped. TELUVAR_CAPTURA=<file.png> saves a
// picture of the window.
#include "Calculo.h"
#include "Documento.h"
#include "Global.h"
#include "JanelaTolerancias.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>
#include <cstring>

namespace {
void DefinirProjeto(double D1, double fD1, double gamma, double e, double i) {
    std::memset(&Projeto, 0, sizeof Projeto);
    TDocumento::Atual().Limpar();
    Projeto.D1 = D1;
    Projeto.fD1 = fD1;
    Projeto.gamma = gamma;
    Projeto.e = e;
    Projeto.i = i;
    CalcularProjeto(Projeto);
    MostrarResultados(Projeto);
}
} // namespace

class TestToleranciasJanela : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void janela() {
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmTolerancias janela;
        QCOMPARE(janela.objectName(), QStringLiteral("frmTolerancias"));
        QCOMPARE(janela.windowTitle(), QString::fromUtf8("Projeto Teluvar - Focagem e colimação"));
        for (const char* nome :
             {"cmbVariante", "edtFaixaFoco", "tblFocagem", "grafFocagem", "tblColimacao"})
            QVERIFY2(janela.findChild<QWidget*>(QLatin1String(nome)), nome);
        janela.adjustSize();
        janela.show();
        QSignalSpy calculado(&janela, &TJanelaViva::calculado);
        janela.Recalcular();
        QVERIFY(calculado.wait(120000));

        // Fault: a column or a variant wired to the wrong number.
        const ResultadoTolerancias r = CalcularTolerancias(Projeto, -50, 100, 15);
        const LinhaFocagem& l = r.variantes[2].focagem[4];
        QCOMPARE(janela.tblFocagem->item(4, 0)->text(), QLocale().toString(l.deltaE, 'f', 1));
        QCOMPARE(janela.tblFocagem->item(4, 1)->text(), QLocale().toString(l.deslocamento, 'f', 3));
        QCOMPARE(janela.tblFocagem->item(4, 5)->text(), QLocale().toString(l.strehl, 'f', 3));
        QCOMPARE(janela.tblColimacao->item(0, 5)->text(),
                 QLocale().toString(r.variantes[0].colimacao.pontoNeutro, 'f', 1));
        janela.cmbVariante->setCurrentIndex(1); // the same result, another part of it
        QCOMPARE(janela.tblFocagem->item(4, 4)->text(),
                 QLocale().toString(r.variantes[1].focagem[4].rmsEixo, 'f', 2));

        if (const QByteArray arquivo = qgetenv("TELUVAR_CAPTURA"); !arquivo.isEmpty()) {
            janela.cmbVariante->setCurrentIndex(2);
            QVERIFY(janela.grab().save(QString::fromLocal8Bit(arquivo)));
        }

        // Fault: a stale result shown over a newer one. Two ranges in a row: the table ends
        // on the second.
        calculado.clear();
        janela.edtFaixaFoco->setText(QStringLiteral("-10;10"));
        janela.edtFaixaFoco->setText(QStringLiteral("-20;30"));
        QVERIFY(calculado.wait(120000));
        // The older computation may end after the newer one; its result is dropped unshown.
        QTRY_VERIFY_WITH_TIMEOUT(!janela.calculando(), 120000);
        QCOMPARE(janela.tblFocagem->item(0, 0)->text(), QStringLiteral("-20,0"));
        QCOMPARE(janela.tblFocagem->item(14, 0)->text(), QStringLiteral("30,0"));
        // A range that does not read says so and keeps the table.
        janela.edtFaixaFoco->setText(QStringLiteral("30;-20"));
        QVERIFY(janela.lblTolerancias->text().contains(QString::fromUtf8("inválida")));
        QCOMPARE(janela.tblFocagem->item(0, 0)->text(), QStringLiteral("-20,0"));
    }
};

QTEST_MAIN(TestToleranciasJanela)
#include "test_tolerancias_janela.moc"
