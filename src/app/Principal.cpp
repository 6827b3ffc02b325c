// The main window: the design's inputs, the annotated diagram, the result lists and every command.
#include "Principal.h"

#include "Analise.h"
#include "ArquivoProjeto.h"
#include "Calculo.h"
#include "Defletor.h"
#include "Desenho.h"
#include "DiametroCampo.h"
#include "Documento.h"
#include "Espelhos.h"
#include "Flecha.h"
#include "Global.h"
#include "IluminacaoJanela.h"
#include "Importar.h"
#include "Janela.h"
#include "JanelaTolerancias.h"
#include "NumberEdit.h"
#include "Recursos.h"
#include "Relatorios.h"
#include "Sobre.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <utility>

namespace {
constexpr int LarguraCliente = 789;
constexpr int AlturaCliente = 449; // above the status bar
constexpr int AlturaStatus = 19;

} // namespace

TfrmTeluvar::TfrmTeluvar(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      relatorioProjeto(Projeto, {}), dtDados(relatorioProjeto.dtDados),
      rpDBDataSet1(relatorioProjeto.rpDBDataSet1), rpReport1(relatorioProjeto.rpReport1) {
    setObjectName(QStringLiteral("frmTeluvar"));
    setWindowTitle(TextoRecurso(Recursos::TituloPrincipal));
    // Every change of the design, from this window or another, reaches the live windows.
    connect(&TDocumento::Atual(), &TDocumento::alterado, this, &TfrmTeluvar::projetoAlterado);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Cliente"));
    central->setFixedSize(LarguraCliente, AlturaCliente);
    setCentralWidget(central);

    montarAcoes();
    montarMenus();
    ToolBar1 = new QToolBar(central);
    montarBarra();
    montarEntradas(central);
    montarDiagrama(central);
    montarListas(central);
    montarDialogos();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(AlturaStatus);
    StatusBar1Texto = new QLabel(StatusBar1);
    StatusBar1Texto->setObjectName(QStringLiteral("StatusBar1Texto"));
    StatusBar1->addWidget(StatusBar1Texto, 1);
    setStatusBar(StatusBar1);

    // Tab order: the inputs, "&Ok", then the result list and the comparison list.
    setTabOrder(edtTitulo, edtD1);
    setTabOrder(edtD1, edtfD);
    setTabOrder(edtfD, edty);
    setTabOrder(edty, edte);
    setTabOrder(edte, edti);
    setTabOrder(edti, btnOk);
    setTabOrder(btnOk, ListView2);
    setTabOrder(ListView2, ListView1);

    PerguntarArquivoAbrir = [this] { return abrirDialogo(OpenDialog1); };
    PerguntarArquivoSalvar = [this] { return abrirDialogo(SaveDialog1); };
    PerguntarDiametroCampo = [this] { return executarDiametroCampo(); };

    FormCreate();
    edtTitulo->setFocus();
}

TfrmTeluvar::~TfrmTeluvar() = default;

void TfrmTeluvar::montarAcoes() {
    struct Def {
        QAction*& acao;
        const char* nome;
        const Recursos::TextoAcao& texto;
        const char* figura;
        QKeySequence atalho;
        void (TfrmTeluvar::*manipulador)();
    };
    using namespace Recursos;
    const Def defs[] = {
        {actNovo, "actNovo", AcaoNovo, ":/app/novo.svg", QKeySequence(Qt::CTRL | Qt::Key_N),
         &TfrmTeluvar::actNovoExecute},
        {actAbrir, "actAbrir", AcaoAbrir, ":/app/abrir.svg", QKeySequence(Qt::CTRL | Qt::Key_O),
         &TfrmTeluvar::actAbrirExecute},
        {actSalvar, "actSalvar", AcaoSalvar, ":/app/salvar.svg", QKeySequence(Qt::CTRL | Qt::Key_S),
         &TfrmTeluvar::actSalvarExecute},
        {actPreview, "actPreview", AcaoPreview, ":/app/preview.svg",
         QKeySequence(Qt::CTRL | Qt::Key_P), &TfrmTeluvar::actPreviewExecute},
        {actConfigurarImpressora, "actConfigurarImpressora", AcaoConfigurarImpressora,
         ":/app/configurar_impressora.svg", QKeySequence(),
         &TfrmTeluvar::actConfigurarImpressoraExecute},
        {actImprimir, "actImprimir", AcaoImprimir, ":/app/imprimir.svg", QKeySequence(),
         &TfrmTeluvar::actImprimirExecute},
        {actExportarPdf, "actExportarPdf", AcaoExportarPdf, ":/app/preview-pdf.svg",
         QKeySequence(Qt::CTRL | Qt::Key_E), &TfrmTeluvar::actExportarPdfExecute},
        {actExportarPrescricao, "actExportarPrescricao", AcaoExportarPrescricao, nullptr,
         QKeySequence(), &TfrmTeluvar::actExportarPrescricaoExecute},
        {actImportarPrescricao, "actImportarPrescricao", AcaoImportarPrescricao, nullptr,
         QKeySequence(), &TfrmTeluvar::actImportarPrescricaoExecute},
        {actSair, "actSair", AcaoSair, ":/app/sair.svg", QKeySequence(Qt::CTRL | Qt::Key_Q),
         &TfrmTeluvar::actSairExecute},
        {actDefletor, "actDefletor", AcaoDefletor, ":/app/defletor.svg",
         QKeySequence(Qt::CTRL | Qt::Key_D), &TfrmTeluvar::actDefletorExecute},
        {actFlecha, "actFlecha", AcaoFlecha, ":/app/flecha.svg", QKeySequence(Qt::CTRL | Qt::Key_F),
         &TfrmTeluvar::actFlechaExecute},
        {actAnalise, "actAnalise", AcaoAnalise, ":/app/analise.svg",
         QKeySequence(Qt::CTRL | Qt::Key_R), &TfrmTeluvar::actAnaliseExecute},
        {actTolerancias, "actTolerancias", AcaoTolerancias, ":/app/tolerancias.svg",
         QKeySequence(Qt::CTRL | Qt::Key_T), &TfrmTeluvar::actToleranciasExecute},
        {actDesenho, "actDesenho", AcaoDesenho, ":/app/desenho.svg",
         QKeySequence(Qt::CTRL | Qt::Key_L), &TfrmTeluvar::actDesenhoExecute},
        {actIluminacao, "actIluminacao", AcaoIluminacao, ":/app/iluminacao.svg",
         QKeySequence(Qt::CTRL | Qt::Key_I), &TfrmTeluvar::actIluminacaoExecute},
        {actEspelhos, "actEspelhos", AcaoEspelhos, ":/app/espelhos.svg",
         QKeySequence(Qt::CTRL | Qt::Key_M), &TfrmTeluvar::actEspelhosExecute},
        {actSobre, "actSobre", AcaoSobre, nullptr, QKeySequence(), &TfrmTeluvar::actSobreExecute},
    };
    for (const Def& def : defs) {
        auto* acao = new QAction(TextoRecurso(def.texto.legenda), this);
        acao->setObjectName(QString::fromLatin1(def.nome));
        acao->setProperty("Category", TextoRecurso(def.texto.categoria));
        // The hint shows only as a tool tip; an action without one gets no tip at all.
        acao->setToolTip(TextoRecurso(def.texto.dica));
        acao->setStatusTip(QString());
        if (def.figura) acao->setIcon(IconeSvg(QString::fromLatin1(def.figura)));
        acao->setShortcut(def.atalho);
        connect(acao, &QAction::triggered, this, Protegido(this, def.manipulador));
        addAction(acao);
        def.acao = acao;
    }
}

void TfrmTeluvar::montarMenus() {
    auto* MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* arquivo = MainMenu1->addMenu(TextoRecurso(Recursos::MenuArquivo));
    arquivo->setObjectName(QStringLiteral("mnuArquivo"));
    arquivo->addAction(actNovo);
    arquivo->addSeparator();
    arquivo->addAction(actAbrir);
    arquivo->addAction(actSalvar);
    arquivo->addSeparator();
    arquivo->addAction(actPreview);
    arquivo->addAction(actConfigurarImpressora);
    arquivo->addAction(actImprimir);
    arquivo->addAction(actExportarPdf);
    arquivo->addAction(actExportarPrescricao);
    arquivo->addAction(actImportarPrescricao);
    arquivo->addSeparator();
    arquivo->addAction(actSair);
    QMenu* componentes = MainMenu1->addMenu(TextoRecurso(Recursos::MenuComponentes));
    componentes->setObjectName(QStringLiteral("mnuComponentes"));
    componentes->addAction(actDefletor);
    componentes->addAction(actFlecha);
    componentes->addAction(actAnalise);
    componentes->addAction(actTolerancias);
    componentes->addAction(actDesenho);
    componentes->addAction(actIluminacao);
    componentes->addAction(actEspelhos);
    QMenu* ajuda = MainMenu1->addMenu(TextoRecurso(Recursos::MenuAjuda));
    ajuda->setObjectName(QStringLiteral("mnuAjuda"));
    ajuda->addAction(actSobre);
    for (QMenu* menu : {arquivo, componentes, ajuda})
        menu->setToolTipsVisible(false);
    setMenuBar(MainMenu1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(actDefletor);
    PopupMenu1->addAction(actFlecha);
}

void TfrmTeluvar::montarBarra() {
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, LarguraCliente, 28);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setStyleSheet(QStringLiteral("QToolBar#ToolBar1 { border-top: 1px solid palette(mid);"
                                           " border-bottom: 1px solid palette(mid);"
                                           " spacing: 1px; padding: 1px 2px; }"));
    auto botao = [this](QAction* acao, const char* nome) {
        ToolBar1->addAction(acao);
        ToolBar1->widgetForAction(acao)->setObjectName(QString::fromLatin1(nome));
    };
    botao(actNovo, "btnNovo");
    ToolBar1->addSeparator();
    botao(actAbrir, "btnAbrirArquivo");
    botao(actSalvar, "btnSalvarArquivo");
    ToolBar1->addSeparator();
    botao(actImprimir, "btnImprimir");
    ToolBar1->addSeparator();
    botao(actPreview, "btnPreview");
    ToolBar1->addSeparator();
    botao(actDefletor, "ToolButton1");
    botao(actFlecha, "ToolButton4");
    botao(actAnalise, "btnAnalise");
    botao(actTolerancias, "btnTolerancias");
    botao(actDesenho, "btnDesenho");
    botao(actIluminacao, "btnIluminacao");
    botao(actEspelhos, "btnEspelhos");
    ToolBar1->addSeparator();
    botao(actSair, "btnSair");
}

void TfrmTeluvar::montarEntradas(QWidget* central) {
    GroupBox1 = new QGroupBox(TextoRecurso(Recursos::GrupoDados), central);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(5, 30, 241, 226);

    auto rotulo = [this](const char* nome, const char* texto, int topo) {
        auto* label = new QLabel(TextoRecurso(texto), GroupBox1);
        label->setObjectName(QString::fromLatin1(nome));
        label->move(7, topo);
        label->adjustSize();
        return label;
    };
    using namespace Recursos;
    rotulo("Label1", RotuloDescricao, 20);
    edtTitulo = new QLineEdit(GroupBox1);
    edtTitulo->setObjectName(QStringLiteral("edtTitulo"));
    edtTitulo->setGeometry(7, 35, 227, 21);
    edtTitulo->setMaxLength(255);
    connect(edtTitulo, &QLineEdit::textChanged, this,
            Protegido(this, &TfrmTeluvar::edtTituloChange));

    auto numero = [this](const char* nome, int topo, int largura, void (TfrmTeluvar::*m)()) {
        auto* campo = new TNumberEdit(GroupBox1);
        campo->setObjectName(QString::fromLatin1(nome));
        campo->setGeometry(143, topo, largura, 21);
        connect(campo, &TNumberEdit::changed, this, Protegido(this, m));
        return campo;
    };
    rotulo("Label2", RotuloD1, 63);
    edtD1 = numero("edtD1", 59, 91, &TfrmTeluvar::edtD1Change);
    rotulo("Label3", RotulofD, 88);
    edtfD = numero("edtfD", 84, 91, &TfrmTeluvar::edtfDChange);
    QLabel* coeficiente = rotulo("Label4", RotuloGamma, 113);
    edty = numero("edty", 109, 91, &TfrmTeluvar::edtyChange);
    rotulo("Label5", RotuloE, 138);
    edte = numero("edte", 134, 91, &TfrmTeluvar::edteChange);
    rotulo("Label6", RotuloI, 163);
    edti = numero("edti", 159, 68, &TfrmTeluvar::edtiChange);

    // A screen reader names each input by its caption (the gamma in place of the blanks drawn
    // over), not by the group's title.
    const auto nomeAcessivel = [](const QLabel* legenda) {
        QString nome = legenda->text();
        nome.remove(u'&');
        const qsizetype abre = nome.indexOf(u'('), fecha = nome.indexOf(u')');
        if (abre >= 0 && fecha > abre && nome.mid(abre + 1, fecha - abre - 1).trimmed().isEmpty())
            nome.replace(abre + 1, fecha - abre - 1, TextoRecurso(Gamma));
        nome = nome.trimmed();
        if (nome.endsWith(u':')) nome.chop(1);
        return nome;
    };
    const std::pair<QWidget*, const char*> legendas[] = {{edtTitulo, "Label1"}, {edtD1, "Label2"},
                                                         {edtfD, "Label3"},     {edty, "Label4"},
                                                         {edte, "Label5"},      {edti, "Label6"}};
    for (const auto& [campo, legenda] : legendas)
        if (const auto* rotuloCampo = GroupBox1->findChild<QLabel*>(QString::fromLatin1(legenda)))
            campo->setAccessibleName(nomeAcessivel(rotuloCampo));

    // The gamma between the parentheses of the magnification's caption.
    auto* gamma = new QLabel(TextoRecurso(Gamma), GroupBox1);
    gamma->setObjectName(QStringLiteral("Label7"));
    QFont fonteGamma(QStringLiteral("Liberation Serif"));
    fonteGamma.setPixelSize(17);
    gamma->setFont(fonteGamma);
    gamma->adjustSize();
    // Centred in the blanks between the parentheses, whatever the width of the window font.
    const QFontMetrics metricas(coeficiente->font());
    const QString legenda = coeficiente->text();
    const qsizetype parentese = legenda.indexOf(u'(') + 1;
    const int abre = metricas.horizontalAdvance(legenda.left(parentese));
    const int brancos =
        metricas.horizontalAdvance(legenda.mid(parentese, legenda.indexOf(u')') - parentese));
    gamma->move(7 + abre + (brancos - gamma->width()) / 2, 107);

    btnDiametroCampo = new QToolButton(GroupBox1);
    btnDiametroCampo->setObjectName(QStringLiteral("btnDiametroCampo"));
    btnDiametroCampo->setGeometry(213, 159, 21, 21);
    btnDiametroCampo->setAutoRaise(true);
    btnDiametroCampo->setFocusPolicy(Qt::NoFocus);
    btnDiametroCampo->setIcon(IconeSvg(QStringLiteral(":/app/reticencias.svg")));
    btnDiametroCampo->setIconSize(QSize(16, 16));
    connect(btnDiametroCampo, &QToolButton::clicked, this,
            Protegido(this, &TfrmTeluvar::btnDiametroCampoClick));

    btnOk =
        new QPushButton(IconeSvg(QStringLiteral(":/app/ok.svg")), TextoRecurso(BotaoOk), GroupBox1);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(83, 194, 75, 25);
    btnOk->setAutoDefault(false);
    btnOk->setDefault(false);
    connect(btnOk, &QPushButton::clicked, this, Protegido(this, &TfrmTeluvar::btnOkClick));
}

void TfrmTeluvar::montarDiagrama(QWidget* central) {
    Panel1 = new TPainelChanfrado(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(250, 35, 535, 310);
    Image2 = new TImagemSvg(QStringLiteral(":/app/diagrama.svg"), Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(2, 2, 531, 306);
    Image2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& ponto) { PopupMenu1->popup(Image2->mapToGlobal(ponto)); });

    using L = TRotulo::Largura;
    auto rotulo = [this](const char* nome, L modo, int x, int y, int largura = 0,
                         Qt::Alignment alinhamento = Qt::AlignLeft) {
        auto* r = new TRotulo(Panel1, nome, modo, x, y, largura, alinhamento);
        // Clicks go through to the picture, so its popup menu opens over the labels too.
        r->setAttribute(Qt::WA_TransparentForMouseEvents);
        return r;
    };
    lblD1 = rotulo("lblD1", L::AutoEsquerda, 434, 11);
    lblr1 = rotulo("lblr1", L::AutoDireita, 363, 41);
    lblD2 = rotulo("lblD2", L::AutoDireita, 191, 75);
    lblr2 = rotulo("lblr2", L::AutoDireita, 166, 98);
    lblf = rotulo("lblf", L::Fixa, 115, 191, 292, Qt::AlignHCenter);
    lbld = rotulo("lbld", L::Fixa, 197, 223, 210, Qt::AlignHCenter);
    lble = rotulo("lble", L::Fixa, 409, 223, 59, Qt::AlignHCenter);
    lblp1 = rotulo("lblp1", L::Fixa, 115, 240, 80, Qt::AlignHCenter);
    lblp2 = rotulo("lblp2", L::Fixa, 197, 240, 270, Qt::AlignHCenter);
    lblTxObstrucao = rotulo("lblTxObstrucao", L::AutoEsquerda, 9, 16);
    lblFSistema = rotulo("lblFSistema", L::AutoEsquerda, 9, 29);
    lblFD1 = rotulo("lblFD1", L::AutoEsquerda, 9, 42);
    lblAviso = CriarAviso(Panel1, 6, 304, 523);
    lblAviso->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TfrmTeluvar::montarListas(QWidget* central) {
    ListView2 = new QTreeWidget(central);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setGeometry(5, 260, 241, 176);
    using namespace Recursos;
    ConfigurarListaRelatorio(ListView2, {{TextoRecurso(ColunaDescricao), 160, Qt::AlignLeft},
                                         {TextoRecurso(ColunaValor), 57, Qt::AlignRight}});

    ListView1 = new QTreeWidget(central);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(250, 350, 535, 86);
    ConfigurarListaRelatorio(ListView1, {{TextoRecurso(ColunaDescricao), 233, Qt::AlignLeft},
                                         {TextoRecurso(Classico), 93, Qt::AlignHCenter},
                                         {TextoRecurso(DallKirkham), 93, Qt::AlignHCenter},
                                         {TextoRecurso(RitcheyChretien), 93, Qt::AlignHCenter}});

    for (QTreeWidget* lista : {ListView2, ListView1}) {
        lista->installEventFilter(this);
        ConectarSelecao(lista, Protegido(this, &TfrmTeluvar::ListView2SelectItem));
    }
}

void TfrmTeluvar::montarDialogos() {
    auto dialogo = [this](const char* nome, QFileDialog::AcceptMode modo) {
        const QString pasta = PastaInicialDialogos();
        auto* d = new QFileDialog(this, QString(), pasta, TextoRecurso(Recursos::FiltroArquivo));
        d->setObjectName(QString::fromLatin1(nome));
        d->setAcceptMode(modo);
        d->setFileMode(QFileDialog::AnyFile);
        d->setDefaultSuffix(QStringLiteral("tlv"));
        d->setOption(QFileDialog::DontConfirmOverwrite);
        return d;
    };
    OpenDialog1.criar = [dialogo] { return dialogo("OpenDialog1", QFileDialog::AcceptOpen); };
    SaveDialog1.criar = [dialogo] { return dialogo("SaveDialog1", QFileDialog::AcceptSave); };
}

// ---- creation -------------------------------------------------------------------------------

void TfrmTeluvar::FormCreate() {
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* tela = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
    TDocumento::Mudanca mudanca;
    TDocumento::Atual().Limpar();
    CalcularProjeto();
}

// ---- computations ---------------------------------------------------------------------------

void TfrmTeluvar::CalcularProjeto() {
    EscreverRotulos<RotulosProjeto, 12>({lbld, lble, lblp1, lblp2, lblD2, lblr2, lblf, lblr1, lblD1,
                                         lblFSistema, lblTxObstrucao, lblFD1},
                                        ::CalcularProjeto(Projeto));
    MostrarAvisos(lblAviso, AvisosProjeto(Projeto));
    TDocumento::Atual().Alterado();
}

void TfrmTeluvar::CarregarDados() {
    edtD1->setValue(Projeto.D1);
    edtfD->setValue(Projeto.fD1);
    edty->setValue(Projeto.gamma);
    edte->setValue(Projeto.e);
    edti->setValue(Projeto.i);
    edtTitulo->setText(TituloTexto(Projeto));
}

void TfrmTeluvar::MostrarResultados() {
    const Resultados r = relatorioProjeto.Atualizar();
    EsvaziarListas();
    for (const LinhaComparacao& linha : r.comparacao) {
        auto* item = new QTreeWidgetItem(
            ListView1, {linha.descricao, linha.classico, linha.dallKirkham, linha.ritcheyChretien});
        for (int coluna = 1; coluna <= 3; ++coluna)
            item->setTextAlignment(coluna, Qt::AlignCenter);
    }
    for (const LinhaResultado& linha : r.resultados) {
        auto* item = new QTreeWidgetItem(ListView2, {linha.descricao, linha.valor});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    // A number is never cut: the value column widens to its longest text (from its designed
    // 57 pixels) and the description gives way.
    int valor = 57;
    for (const LinhaResultado& linha : r.resultados)
        valor = std::max(valor, ListView2->fontMetrics().horizontalAdvance(linha.valor) + 8);
    ListView2->setColumnWidth(1, valor);
    ListView2->setColumnWidth(0, 160 + 57 - valor);
}

// ---- input changes --------------------------------------------------------------------------

// An input into the record, then the layout: the design's one change signal comes after both.
void TfrmTeluvar::definirEntrada(double TProjeto::*campo, double valor) {
    TDocumento::Mudanca mudanca;
    TDocumento::Atual().DefinirEntrada(campo, valor);
    CalcularProjeto();
}

void TfrmTeluvar::edtTituloChange() {
    DefinirTitulo(Projeto, edtTitulo->text());
}

void TfrmTeluvar::edtD1Change() {
    definirEntrada(&TProjeto::D1, edtD1->Value());
}

void TfrmTeluvar::edtfDChange() {
    definirEntrada(&TProjeto::fD1, edtfD->Value());
}

void TfrmTeluvar::edtyChange() {
    definirEntrada(&TProjeto::gamma, edty->Value());
}

void TfrmTeluvar::edteChange() {
    definirEntrada(&TProjeto::e, edte->Value());
}

void TfrmTeluvar::edtiChange() {
    definirEntrada(&TProjeto::i, edti->Value());
}

// ---- buttons --------------------------------------------------------------------------------

void TfrmTeluvar::btnOkClick() {
    CursorAmpulheta ampulheta;
    MostrarResultados();
    // A list that keeps the focus gets no enter event: run its enter handling all the same.
    if (ListView2->hasFocus())
        ListView2Enter(ListView2);
    else
        ListView2->setFocus(Qt::OtherFocusReason);
}

void TfrmTeluvar::btnDiametroCampoClick() {
    const double diametro = PerguntarDiametroCampo();
    if (diametro != 0) edti->setValue(diametro);
}

double TfrmTeluvar::executarDiametroCampo() {
    TfrmDiametroCampo frmDiametroCampo(this);
    return frmDiametroCampo.Executar();
}

QString TfrmTeluvar::abrirDialogo(QFileDialog* dialogo) {
    if (dialogo->exec() != QDialog::Accepted) return {};
    const QString nome = dialogo->selectedFiles().value(0);
    if (!nome.isEmpty()) dialogo->selectFile(nome); // the next use starts from the name chosen now
    return nome;
}

// ---- actions --------------------------------------------------------------------------------

void TfrmTeluvar::actNovoExecute() {
    TDocumento::Mudanca mudanca;
    TDocumento::Atual().Limpar();
    if (dtDados.Active() && dtDados.RecordCount() > 0) dtDados.EmptyTable();
    EsvaziarListas();
    CarregarDados();
    TDocumento::Atual().Alterado();
}

void TfrmTeluvar::actAbrirExecute() {
    const QString nome = PerguntarArquivoAbrir();
    if (nome.isEmpty()) return;
    AbrirArquivo(nome);
}

void TfrmTeluvar::AbrirArquivo(const QString& nome) {
    CursorAmpulheta ampulheta;
    TDocumento::Mudanca mudanca;
    LerArquivo(Projeto, nome);
    CalcularProjeto();
    CarregarDados();
    MostrarResultados();
}

void TfrmTeluvar::actSalvarExecute() {
    const QString nome = PerguntarArquivoSalvar();
    if (nome.isEmpty()) return;
    GravarArquivo(Projeto, nome);
}

void TfrmTeluvar::rpReport1BeginDoc() {
    relatorioProjeto.Preencher();
}

void TfrmTeluvar::actPreviewExecute() {
    VisualizarRelatorio(
        this, rpReport1, [this] { btnOkClick(); }, TextoRecurso(Recursos::PreviewProjeto));
}

void TfrmTeluvar::actConfigurarImpressoraExecute() {
    ConfigurarImpressora(this);
}

void TfrmTeluvar::actImprimirExecute() {
    ImprimirRelatorio(this, rpReport1, [this] { btnOkClick(); });
}

void TfrmTeluvar::actExportarPdfExecute() {
    ExportarRelatorioPdf(
        this, rpReport1, [this] { btnOkClick(); }, TituloTexto(Projeto));
}

void TfrmTeluvar::actExportarPrescricaoExecute() {
    ExportarPrescricao(this);
}

void TfrmTeluvar::actImportarPrescricaoExecute() {
    ImportarPrescricaoJanela(*this);
}

void TfrmTeluvar::CarregarProjeto(const TProjeto& projeto) {
    CursorAmpulheta ampulheta;
    TDocumento::Mudanca mudanca;
    Projeto = projeto;
    CalcularProjeto();
    CarregarDados();
    // A field whose text changed stored its two-decimal value: the design's own comes back.
    for (double TProjeto::*campo :
         {&TProjeto::D1, &TProjeto::fD1, &TProjeto::gamma, &TProjeto::e, &TProjeto::i})
        Projeto.*campo = projeto.*campo;
    CalcularProjeto();
    MostrarResultados();
}

void TfrmTeluvar::actSairExecute() {
    close();
}

void TfrmTeluvar::actDefletorExecute() {
    // A new baffle window each time; it deletes itself when it closes.
    auto* frmDefletor = new TfrmDefletor(this);
    frmDefletor->exec();
}

void TfrmTeluvar::actFlechaExecute() {
    TfrmFlecha frmFlecha(this);
    frmFlecha.exec();
}

// The live windows: one instance each, modeless, following every change of the design.
template <typename Janela>
static void MostrarJanelaViva(QPointer<Janela>& janela, TfrmTeluvar* dono) {
    if (!janela) {
        janela = new Janela(dono);
        janela->setWindowFlag(Qt::Window);
        janela->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(dono, &TfrmTeluvar::projetoAlterado, janela, &Janela::Recalcular);
    }
    janela->Recalcular();
    janela->show();
    janela->raise();
    janela->activateWindow();
}

void TfrmTeluvar::actAnaliseExecute() {
    MostrarJanelaViva(frmAnalise, this);
}

void TfrmTeluvar::actToleranciasExecute() {
    MostrarJanelaViva(frmTolerancias, this);
}

void TfrmTeluvar::actDesenhoExecute() {
    MostrarJanelaViva(frmDesenho, this);
}

void TfrmTeluvar::actIluminacaoExecute() {
    MostrarJanelaViva(frmIluminacao, this);
}

void TfrmTeluvar::actEspelhosExecute() {
    MostrarJanelaViva(frmEspelhos, this);
}

void TfrmTeluvar::actSobreExecute() {
    TfrmSobre frmSobre(this);
    frmSobre.exec();
}

// ---- lists and status bar -------------------------------------------------------------------

bool TfrmTeluvar::eventFilter(QObject* objeto, QEvent* evento) {
    auto* lista = qobject_cast<QTreeWidget*>(objeto);
    if (lista && (lista == ListView1 || lista == ListView2)) {
        const Foco foco = FocoEntreControles(evento);
        if (foco == Foco::Entrada)
            Proteger(this, [&] { ListView2Enter(lista); });
        else if (foco == Foco::Saida)
            Proteger(this, [&] { ListView2Exit(lista); });
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void TfrmTeluvar::ListView2Enter(QTreeWidget* lista) {
    const QList<QTreeWidgetItem*> selecionados = lista->selectedItems();
    if (!selecionados.isEmpty())
        StatusBar1Texto->setText(selecionados.first()->text(0));
    else if (lista->topLevelItemCount() > 0)
        lista->setCurrentItem(lista->topLevelItem(0)); // selecting it shows it
}

// Both lists emptied; the status bar too when one of them has the focus (no row is selected).
void TfrmTeluvar::EsvaziarListas() {
    const bool focada1 = EsvaziarLista(ListView1);
    const bool focada2 = EsvaziarLista(ListView2);
    if (focada1 || focada2) StatusBar1Texto->clear();
}

void TfrmTeluvar::ListView2Exit(QTreeWidget*) {
    StatusBar1Texto->clear();
}

// Only the focused list speaks: a list recomputed while the focus is elsewhere leaves the
// status bar alone.
void TfrmTeluvar::ListView2SelectItem(QTreeWidgetItem* item) {
    if (!item->treeWidget()->hasFocus()) return;
    StatusBar1Texto->setText(item->text(0));
}
