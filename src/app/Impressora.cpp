// The printer of the run and the printer set-up flow.
#include "Impressora.h"

#include "Dialogos.h"

#include "rpModel.h"
#include "rpPrint.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <utility>

namespace {
QPrinter* Impressora = nullptr;
QString& Preferida() {
    static QString nome;
    return nome;
}
} // namespace

QPrinter& ImpressoraAtual() {
    if (!Impressora) {
        Impressora = new QPrinter(QPrinter::HighResolution);
        // With no default destination, the first installed printer.
        const bool semPadrao = Impressora->printerName().isEmpty();
        const QString preferida = std::exchange(Preferida(), QString());
        if (semPadrao || !preferida.isEmpty()) {
            const QStringList nomes = QPrinterInfo::availablePrinterNames();
            if (semPadrao && !nomes.isEmpty()) Impressora->setPrinterName(nomes.first());
            if (!preferida.isEmpty() && nomes.contains(preferida))
                Impressora->setPrinterName(preferida);
        }
    }
    return *Impressora;
}

void PreferirImpressora(const QString& nome) {
    if (!Impressora) {
        Preferida() = nome;
        return;
    }
    if (QPrinterInfo::availablePrinterNames().contains(nome)) Impressora->setPrinterName(nome);
}

rpMetricas MetricasDaImpressora() {
    // Batch work (the command line's PDF, under a plain GUI application) has no printer to lay
    // the pages out for: it neither loads the print system nor lists the printers, which took a
    // third of its time. The windows lay out for the current printer, as they print.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return {};
    return [](const TrpPapel& papel) -> std::optional<QRect> {
        const QPrinter& impressora = ImpressoraAtual();
        if (impressora.outputFormat() != QPrinter::NativeFormat) return std::nullopt;
        return rpMetricasDe(impressora, papel);
    };
}

void ConfigurarImpressora(QWidget* janela) {
    DialogosDe(janela).configurarImpressora(janela, ImpressoraAtual());
}
