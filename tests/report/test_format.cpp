// Display formats of report values: number patterns, rounding, dates, booleans, fallbacks.
#include "rpFormat.h"
#include "rpModel.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <QtTest>

namespace {
const std::uint32_t NumeroVirgula = 0x0104022C; // number, custom pattern, 2 decimals, comma
const std::uint32_t DataPadrao = 0x0204022C;
const std::uint32_t Texto = 0x0000022C;
const QString Padrao = QStringLiteral("#,##0.00;-#,##0.00");

TrpSeparadores brasil() {
    return SeparadoresDoLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
}
} // namespace

class TestFormat : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void separadoresDoLocale() {
        const TrpSeparadores br = brasil();
        QCOMPARE(br.decimal, QLatin1Char(','));
        QCOMPARE(br.milhar, QLatin1Char('.'));
        QCOMPARE(br.data, QLatin1Char('/'));
        const TrpSeparadores c = SeparadoresDoLocale(QLocale::c());
        QCOMPARE(c.decimal, QLatin1Char('.'));
    }

    void arredondamento_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("decimais");
        QTest::addColumn<QString>("digitos");
        QTest::newRow("empate exato") << 26.875 << 2 << "2688";
        QTest::newRow("empate negativo") << -26.875 << 2 << "2688";
        QTest::newRow("um oitavo") << 0.125 << 2 << "13";
        QTest::newRow("abaixo em binario") << 1.005 << 2 << "100";
        QTest::newRow("acima em binario") << 2.675000000000001 << 2 << "268";
        QTest::newRow("meio") << 0.5 << 0 << "1";
        QTest::newRow("pequeno") << 1e-30 << 2 << "0";
        QTest::newRow("grande") << 1e20 << 2 << "10000000000000000000000";
        QTest::newRow("zero") << 0.0 << 3 << "0";
    }

    void arredondamento() {
        QFETCH(double, valor);
        QFETCH(int, decimais);
        QFETCH(QString, digitos);
        QCOMPARE(QString::fromStdString(DigitosArredondados(valor, decimais)), digitos);
    }

    void padroes_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("padrao");
        QTest::addColumn<QString>("texto");
        QTest::newRow("00") << 7.0 << "00"
                            << "07";
        QTest::newRow("00 grande") << 123.0 << "00"
                                   << "123";
        QTest::newRow("agrupado") << 1234.5 << Padrao << "1.234,50";
        QTest::newRow("milhoes") << 1234567.891 << Padrao << "1.234.567,89";
        QTest::newRow("negativo") << -1234.5 << Padrao << "-1.234,50";
        QTest::newRow("empate") << 26.875 << Padrao << "26,88";
        QTest::newRow("zero sem sinal") << -0.001 << Padrao << "0,00";
        QTest::newRow("secao negativa") << -5.0 << "0.0;(0.0)"
                                        << "(5,0)";
        QTest::newRow("secao zero") << 0.0 << "0.0;-0.0;'nada'"
                                    << "nada";
        QTest::newRow("secao negativa vazia") << -2.0 << "0.00;;'nada'"
                                              << "-2,00";
        QTest::newRow("um so com menos") << -3.25 << "0.0"
                                         << "-3,3";
        QTest::newRow("opcionais") << 1.5 << "0.##"
                                   << "1,5";
        QTest::newRow("opcionais inteiro") << 2.0 << "0.##"
                                           << "2";
        QTest::newRow("sem inteiro") << 0.5 << "#.##"
                                     << ",5";
        QTest::newRow("literais") << 12.0 << "'R$ '#,##0.00' mm'"
                                  << "R$ 12,00 mm";
        QTest::newRow("sem marcadores") << 12.0 << "abc"
                                        << "abc";
    }

    void padroes() {
        QFETCH(double, valor);
        QFETCH(QString, padrao);
        QFETCH(QString, texto);
        QCOMPARE(FormatarNumeroPadrao(valor, padrao, QLatin1Char(','), QLatin1Char('.')), texto);
    }

    // The format's decimal separator is in force; grouping is the user's.
    void valoresPorFormato() {
        const TrpSeparadores br = brasil();
        QCOMPARE(FormatarValor(1234.5, NumeroVirgula, Padrao, br), QStringLiteral("1.234,50"));
        QCOMPARE(
            FormatarValor(QVariant::fromValue<qint16>(7), NumeroVirgula, QStringLiteral("00"), br),
            QStringLiteral("07"));
        // Under the C locale the decimal comma stays; the grouping then may not be a comma.
        const TrpSeparadores c = SeparadoresDoLocale(QLocale::c());
        QCOMPARE(FormatarValor(7.5, NumeroVirgula, Padrao, c), QStringLiteral("7,50"));
        QCOMPARE(FormatarValor(1234.5, NumeroVirgula, Padrao, c), QStringLiteral("1.234,50"));
        // A point as the format's separator with Brazilian grouping.
        const std::uint32_t ponto = TrpFormat::make(TrpFormat::Number, 4, 2, '.');
        QCOMPARE(FormatarValor(1234.5, ponto, Padrao, br), QStringLiteral("1,234.50"));
        // Variants: fixed, grouped.
        QCOMPARE(FormatarValor(1234.5, TrpFormat::make(1, 1, 3, ','), {}, br),
                 QStringLiteral("1234,500"));
        QCOMPARE(FormatarValor(-1234.5, TrpFormat::make(1, 3, 2, ','), {}, br),
                 QStringLiteral("-1.234,50"));
        QCOMPARE(FormatarValor(1234.5, TrpFormat::make(1, 2, 2, ','), {}, br),
                 QStringLiteral("1.234,5"));
        // Texts that read as numbers are numbers; others stay as they are.
        QCOMPARE(FormatarValor(QStringLiteral("1234,5"), NumeroVirgula, Padrao, br),
                 QStringLiteral("1.234,50"));
        QCOMPARE(FormatarValor(QStringLiteral("abc"), NumeroVirgula, Padrao, br),
                 QStringLiteral("abc"));
        // Empty values give one blank; the text format gives the plain text.
        QCOMPARE(FormatarValor(QVariant(), NumeroVirgula, Padrao, br), QStringLiteral(" "));
        // An empty text is a value: it prints as nothing, not as a blank.
        QCOMPARE(FormatarValor(QString(), Texto, {}, br), QString());
        QCOMPARE(FormatarValor(QStringLiteral(""), NumeroVirgula, Padrao, br), QString());
        QCOMPARE(FormatarValor(2.5, Texto, {}, br), QStringLiteral("2,5"));
        QCOMPARE(FormatarValor(QStringLiteral("[x]"), Texto, {}, br), QStringLiteral("[x]"));
        QCOMPARE(FormatarValor(42, Texto, {}, br), QStringLiteral("42"));
    }

    // Dates from day numbers (day 0 is 30/12/1899) and the 12-hour clock.
    void datasDePadrao_data() {
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<QString>("padrao");
        QTest::addColumn<QString>("texto");
        QTest::newRow("dia 45000") << QVariant(45000.0) << "dd/mm/yyyy"
                                   << "15/03/2023";
        QTest::newRow("dia 0") << QVariant(0.0) << "dd/mm/yyyy"
                               << "30/12/1899";
        QTest::newRow("dia 1 e meio") << QVariant(1.5) << "dd/mm/yyyy hh:nn"
                                      << "31/12/1899 12:00";
        QTest::newRow("meia-noite e meia") << QVariant(QTime(0, 30)) << "h:nn am/pm"
                                           << "12:30 am";
        QTest::newRow("meio-dia") << QVariant(QTime(12, 0)) << "h am/pm"
                                  << "12 pm";
        QTest::newRow("uma da tarde") << QVariant(QTime(13, 5)) << "h:nn am/pm"
                                      << "1:05 pm";
    }
    void datasDePadrao() {
        QFETCH(QVariant, valor);
        QFETCH(QString, padrao);
        QFETCH(QString, texto);
        QCOMPARE(FormatarValor(valor, DataPadrao, padrao, brasil()), texto);
    }

    void datasEHoras() {
        TrpSeparadores br = brasil();
        const QDate d(2025, 3, 7);
        QCOMPARE(FormatarValor(d, DataPadrao, QStringLiteral("dd/mm/yyyy"), br),
                 QStringLiteral("07/03/2025"));
        br.data = QLatin1Char('-');
        QCOMPARE(FormatarValor(d, DataPadrao, QStringLiteral("dd/mm/yyyy"), br),
                 QStringLiteral("07-03-2025"));
        QCOMPARE(FormatarDataPadrao(d, QTime(9, 5, 3), QStringLiteral("d/m/yy hh:mm:ss"), br),
                 QStringLiteral("7-3-25 09:05:03"));
        QCOMPARE(FormatarDataPadrao(d, QTime(15, 4), QStringLiteral("h:nn am/pm 'dia' d"), br),
                 QStringLiteral("3:04 pm dia 7"));
        const std::uint32_t hora = TrpFormat::make(TrpFormat::Time, 4, 2, ',');
        QCOMPARE(FormatarValor(QTime(14, 30, 0), hora, QStringLiteral("hh:nn"), br),
                 QStringLiteral("14:30"));
        // Not a date: plain text.
        QCOMPARE(
            FormatarValor(QStringLiteral("ontem"), DataPadrao, QStringLiteral("dd/mm/yyyy"), br),
            QStringLiteral("ontem"));
    }

    void booleanos() {
        const TrpSeparadores br = brasil();
        const std::uint32_t b = TrpFormat::make(TrpFormat::Boolean, 4, 2, ',');
        QCOMPARE(FormatarValor(true, b, QStringLiteral("Não;Sim"), br), QStringLiteral("Sim"));
        QCOMPARE(FormatarValor(false, b, QStringLiteral("Não;Sim"), br), QStringLiteral("Não"));
        QCOMPARE(FormatarValor(0, b, QStringLiteral("Não;Sim"), br), QStringLiteral("Não"));
        QCOMPARE(FormatarValor(true, b, QStringLiteral("sem separador"), br),
                 QStringLiteral("True"));
    }
};

QTEST_MAIN(TestFormat)
#include "test_format.moc"
