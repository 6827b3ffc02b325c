// Windows-1252: one table for both directions.
#include "Cp1252.h"

#include <algorithm>
#include <iterator>

namespace {
// Characters of bytes 0x80-0x9F; the five unassigned bytes map to the same code point.
constexpr char16_t Alto[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

namespace Cp1252 {

QByteArray Codificar(const QString& texto) {
    QByteArray saida;
    saida.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            saida.append(static_cast<char>(c));
            continue;
        }
        const auto* achado = std::find(std::begin(Alto), std::end(Alto), c);
        if (achado != std::end(Alto)) {
            saida.append(static_cast<char>(0x80 + (achado - std::begin(Alto))));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) ++i;
        saida.append('?');
    }
    return saida;
}

bool TemByte(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0xA0 && u <= 0xFF) ||
           std::find(std::begin(Alto), std::end(Alto), u) != std::end(Alto);
}

QString SeparadoresImprimiveis(QString texto) {
    for (QChar& c : texto) {
        if (c.unicode() < 0x100 || TemByte(c)) continue;
        if (c.category() == QChar::Separator_Space)
            c = QChar(0x00A0);
        else if (c.unicode() == 0x066B) // Arabic decimal separator
            c = QLatin1Char(',');
        else if (c.unicode() == 0x066C) // Arabic thousands separator
            c = QChar(0x2019);
    }
    return texto;
}

QString Decodificar(const char* dados, qint64 tamanho) {
    QString saida;
    saida.resize(tamanho);
    QChar* destino = saida.data();
    for (qint64 i = 0; i < tamanho; ++i) {
        const auto b = static_cast<unsigned char>(dados[i]);
        destino[i] = (b >= 0x80 && b < 0xA0) ? QChar(Alto[b - 0x80]) : QChar(b);
    }
    return saida;
}

} // namespace Cp1252
