// The fill-ins of the reports: the lines written into named memos and the rows of their data sets.
#include "Preenchimentos.h"

#include "AnaliseRaios.h"
#include "ConfeccaoEspelhos.h"
#include "DataSet.h"
#include "Difracao.h"
#include "NumeroTexto.h"
#include "Numeros.h"
#include "Recursos.h"

#include <algorithm>

namespace {} // namespace

std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& p, QChar dec, QChar mil) {
    auto n = [&](const char* formato, double valor) {
        return FormatarN(TextoRecurso(formato), valor, dec, mil);
    };
    using namespace Recursos;
    return {
        {"Memo9", TituloTexto(p)},
        {"Memo1", n(RelD1, p.D1)},
        {"Memo3", n(RelD2, p.D2)},
        {"Memo4", n(RelR1, p.r1)},
        {"Memo2", n(RelR2, p.r2)},
        {"Memo11", n(RelF, p.f1)},
        {"Memo5", n(RelDistD, p.d)},
        {"Memo6", n(RelDistE, p.e)},
        {"Memo7", n(RelDistP, p.p)},
        {"Memo8", n(RelDistPLinha, p.pLinha)},
        {"Memo16", n(FmtTxObstrucao, p.Tx)},
        {"Memo17", n(FmtFSistema, p.F)},
        {"Memo18", n(FmtFD1, p.FD1)},
        {"Memo19", n(RelSag1, p.Sag1)},
        {"Memo20", n(RelSag2, p.Sag2)},
        {"Memo21", n(RelD1, p.D1)},
        {"Memo22", n(RelD2, p.D2)},
        {"Memo28", TextoRecurso(Recursos::DeformacaoPrimario)},
        {"Memo29", n(RelValor, p.b1Cl)},
        {"Memo30", n(RelValor, p.b1DK)},
        {"Memo31", n(RelValor, p.b1RC)},
        {"Memo32", TextoRecurso(Recursos::DeformacaoSecundario)},
        {"Memo33", n(RelValor, p.b2Cl)},
        {"Memo34", n(RelValor, p.b2DK)},
        {"Memo35", n(RelValor, p.b2RC)},
    };
}

std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto) {
    const SeparadoresNumero s = SeparadoresDoUsuario();
    return LinhasRelatorioProjeto(projeto, s.decimal, s.milhar);
}

std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& p, QChar dec, QChar mil) {
    auto n = [&](const char* formato, double valor) {
        return FormatarN(TextoRecurso(formato), valor, dec, mil);
    };
    using namespace Recursos;
    return {
        {"Memo10", n(RelL, p.L)},
        {"Memo11", n(RelZ, p.Z1)},
        {"Memo13", n(RelLTotal, p.LTotal)},
        {"Memo16", n(FmtCriterios[0], p.L)},
        {"Memo17", n(FmtCriterios[1], p.L1)},
        {"Memo19", n(FmtCriterios[2], p.L2)},
        {"Memo20", n(FmtCriterios[3], p.DG)},
        {"Memo18", n(RelDG, p.DG)},
        {"Memo23", n(RelDiametroInterno, p.DDi)},
        {"Memo24", n(RelDiametroExterno, p.DDe)},
        {"Memo25", n(RelComprimentoTotal, p.LTotal)},
        {"Memo26",
         TextoRecurso(RelNumeroGlares).replace(QStringLiteral("%.2d"), InteiroDoisDigitos(p.nG))},
        {"Memo27", n(RelSuporteSecundario, p.SSDe)},
    };
}

std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto) {
    const SeparadoresNumero s = SeparadoresDoUsuario();
    return LinhasRelatorioDefletor(projeto, s.decimal, s.milhar);
}

// ---- analysis and mirror-making reports ----------------------------------------------------

const char* const MemosCabecalhoAnalise[7] = {"AnCab1", "AnCab2", "AnCab3", "AnCab4",
                                              "AnCab5", "AnCab6", "AnCab7"};
const char* const MemosCabecalhoCurvatura[6] = {"CurvCab1", "CurvCab2", "CurvCab3",
                                                "CurvCab4", "CurvCab5", "CurvCab6"};
const char* const MemosCurvatura[18] = {"Curv11", "Curv12", "Curv13", "Curv14", "Curv15", "Curv16",
                                        "Curv21", "Curv22", "Curv23", "Curv24", "Curv25", "Curv26",
                                        "Curv31", "Curv32", "Curv33", "Curv34", "Curv35", "Curv36"};
const char* const CamposAnalise[7] = {"Variante", "Campo",     "RMS",         "RaioGeometrico",
                                      "RmsAiry",  "FocoOtimo", "RmsFocoOtimo"};

std::vector<LinhaRelatorio> LinhasRelatorioAnalise(const TProjeto& projeto,
                                                   const TextosAnalise& t) {
    std::vector<LinhaRelatorio> linhas = {
        {"MemoTitulo", TextoRecurso(Recursos::RelAnaliseTitulo)},
        {"MemoProjeto", TituloTexto(projeto)},
        {"MemoAiry", t.valida ? t.airy : t.airyRelatorio},
        {"MemoSpots", TextoRecurso(Recursos::RelAnaliseSpots)},
        {"MemoCurvatura", TextoRecurso(Recursos::RelAnaliseCurvatura)},
    };
    for (int c = 0; c < 6; ++c)
        linhas.push_back({MemosCabecalhoCurvatura[c], TextoRecurso(Recursos::ColunasCurvatura[c])});
    for (int l = 0; l < 3; ++l) {
        const LinhaCurvatura& a = t.curvatura[l];
        const QString* celulas[6] = {&a.variante,     &a.raioCampo,   &a.coma,
                                     &a.astigmatismo, &a.raioPetzval, &a.raioCampoMedio};
        for (int c = 0; c < 6; ++c)
            linhas.push_back({MemosCurvatura[l * 6 + c], t.valida ? *celulas[c] : QString()});
    }
    linhas.push_back(
        {"MemoConvencao", t.valida ? TextoRecurso(Recursos::AnaliseConvencao) : QString()});
    linhas.push_back({"MemoConcavidade", t.concavidade});
    linhas.push_back({"MemoPerdidos", t.perdidos});
    linhas.push_back({"MemoTabela", TextoRecurso(Recursos::RelAnaliseTabela)});
    for (int c = 0; c < 7; ++c)
        linhas.push_back({MemosCabecalhoAnalise[c], TextoRecurso(Recursos::ColunasAnalise[c])});
    return linhas;
}

const char* const MemosCabecalhoDifracao[8] = {"DifCab1", "DifCab2", "DifCab3", "DifCab4",
                                               "DifCab5", "DifCab6", "DifCab7", "DifCab8"};
const char* const MemosDifracao[72] = {
    "Dif11", "Dif12", "Dif13", "Dif14", "Dif15", "Dif16", "Dif17", "Dif18", //
    "Dif21", "Dif22", "Dif23", "Dif24", "Dif25", "Dif26", "Dif27", "Dif28", //
    "Dif31", "Dif32", "Dif33", "Dif34", "Dif35", "Dif36", "Dif37", "Dif38", //
    "Dif41", "Dif42", "Dif43", "Dif44", "Dif45", "Dif46", "Dif47", "Dif48", //
    "Dif51", "Dif52", "Dif53", "Dif54", "Dif55", "Dif56", "Dif57", "Dif58", //
    "Dif61", "Dif62", "Dif63", "Dif64", "Dif65", "Dif66", "Dif67", "Dif68", //
    "Dif71", "Dif72", "Dif73", "Dif74", "Dif75", "Dif76", "Dif77", "Dif78", //
    "Dif81", "Dif82", "Dif83", "Dif84", "Dif85", "Dif86", "Dif87", "Dif88", //
    "Dif91", "Dif92", "Dif93", "Dif94", "Dif95", "Dif96", "Dif97", "Dif98"};

std::vector<LinhaRelatorio> LinhasRelatorioDifracao(const TProjeto& projeto,
                                                    const TextosDifracao& t, int variante,
                                                    bool melhorFoco) {
    const char* nomes[3] = {Recursos::Classico, Recursos::DallKirkham, Recursos::RitcheyChretien};
    std::vector<LinhaRelatorio> linhas = {
        {"MemoDifTitulo", TextoRecurso(Recursos::RelDifracaoTitulo)},
        {"MemoDifProjeto", TituloTexto(projeto)},
        {"MemoDifNota", !t.valida    ? t.mensagem
                        : melhorFoco ? TextoRecurso(Recursos::RelDifracaoNotaFoco)
                                     : TextoRecurso(Recursos::RelDifracaoNotaPlano)},
        {"MemoDifTabela", TextoRecurso(Recursos::RelDifracaoTabela)},
        {"MemoDifMtf", TextoRecurso(Recursos::FmtRelDifracaoMtf)
                           .arg(TextoRecurso(nomes[std::clamp(variante, 0, 2)]))},
        {"MemoDifPsf", TextoRecurso(Recursos::RelDifracaoPsf)},
    };
    for (int c = 0; c < 8; ++c)
        linhas.push_back(
            {MemosCabecalhoDifracao[c], TextoRecurso(c == 2   ? Recursos::RelDifracaoRms
                                                     : c == 3 ? Recursos::RelDifracaoPv
                                                              : Recursos::ColunasDifracao[c])});
    for (int l = 0; l < 9; ++l) {
        const LinhaDifracao& a = t.linhas[static_cast<std::size_t>(l)];
        const QString* celulas[8] = {&a.variante,       &a.campo,     &a.rms,  &a.pv,
                                     &a.strehlMarechal, &a.strehlPsf, &a.ee50, &a.ee80};
        for (int c = 0; c < 8; ++c)
            linhas.push_back({MemosDifracao[l * 8 + c], t.valida ? *celulas[c] : QString()});
    }
    return linhas;
}

void DefinirCamposAnalise(TMemDataSet& dtAnalise) {
    dtAnalise.setNome(QStringLiteral("dtAnalise"));
    for (const char* campo : CamposAnalise)
        dtAnalise.adicionarCampo(QString::fromLatin1(campo), TMemDataSet::TipoCampo::Texto, 40);
}

void PreencherDadosAnalise(TMemDataSet& dtAnalise, const TextosAnalise& t) {
    if (!dtAnalise.Active()) dtAnalise.Open();
    dtAnalise.EmptyTable();
    if (!t.valida) return;
    for (const LinhaAnalise& a : t.linhas) {
        const QString* celulas[7] = {&a.variante, &a.campo,     &a.rms,         &a.raioGeometrico,
                                     &a.rmsAiry,  &a.focoOtimo, &a.rmsFocoOtimo};
        dtAnalise.Append();
        for (int c = 0; c < 7; ++c)
            dtAnalise.SetField(QString::fromLatin1(CamposAnalise[c]), *celulas[c]);
        dtAnalise.Post();
    }
}

const char* const MemosPrimario[10][2] = {
    {"Prim1D", "Prim1V"}, {"Prim2D", "Prim2V"},  {"Prim3D", "Prim3V"}, {"Prim4D", "Prim4V"},
    {"Prim5D", "Prim5V"}, {"Prim6D", "Prim6V"},  {"Prim7D", "Prim7V"}, {"Prim8D", "Prim8V"},
    {"Prim9D", "Prim9V"}, {"Prim10D", "Prim10V"}};
const char* const MemosSecundario[10][2] = {
    {"Sec1D", "Sec1V"}, {"Sec2D", "Sec2V"},  {"Sec3D", "Sec3V"}, {"Sec4D", "Sec4V"},
    {"Sec5D", "Sec5V"}, {"Sec6D", "Sec6V"},  {"Sec7D", "Sec7V"}, {"Sec8D", "Sec8V"},
    {"Sec9D", "Sec9V"}, {"Sec10D", "Sec10V"}};
const char* const MemosHindle[7][2] = {
    {"Hind1D", "Hind1V"}, {"Hind2D", "Hind2V"}, {"Hind3D", "Hind3V"}, {"Hind4D", "Hind4V"},
    {"Hind5D", "Hind5V"}, {"Hind6D", "Hind6V"}, {"Hind7D", "Hind7V"}};
const char* const MemosCabecalhoZonas[6] = {"ZonaCab1", "ZonaCab2", "ZonaCab3",
                                            "ZonaCab4", "ZonaCab5", "ZonaCab6"};
const char* const CamposZonas[6] = {"Zona",  "Interno",    "Externo",
                                    "Medio", "FonteMovel", "FonteFixa"};

namespace {
template <std::size_t N>
void linhasTabela(std::vector<LinhaRelatorio>& saida, const char* const (&memos)[N][2],
                  const std::vector<LinhaResultado>& linhas) {
    for (std::size_t k = 0; k < N; ++k) {
        const bool tem = k < linhas.size();
        saida.push_back({memos[k][0], tem ? linhas[k].descricao : QString()});
        saida.push_back({memos[k][1], tem ? linhas[k].valor : QString()});
    }
}
} // namespace

std::vector<LinhaRelatorio> LinhasRelatorioEspelhos(const TProjeto& projeto,
                                                    const DadosEspelhos& dados,
                                                    const TextosEspelhos& t) {
    const char* const nomes[3] = {Recursos::Classico, Recursos::DallKirkham,
                                  Recursos::RitcheyChretien};
    const int variante = std::clamp(dados.variante, 0, 2);
    std::vector<LinhaRelatorio> linhas = {
        {"MemoTitulo", TextoRecurso(Recursos::RelEspelhosTitulo)},
        {"MemoProjeto", TituloTexto(projeto)},
        {"MemoVariante",
         TextoRecurso(Recursos::RelEspelhosVariante).arg(TextoRecurso(nomes[variante]))},
        {"MemoPrimario", TextoRecurso(Recursos::EspelhosPrimario)},
        {"MemoSecundario", TextoRecurso(Recursos::EspelhosSecundario)},
    };
    linhasTabela(linhas, MemosPrimario, t.primario);
    linhas.push_back({"MemoMsgPrimario", t.mensagemPrimario});
    linhasTabela(linhas, MemosSecundario, t.secundario);
    linhas.push_back({"MemoMsgSecundario", t.mensagemSecundario});
    linhas.push_back({"MemoTeste", TextoRecurso(Recursos::EspelhosTesteNulo)});
    linhas.push_back({"MemoTesteTexto", t.testeSecundario});
    linhasTabela(linhas, MemosHindle, t.montagem);
    linhas.push_back({"MemoZonas", TextoRecurso(Recursos::RelEspelhosZonas)
                                       .arg(static_cast<qsizetype>(dados.primario.zonas.size()))});
    linhas.push_back({"MemoLeituras", TextoRecurso(Recursos::EspelhosLeituras)});
    for (int c = 0; c < 6; ++c)
        linhas.push_back({MemosCabecalhoZonas[c], TextoRecurso(Recursos::EspelhosColunas[c])});
    return linhas;
}

void DefinirCamposZonas(TMemDataSet& dtZonas) {
    dtZonas.setNome(QStringLiteral("dtZonas"));
    for (const char* campo : CamposZonas)
        dtZonas.adicionarCampo(QString::fromLatin1(campo), TMemDataSet::TipoCampo::Texto, 20);
}

void PreencherDadosZonas(TMemDataSet& dtZonas, const TextosEspelhos& t) {
    if (!dtZonas.Active()) dtZonas.Open();
    dtZonas.EmptyTable();
    for (const auto& zona : t.zonas) {
        dtZonas.Append();
        for (int c = 0; c < 6; ++c)
            dtZonas.SetField(QString::fromLatin1(CamposZonas[c]),
                             zona[static_cast<std::size_t>(c)]);
        dtZonas.Post();
    }
}
