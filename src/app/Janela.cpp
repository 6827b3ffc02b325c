// Helpers shared by every window: fonts, error box, guarded handlers, cursor, pictures, labels.
#include "Janela.h"

#include "ArquivoRegular.h"
#include "Dialogos.h"
#include "Global.h"
#include "NumberEdit.h"
#include "Recursos.h"

#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QSvgRenderer>
#include <QTreeWidget>
#include <algorithm>
#include <unistd.h>

// ---- fonts ----------------------------------------------------------------------------------

namespace {

QFont FonteRotulo() {
    QFont fonte(QStringLiteral("Liberation Serif"));
    fonte.setStyleHint(QFont::Serif);
    fonte.setPixelSize(11);
    fonte.setBold(true);
    fonte.setItalic(true);
    return fonte;
}
} // namespace

QFont FonteJanela() {
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPixelSize(11);
    return fonte;
}

QFont FonteArial(int pixels, bool negrito) {
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setStyleHint(QFont::SansSerif);
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

// ---- error box ------------------------------------------------------------------------------

QString TextoErro(const QString& mensagem) {
    if (!mensagem.isEmpty() && mensagem.back().unicode() > u'.') return mensagem + u'.';
    return mensagem;
}

void MostrarErro(const QObject* origem, const QString& mensagem) {
    DialogosDe(origem).erro(TextoErro(mensagem));
}

QString MensagemExcecao(const std::exception& erro) {
    if (const auto* arquivo = dynamic_cast<const ErroArquivo*>(&erro)) return arquivo->mensagem();
    return QString::fromUtf8(erro.what());
}

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {
    // The name only: a display name would be appended by the window system to every caption.
    setApplicationName(TextoRecurso(Recursos::TituloAplicacao));
    setFont(FonteJanela());
    // A numeric field left with a text that doesn't parse reports it in the error box.
    TNumberEdit::ErrorHandler = [](QWidget* campo, const QString& mensagem) {
        MostrarErro(campo, mensagem);
    };
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& erro) {
        MostrarErro(receptor, MensagemExcecao(erro));
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

QComboBox* CriarComboVariante(QWidget* pai, const char* nome) {
    auto* combo = new QComboBox(pai);
    combo->setObjectName(QLatin1String(nome));
    for (const char* v : {Recursos::Classico, Recursos::DallKirkham, Recursos::RitcheyChretien})
        combo->addItem(TextoRecurso(v));
    combo->setCurrentIndex(VarianteRitcheyChretien);
    return combo;
}

// ---- SVG pictures ---------------------------------------------------------------------------

QLabel* CriarAviso(QWidget* pai, int x, int base, int largura, int topo) {
    auto* aviso = new QLabel(pai);
    aviso->setObjectName(QStringLiteral("lblAviso"));
    aviso->setWordWrap(true);
    aviso->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    aviso->setMargin(2);
    aviso->setStyleSheet(QStringLiteral(
        "QLabel { color: #b00000; background: #fff8d0; border: 1px solid #d0a000; }"));
    aviso->setProperty("base", base);
    aviso->setProperty("topo", topo);
    aviso->setGeometry(x, base, largura, 0);
    aviso->hide();
    return aviso;
}

void MostrarAvisos(QLabel* aviso, const QStringList& avisos) {
    aviso->setText(avisos.join(u'\n'));
    aviso->setAccessibleName(aviso->text());
    if (avisos.isEmpty()) {
        aviso->hide();
        return;
    }
    const int base = aviso->property("base").toInt(), topo = aviso->property("topo").toInt();
    const int altura = aviso->heightForWidth(aviso->width());
    aviso->setGeometry(aviso->x(), topo >= 0 ? topo : base - altura, aviso->width(), altura);
    aviso->show();
    aviso->raise();
}

void AjustarATela(QWidget* janela, QSize desejado) {
    const QScreen* tela = janela->screen() ? janela->screen() : QGuiApplication::primaryScreen();
    if (tela) {
        // Room for a title bar and the frame, which the window manager adds around it.
        constexpr int Titulo = 40, Borda = 16;
        const QRect livre = tela->availableGeometry();
        desejado = desejado.boundedTo(QSize(livre.width() - Borda, livre.height() - Titulo));
    }
    janela->resize(desejado.expandedTo(janela->minimumSizeHint()));
}

QString PastaInicialDialogos(const QString& pastaPrograma) {
    if (!pastaPrograma.isEmpty() && ::access(BytesDoNome(pastaPrograma).constData(), W_OK) == 0)
        return pastaPrograma;
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documentos.isEmpty() && QDir(documentos).exists() ? documentos : QDir::homePath();
}

QString PastaInicialDialogos() {
    return PastaInicialDialogos(QCoreApplication::applicationDirPath());
}

QIcon IconeSvg(const QString& recurso) {
    return QIcon(recurso);
}

TImagemSvg::TImagemSvg(const QString& recurso, QWidget* parent)
    : QWidget(parent), m_renderer(new QSvgRenderer(recurso, this)) {}

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

TRotulo::TRotulo(QWidget* parent, const char* nome, Largura modo, int x, int y, int largura,
                 Qt::Alignment alinhamento)
    : QLabel(parent), m_modo(modo), m_x(x), m_largura(largura) {
    setObjectName(QString::fromLatin1(nome));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(alinhamento | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setGeometry(x, y, largura, 14);
    setFont(FonteRotulo());
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, Qt::red);
    setPalette(paleta);
}

void TRotulo::definirTexto(const QString& texto) {
    setText(texto);
    const int largura = QFontMetrics(font()).horizontalAdvance(texto) + 1;
    if (m_modo == Largura::Fixa) {
        // A text wider than its place grows from it (about its centre when centred), never cut.
        const int crescer = std::max(0, largura - m_largura);
        const int esquerda = alignment() & Qt::AlignHCenter ? m_x - crescer / 2
                             : alignment() & Qt::AlignRight ? m_x - crescer
                                                            : m_x;
        setGeometry(esquerda, y(), m_largura + crescer, height());
        return;
    }
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

void CentrarNoDono(QWidget* janela, QWidget* dono) {
    if (!dono) return;
    const QRect area = dono->window()->frameGeometry();
    janela->move(area.center() - QPoint(janela->width() / 2, janela->height() / 2));
}

void ConectarSelecao(QTreeWidget* lista, std::function<void(QTreeWidgetItem*)> selecionar) {
    QObject::connect(
        lista->selectionModel(), &QItemSelectionModel::selectionChanged, lista,
        [lista, selecionar](const QItemSelection& selecionados, const QItemSelection& desmarcados) {
            for (const QItemSelection* s : {&desmarcados, &selecionados})
                for (const QModelIndex& indice : s->indexes())
                    if (indice.column() == 0)
                        if (auto* item = lista->topLevelItem(indice.row())) selecionar(item);
        });
}

bool EsvaziarLista(QTreeWidget* lista) {
    {
        const QSignalBlocker bloqueio(lista->selectionModel());
        lista->clear();
    }
    return lista->hasFocus();
}

Foco FocoEntreControles(const QEvent* evento) {
    if (evento->type() != QEvent::FocusIn && evento->type() != QEvent::FocusOut)
        return Foco::Nenhum;
    const Qt::FocusReason razao = static_cast<const QFocusEvent*>(evento)->reason();
    if (razao == Qt::ActiveWindowFocusReason || razao == Qt::PopupFocusReason ||
        razao == Qt::MenuBarFocusReason)
        return Foco::Nenhum;
    return evento->type() == QEvent::FocusIn ? Foco::Entrada : Foco::Saida;
}
