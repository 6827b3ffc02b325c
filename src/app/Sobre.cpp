// The About box: the program's name, version, author, contact address and a telescope.
#include "Sobre.h"

#include "Janela.h"
#include "Recursos.h"

#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

TfrmSobre::TfrmSobre(QWidget* owner) : QDialog(owner, JanelaFerramenta) {
    setObjectName(QStringLiteral("frmSobre"));
    setFixedSize(333, 153);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(5, 5, 138, 143);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setAutoFillBackground(true);
    QPalette branco = Panel1->palette();
    branco.setColor(QPalette::Window, Qt::white);
    branco.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(branco);
    Image1 = new TImagemSvg(QStringLiteral(":/app/telescopio.svg"), Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 132, 137);

    auto rotulo = [this](const char* nome, int topo, int altura, int pixels, bool negrito = false) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(nome));
        label->setGeometry(145, topo, 186, altura);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(FonteArial(pixels, negrito));
        return label;
    };
    Label2 = rotulo("Label2", 5, 21, 13, true);
    Label1 = rotulo("Label1", 24, 13, 11);
    Label3 = rotulo("Label3", 75, 13, 11);
    Label4 = rotulo("Label4", 90, 13, 11);
    Label5 = rotulo("Label5", 105, 13, 11);
    QFont sublinhado = Label4->font();
    sublinhado.setUnderline(true);
    Label4->setFont(sublinhado);
    QPalette azul = Label4->palette();
    azul.setColor(QPalette::WindowText, Qt::blue);
    Label4->setPalette(azul);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    BitBtn1 = new QPushButton(IconeSvg(QStringLiteral(":/app/ok.svg")),
                              TextoRecurso(Recursos::BotaoOk), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(201, 123, 75, 25);
    BitBtn1->setFont(FonteArial(11));
    connect(BitBtn1, &QPushButton::clicked, this, Protegido(this, &TfrmSobre::BitBtn1Click));

    if (const QScreen* tela = owner ? owner->screen() : screen()) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
    FormCreate();
    BitBtn1->setFocus();
}

void TfrmSobre::FormCreate() {
    setWindowTitle(TextoRecurso(Recursos::SobreTitulo));
    Label1->setText(TextoRecurso(Recursos::SobreVersao));
    Label2->setText(TextoRecurso(Recursos::SobreNome));
    Label3->setText(TextoRecurso(Recursos::SobreAutor));
    Label4->setText(TextoRecurso(Recursos::SobreEmail));
    Label5->setText(TextoRecurso(Recursos::SobreAno));
}

bool TfrmSobre::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Label4 && evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton &&
        Label4->rect().contains(static_cast<QMouseEvent*>(evento)->position().toPoint())) {
        Proteger(this, [this] { Label4Click(); });
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void TfrmSobre::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Cancel)) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TfrmSobre::Label4Click() {
    // Whether a mail program takes the link or not, nothing is reported.
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:%1").arg(Label4->text())));
}

void TfrmSobre::BitBtn1Click() {
    accept();
}
