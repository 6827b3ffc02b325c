<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pt_BR">
<context>
    <name>Recursos</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source> Dados: </source>
        <translation> Data: </translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Principal</source>
        <translation>Projeto Teluvar - Main</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Novo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Novo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Abrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Abre arquivo</source>
        <translation>Opens a file</translation>
    </message>
    <message>
        <source>&amp;Salvar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salva em arquivo</source>
        <translation>Saves to a file</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>Visualizar impressão</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>&amp;Configurar impressora</source>
        <translation>Printer se&amp;tup</translation>
    </message>
    <message>
        <source>Confirgura impressora</source>
        <translation>Sets up the printer</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Imprime</source>
        <translation>Prints</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Sair do programa</source>
        <translation>Exits the program</translation>
    </message>
    <message>
        <source>Componentes</source>
        <translation>Components</translation>
    </message>
    <message>
        <source>&amp;Defletor</source>
        <translation>&amp;Baffle</translation>
    </message>
    <message>
        <source>Abre formulário de projeto do defletor</source>
        <translation>Opens the baffle design form</translation>
    </message>
    <message>
        <source>&amp;Flecha</source>
        <translation>&amp;Sagitta</translation>
    </message>
    <message>
        <source>Abre o formulário das flechas</source>
        <translation>Opens the sagitta form</translation>
    </message>
    <message>
        <source>&amp;Análise</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>Análise por traçado de raios</source>
        <translation>Ray-trace analysis</translation>
    </message>
    <message>
        <source>Desenho em &amp;escala</source>
        <translation>Scale &amp;drawing</translation>
    </message>
    <message>
        <source>Desenho do telescópio em escala</source>
        <translation>Drawing of the telescope to scale</translation>
    </message>
    <message>
        <source>Confecção dos &amp;espelhos</source>
        <translation>&amp;Mirror making</translation>
    </message>
    <message>
        <source>Dados para a confecção e o teste dos espelhos</source>
        <translation>Data for making and testing the mirrors</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sobre...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>&amp;Arquivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Componentes</source>
        <translation>&amp;Components</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Diâmetro primário (D1):</source>
        <translation>Primary diameter (D1):</translation>
    </message>
    <message>
        <source>f/D do primário:</source>
        <translation>Primary f/D:</translation>
    </message>
    <message>
        <source>Coeficiente ampliação (     ):</source>
        <translatorcomment>the gamma is drawn over the blanks between the parentheses: keep them</translatorcomment>
        <translation>Magnification (     ):</translation>
    </message>
    <message>
        <source>γ</source>
        <translation>γ</translation>
    </message>
    <message>
        <source>Afastamento plano focal (e):</source>
        <translation>Back focus (e):</translation>
    </message>
    <message>
        <source>Diâmetro do campo (i):</source>
        <translation>Field diameter (i):</translation>
    </message>
    <message>
        <source>Arquivo tlv (*.tlv)</source>
        <translation>tlv file (*.tlv)</translation>
    </message>
    <message>
        <source>f1 = %n</source>
        <translation>f1 = %n</translation>
    </message>
    <message>
        <source>Distância focal do sistema (F) = %n</source>
        <translation>System focal length (F) = %n</translation>
    </message>
    <message>
        <source>Taxa de obstrução do secundário (Tx) = %n%%</source>
        <translation>Secondary obstruction ratio (Tx) = %n%%</translation>
    </message>
    <message>
        <source>Relação focal do sistema (F/D1) = %n</source>
        <translation>System focal ratio (F/D1) = %n</translation>
    </message>
    <message>
        <source>Deformação do Primário (b1)</source>
        <translation>Primary deformation (b1)</translation>
    </message>
    <message>
        <source>Deformação do Secundário (b2)</source>
        <translation>Secondary deformation (b2)</translation>
    </message>
    <message>
        <source>Clássico</source>
        <translation>Classical</translation>
    </message>
    <message>
        <source>Dall-Kirkham</source>
        <translation>Dall-Kirkham</translation>
    </message>
    <message>
        <source>Ritchey-Chrétien</source>
        <translation>Ritchey-Chrétien</translation>
    </message>
    <message>
        <source>Diâmetro do primário (D1)</source>
        <translation>Primary diameter (D1)</translation>
    </message>
    <message>
        <source>Diâmetro do secundário (D2)</source>
        <translation>Secondary diameter (D2)</translation>
    </message>
    <message>
        <source>Área do primário (mm²)</source>
        <translation>Primary area (mm²)</translation>
    </message>
    <message>
        <source>Área do secundário (mm²)</source>
        <translation>Secondary area (mm²)</translation>
    </message>
    <message>
        <source>Raio do primário (r1)</source>
        <translation>Primary radius of curvature (r1)</translation>
    </message>
    <message>
        <source>Raio do secundário (r2)</source>
        <translation>Secondary radius of curvature (r2)</translation>
    </message>
    <message>
        <source>Distância focal do primário (f)</source>
        <translation>Primary focal length (f)</translation>
    </message>
    <message>
        <source>Relação focal do primário (f/D1)</source>
        <translation>Primary focal ratio (f/D1)</translation>
    </message>
    <message>
        <source>Coeficiente de ampliação</source>
        <translation>Magnification</translation>
    </message>
    <message>
        <source>Diâmetro do campo (i)</source>
        <translation>Field diameter (i)</translation>
    </message>
    <message>
        <source>Distância focal do sistema (F)</source>
        <translation>System focal length (F)</translation>
    </message>
    <message>
        <source>Relação focal do sistema (F/D1)</source>
        <translation>System focal ratio (F/D1)</translation>
    </message>
    <message>
        <source>Distância entre primário e secundário (d)</source>
        <translation>Distance from primary to secondary (d)</translation>
    </message>
    <message>
        <source>Distância entre o primário e o foco do sistema (e)</source>
        <translation>Distance from primary to system focus (e)</translation>
    </message>
    <message>
        <source>Distância entre o secundário e o foco do primário (p)</source>
        <translation>Distance from secondary to primary focus (p)</translation>
    </message>
    <message>
        <source>Distância entre o secundário e o foco do sistema (p&apos;)</source>
        <translation>Distance from secondary to system focus (p&apos;)</translation>
    </message>
    <message>
        <source>Taxa de obstrução do secundário (Tx)</source>
        <translation>Secondary obstruction ratio (Tx)</translation>
    </message>
    <message>
        <source>Flecha do espelho primário (Sag1)</source>
        <translation>Primary mirror sagitta (Sag1)</translation>
    </message>
    <message>
        <source>Flecha do espelho secundário (Sag2)</source>
        <translation>Secondary mirror sagitta (Sag2)</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Defletor</source>
        <translation>Projeto Teluvar - Baffle</translation>
    </message>
    <message>
        <source>Diâmetro interno do tubo:</source>
        <translation>Tube inner diameter:</translation>
    </message>
    <message>
        <source>Diâmetro externo do tubo:</source>
        <translation>Tube outer diameter:</translation>
    </message>
    <message>
        <source>Comprimento total do tubo:</source>
        <translation>Total tube length:</translation>
    </message>
    <message>
        <source>Número de glare stops:</source>
        <translation>Number of glare stops:</translation>
    </message>
    <message>
        <source>Diâmetro externo do suporte do secundário:</source>
        <translation>Secondary holder outer diameter:</translation>
    </message>
    <message>
        <source>DG</source>
        <translation>DG</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>-Z1</source>
        <translation>-Z1</translation>
    </message>
    <message>
        <source>-Z2</source>
        <translation>-Z2</translation>
    </message>
    <message>
        <source>-Z3</source>
        <translation>-Z3</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Z1</source>
        <translation>Z1</translation>
    </message>
    <message>
        <source>Z1 = %n</source>
        <translation>Z1 = %n</translation>
    </message>
    <message>
        <source>Defletor:</source>
        <translation>Baffle:</translation>
    </message>
    <message>
        <source>Glare:</source>
        <translation>Stops:</translation>
    </message>
    <message>
        <source>Critério</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Glare</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Posição (Z)</source>
        <translation>Position (Z)</translation>
    </message>
    <message>
        <source>Diâmetro (G)</source>
        <translation>Diameter (G)</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Flechas</source>
        <translation>Projeto Teluvar - Sagittas</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Diâmetro do campo</source>
        <translation>Projeto Teluvar - Field diameter</translation>
    </message>
    <message>
        <source>Comprimento do arco (graus):</source>
        <translation>Field angle (degrees):</translation>
    </message>
    <message>
        <source>o</source>
        <translatorcomment>raised after the arc: the degree sign</translatorcomment>
        <translation>o</translation>
    </message>
    <message>
        <source>Diâmetro do campo:</source>
        <translation>Field diameter:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Comprimento do defletor a partir da superfície do primário (L)</source>
        <translation>Baffle length from the primary&apos;s surface (L)</translation>
    </message>
    <message>
        <source>Comprimento mínimo do defletor que bloqueia a luz direta do tubo do telescópio (L1)</source>
        <translation>Shortest baffle that blocks direct light from the telescope tube (L1)</translation>
    </message>
    <message>
        <source>Comprimento máximo do defletor que não irá bloquear o secundário do primário (L2)</source>
        <translation>Longest baffle that does not hide the secondary from the primary (L2)</translation>
    </message>
    <message>
        <source>Distância entre glares (DG)</source>
        <translation>Distance between glare stops (DG)</translation>
    </message>
    <message>
        <source>Comprimento do defletor a partir da superfície do primário (L) = %n</source>
        <translation>Baffle length from the primary&apos;s surface (L) = %n</translation>
    </message>
    <message>
        <source>Comprimento mínimo do defletor que bloqueia a luz direta do tubo do telescópio (L1) = %n</source>
        <translation>Shortest baffle that blocks direct light from the telescope tube (L1) = %n</translation>
    </message>
    <message>
        <source>Comprimento máximo do defletor que não irá bloquear o secundário do primário (L2) = %n</source>
        <translation>Longest baffle that does not hide the secondary from the primary (L2) = %n</translation>
    </message>
    <message>
        <source>Distância entre glares (DG) = %n</source>
        <translation>Distance between glare stops (DG) = %n</translation>
    </message>
    <message>
        <source>Preview - Projeto Básico</source>
        <translation>Preview - Basic design</translation>
    </message>
    <message>
        <source>Preview - Defletor</source>
        <translation>Preview - Baffle</translation>
    </message>
    <message>
        <source>D1 = %n</source>
        <translation>D1 = %n</translation>
    </message>
    <message>
        <source>D2 = %n</source>
        <translation>D2 = %n</translation>
    </message>
    <message>
        <source>r1 = %n</source>
        <translation>r1 = %n</translation>
    </message>
    <message>
        <source>r2 = %n</source>
        <translation>r2 = %n</translation>
    </message>
    <message>
        <source>f = %n</source>
        <translation>f = %n</translation>
    </message>
    <message>
        <source>d = %n</source>
        <translation>d = %n</translation>
    </message>
    <message>
        <source>e = %n</source>
        <translation>e = %n</translation>
    </message>
    <message>
        <source>p = %n</source>
        <translation>p = %n</translation>
    </message>
    <message>
        <source>p&apos; = %n</source>
        <translation>p&apos; = %n</translation>
    </message>
    <message>
        <source>Sag1 = %n</source>
        <translation>Sag1 = %n</translation>
    </message>
    <message>
        <source>Sag2 = %n</source>
        <translation>Sag2 = %n</translation>
    </message>
    <message>
        <source>%n</source>
        <translation>%n</translation>
    </message>
    <message>
        <source>L = %n</source>
        <translation>L = %n</translation>
    </message>
    <message>
        <source>Z = %n</source>
        <translation>Z = %n</translation>
    </message>
    <message>
        <source>L Total = %n</source>
        <translation>Total L = %n</translation>
    </message>
    <message>
        <source>DG = %n</source>
        <translation>DG = %n</translation>
    </message>
    <message>
        <source>Diâmetro interno do tubo = %n</source>
        <translation>Tube inner diameter = %n</translation>
    </message>
    <message>
        <source>Diâmetro externo do tubo = %n</source>
        <translation>Tube outer diameter = %n</translation>
    </message>
    <message>
        <source>Comprimento total do tubo = %n</source>
        <translation>Total tube length = %n</translation>
    </message>
    <message>
        <source>Número de glare stops = %.2d</source>
        <translation>Number of glare stops = %.2d</translation>
    </message>
    <message>
        <source>Diâmetro externo do suporte do secundário = %n</source>
        <translation>Secondary holder outer diameter = %n</translation>
    </message>
    <message>
        <source>Preview - [Nome do Relatório]</source>
        <translation>Preview - [Report name]</translation>
    </message>
    <message>
        <source>Abre relatório</source>
        <translation>Opens a report</translation>
    </message>
    <message>
        <source>Salva relatório</source>
        <translation>Saves the report</translation>
    </message>
    <message>
        <source>Configura impressora</source>
        <translation>Sets up the printer</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Ajusta à janela</source>
        <translation>Fits the page to the window</translation>
    </message>
    <message>
        <source>Ajusta à largura</source>
        <translation>Fits the page to the width</translation>
    </message>
    <message>
        <source>Fecha formulário</source>
        <translation>Closes the form</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Versao 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Projeto Teluvar</source>
        <translation>Projeto Teluvar</translation>
    </message>
    <message>
        <source>Equipe do Projeto Teluvar</source>
        <translation>The Projeto Teluvar team</translation>
    </message>
    <message>
        <source>contato@teluvar.org</source>
        <translation>contato@teluvar.org</translation>
    </message>
    <message>
        <source>2007</source>
        <translation>2007</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Confecção dos espelhos</source>
        <translation>Projeto Teluvar - Mirror making</translation>
    </message>
    <message>
        <source>Variante:</source>
        <translation>Variant:</translation>
    </message>
    <message>
        <source>Zonas:</source>
        <translation>Zones:</translation>
    </message>
    <message>
        <source>Espelho primário</source>
        <translation>Primary mirror</translation>
    </message>
    <message>
        <source>Espelho secundário</source>
        <translation>Secondary mirror</translation>
    </message>
    <message>
        <source>Teste nulo do secundário</source>
        <translation>Null test of the secondary</translation>
    </message>
    <message>
        <source>Distância da esfera de Hindle (mm):</source>
        <translation>Hindle sphere distance (mm):</translation>
    </message>
    <message>
        <source>Zona</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Raio interno (mm)</source>
        <translation>Inner radius (mm)</translation>
    </message>
    <message>
        <source>Raio externo (mm)</source>
        <translation>Outer radius (mm)</translation>
    </message>
    <message>
        <source>Raio médio (mm)</source>
        <translation>Mean radius (mm)</translation>
    </message>
    <message>
        <source>Fonte móvel (mm)</source>
        <translation>Moving source (mm)</translation>
    </message>
    <message>
        <source>Fonte fixa (mm)</source>
        <translation>Fixed source (mm)</translation>
    </message>
    <message>
        <source>Leituras da lâmina a partir do centro de curvatura do vértice; positivas afastando-se do espelho.</source>
        <translation>Knife-edge readings from the vertex centre of curvature; positive away from the mirror.</translation>
    </message>
    <message>
        <source>Raio de curvatura do vértice (mm)</source>
        <translation>Vertex radius of curvature (mm)</translation>
    </message>
    <message>
        <source>Constante cônica (b)</source>
        <translation>Conic constant (b)</translation>
    </message>
    <message>
        <source>Flecha paraxial na borda (mm)</source>
        <translation>Paraxial sagitta at the edge (mm)</translation>
    </message>
    <message>
        <source>Flecha exata na borda (mm)</source>
        <translation>Exact sagitta at the edge (mm)</translation>
    </message>
    <message>
        <source>Diferença exata - paraxial (µm)</source>
        <translation>Exact minus paraxial (µm)</translation>
    </message>
    <message>
        <source>Desvio da esfera do vértice na borda (µm)</source>
        <translation>Departure from the vertex sphere at the edge (µm)</translation>
    </message>
    <message>
        <source>Raio da esfera de melhor ajuste (mm)</source>
        <translation>Best-fit sphere radius (mm)</translation>
    </message>
    <message>
        <source>Desvio da esfera de melhor ajuste, pico-vale (µm)</source>
        <translation>Departure from the best-fit sphere, peak to valley (µm)</translation>
    </message>
    <message>
        <source>Desvio pico-vale em ondas (632,8 nm)</source>
        <translation>Peak-to-valley departure in waves (632.8 nm)</translation>
    </message>
    <message>
        <source>Desvio pico-vale em ondas (550 nm)</source>
        <translation>Peak-to-valley departure in waves (550 nm)</translation>
    </message>
    <message>
        <source>Foco real, à frente do vértice (mm)</source>
        <translation>Real focus, in front of the vertex (mm)</translation>
    </message>
    <message>
        <source>Foco virtual, atrás do vértice (mm)</source>
        <translation>Virtual focus, behind the vertex (mm)</translation>
    </message>
    <message>
        <source>Distância da esfera que retorna todo o secundário (mm)</source>
        <translation>Sphere distance returning the whole secondary (mm)</translation>
    </message>
    <message>
        <source>Raio de curvatura da esfera de Hindle (mm)</source>
        <translation>Hindle sphere radius of curvature (mm)</translation>
    </message>
    <message>
        <source>Diâmetro mínimo da esfera de Hindle (mm)</source>
        <translation>Hindle sphere smallest diameter (mm)</translation>
    </message>
    <message>
        <source>Diâmetro do furo central da esfera (mm)</source>
        <translation>Diameter of the sphere&apos;s central hole (mm)</translation>
    </message>
    <message>
        <source>Diâmetro central do secundário sem retorno (mm)</source>
        <translation>Central diameter of the secondary not returned (mm)</translation>
    </message>
    <message>
        <source>Hiperboloide: teste de Hindle. Fonte e lâmina no foco real; esfera côncava centrada no foco virtual.</source>
        <translation>Hyperboloid: Hindle test. Source and knife edge at the real focus; concave sphere centred on the virtual focus.</translation>
    </message>
    <message>
        <source>Esfera: teste no centro de curvatura, a %1 mm do vértice.</source>
        <translation>Sphere: test at the centre of curvature, %1 mm from the vertex.</translation>
    </message>
    <message>
        <source>Elipsoide: focos a %1 mm e a %2 mm atrás do vértice; teste entre os focos.</source>
        <translation>Ellipsoid: foci %1 mm and %2 mm behind the vertex; test between the foci.</translation>
    </message>
    <message>
        <source>Paraboloide: foco a %1 mm atrás do vértice; teste por autocolimação com um plano.</source>
        <translation>Paraboloid: focus %1 mm behind the vertex; autocollimation test against a flat.</translation>
    </message>
    <message>
        <source>Elipsoide oblato: sem focos sobre o eixo; teste no centro de curvatura com compensador.</source>
        <translation>Oblate ellipsoid: no foci on the axis; test at the centre of curvature with a compensator.</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>F&apos;</source>
        <translation>F&apos;</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Raio ou diâmetro nulo, negativo ou não numérico: não há espelho a calcular.</source>
        <translation>Radius or diameter zero, negative or not a number: there is no mirror to compute.</translation>
    </message>
    <message>
        <source>A cônica não está definida sobre toda a abertura.</source>
        <translation>The conic is not defined over the whole aperture.</translation>
    </message>
    <message>
        <source>O raio refletido não cruza o eixo: leitura de Foucault indefinida.</source>
        <translation>The reflected ray does not cross the axis: Foucault reading undefined.</translation>
    </message>
    <message>
        <source>A esfera de Hindle a essa distância corta a borda do secundário (mínimo: %1 mm).</source>
        <translation>The Hindle sphere at this distance cuts the edge of the secondary (smallest: %1 mm).</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Análise</source>
        <translation>Projeto Teluvar - Analysis</translation>
    </message>
    <message>
        <source>Raio do disco de Airy (550 nm) = %n µm</source>
        <translation>Airy disc radius (550 nm) = %n µm</translation>
    </message>
    <message>
        <source>Variante</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Campo (mm)</source>
        <translation>Field (mm)</translation>
    </message>
    <message>
        <source>RMS (µm)</source>
        <translation>RMS (µm)</translation>
    </message>
    <message>
        <source>Raio geométrico (µm)</source>
        <translation>Geometric radius (µm)</translation>
    </message>
    <message>
        <source>RMS / Airy</source>
        <translation>RMS / Airy</translation>
    </message>
    <message>
        <source>Foco ótimo (mm)</source>
        <translation>Best focus (mm)</translation>
    </message>
    <message>
        <source>RMS no foco ótimo (µm)</source>
        <translation>RMS at best focus (µm)</translation>
    </message>
    <message>
        <source>Raio de curvatura do campo (mm)</source>
        <translation>Field curvature radius (mm)</translation>
    </message>
    <message>
        <source>Coma (&quot;)</source>
        <translation>Coma (&quot;)</translation>
    </message>
    <message>
        <source>Astigmatismo (&quot;)</source>
        <translation>Astigmatism (&quot;)</translation>
    </message>
    <message>
        <source>Raio de Petzval (mm)</source>
        <translation>Petzval radius (mm)</translation>
    </message>
    <message>
        <source>Raio do campo médio (mm)</source>
        <translation>Medial field radius (mm)</translation>
    </message>
    <message>
        <source>∞</source>
        <translation>∞</translation>
    </message>
    <message>
        <source>Foco ótimo: deslocamento do plano focal, positivo em direção ao secundário. Raio de curvatura positivo: superfície côncava para o secundário.</source>
        <translation>Best focus: shift of the focal plane, positive towards the secondary. Positive radius of curvature: surface concave towards the secondary.</translation>
    </message>
    <message>
        <source>%1: campo côncavo para o secundário</source>
        <translation>%1: field concave towards the secondary</translation>
    </message>
    <message>
        <source>%1: campo côncavo para o primário</source>
        <translation>%1: field concave towards the primary</translation>
    </message>
    <message>
        <source>%1: campo plano</source>
        <translation>%1: flat field</translation>
    </message>
    <message>
        <source>Raios perdidos (não contados): %1</source>
        <translation>Rays lost (not counted): %1</translation>
    </message>
    <message>
        <source>h = %n mm</source>
        <translation>h = %n mm</translation>
    </message>
    <message>
        <source>RMS = %n µm</source>
        <translation>RMS = %n µm</translation>
    </message>
    <message>
        <source>%n µm</source>
        <translation>%n µm</translation>
    </message>
    <message>
        <source>Círculo: disco de Airy</source>
        <translation>Circle: Airy disc</translation>
    </message>
    <message>
        <source>Análise indisponível: D1, F e i devem ser maiores que zero.</source>
        <translation>Analysis unavailable: D1, F and i must be greater than zero.</translation>
    </message>
    <message>
        <source>Análise indisponível: o coeficiente de ampliação deve ser maior que 1.</source>
        <translation>Analysis unavailable: the magnification must be greater than 1.</translation>
    </message>
    <message>
        <source>Análise indisponível: d, p, D2 e r2 devem ser maiores que zero.</source>
        <translation>Analysis unavailable: d, p, D2 and r2 must be greater than zero.</translation>
    </message>
    <message>
        <source>Análise indisponível: a cônica de um espelho não define uma superfície sobre toda a abertura.</source>
        <translation>Analysis unavailable: the conic of a mirror does not define a surface over the whole aperture.</translation>
    </message>
    <message>
        <source>Análise indisponível: nenhum raio atinge um dos espelhos.</source>
        <translation>Analysis unavailable: no ray reaches one of the mirrors.</translation>
    </message>
    <message>
        <source>Análise indisponível: o traçado não dá valores finitos para este projeto.</source>
        <translation>Analysis unavailable: the trace gives no finite values for this design.</translation>
    </message>
    <message>
        <source>um projeto (.tlv)</source>
        <translation>a design (.tlv)</translation>
    </message>
    <message>
        <source>o arquivo não é um projeto (tem %1 bytes; um projeto tem %2)</source>
        <translation>the file is not a design (it has %1 bytes; a design has %2)</translation>
    </message>
    <message>
        <source>o arquivo está danificado: o campo %1 não é um número finito</source>
        <translation>the file is damaged: the field %1 is not a finite number</translation>
    </message>
    <message>
        <source>o arquivo está danificado: o campo %1 está fora da faixa aceita (de -%2 a %2)</source>
        <translation>the file is damaged: the field %1 is outside the accepted range (from -%2 to %2)</translation>
    </message>
    <message>
        <source>o arquivo está danificado: com estes dados o valor calculado %1 sai da faixa aceita (de -%2 a %2)</source>
        <translation>the file is damaged: with these data the computed value %1 leaves the accepted range (from -%2 to %2)</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Desenho em escala</source>
        <translation>Projeto Teluvar - Scale drawing</translation>
    </message>
    <message>
        <source>Espessura do primário (vazio: D1/6):</source>
        <translation>Primary thickness (empty: D1/6):</translation>
    </message>
    <message>
        <source>Ajustar</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Exportar desenho</source>
        <translation>Export drawing</translation>
    </message>
    <message>
        <source>Imagem SVG (*.svg);;Imagem PNG (*.png)</source>
        <translation>SVG image (*.svg);;PNG image (*.png)</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo %1</source>
        <translation>The file %1 could not be written</translation>
    </message>
    <message>
        <source>Luz direta atinge o campo</source>
        <translation>Direct light reaches the field</translation>
    </message>
    <message>
        <source>Luz direta bloqueada</source>
        <translation>Direct light blocked</translation>
    </message>
    <message>
        <source>Furo = %n</source>
        <translation>Hole = %n</translation>
    </message>
    <message>
        <source>%n mm</source>
        <translation>%n mm</translation>
    </message>
    <message>
        <source>Raios do eixo</source>
        <translation>Axial rays</translation>
    </message>
    <message>
        <source>Raios da borda do campo</source>
        <translation>Field-edge rays</translation>
    </message>
    <message>
        <source>Luz direta</source>
        <translation>Direct light</translation>
    </message>
    <message>
        <source>Desenho indisponível: D1, f/D, e e i devem ser maiores que zero.</source>
        <translation>Drawing unavailable: D1, f/D, e and i must be greater than zero.</translation>
    </message>
    <message>
        <source>Desenho indisponível: o coeficiente de ampliação deve ser maior que 1.</source>
        <translation>Drawing unavailable: the magnification must be greater than 1.</translation>
    </message>
    <message>
        <source>Desenho indisponível: d, p, D2 e r2 devem ser maiores que zero.</source>
        <translation>Drawing unavailable: d, p, D2 and r2 must be greater than zero.</translation>
    </message>
    <message>
        <source>Análise indisponível: %1</source>
        <translation>Analysis unavailable: %1</translation>
    </message>
    <message>
        <source>Desenho indisponível: %1</source>
        <translation>Drawing unavailable: %1</translation>
    </message>
    <message>
        <source>Desenho indisponível: a cônica de um espelho não define uma superfície sobre toda a abertura.</source>
        <translation>Drawing unavailable: the conic of a mirror does not define a surface over the whole aperture.</translation>
    </message>
    <message>
        <source>Desenho indisponível: o traçado não dá valores finitos para este projeto.</source>
        <translation>Drawing unavailable: the trace gives no finite values for this design.</translation>
    </message>
    <message>
        <source>Preview - Análise</source>
        <translation>Preview - Analysis</translation>
    </message>
    <message>
        <source>Preview - Confecção dos espelhos</source>
        <translation>Preview - Mirror making</translation>
    </message>
    <message>
        <source>Diagramas de spot (colunas: variantes; linhas: alturas no campo)</source>
        <translation>Spot diagrams (columns: variants; rows: heights in the field)</translation>
    </message>
    <message>
        <source>Curvatura do campo e aberrações de terceira ordem na borda do campo</source>
        <translation>Field curvature and third-order aberrations at the edge of the field</translation>
    </message>
    <message>
        <source>Spots e foco ótimo</source>
        <translation>Spots and best focus</translation>
    </message>
    <message>
        <source>Confecção dos espelhos</source>
        <translation>Mirror making</translation>
    </message>
    <message>
        <source>Variante: %1</source>
        <translation>Variant: %1</translation>
    </message>
    <message>
        <source>Máscara de Couder (%1 zonas de mesma área) e leituras de Foucault do primário</source>
        <translation>Couder mask (%1 zones of equal area) and Foucault readings of the primary</translation>
    </message>
    <message>
        <source>E&amp;xportar PDF...</source>
        <translation>E&amp;xport PDF...</translation>
    </message>
    <message>
        <source>Exporta o relatório em PDF</source>
        <translation>Exports the report as PDF</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Arquivo PDF (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>Projeto de telescópios refletores de dois espelhos. Sem opções, abre a janela (com o PROJETO.tlv dado, aberto).</source>
        <translation>Design of two-mirror reflecting telescopes. Without options, opens the window (with the DESIGN.tlv given, open).</translation>
    </message>
    <message>
        <source>Uso: %1 [opções] [PROJETO.tlv]</source>
        <translation>Usage: %1 [options] [DESIGN.tlv]</translation>
    </message>
    <message>
        <source>Opções:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Argumentos:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>PROJETO.tlv</source>
        <translation>DESIGN.tlv</translation>
    </message>
    <message>
        <source>arquivo de projeto (.tlv)</source>
        <translation>design file (.tlv)</translation>
    </message>
    <message>
        <source>Mostra esta ajuda e sai.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Mostra a versão e sai.</source>
        <translation>Shows the version and exits.</translation>
    </message>
    <message>
        <source>Grava o relatório do PROJETO.tlv em SAIDA.pdf, sem abrir janela.</source>
        <translation>Writes the report of DESIGN.tlv to OUTPUT.pdf, without opening a window.</translation>
    </message>
    <message>
        <source>Relatório de --pdf: projeto (o padrão), defletor, iluminacao ou tolerancias.</source>
        <translation>Report of --pdf: projeto (the design, the default), defletor (the baffle), iluminacao (the field illumination) or tolerancias (focusing and collimation).</translation>
    </message>
    <message>
        <source>Escreve na saída padrão os dados do PROJETO.tlv e os valores calculados, em JSON.</source>
        <translation>Writes the data of DESIGN.tlv and the computed values to standard output, as JSON.</translation>
    </message>
    <message>
        <source>Com --json: deixa de fora os estudos de difração, tolerâncias e iluminação (bem mais rápido).</source>
        <translation>With --json: leaves out the diffraction, tolerance and illumination studies (much faster).</translation>
    </message>
    <message>
        <source>--sem-estudos só vale com --json</source>
        <translation>--sem-estudos only goes with --json</translation>
    </message>
    <message>
        <source>SAIDA.pdf</source>
        <translation>OUTPUT.pdf</translation>
    </message>
    <message>
        <source>projeto|defletor|iluminacao|tolerancias</source>
        <translatorcomment>the values of the --relatorio option: the same in every language</translatorcomment>
        <translation>projeto|defletor|iluminacao|tolerancias</translation>
    </message>
    <message>
        <source>Projeto Teluvar %1</source>
        <translation>Projeto Teluvar %1</translation>
    </message>
    <message>
        <source>projeto</source>
        <translatorcomment>a value of the --relatorio option: the same in every language</translatorcomment>
        <translation>projeto</translation>
    </message>
    <message>
        <source>defletor</source>
        <translatorcomment>a value of the --relatorio option: the same in every language</translatorcomment>
        <translation>defletor</translation>
    </message>
    <message>
        <source>opção desconhecida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>a opção %1 precisa de um valor</source>
        <translation>the option %1 needs a value</translation>
    </message>
    <message>
        <source>relatório desconhecido: %1 (use projeto, defletor, iluminacao ou tolerancias)</source>
        <translation>unknown report: %1 (use projeto, defletor, iluminacao or tolerancias)</translation>
    </message>
    <message>
        <source>--relatorio só vale com --pdf</source>
        <translation>--relatorio goes only with --pdf</translation>
    </message>
    <message>
        <source>use --pdf ou --json, não os dois</source>
        <translation>use --pdf or --json, not both</translation>
    </message>
    <message>
        <source>dê exatamente um PROJETO.tlv</source>
        <translation>give exactly one DESIGN.tlv</translation>
    </message>
    <message>
        <source>dê no máximo um PROJETO.tlv</source>
        <translation>give at most one DESIGN.tlv</translation>
    </message>
    <message>
        <source>o relatório não pôde ser preparado: %1</source>
        <translation>the report could not be prepared: %1</translation>
    </message>
    <message>
        <source>a saída padrão</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>não foi possível escrever: %1</source>
        <translation>could not write: %1</translation>
    </message>
    <message>
        <source>Difração indisponível: a secundária não forma pupila de saída.</source>
        <translation>Diffraction unavailable: the secondary forms no exit pupil.</translation>
    </message>
    <message>
        <source>Difração indisponível: um feixe perde o raio principal ou todos os raios.</source>
        <translation>Diffraction unavailable: a bundle loses its chief ray or every ray.</translation>
    </message>
    <message>
        <source>Difração indisponível: o cálculo não dá valores finitos para este projeto.</source>
        <translation>Diffraction unavailable: the computation gives no finite values for this design.</translation>
    </message>
    <message>
        <source>&gt; %n</source>
        <translation>&gt; %n</translation>
    </message>
    <message>
        <source>Traçado de raios</source>
        <translation>Ray trace</translation>
    </message>
    <message>
        <source>Difração</source>
        <translation>Diffraction</translation>
    </message>
    <message>
        <source>Esfera de referência no melhor foco</source>
        <translation>Reference sphere at best focus</translation>
    </message>
    <message>
        <source>Curvas da variante:</source>
        <translation>Curves of the variant:</translation>
    </message>
    <message>
        <source>Calculando…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>Frequência espacial (ciclos/mm)</source>
        <translation>Spatial frequency (cycles/mm)</translation>
    </message>
    <message>
        <source>MTF</source>
        <translation>MTF</translation>
    </message>
    <message>
        <source>Raio (µm)</source>
        <translation>Radius (µm)</translation>
    </message>
    <message>
        <source>Energia circunscrita</source>
        <translation>Encircled energy</translation>
    </message>
    <message>
        <source>Tangencial</source>
        <translation>Tangential</translation>
    </message>
    <message>
        <source>Sagital</source>
        <translation>Sagittal</translation>
    </message>
    <message>
        <source>Limite de difração (obstruído)</source>
        <translation>Diffraction limit (obstructed)</translation>
    </message>
    <message>
        <source>Limite de difração (sem obstrução)</source>
        <translation>Diffraction limit (unobstructed)</translation>
    </message>
    <message>
        <source>Strehl = %1</source>
        <translation>Strehl = %1</translation>
    </message>
    <message>
        <source>%1 µm</source>
        <translation>%1 µm</translation>
    </message>
    <message>
        <source>Escala logarítmica de 10⁻⁴ a 1 (1 = pico sem obstrução); círculo: disco de Airy</source>
        <translation>Logarithmic scale from 10⁻⁴ to 1 (1 = unobstructed peak); circle: Airy disc</translation>
    </message>
    <message>
        <source>RMS da onda (λ)</source>
        <translation>RMS wavefront (λ)</translation>
    </message>
    <message>
        <source>P-V (λ)</source>
        <translation>P-V (λ)</translation>
    </message>
    <message>
        <source>Strehl (Maréchal)</source>
        <translation>Strehl (Maréchal)</translation>
    </message>
    <message>
        <source>Strehl (PSF)</source>
        <translation>Strehl (PSF)</translation>
    </message>
    <message>
        <source>EE 50 % (µm)</source>
        <translation>EE 50 % (µm)</translation>
    </message>
    <message>
        <source>EE 80 % (µm)</source>
        <translation>EE 80 % (µm)</translation>
    </message>
    <message>
        <source>Exportar &amp;prescrição...</source>
        <translation>Export &amp;prescription...</translation>
    </message>
    <message>
        <source>Exporta a prescrição de uma variante para outros programas</source>
        <translation>Exports a variant&apos;s prescription for other optical programs</translation>
    </message>
    <message>
        <source>&amp;Importar prescrição...</source>
        <translation>&amp;Import prescription...</translation>
    </message>
    <message>
        <source>Compara uma prescrição de dois espelhos (.zmx) com as variantes</source>
        <translation>Compares a two-mirror prescription (.zmx) with the variants</translation>
    </message>
    <message>
        <source>Zemax (*.zmx);;CODE V (*.seq);;Tabela (*.csv)</source>
        <translation>Zemax (*.zmx);;CODE V (*.seq);;Table (*.csv)</translation>
    </message>
    <message>
        <source>Zemax (*.zmx)</source>
        <translation>Zemax (*.zmx)</translation>
    </message>
    <message>
        <source>Exportar prescrição</source>
        <translation>Export prescription</translation>
    </message>
    <message>
        <source>Importar prescrição</source>
        <translation>Import prescription</translation>
    </message>
    <message>
        <source>uma prescrição Zemax (.zmx)</source>
        <translation>a Zemax prescription (.zmx)</translation>
    </message>
    <message>
        <source>Superfície</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Raio</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Cônica</source>
        <translation>Conic</translation>
    </message>
    <message>
        <source>Espessura</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Semidiâmetro</source>
        <translation>Semi-diameter</translation>
    </message>
    <message>
        <source>Obstrução</source>
        <translation>Obscuration</translation>
    </message>
    <message>
        <source>Objeto</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Primário</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Secundário</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>Imagem</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Infinito</source>
        <translation>Infinity</translation>
    </message>
    <message>
        <source>linha %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>texto UTF-16 com um número ímpar de bytes (arquivo truncado?)</source>
        <translation>UTF-16 text with an odd number of bytes (truncated file?)</translation>
    </message>
    <message>
        <source>o texto não é UTF-8 nem UTF-16 válido</source>
        <translation>the text is neither valid UTF-8 nor valid UTF-16</translation>
    </message>
    <message>
        <source>o texto contém caracteres nulos (UTF-16 sem a marca de ordem de bytes?)</source>
        <translation>the text contains null characters (UTF-16 without a byte-order mark?)</translation>
    </message>
    <message>
        <source>%1: número ausente, inválido ou não finito</source>
        <translation>%1: number missing, invalid or not finite</translation>
    </message>
    <message>
        <source>modo %1 não aceito: só arquivos sequenciais (MODE SEQ)</source>
        <translation>mode %1 not accepted: sequential files only (MODE SEQ)</translation>
    </message>
    <message>
        <source>unidade %1 não aceita (MM, CM, IN ou METER)</source>
        <translation>unit %1 not accepted (MM, CM, IN or METER)</translation>
    </message>
    <message>
        <source>tipo de campo %1 não aceito: só ângulos (FTYP 0)</source>
        <translation>field type %1 not accepted: angles only (FTYP 0)</translation>
    </message>
    <message>
        <source>superfície %1 fora de ordem (esperada a %2)</source>
        <translation>surface %1 out of order (surface %2 expected)</translation>
    </message>
    <message>
        <source>%1 antes da primeira superfície</source>
        <translation>%1 before the first surface</translation>
    </message>
    <message>
        <source>superfície do tipo %1 não aceita (só STANDARD)</source>
        <translation>surface of type %1 not accepted (STANDARD only)</translation>
    </message>
    <message>
        <source>superfície inclinada ou descentrada (%1)</source>
        <translation>tilted or decentred surface (%1)</translation>
    </message>
    <message>
        <source>material %1: o sistema tem uma lente; só espelhos são aceitos</source>
        <translation>material %1: the system has a lens; only mirrors are accepted</translation>
    </message>
    <message>
        <source>terceiro espelho: só sistemas de dois espelhos são aceitos</source>
        <translation>third mirror: only two-mirror systems are accepted</translation>
    </message>
    <message>
        <source>espessura infinita depois do objeto</source>
        <translation>infinite thickness after the object</translation>
    </message>
    <message>
        <source>o objeto não está no infinito (falta DISZ INFINITY na superfície 0)</source>
        <translation>the object is not at infinity (DISZ INFINITY missing on surface 0)</translation>
    </message>
    <message>
        <source>nenhuma superfície (SURF) no arquivo</source>
        <translation>no surface (SURF) in the file</translation>
    </message>
    <message>
        <source>o sistema tem %1 espelho(s); são precisos exatamente dois</source>
        <translation>the system has %1 mirror(s); exactly two are needed</translation>
    </message>
    <message>
        <source>o segundo espelho é a última superfície: falta o plano imagem</source>
        <translation>the second mirror is the last surface: the image plane is missing</translation>
    </message>
    <message>
        <source>o primeiro espelho não é côncavo (curvatura %1)</source>
        <translation>the first mirror is not concave (curvature %1)</translation>
    </message>
    <message>
        <source>o segundo espelho não é convexo (curvatura %1)</source>
        <translation>the second mirror is not convex (curvature %1)</translation>
    </message>
    <message>
        <source>o segundo espelho não fica à frente do primeiro (separação %1)</source>
        <translation>the second mirror is not in front of the first (separation %1)</translation>
    </message>
    <message>
        <source>sem diâmetro da pupila de entrada (ENPD) nem semidiâmetro do primário (DIAM)</source>
        <translation>no entrance pupil diameter (ENPD) and no semi-diameter of the primary (DIAM)</translation>
    </message>
    <message>
        <source>os espelhos não formam um Cassegrain: o secundário fica além do foco do primário ou não amplia a distância focal</source>
        <translation>the mirrors are not a Cassegrain: the secondary lies beyond the primary&apos;s focus or does not lengthen the focal length</translation>
    </message>
    <message>
        <source>ângulo de campo de %1 graus: deve ficar abaixo de 90</source>
        <translation>field angle of %1 degrees: it must stay below 90</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Importar prescrição</source>
        <translation>Projeto Teluvar - Import prescription</translation>
    </message>
    <message>
        <source>Arquivo: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source> Dados do projeto: </source>
        <translation> Design data: </translation>
    </message>
    <message>
        <source>Plano imagem do arquivo, a partir do secundário</source>
        <translation>The file&apos;s image plane, from the secondary</translation>
    </message>
    <message>
        <source>Foco paraxial, a partir do secundário</source>
        <translation>Paraxial focus, from the secondary</translation>
    </message>
    <message>
        <source>Variante do arquivo: %1</source>
        <translation>Variant of the file: %1</translation>
    </message>
    <message>
        <source>nenhuma</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Abrir como projeto</source>
        <translation>Open as design</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Grava a prescrição do PROJETO.tlv em SAIDA.zmx, SAIDA.seq ou SAIDA.csv, sem abrir janela.</source>
        <translation>Writes the prescription of DESIGN.tlv to OUTPUT.zmx, OUTPUT.seq or OUTPUT.csv, without a window.</translation>
    </message>
    <message>
        <source>SAIDA.zmx|.seq|.csv</source>
        <translation>OUTPUT.zmx|.seq|.csv</translation>
    </message>
    <message>
        <source>Variante de --prescricao: classico, dk ou rc (o padrão).</source>
        <translation>Variant of --prescricao: classico, dk or rc (the default).</translation>
    </message>
    <message>
        <source>classico|dk|rc</source>
        <translation>classico|dk|rc</translation>
    </message>
    <message>
        <source>classico</source>
        <translation>classico</translation>
    </message>
    <message>
        <source>dk</source>
        <translation>dk</translation>
    </message>
    <message>
        <source>rc</source>
        <translation>rc</translation>
    </message>
    <message>
        <source>variante desconhecida: %1 (use classico, dk ou rc)</source>
        <translation>unknown variant: %1 (use classico, dk or rc)</translation>
    </message>
    <message>
        <source>--variante só vale com --prescricao</source>
        <translation>--variante only goes with --prescricao</translation>
    </message>
    <message>
        <source>use só uma de --pdf, --json e --prescricao</source>
        <translation>use only one of --pdf, --json and --prescricao</translation>
    </message>
    <message>
        <source>formato de prescrição desconhecido: %1 (use .zmx, .seq ou .csv)</source>
        <translation>unknown prescription format: %1 (use .zmx, .seq or .csv)</translation>
    </message>
    <message>
        <source>os raios e a separação do arquivo são extremos demais para um projeto: o projeto derivado não os reproduz</source>
        <translation>the file&apos;s radii and separation are too extreme for a design: the derived design does not reproduce them</translation>
    </message>
    <!-- Focusing and collimation tolerances -->
    <message>
        <source>&amp;Tolerâncias</source>
        <translation>&amp;Tolerances</translation>
    </message>
    <message>
        <source>Focagem e colimação do secundário</source>
        <translation>Focusing and collimation of the secondary</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Focagem e colimação</source>
        <translation>Projeto Teluvar - Focusing and collimation</translation>
    </message>
    <message>
        <source>Focagem e colimação</source>
        <translation>Focusing and collimation</translation>
    </message>
    <message>
        <source>Faixa de Δe (mm, mín.;máx.):</source>
        <translation>Δe range (mm, min;max):</translation>
    </message>
    <message>
        <source>Δe (mm)</source>
        <translation>Δe (mm)</translation>
    </message>
    <message>
        <source>Secundário (mm)</source>
        <translation>Secondary (mm)</translation>
    </message>
    <message>
        <source>F (mm)</source>
        <translation>F (mm)</translation>
    </message>
    <message>
        <source>f/N</source>
        <translation>f/N</translation>
    </message>
    <message>
        <source>RMS eixo (µm)</source>
        <translation>RMS axis (µm)</translation>
    </message>
    <message>
        <source>Strehl</source>
        <translation>Strehl</translation>
    </message>
    <message>
        <source>RMS borda (µm)</source>
        <translation>RMS edge (µm)</translation>
    </message>
    <message>
        <source>Descentr. (mm)</source>
        <translation>Decentre (mm)</translation>
    </message>
    <message>
        <source>Inclinação (′)</source>
        <translation>Tilt (′)</translation>
    </message>
    <message>
        <source>Coma (λ/′)</source>
        <translation>Coma (λ/′)</translation>
    </message>
    <message>
        <source>Coma (λ/mm)</source>
        <translation>Coma (λ/mm)</translation>
    </message>
    <message>
        <source>Ponto neutro (mm)</source>
        <translation>Neutral point (mm)</translation>
    </message>
    <message>
        <source>Espaçamento (mm)</source>
        <translation>Spacing (mm)</translation>
    </message>
    <message>
        <source>Faixa de Δe inválida: escreva mín.;máx. em mm, por exemplo -50;100</source>
        <translation>Invalid Δe range: write min;max in mm, for example -50;100</translation>
    </message>
    <message>
        <source>Strehl no eixo ≥ 0,8 (após refocar) para Δe de %1 a %2 mm na variante escolhida; profundidade de foco da câmera ± %3 mm (λ/4).</source>
        <translation>On-axis Strehl ≥ 0.8 (after refocusing) for Δe from %1 to %2 mm in the chosen variant; camera depth of focus ± %3 mm (λ/4).</translation>
    </message>
    <message>
        <source>Limites para Strehl 0,8 no eixo após refocar (λ = 550 nm). Coma em ondas (termo ρ³). Ponto neutro: pivô sem coma, medido do vértice do secundário, positivo para longe do primário.</source>
        <translation>Limits for an on-axis Strehl of 0.8 after refocusing (λ = 550 nm). Coma in waves (ρ³ term). Neutral point: the coma-free pivot, measured from the secondary's vertex, positive away from the primary.</translation>
    </message>
    <message>
        <source>Strehl no eixo</source>
        <translation>On-axis Strehl</translation>
    </message>
    <message>
        <source>tolerancias</source>
        <translation>tolerancias</translation>
    </message>
    <message>
        <source>γ ≤ 1: o secundário não amplia; o projeto não é realizável</source>
        <translation>γ ≤ 1: the secondary does not magnify; the design cannot be built</translation>
    </message>
    <message>
        <source>%1 ≤ 0: o dado de entrada precisa ser positivo; o projeto não é realizável</source>
        <translation>%1 ≤ 0: the input must be positive; the design cannot be built</translation>
    </message>
    <message>
        <source>i &lt; 0: o diâmetro do campo não pode ser negativo; o projeto não é realizável</source>
        <translation>i &lt; 0: the field diameter cannot be negative; the design cannot be built</translation>
    </message>
    <message>
        <source>D2 ≥ D1: o secundário é tão grande quanto o primário; o projeto não é realizável</source>
        <translation>D2 ≥ D1: the secondary is as large as the primary; the design cannot be built</translation>
    </message>
    <message>
        <source>d ≤ 0: o secundário não fica à frente do primário; o projeto não é realizável</source>
        <translation>d ≤ 0: the secondary is not in front of the primary; the design cannot be built</translation>
    </message>
    <message>
        <source>p ≤ 0: o secundário não fica antes do foco do primário; o projeto não é realizável</source>
        <translation>p ≤ 0: the secondary is not inside the primary&apos;s focus; the design cannot be built</translation>
    </message>
    <message>
        <source>aviso: %1</source>
        <translation>warning: %1</translation>
    </message>
    <!-- Field illumination and the live-window base -->
    <message>
        <source>&amp;Iluminação</source>
        <translation>&amp;Illumination</translation>
    </message>
    <message>
        <source>Iluminação do campo e defletores de menor obstrução</source>
        <translation>Field illumination and baffles of least obstruction</translation>
    </message>
    <message>
        <source>Projeto Teluvar - Iluminação</source>
        <translation>Projeto Teluvar - Illumination</translation>
    </message>
    <message>
        <source>Defletor atual</source>
        <translation>Current baffle</translation>
    </message>
    <message>
        <source>Defletor otimizado</source>
        <translation>Optimised baffle</translation>
    </message>
    <message>
        <source>Otimizado sem capuz</source>
        <translation>Optimised without hood</translation>
    </message>
    <message>
        <source>Grava no defletor do projeto o melhor defletor que a janela do defletor guarda: o início do tubo pela regra do defletor e um suporte plano, sem capuz.</source>
        <translation>Writes into the design&apos;s baffle the best baffle the baffle window holds: the tube&apos;s front by the baffle rule and a flat holder, no hood.</translation>
    </message>
    <message>
        <source>Otimizado sem capuz (o que a janela do defletor guarda): tubo de %1 mm (externo %2 mm) começando a %3 mm do primário; suporte do secundário de %4 mm.</source>
        <translation>Optimised without hood (what the baffle window holds): tube of %1 mm (outer %2 mm) starting %3 mm from the primary; secondary holder of %4 mm.</translation>
    </message>
    <message>
        <source>Sem capuz, nenhum defletor que a janela do defletor guarda bloqueia a luz direta mantendo o campo iluminado.</source>
        <translation>Without a hood, no baffle the baffle window holds blocks the direct light while keeping the field lit.</translation>
    </message>
    <message>
        <source>Alcance do capuz atrás do secundário</source>
        <translation>Hood reach behind the secondary</translation>
    </message>
    <message>
        <source>Campo iluminado a 100 %</source>
        <translation>Field lit at 100 %</translation>
    </message>
    <message>
        <source>Campo iluminado a 75 %</source>
        <translation>Field lit at 75 %</translation>
    </message>
    <message>
        <source>Campo iluminado a 50 %</source>
        <translation>Field lit at 50 %</translation>
    </message>
    <message>
        <source>Obstrução pelo diâmetro</source>
        <translation>Obstruction by diameter</translation>
    </message>
    <message>
        <source>Obstrução pela área</source>
        <translation>Obstruction by area</translation>
    </message>
    <message>
        <source>Luz direta no campo</source>
        <translation>Direct light on the field</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Campo a manter iluminado (mm):</source>
        <translation>Field to keep lit (mm):</translation>
    </message>
    <message>
        <source>&amp;Aplicar o otimizado sem capuz</source>
        <translation>&amp;Apply the optimised one without hood</translation>
    </message>
    <message>
        <source>Altura na imagem (mm)</source>
        <translation>Image height (mm)</translation>
    </message>
    <message>
        <source>Iluminação relativa</source>
        <translation>Relative illumination</translation>
    </message>
    <message>
        <source>Borda do campo (i/2)</source>
        <translation>Edge of the field (i/2)</translation>
    </message>
    <message>
        <source>Projeto incompleto: sem iluminação a mostrar</source>
        <translation>Incomplete design: no illumination to show</translation>
    </message>
    <message>
        <source>≥ %1</source>
        <translation>≥ %1</translation>
    </message>
    <message>
        <source>%n %</source>
        <translation>%n %</translation>
    </message>
    <message>
        <source>Defletor otimizado: tubo de %1 mm (externo %2 mm) começando a %3 mm do primário; capuz do secundário de %4 mm, estendendo-se %5 mm atrás dele.</source>
        <translation>Optimised baffle: tube of %1 mm (outer %2 mm) starting %3 mm from the primary; secondary hood of %4 mm, reaching %5 mm behind it.</translation>
    </message>
    <message>
        <source>Nenhum defletor bloqueia a luz direta mantendo o campo iluminado.</source>
        <translation>No baffle blocks the direct light while keeping the field lit.</translation>
    </message>
    <message>
        <source>Iluminação</source>
        <translation>Illumination</translation>
    </message>
    <message>
        <source>Preview - Iluminação</source>
        <translation>Preview - Illumination</translation>
    </message>
    <message>
        <source>Variante: %1. Campo a manter iluminado a 100 %: %2 mm.</source>
        <translation>Variant: %1. Field to keep lit at 100 %: %2 mm.</translation>
    </message>
    <message>
        <source>Iluminação relativa e altura na imagem</source>
        <translation>Relative illumination against image height</translation>
    </message>
    <message>
        <source>Defletores</source>
        <translation>Baffles</translation>
    </message>
    <message>
        <source>Campo iluminado e obstrução</source>
        <translation>Lit field and obstruction</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Diâmetro interno do tubo (DDi)</source>
        <translation>Tube inner diameter (DDi)</translation>
    </message>
    <message>
        <source>Diâmetro externo do tubo (DDe)</source>
        <translation>Tube outer diameter (DDe)</translation>
    </message>
    <message>
        <source>Comprimento do tubo à frente do primário (L)</source>
        <translation>Tube length in front of the primary (L)</translation>
    </message>
    <message>
        <source>Diâmetro do suporte do secundário (SSDe)</source>
        <translation>Secondary holder diameter (SSDe)</translation>
    </message>
    <message>
        <source>sem defletor</source>
        <translation>no baffle</translation>
    </message>
    <message>
        <source>iluminacao</source>
        <translatorcomment>a value of the --relatorio option: the same in every language</translatorcomment>
        <translation>iluminacao</translation>
    </message>
    <message>
        <source>%1 ou mais</source>
        <translation>%1 or more</translation>
    </message>
    <message>
        <source>Preview - Focagem e colimação</source>
        <translation>Preview - Focusing and collimation</translation>
    </message>
    <message>
        <source>Focagem pelo secundário: %1</source>
        <translation>Focusing by the secondary: %1</translation>
    </message>
    <message>
        <source>Strehl no eixo após refocar, nas três variantes</source>
        <translation>On-axis Strehl after refocusing, for the three variants</translation>
    </message>
    <message>
        <source>Focagem pela câmera: %1</source>
        <translation>Focusing by the camera: %1</translation>
    </message>
    <message>
        <source>Colimação do secundário</source>
        <translation>Collimation of the secondary</translation>
    </message>
    <message>
        <source>Deslocamento do plano da imagem (mm)</source>
        <translation>Shift of the image plane (mm)</translation>
    </message>
    <message>
        <source>RMS do spot (µm)</source>
        <translation>Spot RMS (µm)</translation>
    </message>
    <message>
        <source>No eixo</source>
        <translation>On axis</translation>
    </message>
    <message>
        <source>Borda do campo</source>
        <translation>Edge of the field</translation>
    </message>
    <message>
        <source>± 2·λ·N²</source>
        <translation>± 2·λ·N²</translation>
    </message>
    <message>
        <source>Strehl no eixo de 0,8 ou mais (após refocar) para variações de e de %1 a %2 mm; profundidade de foco da câmera ± %3 mm (1/4 de onda).</source>
        <translation>On-axis Strehl of 0.8 or more (after refocusing) for changes of e from %1 to %2 mm; camera depth of focus ± %3 mm (1/4 wave).</translation>
    </message>
    <message>
        <source>Limites para Strehl 0,8 no eixo após refocar (comprimento de onda 550 nm). Coma em ondas (termo em r³). Ponto neutro: pivô sem coma, medido do vértice do secundário, positivo para longe do primário.</source>
        <translation>Limits for an on-axis Strehl of 0.8 after refocusing (wavelength 550 nm). Coma in waves (r³ term). Neutral point: the coma-free pivot, measured from the secondary's vertex, positive away from the primary.</translation>
    </message>
    <message>
        <source>Variação de e (mm)</source>
        <translation>Change of e (mm)</translation>
    </message>
    <message>
        <source>Inclinação (&apos;)</source>
        <translation>Tilt (&apos;)</translation>
    </message>
    <message>
        <source>Coma (ondas/&apos;)</source>
        <translation>Coma (waves/&apos;)</translation>
    </message>
    <message>
        <source>Coma (ondas/mm)</source>
        <translation>Coma (waves/mm)</translation>
    </message>
    <message>
        <source>Análise de difração</source>
        <translation>Diffraction analysis</translation>
    </message>
    <message>
        <source>Frente de onda a 550 nm sobre a pupila anular; esfera de referência centrada no ponto do raio principal no plano da imagem.</source>
        <translation>Wavefront at 550 nm over the annular pupil; reference sphere centred on the chief ray's point in the image plane.</translation>
    </message>
    <message>
        <source>Frente de onda a 550 nm sobre a pupila anular; esfera de referência centrada no melhor foco de cada feixe.</source>
        <translation>Wavefront at 550 nm over the annular pupil; reference sphere centred at each bundle's best focus.</translation>
    </message>
    <message>
        <source>Frente de onda, razão de Strehl e energia circunscrita</source>
        <translation>Wavefront, Strehl ratio and encircled energy</translation>
    </message>
    <message>
        <source>MTF: %1 (tangencial em linha cheia, sagital tracejada)</source>
        <translation>MTF: %1 (tangential solid, sagittal dashed)</translation>
    </message>
    <message>
        <source>PSF das três variantes</source>
        <translation>PSF of the three variants</translation>
    </message>
    <message>
        <source>RMS da onda (ondas)</source>
        <translation>RMS wavefront (waves)</translation>
    </message>
    <message>
        <source>P-V (ondas)</source>
        <translation>P-V (waves)</translation>
    </message>
</context>
<context>
    <name>Relatorio</name>
    <message>
        <source>Obs.: Escalas em mm.</source>
        <translation>Note: scales in mm.</translation>
    </message>
    <message>
        <source>Índices de deformação:</source>
        <translation>Deformation indices:</translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Clássico</source>
        <translation>Classical</translation>
    </message>
    <message>
        <source>Dall-Kirkham</source>
        <translation>Dall-Kirkham</translation>
    </message>
    <message>
        <source>Ritchey-Chrétien</source>
        <translation>Ritchey-Chrétien</translation>
    </message>
    <message>
        <source>Dados do telescópio:</source>
        <translation>Telescope data:</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Defletor</source>
        <translation>Baffle</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>-Z*</source>
        <translation>-Z*</translation>
    </message>
    <message>
        <source>* Vide tabela abaixo.</source>
        <translation>* See the table below.</translation>
    </message>
    <message>
        <source>Posição e diâmetro interno dos glare stops.</source>
        <translation>Position and inner diameter of the glare stops.</translation>
    </message>
    <message>
        <source>Glare</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Posição (Z)</source>
        <translation>Position (Z)</translation>
    </message>
    <message>
        <source>Diâmetro (G)</source>
        <translation>Diameter (G)</translation>
    </message>
</context>
<context>
    <name>ArquivoRegular</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>não é um arquivo regular (%1); nada foi lido</source>
        <translation>not a regular file (%1); nothing was read</translation>
    </message>
    <message>
        <source>é uma pasta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>é um pipe nomeado</source>
        <translation>it is a named pipe</translation>
    </message>
    <message>
        <source>é um socket</source>
        <translation>it is a socket</translation>
    </message>
    <message>
        <source>é um dispositivo</source>
        <translation>it is a device</translation>
    </message>
    <message>
        <source>é de um tipo especial</source>
        <translation>it is of a special kind</translation>
    </message>
    <message>
        <source>o arquivo tem %1 bytes, mais do que os %2 bytes que %3 pode ter; nada foi lido</source>
        <translation>the file has %1 bytes, more than the %2 bytes %3 may have; nothing was read</translation>
    </message>
    <message>
        <source>o arquivo não existe (foi removido ou renomeado?)</source>
        <translation>the file does not exist (was it removed or renamed?)</translation>
    </message>
    <message>
        <source>sem permissão para ler o arquivo</source>
        <translation>no permission to read the file</translation>
    </message>
    <message>
        <source>sem permissão para gravar o arquivo ou a pasta</source>
        <translation>no permission to write the file or the folder</translation>
    </message>
    <message>
        <source>disco cheio: o projeto não foi gravado</source>
        <translation>disk full: the design was not saved</translation>
    </message>
    <message>
        <source>a pasta do arquivo não existe</source>
        <translation>the file&apos;s folder does not exist</translation>
    </message>
    <message>
        <source>erro do sistema: %1</source>
        <translation>system error: %1</translation>
    </message>
</context>
<context>
    <name>rpTextos</name>
    <message>
        <source>um relatório preparado (.rpp)</source>
        <translation>a prepared report (.rpp)</translation>
    </message>
</context>
</TS>
