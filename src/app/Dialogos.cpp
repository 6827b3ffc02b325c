// The dialog steps of the program's flows: the real dialogs and the steps each window was given.
#include "Dialogos.h"

#include "Preview.h"
#include "Recursos.h"
#include "rpPreview.h"
#include "rpProgress.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

void caixaErro(const QString& texto) {
    QMessageBox caixa(QMessageBox::Critical, TextoRecurso(Recursos::TituloAplicacao), texto,
                      QMessageBox::Ok, QApplication::activeWindow());
    caixa.setObjectName(QStringLiteral("CaixaErro"));
    caixa.exec();
}

bool dialogoImpressao(QWidget* parent, QPrinter& printer) {
    QPrintDialog dlg(&printer, parent);
    dlg.setObjectName(QStringLiteral("PrintDialog1"));
    // Every page is printed, uncollated, with the dialog's number of copies: a page range, a
    // selection, the current page or collating would be ignored, so they are not offered.
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dlg.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    return dlg.exec() == QDialog::Accepted;
}

// The printer set-up: the preview control's dialog in its set-up form (printer and its
// properties), the platform offering no set-up dialog that chooses the printer.
bool dialogoConfigurarImpressora(QWidget* parent, QPrinter& printer) {
    TrpPrintDialog dlg(printer, true, parent);
    dlg.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    if (dlg.exec() != QDialog::Accepted) return false;
    const QString nome = dlg.choice().printerName;
    if (!nome.isEmpty()) printer.setPrinterName(nome);
    return true;
}

QString perguntarArquivoPdf(QWidget* parent) {
    QFileDialog dlg(parent, QString(), QString(), TextoRecurso(Recursos::FiltroPdf));
    dlg.setObjectName(QStringLiteral("SaveDialogPdf"));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("pdf"));
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.selectedFiles().value(0);
}

void mostrarPreviewModal(QWidget* preview) {
    static_cast<TfrmPreview*>(preview)->exec();
}

// The steps given to one object, kept as its child (released with it).
class TPassosDados : public QObject {
public:
    explicit TPassosDados(QObject* dono) : QObject(dono) {
        setObjectName(QStringLiteral("teluvarDialogos"));
    }
    TDialogos dialogos;
};

TPassosDados* dadosDe(const QObject* objeto) {
    return objeto ? objeto->findChild<TPassosDados*>(QStringLiteral("teluvarDialogos"),
                                                     Qt::FindDirectChildrenOnly)
                  : nullptr;
}

// Fills each step `d` lacks from `de`.
void completar(TDialogos& d, const TDialogos& de) {
    if (!d.erro) d.erro = de.erro;
    if (!d.impressao) d.impressao = de.impressao;
    if (!d.configurarImpressora) d.configurarImpressora = de.configurarImpressora;
    if (!d.arquivoPdf) d.arquivoPdf = de.arquivoPdf;
    if (!d.mostrarPreview) d.mostrarPreview = de.mostrarPreview;
    if (!d.erroRelatorio) d.erroRelatorio = de.erroRelatorio;
}

} // namespace

void DefinirDialogos(QObject* dono, const TDialogos& dialogos) {
    TPassosDados* dados = dadosDe(dono);
    if (!dados) dados = new TPassosDados(dono);
    TDialogos novos = dialogos;
    completar(novos, dados->dialogos);
    dados->dialogos = std::move(novos);
}

TDialogos DialogosDe(const QObject* objeto) {
    TDialogos d;
    for (const QObject* o = objeto; o; o = o->parent())
        if (const TPassosDados* dados = dadosDe(o)) completar(d, dados->dialogos);
    if (const TPassosDados* dados = dadosDe(QCoreApplication::instance()))
        completar(d, dados->dialogos);
    static const TDialogos reais{
        caixaErro,           dialogoImpressao,    dialogoConfigurarImpressora,
        perguntarArquivoPdf, mostrarPreviewModal, rpCaixaErro};
    completar(d, reais);
    return d;
}
