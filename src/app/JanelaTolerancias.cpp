// The focusing and collimation window.
#include "JanelaTolerancias.h"

#include "AnaliseDifracao.h"
#include "Janela.h"
#include "NumeroTexto.h"
#include "Recursos.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
const QColor Cores[3] = {QColor(0, 90, 200), QColor(200, 60, 0), QColor(0, 140, 60)};
const char* const Nomes[3] = {Recursos::Classico, Recursos::DallKirkham, Recursos::RitcheyChretien};
constexpr int PassosFoco = 15;

QTableWidget* Tabela(QWidget* pai, const char* nome, int linhas,
                     std::initializer_list<const char*> colunas) {
    auto* t = new QTableWidget(linhas, static_cast<int>(colunas.size()), pai);
    t->setObjectName(QString::fromLatin1(nome));
    QStringList titulos;
    for (const char* c : colunas)
        titulos << TextoRecurso(c);
    t->setHorizontalHeaderLabels(titulos);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    const QFontMetrics fm(t->font());
    int largura = 2 * t->frameWidth();
    for (int c = 0; c < t->columnCount(); ++c) {
        const int w = std::max(fm.horizontalAdvance(titulos[c]) + 16,
                               fm.horizontalAdvance(c == 0 && linhas == 3
                                                        ? TextoRecurso(Recursos::RitcheyChretien)
                                                        : QStringLiteral("-00.000,000")) +
                                   12);
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
        t->setColumnWidth(c, w);
        largura += w;
        for (int l = 0; l < linhas; ++l) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(c == 0 && linhas == 3 ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(l, c, item);
        }
    }
    int altura = t->horizontalHeader()->sizeHint().height() + 2 * t->frameWidth();
    for (int l = 0; l < linhas; ++l)
        altura += t->rowHeight(l);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setFixedSize(largura, altura);
    return t;
}

QString Numero(double x, int casas) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return std::isfinite(x) ? NumeroTextoCasas(x, casas, decimal, milhar) : QStringLiteral("—");
}
} // namespace

Graficos::Grafico GraficoFocagem(const ResultadoTolerancias& r) {
    Graficos::Grafico g;
    g.tituloX = TextoRecurso(Recursos::EixoDeltaE);
    g.tituloY = TextoRecurso(Recursos::EixoStrehlEixo);
    if (!r.valida() || r.variantes[0].focagem.empty()) {
        g.mensagem = QStringLiteral(" ");
        return g;
    }
    g.xMin = r.variantes[0].focagem.front().deltaE;
    g.xMax = r.variantes[0].focagem.back().deltaE;
    if (!(g.xMax > g.xMin)) g.xMax = g.xMin + 1;
    // From 1 down to below the lowest Strehl and the 0,8 line, in steps of 0,05.
    double menor = StrehlLimite;
    for (const VarianteTolerancias& vt : r.variantes)
        for (const LinhaFocagem& l : vt.focagem)
            if (l.valida) menor = std::min(menor, l.strehl);
    g.yMin = std::max(0.0, std::floor((menor - 0.02) / 0.05) * 0.05);
    g.yMax = 1;
    Graficos::Curva limite;
    limite.cor = Qt::gray;
    limite.traco = Graficos::Traco::Tracejado;
    limite.pontos = {{g.xMin, StrehlLimite}, {g.xMax, StrehlLimite}};
    g.curvas.push_back(limite);
    for (int v = 0; v < 3; ++v) {
        Graficos::Curva c;
        c.cor = Cores[v];
        c.nome = TextoRecurso(Nomes[v]);
        for (const LinhaFocagem& l : r.variantes[v].focagem)
            if (l.valida) c.pontos.append({l.deltaE, l.strehl});
        g.curvas.push_back(c);
    }
    return g;
}

TfrmTolerancias::TfrmTolerancias(QWidget* owner)
    : TJanelaViva(owner, "frmTolerancias", TextoRecurso(Recursos::TituloTolerancias)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    // No report yet: the tool bar's buttons stay off.
    for (QToolButton* b : {btnImprimir, btnPreview, btnPdf})
        b->setEnabled(false);

    edtFaixaFoco = new QLineEdit(this);
    edtFaixaFoco->setObjectName(QStringLiteral("edtFaixaFoco"));
    edtFaixaFoco->setText(QStringLiteral("-50;100"));
    edtFaixaFoco->setMaximumWidth(
        edtFaixaFoco->fontMetrics().horizontalAdvance(QStringLiteral("-0000,0;0000,00")) + 16);
    lblTolerancias = new QLabel(this);
    lblTolerancias->setObjectName(QStringLiteral("lblTolerancias"));
    lblTolerancias->setWordWrap(true);
    tblFocagem = Tabela(this, "tblFocagem", PassosFoco,
                        {Recursos::ColDeltaE, Recursos::ColDeslocSecundario, Recursos::ColFocal,
                         Recursos::ColRelacaoFocal, Recursos::ColRmsEixo, Recursos::ColStrehl,
                         Recursos::ColRmsBorda});
    grafFocagem = new TGraficoDifracao(this, "grafFocagem");
    grafFocagem->setMinimumWidth(380);
    tblColimacao = Tabela(this, "tblColimacao", 3,
                          {Recursos::ColVariante, Recursos::ColDescentramento,
                           Recursos::ColInclinacao, Recursos::ColComaMinuto, Recursos::ColComaMm,
                           Recursos::ColPontoNeutro, Recursos::ColEspacamento});
    lblNota = new QLabel(TextoRecurso(Recursos::ToleranciasNota), this);
    lblNota->setObjectName(QStringLiteral("lblNota"));
    lblNota->setWordWrap(true);
    for (QLabel* l : {lblTolerancias, lblNota})
        l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    lblNota->setMinimumHeight(2 * lblNota->fontMetrics().lineSpacing() + 4);

    auto* faixa = new QHBoxLayout;
    auto* rotuloFaixa = new QLabel(TextoRecurso(Recursos::RotuloFaixaFoco), this);
    rotuloFaixa->setBuddy(edtFaixaFoco);
    faixa->addWidget(rotuloFaixa);
    faixa->addWidget(edtFaixaFoco);
    faixa->addStretch(1);
    auto* meio = new QHBoxLayout;
    meio->addWidget(tblFocagem);
    meio->addWidget(grafFocagem, 1);
    corpo()->addLayout(faixa);
    corpo()->addWidget(lblTolerancias);
    corpo()->addLayout(meio, 1);
    corpo()->addWidget(tblColimacao);
    corpo()->addWidget(lblNota);

    connect(edtFaixaFoco, &QLineEdit::textChanged, this,
            [this] { Proteger([this] { Recalcular(); }); });
}

void TfrmTolerancias::Recalcular() {
    double a = 0, b = 0;
    if (!LerFaixaFoco(edtFaixaFoco->text(), a, b)) {
        lblTolerancias->setText(TextoRecurso(Recursos::ToleranciasFaixaInvalida));
        return;
    }
    // The variant choice alone only shows another part of the same result.
    if (m_calculado && a == m_deMin && b == m_deMax &&
        std::memcmp(&Projeto, &m_projeto, sizeof m_projeto) == 0) {
        if (!calculando()) Mostrar();
        return;
    }
    m_projeto = Projeto;
    m_deMin = a;
    m_deMax = b;
    m_calculado = true;
    lblTolerancias->setText(TextoRecurso(Recursos::ToleranciasCalculando));
    const TProjeto projeto = m_projeto;
    Calcular<ResultadoTolerancias>(
        [projeto, a, b] { return CalcularTolerancias(projeto, a, b, PassosFoco); },
        [this](const ResultadoTolerancias& r) {
            m_resultado = r;
            Mostrar();
        });
}

void TfrmTolerancias::Mostrar() {
    const ResultadoTolerancias& r = m_resultado;
    const int v = variante();
    if (!r.valida()) {
        ResultadoAnalise a;
        a.motivo = r.motivo;
        lblTolerancias->setText(TextosDaAnalise(a).airy);
    } else {
        const VarianteTolerancias& vt = r.variantes[v];
        // A bound the Strehl never fell below within the range is the range's end, marked.
        lblTolerancias->setText(
            TextoRecurso(Recursos::ToleranciasResumo)
                .arg((vt.abertoMin ? QStringLiteral("< ") : QString()) + Numero(vt.faixaMin, 1),
                     (vt.abertoMax ? QStringLiteral("> ") : QString()) + Numero(vt.faixaMax, 1),
                     Numero(r.profundidadeFoco, 3)));
    }
    for (int l = 0; l < tblFocagem->rowCount(); ++l) {
        const bool tem = r.valida() && l < static_cast<int>(r.variantes[v].focagem.size());
        const LinhaFocagem x = tem ? r.variantes[v].focagem[l] : LinhaFocagem{};
        const QString c[7] = {tem ? Numero(x.deltaE, 1) : QString(),
                              tem ? Numero(x.deslocamento, 3) : QString(),
                              tem && x.valida ? Numero(x.F, 1) : QString(),
                              tem && x.valida ? Numero(x.FN, 2) : QString(),
                              tem && x.valida ? Numero(x.rmsEixo, 2) : QString(),
                              tem && x.valida ? Numero(x.strehl, 3) : QString(),
                              tem && x.valida ? Numero(x.rmsBorda, 2) : QString()};
        for (int k = 0; k < 7; ++k)
            tblFocagem->item(l, k)->setText(c[k]);
    }
    for (int l = 0; l < 3; ++l) {
        const ColimacaoVariante& c = r.variantes[l].colimacao;
        const bool ok = r.valida();
        const QString t[7] = {TextoRecurso(Nomes[l]),
                              ok ? Numero(c.descentramento, 3) : QString(),
                              ok ? Numero(c.inclinacao, 2) : QString(),
                              ok ? Numero(c.comaPorMinuto, 4) : QString(),
                              ok ? Numero(c.comaPorMm, 3) : QString(),
                              ok ? Numero(c.pontoNeutro, 1) : QString(),
                              ok ? Numero(c.espacamentoMenos, 3) + QStringLiteral(" / +") +
                                       Numero(c.espacamentoMais, 3)
                                 : QString()};
        for (int k = 0; k < 7; ++k)
            tblColimacao->item(l, k)->setText(t[k]);
    }
    grafFocagem->definir(GraficoFocagem(r));
}
