// Prescription files: the written files against hand-computed layouts, writing and reading back,
// a published two-mirror telescope recognised, and bad files refused naming their line.
#include "ArquivoRegular.h"
#include "Calculo.h"
#include "Prescricao.h"
#include "ProjetoTeste.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <QtTest>
#include <cmath>

namespace {

TProjeto Calculado(TProjeto p) {
    CalcularProjeto(p, u',', u'.');
    return p;
}

QByteArray Utf16(const QByteArray& texto) {
    QStringEncoder codificador(QStringConverter::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(codificador(QString::fromUtf8(texto)));
}

bool Perto(double a, double b, double relativo) {
    return std::fabs(a - b) <= relativo * std::max(std::fabs(a), std::fabs(b));
}

// The worked example (r1 = 1600, r2 = 533,33, d = 600, p' = 800, D2 = 53,75) as a .zmx.
QByteArray ExemploZmx() {
    return EscreverZmx(PrescricaoDoProjeto(Calculado(ProjetoExemplo()), VarianteRitcheyChretien));
}

// 1-based line of the n-th occurrence (from the end when n < 0) of a text.
int LinhaDe(const QByteArray& texto, const QByteArray& trecho, int n = 1) {
    qsizetype k = n > 0 ? -1 : texto.size();
    for (int j = 0; j < std::abs(n); ++j)
        k = n > 0 ? texto.indexOf(trecho, k + 1) : texto.lastIndexOf(trecho, k - 1);
    return k < 0 ? -1 : int(texto.left(k).count('\n')) + 1;
}

// A published two-mirror space telescope (f/24, 2,4 m) written as its vendor writes files:
// UTF-16 with a byte-order mark, commands the reader does not need, 12 field slots.
QByteArray TelescopioEspacial() {
    return Utf16("VERS 190513 80 123457\r\nMODE SEQ\r\nNAME Two-mirror space telescope\r\n"
                 "PFIL 0 0 0\r\nUNIT MM X W X CM MR CPMM\r\nENPD 2.4E+3\r\nGCAT SCHOTT\r\n"
                 "RAIM 0 0 1 1 0 0 0 0 0\r\nFTYP 0 0 3 1 0 0 0\r\n"
                 "XFLN 0 0 0 0 0 0 0 0 0 0 0 0\r\nYFLN 0 7.0E-2 1.0E-1 0 0 0 0 0 0 0 0 5\r\n"
                 "WAVM 1 0.55 1\r\nSURF 0\r\n  TYPE STANDARD\r\n  CURV 0.0\r\n  DISZ INFINITY\r\n"
                 "SURF 1\r\n  TYPE STANDARD\r\n  CURV 0.0\r\n  DISZ 4906.071\r\n"
                 "  OBSC 0 3.0E+2 0\r\n  MIRR 2 0\r\nSURF 2\r\n  STOP\r\n  TYPE STANDARD\r\n"
                 "  CURV -9.0579710144927536E-005\r\n  CONI -1.0022985\r\n  DISZ -4906.071\r\n"
                 "  GLAS MIRROR 0 0 1.5 40 0 0 0 0 0 0\r\n  DIAM 1.2E+3 1 0 0 1 \"\"\r\n"
                 "  CLAP 3.0E+2 1.2E+3 0\r\nSURF 3\r\n  TYPE STANDARD\r\n"
                 "  CURV -7.3637702503681885E-004\r\n  CONI -1.49686\r\n  DISZ 6406.2\r\n"
                 "  GLAS MIRROR 0 0 1.5 40 0 0 0 0 0 0\r\n  DIAM 1.5E+2 1 0 0 1 \"\"\r\n"
                 "SURF 4\r\n  TYPE STANDARD\r\n  CURV 0.0\r\n  DISZ 0\r\n");
}

} // namespace

class TestPrescricao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Sign conventions and number texts of the three files for the worked example, computed by
    // hand; a locale's comma or a lost sign after a reflection shows here.
    void arquivosDoExemplo() {
        TProjeto p = Calculado(ProjetoExemplo());
        DefinirTitulo(p, QStringLiteral("Telescópio Ø 200"));
        const Prescricao r = PrescricaoDoProjeto(p, VarianteRitcheyChretien);
        const QByteArray zmx = EscreverZmx(r), seq = EscreverSeq(r), csv = EscreverCsv(r);
        for (const QByteArray& arquivo : {zmx, seq, csv}) {
            QVERIFY(std::all_of(arquivo.begin(), arquivo.end(), [](char c) { return c > 0; }));
            QCOMPARE(arquivo.count('\n'), arquivo.count("\r\n"));
        }
        const QByteArray linhasZmx[] = {"NAME Telescopio ? 200",
                                        "ENPD 200",
                                        "  CURV -0.000625",
                                        "  CONI -1.041666667",
                                        "  DISZ -600",
                                        "  CURV -0.001875",
                                        "  DISZ 800",
                                        "  OBSC 0 26.875 0",
                                        "  CLAP 26.875 100 0",
                                        "  DIAM 26.875 1 0 0 1 \"\"",
                                        "  DISZ INFINITY"};
        for (const QByteArray& linha : linhasZmx)
            QVERIFY2(zmx.contains("\r\n" + linha + "\r\n"), linha.constData());
        QCOMPARE(zmx.count("GLAS MIRROR"), 2);
        QCOMPARE(LinhaDe(zmx, "  STOP") - 1, LinhaDe(zmx, "SURF 2"));
        for (const QByteArray linha : {"S -1600 -600 REFL", "S -533.3333333 800 REFL",
                                       "  CIR OBS 26.875", "SO 0 1E+11", "EPD 200", "WL 550"})
            QVERIFY2(seq.contains("\r\n" + linha + "\r\n"), linha);
        QVERIFY(csv.startsWith("Superficie,Raio,Conica,Espessura,Semidiametro,Obstrucao\r\n"));
        QVERIFY(csv.contains("\r\nPrimario,-1600,-1.041666667,-600,100,26.875\r\n"));
        QCOMPARE(csv.count("\r\n"), 6);
        // A holder wider than the secondary is the obscuration.
        p.SSDe = 70;
        QVERIFY(EscreverZmx(PrescricaoDoProjeto(p, 0)).contains("\r\n  OBSC 0 35 0\r\n"));
    }

    // Writing then reading gives back every surface to 1e-9, and the inputs and the variant
    // written, in ASCII and in UTF-16.
    void idaEVolta_data() {
        QTest::addColumn<QList<double>>("entradas"); // D1, f/D, gamma, e, i, SSDe
        QTest::addColumn<int>("variante");
        QTest::newRow("exemplo rc") << QList<double>{200, 4, 4, 200, 20, 0} << 2;
        QTest::newRow("suporte cl") << QList<double>{200, 4, 4, 200, 20, 70} << 0;
        QTest::newRow("grande dk") << QList<double>{2400, 2.3, 10.43, 1500.13, 120, 600} << 1;
        QTest::newRow("quebrados rc") << QList<double>{150.5, 3.1, 3.2, 120.7, 12.3, 0} << 2;
    }
    void idaEVolta() {
        QFETCH(QList<double>, entradas);
        QFETCH(int, variante);
        TProjeto p = ProjetoVazio();
        p.D1 = entradas[0], p.fD1 = entradas[1], p.gamma = entradas[2], p.e = entradas[3];
        p.i = entradas[4], p.SSDe = entradas[5];
        p = Calculado(p);
        const Prescricao escrita = PrescricaoDoProjeto(p, std::int16_t(variante));
        const QByteArray ascii = EscreverZmx(escrita);
        for (const QByteArray& bytes : {ascii, Utf16(ascii)}) {
            const Prescricao lida = LerZmx(bytes, QStringLiteral("ida.zmx"));
            QCOMPARE(lida.superficies.size(), escrita.superficies.size());
            for (std::size_t k = 0; k < lida.superficies.size(); ++k) {
                const SuperficiePrescricao &a = escrita.superficies[k], &b = lida.superficies[k];
                QVERIFY2(
                    Perto(a.curvatura, b.curvatura, 1e-9) && Perto(a.conica, b.conica, 1e-9) &&
                        (a.espessura == b.espessura || Perto(a.espessura, b.espessura, 1e-9)) &&
                        Perto(a.semiDiametro, b.semiDiametro, 1e-9) &&
                        Perto(a.obscuracao, b.obscuracao, 1e-9) &&
                        Perto(a.raioMinimo, b.raioMinimo, 1e-9) && a.espelho == b.espelho &&
                        a.abertura == b.abertura,
                    qPrintable(QStringLiteral("superfície %1").arg(k)));
            }
            const ImportacaoPrescricao im = ImportarPrescricao(lida, QStringLiteral("ida.zmx"));
            const double lidas[] = {im.D1, im.fD1, im.gamma, im.e, im.i};
            // The inputs come through r2 − 2p, a difference of about r2 / gamma: ten digits in
            // the file give them to some 1e-8.
            for (int k = 0; k < 5; ++k)
                QVERIFY2(Perto(lidas[k], entradas[k], 1e-7),
                         qPrintable(QString::number(lidas[k] / entradas[k] - 1)));
            QCOMPARE(im.variante, variante);
        }
    }

    // Independent truths: the published radii, spacing and conics are a Ritchey-Chrétien, the
    // program's own conics for the derived inputs agree to 1e-4, its paraxial focus falls on the
    // published image plane, and its focal length is the published 57,6 m.
    void telescopioEspacial() {
        const ImportacaoPrescricao im =
            ImportarPrescricao(LerZmx(TelescopioEspacial(), QStringLiteral("t.zmx")), {});
        QCOMPARE(im.variante, int(VarianteRitcheyChretien));
        QVERIFY(std::fabs(im.b1Variantes[VarianteRitcheyChretien] - -1.0022985) < 1e-4);
        QVERIFY(std::fabs(im.b2Variantes[VarianteRitcheyChretien] - -1.49686) < 1e-4);
        QCOMPARE(im.D1, 2400.0);
        QVERIFY(Perto(im.fD1, 11040.0 / 2 / 2400, 1e-12));
        QVERIFY(std::fabs(im.focoParaxial - 6406.2) < 0.5);
        QCOMPARE(im.imagemArquivo, 6406.2);
        QVERIFY(Perto(im.r1 / 2 * im.gamma, 57600, 1e-3));
        QCOMPARE(im.titulo, QStringLiteral("Two-mirror space telescope"));
        // The inputs give back the layout through the program's forward formulas.
        const TProjeto p = ProjetoDaImportacao(im);
        QVERIFY(Perto(p.r1, 11040, 1e-9) && Perto(p.r2, 1358, 1e-9) && Perto(p.d, 4906.071, 1e-9));
        QVERIFY(Perto(p.i, 2 * p.F * std::tan(0.1 * Pi / 180), 1e-12)); // the 12th slot skipped
        QCOMPARE(p.SSDe, 600.0);
        // A secondary 1,5 % off the Ritchey-Chrétien's conic is no variant.
        const QByteArray outro =
            Utf16(QString::fromUtf16(
                      reinterpret_cast<const char16_t*>(TelescopioEspacial().constData() + 2),
                      (TelescopioEspacial().size() - 2) / 2)
                      .replace(QStringLiteral("-1.49686"), QStringLiteral("-1.5193"))
                      .toUtf8());
        QCOMPARE(ImportarPrescricao(LerZmx(outro, {}), {}).variante, -1);
    }

    // Each fault of a good file refused, naming the line at fault.
    void recusas_data() {
        QTest::addColumn<QByteArray>("de");
        QTest::addColumn<QByteArray>("para");
        QTest::addColumn<QByteArray>("marca"); // the line named holds it (empty: none named)
        QTest::addColumn<int>("ocorrencia");   // of the mark: 1 the first, -1 the last
        QTest::addColumn<QString>("causa");
        auto linha = [](const char* nome, QByteArray de, QByteArray para, QByteArray marca,
                        int ocorrencia, const char* causa) {
            QTest::newRow(nome) << de << para << marca << ocorrencia << QString::fromUtf8(causa);
        };
        linha("não sequencial", "MODE SEQ", "MODE NSC", "MODE", 1, "MODE SEQ");
        linha("unidade", "UNIT MM", "UNIT FURLONG", "UNIT", 1, "FURLONG");
        linha("campo em altura", "FTYP 0", "FTYP 1", "FTYP", 1, "FTYP 0");
        linha("objeto perto", "DISZ INFINITY", "DISZ 1000", "SURF 0", 1, "infinito");
        linha("quebra de coordenadas", "SURF 1\r\n  TYPE STANDARD", "SURF 1\r\n  TYPE COORDBRK",
              "COORDBRK", 1, "inclinada");
        linha("asférica", "SURF 3\r\n  TYPE STANDARD", "SURF 3\r\n  TYPE EVENASPH", "EVENASPH", 1,
              "EVENASPH");
        linha("inclinada", "  STOP", "  SCBD 1 0 0 2.5 0 0", "SCBD", 1, "inclinada");
        linha("lente", "  OBSC 0", "  GLAS N-BK7\r\n  OBSC 0", "N-BK7", 1, "N-BK7");
        linha("três espelhos", "  OBSC 0", "  GLAS MIRROR\r\n  OBSC 0", "GLAS MIRROR", -1,
              "terceiro");
        linha("não é número", "CURV -0.000625", "CURV nan", "CURV nan", 1, "CURV");
        linha("estouro", "DISZ -600", "DISZ 1e999", "1e999", 1, "DISZ");
        linha("fora de ordem", "SURF 3", "SURF 5", "SURF 5", 1, "ordem");
        linha("primário convexo", "CURV -0.000625", "CURV 0.000625", "SURF 2", 1, "côncavo");
        linha("secundário atrás", "DISZ -600", "DISZ 600", "SURF 3", 1, "frente");
        linha("antes de SURF", "MODE SEQ", "CURV 0\r\nMODE SEQ", "CURV 0", 1, "antes");
        linha("um espelho", "  GLAS MIRROR 0 0\r\n  DIAM 26.875", "  DIAM 26.875", "", 1,
              "1 espelho");
    }
    void recusas() {
        QFETCH(QByteArray, de);
        QFETCH(QByteArray, para);
        QFETCH(QByteArray, marca);
        QFETCH(int, ocorrencia);
        QFETCH(QString, causa);
        QByteArray texto = ExemploZmx();
        QVERIFY(texto.contains(de));
        texto.replace(texto.indexOf(de), de.size(), para);
        try {
            ImportarPrescricao(LerZmx(texto, QStringLiteral("ruim.zmx")),
                               QStringLiteral("ruim.zmx"));
            QFAIL("aceito");
        } catch (const ErroArquivo& e) {
            QVERIFY2(e.mensagem().contains(causa), qPrintable(e.mensagem()));
            QVERIFY2(e.mensagem().startsWith(QStringLiteral("ruim.zmx: ")),
                     qPrintable(e.mensagem()));
            if (marca.isEmpty())
                QVERIFY2(!e.mensagem().contains(QStringLiteral("linha")), qPrintable(e.mensagem()));
            else
                QVERIFY2(e.mensagem().contains(
                             QStringLiteral("linha %1:").arg(LinhaDe(texto, marca, ocorrencia))),
                         qPrintable(e.mensagem()));
        }
    }

    // Encodings and size: an odd UTF-16, NULs, a file over 4 MiB.
    void recusasDoTexto() {
        const QByteArray bom16 = Utf16(ExemploZmx());
        QByteArray comNulo = ExemploZmx();
        comNulo.insert(20, '\0');
        QByteArray grande = ExemploZmx();
        grande += QByteArray(LimitePrescricao + 1 - grande.size(), ' ');
        for (const QByteArray& bytes : {bom16 + 'x', comNulo, grande})
            QVERIFY_THROWS_EXCEPTION(ErroArquivo, LerZmx(bytes, QStringLiteral("x.zmx")));
        grande.chop(1); // at the limit it is read
        QCOMPARE(LerZmx(grande, QStringLiteral("x.zmx")).superficies.size(), std::size_t(5));
    }

    // Every truncation refused, or read as the whole file when only the image plane's last data
    // are lost; seeded corruptions refused or read as finite inputs, never a crash.
    void truncadosECorrompidos() {
        const QByteArray ascii = ExemploZmx();
        for (const QByteArray& inteiro : {ascii, Utf16(ascii)}) {
            const ImportacaoPrescricao todo = ImportarPrescricao(LerZmx(inteiro, {}), {});
            int aceitos = 0;
            for (qsizetype n = 0; n < inteiro.size(); ++n) {
                try {
                    const ImportacaoPrescricao im =
                        ImportarPrescricao(LerZmx(inteiro.left(n), {}), {});
                    ++aceitos;
                    QVERIFY2(im.D1 == todo.D1 && im.fD1 == todo.fD1 && im.gamma == todo.gamma &&
                                 im.e == todo.e && im.i == todo.i && im.b1 == todo.b1 &&
                                 im.b2 == todo.b2,
                             qPrintable(QString::number(n)));
                } catch (const ErroArquivo&) {
                }
            }
            QVERIFY(aceitos < 60); // only inside the image plane's lines
        }
        QRandomGenerator gerador(2611);
        const QByteArray alfabeto("0123456789-+.eE \r\n\"MIRORSTANDARDINFINITY\xFF\xFE");
        for (int k = 0; k < 3000; ++k) {
            QByteArray ruim = ascii;
            for (int j = 0, n = 1 + gerador.bounded(4); j < n; ++j)
                ruim[gerador.bounded(int(ruim.size()))] =
                    alfabeto[gerador.bounded(int(alfabeto.size()))];
            try {
                const ImportacaoPrescricao im = ImportarPrescricao(LerZmx(ruim, {}), {});
                QVERIFY(std::isfinite(im.D1 + im.fD1 + im.gamma + im.e + im.i + im.b1 + im.b2));
            } catch (const ErroArquivo&) {
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPrescricao)
#include "test_prescricao.moc"
