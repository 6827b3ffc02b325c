// The text and bytes toolkit checked against independent rules: the code page's definition,
// decimal rounding done on the exact decimal expansion, and write/read round trips.
#include "ArquivoRegular.h"
#include "Binario.h"
#include "Cp1252.h"
#include "Numeros.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cstdio>

namespace {

// round(|v| x 10^d) half away from zero, worked out on the exact decimal expansion of the
// double that printf gives (every double below 2^53 with an exponent above -80 has a finite
// expansion of at most 80 decimals).
std::string arredondarPorTexto(double v, int d) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.80f", std::fabs(v));
    std::string s(buf);
    const auto ponto = s.find('.');
    std::string inteiro = s.substr(0, ponto), fracao = s.substr(ponto + 1);
    std::string digitos = inteiro + fracao.substr(0, std::size_t(d));
    if (fracao[std::size_t(d)] >= '5') { // the next digit decides: away from zero
        int k = int(digitos.size()) - 1;
        while (k >= 0 && digitos[std::size_t(k)] == '9')
            digitos[std::size_t(k--)] = '0';
        if (k < 0)
            digitos.insert(digitos.begin(), '1');
        else
            ++digitos[std::size_t(k)];
    }
    const auto nz = digitos.find_first_not_of('0');
    return nz == std::string::npos ? "0" : digitos.substr(nz);
}

} // namespace

class TestText : public QObject {
    Q_OBJECT
private slots:
    // Every byte decodes to one character that encodes back to the byte; the assigned bytes
    // 0x80-0x9F are the code page's (Euro, quotes, dashes, ...), the others are Latin-1.
    void cp1252TodosOsBytes() {
        QByteArray todos;
        for (int b = 0; b < 256; ++b)
            todos.append(char(b));
        const QString texto = Cp1252::Decodificar(todos);
        QCOMPARE(texto.size(), 256);
        QCOMPARE(Cp1252::Codificar(texto), todos);
        for (int b = 0; b < 256; ++b)
            if (b < 0x80 || b >= 0xA0) QCOMPARE(int(texto[b].unicode()), b);
        QCOMPARE(texto[0x80], QChar(0x20AC)); // euro sign
        QCOMPARE(texto[0x96], QChar(0x2013)); // en dash
        QCOMPARE(texto[0x9F], QChar(0x0178)); // Y with diaeresis
    }

    void cp1252ForaDaPagina_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cjk") << QStringLiteral("a\u4E2Db") << QByteArray("a?b");
        QTest::newRow("par substituto") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
        QTest::newRow("substituto solto")
            << (QStringLiteral("x") + QChar(0xD800)) << QByteArray("x?");
        QTest::newRow("controle C1 sem byte") << QString(QChar(0x80)) << QByteArray("?");
        QTest::newRow("controle C1 de byte livre") << QString(QChar(0x81)) << QByteArray("\x81");
    }
    void cp1252ForaDaPagina() {
        QFETCH(QString, texto);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp1252::Codificar(texto), bytes);
    }

    // The rounded digits agree with rounding the exact decimal expansion, for exact ties
    // (multiples of 2^-k) and for seeded random values over many magnitudes.
    void digitosArredondados() {
        QRandomGenerator gerador(1234);
        std::vector<double> valores = {0.125, 0.375, 2.5, 26.875, 1.005, 0.005, 1e-9, 12345.6785};
        for (int k = 0; k < 3000; ++k) {
            const double mantissa = gerador.generateDouble();
            valores.push_back(std::ldexp(mantissa, gerador.bounded(-20, 40)));
            valores.push_back(std::round(mantissa * 4096) / 512.0); // exact ties at 3 decimals
        }
        for (double v : valores)
            for (int d : {0, 1, 2, 3, 6})
                QCOMPARE(DigitosArredondados(v, d), arredondarPorTexto(v, d));
    }

    // A value read back from a field: the typed decimal text rounded half away from zero, not
    // the binary double (1.005 is stored as 1.00499..., which binary rounding takes to 1.00).
    void arredondarComoTexto_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<double>("esperado");
        QTest::newRow("1,005") << 1.005 << 1.01;
        QTest::newRow("0,285") << 0.285 << 0.29;
        QTest::newRow("4,015") << 4.015 << 4.02;
        QTest::newRow("-1,005") << -1.005 << -1.01;
        QTest::newRow("9,995 vai a 10") << 9.995 << 10.0;
        QTest::newRow("499 999,995") << 499999.995 << 500000.0;
        QTest::newRow("1,0049 desce") << 1.0049 << 1.0;
        QTest::newRow("-0,004 sem menos") << -0.004 << 0.0;
    }
    void arredondarComoTexto() {
        QFETCH(double, valor);
        QFETCH(double, esperado);
        const double r = ArredondarComoTexto(valor, 2);
        QCOMPARE(r, esperado);
        QVERIFY(!std::signbit(r) || esperado < 0);
    }

    // Names as bytes: every byte string comes back unchanged (random bytes, and runs that cut
    // or fake UTF-8: overlong, surrogate, past U+10FFFF), and valid UTF-8 reads as UTF-8.
    void nomeEmBytes() {
        QRandomGenerator gerador(77);
        QList<QByteArray> nomes = {"/tmp/a\xe9\xff.tlv", "\xc0\xaf", "\xed\xa0\x80",
                                   "\xf4\x90\x80\x80",   "\xe2\x82", "a\xf0\x9f\x98\x80" "b"};
        for (int k = 0; k < 2000; ++k) {
            QByteArray b(gerador.bounded(1, 12), '\0');
            for (char& c : b)
                c = char(gerador.bounded(1, 256));
            nomes << b;
        }
        for (const QByteArray& b : nomes) {
            QCOMPARE(BytesDoNome(NomeDeBytes(b)), b);
            const QString utf8 = QString::fromUtf8(b);
            if (utf8.toUtf8() == b) QCOMPARE(NomeDeBytes(b), utf8);
        }
        QCOMPARE(NomeLegivel(NomeDeBytes("a\xe9")), QStringLiteral("a\uFFFD"));
    }

    void numeroFixo_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("decimais");
        QTest::addColumn<bool>("agrupar");
        QTest::addColumn<QString>("texto");
        QTest::newRow("agrupado") << 1234567.891 << 2 << true << QStringLiteral("1.234.567,89");
        QTest::newRow("sem grupo") << 1234567.891 << 2 << false << QStringLiteral("1234567,89");
        QTest::newRow("empate") << -2.5 << 0 << true << QStringLiteral("-3");
        QTest::newRow("zero negativo") << -0.004 << 2 << true << QStringLiteral("0,00");
        QTest::newRow("menor que um") << 0.05 << 3 << true << QStringLiteral("0,050");
        QTest::newRow("meio com zero a esquerda") << 0.5 << 2 << false << QStringLiteral("0,50");
        QTest::newRow("negativo pequeno sem menos")
            << -0.001 << 2 << false << QStringLiteral("0,00");
        QTest::newRow("nan") << qQNaN() << 2 << true << QStringLiteral("NAN");
        QTest::newRow("-inf") << -qInf() << 2 << true << QStringLiteral("-INF");
    }
    void numeroFixo() {
        QFETCH(double, valor);
        QFETCH(int, decimais);
        QFETCH(bool, agrupar);
        QFETCH(QString, texto);
        QCOMPARE(NumeroFixo(valor, decimais, agrupar, u',', u'.'), texto);
    }

    // Grouping inserts a separator before every third digit from the right, none otherwise.
    void agrupar() {
        QString digitos;
        for (int n = 1; n <= 13; ++n) {
            digitos += QChar(u'0' + n % 10);
            const QString g = AgruparMilhares(digitos, u'.');
            QCOMPARE(g.count(u'.'), (n - 1) / 3);
            QCOMPARE(QString(g).remove(u'.'), digitos);
            for (qsizetype k = g.size() - 4; k >= 0; k -= 4)
                QCOMPARE(g[k], QChar(u'.'));
            QCOMPARE(AgruparMilhares(digitos, QChar()), digitos);
        }
    }

    void secoes_data() {
        QTest::addColumn<QString>("padrao");
        QTest::addColumn<QStringList>("secoes");
        QTest::newRow("uma") << QStringLiteral("#,##0.00")
                             << QStringList{QStringLiteral("#,##0.00")};
        QTest::newRow("tres") << QStringLiteral("0;(0);zero")
                              << QStringList{QStringLiteral("0"), QStringLiteral("(0)"),
                                             QStringLiteral("zero")};
        QTest::newRow("aspas") << QStringLiteral("0' a;b';\"c;d\"0")
                               << QStringList{QStringLiteral("0' a;b'"),
                                              QStringLiteral("\"c;d\"0")};
        QTest::newRow("vazias") << QStringLiteral(";;") << QStringList{{}, {}, {}};
        QTest::newRow("nada") << QString() << QStringList{QString()};
    }
    void secoes() {
        QFETCH(QString, padrao);
        QFETCH(QStringList, secoes);
        QCOMPARE(SecoesDoPadrao(padrao), secoes);
    }

    void separadores() {
        const SeparadoresNumero br = SeparadoresDe(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QCOMPARE(br.decimal, QChar(u','));
        QCOMPARE(br.milhar, QChar(u'.'));
        const SeparadoresNumero c = SeparadoresDe(QLocale::c());
        QCOMPARE(c.decimal, QChar(u'.'));
        QCOMPARE(c.milhar, QChar(u','));
    }

    // What the writer writes the reader reads back; every truncation fails with ErroLeitura.
    void escritorELeitor() {
        QByteArray dados;
        EscritorBinario e(dados);
        e.u8(0xAB);
        e.u16(0xBEEF);
        e.i32(-123456);
        e.booleano16(true);
        e.texto(QStringLiteral("Descrição €"));
        e.textoCurto(QStringLiteral("curto"));
        e.lista({});
        e.lista({QStringLiteral("a"), QStringLiteral("bê")});
        auto ler = [](const QByteArray& d) {
            LeitorBinario l(d, "teste");
            QCOMPARE(l.u8(), std::uint8_t(0xAB));
            QCOMPARE(l.u16(), std::uint16_t(0xBEEF));
            QCOMPARE(l.i32(), -123456);
            QVERIFY(l.booleano16());
            QCOMPARE(l.texto(), QStringLiteral("Descrição €"));
            QCOMPARE(l.textoCurto(), QStringLiteral("curto"));
            QCOMPARE(l.lista(), QStringList());
            QCOMPARE(l.lista(), (QStringList{QStringLiteral("a"), QStringLiteral("bê")}));
            QVERIFY(l.fim());
        };
        ler(dados);
        for (qsizetype n = 0; n < dados.size(); ++n)
            QVERIFY_THROWS_EXCEPTION(ErroLeitura, ler(dados.left(n)));
    }

    // Texts at and past the 16-bit length: 65 535 bytes are kept whole, a longer text is cut
    // to them; each is 2 + 65 535 + 1 bytes, a list line 2 + 65 535 + 1, and reads back.
    void textosNoLimite() {
        const QString limite(65535, u'x'), longo = QString(65535, u'y') + QStringLiteral("zz");
        QByteArray dados;
        EscritorBinario e(dados);
        e.texto(limite);
        QCOMPARE(dados.size(), 2 + 65535 + 1);
        e.texto(longo);
        QCOMPARE(dados.size(), 2 * (2 + 65535 + 1));
        e.lista({longo});
        QCOMPARE(dados.size(), 2 * (2 + 65535 + 1) + 2 + 2 + 65535 + 1);
        LeitorBinario l(dados, "teste");
        QCOMPARE(l.texto(), limite);
        QCOMPARE(l.texto(), longo.left(65535));
        QCOMPARE(l.lista(), QStringList{longo.left(65535)});
        QVERIFY(l.fim());
    }

    // Strict streams refuse a bad terminator or line separator; lenient ones pass over it.
    void estritoETolerante_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("lista");
        QTest::newRow("terminador") << QByteArray("\x01\x00x\x07", 4) << false;
        QTest::newRow("lista vazia") << QByteArray("\x00\x00\x05", 3) << true;
        QTest::newRow("separador") << QByteArray("\x02\x00\x01\x00"
                                                 "a\x09\x01\x00"
                                                 "b\x00",
                                                 10)
                                   << true;
    }
    void estritoETolerante() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, lista);
        LeitorBinario estrito(bytes, "teste");
        QVERIFY_THROWS_EXCEPTION(ErroLeitura,
                                 lista ? (void)estrito.lista() : (void)estrito.texto());
        LeitorBinario tolerante(bytes, "teste", LeitorBinario::Modo::Tolerante);
        if (lista)
            tolerante.lista();
        else
            QCOMPARE(tolerante.texto(), QStringLiteral("x"));
        QVERIFY(tolerante.fim());
    }
};

QTEST_MAIN(TestText)
#include "test_text.moc"
