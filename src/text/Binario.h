// Little-endian binary streams with Windows-1252 strings: the one bounds-checked reader and the
// one writer of templates, prepared page streams and ".rpp" files.
#pragma once

#include "Cp1252.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

// A read past the end or a malformed field: "<context>: <reason> at byte <n>".
struct ErroLeitura : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads fields from a byte range; every read checks the bytes that remain. Strings are a 16-bit
// length, the bytes and one terminating byte; lists a 16-bit count, then (count 0) one byte, or
// lines each followed by a separator byte up to the separator 0. Strict streams require the
// terminator and the empty list's byte to be 0 and line separators 13; lenient ones take any.
class LeitorBinario {
public:
    enum class Modo { Estrito, Tolerante };

    LeitorBinario(const char* dados, qint64 tamanho, const char* contexto,
                  Modo modo = Modo::Estrito)
        : m_d(dados), m_n(tamanho), m_contexto(contexto), m_estrito(modo == Modo::Estrito) {}
    LeitorBinario(const QByteArray& dados, const char* contexto, Modo modo = Modo::Estrito)
        : LeitorBinario(dados.constData(), dados.size(), contexto, modo) {}

    qint64 pos() const { return m_pos; }
    qint64 tamanho() const { return m_n; }
    qint64 restante() const { return m_n - m_pos; }
    bool fim() const { return m_pos >= m_n; }
    const char* atual() const { return m_d + m_pos; }

    [[noreturn]] void falhar(const char* motivo) const {
        throw ErroLeitura(std::string(m_contexto) + ": " + motivo + " at byte " +
                          std::to_string(m_pos));
    }
    void exigir(qint64 n) const {
        if (n < 0 || n > restante()) falhar("data ends too soon");
    }
    void pular(qint64 n) {
        exigir(n);
        m_pos += n;
    }
    void irPara(qint64 p) {
        if (p < 0 || p > m_n) falhar("offset out of range");
        m_pos = p;
    }

    std::uint8_t u8() {
        exigir(1);
        return static_cast<std::uint8_t>(m_d[m_pos++]);
    }
    std::uint16_t u16() {
        exigir(2);
        const auto v = qFromLittleEndian<std::uint16_t>(m_d + m_pos);
        m_pos += 2;
        return v;
    }
    std::uint32_t u32() {
        exigir(4);
        const auto v = qFromLittleEndian<std::uint32_t>(m_d + m_pos);
        m_pos += 4;
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    bool booleano16() { return u16() != 0; }

    QString texto() {
        const qint64 n = u16();
        exigir(n + 1);
        QString s = Cp1252::Decodificar(m_d + m_pos, n);
        m_pos += n;
        if (u8() != 0 && m_estrito) falhar("string not terminated");
        return s;
    }
    // One length byte and the bytes.
    QString textoCurto() {
        const qint64 n = u8();
        exigir(n);
        QString s = Cp1252::Decodificar(m_d + m_pos, n);
        m_pos += n;
        return s;
    }
    QStringList lista() {
        const qint64 contagem = u16();
        QStringList linhas;
        if (contagem == 0) {
            if (u8() != 0 && m_estrito) falhar("bad empty list");
            return linhas;
        }
        // The lines run up to the separator 0, whatever the count says; each takes at least
        // three bytes, which bounds what is reserved.
        linhas.reserve(std::min(contagem, restante() / 3));
        for (;;) {
            const qint64 n = u16();
            exigir(n + 1);
            linhas.append(Cp1252::Decodificar(m_d + m_pos, n));
            m_pos += n;
            const std::uint8_t separador = u8();
            if (separador == 0) break;
            if (separador != 13 && m_estrito) falhar("bad line separator");
        }
        return linhas;
    }

private:
    const char* m_d;
    qint64 m_n;
    qint64 m_pos = 0;
    const char* m_contexto;
    bool m_estrito;
};

// Appends fields to a byte array in the layout LeitorBinario reads.
class EscritorBinario {
public:
    explicit EscritorBinario(QByteArray& destino) : dados(destino) {}

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
        const QByteArray b = Cp1252::Codificar(s).left(std::numeric_limits<std::uint16_t>::max());
        u16(static_cast<std::uint16_t>(b.size()));
        dados.append(b);
        u8(0);
    }
    // One length byte and the bytes (cut to 255).
    void textoCurto(const QString& s) {
        const QByteArray b = Cp1252::Codificar(s).left(255);
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
                Cp1252::Codificar(linhas[i]).left(std::numeric_limits<std::uint16_t>::max());
            u16(static_cast<std::uint16_t>(b.size()));
            dados.append(b);
            u8(i + 1 < n ? 13 : 0);
        }
    }
};
