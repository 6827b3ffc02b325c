// Writes the seed corpora of the fuzz targets from the program's own files: the stored templates
// and variants, prepared reports of both windows (one long enough for several pages), the stored
// drawings and small metafiles with every record kind, design files and numeric-field texts.
// Usage: gerar_sementes <corpus folder> <folder of the built drawings> [--maior]
// (--maior also prepares the baffle report with 32767 glare stops and prints its size.)
#include "Calculo.h"
#include "Defletor.h"
#include "Global.h"
#include "Modelos.h"
#include "NumberEdit.h"
#include "Principal.h"
#include "rpMetafileWriter.h"
#include "rpModel.h"
#include "rpPrepare.h"
#include "rpPrepared.h"
#include "rpTemplateStream.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <cstdio>
#include <cstring>
#include <set>

namespace {

QString g_saida;
int g_escritos = 0;

void Gravar(const char* alvo, const QString& nome, const QByteArray& bytes) {
    const QString pasta = g_saida + u'/' + QString::fromLatin1(alvo);
    QDir().mkpath(pasta);
    QFile f(pasta + u'/' + nome);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
    ++g_escritos;
}

QByteArray Bytes(const TProjeto& p) {
    return QByteArray(reinterpret_cast<const char*>(&p), sizeof p);
}

TProjeto Desenho(double D1, double fD, double gamma, double e, double i, const char* titulo) {
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    p.D1 = D1;
    p.fD1 = fD;
    p.gamma = gamma;
    p.e = e;
    p.i = i;
    p.LTotal = D1 * fD * 1.1;
    p.DDi = D1 * 1.15;
    p.DDe = D1 * 1.2;
    p.SSDe = D1 * 0.3;
    p.nG = 5;
    DefinirTitulo(p, QString::fromLatin1(titulo));
    CalcularProjeto(p, u',', u'.');
    MostrarResultados(p);
    CalcularDefletor(p);
    return p;
}

void Projetos() {
    TProjeto vazio;
    std::memset(&vazio, 0, sizeof vazio);
    LimparProjeto(vazio);
    CalcularProjeto(vazio, u',', u'.');
    Gravar("fuzz_projeto", QStringLiteral("vazio.tlv"), Bytes(vazio));
    const TProjeto tipico = Desenho(200, 4, 4, 200, 20, "Cassegrain 200 mm");
    Gravar("fuzz_projeto", QStringLiteral("tipico.tlv"), Bytes(tipico));
    Gravar("fuzz_projeto", QStringLiteral("cauda.tlv"), Bytes(tipico) + QByteArray(56, '\x7f'));
    Gravar("fuzz_projeto", QStringLiteral("curto.tlv"), Bytes(tipico).left(543));
    Gravar("fuzz_projeto", QStringLiteral("grande.tlv"),
           Bytes(Desenho(1000, 8, 6, 400, 40, "Observatório")));
    Gravar("fuzz_projeto", QStringLiteral("gamma1.tlv"), Bytes(Desenho(150, 3, 1, 50, 10, "")));
    Gravar("fuzz_projeto", QStringLiteral("negativo.tlv"),
           Bytes(Desenho(-200, 4, -4, 200, 20, "negativo")));
    TProjeto titulo = tipico;
    DefinirTitulo(titulo, QString(255, QChar(0xE7)));
    Gravar("fuzz_projeto", QStringLiteral("titulo255.tlv"), Bytes(titulo));
}

// First byte: bits 0-1 the separators, bits 2-4 the decimals, bit 5 negatives accepted.
void Numeros() {
    const char* textos[] = {"200", "1.234,50", "-3,5",   "1e3",     "1,5E-2",    "",
                            "-",   "+",        "12,345", "0,005",   "999999,99", "1E+300",
                            "-0",  " 42 ",     "4.000",  "3,14159", "2,5e-310",  "1e400"};
    int k = 0;
    for (const char* t : textos) {
        const char config = char((k % 4) | (2 << 2) | ((k % 3 == 0) ? 0x20 : 0));
        Gravar("fuzz_numero", QStringLiteral("texto%1").arg(k++, 2, 10, QChar(u'0')),
               QByteArray(1, config) + QByteArray(t));
    }
}

QByteArray Ler(const QString& nome) {
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Modelos() {
    for (const char* nome : {"projeto", "defletor"}) {
        const QString recurso = CaminhoModelo(QString::fromLatin1(nome));
        const QByteArray form = Ler(recurso);
        Gravar("fuzz_template", QString::fromLatin1(nome) + QStringLiteral(".rpf"), form);
        TrpReport report;
        if (!rpTemplate::lerForm(report, form)) continue;
        Gravar("fuzz_template", QString::fromLatin1(nome) + QStringLiteral(".stream"),
               rpTemplate::escreverStream(report));
        // Variants: without pictures (small and fast), and only the first few objects.
        auto& objetos = report.pages[0].objects;
        std::erase_if(objetos, [](const auto& o) { return o->kind() == TrpKind::Picture; });
        Gravar("fuzz_template", QString::fromLatin1(nome) + QStringLiteral("-sem-figuras.stream"),
               rpTemplate::escreverStream(report));
        if (objetos.size() > 6) objetos.resize(6);
        Gravar("fuzz_template", QString::fromLatin1(nome) + QStringLiteral("-seis.stream"),
               rpTemplate::escreverStream(report));
    }
}

void Desenhos(const QString& pasta) {
    for (const char* nome : {"optica.wmf", "flechas.wmf", "defletor.wmf"}) {
        const QByteArray b = Ler(pasta + u'/' + QString::fromLatin1(nome));
        if (!b.isEmpty()) Gravar("fuzz_metafile", QString::fromLatin1(nome), b);
    }
    // Every record kind the player knows, in one small picture.
    TrpMetafileWriter w(QRect(0, 0, 400, 300));
    const int caneta = w.createPen(rpMeta::PenDash, 2, Qt::red);
    const int pincel = w.createBrush(rpMeta::BrushHatched, Qt::blue, 3);
    w.selectObject(caneta);
    w.selectObject(pincel);
    w.setBkMode(rpMeta::Opaque);
    w.setBkColor(Qt::yellow);
    w.setPolyFillMode(rpMeta::Winding);
    w.setWindowOrg(QPoint(-10, -10));
    w.setWindowExt(QSize(420, 320));
    w.saveDC();
    w.line(QPoint(0, 0), QPoint(100, 50));
    w.polyline(QPolygon({QPoint(0, 0), QPoint(10, 40), QPoint(30, 5)}));
    w.polygon(QPolygon({QPoint(50, 50), QPoint(90, 60), QPoint(70, 90)}));
    w.polyPolygon({QPolygon({QPoint(100, 100), QPoint(150, 100), QPoint(125, 140)}),
                   QPolygon({QPoint(110, 105), QPoint(140, 105), QPoint(125, 130)})});
    w.rectangle(QRect(200, 10, 80, 40));
    w.ellipse(QRect(200, 60, 80, 40));
    w.arc(QRect(200, 110, 80, 80), QPoint(280, 150), QPoint(200, 150));
    w.pie(QRect(300, 110, 80, 80), QPoint(380, 150), QPoint(340, 110));
    w.chord(QRect(300, 200, 80, 80), QPoint(380, 240), QPoint(300, 240));
    w.restoreDC();
    w.record(rpMeta::SetMapMode, {8});
    w.record(rpMeta::SetRop2, {13});
    w.record(rpMeta::SetTextColor, {0, 0});
    w.record(rpMeta::CreateFontIndirect, {-12, 0, 0, 0, 400, 0, 0, 0, 0x4241});
    w.record(rpMeta::CreatePalette, {0x300, 1, 0, 0});
    w.record(rpMeta::CreatePatternBrush, {0, 0, 0, 0});
    w.record(rpMeta::DibCreatePatternBrush, {0, 0});
    w.record(rpMeta::CreateRegion, {0, 0, 0, 0, 0, 0});
    w.deleteObject(caneta);
    w.deleteObject(pincel);
    w.arrowHead(QPoint(10, 290), QPoint(100, 290), 12, 4);
    w.dimension(QPoint(10, 250), QPoint(150, 250), 10, 3);
    w.axis(QPoint(0, 150), QPoint(400, 150), 1, Qt::black);
    Gravar("fuzz_metafile", QStringLiteral("todos-os-registros.wmf"), w.finish());
    // One record at a time, each in a tiny picture.
    const std::pair<const char*, int> pens[] = {{"solida", rpMeta::PenSolid},
                                                {"ponto", rpMeta::PenDot},
                                                {"traco-ponto", rpMeta::PenDashDot},
                                                {"nula", rpMeta::PenNull}};
    for (const auto& [nome, estilo] : pens) {
        TrpMetafileWriter p(QRect(0, 0, 20, 20));
        p.selectObject(p.createPen(estilo, 1, Qt::black));
        p.selectObject(p.createBrush(rpMeta::BrushSolid, Qt::green));
        p.rectangle(QRect(2, 2, 15, 15));
        Gravar("fuzz_metafile", QStringLiteral("caneta-%1.wmf").arg(QString::fromLatin1(nome)),
               p.finish());
    }
}

// The .rpp size limit comes from this: the longest report a design can make.
bool g_medirMaior = false;

void Relatorios() {
    std::memset(&Projeto, 0, sizeof Projeto);
    LimparProjeto(Projeto);
    TfrmTeluvar principal;
    principal.show();
    Projeto = Desenho(200, 4, 4, 200, 20, "Semente");
    principal.btnOk->click();
    const TrpBuildResult construido = BuildReport(principal.rpReport1);
    if (construido.outcome == TrpBuildResult::Built) {
        const TrpPreparedPages& preparadas = *construido.pages;
        QByteArray rpp;
        QBuffer b(&rpp);
        b.open(QIODevice::WriteOnly);
        preparadas.save(b, QStringLiteral("Impressora"));
        Gravar("fuzz_rpp", QStringLiteral("projeto.rpp"), rpp);
        // Small files, quick to fuzz: one object of each kind alone on a page, and two pages
        // of three objects each (the first in landscape without margins).
        const TrpPreparedPage& pagina = preparadas.page(0);
        const auto objetos = rpOutput::lerObjetos(pagina.stream);
        const auto salvar = [](const TrpPreparedPages& p, const QString& nome) {
            QByteArray bytes;
            QBuffer b(&bytes);
            b.open(QIODevice::WriteOnly);
            p.save(b, QString());
            Gravar("fuzz_rpp", nome, bytes);
        };
        std::set<TrpKind> vistos;
        for (const auto& o : objetos) {
            if (!vistos.insert(o->kind()).second) continue;
            TrpPreparedPages um;
            TrpPreparedPage p = pagina;
            p.stream = QByteArray(1, char(rpOutput::VersaoPagina));
            rpOutput::escreverObjeto(p.stream, *o);
            um.pages().push_back(p);
            salvar(um, QStringLiteral("objeto-%1.rpp").arg(int(o->kind())));
        }
        TrpPreparedPages duas;
        for (int k = 0; k < 2 && objetos.size() >= 6; ++k) {
            TrpPreparedPage p = pagina;
            p.orientation = k == 0 ? 1 : 0;
            p.useMargins = k != 0;
            p.stream = QByteArray(1, char(rpOutput::VersaoPagina));
            for (int j = 0; j < 3; ++j)
                rpOutput::escreverObjeto(p.stream, *objetos[std::size_t(k * 3 + j)]);
            duas.pages().push_back(p);
        }
        salvar(duas, QStringLiteral("duas-paginas.rpp"));
    }
    for (int glares : {3, 120, 32767}) {
        if (glares == 32767 && !g_medirMaior) break;
        Projeto.nG = std::int16_t(glares);
        TfrmDefletor defletor(&principal);
        defletor.btnOk->click();
        const TrpBuildResult relatorio = BuildReport(defletor.rpReport1);
        if (relatorio.outcome != TrpBuildResult::Built) continue;
        QByteArray rpp;
        QBuffer b(&rpp);
        b.open(QIODevice::WriteOnly);
        relatorio.pages->save(b, QString());
        if (glares < 1000)
            Gravar("fuzz_rpp", QStringLiteral("defletor-%1-glares.rpp").arg(glares), rpp);
        std::printf("baffle report with %d glare stops: %lld pages, %lld bytes\n", glares,
                    qlonglong(relatorio.pages->count()), qlonglong(rpp.size()));
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <corpus folder> <drawings folder>\n", argv[0]);
        return 2;
    }
    g_saida = QString::fromLocal8Bit(argv[1]);
    g_medirMaior = argc > 3 && std::strcmp(argv[3], "--maior") == 0;
    TNumberEdit::ErrorHandler = [](QWidget*, const QString&) {};
    Projetos();
    Numeros();
    Modelos();
    Desenhos(QString::fromLocal8Bit(argv[2]));
    Relatorios();
    std::printf("%d seed files written under %s\n", g_escritos, argv[1]);
    return 0;
}
