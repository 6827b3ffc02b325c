// The to-scale drawing window: the designed telescope in section, its rays and its baffle, live.
#include "Desenho.h"

#include "Global.h"
#include "Graficos.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "NumeroTexto.h"
#include "Recursos.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
// Colours of the drawing.
const QColor CorVidro(0x99, 0xFF, 0xFF);
const QColor CorSuporte(0x90, 0x90, 0x90);
const QColor CorTubo(0x3C, 0x4F, 0x6B);
const QColor CorEixo(0x80, 0x80, 0x80);
const QColor CorImagem(0x00, 0x40, 0xC0);
const QColor CorRaioEixo(0xE0, 0x80, 0x00);
const QColor CorRaioCampo(0x00, 0x90, 0x40);
const QColor CorLuzDireta(0xE0, 0x00, 0x00);
const QColor CorCota(0xA0, 0x00, 0x00);

// Room around the drawing for the legend (top) and the scale bar (bottom), in pixels.
constexpr double MargemLado = 12, MargemTopo = 60, MargemBase = 40;

QColor CorRaio(TipoRaio t) {
    switch (t) {
    case TipoRaio::Eixo:
        return CorRaioEixo;
    case TipoRaio::Campo:
        return CorRaioCampo;
    case TipoRaio::LuzDireta:
        break;
    }
    return CorLuzDireta;
}

struct Mapa {
    Enquadramento e;
    QPointF operator()(const QPointF& p) const {
        return {e.origem.x() + e.escala * p.x(), e.origem.y() - e.escala * p.y()};
    }
    QRectF operator()(const QRectF& r) const {
        return QRectF((*this)(r.topLeft()), (*this)(r.bottomRight())).normalized();
    }
};

QPainterPath Caminho(const Polilinha& pontos, const Mapa& m, bool fechar) {
    QPainterPath c;
    if (pontos.empty()) return c;
    c.moveTo(m(pontos.front()));
    for (std::size_t k = 1; k < pontos.size(); ++k)
        c.lineTo(m(pontos[k]));
    if (fechar) c.closeSubpath();
    return c;
}

void Seta(QPainter& p, const QPointF& ponta, const QPointF& direcao) {
    const double n = std::hypot(direcao.x(), direcao.y());
    if (!(n > 0)) return;
    const QPointF u = direcao / n, v(-u.y(), u.x());
    const double comprimento = 7, largura = 2.5;
    const QPointF pts[3] = {ponta, ponta - u * comprimento + v * largura,
                            ponta - u * comprimento - v * largura};
    p.drawPolygon(pts, 3);
}

void DesenharCota(QPainter& p, const Cota& c, const Mapa& m) {
    const QFontMetricsF fm(p.font());
    QPointF a, b;
    if (c.vertical) {
        a = m({c.nivel, c.de.y()});
        b = m({c.nivel, c.ate.y()});
    } else {
        a = m({c.de.x(), c.nivel});
        b = m({c.ate.x(), c.nivel});
    }
    // Extension lines from the measured points to a little past the dimension line.
    auto prolongar = [](const QPointF& de, const QPointF& ate) {
        const QPointF v = ate - de;
        const double n = std::hypot(v.x(), v.y());
        return n > 0 ? ate + v * (4 / n) : ate;
    };
    p.setPen(QPen(CorCota, 0));
    p.drawLine(m(c.de), prolongar(m(c.de), a));
    p.drawLine(m(c.ate), prolongar(m(c.ate), b));
    p.drawLine(a, b);
    p.setBrush(CorCota);
    Seta(p, a, a - b);
    Seta(p, b, b - a);
    p.setBrush(Qt::NoBrush);
    // The text on a white ground, beside a vertical line or over a horizontal one.
    const QPointF meio = (a + b) / 2;
    const double largura = fm.horizontalAdvance(c.texto);
    const QPointF base = c.vertical
                             ? QPointF(meio.x() + 5, meio.y() + fm.ascent() / 2 - fm.descent() / 2)
                             : QPointF(meio.x() - largura / 2, meio.y() - fm.descent() - 3);
    p.fillRect(QRectF(base.x() - 2, base.y() - fm.ascent() - 1, largura + 4, fm.height() + 2),
               QColor(255, 255, 255, 220));
    p.drawText(base, c.texto);
}

} // namespace

Enquadramento EnquadrarDesenho(const DadosDesenho& d, const QRectF& area) {
    Enquadramento e;
    const QRectF util = area.adjusted(MargemLado, MargemTopo, -MargemLado, -MargemBase);
    const QRectF& l = d.limites;
    if (!d.valido() || !(l.width() > 0) || !(l.height() > 0) || !(util.width() > 0) ||
        !(util.height() > 0)) {
        e.origem = area.center();
        return e;
    }
    e.escala = std::min(util.width() / l.width(), util.height() / l.height());
    // The drawing's centre at the useful area's centre.
    const QPointF centro = l.center();
    e.origem = {util.center().x() - e.escala * centro.x(),
                util.center().y() + e.escala * centro.y()};
    return e;
}

void DesenharEscala(QPainter& p, const QRectF& area, const DadosDesenho& d,
                    const Enquadramento& enquadramento, bool veredito) {
    if (!Graficos::IniciarFigura(p, area, d.valido(), d.mensagem)) return;
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(p.font());
    const double linha = fm.height();
    const Mapa m{enquadramento};

    // The axis, dash-dot, across the whole drawing.
    QPen eixo(CorEixo, 0, Qt::DashDotLine);
    p.setPen(eixo);
    p.drawLine(m({d.limites.left(), 0}), m({d.limites.right(), 0}));

    // The baffle: walls, stops; the holder; the mirrors.
    p.setPen(Qt::NoPen);
    p.setBrush(CorTubo);
    for (const QRectF& r : d.tubo)
        p.drawRect(m(r));
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::black);
    for (const QRectF& r : d.glares)
        p.drawRect(m(r));
    p.setBrush(CorSuporte);
    for (const QRectF& r : d.suporte)
        p.drawRect(m(r));
    p.setBrush(CorVidro);
    p.drawPath(Caminho(d.secundario, m, true));
    for (const Polilinha& metade : d.primario)
        p.drawPath(Caminho(metade, m, true));
    p.setBrush(Qt::NoBrush);

    // The image plane and the field on it.
    p.setPen(QPen(CorImagem, 0));
    p.drawLine(m(d.planoImagem[0]), m(d.planoImagem[1]));
    p.setPen(QPen(CorImagem, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(m(d.campo[0]), m(d.campo[1]));

    // The rays; a blocked one ends in a cross.
    for (const RaioDesenho& r : d.raios) {
        const QColor cor = CorRaio(r.tipo);
        p.setPen(QPen(cor, r.tipo == TipoRaio::LuzDireta ? 1.5 : 1,
                      r.tipo == TipoRaio::LuzDireta ? Qt::DashLine : Qt::SolidLine));
        p.drawPath(Caminho(r.pontos, m, false));
        if (r.bloqueado && !r.pontos.empty()) {
            const QPointF q = m(r.pontos.back());
            p.setPen(QPen(cor, 1.5));
            p.drawLine(q + QPointF(-4, -4), q + QPointF(4, 4));
            p.drawLine(q + QPointF(-4, 4), q + QPointF(4, -4));
        }
    }

    // Dimension lines.
    for (const Cota& c : d.cotas)
        DesenharCota(p, c, m);

    // Legend at the top left.
    const struct {
        TipoRaio tipo;
        const char* texto;
    } legenda[3] = {{TipoRaio::Eixo, Recursos::LegendaRaiosEixo},
                    {TipoRaio::Campo, Recursos::LegendaRaiosCampo},
                    {TipoRaio::LuzDireta, Recursos::LegendaLuzDireta}};
    double y = area.top() + linha;
    for (const auto& l : legenda) {
        const double x = area.left() + MargemLado;
        p.setPen(QPen(CorRaio(l.tipo), l.tipo == TipoRaio::LuzDireta ? 1.5 : 1,
                      l.tipo == TipoRaio::LuzDireta ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(QPointF(x, y - fm.ascent() / 3), QPointF(x + 2 * linha, y - fm.ascent() / 3));
        p.setPen(Qt::black);
        p.drawText(QPointF(x + 2.5 * linha, y), TextoRecurso(l.texto));
        y += linha;
    }

    // Scale bar at the bottom left; the verdict at the bottom right.
    const double s = enquadramento.escala;
    const double yb = area.bottom() - linha;
    Graficos::DesenharBarraEscala(
        p, QPointF(area.left() + MargemLado, yb), s, 0.25 * area.width(), [](double comprimento) {
            return FormatarN(TextoRecurso(Recursos::FmtEscalaDesenho), comprimento);
        });
    if (veredito) {
        p.setPen(d.luz.atinge ? CorLuzDireta : Qt::black);
        p.drawText(QRectF(area.left(), yb - linha, area.width() - MargemLado, 2 * linha),
                   Qt::AlignRight | Qt::AlignVCenter, d.veredito);
    }
    p.restore();
}

bool ExportarDesenho(const DadosDesenho& d, const QString& arquivo, double escala) {
    const QRectF& l = d.limites;
    const bool vazio = !d.valido() || !(l.width() > 0) || !(escala > 0);
    const double largura = vazio ? 600 : l.width() * escala + 2 * MargemLado;
    const double altura = vazio ? 300 : l.height() * escala + MargemTopo + MargemBase;
    const QSize tamanho(static_cast<int>(std::ceil(largura)), static_cast<int>(std::ceil(altura)));
    const QRectF area(QPointF(0, 0), QSizeF(tamanho));
    Enquadramento e;
    e.escala = vazio ? 1 : escala;
    e.origem = {MargemLado - e.escala * l.left(), MargemTopo + e.escala * l.bottom()};
    QFont fonte = QApplication::font(); // the window font TAplicacao sets
    fonte.setPixelSize(13);
    auto pintar = [&](QPainter& p) {
        p.fillRect(area, Qt::white);
        p.setFont(fonte);
        DesenharEscala(p, area, d, e, true);
    };
    if (QFileInfo(arquivo).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setFileName(arquivo);
        svg.setSize(tamanho);
        svg.setViewBox(area);
        svg.setTitle(TextoRecurso(Recursos::TituloDesenho));
        QPainter p;
        if (!p.begin(&svg)) return false;
        pintar(p);
        return p.end();
    }
    QImage imagem(tamanho, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::white);
    {
        QPainter p(&imagem);
        pintar(p);
    }
    return imagem.save(arquivo, "PNG");
}

TVistaDesenho::TVistaDesenho(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("vistaDesenho"));
    setMinimumSize(320, 200);
    setMouseTracking(false);
    setCursor(Qt::OpenHandCursor);
}

void TVistaDesenho::definir(const DadosDesenho& dados) {
    m_dados = &dados;
    if (m_ajustado) m_enquadramento = EnquadrarDesenho(dados, QRectF(rect()));
    update();
}

void TVistaDesenho::ajustar() {
    m_ajustado = true;
    if (m_dados) m_enquadramento = EnquadrarDesenho(*m_dados, QRectF(rect()));
    update();
}

void TVistaDesenho::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (m_dados) DesenharEscala(p, QRectF(rect()), *m_dados, m_enquadramento, false);
}

void TVistaDesenho::resizeEvent(QResizeEvent*) {
    if (m_ajustado && m_dados) m_enquadramento = EnquadrarDesenho(*m_dados, QRectF(rect()));
}

void TVistaDesenho::wheelEvent(QWheelEvent* evento) {
    const double fator = std::pow(1.2, evento->angleDelta().y() / 120.0);
    const QPointF q = evento->position();
    m_enquadramento.escala *= fator;
    m_enquadramento.origem = q - (q - m_enquadramento.origem) * fator;
    m_ajustado = false;
    update();
    evento->accept();
}

void TVistaDesenho::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    m_arrastando = true;
    m_ultimo = evento->position();
    setCursor(Qt::ClosedHandCursor);
}

void TVistaDesenho::mouseMoveEvent(QMouseEvent* evento) {
    if (!m_arrastando) return;
    m_enquadramento.origem += evento->position() - m_ultimo;
    m_ultimo = evento->position();
    m_ajustado = false;
    update();
}

void TVistaDesenho::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) return;
    m_arrastando = false;
    setCursor(Qt::OpenHandCursor);
}

TfrmDesenho::TfrmDesenho(QWidget* owner)
    : TJanelaViva(owner, "frmDesenho", TextoRecurso(Recursos::TituloDesenho)) {
    OcultarBarraRelatorio(); // the drawing is exported, not printed
    // After the variant: the secondary's thickness; at the right, fit and export.
    QHBoxLayout* linha = linhaVariante();
    linha->insertSpacing(2, 12);
    linha->insertWidget(3, new QLabel(TextoRecurso(Recursos::DesenhoEspessura), this));
    edtEspessura = new TNumberEdit(this);
    edtEspessura->setObjectName(QStringLiteral("edtEspessura"));
    // Empty when zero, which stands for the default thickness.
    edtEspessura->setDisplayFormat(QStringLiteral("#,##0.00;-#,##0.00; "));
    edtEspessura->setZeroEmpty(true);
    edtEspessura->setMinValue(0);
    edtEspessura->setFixedWidth(80);
    linha->insertWidget(4, edtEspessura);
    btnAjustar = new QPushButton(TextoRecurso(Recursos::DesenhoAjustar), this);
    btnAjustar->setObjectName(QStringLiteral("btnAjustar"));
    linha->addWidget(btnAjustar);
    btnExportar = new QPushButton(TextoRecurso(Recursos::DesenhoExportar), this);
    btnExportar->setObjectName(QStringLiteral("btnExportar"));
    linha->addWidget(btnExportar);
    vistaDesenho = new TVistaDesenho(this);
    corpo()->addWidget(vistaDesenho, 1);
    lblLuzDireta = new QLabel(this);
    lblLuzDireta->setObjectName(QStringLiteral("lblLuzDireta"));
    corpo()->addWidget(lblLuzDireta);

    connect(edtEspessura, &TNumberEdit::changed, this, Protegido(this, &TfrmDesenho::Recalcular));
    connect(btnAjustar, &QPushButton::clicked, this,
            Protegido(this, &TfrmDesenho::btnAjustarClick));
    connect(btnExportar, &QPushButton::clicked, this,
            Protegido(this, &TfrmDesenho::btnExportarClick));
    Recalcular();
    resize(1000, 620);
}

void TfrmDesenho::Recalcular() {
    m_dados = CalcularDesenho(Projeto, variante(), edtEspessura->Value());
    lblLuzDireta->setText(m_dados.valido() ? m_dados.veredito : QString());
    vistaDesenho->definir(m_dados);
}

void TfrmDesenho::btnAjustarClick() {
    vistaDesenho->ajustar();
}

QString NomeExportacao(const QString& arquivo, const QString& filtro) {
    if (arquivo.isEmpty() || !QFileInfo(arquivo).suffix().isEmpty()) return arquivo;
    static const QRegularExpression extensao(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch m = extensao.match(filtro);
    return m.hasMatch() ? arquivo + u'.' + m.captured(1) : arquivo;
}

void TfrmDesenho::btnExportarClick() {
    QString filtro;
    const QString arquivo =
        QFileDialog::getSaveFileName(this, TextoRecurso(Recursos::DesenhoTituloExportar), QString(),
                                     TextoRecurso(Recursos::DesenhoFiltroExportar), &filtro);
    if (!arquivo.isEmpty()) Exportar(NomeExportacao(arquivo, filtro));
}

void TfrmDesenho::Exportar(const QString& arquivo) {
    // About 1600 pixels across, whatever the telescope's size.
    const double largura = m_dados.limites.width();
    const double escala = largura > 0 ? 1600 / largura : 1;
    if (!ExportarDesenho(m_dados, arquivo, escala))
        MostrarErro(this, TextoRecurso(Recursos::DesenhoErroExportar).arg(arquivo));
}
