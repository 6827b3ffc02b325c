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

// Whether the code page has a byte for the character.
bool TemByte(QChar c);

// Number and date separators without a byte of their own, each replaced by the nearest one the
// code page has: a space-like separator (the narrow no-break space of French, the thin space)
// by the no-break space 0xA0, the Arabic decimal separator by ',' and the Arabic thousands
// separator by the apostrophe 0x92. Every other character is left as it is.
QString SeparadoresImprimiveis(QString texto);
} // namespace Cp1252
