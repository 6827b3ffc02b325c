// The command line's batch work under a plain GUI application: a widget created on the way would
// stop the program (Qt refuses a widget without a widget application), so every report and the
// JSON are written here with no window at all.
#include "ProjetoTeste.h"

#include "Global.h"
#include "LinhaComando.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {
int falhas = 0;
void conferir(bool ok, const char* oque) {
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", oque);
        ++falhas;
    }
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString nome = dir.filePath(QStringLiteral("projeto.tlv"));
    {
        TProjeto p = ProjetoExemplo();
        p.DDi = 60;
        p.DDe = 66;
        p.LTotal = 400;
        p.nG = 4;
        p.SSDe = 60;
        QFile f(nome);
        conferir(f.open(QIODevice::WriteOnly), "design file written");
        f.write(reinterpret_cast<const char*>(&p), sizeof p);
    }
    std::FILE* saida = std::tmpfile();
    for (const int relatorio : {0, 1, 2, 3}) { // design, baffle, illumination, tolerances
        PedidoLinha pdf;
        pdf.modo = PedidoLinha::Pdf;
        pdf.projeto = nome;
        pdf.defletor = relatorio == 1;
        pdf.iluminacao = relatorio == 2;
        pdf.tolerancias = relatorio == 3;
        pdf.saida = dir.filePath(QStringLiteral("%1.pdf").arg(relatorio));
        conferir(ExecutarSemJanela(pdf, saida, stderr) == SaidaSucesso, "--pdf succeeds");
        QFile escrito(pdf.saida);
        conferir(escrito.open(QIODevice::ReadOnly) && escrito.read(5) == "%PDF-", "a PDF written");
    }
    // Nor was the print system: a PDF has no printer to lay out for.
    QFile mapas(QStringLiteral("/proc/self/maps"));
    conferir(mapas.open(QIODevice::ReadOnly) && !mapas.readAll().contains("printersupport"),
             "the print system not loaded");
    PedidoLinha json;
    json.modo = PedidoLinha::Json;
    json.projeto = nome;
    conferir(ExecutarSemJanela(json, saida, stderr) == SaidaSucesso, "--json succeeds");
    conferir(std::ftell(saida) > 1000, "the JSON written");
    std::fclose(saida);
    std::printf("%s\n", falhas == 0 ? "PASS: no widget was needed" : "FAILED");
    return falhas == 0 ? 0 : 1;
}
