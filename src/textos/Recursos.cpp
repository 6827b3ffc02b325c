// The texts of the table and of the report templates, through the installed translation.
#include "Recursos.h"

#include <QCoreApplication>

QString TextoRecurso(const char* texto) {
    return QCoreApplication::translate("Recursos", texto);
}

QString TextoRelatorio(const QString& texto) {
    const QByteArray utf8 = texto.toUtf8();
    return QCoreApplication::translate("Relatorio", utf8.constData());
}
