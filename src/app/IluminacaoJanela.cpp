// The field-illumination window: curve, table, the field to keep lit and the apply button.
#include "IluminacaoJanela.h"

#include "AnaliseDifracao.h"
#include "Calculo.h"
#include "Documento.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "NumeroTexto.h"
#include "Recursos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <cstring>

namespace {
// The optimiser's inputs: the design's bytes that reach it, the variant and the field.
QByteArray ChaveOtimizador(const TProjeto& P, int variante, double campo) {
    TProjeto Q = P;
    std::memset(Q.Titulo, 0, sizeof Q.Titulo);
    QByteArray b(reinterpret_cast<const char*>(&Q), sizeof Q);
    b.append(reinterpret_cast<const char*>(&variante), sizeof variante);
    b.append(reinterpret_cast<const char*>(&campo), sizeof campo);
    return b;
}

} // namespace

TfrmIluminacao::TfrmIluminacao(QWidget* owner)
    : TJanelaViva(owner, "frmIluminacao", TextoRecurso(Recursos::TituloIluminacao)) {
    auto* grade = new QGridLayout;
    corpo()->addLayout(grade);
    grafIluminacao = new TGraficoDifracao(this, "grafIluminacao");
    grafIluminacao->setMinimumSize(460, 300);
    tblIluminacao = new QTableWidget(6, ColunasIluminacao, this);
    tblIluminacao->setObjectName(QStringLiteral("tblIluminacao"));
    tblIluminacao->setHorizontalHeaderLabels({TextoRecurso(Recursos::IluminacaoDefletorAtual),
                                              TextoRecurso(Recursos::IluminacaoDefletorOtimizado),
                                              TextoRecurso(Recursos::IluminacaoDefletorRegistro)});
    const char* linhas[6] = {
        Recursos::IluminacaoLinha100,      Recursos::IluminacaoLinha75,
        Recursos::IluminacaoLinha50,       Recursos::IluminacaoObstrucaoDiametro,
        Recursos::IluminacaoObstrucaoArea, Recursos::IluminacaoLuzDireta};
    QStringList rotulos;
    for (const char* l : linhas)
        rotulos << TextoRecurso(l);
    tblIluminacao->setVerticalHeaderLabels(rotulos);
    for (int l = 0; l < 6; ++l)
        for (int k = 0; k < ColunasIluminacao; ++k) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled);
            tblIluminacao->setItem(l, k, item);
        }
    tblIluminacao->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblIluminacao->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblIluminacao->setMinimumWidth(540);
    tblIluminacao->setFixedHeight(tblIluminacao->horizontalHeader()->sizeHint().height() +
                                  6 * tblIluminacao->verticalHeader()->defaultSectionSize() + 4);

    edtCampoIluminado = new TNumberEdit(this);
    edtCampoIluminado->setObjectName(QStringLiteral("edtCampoIluminado"));
    edtCampoIluminado->setDisplayFormat(QStringLiteral("#,##0.00;-#,##0.00"));
    edtCampoIluminado->setValue(Projeto.i);
    auto* rotulo = new QLabel(TextoRecurso(Recursos::IluminacaoCampo), this);
    rotulo->setBuddy(edtCampoIluminado);
    btnAplicar = new QPushButton(TextoRecurso(Recursos::IluminacaoAplicar), this);
    btnAplicar->setObjectName(QStringLiteral("btnAplicar"));
    btnAplicar->setToolTip(TextoRecurso(Recursos::IluminacaoAplicarDica));
    lblIluminacao = new QLabel(this);
    lblIluminacao->setObjectName(QStringLiteral("lblIluminacao"));
    lblIluminacao->setWordWrap(true);
    auto* linha = new QHBoxLayout;
    linha->addWidget(rotulo);
    linha->addWidget(edtCampoIluminado);
    linha->addStretch(1);
    linha->addWidget(btnAplicar);

    grade->addWidget(grafIluminacao, 0, 0, 1, 1);
    grade->addLayout(linha, 1, 0);
    grade->addWidget(tblIluminacao, 2, 0);
    grade->addWidget(lblIluminacao, 3, 0);
    grade->setRowStretch(0, 1);
    connect(edtCampoIluminado, &TNumberEdit::changed, this,
            Protegido(this, &TfrmIluminacao::Recalcular));
    connect(btnAplicar, &QPushButton::clicked, this,
            Protegido(this, &TfrmIluminacao::btnAplicarClick));
    relatorioIluminacao = std::make_unique<TRelatorioIluminacao>(Projeto, AvisoRelatorio{});
    Recalcular();
    resize(640, 760);
}

QString TfrmIluminacao::tituloPreview() const {
    return TextoRecurso(Recursos::PreviewIluminacao);
}

void TfrmIluminacao::PrepararImpressao() {
    const int v = variante();
    const double c = campo();
    const QByteArray chave = ChaveOtimizador(Projeto, v, c);
    if (!m_temResultado || chave != m_chaveOtimizador) {
        const CalculoIluminacao r = CalcularEstudoIluminacao(Projeto, v, c);
        m_chaveOtimizador = chave;
        m_temResultado = true;
        Mostrar(r);
    }
    relatorioIluminacao->Definir(m_resultado, v);
}

double TfrmIluminacao::campo() const {
    bool ok = false;
    const double v = QLocale().toDouble(edtCampoIluminado->text(), &ok);
    return ok && v > 0 ? v : Projeto.i;
}

void TfrmIluminacao::Recalcular() {
    const TProjeto P = Projeto;
    const int v = variante();
    const double c = campo();
    const QByteArray chave = ChaveOtimizador(P, v, c);
    // The optimiser runs only when its inputs change; the curve of the record's baffle always.
    const bool reusar = m_temResultado && chave == m_chaveOtimizador;
    std::shared_ptr<CalculoIluminacao> anterior;
    if (reusar) anterior = std::make_shared<CalculoIluminacao>(m_resultado);
    btnAplicar->setEnabled(false);
    Calcular<CalculoIluminacao>(
        [P, v, c, anterior] { return CalcularEstudoIluminacao(P, v, c, anterior.get()); },
        [this, chave](const CalculoIluminacao& r) {
            m_chaveOtimizador = chave;
            m_temResultado = true;
            Mostrar(r);
        });
}

void TfrmIluminacao::Mostrar(const CalculoIluminacao& c) {
    m_resultado = c;
    grafIluminacao->definir(GraficoIluminacao(c));
    const std::vector<LinhaTabelaIluminacao> tabela = TabelaIluminacao(c);
    for (int l = 0; l < 6; ++l)
        for (int k = 0; k < ColunasIluminacao; ++k)
            tblIluminacao->item(l, k)->setText(tabela[std::size_t(l)][std::size_t(k) + 1]);
    QChar dec, mil;
    SeparadoresLocal(dec, mil);
    lblIluminacao->setText(NotaIluminacao(c, dec, mil));
    btnAplicar->setEnabled(c.defletorRegistro.encontrado);
}

// The record holds the baffle window's family only: the optimum without a hood is written.
void TfrmIluminacao::btnAplicarClick() {
    const DefletorOtimizado& d = m_resultado.defletorRegistro;
    if (!d.encontrado) return;
    TDocumento& documento = TDocumento::Atual();
    const TDocumento::Mudanca mudanca(documento); // one change signal, the baffle laid out
    documento.DefinirEntrada(&TProjeto::DDi, d.DDi);
    documento.DefinirEntrada(&TProjeto::DDe, d.DDe);
    documento.DefinirEntrada(&TProjeto::SSDe, d.SSDe);
    if (!(documento.Registro().LTotal > 0)) // the tube the optimiser judged
        documento.DefinirEntrada(&TProjeto::LTotal, d.LTotal);
    DimensionarDefletor(documento.Registro());
}
