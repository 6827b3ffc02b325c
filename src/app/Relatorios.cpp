// The two reports of the program: fill-ins from the design record, print, preview, printer set-up.
#include "Relatorios.h"

#include "Janela.h"
#include "NumeroTexto.h"
#include "Preview.h"
#include "Recursos.h"
#include "rpModel.h"
#include "rpPrepare.h"
#include "rpPrepared.h"
#include "rpPreview.h"
#include "rpTemplateStream.h"

#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
QString r(const char* texto) {
    return QString::fromUtf8(texto);
}

// "%.2d" of an integer inside a line.
QString FormatarInteiro(const char* formato, int valor) {
    return r(formato).replace(QStringLiteral("%.2d"), InteiroDoisDigitos(valor));
}

bool dialogoImpressaoReal(QWidget* parent, QPrinter& printer) {
    QPrintDialog dlg(&printer, parent);
    dlg.setObjectName(QStringLiteral("PrintDialog1"));
    return dlg.exec() == QDialog::Accepted;
}

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

void mostrarModalReal(QWidget* preview) {
    static_cast<TfrmPreview*>(preview)->exec();
}

} // namespace

std::function<bool(QWidget*, QPrinter&)> DialogoImpressao = dialogoImpressaoReal;
std::function<bool(QWidget*, QPrinter&)> DialogoConfigurarImpressora = dialogoConfigurarReal;
std::function<void(QWidget*)> AoMostrarPreview = mostrarModalReal;

std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& p, QChar dec, QChar mil) {
    auto n = [&](const char* formato, double valor) {
        return FormatarN(r(formato), valor, dec, mil);
    };
    using namespace Recursos;
    return {
        {"Memo9", TituloTexto(p)},           {"Memo1", n(RelD1, p.D1)},
        {"Memo3", n(RelD2, p.D2)},           {"Memo4", n(RelR1, p.r1)},
        {"Memo2", n(RelR2, p.r2)},           {"Memo11", n(RelF, p.f1)},
        {"Memo5", n(RelDistD, p.d)},         {"Memo6", n(RelDistE, p.e)},
        {"Memo7", n(RelDistP, p.p)},         {"Memo8", n(RelDistPLinha, p.pLinha)},
        {"Memo16", n(FmtTxObstrucao, p.Tx)}, {"Memo17", n(FmtFSistema, p.F)},
        {"Memo18", n(FmtFD1, p.FD1)},        {"Memo19", n(RelSag1, p.Sag1)},
        {"Memo20", n(RelSag2, p.Sag2)},      {"Memo21", n(RelD1, p.D1)},
        {"Memo22", n(RelD2, p.D2)},          {"Memo28", r(Recursos::DeformacaoPrimario)},
        {"Memo29", n(RelValor, p.b1Cl)},     {"Memo30", n(RelValor, p.b1DK)},
        {"Memo31", n(RelValor, p.b1RC)},     {"Memo32", r(Recursos::DeformacaoSecundario)},
        {"Memo33", n(RelValor, p.b2Cl)},     {"Memo34", n(RelValor, p.b2DK)},
        {"Memo35", n(RelValor, p.b2RC)},
    };
}

std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto) {
    const QLocale local;
    return LinhasRelatorioProjeto(projeto, local.decimalPoint().at(0),
                                  local.groupSeparator().at(0));
}

std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& p, QChar dec, QChar mil) {
    auto n = [&](const char* formato, double valor) {
        return FormatarN(r(formato), valor, dec, mil);
    };
    using namespace Recursos;
    return {
        {"Memo10", n(RelL, p.L)},
        {"Memo11", n(RelZ, p.Z1)},
        {"Memo13", n(RelLTotal, p.LTotal)},
        {"Memo16", n(FmtCriterios[0], p.L)},
        {"Memo17", n(FmtCriterios[1], p.L1)},
        {"Memo19", n(FmtCriterios[2], p.L2)},
        {"Memo20", n(FmtCriterios[3], p.DG)},
        {"Memo18", n(RelDG, p.DG)},
        {"Memo23", n(RelDiametroInterno, p.DDi)},
        {"Memo24", n(RelDiametroExterno, p.DDe)},
        {"Memo25", n(RelComprimentoTotal, p.LTotal)},
        {"Memo26", FormatarInteiro(RelNumeroGlares, p.nG)},
        {"Memo27", n(RelSuporteSecundario, p.SSDe)},
    };
}

std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto) {
    const QLocale local;
    return LinhasRelatorioDefletor(projeto, local.decimalPoint().at(0),
                                   local.groupSeparator().at(0));
}

void PreencherRelatorio(TrpReport& relatorio, const std::vector<LinhaRelatorio>& linhas) {
    for (const LinhaRelatorio& linha : linhas) {
        TrpView* memo = relatorio.findObject(0, QString::fromLatin1(linha.memo));
        if (!memo) continue;
        memo->memo.clear();
        memo->memo.append(linha.texto);
    }
}

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

bool ImprimirRelatorio(QWidget* janela, TrpReport& relatorio,
                       const std::function<void()>& recalcular) {
    recalcular();
    QPrinter& impressora = ImpressoraAtual();
    if (!DialogoImpressao(janela, impressora)) return false;
    // The engine repeats each page for the copies itself; the job gets one copy of each print.
    const int copias = std::max(1, impressora.copyCount());
    impressora.setCopyCount(1);
    if (!BuildReport(relatorio)) return false;
    // A preparation that failed half-way would print a partial report as if it were whole:
    // its error is shown instead, as the preview shows it, and nothing is printed.
    if (relatorio.errorFlag) {
        relatorio.prepared->clear();
        if (rpMostrarErro)
            rpMostrarErro(relatorio.errorText, QString::fromLatin1(rpTexto::TituloErro));
        return false;
    }
    PrintBuiltReport(relatorio, impressora, QString(), copias);
    return true;
}

void VisualizarRelatorio(QWidget* janela, TrpReport& relatorio,
                         const std::function<void()>& recalcular, const QString& titulo) {
    recalcular();
    if (!BuildReport(relatorio)) return;
    // Hidden when closed, released with its owner or when the next preview opens over it.
    for (auto* antigo : janela->findChildren<TfrmPreview*>(Qt::FindDirectChildrenOnly))
        if (antigo->isHidden()) antigo->deleteLater();
    auto* frm = new TfrmPreview(janela);
    relatorio.preview = frm->rpPreview1;
    frm->definirTitulo(titulo);
    ShowBuiltReport(relatorio);
    relatorio.preview = nullptr;
    AoMostrarPreview(frm);
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
    if (!rpTemplate::carregarRecurso(relatorio, rpTemplate::caminhoRecurso(modelo), &erro, &titulo))
        rpMostrarErro(erro, titulo);
    rpTemplate::ligarDataSources(relatorio);
    // The printer the template was made for, when it is installed and the template does not
    // ask for the default printer.
    if (!relatorio.printToDefault && !relatorio.printerName.isEmpty() &&
        QPrinterInfo::availablePrinterNames().contains(relatorio.printerName))
        ImpressoraAtual().setPrinterName(relatorio.printerName);
}

void ConfigurarImpressora(QWidget* janela) {
    DialogoConfigurarImpressora(janela, ImpressoraAtual());
}
