<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>rpTexto</name>
    <message>
        <source>An error occured during calculating</source>
        <translation>Ocorreu um erro durante o cálculo</translation>
    </message>
    <message>
        <source>Report:</source>
        <translation>Relatório:</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Banda:</translation>
    </message>
    <message>
        <source>Unable to open dataset </source>
        <translation>Não foi possível abrir o conjunto de dados </translation>
    </message>
    <message>
        <source>Undefined symbol &quot;</source>
        <translation>Símbolo indefinido &quot;</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Processing page:  </source>
        <translation>Processando a página:  </translation>
    </message>
    <message>
        <source>Performing 1st pass:  </source>
        <translation>Executando a 1ª passagem:  </translation>
    </message>
    <message>
        <source>Printing page:  </source>
        <translation>Imprimindo a página:  </translation>
    </message>
    <message>
        <source>Report: </source>
        <translation>Relatório: </translation>
    </message>
    <message>
        <source> - Report preparing</source>
        <translation> - Preparando o relatório</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Report file (*.rpp)</source>
        <translation>Relatório preparado (*.rpp)</translation>
    </message>
    <message>
        <source>&amp;Page width</source>
        <translation>&amp;Largura da página</translation>
    </message>
    <message>
        <source>&amp;Whole page</source>
        <translation>Página &amp;inteira</translation>
    </message>
    <message>
        <source>&amp;Two pages</source>
        <translation>&amp;Duas páginas</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Página %1/%2</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressão</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>&amp;Cópias:</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>Intervalo de páginas</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>Current &amp;page</source>
        <translation>&amp;Página atual</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Números:</translation>
    </message>
    <message>
        <source>Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12</source>
        <translation>Digite os números e/ou os intervalos de páginas, separados por vírgulas. Por exemplo, 1,3,5-12</translation>
    </message>
</context>
</TS>
