// Separators, fixed-decimal rounding, grouping and pattern sections.
#include "Numeros.h"

#include <algorithm>
#include <charconv>
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

DecimalTexto DecimalDoValor(double v) {
    DecimalTexto d;
    if (v == 0 || !std::isfinite(v)) return d;
    char buf[64];
    // The largest doubles would round past the range at fifteen digits (and their text would
    // not read back); they keep the seventeen that write them exactly.
    const int precisao = std::fabs(v) > 1.7976931348623e308 ? 16 : 14;
    auto r =
        std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, precisao);
    std::string s(buf, r.ptr);
    const auto posE = s.find('e');
    for (std::size_t k = 0; k < posE; ++k)
        if (s[k] >= '0' && s[k] <= '9') d.digitos += s[k];
    d.ponto = std::stoi(s.substr(posE + 1)) + 1;
    while (!d.digitos.empty() && d.digitos.back() == '0')
        d.digitos.pop_back();
    if (d.digitos.empty()) d.ponto = 0;
    return d;
}

void ArredondarDecimal(DecimalTexto& d, int casas) {
    if (d.digitos.empty()) return;
    const long manter = long(d.ponto) + casas;
    if (manter < 0) {
        d = DecimalTexto{};
        return;
    }
    if (manter < long(d.digitos.size())) {
        const bool sobe = d.digitos[std::size_t(manter)] >= '5';
        d.digitos.resize(std::size_t(manter));
        if (sobe) {
            long k = manter - 1;
            while (k >= 0 && d.digitos[std::size_t(k)] == '9')
                d.digitos[std::size_t(k--)] = '0';
            if (k < 0) {
                d.digitos.insert(d.digitos.begin(), '1');
                ++d.ponto;
            } else {
                ++d.digitos[std::size_t(k)];
            }
        }
    }
    while (!d.digitos.empty() && d.digitos.back() == '0')
        d.digitos.pop_back();
    if (d.digitos.empty()) d.ponto = 0;
}

double ArredondarComoTexto(double valor, int casas) {
    if (!std::isfinite(valor)) return valor;
    DecimalTexto d = DecimalDoValor(valor);
    ArredondarDecimal(d, casas);
    if (d.digitos.empty()) return 0.0; // shown as "0", never with a minus
    const std::string texto =
        (valor < 0 ? "-0." : "0.") + d.digitos + 'e' + std::to_string(d.ponto);
    double r = 0;
    std::from_chars(texto.data(), texto.data() + texto.size(), r);
    return r;
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
