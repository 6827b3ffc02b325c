// The small windows (field diameter, sagittas, About box) and the error box, driven offscreen.
#include "ArquivoRegular.h"
#include "Calculo.h"
#include "DialogosTeste.h"
#include "DiametroCampo.h"
#include "Documento.h"
#include "Flecha.h"
#include "GanchoTeste.h"
#include "Global.h"
#include "Janela.h"
#include "ModalTeste.h"
#include "NumberEdit.h"
#include "Recursos.h"
#include "Sobre.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
void definirProjeto(double D1, double fD1, double gamma, double e, double i) {
    std::memset(&Projeto, 0, sizeof Projeto);
    TDocumento::Atual().Limpar();
    Projeto.D1 = D1;
    Projeto.fD1 = fD1;
    Projeto.gamma = gamma;
    Projeto.e = e;
    Projeto.i = i;
    CalcularProjeto(Projeto);
}

// An object that throws from its event handler, to reach the application's safety net.
class Explosivo : public QObject {
public:
    bool event(QEvent* evento) override {
        if (evento->type() == QEvent::User) throw std::runtime_error("Falha no manipulador");
        return QObject::event(evento);
    }
};
} // namespace

class TestDialogos : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urlsAbertas;
public slots:
    void abrirUrl(const QUrl& url) { urlsAbertas << url; }

private slots:
    void textoErro_data() {
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("letra") << "Arquivo não encontrado"
                               << "Arquivo não encontrado.";
        QTest::newRow("digito") << "I/O error 103"
                                << "I/O error 103.";
        QTest::newRow("ja tem ponto") << "Falhou."
                                      << "Falhou.";
        QTest::newRow("exclamacao") << "Erro!"
                                    << "Erro!";
        QTest::newRow("parentese") << "Erro (x)"
                                   << "Erro (x)";
        QTest::newRow("barra") << "c:/dados/"
                               << "c:/dados/.";
        QTest::newRow("vazio") << ""
                               << "";
    }
    void textoErro() {
        QFETCH(QString, mensagem);
        QFETCH(QString, mostrado);
        QCOMPARE(TextoErro(mensagem), mostrado);
    }

    // The real box, and the safety net that catches what escapes an event handler.
    void caixaErro() {
        QString titulo, texto;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        int botoes = 0;
        quandoModalAbrir([&](QWidget* modal) {
            auto* caixa = qobject_cast<QMessageBox*>(modal);
            QVERIFY(caixa);
            titulo = caixa->windowTitle();
            texto = caixa->text();
            icone = caixa->icon();
            botoes = caixa->buttons().size();
            caixa->button(QMessageBox::Ok)->click();
        });
        Explosivo explosivo;
        QEvent evento(QEvent::User);
        QCoreApplication::sendEvent(&explosivo, &evento); // must not terminate the program
        QCOMPARE(titulo, QStringLiteral("Projeto Teluvar"));
        QCOMPARE(texto, QStringLiteral("Falha no manipulador."));
        QCOMPARE(icone, QMessageBox::Critical);
        QCOMPARE(botoes, 1);
        // A wrapped handler abandons its rest, shows the error in its own window's box and
        // restores the cursor. A window's steps reach what it owns, an empty step keeps the one
        // it had, and a window given none runs the application's.
        QStringList vistos, daJanela;
        bool resto = false;
        {
            SubstituirDialogos caixa(qApp, {.erro = [&](const QString& t) { vistos << t; }});
            QWidget janela, outra;
            auto* filha = new QWidget(&janela);
            DefinirDialogos(&janela, {.erro = [&](const QString& t) { daJanela << t; }});
            DefinirDialogos(&janela,
                            {.arquivoPdf = [](QWidget*) { return QStringLiteral("a.pdf"); }});
            Proteger(filha, [&] {
                CursorAmpulheta ampulheta;
                throw ErroArquivo(QStringLiteral("x.tlv: acesso negado"));
                resto = true;
            });
            MostrarErro(&outra, QStringLiteral("Da outra"));
            QCOMPARE(DialogosDe(filha).arquivoPdf(nullptr), QStringLiteral("a.pdf"));
        }
        QCOMPARE(daJanela, QStringList{"x.tlv: acesso negado."});
        QCOMPARE(vistos, QStringList{"Da outra."});
        QVERIFY(!resto);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The application is named "Projeto Teluvar", but no display name is set: with one, the
    // window system appends it to every caption ("Projeto Teluvar - Principal — Projeto
    // Teluvar"). Without one, the display name follows the application name.
    void tituloDaAplicacao() {
        const QString nome = QCoreApplication::applicationName();
        QCOMPARE(nome, QStringLiteral("Projeto Teluvar"));
        QCoreApplication::setApplicationName(QStringLiteral("outro nome"));
        const QString exibido = QGuiApplication::applicationDisplayName();
        QCoreApplication::setApplicationName(nome);
        QCOMPARE(exibido, QStringLiteral("outro nome"));
    }

    // The design-file dialogs start where the user can save: the program's folder when it is
    // writable, another folder (one where a file can be created) when it is read-only, as the
    // installed program's /usr/bin is for a user.
    void pastaInicialDosDialogos() {
        QTemporaryDir gravavel, protegida;
        QCOMPARE(PastaInicialDialogos(gravavel.path()), gravavel.path());
        // Read-only for root too: a read-only mount; for a user, no write permission.
        const QByteArray caminho = QFile::encodeName(protegida.path());
        const bool montada =
            ::mount("tmpfs", caminho.constData(), "tmpfs", MS_RDONLY, "size=64k") == 0;
        if (!montada) QVERIFY(::chmod(caminho.constData(), 0555) == 0);
        const QString inicial = PastaInicialDialogos(protegida.path());
        if (montada) ::umount2(caminho.constData(), MNT_DETACH);
        ::chmod(caminho.constData(), 0755);
        QVERIFY2(inicial != protegida.path(), qPrintable(inicial));
        QTemporaryFile teste(QDir(inicial).filePath(QStringLiteral("XXXXXX.tlv")));
        QVERIFY2(teste.open(), qPrintable(inicial));
    }

    void diametroCampo() {
        definirProjeto(200, 2.5, 4, 200, 20); // F = 2000
        TfrmDiametroCampo frm;
        QCOMPARE(frm.windowTitle(), QStringLiteral("Projeto Teluvar - Diâmetro do campo"));
        QCOMPARE(frm.size(), QSize(252, 105));
        QCOMPARE(frm.edti->shownText(), QStringLiteral("0,00"));
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QCOMPARE(QApplication::focusWidget(), frm.edtArco);
        QTest::keyClicks(frm.edtArco, QStringLiteral("1"));
        QCOMPARE(frm.edti->Value(), 34.91);
        QTest::keyClicks(frm.edtArco, QStringLiteral("5")); // 15 degrees
        QCOMPARE(frm.edti->shownText(), QStringLiteral("535,90"));
        QTest::keyClick(frm.edtArco, Qt::Key_Backspace);
        QTest::keyClick(frm.edtArco, Qt::Key_Backspace);
        QTest::keyClicks(frm.edtArco, QStringLiteral("45"));
        QCOMPARE(frm.edti->shownText(), QStringLiteral("2.000,00"));
        // The result can't be typed into and the tab key skips it.
        QTest::keyClicks(frm.edti, QStringLiteral("9"));
        QCOMPARE(frm.edti->Value(), 2000.0);
        frm.edtArco->setFocus();
        QTest::keyClick(frm.edtArco, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm.btnOk);
    }

    void diametroCampoExecutar_data() {
        QTest::addColumn<QString>("fechar"); // how the dialog is closed
        QTest::addColumn<double>("fD1");     // 4: F = 3200; 0: F = 0
        QTest::addColumn<double>("resultado");
        QTest::newRow("Enter") << "enter" << 4.0 << 27.93;
        QTest::newRow("OK") << "ok" << 4.0 << 27.93;
        QTest::newRow("Cancel") << "cancel" << 4.0 << 0.0;
        QTest::newRow("caixa de fechar") << "close" << 4.0 << 0.0;
        // With F = 0 every arc gives 0, so the main window's field stays as it was.
        QTest::newRow("F = 0, OK") << "ok" << 0.0 << 0.0;
        QTest::newRow("F = 0, Enter") << "enter" << 0.0 << 0.0;
    }
    void diametroCampoExecutar() {
        QFETCH(QString, fechar);
        QFETCH(double, fD1);
        QFETCH(double, resultado);
        definirProjeto(200, fD1, 4, 200, 20); // F = 200 x fD1 x 4
        TfrmDiametroCampo frm;
        QString mostrado;
        quandoModalAbrir([&](QWidget*) {
            QTest::keyClicks(frm.edtArco, QStringLiteral("0,5"));
            mostrado = frm.edti->shownText();
            if (fechar == "enter")
                QTest::keyClick(frm.edtArco, Qt::Key_Return);
            else if (fechar == "ok")
                QTest::mouseClick(frm.btnOk, Qt::LeftButton);
            else if (fechar == "cancel")
                QTest::mouseClick(frm.btnCancela, Qt::LeftButton);
            else
                frm.close();
        });
        QCOMPARE(frm.Executar(), resultado);
        QCOMPARE(mostrado, fD1 == 0 ? QStringLiteral("0,00") : QStringLiteral("27,93"));
        // The dialog writes nothing into the design.
        QCOMPARE(Projeto.i, 20.0);
    }

    void flechas_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<QStringList>("textos"); // Sag1, Sag2, D1, D2
        QTest::newRow("exemplo") << 200.0
                                 << QStringList{"Sag1 = 3,13", "Sag2 = 0,68", "D1 = 200,00",
                                                "D2 = 53,75"};
        QTest::newRow("vazio") << 0.0
                               << QStringList{"Sag1 = 0,00", "Sag2 = 0,00", "D1 = 0,00",
                                              "D2 = 0,00"};
    }
    void flechas() {
        QFETCH(double, D1);
        QFETCH(QStringList, textos);
        if (D1 == 0)
            definirProjeto(0, 0, 0, 0, 0); // Sag2 is a negative zero here
        else
            definirProjeto(D1, 4, 4, 200, 20);
        TfrmFlecha frm;
        QCOMPARE(frm.windowTitle(), QStringLiteral("Projeto Teluvar - Flechas"));
        QCOMPARE(QStringList({frm.lblSag1->text(), frm.lblSag2->text(), frm.lblD1->text(),
                              frm.lblD2->text()}),
                 textos);
        // Growing labels keep their left edge; centred ones their box.
        QCOMPARE(frm.lblSag1->x(), 130);
        QCOMPARE(frm.lblD2->geometry(), QRect(54, 169, 146, 14));
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QTest::mouseClick(frm.BitBtn1, Qt::LeftButton);
        QVERIFY(!frm.isVisible());
        QCOMPARE(frm.result(), int(QDialog::Accepted));
    }

    // The three small windows: fixed-size tool windows that take the keyboard when they open;
    // Esc closes only the one with a cancel button.
    void janelasPequenas_data() {
        QTest::addColumn<QString>("janela");
        QTest::addColumn<QSize>("tamanho");
        QTest::addColumn<bool>("escFecha");
        QTest::newRow("flechas") << "frmFlecha" << QSize(265, 271) << false;
        QTest::newRow("diametro do campo") << "frmDiametroCampo" << QSize(252, 105) << true;
        QTest::newRow("sobre") << "frmSobre" << QSize(333, 153) << false;
    }
    void janelasPequenas() {
        QFETCH(QString, janela);
        QFETCH(QSize, tamanho);
        QFETCH(bool, escFecha);
        definirProjeto(200, 4, 4, 200, 20);
        QWidget dono;
        dono.resize(600, 400);
        dono.show();
        std::unique_ptr<QDialog> frm;
        if (janela == "frmFlecha")
            frm = std::make_unique<TfrmFlecha>(&dono);
        else if (janela == "frmDiametroCampo")
            frm = std::make_unique<TfrmDiametroCampo>(&dono);
        else
            frm = std::make_unique<TfrmSobre>(&dono);
        QCOMPARE(frm->objectName(), janela);
        const Qt::WindowFlags flags = frm->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags.testFlag(Qt::WindowTitleHint) && flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint) &&
                !flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(frm->minimumSize(), tamanho);
        QCOMPARE(frm->maximumSize(), tamanho);
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == frm.get());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(frm->isVisible(), !escFecha);
        if (escFecha) QCOMPARE(frm->result(), int(QDialog::Rejected));
    }

    void sobre() {
        TfrmSobre frm;
        QCOMPARE(frm.windowTitle(), QStringLiteral("Sobre..."));
        QCOMPARE(frm.Label2->text(), QStringLiteral("Projeto Teluvar"));
        QCOMPARE(frm.Label1->text(), QStringLiteral("Versao 1.0"));
        QCOMPARE(frm.Label5->text(), QStringLiteral("2007"));
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QCOMPARE(QApplication::focusWidget(), frm.BitBtn1);
        // The address opens as a mailto: link.
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "abrirUrl");
        QTest::mouseClick(frm.Label4, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(urlsAbertas, QList<QUrl>{QUrl(QStringLiteral("mailto:") +
                                               QString::fromUtf8(Recursos::SobreEmail))});
        // With no mail program nothing is shown and the box stays open.
        QStringList erros;
        {
            SubstituirDialogos caixa(qApp, {.erro = [&](const QString& t) { erros << t; }});
            QTest::mouseClick(frm.Label4, Qt::LeftButton);
        }
        QVERIFY(erros.isEmpty());
        QVERIFY(frm.isVisible());
        // The box has no cancel button: Esc leaves it open.
        QTest::keyClick(frm.BitBtn1, Qt::Key_Escape);
        QVERIFY(frm.isVisible());
        // Enter and the space bar press "&Ok", which closes the box.
        QTest::keyClick(frm.BitBtn1, Qt::Key_Return);
        QVERIFY(!frm.isVisible());
        QCOMPARE(frm.result(), int(QDialog::Accepted));
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QTest::keyClick(frm.BitBtn1, Qt::Key_Space);
        QVERIFY(!frm.isVisible());
    }
};

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    TestDialogos teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "test_dialogos.moc"
