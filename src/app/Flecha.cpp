// The sagitta window: both mirrors' sagittas and diameters on a small annotated diagram.
#include "Flecha.h"

#include "Calculo.h"
#include "Janela.h"
#include "Recursos.h"

#include <QKeyEvent>
#include <QPushButton>

TfrmFlecha::TfrmFlecha(QWidget* owner) : QDialog(owner, JanelaFerramenta) {
    setObjectName(QStringLiteral("frmFlecha"));
    setWindowTitle(TextoRecurso(Recursos::TituloFlechas));
    setFixedSize(265, 271);

    Panel1 = new TPainelChanfrado(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(5, 5, 254, 227);
    Image2 = new TImagemSvg(QStringLiteral(":/app/flechas.svg"), Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(2, 2, 250, 223);

    using L = TRotulo::Largura;
    lblSag1 = new TRotulo(Panel1, "lblSag1", L::AutoEsquerda, 130, 27);
    lblD1 = new TRotulo(Panel1, "lblD1", L::Fixa, 23, 80, 208, Qt::AlignHCenter);
    lblSag2 = new TRotulo(Panel1, "lblSag2", L::AutoEsquerda, 39, 102);
    lblD2 = new TRotulo(Panel1, "lblD2", L::Fixa, 54, 169, 146, Qt::AlignHCenter);

    BitBtn1 = new QPushButton(IconeSvg(QStringLiteral(":/app/ok.svg")),
                              TextoRecurso(Recursos::BotaoOk), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(95, 240, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, Protegido(this, &TfrmFlecha::BitBtn1Click));

    CentrarNoDono(this, owner);
    FormCreate();
}

void TfrmFlecha::FormCreate() {
    EscreverRotulos<RotulosFlecha, 4>({lblSag1, lblSag2, lblD1, lblD2}, TextosFlechas(Projeto));
}

void TfrmFlecha::BitBtn1Click() {
    accept();
}

void TfrmFlecha::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}
