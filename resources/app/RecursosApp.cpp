// Registers the pictures compiled in from app.qrc (called once by the windows' helpers).
#include <QtGlobal>

static void iniciarApp() {
    Q_INIT_RESOURCE(app);
}

void IniciarRecursosApp() {
    iniciarApp();
}
