// The field-illumination window: curve, table, the field to keep lit and the apply button.
#include "IluminacaoJanela.h"

#include "AnaliseDifracao.h"
#include "Calculo.h"
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

QString Diametro(const ResultadoIluminacao& r, int k) {
    if (!r.valida) return QStringLiteral("-");
    const QString t = FormatarN(TextoRecurso(Recursos::FmtIluminacaoMm), r.diametros[k]);
    return r.alem[k] ? TextoRecurso(Recursos::FmtIluminacaoAlem).arg(t) : t;
}
QString Porcento(double v) {
    return FormatarN(TextoRecurso(Recursos::FmtIluminacaoPorcento), 100 * v);
}
} // namespace

CalculoIluminacao CalcularJanelaIluminacao(const TProjeto& projeto, int variante, double campo,
                                           const CalculoIluminacao* anterior) {
    CalculoIluminacao c;
    TProjeto P = projeto;
    c.defletorAtual = P.DDi > 0 && P.LTotal > 0;
    if (c.defletorAtual) CalcularDefletor(P);
    c.meioCampo = P.i / 2;
    c.campo = campo;
    c.atual = CalcularIluminacao(P, variante);
    c.folgaAtual = c.defletorAtual ? FolgaLuzDireta(P) : 0;
    if (anterior) {
        c.defletor = anterior->defletor;
        c.otimizado = anterior->otimizado;
        return c;
    }
    c.defletor = OtimizarDefletor(P, variante, campo);
    if (c.defletor.encontrado)
        c.otimizado =
            CalcularIluminacao(ProjetoComDefletor(P, c.defletor.DDi, c.defletor.SSDe), variante);
    return c;
}

TfrmIluminacao::TfrmIluminacao(QWidget* owner)
    : TJanelaViva(owner, "frmIluminacao", TextoRecurso(Recursos::TituloIluminacao)) {
    auto* grade = new QGridLayout;
    corpo()->addLayout(grade);
    grafIluminacao = new TGraficoDifracao(this, "grafIluminacao");
    grafIluminacao->setMinimumSize(460, 300);
    tblIluminacao = new QTableWidget(6, 2, this);
    tblIluminacao->setObjectName(QStringLiteral("tblIluminacao"));
    tblIluminacao->setHorizontalHeaderLabels({TextoRecurso(Recursos::IluminacaoDefletorAtual),
                                              TextoRecurso(Recursos::IluminacaoDefletorOtimizado)});
    const char* linhas[6] = {
        Recursos::IluminacaoLinha100,      Recursos::IluminacaoLinha75,
        Recursos::IluminacaoLinha50,       Recursos::IluminacaoObstrucaoDiametro,
        Recursos::IluminacaoObstrucaoArea, Recursos::IluminacaoLuzDireta};
    QStringList rotulos;
    for (const char* l : linhas)
        rotulos << TextoRecurso(l);
    tblIluminacao->setVerticalHeaderLabels(rotulos);
    for (int l = 0; l < 6; ++l)
        for (int k = 0; k < 2; ++k) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled);
            tblIluminacao->setItem(l, k, item);
        }
    tblIluminacao->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblIluminacao->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblIluminacao->setMinimumWidth(430);
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
    Recalcular();
    resize(560, 720);
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
        [P, v, c, anterior] { return CalcularJanelaIluminacao(P, v, c, anterior.get()); },
        [this, chave](const CalculoIluminacao& r) {
            m_chaveOtimizador = chave;
            m_temResultado = true;
            Mostrar(r);
        });
}

void TfrmIluminacao::Mostrar(const CalculoIluminacao& c) {
    m_resultado = c;
    Graficos::Grafico g;
    g.tituloX = TextoRecurso(Recursos::IluminacaoEixoAltura);
    g.tituloY = TextoRecurso(Recursos::IluminacaoEixoRelativa);
    g.yMin = 0;
    g.yMax = 1.05;
    if (!c.atual.valida) {
        g.mensagem = TextoRecurso(Recursos::IluminacaoInvalida);
    } else {
        g.xMax = c.atual.alturas.back();
        const struct {
            const ResultadoIluminacao* r;
            QColor cor;
            const char* nome;
        } curvas[2] = {{&c.atual, QColor(200, 60, 0), Recursos::IluminacaoDefletorAtual},
                       {&c.otimizado, QColor(0, 90, 200), Recursos::IluminacaoDefletorOtimizado}};
        for (const auto& k : curvas) {
            if (!k.r->valida) continue;
            Graficos::Curva cv;
            cv.cor = k.cor;
            cv.nome = TextoRecurso(k.nome);
            for (std::size_t n = 0; n < k.r->alturas.size(); ++n)
                cv.pontos.append({k.r->alturas[n], k.r->relativa[n]});
            g.curvas.push_back(cv);
        }
        Graficos::Curva borda; // the field's edge i/2
        borda.cor = QColor(120, 120, 120);
        borda.traco = Graficos::Traco::Tracejado;
        borda.espessura = 1;
        borda.nome = TextoRecurso(Recursos::IluminacaoBordaCampo);
        borda.pontos = {{c.meioCampo, 0}, {c.meioCampo, 1.05}};
        g.curvas.push_back(borda);
    }
    grafIluminacao->definir(g);
    const ResultadoIluminacao* r[2] = {&c.atual, &c.otimizado};
    for (int k = 0; k < 2; ++k) {
        const bool ok = r[k]->valida;
        for (int l = 0; l < 3; ++l)
            tblIluminacao->item(l, k)->setText(Diametro(*r[k], l));
        tblIluminacao->item(3, k)->setText(ok ? Porcento(r[k]->obstrucaoDiametro)
                                              : QStringLiteral("-"));
        tblIluminacao->item(4, k)->setText(ok ? Porcento(r[k]->obstrucaoArea)
                                              : QStringLiteral("-"));
    }
    tblIluminacao->item(5, 0)->setText(TextoRecurso(
        c.defletorAtual && c.folgaAtual <= 0 ? Recursos::IluminacaoNao : Recursos::IluminacaoSim));
    tblIluminacao->item(5, 1)->setText(c.defletor.encontrado ? TextoRecurso(Recursos::IluminacaoNao)
                                                             : QStringLiteral("-"));
    if (c.defletor.encontrado) {
        lblIluminacao->setText(TextoRecurso(Recursos::IluminacaoResumo)
                                   .arg(FormatarN(QStringLiteral("%n"), c.defletor.DDi),
                                        FormatarN(QStringLiteral("%n"), c.defletor.DDe),
                                        FormatarN(QStringLiteral("%n"), c.defletor.L),
                                        FormatarN(QStringLiteral("%n"), c.defletor.SSDe)));
    } else {
        lblIluminacao->setText(TextoRecurso(Recursos::IluminacaoSemOtimo));
    }
    btnAplicar->setEnabled(c.defletor.encontrado);
}

void TfrmIluminacao::btnAplicarClick() {
    const DefletorOtimizado& d = m_resultado.defletor;
    if (!d.encontrado) return;
    const double parede = EspessuraParede(Projeto);
    Projeto.DDi = d.DDi;
    Projeto.DDe = d.DDi + 2 * parede;
    Projeto.SSDe = d.SSDe;
    if (!(Projeto.LTotal > 0)) Projeto.LTotal = ProjetoComDefletor(Projeto, d.DDi, d.SSDe).LTotal;
    CalcularDefletor(Projeto);
    emit projetoAlterado();
}
