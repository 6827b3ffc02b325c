// The analysis window: spot diagrams and aberration tables of the three variants, kept live.
#include "Analise.h"

#include "AnaliseDifracao.h"
#include "Global.h"
#include "Graficos.h"
#include "Janela.h"
#include "NumeroTexto.h"
#include "Preenchimentos.h"
#include "Recursos.h"
#include "Relatorios.h"
#include "TabelaFixa.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

namespace {
const QColor CoresVariante[3] = {QColor(0, 90, 200), QColor(200, 60, 0), QColor(0, 140, 60)};

// Paints a cell's text as the style does for these tables (no icon, check, selection, focus
// or eliding: the columns are wide enough), in one text call instead of the style's two text
// layouts per cell, so repainting the tables after a keystroke costs little.
class TDelegadoTexto : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao,
               const QModelIndex& indice) const override {
        const QString texto = indice.data(Qt::DisplayRole).toString();
        if (texto.isEmpty()) return;
        const QWidget* w = opcao.widget;
        const QStyle* estilo = w ? w->style() : QApplication::style();
        const int margem = estilo->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
        const QPalette::ColorGroup grupo =
            !(opcao.state & QStyle::State_Enabled) ? QPalette::Disabled
            : (opcao.state & QStyle::State_Active) ? QPalette::Normal
                                                   : QPalette::Inactive;
        pintor->save();
        pintor->setClipRect(opcao.rect);
        pintor->setFont(opcao.font);
        pintor->setPen(opcao.palette.color(grupo, QPalette::Text));
        pintor->drawText(opcao.rect.adjusted(margem, 0, -margem, 0),
                         indice.data(Qt::TextAlignmentRole).toInt(), texto);
        pintor->restore();
    }
};

} // namespace

TSpotAnalise::TSpotAnalise(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("spotAnalise"));
    setAutoFillBackground(false);
    setMinimumSize(360, 380);
}

void TSpotAnalise::definir(const ResultadoAnalise& resultado, const TextosAnalise& textos) {
    m_resultado = resultado;
    m_textos = textos;
    m_cache.valido = false;
    update();
}

void TSpotAnalise::paintEvent(QPaintEvent* evento) {
    QPainter pintor(this);
    pintor.fillRect(evento->rect(), Qt::white);
    Desenhar(pintor, QRectF(rect()), m_resultado, m_textos, &m_cache, QRectF(evento->rect()));
}

namespace {
// The dots of one cell, each a square of about 1,6 px, on a transparent image of the cell's
// side (in device pixels), all written in one pass over the points (no painter call per dot);
// the centre of the image is the spot's centroid.
QImage ImagemCelula(const FeixeAnalise& f, double lado, double escala, double proporcao,
                    const QColor& cor) {
    const int n = std::max(1, static_cast<int>(std::ceil(lado * proporcao)));
    QImage imagem(n, n, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    const int ponto = std::max(1, static_cast<int>(std::lround(1.6 * proporcao)));
    const double c = n / 2.0 - ponto / 2.0, k = 1000 * escala * proporcao;
    const double cx = f.estatistica.centroX, cy = f.estatistica.centroY;
    const QRgb pixel = cor.rgba(); // opaque: premultiplied is the same
    for (const auto* lista : {&f.pontos, &f.bordas})
        for (const PontoImagem& q : *lista) {
            const double x = std::floor(c + (q.x - cx) * k), y = std::floor(c - (q.y - cy) * k);
            if (!(x >= 0 && y >= 0 && x + ponto <= n && y + ponto <= n)) continue;
            for (int l = 0; l < ponto; ++l) {
                auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(static_cast<int>(y) + l));
                for (int m = 0; m < ponto; ++m)
                    linha[static_cast<int>(x) + m] = pixel;
            }
        }
    return imagem;
}
} // namespace

void TSpotAnalise::Desenhar(QPainter& pintor, const QRectF& area, const ResultadoAnalise& r,
                            const TextosAnalise& t, CacheCelulas* cache, const QRectF& exposta) {
    // Only what meets the exposed rectangle is drawn (a part scrolled out of sight, or a
    // repaint of one corner, lays out no text and makes no cell image).
    const auto visivel = [&exposta](const QRectF& r) {
        return exposta.isNull() || exposta.intersects(r);
    };
    if (!Graficos::IniciarFigura(pintor, area, r.valida(), t.airy)) return;
    pintor.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(pintor.font());
    const double linha = fm.height();
    // Layout: variant names on top, heights on the left, scale bar at the bottom; square cells
    // each with a caption line under it.
    double esquerda = 0;
    for (const QString& s : t.alturas)
        esquerda = std::max(esquerda, fm.horizontalAdvance(s));
    esquerda += linha;
    const double topo = 1.5 * linha, rodape = 2.5 * linha;
    const double largura = (area.width() - esquerda) / 3;
    const double altura = (area.height() - topo - rodape) / 3;
    const double lado = std::max(1.0, std::min(largura, altura - 1.3 * linha) - 6);

    // One scale for every cell: the largest spot or Airy disc fills 90 % of the half-side.
    double extensao = r.raioAiry;
    for (const VarianteAnalise& va : r.variantes)
        for (const FeixeAnalise& f : va.feixes)
            extensao = std::max(extensao, f.estatistica.raioGeometrico);
    const double escala = 0.9 * (lado / 2) / extensao; // pixels per µm
    if (cache) {
        const double proporcao = pintor.device() ? pintor.device()->devicePixelRatioF() : 1.0;
        if (!cache->valido || cache->lado != lado || cache->escala != escala ||
            cache->proporcao != proporcao) {
            // Each cell's image is made when the cell is first drawn.
            for (QImage& imagem : cache->imagens)
                imagem = QImage();
            cache->airy = QPainterPath();
            cache->lado = lado;
            cache->escala = escala;
            cache->proporcao = proporcao;
            cache->valido = true;
        }
    }

    pintor.setPen(Qt::black);
    for (int v = 0; v < 3; ++v) {
        const QRectF titulo(area.left() + esquerda + v * largura, area.top(), largura, topo);
        if (visivel(titulo)) pintor.drawText(titulo, Qt::AlignCenter, t.variantes[v]);
    }
    QVector<QRectF> pontos; // each ray a small square: filled, not stroked (fast)
    const double ponto = 1.6;
    for (int k = 0; k < 3; ++k) {
        const double y0 = area.top() + topo + k * altura;
        pintor.setPen(Qt::black);
        const QRectF rotulo(area.left(), y0, esquerda - linha / 2, lado);
        if (visivel(rotulo))
            pintor.drawText(rotulo, Qt::AlignVCenter | Qt::AlignRight, t.alturas[k]);
        for (int v = 0; v < 3; ++v) {
            const FeixeAnalise& f = r.variantes[v].feixes[k];
            const double x0 = area.left() + esquerda + v * largura + (largura - lado) / 2;
            const QRectF celula(x0, y0, lado, lado);
            const QPointF centro = celula.center();
            const QRectF legenda(x0 - 10, y0 + lado + 1, lado + 20, 1.3 * linha);
            // The cell with its frame's half pen width, and its caption.
            if (!visivel(celula.adjusted(-1, -1, 1, 1)) && !visivel(legenda)) continue;
            pintor.setPen(QPen(QColor(200, 200, 200), 0));
            pintor.setBrush(Qt::NoBrush);
            pintor.drawRect(celula);
            if (cache) {
                QImage& imagem = cache->imagens[v * 3 + k];
                if (imagem.isNull())
                    imagem = ImagemCelula(f, lado, escala, cache->proporcao, CoresVariante[v]);
                pintor.drawImage(celula, imagem);
            } else {
                pontos.clear();
                const double cx = f.estatistica.centroX, cy = f.estatistica.centroY;
                for (const auto* lista : {&f.pontos, &f.bordas})
                    for (const PontoImagem& q : *lista)
                        pontos.append(QRectF(centro.x() + (q.x - cx) * 1000 * escala - ponto / 2,
                                             centro.y() - (q.y - cy) * 1000 * escala - ponto / 2,
                                             ponto, ponto));
                pintor.setPen(Qt::NoPen);
                pintor.setBrush(CoresVariante[v]);
                pintor.drawRects(pontos.constData(), pontos.size());
                pintor.setBrush(Qt::NoBrush);
            }
            // The Airy circle over the spot, so it shows also where the spot covers it.
            const QPen tracejado(Qt::black, 1.2, Qt::DashLine);
            const double ra = r.raioAiry * escala;
            if (cache) {
                // Every cell's circle is the same dashed outline, stroked once per cache.
                if (cache->airy.isEmpty()) {
                    QPainterPath circulo;
                    circulo.addEllipse(QPointF(0, 0), ra, ra);
                    cache->airy = QPainterPathStroker(tracejado).createStroke(circulo);
                }
                pintor.fillPath(cache->airy.translated(centro), Qt::black);
            } else {
                pintor.setPen(tracejado);
                pintor.drawEllipse(centro, ra, ra);
            }
            pintor.setPen(Qt::black);
            pintor.drawText(legenda, Qt::AlignHCenter | Qt::AlignTop, t.rmsSpot[v * 3 + k]);
        }
    }
    // Scale bar (1, 2 or 5 × 10ⁿ µm, at most 0,8 of a cell) and legend.
    const double yb = area.bottom() - 1.2 * linha;
    const double xb = area.left() + esquerda;
    if (!visivel(QRectF(area.left(), yb - linha, area.width(), area.bottom() - yb + linha))) {
        pintor.restore();
        return;
    }
    pintor.setPen(QPen(Qt::black, 0));
    Graficos::DesenharBarraEscala(pintor, QPointF(xb, yb), escala, 0.8 * lado, [](double c) {
        return FormatarN(TextoRecurso(Recursos::FmtEscalaSpot), c);
    });
    const QString legenda = TextoRecurso(Recursos::LegendaAiry);
    pintor.drawText(QRectF(area.left(), yb - linha, area.width() - linha / 2, 2 * linha),
                    Qt::AlignRight | Qt::AlignVCenter, legenda);
    pintor.restore();
}

TfrmAnalise::TfrmAnalise(QWidget* owner)
    : TJanelaViva(owner, "frmAnalise", TextoRecurso(Recursos::TituloAnalise)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    OcultarVariante();

    // Two pages: the ray trace (this layout) and the diffraction page.
    tabAnalise = new QTabWidget(this);
    tabAnalise->setObjectName(QStringLiteral("tabAnalise"));
    corpo()->addWidget(tabAnalise);
    auto* paginaRaios = new QWidget(tabAnalise);
    auto* grade = new QGridLayout(paginaRaios);
    DefinirCamposAnalise(dtAnalise);
    dtAnalise.Open();
    PrepararRelatorio(rpReport1, rpDBDataSet1, dtAnalise, QStringLiteral("analise"),
                      [this] { rpReport1BeginDoc(); });
    lblAiry = new QLabel(this);
    lblAiry->setObjectName(QStringLiteral("lblAiry"));
    lblAiry->setWordWrap(true);
    // Numbers up to "-000.000,00".
    const QString modelo = QStringLiteral("-000.000,00");
    tblAnalise =
        CriarTabelaFixa(this, QStringLiteral("tblAnalise"), 9, Recursos::ColunasAnalise, 7, modelo);
    tblCurvatura = CriarTabelaFixa(this, QStringLiteral("tblCurvatura"), 3,
                                   Recursos::ColunasCurvatura, 6, modelo);
    for (QTableWidget* t : {tblAnalise, tblCurvatura})
        t->setItemDelegate(new TDelegadoTexto(t));
    lblConvencao = new QLabel(TextoRecurso(Recursos::AnaliseConvencao), this);
    lblConvencao->setObjectName(QStringLiteral("lblConvencao"));
    lblConvencao->setWordWrap(true);
    lblConcavidade = new QLabel(this);
    lblConcavidade->setObjectName(QStringLiteral("lblConcavidade"));
    lblConcavidade->setWordWrap(true);
    lblPerdidos = new QLabel(this);
    lblPerdidos->setObjectName(QStringLiteral("lblPerdidos"));
    spotAnalise = new TSpotAnalise(this);

    grade->addWidget(lblAiry, 0, 0);
    grade->addWidget(tblAnalise, 1, 0);
    grade->addWidget(tblCurvatura, 2, 0);
    grade->addWidget(lblConvencao, 3, 0);
    grade->addWidget(lblConcavidade, 4, 0);
    grade->addWidget(lblPerdidos, 5, 0);
    grade->setRowStretch(6, 1);
    grade->addWidget(spotAnalise, 0, 1, 7, 1);
    const int largura = std::max(tblAnalise->width(), tblCurvatura->width());
    for (QLabel* l : {lblAiry, lblConvencao, lblConcavidade, lblPerdidos})
        l->setFixedWidth(largura);
    grade->setColumnStretch(1, 1);
    // Each page scrolls, so the window fits a 1366 x 768 screen with a task bar.
    auto rolavel = [this](QWidget* pagina) {
        auto* rolagem = new QScrollArea(tabAnalise);
        rolagem->setWidgetResizable(true);
        rolagem->setFrameShape(QFrame::NoFrame);
        rolagem->setWidget(pagina);
        return rolagem;
    };
    tabAnalise->addTab(rolavel(paginaRaios), TextoRecurso(Recursos::TituloPaginaRaios));
    difracao = new TAnaliseDifracao(tabAnalise);
    tabAnalise->addTab(rolavel(difracao), TextoRecurso(Recursos::TituloPaginaDifracao));
    Recalcular();
    // As wide as the ray-trace page wants and 600 high, within the screen's free area.
    AjustarATela(this, QSize(paginaRaios->sizeHint().width() + 60, 600));
}

void TfrmAnalise::Recalcular() {
    m_resultado = Analisar(Projeto);
    m_textos = TextosDaAnalise(m_resultado);
    const TextosAnalise& t = m_textos;
    lblAiry->setText(t.airy);
    for (int l = 0; l < 9; ++l) {
        const LinhaAnalise& a = t.linhas[l];
        const QString* c[7] = {&a.variante, &a.campo,     &a.rms,         &a.raioGeometrico,
                               &a.rmsAiry,  &a.focoOtimo, &a.rmsFocoOtimo};
        for (int k = 0; k < 7; ++k)
            tblAnalise->item(l, k)->setText(*c[k]);
    }
    for (int l = 0; l < 3; ++l) {
        const LinhaCurvatura& a = t.curvatura[l];
        const QString* c[6] = {&a.variante,     &a.raioCampo,   &a.coma,
                               &a.astigmatismo, &a.raioPetzval, &a.raioCampoMedio};
        for (int k = 0; k < 6; ++k)
            tblCurvatura->item(l, k)->setText(*c[k]);
    }
    lblConcavidade->setText(t.concavidade);
    lblConvencao->setVisible(t.valida);
    lblPerdidos->setText(t.perdidos);
    spotAnalise->definir(m_resultado, m_textos);
    difracao->definir(Projeto, m_resultado);
}

QString TfrmAnalise::tituloPreview() const {
    return TextoRecurso(Recursos::PreviewAnalise);
}

void TfrmAnalise::rpReport1BeginDoc() {
    PreencherRelatorio(rpReport1, LinhasRelatorioAnalise(Projeto, m_textos));
    PreencherDadosAnalise(dtAnalise, m_textos);
    PreencherFigura(rpReport1, "Picture1", [this](QPainter& pintor, const QRectF& area) {
        TSpotAnalise::Desenhar(pintor, area, m_resultado, m_textos);
    });
    // The diffraction page: the page's result when it is the design's, else computed now.
    difracao->Atualizar();
    const ResultadoDifracao& r = difracao->resultado();
    const TextosDifracao& t = difracao->textos();
    const int variante = difracao->varianteCurvas();
    PreencherRelatorio(rpReport1,
                       LinhasRelatorioDifracao(Projeto, t, variante, difracao->melhorFoco()));
    PreencherFigura(rpReport1, "PictureMtf", [&](QPainter& pintor, const QRectF& area) {
        GraficoMtf(r, t, variante).Desenhar(pintor, area.adjusted(8, 8, -8, -8));
    });
    PreencherFigura(rpReport1, "PicturePsf", [&](QPainter& pintor, const QRectF& area) {
        DesenharPsfs(pintor, area.adjusted(8, 8, -8, -8), r, t, &difracao->imagens());
    });
}
