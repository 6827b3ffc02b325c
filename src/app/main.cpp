// Program start: the application, its title and fonts, the main window, the event loop.
#include "Janela.h"
#include "Principal.h"

int main(int argc, char** argv) {
    TAplicacao app(argc, argv);
    app.setWindowIcon(IconeSvg(QStringLiteral(":/app/teluvar.svg")));
    TfrmTeluvar frmTeluvar;
    frmTeluvar.show();
    return app.exec();
}
