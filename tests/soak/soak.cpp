// Soak run (not part of the suite; scripts/soak runs it): thousands of open/save cycles of a
// design and preview open/close cycles of both reports, measuring resident memory.
#include "Defletor.h"
#include "Dialogos.h"
#include "Documento.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"
#include "Relatorios.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>
#include <cstring>
#include <functional>
#include <unistd.h>

namespace {

// Resident set size in MiB, from /proc/self/statm.
double Residente() {
    long paginas = 0, residentes = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &paginas, &residentes) != 2) residentes = 0;
        std::fclose(f);
    }
    return double(residentes) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Runs `ciclo` n times; returns the growth of resident memory after the first hundred cycles.
bool Fase(const char* nome, int n, const std::function<void()>& ciclo) {
    double inicio = 0, aos100 = 0;
    inicio = Residente();
    for (int k = 1; k <= n; ++k) {
        ciclo();
        QCoreApplication::processEvents();
        if (k == 100) aos100 = Residente();
    }
    const double fim = Residente();
    const double crescimento = fim - aos100;
    std::printf("%-32s %6d cycles: RSS %.1f MiB at start, %.1f after 100, %.1f at the end: "
                "growth after 100 = %.2f MiB (%s)\n",
                nome, n, inicio, aos100, fim, crescimento, crescimento < 5 ? "ok" : "TOO MUCH");
    std::fflush(stdout);
    return crescimento < 5;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicacao app(argc, argv);
    const int ciclos = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int previews = argc > 2 ? std::atoi(argv[2]) : 1000;
    int erros = 0;
    DefinirDialogos(qApp, {.erro =
                               [&](const QString& t) {
                                   if (++erros < 5)
                                       std::fprintf(stderr, "error: %s\n", qPrintable(t));
                               },
                           .mostrarPreview = [](QWidget* preview) { preview->close(); }});
    TNumberEdit::ErrorHandler = [](QWidget*, const QString&) {};
    QTemporaryDir dir;
    const QString nome = dir.filePath(QStringLiteral("soak.tlv"));

    std::memset(&Projeto, 0, sizeof Projeto);
    TDocumento::Atual().Limpar();
    TfrmTeluvar principal;
    principal.show();
    principal.PerguntarArquivoAbrir = [&] { return nome; };
    principal.PerguntarArquivoSalvar = [&] { return nome; };
    Projeto.D1 = 200;
    Projeto.fD1 = 4;
    Projeto.gamma = 4;
    Projeto.e = 200;
    Projeto.i = 20;
    bool ok = true;
    ok &= Fase("open/save of a design", ciclos, [&] {
        principal.actSalvar->trigger();
        principal.actAbrir->trigger();
    });
    ok &= Fase("design report preview", previews, [&] { principal.actPreview->trigger(); });
    TfrmDefletor defletor(&principal);
    defletor.show();
    ok &= Fase("baffle report preview", previews, [&] { defletor.btnPreview->click(); });
    std::printf("errors shown: %d\n", erros);
    return ok && erros == 0 ? 0 : 1;
}
