// Preview window and preview control driven as a user drives them: zoom box, fits, popup
// menu, page buttons, scrolling, ".rpp" save and open, print dialog cancel.
#include "DesignReportPages.h"
#include "DialogosTeste.h"
#include "Janela.h"
#include "Preview.h"
#include "rpPrepared.h"
#include "rpPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
// Answers the next popup menu by triggering the action with the given caption.
void escolherNoMenu(const QString& texto) {
    QTimer::singleShot(0, [texto] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* a : menu->actions())
            if (a->text() == texto) {
                a->trigger();
                menu->close();
                return;
            }
        menu->close();
        QFAIL("menu item not found");
    });
}

void digitar(TfrmPreview& frm, const QString& texto) {
    frm.Edit1->selectAll();
    QTest::keyClick(frm.Edit1, Qt::Key_Backspace);
    QTest::keyClicks(frm.Edit1, texto);
    QTest::keyClick(frm.Edit1, Qt::Key_Return);
}
} // namespace

class TestPreview : public QObject {
    Q_OBJECT

    QStringList m_erros;

    // A shown preview window holding `paginas` prepared pages.
    std::unique_ptr<TfrmPreview> abrir(int paginas) {
        auto frm = std::make_unique<TfrmPreview>(nullptr);
        frm->definirTitulo(QStringLiteral("Preview - Teste"));
        frm->rpPreview1->takePages(PaginasTeste(paginas));
        frm->show();
        frm->Edit1->setFocus();
        return frm;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        DefinirDialogos(qApp, {.erro = [this](const QString& t) { m_erros << t; }});
    }
    void init() {
        m_erros.clear();
        TrpPreview::setRemembered(1.0, TrpPreview::ZoomNone);
    }

    void janela() {
        TfrmPreview frm(nullptr);
        QCOMPARE(frm.objectName(), QStringLiteral("frmPreview"));
        QCOMPARE(frm.windowTitle(), QStringLiteral("Preview - [Nome do Relatório]"));
        QCOMPARE(frm.size(), QSize(653, 524));
        frm.definirTitulo(QStringLiteral("Preview - Defletor"));
        QCOMPARE(frm.windowTitle(), QStringLiteral("Preview - Defletor"));
        QCOMPARE(frm.titulo(), QStringLiteral("Preview - Defletor"));
        QCOMPARE(frm.Edit1->text(), QStringLiteral("20"));
        QCOMPARE(frm.rpPreview1->objectName(), QStringLiteral("rpPreview1"));
        const char* botoes[] = {
            "btnAbrir",  "btnSalvar",  "btnConfigurarImpressora", "btnImprimir",        "btnPdf",
            "btnZoomIn", "btnZoomOut", "btnAjustarAPagina",       "btnAjustarALargura", "btnSair"};
        // The PDF button follows the print button; everything after it moves one button right.
        const int esquerdas[] = {0, 24, 56, 80, 104, 136, 231, 263, 287, 319};
        for (int i = 0; i < 10; ++i) {
            auto* b = frm.findChild<QToolButton*>(QString::fromLatin1(botoes[i]));
            QVERIFY2(b, botoes[i]);
            QCOMPARE(b->x(), esquerdas[i]);
            QCOMPARE(b->width(), 24);
        }
        QCOMPARE(frm.btnAbrir->toolTip(), QStringLiteral("Abre relatório"));
        QCOMPARE(frm.btnAjustarAPagina->toolTip(), QStringLiteral("Ajusta à janela"));
        QCOMPARE(frm.btnSair->toolTip(), QStringLiteral("Fecha formulário"));
        QCOMPARE(frm.Panel1->toolTip(), QStringLiteral("Zoom"));
        QVERIFY(frm.btnZoomIn->toolTip().isEmpty());
        QVERIFY(!frm.btnAbrir->icon().isNull());
    }

    // A window opened on pages shows the control's zoom in the box.
    void mostraZoomAoAbrir() {
        auto frm = abrir(1);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("100"));
        QCOMPARE(frm->rpPreview1->zoom(), 100.0);
    }

    void caixaDeZoom_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("zoom");
        QTest::newRow("acima do maximo") << "500"
                                         << "200" << 200.0;
        QTest::newRow("abaixo do minimo") << "5"
                                          << "20" << 20.0;
        QTest::newRow("dentro") << "150"
                                << "150" << 150.0;
        QTest::newRow("negativo") << "-5"
                                  << "20" << 20.0;
        QTest::newRow("hexadecimal") << "$96"
                                     << "$96" << 150.0;
        QTest::newRow("limite") << "20"
                                << "20" << 20.0;
    }
    void caixaDeZoom() {
        QFETCH(QString, digitado);
        QFETCH(QString, texto);
        QFETCH(double, zoom);
        auto frm = abrir(1);
        digitar(*frm, digitado);
        QCOMPARE(frm->Edit1->text(), texto);
        QCOMPARE(frm->rpPreview1->zoom(), zoom);
        QCOMPARE(frm->rpPreview1->zoomMode(), TrpPreview::ZoomNone);
        QVERIFY(m_erros.isEmpty());
    }

    void textoInvalido_data() {
        QTest::addColumn<QString>("digitado");
        QTest::newRow("vazio") << "";
        QTest::newRow("cerquilha") << "1#";
        QTest::newRow("ponto") << "1.5";
        QTest::newRow("menos no meio") << "5-";
        QTest::newRow("cifrao no meio") << "5$";
        QTest::newRow("so o sinal") << "-";
    }
    void textoInvalido() {
        QFETCH(QString, digitado);
        auto frm = abrir(1);
        digitar(*frm, QStringLiteral("150"));
        digitar(*frm, digitado);
        QCOMPARE(m_erros.size(), 1);
        QCOMPARE(m_erros.first(),
                 TextoErro(QStringLiteral("'%1' is not a valid integer value").arg(digitado)));
        QCOMPARE(frm->rpPreview1->zoom(), 150.0);
    }

    void letraIgnorada() {
        auto frm = abrir(1);
        frm->Edit1->clear();
        QTest::keyClicks(frm->Edit1, QStringLiteral("1a2x%5"));
        QCOMPARE(frm->Edit1->text(), QStringLiteral("125"));
        QTest::keyClick(frm->Edit1, Qt::Key_Return);
        QCOMPARE(frm->rpPreview1->zoom(), 125.0);
    }

    // Delete edits the box: the desktop sends it with the text DEL (127), which is no typed
    // character to filter.
    void apagarNaCaixa() {
        auto frm = abrir(1);
        frm->Edit1->setText(QStringLiteral("150"));
        frm->Edit1->setCursorPosition(0);
        QKeyEvent apagar(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(127)));
        QApplication::sendEvent(frm->Edit1, &apagar);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("50"));
        QTest::keyClick(frm->Edit1, Qt::Key_Return);
        QCOMPARE(frm->rpPreview1->zoom(), 50.0);
    }

    void botoesDeZoom() {
        auto frm = abrir(1);
        digitar(*frm, QStringLiteral("100"));
        QTest::mouseClick(frm->btnZoomIn, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 120.0);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("120"));
        QTest::mouseClick(frm->btnZoomOut, Qt::LeftButton);
        QTest::mouseClick(frm->btnZoomOut, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 80.0);

        digitar(*frm, QStringLiteral("200"));
        QTest::mouseClick(frm->btnZoomIn, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 200.0);
        QTest::mouseClick(frm->btnZoomIn, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 200.0);

        digitar(*frm, QStringLiteral("30"));
        QTest::mouseClick(frm->btnZoomOut, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 20.0);
        QTest::mouseClick(frm->btnZoomOut, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 20.0);

        // The arrow keys in the box step by one.
        QTest::keyClick(frm->Edit1, Qt::Key_Up);
        QCOMPARE(frm->rpPreview1->zoom(), 21.0);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("21"));
        // So do the up-down's arrows.
        auto* cima = frm->UpDown1->findChild<QToolButton*>(QStringLiteral("btnCima"));
        auto* baixo = frm->UpDown1->findChild<QToolButton*>(QStringLiteral("btnBaixo"));
        QVERIFY(cima && baixo);
        QVERIFY(cima->geometry().bottom() < baixo->geometry().top());
        QTest::mouseClick(cima, Qt::LeftButton);
        QTest::mouseClick(cima, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 23.0);
        QTest::mouseClick(baixo, Qt::LeftButton);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("22"));
        QCOMPARE(frm->rpPreview1->zoom(), 22.0);
    }

    // The zoom buttons step from the number in the box, also one typed without Enter; a box
    // that holds no number steps from the last position.
    void botoesPartemDaCaixa() {
        auto frm = abrir(1);
        frm->Edit1->selectAll();
        QTest::keyClicks(frm->Edit1, QStringLiteral("60"));
        QCOMPARE(frm->rpPreview1->zoom(), 100.0);
        QTest::mouseClick(frm->btnZoomIn, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 80.0);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("80"));

        frm->Edit1->selectAll();
        QTest::keyClicks(frm->Edit1, QStringLiteral("150"));
        QTest::mouseClick(frm->btnZoomOut, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 130.0);

        frm->Edit1->clear();
        QTest::mouseClick(frm->btnZoomIn, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 150.0);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("150"));
        QVERIFY(m_erros.isEmpty());
    }

    // Fits: the truncated fitted percentage, clamped to 20..200, when it differs from the box.
    void ajustes() {
        auto frm = abrir(1);
        TrpPreview* pv = frm->rpPreview1;
        QTest::mouseClick(frm->btnAjustarALargura, Qt::LeftButton);
        const double largura = 100.0 * (pv->area()->width() - 20) / 752.0;
        QCOMPARE(pv->zoom(), std::trunc(largura));
        QCOMPARE(frm->Edit1->text(), QString::number(int(largura)));
        QCOMPARE(pv->pageRect(0).width(), int(std::lround(752 * std::trunc(largura) / 100)));

        QTest::mouseClick(frm->btnAjustarAPagina, Qt::LeftButton);
        const double pagina = 100.0 * (pv->area()->height() - 20) / 1071.0;
        QCOMPARE(pv->zoom(), std::trunc(pagina));

        // The same fit again: the integer equals the box, so the exact fitted zoom stays.
        QTest::mouseClick(frm->btnAjustarAPagina, Qt::LeftButton);
        QCOMPARE(pv->zoomMode(), TrpPreview::ZoomWholePage);
        QCOMPARE(pv->zoom(), pagina);
    }

    void ajusteAbaixoDoMinimo() {
        auto frm = abrir(1);
        digitar(*frm, QStringLiteral("100"));
        // A page area 180 pixels tall: the whole page needs (180 - 20) / 1071 = 14.9 %.
        frm->resize(653, frm->height() - frm->rpPreview1->area()->height() + 180);
        QCOMPARE(frm->rpPreview1->area()->height(), 180);
        QTest::mouseClick(frm->btnAjustarAPagina, Qt::LeftButton);
        QCOMPARE(frm->rpPreview1->zoom(), 20.0);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("20"));
    }

    // The popup menu's choice is remembered for the next preview; the box is not updated.
    void menuLembrado() {
        {
            auto frm = abrir(1);
            digitar(*frm, QStringLiteral("100"));
            escolherNoMenu(QStringLiteral("50%"));
            QTest::mouseClick(frm->rpPreview1->area(), Qt::RightButton);
            QCOMPARE(frm->rpPreview1->zoom(), 50.0);
            QCOMPARE(frm->Edit1->text(), QStringLiteral("100"));
        }
        auto frm = abrir(1);
        QCOMPARE(frm->rpPreview1->zoom(), 50.0);
        QCOMPARE(frm->Edit1->text(), QStringLiteral("50"));

        escolherNoMenu(QStringLiteral("&Two pages"));
        QTest::mouseClick(frm->rpPreview1->area(), Qt::RightButton);
        QCOMPARE(TrpPreview::rememberedMode(), TrpPreview::ZoomTwoPages);
        const int W = frm->rpPreview1->area()->width();
        QCOMPARE(frm->rpPreview1->zoom(), 100.0 * (W - 30) / (2 * 752));
    }

    void semPaginas() {
        TfrmPreview frm(nullptr);
        frm.show();
        int dialogos = 0;
        frm.rpPreview1->fileDialog = [&](QWidget*, bool, const QString&) {
            ++dialogos;
            return QString();
        };
        QTest::mouseClick(frm.btnAbrir, Qt::LeftButton);
        QTest::mouseClick(frm.btnSalvar, Qt::LeftButton);
        QTest::mouseClick(frm.btnImprimir, Qt::LeftButton);
        QCOMPARE(dialogos, 0);
        const QImage img = frm.rpPreview1->area()->grab().toImage();
        QCOMPARE(QColor(img.pixel(5, 5)), frm.palette().color(QPalette::Button));
        QVERIFY(m_erros.isEmpty());
    }

    // Saved as ".rpp" (whatever extension was typed) and opened again: the same pages.
    void salvarEAbrir() {
        QTemporaryDir dir;
        auto frm = abrir(3);
        QString pedido = dir.filePath(QStringLiteral("relatorio.txt"));
        QString filtroVisto;
        const auto dialogo = [&](QWidget*, bool, const QString& filtro) {
            filtroVisto = filtro;
            return pedido;
        };
        frm->rpPreview1->fileDialog = dialogo;
        QTest::mouseClick(frm->btnSalvar, Qt::LeftButton);
        QCOMPARE(filtroVisto, QStringLiteral("Report file (*.rpp)"));
        const QString arquivo = dir.filePath(QStringLiteral("relatorio.rpp"));
        QVERIFY(QFile::exists(arquivo));
        QVERIFY(!QFile::exists(pedido));
        const QImage antes = frm->rpPreview1->area()->grab().toImage();

        auto outra = abrir(1);
        outra->rpPreview1->fileDialog = dialogo;
        pedido = arquivo;
        QTest::mouseClick(outra->btnAbrir, Qt::LeftButton);
        QVERIFY(m_erros.isEmpty());
        QCOMPARE(outra->rpPreview1->pageCount(), 3);
        QCOMPARE(outra->rpPreview1->pageLabel()->text(), QStringLiteral("Page 1/3"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(outra->rpPreview1->pages()->page(i).stream,
                     frm->rpPreview1->pages()->page(i).stream);
        QCOMPARE(outra->rpPreview1->area()->grab().toImage(), antes);
    }

    // A damaged file is refused with an error; the pages on screen stay.
    void arquivoDanificado() {
        QTemporaryDir dir;
        const QString arquivo = dir.filePath(QStringLiteral("a.rpp"));
        PaginasTeste(2)->saveToFile(arquivo, QString());
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(f.size() / 2);
        f.close();

        auto frm = abrir(3);
        frm->rpPreview1->fileDialog = [&](QWidget*, bool, const QString&) { return arquivo; };
        QTest::mouseClick(frm->btnAbrir, Qt::LeftButton);
        QCOMPARE(m_erros.size(), 1);
        QCOMPARE(frm->rpPreview1->pageCount(), 3);
    }

    // The control's print dialog: cancel prints nothing; OK prints the chosen range and copies.
    void imprimirDoPreview() {
        auto frm = abrir(3);
        QPrinter impressora;
        frm->rpPreview1->setPrinter(&impressora);
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("no printer installed: print does nothing by design");
        QStringList impressos;
        frm->rpPreview1->printPages = [&](const TrpPreparedPages&, QPrinter&, const QString& lista,
                                          int copias) {
            impressos << QStringLiteral("%1x%2").arg(lista).arg(copias);
        };
        frm->rpPreview1->printDialog = [](QWidget*, QPrinter&, bool, TrpPrintChoice&) {
            return false;
        };
        QTest::mouseClick(frm->btnImprimir, Qt::LeftButton);
        QVERIFY(impressos.isEmpty());

        frm->rpPreview1->nextPage();
        frm->rpPreview1->printDialog = [](QWidget*, QPrinter&, bool, TrpPrintChoice& c) {
            c.range = TrpPrintChoice::CurrentPage;
            c.copies = 2;
            return true;
        };
        QTest::mouseClick(frm->btnImprimir, Qt::LeftButton);
        QCOMPARE(impressos, QStringList{QStringLiteral("2x2")});
        QCOMPARE(frm->rpPreview1->currentPage(), 1);
    }

    void fecharEsconde() {
        QWidget dono;
        auto* frm = new TfrmPreview(&dono);
        QPointer<TfrmPreview> vivo(frm);
        frm->show();
        QTest::keyClick(frm->Edit1, Qt::Key_Escape);
        QVERIFY(frm->isVisible());
        QTest::mouseClick(frm->btnSair, Qt::LeftButton);
        QVERIFY(!frm->isVisible());
        QVERIFY(vivo);
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
