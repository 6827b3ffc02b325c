// The focusing and collimation window.
#include "JanelaTolerancias.h"

#include "AnaliseDifracao.h"
#include "Janela.h"
#include "NumeroTexto.h"
#include "Recursos.h"
#include "TabelaFixa.h"

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
constexpr int PassosFoco = LinhasFocagemRelatorio;

QTableWidget* Tabela(QWidget* pai, const char* nome, int linhas,
                     std::initializer_list<const char*> colunas) {
    QStringList titulos;
    for (const char* c : colunas)
        titulos << TextoRecurso(c);
    QTableWidget* t = CriarTabelaLeitura(pai, QString::fromLatin1(nome), linhas, titulos);
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

} // namespace

TfrmTolerancias::TfrmTolerancias(QWidget* owner)
    : TJanelaViva(owner, "frmTolerancias", TextoRecurso(Recursos::TituloTolerancias)) {
    setAttribute(Qt::WA_DeleteOnClose, false);

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
    grafCamera = new TGraficoDifracao(this, "grafCamera");
    grafCamera->setMinimumWidth(380);
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
    // The tables and the note on the left, the two plots on the right.
    auto* tabelas = new QVBoxLayout;
    tabelas->addWidget(tblFocagem);
    tabelas->addWidget(tblColimacao);
    tabelas->addWidget(lblNota);
    tabelas->addStretch(1);
    auto* graficos = new QVBoxLayout;
    graficos->addWidget(grafFocagem, 1);
    graficos->addWidget(grafCamera, 1);
    auto* meio = new QHBoxLayout;
    meio->addLayout(tabelas);
    meio->addLayout(graficos, 1);
    corpo()->addLayout(faixa);
    corpo()->addWidget(lblTolerancias);
    corpo()->addLayout(meio, 1);

    connect(edtFaixaFoco, &QLineEdit::textChanged, this,
            [this] { Proteger(this, [this] { Recalcular(); }); });
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
            m_geracaoMostrada = geracao();
            Mostrar();
        });
}

QString TfrmTolerancias::tituloPreview() const {
    return TextoRecurso(Recursos::PreviewTolerancias);
}

void TfrmTolerancias::PrepararImpressao() {
    Recalcular();
    if (m_calculado && m_geracaoMostrada != geracao()) {
        // The newest computation has not shown yet: done here, its worker's result then
        // shows the same numbers again.
        m_resultado = CalcularTolerancias(m_projeto, m_deMin, m_deMax, PassosFoco);
        m_geracaoMostrada = geracao();
        Mostrar();
    }
    relatorioTolerancias.Definir(m_projeto, m_resultado, variante());
}

void TfrmTolerancias::Mostrar() {
    const ResultadoTolerancias& r = m_resultado;
    const int v = variante();
    lblTolerancias->setText(ResumoTolerancias(r, v));
    for (int l = 0; l < tblFocagem->rowCount(); ++l) {
        const bool tem = r.valida() && l < static_cast<int>(r.variantes[v].focagem.size());
        const std::array<QString, 7> c =
            tem ? CelulasFocagem(r.variantes[v].focagem[l]) : std::array<QString, 7>{};
        for (int k = 0; k < 7; ++k)
            tblFocagem->item(l, k)->setText(c[k]);
    }
    for (int l = 0; l < 3; ++l) {
        const std::array<QString, 7> t = CelulasColimacao(r, l);
        for (int k = 0; k < 7; ++k)
            tblColimacao->item(l, k)->setText(t[k]);
    }
    grafFocagem->definir(GraficoFocagem(r));
    grafCamera->definir(GraficoCamera(r, v));
}
