// Build tool: turns a readable template description (.txt) into the binary "ReportForm" data.
//
// Usage: gerar_template <description.txt> <output.rpf> <drawings folder>
// Each line of the description is one record: "report", "page", "band", "memo" or "picture",
// then (for objects) name x y w h, then key=value settings. Pictures name a placeable metafile
// in the drawings folder; when it is missing the picture is stored empty and a warning printed.
#include "rpModel.h"
#include "rpTemplateStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <stdexcept>

namespace {

struct ErroDescricao : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void falhar(const QString& texto) {
    throw ErroDescricao(texto.toStdString());
}

// Splits a line at blanks outside double quotes; inside quotes \" and \\ are escapes.
QStringList separarTokens(const QString& linha) {
    QStringList tokens;
    QString atual;
    bool temToken = false, aspas = false;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (aspas) {
            if (c == u'\\' && i + 1 < linha.size()) {
                atual += linha[++i];
            } else if (c == u'"') {
                aspas = false;
            } else {
                atual += c;
            }
        } else if (c == u'"') {
            aspas = true;
            temToken = true;
        } else if (c.isSpace()) {
            if (temToken) tokens << atual;
            atual.clear();
            temToken = false;
        } else {
            atual += c;
            temToken = true;
        }
    }
    if (aspas) falhar(QStringLiteral("unterminated quote"));
    if (temToken) tokens << atual;
    return tokens;
}

int inteiro(const QString& texto) {
    bool ok = false;
    const int v = texto.toInt(&ok, 0);
    if (!ok) falhar(QStringLiteral("not an integer: %1").arg(texto));
    return v;
}

bool booleano(const QString& texto) {
    return inteiro(texto) != 0;
}

std::uint16_t bits(const QString& letras, const QString& conhecidas,
                   std::initializer_list<std::uint16_t> valores) {
    std::uint16_t resultado = 0;
    if (letras == u"-") return 0;
    for (const QChar c : letras) {
        const qsizetype i = conhecidas.indexOf(c);
        if (i < 0) falhar(QStringLiteral("unknown flag letter '%1'").arg(c));
        resultado |= *(valores.begin() + i);
    }
    return resultado;
}

std::uint32_t cor(const QString& texto) {
    if (texto == u"white") return 0x00FFFFFF;
    if (texto == u"black") return 0;
    if (texto == u"none") return rpNoColor;
    return static_cast<std::uint32_t>(inteiro(texto));
}

std::uint32_t alinhamento(const QString& texto) {
    const QStringList partes = texto.split(u'/');
    const qsizetype h = QStringLiteral("LRCJ").indexOf(partes[0]);
    if (partes[0].size() != 1 || h < 0) falhar(QStringLiteral("bad alignment: %1").arg(texto));
    std::uint32_t v = static_cast<std::uint32_t>(h);
    if (partes.size() > 1) {
        if (partes[1] == u"mid")
            v |= 1u << 3;
        else if (partes[1] == u"bottom")
            v |= 2u << 3;
        else
            falhar(QStringLiteral("bad vertical alignment: %1").arg(texto));
    }
    return v;
}

std::uint32_t formato(const QString& texto) {
    // Custom patterns with two decimals and the comma as decimal separator.
    if (texto == u"text") return TrpFormat::make(TrpFormat::Text, 0, 2, ',');
    if (texto == u"number") return TrpFormat::make(TrpFormat::Number, 4, 2, ',');
    if (texto == u"date") return TrpFormat::make(TrpFormat::Date, 4, 2, ',');
    return static_cast<std::uint32_t>(texto.toUInt(nullptr, 0));
}

struct Gerador {
    TrpReport report;
    QDir pastaDesenhos;
    QStringList avisos;

    void linha(const QStringList& t) {
        const QString& tipo = t[0];
        if (tipo == u"report") return lerReport(t);
        if (tipo == u"page") return lerPagina(t);
        if (report.pages.empty()) falhar(QStringLiteral("object before any page"));
        if (t.size() < 6) falhar(QStringLiteral("expected: %1 name x y w h ...").arg(tipo));
        std::unique_ptr<TrpView> v;
        if (tipo == u"band")
            v = std::make_unique<TrpBandView>();
        else if (tipo == u"memo")
            v = std::make_unique<TrpMemoView>();
        else if (tipo == u"picture")
            v = std::make_unique<TrpPictureView>();
        else
            falhar(QStringLiteral("unknown record: %1").arg(tipo));
        v->name = t[1];
        v->x = inteiro(t[2]);
        v->y = inteiro(t[3]);
        v->dx = inteiro(t[4]);
        v->dy = inteiro(t[5]);
        v->flags = 0;
        // The stored templates were made with the comma as decimal separator, whatever the
        // locale the generator runs under.
        v->format = TrpFormat::make(TrpFormat::Text, 0, 2, ',');
        v->pageIndex = static_cast<int>(report.pages.size()) - 1;
        bool temTexto = false;
        for (qsizetype i = 6; i < t.size(); ++i) {
            const qsizetype igual = t[i].indexOf(u'=');
            if (igual <= 0) falhar(QStringLiteral("expected key=value: %1").arg(t[i]));
            const QString chave = t[i].left(igual), valor = t[i].mid(igual + 1);
            if (chave == u"text") {
                if (!temTexto) v->memo.clear();
                v->memo << valor;
                temTexto = true;
            } else {
                atributo(*v, chave, valor);
            }
        }
        if (report.pages.back().findObject(v->name))
            falhar(QStringLiteral("duplicate name: %1").arg(v->name));
        report.pages.back().objects.push_back(std::move(v));
    }

    void lerReport(const QStringList& t) {
        for (const auto& [chave, valor] : pares(t)) {
            if (chave == u"printer")
                report.printerName = valor;
            else if (chave == u"printToDefault")
                report.printToDefault = booleano(valor);
            else if (chave == u"doublePass")
                report.doublePass = booleano(valor);
            else
                falhar(QStringLiteral("unknown report setting: %1").arg(chave));
        }
    }

    void lerPagina(const QStringList& t) {
        TrpPage p;
        for (const auto& [chave, valor] : pares(t)) {
            if (chave == u"paper") {
                p.paperCode = inteiro(valor);
            } else if (chave == u"width") {
                p.width = inteiro(valor);
            } else if (chave == u"height") {
                p.height = inteiro(valor);
            } else if (chave == u"margins") {
                const QStringList m = valor.split(u',');
                if (m.size() != 4) falhar(QStringLiteral("margins need four values"));
                p.marginLeft = inteiro(m[0]);
                p.marginTop = inteiro(m[1]);
                p.marginRight = inteiro(m[2]);
                p.marginBottom = inteiro(m[3]);
            } else if (chave == u"orientation") {
                p.orientation = inteiro(valor);
            } else if (chave == u"printToPrevPage") {
                p.printToPrevPage = booleano(valor);
            } else if (chave == u"useMargins") {
                p.useMargins = booleano(valor);
            } else if (chave == u"columns") {
                p.columnCount = inteiro(valor);
            } else if (chave == u"gap") {
                p.columnGap = inteiro(valor);
            } else {
                falhar(QStringLiteral("unknown page setting: %1").arg(chave));
            }
        }
        report.pages.push_back(std::move(p));
    }

    static std::vector<std::pair<QString, QString>> pares(const QStringList& t) {
        std::vector<std::pair<QString, QString>> lista;
        for (qsizetype i = 1; i < t.size(); ++i) {
            const qsizetype igual = t[i].indexOf(u'=');
            if (igual <= 0) falhar(QStringLiteral("expected key=value: %1").arg(t[i]));
            lista.emplace_back(t[i].left(igual), t[i].mid(igual + 1));
        }
        return lista;
    }

    void atributo(TrpView& v, const QString& chave, const QString& valor) {
        auto* memo = dynamic_cast<TrpMemoView*>(&v);
        auto* figura = dynamic_cast<TrpPictureView*>(&v);
        auto* banda = dynamic_cast<TrpBandView*>(&v);
        if (chave == u"flags") {
            if (memo)
                v.flags = bits(valor, QStringLiteral("SWBA"),
                               {rpFlags::MemoStretched, rpFlags::MemoWordWrap,
                                rpFlags::MemoWordBreak, rpFlags::MemoAutoSize});
            else if (figura)
                v.flags =
                    bits(valor, QStringLiteral("SCK"),
                         {rpFlags::PictStretched, rpFlags::PictCentered, rpFlags::PictKeepAspect});
            else
                v.flags = bits(valor, QStringLiteral("SNEMFLR"),
                               {rpFlags::BandStretched, rpFlags::BandNewPageAfter,
                                rpFlags::BandPrintIfSubsetEmpty, rpFlags::BandMayBreak,
                                rpFlags::BandOnFirstPage, rpFlags::BandOnLastPage,
                                rpFlags::BandRepeatHeader});
        } else if (chave == u"frame" && !banda) {
            v.frame = bits(valor, QStringLiteral("RBLT"),
                           {rpFrame::Right, rpFrame::Bottom, rpFrame::Left, rpFrame::Top});
        } else if (chave == u"kind" && banda) {
            v.frame = static_cast<std::uint16_t>(inteiro(valor));
        } else if (chave == u"data" && banda) {
            v.formatStr = valor;
        } else if (chave == u"frameWidth") {
            v.frameWidth = valor.toDouble();
        } else if (chave == u"frameColor") {
            v.frameColor = cor(valor);
        } else if (chave == u"frameStyle") {
            v.frameStyle = static_cast<std::uint16_t>(inteiro(valor));
        } else if (chave == u"fill") {
            v.fillColor = cor(valor);
        } else if (chave == u"format") {
            v.format = formato(valor);
        } else if (chave == u"pattern") {
            v.formatStr = valor;
        } else if (chave == u"visible") {
            v.visible = booleano(valor);
        } else if (memo && chave == u"font") {
            memo->font.name = valor;
        } else if (memo && chave == u"size") {
            memo->font.size = inteiro(valor);
        } else if (memo && chave == u"style") {
            memo->font.style = bits(valor, QStringLiteral("IBU"), {1, 2, 4});
        } else if (memo && chave == u"color") {
            memo->font.color = cor(valor);
        } else if (memo && chave == u"charset") {
            memo->font.charset = static_cast<std::uint16_t>(inteiro(valor));
        } else if (memo && chave == u"align") {
            memo->adjust = alinhamento(valor);
        } else if (figura && chave == u"file") {
            lerDesenho(*figura, valor);
        } else {
            falhar(QStringLiteral("unknown setting for %1: %2").arg(v.name, chave));
        }
    }

    void lerDesenho(TrpPictureView& figura, const QString& nome) {
        QFile arquivo(pastaDesenhos.filePath(nome));
        if (!arquivo.open(QIODevice::ReadOnly)) {
            avisos << QStringLiteral("%1: drawing %2 not found, picture stored empty")
                          .arg(figura.name, arquivo.fileName());
            return;
        }
        const QByteArray dados = arquivo.readAll();
        const qint64 tamanho =
            rpTemplate::tamanhoGrafico(TrpPictureView::Metafile, dados.constData(), dados.size());
        if (tamanho <= 0) {
            avisos << QStringLiteral("%1: %2 is not a metafile, picture stored empty")
                          .arg(figura.name, arquivo.fileName());
            return;
        }
        figura.graphicKind = TrpPictureView::Metafile;
        figura.graphic = dados.left(tamanho);
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: gerar_template <description.txt> <output.rpf> <drawings>\n");
        return 2;
    }
    QFile entrada(args[1]);
    if (!entrada.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "%s: cannot open\n", qPrintable(args[1]));
        return 1;
    }
    Gerador g;
    g.report.pages.clear();
    g.pastaDesenhos = QDir(args[3]);
    const QStringList linhas = QString::fromUtf8(entrada.readAll()).split(u'\n');
    for (qsizetype n = 0; n < linhas.size(); ++n) {
        const QString linha = linhas[n].trimmed();
        if (linha.isEmpty() || linha.startsWith(u'#')) continue;
        try {
            g.linha(separarTokens(linha));
        } catch (const ErroDescricao& e) {
            std::fprintf(stderr, "%s:%lld: %s\n", qPrintable(args[1]),
                         static_cast<long long>(n + 1), e.what());
            return 1;
        }
    }
    for (const QString& aviso : g.avisos)
        std::fprintf(stderr, "gerar_template: warning: %s\n", qPrintable(aviso));

    // The written data must read back as what was described.
    const QByteArray form = rpTemplate::escreverForm(g.report);
    TrpReport verificacao;
    if (!rpTemplate::lerForm(verificacao, form)) {
        std::fprintf(stderr, "%s: the written template does not read back\n", qPrintable(args[2]));
        return 1;
    }
    QSaveFile saida(args[2]);
    if (!saida.open(QIODevice::WriteOnly) || saida.write(form) != form.size() || !saida.commit()) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
