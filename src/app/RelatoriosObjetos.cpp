// The program's two design reports as objects, and a design computed as the windows do it.
#include "RelatoriosObjetos.h"

#include "ArquivoProjeto.h"
#include "NumberFormat.h"
#include "Preenchimentos.h"
#include "Relatorios.h"

#include <cmath>

TRelatorioProjeto::TRelatorioProjeto(TProjeto& projeto, const AvisoRelatorio& aviso)
    : dtDados(QStringLiteral("dtDados")), m_projeto(projeto) {
    DefinirCamposDados(dtDados);
    dtDados.Open();
    PrepararRelatorio(
        rpReport1, rpDBDataSet1, dtDados, QStringLiteral("projeto"), [this] { Preencher(); },
        aviso);
}

Resultados TRelatorioProjeto::Atualizar() {
    Resultados r = MostrarResultados(m_projeto);
    PreencherDados(dtDados, r.resultados);
    return r;
}

void TRelatorioProjeto::Preencher() {
    PreencherRelatorio(rpReport1, LinhasRelatorioProjeto(m_projeto));
}

TRelatorioDefletor::TRelatorioDefletor(TProjeto& projeto, const AvisoRelatorio& aviso)
    : m_projeto(projeto) {
    DefinirCamposGlares(dtGlares);
    dtGlares.Open();
    PrepararRelatorio(
        rpReport1, rpDBDataSet1, dtGlares, QStringLiteral("defletor"), [this] { Preencher(); },
        aviso);
}

void TRelatorioDefletor::PreencherGlares(const std::function<void(const LinhaGlareTexto&)>& linha) {
    if (dtGlares.Active()) dtGlares.Close();
    ::PreencherGlares(dtGlares, m_projeto, [&](const LinhaGlareTexto& g) {
        if (linha) linha(g);
    });
}

void TRelatorioDefletor::Preencher() {
    PreencherRelatorio(rpReport1, LinhasRelatorioDefletor(m_projeto));
}

namespace {

using namespace NumberFormat;

// A numeric field's edit text for a value (two decimals, empty for zero) and the value it reads
// back from that text, within its range (minimo = maximo = 0: none).
QString textoDoCampo(double valor) {
    return textoEdicao(valor, 2, true, QLatin1Char('.'));
}
double lidoDoCampo(const QString& texto, double minimo = 0, double maximo = 0) {
    double v = 0;
    if (!analisarTexto(limparTexto(texto, QLatin1Char('.'), QChar()), QLatin1Char('.'), &v))
        return minimo;
    return aplicarFaixa(v, minimo, maximo);
}

// A field of a new window shows an empty text; a value whose text differs is stored as read
// back, one whose text is empty too is left as it is.
double guardadoPorCampoNovo(double valor) {
    const QString texto = textoDoCampo(valor);
    return texto.isEmpty() ? valor : lidoDoCampo(texto);
}

} // namespace

void AbrirProjetoSemJanela(TProjeto& projeto, const QString& nome) {
    LerArquivo(projeto, nome);
    for (double TProjeto::*campo :
         {&TProjeto::D1, &TProjeto::fD1, &TProjeto::gamma, &TProjeto::e, &TProjeto::i})
        projeto.*campo = guardadoPorCampoNovo(projeto.*campo);
    DefinirTitulo(projeto, TituloTexto(projeto));
    CalcularProjeto(projeto);
    MostrarResultados(projeto);
}

void CalcularDefletorSemJanela(TProjeto& projeto) {
    // The count's field starts at 2 and never shows less; a whole count it shows is stored as
    // it is, so only the lengths change on the way.
    for (double TProjeto::*campo :
         {&TProjeto::DDi, &TProjeto::DDe, &TProjeto::LTotal, &TProjeto::SSDe})
        projeto.*campo = guardadoPorCampoNovo(projeto.*campo);
    CalcularDefletor(projeto);
    // The total length's field takes the baffle's front end as its lower bound and reads its
    // own text back within it; a text that changes is stored.
    const double L = projeto.L;
    if (std::isfinite(L) && L > 0) {
        const QString antes = textoDoCampo(projeto.LTotal);
        const QString depois = textoDoCampo(lidoDoCampo(antes, L));
        if (depois != antes) projeto.LTotal = lidoDoCampo(depois, L);
    }
    CalcularDefletor(projeto);
}
