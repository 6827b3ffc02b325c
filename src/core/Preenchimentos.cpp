// The fill-ins of the two reports, computed from the design record.
#include "Preenchimentos.h"

#include "NumeroTexto.h"
#include "Numeros.h"
#include "Recursos.h"

namespace {
QString r(const char* texto) {
    return QString::fromUtf8(texto);
}
} // namespace

std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& p, QChar dec, QChar mil) {
    auto n = [&](const char* formato, double valor) {
        return FormatarN(r(formato), valor, dec, mil);
    };
    using namespace Recursos;
    return {
        {"Memo9", TituloTexto(p)},           {"Memo1", n(RelD1, p.D1)},
        {"Memo3", n(RelD2, p.D2)},           {"Memo4", n(RelR1, p.r1)},
        {"Memo2", n(RelR2, p.r2)},           {"Memo11", n(RelF, p.f1)},
        {"Memo5", n(RelDistD, p.d)},         {"Memo6", n(RelDistE, p.e)},
        {"Memo7", n(RelDistP, p.p)},         {"Memo8", n(RelDistPLinha, p.pLinha)},
        {"Memo16", n(FmtTxObstrucao, p.Tx)}, {"Memo17", n(FmtFSistema, p.F)},
        {"Memo18", n(FmtFD1, p.FD1)},        {"Memo19", n(RelSag1, p.Sag1)},
        {"Memo20", n(RelSag2, p.Sag2)},      {"Memo21", n(RelD1, p.D1)},
        {"Memo22", n(RelD2, p.D2)},          {"Memo28", r(Recursos::DeformacaoPrimario)},
        {"Memo29", n(RelValor, p.b1Cl)},     {"Memo30", n(RelValor, p.b1DK)},
        {"Memo31", n(RelValor, p.b1RC)},     {"Memo32", r(Recursos::DeformacaoSecundario)},
        {"Memo33", n(RelValor, p.b2Cl)},     {"Memo34", n(RelValor, p.b2DK)},
        {"Memo35", n(RelValor, p.b2RC)},
    };
}

std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto) {
    const SeparadoresNumero s = SeparadoresDoUsuario();
    return LinhasRelatorioProjeto(projeto, s.decimal, s.milhar);
}

std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& p, QChar dec, QChar mil) {
    auto n = [&](const char* formato, double valor) {
        return FormatarN(r(formato), valor, dec, mil);
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
        {"Memo26", r(RelNumeroGlares).replace(QStringLiteral("%.2d"), InteiroDoisDigitos(p.nG))},
        {"Memo27", n(RelSuporteSecundario, p.SSDe)},
    };
}

std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto) {
    const SeparadoresNumero s = SeparadoresDoUsuario();
    return LinhasRelatorioDefletor(projeto, s.decimal, s.milhar);
}
