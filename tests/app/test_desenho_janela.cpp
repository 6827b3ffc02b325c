// The to-scale drawing window, driven offscreen: controls, exported profiles, zoom, bad designs.
#include "Calculo.h"
#include "Desenho.h"
#include "Documento.h"
#include "Global.h"
#include "Janela.h"
#include "ModalTeste.h"
#include "NumberEdit.h"
#include "Recursos.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QXmlStreamReader>
#include <cmath>
#include <cstring>

namespace {
void DefinirProjeto(double D1, double fD1, double gamma, double e, double i) {
    std::memset(&Projeto, 0, sizeof Projeto);
    TDocumento::Atual().Limpar();
    Projeto.D1 = D1;
    Projeto.fD1 = fD1;
    Projeto.gamma = gamma;
    Projeto.e = e;
    Projeto.i = i;
    CalcularProjeto(Projeto);
}

// The conic's sag, written out here from its equation.
double Sag(double r, double k, double rho) {
    const double c = 1 / r;
    return c * rho * rho / (1 + std::sqrt(1 - (1 + k) * c * c * rho * rho));
}

// The shapes of an SVG file: each path's points (moves and lines) and each group's fill, with
// the group's translation applied (the drawing writes no other transform).
struct Forma {
    QString preenchimento, traco, tipo;
    QVector<QPointF> pontos;
};
QVector<Forma> LerSvg(const QString& arquivo) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&f);
    QVector<Forma> formas;
    QString preenchimento, traco;
    QPointF deslocamento;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("g")) {
            preenchimento = a.value(QLatin1String("fill")).toString();
            traco = a.value(QLatin1String("stroke")).toString();
            const QString t = a.value(QLatin1String("transform")).toString();
            const QStringList m = t.mid(7, t.size() - 8).split(QLatin1Char(','));
            deslocamento = m.size() == 6 ? QPointF(m[4].toDouble(), m[5].toDouble()) : QPointF();
        } else if (xml.name() == QLatin1String("path") || xml.name() == QLatin1String("rect") ||
                   xml.name() == QLatin1String("polyline")) {
            Forma forma{preenchimento, traco, xml.name().toString(), {}};
            QString d = xml.name() == QLatin1String("path")
                            ? a.value(QLatin1String("d")).toString()
                            : a.value(QLatin1String("points")).toString();
            d.replace(QLatin1Char('M'), QLatin1Char(' '))
                .replace(QLatin1Char('L'), QLatin1Char(' '));
            for (const QString& par : d.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QStringList xy = par.split(QLatin1Char(','));
                if (xy.size() == 2)
                    forma.pontos << QPointF(xy[0].toDouble(), xy[1].toDouble()) + deslocamento;
            }
            formas << forma;
        }
    }
    return formas;
}

// x at height y along the polyline's points that satisfy `usar`, by linear interpolation.
bool XNaAltura(const QVector<QPointF>& p, double y, double& x,
               const std::function<bool(const QPointF&)>& usar) {
    for (int k = 0; k + 1 < p.size(); ++k) {
        const QPointF a = p[k], b = p[k + 1];
        if (!usar(a) || !usar(b) || a.y() == b.y()) continue;
        if ((a.y() - y) * (b.y() - y) > 0) continue;
        x = a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y());
        return true;
    }
    return false;
}

int PixelsDaCor(const QImage& imagem, QColor cor) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (imagem.pixelColor(x, y) == cor) ++n;
    return n;
}
} // namespace

class TestDesenhoJanela : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void estrutura() {
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmDesenho janela;
        QCOMPARE(janela.objectName(), QStringLiteral("frmDesenho"));
        QCOMPARE(janela.windowTitle(), QString::fromUtf8("Projeto Teluvar - Desenho em escala"));
        QVERIFY(janela.isWindow() && !janela.isModal());
        auto* cmb = janela.findChild<QComboBox*>("cmbVariante");
        QVERIFY(cmb);
        QCOMPARE(cmb->count(), 3);
        QCOMPARE(cmb->currentText(), QString::fromUtf8("Ritchey-Chrétien"));
        QCOMPARE(cmb->itemText(0), QString::fromUtf8("Clássico"));
        auto* edt = janela.findChild<TNumberEdit*>("edtEspessura");
        QVERIFY(edt && edt->shownText().trimmed().isEmpty());
        QVERIFY(janela.findChild<TVistaDesenho*>("vistaDesenho"));
        QCOMPARE(janela.findChild<QPushButton*>("btnAjustar")->text(), QStringLiteral("Ajustar"));
        QCOMPARE(janela.findChild<QPushButton*>("btnExportar")->text(), QStringLiteral("Exportar"));
        QCOMPARE(janela.findChild<QLabel*>("lblLuzDireta")->text(),
                 QStringLiteral("Luz direta atinge o campo"));
        QCOMPARE(janela.dados().espessura, 200.0 / 6);
    }

    // The drawn mirrors, read back from the SVG exported at 1 pixel per mm, against the
    // conic's sag at ten heights each. The axis gives the drawing's y = 0 and the primary's
    // flat back (at the thickness typed, 30) its x = 30.
    void perfisSvg_data() {
        QTest::addColumn<int>("variante");
        QTest::newRow("Clássico") << 0;
        QTest::newRow("Dall-Kirkham") << 1;
        QTest::newRow("Ritchey-Chrétien") << 2;
    }
    void perfisSvg() {
        QFETCH(int, variante);
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmDesenho janela;
        janela.cmbVariante->setCurrentIndex(variante);
        janela.edtEspessura->setFocus();
        QTest::keyClicks(janela.edtEspessura, QStringLiteral("30"));
        QCOMPARE(janela.dados().espessura, 30.0);
        const DadosDesenho& d = janela.dados();
        if (variante == 0) QCOMPARE(d.b1, -1.0); // paraboloid
        if (variante == 1) QCOMPARE(d.b2, 0.0);  // spherical secondary
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("desenho.svg"));
        QVERIFY(ExportarDesenho(d, arquivo, 1));
        const QVector<Forma> formas = LerSvg(arquivo);

        double yEixo = qQNaN();
        QVector<QVector<QPointF>> vidro;
        for (const Forma& f : formas) {
            if (f.tipo == QLatin1String("polyline") && f.traco == QLatin1String("#808080"))
                yEixo = f.pontos.front().y();
            if (f.preenchimento == QLatin1String("#99ffff")) vidro << f.pontos;
        }
        QVERIFY(std::isfinite(yEixo));
        QCOMPARE(vidro.size(), 3); // the secondary, the primary's upper and lower halves
        // The primary: the two outlines with the largest x; its back is the largest x of all.
        std::sort(vidro.begin(), vidro.end(),
                  [](const auto& a, const auto& b) { return a.front().x() < b.front().x(); });
        double xFundo = -1e300;
        for (int k = 1; k < 3; ++k)
            for (const QPointF& q : vidro[k])
                xFundo = std::max(xFundo, q.x());
        const double x0 = xFundo - 30; // the primary's vertex plane
        auto mm = [&](const QVector<QPointF>& px) {
            QVector<QPointF> r;
            for (const QPointF& q : px)
                r << QPointF(q.x() - x0, yEixo - q.y());
            return r;
        };
        const QVector<QPointF> secundario = mm(vidro[0]);
        QVector<QPointF> primario = mm(vidro[1]);
        if (primario.front().y() < 0) primario = mm(vidro[2]); // the upper half

        const double R1 = 100, R2 = Projeto.D2 / 2;
        for (int j = 0; j < 10; ++j) {
            const double rho = d.furoVidro / 2 + 1 + (R1 - 2 - d.furoVidro / 2) * j / 9;
            double x = 0;
            QVERIFY(XNaAltura(primario, rho, x, [](const QPointF& q) { return q.x() < 29.9; }));
            const double esperado = -Sag(Projeto.r1, d.b1, rho);
            QVERIFY2(
                std::fabs(x - esperado) <= 0.01,
                qPrintable(QStringLiteral("primário ρ=%1: %2 ≠ %3").arg(rho).arg(x).arg(esperado)));
        }
        double xCostas = 1e300; // the secondary's flat back, the only part beyond its rim's sag
        for (const QPointF& q : secundario)
            xCostas = std::min(xCostas, q.x());
        for (int j = 0; j < 10; ++j) {
            const double rho = -R2 + 0.5 + (2 * R2 - 1) * j / 9;
            double x = 0;
            QVERIFY(XNaAltura(secundario, rho, x,
                              [&](const QPointF& q) { return q.x() > xCostas + 0.1; }));
            const double esperado = -(Projeto.d + Sag(Projeto.r2, d.b2, std::fabs(rho)));
            QVERIFY2(std::fabs(x - esperado) <= 0.01,
                     qPrintable(
                         QStringLiteral("secundário ρ=%1: %2 ≠ %3").arg(rho).arg(x).arg(esperado)));
        }
    }

    // The tube (dark walls) is drawn exactly when a baffle is designed, on screen and in the
    // SVG; the verdict under the drawing follows the direct-light check.
    void tubo_data() {
        QTest::addColumn<double>("DDi");
        QTest::addColumn<double>("SSDe");
        QTest::addColumn<int>("paredes");
        QTest::addColumn<QString>("veredito");
        QTest::newRow("sem defletor")
            << 0.0 << 0.0 << 0 << QStringLiteral("Luz direta atinge o campo");
        QTest::newRow("defletor do exemplo")
            << 40.0 << 60.0 << 2 << QStringLiteral("Luz direta atinge o campo");
        QTest::newRow("suporte 90") << 40.0 << 90.0 << 2 << QStringLiteral("Luz direta bloqueada");
    }
    void tubo() {
        QFETCH(double, DDi);
        QFETCH(double, SSDe);
        QFETCH(int, paredes);
        QFETCH(QString, veredito);
        DefinirProjeto(200, 4, 4, 200, 20);
        Projeto.DDi = DDi;
        Projeto.DDe = DDi + 4;
        Projeto.LTotal = DDi > 0 ? 500 : 0;
        Projeto.nG = 5;
        Projeto.SSDe = SSDe;
        TfrmDesenho janela;
        janela.resize(900, 500);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QCOMPARE(janela.lblLuzDireta->text(), veredito);
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("d.svg"));
        QVERIFY(ExportarDesenho(janela.dados(), arquivo, 1));
        int retangulos = 0;
        for (const Forma& f : LerSvg(arquivo))
            if (f.preenchimento == QLatin1String("#3c4f6b")) ++retangulos;
        QCOMPARE(retangulos, paredes);
        // At 4 pixels per mm the 2 mm walls have pixels of their own colour.
        const QString png = pasta.filePath(QStringLiteral("d.png"));
        QVERIFY(ExportarDesenho(janela.dados(), png, 4));
        QCOMPARE(PixelsDaCor(QImage(png), QColor(0x3C, 0x4F, 0x6B)) > 0, paredes > 0);
        const QImage tela = janela.vistaDesenho->grab().toImage();
        QVERIFY(PixelsDaCor(tela, QColor(0x99, 0xFF, 0xFF)) > 0); // the mirrors
    }

    // Designs that cannot be drawn: nothing drawn but the message, no verdict, no crash, and
    // the export still writes a file.
    void degenerados_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("gamma");
        QTest::addColumn<double>("e");
        QTest::newRow("vazio") << 0.0 << 0.0 << 0.0;
        QTest::newRow("D1 = 0") << 0.0 << 4.0 << 200.0;
        QTest::newRow("gama = 1") << 200.0 << 1.0 << 200.0;
        QTest::newRow("gama = 0,5") << 200.0 << 0.5 << 200.0;
        QTest::newRow("gama = -1") << 200.0 << -1.0 << 200.0;
        QTest::newRow("e = 0") << 200.0 << 4.0 << 0.0;
    }
    void degenerados() {
        QFETCH(double, D1);
        QFETCH(double, gamma);
        QFETCH(double, e);
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmDesenho janela;
        janela.resize(700, 400);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        Projeto.D1 = D1;
        Projeto.gamma = gamma;
        Projeto.e = e;
        CalcularProjeto(Projeto);
        janela.Recalcular();
        QVERIFY(!janela.dados().valido());
        QVERIFY(janela.lblLuzDireta->text().isEmpty());
        const QImage tela = janela.vistaDesenho->grab().toImage();
        QCOMPARE(PixelsDaCor(tela, QColor(0x99, 0xFF, 0xFF)), 0);
        QVERIFY(PixelsDaCor(tela, Qt::white) < tela.width() * tela.height()); // the message
        QTemporaryDir pasta;
        QVERIFY(ExportarDesenho(janela.dados(), pasta.filePath(QStringLiteral("v.png")), 1));
        QVERIFY(!QImage(pasta.filePath(QStringLiteral("v.png"))).isNull());
    }

    // The wheel zooms about the pointer (the mm point under it stays), dragging pans by the
    // mouse's travel, and "Ajustar" fits the whole drawing again.
    void zoomArrastoAjuste_data() {
        QTest::addColumn<QPoint>("ponteiro");
        QTest::addColumn<int>("giro");
        QTest::newRow("aproxima no centro") << QPoint(300, 200) << 120;
        QTest::newRow("afasta no canto") << QPoint(40, 30) << -240;
        QTest::newRow("aproxima à direita") << QPoint(650, 300) << 360;
    }
    void zoomArrastoAjuste() {
        QFETCH(QPoint, ponteiro);
        QFETCH(int, giro);
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmDesenho janela;
        janela.resize(800, 500);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        TVistaDesenho* vista = janela.vistaDesenho;
        const Enquadramento antes = vista->enquadramento();
        auto emMm = [](const Enquadramento& e, QPointF p) {
            return QPointF((p.x() - e.origem.x()) / e.escala, (e.origem.y() - p.y()) / e.escala);
        };
        QWheelEvent roda(QPointF(ponteiro), vista->mapToGlobal(QPointF(ponteiro)), QPoint(),
                         QPoint(0, giro), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(vista, &roda);
        const Enquadramento depois = vista->enquadramento();
        QVERIFY(std::fabs(depois.escala - antes.escala * std::pow(1.2, giro / 120.0)) < 1e-9);
        const QPointF a = emMm(antes, ponteiro), b = emMm(depois, ponteiro);
        QVERIFY(std::fabs(a.x() - b.x()) < 1e-9 && std::fabs(a.y() - b.y()) < 1e-9);
        QVERIFY(!vista->ajustado());

        QTest::mousePress(vista, Qt::LeftButton, {}, QPoint(100, 100));
        QMouseEvent mover(QEvent::MouseMove, QPointF(137, 81), vista->mapToGlobal(QPointF(137, 81)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vista, &mover);
        QTest::mouseRelease(vista, Qt::LeftButton, {}, QPoint(137, 81));
        const QPointF deslocado = vista->enquadramento().origem - depois.origem;
        QVERIFY(std::fabs(deslocado.x() - 37) < 1e-9 && std::fabs(deslocado.y() + 19) < 1e-9);

        QTest::mouseClick(janela.btnAjustar, Qt::LeftButton);
        QVERIFY(vista->ajustado());
        const Enquadramento ajuste = EnquadrarDesenho(janela.dados(), QRectF(vista->rect()));
        QCOMPARE(vista->enquadramento().escala, ajuste.escala);
        QCOMPARE(vista->enquadramento().origem, ajuste.origem);
        // Fitted, every point of the drawing lies inside the view.
        const QRectF& l = janela.dados().limites;
        for (QPointF c : {l.topLeft(), l.bottomRight()}) {
            const QPointF px(ajuste.origem.x() + ajuste.escala * c.x(),
                             ajuste.origem.y() - ajuste.escala * c.y());
            QVERIFY(QRectF(vista->rect()).contains(px));
        }
    }

    // Live: the record's change and the variant's choice reach the drawing on Recalcular.
    void recalcular() {
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmDesenho janela;
        const double furo200 = janela.dados().furo;
        Projeto.D1 = 250;
        CalcularProjeto(Projeto);
        QCOMPARE(janela.dados().furo, furo200); // nothing until told
        janela.Recalcular();
        QVERIFY(janela.dados().furo != furo200);
        QCOMPARE(janela.dados().espessura, 250.0 / 6);
        janela.cmbVariante->setCurrentIndex(0);
        QCOMPARE(janela.dados().variante, 0);
        QCOMPARE(janela.dados().b1, -1.0);
    }

    // The PNG export: the size the scale asks for, on white.
    // "Exportar" through its dialog: a name typed without extension under each filter is
    // written with that filter's extension and in its format (SVG text, PNG signature).
    void exportarPeloDialogo_data() {
        QTest::addColumn<int>("filtro");
        QTest::addColumn<QString>("extensao");
        QTest::addColumn<QByteArray>("inicio");
        QTest::newRow("svg") << 0 << "svg" << QByteArray("<?xml");
        QTest::newRow("png") << 1 << "png" << QByteArray("\x89PNG");
    }
    void exportarPeloDialogo() {
        QFETCH(int, filtro);
        QFETCH(QString, extensao);
        QFETCH(QByteArray, inicio);
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmDesenho janela;
        QTemporaryDir pasta;
        quandoModalAbrir([&](QWidget* modal) {
            auto* dialogo = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialogo);
            dialogo->setDirectory(pasta.path());
            dialogo->selectNameFilter(dialogo->nameFilters().value(filtro));
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nome);
            nome->setText(QStringLiteral("desenho"));
            QTest::keyClick(nome, Qt::Key_Return);
        });
        QTest::mouseClick(janela.findChild<QPushButton*>("btnExportar"), Qt::LeftButton);
        QFile f(pasta.filePath(QStringLiteral("desenho.") + extensao));
        QVERIFY2(f.open(QIODevice::ReadOnly),
                 qPrintable(QDir(pasta.path()).entryList().join(u' ')));
        QVERIFY(f.read(inicio.size()) == inicio);
    }

    void exportarPng() {
        DefinirProjeto(200, 4, 4, 200, 20);
        TfrmDesenho janela;
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(QStringLiteral("d.png"));
        janela.Exportar(arquivo);
        const QImage img(arquivo);
        QVERIFY(!img.isNull());
        QVERIFY(std::abs(img.width() - (1600 + 24)) <= 1);
        QCOMPARE(img.pixelColor(img.width() - 1, 0), QColor(Qt::white));
        QCOMPARE(img.pixelColor(0, img.height() / 2), QColor(Qt::white));
    }
};

QTEST_MAIN(TestDesenhoJanela)
#include "test_desenho_janela.moc"
