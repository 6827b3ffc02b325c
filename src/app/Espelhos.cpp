// The mirror-making window: depth, departures and bench tests of the two mirrors of a variant.
#include "Espelhos.h"

#include "Calculo.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Preenchimentos.h"
#include "Recursos.h"
#include "Relatorios.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

QTreeWidget* CriarLista(QWidget* parent, const char* nome, const QList<ColunaLista>& colunas) {
    auto* lista = new QTreeWidget(parent);
    lista->setObjectName(QString::fromLatin1(nome));
    ConfigurarListaRelatorio(lista, colunas);
    return lista;
}

// Fills a two-column list with rows of caption and value.
void PreencherLista(QTreeWidget* lista, const std::vector<LinhaResultado>& linhas) {
    lista->clear();
    for (const LinhaResultado& linha : linhas) {
        auto* item = new QTreeWidgetItem(lista, {linha.descricao, linha.valor});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
}

QLabel* CriarMensagem(QWidget* parent, const char* nome) {
    auto* rotulo = new QLabel(parent);
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setWordWrap(true);
    QPalette paleta = rotulo->palette();
    paleta.setColor(QPalette::WindowText, Qt::red);
    rotulo->setPalette(paleta);
    rotulo->hide();
    return rotulo;
}

// A list just tall enough for its heading and a number of rows, and wide enough for its columns.
void AjustarAltura(QTreeWidget* lista, int linhas) {
    const int linha = lista->fontMetrics().height() + 4;
    int largura = 2 * lista->frameWidth() + 2;
    for (int c = 0; c < lista->columnCount(); ++c)
        largura += lista->columnWidth(c);
    lista->setMinimumWidth(largura);
    lista->setFixedHeight(lista->header()->sizeHint().height() + linhas * linha +
                          2 * lista->frameWidth() + 2);
}

void MostrarMensagem(QLabel* rotulo, const QString& texto) {
    rotulo->setText(texto);
    rotulo->setVisible(!texto.isEmpty());
}

} // namespace

// ---- the drawing ----------------------------------------------------------------------------

void DesenharTesteSecundario(QPainter& pintor, const QRectF& area,
                             const EspelhoSecundario& secundario) {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(area, QColor(0xFF, 0xFF, 0xFF));
    pintor.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    pintor.drawRect(area.adjusted(0, 0, -1, -1));
    if (!secundario.valido) {
        pintor.restore();
        return;
    }
    const Conica& conica = secundario.conica;
    const double H = secundario.diametro / 2;
    const bool hindle = secundario.teste == TesteNulo::Hindle && secundario.hindleValido;
    const MontagemHindle& m = secundario.hindle;
    const double espessura =
        EspessuraSecundario(secundario.diametro, secundario.desvios.flechaExata);

    // The extent in mm: the secondary and its back, the foci or centre, the sphere.
    double zMin = -espessura * 0.5, zMax = secundario.desvios.flechaExata + espessura;
    double hMax = H;
    auto incluir = [&](double z) {
        zMin = std::min(zMin, z);
        zMax = std::max(zMax, z);
    };
    double raioEsfera = 0, hEsfera = 0, zVerticeEsfera = 0;
    if (hindle) {
        raioEsfera = m.raioEsfera;
        hEsfera = m.diametroEsfera / 2;
        zVerticeEsfera = m.focoVirtual - raioEsfera;
        incluir(m.focoReal);
        incluir(m.focoVirtual);
        incluir(zVerticeEsfera - espessura);
        hMax = std::max(hMax, hEsfera);
    } else if (secundario.teste == TesteNulo::CentroCurvatura ||
               secundario.teste == TesteNulo::Paraboloide) {
        incluir(secundario.foco1);
    } else if (secundario.teste == TesteNulo::Focos) {
        incluir(secundario.foco1);
        incluir(secundario.foco2);
    }
    const double margem = 14;
    const QRectF util = area.adjusted(margem, margem, -margem, -margem);
    const double escala = std::min(util.width() / (zMax - zMin), util.height() / (2 * hMax));
    const QPointF centro(util.center().x() - (zMin + zMax) / 2 * escala, util.center().y());
    auto ponto = [&](double z, double h) {
        return QPointF(centro.x() + z * escala, centro.y() - h * escala);
    };

    // The axis, dash-dot.
    QPen eixo(QColor(0x60, 0x60, 0x60), 0, Qt::DashDotLine);
    pintor.setPen(eixo);
    pintor.drawLine(ponto(zMin, 0), ponto(zMax, 0));

    // The secondary: convex face toward the front (smaller z), flat back.
    QPainterPath espelho;
    constexpr int N = 48;
    for (int k = 0; k <= N; ++k) {
        const double h = -H + 2 * H * k / N;
        double z = 0;
        FlechaConica(conica, std::fabs(h), z);
        k == 0 ? espelho.moveTo(ponto(z, h)) : espelho.lineTo(ponto(z, h));
    }
    double zBorda = 0;
    FlechaConica(conica, H, zBorda);
    espelho.lineTo(ponto(zBorda + espessura, H));
    espelho.lineTo(ponto(zBorda + espessura, -H));
    espelho.closeSubpath();
    pintor.setPen(QPen(QColor(0x20, 0x40, 0x80), 0));
    pintor.setBrush(QColor(0x99, 0xFF, 0xFF));
    pintor.drawPath(espelho);

    auto marca = [&](double z, const QString& simbolo, const QColor& cor) {
        const QPointF p = ponto(z, 0);
        pintor.setPen(QPen(cor, 1.5));
        pintor.drawLine(p + QPointF(-4, -4), p + QPointF(4, 4));
        pintor.drawLine(p + QPointF(-4, 4), p + QPointF(4, -4));
        pintor.drawText(p + QPointF(-4, 16), simbolo);
    };

    if (hindle) {
        // The sphere: the arc of radius Rs about the virtual focus, glass behind it.
        const double angulo = std::asin(std::min(1.0, hEsfera / raioEsfera));
        const double hFuro = m.furo / 2;
        const double anguloFuro = std::asin(std::min(1.0, hFuro / raioEsfera));
        auto arco = [&](double a0, double a1) {
            QPainterPath caminho;
            constexpr int M = 40;
            for (int k = 0; k <= M; ++k) {
                const double a = a0 + (a1 - a0) * k / M;
                const QPointF p =
                    ponto(m.focoVirtual - raioEsfera * std::cos(a), raioEsfera * std::sin(a));
                k == 0 ? caminho.moveTo(p) : caminho.lineTo(p);
            }
            const double zFundo = zVerticeEsfera - espessura;
            caminho.lineTo(ponto(zFundo, raioEsfera * std::sin(a1)));
            caminho.lineTo(ponto(zFundo, raioEsfera * std::sin(a0)));
            caminho.closeSubpath();
            pintor.setPen(QPen(QColor(0x20, 0x40, 0x80), 0));
            pintor.setBrush(QColor(0xCC, 0xCC, 0xFF));
            pintor.drawPath(caminho);
        };
        if (anguloFuro > 0) {
            arco(anguloFuro, angulo);
            arco(-angulo, -anguloFuro);
        } else {
            arco(-angulo, angulo);
        }
        // Rays from the real focus to the secondary, out to the sphere; dashed back to F'.
        for (double fracao : {1.0, 0.5, -1.0}) {
            RaioHindle raio;
            if (!TracarHindle(conica, m, H * fracao, raio)) continue;
            pintor.setPen(QPen(QColor(0xD0, 0x00, 0x00), 0));
            pintor.drawLine(ponto(raio.pontos[0].z, raio.pontos[0].x),
                            ponto(raio.pontos[1].z, raio.pontos[1].x));
            pintor.drawLine(ponto(raio.pontos[1].z, raio.pontos[1].x),
                            ponto(raio.pontos[2].z, raio.pontos[2].x));
            pintor.setPen(QPen(QColor(0xD0, 0x00, 0x00), 0, Qt::DashLine));
            pintor.drawLine(ponto(raio.pontos[1].z, raio.pontos[1].x), ponto(m.focoVirtual, 0));
        }
        marca(m.focoReal, TextoRecurso(Recursos::EspelhosFocoReal), QColor(0xD0, 0x00, 0x00));
        marca(m.focoVirtual, TextoRecurso(Recursos::EspelhosFocoVirtual), QColor(0x00, 0x60, 0x00));
    } else if (secundario.teste == TesteNulo::CentroCurvatura) {
        marca(secundario.foco1, TextoRecurso(Recursos::EspelhosCentro), QColor(0xD0, 0x00, 0x00));
    } else if (secundario.teste == TesteNulo::Paraboloide) {
        marca(secundario.foco1, TextoRecurso(Recursos::EspelhosFocoReal), QColor(0xD0, 0x00, 0x00));
    } else if (secundario.teste == TesteNulo::Focos) {
        marca(secundario.foco1, TextoRecurso(Recursos::EspelhosFocoReal), QColor(0xD0, 0x00, 0x00));
        marca(secundario.foco2, TextoRecurso(Recursos::EspelhosFocoVirtual),
              QColor(0x00, 0x60, 0x00));
    }
    pintor.restore();
}

TDesenhoHindle::TDesenhoHindle(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(180);
}

void TDesenhoHindle::definir(const EspelhoSecundario& secundario) {
    m_secundario = secundario;
    update();
}

void TDesenhoHindle::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    DesenharTesteSecundario(pintor, QRectF(rect()), m_secundario);
}

// ---- the window -----------------------------------------------------------------------------

TfrmEspelhos::TfrmEspelhos(QWidget* owner)
    : TJanelaViva(owner, "frmEspelhos", TextoRecurso(Recursos::EspelhosTitulo)) {
    montarJanela();
    Recalcular();
}

void TfrmEspelhos::montarJanela() {
    DefinirCamposZonas(dtZonas);
    dtZonas.Open();
    PrepararRelatorio(rpReport1, rpDBDataSet1, dtZonas, QStringLiteral("espelhos"),
                      [this] { rpReport1BeginDoc(); });

    // The number of zones beside the variant.
    linhaVariante()->insertSpacing(2, 16);
    linhaVariante()->insertWidget(3, new QLabel(TextoRecurso(Recursos::EspelhosZonas), this));
    edtZonas = new QSpinBox(this);
    edtZonas->setObjectName(QStringLiteral("edtZonas"));
    edtZonas->setRange(3, 12);
    edtZonas->setValue(5);
    linhaVariante()->insertWidget(4, edtZonas);

    // Everything below the variant scrolls, so the window fits a 1366 x 768 screen.
    auto* rolagem = new QScrollArea(this);
    rolagem->setObjectName(QStringLiteral("rolagem"));
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    auto* conteudo = new QWidget(rolagem);
    auto* conteudoLayout = new QVBoxLayout(conteudo);
    conteudoLayout->setContentsMargins(0, 0, 0, 0);
    corpo()->addWidget(rolagem);
    // What makes the design impossible to build, above its mirrors' data.
    lblAviso = CriarAviso(conteudo, 0, 0, 0);
    conteudoLayout->addWidget(lblAviso);

    const QList<ColunaLista> colunasValores = {
        {TextoRecurso(Recursos::EspelhosDescricao), 300, Qt::AlignLeft},
        {TextoRecurso(Recursos::EspelhosValor), 80, Qt::AlignRight}};

    // The primary: Couder zones and departures.
    grpPrimario = new QGroupBox(TextoRecurso(Recursos::EspelhosPrimario), this);
    grpPrimario->setObjectName(QStringLiteral("grpPrimario"));
    auto* caixaPrimario = new QVBoxLayout(grpPrimario);
    auto* linhaPrimario = new QHBoxLayout;
    QList<ColunaLista> colunasZonas;
    for (int k = 0; k < 6; ++k)
        colunasZonas.append({TextoRecurso(Recursos::EspelhosColunas[k]), k == 0 ? 44 : 100,
                             k == 0 ? Qt::AlignHCenter : Qt::AlignRight});
    tblZonas = CriarLista(grpPrimario, "tblZonas", colunasZonas);
    linhaPrimario->addWidget(tblZonas, 1);
    lstPrimario = CriarLista(grpPrimario, "lstPrimario", colunasValores);
    linhaPrimario->addWidget(lstPrimario, 0);
    caixaPrimario->addLayout(linhaPrimario);
    lblLeituras = new QLabel(TextoRecurso(Recursos::EspelhosLeituras), grpPrimario);
    lblLeituras->setObjectName(QStringLiteral("lblLeituras"));
    lblLeituras->setWordWrap(true);
    caixaPrimario->addWidget(lblLeituras);
    lblMensagemPrimario = CriarMensagem(grpPrimario, "lblMensagemPrimario");
    caixaPrimario->addWidget(lblMensagemPrimario);
    AjustarAltura(tblZonas, 12);
    AjustarAltura(lstPrimario, 12);
    conteudoLayout->addWidget(grpPrimario);

    // The secondary: departures, its null test and the drawing of the set-up.
    grpSecundario = new QGroupBox(TextoRecurso(Recursos::EspelhosSecundario), this);
    grpSecundario->setObjectName(QStringLiteral("grpSecundario"));
    auto* caixaSecundario = new QVBoxLayout(grpSecundario);
    auto* linhaSecundario = new QHBoxLayout;
    lstSecundario = CriarLista(grpSecundario, "lstSecundario", colunasValores);
    AjustarAltura(lstSecundario, 10);
    linhaSecundario->addWidget(lstSecundario, 1);
    auto* teste = new QVBoxLayout;
    lblTeste = new QLabel(grpSecundario);
    lblTeste->setObjectName(QStringLiteral("lblTeste"));
    lblTeste->setWordWrap(true);
    teste->addWidget(lblTeste);
    auto* linhaHindle = new QHBoxLayout;
    auto* rotuloHindle = new QLabel(TextoRecurso(Recursos::EspelhosDistanciaHindle), grpSecundario);
    rotuloHindle->setObjectName(QStringLiteral("lblHindle"));
    linhaHindle->addWidget(rotuloHindle);
    edtHindle = new TNumberEdit(grpSecundario);
    edtHindle->setObjectName(QStringLiteral("edtHindle"));
    edtHindle->setDisplayFormat(QStringLiteral("#,##0.00;-#,##0.00"));
    edtHindle->setMinValue(0);
    edtHindle->setFixedWidth(90);
    linhaHindle->addWidget(edtHindle);
    linhaHindle->addStretch(1);
    teste->addLayout(linhaHindle);
    lstHindle = CriarLista(grpSecundario, "lstHindle", colunasValores);
    AjustarAltura(lstHindle, 7);
    teste->addWidget(lstHindle);
    teste->addStretch(1);
    linhaSecundario->addLayout(teste, 1);
    caixaSecundario->addLayout(linhaSecundario);
    lblMensagemSecundario = CriarMensagem(grpSecundario, "lblMensagemSecundario");
    caixaSecundario->addWidget(lblMensagemSecundario);
    imgHindle = new TDesenhoHindle(grpSecundario);
    imgHindle->setObjectName(QStringLiteral("imgHindle"));
    caixaSecundario->addWidget(imgHindle, 1);
    conteudoLayout->addWidget(grpSecundario, 1);
    rolagem->setWidget(conteudo);
    AjustarATela(this, QSize(1000, 760));

    // Another secondary: the Hindle distance goes back to its default (before the base recomputes).
    connect(this, &TJanelaViva::varianteAlterada, this, [this] { m_hindleDigitado = false; });
    connect(edtZonas, &QSpinBox::valueChanged, this,
            Protegido(this, &TfrmEspelhos::edtZonasChange));
    connect(edtHindle, &TNumberEdit::changed, this,
            Protegido(this, &TfrmEspelhos::edtHindleChange));
    connect(edtHindle, &TNumberEdit::editingFinished, this,
            Protegido(this, &TfrmEspelhos::edtHindleExit));
}

void TfrmEspelhos::Recalcular() {
    const double distancia = m_hindleDigitado ? edtHindle->Value() : 0;
    m_dados = CalcularEspelhos(Projeto, cmbVariante->currentIndex(), edtZonas->value(), distancia);
    MostrarAvisos(lblAviso, AvisosProjeto(Projeto));
    MostrarDados();
}

void TfrmEspelhos::edtZonasChange() {
    Recalcular();
}

void TfrmEspelhos::edtHindleChange() {
    if (m_carregando) return;
    // An empty field (or zero) asks for the default distance again.
    m_hindleDigitado = edtHindle->Value() > 0;
    Recalcular();
}

void TfrmEspelhos::edtHindleExit() {
    if (!m_hindleDigitado) MostrarDados();
}

void TfrmEspelhos::MostrarDados() {
    const TextosEspelhos textos = TextosDosEspelhos(m_dados);

    tblZonas->clear();
    for (const auto& zona : textos.zonas) {
        auto* item = new QTreeWidgetItem(tblZonas, QStringList(zona.begin(), zona.end()));
        item->setTextAlignment(0, Qt::AlignHCenter | Qt::AlignVCenter);
        for (int c = 1; c < 6; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    PreencherLista(lstPrimario, textos.primario);
    MostrarMensagem(lblMensagemPrimario, textos.mensagemPrimario);

    PreencherLista(lstSecundario, textos.secundario);
    PreencherLista(lstHindle, textos.montagem);
    lblTeste->setText(textos.testeSecundario);
    MostrarMensagem(lblMensagemSecundario, textos.mensagemSecundario);
    const EspelhoSecundario& s = m_dados.secundario;
    const bool hindle = s.valido && s.teste == TesteNulo::Hindle;
    edtHindle->setEnabled(hindle);
    // While the user edits the field it keeps what is typed; the default shows when they leave.
    if (!m_hindleDigitado && !edtHindle->hasFocus()) {
        m_carregando = true;
        edtHindle->setValue(hindle ? s.hindle.distancia : 0);
        m_carregando = false;
    }
    imgHindle->definir(s);
}

QString TfrmEspelhos::tituloPreview() const {
    return TextoRecurso(Recursos::PreviewEspelhos);
}

void TfrmEspelhos::rpReport1BeginDoc() {
    const TextosEspelhos textos = TextosDosEspelhos(m_dados);
    PreencherRelatorio(rpReport1, LinhasRelatorioEspelhos(Projeto, m_dados, textos));
    PreencherDadosZonas(dtZonas, textos);
    PreencherFigura(rpReport1, "Picture1", [this](QPainter& pintor, const QRectF& area) {
        DesenharTesteSecundario(pintor, area, m_dados.secundario);
    });
}
