// Every Portuguese text that the program sets at run time, in one table.
#pragma once

namespace Recursos {
// Diagram labels of the main window.
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
// obstruction, focal length, focal ratio and deformation lines are the ones above).
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

// Baffle report: lines the fill-in writes (the four criteria lines are FmtCriterios).
inline constexpr const char* RelL = "L = %n";
inline constexpr const char* RelZ = "Z = %n";
inline constexpr const char* RelLTotal = "L Total = %n";
inline constexpr const char* RelDG = "DG = %n";
inline constexpr const char* RelDiametroInterno = "Diâmetro interno do tubo = %n";
inline constexpr const char* RelDiametroExterno = "Diâmetro externo do tubo = %n";
inline constexpr const char* RelComprimentoTotal = "Comprimento total do tubo = %n";
inline constexpr const char* RelNumeroGlares = "Número de glare stops = %.2d";
inline constexpr const char* RelSuporteSecundario = "Diâmetro externo do suporte do secundário = %n";

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

// File checks.
inline constexpr const char* ArquivoCausa = "%1: %2";
inline constexpr const char* ArquivoNaoRegular = "não é um arquivo regular (%1); nada foi lido";
inline constexpr const char* TipoPasta = "é uma pasta";
inline constexpr const char* TipoPipe = "é um pipe nomeado";
inline constexpr const char* TipoSocket = "é um socket";
inline constexpr const char* TipoDispositivo = "é um dispositivo";
inline constexpr const char* TipoDesconhecido = "é de um tipo especial";
inline constexpr const char* ArquivoGrandeDemais =
    "o arquivo tem %1 bytes, mais do que os %2 bytes que %3 pode ter; nada foi lido";
inline constexpr const char* FormatoProjeto = "um projeto (.tlv)";
inline constexpr const char* FormatoRelatorio = "um relatório preparado (.rpp)";
inline constexpr const char* ArquivoNaoExiste = "o arquivo não existe (foi removido ou renomeado?)";
inline constexpr const char* ArquivoSemLeitura = "sem permissão para ler o arquivo";
inline constexpr const char* ArquivoSemGravacao = "sem permissão para gravar o arquivo ou a pasta";
inline constexpr const char* ArquivoDiscoCheio = "disco cheio: o projeto não foi gravado";
inline constexpr const char* ArquivoPastaNaoExiste = "a pasta do arquivo não existe";
inline constexpr const char* ArquivoErroSistema = "erro do sistema: %1";
inline constexpr const char* ProjetoCurto =
    "o arquivo não é um projeto (tem %1 bytes; um projeto tem %2)";
inline constexpr const char* ProjetoNaoFinito =
    "o arquivo está danificado: o campo %1 não é um número finito";
inline constexpr const char* ProjetoForaDaFaixa =
    "o arquivo está danificado: o campo %1 está fora da faixa aceita (de -%2 a %2)";
inline constexpr const char* ProjetoCalculoForaDaFaixa =
    "o arquivo está danificado: com estes dados o valor calculado %1 sai da faixa aceita "
    "(de -%2 a %2)";
} // namespace Recursos
