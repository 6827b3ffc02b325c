// Checks the optics core: number texts, formulas with their guards, the computations.
#include "Calculo.h"
#include "DataSet.h"
#include "Documento.h"
#include "Global.h"
#include "NumeroTexto.h"
#include "ProjetoTeste.h"
#include "Recursos.h"

#include <QLocale>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <utility>

namespace {
bool NegativoZero(double v) {
    return v == 0 && std::signbit(v);
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void numeroTexto_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("br");
        QTest::addColumn<QString>("us");
        QTest::newRow("zero") << 0.0 << "0,00"
                              << "0.00";
        QTest::newRow("menos zero") << -0.0 << "0,00"
                                    << "0.00";
        QTest::newRow("arredonda para zero") << -0.004 << "0,00"
                                             << "0.00";
        QTest::newRow("meio negativo") << -0.005 << "-0,01"
                                       << "-0.01";
        QTest::newRow("26.875") << 26.875 << "26,88"
                                << "26.88";
        QTest::newRow("3.125") << 3.125 << "3,13"
                               << "3.13";
        QTest::newRow("2.675 abaixo do meio") << 2.675 << "2,67"
                                              << "2.67"; // 2.67499999...
        QTest::newRow("milhares") << 1234.5 << "1.234,50"
                                  << "1,234.50";
        QTest::newRow("milhoes") << -1234567.891 << "-1.234.567,89"
                                 << "-1,234,567.89";
        QTest::newRow("1.005 abaixo do meio") << 1.005 << "1,00"
                                              << "1.00"; // 1.00499999...
        QTest::newRow("arredonda para mil") << 999.995 << "1.000,00"
                                            << "1,000.00"; // 999.99500...0045
        QTest::newRow("area") << 31415.926535 << "31.415,93"
                              << "31,415.93";
        QTest::newRow("milhoes inteiros") << 1234567.0 << "1.234.567,00"
                                          << "1,234,567.00";
        QTest::newRow("enorme") << 1e20 << "100.000.000.000.000.000.000,00"
                                << "100,000,000,000,000,000,000.00";
    }
    void numeroTexto() {
        QFETCH(double, valor);
        QFETCH(QString, br);
        QFETCH(QString, us);
        QCOMPARE(NumeroTexto(valor, QLatin1Char(','), QLatin1Char('.')), br);
        QCOMPARE(NumeroTexto(valor, QLatin1Char('.'), QLatin1Char(',')), us);
        QCOMPARE(NumeroTexto(valor), br); // QLocale() is pt_BR here
        // A locale without a thousands separator: the same digits, nothing in between.
        QCOMPARE(NumeroTexto(valor, QLatin1Char(','), QChar()), QString(br).remove(u'.'));
    }

    void formatos() {
        QCOMPARE(FormatarN(QString::fromUtf8(Recursos::FmtTxObstrucao), 25),
                 QString::fromUtf8("Taxa de obstrução do secundário (Tx) = 25,00%"));
        QCOMPARE(FormatarN(QStringLiteral("p' = %n"), -0.0), QStringLiteral("p' = 0,00"));
        QCOMPARE(FormatarN(QStringLiteral("100%% de %n"), 2, QLatin1Char('.'), QLatin1Char(',')),
                 QStringLiteral("100% de 2.00"));
        QCOMPARE(InteiroDois(1), QStringLiteral(" 1"));
        QCOMPARE(InteiroDois(10), QStringLiteral("10"));
        QCOMPARE(InteiroDois(123), QStringLiteral("123"));
        QCOMPARE(InteiroDoisDigitos(3), QStringLiteral("03"));
        QCOMPARE(InteiroDoisDigitos(12), QStringLiteral("12"));
        QCOMPARE(InteiroDoisDigitos(-3), QStringLiteral("-03"));
    }

    void guardasDevolvemODivisor() {
        // A guarded formula returns its zero divisor: 0 or -0.
        QVERIFY(NegativoZero(RaioSecundario(1, 5)) == false);
        QCOMPARE(RaioSecundario(1, 5), 0.0);
        QVERIFY(NegativoZero(RaioSecundario(0, 0))); // 2*0*0/(0-1)
        QVERIFY(NegativoZero(FlechaEspelho(0, -0.0)));
        QCOMPARE(DistanciaP(-1, 800, 200), 0.0);
        QCOMPARE(RelacaoFocal(0, 3200), 0.0);
        QVERIFY(NegativoZero(RelacaoFocal(-0.0, 5)));
        QCOMPARE(TaxaObstrucao(0, 50), 0.0);
        QCOMPARE(DiametroSecundario(0, 4, 200, 200, 600, 20), 0.0);
        QCOMPARE(DiametroSecundario(800, 0, 200, 200, 600, 20), 0.0);
        double d = 1;
        QCOMPARE(DistanciaPLinha(200, 4, 200, d), 800.0);
        QCOMPARE(d, 600.0);
        QVERIFY(std::abs(AreaCirculo(200) - 31415.926535897932) < 1e-9);
        QVERIFY(std::abs(DiametroDoCampo(2000, 1) - 34.910) < 0.001);
        QVERIFY(std::abs(DiametroDoCampo(2000, 45) - 2000) < 1e-9);
        QCOMPARE(NumeroTexto(DiametroDoCampo(3200, 0.5)), QStringLiteral("27,93"));
        QCOMPARE(DiametroDoCampo(3200, 0), 0.0);
    }

    void projetoVazio() {
        TProjeto p = ProjetoVazio();
        const auto r = CalcularProjeto(p);
        QVERIFY(NegativoZero(p.r2));
        QVERIFY(NegativoZero(p.Sag2));
        QCOMPARE(p.D2, 0.0);
        QCOMPARE(p.Tx, 0.0);
        // Each label of the empty design, by its name: its symbol and a zero.
        using R = RotuloProjeto;
        const std::pair<R, const char*> rotulos[12] = {
            {R::d, "d = 0,00"},
            {R::e, "e = 0,00"},
            {R::p, "p = 0,00"},
            {R::pLinha, "p' = 0,00"},
            {R::D2, "D2 = 0,00"},
            {R::r2, "r2 = 0,00"},
            {R::f1, "f1 = 0,00"},
            {R::r1, "r1 = 0,00"},
            {R::D1, "D1 = 0,00"},
            {R::FSistema, "Distância focal do sistema (F) = 0,00"},
            {R::TxObstrucao, "Taxa de obstrução do secundário (Tx) = 0,00%"},
            {R::FD1, "Relação focal do sistema (F/D1) = 0,00"}};
        for (const auto& [rotulo, texto] : rotulos)
            QCOMPARE(r[rotulo], QString::fromUtf8(texto));
        for (const QString& t : r.textos)
            QVERIFY2(!t.contains(QLatin1Char('-')), qPrintable(t));

        const Resultados res = MostrarResultados(p);
        QCOMPARE(res.comparacao[0].classico, QStringLiteral("-1,00"));
        QCOMPARE(res.comparacao[0].dallKirkham, QStringLiteral("0,00"));
        QCOMPARE(res.comparacao[0].ritcheyChretien, QStringLiteral("0,00"));
        QCOMPARE(res.comparacao[1].classico, QStringLiteral("-1,00"));
        QCOMPARE(res.comparacao[1].dallKirkham, QStringLiteral("0,00"));
        QCOMPARE(res.comparacao[1].ritcheyChretien, QStringLiteral("0,00"));
        for (int k = 0; k < 19; ++k)
            QCOMPARE(res.resultados[k].valor,
                     k == 16 ? QStringLiteral("0,00%") : QStringLiteral("0,00"));
    }

    void projetoExemplo() {
        TProjeto p = ProjetoExemplo();
        const auto r = CalcularProjeto(p);
        QCOMPARE(p.f1, 800.0);
        QCOMPARE(p.F, 3200.0);
        QCOMPARE(p.FD1, 16.0);
        QCOMPARE(p.p, 200.0);
        QCOMPARE(p.pLinha, 800.0);
        QCOMPARE(p.d, 600.0);
        QCOMPARE(p.D2, 53.75);
        QCOMPARE(p.r1, 1600.0);
        QCOMPARE(p.Tx, 26.875);
        QCOMPARE(p.Sag1, 3.125);
        QVERIFY(std::abs(p.r2 - 1600.0 / 3) < 1e-9);
        QVERIFY(std::abs(p.Sag2 - 0.677124) < 1e-6);
        QVERIFY(std::abs(p.Area2 - 2269.0643) < 1e-3);
        const QStringList esperado = {
            "d = 600,00",
            "e = 200,00",
            "p = 200,00",
            "p' = 800,00",
            "D2 = 53,75",
            "r2 = 533,33",
            "f1 = 800,00",
            "r1 = 1.600,00",
            "D1 = 200,00",
            QString::fromUtf8("Distância focal do sistema (F) = 3.200,00"),
            QString::fromUtf8("Taxa de obstrução do secundário (Tx) = 26,88%"),
            QString::fromUtf8("Relação focal do sistema (F/D1) = 16,00")};
        for (int k = 0; k < 12; ++k)
            QCOMPARE(r.textos[k], esperado[k]);

        const Resultados res = MostrarResultados(p);
        QCOMPARE(p.b1Cl, -1.0);
        QCOMPARE(p.b1DK, -0.70703125);
        QVERIFY(std::abs(p.b1RC + 1.0416666667) < 1e-9);
        QVERIFY(std::abs(p.b2Cl + 25.0 / 9) < 1e-12);
        QCOMPARE(p.b2DK, 0.0);
        QVERIFY(std::abs(p.b2RC + 3.172839506) < 1e-9);
        QCOMPARE(res.comparacao[0].classico + "|" + res.comparacao[0].dallKirkham + "|" +
                     res.comparacao[0].ritcheyChretien,
                 QStringLiteral("-1,00|-0,71|-1,04"));
        QCOMPARE(res.comparacao[1].classico + "|" + res.comparacao[1].dallKirkham + "|" +
                     res.comparacao[1].ritcheyChretien,
                 QStringLiteral("-2,78|0,00|-3,17"));
        QCOMPARE(res.resultados[0].descricao, QString::fromUtf8("Diâmetro do primário (D1)"));
        QCOMPARE(res.resultados[18].descricao,
                 QString::fromUtf8("Flecha do espelho secundário (Sag2)"));
        QCOMPARE(res.resultados[2].valor, QStringLiteral("31.415,93"));
        QCOMPARE(res.resultados[16].valor, QStringLiteral("26,88%"));
        QCOMPARE(res.resultados[17].valor, QStringLiteral("3,13"));
        QCOMPARE(res.resultados[18].valor, QStringLiteral("0,68"));
        QCOMPARE(res.resultados[7].valor, QStringLiteral("4,00"));
    }

    void gammaEspeciais() {
        TProjeto p = ProjetoExemplo();
        p.gamma = 1;
        CalcularProjeto(p);
        QCOMPARE(p.r2, 0.0);
        QCOMPARE(p.Sag2, 0.0);
        QCOMPARE(p.F, p.f1);
        QCOMPARE(p.p, (800.0 + 200) / 2);
        QVERIFY(p.D2 > 0);
        MostrarResultados(p);
        QCOMPARE(p.b2Cl, 0.0);
        QCOMPARE(p.b2RC, 0.0);
        QCOMPARE(p.b1DK, -1.0);
        QCOMPARE(p.b1RC, -1 - 2 * p.p / p.d);

        p = ProjetoExemplo();
        p.gamma = -1;
        CalcularProjeto(p);
        QCOMPARE(p.p, 0.0);
        QCOMPARE(p.pLinha, 0.0);
        QCOMPARE(p.d, -200.0);
        QCOMPARE(p.r2, 0.0);
        QCOMPARE(p.D2, 200.0 * 20 / 800);

        p = ProjetoExemplo();
        p.gamma = 0;
        CalcularProjeto(p);
        QCOMPARE(p.F, 0.0);
        QCOMPARE(p.FD1, 0.0);
        QCOMPARE(p.p, 1000.0);
        QCOMPARE(p.pLinha, 0.0);
        QCOMPARE(p.d, -200.0);
        QCOMPARE(p.D2, 0.0);
        QCOMPARE(p.Tx, 0.0);
    }

    void entradasZero() {
        TProjeto p = ProjetoExemplo();
        p.D1 = 0;
        CalcularProjeto(p);
        QCOMPARE(p.f1, 0.0);
        QCOMPARE(p.F, 0.0);
        QCOMPARE(p.FD1, 0.0);
        QCOMPARE(p.D2, 0.0);
        QCOMPARE(p.Tx, 0.0);
        QCOMPARE(p.r1, 0.0);
        QCOMPARE(p.Sag1, 0.0);
        QCOMPARE(p.p, 200.0 / 5);

        p = ProjetoExemplo();
        p.fD1 = 0;
        CalcularProjeto(p);
        QCOMPARE(p.f1, 0.0);
        QCOMPARE(p.r1, 0.0);
        QCOMPARE(p.D2, 0.0);
        QCOMPARE(p.Sag1, 0.0);
        QCOMPARE(p.Tx, 0.0);

        // d = 0: the Ritchey-Chrétien guards.
        p = ProjetoExemplo();
        CalcularProjeto(p);
        p.d = 0;
        MostrarResultados(p);
        QCOMPARE(p.b1RC, 0.0);
        QCOMPARE(p.b2RC, 0.0);
    }

    // What cannot be built, worked out by hand on the example (f1 = 800, p = (f1 + e)/(g + 1),
    // d = g.p - e, D2 = D1.p/f1 + d.i/(f1.g)): each row names the causes that hold.
    void avisos_data() {
        QTest::addColumn<QString>("campo"); // "" none, or the input changed
        QTest::addColumn<double>("valor");
        QTest::addColumn<QStringList>("causas");
        using namespace Recursos;
        const QString gamma = TextoRecurso(AvisoGamma), sec = TextoRecurso(AvisoSecundario),
                      d = TextoRecurso(AvisoDistanciaD), p = TextoRecurso(AvisoDistanciaP);
        const auto entrada = [](const char* n) { return TextoRecurso(AvisoEntrada).arg(n); };
        QTest::newRow("exemplo: d = 600, D2 = 53,75") << "" << 0.0 << QStringList{};
        QTest::newRow("g = 1") << "gamma" << 1.0 << QStringList{gamma};
        QTest::newRow("g = 0,5: d = 133 > 0") << "gamma" << 0.5 << QStringList{gamma};
        QTest::newRow("g = 1,01") << "gamma" << 1.01 << QStringList{};
        // e = 4000 > g.f1: p = 960, d = -160, D2 = 240 - 1.
        QTest::newRow("e = 4000") << "e" << 4000.0 << QStringList{sec, d};
        QTest::newRow("e = 3199: d = 0,2") << "e" << 3199.0 << QStringList{};
        QTest::newRow("e = 0: d = 640") << "e" << 0.0 << QStringList{entrada("e")};
        // i = 2000: D2 = 50 + 375; i = 800: D2 = 50 + 150 = 200, as large as D1.
        QTest::newRow("i = 2000") << "i" << 2000.0 << QStringList{sec};
        QTest::newRow("i = 800: D2 = D1") << "i" << 800.0 << QStringList{sec};
        QTest::newRow("i = 799") << "i" << 799.0 << QStringList{};
        QTest::newRow("i = -1") << "i" << -1.0 << QStringList{TextoRecurso(AvisoCampo)};
        // D1 = -200: f1 = -800, p = -120, d = -680, D2 = -30 + 4,25 > D1.
        QTest::newRow("D1 = -200") << "D1" << -200.0 << QStringList{entrada("D1"), sec, d, p};
        QTest::newRow("f/D = 0: p = 40, d = -40")
            << "fD1" << 0.0 << QStringList{entrada("f/D1"), d};
        QTest::newRow("projeto em branco") << "branco" << 0.0 << QStringList{};
    }
    void avisos() {
        QFETCH(QString, campo);
        QFETCH(double, valor);
        QFETCH(QStringList, causas);
        TProjeto projeto = campo == u"branco" ? ProjetoVazio() : ProjetoExemplo();
        if (campo == u"gamma") projeto.gamma = valor;
        if (campo == u"e") projeto.e = valor;
        if (campo == u"i") projeto.i = valor;
        if (campo == u"D1") projeto.D1 = valor;
        if (campo == u"fD1") projeto.fD1 = valor;
        const TProjeto antes = projeto;
        QCOMPARE(AvisosProjeto(projeto), causas);
        QVERIFY(std::memcmp(&antes, &projeto, sizeof projeto) == 0);
    }

    void limparProjeto() {
        TProjeto p;
        std::memset(&p, 0x55, sizeof p);
        p.Area1 = 1;
        p.Area2 = 2;
        p.Sag1 = 3;
        p.Sag2 = 4;
        LimparProjeto(p);
        QCOMPARE(p.Area1, 1.0);
        QCOMPARE(p.Area2, 2.0);
        QCOMPARE(p.Sag1, 3.0);
        QCOMPARE(p.Sag2, 4.0);
        QCOMPARE(p.nG, std::int16_t(2));
        QCOMPARE(int(p.Titulo[0]), 0);
        QCOMPARE(p.Reservado, 0.0);
        QCOMPARE(p.D1, 0.0);
        QCOMPARE(p.b2Cl, 0.0);
        QCOMPARE(p.DDe, 0.0);
        QCOMPARE(p.Z1, 0.0);
    }

    void titulo() {
        TProjeto p = ProjetoVazio();
        DefinirTitulo(p, QString::fromUtf8("Cassegrain – 200 mm “f/16” ação €"));
        QCOMPARE(TituloTexto(p), QString::fromUtf8("Cassegrain – 200 mm “f/16” ação €"));
        QCOMPARE(int(p.Titulo[12]), 0x96); // en dash in Windows-1252
        DefinirTitulo(p, QString::fromUtf8("Órion ✓ 😀"));
        QCOMPARE(TituloTexto(p), QString::fromUtf8("Órion ? ?"));
        DefinirTitulo(p, QString(300, QLatin1Char('x')));
        QCOMPARE(int(p.Titulo[0]), 255);
        QCOMPARE(TituloTexto(p), QString(255, QLatin1Char('x')));
    }

    void defletorExemplo() {
        TProjeto p = DefletorExemplo();
        CalcularDefletor(p);
        QCOMPARE(p.L, 350.0);
        QCOMPARE(p.L1, 225.0);
        QVERIFY(std::abs(p.L2 - 640.0 / 3) < 1e-12);
        QCOMPARE(p.Z1, 50.0);
        QVERIFY(std::abs(p.DG - 400.0 / 3) < 1e-12);
        std::vector<LinhaGlare> g;
        CalcularGlares(p, [&](const LinhaGlare& l) { g.push_back(l); });
        QCOMPARE(g.size(), std::size_t(4));
        const char* pos[4] = {"50,00", "-83,33", "-216,67", "-350,00"};
        const char* dia[4] = {"24,00", "29,33", "34,67", "40,00"};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(int(g[k].Glare), k + 1);
            QCOMPARE(NumeroTexto(g[k].Posicao), QString::fromLatin1(pos[k]));
            QCOMPARE(NumeroTexto(g[k].Diametro), QString::fromLatin1(dia[k]));
        }
        const auto c = CriteriosDefletor(p);
        QCOMPARE(c[0].valor, QStringLiteral("350,00"));
        QCOMPARE(c[1].valor, QStringLiteral("225,00"));
        QCOMPARE(c[2].valor, QStringLiteral("213,33"));
        QCOMPARE(c[3].valor, QStringLiteral("133,33"));
        QCOMPARE(c[3].descricao, QString::fromUtf8("Distância entre glares (DG)"));
    }

    // Every derived value from the inputs alone, against closed forms: f1 = fD·D1, F = γ·f1,
    // p = (f1 + e)/(γ + 1), d = f1 − p, r2 = 2·p·γ/(γ − 1), the classical secondary
    // −((γ+1)/(γ−1))², the Dall-Kirkham's spherical secondary, DG = LTotal/(nG − 1),
    // Z1 = LTotal − L; the record given is left as it was; the document's values follow the
    // record however it is written. Catches a step left out of the derivation, a derivation
    // that writes into the record, and a document serving an earlier record's values.
    void valoresDerivados_data() {
        QTest::addColumn<QList<double>>("entradas"); // D1, fD1, gamma, e, i, DDi, LTotal, nG
        QTest::newRow("200/4/4") << QList<double>{200, 4, 4, 200, 20, 40, 400, 4};
        QTest::newRow("300/3/3") << QList<double>{300, 3, 3, 250, 40, 70, 900, 1};
        QTest::newRow("sem defletor") << QList<double>{150, 5, 2.5, 120, 10, 0, 0, 0};
    }
    void valoresDerivados() {
        QFETCH(QList<double>, entradas);
        TProjeto r = ProjetoVazio();
        r.D1 = entradas[0];
        r.fD1 = entradas[1];
        r.gamma = entradas[2];
        r.e = entradas[3];
        r.i = entradas[4];
        r.DDi = entradas[5];
        r.DDe = entradas[5] + 4;
        r.LTotal = entradas[6];
        r.nG = std::int16_t(entradas[7]);
        const TProjeto antes = r;
        const TProjeto v = ValoresDerivados(r);
        QCOMPARE(std::memcmp(&antes, &r, sizeof r), 0);
        const double g = r.gamma, f1 = r.D1 * r.fD1, p = (f1 + r.e) / (g + 1);
        auto perto = [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::abs(b); };
        QVERIFY(perto(v.f1, f1) && perto(v.F, g * f1) && perto(v.p, p) && perto(v.d, f1 - p));
        QVERIFY(perto(v.r1, 2 * f1) && perto(v.r2, 2 * p * g / (g - 1)));
        QVERIFY(perto(v.b2Cl, -std::pow((g + 1) / (g - 1), 2)));
        QCOMPARE(v.b1Cl, -1.0);
        QCOMPARE(v.b2DK, 0.0);
        QCOMPARE(v.nG, std::max<std::int16_t>(r.nG, 2));
        QVERIFY(perto(v.DG, r.LTotal / (v.nG - 1)));
        QVERIFY(perto(v.Z1, r.LTotal - v.L));
        QCOMPARE(TemDefletor(r), r.DDi > 0);

        TDocumento documento(r);
        QCOMPARE(documento.Derivado().f1, v.f1);
        r.D1 *= 2; // behind the document's back
        QVERIFY(perto(documento.Derivado().f1, 2 * f1));
        documento.DefinirEntrada(&TProjeto::fD1, r.fD1 / 2);
        QVERIFY(perto(documento.Derivado().f1, f1));
        QVERIFY(perto(documento.Derivado().F, g * f1));
    }

    void defletorBordas() {
        TProjeto p = DefletorExemplo();
        for (int n : {1, 0, -5}) {
            p.nG = static_cast<std::int16_t>(n);
            p.LTotal = 400;
            CalcularDefletor(p);
            QCOMPARE(int(p.nG), 2);
            QCOMPARE(p.DG, 400.0);
            int linhas = 0;
            CalcularGlares(p, [&](const LinhaGlare&) { ++linhas; });
            QCOMPARE(linhas, 2);
        }
        p.LTotal = 0;
        p.nG = 4;
        CalcularDefletor(p);
        QCOMPARE(p.DG, 0.0);
        QCOMPARE(p.Z1, -p.L);
        CalcularGlares(p, [&](const LinhaGlare& l) { QCOMPARE(l.Posicao, -p.L); });

        p.LTotal = 400;
        p.D2 = p.i; // cylindrical beam
        CalcularDefletor(p);
        QCOMPARE(p.L, 0.0);
        CalcularGlares(p, [&](const LinhaGlare& l) { QCOMPARE(l.Diametro, p.i); });

        p.SSDe = p.i;
        CalcularDefletor(p);
        QCOMPARE(p.L1, 0.0);
        p.SSDe = 0;
        CalcularDefletor(p);
        QCOMPARE(p.L2, 0.0);

        p.d = -p.e;
        CalcularDefletor(p);
        CalcularGlares(p, [&](const LinhaGlare& l) { QCOMPARE(l.Diametro, 0.0); });

        QCOMPARE(int(ContagemGlares(3.7)), 3);
        QCOMPARE(int(ContagemGlares(-2.9)), -2);
        QCOMPARE(int(ContagemGlares(40000)), 32767);
        QCOMPARE(int(ContagemGlares(1e300)), 32767);
        p.nG = ContagemGlares(1e9);
        CalcularDefletor(p);
        int linhas = 0;
        CalcularGlares(p, [&](const LinhaGlare&) { ++linhas; });
        QCOMPARE(linhas, 32767);
    }

    // The baffle diagram's texts are the record's L, DG and Z1 just computed: for the worked
    // example L = (DDi (d + e) - D2 e - d i) / (D2 - i) = 350, Z1 = LTotal - L, DG = LTotal / 3.
    void defletorRotulos() {
        TProjeto p = DefletorExemplo();
        const RotulosDefletor r = CalcularDefletor(p);
        QCOMPARE(r[RotuloDefletor::L], QStringLiteral("L = 350,00"));
        QCOMPARE(r[RotuloDefletor::DG], QStringLiteral("DG = 133,33"));
        QCOMPARE(r[RotuloDefletor::Z1], QStringLiteral("Z1 = 50,00"));
        p.LTotal = 200; // the front end inside the baffle: Z1 negative
        QCOMPARE(CalcularDefletor(p)[RotuloDefletor::Z1], QStringLiteral("Z1 = -150,00"));
    }

    // The sagitta window: D²/(8 r) for both mirrors and the diameters, as the layout left them
    // (example: r1 = 1600, Sag1 = 100²/3200 = 3,125; r2 = 1600/3, D2 = 53,75).
    void flechasRotulos() {
        TProjeto p = ProjetoExemplo();
        CalcularProjeto(p);
        const RotulosFlecha r = TextosFlechas(p);
        QCOMPARE(r[RotuloFlecha::Sag1], QStringLiteral("Sag1 = 3,13"));
        const double sag2 = 53.75 * 53.75 / (8 * 1600.0 / 3);
        QCOMPARE(r[RotuloFlecha::Sag2], QStringLiteral("Sag2 = ") + NumeroTexto(sag2));
        QCOMPARE(r[RotuloFlecha::Sag2], QStringLiteral("Sag2 = 0,68"));
        QCOMPARE(r[RotuloFlecha::D1], QStringLiteral("D1 = 200,00"));
        QCOMPARE(r[RotuloFlecha::D2], QStringLiteral("D2 = 53,75"));
    }

    // The glare list and dtGlares get one row per stop, in order: the stop k at
    // Z1 - (k - 1) DG, its aperture the beam's diameter there, (d i + x i + D2 e - D2 x) / (d + e).
    void preencherGlares_data() {
        QTest::addColumn<int>("paradas");
        QTest::addColumn<double>("comprimento");
        QTest::newRow("quatro") << 4 << 400.0;
        QTest::newRow("duas") << 2 << 400.0;
        QTest::newRow("doze") << 12 << 250.0;
        QTest::newRow("tubo curto") << 3 << 100.0;
    }
    void preencherGlares() {
        QFETCH(int, paradas);
        QFETCH(double, comprimento);
        TProjeto p = DefletorExemplo();
        p.nG = static_cast<std::int16_t>(paradas);
        p.LTotal = comprimento;
        CalcularDefletor(p);
        TMemDataSet dt;
        DefinirCamposGlares(dt);
        QList<LinhaGlareTexto> linhas;
        for (int vez = 0; vez < 2; ++vez) { // closed in between, as the window does
            dt.Close();
            linhas.clear();
            PreencherGlares(dt, p, [&](const LinhaGlareTexto& l) {
                QCOMPARE(dt.RecordCount(), linhas.size() + 1); // posted before the row
                linhas << l;
            });
        }
        QVERIFY(dt.Active());
        QCOMPARE(linhas.size(), paradas);
        QCOMPARE(dt.RecordCount(), paradas);
        const double L = (40 * (600 + 150) - 50 * 150 - 600 * 20) / (50.0 - 20);
        const double DG = comprimento / (paradas - 1);
        dt.First();
        for (int k = 1; k <= paradas; ++k, dt.Next()) {
            const double x = comprimento - L - (k - 1) * DG;
            const double G = (600 * 20 + x * 20 + 50 * 150 - 50 * x) / (600.0 + 150);
            const LinhaGlareTexto& l = linhas[k - 1];
            QCOMPARE(l.glare, QString::number(k).rightJustified(2, u' '));
            QCOMPARE(l.posicao, NumeroTexto(x));
            QCOMPARE(l.diametro, NumeroTexto(G));
            QCOMPARE(dt.FieldValue(QStringLiteral("Glare")).toInt(), k);
            QVERIFY(std::abs(dt.FieldValue(QStringLiteral("Posicao")).toDouble() - x) < 1e-9);
            QVERIFY(std::abs(dt.FieldValue(QStringLiteral("Diametro")).toDouble() - G) < 1e-9);
        }
        // The last stop sits at the primary's face (x = -L), where the beam is the primary's
        // whole light cone cut by the tube: its aperture equals the tube's inner diameter.
        QCOMPARE(linhas.last().diametro, NumeroTexto(40));
    }

    void dataSet() {
        TMemDataSet dt;
        DefinirCamposDados(dt);
        TProjeto p = ProjetoExemplo();
        CalcularProjeto(p);
        auto res = MostrarResultados(p);
        res.resultados[3].valor = QStringLiteral("123456789012345678901234");
        PreencherDados(dt, res.resultados);
        PreencherDados(dt, res.resultados); // rebuilt, not appended
        QCOMPARE(dt.RecordCount(), 19);
        dt.First();
        int k = 0;
        while (!dt.Eof()) {
            QCOMPARE(dt.FieldValue(QStringLiteral("Descricao")).toString(),
                     res.resultados[k].descricao);
            QCOMPARE(dt.FieldValue(QStringLiteral("Valor")).toString(),
                     res.resultados[k].valor.left(20));
            dt.Next();
            ++k;
        }
        QCOMPARE(k, 19);
        dt.SetRecNo(2);
        const int marca = dt.RecNo();
        dt.First();
        dt.SetRecNo(marca);
        QCOMPARE(dt.FieldValue(QStringLiteral("Descricao")).toString(),
                 res.resultados[2].descricao);
        dt.Close();
        QVERIFY(!dt.Active());
        QCOMPARE(dt.RecordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, dt.Append());

        TMemDataSet g;
        DefinirCamposGlares(g);
        g.Open();
        g.Append();
        g.SetField(QStringLiteral("Glare"), 3.7);
        g.SetField(QStringLiteral("Posicao"), -83.5);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, g.SetField(QStringLiteral("Nada"), 1));
        g.Post();
        QCOMPARE(g.FieldValue(QStringLiteral("Glare")).toInt(), 3);
        QVERIFY(g.FieldValue(QStringLiteral("Diametro")).isNull());
        QCOMPARE(g.FieldValue(QStringLiteral("posicao")).toDouble(), -83.5);
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "test_core.moc"
