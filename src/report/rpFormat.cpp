// Display formats of report values: numbers by pattern, dates, booleans and plain texts.
#include "rpFormat.h"

#include "Numeros.h"
#include "rpModel.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A parsed section of a number pattern.
struct SecaoNumero {
    QString prefixo, sufixo;
    int minInteiros = 0;
    bool agrupar = false;
    int minDecimais = 0, maxDecimais = 0;
    bool temDigitos = false;
};

bool ehMarcador(QChar c) {
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

// Literal text with quotes removed.
QString tirarAspas(const QString& texto) {
    QString saida;
    QChar aspa;
    for (QChar c : texto) {
        if (!aspa.isNull()) {
            if (c == aspa)
                aspa = QChar();
            else
                saida += c;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            aspa = c;
        } else {
            saida += c;
        }
    }
    return saida;
}

// Reads one section: literal prefix, the digit region (0 # . ,) and the literal suffix.
// Literal characters inside the digit region are not output.
SecaoNumero lerSecao(const QString& secao) {
    SecaoNumero s;
    int primeiro = -1, ultimo = -1;
    QChar aspa;
    for (int k = 0; k < secao.size(); ++k) {
        const QChar c = secao[k];
        if (!aspa.isNull()) {
            if (c == aspa) aspa = QChar();
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            aspa = c;
            continue;
        }
        if (ehMarcador(c)) {
            if (primeiro < 0) primeiro = k;
            ultimo = k;
        } else if (c == QLatin1Char('.') && primeiro < 0) {
            primeiro = k;
        }
    }
    if (ultimo < 0) {
        s.prefixo = tirarAspas(secao);
        return s;
    }
    s.temDigitos = true;
    s.prefixo = tirarAspas(secao.left(primeiro));
    s.sufixo = tirarAspas(secao.mid(ultimo + 1));
    bool ponto = false;
    int inteiros = 0, primeiroZero = -1, decimais = 0, ultimoZeroDec = 0;
    for (int k = primeiro; k <= ultimo; ++k) {
        const QChar c = secao[k];
        if (c == QLatin1Char('.')) {
            ponto = true;
        } else if (c == QLatin1Char(',')) {
            if (!ponto) s.agrupar = true;
        } else if (ehMarcador(c)) {
            if (!ponto) {
                if (c == QLatin1Char('0') && primeiroZero < 0) primeiroZero = inteiros;
                ++inteiros;
            } else {
                ++decimais;
                if (c == QLatin1Char('0')) ultimoZeroDec = decimais;
            }
        }
    }
    s.minInteiros = primeiroZero < 0 ? 0 : inteiros - primeiroZero;
    s.maxDecimais = std::min(decimais, 18);
    s.minDecimais = std::min(ultimoZeroDec, 18);
    return s;
}

// Integer and fraction parts from the rounded digits.
void partir(const std::string& digitos, int decimais, QString& inteiro, QString& fracao) {
    std::string d = digitos;
    if (static_cast<int>(d.size()) <= decimais)
        d.insert(0, static_cast<std::size_t>(decimais + 1) - d.size(), '0');
    inteiro = QString::fromLatin1(d.data(), static_cast<qsizetype>(d.size()) - decimais);
    fracao = QString::fromLatin1(d.data() + d.size() - decimais, decimais);
}

bool todosZero(const std::string& digitos) {
    return std::all_of(digitos.begin(), digitos.end(), [](char c) { return c == '0'; });
}

QString formatarSecao(const SecaoNumero& s, const std::string& digitos, QChar decimal,
                      QChar milhar) {
    if (!s.temDigitos) return s.prefixo;
    QString inteiro, fracao;
    partir(digitos, s.maxDecimais, inteiro, fracao);
    int inicio = 0;
    while (inicio < inteiro.size() && inteiro[inicio] == QLatin1Char('0'))
        ++inicio;
    inteiro = inteiro.mid(inicio);
    if (inteiro.size() < s.minInteiros)
        inteiro.prepend(QString(s.minInteiros - inteiro.size(), QLatin1Char('0')));
    while (fracao.size() > s.minDecimais && fracao.endsWith(QLatin1Char('0')))
        fracao.chop(1);
    QString saida = s.prefixo;
    saida += s.agrupar ? AgruparMilhares(inteiro, milhar) : inteiro;
    if (!fracao.isEmpty()) {
        saida += decimal;
        saida += fracao;
    }
    saida += s.sufixo;
    return saida;
}

// A number from a value: numbers as they are, texts when they read as a number with the
// user's decimal separator (or a point).
bool lerNumero(const QVariant& valor, const TrpSeparadores& sep, double& numero) {
    switch (valor.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
        numero = valor.toDouble();
        return true;
    case QMetaType::QString: {
        QString texto = valor.toString().trimmed();
        if (texto.isEmpty() || texto.size() > 64) return false;
        if (sep.decimal != QLatin1Char('.')) {
            if (texto.contains(QLatin1Char('.'))) return false;
            texto.replace(sep.decimal, QLatin1Char('.'));
        }
        const QByteArray bytes = texto.toLatin1();
        char* fim = nullptr;
        numero = std::strtod(bytes.constData(), &fim);
        return fim == bytes.constData() + bytes.size() && std::isfinite(numero);
    }
    default:
        return false;
    }
}

// Dates: TDateTime-style day numbers count from 30/12/1899.
bool lerDataHora(const QVariant& valor, QDate& data, QTime& hora) {
    switch (valor.typeId()) {
    case QMetaType::QDate:
        data = valor.toDate();
        hora = QTime(0, 0);
        return data.isValid();
    case QMetaType::QTime:
        data = QDate(1899, 12, 30);
        hora = valor.toTime();
        return hora.isValid();
    case QMetaType::QDateTime: {
        const QDateTime dt = valor.toDateTime();
        data = dt.date();
        hora = dt.time();
        return dt.isValid();
    }
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong: {
        const double dias = valor.toDouble();
        if (!std::isfinite(dias) || std::fabs(dias) > 3.0e6) return false;
        const double inteiro = std::floor(dias);
        data = QDate(1899, 12, 30).addDays(static_cast<qint64>(inteiro));
        const int ms = static_cast<int>(std::llround((dias - inteiro) * 86400000.0));
        hora = QTime(0, 0).addMSecs(std::min(ms, 86399999));
        return data.isValid();
    }
    default:
        return false;
    }
}

QString doisDigitos(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

TrpSeparadores SeparadoresDoLocale(const QLocale& locale) {
    TrpSeparadores sep;
    const SeparadoresNumero numero = SeparadoresDe(locale);
    sep.decimal = numero.decimal;
    sep.milhar = numero.milhar;
    // The date separator is the first non-letter of the short date format.
    const QString formato = locale.dateFormat(QLocale::ShortFormat);
    sep.data = QLatin1Char('/');
    for (QChar c : formato)
        if (!c.isLetter()) {
            sep.data = c;
            break;
        }
    const QString formatoHora = locale.timeFormat(QLocale::ShortFormat);
    sep.hora = QLatin1Char(':');
    for (QChar c : formatoHora)
        if (!c.isLetter() && !c.isSpace()) {
            sep.hora = c;
            break;
        }
    return sep;
}

TrpSeparadores SeparadoresDoLocale() {
    return SeparadoresDoLocale(QLocale());
}

QString FormatarNumeroPadrao(double valor, const QString& padrao, QChar decimal, QChar milhar) {
    if (!std::isfinite(valor)) return TextoNaoFinito(valor);
    const QStringList secoes = SecoesDoPadrao(padrao);
    SecaoNumero positiva = lerSecao(secoes.value(0));
    const bool temNegativa = secoes.size() > 1 && !secoes[1].isEmpty();
    const bool temZero = secoes.size() > 2 && !secoes[2].isEmpty();
    const bool negativo = valor < 0;
    SecaoNumero secao = (negativo && temNegativa) ? lerSecao(secoes[1]) : positiva;
    const std::string digitos = DigitosArredondados(valor, secao.maxDecimais);
    if (todosZero(digitos)) {
        if (temZero) {
            const SecaoNumero zero = lerSecao(secoes[2]);
            return formatarSecao(zero, "0", decimal, milhar);
        }
        return formatarSecao(positiva, DigitosArredondados(0.0, positiva.maxDecimais), decimal,
                             milhar);
    }
    QString texto = formatarSecao(secao, digitos, decimal, milhar);
    if (negativo && !temNegativa) texto.prepend(QLatin1Char('-'));
    return texto;
}

QString FormatarDataPadrao(const QDate& data, const QTime& hora, const QString& padrao,
                           const TrpSeparadores& sep) {
    const QLocale locale;
    QString saida;
    bool ultimoFoiHora = false;
    const int n = static_cast<int>(padrao.size());
    auto corrida = [&](int k, QChar letra) {
        int fim = k;
        while (fim < n && padrao[fim].toLower() == letra)
            ++fim;
        return fim - k;
    };
    for (int k = 0; k < n;) {
        const QChar c = padrao[k];
        const QChar l = c.toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            int fim = static_cast<int>(padrao.indexOf(c, k + 1));
            if (fim < 0) fim = n;
            saida += padrao.mid(k + 1, fim - k - 1);
            k = fim + 1;
            continue;
        }
        if (padrao.mid(k, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            saida += hora.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            k += 5;
            continue;
        }
        if (padrao.mid(k, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0) {
            saida += hora.hour() < 12 ? QStringLiteral("a") : QStringLiteral("p");
            k += 3;
            continue;
        }
        const bool doze = padrao.contains(QLatin1String("am/pm"), Qt::CaseInsensitive) ||
                          padrao.contains(QLatin1String("a/p"), Qt::CaseInsensitive);
        if (l == QLatin1Char('d')) {
            const int r = corrida(k, l);
            if (r == 1)
                saida += QString::number(data.day());
            else if (r == 2)
                saida += doisDigitos(data.day());
            else if (r == 3)
                saida += locale.dayName(data.dayOfWeek(), QLocale::ShortFormat);
            else if (r == 4)
                saida += locale.dayName(data.dayOfWeek(), QLocale::LongFormat);
            else
                saida += FormatarDataPadrao(data, hora, QStringLiteral("dd/mm/yyyy"), sep);
            k += std::min(r, 6);
            ultimoFoiHora = false;
            continue;
        }
        if (l == QLatin1Char('m')) {
            const int r = corrida(k, l);
            if (ultimoFoiHora && r <= 2) {
                saida += r == 1 ? QString::number(hora.minute()) : doisDigitos(hora.minute());
            } else if (r == 1) {
                saida += QString::number(data.month());
            } else if (r == 2) {
                saida += doisDigitos(data.month());
            } else if (r == 3) {
                saida += locale.monthName(data.month(), QLocale::ShortFormat);
            } else {
                saida += locale.monthName(data.month(), QLocale::LongFormat);
            }
            k += std::min(r, 4);
            ultimoFoiHora = false;
            continue;
        }
        if (l == QLatin1Char('y')) {
            const int r = corrida(k, l);
            if (r <= 2)
                saida += doisDigitos(((data.year() % 100) + 100) % 100);
            else
                saida += QStringLiteral("%1").arg(data.year(), 4, 10, QLatin1Char('0'));
            k += r;
            ultimoFoiHora = false;
            continue;
        }
        if (l == QLatin1Char('h')) {
            const int r = corrida(k, l);
            int h = hora.hour();
            if (doze) h = (h % 12 == 0) ? 12 : h % 12;
            saida += r == 1 ? QString::number(h) : doisDigitos(h);
            k += r;
            ultimoFoiHora = true;
            continue;
        }
        if (l == QLatin1Char('n') || l == QLatin1Char('s')) {
            const int r = corrida(k, l);
            const int v = l == QLatin1Char('n') ? hora.minute() : hora.second();
            saida += r == 1 ? QString::number(v) : doisDigitos(v);
            k += r;
            continue;
        }
        if (l == QLatin1Char('z')) {
            const int r = corrida(k, l);
            saida += r >= 3 ? QStringLiteral("%1").arg(hora.msec(), 3, 10, QLatin1Char('0'))
                            : QString::number(hora.msec());
            k += r;
            continue;
        }
        if (c == QLatin1Char('/'))
            saida += sep.data;
        else if (c == QLatin1Char(':'))
            saida += sep.hora;
        else
            saida += c;
        ++k;
    }
    return saida;
}

QString TextoSimples(const QVariant& valor, const TrpSeparadores& sep) {
    if (!valor.isValid() || valor.isNull()) return QString();
    switch (valor.typeId()) {
    case QMetaType::Bool:
        return valor.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float: {
        const double v = valor.toDouble();
        if (!std::isfinite(v)) return TextoNaoFinito(v);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", v);
        QString texto = QString::fromLatin1(buf);
        texto.replace(QLatin1Char('.'), sep.decimal);
        texto.replace(QLatin1Char('e'), QLatin1Char('E'));
        return texto;
    }
    case QMetaType::QDate:
        return FormatarDataPadrao(valor.toDate(), QTime(0, 0), QStringLiteral("dd/mm/yyyy"), sep);
    case QMetaType::QTime:
        return FormatarDataPadrao(QDate(1899, 12, 30), valor.toTime(), QStringLiteral("hh:nn:ss"),
                                  sep);
    case QMetaType::QDateTime: {
        const QDateTime dt = valor.toDateTime();
        const QString data =
            FormatarDataPadrao(dt.date(), dt.time(), QStringLiteral("dd/mm/yyyy"), sep);
        if (dt.time() == QTime(0, 0)) return data;
        return data + QLatin1Char(' ') +
               FormatarDataPadrao(dt.date(), dt.time(), QStringLiteral("hh:nn:ss"), sep);
    }
    default:
        return valor.toString();
    }
}

QString FormatarValor(const QVariant& valor, std::uint32_t formato, const QString& padrao,
                      const TrpSeparadores& sep) {
    // Only an unassigned (or null) value prints as one blank; an empty text prints as nothing.
    if (!valor.isValid() || valor.isNull()) return QStringLiteral(" ");
    if (valor.typeId() == QMetaType::QString && valor.toString().isEmpty()) return QString();
    const int variante = TrpFormat::variant(formato);
    switch (TrpFormat::category(formato)) {
    case TrpFormat::Number: {
        if (valor.typeId() == QMetaType::Bool) break;
        double numero = 0;
        if (!lerNumero(valor, sep, numero)) break;
        const char bruto = TrpFormat::separator(formato);
        const QChar decimal = bruto ? QChar::fromLatin1(bruto) : sep.decimal;
        QChar milhar = sep.milhar;
        // A grouping separator equal to the decimal one would make the number unreadable.
        if (milhar == decimal)
            milhar = decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        const int decimais = TrpFormat::decimals(formato);
        switch (variante) {
        case 0:
            return FormatarNumeroPadrao(numero, QStringLiteral("###.##"), decimal, milhar);
        case 1:
            return NumeroFixo(numero, decimais, false, decimal, milhar);
        case 2:
            return FormatarNumeroPadrao(numero, QStringLiteral("#,###.##"), decimal, milhar);
        case 3:
            return NumeroFixo(numero, decimais, true, decimal, milhar);
        case 4:
            if (padrao.isEmpty()) break;
            return FormatarNumeroPadrao(numero, padrao, decimal, milhar);
        default:
            break;
        }
        break;
    }
    case TrpFormat::Date:
    case TrpFormat::Time: {
        QDate data;
        QTime hora;
        if (!lerDataHora(valor, data, hora)) break;
        static const char* const predefDatas[4] = {"dd/mm/yy", "dd/mm/yyyy", "d mmm yyyy",
                                                   "d mmmm yyyy"};
        static const char* const predefHoras[4] = {"hh:nn:ss", "h:nn:ss", "hh:nn", "h:nn"};
        const bool ehData = TrpFormat::category(formato) == TrpFormat::Date;
        QString p;
        if (variante == 4)
            p = padrao;
        else if (variante >= 0 && variante < 4)
            p = QString::fromLatin1(ehData ? predefDatas[variante] : predefHoras[variante]);
        if (p.isEmpty()) break;
        return FormatarDataPadrao(data, hora, p, sep);
    }
    case TrpFormat::Boolean: {
        bool verdade = false;
        double numero = 0;
        if (valor.typeId() == QMetaType::Bool)
            verdade = valor.toBool();
        else if (lerNumero(valor, sep, numero))
            verdade = numero != 0;
        else
            break;
        static const char* const predef[4] = {"0;1", "No;Yes", "_;x", "False;True"};
        QString p = padrao;
        if (variante != 4 && variante >= 0 && variante < 4)
            p = QString::fromLatin1(predef[variante]);
        const int ponto = static_cast<int>(p.indexOf(QLatin1Char(';')));
        if (ponto < 0) break;
        return verdade ? p.mid(ponto + 1) : p.left(ponto);
    }
    default:
        break;
    }
    return TextoSimples(valor, sep);
}
