// libFuzzer target of the design-file reader: any bytes are refused with the record untouched,
// or accepted, and then everything an opened design goes through stays finite and short.
#include "ArquivoProjeto.h"
#include "Calculo.h"
#include "Global.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Conferir(const QString& texto) {
    // The longest number text is "-999.999.999.999,99", inside a label's own words.
    if (texto.contains(u"NAN") || texto.contains(u"INF") || texto.size() > 120) std::abort();
}

void Finito(double v) {
    if (!std::isfinite(v) || std::fabs(v) >= LimiteValorProjeto) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TProjeto p;
    std::memset(&p, 0x5A, sizeof p);
    TProjeto antes;
    std::memcpy(&antes, &p, sizeof p);
    try {
        LerProjeto(p, bytes, QStringLiteral("fuzz.tlv"));
    } catch (const ErroArquivo&) {
        if (std::memcmp(&p, &antes, sizeof p) != 0) std::abort();
        return 0;
    }
    if (size < sizeof p || std::memcmp(&p, data, sizeof p) != 0) std::abort();
    for (const QString& r : CalcularProjeto(p, u',', u'.').textos)
        Conferir(r);
    const Resultados res = MostrarResultados(p);
    for (const LinhaResultado& l : res.resultados)
        Conferir(l.valor);
    for (const LinhaComparacao& l : res.comparacao) {
        Conferir(l.classico);
        Conferir(l.dallKirkham);
        Conferir(l.ritcheyChretien);
    }
    for (const QString& r : CalcularDefletor(p).textos)
        Conferir(r);
    for (const LinhaResultado& l : CriteriosDefletor(p))
        Conferir(l.valor);
    // The rows of the first stops only: every row is the same computation, and a file with
    // 32767 stops would make each run a thousand times slower.
    const int n = NumeroDeGlares(p);
    if (n < 0 || n > 32767) std::abort();
    for (int k = 1; k <= std::min(n, 64); ++k) {
        const LinhaGlare g = GlareNumero(p, k);
        Finito(g.Posicao);
        Finito(g.Diametro);
    }
    return 0;
}
