// Program start: the command line, the application, its title and fonts, its language, the main
// window, the event loop.
#include "ArquivoRegular.h"
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
    // The arguments as the system gives them: a file name that is not UTF-8 keeps its bytes.
    QStringList argumentos;
    for (int k = 0; k < argc; ++k)
        argumentos << NomeDeBytes(QByteArray(argv[k]));
    const PedidoLinha pedido = AnalisarLinha(argumentos);
    if (pedido.modo != PedidoLinha::Janela) return ExecutarSemJanela(pedido, stdout, stderr);

    app.setWindowIcon(IconeSvg(QStringLiteral(":/app/teluvar.svg")));
    TfrmTeluvar frmTeluvar;
    frmTeluvar.show();
    if (!pedido.projeto.isEmpty())
        QTimer::singleShot(0, &frmTeluvar,
                           [&] { AbrirDaLinhaDeComando(frmTeluvar, pedido.projeto); });
    return app.exec();
}
