// libFuzzer target of the template reader: any input is refused or read, and what is read
// writes out to a stream that reads back to the same bytes.
#include "rpModel.h"
#include "rpTemplateStream.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray entrada(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TrpReport report;
    if (rpTemplate::lerStream(report, entrada)) {
        const QByteArray escrito = rpTemplate::escreverStream(report);
        TrpReport relido;
        if (!rpTemplate::lerStream(relido, escrito)) std::abort();
        if (rpTemplate::escreverStream(relido) != escrito) std::abort();
    } else if (report.pages.size() != 1 || !report.pages[0].objects.empty()) {
        std::abort();
    }
    // The same bytes as a "ReportForm" envelope.
    TrpReport form;
    rpTemplate::lerForm(form, entrada);
    return 0;
}
