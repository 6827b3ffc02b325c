// Checking aid: renders each report drawing with its label memos on top, to PNG at two scales.
//
// Usage: prova_desenhos <template folder> <output folder>
// The label memos (position, size, font, alignment, fill) are read from the template
// descriptions projeto.txt and defletor.txt; their texts are the fill-in lines with sample
// values of a 200 mm f/4 design. Writes desenho-<name>-100.png and desenho-<name>-300.png.
#include "Desenhos.h"
#include "rpMetafile.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cmath>
#include <cstdio>

namespace {

QStringList separar(const QString& linha) {
    QStringList tokens;
    QString atual;
    bool tem = false, aspas = false;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (aspas) {
            if (c == u'\\' && i + 1 < linha.size())
                atual += linha[++i];
            else if (c == u'"')
                aspas = false;
            else
                atual += c;
        } else if (c == u'"') {
            aspas = tem = true;
        } else if (c.isSpace()) {
            if (tem) tokens << atual;
            atual.clear();
            tem = false;
        } else {
            atual += c;
            tem = true;
        }
    }
    if (tem) tokens << atual;
    return tokens;
}

struct Memo {
    QString nome, texto, fonte = QStringLiteral("Arial"), estilo, alinhamento = QStringLiteral("L"),
                         flags;
    QRectF caixa;
    int tamanho = 10;
    bool branco = false;
};

struct Figura {
    QString nome, arquivo;
    QRectF caixa;
};

// Sample fill-in texts (the design text stays where the report keeps it).
const QHash<QString, QString>& exemplos() {
    static const QHash<QString, QString> t = {
        {"projeto/Memo1", "D1 = 200,00"},
        {"projeto/Memo3", "D2 = 53,75"},
        {"projeto/Memo4", "r1 = -1.600,00"},
        {"projeto/Memo2", "r2 = -533,33"},
        {"projeto/Memo11", "f = 800,00"},
        {"projeto/Memo5", "d = 600,00"},
        {"projeto/Memo6", "e = 200,00"},
        {"projeto/Memo7", "p = 200,00"},
        {"projeto/Memo8", "p' = 800,00"},
        {"projeto/Memo16", "Taxa de obstrução do secundário (Tx) = 26,88%"},
        {"projeto/Memo17", "Distância focal do sistema (F) = 3.200,00"},
        {"projeto/Memo18", "Relação focal do sistema (F/D1) = 16,00"},
        {"projeto/Memo19", "Sag1 = 3,13"},
        {"projeto/Memo20", "Sag2 = 0,68"},
        {"projeto/Memo21", "D1 = 200,00"},
        {"projeto/Memo22", "D2 = 53,75"},
        {"defletor/Memo10", "L = 350,00"},
        {"defletor/Memo11", "Z = 50,00"},
        {"defletor/Memo13", "L Total = 400,00"},
        {"defletor/Memo18", "DG = 133,33"},
    };
    return t;
}

void ler(const QString& arquivo, QList<Memo>& memos, QList<Figura>& figuras) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QStringList t = separar(in.readLine());
        if (t.size() < 6 || (t[0] != u"memo" && t[0] != u"picture")) continue;
        const QRectF caixa(t[2].toDouble(), t[3].toDouble(), t[4].toDouble(), t[5].toDouble());
        QHash<QString, QString> kv;
        for (qsizetype i = 6; i < t.size(); ++i) {
            const qsizetype eq = t[i].indexOf(u'=');
            if (eq > 0) kv.insert(t[i].left(eq), t[i].mid(eq + 1));
        }
        if (t[0] == u"picture") {
            figuras.push_back({t[1], kv.value("file"), caixa});
            continue;
        }
        Memo m;
        m.nome = t[1];
        m.caixa = caixa;
        m.texto = kv.value("text");
        m.fonte = kv.value("font", m.fonte);
        m.tamanho = kv.value("size", "10").toInt();
        m.estilo = kv.value("style");
        m.alinhamento = kv.value("align", "L");
        m.flags = kv.value("flags");
        m.branco = kv.value("fill") == u"white";
        memos.push_back(m);
    }
}

QByteArray desenho(const QString& arquivo) {
    if (arquivo == u"optica.wmf") return Desenhos::DesenharOptica();
    if (arquivo == u"flechas.wmf") return Desenhos::DesenharFlechas();
    if (arquivo == u"defletor.wmf") return Desenhos::DesenharDefletor();
    return {};
}

void desenharMemo(QPainter& p, const Memo& m, const QString& texto, double s) {
    QFont fonte(m.fonte);
    fonte.setPixelSize(int(std::lround(m.tamanho * 96.0 / 72 * s)));
    fonte.setBold(m.estilo.contains(u'B'));
    fonte.setItalic(m.estilo.contains(u'I'));
    QRectF caixa = m.caixa;
    if (m.flags.contains(u'A')) { // auto size: widest line at scale 1, plus frame and 2 units
        QFont f1 = fonte;
        f1.setPixelSize(int(std::lround(m.tamanho * 96.0 / 72)));
        const double largura = QFontMetricsF(f1).horizontalAdvance(texto) + 2 + 2;
        if (m.alinhamento.startsWith(u'R')) caixa.setLeft(caixa.right() - largura);
        caixa.setWidth(largura);
    }
    const QRectF r(caixa.x() * s, caixa.y() * s, caixa.width() * s, caixa.height() * s);
    if (m.branco) p.fillRect(r, Qt::white);
    p.setFont(fonte);
    p.setPen(Qt::black);
    const double hInset = 2 * s, vInset = 1 * s;
    int a = Qt::AlignTop | Qt::TextDontClip;
    if (m.alinhamento.startsWith(u'R'))
        a |= Qt::AlignRight;
    else if (m.alinhamento.startsWith(u'C'))
        a |= Qt::AlignHCenter;
    else
        a |= Qt::AlignLeft;
    p.drawText(r.adjusted(hInset, vInset, -hInset - 1, 0), a, texto);
    // Memo boxes as faint outlines, to judge where each label lands.
    p.setPen(QPen(QColor(255, 0, 0, 90), 0));
    p.drawRect(r);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: prova_desenhos <template folder> <output folder>\n");
        return 2;
    }
    const QString entrada = QString::fromLocal8Bit(argv[1]),
                  saida = QString::fromLocal8Bit(argv[2]);
    for (const QString& relatorio : {QStringLiteral("projeto"), QStringLiteral("defletor")}) {
        QList<Memo> memos;
        QList<Figura> figuras;
        ler(entrada + "/" + relatorio + ".txt", memos, figuras);
        for (const Figura& fig : figuras) {
            TrpMetafile mf;
            QString erro;
            if (!mf.load(desenho(fig.arquivo), &erro)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(fig.arquivo), qPrintable(erro));
                return 1;
            }
            for (const int pct : {100, 300}) {
                const double s = pct / 100.0;
                const QRectF area = fig.caixa.adjusted(-6, -6, 6, 6);
                QImage img(QSize(int(area.width() * s), int(area.height() * s)),
                           QImage::Format_RGB32);
                img.fill(Qt::white);
                QPainter p(&img);
                p.setRenderHint(QPainter::Antialiasing);
                p.setRenderHint(QPainter::TextAntialiasing);
                p.translate(-area.x() * s, -area.y() * s);
                // Stretched keeping the aspect ratio, anchored at the top-left of the box.
                const QSizeF nat = mf.naturalSizePixels(96);
                const double k =
                    std::min(fig.caixa.width() / nat.width(), fig.caixa.height() / nat.height());
                mf.play(p, QRectF(fig.caixa.x() * s, fig.caixa.y() * s, nat.width() * k * s,
                                  nat.height() * k * s));
                p.setPen(QPen(Qt::black, s));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(fig.caixa.x() * s, fig.caixa.y() * s, fig.caixa.width() * s,
                                  fig.caixa.height() * s));
                for (const Memo& m : memos) {
                    if (!fig.caixa.intersects(m.caixa)) continue;
                    const QString texto = exemplos().value(relatorio + "/" + m.nome, m.texto);
                    desenharMemo(p, m, texto, s);
                }
                p.end();
                const QString nome = QStringLiteral("%1/desenho-%2-%3.png")
                                         .arg(saida, fig.arquivo.section(u'.', 0, 0))
                                         .arg(pct);
                if (!img.save(nome)) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(nome));
                    return 1;
                }
            }
        }
    }
    return 0;
}
