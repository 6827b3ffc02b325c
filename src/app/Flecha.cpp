// The sagitta window: both mirrors' sagittas and diameters on a small annotated diagram.
#include "Flecha.h"

#include "Global.h"
#include "Janela.h"
#include "NumeroTexto.h"

#include <QPushButton>

TfrmFlecha::TfrmFlecha(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmFlecha"));
    setWindowTitle(QStringLiteral("Projeto Teluvar - Flechas"));
    setFixedSize(265, 271);

    Panel1 = new TPainelChanfrado(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(5, 5, 254, 227);
    Image2 = new TImagemSvg(QStringLiteral(":/app/flechas.svg"), Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(2, 2, 250, 223);

    using L = TRotulo::Largura;
    auto rotulo = [this](const char* nome, L modo, int x, int y, int largura = 0) {
        auto* r = new TRotulo(Panel1, nome, modo, x, y, 14, largura,
                              modo == L::Fixa ? Qt::AlignHCenter : Qt::AlignLeft);
        r->setFont(FonteRotulo());
        QPalette paleta = r->palette();
        paleta.setColor(QPalette::WindowText, Qt::red);
        r->setPalette(paleta);
        return r;
    };
    lblSag1 = rotulo("lblSag1", L::AutoEsquerda, 130, 27);
    lblD1 = rotulo("lblD1", L::Fixa, 23, 80, 208);
    lblSag2 = rotulo("lblSag2", L::AutoEsquerda, 39, 102);
    lblD2 = rotulo("lblD2", L::Fixa, 54, 169, 146);

    BitBtn1 =
        new QPushButton(IconeSvg(QStringLiteral(":/app/ok.svg")), QStringLiteral("&Ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(95, 240, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, Protegido(this, &TfrmFlecha::BitBtn1Click));

    if (owner) {
        const QRect dono = owner->window()->frameGeometry();
        move(dono.center() - QPoint(width() / 2, height() / 2));
    }
    FormCreate();
}

void TfrmFlecha::FormCreate() {
    lblSag1->definirTexto(FormatarN(QStringLiteral("Sag1 = %n"), Projeto.Sag1));
    lblSag2->definirTexto(FormatarN(QStringLiteral("Sag2 = %n"), Projeto.Sag2));
    lblD1->definirTexto(FormatarN(QStringLiteral("D1 = %n"), Projeto.D1));
    lblD2->definirTexto(FormatarN(QStringLiteral("D2 = %n"), Projeto.D2));
}

void TfrmFlecha::BitBtn1Click() {
    accept();
}
