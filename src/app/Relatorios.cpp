// The two reports of the program: set-up, fill-ins written into the template, print and preview.
#include "Relatorios.h"

#include "DataSet.h"
#include "Janela.h"
#include "Modelos.h"
#include "Preview.h"
#include "Recursos.h"
#include "rpModel.h"
#include "rpPdf.h"
#include "rpPreview.h"
#include "rpPrint.h"
#include "rpProgress.h"
#include "rpTemplateStream.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
bool dialogoImpressaoReal(QWidget* parent, QPrinter& printer) {
    QPrintDialog dlg(&printer, parent);
    dlg.setObjectName(QStringLiteral("PrintDialog1"));
    return dlg.exec() == QDialog::Accepted;
}

QString perguntarArquivoPdfReal(QWidget* parent) {
    QFileDialog dlg(parent, QString(), QString(), QString::fromUtf8(Recursos::FiltroPdf));
    dlg.setObjectName(QStringLiteral("SaveDialogPdf"));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("pdf"));
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.selectedFiles().value(0);
}

void mostrarModalReal(QWidget* preview) {
    static_cast<TfrmPreview*>(preview)->exec();
}

} // namespace

std::function<bool(QWidget*, QPrinter&)> DialogoImpressao = dialogoImpressaoReal;
std::function<void(QWidget*)> AoMostrarPreview = mostrarModalReal;
std::function<QString(QWidget*)> PerguntarArquivoPdf = perguntarArquivoPdfReal;

void PreencherRelatorio(TrpReport& relatorio, const std::vector<LinhaRelatorio>& linhas) {
    for (const LinhaRelatorio& linha : linhas) {
        TrpView* memo = relatorio.findObject(0, QString::fromLatin1(linha.memo));
        if (!memo) continue;
        memo->memo.clear();
        memo->memo.append(linha.texto);
    }
}

bool ImprimirRelatorio(QWidget* janela, TrpReport& relatorio,
                       const std::function<void()>& recalcular) {
    recalcular();
    QPrinter& impressora = ImpressoraAtual();
    if (!DialogoImpressao(janela, impressora)) return false;
    // The engine repeats each page for the copies itself; the job gets one copy of each print.
    const int copias = std::max(1, impressora.copyCount());
    impressora.setCopyCount(1);
    // A preparation that failed half-way would print a partial report as if it were whole:
    // its error is shown instead, as the preview shows it, and nothing is printed.
    const TrpBuildResult paginas = ShowBuiltReport(relatorio);
    if (paginas.outcome != TrpBuildResult::Built) return false;
    ImprimirPaginas(*paginas.pages, impressora, QString(), copias, relatorio.title,
                    relatorio.showProgress);
    return true;
}

void VisualizarRelatorio(QWidget* janela, TrpReport& relatorio,
                         const std::function<void()>& recalcular, const QString& titulo) {
    recalcular();
    if (BuildReportWithProgress(relatorio).outcome == TrpBuildResult::Cancelled) return;
    // Hidden when closed, released with its owner or when the next preview opens over it.
    for (auto* antigo : janela->findChildren<TfrmPreview*>(Qt::FindDirectChildrenOnly))
        if (antigo->isHidden()) antigo->deleteLater();
    auto* frm = new TfrmPreview(janela);
    frm->definirTitulo(titulo);
    TrpBuildResult paginas = ShowBuiltReport(relatorio);
    if (paginas.outcome == TrpBuildResult::Built)
        frm->rpPreview1->takePages(std::move(paginas.pages));
    AoMostrarPreview(frm);
}

bool ExportarRelatorioPdf(QWidget* janela, TrpReport& relatorio,
                          const std::function<void()>& recalcular, const QString& titulo) {
    recalcular();
    const QString nome = PerguntarArquivoPdf(janela);
    if (nome.isEmpty()) return false;
    const TrpBuildResult paginas = ShowBuiltReport(relatorio);
    if (paginas.outcome != TrpBuildResult::Built) return false;
    CursorAmpulheta ampulheta;
    rpExportarPdf(*paginas.pages, nome, titulo);
    return true;
}

void PrepararRelatorio(TrpReport& relatorio, TrpDBDataSet& fonte, TMemDataSet& dados,
                       const QString& modelo, std::function<void()> aoIniciar) {
    fonte.name = QStringLiteral("rpDBDataSet1");
    fonte.dataSet = &dados;
    relatorio.name = QStringLiteral("rpReport1");
    relatorio.dataSets = {&dados};
    relatorio.dataSources = {&fonte};
    relatorio.dataSource = &fonte;
    relatorio.OnBeginDoc = std::move(aoIniciar);
    QString erro, titulo;
    if (!rpTemplate::carregarRecurso(relatorio, CaminhoModelo(modelo), &erro, &titulo))
        rpMostrarErro(erro, titulo);
    rpTemplate::ligarDataSources(relatorio);
    // The printer the template was made for, when it is installed and the template does not
    // ask for the default printer.
    if (!relatorio.printToDefault && !relatorio.printerName.isEmpty() &&
        QPrinterInfo::availablePrinterNames().contains(relatorio.printerName))
        ImpressoraAtual().setPrinterName(relatorio.printerName);
}
