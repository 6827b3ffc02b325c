// The baffle window: inputs of the baffle tube, its lengths, its glare stops and their diagram.
#include "Defletor.h"

#include "Calculo.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "NumeroTexto.h"
#include "Recursos.h"
#include "Relatorios.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>

// The diagram is compiled into the program; a static library registers it by hand.
static void IniciarRecursosDefletor() {
    static const bool iniciado = [] {
        Q_INIT_RESOURCE(defletor);
        return true;
    }();
    (void)iniciado;
}

namespace {

const QString DiagramaDefletor = QStringLiteral(":/app/diagrama_defletor.svg");

// The diagram labels' formats.
constexpr const char* FmtL = "L = %n";
constexpr const char* FmtDG = "DG = %n";
constexpr const char* FmtZ1 = "Z1 = %n";
constexpr const char* FmtPadrao = "#,##0.00;-#,##0.00";

QTreeWidget* criarLista(QWidget* parent, const char* nome, const QRect& area,
                        const QList<ColunaLista>& colunas) {
    auto* lista = new QTreeWidget(parent);
    lista->setObjectName(QString::fromLatin1(nome));
    lista->setGeometry(area);
    ConfigurarListaRelatorio(lista, colunas);
    return lista;
}

QLabel* criarRotulo(QWidget* parent, const QString& texto, int x, int y, int largura = 0,
                    int altura = 0) {
    auto* rotulo = new QLabel(texto, parent);
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
QLabel* criarRotuloDeCampo(QWidget* parent, const QString& texto, int x, int y) {
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
    campo->setDisplayFormat(QString::fromLatin1(FmtPadrao));
    return campo;
}

QToolButton* criarBotao(QToolBar* barra, const char* nome, const QString& dica,
                        const QString& icone) {
    auto* botao = new QToolButton(barra);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setToolTip(dica);
    botao->setIcon(IconeSvg(icone));
    botao->setIconSize(QSize(16, 16));
    botao->setAutoRaise(true);
    botao->setFocusPolicy(Qt::NoFocus);
    barra->addWidget(botao);
    return botao;
}

TRotulo* criarRotuloDiagrama(QWidget* painel, const char* nome, int x, int y, int largura,
                             const QString& texto, Qt::Alignment alinhamento) {
    auto* rotulo =
        new TRotulo(painel, nome, TRotulo::Largura::Fixa, x, y, 14, largura, alinhamento);
    rotulo->setFont(FonteRotulo());
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, Qt::red);
    rotulo->setPalette(paleta);
    rotulo->definirTexto(texto);
    return rotulo;
}

} // namespace

TfrmDefletor::TfrmDefletor(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    IniciarRecursosDefletor();
    montarJanela();
    FormCreate();
}

TfrmDefletor::~TfrmDefletor() = default;

// ---- building the window --------------------------------------------------------------------

void TfrmDefletor::montarJanela() {
    setObjectName(QStringLiteral("frmDefletor"));
    setWindowTitle(QStringLiteral("Projeto Teluvar - Defletor"));
    setModal(true);
    setFixedSize(759, 463);
    // The window is destroyed when it closes.
    setAttribute(Qt::WA_DeleteOnClose);

    DefinirCamposGlares(dtGlares);
    dtGlares.Open();
    PrepararRelatorio(rpReport1, rpDBDataSet1, dtGlares, QStringLiteral("defletor"),
                      [this] { rpReport1BeginDoc(); });

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
    connect(edtDDi, &TNumberEdit::changed, this, &TfrmDefletor::edtDDiChange);
    connect(edtDDe, &TNumberEdit::changed, this, &TfrmDefletor::edtDDeChange);
    connect(edtLTotal, &TNumberEdit::changed, this, &TfrmDefletor::edtLTotalChange);
    connect(edtnG, &TNumberEdit::changed, this, &TfrmDefletor::edtnGChange);
    connect(edtSSDe, &TNumberEdit::changed, this, &TfrmDefletor::edtSSDeChange);
    connect(btnOk, &QPushButton::clicked, this, &TfrmDefletor::btnOkClick);
    connect(btnImprimir, &QToolButton::clicked, this, &TfrmDefletor::btnImprimirClick);
    connect(btnPreview, &QToolButton::clicked, this, &TfrmDefletor::btnPreviewClick);
    connect(btnSair, &QToolButton::clicked, this, &TfrmDefletor::btnSairClick);
    connect(ListView2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selecionadas, const QItemSelection& desmarcadas) {
                // Each row whose selection changed reports itself: the row left first,
                // then the row chosen.
                for (const QModelIndex& indice : desmarcadas.indexes())
                    if (indice.column() == 0)
                        ListView2SelectItem(ListView2->topLevelItem(indice.row()));
                for (const QModelIndex& indice : selecionadas.indexes())
                    if (indice.column() == 0)
                        ListView2SelectItem(ListView2->topLevelItem(indice.row()));
            });
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
    btnImprimir = criarBotao(ToolBar1, "btnImprimir", QStringLiteral("Imprime"),
                             QStringLiteral(":/app/imprimir.svg"));
    ToolBar1->addSeparator();
    btnPreview = criarBotao(ToolBar1, "btnPreview", QStringLiteral("Visualizar impressão"),
                            QStringLiteral(":/app/preview.svg"));
    ToolBar1->addSeparator();
    btnSair = criarBotao(ToolBar1, "btnSair", QStringLiteral("Fecha formulário"),
                         QStringLiteral(":/app/sair.svg"));
}

void TfrmDefletor::montarEntradas() {
    GroupBox1 = new QGroupBox(QStringLiteral(" Dados: "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(5, 33, 211, 285);

    criarRotuloDeCampo(GroupBox1, QStringLiteral("Diâmetro interno do tubo:"), 7, 23);
    criarRotuloDeCampo(GroupBox1, QStringLiteral("Diâmetro externo do tubo:"), 7, 48);
    criarRotuloDeCampo(GroupBox1, QStringLiteral("Comprimento total do tubo:"), 7, 73);
    criarRotuloDeCampo(GroupBox1, QStringLiteral("Número de glare stops:"), 7, 98);
    criarRotulo(GroupBox1, QStringLiteral("Diâmetro externo do suporte do secundário:"), 7, 117,
                125, 28);

    edtDDi = criarCampo(GroupBox1, "edtDDi", 19);
    edtDDe = criarCampo(GroupBox1, "edtDDe", 44);
    edtLTotal = criarCampo(GroupBox1, "edtLTotal", 69);
    edtnG = criarCampo(GroupBox1, "edtnG", 94);
    edtSSDe = criarCampo(GroupBox1, "edtSSDe", 119);
    // The count: a whole number of at least two digits, never below 2.
    edtnG->setDisplayFormat(QStringLiteral("00"));
    edtnG->setMinValue(2);
    edtnG->setValue(2);

    btnOk = new QPushButton(QStringLiteral("&Ok"), GroupBox1);
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
    Image1 = new TImagemSvg(DiagramaDefletor, Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 531, 276);

    lblDG =
        criarRotuloDiagrama(Panel1, "lblDG", 192, 65, 138, QStringLiteral("DG"), Qt::AlignHCenter);
    criarRotuloDiagrama(Panel1, "Label6", 11, 110, 11, QStringLiteral("G"), Qt::AlignRight);
    criarRotuloDiagrama(Panel1, "Label2", 333, 138, 39, QStringLiteral("-Z1"), Qt::AlignHCenter);
    criarRotuloDiagrama(Panel1, "Label1", 192, 155, 180, QStringLiteral("-Z2"), Qt::AlignHCenter);
    criarRotuloDiagrama(Panel1, "Label3", 51, 174, 321, QStringLiteral("-Z3"), Qt::AlignHCenter);
    lblL = criarRotuloDiagrama(Panel1, "lblL", 48, 195, 324, QStringLiteral("L"), Qt::AlignHCenter);
    lblZ1 =
        criarRotuloDiagrama(Panel1, "lblZ1", 375, 195, 96, QStringLiteral("Z1"), Qt::AlignHCenter);
}

void TfrmDefletor::montarListas() {
    Label4 = criarRotulo(this, QStringLiteral("Defletor:"), 5, 325);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label10 = criarRotulo(this, QStringLiteral("Glare:"), 450, 325);
    Label10->setObjectName(QStringLiteral("Label10"));

    ListView2 = criarLista(this, "ListView2", QRect(5, 340, 436, 100),
                           {{QStringLiteral("Critério"), 310, Qt::AlignLeft},
                            {QStringLiteral("Valor"), 100, Qt::AlignHCenter}});
    ListView1 = criarLista(this, "ListView1", QRect(445, 340, 307, 100),
                           {{QStringLiteral("Glare"), 63, Qt::AlignLeft},
                            {QStringLiteral("Posição (Z)"), 110, Qt::AlignHCenter},
                            {QStringLiteral("Diâmetro (G)"), 110, Qt::AlignHCenter}});
}

// ---- window events --------------------------------------------------------------------------

void TfrmDefletor::FormCreate() {
    Proteger([this] {
        CursorAmpulheta ampulheta;
        CarregarEntradas();
        Recalcular();
    });
}

void TfrmDefletor::btnOkClick() {
    Proteger([this] { pressionarOk(); });
}

void TfrmDefletor::pressionarOk() {
    CursorAmpulheta ampulheta;
    Recalcular();
    ListView2->setFocus(Qt::OtherFocusReason);
}

void TfrmDefletor::btnImprimirClick() {
    Proteger([this] { ImprimirRelatorio(this, rpReport1, [this] { pressionarOk(); }); });
}

void TfrmDefletor::btnPreviewClick() {
    Proteger([this] {
        VisualizarRelatorio(
            this, rpReport1, [this] { pressionarOk(); },
            QString::fromUtf8(Recursos::PreviewDefletor));
    });
}

void TfrmDefletor::rpReport1BeginDoc() {
    PreencherRelatorio(rpReport1, LinhasRelatorioDefletor(Projeto));
}

void TfrmDefletor::btnSairClick() {
    close();
}

void TfrmDefletor::edtDDiChange() {
    Projeto.DDi = edtDDi->Value();
}
void TfrmDefletor::edtDDeChange() {
    Projeto.DDe = edtDDe->Value();
}
void TfrmDefletor::edtLTotalChange() {
    Projeto.LTotal = edtLTotal->Value();
}
void TfrmDefletor::edtnGChange() {
    Projeto.nG = ContagemGlares(edtnG->Value());
}
void TfrmDefletor::edtSSDeChange() {
    Projeto.SSDe = edtSSDe->Value();
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

void TfrmDefletor::ListView2SelectItem(QTreeWidgetItem* item) {
    if (item) StatusBar1->showMessage(item->text(0));
}

bool TfrmDefletor::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == ListView2 &&
        (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut)) {
        // Focus moving between windows is not an enter or exit of the list.
        const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason) {
            if (evento->type() == QEvent::FocusIn)
                Proteger([this] { ListView2Enter(); });
            else
                Proteger([this] { ListView2Exit(); });
        }
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
    CalcularDefletor();
    if (dtGlares.Active()) dtGlares.Close();
    ListView2->clear();
    for (const LinhaResultado& linha : CriteriosDefletor(Projeto)) {
        auto* item = new QTreeWidgetItem(ListView2, {linha.descricao, linha.valor});
        item->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
    }
    CalcularGlares();
}

void TfrmDefletor::CalcularDefletor() {
    ::CalcularDefletor(Projeto);
    elevarLimiteComprimento();
    lblL->definirTexto(FormatarN(QString::fromLatin1(FmtL), Projeto.L));
    lblDG->definirTexto(FormatarN(QString::fromLatin1(FmtDG), Projeto.DG));
    lblZ1->definirTexto(FormatarN(QString::fromLatin1(FmtZ1), Projeto.Z1));
}

// The total length never reads below the front end of the baffle: its lower bound follows the
// largest positive L of this window's life. Raising it re-applies it to the field at once, so a
// shorter length becomes L and its change handler stores it for the next computation.
void TfrmDefletor::elevarLimiteComprimento() {
    const double L = Projeto.L;
    if (std::isfinite(L) && L > 0 && edtLTotal->MinValue() < L) edtLTotal->setMinValue(L);
}

void TfrmDefletor::CalcularGlares() {
    if (!dtGlares.Active()) dtGlares.Open();
    ListView1->clear();
    const QString glare = QStringLiteral("Glare");
    const QString posicao = QStringLiteral("Posicao");
    const QString diametro = QStringLiteral("Diametro");
    // The rows join the list together, also when a step fails half-way.
    struct Linhas {
        QTreeWidget* lista;
        QList<QTreeWidgetItem*> itens;
        ~Linhas() { lista->addTopLevelItems(itens); }
    } linhas{ListView1, {}};
    ::CalcularGlares(Projeto, [&](const LinhaGlare& g) {
        dtGlares.Append();
        dtGlares.SetField(glare, g.Glare);
        dtGlares.SetField(posicao, g.Posicao);
        dtGlares.SetField(diametro, g.Diametro);
        dtGlares.Post();
        // The row shows what the data set holds.
        auto* item = new QTreeWidgetItem({InteiroDois(dtGlares.FieldValue(glare).toInt()),
                                          NumeroTexto(dtGlares.FieldValue(posicao).toDouble()),
                                          NumeroTexto(dtGlares.FieldValue(diametro).toDouble())});
        item->setTextAlignment(1, Qt::AlignHCenter | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignHCenter | Qt::AlignVCenter);
        linhas.itens.append(item);
    });
}
