// The baffle window: inputs of the baffle tube, its lengths, its glare stops and their diagram.
#include "Defletor.h"

#include "Calculo.h"
#include "Documento.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Recursos.h"
#include "Relatorios.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

namespace {

QTreeWidget* criarLista(QWidget* parent, const char* nome, const QRect& area,
                        const QList<ColunaLista>& colunas) {
    auto* lista = new QTreeWidget(parent);
    lista->setObjectName(QString::fromLatin1(nome));
    lista->setGeometry(area);
    ConfigurarListaRelatorio(lista, colunas);
    return lista;
}

QLabel* criarRotulo(QWidget* parent, const char* texto, int x, int y, int largura = 0,
                    int altura = 0) {
    auto* rotulo = new QLabel(TextoRecurso(texto), parent);
    if (largura > 0) {
        rotulo->setWordWrap(true);
        rotulo->setGeometry(x, y, largura, altura);
    } else {
        rotulo->move(x, y);
        rotulo->adjustSize();
    }
    return rotulo;
}

// A label in front of an input field: a text a little wider than the room before the field is
// set slightly narrower rather than hidden under the field.
QLabel* criarRotuloDeCampo(QWidget* parent, const char* texto, int x, int y) {
    constexpr int inicioDoCampo = 137, folga = 2;
    QLabel* rotulo = criarRotulo(parent, texto, x, y);
    const int espaco = inicioDoCampo - folga - x;
    if (rotulo->width() > espaco) {
        QFont fonte = rotulo->font();
        fonte.setStretch(std::max(85, 100 * espaco / rotulo->width()));
        rotulo->setFont(fonte);
        rotulo->adjustSize();
    }
    return rotulo;
}

TNumberEdit* criarCampo(QWidget* parent, const char* nome, int topo) {
    auto* campo = new TNumberEdit(parent);
    campo->setObjectName(QString::fromLatin1(nome));
    campo->setGeometry(137, topo, 66, 21);
    return campo;
}

QToolButton* criarBotao(QToolBar* barra, const char* nome, const char* dica, const char* icone) {
    auto* botao = new QToolButton(barra);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setToolTip(TextoRecurso(dica));
    botao->setIcon(IconeSvg(QString::fromLatin1(icone)));
    botao->setIconSize(QSize(16, 16));
    botao->setAutoRaise(true);
    botao->setFocusPolicy(Qt::NoFocus);
    barra->addWidget(botao);
    return botao;
}

TRotulo* criarRotuloDiagrama(QWidget* painel, const char* nome, int x, int y, int largura,
                             const char* texto, Qt::Alignment alinhamento) {
    auto* rotulo = new TRotulo(painel, nome, TRotulo::Largura::Fixa, x, y, largura, alinhamento);
    rotulo->definirTexto(TextoRecurso(texto));
    return rotulo;
}

} // namespace

TfrmDefletor::TfrmDefletor(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      relatorioDefletor(Projeto, {}), dtGlares(relatorioDefletor.dtGlares),
      rpDBDataSet1(relatorioDefletor.rpDBDataSet1), rpReport1(relatorioDefletor.rpReport1) {
    montarJanela();
    FormCreate();
}

TfrmDefletor::~TfrmDefletor() = default;

// ---- building the window --------------------------------------------------------------------

void TfrmDefletor::montarJanela() {
    setObjectName(QStringLiteral("frmDefletor"));
    setWindowTitle(TextoRecurso(Recursos::TituloDefletor));
    setModal(true);
    setFixedSize(759, 463);
    // The window is destroyed when it closes.
    setAttribute(Qt::WA_DeleteOnClose);

    montarBarra();
    montarEntradas();
    montarDiagrama();
    montarListas();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, height() - 19, width(), 19);

    setTabOrder(edtDDi, edtDDe);
    setTabOrder(edtDDe, edtLTotal);
    setTabOrder(edtLTotal, edtnG);
    setTabOrder(edtnG, edtSSDe);
    setTabOrder(edtSSDe, btnOk);
    setTabOrder(btnOk, ListView2);
    setTabOrder(ListView2, ListView1);
    edtDDi->setFocus();

    // The inputs are connected only once they hold their initial values, so loading the
    // record is what first stores into it.
    connect(edtDDi, &TNumberEdit::changed, this, Protegido(this, &TfrmDefletor::edtDDiChange));
    connect(edtDDe, &TNumberEdit::changed, this, Protegido(this, &TfrmDefletor::edtDDeChange));
    connect(edtLTotal, &TNumberEdit::changed, this,
            Protegido(this, &TfrmDefletor::edtLTotalChange));
    connect(edtnG, &TNumberEdit::changed, this, Protegido(this, &TfrmDefletor::edtnGChange));
    connect(edtSSDe, &TNumberEdit::changed, this, Protegido(this, &TfrmDefletor::edtSSDeChange));
    connect(btnOk, &QPushButton::clicked, this, Protegido(this, &TfrmDefletor::btnOkClick));
    connect(btnImprimir, &QToolButton::clicked, this,
            Protegido(this, &TfrmDefletor::btnImprimirClick));
    connect(btnPreview, &QToolButton::clicked, this,
            Protegido(this, &TfrmDefletor::btnPreviewClick));
    connect(btnSair, &QToolButton::clicked, this, Protegido(this, &TfrmDefletor::btnSairClick));
    connect(actExportarPdf, &QAction::triggered, this,
            Protegido(this, &TfrmDefletor::actExportarPdfExecute));
    ConectarSelecao(ListView2, Protegido(this, &TfrmDefletor::ListView2SelectItem));
    ListView2->installEventFilter(this);
}

void TfrmDefletor::montarBarra() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, width(), 28);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setStyleSheet(QStringLiteral(
        "QToolBar#ToolBar1 { border-top: 1px solid palette(mid); border-bottom: 1px solid "
        "palette(mid); spacing: 0px; }"));
    using namespace Recursos;
    btnImprimir = criarBotao(ToolBar1, "btnImprimir", DicaImprimir, ":/app/imprimir.svg");
    actExportarPdf = new QAction(IconeSvg(QStringLiteral(":/app/preview-pdf.svg")),
                                 TextoRecurso(AcaoExportarPdf.legenda), this);
    actExportarPdf->setObjectName(QStringLiteral("actExportarPdf"));
    actExportarPdf->setProperty("Category", TextoRecurso(AcaoExportarPdf.categoria));
    actExportarPdf->setToolTip(TextoRecurso(AcaoExportarPdf.dica));
    actExportarPdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    addAction(actExportarPdf);
    ToolBar1->addAction(actExportarPdf);
    ToolBar1->widgetForAction(actExportarPdf)->setObjectName(QStringLiteral("btnExportarPdf"));
    ToolBar1->widgetForAction(actExportarPdf)->setFocusPolicy(Qt::NoFocus);
    ToolBar1->addSeparator();
    btnPreview = criarBotao(ToolBar1, "btnPreview", DicaVisualizar, ":/app/preview.svg");
    ToolBar1->addSeparator();
    btnSair = criarBotao(ToolBar1, "btnSair", DicaFecharFormulario, ":/app/sair.svg");
}

void TfrmDefletor::montarEntradas() {
    using namespace Recursos;
    GroupBox1 = new QGroupBox(TextoRecurso(GrupoDados), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(5, 33, 211, 285);

    criarRotuloDeCampo(GroupBox1, RotuloDDi, 7, 23);
    criarRotuloDeCampo(GroupBox1, RotuloDDe, 7, 48);
    criarRotuloDeCampo(GroupBox1, RotuloLTotal, 7, 73);
    criarRotuloDeCampo(GroupBox1, RotulonG, 7, 98);
    criarRotulo(GroupBox1, RotuloSSDe, 7, 117, 125, 28);

    edtDDi = criarCampo(GroupBox1, "edtDDi", 19);
    edtDDe = criarCampo(GroupBox1, "edtDDe", 44);
    edtLTotal = criarCampo(GroupBox1, "edtLTotal", 69);
    edtnG = criarCampo(GroupBox1, "edtnG", 94);
    edtSSDe = criarCampo(GroupBox1, "edtSSDe", 119);
    // The count: a whole number of at least two digits, never below 2.
    edtnG->setDisplayFormat(QStringLiteral("00"));
    edtnG->setMinValue(2);
    edtnG->setValue(2);

    btnOk = new QPushButton(TextoRecurso(BotaoOk), GroupBox1);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(70, 252, 75, 25);
    btnOk->setIcon(IconeSvg(QStringLiteral(":/app/ok.svg")));
    btnOk->setAutoDefault(false);
    btnOk->setDefault(false);
}

void TfrmDefletor::montarDiagrama() {
    Panel1 = new TPainelChanfrado(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(220, 38, 535, 280);
    Image1 = new TImagemSvg(QStringLiteral(":/app/diagrama_defletor.svg"), Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 531, 276);

    using namespace Recursos;
    lblDG = criarRotuloDiagrama(Panel1, "lblDG", 192, 65, 138, DiagramaDG, Qt::AlignHCenter);
    criarRotuloDiagrama(Panel1, "Label6", 11, 110, 11, DiagramaG, Qt::AlignRight);
    criarRotuloDiagrama(Panel1, "Label2", 333, 138, 39, DiagramaMenosZ1, Qt::AlignHCenter);
    criarRotuloDiagrama(Panel1, "Label1", 192, 155, 180, DiagramaMenosZ2, Qt::AlignHCenter);
    criarRotuloDiagrama(Panel1, "Label3", 51, 174, 321, DiagramaMenosZ3, Qt::AlignHCenter);
    lblL = criarRotuloDiagrama(Panel1, "lblL", 48, 195, 324, DiagramaL, Qt::AlignHCenter);
    lblZ1 = criarRotuloDiagrama(Panel1, "lblZ1", 375, 195, 96, DiagramaZ1, Qt::AlignHCenter);
    // Over the diagram's empty top, clear of its formulas at the foot.
    lblAviso = CriarAviso(Panel1, 6, 274, 523, 4);
}

void TfrmDefletor::montarListas() {
    using namespace Recursos;
    Label4 = criarRotulo(this, RotuloListaDefletor, 5, 325);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label10 = criarRotulo(this, RotuloListaGlare, 450, 325);
    Label10->setObjectName(QStringLiteral("Label10"));

    ListView2 = criarLista(this, "ListView2", QRect(5, 340, 436, 100),
                           {{TextoRecurso(ColunaCriterio), 310, Qt::AlignLeft},
                            {TextoRecurso(ColunaValor), 100, Qt::AlignHCenter}});
    ListView1 = criarLista(this, "ListView1", QRect(445, 340, 307, 100),
                           {{TextoRecurso(ColunaGlare), 63, Qt::AlignLeft},
                            {TextoRecurso(ColunaPosicao), 110, Qt::AlignHCenter},
                            {TextoRecurso(ColunaDiametro), 110, Qt::AlignHCenter}});
}

// ---- window events --------------------------------------------------------------------------

void TfrmDefletor::FormCreate() {
    Proteger(this, [this] {
        CursorAmpulheta ampulheta;
        TDocumento::Mudanca mudanca;
        CarregarEntradas();
        Recalcular();
    });
}

void TfrmDefletor::btnOkClick() {
    CursorAmpulheta ampulheta;
    Recalcular();
    // A list that keeps the focus gets no enter event: run its enter handling all the same.
    if (ListView2->hasFocus())
        ListView2Enter();
    else
        ListView2->setFocus(Qt::OtherFocusReason);
}

void TfrmDefletor::btnImprimirClick() {
    ImprimirRelatorio(this, rpReport1, [this] { btnOkClick(); });
}

void TfrmDefletor::btnPreviewClick() {
    VisualizarRelatorio(
        this, rpReport1, [this] { btnOkClick(); }, TextoRecurso(Recursos::PreviewDefletor));
}

void TfrmDefletor::actExportarPdfExecute() {
    ExportarRelatorioPdf(
        this, rpReport1, [this] { btnOkClick(); }, TituloTexto(Projeto));
}

void TfrmDefletor::rpReport1BeginDoc() {
    relatorioDefletor.Preencher();
}

void TfrmDefletor::btnSairClick() {
    close();
}

void TfrmDefletor::edtDDiChange() {
    TDocumento::Atual().DefinirEntrada(&TProjeto::DDi, edtDDi->Value());
}
void TfrmDefletor::edtDDeChange() {
    TDocumento::Atual().DefinirEntrada(&TProjeto::DDe, edtDDe->Value());
}
void TfrmDefletor::edtLTotalChange() {
    TDocumento::Atual().DefinirEntrada(&TProjeto::LTotal, edtLTotal->Value());
}
void TfrmDefletor::edtnGChange() {
    TDocumento::Atual().DefinirContagemGlares(ContagemGlares(edtnG->Value()));
}
void TfrmDefletor::edtSSDeChange() {
    TDocumento::Atual().DefinirEntrada(&TProjeto::SSDe, edtSSDe->Value());
}

void TfrmDefletor::ListView2Enter() {
    const QList<QTreeWidgetItem*> selecionados = ListView2->selectedItems();
    if (!selecionados.isEmpty())
        StatusBar1->showMessage(selecionados.first()->text(0));
    else if (ListView2->topLevelItemCount() > 0)
        ListView2->setCurrentItem(ListView2->topLevelItem(0));
}

void TfrmDefletor::ListView2Exit() {
    StatusBar1->clearMessage();
}

// Only the focused list speaks: the list recomputed while the focus is elsewhere leaves the
// status bar alone.
void TfrmDefletor::ListView2SelectItem(QTreeWidgetItem* item) {
    if (!ListView2->hasFocus()) return;
    StatusBar1->showMessage(item->text(0));
}

bool TfrmDefletor::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == ListView2) {
        const Foco foco = FocoEntreControles(evento);
        if (foco == Foco::Entrada)
            Proteger(this, [this] { ListView2Enter(); });
        else if (foco == Foco::Saida)
            Proteger(this, [this] { ListView2Exit(); });
    }
    return QDialog::eventFilter(objeto, evento);
}

// The window has no cancel button: Esc resets a field's text (the field does that) and never
// closes the window.
void TfrmDefletor::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

// ---- computation ----------------------------------------------------------------------------

void TfrmDefletor::CarregarEntradas() {
    edtDDi->setValue(Projeto.DDi);
    edtDDe->setValue(Projeto.DDe);
    edtLTotal->setValue(Projeto.LTotal);
    edtnG->setValue(Projeto.nG);
    edtSSDe->setValue(Projeto.SSDe);
}

void TfrmDefletor::Recalcular() {
    // The total length raised on the way and the new baffle make one change of the design.
    TDocumento::Mudanca mudanca;
    const RotulosDefletor rotulos = ::CalcularDefletor(Projeto);
    elevarLimiteComprimento();
    EscreverRotulos<RotulosDefletor, 3>({lblL, lblDG, lblZ1}, rotulos);
    MostrarAvisos(lblAviso, AvisosProjeto(Projeto));
    if (EsvaziarLista(ListView2)) StatusBar1->clearMessage();
    for (const LinhaResultado& linha : CriteriosDefletor(Projeto)) {
        auto* item = new QTreeWidgetItem(ListView2, {linha.descricao, linha.valor});
        item->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
    }
    ListView1->clear();
    // The rows join the list together, also when a step fails half-way.
    struct Linhas {
        QTreeWidget* lista;
        QList<QTreeWidgetItem*> itens;
        ~Linhas() { lista->addTopLevelItems(itens); }
    } linhas{ListView1, {}};
    relatorioDefletor.PreencherGlares([&](const LinhaGlareTexto& g) {
        auto* item = new QTreeWidgetItem({g.glare, g.posicao, g.diametro});
        item->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignHCenter | Qt::AlignVCenter);
        linhas.itens.append(item);
    });
    TDocumento::Atual().Alterado();
}

// The total length never reads below the front end of the baffle: its lower bound follows the
// largest positive L of this window's life. Raising it re-applies it to the field at once, so a
// shorter length becomes L and its change handler stores it for the next computation.
void TfrmDefletor::elevarLimiteComprimento() {
    const double L = Projeto.L;
    if (std::isfinite(L) && L > 0 && edtLTotal->MinValue() < L) edtLTotal->setMinValue(L);
}
