// The computations behind the windows: first-order layout, variant comparison, baffle.
#include "Calculo.h"

#include "DataSet.h"
#include "NumeroTexto.h"
#include "Recursos.h"

#include <cmath>
#include <limits>

// two-mirror first-order layout: Wilson, Reflecting Telescope Optics I, ch. 2 (Gaussian theory)
void CalcularPrimeiraOrdem(TProjeto& projeto) {
    TProjeto& P = projeto;
    P.f1 = P.D1 * P.fD1;
    P.F = P.f1 * P.gamma;
    P.FD1 = RelacaoFocal(P.D1, P.F);
    P.p = DistanciaP(P.gamma, P.f1, P.e);
    P.pLinha = DistanciaPLinha(P.p, P.gamma, P.e, P.d);
    P.r2 = RaioSecundario(P.gamma, P.p);
    P.D2 = DiametroSecundario(P.f1, P.gamma, P.D1, P.p, P.d, P.i);
    P.r1 = 2 * P.f1;
    P.Tx = TaxaObstrucao(P.D1, P.D2);
    P.Sag1 = FlechaEspelho(P.D1, P.r1);
    P.Sag2 = FlechaEspelho(P.D2, P.r2);
    P.Area1 = AreaCirculo(P.D1);
    P.Area2 = AreaCirculo(P.D2);
}

RotulosProjeto CalcularProjeto(TProjeto& projeto, QChar decimal, QChar milhar) {
    TProjeto& P = projeto;
    CalcularPrimeiraOrdem(P);

    // The diagram labels, in the language now installed.
    using namespace Recursos;
    const char* formatos[12] = {RelDistD, RelDistE,    RelDistP,       RelDistPLinha,
                                RelD2,    RelR2,       Fmtf1,          RelR1,
                                RelD1,    FmtFSistema, FmtTxObstrucao, FmtFD1};
    const double valores[12] = {P.d,  P.e,  P.p,  P.pLinha, P.D2, P.r2,
                                P.f1, P.r1, P.D1, P.F,      P.Tx, P.FD1};
    RotulosProjeto rotulos;
    for (int k = 0; k < 12; ++k)
        rotulos.textos[k] = FormatarN(TextoRecurso(formatos[k]), valores[k], decimal, milhar);
    return rotulos;
}

RotulosProjeto CalcularProjeto(TProjeto& projeto) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return CalcularProjeto(projeto, decimal, milhar);
}

void CalcularConicas(TProjeto& projeto) {
    TProjeto& P = projeto;
    P.b1DK = DeformacaoPrimario(VarianteDallKirkham, P.r1, P.r2, P.gamma, P.d, P.p);
    P.b1RC = DeformacaoPrimario(VarianteRitcheyChretien, P.r1, P.r2, P.gamma, P.d, P.p);
    P.b1Cl = DeformacaoPrimario(VarianteClassico, P.r1, P.r2, P.gamma, P.d, P.p);
    P.b2DK = DeformacaoSecundario(VarianteDallKirkham, P.r1, P.gamma, P.d);
    P.b2RC = DeformacaoSecundario(VarianteRitcheyChretien, P.r1, P.gamma, P.d);
    P.b2Cl = DeformacaoSecundario(VarianteClassico, P.r1, P.gamma, P.d);
}

Resultados MostrarResultados(TProjeto& projeto) {
    TProjeto& P = projeto;
    CalcularConicas(P);

    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    auto n = [&](double v) { return NumeroTexto(v, decimal, milhar); };

    Resultados r;
    r.comparacao[0] = {TextoRecurso(Recursos::DeformacaoPrimario), n(P.b1Cl), n(P.b1DK), n(P.b1RC)};
    r.comparacao[1] = {TextoRecurso(Recursos::DeformacaoSecundario), n(P.b2Cl), n(P.b2DK),
                       n(P.b2RC)};
    const double valores[19] = {P.D1,  P.D2,     P.Area1, P.Area2, P.r1,  P.r2, P.f1,
                                P.fD1, P.gamma,  P.i,     P.F,     P.FD1, P.d,  P.e,
                                P.p,   P.pLinha, P.Tx,    P.Sag1,  P.Sag2};
    for (int k = 0; k < 19; ++k) {
        r.resultados[k].descricao = TextoRecurso(Recursos::Resultados[k]);
        r.resultados[k].valor = k == 16
                                    ? FormatarN(QStringLiteral("%n%%"), valores[k], decimal, milhar)
                                    : n(valores[k]);
    }
    return r;
}

void DefinirCamposDados(TMemDataSet& dtDados) {
    dtDados.setNome(QStringLiteral("dtDados"));
    dtDados.adicionarCampo(QStringLiteral("Descricao"), TMemDataSet::TipoCampo::Texto, 255);
    dtDados.adicionarCampo(QStringLiteral("Valor"), TMemDataSet::TipoCampo::Texto, 20);
}

void PreencherDados(TMemDataSet& dtDados, const std::array<LinhaResultado, 19>& linhas) {
    if (!dtDados.Active()) dtDados.Open();
    if (dtDados.RecordCount() > 0) dtDados.EmptyTable();
    for (const LinhaResultado& linha : linhas) {
        dtDados.Append();
        dtDados.SetField(QStringLiteral("Descricao"), linha.descricao);
        dtDados.SetField(QStringLiteral("Valor"), linha.valor); // cut to 20 by the field
        dtDados.Post();
    }
}

void DefinirCamposGlares(TMemDataSet& dtGlares) {
    dtGlares.setNome(QStringLiteral("dtGlares"));
    dtGlares.adicionarCampo(QStringLiteral("Glare"), TMemDataSet::TipoCampo::Inteiro16);
    dtGlares.adicionarCampo(QStringLiteral("Posicao"), TMemDataSet::TipoCampo::Real);
    dtGlares.adicionarCampo(QStringLiteral("Diametro"), TMemDataSet::TipoCampo::Real);
}

namespace {
QString Texto(const char* formato, double valor) {
    return FormatarN(TextoRecurso(formato), valor);
}
} // namespace

void DimensionarDefletor(TProjeto& projeto) {
    TProjeto& P = projeto;
    P.L = ComprimentoDefletor(P.d, P.e, P.i, P.D2, P.DDi);
    P.L1 = ComprimentoMinimo(P.DDi, P.d, P.e, P.SSDe, P.i);
    P.L2 = ComprimentoMaximo(P.f1, P.SSDe, P.DDe);
    P.Z1 = P.LTotal - P.L;
    if (P.nG < 2) P.nG = 2;
    P.DG = P.LTotal / (P.nG - 1);
}

RotulosDefletor CalcularDefletor(TProjeto& projeto) {
    TProjeto& P = projeto;
    DimensionarDefletor(P);
    return {
        {Texto(Recursos::RelL, P.L), Texto(Recursos::RelDG, P.DG), Texto(Recursos::FmtZ1, P.Z1)}};
}

bool TemDefletor(const TProjeto& projeto) {
    return projeto.DDi > 0 && projeto.LTotal > 0;
}

TProjeto ValoresDerivados(const TProjeto& projeto) {
    TProjeto P = projeto;
    CalcularPrimeiraOrdem(P);
    CalcularConicas(P);
    DimensionarDefletor(P);
    return P;
}

LinhaGlare GlareNumero(const TProjeto& projeto, int k) {
    const TProjeto& P = projeto;
    LinhaGlare g;
    g.Glare = static_cast<std::int16_t>(k);
    g.Posicao = P.Z1 - (k - 1) * P.DG;
    g.Diametro = DiametroGlare(P.d, P.e, P.i, P.D2, g.Posicao);
    return g;
}

int NumeroDeGlares(const TProjeto& projeto) {
    return projeto.nG < 2 ? 2 : projeto.nG;
}

void CalcularGlares(const TProjeto& projeto, const std::function<void(const LinhaGlare&)>& linha) {
    const int n = NumeroDeGlares(projeto);
    for (int k = 1; k <= n; ++k)
        linha(GlareNumero(projeto, k));
}

void PreencherGlares(TMemDataSet& dtGlares, const TProjeto& projeto,
                     const std::function<void(const LinhaGlareTexto&)>& linha) {
    if (!dtGlares.Active()) dtGlares.Open();
    const QString glare = QStringLiteral("Glare");
    const QString posicao = QStringLiteral("Posicao");
    const QString diametro = QStringLiteral("Diametro");
    CalcularGlares(projeto, [&](const LinhaGlare& g) {
        dtGlares.Append();
        dtGlares.SetField(glare, g.Glare);
        dtGlares.SetField(posicao, g.Posicao);
        dtGlares.SetField(diametro, g.Diametro);
        dtGlares.Post();
        linha({InteiroDois(dtGlares.FieldValue(glare).toInt()),
               NumeroTexto(dtGlares.FieldValue(posicao).toDouble()),
               NumeroTexto(dtGlares.FieldValue(diametro).toDouble())});
    });
}

std::int16_t ContagemGlares(double valor) {
    if (std::isnan(valor)) return 0;
    const double truncado = std::trunc(valor);
    if (truncado > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (truncado < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(truncado);
}

std::array<LinhaResultado, 4> CriteriosDefletor(const TProjeto& projeto) {
    const double valores[4] = {projeto.L, projeto.L1, projeto.L2, projeto.DG};
    std::array<LinhaResultado, 4> linhas;
    for (int k = 0; k < 4; ++k)
        linhas[k] = {TextoRecurso(Recursos::Criterios[k]), NumeroTexto(valores[k])};
    return linhas;
}

RotulosFlecha TextosFlechas(const TProjeto& projeto) {
    return {{Texto(Recursos::RelSag1, projeto.Sag1), Texto(Recursos::RelSag2, projeto.Sag2),
             Texto(Recursos::RelD1, projeto.D1), Texto(Recursos::RelD2, projeto.D2)}};
}

QStringList AvisosProjeto(const TProjeto& projeto, QByteArray* causas) {
    QStringList avisos;
    TProjeto P = projeto;
    if (P.D1 == 0 && P.fD1 == 0 && P.gamma == 0 && P.e == 0 && P.i == 0) return avisos;
    CalcularProjeto(P, u'.', u',');
    using namespace Recursos;
    auto causa = [&](char tipo, const QString& texto) {
        if (causas) causas->append(tipo);
        avisos << texto;
    };
    if (!(P.gamma > 1)) causa('A', TextoRecurso(AvisoGamma));
    const std::pair<const char*, double> entradas[] = {{"D1", P.D1}, {"f/D1", P.fD1}, {"e", P.e}};
    for (const auto& [nome, valor] : entradas)
        if (!(valor > 0)) causa('E', TextoRecurso(AvisoEntrada).arg(QLatin1String(nome)));
    if (P.i < 0) causa('E', TextoRecurso(AvisoCampo));
    if (!(P.D2 < P.D1)) causa('G', TextoRecurso(AvisoSecundario));
    if (!(P.d > 0)) causa('G', TextoRecurso(AvisoDistanciaD));
    if (!(P.p > 0)) causa('G', TextoRecurso(AvisoDistanciaP));
    return avisos;
}
