// Helpers shared by every window: font, error box, hourglass cursor, SVG pictures, labels.
#include "Janela.h"

#include "Global.h"
#include "Recursos.h"

#include <QCursor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QSvgRenderer>
#include <QTreeWidget>

void IniciarRecursosApp(); // resources/app: registers the compiled pictures

void IniciarRecursos() {
    static const bool iniciado = [] {
        IniciarRecursosApp();
        return true;
    }();
    (void)iniciado;
}

// ---- fonts ----------------------------------------------------------------------------------

QFont FonteJanela() {
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPixelSize(11);
    return fonte;
}

QFont FonteRotulo() {
    QFont fonte(QStringLiteral("Liberation Serif"));
    fonte.setStyleHint(QFont::Serif);
    fonte.setPixelSize(11);
    fonte.setBold(true);
    fonte.setItalic(true);
    return fonte;
}

QFont FonteArial(int pixels, bool negrito) {
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

void AplicarFonte(QApplication& app) {
    IniciarRecursos();
    app.setFont(FonteJanela());
}

// ---- error box ------------------------------------------------------------------------------

QString TextoErro(const QString& mensagem) {
    if (!mensagem.isEmpty() && mensagem.back().unicode() > u'.') return mensagem + u'.';
    return mensagem;
}

namespace {
ManipuladorErro& manipuladorAtual() {
    static ManipuladorErro manipulador;
    return manipulador;
}
} // namespace

void CaixaErro(const QString& texto) {
    QMessageBox caixa(QMessageBox::Critical, QString::fromUtf8(Recursos::TituloAplicacao), texto,
                      QMessageBox::Ok, QApplication::activeWindow());
    caixa.setObjectName(QStringLiteral("CaixaErro"));
    caixa.exec();
}

void MostrarErro(const QString& mensagem) {
    const QString texto = TextoErro(mensagem);
    if (const auto& manipulador = manipuladorAtual())
        manipulador(texto);
    else
        CaixaErro(texto);
}

ManipuladorErro DefinirManipuladorErro(ManipuladorErro manipulador) {
    return std::exchange(manipuladorAtual(), std::move(manipulador));
}

QString MensagemExcecao(const std::exception& erro) {
    if (const auto* arquivo = dynamic_cast<const ErroArquivo*>(&erro)) return arquivo->mensagem();
    return QString::fromUtf8(erro.what());
}

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {
    // The name only: a display name would be appended by the window system to every caption.
    setApplicationName(QString::fromUtf8(Recursos::TituloAplicacao));
    AplicarFonte(*this);
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& erro) {
        MostrarErro(MensagemExcecao(erro));
        return false;
    }
}

// ---- cursor ---------------------------------------------------------------------------------

CursorAmpulheta::CursorAmpulheta() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}
CursorAmpulheta::~CursorAmpulheta() {
    QApplication::restoreOverrideCursor();
}

// ---- SVG pictures ---------------------------------------------------------------------------

QIcon IconeSvg(const QString& recurso) {
    IniciarRecursos();
    return QIcon(recurso);
}

QPixmap PixmapSvg(const QString& recurso, QSize tamanho, qreal razaoPixel) {
    IniciarRecursos();
    QPixmap pixmap(tamanho * razaoPixel);
    pixmap.setDevicePixelRatio(razaoPixel);
    pixmap.fill(Qt::transparent);
    QPainter pintor(&pixmap);
    DesenharSvg(pintor, recurso, QRectF(QPointF(0, 0), QSizeF(tamanho)));
    return pixmap;
}

void DesenharSvg(QPainter& pintor, const QString& recurso, const QRectF& destino) {
    IniciarRecursos();
    QSvgRenderer renderer(recurso);
    renderer.render(&pintor, destino);
}

TImagemSvg::TImagemSvg(const QString& recurso, QWidget* parent)
    : QWidget(parent), m_recurso(recurso) {
    IniciarRecursos();
    m_renderer = new QSvgRenderer(recurso, this);
}

void TImagemSvg::paintEvent(QPaintEvent*) {
    // Drawn once per size and screen scale, so repaints under the labels stay cheap.
    const qreal razao = devicePixelRatioF();
    if (m_cache.isNull() || m_cache.deviceIndependentSize() != QSizeF(size()) ||
        m_cache.devicePixelRatio() != razao) {
        m_cache = QPixmap(size() * razao);
        m_cache.setDevicePixelRatio(razao);
        m_cache.fill(Qt::transparent);
        QPainter desenho(&m_cache);
        desenho.setRenderHint(QPainter::Antialiasing);
        m_renderer->render(&desenho, QRectF(rect()));
    }
    QPainter pintor(this);
    pintor.drawPixmap(0, 0, m_cache);
}

// ---- panels and labels ----------------------------------------------------------------------

TPainelChanfrado::TPainelChanfrado(QWidget* parent) : QWidget(parent) {}

void TPainelChanfrado::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    const QPalette& paleta = palette();
    const int w = width() - 1, h = height() - 1;
    // Outer bevel, lowered: shadow top and left, light bottom and right.
    pintor.setPen(paleta.color(QPalette::Dark));
    pintor.drawLine(0, 0, w - 1, 0);
    pintor.drawLine(0, 0, 0, h - 1);
    pintor.setPen(paleta.color(QPalette::Light));
    pintor.drawLine(0, h, w, h);
    pintor.drawLine(w, 0, w, h);
    // Inner bevel, raised: light top and left, shadow bottom and right.
    pintor.setPen(paleta.color(QPalette::Light));
    pintor.drawLine(1, 1, w - 2, 1);
    pintor.drawLine(1, 1, 1, h - 2);
    pintor.setPen(paleta.color(QPalette::Dark));
    pintor.drawLine(1, h - 1, w - 1, h - 1);
    pintor.drawLine(w - 1, 1, w - 1, h - 1);
}

TRotulo::TRotulo(QWidget* parent, const char* nome, Largura modo, int x, int y, int altura,
                 int largura, Qt::Alignment alinhamento)
    : QLabel(parent), m_modo(modo), m_x(x) {
    setObjectName(QString::fromLatin1(nome));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(alinhamento | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setGeometry(x, y, largura, altura);
}

void TRotulo::definirTexto(const QString& texto) {
    setText(texto);
    if (m_modo == Largura::Fixa) return;
    const int largura = QFontMetrics(font()).horizontalAdvance(texto) + 1;
    const int esquerda = m_modo == Largura::AutoDireita ? m_x - largura : m_x;
    setGeometry(esquerda, y(), largura, height());
}

namespace {
// Draws every cell with a thin line on its right and bottom edges: the list's grid.
class DelegadoGrade : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao,
               const QModelIndex& indice) const override {
        QStyledItemDelegate::paint(pintor, opcao, indice);
        pintor->save();
        pintor->setPen(opcao.palette.color(QPalette::Midlight));
        const QRect r = opcao.rect;
        pintor->drawLine(r.topRight(), r.bottomRight());
        pintor->drawLine(r.bottomLeft(), r.bottomRight());
        pintor->restore();
    }
};
} // namespace

void ConfigurarListaRelatorio(QTreeWidget* lista, const QList<ColunaLista>& colunas) {
    lista->setColumnCount(static_cast<int>(colunas.size()));
    lista->setRootIsDecorated(false);
    lista->setItemsExpandable(false);
    lista->setUniformRowHeights(true);
    lista->setAllColumnsShowFocus(true);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista->setSortingEnabled(false);
    lista->setItemDelegate(new DelegadoGrade(lista));
    QHeaderView* cabecalho = lista->header();
    cabecalho->setSectionsClickable(false);
    cabecalho->setSectionsMovable(false);
    cabecalho->setStretchLastSection(false);
    QTreeWidgetItem* titulos = lista->headerItem();
    for (int k = 0; k < colunas.size(); ++k) {
        titulos->setText(k, colunas[k].titulo);
        titulos->setTextAlignment(k, colunas[k].alinhamento | Qt::AlignVCenter);
        lista->setColumnWidth(k, colunas[k].largura);
    }
}
