// Program start: the command line, the application, its title and fonts, its language, the main
// window, the event loop.
#include "Idioma.h"
#include "Janela.h"
#include "LinhaComando.h"
#include "Principal.h"

#include <QTimer>
#include <cstdio>

namespace {
// Batch work speaks only through its exit status, its output and its one line of error.
void SemMensagensQt(QtMsgType tipo, const QMessageLogContext&, const QString& mensagem) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(mensagem));
}
} // namespace

int main(int argc, char** argv) {
    const bool semJanela = PedeTrabalhoSemJanela(argc, argv);
    if (semJanela) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(SemMensagensQt);
    }
    TAplicacao app(argc, argv);
    // The user's language for every text after this, the batch work's (help, errors, PDF) too.
    InstalarIdioma(IdiomaDoUsuario());
    const PedidoLinha pedido = AnalisarLinha(QCoreApplication::arguments());
    if (pedido.modo != PedidoLinha::Janela) return ExecutarSemJanela(pedido, stdout, stderr);

    app.setWindowIcon(IconeSvg(QStringLiteral(":/app/teluvar.svg")));
    TfrmTeluvar frmTeluvar;
    frmTeluvar.show();
    // For the start-up benchmark (bench_processo): leave once the window is up.
    if (qEnvironmentVariableIsSet("TELUVAR_SAIR_AO_MOSTRAR"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    if (!pedido.projeto.isEmpty())
        QTimer::singleShot(0, &frmTeluvar,
                           [&] { AbrirDaLinhaDeComando(frmTeluvar, pedido.projeto); });
    return app.exec();
}
