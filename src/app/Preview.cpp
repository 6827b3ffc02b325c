// The preview window: tool bar, zoom box and the preview control showing a report's pages.
#include "Preview.h"

#include "Dialogos.h"

#include "Global.h"
#include "Impressora.h"
#include "Janela.h"
#include "Recursos.h"
#include "rpPdf.h"
#include "rpPrepared.h"
#include "rpPreview.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int ZoomMinimo = 20;
constexpr int ZoomMaximo = 200;
constexpr int PassoZoom = 20;
// The host's conversion message (English, like the engine's own texts).
const char* const MensagemInteiroInvalido = "'%1' is not a valid integer value";
} // namespace

// ---------------------------------------------------------------------------------------------
TfrmPreview::TfrmPreview(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    resize(653, 524);

    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(27);

    btnAbrir = criarBotao("btnAbrir", 0, "abrir", TextoRecurso(Recursos::DicaAbrirRelatorio));
    btnSalvar = criarBotao("btnSalvar", 24, "salvar", TextoRecurso(Recursos::DicaSalvarRelatorio));
    criarSeparador(48);
    btnConfigurarImpressora = criarBotao("btnConfigurarImpressora", 56, "configurar",
                                         TextoRecurso(Recursos::DicaConfigurarImpressora));
    btnImprimir = criarBotao("btnImprimir", 80, "imprimir", TextoRecurso(Recursos::DicaImprimir));
    btnPdf = criarBotao("btnPdf", 104, "pdf", TextoRecurso(Recursos::DicaExportarPdf));
    criarSeparador(128);
    btnZoomIn = criarBotao("btnZoomIn", 136, "zoomin", QString());

    Panel1 = new QWidget(ToolBar1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(160, 2, 71, 22);
    Panel1->setToolTip(TextoRecurso(Recursos::DicaZoom));
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(0, 0, 40, 21);
    Edit1->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    UpDown1 = new TUpDown(Panel1);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(40, 0, 15, 21);
    UpDown1->setRange(ZoomMinimo, ZoomMaximo);
    UpDown1->setPosition(ZoomMinimo);
    UpDown1->setAssociate(Edit1);
    Label1 = new QLabel(TextoRecurso(Recursos::PreviewPorcento), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont negrito = Label1->font();
    negrito.setBold(true);
    Label1->setFont(negrito);
    Label1->move(58, 4);
    Label1->adjustSize();

    btnZoomOut = criarBotao("btnZoomOut", 231, "zoomout", QString());
    criarSeparador(255);
    btnAjustarAPagina =
        criarBotao("btnAjustarAPagina", 263, "pagina", TextoRecurso(Recursos::DicaAjustarAPagina));
    btnAjustarALargura = criarBotao("btnAjustarALargura", 287, "largura",
                                    TextoRecurso(Recursos::DicaAjustarALargura));
    criarSeparador(311);
    btnSair = criarBotao("btnSair", 319, "sair", TextoRecurso(Recursos::DicaFecharFormulario));

    rpPreview1 = new TrpPreview(this);
    rpPreview1->setPrinter(&ImpressoraAtual());
    rpPreview1->metricasImpressora = MetricasDaImpressora();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(rpPreview1, 1);

    definirTitulo(TextoRecurso(Recursos::PreviewTituloInicial));

    // Centred on the screen.
    if (QScreen* tela = screen()) {
        const QRect area = tela->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    connect(UpDown1, &TUpDown::changingEx, this,
            [this](int v) { Proteger(this, [&] { UpDown1ChangingEx(v); }); });
    connect(btnZoomIn, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnZoomInClick(); }); });
    connect(btnZoomOut, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnZoomOutClick(); }); });
    connect(btnAjustarAPagina, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnAjustarAPaginaClick(); }); });
    connect(btnAjustarALargura, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnAjustarALarguraClick(); }); });
    connect(btnAbrir, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnAbrirClick(); }); });
    connect(btnSalvar, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnSalvarClick(); }); });
    connect(btnImprimir, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnImprimirClick(); }); });
    connect(btnPdf, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnPdfClick(); }); });
    connect(btnConfigurarImpressora, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnConfigurarImpressoraClick(); }); });
    connect(btnSair, &QToolButton::clicked, this,
            [this] { Proteger(this, [&] { btnSairClick(); }); });
    Edit1->installEventFilter(this);
}

QToolButton* TfrmPreview::criarBotao(const char* nome, int esquerda, const char* glifo,
                                     const QString& dica) {
    auto* b = new QToolButton(ToolBar1);
    b->setObjectName(QString::fromLatin1(nome));
    b->setGeometry(esquerda, 2, 24, 22);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(IconeSvg(QStringLiteral(":/app/preview-%1.svg").arg(QLatin1String(glifo))));
    b->setIconSize(QSize(16, 16));
    if (!dica.isEmpty()) b->setToolTip(dica);
    return b;
}

void TfrmPreview::criarSeparador(int esquerda) {
    auto* linha = new QFrame(ToolBar1);
    linha->setFrameShape(QFrame::VLine);
    linha->setFrameShadow(QFrame::Sunken);
    linha->setGeometry(esquerda + 3, 3, 2, 20);
}

void TfrmPreview::definirTitulo(const QString& titulo) {
    m_titulo = titulo;
    setWindowTitle(titulo);
}

void TfrmPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Proteger(this, [&] { FormShow(); });
}

// The window has no cancel button: Escape does not close it.
void TfrmPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmPreview::FormShow() {
    UpDown1->setPosition(int(std::trunc(rpPreview1->zoom())));
}

void TfrmPreview::UpDown1ChangingEx(int novoValor) {
    rpPreview1->setZoom(std::clamp(novoValor, ZoomMinimo, ZoomMaximo));
}

// The step starts from the number in the box, also one typed without Enter (as the
// up-down's own arrows do).
void TfrmPreview::btnZoomInClick() {
    UpDown1->lerDoEdit();
    UpDown1->setPosition(UpDown1->position() + PassoZoom);
}

void TfrmPreview::btnZoomOutClick() {
    UpDown1->lerDoEdit();
    UpDown1->setPosition(UpDown1->position() - PassoZoom);
}

bool TfrmPreview::Edit1KeyPress(QChar tecla) {
    const ushort c = tecla.unicode();
    const bool aceita = (c >= '0' && c <= '9') || c == 8 || c == 9 || c == 13 || c == 27 ||
                        c == 35 || c == 36 || c == 45 || c == 46;
    if (!aceita) return true; // swallowed
    if (c != 13) return false;
    int valor = 0;
    if (!ConverterInteiro(Edit1->text(), valor)) {
        MostrarErro(this, QString::fromLatin1(MensagemInteiroInvalido).arg(Edit1->text()));
        return true;
    }
    if (valor < ZoomMinimo)
        Edit1->setText(QString::number(ZoomMinimo));
    else if (valor > ZoomMaximo)
        Edit1->setText(QString::number(ZoomMaximo));
    UpDown1->lerDoEdit();
    rpPreview1->setZoom(UpDown1->position());
    return true;
}

void TfrmPreview::btnAjustarAPaginaClick() {
    rpPreview1->fitWholePage();
    UpDown1->setPosition(int(std::trunc(rpPreview1->zoom())));
}

void TfrmPreview::btnAjustarALarguraClick() {
    rpPreview1->fitPageWidth();
    UpDown1->setPosition(int(std::trunc(rpPreview1->zoom())));
}

void TfrmPreview::btnAbrirClick() {
    rpPreview1->openFile();
}

void TfrmPreview::btnSalvarClick() {
    rpPreview1->saveFile();
}

void TfrmPreview::btnImprimirClick() {
    rpPreview1->print();
}

void TfrmPreview::btnPdfClick() {
    const TrpPreparedPages* paginas = rpPreview1->pages();
    if (!paginas || paginas->count() == 0) return;
    const QString nome = DialogosDe(this).arquivoPdf(this);
    if (nome.isEmpty()) return;
    CursorAmpulheta ampulheta;
    rpExportarPdf(*paginas, nome, TituloTexto(Projeto));
}

void TfrmPreview::btnConfigurarImpressoraClick() {
    ConfigurarImpressora(this);
}

void TfrmPreview::btnSairClick() {
    close();
}

// The zoom box's keys: Edit1KeyPress for typed characters; the arrow keys step the up-down.
bool TfrmPreview::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Edit1 && evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Up || tecla->key() == Qt::Key_Down) {
            Proteger(this, [&] {
                if (tecla->key() == Qt::Key_Up)
                    UpDown1->subir();
                else
                    UpDown1->descer();
            });
            return true;
        }
        QChar c;
        switch (tecla->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            c = QChar(13);
            break;
        case Qt::Key_Backspace:
            c = QChar(8);
            break;
        case Qt::Key_Escape:
            c = QChar(27);
            break;
        case Qt::Key_Tab:
            c = QChar(9);
            break;
        case Qt::Key_Delete:
            return false; // an editing key like the arrows, though the desktop gives it a text
        default:
            if (!tecla->text().isEmpty()) c = tecla->text().at(0);
        }
        if (c.isNull()) return false; // navigation keys
        bool consumida = false;
        Proteger(this, [&] { consumida = Edit1KeyPress(c); });
        return consumida;
    }
    return QDialog::eventFilter(objeto, evento);
}
