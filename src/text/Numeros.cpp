// Separators, fixed-decimal rounding, grouping and pattern sections.
#include "Numeros.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {
__extension__ typedef unsigned __int128 u128;
} // namespace

SeparadoresNumero SeparadoresDe(const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    const QString milhar = locale.groupSeparator();
    SeparadoresNumero s;
    s.decimal = decimal.isEmpty() ? QLatin1Char('.') : decimal.at(0);
    s.milhar = milhar.isEmpty() ? QChar() : milhar.at(0);
    return s;
}

SeparadoresNumero SeparadoresDoUsuario() {
    return SeparadoresDe(QLocale());
}

QString TextoNaoFinito(double valor) {
    if (std::isnan(valor)) return QStringLiteral("NAN");
    return valor < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

std::string DigitosArredondados(double valor, int decimais) {
    decimais = std::clamp(decimais, 0, 18);
    const double a = std::fabs(valor);
    if (!std::isfinite(a) || a == 0.0) return "0";
    int expoente = 0;
    const double fracao = std::frexp(a, &expoente); // a = fracao x 2^expoente
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fracao, 53));
    const int e = expoente - 53; // a = mantissa x 2^e, exactly
    if (e >= 0) {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.0f", a); // an integer: printed exactly
        return std::string(buf) + std::string(static_cast<std::size_t>(decimais), '0');
    }
    u128 n = mantissa;
    for (int k = 0; k < decimais; ++k)
        n *= 10u; // < 2^53 x 10^18 < 2^113
    const int s = -e;
    if (s > 113) return "0"; // below one half
    u128 q = n >> s;
    const u128 resto = n & ((u128(1) << s) - 1);
    if (resto >= (u128(1) << (s - 1))) ++q; // half away from zero
    if (q == 0) return "0";
    std::string digitos;
    while (q > 0) {
        digitos.push_back(static_cast<char>('0' + static_cast<int>(q % 10u)));
        q /= 10u;
    }
    std::reverse(digitos.begin(), digitos.end());
    return digitos;
}

QString AgruparMilhares(const QString& digitos, QChar milhar) {
    if (milhar.isNull() || digitos.size() <= 3) return digitos;
    QString saida;
    saida.reserve(digitos.size() + digitos.size() / 3);
    const qsizetype n = digitos.size();
    for (qsizetype k = 0; k < n; ++k) {
        if (k > 0 && (n - k) % 3 == 0) saida += milhar;
        saida += digitos[k];
    }
    return saida;
}

QString NumeroFixo(double valor, int decimais, bool agrupar, QChar decimal, QChar milhar) {
    if (!std::isfinite(valor)) return TextoNaoFinito(valor);
    decimais = std::clamp(decimais, 0, 18);
    std::string d = DigitosArredondados(valor, decimais);
    const bool zero = std::all_of(d.begin(), d.end(), [](char c) { return c == '0'; });
    if (static_cast<int>(d.size()) <= decimais)
        d.insert(0, static_cast<std::size_t>(decimais + 1) - d.size(), '0');
    const auto inteiros = static_cast<qsizetype>(d.size()) - decimais;
    const QString inteiro = QString::fromLatin1(d.data(), inteiros);
    QString texto;
    texto.reserve(inteiros + inteiros / 3 + decimais + 2);
    if (valor < 0 && !zero) texto += QLatin1Char('-');
    texto += agrupar ? AgruparMilhares(inteiro, milhar) : inteiro;
    if (decimais > 0) {
        texto += decimal;
        texto += QLatin1String(d.data() + inteiros, decimais);
    }
    return texto;
}

QStringList SecoesDoPadrao(QStringView padrao) {
    QStringList secoes(1);
    QChar aspa;
    for (QChar c : padrao) {
        if (!aspa.isNull()) {
            if (c == aspa) aspa = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            aspa = c;
        } else if (c == QLatin1Char(';')) {
            secoes.append(QString());
            continue;
        }
        secoes.last() += c;
    }
    return secoes;
}
