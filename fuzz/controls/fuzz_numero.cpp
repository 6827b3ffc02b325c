// libFuzzer target of the numeric field's text rules: every text is refused, or parses to a
// finite number whose edit text parses back to the same number rounded to the field's decimals.
#include "NumberFormat.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void Nunca(bool falhou) {
    if (falhou) std::abort();
}

} // namespace

// First byte: bits 0-1 the separators, bits 2-4 the decimals, bit 5 negatives accepted; the rest
// is the text, as UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 4096) return 0;
    static const QChar separadores[4][2] = {
        {u',', u'.'}, {u'.', u','}, {u',', QChar()}, {u'.', u' '}};
    const QChar decimal = separadores[data[0] & 3][0], milhar = separadores[data[0] & 3][1];
    const int casas = (data[0] >> 2) & 7;
    const bool negativos = (data[0] & 0x20) != 0;
    const QString texto =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (!NumberFormat::textoDigitavel(texto, decimal, milhar, casas, negativos)) return 0;
    double v = 0;
    Nunca(!NumberFormat::analisarTexto(NumberFormat::limparTexto(texto, decimal, milhar), decimal,
                                       &v));
    Nunca(!std::isfinite(v));
    Nunca(!negativos && v < 0);
    // The edit text the field shows after leaving it.
    const QString edicao = NumberFormat::textoEdicao(v, casas, false, decimal);
    Nunca(edicao.contains(u"NAN") || edicao.contains(u"INF"));
    double w = 0;
    Nunca(!NumberFormat::analisarTexto(NumberFormat::limparTexto(edicao, decimal, milhar), decimal,
                                       &w));
    Nunca(!std::isfinite(w));
    // Rounded to `casas` decimals of at most fifteen significant digits.
    const double passo = std::pow(10.0, -casas);
    Nunca(std::fabs(w - v) > passo / 2 * (1 + 1e-9) + std::fabs(v) * 1e-14);
    // Formatting again changes nothing.
    Nunca(NumberFormat::textoEdicao(w, casas, false, decimal) != edicao);
    // The display pattern writes a text that reads back too.
    const QString mostrado =
        NumberFormat::formatarPadrao(w, u"#,##0.00;-#,##0.00", decimal, milhar);
    double x = 0;
    Nunca(!NumberFormat::analisarTexto(NumberFormat::limparTexto(mostrado, decimal, milhar),
                                       decimal, &x));
    return 0;
}
