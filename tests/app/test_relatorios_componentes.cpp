// The analysis and mirror-making reports: templates, fill-ins, pages and printed texts.
#include "Analise.h"
#include "AnaliseDifracao.h"
#include "Calculo.h"
#include "ConfeccaoEspelhos.h"
#include "DialogosTeste.h"
#include "Documento.h"
#include "Espelhos.h"
#include "Global.h"
#include "Janela.h"
#include "JanelaTolerancias.h"
#include "Modelos.h"
#include "Preenchimentos.h"
#include "Preview.h"
#include "Recursos.h"
#include "Relatorios.h"
#include "rpPrepared.h"
#include "rpPreview.h"
#include "rpProgress.h"
#include "rpTemplateStream.h"

#include <QComboBox>
#include <QDate>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <set>

namespace {

QString r(const char* texto) {
    return QString::fromUtf8(texto);
}

// A number with two (or `casas`) decimals, the Brazilian separators and thousands grouped,
// written here from scratch so that the program's own number texts are checked, not reused.
QString br(double v, int casas = 2) {
    const QString s = QString::number(std::fabs(v), 'f', casas);
    const qsizetype ponto = s.indexOf(u'.');
    QString inteira = ponto < 0 ? s : s.left(ponto);
    for (qsizetype k = inteira.size() - 3; k > 0; k -= 3)
        inteira.insert(k, u'.');
    QString saida = ponto < 0 ? inteira : inteira + u',' + s.mid(ponto + 1);
    const double arredondado = std::round(std::fabs(v) * std::pow(10.0, casas));
    if (v < 0 && arredondado != 0) saida.prepend(u'-');
    return saida;
}

void DefinirProjeto(double D1, double fD1, double gamma, double e, double i) {
    std::memset(&Projeto, 0, sizeof Projeto);
    TDocumento::Atual().Limpar();
    Projeto.D1 = D1;
    Projeto.fD1 = fD1;
    Projeto.gamma = gamma;
    Projeto.e = e;
    Projeto.i = i;
    CalcularProjeto(Projeto);
    MostrarResultados(Projeto);
}

// The memos and pictures of a prepared page, by output position.
struct Objeto {
    QString texto;
    int x, y, dx, dy;
};
std::vector<Objeto> memos(const TrpPreparedPages& paginas, int indice) {
    std::vector<Objeto> saida;
    for (const auto& o : rpOutput::lerObjetos(paginas.page(indice).stream))
        if (o->kind() == TrpKind::Memo)
            saida.push_back({o->memo.join(u'\n'), o->x, o->y, o->dx, o->dy});
    return saida;
}
std::vector<std::unique_ptr<TrpView>> figuras(const TrpPreparedPages& paginas, int indice) {
    std::vector<std::unique_ptr<TrpView>> saida;
    for (auto& o : rpOutput::lerObjetos(paginas.page(indice).stream))
        if (o->kind() == TrpKind::Picture) saida.push_back(std::move(o));
    return saida;
}
// The texts of one column of a page (objects at x), top to bottom, below y0.
QStringList coluna(const std::vector<Objeto>& objetos, int x, int y0) {
    std::vector<std::pair<int, QString>> lista;
    for (const Objeto& o : objetos)
        if (o.x == x && o.y >= y0) lista.emplace_back(o.y, o.texto);
    std::sort(lista.begin(), lista.end());
    QStringList s;
    for (const auto& [y, t] : lista)
        s << t;
    return s;
}
bool contem(const std::vector<Objeto>& objetos, const QString& texto) {
    return std::any_of(objetos.begin(), objetos.end(),
                       [&](const Objeto& o) { return o.texto == texto; });
}
QString texto(const std::vector<LinhaRelatorio>& linhas, const char* memo) {
    for (const LinhaRelatorio& l : linhas)
        if (std::strcmp(l.memo, memo) == 0) return l.texto;
    return QStringLiteral("<ausente>");
}

// The plain text of a PDF, from pdftotext.
QString textoPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The zone edges of a Couder mask of n equal-area zones: (D/2)·√(k/n).
double borda(double D1, int k, int n) {
    return D1 / 2 * std::sqrt(double(k) / n);
}

} // namespace

class TestRelatoriosComponentes : public QObject {
    Q_OBJECT

    TfrmPreview* m_preview = nullptr;
    QStringList m_erros;

    // Prints a window's report through its print button into a PDF; the PDF's path.
    QString imprimir(QToolButton* botao, const QString& pasta, const QString& nome) {
        const QString pdf = pasta + u'/' + nome;
        const TDialogos anterior = DialogosDe(qApp);
        DefinirDialogos(qApp, {.impressao = [&](QWidget*, QPrinter& impressora) {
                            impressora.setOutputFormat(QPrinter::PdfFormat);
                            impressora.setOutputFileName(pdf);
                            return true;
                        }});
        QTest::mouseClick(botao, Qt::LeftButton);
        DefinirDialogos(qApp, anterior);
        ImpressoraAtual().setOutputFileName(QString());
        // Screenshots: the PDF is kept where TELUVAR_PDF asks.
        const QString destino = qEnvironmentVariable("TELUVAR_PDF");
        if (!destino.isEmpty()) {
            QFile::remove(destino + u'/' + nome);
            QFile::copy(pdf, destino + u'/' + nome);
        }
        return pdf;
    }

private slots:
    void initTestCase() {
        DefinirDialogos(qApp, {.mostrarPreview = [this](QWidget* w) {
                            m_preview = static_cast<TfrmPreview*>(w);
                        }});
        DefinirDialogos(qApp, {.erro = [this](const QString& t) { m_erros << t; }});
        DefinirDialogos(
            qApp, {.erroRelatorio = [this](const QString& t, const QString&) { m_erros << t; }});
    }
    void init() {
        m_preview = nullptr;
        m_erros.clear();
        TrpPreview::setRemembered(1.0, TrpPreview::ZoomNone);
        DefinirProjeto(200, 4, 4, 200, 20);
    }
    void cleanup() { QVERIFY2(m_erros.isEmpty(), qPrintable(m_erros.join(u'|'))); }

    // The stored templates read back: one A4 page, the three bands, every memo the fill-in
    // names, the data fields of the master band and an empty picture.
    void modelos_data() {
        QTest::addColumn<QString>("modelo");
        QTest::newRow("analise") << QStringLiteral("analise");
        QTest::newRow("espelhos") << QStringLiteral("espelhos");
    }
    void modelos() {
        QFETCH(QString, modelo);
        TrpReport relatorio;
        QString erro;
        QVERIFY2(rpTemplate::carregarRecurso(relatorio, CaminhoModelo(modelo), &erro),
                 qPrintable(erro));
        // The analysis report has a second page, the diffraction (its memos: paginaDifracao).
        QCOMPARE(relatorio.pages.size(), std::size_t(modelo == u"analise" ? 2 : 1));
        const TrpPage& pagina = relatorio.pages[0];
        QCOMPARE(pagina.widthUnits(), 752);
        QCOMPARE(pagina.heightUnits(), 1071);
        std::vector<int> tipos;
        for (TrpBandView* b : pagina.bands())
            tipos.push_back(b->bandKind());
        QCOMPARE(tipos, (std::vector<int>{0, 5, 3}));

        std::vector<LinhaRelatorio> linhas;
        std::vector<QString> campos;
        QString dados;
        if (modelo == u"analise") {
            linhas = LinhasRelatorioAnalise(Projeto, TextosDaAnalise(Analisar(Projeto)));
            for (const char* c : CamposAnalise)
                campos.push_back(QString::fromLatin1(c));
            dados = QStringLiteral("dtAnalise");
        } else {
            const DadosEspelhos d = CalcularEspelhos(Projeto, VarianteRitcheyChretien, 5, 0);
            linhas = LinhasRelatorioEspelhos(Projeto, d, TextosDosEspelhos(d));
            for (const char* c : CamposZonas)
                campos.push_back(QString::fromLatin1(c));
            dados = QStringLiteral("dtZonas");
        }
        for (const LinhaRelatorio& l : linhas) {
            TrpView* v = pagina.findObject(QString::fromLatin1(l.memo));
            QVERIFY2(v && v->kind() == TrpKind::Memo, l.memo);
            QCOMPARE(pagina.bandOf(*v)->bandKind(), 0); // every fill-in memo is in the title
        }
        // Each data field appears in exactly one memo of the master band, left to right in
        // the column order.
        TrpBandView* mestre = pagina.bands()[1];
        std::vector<QString> lidos;
        for (const auto& o : pagina.objects)
            if (o->kind() == TrpKind::Memo && pagina.bandOf(*o) == mestre)
                lidos.push_back(o->memo.join(QString()));
        QCOMPARE(lidos.size(), campos.size());
        for (std::size_t c = 0; c < campos.size(); ++c)
            QCOMPARE(lidos[c], QStringLiteral("[%1.\"%2\"]").arg(dados, campos[c]));
        auto* figura = dynamic_cast<TrpPictureView*>(pagina.findObject(QStringLiteral("Picture1")));
        QVERIFY(figura);
        QCOMPARE(figura->graphicKind, TrpPictureView::None);
        // Every truncation of the stored data is refused.
        QFile arquivo(CaminhoModelo(modelo));
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray form = arquivo.readAll();
        for (qsizetype n = 0; n < form.size(); ++n) {
            TrpReport parcial;
            QVERIFY(!rpTemplate::lerForm(parcial, form.left(n)));
        }
        // Nothing of the title band reaches into the master band.
        TrpBandView* titulo = pagina.bands()[0];
        for (const auto& o : pagina.objects)
            if (o->kind() != TrpKind::Band && pagina.bandOf(*o) == titulo)
                QVERIFY2(o->y + o->dy <= mestre->y, qPrintable(o->name));
    }

    // The analysis fill-in: the Airy line from 1,22·λ·F/D1, the image heights 0, 0,7·i/2 and
    // i/2 in the rows, the curvature table from the core's texts.
    void preenchimentoAnalise_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("fD1");
        QTest::addColumn<double>("gamma");
        QTest::addColumn<double>("i");
        QTest::newRow("200/4/4/200/20") << 200.0 << 4.0 << 4.0 << 20.0;
        QTest::newRow("300/3/3/200/30") << 300.0 << 3.0 << 3.0 << 30.0;
        QTest::newRow("250/5/2,5/200/12") << 250.0 << 5.0 << 2.5 << 12.0;
    }
    void preenchimentoAnalise() {
        QFETCH(double, D1);
        QFETCH(double, fD1);
        QFETCH(double, gamma);
        QFETCH(double, i);
        DefinirProjeto(D1, fD1, gamma, 200, i);
        const ResultadoAnalise resultado = Analisar(Projeto);
        QVERIFY(resultado.valida());
        const TextosAnalise t = TextosDaAnalise(resultado, u',', u'.');
        const auto linhas = LinhasRelatorioAnalise(Projeto, t);
        const double F = D1 * fD1 * gamma; // system focal length
        const double airy = 1.22 * 550e-6 * F / D1 * 1000;
        QCOMPARE(texto(linhas, "MemoAiry"),
                 QStringLiteral("Raio do disco de Airy (550 nm) = %1 µm").arg(br(airy)));
        QCOMPARE(texto(linhas, "CurvCab3"), QStringLiteral("Coma (\")"));
        const char* variantes[3] = {Recursos::Classico, Recursos::DallKirkham,
                                    Recursos::RitcheyChretien};
        for (int l = 0; l < 3; ++l) {
            QCOMPARE(texto(linhas, MemosCurvatura[l * 6]), r(variantes[l]));
            QCOMPARE(texto(linhas, MemosCurvatura[l * 6 + 4]), t.curvatura[l].raioPetzval);
        }
        // Petzval radius of two mirrors, r1·r2 / (2·(r1 − r2)), the same for every variant.
        const double petzval = Projeto.r1 * Projeto.r2 / (2 * (Projeto.r1 - Projeto.r2));
        QString p = texto(linhas, MemosCurvatura[4]);
        p.remove(u'-');
        QCOMPARE(p, br(std::fabs(petzval)));

        TMemDataSet dt;
        DefinirCamposAnalise(dt);
        PreencherDadosAnalise(dt, t);
        QCOMPARE(dt.RecordCount(), 9);
        const double alturas[3] = {0, 0.7 * i / 2, i / 2};
        dt.First();
        for (int n = 0; n < 9; ++n, dt.Next()) {
            QCOMPARE(dt.FieldValue(QStringLiteral("Variante")).toString(), r(variantes[n / 3]));
            QCOMPARE(dt.FieldValue(QStringLiteral("Campo")).toString(), br(alturas[n % 3]));
            // RMS / Airy is the quotient of the row's own RMS and the Airy radius.
            const FeixeAnalise& f = resultado.variantes[n / 3].feixes[n % 3];
            QCOMPARE(dt.FieldValue(QStringLiteral("RmsAiry")).toString(),
                     br(f.estatistica.rms / resultado.raioAiry));
            QCOMPARE(dt.FieldValue(QStringLiteral("RMS")).toString(), t.linhas[n].rms);
        }
        QVERIFY(dt.Eof());
    }

    // A design that cannot be analysed: the reason in the Airy line, no rows, empty tables.
    void analiseIndisponivel() {
        DefinirProjeto(200, 4, 1, 200, 20);
        const TextosAnalise t = TextosDaAnalise(Analisar(Projeto), u',', u'.');
        const auto linhas = LinhasRelatorioAnalise(Projeto, t);
        QCOMPARE(texto(linhas, "MemoAiry"), r(Recursos::AnaliseAmpliacao));
        for (const char* m : MemosCurvatura)
            QCOMPARE(texto(linhas, m), QString());
        TMemDataSet dt;
        DefinirCamposAnalise(dt);
        PreencherDadosAnalise(dt, TextosDaAnalise(Analisar(Projeto)));
        QCOMPARE(dt.RecordCount(), 0);
    }

    // The preview of the analysis window: caption, one page, the Airy line, nine rows and the
    // spot grid as a bitmap of the picture's size that shows the variants' spots.
    void previewAnalise() {
        TfrmAnalise frm;
        frm.show();
        QVERIFY(frm.btnImprimir && frm.btnPreview);
        QCOMPARE(frm.btnImprimir->toolTip(), QStringLiteral("Imprime"));
        QCOMPARE(frm.btnPreview->toolTip(), r("Visualizar impressão"));
        QTest::mouseClick(frm.btnPreview, Qt::LeftButton);
        QVERIFY(m_preview);
        QCOMPARE(m_preview->windowTitle(), r("Preview - Análise"));
        const TrpPreparedPages* paginas = m_preview->rpPreview1->pages();
        QVERIFY(paginas);
        QCOMPARE(paginas->count(), 2); // the ray trace and the diffraction
        const auto objetos = memos(*paginas, 0);
        QVERIFY(contem(objetos, r("Raio do disco de Airy (550 nm) = 10,74 µm")));
        QVERIFY(contem(objetos, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
        // The master rows below the header: three heights per variant.
        const QStringList campos = coluna(objetos, 40 + 96, 824 + 1); // below the header row
        QCOMPARE(campos, (QStringList{"0,00", "7,00", "10,00", "0,00", "7,00", "10,00", "0,00",
                                      "7,00", "10,00"}));
        const auto fig = figuras(*paginas, 0);
        QCOMPARE(fig.size(), std::size_t(1));
        auto* f = static_cast<TrpPictureView*>(fig[0].get());
        QCOMPARE(f->graphicKind, TrpPictureView::Bitmap);
        QImage imagem;
        QVERIFY(imagem.loadFromData(f->graphic, "BMP"));
        QCOMPARE(imagem.size(), QSize(672 * PixelsPorUnidadeFigura, 502 * PixelsPorUnidadeFigura));
        // The three variants' spot colours are there (blue, orange, green dots).
        std::set<QRgb> cores;
        for (int y = 0; y < imagem.height(); y += 2)
            for (int x = 0; x < imagem.width(); x += 2)
                cores.insert(imagem.pixel(x, y) & 0xFFFFFF);
        for (QRgb c : {qRgb(0, 90, 200), qRgb(200, 60, 0), qRgb(0, 140, 60)})
            QVERIFY2(cores.count(c & 0xFFFFFF), qPrintable(QString::number(c, 16)));
        frm.close();
    }

    // The focusing and collimation report from its window's preview. Faults caught: a cell of
    // the focusing table or of a collimation row wired to another column or variant, a number
    // not in the user's separators, the report made from the result shown before a range was
    // typed (the preview asked while that range is still being computed), a plot missing.
    void previewTolerancias() {
        TfrmTolerancias frm;
        frm.show();
        QSignalSpy calculado(&frm, &TJanelaViva::calculado);
        frm.Recalcular();
        QVERIFY(calculado.wait(120000));
        frm.cmbVariante->setCurrentIndex(1);
        frm.edtFaixaFoco->setText(QStringLiteral("-20;50"));
        QVERIFY(frm.btnPreview->isEnabled());
        QTest::mouseClick(frm.btnPreview, Qt::LeftButton);
        QVERIFY(m_preview);
        QCOMPARE(m_preview->windowTitle(), r("Preview - Focagem e colimação"));
        const TrpPreparedPages* paginas = m_preview->rpPreview1->pages();
        QVERIFY(paginas);
        QCOMPARE(paginas->count(), 1);
        const auto objetos = memos(*paginas, 0);
        // Every text has its Windows-1252 byte (Δ, λ, ≥ would print as '?').
        for (const Objeto& o : objetos)
            QVERIFY2(!o.texto.contains(u'?'), qPrintable(o.texto));
        const ResultadoTolerancias esperado = CalcularTolerancias(Projeto, -20, 50, 15);
        QVERIFY(esperado.valida());
        // The Dall-Kirkham's fifteen rows, column by column below the header (y 160).
        const int casas[7] = {1, 3, 1, 2, 2, 3, 2};
        for (int c = 0; c < 7; ++c) {
            QStringList celulas;
            for (const LinhaFocagem& l : esperado.variantes[1].focagem) {
                const double v[7] = {l.deltaE,  l.deslocamento, l.F,       l.FN,
                                     l.rmsEixo, l.strehl,       l.rmsBorda};
                celulas << br(v[c], casas[c]);
            }
            QCOMPARE(coluna(objetos, 40 + 96 * c, 160).mid(0, 15), celulas);
        }
        // The collimation rows below their header (y 774), in the variants' order.
        const QStringList variantes = coluna(objetos, 40, 790);
        QCOMPARE(variantes, (QStringList{r("Clássico"), r("Dall-Kirkham"), r("Ritchey-Chrétien")}));
        QStringList descentramentos, comas, espacamentos;
        for (const VarianteTolerancias& vt : esperado.variantes) {
            descentramentos << br(vt.colimacao.descentramento, 3);
            comas << br(vt.colimacao.comaPorMinuto, 4);
            espacamentos << br(vt.colimacao.espacamentoMenos, 3) + QStringLiteral(" / +") +
                                br(vt.colimacao.espacamentoMais, 3);
        }
        QCOMPARE(coluna(objetos, 40 + 102, 790), descentramentos);
        QCOMPARE(coluna(objetos, 40 + 102 + 2 * 90, 790), comas);
        QCOMPARE(coluna(objetos, 712 - 120, 790), espacamentos);
        // The two plots: the three variants' Strehl curves, the Dall-Kirkham's camera curves.
        const auto fig = figuras(*paginas, 0);
        QCOMPARE(fig.size(), std::size_t(2));
        const QRgb cor[3] = {qRgb(0, 90, 200), qRgb(200, 60, 0), qRgb(0, 140, 60)};
        for (std::size_t k = 0; k < 2; ++k) {
            auto* f = static_cast<TrpPictureView*>(fig[k].get());
            QImage imagem;
            QVERIFY(imagem.loadFromData(f->graphic, "BMP"));
            std::set<QRgb> cores;
            for (int y = 0; y < imagem.height(); ++y)
                for (int x = 0; x < imagem.width(); ++x)
                    cores.insert(imagem.pixel(x, y) & 0xFFFFFF);
            for (int v = 0; v < 3; ++v)
                QCOMPARE(cores.count(cor[v] & 0xFFFFFF) > 0, k == 0 || v == 1);
        }
    }

    // Print and preview recompute first: a design changed after the windows last looked at
    // it is the one reported (F/D1 = 9 gives an Airy radius of 1,22·0,55·9 = 6,04 µm; the
    // outer edge of the first of five zones of a 300 mm primary is 150·√(1/5) = 67,08 mm).
    void previewRecalcula() {
        TfrmAnalise analise;
        TfrmEspelhos espelhos;
        DefinirProjeto(300, 3, 3, 200, 30);
        QTest::mouseClick(analise.btnPreview, Qt::LeftButton);
        QVERIFY(m_preview);
        QVERIFY(contem(memos(*m_preview->rpPreview1->pages(), 0),
                       r("Raio do disco de Airy (550 nm) = 6,04 µm")));
        m_preview = nullptr;
        // The analysis window's PDF: the live windows' tool bar flow, with both pages.
        QTemporaryDir pasta;
        const QString pdf = pasta.filePath(QStringLiteral("analise.pdf"));
        const TDialogos anterior = DialogosDe(qApp);
        DefinirDialogos(qApp, {.arquivoPdf = [&](QWidget*) { return pdf; }});
        QTest::mouseClick(analise.btnPdf, Qt::LeftButton);
        DefinirDialogos(qApp, anterior);
        QFile arquivo(pdf);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll().count("/Type /Page\n") + 0, 2);
        QTest::mouseClick(espelhos.btnPreview, Qt::LeftButton);
        QVERIFY(m_preview);
        QCOMPARE(coluna(memos(*m_preview->rpPreview1->pages(), 0), 40 + 72 + 120, 660 + 1).value(0),
                 br(borda(300, 1, 5)));
    }

    // The report's diffraction page is that of the design printed, not of the one the window's
    // page last computed: the page computes 200/4/4/200/20 and a preview takes its result as it
    // is (no computation); the design becomes 300/3/3/250/40 unseen, and the preview's second
    // page, printed from the first page, carries the new design's numbers (written here from
    // the core's values with the Brazilian separators), computed once. Catches a stale result
    // printed, a column written into another column's memo, other separators, and a computation per
    // print.
    void paginaDifracao() {
        TfrmAnalise frm;
        frm.show();
        QSignalSpy pronto(frm.difracao, &TAnaliseDifracao::calculado);
        frm.tabAnalise->setCurrentIndex(1);
        QVERIFY(pronto.wait(60000));
        auto ocioso = [&] {
            QTRY_VERIFY_WITH_TIMEOUT(!frm.difracao->calculando(), 60000);
            QCoreApplication::processEvents();
        };
        pronto.clear();
        QTest::mouseClick(frm.btnPreview, Qt::LeftButton);
        QVERIFY(m_preview);
        ocioso();
        QCOMPARE(pronto.count(), 0); // the page's result is the design's

        // The PSF picture: the classical variant on the axis (no aberration) peaks at the
        // centre of its cell (the cell: the connected region around the peak that is not the
        // picture's white ground), and the Airy circle is drawn around that peak. Catches the
        // PSF drawn shifted in its cell (half a sample off, say) and the circle off its centre
        // or missing.
        QImage psf;
        for (const auto& f : figuras(*m_preview->rpPreview1->pages(), 1))
            if (f->dy > 400)
                QVERIFY(psf.loadFromData(static_cast<TrpPictureView*>(f.get())->graphic, "BMP"));
        QVERIFY(!psf.isNull());
        psf = psf.convertToFormat(QImage::Format_RGB32);
        // The peak: the centroid of the bright core's yellow-white (the palette's top, t above
        // about 0,9; the circle's pixels are grey).
        const int w = psf.width() * 2 / 5, h = psf.height() / 3; // holds the first cell only
        QPointF pico;
        int n = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QColor c = psf.pixelColor(x, y);
                if (c.red() >= 250 && c.green() >= 230 && c.red() - c.blue() > 15) {
                    pico += QPointF(x, y);
                    ++n;
                }
            }
        QVERIFY(n > 0);
        pico /= n;
        // The cell: flood fill from the peak over everything but the white ground.
        const QRgb branco = qRgb(255, 255, 255);
        std::vector<char> visto(static_cast<std::size_t>(psf.width() * psf.height()), 0);
        std::vector<QPoint> pilha{pico.toPoint()};
        QRect celula(pico.toPoint(), QSize(1, 1));
        while (!pilha.empty()) {
            const QPoint p = pilha.back();
            pilha.pop_back();
            if (!psf.rect().contains(p)) continue;
            char& v = visto[static_cast<std::size_t>(p.y() * psf.width() + p.x())];
            if (v || psf.pixel(p) == branco) continue;
            v = 1;
            celula |= QRect(p, QSize(1, 1));
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                pilha.push_back(p + d);
        }
        QVERIFY2(celula.width() > 100 && celula.height() > 100 &&
                     std::abs(celula.width() - celula.height()) <= 2,
                 qPrintable(QStringLiteral("%1 x %2").arg(celula.width()).arg(celula.height())));
        const QPointF centro = QRectF(celula).center();
        QVERIFY2(std::hypot(pico.x() - centro.x(), pico.y() - centro.y()) < 2,
                 qPrintable(QStringLiteral("peak (%1, %2), cell centre (%3, %4)")
                                .arg(pico.x())
                                .arg(pico.y())
                                .arg(centro.x())
                                .arg(centro.y())));
        // The circle's pixels: grey-white (the palette's light colours are yellow), all at one
        // distance from the peak.
        double menor = 1e9, maior = 0;
        int brancos = 0;
        for (int y = celula.top(); y <= celula.bottom(); ++y)
            for (int x = celula.left(); x <= celula.right(); ++x) {
                const QColor c = psf.pixelColor(x, y);
                if (std::min({c.red(), c.green(), c.blue()}) < 140 ||
                    std::max({c.red(), c.green(), c.blue()}) -
                            std::min({c.red(), c.green(), c.blue()}) >
                        12)
                    continue;
                const double r = std::hypot(x - pico.x(), y - pico.y());
                menor = std::min(menor, r);
                maior = std::max(maior, r);
                ++brancos;
            }
        QVERIFY2(brancos >= 4 && maior - menor < 2 && menor > 4,
                 qPrintable(
                     QStringLiteral("%1 pixels from %2 to %3").arg(brancos).arg(menor).arg(maior)));

        // Printed from the ray-trace page, whose design the diffraction page has not seen.
        frm.tabAnalise->setCurrentIndex(0);
        DefinirProjeto(300, 3, 3, 250, 40);
        const ResultadoDifracao d = AnalisarDifracao(Projeto, Analisar(Projeto), false);
        QVERIFY(d.valida());
        m_preview = nullptr;
        QTest::mouseClick(frm.btnPreview, Qt::LeftButton);
        QVERIFY(m_preview);
        ocioso();
        QCOMPARE(pronto.count(), 1);
        const TrpPreparedPages* paginas = m_preview->rpPreview1->pages();
        QCOMPARE(paginas->count(), 2);
        const auto objetos = memos(*paginas, 1);
        QVERIFY(contem(objetos, r("Análise de difração")));
        QStringList campo, rms, strehl, ee80;
        for (const auto& v : d.feixes)
            for (const FeixeDifracao& f : v) {
                QVERIFY(f.imagem.ee80 > 0);
                campo << br(f.h);
                rms << br(f.frente.rms, 3);
                strehl << br(f.imagem.strehlPsf, 3);
                ee80 << br(f.imagem.ee80 * d.lambdaN * 1000);
            }
        // Columns of the table (x of their left edges), rows below the header.
        QCOMPARE(coluna(objetos, 152, 148), campo);
        QCOMPARE(coluna(objetos, 224, 148), rms);
        QCOMPARE(coluna(objetos, 467, 148), strehl);
        QCOMPARE(coluna(objetos, 629, 148), ee80);
        frm.close();
    }

    // The mirror-making fill-in: zone edges (D1/2)·√(k/n); a paraboloid's moving-source
    // reading is its sag hm²/(2·r1); the classical secondary's foci are the primary's focus and
    // the system's, p and p' from the secondary.
    void preenchimentoEspelhos_data() {
        QTest::addColumn<int>("zonas");
        QTest::newRow("3 zonas") << 3;
        QTest::newRow("5 zonas") << 5;
        QTest::newRow("12 zonas") << 12;
    }
    void preenchimentoEspelhos() {
        QFETCH(int, zonas);
        const DadosEspelhos d = CalcularEspelhos(Projeto, VarianteClassico, zonas, 0);
        QVERIFY(d.primario.valido && d.secundario.valido);
        const TextosEspelhos t = TextosDosEspelhos(d, u',', u'.');
        TMemDataSet dt;
        DefinirCamposZonas(dt);
        PreencherDadosZonas(dt, t);
        QCOMPARE(dt.RecordCount(), zonas);
        dt.First();
        for (int k = 1; k <= zonas; ++k, dt.Next()) {
            const double a = borda(200, k - 1, zonas), b = borda(200, k, zonas);
            const double hm = (a + b) / 2;
            QCOMPARE(dt.FieldValue(QStringLiteral("Zona")).toString(), QString::number(k));
            QCOMPARE(dt.FieldValue(QStringLiteral("Interno")).toString(), br(a));
            QCOMPARE(dt.FieldValue(QStringLiteral("Externo")).toString(), br(b));
            QCOMPARE(dt.FieldValue(QStringLiteral("Medio")).toString(), br(hm));
            QCOMPARE(dt.FieldValue(QStringLiteral("FonteMovel")).toString(),
                     br(hm * hm / (2 * Projeto.r1), 3));
        }
        const auto linhas = LinhasRelatorioEspelhos(Projeto, d, t);
        QCOMPARE(texto(linhas, "MemoVariante"),
                 QStringLiteral("Variante: ") + r(Recursos::Classico));
        QCOMPARE(texto(linhas, "MemoZonas"), r(Recursos::RelEspelhosZonas).arg(zonas));
        QCOMPARE(texto(linhas, MemosHindle[0][1]), br(Projeto.pLinha));
        QCOMPARE(texto(linhas, MemosHindle[1][1]), br(Projeto.p));
        // The primary's vertex radius 2·f1, the paraboloid's conic -1.
        QCOMPARE(texto(linhas, MemosPrimario[0][1]), br(2 * Projeto.f1));
        QCOMPARE(texto(linhas, MemosPrimario[1][1]), QStringLiteral("-1,000"));
    }

    // A sphere secondary (Dall-Kirkham) has no Hindle rows: they are written empty, the
    // sentence names its centre of curvature at r2.
    void espelhosSemHindle() {
        const DadosEspelhos d = CalcularEspelhos(Projeto, VarianteDallKirkham, 5, 0);
        const TextosEspelhos t = TextosDosEspelhos(d, u',', u'.');
        const auto linhas = LinhasRelatorioEspelhos(Projeto, d, t);
        for (const auto& par : MemosHindle) {
            QCOMPARE(texto(linhas, par[0]), QString());
            QCOMPARE(texto(linhas, par[1]), QString());
        }
        QVERIFY2(texto(linhas, "MemoTesteTexto").contains(br(std::fabs(Projeto.r2))),
                 qPrintable(texto(linhas, "MemoTesteTexto")));
    }

    // The preview of the mirror window: caption, one page even with twelve zones, the zone
    // rows and the drawing of the test as a bitmap.
    void previewEspelhos_data() {
        QTest::addColumn<int>("zonas");
        QTest::newRow("5") << 5;
        QTest::newRow("12") << 12;
    }
    void previewEspelhos() {
        QFETCH(int, zonas);
        TfrmEspelhos frm;
        frm.show();
        frm.edtZonas->setValue(zonas);
        QTest::mouseClick(frm.btnPreview, Qt::LeftButton);
        QVERIFY(m_preview);
        QCOMPARE(m_preview->windowTitle(), r("Preview - Confecção dos espelhos"));
        const TrpPreparedPages* paginas = m_preview->rpPreview1->pages();
        QVERIFY(paginas);
        QCOMPARE(paginas->count(), 1);
        const auto objetos = memos(*paginas, 0);
        QVERIFY(contem(objetos, QStringLiteral("Variante: ") + r(Recursos::RitcheyChretien)));
        QStringList esperado, externos;
        for (int k = 1; k <= zonas; ++k)
            esperado << br(borda(200, k, zonas));
        externos = coluna(objetos, 40 + 72 + 120, 660 + 1); // below the header row
        QCOMPARE(externos, esperado);
        const auto fig = figuras(*paginas, 0);
        QCOMPARE(fig.size(), std::size_t(1));
        QCOMPARE(static_cast<TrpPictureView*>(fig[0].get())->graphicKind, TrpPictureView::Bitmap);
        frm.close();
    }

    // Printed to PDF through the windows' print buttons: the texts carry the key values.
    void pdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir pasta;
        {
            TfrmAnalise frm;
            frm.show();
            const QString texto = textoPdf(
                imprimir(frm.btnImprimir, pasta.path(), QStringLiteral("relatorio-analise.pdf")));
            QVERIFY2(texto.contains(r("Raio do disco de Airy (550 nm) = 10,74 µm")),
                     qPrintable(texto));
            QVERIFY(texto.contains(r("Análise por traçado de raios")));
            QVERIFY(texto.contains(r("Ritchey-Chrétien")));
            QVERIFY(texto.contains(r("Raio de Petzval")));
            QVERIFY(texto.contains(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))));
        }
        {
            TfrmEspelhos frm;
            frm.show();
            const QString texto = textoPdf(
                imprimir(frm.btnImprimir, pasta.path(), QStringLiteral("relatorio-espelhos.pdf")));
            QVERIFY2(texto.contains(r("Confecção dos espelhos")), qPrintable(texto));
            QVERIFY(texto.contains(r("Máscara de Couder")));
            // The zone edges of the default five zones.
            for (int k = 1; k <= 5; ++k)
                QVERIFY2(texto.contains(br(borda(200, k, 5))), qPrintable(br(borda(200, k, 5))));
            QVERIFY(texto.contains(r("Foco real")));
        }
    }
};

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    TestRelatoriosComponentes teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "test_relatorios_componentes.moc"
