// The design file: reading with every check of a damaged file, and saving.
#include "ArquivoProjeto.h"

#include "Calculo.h"
#include "Numeros.h"
#include "Recursos.h"

#include <cmath>
#include <cstring>

namespace {

// The double fields of the record by name, in file order.
struct CampoDouble {
    const char* nome;
    double TProjeto::*campo;
};
constexpr CampoDouble CamposDouble[] = {
    {"D1", &TProjeto::D1},         {"D2", &TProjeto::D2},
    {"Area1", &TProjeto::Area1},   {"Area2", &TProjeto::Area2},
    {"f1", &TProjeto::f1},         {"F", &TProjeto::F},
    {"e", &TProjeto::e},           {"p", &TProjeto::p},
    {"pLinha", &TProjeto::pLinha}, {"gamma", &TProjeto::gamma},
    {"i", &TProjeto::i},           {"d", &TProjeto::d},
    {"r1", &TProjeto::r1},         {"r2", &TProjeto::r2},
    {"fD1", &TProjeto::fD1},       {"FD1", &TProjeto::FD1},
    {"Tx", &TProjeto::Tx},         {"b1DK", &TProjeto::b1DK},
    {"b2DK", &TProjeto::b2DK},     {"b1RC", &TProjeto::b1RC},
    {"b2RC", &TProjeto::b2RC},     {"b1Cl", &TProjeto::b1Cl},
    {"b2Cl", &TProjeto::b2Cl},     {"L", &TProjeto::L},
    {"L1", &TProjeto::L1},         {"L2", &TProjeto::L2},
    {"LTotal", &TProjeto::LTotal}, {"Reservado", &TProjeto::Reservado},
    {"DDi", &TProjeto::DDi},       {"DG", &TProjeto::DG},
    {"Z1", &TProjeto::Z1},         {"SSDe", &TProjeto::SSDe},
    {"DDe", &TProjeto::DDe},       {"Sag1", &TProjeto::Sag1},
    {"Sag2", &TProjeto::Sag2}};

bool NaFaixa(double v) {
    return std::fabs(v) < LimiteValorProjeto;
}

QString TextoLimite() {
    return QString::number(LimiteValorProjeto, 'f', 0);
}

[[noreturn]] void Danificado(const QString& nomeArquivo, const char* texto, const QString& campo) {
    // Only the range messages name the limit (%2).
    const QString modelo = TextoRecurso(texto);
    const QString causa =
        modelo.contains(QLatin1String("%2")) ? modelo.arg(campo, TextoLimite()) : modelo.arg(campo);
    throw ErroArquivo(MensagemArquivo(nomeArquivo, causa));
}

// Runs every computation an opened design goes through and checks what comes out.
void ConferirCalculo(const TProjeto& projeto, const QString& nomeArquivo) {
    const TProjeto copia = ValoresDerivados(projeto);
    for (const CampoDouble& c : CamposDouble)
        if (!NaFaixa(copia.*c.campo))
            Danificado(nomeArquivo, Recursos::ProjetoCalculoForaDaFaixa,
                       QString::fromLatin1(c.nome));
    // A stop's position falls linearly with its number and its diameter is linear in the
    // position, so the first and the last stop bound every row of the list.
    for (int k : {1, NumeroDeGlares(copia)}) {
        const LinhaGlare g = GlareNumero(copia, k);
        if (!NaFaixa(g.Posicao) || !NaFaixa(g.Diametro))
            Danificado(nomeArquivo, Recursos::ProjetoCalculoForaDaFaixa,
                       QStringLiteral("Diametro (glare %1)").arg(k));
    }
}

// As the fields show and read back the inputs.
double DuasCasas(double v) {
    return ArredondarComoTexto(v, 2);
}

} // namespace

void LerProjeto(TProjeto& projeto, const QByteArray& bytes, const QString& nomeArquivo) {
    if (bytes.size() < qsizetype(sizeof(TProjeto)))
        throw ErroArquivo(MensagemArquivo(
            nomeArquivo,
            TextoRecurso(Recursos::ProjetoCurto).arg(bytes.size()).arg(sizeof(TProjeto))));
    TProjeto lido;
    std::memcpy(&lido, bytes.constData(), sizeof lido);
    for (const CampoDouble& c : CamposDouble) {
        const double v = lido.*c.campo;
        if (!std::isfinite(v))
            Danificado(nomeArquivo, Recursos::ProjetoNaoFinito, QString::fromLatin1(c.nome));
        if (!NaFaixa(v))
            Danificado(nomeArquivo, Recursos::ProjetoForaDaFaixa, QString::fromLatin1(c.nome));
    }
    ConferirCalculo(lido, nomeArquivo);
    // The fields show the inputs with two decimals and read them back so.
    TProjeto arredondado = lido;
    for (double TProjeto::*campo :
         {&TProjeto::D1, &TProjeto::fD1, &TProjeto::gamma, &TProjeto::e, &TProjeto::i,
          &TProjeto::LTotal, &TProjeto::DDi, &TProjeto::SSDe, &TProjeto::DDe})
        arredondado.*campo = DuasCasas(arredondado.*campo);
    ConferirCalculo(arredondado, nomeArquivo);
    projeto = lido;
}

void LerArquivo(TProjeto& projeto, const QString& nomeArquivo) {
    LerProjeto(
        projeto,
        LerArquivoRegular(nomeArquivo, LimiteProjeto, TextoRecurso(Recursos::FormatoProjeto)),
        nomeArquivo);
}

void GravarArquivo(TProjeto projeto, const QString& nomeArquivo) {
    // The bytes past the record in an existing file are carried over: a file is never shortened.
    GravarInicioArquivo(nomeArquivo,
                        QByteArray(reinterpret_cast<const char*>(&projeto), sizeof projeto),
                        LimiteProjeto, TextoRecurso(Recursos::FormatoProjeto));
}
