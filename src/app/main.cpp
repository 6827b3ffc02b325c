// Program start: the command line, the application, its title and fonts, its language, the main
// window, the event loop.
#include "ArquivoRegular.h"
#include "Idioma.h"
#include "Janela.h"
#include "LinhaComando.h"
#include "Principal.h"
#include "Recursos.h"

#include <QGuiApplication>
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
    // The arguments as the system gives them: a file name that is not UTF-8 keeps its bytes.
    auto argumentos = [argc, argv] {
        QStringList lista;
        for (int k = 0; k < argc; ++k)
            lista << NomeDeBytes(QByteArray(argv[k]));
        return lista;
    };
    const bool semJanela = PedeTrabalhoSemJanela(argc, argv);
    if (semJanela) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(SemMensagensQt);
        // Batch work creates no widget: a plain GUI application (fonts, pictures, PDF) is all
        // it needs, and a widget created by mistake would stop the program at once.
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(TextoRecurso(Recursos::TituloAplicacao));
        // The windows' font too: the faces it matches first decide the style flags of the
        // font subsets a PDF embeds, so the batch PDF stays the window's byte for byte.
        QGuiApplication::setFont(FonteJanela());
        InstalarIdioma(IdiomaDoUsuario());
        return ExecutarSemJanela(AnalisarLinha(argumentos()), stdout, stderr);
    }
    TAplicacao app(argc, argv);
    // The user's language for every text after this.
    InstalarIdioma(IdiomaDoUsuario());
    const PedidoLinha pedido = AnalisarLinha(argumentos());
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
