// The field-diameter dialog: an angular field in degrees becomes the field's diameter at the focus.
#include "DiametroCampo.h"

#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Recursos.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TfrmDiametroCampo::TfrmDiametroCampo(QWidget* owner) : QDialog(owner, JanelaFerramenta) {
    setObjectName(QStringLiteral("frmDiametroCampo"));
    setWindowTitle(TextoRecurso(Recursos::TituloDiametroCampo));
    setFixedSize(252, 105);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(5, 5, 241, 63);

    auto rotulo = [this](const char* nome, const char* texto, int x, int y) {
        auto* label = new QLabel(TextoRecurso(texto), this);
        label->setObjectName(QString::fromLatin1(nome));
        label->move(x, y);
        label->adjustSize();
        return label;
    };
    auto numero = [this](const char* nome, int topo) {
        auto* campo = new TNumberEdit(this);
        campo->setObjectName(QString::fromLatin1(nome));
        campo->setGeometry(160, topo, 66, 21);
        return campo;
    };
    using namespace Recursos;
    Label1 = rotulo("Label1", RotuloArco, 15, 18);
    edtArco = numero("edtArco", 14);
    Label4 = rotulo("Label4", RotuloGrau, 230, 9);
    Label2 = rotulo("Label2", RotuloDiametroCampo, 15, 43);
    edti = numero("edti", 39);
    edti->setReadOnly(true);
    edti->setFocusPolicy(Qt::ClickFocus); // skipped by the tab key

    btnOk = new QPushButton(IconeSvg(QStringLiteral(":/app/ok.svg")), TextoRecurso(BotaoOkDialogo),
                            this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(91, 74, 75, 25);
    btnOk->setDefault(true);
    btnCancela = new QPushButton(IconeSvg(QStringLiteral(":/app/cancelar.svg")),
                                 TextoRecurso(BotaoCancelar), this);
    btnCancela->setObjectName(QStringLiteral("btnCancela"));
    btnCancela->setGeometry(171, 74, 75, 25);

    setTabOrder(edtArco, btnOk);
    setTabOrder(btnOk, btnCancela);

    connect(edtArco, &TNumberEdit::changed, this,
            Protegido(this, &TfrmDiametroCampo::edtArcoChange));
    connect(btnOk, &QPushButton::clicked, this, Protegido(this, &TfrmDiametroCampo::btnOkClick));
    connect(btnCancela, &QPushButton::clicked, this,
            Protegido(this, &TfrmDiametroCampo::btnCancelaClick));

    CentrarNoDono(this, owner);
    edtArco->setFocus();
}

double TfrmDiametroCampo::Executar() {
    return exec() == QDialog::Accepted ? edti->Value() : 0.0;
}

void TfrmDiametroCampo::edtArcoChange() {
    edti->setValue(DiametroDoCampo(Projeto.F, edtArco->Value()));
}

void TfrmDiametroCampo::btnOkClick() {
    accept();
}

void TfrmDiametroCampo::btnCancelaClick() {
    reject();
}
