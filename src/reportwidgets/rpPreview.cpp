// The preview control: lays out, draws, scrolls and zooms prepared pages; opens, saves, prints.
#include "rpPreview.h"

#include "rpPrepared.h"
#include "rpPrint.h"
#include "rpTexto.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

namespace {
const QColor CorAreaPaginas(0x80, 0x80, 0x80);
constexpr int PassoPequeno = 10;
constexpr int PassoGrande = 200;
constexpr int Margem = 10;
constexpr int LimiteAbaixo = 2000; // pages further below the top of the view are not drawn

struct OpcaoMenu {
    const char* texto;
    double fator;
    TrpPreview::ZoomMode modo;
};
const OpcaoMenu OpcoesMenu[] = {
    {"200%", 2.0, TrpPreview::ZoomNone},
    {"150%", 1.5, TrpPreview::ZoomNone},
    {"100%", 1.0, TrpPreview::ZoomNone},
    {"75%", 0.75, TrpPreview::ZoomNone},
    {"50%", 0.5, TrpPreview::ZoomNone},
    {"25%", 0.25, TrpPreview::ZoomNone},
    {"10%", 0.1, TrpPreview::ZoomNone},
    {rpTexto::LarguraPagina, 0, TrpPreview::ZoomPageWidth},
    {rpTexto::PaginaInteira, 0, TrpPreview::ZoomWholePage},
    {rpTexto::DuasPaginas, 0, TrpPreview::ZoomTwoPages},
};
constexpr int NumOpcoesMenu = int(sizeof(OpcoesMenu) / sizeof(OpcoesMenu[0]));

// The file name with its last extension replaced by ".rpp".
QString trocarExtensao(const QString& nome) {
    const qsizetype barra = std::max(nome.lastIndexOf(u'/'), nome.lastIndexOf(u'\\'));
    const qsizetype ponto = nome.lastIndexOf(u'.');
    const QString base = (ponto > barra) ? nome.left(ponto) : nome;
    return base + QStringLiteral(".rpp");
}

QString dialogoArquivoReal(QWidget* parent, bool salvar, const QString& filtro) {
    if (salvar) {
        QString selecionado = filtro;
        return QFileDialog::getSaveFileName(parent, QString(), QString(), filtro, &selecionado);
    }
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filtro);
}

bool dialogoImpressaoReal(QWidget* parent, QPrinter& printer, bool setupOnly,
                          TrpPrintChoice& choice) {
    TrpPrintDialog dlg(printer, setupOnly, parent);
    dlg.setChoice(choice);
    if (dlg.exec() != QDialog::Accepted) return false;
    choice = dlg.choice();
    return true;
}
} // namespace

double TrpPreview::s_zoom = 1.0;
TrpPreview::ZoomMode TrpPreview::s_mode = TrpPreview::ZoomNone;

QString rpPageListOf(const TrpPrintChoice& choice, int currentPage) {
    switch (choice.range) {
    case TrpPrintChoice::All:
        return QString();
    case TrpPrintChoice::CurrentPage:
        return QString::number(currentPage);
    case TrpPrintChoice::Numbers:
        return choice.numbers;
    }
    return QString();
}

// ---------------------------------------------------------------------------------------------
// The page area: paints through the control, scrolls by wheel and drag, opens the popup menu.
class TrpPreviewArea : public QWidget {
public:
    explicit TrpPreviewArea(TrpPreview* preview) : QWidget(preview), m_preview(preview) {
        setObjectName(QStringLiteral("PaintBox"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        m_preview->pintar(painter, event->rect());
    }
    void wheelEvent(QWheelEvent* event) override {
        m_restoRoda += event->angleDelta().y();
        const int entalhes = m_restoRoda / 120;
        m_restoRoda -= entalhes * 120;
        if (entalhes != 0) {
            QScrollBar* v = m_preview->m_vbar;
            v->setValue(v->value() - entalhes * 3 * v->singleStep());
        }
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_arrastando = true;
            m_inicio = event->position().toPoint();
            m_inicioH = m_preview->m_hbar->value();
            m_inicioV = m_preview->m_vbar->value();
        } else if (event->button() == Qt::RightButton && m_preview->hasPages()) {
            m_preview->mostrarMenu(event->globalPosition().toPoint());
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!m_arrastando || !(event->buttons() & Qt::LeftButton)) return;
        const QPoint d = event->position().toPoint() - m_inicio;
        m_preview->m_hbar->setValue(m_inicioH - d.x());
        m_preview->m_vbar->setValue(m_inicioV - d.y());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) m_arrastando = false;
    }

private:
    TrpPreview* m_preview;
    int m_restoRoda = 0;
    bool m_arrastando = false;
    QPoint m_inicio;
    int m_inicioH = 0, m_inicioV = 0;
};

// ---------------------------------------------------------------------------------------------
TrpPreview::TrpPreview(QWidget* parent)
    : QWidget(parent), fileDialog(dialogoArquivoReal), printDialog(dialogoImpressaoReal) {
    setObjectName(QStringLiteral("rpPreview1"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark)); // colour of button shadows
    setPalette(pal);

    m_area = new TrpPreviewArea(this);
    m_vbar = new QScrollBar(Qt::Vertical, this);
    m_vbar->setObjectName(QStringLiteral("VScrollBar"));
    m_hbar = new QScrollBar(Qt::Horizontal, this);
    m_hbar->setObjectName(QStringLiteral("HScrollBar"));
    for (QScrollBar* barra : {m_vbar, m_hbar}) {
        barra->setSingleStep(PassoPequeno);
        barra->setPageStep(PassoGrande);
        barra->setRange(0, 0);
        barra->setEnabled(false);
    }
    m_prev = new QToolButton(this);
    m_prev->setObjectName(QStringLiteral("btnPaginaAnterior"));
    m_prev->setArrowType(Qt::UpArrow);
    m_prev->setAutoRaise(true);
    m_next = new QToolButton(this);
    m_next->setObjectName(QStringLiteral("btnProximaPagina"));
    m_next->setArrowType(Qt::DownArrow);
    m_next->setAutoRaise(true);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblPagina"));

    connect(m_vbar, &QScrollBar::valueChanged, this, [this] {
        if (!m_rolandoPorBotao) paginaPelaRolagem();
        m_area->update();
    });
    connect(m_hbar, &QScrollBar::valueChanged, this, [this] { m_area->update(); });
    connect(m_prev, &QToolButton::clicked, this, &TrpPreview::previousPage);
    connect(m_next, &QToolButton::clicked, this, &TrpPreview::nextPage);

    resize(400, 300);
    posicionarControles();
    atualizarRotulo();
}

TrpPreview::~TrpPreview() = default;

void TrpPreview::setRemembered(double factor, ZoomMode mode) {
    s_zoom = factor;
    s_mode = mode;
}

bool TrpPreview::hasPages() const {
    return m_pages && m_pages->count() > 0;
}

// Both scroll offsets back to 0, the pages laid out again and the page label refreshed.
void TrpPreview::voltarAoInicio() {
    m_rolandoPorBotao = true;
    m_hbar->setValue(0);
    m_vbar->setValue(0);
    m_rolandoPorBotao = false;
    dispor();
    atualizarRotulo();
}

int TrpPreview::pageCount() const {
    return m_pages ? m_pages->count() : 0;
}

void TrpPreview::takePages(std::unique_ptr<TrpPreparedPages> pages) {
    m_pages = std::move(pages);
    m_currentPage = hasPages() ? 1 : 0;
    m_zoom = s_zoom;
    m_mode = s_mode;
    voltarAoInicio();
}

void TrpPreview::setZoom(double percent) {
    m_mode = ZoomNone;
    m_zoom = percent / 100.0;
    dispor();
}

void TrpPreview::fitWholePage() {
    m_mode = ZoomWholePage;
    dispor();
}

void TrpPreview::fitPageWidth() {
    m_mode = ZoomPageWidth;
    dispor();
}

void TrpPreview::choosePopup(int index) {
    if (index < 0 || index >= NumOpcoesMenu) return;
    const OpcaoMenu& o = OpcoesMenu[index];
    m_mode = o.modo;
    if (o.modo == ZoomNone) m_zoom = o.fator;
    m_hbar->setValue(0);
    dispor();
    setRemembered(m_zoom, m_mode);
}

void TrpPreview::mostrarMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    QActionGroup grupo(&menu);
    grupo.setExclusive(true);
    for (int i = 0; i < NumOpcoesMenu; ++i) {
        QAction* a = menu.addAction(rpIngles(OpcoesMenu[i].texto));
        a->setCheckable(true);
        a->setData(i);
        grupo.addAction(a);
        const OpcaoMenu& o = OpcoesMenu[i];
        const bool atual =
            (o.modo == ZoomNone) ? (m_mode == ZoomNone && o.fator == m_zoom) : (m_mode == o.modo);
        a->setChecked(atual);
    }
    int escolha = -1;
    connect(&grupo, &QActionGroup::triggered, &menu,
            [&escolha](QAction* a) { escolha = a->data().toInt(); });
    menu.exec(globalPos);
    if (escolha >= 0) choosePopup(escolha);
}

void TrpPreview::previousPage() {
    goToPage(m_currentPage - 1);
}

void TrpPreview::nextPage() {
    goToPage(m_currentPage + 1);
}

void TrpPreview::goToPage(int page) {
    if (!hasPages() || m_rects.empty()) return;
    m_currentPage = std::clamp(page, 1, pageCount());
    atualizarRotulo();
    m_rolandoPorBotao = true;
    m_vbar->setValue(m_rects[size_t(m_currentPage - 1)].top() - Margem);
    m_rolandoPorBotao = false;
    m_area->update();
}

// Layout: zoom by mode, pages per row, rows placed from the top, scroll ranges.
void TrpPreview::dispor() {
    m_cache.clear();
    m_rects.clear();
    if (!hasPages()) {
        for (QScrollBar* barra : {m_vbar, m_hbar}) {
            barra->setRange(0, 0);
            barra->setEnabled(false);
        }
        m_area->update();
        emit zoomChanged();
        return;
    }
    const int W = m_area->width();
    const int H = m_area->height();
    const int indice = std::clamp(m_currentPage - 1, 0, pageCount() - 1);
    const int Pgw = std::max(1, m_pages->page(indice).widthUnits());
    const int Pgh = std::max(1, m_pages->page(indice).heightUnits());
    switch (m_mode) {
    case ZoomPageWidth:
        m_zoom = double(W - 20) / Pgw;
        break;
    case ZoomWholePage:
        m_zoom = double(H - 20) / Pgh;
        break;
    case ZoomTwoPages:
        m_zoom = double(W - 30) / (2.0 * Pgw);
        break;
    case ZoomNone:
        break;
    }
    // A window too small for a fit would give no page at all.
    m_zoom = std::max(m_zoom, 0.01);

    const int larguraPagina = int(std::lround(Pgw * m_zoom));
    int porLinha = 1;
    if (m_mode == ZoomTwoPages)
        porLinha = 2;
    else if (m_mode != ZoomWholePage)
        porLinha = std::max(1, (W - Margem) / (larguraPagina + Margem));

    const int n = pageCount();
    m_rects.reserve(size_t(n));
    int y = Margem, x = Margem, maisAlta = 0, naLinha = 0, direita = 0, baixo = 0;
    for (int i = 0; i < n; ++i) {
        const TrpPreparedPage& p = m_pages->page(i);
        const int w = int(std::lround(p.widthUnits() * m_zoom));
        const int h = int(std::lround(p.heightUnits() * m_zoom));
        if (naLinha == porLinha) {
            y += maisAlta + Margem;
            x = Margem;
            maisAlta = 0;
            naLinha = 0;
        }
        const int esquerda = (porLinha == 1 && w < W) ? (W - w) / 2 : x;
        m_rects.emplace_back(esquerda, y, w, h);
        x = esquerda + w + Margem;
        maisAlta = std::max(maisAlta, h);
        direita = std::max(direita, esquerda + w);
        baixo = std::max(baixo, y + h);
        ++naLinha;
    }
    const int faixaH = std::max(0, direita - W + Margem);
    const int faixaV = std::max(0, baixo - H + Margem);
    m_hbar->setRange(0, faixaH);
    m_hbar->setEnabled(faixaH > 0);
    m_vbar->setRange(0, faixaV);
    m_vbar->setEnabled(faixaV > 0);
    m_hbar->setPageStep(PassoGrande);
    m_vbar->setPageStep(PassoGrande);
    m_area->update();
    emit zoomChanged();
}

QRect TrpPreview::pageRect(int index) const {
    if (index < 0 || size_t(index) >= m_rects.size()) return QRect();
    return m_rects[size_t(index)].translated(-m_hbar->value(), -m_vbar->value());
}

// After a vertical move: the page whose extent holds the line 11 pixels below the view's top.
void TrpPreview::paginaPelaRolagem() {
    const int linha = m_vbar->value() + Margem + 1;
    for (size_t i = 0; i < m_rects.size(); ++i) {
        const QRect& r = m_rects[i];
        if (r.top() <= linha && linha < r.top() + r.height()) {
            m_currentPage = int(i) + 1;
            break;
        }
    }
    atualizarRotulo();
}

void TrpPreview::atualizarRotulo() {
    if (!hasPages()) {
        m_label->clear();
        return;
    }
    m_label->setText(rpIngles(rpTexto::PaginaDe).arg(m_currentPage).arg(pageCount()));
}

void TrpPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    posicionarControles();
    dispor();
}

// The page area, the vertical bar with the two page buttons under it, the bottom bar with the
// page label and the horizontal bar.
void TrpPreview::posicionarControles() {
    const int e = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int W = width(), H = height();
    const int larguraRotulo = 80;
    const int areaW = std::max(0, W - e);
    const int areaH = std::max(0, H - e);
    m_area->setGeometry(0, 0, areaW, areaH);
    m_vbar->setGeometry(areaW, 0, e, std::max(0, areaH - 2 * e));
    m_prev->setGeometry(areaW, areaH - 2 * e, e, e);
    m_next->setGeometry(areaW, areaH - e, e, e);
    m_label->setGeometry(2, areaH, larguraRotulo - 2, e);
    m_hbar->setGeometry(larguraRotulo, areaH, std::max(0, areaW - larguraRotulo), e);
}

// Paints the grey area and the pages in view: shadow, white page with its content, border.
void TrpPreview::pintar(QPainter& painter, const QRect& exposed) {
    if (!hasPages()) {
        painter.fillRect(exposed, palette().color(QPalette::Button));
        return;
    }
    painter.fillRect(exposed, CorAreaPaginas);
    const QRect vista = m_area->rect();
    const qreal dpr = m_area->devicePixelRatioF();
    QHash<int, QPixmap> usadas;
    for (size_t i = 0; i < m_rects.size(); ++i) {
        const QRect r = pageRect(int(i));
        if (r.bottom() < 0) continue;                                  // above the view
        if (r.top() > LimiteAbaixo || r.top() > vista.bottom()) break; // rows only go down
        const QRect comSombra = r.adjusted(0, 0, 1, 1);
        if (!comSombra.intersects(exposed)) continue;
        // Border and shadow as whole logical pixels, so they stay exact on any screen density.
        painter.fillRect(QRect(r.left() + 1, r.bottom() + 1, r.width(), 1), Qt::black);
        painter.fillRect(QRect(r.right() + 1, r.top() + 1, 1, r.height()), Qt::black);
        const QPixmap img = imagemDaPagina(int(i), r.size(), dpr);
        painter.drawPixmap(r.topLeft(), img);
        usadas.insert(int(i), img);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::black);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Qt::black);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::black);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), Qt::black);
    }
    // Keep only what is in view; pages that scroll in are drawn when they appear.
    if (exposed == vista) m_cache = std::move(usadas);
}

// One page drawn at the layout's size into a pixmap of the screen's pixel density.
QPixmap TrpPreview::imagemDaPagina(int index, const QSize& size, qreal dpr) {
    auto it = m_cache.constFind(index);
    if (it != m_cache.constEnd() && it->deviceIndependentSize().toSize() == size &&
        qFuzzyCompare(it->devicePixelRatio(), dpr))
        return *it;
    QPixmap pix(QSize(std::max(1, int(std::ceil(size.width() * dpr))),
                      std::max(1, int(std::ceil(size.height() * dpr)))));
    pix.setDevicePixelRatio(dpr);
    pix.fill(Qt::white);
    {
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        const QRectF alvo(0, 0, size.width(), size.height());
        m_pages->draw(index, p, alvo, alvo);
    }
    m_cache.insert(index, pix);
    return pix;
}

// ---------------------------------------------------------------------------------------------
void TrpPreview::openFile() {
    if (!hasPages()) return;
    const QString nome = fileDialog(this, false, rpIngles(rpTexto::FiltroArquivo));
    if (nome.isEmpty()) return;
    // Read into a fresh set: a damaged file leaves the pages on screen as they were.
    auto novas = std::make_unique<TrpPreparedPages>();
    QString impressora;
    novas->loadFromFile(nome, &impressora, metricasImpressora);
    m_pages = std::move(novas);
    if (m_printer && !impressora.isEmpty() &&
        QPrinterInfo::availablePrinterNames().contains(impressora))
        m_printer->setPrinterName(impressora);
    m_currentPage = hasPages() ? 1 : 0;
    voltarAoInicio();
}

void TrpPreview::saveFile() {
    if (!hasPages()) return;
    QString nome = fileDialog(this, true, rpIngles(rpTexto::FiltroArquivo));
    if (nome.isEmpty()) return;
    nome = trocarExtensao(nome);
    m_pages->saveToFile(nome, m_printer ? m_printer->printerName() : QString());
}

void TrpPreview::print() {
    if (!hasPages() || !m_printer) return;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) return;
    TrpPrintChoice escolha;
    escolha.printerName = m_printer->printerName();
    if (!printDialog(this, *m_printer, false, escolha)) return;
    if (!escolha.printerName.isEmpty()) m_printer->setPrinterName(escolha.printerName);
    // The engine repeats each page for the copies itself; the job gets one copy of each print.
    m_printer->setCopyCount(1);
    const QString lista = rpPageListOf(escolha, m_currentPage);
    const int copias = std::max(1, escolha.copies);
    if (printPages)
        printPages(*m_pages, *m_printer, lista, copias);
    else
        ImprimirPaginas(*m_pages, *m_printer, lista, copias, QString(), true);
    // Lay the pages out again from page 1.
    m_currentPage = 1;
    voltarAoInicio();
}

// ---------------------------------------------------------------------------------------------
TrpPrintDialog::TrpPrintDialog(QPrinter& printer, bool setupOnly, QWidget* parent)
    : QDialog(parent), m_printer(printer) {
    setObjectName(QStringLiteral("PrintDialog"));
    setWindowTitle(rpIngles(setupOnly ? rpTexto::ConfigurarImpressao : rpTexto::Imprimir));
    auto* layout = new QVBoxLayout(this);

    auto* grupoImpressora = new QGroupBox(rpIngles(rpTexto::Impressora), this);
    auto* linhaImpressora = new QHBoxLayout(grupoImpressora);
    m_printers = new QComboBox(grupoImpressora);
    m_printers->setObjectName(QStringLiteral("cbPrinters"));
    m_printers->addItems(QPrinterInfo::availablePrinterNames());
    const int atual = m_printers->findText(printer.printerName());
    if (atual >= 0) m_printers->setCurrentIndex(atual);
    m_printers->setMinimumWidth(220);
    auto* propriedades = new QPushButton(rpIngles(rpTexto::Propriedades), grupoImpressora);
    propriedades->setObjectName(QStringLiteral("btnProperties"));
    linhaImpressora->addWidget(m_printers, 1);
    linhaImpressora->addWidget(propriedades);
    layout->addWidget(grupoImpressora);
    connect(propriedades, &QPushButton::clicked, this, &TrpPrintDialog::propertiesClick);

    if (!setupOnly) {
        auto* linhaCopias = new QHBoxLayout;
        auto* rotuloCopias = new QLabel(rpIngles(rpTexto::Copias), this);
        m_copies = new QSpinBox(this);
        m_copies->setObjectName(QStringLiteral("edtCopies"));
        m_copies->setRange(1, 9999);
        m_copies->setValue(1);
        rotuloCopias->setBuddy(m_copies);
        linhaCopias->addWidget(rotuloCopias);
        linhaCopias->addWidget(m_copies);
        linhaCopias->addStretch(1);
        layout->addLayout(linhaCopias);

        auto* grupoPaginas = new QGroupBox(rpIngles(rpTexto::Intervalo), this);
        auto* grade = new QGridLayout(grupoPaginas);
        m_all = new QRadioButton(rpIngles(rpTexto::Todas), grupoPaginas);
        m_all->setObjectName(QStringLiteral("rbAll"));
        m_all->setChecked(true);
        m_current = new QRadioButton(rpIngles(rpTexto::PaginaAtual), grupoPaginas);
        m_current->setObjectName(QStringLiteral("rbCurrent"));
        m_numbers = new QRadioButton(rpIngles(rpTexto::Numeros), grupoPaginas);
        m_numbers->setObjectName(QStringLiteral("rbNumbers"));
        m_numbersEdit = new QLineEdit(grupoPaginas);
        m_numbersEdit->setObjectName(QStringLiteral("edtNumbers"));
        auto* nota = new QLabel(rpIngles(rpTexto::NotaIntervalo), grupoPaginas);
        nota->setWordWrap(true);
        grade->addWidget(m_all, 0, 0, 1, 2);
        grade->addWidget(m_current, 1, 0, 1, 2);
        grade->addWidget(m_numbers, 2, 0);
        grade->addWidget(m_numbersEdit, 2, 1);
        grade->addWidget(nota, 3, 0, 1, 2);
        layout->addWidget(grupoPaginas);
        connect(m_numbersEdit, &QLineEdit::textEdited, this,
                [this] { m_numbers->setChecked(true); });
    }

    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    botoes->addButton(rpIngles(rpTexto::Cancelar), QDialogButtonBox::RejectRole);
    layout->addWidget(botoes);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TrpPrintDialog::escolherImpressora() {
    const QString nome = m_printers->currentText();
    if (!nome.isEmpty()) m_printer.setPrinterName(nome);
}

void TrpPrintDialog::propertiesClick() {
    escolherImpressora();
    QPageSetupDialog propriedades(&m_printer, this);
    propriedades.exec();
}

TrpPrintChoice TrpPrintDialog::choice() const {
    TrpPrintChoice c;
    c.printerName = m_printers->currentText();
    if (m_copies) c.copies = m_copies->value();
    if (m_current && m_current->isChecked()) c.range = TrpPrintChoice::CurrentPage;
    if (m_numbers && m_numbers->isChecked()) c.range = TrpPrintChoice::Numbers;
    if (m_numbersEdit) c.numbers = m_numbersEdit->text();
    return c;
}

void TrpPrintDialog::setChoice(const TrpPrintChoice& c) {
    const int i = m_printers->findText(c.printerName);
    if (i >= 0) m_printers->setCurrentIndex(i);
    if (m_copies) m_copies->setValue(std::max(1, c.copies));
    if (m_all) {
        m_all->setChecked(c.range == TrpPrintChoice::All);
        m_current->setChecked(c.range == TrpPrintChoice::CurrentPage);
        m_numbers->setChecked(c.range == TrpPrintChoice::Numbers);
        m_numbersEdit->setText(c.numbers);
    }
}
