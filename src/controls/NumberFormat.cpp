// Number patterns, edit texts and text parsing of the numeric input field.
#include "NumberFormat.h"

#include "Numeros.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace NumberFormat {

namespace {

// What one section of a pattern asks for.
struct Secao {
    QString texto;
    int zerosInteiros = 0;      // minimum digits before the decimal separator
    int casasMinimas = 0;       // decimals always shown
    int casasMaximas = 0;       // decimals shown at most
    bool agrupar = false;       // thousands separators in the integer part
    bool cientifico = false;    // exponent present
    bool sinalExpoente = false; // "E+": a "+" for positive exponents
    int zerosExpoente = 0;      // minimum exponent digits
};

bool ehMarcador(QChar c) {
    return c == u'0' || c == u'#';
}

Secao analisarSecao(const QString& texto) {
    Secao s;
    s.texto = texto;
    bool depoisDoPonto = false;
    int casa = 0;
    QChar aspa;
    for (qsizetype k = 0; k < texto.size(); ++k) {
        const QChar c = texto[k];
        if (!aspa.isNull()) {
            if (c == aspa) aspa = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            aspa = c;
        } else if (s.cientifico) {
            continue; // only the exponent digits, counted below, follow
        } else if ((c == u'E' || c == u'e') && k + 1 < texto.size() &&
                   (texto[k + 1] == u'+' || texto[k + 1] == u'-')) {
            s.cientifico = true;
            s.sinalExpoente = texto[k + 1] == u'+';
            for (qsizetype j = k + 2; j < texto.size() && texto[j] == u'0'; ++j)
                ++s.zerosExpoente;
        } else if (c == u'.' && !depoisDoPonto) {
            depoisDoPonto = true;
        } else if (c == u',' && !depoisDoPonto) {
            s.agrupar = true;
        } else if (ehMarcador(c)) {
            if (depoisDoPonto) {
                ++casa;
                s.casasMaximas = casa;
                if (c == u'0') s.casasMinimas = casa;
            } else if (c == u'0') {
                ++s.zerosInteiros;
            }
        }
    }
    return s;
}

// The digits of the number in a section: integer part, decimals, exponent.
QString corpo(const Secao& s, DecimalTexto d, QChar decimal, QChar milhar) {
    int expoente = 0;
    if (s.cientifico && !d.digitos.empty()) {
        expoente = d.ponto - 1;
        d.ponto = 1;
        ArredondarDecimal(d, s.casasMaximas);
        if (d.ponto == 2) { // 9.99 rounded up to 10.0
            d.ponto = 1;
            ++expoente;
        }
    }
    const int n = int(d.digitos.size());
    QString inteiro;
    for (int k = 0; k < d.ponto; ++k)
        inteiro += QChar::fromLatin1(k < n ? d.digitos[std::size_t(k)] : '0');
    if (inteiro.size() < s.zerosInteiros)
        inteiro.prepend(QString(s.zerosInteiros - inteiro.size(), u'0'));
    if (s.agrupar) inteiro = AgruparMilhares(inteiro, milhar);
    QString fracao;
    for (int k = 0; k < s.casasMaximas; ++k) {
        const int indice = d.ponto + k;
        fracao +=
            QChar::fromLatin1(indice >= 0 && indice < n ? d.digitos[std::size_t(indice)] : '0');
    }
    while (fracao.size() > s.casasMinimas && fracao.endsWith(u'0'))
        fracao.chop(1);
    QString r = inteiro;
    if (!fracao.isEmpty()) r += decimal + fracao;
    if (s.cientifico) {
        QString digitosExp = QString::number(std::abs(expoente));
        if (digitosExp.size() < s.zerosExpoente)
            digitosExp.prepend(QString(s.zerosExpoente - digitosExp.size(), u'0'));
        r += u'E';
        if (expoente < 0)
            r += u'-';
        else if (s.sinalExpoente)
            r += u'+';
        r += digitosExp;
    }
    return r;
}

// Writes a section: its literal text in place, the number where its first placeholder stands.
QString montar(const Secao& s, const DecimalTexto& d, QChar decimal, QChar milhar) {
    QString r;
    bool numeroEscrito = false;
    QChar aspa;
    const QString& t = s.texto;
    for (qsizetype k = 0; k < t.size(); ++k) {
        const QChar c = t[k];
        if (!aspa.isNull()) {
            if (c == aspa)
                aspa = QChar();
            else
                r += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            aspa = c;
            continue;
        }
        if ((c == u'E' || c == u'e') && s.cientifico && k + 1 < t.size() &&
            (t[k + 1] == u'+' || t[k + 1] == u'-')) {
            k += 1;
            while (k + 1 < t.size() && t[k + 1] == u'0')
                ++k;
            continue;
        }
        if (ehMarcador(c) || c == u'.' || c == u',') {
            if (!numeroEscrito) {
                r += corpo(s, d, decimal, milhar);
                numeroEscrito = true;
            }
            continue;
        }
        r += c;
    }
    return r;
}

bool ehDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

QString formatarPadrao(double valor, QStringView padrao, QChar decimal, QChar milhar) {
    if (!std::isfinite(valor)) return TextoNaoFinito(valor);
    const QString geral = QStringLiteral("0.###############");
    const QStringList secoes = SecoesDoPadrao(padrao.isEmpty() ? QStringView(geral) : padrao);
    const bool negativo = valor < 0;
    qsizetype indice = (negativo && secoes.size() > 1 && !secoes[1].isEmpty()) ? 1 : 0;
    Secao s = analisarSecao(secoes[indice]);
    DecimalTexto d = DecimalDoValor(valor);
    if (!s.cientifico) ArredondarDecimal(d, s.casasMaximas);
    if (d.digitos.empty()) {
        // Zero, or a value that rounds to zero: the zero section, else the first, no sign.
        indice = (secoes.size() > 2 && !secoes[2].isEmpty()) ? 2 : 0;
        return montar(analisarSecao(secoes[indice]), DecimalTexto{}, decimal, milhar);
    }
    QString r = montar(s, d, decimal, milhar);
    if (negativo && indice == 0) r.prepend(u'-');
    return r;
}

QString textoEdicao(double valor, int casas, bool zeroVazio, QChar decimal) {
    if (valor == 0 && zeroVazio) return QString();
    const int n = casas < 0 ? 0 : (casas > 30 ? 30 : casas);
    return formatarPadrao(valor, QString(QStringLiteral("0.") + QString(n, u'#')), decimal,
                          QChar());
}

QString limparTexto(QStringView texto, QChar decimal, QChar milhar) {
    QString r;
    const QStringView t = texto.trimmed();
    r.reserve(t.size());
    const bool removerMilhar = !milhar.isNull() && milhar != decimal;
    for (QChar c : t) {
        if (removerMilhar && c == milhar) continue;
        r += mapearSeparador(c, decimal, milhar);
    }
    return r;
}

QChar mapearSeparador(QChar c, QChar decimal, QChar milhar) {
    if ((c == u'.' || c == u',') && c != milhar) return decimal;
    return c;
}

bool analisarTexto(QStringView limpo, QChar decimal, double* valor) {
    double v = 0;
    const qsizetype n = limpo.size();
    if (n == 0 || limpo == u"+") {
        v = 0;
    } else if (limpo == u"-") {
        v = -0.0;
    } else {
        qsizetype k = 0;
        bool negativo = false;
        if (limpo[0] == u'+' || limpo[0] == u'-') {
            negativo = limpo[0] == u'-';
            ++k;
        }
        std::string numero;
        std::string inteiro, fracao;
        while (k < n && ehDigito(limpo[k]))
            inteiro += char(limpo[k++].unicode());
        if (k < n && limpo[k] == decimal) {
            ++k;
            while (k < n && ehDigito(limpo[k]))
                fracao += char(limpo[k++].unicode());
        }
        if (inteiro.empty() && fracao.empty()) return false;
        long expoente = 0;
        bool temExpoente = false;
        std::string textoExp;
        if (k < n && (limpo[k] == u'e' || limpo[k] == u'E')) {
            ++k;
            bool expNegativo = false;
            if (k < n && (limpo[k] == u'+' || limpo[k] == u'-')) expNegativo = limpo[k++] == u'-';
            if (k >= n || !ehDigito(limpo[k])) return false;
            while (k < n && ehDigito(limpo[k])) {
                const int digito = limpo[k++].digitValue();
                textoExp += char('0' + digito);
                if (expoente < 100000) expoente = expoente * 10 + digito; // saturates
            }
            if (expNegativo) expoente = -expoente;
            temExpoente = true;
        }
        if (k != n) return false;
        numero = (inteiro.empty() ? std::string("0") : inteiro) + "." +
                 (fracao.empty() ? std::string("0") : fracao);
        if (temExpoente) numero += (expoente < 0 ? "e-" : "e") + textoExp;
        const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), v);
        if (r.ec == std::errc::result_out_of_range) {
            // Decimal magnitude of the leading digit tells an underflow from an overflow.
            const auto p = inteiro.find_first_not_of('0');
            long magnitude;
            if (p != std::string::npos) {
                magnitude = long(inteiro.size() - p) - 1;
            } else {
                const auto q = fracao.find_first_not_of('0');
                magnitude = q == std::string::npos ? 0 : -long(q) - 1;
            }
            if (magnitude + expoente >= 0) return false;
            v = 0;
        } else if (r.ec != std::errc() || r.ptr != numero.data() + numero.size()) {
            return false;
        }
        if (negativo) v = -v;
    }
    if (valor) *valor = v;
    return true;
}

double aplicarFaixa(double valor, double minimo, double maximo) {
    if (maximo == minimo) return valor;
    if (maximo > minimo) return valor < minimo ? minimo : (valor > maximo ? maximo : valor);
    if (maximo == 0) return valor < minimo ? minimo : valor;
    if (minimo == 0) return valor > maximo ? maximo : valor;
    return valor;
}

bool textoDigitavel(QStringView texto, QChar decimal, QChar milhar, int casas,
                    bool aceitaNegativo) {
    const QString s = limparTexto(texto, decimal, milhar);
    for (QChar c : s) {
        if (!(ehDigito(c) || c == u'+' || c == u'-' || c == u'e' || c == u'E' || c == decimal))
            return false;
    }
    const qsizetype ponto = s.indexOf(decimal);
    if (ponto >= 0) {
        qsizetype e = ponto + 1;
        while (e < s.size() && s[e] != u'e' && s[e] != u'E')
            ++e;
        const qsizetype contadas = e < s.size() ? e - ponto : s.size() - ponto - 1;
        if (contadas > casas) return false;
    }
    if (!analisarTexto(s, decimal, nullptr)) return false;
    if (!aceitaNegativo && s.startsWith(u'-')) return false;
    return true;
}

} // namespace NumberFormat
