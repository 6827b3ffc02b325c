// Main-window flows driven through the real widgets: typing, "&Ok", lists and status bar, "&Novo",
// opening and saving design files, the field-diameter button and the error box.
#include "Calculo.h"
#include "Desenho.h"
#include "DigitarTeste.h"
#include "GanchoTeste.h"
#include "Global.h"
#include "Janela.h"
#include "ModalTeste.h"
#include "NumberEdit.h"
#include "Principal.h"
#include "ProjetoTeste.h"
#include "Relatorios.h"

#include <QFile>
#include <QFileDialog>
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
#include <cstring>
#include <memory>

namespace {
// Replaces the error box for the lifetime of the object and keeps what it would have shown.
struct ErrosCapturados {
    QStringList textos;
    Substituir<decltype(DialogoErro)> caixa{DialogoErro, [this](const QString& t) { textos << t; }};
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
                     "btnPreview | ToolButton1 ToolButton4 btnAnalise btnDesenho btnEspelhos | "
                     "btnSair"));
        for (QAction* a : frm->ToolBar1->actions())
            if (!a->isSeparator())
                QVERIFY2(!a->icon().isNull() && !a->toolTip().isEmpty(),
                         qPrintable(a->objectName()));
    }

    // Every keystroke recomputes the labels; auto-width labels keep their anchored edge.
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
            Substituir<decltype(DialogoImpressao)> cancelar(
                DialogoImpressao, [](QWidget*, QPrinter&) { return false; });
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
