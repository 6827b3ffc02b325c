// Every Portuguese text that the program sets at run time, in one table.
#pragma once

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
inline constexpr const char* TituloDiametroCampo = "Projeto Brisan - Diâmetro do campo";
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

// About box.
inline constexpr const char* SobreTitulo = "Sobre...";
inline constexpr const char* SobreVersao = "Versao 1.0";
inline constexpr const char* SobreNome = "Projeto Teluvar";
inline constexpr const char* SobreAutor = "Equipe do Projeto Teluvar";
inline constexpr const char* SobreEmail = "contato@teluvar.org";
inline constexpr const char* SobreAno = "2007";

// Application title (task bar, caption of error boxes).
inline constexpr const char* TituloAplicacao = "Projeto Teluvar";
} // namespace Recursos
