// Tests of the numeric input field: number rules under any separators, and the widget driven
// offscreen by keys, paste and focus changes under Brazilian Portuguese.
#include "NumberEdit.h"
#include "NumberFormat.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

using namespace NumberFormat;

class TestNumberEdit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Pure rules.
    void formatarPadrao_data();
    void formatarPadrao();
    void textoEdicao_data();
    void textoEdicao();
    void analisarTexto_data();
    void analisarTexto();
    void aplicarFaixa_data();
    void aplicarFaixa();
    void textoDigitavel_data();
    void textoDigitavel();
    void idaEVoltaAleatoria();

    // The widget.
    void digitarComMilharEDecimal();
    void recusaTeclasInvalidas();
    void expoenteContaNasCasas();
    void sinalSoOndeAFaixaPermite();
    void menosSozinhoEhMenosZero();
    void apagarTudoDaZero();
    void faixaComMinimoSemMaximo();
    void setValueArredondaENaoAvisaSemMudanca();
    void focoReformataSemAviso();
    void contagemDeAvisos();
    void colarInvalidoRestaura();
    void escRestauraDoValorGuardado();
    void enterEEscVaoParaODialogo();
    void sairComTextoInvalidoRetemFoco();
    void padraoDoisDigitosComMinimo();
    void limitesReaplicamFaixa();
    void somenteLeituraNaoAceitaDigitos();
    void alinhamentoDoValorExibido();

private:
    void focar(TNumberEdit* campo);
    QWidget* m_janela = nullptr;
    TNumberEdit* m_a = nullptr;
    TNumberEdit* m_b = nullptr;
    int m_bipes = 0;
    QStringList m_erros;
};

void TestNumberEdit::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TNumberEdit::BeepHandler = [this] { ++m_bipes; };
    TNumberEdit::ErrorHandler = [this](QWidget*, const QString& m) { m_erros << m; };
}

void TestNumberEdit::init() {
    m_bipes = 0;
    m_erros.clear();
    m_janela = new QWidget;
    auto* layout = new QHBoxLayout(m_janela);
    m_a = new TNumberEdit(m_janela);
    m_b = new TNumberEdit(m_janela);
    layout->addWidget(m_a);
    layout->addWidget(m_b);
    m_janela->show();
    QApplication::setActiveWindow(m_janela);
    QVERIFY(QTest::qWaitForWindowActive(m_janela));
    m_b->setFocus();
    QVERIFY(m_b->hasFocus());
}

void TestNumberEdit::cleanup() {
    delete m_janela;
    m_janela = nullptr;
}

void TestNumberEdit::focar(TNumberEdit* campo) {
    campo->setFocus(Qt::OtherFocusReason);
    QVERIFY(campo->hasFocus());
}

// ---------------------------------------------------------------- pure rules

void TestNumberEdit::formatarPadrao_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QChar>("milhar");
    QTest::addColumn<QString>("esperado");
    const QString moeda = "#,##0.00;-#,##0.00";
    const QChar v(u','), p(u'.');
    QTest::newRow("agrupado") << 1234.5 << moeda << v << p << "1.234,50";
    QTest::newRow("agrupado negativo") << -1234.5 << moeda << v << p << "-1.234,50";
    QTest::newRow("milhoes") << 1234567.891 << moeda << v << p << "1.234.567,89";
    QTest::newRow("zero") << 0.0 << moeda << v << p << "0,00";
    QTest::newRow("menos zero sem sinal") << -0.0 << moeda << v << p << "0,00";
    QTest::newRow("arredonda a zero sem sinal") << -0.004 << moeda << v << p << "0,00";
    QTest::newRow("meio para longe do zero") << 0.005 << moeda << v << p << "0,01";
    QTest::newRow("meio negativo") << -0.005 << moeda << v << p << "-0,01";
    QTest::newRow("2,675 como digitado") << 2.675 << moeda << v << p << "2,68";
    QTest::newRow("1,005 como digitado") << 1.005 << moeda << v << p << "1,01";
    QTest::newRow("vai um ate o milhar") << 999.995 << moeda << v << p << "1.000,00";
    QTest::newRow("separadores ingleses") << 1234.5 << moeda << p << v << "1,234.50";
    QTest::newRow("grande") << 1e20 << "#,##0" << v << p << "100.000.000.000.000.000.000";
    QTest::newRow("00 de 7") << 7.0 << "00" << v << p << "07";
    QTest::newRow("00 de 3,7") << 3.7 << "00" << v << p << "04";
    QTest::newRow("00 de 123") << 123.0 << "00" << v << p << "123";
    QTest::newRow("00 de zero") << 0.0 << "00" << v << p << "00";
    QTest::newRow("00 negativo") << -3.0 << "00" << v << p << "-03";
    QTest::newRow("edicao") << 12.3456 << "0.##" << v << p << "12,35";
    QTest::newRow("edicao sem milhar") << 1234.5 << "0.##" << v << p << "1234,5";
    QTest::newRow("edicao inteiro") << 12.0 << "0.##" << v << p << "12";
    QTest::newRow("edicao fracao") << 0.5 << "0.##" << v << p << "0,5";
    QTest::newRow("sem inteiro") << 0.5 << "#.##" << v << p << ",5";
    QTest::newRow("tres secoes neg") << -2.0 << "0.00;(0.00);'nada'" << v << p << "(2,00)";
    QTest::newRow("tres secoes zero") << 0.0 << "0.00;(0.00);'nada'" << v << p << "nada";
    QTest::newRow("literal") << 2.25 << "0.0 'mm'" << v << p << "2,3 mm";
    QTest::newRow("literal com ponto-e-virgula") << 1.0 << "0 'a;b'" << v << p << "1 a;b";
    QTest::newRow("cientifico") << 12345.0 << "0.00E+00" << v << p << "1,23E+04";
    QTest::newRow("cientifico pequeno") << 0.000123 << "0.00E+00" << v << p << "1,23E-04";
    QTest::newRow("cientifico vai um") << 9.999 << "0.00E+00" << v << p << "1,00E+01";
    QTest::newRow("cientifico E-") << 12345.0 << "0.0E-0" << v << p << "1,2E4";
    QTest::newRow("padrao vazio") << 1.5 << "" << v << p << "1,5";
    QTest::newRow("infinito") << HUGE_VAL << moeda << v << p << "INF";
    QTest::newRow("nao numero") << std::nan("") << moeda << v << p << "NAN";
}

void TestNumberEdit::formatarPadrao() {
    QFETCH(double, valor);
    QFETCH(QString, padrao);
    QFETCH(QChar, decimal);
    QFETCH(QChar, milhar);
    QFETCH(QString, esperado);
    QCOMPARE(NumberFormat::formatarPadrao(valor, padrao, decimal, milhar), esperado);
}

void TestNumberEdit::textoEdicao_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("casas");
    QTest::addColumn<bool>("zeroVazio");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("zero vazio") << 0.0 << 2 << true << "";
    QTest::newRow("menos zero vazio") << -0.0 << 2 << true << "";
    QTest::newRow("zero escrito") << 0.0 << 2 << false << "0";
    QTest::newRow("pequeno nao e zero") << 0.001 << 2 << true << "0";
    QTest::newRow("duas casas") << 12.3456 << 2 << true << "12,35";
    QTest::newRow("sem casas") << 12.5 << 0 << true << "13";
    QTest::newRow("quatro casas") << 12.34567 << 4 << true << "12,3457";
    QTest::newRow("negativo") << -1234.5 << 2 << true << "-1234,5";
    // The largest double reads back from its edit text: 17 significant digits, not a 15-digit
    // rounding above the range (1,7976931348623157e308 is its exact decimal to 17 digits).
    QTest::newRow("maior double") << std::numeric_limits<double>::max() << 2 << true
                                  << QString(QStringLiteral("17976931348623157") +
                                             QString(292, u'0'));
    QTest::newRow("1e308") << 1e308 << 2 << true
                           << QString(QStringLiteral("1") + QString(308, u'0'));
}

void TestNumberEdit::textoEdicao() {
    QFETCH(double, valor);
    QFETCH(int, casas);
    QFETCH(bool, zeroVazio);
    QFETCH(QString, esperado);
    QCOMPARE(NumberFormat::textoEdicao(valor, casas, zeroVazio, u','), esperado);
}

void TestNumberEdit::analisarTexto_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QChar>("milhar");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("valor");
    const QChar v(u','), p(u'.'), fino(u'\u202F');
    QTest::newRow("brasileiro com brancos") << " 1.234,5 " << v << p << true << 1234.5;
    QTest::newRow("ingles") << "1,234.5" << p << v << true << 1234.5;
    QTest::newRow("ponto vira virgula sem milhar ponto") << "1.5" << v << fino << true << 1.5;
    QTest::newRow("milhar fino") << "1\u202F234,5" << v << fino << true << 1234.5;
    QTest::newRow("vazio") << "" << v << p << true << 0.0;
    QTest::newRow("so mais") << "+" << v << p << true << 0.0;
    QTest::newRow("expoente") << "1e3" << v << p << true << 1000.0;
    QTest::newRow("expoente negativo") << "1,5E-2" << v << p << true << 0.015;
    QTest::newRow("virgula no fim") << "5," << v << p << true << 5.0;
    QTest::newRow("virgula no inicio") << ",5" << v << p << true << 0.5;
    QTest::newRow("sinal") << "-12,5" << v << p << true << -12.5;
    QTest::newRow("subfluxo vale zero") << "1e-999" << v << p << true << 0.0;
    QTest::newRow("transbordo") << "1e999" << v << p << false << 0.0;
    QTest::newRow("transbordo por digitos") << ("9" + QString(400, u'0')) << v << p << false << 0.0;
    QTest::newRow("expoente incompleto") << "1e" << v << p << false << 0.0;
    QTest::newRow("expoente so sinal") << "1e-" << v << p << false << 0.0;
    QTest::newRow("virgula sozinha") << "," << v << p << false << 0.0;
    QTest::newRow("duas virgulas") << "1,2,3" << v << p << false << 0.0;
    QTest::newRow("letras") << "abc" << v << p << false << 0.0;
    QTest::newRow("dois sinais") << "--1" << v << p << false << 0.0;
    QTest::newRow("sinal no fim") << "1-" << v << p << false << 0.0;
    QTest::newRow("branco no meio") << "1 2" << v << p << false << 0.0;
}

void TestNumberEdit::analisarTexto() {
    QFETCH(QString, texto);
    QFETCH(QChar, decimal);
    QFETCH(QChar, milhar);
    QFETCH(bool, ok);
    QFETCH(double, valor);
    double lido = -99;
    QCOMPARE(NumberFormat::analisarTexto(limparTexto(texto, decimal, milhar), decimal, &lido), ok);
    if (ok) QCOMPARE(lido, valor);
}

void TestNumberEdit::aplicarFaixa_data() {
    QTest::addColumn<double>("valor");
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("maximo");
    QTest::addColumn<double>("esperado");
    QTest::newRow("sem faixa") << -5.0 << 0.0 << 0.0 << -5.0;
    QTest::newRow("limites iguais nao zero") << 7.0 << 3.0 << 3.0 << 7.0;
    QTest::newRow("abaixo") << -1.0 << 0.0 << 10.0 << 0.0;
    QTest::newRow("acima") << 11.0 << 0.0 << 10.0 << 10.0;
    QTest::newRow("dentro") << 4.0 << 0.0 << 10.0 << 4.0;
    QTest::newRow("so minimo") << 1.0 << 2.0 << 0.0 << 2.0;
    QTest::newRow("so minimo sem teto") << 1e9 << 2.0 << 0.0 << 1e9;
    QTest::newRow("so maximo") << 9.0 << 0.0 << -3.0 << -3.0;
    QTest::newRow("so maximo abaixo") << -9.0 << 0.0 << -3.0 << -9.0;
    QTest::newRow("invertidos nao prendem") << 100.0 << 5.0 << 3.0 << 100.0;
}

void TestNumberEdit::aplicarFaixa() {
    QFETCH(double, valor);
    QFETCH(double, minimo);
    QFETCH(double, maximo);
    QFETCH(double, esperado);
    QCOMPARE(NumberFormat::aplicarFaixa(valor, minimo, maximo), esperado);
}

void TestNumberEdit::textoDigitavel_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("casas");
    QTest::addColumn<bool>("aceitaNegativo");
    QTest::addColumn<bool>("aceito");
    QTest::newRow("duas casas") << "12,34" << 2 << true << true;
    QTest::newRow("terceira casa") << "12,345" << 2 << true << false;
    QTest::newRow("milhar em qualquer lugar") << "1.2.34,5" << 2 << true << true;
    QTest::newRow("expoente conta o E") << "1,5e3" << 2 << true << true;
    QTest::newRow("expoente com casas cheias") << "1,55e3" << 2 << true << false;
    QTest::newRow("expoente sem decimal") << "15e3" << 2 << true << true;
    QTest::newRow("expoente incompleto") << "1e" << 2 << true << false;
    QTest::newRow("letra") << "1a" << 2 << true << false;
    QTest::newRow("branco") << "1 " << 2 << true << true; // blanks at the ends are dropped
    QTest::newRow("segunda virgula") << "1,2," << 2 << true << false;
    QTest::newRow("menos permitido") << "-" << 2 << true << true;
    QTest::newRow("menos proibido") << "-" << 2 << false << false;
    QTest::newRow("menos zero proibido") << "-0" << 2 << false << false;
    QTest::newRow("expoente negativo nao e negativo") << "1e-5" << 2 << false << true;
    QTest::newRow("sem casas virgula final") << "1," << 0 << true << true;
    QTest::newRow("sem casas digito") << "1,5" << 0 << true << false;
}

void TestNumberEdit::textoDigitavel() {
    QFETCH(QString, texto);
    QFETCH(int, casas);
    QFETCH(bool, aceitaNegativo);
    QFETCH(bool, aceito);
    QCOMPARE(NumberFormat::textoDigitavel(texto, u',', u'.', casas, aceitaNegativo), aceito);
}

// Seeded random texts and values: whatever typing accepts parses, and every value survives the
// trip through its edit text and its display text under both separator conventions.
void TestNumberEdit::idaEVoltaAleatoria() {
    QRandomGenerator aleatorio(20240611);
    const QString alfabeto = "0123456789,.-+eE a";
    for (int n = 0; n < 20000; ++n) {
        QString t;
        const int tamanho = int(aleatorio.bounded(9));
        for (int k = 0; k < tamanho; ++k)
            t += alfabeto[int(aleatorio.bounded(alfabeto.size()))];
        if (NumberFormat::textoDigitavel(t, u',', u'.', 2, true))
            QVERIFY2(NumberFormat::analisarTexto(limparTexto(t, u',', u'.'), u',', nullptr),
                     qPrintable(t));
    }
    const struct { QChar decimal, milhar; } convencoes[] = {{u',', u'.'}, {u'.', u','}};
    for (const auto& c : convencoes) {
        for (int n = 0; n < 5000; ++n) {
            const double magnitude = std::pow(10.0, double(aleatorio.bounded(-4, 13)));
            double v = aleatorio.generateDouble() * magnitude;
            if (aleatorio.bounded(2)) v = -v;
            const QString edicao = NumberFormat::textoEdicao(v, 2, true, c.decimal);
            double lido = 0;
            QVERIFY2(NumberFormat::analisarTexto(limparTexto(edicao, c.decimal, c.milhar),
                                                 c.decimal, &lido),
                     qPrintable(edicao));
            QVERIFY2(std::fabs(lido - v) <= 0.005 + 1e-12 * std::fabs(v), qPrintable(edicao));
            // A small value keeps "0" as its text; only an exact zero is edited as "".
            QCOMPARE(NumberFormat::textoEdicao(lido, 2, true, c.decimal),
                     lido == 0 ? QString() : edicao);
            const QString exibido =
                NumberFormat::formatarPadrao(v, u"#,##0.00;-#,##0.00", c.decimal, c.milhar);
            double deExibido = 0;
            QVERIFY2(NumberFormat::analisarTexto(limparTexto(exibido, c.decimal, c.milhar),
                                                 c.decimal, &deExibido),
                     qPrintable(exibido));
            QVERIFY2(deExibido == lido || (deExibido == 0 && edicao.isEmpty()),
                     qPrintable(exibido + " / " + edicao));
        }
    }
}

// ---------------------------------------------------------------- the widget

void TestNumberEdit::digitarComMilharEDecimal() {
    focar(m_a);
    QTest::keyClicks(m_a, "1.234,5");
    QCOMPARE(m_a->text(), QString("1.234,5"));
    QCOMPARE(m_a->Value(), 1234.5);
    focar(m_b);
    QCOMPARE(m_a->shownText(), QString("1.234,50"));
    QCOMPARE(m_a->text(), QString("1234,5"));
    QCOMPARE(m_a->cursorPosition(), 0);
    focar(m_a);
    QCOMPARE(m_a->shownText(), QString("1234,5"));
    // A "." typed under a locale whose thousands separator is a blank becomes the decimal comma.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    m_a->clear();
    QTest::keyClicks(m_a, "2.5");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCOMPARE(m_a->text(), QString("2,5"));
    QCOMPARE(m_a->Value(), 2.5);
    QCOMPARE(m_bipes, 0);
}

void TestNumberEdit::recusaTeclasInvalidas() {
    focar(m_a);
    QSignalSpy mudou(m_a, &TNumberEdit::changed);
    QTest::keyClicks(m_a, "12,34");
    QCOMPARE(mudou.count(), 5);
    QTest::keyClick(m_a, Qt::Key_5);
    QTest::keyClick(m_a, Qt::Key_A);
    QTest::keyClick(m_a, Qt::Key_Comma);
    QCOMPARE(m_a->text(), QString("12,34"));
    QCOMPARE(m_bipes, 3);
    QCOMPARE(mudou.count(), 5);
    // A second separator elsewhere, and a third decimal through a replaced selection.
    m_a->setCursorPosition(1);
    QTest::keyClick(m_a, Qt::Key_Comma);
    QCOMPARE(m_bipes, 4);
    m_a->setSelection(0, 2);
    QTest::keyClicks(m_a, "9");
    QCOMPARE(m_a->text(), QString("9,34"));
    // Without the beep the key is still refused, silently.
    m_a->setBeepOnError(false);
    QTest::keyClick(m_a, Qt::Key_X);
    QCOMPARE(m_a->text(), QString("9,34"));
    QCOMPARE(m_bipes, 4);
}

void TestNumberEdit::expoenteContaNasCasas() {
    focar(m_a);
    QTest::keyClicks(m_a, "1,5e");
    QCOMPARE(m_a->text(), QString("1,5")); // "1,5e" doesn't parse: refused
    QCOMPARE(m_bipes, 1);
    QTest::keyClicks(m_a, "3");
    m_a->setCursorPosition(3);
    QTest::keyClicks(m_a, "e"); // the "E" counts as the second decimal
    QCOMPARE(m_a->text(), QString("1,5e3"));
    QCOMPARE(m_a->Value(), 1500.0);
    m_a->setCursorPosition(3);
    QTest::keyClicks(m_a, "5"); // a second digit before the "E" is one too many
    QCOMPARE(m_a->text(), QString("1,5e3"));
    QCOMPARE(m_bipes, 2);
}

void TestNumberEdit::sinalSoOndeAFaixaPermite() {
    m_a->setMaxValue(10);
    focar(m_a);
    QTest::keyClicks(m_a, "-5");
    QCOMPARE(m_a->text(), QString("5"));
    QCOMPARE(m_bipes, 1);
    // Without an upper limit a zero minimum still allows a sign.
    m_b->setMinValue(0);
    focar(m_b);
    QTest::keyClicks(m_b, "-5");
    QCOMPARE(m_b->Value(), -5.0);
}

void TestNumberEdit::menosSozinhoEhMenosZero() {
    focar(m_a);
    QTest::keyClicks(m_a, "-");
    const double v = m_a->Value();
    QCOMPARE(v, 0.0);
    QVERIFY(std::signbit(v));
    focar(m_b);
    QCOMPARE(m_a->shownText(), QString("0,00"));
    QCOMPARE(m_a->text(), QString(""));
    QVERIFY(m_erros.isEmpty());
}

void TestNumberEdit::apagarTudoDaZero() {
    m_a->setValue(12.5);
    focar(m_a);
    QSignalSpy mudou(m_a, &TNumberEdit::changed);
    m_a->selectAll();
    QTest::keyClick(m_a, Qt::Key_Backspace);
    QCOMPARE(mudou.count(), 1);
    QCOMPARE(m_a->Value(), 0.0);
    focar(m_b);
    QCOMPARE(m_a->shownText(), QString("0,00"));
    QCOMPARE(mudou.count(), 1);
}

void TestNumberEdit::faixaComMinimoSemMaximo() {
    m_a->setMinValue(2);
    m_a->setMaxValue(0);
    QCOMPARE(m_a->text(), QString("2"));
    focar(m_a);
    m_a->selectAll();
    QTest::keyClick(m_a, Qt::Key_Delete);
    QCOMPARE(m_a->Value(), 2.0); // empty reads 0, raised to the minimum
    QTest::keyClicks(m_a, "1");
    QCOMPARE(m_a->Value(), 2.0);
    QTest::keyClicks(m_a, "00");
    QCOMPARE(m_a->Value(), 100.0);
}

void TestNumberEdit::setValueArredondaENaoAvisaSemMudanca() {
    QSignalSpy mudou(m_a, &TNumberEdit::changed);
    m_a->setValue(12.3456);
    QCOMPARE(m_a->text(), QString("12,35"));
    QCOMPARE(mudou.count(), 1);
    QCOMPARE(m_a->shownText(), QString("12,35"));
    QCOMPARE(m_a->Value(), 12.35);
    m_a->setValue(12.35);
    m_a->setValue(12.349);
    QCOMPARE(mudou.count(), 1);
    m_a->setValue(0);
    QCOMPARE(m_a->text(), QString(""));
    QCOMPARE(mudou.count(), 2);
    m_a->setZeroEmpty(false);
    QCOMPARE(m_a->text(), QString("0"));
}

void TestNumberEdit::focoReformataSemAviso() {
    m_a->setValue(1234.5);
    QSignalSpy mudou(m_a, &TNumberEdit::changed);
    focar(m_a);
    QTest::keyClick(m_a, Qt::Key_End);
    QTest::keyClicks(m_a, ".");
    QCOMPARE(m_a->text(), QString("1234,5."));
    QCOMPARE(mudou.count(), 1);
    QTest::keyClick(m_a, Qt::Key_Tab); // leaves toward the next field
    QVERIFY(m_b->hasFocus());
    QCOMPARE(m_a->text(), QString("1234,5"));
    focar(m_a);
    focar(m_b);
    QCOMPARE(mudou.count(), 1);
}

void TestNumberEdit::contagemDeAvisos() {
    focar(m_a);
    QSignalSpy mudou(m_a, &TNumberEdit::changed);
    QTest::keyClicks(m_a, "123");
    QCOMPARE(mudou.count(), 3);
    QTest::keyClick(m_a, Qt::Key_Backspace);
    QCOMPARE(mudou.count(), 4);
    QGuiApplication::clipboard()->setText("5,5");
    QTest::keyClick(m_a, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_a->text(), QString("125,5"));
    QCOMPARE(mudou.count(), 5);
    QTest::keyClick(m_a, Qt::Key_Escape);
    QCOMPARE(mudou.count(), 6);
    QCOMPARE(m_a->text(), QString(""));
    QTest::keyClick(m_a, Qt::Key_Escape); // nothing left to reset
    QCOMPARE(mudou.count(), 6);
}

void TestNumberEdit::colarInvalidoRestaura() {
    focar(m_a);
    QTest::keyClicks(m_a, "42");
    QSignalSpy mudou(m_a, &TNumberEdit::changed);
    QGuiApplication::clipboard()->setText("abc");
    QTest::keyClick(m_a, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_a->text(), QString("42"));
    QCOMPARE(m_a->selectedText(), QString("42"));
    QCOMPARE(m_bipes, 1);
    QCOMPARE(mudou.count(), 0);
    // Pasting a number with thousands separators and a line break keeps one clean line.
    m_a->selectAll();
    QGuiApplication::clipboard()->setText("1.000,25\n");
    m_a->pasteChecked();
    QCOMPARE(m_a->Value(), 1000.25);
    QCOMPARE(mudou.count(), 1);
    // A paste from the program into a field without the focus takes the focus when it fails.
    focar(m_b);
    m_a->setValue(3);
    QGuiApplication::clipboard()->setText("1,2,3");
    m_a->pasteChecked();
    QVERIFY(m_a->hasFocus());
    QCOMPARE(m_a->text(), QString("3"));
}

void TestNumberEdit::escRestauraDoValorGuardado() {
    m_a->setValue(5);
    focar(m_a);
    QTest::keyClick(m_a, Qt::Key_End);
    QTest::keyClicks(m_a, "3");
    QCOMPARE(m_a->text(), QString("53"));
    QTest::keyClick(m_a, Qt::Key_Escape);
    QCOMPARE(m_a->text(), QString("5"));
    QCOMPARE(m_a->selectedText(), QString("5"));
    QVERIFY(m_a->hasFocus());
}

void TestNumberEdit::enterEEscVaoParaODialogo() {
    QDialog dialogo;
    auto* layout = new QVBoxLayout(&dialogo);
    auto* grupo = new QWidget(&dialogo); // the field sits in a group, not in the dialog itself
    auto* campo = new TNumberEdit(grupo);
    (new QVBoxLayout(grupo))->addWidget(campo);
    auto* ok = new QPushButton("Ok", &dialogo);
    ok->setDefault(true);
    layout->addWidget(grupo);
    layout->addWidget(ok);
    QSignalSpy clicado(ok, &QPushButton::clicked);
    QObject::connect(ok, &QPushButton::clicked, &dialogo, &QDialog::accept);
    dialogo.show();
    QApplication::setActiveWindow(&dialogo);
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    campo->setFocus();
    QTest::keyClicks(campo, "7");
    QTest::keyClick(campo, Qt::Key_Return);
    QCOMPARE(clicado.count(), 1);
    QCOMPARE(dialogo.result(), int(QDialog::Accepted));
    QCOMPARE(campo->text(), QString("7")); // Enter itself types nothing

    dialogo.setResult(-1);
    dialogo.show();
    QApplication::setActiveWindow(&dialogo);
    QVERIFY(QTest::qWaitForWindowActive(&dialogo));
    campo->setFocus();
    campo->setValue(1);
    QTest::keyClick(campo, Qt::Key_End);
    QTest::keyClicks(campo, "9");
    QTest::keyClick(campo, Qt::Key_Escape);
    QCOMPARE(dialogo.result(), int(QDialog::Rejected));
    QCOMPARE(campo->text(), QString("1"));
    QCOMPARE(m_bipes, 0);
}

void TestNumberEdit::sairComTextoInvalidoRetemFoco() {
    QSignalSpy erro(m_a, &TNumberEdit::conversionError);
    focar(m_a);
    QTest::keyClicks(m_a, "15");
    m_a->setCursorPosition(1);
    QTest::keyClicks(m_a, "e");
    QTest::keyClick(m_a, Qt::Key_End);
    QTest::keyClick(m_a, Qt::Key_Backspace);
    QCOMPARE(m_a->text(), QString("1e"));
    QCOMPARE(m_a->Value(), 0.0); // an unparsable text reads MinValue
    {
        // Switching to another window doesn't leave the field: no error, the text stays.
        QWidget outra;
        outra.show();
        QApplication::setActiveWindow(&outra);
        QVERIFY(QTest::qWaitForWindowActive(&outra));
        QTest::qWait(10);
        QVERIFY(erro.isEmpty());
        QCOMPARE(m_a->shownText(), QString("1e"));
    }
    QApplication::setActiveWindow(m_janela);
    QVERIFY(QTest::qWaitForWindowActive(m_janela));
    QVERIFY(m_a->hasFocus());
    QCOMPARE(m_a->text(), QString("1e"));
    QTest::keyClick(m_a, Qt::Key_Tab);
    QTRY_COMPARE(erro.count(), 1);
    const QString esperado = "'1e' is not a valid floating point value";
    QCOMPARE(erro.at(0).at(0).toString(), esperado);
    QCOMPARE(m_erros, QStringList{esperado});
    QVERIFY(m_a->hasFocus());
    QCOMPARE(m_a->selectedText(), QString("1e"));
    QCOMPARE(m_a->shownText(), QString("1e"));
    // Mending the text lets the field go.
    QTest::keyClick(m_a, Qt::Key_End);
    QTest::keyClicks(m_a, "2");
    focar(m_b);
    QCOMPARE(m_a->shownText(), QString("100,00"));
    QTest::qWait(10);
    QCOMPARE(erro.count(), 1);
    // A field hidden while it holds a broken text raises nothing afterwards.
    focar(m_a);
    m_a->setCursorPosition(1);
    QTest::keyClicks(m_a, "e");
    QTest::keyClick(m_a, Qt::Key_End);
    QTest::keyClick(m_a, Qt::Key_Backspace);
    QTest::keyClick(m_a, Qt::Key_Backspace);
    QCOMPARE(m_a->text(), QString("1e"));
    m_a->hide();
    QTest::qWait(10);
    QCOMPARE(erro.count(), 1);
    QVERIFY(!m_a->hasFocus());
}

void TestNumberEdit::padraoDoisDigitosComMinimo() {
    m_a->setDisplayFormat("00");
    m_a->setMinValue(2);
    QCOMPARE(m_a->shownText(), QString("02"));
    QCOMPARE(m_a->Value(), 2.0);
    m_a->setValue(3.7);
    QCOMPARE(m_a->shownText(), QString("04"));
    QCOMPARE(m_a->Value(), 3.7);
    m_a->setValue(0);
    QCOMPARE(m_a->text(), QString("2"));
    focar(m_a);
    m_a->selectAll();
    QTest::keyClicks(m_a, "1");
    focar(m_b);
    QCOMPARE(m_a->shownText(), QString("02"));
    QCOMPARE(m_a->text(), QString("2"));
}

void TestNumberEdit::limitesReaplicamFaixa() {
    m_a->setValue(1);
    QSignalSpy mudou(m_a, &TNumberEdit::changed);
    m_a->setMinValue(2);
    QCOMPARE(m_a->text(), QString("2"));
    QCOMPARE(mudou.count(), 1);
    m_a->setValue(50);
    m_a->setMaxValue(10);
    QCOMPARE(m_a->Value(), 10.0);
    m_a->setMaxValue(20); // already inside: nothing changes
    QCOMPARE(mudou.count(), 3);
}

void TestNumberEdit::somenteLeituraNaoAceitaDigitos() {
    m_a->setValue(8);
    m_a->setReadOnly(true);
    focar(m_a);
    QSignalSpy mudou(m_a, &TNumberEdit::changed);
    QTest::keyClick(m_a, Qt::Key_End);
    QTest::keyClicks(m_a, "12");
    QTest::keyClick(m_a, Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText("3");
    m_a->pasteChecked();
    QCOMPARE(m_a->text(), QString("8"));
    QCOMPARE(mudou.count(), 0);
}

// The formatted value is drawn where DisplayAlignment puts it while the field isn't edited.
void TestNumberEdit::alinhamentoDoValorExibido() {
    m_a->setFixedWidth(200);
    m_a->setValue(7);
    auto colunaDaTinta = [this]() {
        const QImage img = m_a->grab().toImage();
        const QColor fundo = img.pixelColor(img.width() / 2, img.height() / 2);
        int primeira = -1;
        for (int x = 4; x < img.width() - 4 && primeira < 0; ++x)
            for (int y = 4; y < img.height() - 4; ++y)
                if (qAbs(img.pixelColor(x, y).lightness() - fundo.lightness()) > 80) {
                    primeira = x;
                    break;
                }
        return primeira;
    };
    m_a->setDisplayAlignment(Qt::AlignRight);
    const int direita = colunaDaTinta();
    m_a->setDisplayAlignment(Qt::AlignLeft);
    const int esquerda = colunaDaTinta();
    QVERIFY(esquerda >= 0);
    QVERIFY2(direita > m_a->width() / 2, qPrintable(QString::number(direita)));
    QVERIFY2(esquerda < m_a->width() / 4, qPrintable(QString::number(esquerda)));
}

QTEST_MAIN(TestNumberEdit)
#include "tst_numberedit.moc"
