// The preview control alone: layout, page buttons, scrolling, painting, its print dialog.
#include "DesignReportPages.h"
#include "rpPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

class TestRpPreview : public QObject {
    Q_OBJECT

    // A shown control of the preview window's size holding `paginas` prepared pages.
    std::unique_ptr<TrpPreview> abrir(int paginas) {
        auto pv = std::make_unique<TrpPreview>();
        pv->resize(653, 497);
        pv->takePages(PaginasTeste(paginas));
        pv->show();
        return pv;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void init() { TrpPreview::setRemembered(1.0, TrpPreview::ZoomNone); }

    // A window too narrow for the page width still shows a page (never a negative zoom).
    void ajusteEmJanelaMinuscula() {
        auto pv = abrir(3);
        pv->resize(25, 25);
        pv->fitPageWidth();
        QVERIFY(pv->zoom() > 0);
        QVERIFY(pv->pageRect(0).width() >= 1);
        QVERIFY(pv->pageRect(1).top() > pv->pageRect(0).top());
        pv->area()->grab(); // paints without failing
    }

    void paginasEBotoes() {
        auto pv = abrir(3);
        QCOMPARE(pv->pageCount(), 3);
        QCOMPARE(pv->pageLabel()->text(), QStringLiteral("Page 1/3"));
        QTest::mouseClick(pv->nextButton(), Qt::LeftButton);
        QCOMPARE(pv->pageLabel()->text(), QStringLiteral("Page 2/3"));
        QCOMPARE(pv->pageRect(1).top(), 10);
        QTest::mouseClick(pv->nextButton(), Qt::LeftButton);
        QCOMPARE(pv->pageLabel()->text(), QStringLiteral("Page 3/3"));
        QTest::mouseClick(pv->nextButton(), Qt::LeftButton);
        QCOMPARE(pv->currentPage(), 3);
        QTest::mouseClick(pv->previousButton(), Qt::LeftButton);
        QTest::mouseClick(pv->previousButton(), Qt::LeftButton);
        QTest::mouseClick(pv->previousButton(), Qt::LeftButton);
        QCOMPARE(pv->pageLabel()->text(), QStringLiteral("Page 1/3"));
        QCOMPARE(pv->verticalBar()->value(), 0);
    }

    // Layout at 100 %: one page per row (752 > area), rows 10 apart, scroll ranges.
    void disposicaoERolagem() {
        auto pv = abrir(3);
        const int W = pv->area()->width(), H = pv->area()->height();
        QCOMPARE(pv->pageRect(0), QRect(10, 10, 752, 1071));
        QCOMPARE(pv->pageRect(1).top(), 10 + 1071 + 10);
        QCOMPARE(pv->verticalBar()->maximum(), 3 * 1081 + 10 - H);
        QCOMPARE(pv->horizontalBar()->maximum(), 762 - W + 10);
        QCOMPARE(pv->verticalBar()->singleStep(), 10);
        QCOMPARE(pv->verticalBar()->pageStep(), 200);

        // One wheel notch down scrolls 30 pixels.
        QWheelEvent roda(QPointF(50, 50), pv->area()->mapToGlobal(QPointF(50, 50)), QPoint(),
                         QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pv->area(), &roda);
        QCOMPARE(pv->verticalBar()->value(), 30);
        QCOMPARE(pv->pageRect(0).top(), -20);

        // Scrolling so that the line 11 pixels below the top lies in page 2.
        pv->verticalBar()->setValue(1081);
        QCOMPARE(pv->pageLabel()->text(), QStringLiteral("Page 2/3"));
        pv->verticalBar()->setValue(1069);
        QCOMPARE(pv->pageLabel()->text(), QStringLiteral("Page 1/3"));

        // Dragging moves the pages with the mouse.
        QTest::mousePress(pv->area(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
        QTest::mouseMove(pv->area(), QPoint(80, 150));
        QTest::mouseRelease(pv->area(), Qt::LeftButton, Qt::NoModifier, QPoint(80, 150));
        QCOMPARE(pv->verticalBar()->value(), 1069 + 50);
        QCOMPARE(pv->horizontalBar()->value(), 20);

        // At 25 % all three pages sit side by side; nothing to scroll.
        pv->setZoom(25);
        QCOMPARE(pv->pageRect(1).left(), 10 + 188 + 10);
        QCOMPARE(pv->pageRect(2).top(), 10);
        QVERIFY(!pv->verticalBar()->isEnabled());
        QVERIFY(!pv->horizontalBar()->isEnabled());
    }

    // What is painted: grey area, white page with border and shadow, content inside.
    void pintura() {
        auto pv = abrir(1);
        pv->setZoom(50);
        const QImage img = pv->area()->grab().toImage();
        const qreal d = img.devicePixelRatio();
        // The colour at a point of the area (logical pixels; the middle of a screen pixel).
        auto em = [&](int x, int y) {
            return QColor(img.pixel(int((x + 0.5) * d), int((y + 0.5) * d)));
        };
        const QRect r = pv->pageRect(0);
        QCOMPARE(em(2, 2), QColor(0x80, 0x80, 0x80));
        QCOMPARE(em(r.left(), r.top() + 5), QColor(Qt::black));
        QCOMPARE(em(r.right() + 1, r.top() + 5), QColor(Qt::black)); // shadow
        QCOMPARE(em(r.right() + 2, r.top() + 5), QColor(0x80, 0x80, 0x80));
        int escuros = 0;
        for (int y = r.top() + 2; y < std::min(r.bottom(), pv->area()->height()) - 1; ++y)
            for (int x = r.left() + 2; x < r.right() - 1; ++x)
                if (qGray(em(x, y).rgb()) < 128) ++escuros;
        QVERIFY2(escuros > 50, "the page's content is drawn");
    }

    // The control's own dialog: printers listed with the current one selected; the set-up form
    // has no copies or page range; OK hands back the choice.
    void dialogoDeImpressao() {
        const QStringList nomes = QPrinterInfo::availablePrinterNames();
        if (nomes.isEmpty()) QSKIP("no printer installed");
        QPrinter impressora;
        impressora.setPrinterName(nomes.last());
        {
            TrpPrintDialog dlg(impressora, false);
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Print"));
            auto* lista = dlg.findChild<QComboBox*>(QStringLiteral("cbPrinters"));
            QVERIFY(lista);
            QCOMPARE(lista->count(), nomes.size());
            QCOMPARE(lista->currentText(), nomes.last());
            auto* copias = dlg.findChild<QSpinBox*>(QStringLiteral("edtCopies"));
            QVERIFY(copias);
            QCOMPARE(copias->value(), 1);
            QVERIFY(dlg.findChild<QRadioButton*>(QStringLiteral("rbAll"))->isChecked());
            QTest::keyClicks(dlg.findChild<QLineEdit*>(QStringLiteral("edtNumbers")),
                             QStringLiteral("1,3"));
            copias->setValue(3);
            const TrpPrintChoice c = dlg.choice();
            QCOMPARE(c.range, TrpPrintChoice::Numbers); // typing picks "Numbers:"
            QCOMPARE(c.numbers, QStringLiteral("1,3"));
            QCOMPARE(c.copies, 3);
        }
        TrpPrintDialog setup(impressora, true);
        QCOMPARE(setup.windowTitle(), QStringLiteral("Print Setup"));
        QVERIFY(!setup.findChild<QSpinBox*>(QStringLiteral("edtCopies")));
        setup.findChild<QComboBox*>(QStringLiteral("cbPrinters"))->setCurrentIndex(0);
        QCOMPARE(setup.choice().printerName, nomes.first());
    }

    // On a screen of twice the density the pages are drawn into pixmaps of twice the pixels:
    // the content has detail finer than one logical pixel. (Runs under QT_SCALE_FACTOR=2.)
    void altaDensidade() {
        auto pv = abrir(1);
        if (pv->area()->devicePixelRatioF() < 2)
            QSKIP("needs a screen scale of 2 (the suite runs again with QT_SCALE_FACTOR=2)");
        const QImage img = pv->area()->grab().toImage();
        QCOMPARE(img.width(), 2 * pv->area()->width());
        const QRect r = pv->pageRect(0);
        int diferentes = 0;
        for (int y = 2 * (r.top() + 2); y < img.height(); ++y)
            for (int x = 2 * (r.left() + 2); x + 1 < img.width(); x += 2)
                if (img.pixel(x, y) != img.pixel(x + 1, y)) ++diferentes;
        QVERIFY2(diferentes > 500, qPrintable(QString::number(diferentes)));
    }

    void listaDePaginas() {
        TrpPrintChoice c;
        QCOMPARE(rpPageListOf(c, 4), QString());
        c.range = TrpPrintChoice::CurrentPage;
        QCOMPARE(rpPageListOf(c, 4), QStringLiteral("4"));
        c.range = TrpPrintChoice::Numbers;
        c.numbers = QStringLiteral("1,3,5-12");
        QCOMPARE(rpPageListOf(c, 4), QStringLiteral("1,3,5-12"));
    }
};

QTEST_MAIN(TestRpPreview)
#include "test_rppreview.moc"
