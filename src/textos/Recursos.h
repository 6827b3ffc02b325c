// Every Portuguese text that the program sets at run time, in one table.
#pragma once

#include <QString>

// A text of this table as the user reads it: through the installed translation (context
// "Recursos"), or the Portuguese itself, byte for byte, when none is installed. Every run-time
// use of a text of the table goes through it.
QString TextoRecurso(const char* texto);

// A text of a stored report template as the user reads it (context "Relatorio"): the template's
// own text when no translation has it.
QString TextoRelatorio(const QString& texto);

namespace Recursos {
// Captions shared by several windows.
inline constexpr const char* GrupoDados = " Dados: ";
inline constexpr const char* BotaoOk = "&Ok";
inline constexpr const char* ColunaDescricao = "Descrição";
inline constexpr const char* ColunaValor = "Valor";

// Main window: caption, actions (category, caption, tool tip), menus, inputs, file filter.
inline constexpr const char* TituloPrincipal = "Projeto Teluvar - Principal";
struct TextoAcao {
    const char* categoria;
    const char* legenda;
    const char* dica;
};
inline constexpr TextoAcao AcaoNovo = {"Arquivo", "&Novo", "Novo"};
inline constexpr TextoAcao AcaoAbrir = {"Arquivo", "&Abrir", "Abre arquivo"};
inline constexpr TextoAcao AcaoSalvar = {"Arquivo", "&Salvar", "Salva em arquivo"};
inline constexpr TextoAcao AcaoPreview = {"Arquivo", "&Preview", "Visualizar impressão"};
inline constexpr TextoAcao AcaoConfigurarImpressora = {"Arquivo", "&Configurar impressora",
                                                       "Confirgura impressora"};
inline constexpr TextoAcao AcaoImprimir = {"Arquivo", "Imprimir", "Imprime"};
inline constexpr TextoAcao AcaoSair = {"Arquivo", "Sair", "Sair do programa"};
inline constexpr TextoAcao AcaoDefletor = {"Componentes", "&Defletor",
                                           "Abre formulário de projeto do defletor"};
inline constexpr TextoAcao AcaoFlecha = {"Componentes", "&Flecha", "Abre o formulário das flechas"};
inline constexpr TextoAcao AcaoAnalise = {"Componentes", "&Análise",
                                          "Análise por traçado de raios"};
inline constexpr TextoAcao AcaoDesenho = {"Componentes", "Desenho em &escala",
                                          "Desenho do telescópio em escala"};
inline constexpr TextoAcao AcaoEspelhos = {"Componentes", "Confecção dos &espelhos",
                                           "Dados para a confecção e o teste dos espelhos"};
inline constexpr TextoAcao AcaoSobre = {"Ajuda", "Sobre...", ""};
inline constexpr const char* MenuArquivo = "&Arquivo";
inline constexpr const char* MenuComponentes = "&Componentes";
inline constexpr const char* MenuAjuda = "&Ajuda";
inline constexpr const char* RotuloDescricao = "Descrição:";
inline constexpr const char* RotuloD1 = "Diâmetro primário (D1):";
inline constexpr const char* RotulofD = "f/D do primário:";
// The gamma is drawn over the blanks between the parentheses.
inline constexpr const char* RotuloGamma = "Coeficiente ampliação (     ):";
inline constexpr const char* Gamma = "γ";
inline constexpr const char* RotuloE = "Afastamento plano focal (e):";
inline constexpr const char* RotuloI = "Diâmetro do campo (i):";
inline constexpr const char* FiltroArquivo = "Arquivo tlv (*.tlv)";

// Diagram labels of the main window (the others are the report's "d = %n", ... lines below).
inline constexpr const char* Fmtf1 = "f1 = %n";
inline constexpr const char* FmtFSistema = "Distância focal do sistema (F) = %n";
inline constexpr const char* FmtTxObstrucao = "Taxa de obstrução do secundário (Tx) = %n%%";
inline constexpr const char* FmtFD1 = "Relação focal do sistema (F/D1) = %n";

// Comparison list.
inline constexpr const char* DeformacaoPrimario = "Deformação do Primário (b1)";
inline constexpr const char* DeformacaoSecundario = "Deformação do Secundário (b2)";
inline constexpr const char* Classico = "Clássico";
inline constexpr const char* DallKirkham = "Dall-Kirkham";
inline constexpr const char* RitcheyChretien = "Ritchey-Chrétien";

// Result list, in order.
inline constexpr const char* Resultados[19] = {
    "Diâmetro do primário (D1)",
    "Diâmetro do secundário (D2)",
    "Área do primário (mm²)",
    "Área do secundário (mm²)",
    "Raio do primário (r1)",
    "Raio do secundário (r2)",
    "Distância focal do primário (f)",
    "Relação focal do primário (f/D1)",
    "Coeficiente de ampliação",
    "Diâmetro do campo (i)",
    "Distância focal do sistema (F)",
    "Relação focal do sistema (F/D1)",
    "Distância entre primário e secundário (d)",
    "Distância entre o primário e o foco do sistema (e)",
    "Distância entre o secundário e o foco do primário (p)",
    "Distância entre o secundário e o foco do sistema (p')",
    "Taxa de obstrução do secundário (Tx)",
    "Flecha do espelho primário (Sag1)",
    "Flecha do espelho secundário (Sag2)",
};

// Baffle window: caption, inputs, diagram captions (the ones that change: "L = %n", "DG = %n",
// "Z1 = %n"), list captions and headings.
inline constexpr const char* TituloDefletor = "Projeto Teluvar - Defletor";
inline constexpr const char* DicaVisualizar = "Visualizar impressão";
inline constexpr const char* RotuloDDi = "Diâmetro interno do tubo:";
inline constexpr const char* RotuloDDe = "Diâmetro externo do tubo:";
inline constexpr const char* RotuloLTotal = "Comprimento total do tubo:";
inline constexpr const char* RotulonG = "Número de glare stops:";
inline constexpr const char* RotuloSSDe = "Diâmetro externo do suporte do secundário:";
inline constexpr const char* DiagramaDG = "DG";
inline constexpr const char* DiagramaG = "G";
inline constexpr const char* DiagramaMenosZ1 = "-Z1";
inline constexpr const char* DiagramaMenosZ2 = "-Z2";
inline constexpr const char* DiagramaMenosZ3 = "-Z3";
inline constexpr const char* DiagramaL = "L";
inline constexpr const char* DiagramaZ1 = "Z1";
inline constexpr const char* FmtZ1 = "Z1 = %n";
inline constexpr const char* RotuloListaDefletor = "Defletor:";
inline constexpr const char* RotuloListaGlare = "Glare:";
inline constexpr const char* ColunaCriterio = "Critério";
inline constexpr const char* ColunaGlare = "Glare";
inline constexpr const char* ColunaPosicao = "Posição (Z)";
inline constexpr const char* ColunaDiametro = "Diâmetro (G)";

// Sagitta window (its labels are the report's "Sag1 = %n", "D1 = %n", ... lines below).
inline constexpr const char* TituloFlechas = "Projeto Teluvar - Flechas";

// Field-diameter dialog.
inline constexpr const char* TituloDiametroCampo = "Projeto Teluvar - Diâmetro do campo";
inline constexpr const char* RotuloArco = "Comprimento do arco (graus):";
inline constexpr const char* RotuloGrau = "o"; // raised after the arc: the degree sign
inline constexpr const char* RotuloDiametroCampo = "Diâmetro do campo:";
inline constexpr const char* BotaoOkDialogo = "OK";
inline constexpr const char* BotaoCancelar = "Cancel";

// Baffle window: criteria list, in order, and the report lines built from them.
inline constexpr const char* Criterios[4] = {
    "Comprimento do defletor a partir da superfície do primário (L)",
    "Comprimento mínimo do defletor que bloqueia a luz direta do tubo do telescópio (L1)",
    "Comprimento máximo do defletor que não irá bloquear o secundário do primário (L2)",
    "Distância entre glares (DG)",
};
inline constexpr const char* FmtCriterios[4] = {
    "Comprimento do defletor a partir da superfície do primário (L) = %n",
    "Comprimento mínimo do defletor que bloqueia a luz direta do tubo do telescópio (L1) = %n",
    "Comprimento máximo do defletor que não irá bloquear o secundário do primário (L2) = %n",
    "Distância entre glares (DG) = %n",
};

// Preview captions.
inline constexpr const char* PreviewProjeto = "Preview - Projeto Básico";
inline constexpr const char* PreviewDefletor = "Preview - Defletor";

// Design report: lines the fill-in writes into the template's memos (formats of the
// obstruction, focal length, focal ratio and deformation lines are the ones above); the same
// lines label the main window's diagram and the sagitta window.
inline constexpr const char* RelD1 = "D1 = %n";
inline constexpr const char* RelD2 = "D2 = %n";
inline constexpr const char* RelR1 = "r1 = %n";
inline constexpr const char* RelR2 = "r2 = %n";
inline constexpr const char* RelF = "f = %n";
inline constexpr const char* RelDistD = "d = %n";
inline constexpr const char* RelDistE = "e = %n";
inline constexpr const char* RelDistP = "p = %n";
inline constexpr const char* RelDistPLinha = "p' = %n";
inline constexpr const char* RelSag1 = "Sag1 = %n";
inline constexpr const char* RelSag2 = "Sag2 = %n";
inline constexpr const char* RelValor = "%n";

// Baffle report: lines the fill-in writes (the four criteria lines are FmtCriterios); "L = %n"
// and "DG = %n" also label the baffle window's diagram.
inline constexpr const char* RelL = "L = %n";
inline constexpr const char* RelZ = "Z = %n";
inline constexpr const char* RelLTotal = "L Total = %n";
inline constexpr const char* RelDG = "DG = %n";
inline constexpr const char* RelDiametroInterno = "Diâmetro interno do tubo = %n";
inline constexpr const char* RelDiametroExterno = "Diâmetro externo do tubo = %n";
inline constexpr const char* RelComprimentoTotal = "Comprimento total do tubo = %n";
inline constexpr const char* RelNumeroGlares = "Número de glare stops = %.2d";
inline constexpr const char* RelSuporteSecundario =
    "Diâmetro externo do suporte do secundário = %n";

// Preview window: caption until the caller sets one, and the tool bar hints.
inline constexpr const char* PreviewTituloInicial = "Preview - [Nome do Relatório]";
inline constexpr const char* DicaAbrirRelatorio = "Abre relatório";
inline constexpr const char* DicaSalvarRelatorio = "Salva relatório";
inline constexpr const char* DicaConfigurarImpressora = "Configura impressora";
inline constexpr const char* DicaImprimir = "Imprime";
inline constexpr const char* DicaZoom = "Zoom";
inline constexpr const char* DicaAjustarAPagina = "Ajusta à janela";
inline constexpr const char* DicaAjustarALargura = "Ajusta à largura";
inline constexpr const char* DicaFecharFormulario = "Fecha formulário";
inline constexpr const char* PreviewPorcento = "%"; // after the zoom field

// About box.
inline constexpr const char* SobreTitulo = "Sobre...";
inline constexpr const char* SobreVersao = "Versao 1.0";
inline constexpr const char* SobreNome = "Projeto Teluvar";
inline constexpr const char* SobreAutor = "Equipe do Projeto Teluvar";
inline constexpr const char* SobreEmail = "contato@teluvar.org";
inline constexpr const char* SobreAno = "2007";

// Application title (task bar, caption of error boxes).
inline constexpr const char* TituloAplicacao = "Projeto Teluvar";

// Mirror-making window.
inline constexpr const char* EspelhosTitulo = "Projeto Teluvar - Confecção dos espelhos";
inline constexpr const char* EspelhosZonas = "Zonas:";
inline constexpr const char* EspelhosPrimario = "Espelho primário";
inline constexpr const char* EspelhosSecundario = "Espelho secundário";
inline constexpr const char* EspelhosTesteNulo = "Teste nulo do secundário";
inline constexpr const char* EspelhosDistanciaHindle = "Distância da esfera de Hindle (mm):";
inline constexpr const char* EspelhosDescricao = "Descrição";
inline constexpr const char* EspelhosValor = "Valor";
inline constexpr const char* EspelhosColunas[6] = {
    "Zona",
    "Raio interno (mm)",
    "Raio externo (mm)",
    "Raio médio (mm)",
    "Fonte móvel (mm)",
    "Fonte fixa (mm)",
};
inline constexpr const char* EspelhosLeituras =
    "Leituras da lâmina a partir do centro de curvatura do vértice; positivas afastando-se do "
    "espelho.";
// Rows of a mirror's values, in order.
inline constexpr const char* EspelhosDesvios[10] = {
    "Raio de curvatura do vértice (mm)",    "Constante cônica (b)",
    "Flecha paraxial na borda (mm)",        "Flecha exata na borda (mm)",
    "Diferença exata - paraxial (µm)",      "Desvio da esfera do vértice na borda (µm)",
    "Raio da esfera de melhor ajuste (mm)", "Desvio da esfera de melhor ajuste, pico-vale (µm)",
    "Desvio pico-vale em ondas (632,8 nm)", "Desvio pico-vale em ondas (550 nm)",
};
// Rows of the Hindle set-up, in order.
inline constexpr const char* EspelhosHindle[7] = {
    "Foco real, à frente do vértice (mm)",
    "Foco virtual, atrás do vértice (mm)",
    "Distância da esfera que retorna todo o secundário (mm)",
    "Raio de curvatura da esfera de Hindle (mm)",
    "Diâmetro mínimo da esfera de Hindle (mm)",
    "Diâmetro do furo central da esfera (mm)",
    "Diâmetro central do secundário sem retorno (mm)",
};
// How the secondary is tested, by its shape (%1, %2: distances from the vertex).
inline constexpr const char* EspelhosTesteHindle =
    "Hiperboloide: teste de Hindle. Fonte e lâmina no foco real; esfera côncava centrada no "
    "foco virtual.";
inline constexpr const char* EspelhosTesteEsfera =
    "Esfera: teste no centro de curvatura, a %1 mm do vértice.";
inline constexpr const char* EspelhosTesteFocos =
    "Elipsoide: focos a %1 mm e a %2 mm atrás do vértice; teste entre os focos.";
inline constexpr const char* EspelhosTesteParaboloide =
    "Paraboloide: foco a %1 mm atrás do vértice; teste por autocolimação com um plano.";
inline constexpr const char* EspelhosTesteOblato =
    "Elipsoide oblato: sem focos sobre o eixo; teste no centro de curvatura com compensador.";
// Marks of the secondary's test drawing: real focus, virtual focus, centre of curvature.
inline constexpr const char* EspelhosFocoReal = "F";
inline constexpr const char* EspelhosFocoVirtual = "F'";
inline constexpr const char* EspelhosCentro = "C";
// Messages in place of the values.
inline constexpr const char* EspelhosSemDados =
    "Raio ou diâmetro nulo, negativo ou não numérico: não há espelho a calcular.";
inline constexpr const char* EspelhosConicaIndefinida =
    "A cônica não está definida sobre toda a abertura.";
inline constexpr const char* EspelhosLeituraIndefinida =
    "O raio refletido não cruza o eixo: leitura de Foucault indefinida.";
inline constexpr const char* EspelhosHindleCorta =
    "A esfera de Hindle a essa distância corta a borda do secundário (mínimo: %1 mm).";
// Analysis window.
inline constexpr const char* TituloAnalise = "Projeto Teluvar - Análise";
inline constexpr const char* FmtRaioAiry = "Raio do disco de Airy (550 nm) = %n µm";
inline constexpr const char* ColunasAnalise[7] = {
    "Variante",
    "Campo (mm)",
    "RMS (µm)",
    "Raio geométrico (µm)",
    "RMS / Airy",
    "Foco ótimo (mm)",
    "RMS no foco ótimo (µm)",
};
inline constexpr const char* ColunasCurvatura[6] = {
    "Variante",
    "Raio de curvatura do campo (mm)",
    "Coma (\")",
    "Astigmatismo (\")",
    "Raio de Petzval (mm)",
    "Raio do campo médio (mm)",
};
inline constexpr const char* Infinito = "∞";
inline constexpr const char* AnaliseConvencao =
    "Foco ótimo: deslocamento do plano focal, positivo em direção ao secundário. Raio de "
    "curvatura positivo: superfície côncava para o secundário.";
inline constexpr const char* FmtConcavoSecundario = "%1: campo côncavo para o secundário";
inline constexpr const char* FmtConcavoPrimario = "%1: campo côncavo para o primário";
inline constexpr const char* FmtCampoPlano = "%1: campo plano";
inline constexpr const char* FmtRaiosPerdidos = "Raios perdidos (não contados): %1";
inline constexpr const char* FmtAlturaCampo = "h = %n mm";
inline constexpr const char* FmtRmsSpot = "RMS = %n µm";
inline constexpr const char* FmtEscalaSpot = "%n µm";
inline constexpr const char* LegendaAiry = "Círculo: disco de Airy";
inline constexpr const char* AnaliseEntradasNulas =
    "Análise indisponível: D1, F e i devem ser maiores que zero.";
inline constexpr const char* AnaliseAmpliacao =
    "Análise indisponível: o coeficiente de ampliação deve ser maior que 1.";
inline constexpr const char* AnaliseGeometria =
    "Análise indisponível: d, p, D2 e r2 devem ser maiores que zero.";
inline constexpr const char* AnaliseConicaIndefinida =
    "Análise indisponível: a cônica de um espelho não define uma superfície sobre toda a "
    "abertura.";
inline constexpr const char* AnaliseEspelhoSemRaios =
    "Análise indisponível: nenhum raio atinge um dos espelhos.";
inline constexpr const char* AnaliseNaoFinita =
    "Análise indisponível: o traçado não dá valores finitos para este projeto.";
// Design files: the format the file checks' messages name, and the record's own checks.
inline constexpr const char* FormatoProjeto = "um projeto (.tlv)";
inline constexpr const char* ProjetoCurto =
    "o arquivo não é um projeto (tem %1 bytes; um projeto tem %2)";
inline constexpr const char* ProjetoNaoFinito =
    "o arquivo está danificado: o campo %1 não é um número finito";
inline constexpr const char* ProjetoForaDaFaixa =
    "o arquivo está danificado: o campo %1 está fora da faixa aceita (de -%2 a %2)";
inline constexpr const char* ProjetoCalculoForaDaFaixa =
    "o arquivo está danificado: com estes dados o valor calculado %1 sai da faixa aceita "
    "(de -%2 a %2)";
// To-scale drawing window.
inline constexpr const char* TituloDesenho = "Projeto Teluvar - Desenho em escala";
inline constexpr const char* DesenhoEspessura = "Espessura do primário (vazio: D1/6):";
inline constexpr const char* DesenhoAjustar = "Ajustar";
inline constexpr const char* DesenhoExportar = "Exportar";
inline constexpr const char* DesenhoTituloExportar = "Exportar desenho";
inline constexpr const char* DesenhoFiltroExportar = "Imagem SVG (*.svg);;Imagem PNG (*.png)";
inline constexpr const char* DesenhoErroExportar = "Não foi possível gravar o arquivo %1";
inline constexpr const char* LuzDiretaAtinge = "Luz direta atinge o campo";
inline constexpr const char* LuzDiretaBloqueada = "Luz direta bloqueada";
inline constexpr const char* FmtFuroDesenho = "Furo = %n";
inline constexpr const char* FmtEscalaDesenho = "%n mm";
inline constexpr const char* LegendaRaiosEixo = "Raios do eixo";
inline constexpr const char* LegendaRaiosCampo = "Raios da borda do campo";
inline constexpr const char* LegendaLuzDireta = "Luz direta";
inline constexpr const char* DesenhoEntradasNulas =
    "Desenho indisponível: D1, f/D, e e i devem ser maiores que zero.";
inline constexpr const char* DesenhoAmpliacao =
    "Desenho indisponível: o coeficiente de ampliação deve ser maior que 1.";
inline constexpr const char* DesenhoGeometria =
    "Desenho indisponível: d, p, D2 e r2 devem ser maiores que zero.";
// %1: the design's warnings (AvisosProjeto), one a line
inline constexpr const char* AnaliseIrrealizavel = "Análise indisponível: %1";
inline constexpr const char* DesenhoIrrealizavel = "Desenho indisponível: %1";
inline constexpr const char* DesenhoConicaIndefinida =
    "Desenho indisponível: a cônica de um espelho não define uma superfície sobre toda a "
    "abertura.";
inline constexpr const char* DesenhoNaoFinito =
    "Desenho indisponível: o traçado não dá valores finitos para este projeto.";
// Analysis and mirror-making reports.
inline constexpr const char* PreviewAnalise = "Preview - Análise";
inline constexpr const char* PreviewEspelhos = "Preview - Confecção dos espelhos";
inline constexpr const char* RelAnaliseTitulo = "Análise por traçado de raios";
inline constexpr const char* RelAnaliseSpots =
    "Diagramas de spot (colunas: variantes; linhas: alturas no campo)";
inline constexpr const char* RelAnaliseCurvatura =
    "Curvatura do campo e aberrações de terceira ordem na borda do campo";
inline constexpr const char* RelAnaliseTabela = "Spots e foco ótimo";
inline constexpr const char* RelEspelhosTitulo = "Confecção dos espelhos";
inline constexpr const char* RelEspelhosVariante = "Variante: %1";
inline constexpr const char* RelEspelhosZonas =
    "Máscara de Couder (%1 zonas de mesma área) e leituras de Foucault do primário";
// PDF export and command line.
inline constexpr TextoAcao AcaoExportarPdf = {"Arquivo", "E&xportar PDF...",
                                              "Exporta o relatório em PDF"};
inline constexpr const char* DicaExportarPdf = "Exportar PDF";
inline constexpr const char* FiltroPdf = "Arquivo PDF (*.pdf)";
inline constexpr const char* LinhaDescricao =
    "Projeto de telescópios refletores de dois espelhos. Sem opções, abre a janela (com o "
    "PROJETO.tlv dado, aberto).";
inline constexpr const char* LinhaUso = "Uso: %1 [opções] [PROJETO.tlv]";
inline constexpr const char* LinhaOpcoes = "Opções:";
inline constexpr const char* LinhaArgumentos = "Argumentos:";
inline constexpr const char* LinhaNomeProjeto = "PROJETO.tlv"; // the argument in the help
inline constexpr const char* LinhaArgumentoProjeto = "arquivo de projeto (.tlv)";
inline constexpr const char* LinhaAjuda = "Mostra esta ajuda e sai.";
inline constexpr const char* LinhaVersao = "Mostra a versão e sai.";
inline constexpr const char* LinhaPdf =
    "Grava o relatório do PROJETO.tlv em SAIDA.pdf, sem abrir janela.";
inline constexpr const char* LinhaRelatorio =
    "Relatório de --pdf: projeto (o padrão), defletor, iluminacao ou tolerancias.";
inline constexpr const char* LinhaJson =
    "Escreve na saída padrão os dados do PROJETO.tlv e os valores calculados, em JSON.";
inline constexpr const char* LinhaSemEstudos =
    "Com --json: deixa de fora os estudos de difração, tolerâncias e iluminação (bem mais rápido).";
inline constexpr const char* LinhaSemEstudosSemJson = "--sem-estudos só vale com --json";
inline constexpr const char* LinhaValorSaida = "SAIDA.pdf";
inline constexpr const char* LinhaValorRelatorio = "projeto|defletor|iluminacao|tolerancias";
inline constexpr const char* LinhaTextoVersao = "Projeto Teluvar %1";
inline constexpr const char* LinhaRelatorioProjeto = "projeto";
inline constexpr const char* LinhaRelatorioDefletor = "defletor";
inline constexpr const char* LinhaErro = "%1: %2";
inline constexpr const char* LinhaOpcaoDesconhecida = "opção desconhecida: %1";
inline constexpr const char* LinhaFaltaValor = "a opção %1 precisa de um valor";
inline constexpr const char* LinhaRelatorioInvalido =
    "relatório desconhecido: %1 (use projeto, defletor, iluminacao ou tolerancias)";
inline constexpr const char* LinhaRelatorioSemPdf = "--relatorio só vale com --pdf";
inline constexpr const char* LinhaPdfEJson = "use --pdf ou --json, não os dois";
inline constexpr const char* LinhaUmProjeto = "dê exatamente um PROJETO.tlv";
inline constexpr const char* LinhaProjetos = "dê no máximo um PROJETO.tlv";
inline constexpr const char* LinhaRelatorioFalhou = "o relatório não pôde ser preparado: %1";
inline constexpr const char* LinhaSaidaPadrao = "a saída padrão";
inline constexpr const char* LinhaNaoGravou = "não foi possível escrever: %1";
// Diffraction image quality (the analysis window's second page).
inline constexpr const char* DifracaoPupilaSaida =
    "Difração indisponível: a secundária não forma pupila de saída.";
inline constexpr const char* DifracaoFeixePerdido =
    "Difração indisponível: um feixe perde o raio principal ou todos os raios.";
inline constexpr const char* DifracaoNaoFinita =
    "Difração indisponível: o cálculo não dá valores finitos para este projeto.";
inline constexpr const char* FmtAlemDe = "> %n";
inline constexpr const char* TituloPaginaRaios = "Traçado de raios";
inline constexpr const char* TituloPaginaDifracao = "Difração";
inline constexpr const char* ChkMelhorFoco = "Esfera de referência no melhor foco";
inline constexpr const char* RotuloVarianteCurvas = "Curvas da variante:";
inline constexpr const char* DifracaoCalculando = "Calculando…";
inline constexpr const char* EixoFrequencia = "Frequência espacial (ciclos/mm)";
inline constexpr const char* EixoMtf = "MTF";
inline constexpr const char* EixoRaioEnergia = "Raio (µm)";
inline constexpr const char* EixoEnergia = "Energia circunscrita";
inline constexpr const char* LegendaTangencial = "Tangencial";
inline constexpr const char* LegendaSagital = "Sagital";
inline constexpr const char* LegendaLimiteObstruido = "Limite de difração (obstruído)";
inline constexpr const char* LegendaLimiteLivre = "Limite de difração (sem obstrução)";
inline constexpr const char* FmtLegendaAltura = "h = %n mm";
inline constexpr const char* FmtStrehlCelula = "Strehl = %1";
inline constexpr const char* FmtEscalaPsf = "%1 µm";
inline constexpr const char* LegendaPsf =
    "Escala logarítmica de 10⁻⁴ a 1 (1 = pico sem obstrução); círculo: disco de Airy";
inline constexpr const char* ColunasDifracao[8] = {
    "Variante",          "Campo (mm)",   "RMS da onda (λ)", "P-V (λ)",
    "Strehl (Maréchal)", "Strehl (PSF)", "EE 50 % (µm)",    "EE 80 % (µm)",
};
// Prescriptions: export (.zmx, .seq, .csv), import of two-mirror .zmx, window and command line.
inline constexpr TextoAcao AcaoExportarPrescricao = {
    "Arquivo", "Exportar &prescrição...",
    "Exporta a prescrição de uma variante para outros programas"};
inline constexpr TextoAcao AcaoImportarPrescricao = {
    "Arquivo", "&Importar prescrição...",
    "Compara uma prescrição de dois espelhos (.zmx) com as variantes"};
inline constexpr const char* FiltroPrescricao = "Zemax (*.zmx);;CODE V (*.seq);;Tabela (*.csv)";
inline constexpr const char* FiltroImportarPrescricao = "Zemax (*.zmx)";
inline constexpr const char* TituloExportarPrescricao = "Exportar prescrição";
inline constexpr const char* TituloImportarPrescricao = "Importar prescrição";
inline constexpr const char* PrescricaoVariante = "Variante:";
inline constexpr const char* FormatoPrescricaoZmx = "uma prescrição Zemax (.zmx)";
inline constexpr const char* PrescricaoColunas[6] = {"Superfície", "Raio",         "Cônica",
                                                     "Espessura",  "Semidiâmetro", "Obstrução"};
inline constexpr const char* PrescricaoSuperficies[5] = {"Objeto", "Obstrução", "Primário",
                                                         "Secundário", "Imagem"};
inline constexpr const char* PrescricaoInfinito = "Infinito";
inline constexpr const char* PrescricaoLinha = "linha %1: %2";
inline constexpr const char* PrescricaoUtf16Truncado =
    "texto UTF-16 com um número ímpar de bytes (arquivo truncado?)";
inline constexpr const char* PrescricaoTextoInvalido = "o texto não é UTF-8 nem UTF-16 válido";
inline constexpr const char* PrescricaoNulo =
    "o texto contém caracteres nulos (UTF-16 sem a marca de ordem de bytes?)";
inline constexpr const char* PrescricaoNumero = "%1: número ausente, inválido ou não finito";
inline constexpr const char* PrescricaoModo =
    "modo %1 não aceito: só arquivos sequenciais (MODE SEQ)";
inline constexpr const char* PrescricaoUnidade = "unidade %1 não aceita (MM, CM, IN ou METER)";
inline constexpr const char* PrescricaoTipoCampo =
    "tipo de campo %1 não aceito: só ângulos (FTYP 0)";
inline constexpr const char* PrescricaoOrdem = "superfície %1 fora de ordem (esperada a %2)";
inline constexpr const char* PrescricaoForaDeSuperficie = "%1 antes da primeira superfície";
inline constexpr const char* PrescricaoTipo = "superfície do tipo %1 não aceita (só STANDARD)";
inline constexpr const char* PrescricaoInclinada = "superfície inclinada ou descentrada (%1)";
inline constexpr const char* PrescricaoLente =
    "material %1: o sistema tem uma lente; só espelhos são aceitos";
inline constexpr const char* PrescricaoTerceiroEspelho =
    "terceiro espelho: só sistemas de dois espelhos são aceitos";
inline constexpr const char* PrescricaoEspessuraInfinita = "espessura infinita depois do objeto";
inline constexpr const char* PrescricaoObjeto =
    "o objeto não está no infinito (falta DISZ INFINITY na superfície 0)";
inline constexpr const char* PrescricaoSemSuperficies = "nenhuma superfície (SURF) no arquivo";
inline constexpr const char* PrescricaoEspelhos =
    "o sistema tem %1 espelho(s); são precisos exatamente dois";
inline constexpr const char* PrescricaoSemImagem =
    "o segundo espelho é a última superfície: falta o plano imagem";
inline constexpr const char* PrescricaoPrimario = "o primeiro espelho não é côncavo (curvatura %1)";
inline constexpr const char* PrescricaoSecundario =
    "o segundo espelho não é convexo (curvatura %1)";
inline constexpr const char* PrescricaoSeparacao =
    "o segundo espelho não fica à frente do primeiro (separação %1)";
inline constexpr const char* PrescricaoPupila =
    "sem diâmetro da pupila de entrada (ENPD) nem semidiâmetro do primário (DIAM)";
inline constexpr const char* PrescricaoNaoCassegrain =
    "os espelhos não formam um Cassegrain: o secundário fica além do foco do primário ou "
    "não amplia a distância focal";
inline constexpr const char* PrescricaoImprecisa =
    "os raios e a separação do arquivo são extremos demais para um projeto: o projeto derivado "
    "não os reproduz";
inline constexpr const char* PrescricaoCampoGrande =
    "ângulo de campo de %1 graus: deve ficar abaixo de 90";
inline constexpr const char* TituloImportar = "Projeto Teluvar - Importar prescrição";
inline constexpr const char* ImportarArquivo = "Arquivo: %1";
inline constexpr const char* ImportarGrupoEntradas = " Dados do projeto: ";
inline constexpr const char* ImportarImagemArquivo =
    "Plano imagem do arquivo, a partir do secundário";
inline constexpr const char* ImportarFocoParaxial = "Foco paraxial, a partir do secundário";
inline constexpr const char* ImportarColunaArquivo = "Arquivo";
inline constexpr const char* ImportarVariante = "Variante do arquivo: %1";
inline constexpr const char* ImportarNenhuma = "nenhuma";
inline constexpr const char* ImportarAbrir = "Abrir como projeto";
inline constexpr const char* ImportarFechar = "Fechar";
inline constexpr const char* LinhaPrescricao =
    "Grava a prescrição do PROJETO.tlv em SAIDA.zmx, SAIDA.seq ou SAIDA.csv, sem abrir janela.";
inline constexpr const char* LinhaValorPrescricao = "SAIDA.zmx|.seq|.csv";
inline constexpr const char* LinhaVariante =
    "Variante de --prescricao: classico, dk ou rc (o padrão).";
inline constexpr const char* LinhaValorVariante = "classico|dk|rc";
inline constexpr const char* LinhaVarianteClassico = "classico";
inline constexpr const char* LinhaVarianteDk = "dk";
inline constexpr const char* LinhaVarianteRc = "rc";
inline constexpr const char* LinhaVarianteInvalida =
    "variante desconhecida: %1 (use classico, dk ou rc)";
inline constexpr const char* LinhaVarianteSemPrescricao = "--variante só vale com --prescricao";
inline constexpr const char* LinhaSaidasExclusivas = "use só uma de --pdf, --json e --prescricao";
inline constexpr const char* LinhaFormatoPrescricao =
    "formato de prescrição desconhecido: %1 (use .zmx, .seq ou .csv)";

// ---- Field illumination and the live-window base ------------------------------------------
inline constexpr const char* JanelaVivaVariante = "Variante:";

// ---- Focusing and collimation tolerances (window, report, command line) ----
inline constexpr TextoAcao AcaoTolerancias = {"Componentes", "&Tolerâncias",
                                              "Focagem e colimação do secundário"};
inline constexpr const char* TituloTolerancias = "Projeto Teluvar - Focagem e colimação";
inline constexpr const char* RelatorioTolerancias = "Focagem e colimação";
inline constexpr const char* RotuloFaixaFoco = "Faixa de Δe (mm, mín.;máx.):";
inline constexpr const char* ColDeltaE = "Δe (mm)";
inline constexpr const char* ColDeslocSecundario = "Secundário (mm)";
inline constexpr const char* ColFocal = "F (mm)";
inline constexpr const char* ColRelacaoFocal = "f/N";
inline constexpr const char* ColRmsEixo = "RMS eixo (µm)";
inline constexpr const char* ColStrehl = "Strehl";
inline constexpr const char* ColRmsBorda = "RMS borda (µm)";
inline constexpr const char* ColVariante = "Variante";
inline constexpr const char* ColDescentramento = "Descentr. (mm)";
inline constexpr const char* ColInclinacao = "Inclinação (′)";
inline constexpr const char* ColComaMinuto = "Coma (λ/′)";
inline constexpr const char* ColComaMm = "Coma (λ/mm)";
inline constexpr const char* ColPontoNeutro = "Ponto neutro (mm)";
inline constexpr const char* ColEspacamento = "Espaçamento (mm)";
inline constexpr const char* ToleranciasCalculando = "Calculando…";
inline constexpr const char* ToleranciasFaixaInvalida =
    "Faixa de Δe inválida: escreva mín.;máx. em mm, por exemplo -50;100";
inline constexpr const char* ToleranciasResumo =
    "Strehl no eixo ≥ 0,8 (após refocar) para Δe de %1 a %2 mm na variante escolhida; "
    "profundidade de foco da câmera ± %3 mm (λ/4).";
inline constexpr const char* ToleranciasNota =
    "Limites para Strehl 0,8 no eixo após refocar (λ = 550 nm). Coma em ondas (termo ρ³). "
    "Ponto neutro: pivô sem coma, medido do vértice do secundário, positivo para longe do "
    "primário.";
inline constexpr const char* EixoDeltaE = "Δe (mm)";
inline constexpr const char* EixoStrehlEixo = "Strehl no eixo";
inline constexpr const char* LinhaRelatorioTolerancias = "tolerancias";

// ---- Designs that cannot be built: one warning per cause --------------------------------------
inline constexpr const char* AvisoGamma =
    "γ ≤ 1: o secundário não amplia; o projeto não é realizável";
// %1: the input (D1, f/D1 or e)
inline constexpr const char* AvisoEntrada =
    "%1 ≤ 0: o dado de entrada precisa ser positivo; o projeto não é realizável";
inline constexpr const char* AvisoCampo =
    "i < 0: o diâmetro do campo não pode ser negativo; o projeto não é realizável";
inline constexpr const char* AvisoSecundario =
    "D2 ≥ D1: o secundário é tão grande quanto o primário; o projeto não é realizável";
inline constexpr const char* AvisoDistanciaD =
    "d ≤ 0: o secundário não fica à frente do primário; o projeto não é realizável";
inline constexpr const char* AvisoDistanciaP =
    "p ≤ 0: o secundário não fica antes do foco do primário; o projeto não é realizável";
// The line of a warning on standard error: "teluvar: aviso: <warning>"
inline constexpr const char* LinhaAviso = "aviso: %1";
inline constexpr TextoAcao AcaoIluminacao = {"Componentes", "&Iluminação",
                                             "Iluminação do campo e defletores de menor obstrução"};
inline constexpr const char* TituloIluminacao = "Projeto Teluvar - Iluminação";
inline constexpr const char* IluminacaoDefletorAtual = "Defletor atual";
inline constexpr const char* IluminacaoDefletorOtimizado = "Defletor otimizado";
// The record family's optimum: the tube's front by the baffle rule, a flat holder
inline constexpr const char* IluminacaoDefletorRegistro = "Otimizado sem capuz";
inline constexpr const char* IluminacaoLinha100 = "Campo iluminado a 100 %";
inline constexpr const char* IluminacaoLinha75 = "Campo iluminado a 75 %";
inline constexpr const char* IluminacaoLinha50 = "Campo iluminado a 50 %";
inline constexpr const char* IluminacaoObstrucaoDiametro = "Obstrução pelo diâmetro";
inline constexpr const char* IluminacaoObstrucaoArea = "Obstrução pela área";
inline constexpr const char* IluminacaoLuzDireta = "Luz direta no campo";
inline constexpr const char* IluminacaoSim = "sim";
inline constexpr const char* IluminacaoNao = "não";
inline constexpr const char* IluminacaoCampo = "Campo a manter iluminado (mm):";
inline constexpr const char* IluminacaoAplicar = "&Aplicar o otimizado sem capuz";
inline constexpr const char* IluminacaoAplicarDica =
    "Grava no defletor do projeto o melhor defletor que a janela do defletor guarda: o início "
    "do tubo pela regra do defletor e um suporte plano, sem capuz.";
inline constexpr const char* IluminacaoEixoAltura = "Altura na imagem (mm)";
inline constexpr const char* IluminacaoEixoRelativa = "Iluminação relativa";
inline constexpr const char* IluminacaoBordaCampo = "Borda do campo (i/2)";
inline constexpr const char* IluminacaoInvalida = "Projeto incompleto: sem iluminação a mostrar";
inline constexpr const char* FmtIluminacaoMm = "%n mm";
inline constexpr const char* FmtIluminacaoAlem = "≥ %1";
inline constexpr const char* FmtIluminacaoPorcento = "%n %";
// %1 DDi, %2 DDe, %3 L, %4 the hood's diameter, %5 its reach
inline constexpr const char* IluminacaoResumo =
    "Defletor otimizado: tubo de %1 mm (externo %2 mm) começando a %3 mm do primário; "
    "capuz do secundário de %4 mm, estendendo-se %5 mm atrás dele.";
inline constexpr const char* IluminacaoSemOtimo =
    "Nenhum defletor bloqueia a luz direta mantendo o campo iluminado.";
// %1 DDi, %2 DDe, %3 L, %4 SSDe
inline constexpr const char* IluminacaoResumoRegistro =
    "Otimizado sem capuz (o que a janela do defletor guarda): tubo de %1 mm (externo %2 mm) "
    "começando a %3 mm do primário; suporte do secundário de %4 mm.";
inline constexpr const char* IluminacaoSemOtimoRegistro =
    "Sem capuz, nenhum defletor que a janela do defletor guarda bloqueia a luz direta mantendo "
    "o campo iluminado.";

// ---- Field-illumination report (print, preview, PDF, command line) ---------------------------
inline constexpr const char* RelatorioIluminacao = "Iluminação";
inline constexpr const char* PreviewIluminacao = "Preview - Iluminação";
// %1: the variant, %2: the field kept fully lit (mm)
inline constexpr const char* IluminacaoRelVariante =
    "Variante: %1. Campo a manter iluminado a 100 %: %2 mm.";
inline constexpr const char* IluminacaoRelCurva = "Iluminação relativa e altura na imagem";
inline constexpr const char* IluminacaoRelDefletores = "Defletores";
inline constexpr const char* IluminacaoRelFiguras = "Campo iluminado e obstrução";
inline constexpr const char* IluminacaoRelGrandeza = "Grandeza";
inline constexpr const char* IluminacaoRelTuboInterno = "Diâmetro interno do tubo (DDi)";
inline constexpr const char* IluminacaoRelTuboExterno = "Diâmetro externo do tubo (DDe)";
inline constexpr const char* IluminacaoRelComprimento =
    "Comprimento do tubo à frente do primário (L)";
inline constexpr const char* IluminacaoRelSuporte = "Diâmetro do suporte do secundário (SSDe)";
inline constexpr const char* IluminacaoRelAlcance = "Alcance do capuz atrás do secundário";
inline constexpr const char* IluminacaoRelSemDefletor = "sem defletor";
inline constexpr const char* LinhaRelatorioIluminacao = "iluminacao";
// %1: the largest diameter traced, when the level is not reached within it
inline constexpr const char* FmtIluminacaoAlemRelatorio = "%1 ou mais";
// ---- Focusing and collimation: the report, the camera's depth of focus --------------------------
inline constexpr const char* PreviewTolerancias = "Preview - Focagem e colimação";
inline constexpr const char* RelToleranciasFocagem = "Focagem pelo secundário: %1";
inline constexpr const char* RelToleranciasGraficoStrehl =
    "Strehl no eixo após refocar, nas três variantes";
inline constexpr const char* RelToleranciasGraficoCamera = "Focagem pela câmera: %1";
inline constexpr const char* RelToleranciasColimacao = "Colimação do secundário";
inline constexpr const char* EixoDeslocCamera = "Deslocamento do plano da imagem (mm)";
inline constexpr const char* EixoRmsCamera = "RMS do spot (µm)";
inline constexpr const char* CameraEixo = "No eixo";
inline constexpr const char* CameraBorda = "Borda do campo";
inline constexpr const char* CameraProfundidade = "± 2·λ·N²";
// The report's own forms of the window's texts: its pages keep Windows-1252 text, which has no
// Δ, ≥, λ, ′ or ρ.
inline constexpr const char* RelToleranciasResumo =
    "Strehl no eixo de 0,8 ou mais (após refocar) para variações de e de %1 a %2 mm; "
    "profundidade de foco da câmera ± %3 mm (1/4 de onda).";
inline constexpr const char* RelToleranciasNota =
    "Limites para Strehl 0,8 no eixo após refocar (comprimento de onda 550 nm). Coma em ondas "
    "(termo em r³). Ponto neutro: pivô sem coma, medido do vértice do secundário, positivo para "
    "longe do primário.";
inline constexpr const char* RelColDeltaE = "Variação de e (mm)";
inline constexpr const char* RelColInclinacao = "Inclinação (')";
inline constexpr const char* RelColComaMinuto = "Coma (ondas/')";
inline constexpr const char* RelColComaMm = "Coma (ondas/mm)";
// The analysis report's diffraction page.
inline constexpr const char* RelDifracaoTitulo = "Análise de difração";
inline constexpr const char* RelDifracaoNotaPlano =
    "Frente de onda a 550 nm sobre a pupila anular; esfera de referência centrada no ponto do "
    "raio principal no plano da imagem.";
inline constexpr const char* RelDifracaoNotaFoco =
    "Frente de onda a 550 nm sobre a pupila anular; esfera de referência centrada no melhor foco "
    "de cada feixe.";
inline constexpr const char* RelDifracaoTabela =
    "Frente de onda, razão de Strehl e energia circunscrita";
inline constexpr const char* FmtRelDifracaoMtf =
    "MTF: %1 (tangencial em linha cheia, sagital tracejada)";
inline constexpr const char* RelDifracaoPsf = "PSF das três variantes";
// The report's headings of the wavefront columns (its code page has no λ).
inline constexpr const char* RelDifracaoRms = "RMS da onda (ondas)";
inline constexpr const char* RelDifracaoPv = "P-V (ondas)";
} // namespace Recursos
