// Main-window flows driven through the real widgets: typing, "&Ok", lists and status bar, "&Novo",
// opening and saving design files, the field-diameter button and the error box.
#include "Calculo.h"
#include "ColunaTeste.h"
#include "Defletor.h"
#include "Desenho.h"
#include "DialogosTeste.h"
#include "DigitarTeste.h"
#include "GanchoTeste.h"
#include "Global.h"
#include "Janela.h"
#include "ModalTeste.h"
#include "NumberEdit.h"
#include "Principal.h"
#include "ProjetoTeste.h"
#include "Relatorios.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstring>
#include <memory>

namespace {
// Replaces the error box for the lifetime of the object and keeps what it would have shown.
struct ErrosCapturados {
    QStringList textos;
    SubstituirDialogos caixa{qApp, {.erro = [this](const QString& t) { textos << t; }}};
};

TProjeto projetoExemplo() {
    TProjeto p = ProjetoExemplo();
    p.LTotal = 123.5; // a baffle input: kept as read
    DefinirTitulo(p, QStringLiteral("Cassegrain de teste"));
    return p;
}

QString gravarArquivo(const QTemporaryDir& pasta, const char* nome, const QByteArray& bytes) {
    const QString caminho = pasta.filePath(QString::fromLatin1(nome));
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("could not write %s", qPrintable(caminho));
    return caminho;
}

QByteArray bytesDe(const TProjeto& p) {
    return QByteArray(reinterpret_cast<const char*>(&p), sizeof p);
}

// A double of a design file at its byte offset (little-endian binary64).
double duploEm(const QByteArray& bytes, int deslocamento) {
    double v = 0;
    std::memcpy(&v, bytes.constData() + deslocamento, sizeof v);
    return v;
}

// Records the mouse cursor in force at each moment `sinal` is emitted while work runs.
struct CursoresVistos {
    QList<int> formas; // Qt::CursorShape, or -1 for the normal cursor
    void ver() {
        const QCursor* c = QApplication::overrideCursor();
        formas << (c ? int(c->shape()) : -1);
    }
    bool todosAmpulheta() const {
        return !formas.isEmpty() &&
               std::all_of(formas.begin(), formas.end(), [](int f) { return f == Qt::WaitCursor; });
    }
};

// Watches the windows a command creates: when a child is added to a window of the given
// name, its lists (already built by then) report their refills to `cursores`.
class VigiaDeJanela : public QObject {
public:
    VigiaDeJanela(QString janela, CursoresVistos& cursores)
        : m_janela(std::move(janela)), m_cursores(cursores) {
        qApp->installEventFilter(this);
    }
    ~VigiaDeJanela() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::ChildAdded && objeto->objectName() == m_janela)
            for (QTreeWidget* lista : objeto->findChildren<QTreeWidget*>())
                if (lista->model() && !m_ligadas.contains(lista)) {
                    m_ligadas << lista;
                    connect(lista->model(), &QAbstractItemModel::rowsInserted, this,
                            [this] { m_cursores.ver(); });
                }
        return false;
    }

private:
    QString m_janela;
    CursoresVistos& m_cursores;
    QList<QTreeWidget*> m_ligadas;
};

} // namespace

class TestPrincipal : public QObject {
    Q_OBJECT

    std::unique_ptr<TfrmTeluvar> frm;
    QTemporaryDir pasta;

    void digitar(QWidget* campo, const char* texto) {
        digitarSobre(campo, QString::fromLatin1(texto));
    }
    void digitarExemplo() {
        digitar(frm->edtD1, "200");
        digitar(frm->edtfD, "4");
        digitar(frm->edty, "4");
        digitar(frm->edte, "200");
        digitar(frm->edti, "20");
    }
    QString status() const { return frm->StatusBar1Texto->text(); }

private slots:
    void init() {
        std::memset(&Projeto, 0, sizeof Projeto);
        frm = std::make_unique<TfrmTeluvar>();
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
    }
    void cleanup() { frm.reset(); }

    void inicio() {
        QCOMPARE(frm->windowTitle(), QStringLiteral("Projeto Teluvar - Principal"));
        QCOMPARE(frm->minimumSize(), frm->maximumSize());
        QCOMPARE(frm->centralWidget()->size(), QSize(789, 449));
        QCOMPARE(QApplication::focusWidget(), frm->edtTitulo);
        QCOMPARE(frm->edtD1->shownText(), QStringLiteral("0,00"));
        QCOMPARE(frm->edti->shownText(), QStringLiteral("0,00"));
        QVERIFY(frm->edtTitulo->text().isEmpty());
        QCOMPARE(frm->ListView1->topLevelItemCount(), 0);
        QCOMPARE(frm->ListView2->topLevelItemCount(), 0);
        QVERIFY(status().isEmpty());
        QCOMPARE(frm->dtDados.RecordCount(), 0);
        QVERIFY(frm->dtDados.Active());
        // The empty design: r2 is a negative zero and still reads 0,00.
        QCOMPARE(frm->lblr2->text(), QStringLiteral("r2 = 0,00"));
        QCOMPARE(frm->lblTxObstrucao->text(),
                 QStringLiteral("Taxa de obstrução do secundário (Tx) = 0,00%"));
        QCOMPARE(Projeto.nG, std::int16_t(2));
        // The tool bar in its order, each button with its action's picture and hint.
        QStringList botoes;
        for (QAction* a : frm->ToolBar1->actions())
            botoes << (a->isSeparator() ? QStringLiteral("|")
                                        : frm->ToolBar1->widgetForAction(a)->objectName());
        QCOMPARE(botoes.join(u' '),
                 QStringLiteral(
                     "btnNovo | btnAbrirArquivo btnSalvarArquivo | btnImprimir | "
                     "btnPreview | ToolButton1 ToolButton4 btnAnalise btnTolerancias btnDesenho "
                     "btnIluminacao btnEspelhos | "
                     "btnSair"));
        for (QAction* a : frm->ToolBar1->actions())
            if (!a->isSeparator())
                QVERIFY2(!a->icon().isNull() && !a->toolTip().isEmpty(),
                         qPrintable(a->objectName()));
    }

    // Every keystroke recomputes the labels; auto-width labels keep their anchored edge.
    // The warning line says what makes a design impossible to build as it is typed and goes
    // away when the design can be built: g = 0,5 (the secondary shrinks), then i = 800
    // (D2 = 50 + 600 x 800 / 3200 = 200, as large as the primary), then the example.
    void avisoDoProjeto() {
        digitarExemplo();
        auto* aviso = frm->findChild<QLabel*>(QStringLiteral("lblAviso"));
        QVERIFY(aviso);
        QVERIFY(!aviso->isVisible());
        digitar(frm->edty, "0,5");
        QVERIFY(aviso->isVisible());
        QCOMPARE(aviso->text(), TextoRecurso(Recursos::AvisoGamma));
        QCOMPARE(aviso->accessibleName(), aviso->text());
        digitar(frm->edty, "4");
        digitar(frm->edti, "800");
        QCOMPARE(aviso->text(), TextoRecurso(Recursos::AvisoSecundario));
        // The whole text stands inside the diagram, above its lower edge.
        QVERIFY(frm->Panel1->rect().contains(aviso->geometry()));
        QVERIFY(aviso->height() >= aviso->heightForWidth(aviso->width()));
        digitar(frm->edti, "20");
        QVERIFY(!aviso->isVisible());
    }

    // What a screen reader hears for each input: its caption without the colon (the gamma
    // between the magnification's parentheses), six different names.
    void nomesAcessiveis() {
        const std::pair<QWidget*, QString> esperados[] = {
            {frm->edtTitulo, QStringLiteral("Descrição")},
            {frm->edtD1, QStringLiteral("Diâmetro primário (D1)")},
            {frm->edtfD, QStringLiteral("f/D do primário")},
            {frm->edty, QStringLiteral("Coeficiente ampliação (γ)")},
            {frm->edte, QStringLiteral("Afastamento plano focal (e)")},
            {frm->edti, QStringLiteral("Diâmetro do campo (i)")}};
        for (const auto& [campo, nome] : esperados) {
            QAccessibleInterface* acessivel = QAccessible::queryAccessibleInterface(campo);
            QVERIFY(acessivel);
            QCOMPARE(acessivel->text(QAccessible::Name), nome);
        }
    }

    // A 400 mm primary: the area 125.663,71 mm² is shown whole in the result list.
    void numerosInteirosNaLista() {
        digitar(frm->edtD1, "400");
        digitar(frm->edtfD, "4");
        digitar(frm->edty, "4");
        digitar(frm->edte, "400");
        digitar(frm->edti, "30");
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        QTreeWidgetItem* area = frm->ListView2->topLevelItem(2);
        QVERIFY(area);
        QCOMPARE(area->text(1), QStringLiteral("125.663,71"));
        const QRect celula = frm->ListView2->visualItemRect(area);
        const int largura = frm->ListView2->columnWidth(1);
        QVERIFY2(largura >= frm->ListView2->fontMetrics().horizontalAdvance(area->text(1)) + 6,
                 qPrintable(QString::number(largura)));
        QVERIFY(celula.isValid());
    }

    void digitarAtualizaRotulos() {
        digitar(frm->edtTitulo, "Meu projeto");
        QCOMPARE(TituloTexto(Projeto), QStringLiteral("Meu projeto"));
        digitar(frm->edtD1, "200");
        digitar(frm->edtfD, "4");
        digitar(frm->edty, "4");
        digitar(frm->edte, "200");
        digitar(frm->edti, "2");
        QCOMPARE(frm->lblD2->text(), QStringLiteral("D2 = 50,38"));
        QTest::keyClick(frm->edti, Qt::Key_0);
        QCOMPARE(frm->lblf->text(), QStringLiteral("f1 = 800,00"));
        QCOMPARE(frm->lblD2->text(), QStringLiteral("D2 = 53,75"));
        QCOMPARE(frm->lblTxObstrucao->text(),
                 QStringLiteral("Taxa de obstrução do secundário (Tx) = 26,88%"));
        QCOMPARE(frm->lblFSistema->text(),
                 QStringLiteral("Distância focal do sistema (F) = 3.200,00"));
        QCOMPARE(Projeto.D1, 200.0);
        QCOMPARE(Projeto.i, 20.0);
        // Right-aligned labels keep their right edge, left-aligned ones their left edge.
        QCOMPARE(frm->lblD2->geometry().right() + 1, 191);
        QCOMPARE(frm->lblr1->geometry().right() + 1, 363);
        QCOMPARE(frm->lblD1->x(), 434);
        QVERIFY(frm->lblD2->width() >=
                frm->lblD2->fontMetrics().horizontalAdvance(frm->lblD2->text()));
        // The lists wait for "&Ok".
        QCOMPARE(frm->ListView2->topLevelItemCount(), 0);
        // A lone minus stores a negative zero; the labels still read 0,00.
        digitar(frm->edtD1, "-");
        QVERIFY(Projeto.D1 == 0 && std::signbit(Projeto.D1));
        QCOMPARE(frm->lblD1->text(), QStringLiteral("D1 = 0,00"));
    }

    // Thousands and decimal separators typed into a main-window field, and the field's two faces.
    void digitarMilharEDecimal() {
        digitar(frm->edtD1, "1.234,5");
        QCOMPARE(Projeto.D1, 1234.5);
        QTest::keyClick(frm->edtD1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm->edtfD);
        QCOMPARE(frm->edtD1->shownText(), QStringLiteral("1.234,50"));
        QTest::keyClick(frm->edtfD, Qt::Key_Backtab);
        QCOMPARE(frm->edtD1->shownText(), QStringLiteral("1234,5"));
        QCOMPARE(frm->lblD1->text(), QStringLiteral("D1 = 1.234,50"));
    }

    // The commands' shortcuts work while the focus is in an input field.
    void atalhosDentroDosCampos_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("janela");
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << "frmDefletor";
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << "frmFlecha";
    }
    void atalhosDentroDosCampos() {
        QFETCH(int, tecla);
        QFETCH(QString, janela);
        for (QWidget* campo :
             {static_cast<QWidget*>(frm->edtTitulo), static_cast<QWidget*>(frm->edtD1)}) {
            frm->activateWindow(); // the offscreen platform doesn't reactivate it by itself
            QVERIFY(QTest::qWaitForWindowActive(frm.get()));
            digitar(campo, "2");
            QString aberta;
            quandoModalAbrir([&](QWidget* modal) {
                aberta = modal->objectName();
                modal->close();
            });
            QTest::keyClick(campo, Qt::Key(tecla), Qt::ControlModifier);
            QCOMPARE(aberta, janela);
        }
    }

    // Entering an empty list leaves the status bar as it was.
    void entrarEmListaVazia() {
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        QCOMPARE(status(), QStringLiteral("Diâmetro do primário (D1)"));
        frm->ListView1->clear();
        QTest::keyClick(frm->ListView2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), frm->ListView1);
        QVERIFY(status().isEmpty()); // left ListView2, entered an empty list: nothing shown
        QCOMPARE(frm->ListView1->selectedItems().size(), 0);
    }

    // The status bar shows a row's description only while that row is selected in the focused
    // list: commands that empty or refill the lists leave no stale description behind, and the
    // menu bar taking the keyboard is not leaving the list.
    void statusAposComandos_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<bool>("focoNaLista"); // else the focus is in edtD1
        QTest::addColumn<int>("linhasAbaixo"); // Down presses in ListView2 first
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<int>("selecionada"); // -1: no row selected
        QTest::newRow("Novo, foco num campo") << "novo" << false << 0 << "" << -1;
        QTest::newRow("Novo, foco na lista") << "novo" << true << 1 << "" << -1;
        QTest::newRow("Imprime, foco na lista")
            << "imprime" << true << 2 << "Diâmetro do primário (D1)" << 0;
        QTest::newRow("Imprime, foco num campo")
            << "imprime" << false << 2 << "Diâmetro do primário (D1)" << 0;
        QTest::newRow("Visualizar, foco na lista")
            << "ok" << true << 3 << "Diâmetro do primário (D1)" << 0;
        QTest::newRow("barra de menus")
            << "menu" << true << 1 << "Diâmetro do secundário (D2)" << 1;
    }
    void statusAposComandos() {
        QFETCH(QString, comando);
        QFETCH(bool, focoNaLista);
        QFETCH(int, linhasAbaixo);
        QFETCH(QString, esperado);
        QFETCH(int, selecionada);
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        for (int k = 0; k < linhasAbaixo; ++k)
            QTest::keyClick(frm->ListView2, Qt::Key_Down);
        QCOMPARE(frm->ListView2->currentIndex().row(), linhasAbaixo);
        if (!focoNaLista) {
            frm->edtD1->setFocus(Qt::TabFocusReason);
            QVERIFY(status().isEmpty());
        }
        if (comando == "novo") {
            frm->actNovo->trigger();
        } else if (comando == "imprime") {
            SubstituirDialogos cancelar(qApp,
                                        {.impressao = [](QWidget*, QPrinter&) { return false; }});
            frm->actImprimir->trigger();
        } else if (comando == "ok") {
            frm->btnOkClick(); // what "Visualizar" runs before preparing the report
        } else {
            // Alt or F10 hands the keyboard to the menu bar; Esc gives it back.
            frm->menuBar()->setFocus(Qt::MenuBarFocusReason);
            QCOMPARE(status(), esperado);
            frm->ListView2->setFocus(Qt::MenuBarFocusReason);
        }
        QCOMPARE(status(), esperado);
        const QList<QTreeWidgetItem*> marcadas = frm->ListView2->selectedItems();
        QCOMPARE(marcadas.isEmpty() ? -1 : frm->ListView2->indexOfTopLevelItem(marcadas.first()),
                 selecionada);
    }

    // The print dialog offers only what printing honours: the printer and the number of
    // copies. All pages are printed, uncollated, so no page range or collate choice is shown.
    void dialogoDeImpressaoSoOQueSeFaz() {
        QString nome;
        QStringList visiveis;
        bool intervalo = true, agrupar = true, selecao = true, atual = true;
        quandoModalAbrir([&](QWidget* modal) {
            nome = modal->objectName();
            if (auto* dlg = qobject_cast<QPrintDialog*>(modal)) {
                intervalo = dlg->testOption(QAbstractPrintDialog::PrintPageRange);
                agrupar = dlg->testOption(QAbstractPrintDialog::PrintCollateCopies);
                selecao = dlg->testOption(QAbstractPrintDialog::PrintSelection);
                atual = dlg->testOption(QAbstractPrintDialog::PrintCurrentPage);
                for (const char* controle : {"gbPrintRange", "collate"})
                    if (auto* w = dlg->findChild<QWidget*>(QLatin1String(controle)))
                        if (w->isVisibleTo(dlg)) visiveis << QLatin1String(controle);
            }
            modal->close();
        });
        frm->actImprimir->trigger();
        QCOMPARE(nome, QStringLiteral("PrintDialog1"));
        QVERIFY(!intervalo && !agrupar && !selecao && !atual);
        QCOMPARE(visiveis, QStringList());
    }

    // The sagitta window shows the values of the inputs as typed, without "&Ok".
    void flechasSemOk() {
        digitarExemplo();
        QCOMPARE(QApplication::focusWidget(), frm->edti);
        QStringList textos;
        quandoModalAbrir([&](QWidget* modal) {
            for (const char* nome : {"lblSag1", "lblSag2", "lblD1", "lblD2"})
                textos << modal->findChild<QLabel*>(QLatin1String(nome))->text();
            modal->close();
        });
        frm->actFlecha->trigger();
        QCOMPARE(textos, QStringList({"Sag1 = 3,13", "Sag2 = 0,68", "D1 = 200,00", "D2 = 53,75"}));
    }

    void okPreencheListasEStatus() {
        digitarExemplo();
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        QCOMPARE(frm->ListView2->topLevelItemCount(), 19);
        QCOMPARE(frm->ListView1->topLevelItemCount(), 2);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QTreeWidgetItem* b1 = frm->ListView1->topLevelItem(0);
        QCOMPARE(QStringList({b1->text(1), b1->text(2), b1->text(3)}),
                 QStringList({"-1,00", "-0,71", "-1,04"}));
        QCOMPARE(frm->ListView2->topLevelItem(16)->text(1), QStringLiteral("26,88%"));
        QCOMPARE(frm->ListView2->topLevelItem(18)->text(0),
                 QStringLiteral("Flecha do espelho secundário (Sag2)"));
        // The result rows went into the report data set too.
        QCOMPARE(frm->dtDados.RecordCount(), 19);
        frm->dtDados.First();
        for (int k = 0; k < 19; ++k, frm->dtDados.Next()) {
            QCOMPARE(frm->dtDados.FieldValue(QStringLiteral("Descricao")).toString(),
                     frm->ListView2->topLevelItem(k)->text(0));
            QCOMPARE(frm->dtDados.FieldValue(QStringLiteral("Valor")).toString(),
                     frm->ListView2->topLevelItem(k)->text(1));
        }
        // The focus went to the result list, whose first row is selected and described.
        QCOMPARE(QApplication::focusWidget(), frm->ListView2);
        QCOMPARE(frm->ListView2->selectedItems().value(0), frm->ListView2->topLevelItem(0));
        QCOMPARE(status(), QStringLiteral("Diâmetro do primário (D1)"));
        QTest::keyClick(frm->ListView2, Qt::Key_Down);
        QCOMPARE(status(), QStringLiteral("Diâmetro do secundário (D2)"));
        // Leaving the list empties the status bar; coming back shows the selected row again.
        QTest::keyClick(frm->ListView2, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), frm->btnOk);
        QVERIFY(status().isEmpty());
        QTest::keyClick(frm->btnOk, Qt::Key_Tab);
        QCOMPARE(status(), QStringLiteral("Diâmetro do secundário (D2)"));
        QCOMPARE(frm->ListView2->selectedItems().value(0), frm->ListView2->topLevelItem(1));
        // The comparison list behaves the same way.
        QTest::keyClick(frm->ListView2, Qt::Key_Tab);
        QCOMPARE(status(), QStringLiteral("Deformação do Primário (b1)"));
        // Later edits change the labels but not the lists; Alt+O refreshes them.
        digitar(frm->edtD1, "100");
        QCOMPARE(frm->ListView2->topLevelItem(0)->text(1), QStringLiteral("200,00"));
        QTest::keyClick(frm.get(), Qt::Key_O, Qt::AltModifier); // the button clicks a moment later
        QTRY_COMPARE(frm->ListView2->topLevelItem(0)->text(1), QStringLiteral("100,00"));
        // Enter presses no button: the window has no default button.
        digitar(frm->edtD1, "300");
        QTest::keyClick(frm->edtD1, Qt::Key_Return);
        QCOMPARE(frm->ListView2->topLevelItem(0)->text(1), QStringLiteral("100,00"));
    }

    // Every row of both lists for 200, 4, 4, 200, 20: captions as literal texts, values worked
    // out by hand (f1 = 800, F = 3200, p = 200, p' = 800, d = 600, D2 = 53,75, r2 = 1600/3).
    void linhasDasListas_data() {
        QTest::addColumn<int>("lista");
        QTest::addColumn<int>("linha");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QStringList>("valores");
        QTest::newRow("1") << 2 << 0 << QStringLiteral("Diâmetro do primário (D1)")
                           << QStringList{"200,00"};
        QTest::newRow("2") << 2 << 1 << QStringLiteral("Diâmetro do secundário (D2)")
                           << QStringList{"53,75"};
        QTest::newRow("3") << 2 << 2 << QStringLiteral("Área do primário (mm²)")
                           << QStringList{"31.415,93"};
        QTest::newRow("4") << 2 << 3 << QStringLiteral("Área do secundário (mm²)")
                           << QStringList{"2.269,06"};
        QTest::newRow("5") << 2 << 4 << QStringLiteral("Raio do primário (r1)")
                           << QStringList{"1.600,00"};
        QTest::newRow("6") << 2 << 5 << QStringLiteral("Raio do secundário (r2)")
                           << QStringList{"533,33"};
        QTest::newRow("7") << 2 << 6 << QStringLiteral("Distância focal do primário (f)")
                           << QStringList{"800,00"};
        QTest::newRow("8") << 2 << 7 << QStringLiteral("Relação focal do primário (f/D1)")
                           << QStringList{"4,00"};
        QTest::newRow("9") << 2 << 8 << QStringLiteral("Coeficiente de ampliação")
                           << QStringList{"4,00"};
        QTest::newRow("10") << 2 << 9 << QStringLiteral("Diâmetro do campo (i)")
                            << QStringList{"20,00"};
        QTest::newRow("11") << 2 << 10 << QStringLiteral("Distância focal do sistema (F)")
                            << QStringList{"3.200,00"};
        QTest::newRow("12") << 2 << 11 << QStringLiteral("Relação focal do sistema (F/D1)")
                            << QStringList{"16,00"};
        QTest::newRow("13") << 2 << 12
                            << QStringLiteral("Distância entre primário e secundário (d)")
                            << QStringList{"600,00"};
        QTest::newRow("14") << 2 << 13
                            << QStringLiteral("Distância entre o primário e o foco do sistema (e)")
                            << QStringList{"200,00"};
        QTest::newRow("15") << 2 << 14
                            << QStringLiteral(
                                   "Distância entre o secundário e o foco do primário (p)")
                            << QStringList{"200,00"};
        QTest::newRow("16") << 2 << 15
                            << QStringLiteral(
                                   "Distância entre o secundário e o foco do sistema (p')")
                            << QStringList{"800,00"};
        QTest::newRow("17") << 2 << 16 << QStringLiteral("Taxa de obstrução do secundário (Tx)")
                            << QStringList{"26,88%"};
        QTest::newRow("18") << 2 << 17 << QStringLiteral("Flecha do espelho primário (Sag1)")
                            << QStringList{"3,13"};
        QTest::newRow("19") << 2 << 18 << QStringLiteral("Flecha do espelho secundário (Sag2)")
                            << QStringList{"0,68"};
        QTest::newRow("b1") << 1 << 0 << QStringLiteral("Deformação do Primário (b1)")
                            << QStringList{"-1,00", "-0,71", "-1,04"};
        QTest::newRow("b2") << 1 << 1 << QStringLiteral("Deformação do Secundário (b2)")
                            << QStringList{"-2,78", "0,00", "-3,17"};
    }
    void linhasDasListas() {
        QFETCH(int, lista);
        QFETCH(int, linha);
        QFETCH(QString, descricao);
        QFETCH(QStringList, valores);
        digitarExemplo();
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        QTreeWidget* arvore = lista == 1 ? frm->ListView1 : frm->ListView2;
        QCOMPARE(arvore->topLevelItemCount(), lista == 1 ? 2 : 19);
        QTreeWidgetItem* item = arvore->topLevelItem(linha);
        QStringList lidos;
        for (int c = 1; c < arvore->columnCount(); ++c)
            lidos << item->text(c);
        QCOMPARE(item->text(0), descricao);
        QCOMPARE(lidos, valores);
        if (lista == 2) {
            // The report row of the same position.
            frm->dtDados.First();
            for (int k = 0; k < linha; ++k)
                frm->dtDados.Next();
            QCOMPARE(frm->dtDados.FieldValue(QStringLiteral("Descricao")).toString(), descricao);
            QCOMPARE(frm->dtDados.FieldValue(QStringLiteral("Valor")).toString(), valores[0]);
        }
    }

    void okSobreProjetoVazio() {
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        QTreeWidgetItem* b2 = frm->ListView1->topLevelItem(1);
        QCOMPARE(QStringList({b2->text(1), b2->text(2), b2->text(3)}),
                 QStringList({"-1,00", "0,00", "0,00"}));
        for (int k = 0; k < 19; ++k)
            QCOMPARE(frm->ListView2->topLevelItem(k)->text(1),
                     k == 16 ? QStringLiteral("0,00%") : QStringLiteral("0,00"));
        QCOMPARE(status(), QStringLiteral("Diâmetro do primário (D1)"));
    }

    void novoAposOk() {
        digitar(frm->edtTitulo, "Projeto velho");
        digitarExemplo();
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        QTest::keyClick(frm.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(frm->ListView1->topLevelItemCount(), 0);
        QCOMPARE(frm->ListView2->topLevelItemCount(), 0);
        QCOMPARE(frm->dtDados.RecordCount(), 0);
        QVERIFY(frm->dtDados.Active());
        for (TNumberEdit* campo : {frm->edtD1, frm->edtfD, frm->edty, frm->edte, frm->edti})
            QCOMPARE(campo->shownText(), QStringLiteral("0,00"));
        QVERIFY(frm->edtTitulo->text().isEmpty());
        QCOMPARE(Projeto.D1, 0.0);
        QCOMPARE(Projeto.i, 0.0);
        QCOMPARE(Projeto.nG, std::int16_t(2));
        QCOMPARE(Projeto.Titulo[0], std::uint8_t(0));
        QCOMPARE(frm->lblf->text(), QStringLiteral("f1 = 0,00"));
        QCOMPARE(frm->lblD2->text(), QStringLiteral("D2 = 0,00"));
    }

    // A file longer than a design loads from its first 544 bytes.
    void abrirArquivoDe600Bytes() {
        ErrosCapturados erros;
        TProjeto p = projetoExemplo();
        const QString caminho =
            gravarArquivo(pasta, "longo.tlv", bytesDe(p) + QByteArray(56, '\x7f'));
        frm->PerguntarArquivoAbrir = [&] { return caminho; };
        QTest::keyClick(frm.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY2(erros.textos.isEmpty(), qPrintable(erros.textos.join(u'\n')));
        QCOMPARE(frm->edtD1->shownText(), QStringLiteral("200,00"));
        QCOMPARE(frm->edti->shownText(), QStringLiteral("20,00"));
        QCOMPARE(frm->edtTitulo->text(), QStringLiteral("Cassegrain de teste"));
        QCOMPARE(frm->lblD2->text(), QStringLiteral("D2 = 53,75"));
        QCOMPARE(frm->ListView2->topLevelItemCount(), 19);
        QCOMPARE(frm->ListView1->topLevelItem(1)->text(3), QStringLiteral("-3,17"));
        QCOMPARE(frm->dtDados.RecordCount(), 19);
        QCOMPARE(Projeto.LTotal, 123.5);
        QCOMPARE(Projeto.f1, 800.0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(frm->windowTitle(), QStringLiteral("Projeto Teluvar - Principal"));
    }

    // A file that can't be read as a design shows the error box and changes nothing.
    void abrirFalha_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("tamanho"); // -1: no such file; -2: a folder
        QTest::newRow("543 bytes") << "curto.tlv" << 543;
        QTest::newRow("vazio") << "vazio.tlv" << 0;
        QTest::newRow("inexistente") << "nao-existe.tlv" << -1;
        QTest::newRow("pasta") << "uma-pasta.tlv" << -2;
    }
    void abrirFalha() {
        QFETCH(QString, nome);
        QFETCH(int, tamanho);
        QString caminho = pasta.filePath(nome);
        if (tamanho >= 0)
            caminho = gravarArquivo(pasta, qPrintable(nome), QByteArray(tamanho, '\x11'));
        else if (tamanho == -2)
            QVERIFY(QDir(pasta.path()).mkpath(nome));

        digitar(frm->edtTitulo, "Atual");
        digitarExemplo();
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        digitar(frm->edtD1, "210"); // the lists now describe an older D1
        const QByteArray antes = bytesDe(Projeto);
        const QString listaAntes = frm->ListView2->topLevelItem(0)->text(1);

        ErrosCapturados erros;
        frm->PerguntarArquivoAbrir = [&] { return caminho; };
        frm->actAbrir->trigger();
        QCOMPARE(erros.textos.size(), 1);
        QVERIFY(erros.textos[0].contains(nome));
        QVERIFY(erros.textos[0].back().unicode() <= u'.');
        QVERIFY(bytesDe(Projeto) == antes);
        QCOMPARE(frm->edtD1->shownText(), QStringLiteral("210")); // still being edited
        QCOMPARE(frm->edtTitulo->text(), QStringLiteral("Atual"));
        QCOMPARE(frm->ListView2->topLevelItem(0)->text(1), listaAntes);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // The program carries on: the next command works.
        frm->PerguntarArquivoAbrir = [&] {
            return gravarArquivo(pasta, "bom.tlv", bytesDe(projetoExemplo()));
        };
        frm->actAbrir->trigger();
        QCOMPARE(erros.textos.size(), 1);
        QCOMPARE(frm->edtD1->shownText(), QStringLiteral("200"));
    }

    // An input with more decimals than the field shows: the field decides what the record keeps.
    void abrirD1ComMaisDecimais_data() {
        QTest::addColumn<QString>("campoAntes");
        QTest::addColumn<double>("D1Depois");
        QTest::newRow("campo com outro valor") << "150" << 200.0;
        QTest::newRow("campo ja mostra 200") << "200" << 200.004;
    }
    void abrirD1ComMaisDecimais() {
        QFETCH(QString, campoAntes);
        QFETCH(double, D1Depois);
        digitar(frm->edtD1, qPrintable(campoAntes));
        TProjeto p = projetoExemplo();
        p.D1 = 200.004;
        const QString caminho = gravarArquivo(pasta, "decimais.tlv", bytesDe(p));
        frm->PerguntarArquivoAbrir = [&] { return caminho; };
        frm->actAbrir->trigger();
        QCOMPARE(Projeto.D1, D1Depois);
        QCOMPARE(Projeto.f1, D1Depois * 4);
        QCOMPARE(frm->edtD1->Value(), 200.0);
    }

    void salvar() {
        ErrosCapturados erros;
        digitar(frm->edtTitulo, "Salvo");
        digitarExemplo();
        const QString caminho = pasta.filePath(QStringLiteral("salvo.tlv"));
        frm->PerguntarArquivoSalvar = [&] { return caminho; };
        QTest::keyClick(frm.get(), Qt::Key_S, Qt::ControlModifier);
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytesDe(Projeto));
        // Cancelling the dialog writes nothing and changes nothing.
        f.close();
        QVERIFY(f.remove());
        frm->PerguntarArquivoSalvar = [] { return QString(); };
        frm->actSalvar->trigger();
        QVERIFY(!QFile::exists(caminho));
        // A save that fails reaches the error box.
        frm->PerguntarArquivoSalvar = [&] { return pasta.filePath("sem/pasta/x.tlv"); };
        frm->actSalvar->trigger();
        QCOMPARE(erros.textos.size(), 1);
    }

    // The real file dialogs: the filter, the default suffix, the program's folder.
    void dialogosDeArquivoReais() {
        QCOMPARE(frm->SaveDialog1->defaultSuffix(), QStringLiteral("tlv"));
        QCOMPARE(frm->OpenDialog1->nameFilters(), QStringList{"Arquivo tlv (*.tlv)"});
        QCOMPARE(QDir(frm->OpenDialog1->directory()).canonicalPath(),
                 QDir(QCoreApplication::applicationDirPath()).canonicalPath());
        frm->SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
        frm->SaveDialog1->setDirectory(pasta.path());
        digitarExemplo();
        quandoModalAbrir([](QWidget* modal) {
            auto* nome = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nome);
            nome->setText(QStringLiteral("meu-projeto"));
            QTest::keyClick(nome, Qt::Key_Return);
        });
        frm->actSalvar->trigger();
        QFile f(pasta.filePath(QStringLiteral("meu-projeto.tlv")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.size(), qint64(544));
        // Opening through the real dialog, then cancelling: nothing changes.
        frm->OpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
        const QByteArray antes = bytesDe(Projeto);
        quandoModalAbrir([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        frm->actAbrir->trigger();
        QVERIFY(bytesDe(Projeto) == antes);
    }

    void botaoDiametroCampo() {
        frm->PerguntarDiametroCampo = [] { return 12.3456; };
        QTest::mouseClick(frm->btnDiametroCampo, Qt::LeftButton);
        QCOMPARE(frm->edti->shownText(), QStringLiteral("12,35"));
        QCOMPARE(Projeto.i, 12.35);
        frm->PerguntarDiametroCampo = [] { return 0.0; };
        QTest::mouseClick(frm->btnDiametroCampo, Qt::LeftButton);
        QCOMPARE(frm->edti->shownText(), QStringLiteral("12,35"));
        QCOMPARE(Projeto.i, 12.35);
    }

    // The real dialog behind the button: F = 3200, an arc of 0,5 degree gives 27,93.
    void botaoDiametroCampoDialogoReal() {
        digitarExemplo();
        quandoModalAbrir([](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("frmDiametroCampo"));
            QVERIFY(QTest::qWaitForWindowActive(modal));
            auto* arco = modal->findChild<QWidget*>(QStringLiteral("edtArco"));
            QTRY_COMPARE(QApplication::focusWidget(), arco);
            QTest::keyClicks(arco, QStringLiteral("0,5"));
            QTest::keyClick(arco, Qt::Key_Return);
        });
        QTest::mouseClick(frm->btnDiametroCampo, Qt::LeftButton);
        QCOMPARE(frm->edti->shownText(), QStringLiteral("27,93"));
        QCOMPARE(Projeto.i, 27.93);
    }

    // The real dialog behind the button with F = 3200 and with F = 0 (no magnification): with
    // F = 0 every arc gives 0 and the field keeps the diameter it had.
    void diametroCampoPorF_data() {
        QTest::addColumn<QString>("gamma");
        QTest::addColumn<QString>("arco");
        QTest::addColumn<QString>("mostrado"); // in the dialog
        QTest::addColumn<double>("i");         // afterwards
        QTest::newRow("F = 3200, 0,5 grau") << "4"
                                            << "0,5"
                                            << "27,93" << 27.93;
        QTest::newRow("F = 0, 0,5 grau") << "0"
                                         << "0,5"
                                         << "0,00" << 12.35;
        QTest::newRow("F = 0, 45 graus") << "0"
                                         << "45"
                                         << "0,00" << 12.35;
    }
    void diametroCampoPorF() {
        QFETCH(QString, gamma);
        QFETCH(QString, arco);
        QFETCH(QString, mostrado);
        QFETCH(double, i);
        digitar(frm->edtD1, "200");
        digitar(frm->edtfD, "4");
        digitar(frm->edty, qPrintable(gamma));
        digitar(frm->edte, "200");
        digitar(frm->edti, "12,35");
        QString visto;
        quandoModalAbrir([&](QWidget* modal) {
            auto* edtArco = modal->findChild<QWidget*>(QStringLiteral("edtArco"));
            auto* edti = modal->findChild<TNumberEdit*>(QStringLiteral("edti"));
            QTRY_COMPARE(QApplication::focusWidget(), edtArco);
            QTest::keyClicks(edtArco, arco);
            visto = edti->shownText();
            QTest::keyClick(edtArco, Qt::Key_Return);
        });
        QTest::mouseClick(frm->btnDiametroCampo, Qt::LeftButton);
        QCOMPARE(visto, mostrado);
        QCOMPARE(Projeto.i, i);
        QCOMPARE(frm->edti->Value(), i);
    }

    void janelasModais_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("janela");
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << "frmFlecha";
    }
    void janelasModais() {
        QFETCH(int, tecla);
        QFETCH(QString, janela);
        QString aberta;
        quandoModalAbrir([&](QWidget* modal) {
            aberta = modal->objectName();
            modal->close();
        });
        QTest::keyClick(frm.get(), Qt::Key(tecla), Qt::ControlModifier);
        QCOMPARE(aberta, janela);
        QCOMPARE(frm->findChildren<QDialog*>(janela).size(), 0); // freed once closed
        // "Sobre..." from its menu; the popup menu offers the two component windows.
        quandoModalAbrir([&](QWidget* modal) {
            aberta = modal->objectName();
            modal->close();
        });
        frm->actSobre->trigger();
        QCOMPARE(aberta, QStringLiteral("frmSobre"));
        QCOMPARE(frm->PopupMenu1->actions(), QList<QAction*>({frm->actDefletor, frm->actFlecha}));
    }

    // The live windows: modeless, one instance each, following every keystroke of the main window.
    void janelasVivas_data() {
        QTest::addColumn<int>("tecla");
        QTest::addColumn<QString>("janela");
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<QString>("dica");
        QTest::addColumn<QString>("valor"); // shown for 200/4/4/200/20, from its closed form
        // Airy radius 1,22 * 550 nm * 3200 / 200 = 10,736 µm; d = f1 - (f1 + e) / (gamma + 1) =
        // 600; the last Couder zone ends at D1 / 2.
        QTest::newRow("Ctrl+R") << int(Qt::Key_R) << "frmAnalise"
                                << "&Análise"
                                << "Análise por traçado de raios"
                                << "10,74 µm";
        QTest::newRow("Ctrl+L") << int(Qt::Key_L) << "frmDesenho"
                                << "Desenho em &escala"
                                << "Desenho do telescópio em escala"
                                << "d = 600,00";
        QTest::newRow("Ctrl+M") << int(Qt::Key_M) << "frmEspelhos"
                                << "Confecção dos &espelhos"
                                << "Dados para a confecção e o teste dos espelhos"
                                << "100,00";
    }
    void janelasVivas() {
        QFETCH(int, tecla);
        QFETCH(QString, janela);
        QFETCH(QString, legenda);
        QFETCH(QString, dica);
        QFETCH(QString, valor);
        auto* acao = frm->findChild<QAction*>(QStringLiteral("act") + janela.mid(3));
        QVERIFY(acao);
        QCOMPARE(acao->text(), legenda);
        QCOMPARE(acao->toolTip(), dica);
        QCOMPARE(acao->property("Category").toString(), QStringLiteral("Componentes"));
        QCOMPARE(acao->shortcut(), QKeySequence(Qt::CTRL | Qt::Key(tecla)));
        auto* menu = frm->findChild<QMenu*>(QStringLiteral("mnuComponentes"));
        QVERIFY(menu->actions().contains(acao));
        QVERIFY(menu->actions().indexOf(acao) > menu->actions().indexOf(frm->actFlecha));

        digitarExemplo();
        QTest::keyClick(frm.get(), Qt::Key(tecla), Qt::ControlModifier);
        QPointer<QWidget> viva = frm->findChild<QWidget*>(janela);
        QVERIFY(viva && viva->isVisible());
        QVERIFY(!viva->isModal() && QApplication::activeModalWidget() == nullptr);
        auto textos = [&] {
            QStringList t;
            for (QLabel* l : viva->findChildren<QLabel*>())
                t << l->text();
            for (QTableWidget* tabela : viva->findChildren<QTableWidget*>())
                for (int i = 0; i < tabela->rowCount(); ++i)
                    for (int j = 0; j < tabela->columnCount(); ++j)
                        if (tabela->item(i, j)) t << tabela->item(i, j)->text();
            for (QTreeWidget* lista : viva->findChildren<QTreeWidget*>())
                for (int i = 0; i < lista->topLevelItemCount(); ++i)
                    for (int j = 0; j < lista->columnCount(); ++j)
                        t << lista->topLevelItem(i)->text(j);
            if (auto* desenho = qobject_cast<TfrmDesenho*>(viva.data()))
                for (const Cota& cota : desenho->dados().cotas)
                    t << cota.texto; // the dimension lines are painted, not labels
            return t.join(u'|');
        };
        const QString antes = textos();
        QVERIFY2(antes.contains(valor), qPrintable(antes));
        // Typing in the main window, with the live window open, recomputes it at each keystroke.
        frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        frm->edtD1->setFocus();
        QTest::keyClick(frm->edtD1, Qt::Key_End);
        QTest::keyClick(frm->edtD1, Qt::Key_Backspace); // 200 -> 20
        QCOMPARE(Projeto.D1, 20.0);
        const QString depois = textos();
        QVERIFY(depois != antes);
        QTest::keyClick(frm->edtD1, Qt::Key_0); // back to 200: the same texts again
        QCOMPARE(textos(), antes);
        // The shortcut again brings the same window forward; closing frees it.
        QTest::keyClick(frm.get(), Qt::Key(tecla), Qt::ControlModifier);
        QCOMPARE(frm->findChildren<QWidget*>(janela).size(), 1);
        viva->close();
        QTRY_VERIFY(viva.isNull());
    }

    // The action table: category, caption, hint, shortcut, picture; no action is disabled and
    // hints show only as tool tips. "E&xportar PDF..." came with the PDF export.
    void acoes_data() {
        QTest::addColumn<QString>("acao");
        QTest::addColumn<QString>("categoria");
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<QString>("dica"); // empty: none
        QTest::addColumn<QString>("atalho");
        QTest::addColumn<bool>("figura");
        QTest::newRow("actNovo") << "actNovo"
                                 << "Arquivo"
                                 << "&Novo"
                                 << "Novo"
                                 << "Ctrl+N" << true;
        QTest::newRow("actAbrir") << "actAbrir"
                                  << "Arquivo"
                                  << "&Abrir"
                                  << "Abre arquivo"
                                  << "Ctrl+O" << true;
        QTest::newRow("actSalvar") << "actSalvar"
                                   << "Arquivo"
                                   << "&Salvar"
                                   << "Salva em arquivo"
                                   << "Ctrl+S" << true;
        QTest::newRow("actPreview") << "actPreview"
                                    << "Arquivo"
                                    << "&Preview"
                                    << "Visualizar impressão"
                                    << "Ctrl+P" << true;
        QTest::newRow("actConfigurarImpressora") << "actConfigurarImpressora"
                                                 << "Arquivo"
                                                 << "&Configurar impressora"
                                                 << "Confirgura impressora"
                                                 << "" << true;
        QTest::newRow("actImprimir") << "actImprimir"
                                     << "Arquivo"
                                     << "Imprimir"
                                     << "Imprime"
                                     << "" << true;
        QTest::newRow("actExportarPdf") << "actExportarPdf"
                                        << "Arquivo"
                                        << "E&xportar PDF..."
                                        << "Exporta o relatório em PDF"
                                        << "Ctrl+E" << true;
        QTest::newRow("actSair") << "actSair"
                                 << "Arquivo"
                                 << "Sair"
                                 << "Sair do programa"
                                 << "Ctrl+Q" << true;
        QTest::newRow("actDefletor") << "actDefletor"
                                     << "Componentes"
                                     << "&Defletor"
                                     << "Abre formulário de projeto do defletor"
                                     << "Ctrl+D" << true;
        QTest::newRow("actFlecha") << "actFlecha"
                                   << "Componentes"
                                   << "&Flecha"
                                   << "Abre o formulário das flechas"
                                   << "Ctrl+F" << true;
        QTest::newRow("actTolerancias") << "actTolerancias"
                                        << "Componentes"
                                        << "&Tolerâncias"
                                        << "Focagem e colimação do secundário"
                                        << "Ctrl+T" << true;
        QTest::newRow("actSobre") << "actSobre"
                                  << "Ajuda"
                                  << "Sobre..."
                                  << ""
                                  << "" << false;
    }
    void acoes() {
        QFETCH(QString, acao);
        QFETCH(QString, categoria);
        QFETCH(QString, legenda);
        QFETCH(QString, dica);
        QFETCH(QString, atalho);
        QFETCH(bool, figura);
        auto* a = frm->findChild<QAction*>(acao);
        QVERIFY(a);
        QCOMPARE(a->property("Category").toString(), categoria);
        QCOMPARE(a->text(), legenda);
        if (!dica.isEmpty()) QCOMPARE(a->toolTip(), dica);
        QVERIFY(a->statusTip().isEmpty()); // nothing but the row captions reaches the status bar
        QCOMPARE(a->shortcut(), QKeySequence::fromString(atalho, QKeySequence::PortableText));
        QCOMPARE(!a->icon().isNull(), figura);
        QVERIFY(a->isEnabled());
        // A tool bar button shows the hint as its tip; an action without one is on no button.
        if (QWidget* botao = frm->ToolBar1->widgetForAction(a))
            QCOMPARE(botao->toolTip(), dica);
        else if (dica.isEmpty())
            QVERIFY(!frm->ToolBar1->actions().contains(a));
    }

    // The main menu: its three menus in order, their items in order with the separators ("|").
    void menuPrincipal() {
        QStringList menus, itens;
        for (QAction* m : frm->menuBar()->actions()) {
            menus << m->text();
            QStringList deste;
            for (QAction* a : m->menu()->actions())
                deste << (a->isSeparator() ? QStringLiteral("|") : a->text());
            itens << deste.join(u' ');
            for (QAction* a : m->menu()->actions())
                if (!a->isSeparator()) QVERIFY(frm->actions().contains(a)); // the action itself
        }
        QCOMPARE(menus, QStringList({"&Arquivo", "&Componentes", "&Ajuda"}));
        QCOMPARE(itens[0],
                 QStringLiteral("&Novo | &Abrir &Salvar | &Preview &Configurar impressora "
                                "Imprimir E&xportar PDF... Exportar &prescrição... "
                                "&Importar prescrição... | Sair"));
        // Defletor and Flecha first; the live windows of the later commands follow.
        QCOMPARE(itens[1],
                 QStringLiteral("&Defletor &Flecha &Análise &Tolerâncias "
                                "Desenho em &escala &Iluminação Confecção dos &espelhos"));
        QCOMPARE(itens[2], QStringLiteral("Sobre..."));
    }

    // Both lists: headings, widths and alignments of the columns, for the headings and rows.
    void colunasDasListas_data() {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("largura");
        QTest::addColumn<int>("alinhamento"); // Qt::AlignLeft, AlignHCenter or AlignRight
        const int esq = Qt::AlignLeft, cen = Qt::AlignHCenter, dir = Qt::AlignRight;
        QTest::newRow("ListView1 0") << "ListView1" << 0 << "Descrição" << 233 << esq;
        QTest::newRow("ListView1 1") << "ListView1" << 1 << "Clássico" << 93 << cen;
        QTest::newRow("ListView1 2") << "ListView1" << 2 << "Dall-Kirkham" << 93 << cen;
        QTest::newRow("ListView1 3") << "ListView1" << 3 << "Ritchey-Chrétien" << 93 << cen;
        QTest::newRow("ListView2 0") << "ListView2" << 0 << "Descrição" << 160 << esq;
        QTest::newRow("ListView2 1") << "ListView2" << 1 << "Valor" << 57 << dir;
    }
    void colunasDasListas() {
        QFETCH(QString, lista);
        QFETCH(int, coluna);
        QFETCH(QString, titulo);
        QFETCH(int, largura);
        QFETCH(int, alinhamento);
        digitarExemplo();
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        auto* arvore = frm->findChild<QTreeWidget*>(lista);
        QVERIFY(arvore);
        QCOMPARE(arvore->columnCount(), lista == QLatin1String("ListView1") ? 4 : 2);
        ConferirColuna(arvore, coluna, titulo, largura, alinhamento);
    }

    // The full tab order: the title, the five inputs, "&Ok", the result list, the comparison
    // list, and round again; neither the tool bar nor the field-diameter button is a stop.
    void ordemDeTabulacao() {
        const QStringList esperada{"edtTitulo", "edtD1", "edtfD",     "edty",     "edte",
                                   "edti",      "btnOk", "ListView2", "ListView1"};
        QCOMPARE(QApplication::focusWidget(), frm->edtTitulo);
        QStringList vista;
        for (int k = 0; k <= esperada.size(); ++k) {
            vista << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(vista, esperada + QStringList{"edtTitulo"});
        // Backwards from edtD1, the same stops in reverse.
        QStringList volta;
        for (int k = 0; k <= esperada.size(); ++k) {
            volta << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        }
        QCOMPARE(volta, QStringList({"edtD1", "edtTitulo", "ListView1", "ListView2", "btnOk",
                                     "edti", "edte", "edty", "edtfD", "edtD1"}));
    }

    // The captions of the inputs, each at left 7 at its top in the group box; the gamma
    // between the blanks of the magnification's caption.
    void rotulosDasEntradas_data() {
        QTest::addColumn<int>("topo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("titulo") << 20 << "Descrição:";
        QTest::newRow("D1") << 63 << "Diâmetro primário (D1):";
        QTest::newRow("f/D") << 88 << "f/D do primário:";
        QTest::newRow("gamma") << 113 << "Coeficiente ampliação (     ):";
        QTest::newRow("e") << 138 << "Afastamento plano focal (e):";
        QTest::newRow("i") << 163 << "Diâmetro do campo (i):";
    }
    void rotulosDasEntradas() {
        QFETCH(int, topo);
        QFETCH(QString, texto);
        QStringList achados;
        for (QLabel* l : frm->GroupBox1->findChildren<QLabel*>())
            if (l->x() == 7 && l->y() == topo) achados << l->text();
        QCOMPARE(achados, QStringList{texto});
        if (topo == 113) {
            // The letter over the blanks, on the line of the caption.
            QLabel* gamma = nullptr;
            for (QLabel* l : frm->GroupBox1->findChildren<QLabel*>())
                if (l->text() == QStringLiteral("γ")) gamma = l;
            QVERIFY(gamma);
            QCOMPARE(gamma->y(), 107);
            QVERIFY(gamma->x() > 7);
        }
    }

    // The design's change signal comes once per change, after the change is whole: a keystroke,
    // an opened design (whose five fields each store their value on the way), "&Novo", the
    // baffle window opening (its inputs stored, its total length raised) and a baffle input.
    // Faults caught: a live window recomputing once per step of a change (or on a half-done
    // record), and a change that reaches no live window.
    void umSinalPorMudanca_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<int>("sinais");
        QTest::newRow("tecla") << "tecla" << 1;
        QTest::newRow("Abrir") << "abrir" << 1;
        QTest::newRow("Abrir arquivo ruim") << "ruim" << 0;
        QTest::newRow("Novo") << "novo" << 1;
        QTest::newRow("Defletor aberto") << "defletor" << 1;
        QTest::newRow("entrada do defletor") << "entrada defletor" << 1;
    }
    void umSinalPorMudanca() {
        QFETCH(QString, comando);
        QFETCH(int, sinais);
        ErrosCapturados erros;
        TProjeto p = projetoExemplo();
        p.DDi = 60;
        p.SSDe = 60;
        p.LTotal = 10; // below the baffle's front end: the baffle window raises it
        const QString caminho = gravarArquivo(pasta, "sinal.tlv", bytesDe(p));
        const QString ruim = gravarArquivo(pasta, "ruim.tlv", QByteArray(100, '\x11'));
        if (comando != "abrir" && comando != "ruim") frm->AbrirArquivo(caminho);
        std::vector<double> D1Vistos;
        connect(frm.get(), &TfrmTeluvar::projetoAlterado, this,
                [&] { D1Vistos.push_back(Projeto.f1 / Projeto.fD1); });
        if (comando == "tecla") {
            frm->edtD1->setFocus();
            QTest::keyClick(frm->edtD1, Qt::Key_End);
            QTest::keyClick(frm->edtD1, Qt::Key_5);
        } else if (comando == "abrir" || comando == "ruim") {
            frm->PerguntarArquivoAbrir = [&] { return comando == "abrir" ? caminho : ruim; };
            frm->actAbrir->trigger();
        } else if (comando == "novo") {
            frm->actNovo->trigger();
        } else {
            auto* def = new TfrmDefletor(frm.get());
            if (comando == "entrada defletor") {
                D1Vistos.clear();
                def->edtDDi->setValue(77);
            }
            delete def;
        }
        QCOMPARE(int(D1Vistos.size()), sinais);
        // The layout was whole when the signal came: f1 = f/D · D1 of the D1 it holds.
        if (sinais > 0 && comando != "novo") QCOMPARE(D1Vistos.back(), Projeto.D1);
        if (comando == "defletor") QVERIFY(Projeto.LTotal > 10);
        QCOMPARE(erros.textos.size(), comando == "ruim" ? 1 : 0);
    }

    // The hourglass is the cursor while "&Ok" and "&Abrir" work and while the baffle window
    // is created, seen from inside the work (each refill of a list); it is the normal cursor
    // in the file dialog and once the baffle window is shown.
    void ampulhetaDuranteOTrabalho_data() {
        QTest::addColumn<QString>("comando");
        QTest::newRow("Ok") << "ok";
        QTest::newRow("Abrir") << "abrir";
        QTest::newRow("Defletor") << "defletor";
    }
    void ampulhetaDuranteOTrabalho() {
        QFETCH(QString, comando);
        CursoresVistos cursores;
        for (QTreeWidget* lista : {frm->ListView1, frm->ListView2})
            connect(lista->model(), &QAbstractItemModel::rowsInserted, this,
                    [&cursores] { cursores.ver(); });
        if (comando == "ok") {
            digitarExemplo();
            QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        } else if (comando == "abrir") {
            connect(frm.get(), &TfrmTeluvar::projetoAlterado, this,
                    [&cursores] { cursores.ver(); });
            const QString caminho =
                gravarArquivo(pasta, "ampulheta.tlv", bytesDe(projetoExemplo()));
            int noDialogo = 0;
            frm->PerguntarArquivoAbrir = [&] {
                noDialogo = QApplication::overrideCursor() ? 1 : -1;
                return caminho;
            };
            frm->actAbrir->trigger();
            QCOMPARE(noDialogo, -1);
            QCOMPARE(frm->ListView2->topLevelItemCount(), 19);
        } else {
            VigiaDeJanela vigia(QStringLiteral("frmDefletor"), cursores);
            int aoMostrar = 0;
            quandoModalAbrir([&](QWidget* modal) {
                aoMostrar = QApplication::overrideCursor() ? 1 : -1;
                modal->close();
            });
            frm->actDefletor->trigger();
            QCOMPARE(aoMostrar, -1);
        }
        QVERIFY2(cursores.todosAmpulheta(),
                 qPrintable(QStringLiteral("%1 sightings").arg(cursores.formas.size())));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // Saving after an input change without "&Ok" stores the first-order fields of the new
    // inputs with the conic constants of the previous "&Ok"; after "&Ok" the new constants.
    // 200/4/4/200/20 gives r1 = 1600, p = 200, d = 600, r2 = 1600/3; with gamma 5 instead,
    // p = 1000/6, d = 1900/3, r2 = 1250/3 and F = 4000. The constants from the two-mirror formulas:
    // b1DK = (g^2-1)^2 r2/(g^4 r1) - 1, b1RC = -(2p/(g^2 d) + 1), b2Cl = -((g+1)/(g-1))^2,
    // b2RC = b2Cl - r1 g/((g-1)^3 d).
    void salvarSemOk_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<double>>("conicas"); // b1DK b2DK b1RC b2RC b1Cl b2Cl
        QTest::newRow("sem Ok: as de gamma 4")
            << false
            << QList<double>{-0.70703125, 0.0,      -25.0 / 24, -(25.0 / 9 + 6400.0 / 16200),
                             -1.0,        -25.0 / 9};
        QTest::newRow("com Ok: as de gamma 5")
            << true << QList<double>{-0.76, 0.0, -97.0 / 95, -93.0 / 38, -1.0, -2.25};
    }
    void salvarSemOk() {
        QFETCH(bool, ok);
        QFETCH(QList<double>, conicas);
        digitarExemplo();
        QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        digitar(frm->edty, "5");
        if (ok) QTest::mouseClick(frm->btnOk, Qt::LeftButton);
        const QString caminho = pasta.filePath(QStringLiteral("sem-ok.tlv"));
        frm->PerguntarArquivoSalvar = [&] { return caminho; };
        frm->actSalvar->trigger();
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(b.size(), 544);
        // Offsets of the design file: F 40, p 56, gamma 72, d 88, r2 104, conics from 136.
        QCOMPARE(duploEm(b, 72), 5.0);
        QCOMPARE(duploEm(b, 40), 4000.0);
        QVERIFY(qFuzzyCompare(duploEm(b, 56), 1000.0 / 6));
        QVERIFY(qFuzzyCompare(duploEm(b, 88), 1900.0 / 3));
        QVERIFY(qFuzzyCompare(duploEm(b, 104), 1250.0 / 3));
        for (int k = 0; k < 6; ++k) {
            const double lido = duploEm(b, 136 + 8 * k), esperado = conicas[k];
            QVERIFY2(std::abs(lido - esperado) < 1e-12,
                     qPrintable(QStringLiteral("field %1: %2, expected %3")
                                    .arg(k)
                                    .arg(lido, 0, 'g', 17)
                                    .arg(esperado, 0, 'g', 17)));
        }
    }

    // Opening recomputes every stored result from the inputs: a file holding 200/4/4/200/20
    // with nonsense in its derived and conic fields opens as the worked example.
    void abrirRecalcula() {
        TProjeto p = projetoExemplo();
        p.D2 = p.f1 = p.F = p.p = p.pLinha = p.d = p.r1 = p.r2 = p.FD1 = p.Tx = 777;
        p.b1DK = p.b2DK = p.b1RC = p.b2RC = p.b1Cl = p.b2Cl = 777;
        const QString caminho = gravarArquivo(pasta, "velho.tlv", bytesDe(p));
        frm->PerguntarArquivoAbrir = [&] { return caminho; };
        frm->actAbrir->trigger();
        QCOMPARE(Projeto.f1, 800.0);
        QCOMPARE(Projeto.F, 3200.0);
        QCOMPARE(Projeto.d, 600.0);
        QCOMPARE(Projeto.p, 200.0);
        QCOMPARE(Projeto.r1, 1600.0);
        const QList<double> conicas{Projeto.b1DK, Projeto.b2DK, Projeto.b1RC,
                                    Projeto.b2RC, Projeto.b1Cl, Projeto.b2Cl};
        const QList<double> esperadas{
            -0.70703125, 0.0, -25.0 / 24, -(25.0 / 9 + 6400.0 / 16200), -1.0, -25.0 / 9};
        for (int k = 0; k < 6; ++k)
            QVERIFY2(std::abs(conicas[k] - esperadas[k]) < 1e-12, qPrintable(QString::number(k)));
        QTreeWidgetItem* b1 = frm->ListView1->topLevelItem(0);
        QCOMPARE(QStringList({b1->text(1), b1->text(2), b1->text(3)}),
                 QStringList({"-1,00", "-0,71", "-1,04"}));
        QCOMPARE(frm->ListView2->topLevelItem(6)->text(1), QStringLiteral("800,00"));
    }

    void sair() {
        QTest::keyClick(frm.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!frm->isVisible());
    }
};

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    TestPrincipal teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "test_principal.moc"
