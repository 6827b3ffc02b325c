// The stored report templates, compiled in as Qt resources.
#include "Modelos.h"

QString CaminhoModelo(const QString& nome) {
    return QStringLiteral(":/report/%1.rpf").arg(nome);
}
