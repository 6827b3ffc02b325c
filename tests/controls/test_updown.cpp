// Checks the up-down control and the integer conversion it reads its edit with.
#include "UpDown.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <limits>

class TestUpDown : public QObject {
    Q_OBJECT
private slots:
    // Decimal with one optional minus, or '$' and hexadecimal digits of either case; nothing
    // else, and nothing outside the int range.
    void converterInteiro_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("valor");
        const int maximo = std::numeric_limits<int>::max();
        const int minimo = std::numeric_limits<int>::min();
        QTest::newRow("decimal") << "150" << true << 150;
        QTest::newRow("zeros à esquerda") << "007" << true << 7;
        QTest::newRow("negativo") << "-20" << true << -20;
        QTest::newRow("hexadecimal") << "$1F" << true << 31;
        QTest::newRow("hexadecimal minúsculo") << "$ff" << true << 255;
        QTest::newRow("maior int") << "2147483647" << true << maximo;
        QTest::newRow("menor int") << "-2147483648" << true << minimo;
        QTest::newRow("maior int em hexadecimal") << "$7FFFFFFF" << true << maximo;
        QTest::newRow("passa do maior") << "2147483648" << false << 0;
        QTest::newRow("passa do menor") << "-2147483649" << false << 0;
        QTest::newRow("hexadecimal grande") << "$80000000" << false << 0;
        QTest::newRow("vazio") << "" << false << 0;
        QTest::newRow("só o sinal") << "-" << false << 0;
        QTest::newRow("só o cifrão") << "$" << false << 0;
        QTest::newRow("letra") << "12a" << false << 0;
        QTest::newRow("hexadecimal sem cifrão") << "1F" << false << 0;
        QTest::newRow("sinal de mais") << "+5" << false << 0;
        QTest::newRow("dois sinais") << "--5" << false << 0;
        QTest::newRow("cifrão negativo") << "-$5" << false << 0;
        QTest::newRow("branco") << " 5" << false << 0;
        QTest::newRow("decimal com vírgula") << "1,5" << false << 0;
        QTest::newRow("dígitos arábicos") << QString::fromUtf8("١٢") << false << 0;
    }
    void converterInteiro() {
        QFETCH(QString, texto);
        QFETCH(bool, valido);
        QFETCH(int, valor);
        int lido = -12345; // untouched when the text is no integer
        QCOMPARE(ConverterInteiro(texto, lido), valido);
        QCOMPARE(lido, valido ? valor : -12345);
    }

    // The position stays in the range; the new value is announced (unclamped) only when it
    // differs, and the edit always shows the stored position.
    void posicao_data() {
        QTest::addColumn<int>("antes");
        QTest::addColumn<int>("pedido");
        QTest::addColumn<int>("depois");
        QTest::addColumn<bool>("anunciado");
        QTest::newRow("dentro") << 100 << 120 << 120 << true;
        QTest::newRow("igual") << 100 << 100 << 100 << false;
        QTest::newRow("acima") << 100 << 500 << 200 << true;
        QTest::newRow("abaixo") << 100 << 5 << 20 << true;
        QTest::newRow("no limite") << 200 << 200 << 200 << false;
    }
    void posicao() {
        QFETCH(int, antes);
        QFETCH(int, pedido);
        QFETCH(int, depois);
        QFETCH(bool, anunciado);
        QLineEdit edit;
        TUpDown updown;
        updown.setRange(20, 200);
        updown.setAssociate(&edit);
        updown.setPosition(antes);
        QSignalSpy anuncios(&updown, &TUpDown::changingEx);
        updown.setPosition(pedido);
        QCOMPARE(updown.position(), depois);
        QCOMPARE(edit.text(), QString::number(depois));
        QCOMPARE(anuncios.size(), anunciado ? 1 : 0);
        if (anunciado) QCOMPARE(anuncios.first().first().toInt(), pedido);
    }

    // The arrows step by one from what the edit shows (an integer typed there counts, a text
    // that is none keeps the position) and stop at the ends of the range.
    void setas_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("seta");
        QTest::addColumn<int>("depois");
        QTest::newRow("sobe") << "50"
                              << "btnCima" << 51;
        QTest::newRow("desce") << "50"
                               << "btnBaixo" << 49;
        QTest::newRow("sobe do topo") << "200"
                                      << "btnCima" << 200;
        QTest::newRow("desce do fundo") << "20"
                                        << "btnBaixo" << 20;
        QTest::newRow("digitado acima do topo") << "900"
                                                << "btnBaixo" << 199;
        QTest::newRow("texto que não é número") << "abc"
                                                << "btnCima" << 101;
        QTest::newRow("hexadecimal") << "$40"
                                     << "btnCima" << 65;
    }
    void setas() {
        QFETCH(QString, digitado);
        QFETCH(QString, seta);
        QFETCH(int, depois);
        QLineEdit edit;
        TUpDown updown;
        updown.resize(15, 21);
        updown.setRange(20, 200);
        updown.setAssociate(&edit);
        updown.setPosition(100);
        edit.setText(digitado);
        auto* botao = updown.findChild<QToolButton*>(seta);
        QVERIFY(botao);
        botao->click();
        QCOMPARE(updown.position(), depois);
    }
};

QTEST_MAIN(TestUpDown)
#include "test_updown.moc"
