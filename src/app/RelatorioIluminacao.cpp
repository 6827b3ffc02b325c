// The field-illumination report as an object, and the texts and plot it shares with the window.
#include "RelatorioIluminacao.h"

#include "NumeroTexto.h"
#include "Recursos.h"
#include "Relatorios.h"

#include <QPainter>

namespace {

QString Diametro(const ResultadoIluminacao& r, int k, QChar dec, QChar mil, bool relatorio) {
    if (!r.valida) return QStringLiteral("-");
    const QString t = FormatarN(TextoRecurso(Recursos::FmtIluminacaoMm), r.diametros[k], dec, mil);
    // The report's texts are Windows-1252, which has no "≥".
    const char* alem =
        relatorio ? Recursos::FmtIluminacaoAlemRelatorio : Recursos::FmtIluminacaoAlem;
    return r.alem[k] ? TextoRecurso(alem).arg(t) : t;
}
QString Porcento(const ResultadoIluminacao& r, double v, QChar dec, QChar mil) {
    if (!r.valida) return QStringLiteral("-");
    return FormatarN(TextoRecurso(Recursos::FmtIluminacaoPorcento), 100 * v, dec, mil);
}
// A table cell's text with a blank towards its frame (the description on the left, the values
// on the right), so the text does not touch the line.
QString Celula(const QString& texto, int coluna) {
    return coluna == 0 ? u' ' + texto : texto + u' ';
}
QString Milimetros(double v, QChar dec, QChar mil) {
    return FormatarN(TextoRecurso(Recursos::FmtIluminacaoMm), v, dec, mil);
}

} // namespace

Graficos::Grafico GraficoIluminacao(const CalculoIluminacao& c, double escala) {
    Graficos::Grafico g;
    g.tituloX = TextoRecurso(Recursos::IluminacaoEixoAltura);
    g.tituloY = TextoRecurso(Recursos::IluminacaoEixoRelativa);
    g.yMin = 0;
    g.yMax = 1.05;
    if (!c.atual.valida) {
        g.mensagem = TextoRecurso(Recursos::IluminacaoInvalida);
        return g;
    }
    g.xMax = c.atual.alturas.back();
    const struct {
        const ResultadoIluminacao* r;
        QColor cor;
        const char* nome;
    } curvas[3] = {
        {&c.atual, QColor(200, 60, 0), Recursos::IluminacaoDefletorAtual},
        {&c.otimizado, QColor(0, 90, 200), Recursos::IluminacaoDefletorOtimizado},
        {&c.otimizadoRegistro, QColor(0, 140, 70), Recursos::IluminacaoDefletorRegistro}};
    for (const auto& k : curvas) {
        if (!k.r->valida) continue;
        Graficos::Curva cv;
        cv.cor = k.cor;
        cv.espessura *= escala;
        cv.nome = TextoRecurso(k.nome);
        for (std::size_t n = 0; n < k.r->alturas.size(); ++n)
            cv.pontos.append({k.r->alturas[n], k.r->relativa[n]});
        g.curvas.push_back(cv);
    }
    Graficos::Curva borda; // the field's edge i/2
    borda.cor = QColor(120, 120, 120);
    borda.traco = Graficos::Traco::Tracejado;
    borda.espessura = escala;
    borda.nome = TextoRecurso(Recursos::IluminacaoBordaCampo);
    borda.pontos = {{c.meioCampo, 0}, {c.meioCampo, 1.05}};
    g.curvas.push_back(borda);
    return g;
}

std::vector<LinhaTabelaIluminacao> TabelaIluminacao(const CalculoIluminacao& c, QChar dec,
                                                    QChar mil, bool relatorio) {
    using namespace Recursos;
    const ResultadoIluminacao* r[ColunasIluminacao] = {&c.atual, &c.otimizado,
                                                       &c.otimizadoRegistro};
    const DefletorOtimizado* d[ColunasIluminacao] = {nullptr, &c.defletor, &c.defletorRegistro};
    std::vector<LinhaTabelaIluminacao> t;
    auto linha = [&](const char* nome, auto&& celula) {
        LinhaTabelaIluminacao l;
        l[0] = TextoRecurso(nome);
        for (int k = 0; k < ColunasIluminacao; ++k)
            l[std::size_t(k) + 1] = celula(k, *r[k]);
        t.push_back(l);
    };
    const char* niveis[3] = {IluminacaoLinha100, IluminacaoLinha75, IluminacaoLinha50};
    for (int n = 0; n < 3; ++n)
        linha(niveis[n], [&](int, const ResultadoIluminacao& x) {
            return Diametro(x, n, dec, mil, relatorio);
        });
    linha(IluminacaoObstrucaoDiametro, [&](int, const ResultadoIluminacao& x) {
        return Porcento(x, x.obstrucaoDiametro, dec, mil);
    });
    linha(IluminacaoObstrucaoArea, [&](int, const ResultadoIluminacao& x) {
        return Porcento(x, x.obstrucaoArea, dec, mil);
    });
    linha(IluminacaoLuzDireta, [&](int k, const ResultadoIluminacao&) {
        if (k == 0) return TextoRecurso(LuzDiretaAtual(c) ? IluminacaoSim : IluminacaoNao);
        return d[k]->encontrado ? TextoRecurso(IluminacaoNao) : QStringLiteral("-");
    });
    return t;
}

std::vector<LinhaTabelaIluminacao> TabelaIluminacao(const CalculoIluminacao& c) {
    QChar dec, mil;
    SeparadoresLocal(dec, mil);
    return TabelaIluminacao(c, dec, mil, false);
}

std::vector<LinhaTabelaIluminacao> TabelaDefletoresIluminacao(const CalculoIluminacao& c, QChar dec,
                                                              QChar mil) {
    using namespace Recursos;
    const DefletorOtimizado& d = c.defletor;
    const DefletorOtimizado& g = c.defletorRegistro;
    const QString nada = QStringLiteral("-");
    const QString semTubo = TextoRecurso(IluminacaoRelSemDefletor);
    auto atual = [&](double v) { return c.defletorAtual ? Milimetros(v, dec, mil) : semTubo; };
    auto otimo = [&](double v) { return d.encontrado ? Milimetros(v, dec, mil) : nada; };
    auto registro = [&](double v) { return g.encontrado ? Milimetros(v, dec, mil) : nada; };
    return {
        {TextoRecurso(IluminacaoRelTuboInterno), atual(c.DDi), otimo(d.DDi), registro(g.DDi)},
        {TextoRecurso(IluminacaoRelTuboExterno), atual(c.DDe), otimo(d.DDe), registro(g.DDe)},
        {TextoRecurso(IluminacaoRelComprimento), atual(c.L), otimo(d.L), registro(g.L)},
        {TextoRecurso(IluminacaoRelSuporte), c.SSDe > 0 ? Milimetros(c.SSDe, dec, mil) : nada,
         otimo(d.SSDe), registro(g.SSDe)},
        {TextoRecurso(IluminacaoRelAlcance), nada, otimo(d.alcance), nada},
    };
}

const char* const MemosDefletoresIluminacao[LinhasDefletoresIluminacao][4] = {
    {"Def1D", "Def1A", "Def1O", "Def1R"},
    {"Def2D", "Def2A", "Def2O", "Def2R"},
    {"Def3D", "Def3A", "Def3O", "Def3R"},
    {"Def4D", "Def4A", "Def4O", "Def4R"},
    {"Def5D", "Def5A", "Def5O", "Def5R"}};
const char* const MemosCabecalhoIluminacao[4] = {"IlCab1", "IlCab2", "IlCab3", "IlCab4"};
const char* const MemosCabecalhoDefletores[4] = {"DefCab1", "DefCab2", "DefCab3", "DefCab4"};
const char* const CamposIluminacao[4] = {"Grandeza", "Atual", "Otimizado", "Registro"};

QString NotaIluminacao(const CalculoIluminacao& c, QChar dec, QChar mil) {
    using namespace Recursos;
    if (!c.atual.valida) return {};
    auto n = [&](double v) { return NumeroTexto(v, dec, mil); };
    const DefletorOtimizado& d = c.defletor;
    const DefletorOtimizado& g = c.defletorRegistro;
    const QString livre = d.encontrado
                              ? TextoRecurso(IluminacaoResumo)
                                    .arg(n(d.DDi), n(d.DDe), n(d.L), n(d.SSDe), n(d.alcance))
                              : TextoRecurso(IluminacaoSemOtimo);
    const QString registro =
        g.encontrado
            ? TextoRecurso(IluminacaoResumoRegistro).arg(n(g.DDi), n(g.DDe), n(g.L), n(g.SSDe))
            : TextoRecurso(IluminacaoSemOtimoRegistro);
    return livre + u'\n' + registro;
}

std::vector<LinhaRelatorio> LinhasRelatorioIluminacao(const TProjeto& projeto, int variante,
                                                      const CalculoIluminacao& c, QChar dec,
                                                      QChar mil) {
    using namespace Recursos;
    const char* variantes[3] = {Classico, DallKirkham, RitcheyChretien};
    std::vector<::LinhaRelatorio> l = {
        {"MemoTitulo", TextoRecurso(RelatorioIluminacao)},
        {"MemoProjeto", TituloTexto(projeto)},
        {"MemoVariante", TextoRecurso(IluminacaoRelVariante)
                             .arg(TextoRecurso(variantes[std::clamp(variante, 0, 2)]),
                                  NumeroTexto(c.campo, dec, mil))},
        {"MemoCurva", TextoRecurso(IluminacaoRelCurva)},
        {"MemoDefletores", TextoRecurso(IluminacaoRelDefletores)},
        {"MemoTabela", TextoRecurso(IluminacaoRelFiguras)},
    };
    const QString cabecalho[4] = {
        TextoRecurso(IluminacaoRelGrandeza), TextoRecurso(IluminacaoDefletorAtual),
        TextoRecurso(IluminacaoDefletorOtimizado), TextoRecurso(IluminacaoDefletorRegistro)};
    for (int k = 0; k < 4; ++k) {
        l.push_back({MemosCabecalhoDefletores[k], cabecalho[k]});
        l.push_back({MemosCabecalhoIluminacao[k], cabecalho[k]});
    }
    const auto defletores = TabelaDefletoresIluminacao(c, dec, mil);
    for (int r = 0; r < LinhasDefletoresIluminacao; ++r)
        for (int k = 0; k < 4; ++k)
            l.push_back({MemosDefletoresIluminacao[r][k], Celula(defletores[r][k], k)});
    l.push_back({"MemoNota", NotaIluminacao(c, dec, mil)});
    return l;
}

TRelatorioIluminacao::TRelatorioIluminacao(TProjeto& projeto, const AvisoRelatorio& aviso)
    : dtIluminacao(QStringLiteral("dtIluminacao")), m_projeto(projeto) {
    for (const char* campo : CamposIluminacao)
        dtIluminacao.adicionarCampo(QString::fromLatin1(campo), TMemDataSet::TipoCampo::Texto, 80);
    dtIluminacao.Open();
    PrepararRelatorio(
        rpReport1, rpDBDataSet1, dtIluminacao, QStringLiteral("iluminacao"),
        [this] { Preencher(); }, aviso);
}

void TRelatorioIluminacao::Calcular(int variante, double campo) {
    Definir(CalcularEstudoIluminacao(m_projeto, variante, campo), variante);
}

void TRelatorioIluminacao::Definir(const CalculoIluminacao& c, int variante) {
    m_calculo = c;
    m_variante = variante;
}

void TRelatorioIluminacao::Preencher() {
    QChar dec, mil;
    SeparadoresLocal(dec, mil);
    PreencherRelatorio(rpReport1,
                       LinhasRelatorioIluminacao(m_projeto, m_variante, m_calculo, dec, mil));
    if (!dtIluminacao.Active()) dtIluminacao.Open();
    dtIluminacao.EmptyTable();
    if (m_calculo.atual.valida)
        for (const LinhaTabelaIluminacao& linha : TabelaIluminacao(m_calculo, dec, mil, true)) {
            dtIluminacao.Append();
            for (int k = 0; k < 4; ++k)
                dtIluminacao.SetField(QString::fromLatin1(CamposIluminacao[k]),
                                      Celula(linha[k], k));
            dtIluminacao.Post();
        }
    PreencherFigura(rpReport1, "Picture1", [this](QPainter& pintor, const QRectF& area) {
        GraficoIluminacao(m_calculo, PixelsPorUnidadeFigura).Desenhar(pintor, area);
    });
}
