// The reports of the program: set-up, fill-ins written into the template, print and preview.
#include "Relatorios.h"

#include "DataSet.h"
#include "Dialogos.h"
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

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

namespace {
// The first object of that name on any page of the template.
TrpView* Objeto(const TrpReport& relatorio, const char* nome) {
    const QString n = QString::fromLatin1(nome);
    for (int p = 0; p < static_cast<int>(relatorio.pages.size()); ++p)
        if (TrpView* v = relatorio.findObject(p, n)) return v;
    return nullptr;
}
} // namespace

void PreencherRelatorio(TrpReport& relatorio, const std::vector<LinhaRelatorio>& linhas) {
    for (const LinhaRelatorio& linha : linhas) {
        TrpView* memo = Objeto(relatorio, linha.memo);
        if (!memo) continue;
        memo->memo.clear();
        memo->memo.append(linha.texto);
    }
}

namespace {
// The pages of a flow's report; a failed preparation is shown through the window's step.
TrpBuildResult PrepararNaJanela(QWidget* janela, TrpReport& relatorio) {
    relatorio.OnError = DialogosDe(janela).erroRelatorio;
    return ShowBuiltReport(relatorio);
}
} // namespace

bool ImprimirRelatorio(QWidget* janela, TrpReport& relatorio,
                       const std::function<void()>& recalcular) {
    recalcular();
    QPrinter& impressora = ImpressoraAtual();
    if (!DialogosDe(janela).impressao(janela, impressora)) return false;
    // The engine repeats each page for the copies itself; the job gets one copy of each print.
    const int copias = std::max(1, impressora.copyCount());
    impressora.setCopyCount(1);
    // A preparation that failed half-way would print a partial report as if it were whole:
    // its error is shown instead, as the preview shows it, and nothing is printed.
    const TrpBuildResult paginas = PrepararNaJanela(janela, relatorio);
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
    TrpBuildResult paginas = PrepararNaJanela(janela, relatorio);
    if (paginas.outcome == TrpBuildResult::Built)
        frm->rpPreview1->takePages(std::move(paginas.pages));
    DialogosDe(frm).mostrarPreview(frm);
}

bool ExportarRelatorioPdf(QWidget* janela, TrpReport& relatorio,
                          const std::function<void()>& recalcular, const QString& titulo) {
    recalcular();
    const QString nome = DialogosDe(janela).arquivoPdf(janela);
    if (nome.isEmpty()) return false;
    const TrpBuildResult paginas = PrepararNaJanela(janela, relatorio);
    if (paginas.outcome != TrpBuildResult::Built) return false;
    CursorAmpulheta ampulheta;
    rpExportarPdf(*paginas.pages, nome, titulo);
    return true;
}

void PrepararRelatorio(TrpReport& relatorio, TrpDBDataSet& fonte, TMemDataSet& dados,
                       const QString& modelo, std::function<void()> aoIniciar,
                       const std::function<void(const QString&, const QString&)>& aviso) {
    relatorio.metricasImpressora = MetricasDaImpressora();
    fonte.name = QStringLiteral("rpDBDataSet1");
    fonte.dataSet = &dados;
    relatorio.name = QStringLiteral("rpReport1");
    relatorio.dataSets = {&dados};
    relatorio.dataSources = {&fonte};
    relatorio.dataSource = &fonte;
    relatorio.OnBeginDoc = std::move(aoIniciar);
    // The template's own texts read in the user's language; the fill-in's lines already do.
    relatorio.OnMemoLine = TextoRelatorio;
    QString erro, titulo;
    if (!rpTemplate::carregarRecurso(relatorio, CaminhoModelo(modelo), &erro, &titulo))
        (aviso ? aviso : rpCaixaErro)(erro, titulo);
    // Every number of the program's reports follows the user's separators, as the fill-in's
    // lines do: the templates' stored comma gives way to the user's decimal separator.
    for (TrpPage& pagina : relatorio.pages)
        for (const auto& objeto : pagina.objects)
            if (TrpFormat::category(objeto->format) == TrpFormat::Number)
                objeto->format =
                    TrpFormat::make(TrpFormat::Number, TrpFormat::variant(objeto->format),
                                    TrpFormat::decimals(objeto->format), '\0');
    rpTemplate::ligarDataSources(relatorio);
    // The printer the template was made for, when it is installed and the template does not
    // ask for the default printer.
    if (!relatorio.printToDefault && !relatorio.printerName.isEmpty())
        PreferirImpressora(relatorio.printerName);
}

void PreencherFigura(TrpReport& relatorio, const char* nome,
                     const std::function<void(QPainter&, const QRectF&)>& desenhar) {
    auto* figura = dynamic_cast<TrpPictureView*>(Objeto(relatorio, nome));
    if (!figura || figura->dx <= 0 || figura->dy <= 0) return;
    constexpr int k = PixelsPorUnidadeFigura;
    QImage imagem(figura->dx * k, figura->dy * k, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    {
        QPainter pintor(&imagem);
        QFont fonte(QStringLiteral("Arial"));
        // The engine's 8 pt at scale 1: round(8 × 96 / 72) units.
        fonte.setPixelSize(static_cast<int>(std::lround(8.0 * 96 / 72)) * k);
        pintor.setFont(fonte);
        desenhar(pintor, QRectF(0, 0, imagem.width(), imagem.height()));
    }
    QByteArray bytes;
    QBuffer saida(&bytes);
    saida.open(QIODevice::WriteOnly);
    imagem.convertToFormat(QImage::Format_RGB888).save(&saida, "BMP");
    figura->graphicKind = TrpPictureView::Bitmap;
    figura->graphic = bytes;
}

QToolBar* CriarBarraRelatorio(QWidget* janela, QToolButton*& btnImprimir,
                              QToolButton*& btnPreview) {
    auto* barra = new QToolBar(janela);
    barra->setObjectName(QStringLiteral("ToolBar1"));
    barra->setMovable(false);
    barra->setFloatable(false);
    barra->setIconSize(QSize(16, 16));
    auto botao = [&](const char* nome, const char* dica, const char* icone) {
        auto* b = new QToolButton(barra);
        b->setObjectName(QString::fromLatin1(nome));
        b->setToolTip(TextoRecurso(dica));
        b->setIcon(IconeSvg(QString::fromLatin1(icone)));
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        barra->addWidget(b);
        return b;
    };
    btnImprimir = botao("btnImprimir", Recursos::DicaImprimir, ":/app/imprimir.svg");
    barra->addSeparator();
    btnPreview = botao("btnPreview", Recursos::DicaVisualizar, ":/app/preview.svg");
    return barra;
}
