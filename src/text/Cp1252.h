// Windows-1252, the code page of template texts, prepared pages and the design file's title.
#pragma once

#include <QByteArray>
#include <QString>

namespace Cp1252 {
// One byte per character: characters outside the code page (a surrogate pair counts as one)
// become '?'. The five unassigned bytes stand for the C1 controls of the same code.
QByteArray Codificar(const QString& texto);
QString Decodificar(const char* dados, qint64 tamanho);
inline QString Decodificar(const QByteArray& dados) {
    return Decodificar(dados.constData(), dados.size());
}
} // namespace Cp1252
