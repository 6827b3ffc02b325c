// The analysis window's diffraction page: wavefront and Strehl table, MTF, PSFs and encircled
// energy of the three variants, computed off the interface thread.
#include "AnaliseDifracao.h"

#include "NumeroTexto.h"
#include "Recursos.h"
#include "TabelaFixa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <cstring>

// ---- the PSF grid ------------------------------------------------------------------------

TPsfDifracao::TPsfDifracao(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("imgPsf"));
    setMinimumSize(300, 320);
}

void TPsfDifracao::definir(const ResultadoDifracao& r, const TextosDifracao& t,
                           const std::array<QImage, 9>& imagens) {
    m_resultado = r;
    m_textos = t;
    m_imagens = imagens;
    update();
}

void TPsfDifracao::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::white);
    DesenharPsfs(pintor, QRectF(rect()), m_resultado, m_textos, &m_imagens);
}

// ---- the plots ---------------------------------------------------------------------------

TGraficoDifracao::TGraficoDifracao(QWidget* parent, const char* nome) : QWidget(parent) {
    setObjectName(QString::fromLatin1(nome));
    setMinimumSize(300, 200);
}

void TGraficoDifracao::definir(Graficos::Grafico grafico) {
    m_grafico = std::move(grafico);
    update();
}

void TGraficoDifracao::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::white);
    m_grafico.Desenhar(pintor, QRectF(rect()).adjusted(4, 4, -4, -4));
}

// ---- the page ----------------------------------------------------------------------------

TAnaliseDifracao::TAnaliseDifracao(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pagDifracao"));
    chkMelhorFoco = new QCheckBox(TextoRecurso(Recursos::ChkMelhorFoco), this);
    chkMelhorFoco->setObjectName(QStringLiteral("chkMelhorFoco"));
    cmbVariante = new QComboBox(this);
    cmbVariante->setObjectName(QStringLiteral("cmbVarianteDifracao"));
    for (const char* v : {Recursos::Classico, Recursos::DallKirkham, Recursos::RitcheyChretien})
        cmbVariante->addItem(TextoRecurso(v));
    lblDifracao = new QLabel(this);
    lblDifracao->setObjectName(QStringLiteral("lblDifracao"));
    lblDifracao->setWordWrap(true);

    // Numbers up to "> 000,00" (a radius beyond the last one computed).
    tblDifracao = CriarTabelaFixa(this, QStringLiteral("tblDifracao"), 9, Recursos::ColunasDifracao,
                                  8, QStringLiteral("> 000,00"));

    grafMtf = new TGraficoDifracao(this, "grafMtf");
    imgPsf = new TPsfDifracao(this);
    grafEnergia = new TGraficoDifracao(this, "grafEnergia");

    auto* grade = new QGridLayout(this);
    auto* topo = new QHBoxLayout;
    topo->addWidget(chkMelhorFoco);
    topo->addSpacing(16);
    auto* rotulo = new QLabel(TextoRecurso(Recursos::RotuloVarianteCurvas), this);
    rotulo->setBuddy(cmbVariante);
    topo->addWidget(rotulo);
    topo->addWidget(cmbVariante);
    topo->addStretch(1);
    grade->addLayout(topo, 0, 0, 1, 2);
    grade->addWidget(lblDifracao, 1, 0, 1, 2);
    grade->addWidget(tblDifracao, 2, 0);
    grade->addWidget(grafMtf, 3, 0);
    grade->addWidget(imgPsf, 2, 1, 2, 1);
    grade->addWidget(grafEnergia, 4, 0, 1, 2);
    grade->setRowStretch(3, 1);
    grade->setRowStretch(4, 1);
    grade->setColumnStretch(1, 1);

    connect(&m_watcher, &QFutureWatcher<Calculo>::finished, this, &TAnaliseDifracao::Terminou);
    connect(chkMelhorFoco, &QCheckBox::toggled, this, [this] {
        m_pendente = !atual();
        Iniciar();
    });
    connect(cmbVariante, &QComboBox::currentIndexChanged, this, [this] { Mostrar(); });
    Mostrar();
}

bool TAnaliseDifracao::Entradas::iguais(const Entradas& outras) const {
    // The analysis is a function of the design record, whose 544 bytes have no padding.
    return melhorFoco == outras.melhorFoco &&
           std::memcmp(&projeto, &outras.projeto, sizeof projeto) == 0;
}

TAnaliseDifracao::Entradas TAnaliseDifracao::EntradasAtuais() const {
    return {m_projeto, m_analise, chkMelhorFoco->isChecked()};
}

TAnaliseDifracao::Calculo TAnaliseDifracao::Calcular(const Entradas& entradas) {
    Calculo c;
    c.entradas = entradas;
    c.resultado = AnalisarDifracao(entradas.projeto, entradas.analise, entradas.melhorFoco);
    c.imagens = ImagensPsf(c.resultado);
    return c;
}

void TAnaliseDifracao::Adotar(const Calculo& c) {
    m_calculadas = c.entradas;
    m_temResultado = true;
    m_resultado = c.resultado;
    m_imagens = c.imagens;
    m_textos = TextosDaDifracao(m_resultado);
    Mostrar();
    emit calculado();
}

int TAnaliseDifracao::varianteCurvas() const {
    return std::clamp(cmbVariante->currentIndex(), 0, 2);
}

bool TAnaliseDifracao::melhorFoco() const {
    return chkMelhorFoco->isChecked();
}

bool TAnaliseDifracao::atual() const {
    return m_temResultado && m_calculadas.iguais(EntradasAtuais());
}

void TAnaliseDifracao::Atualizar() {
    m_pendente = false;
    if (!atual()) Adotar(Calcular(EntradasAtuais()));
}

void TAnaliseDifracao::definir(const TProjeto& projeto, const ResultadoAnalise& analise) {
    m_projeto = projeto;
    m_analise = analise;
    // The same design again (a print or preview recomputes first) keeps its result.
    m_pendente = !atual();
    if (isVisible()) Iniciar();
}

void TAnaliseDifracao::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (m_pendente) Iniciar();
}

void TAnaliseDifracao::Iniciar() {
    // One computation at a time: inputs that arrive meanwhile wait for it and start the next.
    if (!m_pendente || m_watcher.isRunning()) return;
    m_pendente = false;
    lblDifracao->setText(TextoRecurso(Recursos::DifracaoCalculando));
    m_watcher.setFuture(QtConcurrent::run(&TAnaliseDifracao::Calcular, EntradasAtuais()));
}

void TAnaliseDifracao::Terminou() {
    const Calculo c = m_watcher.result();
    // Stale when newer inputs arrived while it ran (or were computed meanwhile by Atualizar).
    if (m_pendente || !c.entradas.iguais(EntradasAtuais())) {
        if (m_pendente)
            Iniciar();
        else
            lblDifracao->setText(m_textos.mensagem);
        return;
    }
    if (!atual())
        Adotar(c);
    else
        lblDifracao->setText(m_textos.mensagem);
}
void TAnaliseDifracao::Mostrar() {
    const TextosDifracao& t = m_textos;
    lblDifracao->setText(t.mensagem);
    for (int l = 0; l < 9; ++l) {
        const LinhaDifracao& a = t.linhas[l];
        const QString* c[8] = {&a.variante,       &a.campo,     &a.rms,  &a.pv,
                               &a.strehlMarechal, &a.strehlPsf, &a.ee50, &a.ee80};
        for (int k = 0; k < 8; ++k)
            tblDifracao->item(l, k)->setText(*c[k]);
    }
    const int v = cmbVariante->currentIndex();
    grafMtf->definir(GraficoMtf(m_resultado, t, v));
    grafEnergia->definir(GraficoEnergia(m_resultado, t, v));
    imgPsf->definir(m_resultado, t, m_imagens);
}
