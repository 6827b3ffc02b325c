// Drives the baffle window offscreen as a user would: typing, "&Ok", the lists and the record.
#include "Calculo.h"
#include "ColunaTeste.h"
#include "DataSet.h"
#include "Defletor.h"
#include "DialogosTeste.h"
#include "DigitarTeste.h"
#include "Documento.h"
#include "GanchoTeste.h"
#include "Global.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Principal.h"
#include "Recursos.h"
#include "Relatorios.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <cmath>

namespace {

// The first-order layout of the worked example of the baffle geometry.
void projetoExemplo() {
    TDocumento::Atual().Limpar();
    Projeto.D2 = 50;
    Projeto.d = 600;
    Projeto.e = 150;
    Projeto.i = 20;
    Projeto.f1 = 800;
}

QStringList linha(const QTreeWidget* lista, int k) {
    QStringList textos;
    const QTreeWidgetItem* item = lista->topLevelItem(k);
    for (int c = 0; item && c < lista->columnCount(); ++c)
        textos << item->text(c);
    return textos;
}

} // namespace

// The four criteria captions, as the window must show them.
const QString CriteriosLiterais[4] = {
    QStringLiteral("Comprimento do defletor a partir da superfície do primário (L)"),
    QStringLiteral(
        "Comprimento mínimo do defletor que bloqueia a luz direta do tubo do telescópio (L1)"),
    QStringLiteral(
        "Comprimento máximo do defletor que não irá bloquear o secundário do primário (L2)"),
    QStringLiteral("Distância entre glares (DG)"),
};

class TestDefletor : public QObject {
    Q_OBJECT

private:
    QPointer<TfrmDefletor> janela;

    TfrmDefletor* abrir() {
        janela = new TfrmDefletor(nullptr);
        janela->show();
        if (!QTest::qWaitForWindowActive(janela)) qWarning("window not active");
        return janela;
    }
    template <class T> T* controle(const char* nome) {
        T* c = janela->findChild<T*>(QString::fromLatin1(nome));
        if (!c) qFatal("control %s missing", nome);
        return c;
    }
    TNumberEdit* campo(const char* nome) { return controle<TNumberEdit>(nome); }
    QTreeWidget* lista(const char* nome) { return controle<QTreeWidget>(nome); }
    QString rotulo(const char* nome) { return controle<QLabel>(nome)->text(); }

    // Replaces the whole text of a field by typing, as the user does.
    void digitar(const char* nome, const QString& texto) {
        TNumberEdit* c = campo(nome);
        c->setFocus(Qt::TabFocusReason);
        apagarEDigitar(c, texto);
    }
    void ok() { QTest::mouseClick(controle<QPushButton>("btnOk"), Qt::LeftButton); }
    void fechar() {
        QTest::mouseClick(controle<QToolButton>("btnSair"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The data set walked from the first record: stop, position and diameter of each record.
    QList<QList<double>> registros() {
        QList<QList<double>> linhas;
        TMemDataSet& dt = janela->dtGlares;
        for (dt.First(); !dt.Eof(); dt.Next())
            linhas.append({dt.FieldValue(QStringLiteral("Glare")).toDouble(),
                           dt.FieldValue(QStringLiteral("Posicao")).toDouble(),
                           dt.FieldValue(QStringLiteral("Diametro")).toDouble()});
        return linhas;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void cleanup() {
        if (janela) {
            janela->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(!janela);
    }

    // A design that cannot be built (the secondary behind the primary: d = -40) is named in
    // the baffle window's warning line; a sound one leaves it hidden.
    void avisoDoProjeto() {
        TDocumento::Atual().Limpar();
        Projeto.D1 = 200;
        Projeto.fD1 = 4;
        Projeto.gamma = 4;
        Projeto.e = 4000;
        Projeto.i = 20;
        CalcularProjeto(Projeto);
        abrir();
        auto* aviso = controle<QLabel>("lblAviso");
        QVERIFY(aviso->isVisible());
        QCOMPARE(aviso->text().split(u'\n'),
                 (QStringList{TextoRecurso(Recursos::AvisoSecundario),
                              TextoRecurso(Recursos::AvisoDistanciaD)}));
        fechar();
        Projeto.e = 200;
        CalcularProjeto(Projeto);
        abrir();
        QVERIFY(!controle<QLabel>("lblAviso")->isVisible());
    }

    // The window as it opens: name, caption, size, modality, controls and the idle cursor.
    void aberturaDaJanela() {
        TDocumento::Atual().Limpar();
        abrir();
        QCOMPARE(janela->objectName(), QStringLiteral("frmDefletor"));
        QCOMPARE(janela->windowTitle(), QStringLiteral("Projeto Teluvar - Defletor"));
        QCOMPARE(janela->size(), QSize(759, 463));
        QCOMPARE(janela->minimumSize(), janela->maximumSize());
        QVERIFY(janela->isModal());
        QVERIFY(janela->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // The diagram is compiled in and drawn at the picture's size.
        const QSvgRenderer diagrama(QStringLiteral(":/app/diagrama_defletor.svg"));
        QVERIFY(diagrama.isValid());
        QCOMPARE(diagrama.defaultSize(), controle<QWidget>("Image1")->size());
        QCOMPARE(controle<QToolButton>("btnImprimir")->toolTip(), QStringLiteral("Imprime"));
        QCOMPARE(controle<QToolButton>("btnPreview")->toolTip(),
                 QStringLiteral("Visualizar impressão"));
        QCOMPARE(controle<QToolButton>("btnSair")->toolTip(), QStringLiteral("Fecha formulário"));
        QCOMPARE(controle<QPushButton>("btnOk")->text(), QStringLiteral("&Ok"));
        QCOMPARE(lista("ListView2")->headerItem()->text(0), QStringLiteral("Critério"));
        QCOMPARE(lista("ListView1")->headerItem()->text(2), QStringLiteral("Diâmetro (G)"));
        QCOMPARE(campo("edtnG")->MinValue(), 2.0);
        QCOMPARE(campo("edtnG")->DisplayFormat(), QStringLiteral("00"));
        // Tab order of the inputs and the button.
        QWidget* w = campo("edtDDi");
        for (const char* proximo : {"edtDDe", "edtLTotal", "edtnG", "edtSSDe", "btnOk"}) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), QString::fromLatin1(proximo));
        }
    }

    // Both lists: headings, widths and alignments, for the headings and the rows.
    void colunasDasListas_data() {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("largura");
        QTest::addColumn<int>("alinhamento");
        const int esq = Qt::AlignLeft, cen = Qt::AlignHCenter;
        QTest::newRow("ListView2 0") << "ListView2" << 0 << "Critério" << 310 << esq;
        QTest::newRow("ListView2 1") << "ListView2" << 1 << "Valor" << 100 << cen;
        QTest::newRow("ListView1 0") << "ListView1" << 0 << "Glare" << 63 << esq;
        QTest::newRow("ListView1 1") << "ListView1" << 1 << "Posição (Z)" << 110 << cen;
        QTest::newRow("ListView1 2") << "ListView1" << 2 << "Diâmetro (G)" << 110 << cen;
    }
    void colunasDasListas() {
        QFETCH(QString, lista);
        QFETCH(int, coluna);
        QFETCH(QString, titulo);
        QFETCH(int, largura);
        QFETCH(int, alinhamento);
        projetoExemplo();
        abrir();
        QTreeWidget* arvore = this->lista(qPrintable(lista));
        QCOMPARE(arvore->columnCount(), lista == QLatin1String("ListView2") ? 2 : 3);
        ConferirColuna(arvore, coluna, titulo, largura, alinhamento);
    }

    // The captions: each input's in front of its field (top to bottom), and the two lists'.
    void rotulos_data() {
        QTest::addColumn<QString>("campo"); // empty: a list caption
        QTest::addColumn<QString>("texto");
        QTest::newRow("edtDDi") << "edtDDi"
                                << "Diâmetro interno do tubo:";
        QTest::newRow("edtDDe") << "edtDDe"
                                << "Diâmetro externo do tubo:";
        QTest::newRow("edtLTotal") << "edtLTotal"
                                   << "Comprimento total do tubo:";
        QTest::newRow("edtnG") << "edtnG"
                               << "Número de glare stops:";
        QTest::newRow("edtSSDe") << "edtSSDe"
                                 << "Diâmetro externo do suporte do secundário:";
        QTest::newRow("Label4") << ""
                                << "Defletor:";
        QTest::newRow("Label10") << ""
                                 << "Glare:";
    }
    void rotulos() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        projetoExemplo();
        abrir();
        QLabel* achado = nullptr;
        for (QLabel* l : janela->findChildren<QLabel*>())
            if (l->text().simplified() == texto) achado = l;
        QVERIFY2(achado, qPrintable(texto));
        if (campo.isEmpty()) return;
        // At left 7, on the field's row, left of the field.
        TNumberEdit* c = this->campo(qPrintable(campo));
        QCOMPARE(achado->parentWidget(), c->parentWidget());
        QCOMPARE(achado->x(), 7);
        QVERIFY(achado->geometry().right() < c->x());
        const int meio = achado->geometry().center().y();
        QVERIFY2(meio >= c->y() - 2 && meio <= c->geometry().bottom() + 8,
                 qPrintable(QStringLiteral("%1 vs %2").arg(meio).arg(c->y())));
    }

    // The full tab order: the five inputs and "&Ok" in their order, then the two lists, and
    // round again; the tool bar's buttons are no stops.
    void ordemDeTabulacao() {
        projetoExemplo();
        abrir();
        QWidget* inicio = campo("edtDDi");
        inicio->setFocus(Qt::TabFocusReason);
        QStringList vista;
        for (int k = 0; k < 9; ++k) {
            vista << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(vista.mid(0, 6),
                 QStringList({"edtDDi", "edtDDe", "edtLTotal", "edtnG", "edtSSDe", "btnOk"}));
        QStringList listas = vista.mid(6, 2);
        listas.sort();
        QCOMPARE(listas, QStringList({"ListView1", "ListView2"}));
        QCOMPARE(vista[8], QStringLiteral("edtDDi"));
    }

    // "&Defletor" of the main window: a new modal window owned by it, gone once closed.
    void abertaPelaJanelaPrincipal() {
        TfrmTeluvar principal;
        principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principal));
        for (int vez = 0; vez < 2; ++vez) {
            QPointer<TfrmDefletor> aberta;
            bool modal = false;
            QTimer::singleShot(0, [&] {
                aberta = principal.findChild<TfrmDefletor*>();
                modal = aberta && QApplication::activeModalWidget() == aberta;
                if (aberta) QTest::mouseClick(aberta->btnSair, Qt::LeftButton);
            });
            principal.actDefletor->trigger();
            QVERIFY(modal);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!aberta);
            QVERIFY(principal.findChildren<TfrmDefletor*>().isEmpty());
        }
    }

    // A new design: DG = 0 and both stops at -L, no bound on the total length (L <= 0).
    void novoProjeto_data() {
        QTest::addColumn<bool>("comDesenho");
        QTest::addColumn<QString>("posicao");
        QTest::newRow("vazio") << false << QStringLiteral("0,00");
        // D2 = 50, d = 600, e = 150, i = 20 with DDi = 0: L = -650.
        QTest::newRow("primeira ordem") << true << QStringLiteral("650,00");
    }
    void novoProjeto() {
        QFETCH(bool, comDesenho);
        QFETCH(QString, posicao);
        if (comDesenho)
            projetoExemplo();
        else
            TDocumento::Atual().Limpar();
        abrir();
        QCOMPARE(Projeto.DG, 0.0);
        QCOMPARE(Projeto.nG, std::int16_t(2));
        QCOMPARE(Projeto.Z1, -Projeto.L);
        QCOMPARE(rotulo("lblDG"), QStringLiteral("DG = 0,00"));
        QTreeWidget* glares = lista("ListView1");
        QCOMPARE(glares->topLevelItemCount(), 2);
        QCOMPARE(linha(glares, 0).mid(0, 2), (QStringList{QStringLiteral(" 1"), posicao}));
        QCOMPARE(linha(glares, 1).mid(0, 2), (QStringList{QStringLiteral(" 2"), posicao}));
        QCOMPARE(registros().size(), 2);
        QCOMPARE(campo("edtLTotal")->MinValue(), 0.0);
        QCOMPARE(lista("ListView2")->topLevelItemCount(), 4);
        QCOMPARE(janela->findChild<QStatusBar*>("StatusBar1")->currentMessage(), QString());
    }

    // The count: 0, 1 or nothing store 2; 3.7 stores 3, gives three stops and shows 04.
    void contagemDeGlares() {
        projetoExemplo();
        abrir();
        const struct {
            const char* texto;
            std::int16_t esperado;
        } casos[] = {{"0", 2}, {"1", 2}, {"", 2}, {"5", 5}, {"3,7", 3}};
        for (const auto& caso : casos) {
            Projeto.nG = -1;
            digitar("edtnG", QString::fromLatin1(caso.texto));
            QCOMPARE(Projeto.nG, caso.esperado);
        }
        // Typing stores, but computes nothing.
        QCOMPARE(lista("ListView1")->topLevelItemCount(), 2);
        ok();
        QCOMPARE(lista("ListView1")->topLevelItemCount(), 3);
        QCOMPARE(registros().size(), 3);
        QCOMPARE(Projeto.nG, std::int16_t(3));
        TNumberEdit* nG = campo("edtnG");
        QVERIFY(!nG->hasFocus());
        QCOMPARE(nG->shownText(), QStringLiteral("04"));
    }

    // The worked example of the baffle geometry, typed into the window.
    void exemploCompleto() {
        projetoExemplo();
        abrir();
        digitar("edtDDi", QStringLiteral("40"));
        digitar("edtDDe", QStringLiteral("44"));
        digitar("edtLTotal", QStringLiteral("400"));
        digitar("edtnG", QStringLiteral("4"));
        digitar("edtSSDe", QStringLiteral("60"));
        QCOMPARE(Projeto.DDi, 40.0);
        QCOMPARE(Projeto.SSDe, 60.0);
        ok();

        QTreeWidget* criterios = lista("ListView2");
        QCOMPARE(criterios->topLevelItemCount(), 4);
        const char* valores[4] = {"350,00", "225,00", "213,33", "133,33"};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(linha(criterios, k),
                     (QStringList{CriteriosLiterais[k], QString::fromLatin1(valores[k])}));

        const QStringList esperadas[4] = {{" 1", "50,00", "24,00"},
                                          {" 2", "-83,33", "29,33"},
                                          {" 3", "-216,67", "34,67"},
                                          {" 4", "-350,00", "40,00"}};
        QTreeWidget* glares = lista("ListView1");
        QCOMPARE(glares->topLevelItemCount(), 4);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(linha(glares, k), esperadas[k]);

        const double posicoes[4] = {50, -250.0 / 3, -650.0 / 3, -350};
        const double diametros[4] = {24, 88.0 / 3, 104.0 / 3, 40};
        const QList<QList<double>> linhas = registros();
        QCOMPARE(linhas.size(), 4);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(linhas[k][0], double(k + 1));
            QVERIFY2(std::abs(linhas[k][1] - posicoes[k]) < 1e-9, qPrintable(QString::number(k)));
            QVERIFY2(std::abs(linhas[k][2] - diametros[k]) < 1e-9, qPrintable(QString::number(k)));
        }

        QCOMPARE(rotulo("lblL"), QStringLiteral("L = 350,00"));
        QCOMPARE(rotulo("lblDG"), QStringLiteral("DG = 133,33"));
        QCOMPARE(rotulo("lblZ1"), QStringLiteral("Z1 = 50,00"));
        QCOMPARE(Projeto.L1, 225.0);
        QCOMPARE(Projeto.Z1, 50.0);
        // L = 350 became the total length's bound; 400 is above it and stays.
        QCOMPARE(campo("edtLTotal")->MinValue(), 350.0);
        QCOMPARE(Projeto.LTotal, 400.0);

        // A second "&Ok" rebuilds the same rows, not twice as many.
        ok();
        QCOMPARE(glares->topLevelItemCount(), 4);
        QCOMPARE(registros().size(), 4);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The total length's lower bound: raised to L after a computation, never lowered.
    void limiteDoComprimento() {
        projetoExemplo();
        Projeto.DDi = 30; // L = 100
        Projeto.LTotal = 300;
        Projeto.nG = 4;
        abrir();
        TNumberEdit* total = campo("edtLTotal");
        QCOMPARE(Projeto.L, 100.0);
        QCOMPARE(total->MinValue(), 100.0);

        // A wider tube moves the front end out to L = 350, beyond the typed 300.
        digitar("edtDDi", QStringLiteral("40"));
        ok();
        QCOMPARE(rotulo("lblZ1"), QStringLiteral("Z1 = -50,00"));
        QCOMPARE(linha(lista("ListView1"), 0).value(1), QStringLiteral("-50,00"));
        QCOMPARE(registros().first().value(1), -50.0);
        // The field now reads L and the record holds it for the next computation.
        QCOMPARE(total->MinValue(), 350.0);
        QCOMPARE(total->text(), QStringLiteral("350"));
        QCOMPARE(Projeto.LTotal, 350.0);
        ok();
        QCOMPARE(rotulo("lblZ1"), QStringLiteral("Z1 = 0,00"));
        QCOMPARE(linha(lista("ListView1"), 3).value(1), QStringLiteral("-350,00"));

        // A shorter length typed now is stored as the bound.
        digitar("edtLTotal", QStringLiteral("200"));
        QCOMPARE(Projeto.LTotal, 350.0);
        ok();
        QCOMPARE(rotulo("lblZ1"), QStringLiteral("Z1 = 0,00"));
        QCOMPARE(total->text(), QStringLiteral("350"));

        // A smaller L later never lowers the bound.
        digitar("edtDDi", QStringLiteral("30"));
        ok();
        QCOMPARE(Projeto.L, 100.0);
        QCOMPARE(total->MinValue(), 350.0);
        QCOMPARE(rotulo("lblZ1"), QStringLiteral("Z1 = 250,00"));
    }

    // A bound with more decimals than the field shows: Z1 still reads 0 afterwards.
    void limiteFracionario() {
        projetoExemplo();
        Projeto.D2 = 51;
        Projeto.DDi = 40; // L = 10350 / 31 = 333.870967...
        Projeto.LTotal = 100;
        abrir();
        ok();
        QCOMPARE(rotulo("lblZ1"), QStringLiteral("Z1 = 0,00"));
        QVERIFY(std::abs(Projeto.Z1) < 1e-9);
        QCOMPARE(campo("edtLTotal")->text(), QStringLiteral("333,87"));
    }

    // "&Ok" selects the first criteria row and shows its caption; leaving the list clears it.
    void listaDeCriterios() {
        projetoExemplo();
        abrir();
        QStatusBar* status = janela->findChild<QStatusBar*>("StatusBar1");
        QTreeWidget* criterios = lista("ListView2");
        ok();
        QVERIFY(criterios->hasFocus());
        QCOMPARE(criterios->selectedItems().size(), 1);
        QCOMPARE(criterios->selectedItems().first(), criterios->topLevelItem(0));
        QCOMPARE(status->currentMessage(), CriteriosLiterais[0]);

        // Choosing another row shows its caption.
        const QRect area = criterios->visualItemRect(criterios->topLevelItem(2));
        QTest::mouseClick(criterios->viewport(), Qt::LeftButton, {}, area.center());
        QCOMPARE(status->currentMessage(), CriteriosLiterais[2]);

        campo("edtDDi")->setFocus(Qt::TabFocusReason);
        QCOMPARE(status->currentMessage(), QString());
        // Entering again keeps the chosen row and shows it.
        criterios->setFocus(Qt::TabFocusReason);
        QCOMPARE(criterios->selectedItems().first(), criterios->topLevelItem(2));
        QCOMPARE(status->currentMessage(), CriteriosLiterais[2]);
        // Printing or previewing presses "&Ok" first, the list keeping the focus: the list is
        // refilled, its first row selected and shown, no stale caption left behind.
        janela->btnOkClick();
        QCOMPARE(criterios->selectedItems().value(0), criterios->topLevelItem(0));
        QCOMPARE(status->currentMessage(), CriteriosLiterais[0]);
    }

    // Esc puts a field back to its stored value; with no cancel button the window stays open.
    void escNaoFecha() {
        projetoExemplo();
        Projeto.DDi = 40;
        abrir();
        TNumberEdit* ddi = campo("edtDDi");
        ddi->setFocus(Qt::TabFocusReason);
        ddi->selectAll();
        QTest::keyClicks(ddi, QStringLiteral("12"));
        QCOMPARE(Projeto.DDi, 12.0);
        QTest::keyClick(ddi, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(janela);
        QVERIFY(janela->isVisible());
        QTest::keyClick(lista("ListView2"), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(janela && janela->isVisible());
    }

    // Print and preview recompute first, as "&Ok" does (print cancelled at its dialog here).
    void imprimirEVisualizarRecalculam() {
        int dialogos = 0, previews = 0;
        SubstituirDialogos dialogo(qApp, {.impressao = [&](QWidget*, QPrinter&) {
                                       ++dialogos;
                                       return false;
                                   }});
        SubstituirDialogos mostrar(qApp, {.mostrarPreview = [&](QWidget* preview) {
                                       ++previews;
                                       preview->hide();
                                   }});
        projetoExemplo();
        abrir();
        for (const char* botao : {"btnImprimir", "btnPreview"}) {
            digitar("edtnG", QStringLiteral("6"));
            QVERIFY(lista("ListView1")->topLevelItemCount() != 6);
            QTest::mouseClick(controle<QToolButton>(botao), Qt::LeftButton);
            QCOMPARE(lista("ListView1")->topLevelItemCount(), 6);
            QCOMPARE(registros().size(), 6);
            digitar("edtnG", QStringLiteral("2"));
            QTest::mouseClick(controle<QToolButton>(botao), Qt::LeftButton);
            QCOMPARE(lista("ListView1")->topLevelItemCount(), 2);
        }
        QCOMPARE(dialogos, 2);
        QCOMPARE(previews, 2);
    }

    // The baffle fields outlive the window and load into the next one.
    void camposPersistem() {
        projetoExemplo();
        abrir();
        digitar("edtDDi", QStringLiteral("40"));
        digitar("edtDDe", QStringLiteral("44"));
        digitar("edtLTotal", QStringLiteral("400"));
        digitar("edtnG", QStringLiteral("4"));
        digitar("edtSSDe", QStringLiteral("60,5"));
        ok();
        fechar();
        QVERIFY(!janela);
        QCOMPARE(Projeto.DDi, 40.0);
        QCOMPARE(Projeto.DDe, 44.0);
        QCOMPARE(Projeto.LTotal, 400.0);
        QCOMPARE(Projeto.nG, std::int16_t(4));
        QCOMPARE(Projeto.SSDe, 60.5);
        QCOMPARE(Projeto.L, 350.0);

        abrir();
        QCOMPARE(campo("edtDDi")->Value(), 40.0);
        QCOMPARE(campo("edtDDe")->Value(), 44.0);
        QCOMPARE(campo("edtLTotal")->Value(), 400.0);
        QCOMPARE(campo("edtnG")->Value(), 4.0);
        QCOMPARE(campo("edtSSDe")->text(), QStringLiteral("60,5"));
        QCOMPARE(lista("ListView1")->topLevelItemCount(), 4);
        QCOMPARE(linha(lista("ListView1"), 3).value(1), QStringLiteral("-350,00"));
        // A fresh window starts without a bound until it computes: L = 350 set it again.
        QCOMPARE(campo("edtLTotal")->MinValue(), 350.0);
    }

    // A stored count the field can't show (0, or beyond 16 bits) never breaks the window.
    void contagemForaDaFaixa() {
        projetoExemplo();
        Projeto.nG = 0;
        abrir();
        QCOMPARE(Projeto.nG, std::int16_t(2));
        QCOMPARE(lista("ListView1")->topLevelItemCount(), 2);
        digitar("edtnG", QStringLiteral("99999"));
        QCOMPARE(Projeto.nG, std::int16_t(32767));
        ok();
        QCOMPARE(lista("ListView1")->topLevelItemCount(), 32767);
        QCOMPARE(registros().size(), 32767);
        QCOMPARE(linha(lista("ListView1"), 32766).value(0), QStringLiteral("32767"));
    }
};

// Under the program's own application object: its window font, its error box.
int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    TestDefletor teste;
    return QTest::qExec(&teste, argc, argv);
}
#include "test_defletor.moc"
