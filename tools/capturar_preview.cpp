// Writes the preview window screenshots and both reports as PNG pages into docs/.
// Usage: capturar_preview <docs folder>   (run offscreen; needs pdftoppm)
#include "Defletor.h"
#include "Dialogos.h"
#include "DigitarTeste.h"
#include "Idioma.h"
#include "Janela.h"
#include "NumberEdit.h"
#include "Preview.h"
#include "Principal.h"
#include "Relatorios.h"
#include "rpPreview.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdio>

namespace {
// The next print goes to this PDF file instead of a printer.
void imprimirEmPdf(const QString& arquivo) {
    DefinirDialogos(qApp, {.impressao = [arquivo](QWidget*, QPrinter& p) {
                        p.setOutputFormat(QPrinter::PdfFormat);
                        p.setOutputFileName(arquivo);
                        return true;
                    }});
}

bool paraPng(const QString& pdf, const QString& png) {
    QString base = png;
    base.chop(4);
    const int codigo = QProcess::execute(QStringLiteral("pdftoppm"),
                                         {QStringLiteral("-r"), QStringLiteral("80"),
                                          QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                          QStringLiteral("-f"), QStringLiteral("1"), pdf, base});
    return codigo == 0;
}
} // namespace

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    InstalarIdioma(Idioma::Portugues); // the pictures show the Portuguese interface
    if (argc < 2) {
        std::fprintf(stderr, "usage: capturar_preview <docs folder>\n");
        return 2;
    }
    const QDir docs(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir tmp;

    TfrmTeluvar frm;
    frm.show();
    digitarSobre(frm.edtTitulo, QStringLiteral("Cassegrain de 200 mm"));
    digitarSobre(frm.edtD1, QStringLiteral("200"));
    digitarSobre(frm.edtfD, QStringLiteral("4"));
    digitarSobre(frm.edty, QStringLiteral("4"));
    digitarSobre(frm.edte, QStringLiteral("200"));
    digitarSobre(frm.edti, QStringLiteral("20"));

    TfrmPreview* preview = nullptr;
    DefinirDialogos(
        qApp, {.mostrarPreview = [&](QWidget* w) { preview = static_cast<TfrmPreview*>(w); }});
    frm.actPreview->trigger();
    if (!preview) return 1;
    preview->show();
    QTest::qWait(50);
    preview->grab().save(docs.filePath(QStringLiteral("preview-100.png")));
    QTest::mouseClick(preview->btnAjustarAPagina, Qt::LeftButton);
    QTest::qWait(50);
    preview->grab().save(docs.filePath(QStringLiteral("preview-pagina.png")));
    preview->close();

    const QString pdfProjeto = tmp.filePath(QStringLiteral("projeto.pdf"));
    imprimirEmPdf(pdfProjeto);
    frm.actImprimir->trigger();
    bool ok = paraPng(pdfProjeto, docs.filePath(QStringLiteral("relatorio-projeto.png")));

    auto* defletor = new TfrmDefletor(&frm);
    defletor->show();
    digitarSobre(defletor->edtDDi, QStringLiteral("40"));
    digitarSobre(defletor->edtDDe, QStringLiteral("44"));
    digitarSobre(defletor->edtLTotal, QStringLiteral("400"));
    digitarSobre(defletor->edtnG, QStringLiteral("4"));
    digitarSobre(defletor->edtSSDe, QStringLiteral("60"));
    const QString pdfDefletor = tmp.filePath(QStringLiteral("defletor.pdf"));
    imprimirEmPdf(pdfDefletor);
    QTest::mouseClick(defletor->btnImprimir, Qt::LeftButton);
    ok = paraPng(pdfDefletor, docs.filePath(QStringLiteral("relatorio-defletor.png"))) && ok;
    defletor->close();
    return ok ? 0 : 1;
}
