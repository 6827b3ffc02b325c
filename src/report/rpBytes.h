// The writer of the engine's binary streams: little-endian fields and Windows-1252 strings.
#pragma once

#include "rpTemplateStream.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <limits>

// Appends to a byte array: template streams, prepared page streams and ".rpp" files.
class rpEscritor {
public:
    explicit rpEscritor(QByteArray& destino) : dados(destino) {}

    QByteArray& dados;

    void u8(std::uint8_t v) { dados.append(static_cast<char>(v)); }
    void u16(std::uint16_t v) {
        char b[2];
        qToLittleEndian<quint16>(v, b);
        dados.append(b, 2);
    }
    void u32(std::uint32_t v) {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        dados.append(b, 4);
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void booleano16(bool v) { u16(v ? 0xFFFF : 0); }
    // Overwrites a 32-bit field written earlier (end offsets known only afterwards).
    void corrigirU32(qint64 pos, std::uint32_t v) {
        qToLittleEndian<quint32>(v, dados.data() + pos);
    }

    // 16-bit length, the bytes, one byte 0 (longer texts are cut to 65,535 bytes).
    void texto(const QString& s) {
        const QByteArray b = rpCp1252::codificar(s).left(std::numeric_limits<std::uint16_t>::max());
        u16(static_cast<std::uint16_t>(b.size()));
        dados.append(b);
        u8(0);
    }
    // One length byte and the bytes (cut to 255).
    void textoCurto(const QString& s) {
        const QByteArray b = rpCp1252::codificar(s).left(255);
        u8(static_cast<std::uint8_t>(b.size()));
        dados.append(b);
    }
    // 16-bit count; an empty list is followed by one byte 0; otherwise each line is followed
    // by 13, the last by 0.
    void lista(const QStringList& linhas) {
        const auto n =
            std::min<qsizetype>(linhas.size(), std::numeric_limits<std::uint16_t>::max());
        u16(static_cast<std::uint16_t>(n));
        if (n == 0) {
            u8(0);
            return;
        }
        for (qsizetype i = 0; i < n; ++i) {
            const QByteArray b =
                rpCp1252::codificar(linhas[i]).left(std::numeric_limits<std::uint16_t>::max());
            u16(static_cast<std::uint16_t>(b.size()));
            dados.append(b);
            u8(i + 1 < n ? 13 : 0);
        }
    }
};
