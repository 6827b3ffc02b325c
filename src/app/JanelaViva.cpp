// The base of the live windows: tool bar, variant choice, report flows, worker-thread results.
#include "JanelaViva.h"

#include "Janela.h"
#include "Recursos.h"
#include "Relatorios.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TJanelaViva::TJanelaViva(QWidget* owner, const char* nome, const QString& titulo)
    : QWidget(owner, Qt::Window) {
    setObjectName(QString::fromLatin1(nome));
    setWindowTitle(titulo);
    auto* externo = new QVBoxLayout(this);
    ToolBar1 = CriarBarraRelatorio(this, btnImprimir, btnPreview);
    ToolBar1->addSeparator();
    btnPdf = new QToolButton(ToolBar1);
    btnPdf->setObjectName(QStringLiteral("btnPdf"));
    btnPdf->setToolTip(TextoRecurso(Recursos::DicaExportarPdf));
    btnPdf->setIcon(IconeSvg(QStringLiteral(":/app/preview-pdf.svg")));
    btnPdf->setIconSize(QSize(16, 16));
    btnPdf->setAutoRaise(true);
    btnPdf->setFocusPolicy(Qt::NoFocus);
    ToolBar1->addWidget(btnPdf);
    externo->setMenuBar(ToolBar1);
    connect(btnImprimir, &QToolButton::clicked, this,
            Protegido(this, &TJanelaViva::btnImprimirClick));
    connect(btnPreview, &QToolButton::clicked, this,
            Protegido(this, &TJanelaViva::btnPreviewClick));
    connect(btnPdf, &QToolButton::clicked, this, Protegido(this, &TJanelaViva::btnPdfClick));

    auto* linha = m_linhaVariante = new QHBoxLayout;
    auto* rotulo = new QLabel(TextoRecurso(Recursos::JanelaVivaVariante), this);
    cmbVariante = CriarComboVariante(this);
    rotulo->setBuddy(cmbVariante);
    linha->addWidget(rotulo);
    linha->addWidget(cmbVariante);
    linha->addStretch(1);
    externo->addLayout(linha);
    m_corpo = new QVBoxLayout;
    externo->addLayout(m_corpo, 1);
    connect(cmbVariante, &QComboBox::currentIndexChanged, this, [this](int v) {
        emit varianteAlterada(v);
        Proteger(this, [this] { Recalcular(); });
    });
}

void TJanelaViva::OcultarVariante() {
    for (int k = 0; k < m_linhaVariante->count(); ++k)
        if (QWidget* w = m_linhaVariante->itemAt(k)->widget()) w->hide();
}

void TJanelaViva::OcultarBarraRelatorio() {
    ToolBar1->hide();
}

int TJanelaViva::variante() const {
    return std::clamp(cmbVariante->currentIndex(), 0, 2);
}

void TJanelaViva::btnImprimirClick() {
    if (TrpReport* r = relatorio()) ImprimirRelatorio(this, *r, [this] { PrepararImpressao(); });
}

void TJanelaViva::btnPreviewClick() {
    if (TrpReport* r = relatorio())
        VisualizarRelatorio(
            this, *r, [this] { PrepararImpressao(); }, tituloPreview());
}

void TJanelaViva::btnPdfClick() {
    if (TrpReport* r = relatorio())
        ExportarRelatorioPdf(
            this, *r, [this] { PrepararImpressao(); }, tituloPreview());
}
