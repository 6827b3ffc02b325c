// The printer of the run and the printer set-up flow.
#include "Impressora.h"

#include "rpModel.h"
#include "rpPreview.h"
#include "rpPrint.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {
// The printer set-up: the preview control's dialog in its set-up form (printer and its
// properties), the platform offering no set-up dialog that chooses the printer.
bool dialogoConfigurarReal(QWidget* parent, QPrinter& printer) {
    TrpPrintDialog dlg(printer, true, parent);
    dlg.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    if (dlg.exec() != QDialog::Accepted) return false;
    const QString nome = dlg.choice().printerName;
    if (!nome.isEmpty()) printer.setPrinterName(nome);
    return true;
}
} // namespace

std::function<bool(QWidget*, QPrinter&)> DialogoConfigurarImpressora = dialogoConfigurarReal;

QPrinter& ImpressoraAtual() {
    static QPrinter* impressora = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        // With no default destination, the first installed printer.
        if (p->printerName().isEmpty()) {
            const QStringList nomes = QPrinterInfo::availablePrinterNames();
            if (!nomes.isEmpty()) p->setPrinterName(nomes.first());
        }
        return p;
    }();
    return *impressora;
}

void UsarMetricasDaImpressora() {
    rpMetricasDaImpressora = [](const TrpPapel& papel) -> std::optional<QRect> {
        const QPrinter& impressora = ImpressoraAtual();
        if (impressora.outputFormat() != QPrinter::NativeFormat) return std::nullopt;
        return rpMetricasDe(impressora, papel);
    };
}

void ConfigurarImpressora(QWidget* janela) {
    DialogoConfigurarImpressora(janela, ImpressoraAtual());
}
