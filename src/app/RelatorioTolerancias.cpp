// The focusing and collimation report as an object, and the texts and plots it shares with the
// window.
#include "RelatorioTolerancias.h"

#include "AnaliseRaios.h"
#include "Global.h"
#include "NumeroTexto.h"
#include "Numeros.h"
#include "Recursos.h"
#include "Relatorios.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
const QColor Cores[3] = {QColor(0, 90, 200), QColor(200, 60, 0), QColor(0, 140, 60)};
const char* const Nomes[3] = {Recursos::Classico, Recursos::DallKirkham, Recursos::RitcheyChretien};

// Fixed decimals in the user's separators (NumeroTextoCasas stops at three; the coma per
// arcminute needs four).
QString Numero(double x, int casas) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return std::isfinite(x) ? NumeroFixo(x, casas, true, decimal, milhar) : QStringLiteral("—");
}

int Variante(int v) {
    return std::clamp(v, 0, 2);
}
} // namespace

const char* const MemosCabecalhoFocagem[7] = {"FocCab1", "FocCab2", "FocCab3", "FocCab4",
                                              "FocCab5", "FocCab6", "FocCab7"};
const char* const MemosCabecalhoColimacao[7] = {"ColCab1", "ColCab2", "ColCab3", "ColCab4",
                                                "ColCab5", "ColCab6", "ColCab7"};
const char* const CamposColimacao[7] = {"Variante", "Descentramento", "Inclinacao", "ComaMinuto",
                                        "ComaMm",   "PontoNeutro",    "Espacamento"};

QString MemoFocagem(int linha, int coluna) {
    return QStringLiteral("Foc%1_%2").arg(linha + 1).arg(coluna + 1);
}

std::array<QString, 7> CelulasFocagem(const LinhaFocagem& x) {
    const bool v = x.valida;
    return {Numero(x.deltaE, 1),
            Numero(x.deslocamento, 3),
            v ? Numero(x.F, 1) : QString(),
            v ? Numero(x.FN, 2) : QString(),
            v ? Numero(x.rmsEixo, 2) : QString(),
            v ? Numero(x.strehl, 3) : QString(),
            v ? Numero(x.rmsBorda, 2) : QString()};
}

std::array<QString, 7> CelulasColimacao(const ResultadoTolerancias& r, int variante) {
    const int v = Variante(variante);
    const ColimacaoVariante& c = r.variantes[v].colimacao;
    if (!r.valida()) return {TextoRecurso(Nomes[v])};
    return {TextoRecurso(Nomes[v]),
            Numero(c.descentramento, 3),
            Numero(c.inclinacao, 2),
            Numero(c.comaPorMinuto, 4),
            Numero(c.comaPorMm, 3),
            Numero(c.pontoNeutro, 1),
            Numero(c.espacamentoMenos, 3) + QStringLiteral(" / +") + Numero(c.espacamentoMais, 3)};
}

QString ResumoTolerancias(const ResultadoTolerancias& r, int variante, const char* texto) {
    if (!r.valida()) {
        ResultadoAnalise a;
        a.motivo = r.motivo;
        return TextosDaAnalise(a).airy;
    }
    const VarianteTolerancias& vt = r.variantes[Variante(variante)];
    return TextoRecurso(texto).arg(
        (vt.abertoMin ? QStringLiteral("< ") : QString()) + Numero(vt.faixaMin, 1),
        (vt.abertoMax ? QStringLiteral("> ") : QString()) + Numero(vt.faixaMax, 1),
        Numero(r.profundidadeFoco, 3));
}

Graficos::Grafico GraficoFocagem(const ResultadoTolerancias& r) {
    Graficos::Grafico g;
    g.tituloX = TextoRecurso(Recursos::EixoDeltaE);
    g.tituloY = TextoRecurso(Recursos::EixoStrehlEixo);
    if (!r.valida() || r.variantes[0].focagem.empty()) {
        g.mensagem = QStringLiteral(" ");
        return g;
    }
    g.xMin = r.variantes[0].focagem.front().deltaE;
    g.xMax = r.variantes[0].focagem.back().deltaE;
    if (!(g.xMax > g.xMin)) g.xMax = g.xMin + 1;
    // From 1 down to below the lowest Strehl and the 0,8 line, in steps of 0,05.
    double menor = StrehlLimite;
    for (const VarianteTolerancias& vt : r.variantes)
        for (const LinhaFocagem& l : vt.focagem)
            if (l.valida) menor = std::min(menor, l.strehl);
    g.yMin = std::max(0.0, std::floor((menor - 0.02) / 0.05) * 0.05);
    g.yMax = 1;
    Graficos::Curva limite;
    limite.cor = Qt::gray;
    limite.traco = Graficos::Traco::Tracejado;
    limite.pontos = {{g.xMin, StrehlLimite}, {g.xMax, StrehlLimite}};
    g.curvas.push_back(limite);
    for (int v = 0; v < 3; ++v) {
        Graficos::Curva c;
        c.cor = Cores[v];
        c.nome = TextoRecurso(Nomes[v]);
        for (const LinhaFocagem& l : r.variantes[v].focagem)
            if (l.valida) c.pontos.append({l.deltaE, l.strehl});
        g.curvas.push_back(c);
    }
    return g;
}

Graficos::Grafico GraficoCamera(const ResultadoTolerancias& r, int variante) {
    Graficos::Grafico g;
    g.tituloX = TextoRecurso(Recursos::EixoDeslocCamera);
    g.tituloY = TextoRecurso(Recursos::EixoRmsCamera);
    const VarianteTolerancias& vt = r.variantes[Variante(variante)];
    const std::size_t n = r.deslocCamera.size();
    if (!r.valida() || n < 2 || vt.cameraEixo.size() != n || vt.cameraBorda.size() != n) {
        g.mensagem = QStringLiteral(" ");
        return g;
    }
    g.xMin = r.deslocCamera.front();
    g.xMax = r.deslocCamera.back();
    if (!(g.xMax > g.xMin)) g.xMax = g.xMin + 1;
    Graficos::Curva eixo, borda;
    eixo.cor = borda.cor = Cores[Variante(variante)];
    borda.traco = Graficos::Traco::Tracejado;
    eixo.nome = TextoRecurso(Recursos::CameraEixo);
    borda.nome = TextoRecurso(Recursos::CameraBorda);
    double maior = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const double z = r.deslocCamera[k];
        for (auto [curva, rms] : {std::pair{&eixo, vt.cameraEixo[k]}, {&borda, vt.cameraBorda[k]}})
            if (std::isfinite(rms)) {
                curva->pontos.append({z, rms});
                maior = std::max(maior, rms);
            }
    }
    // Room above the curves for the legend.
    g.yMin = 0;
    g.yMax = maior > 0 ? 1.5 * maior : 1;
    for (double lado : {-1.0, 1.0}) {
        Graficos::Curva marca;
        marca.cor = Qt::gray;
        marca.traco = Graficos::Traco::Tracejado;
        marca.espessura = 1;
        marca.pontos = {{lado * r.profundidadeFoco, g.yMin}, {lado * r.profundidadeFoco, g.yMax}};
        if (lado > 0) marca.nome = TextoRecurso(Recursos::CameraProfundidade);
        g.curvas.push_back(marca);
    }
    g.curvas.push_back(eixo);
    g.curvas.push_back(borda);
    return g;
}

std::vector<LinhaRelatorio>
LinhasRelatorioTolerancias(const TProjeto& projeto, const ResultadoTolerancias& r, int variante) {
    const int v = Variante(variante);
    const QString nome = TextoRecurso(Nomes[v]);
    std::vector<LinhaRelatorio> linhas = {
        {"MemoTitulo", TextoRecurso(Recursos::RelatorioTolerancias)},
        {"MemoProjeto", TituloTexto(projeto)},
        {"MemoResumo", ResumoTolerancias(r, v, Recursos::RelToleranciasResumo)},
        {"MemoFocagem", TextoRecurso(Recursos::RelToleranciasFocagem).arg(nome)},
        {"MemoGraficoStrehl", TextoRecurso(Recursos::RelToleranciasGraficoStrehl)},
        {"MemoGraficoCamera", TextoRecurso(Recursos::RelToleranciasGraficoCamera).arg(nome)},
        {"MemoColimacao", TextoRecurso(Recursos::RelToleranciasColimacao)},
        {"MemoNota", TextoRecurso(Recursos::RelToleranciasNota)},
    };
    const char* const focagem[7] = {Recursos::RelColDeltaE, Recursos::ColDeslocSecundario,
                                    Recursos::ColFocal,     Recursos::ColRelacaoFocal,
                                    Recursos::ColRmsEixo,   Recursos::ColStrehl,
                                    Recursos::ColRmsBorda};
    const char* const colimacao[7] = {Recursos::ColVariante,      Recursos::ColDescentramento,
                                      Recursos::RelColInclinacao, Recursos::RelColComaMinuto,
                                      Recursos::RelColComaMm,     Recursos::ColPontoNeutro,
                                      Recursos::ColEspacamento};
    for (int c = 0; c < 7; ++c) {
        linhas.push_back({MemosCabecalhoFocagem[c], TextoRecurso(focagem[c])});
        linhas.push_back({MemosCabecalhoColimacao[c], TextoRecurso(colimacao[c])});
    }
    // The memo names live as long as the lines: kept in a static table.
    static const std::vector<QByteArray> nomes = [] {
        std::vector<QByteArray> n;
        for (int l = 0; l < LinhasFocagemRelatorio; ++l)
            for (int c = 0; c < 7; ++c)
                n.push_back(MemoFocagem(l, c).toLatin1());
        return n;
    }();
    const std::vector<LinhaFocagem>& rows = r.variantes[v].focagem;
    for (int l = 0; l < LinhasFocagemRelatorio; ++l) {
        const bool tem = r.valida() && l < static_cast<int>(rows.size());
        const std::array<QString, 7> celulas =
            tem ? CelulasFocagem(rows[l]) : std::array<QString, 7>{};
        for (int c = 0; c < 7; ++c)
            linhas.push_back({nomes[static_cast<std::size_t>(l * 7 + c)].constData(), celulas[c]});
    }
    return linhas;
}

TRelatorioTolerancias::TRelatorioTolerancias(const AvisoRelatorio& aviso)
    : dtColimacao(QStringLiteral("dtColimacao")) {
    for (const char* campo : CamposColimacao)
        dtColimacao.adicionarCampo(QString::fromLatin1(campo), TMemDataSet::TipoCampo::Texto, 40);
    dtColimacao.Open();
    PrepararRelatorio(
        rpReport1, rpDBDataSet1, dtColimacao, QStringLiteral("tolerancias"),
        [this] { Preencher(); }, aviso);
}

void TRelatorioTolerancias::Definir(const TProjeto& projeto, const ResultadoTolerancias& r,
                                    int variante) {
    m_projeto = projeto;
    m_resultado = r;
    m_variante = Variante(variante);
}

void TRelatorioTolerancias::Preencher() {
    PreencherRelatorio(rpReport1, LinhasRelatorioTolerancias(m_projeto, m_resultado, m_variante));
    if (!dtColimacao.Active()) dtColimacao.Open();
    dtColimacao.EmptyTable();
    for (int v = 0; v < 3; ++v) {
        const std::array<QString, 7> celulas = CelulasColimacao(m_resultado, v);
        dtColimacao.Append();
        for (int c = 0; c < 7; ++c)
            dtColimacao.SetField(QString::fromLatin1(CamposColimacao[c]), celulas[c]);
        dtColimacao.Post();
    }
    // The plots as the window draws them, their lines as thick on paper as on the screen.
    auto desenhar = [](Graficos::Grafico grafico) {
        for (Graficos::Curva& c : grafico.curvas)
            c.espessura *= PixelsPorUnidadeFigura / 1.5;
        return [grafico](QPainter& pintor, const QRectF& area) {
            grafico.Desenhar(pintor, area.adjusted(8, 8, -8, -8));
        };
    };
    PreencherFigura(rpReport1, "Picture1", desenhar(GraficoFocagem(m_resultado)));
    PreencherFigura(rpReport1, "Picture2", desenhar(GraficoCamera(m_resultado, m_variante)));
}
