// libFuzzer target of the two-mirror .zmx reader: any bytes are refused with ErroArquivo, or read
// into a prescription whose import gives finite inputs of a design the program opens, and whose
// variant written back reads again.
#include "ArquivoRegular.h"
#include "Prescricao.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString nome = QStringLiteral("fuzz.zmx");
    ImportacaoPrescricao im;
    try {
        const Prescricao r = LerZmx(bytes, nome);
        if (r.superficies.size() < 3) std::abort();
        im = ImportarPrescricao(r, nome);
    } catch (const ErroArquivo&) {
        return 0;
    }
    for (double v : {im.D1, im.fD1, im.gamma, im.e, im.i, im.b1, im.b2, im.r1, im.r2, im.d})
        if (!std::isfinite(v)) std::abort();
    if (!(im.gamma > 1) || !(im.d > 0) || im.variante < -1 || im.variante > 2) std::abort();
    const TProjeto p = ProjetoDaImportacao(im);
    const QByteArray escrita = EscreverZmx(PrescricaoDoProjeto(p, VarianteRitcheyChretien));
    try {
        if (LerZmx(escrita, nome).superficies.size() != 5) std::abort();
    } catch (const ErroArquivo&) {
        std::abort();
    }
    return 0;
}
