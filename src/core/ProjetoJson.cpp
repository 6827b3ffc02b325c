// The whole of a design as one JSON object: the record's fields, the glare stops, the ray-trace
// analysis and the mirror data, for the command line's --json.
#include "ProjetoJson.h"

#include "AnaliseRaios.h"
#include "Calculo.h"
#include "ConfeccaoEspelhos.h"
#include "Difracao.h"
#include "Iluminacao.h"
#include "Tolerancias.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace {

QJsonValue numero(double v) {
    return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

const char* nomeVariante(int variante) {
    switch (variante) {
    case VarianteClassico:
        return "Classico";
    case VarianteDallKirkham:
        return "DallKirkham";
    default:
        return "RitcheyChretien";
    }
}

const char* nomeMotivo(MotivoAnalise m) {
    switch (m) {
    case MotivoAnalise::Valida:
        return "Valida";
    case MotivoAnalise::EntradasNulas:
        return "EntradasNulas";
    case MotivoAnalise::Ampliacao:
        return "Ampliacao";
    case MotivoAnalise::Geometria:
        return "Geometria";
    case MotivoAnalise::ConicaIndefinida:
        return "ConicaIndefinida";
    case MotivoAnalise::EspelhoSemRaios:
        return "EspelhoSemRaios";
    case MotivoAnalise::NaoFinito:
        return "NaoFinito";
    }
    return "";
}

const char* nomeTeste(TesteNulo t) {
    switch (t) {
    case TesteNulo::Hindle:
        return "Hindle";
    case TesteNulo::CentroCurvatura:
        return "CentroCurvatura";
    case TesteNulo::Focos:
        return "Focos";
    case TesteNulo::Paraboloide:
        return "Paraboloide";
    case TesteNulo::Oblato:
        return "Oblato";
    }
    return "";
}

QJsonObject analise(const TProjeto& projeto, bool difracao) {
    const ResultadoAnalise r = Analisar(projeto);
    QJsonObject o;
    o[QStringLiteral("motivo")] = QString::fromLatin1(nomeMotivo(r.motivo));
    o[QStringLiteral("raioAiry")] = numero(r.raioAiry);
    o[QStringLiteral("perdidos")] = r.perdidos;
    QJsonArray variantes;
    if (r.valida()) {
        for (const VarianteAnalise& v : r.variantes) {
            QJsonObject ov;
            ov[QStringLiteral("variante")] = QString::fromLatin1(nomeVariante(v.variante));
            ov[QStringLiteral("b1")] = numero(v.b1);
            ov[QStringLiteral("b2")] = numero(v.b2);
            QJsonArray feixes;
            for (const FeixeAnalise& f : v.feixes) {
                const EstatisticaSpot& e = f.estatistica;
                feixes.append(QJsonObject{
                    {QStringLiteral("h"), numero(f.h)},
                    {QStringLiteral("theta"), numero(f.theta)},
                    {QStringLiteral("usados"), f.usados},
                    {QStringLiteral("perdidos"), f.perdidos},
                    {QStringLiteral("centroX"), numero(e.centroX)},
                    {QStringLiteral("centroY"), numero(e.centroY)},
                    {QStringLiteral("rms"), numero(e.rms)},
                    {QStringLiteral("raioGeometrico"), numero(e.raioGeometrico)},
                    {QStringLiteral("focoOtimo"), numero(e.focoOtimo)},
                    {QStringLiteral("rmsFocoOtimo"), numero(e.rmsFocoOtimo)},
                });
            }
            ov[QStringLiteral("feixes")] = feixes;
            ov[QStringLiteral("deltaCurvatura")] = numero(v.deltaCurvatura);
            ov[QStringLiteral("campoPlano")] = v.campoPlano;
            ov[QStringLiteral("raioCurvaturaCampo")] = numero(v.raioCurvaturaCampo);
            const TerceiraOrdem& t = v.terceiraOrdem;
            ov[QStringLiteral("terceiraOrdem")] = QJsonObject{
                {QStringLiteral("SI"), numero(t.SI)},
                {QStringLiteral("SII"), numero(t.SII)},
                {QStringLiteral("SIII"), numero(t.SIII)},
                {QStringLiteral("SIV"), numero(t.SIV)},
                {QStringLiteral("uFinal"), numero(t.uFinal)},
                {QStringLiteral("comaSagital"), numero(t.comaSagital)},
                {QStringLiteral("comaAngular"), numero(t.comaAngular)},
                {QStringLiteral("astigmatismoAngular"), numero(t.astigmatismoAngular)},
                {QStringLiteral("curvaturaPetzval"), numero(t.curvaturaPetzval)},
                {QStringLiteral("curvaturaMedia"), numero(t.curvaturaMedia)},
                {QStringLiteral("curvaturaSagital"), numero(t.curvaturaSagital)},
                {QStringLiteral("curvaturaTangencial"), numero(t.curvaturaTangencial)},
            };
            variantes.append(ov);
        }
    }
    o[QStringLiteral("variantes")] = variantes;
    if (difracao) o[QStringLiteral("Difracao")] = DifracaoJson(AnalisarDifracao(projeto, r, false));
    return o;
}

QJsonObject desvios(const Conica& c, double diametro, const Desvios& d) {
    return QJsonObject{
        {QStringLiteral("R"), numero(c.R)},
        {QStringLiteral("b"), numero(c.b)},
        {QStringLiteral("diametro"), numero(diametro)},
        {QStringLiteral("flechaParaxial"), numero(d.flechaParaxial)},
        {QStringLiteral("flechaExata"), numero(d.flechaExata)},
        {QStringLiteral("desvioVertice"), numero(d.desvioVertice)},
        {QStringLiteral("melhorEsfera"),
         QJsonObject{{QStringLiteral("raio"), numero(d.melhorEsfera.raio)},
                     {QStringLiteral("deslocamento"), numero(d.melhorEsfera.deslocamento)},
                     {QStringLiteral("picoVale"), numero(d.melhorEsfera.picoVale)}}},
    };
}

QJsonObject espelhos(const TProjeto& projeto, int variante) {
    const DadosEspelhos dados = CalcularEspelhos(projeto, variante, ZonasJson, 0);
    const EspelhoPrimario& p = dados.primario;
    QJsonObject primario;
    primario[QStringLiteral("valido")] = p.valido;
    primario[QStringLiteral("mensagem")] = p.mensagem;
    if (p.valido) {
        const QJsonObject d = desvios(p.conica, p.diametro, p.desvios);
        for (auto it = d.begin(); it != d.end(); ++it)
            primario[it.key()] = it.value();
        QJsonArray zonas;
        for (const ZonaCouder& z : p.zonas)
            zonas.append(QJsonObject{{QStringLiteral("numero"), z.numero},
                                     {QStringLiteral("interno"), numero(z.interno)},
                                     {QStringLiteral("externo"), numero(z.externo)},
                                     {QStringLiteral("medio"), numero(z.medio)},
                                     {QStringLiteral("fonteMovel"), numero(z.fonteMovel)},
                                     {QStringLiteral("fonteFixa"), numero(z.fonteFixa)}});
        primario[QStringLiteral("zonas")] = zonas;
    }
    const EspelhoSecundario& s = dados.secundario;
    QJsonObject secundario;
    secundario[QStringLiteral("valido")] = s.valido;
    secundario[QStringLiteral("mensagem")] = s.mensagem;
    if (s.valido) {
        const QJsonObject d = desvios(s.conica, s.diametro, s.desvios);
        for (auto it = d.begin(); it != d.end(); ++it)
            secundario[it.key()] = it.value();
        secundario[QStringLiteral("teste")] = QString::fromLatin1(nomeTeste(s.teste));
        secundario[QStringLiteral("foco1")] = numero(s.foco1);
        secundario[QStringLiteral("foco2")] = numero(s.foco2);
        secundario[QStringLiteral("hindleValido")] = s.hindleValido;
        secundario[QStringLiteral("mensagemHindle")] = s.mensagemHindle;
        if (s.hindleValido) {
            const MontagemHindle& h = s.hindle;
            secundario[QStringLiteral("hindle")] = QJsonObject{
                {QStringLiteral("focoReal"), numero(h.focoReal)},
                {QStringLiteral("focoVirtual"), numero(h.focoVirtual)},
                {QStringLiteral("distanciaMinima"), numero(h.distanciaMinima)},
                {QStringLiteral("distanciaSemPerda"), numero(h.distanciaSemPerda)},
                {QStringLiteral("distancia"), numero(h.distancia)},
                {QStringLiteral("raioEsfera"), numero(h.raioEsfera)},
                {QStringLiteral("diametroEsfera"), numero(h.diametroEsfera)},
                {QStringLiteral("furo"), numero(h.furo)},
                {QStringLiteral("zonaPerdida"), numero(h.zonaPerdida)},
            };
        }
    }
    return QJsonObject{{QStringLiteral("variante"), QString::fromLatin1(nomeVariante(variante))},
                       {QStringLiteral("primario"), primario},
                       {QStringLiteral("secundario"), secundario}};
}

QJsonObject resultadoIluminacao(const ResultadoIluminacao& r) {
    QJsonObject o;
    o[QStringLiteral("valida")] = r.valida;
    QJsonArray alturas, relativa;
    for (double h : r.alturas)
        alturas.append(numero(h));
    for (double v : r.relativa)
        relativa.append(numero(v));
    o[QStringLiteral("alturas")] = alturas;
    o[QStringLiteral("relativa")] = relativa;
    o[QStringLiteral("transmissao")] = numero(r.transmissao);
    o[QStringLiteral("obstrucaoArea")] = numero(r.obstrucaoArea);
    o[QStringLiteral("obstrucaoDiametro")] = numero(r.obstrucaoDiametro);
    const char* nomes[3] = {"100", "75", "50"};
    for (int k = 0; k < 3; ++k) {
        o[QStringLiteral("diametro%1").arg(QLatin1String(nomes[k]))] = numero(r.diametros[k]);
        o[QStringLiteral("alem%1").arg(QLatin1String(nomes[k]))] = r.alem[k];
    }
    return o;
}

// The illumination study as the window opens it: the Ritchey-Chrétien variant and the field i
// kept lit (the optimiser, the costly part, runs once).
QJsonObject iluminacao(const TProjeto& projeto) {
    const int variante = VarianteRitcheyChretien;
    const CalculoIluminacao c = CalcularEstudoIluminacao(projeto, variante, projeto.i);
    QJsonObject atual = resultadoIluminacao(c.atual);
    atual[QStringLiteral("defletor")] = c.defletorAtual;
    atual[QStringLiteral("DDi")] = numero(c.DDi);
    atual[QStringLiteral("DDe")] = numero(c.DDe);
    atual[QStringLiteral("L")] = numero(c.L);
    atual[QStringLiteral("SSDe")] = numero(c.SSDe);
    atual[QStringLiteral("folga")] = numero(c.folgaAtual);
    atual[QStringLiteral("luzDireta")] = LuzDiretaAtual(c);
    auto otimo = [](const ResultadoIluminacao& r, const DefletorOtimizado& d) {
        QJsonObject o = resultadoIluminacao(r);
        o[QStringLiteral("encontrado")] = d.encontrado;
        o[QStringLiteral("DDi")] = numero(d.DDi);
        o[QStringLiteral("DDe")] = numero(d.DDe);
        o[QStringLiteral("L")] = numero(d.L);
        o[QStringLiteral("LTotal")] = numero(d.LTotal);
        o[QStringLiteral("SSDe")] = numero(d.SSDe);
        o[QStringLiteral("alcance")] = numero(d.alcance);
        o[QStringLiteral("folga")] = numero(d.folga);
        o[QStringLiteral("luzDireta")] = !d.encontrado;
        return o;
    };
    const QJsonObject otimizado = otimo(c.otimizado, c.defletor);
    const QJsonObject registro = otimo(c.otimizadoRegistro, c.defletorRegistro);
    return QJsonObject{{QStringLiteral("variante"), QString::fromLatin1(nomeVariante(variante))},
                       {QStringLiteral("campo"), numero(c.campo)},
                       {QStringLiteral("meioCampo"), numero(c.meioCampo)},
                       {QStringLiteral("atual"), atual},
                       {QStringLiteral("otimizado"), otimizado},
                       {QStringLiteral("otimizadoSemCapuz"), registro}};
}

} // namespace

QJsonObject ProjetoJson(const TProjeto& projeto, ConteudoJson conteudo) {
    const TProjeto& P = projeto;
    QJsonObject o;
    o[QStringLiteral("Titulo")] = TituloTexto(P);
    const struct {
        const char* nome;
        double valor;
    } campos[] = {
        {"D1", P.D1},         {"D2", P.D2},       {"Area1", P.Area1},   {"Area2", P.Area2},
        {"f1", P.f1},         {"F", P.F},         {"e", P.e},           {"p", P.p},
        {"pLinha", P.pLinha}, {"gamma", P.gamma}, {"i", P.i},           {"d", P.d},
        {"r1", P.r1},         {"r2", P.r2},       {"fD1", P.fD1},       {"FD1", P.FD1},
        {"Tx", P.Tx},         {"b1DK", P.b1DK},   {"b2DK", P.b2DK},     {"b1RC", P.b1RC},
        {"b2RC", P.b2RC},     {"b1Cl", P.b1Cl},   {"b2Cl", P.b2Cl},     {"L", P.L},
        {"L1", P.L1},         {"L2", P.L2},       {"LTotal", P.LTotal}, {"DDi", P.DDi},
        {"DG", P.DG},         {"Z1", P.Z1},       {"SSDe", P.SSDe},     {"DDe", P.DDe},
        {"Sag1", P.Sag1},     {"Sag2", P.Sag2},
    };
    for (const auto& c : campos)
        o[QString::fromLatin1(c.nome)] = numero(c.valor);
    o[QStringLiteral("nG")] = P.nG;
    QJsonArray glares;
    CalcularGlares(P, [&](const LinhaGlare& g) {
        glares.append(QJsonObject{{QStringLiteral("Glare"), g.Glare},
                                  {QStringLiteral("Posicao"), numero(g.Posicao)},
                                  {QStringLiteral("Diametro"), numero(g.Diametro)}});
    });
    o[QStringLiteral("Glares")] = glares;
    o[QStringLiteral("Avisos")] = QJsonArray::fromStringList(AvisosProjeto(P));
    const bool estudos = conteudo == ConteudoJson::Completo;
    o[QStringLiteral("Analise")] = analise(P, estudos);
    QJsonArray dadosEspelhos;
    for (int v : {VarianteClassico, VarianteDallKirkham, VarianteRitcheyChretien})
        dadosEspelhos.append(espelhos(P, v));
    o[QStringLiteral("Espelhos")] = dadosEspelhos;
    if (!estudos) return o;
    o[QStringLiteral("Tolerancias")] = ToleranciasJson(CalcularTolerancias(P));
    o[QStringLiteral("Iluminacao")] = iluminacao(P);
    return o;
}

QByteArray TextoProjetoJson(const TProjeto& projeto, ConteudoJson conteudo) {
    return QJsonDocument(ProjetoJson(projeto, conteudo)).toJson(QJsonDocument::Compact) + '\n';
}
