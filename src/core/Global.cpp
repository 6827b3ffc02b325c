// The design record, its optical formulas and the design-file routines.
#include "Global.h"

#include "Calculo.h"
#include "Cp1252.h"
#include "Numeros.h"
#include "Recursos.h"

#include <cmath>
#include <cstring>

TProjeto Projeto{};

QString TituloTexto(const TProjeto& projeto) {
    return Cp1252::Decodificar(reinterpret_cast<const char*>(projeto.Titulo + 1),
                               projeto.Titulo[0]);
}

void DefinirTitulo(TProjeto& projeto, const QString& texto) {
    // One byte per character, cut to 255.
    const QByteArray bytes = Cp1252::Codificar(texto).left(255);
    std::memcpy(projeto.Titulo + 1, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    projeto.Titulo[0] = static_cast<std::uint8_t>(bytes.size());
}

void LimparProjeto(TProjeto& projeto) {
    const double area1 = projeto.Area1, area2 = projeto.Area2;
    const double sag1 = projeto.Sag1, sag2 = projeto.Sag2;
    double* campos[] = {&projeto.D1,     &projeto.D2,        &projeto.f1,     &projeto.F,
                        &projeto.e,      &projeto.p,         &projeto.pLinha, &projeto.gamma,
                        &projeto.i,      &projeto.d,         &projeto.r1,     &projeto.r2,
                        &projeto.fD1,    &projeto.FD1,       &projeto.Tx,     &projeto.b1DK,
                        &projeto.b2DK,   &projeto.b1RC,      &projeto.b2RC,   &projeto.b1Cl,
                        &projeto.b2Cl,   &projeto.L,         &projeto.L1,     &projeto.L2,
                        &projeto.LTotal, &projeto.Reservado, &projeto.DDi,    &projeto.DG,
                        &projeto.Z1,     &projeto.SSDe,      &projeto.DDe};
    for (double* campo : campos)
        *campo = 0.0;
    projeto.Area1 = area1;
    projeto.Area2 = area2;
    projeto.Sag1 = sag1;
    projeto.Sag2 = sag2;
    projeto.Titulo[0] = 0;
    projeto.nG = 2;
}

// two-mirror first-order layout: Wilson, Reflecting Telescope Optics I, ch. 2 (Gaussian theory)
double AreaCirculo(double D) {
    const double r = D / 2;
    return r * r * Pi;
}

double RelacaoFocal(double D1, double F) {
    if (D1 == 0) return D1;
    return F / D1;
}

double DistanciaP(double gamma, double f1, double e) {
    const double divisor = gamma + 1;
    if (divisor == 0) return divisor;
    return (f1 + e) / divisor;
}

double DistanciaPLinha(double p, double gamma, double e, double& d) {
    const double pLinha = p * gamma;
    d = pLinha - e;
    return pLinha;
}

double RaioSecundario(double gamma, double p) {
    const double divisor = gamma - 1;
    if (divisor == 0) return divisor;
    return 2 * p * gamma / divisor;
}

double DiametroSecundario(double f1, double gamma, double D1, double p, double d, double i) {
    const double divisor = f1 * gamma;
    if (divisor == 0) return divisor;
    return D1 * p / f1 + d * i / divisor;
}

double TaxaObstrucao(double D1, double D2) {
    if (D1 == 0) return D1;
    return D2 / D1 * 100;
}

// mirror sagitta, paraxial y²/2R: Smith, Modern Optical Engineering
double FlechaEspelho(double D, double r) {
    const double divisor = 2 * r;
    if (divisor == 0) return divisor;
    const double raio = D / 2;
    return raio * raio / divisor;
}

// conic constants of the three variants: Wilson, Reflecting Telescope Optics I, § 3.2.6
double DeformacaoPrimario(std::int16_t variante, double r1, double r2, double gamma, double d,
                          double p) {
    switch (variante) {
    case VarianteClassico:
        return -1;
    case VarianteDallKirkham: {
        const double g2 = gamma * gamma;
        const double g = g2 * g2 * r1;
        if (g == 0) return 0;
        const double t = g2 - 1;
        return -(1 - t * t * r2 / g);
    }
    case VarianteRitcheyChretien: {
        const double g = gamma * gamma * d;
        if (g == 0) return 0;
        return -(2 * p / g + 1);
    }
    default:
        return 0;
    }
}

double DeformacaoSecundario(std::int16_t variante, double r1, double gamma, double d) {
    switch (variante) {
    case VarianteClassico: {
        const double t = gamma - 1;
        if (t == 0) return 0;
        const double q = (gamma + 1) / t;
        return -(q * q);
    }
    case VarianteDallKirkham:
        return 0;
    case VarianteRitcheyChretien: {
        const double t = gamma - 1;
        const double u = t * t * t * d;
        if (t == 0 || u == 0) return 0;
        const double q = (gamma + 1) / t;
        return -(q * q + r1 * gamma / u);
    }
    default:
        return 0;
    }
}

// baffle lengths from the field's edge rays: A. T. Young, Applied Optics 6, 1063 (1967)
namespace {
double ComprimentoPara(double Dx, double d, double e, double i, double DDi) {
    const double divisor = Dx - i;
    if (divisor == 0) return divisor;
    return (DDi * d + DDi * e - Dx * e - d * i) / divisor;
}
} // namespace

double ComprimentoDefletor(double d, double e, double i, double D2, double DDi) {
    return ComprimentoPara(D2, d, e, i, DDi);
}

double ComprimentoMinimo(double DDi, double d, double e, double SSDe, double i) {
    return ComprimentoPara(SSDe, d, e, i, DDi);
}

double ComprimentoMaximo(double f1, double SSDe, double DDe) {
    if (SSDe == 0) return SSDe;
    return f1 * (SSDe - DDe) / SSDe;
}

// glare stops at the converging beam's edge: Smith, Modern Optical Engineering, stops chapter
double DiametroGlare(double d, double e, double i, double D2, double x) {
    const double divisor = d + e;
    if (divisor == 0) return divisor;
    return (d * i + x * i + D2 * e - D2 * x) / divisor;
}

// field diameter at the focus, F tan(angle): Wilson, Reflecting Telescope Optics I, § 2.2.6
double DiametroDoCampo(double F, double arco) {
    return F * std::tan(arco * Pi / 180);
}

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
void ConferirCalculo(TProjeto copia, const QString& nomeArquivo) {
    CalcularProjeto(copia, u',', u'.');
    MostrarResultados(copia);
    CalcularDefletor(copia);
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
