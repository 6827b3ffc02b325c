// Prepared pages written as a PDF document: the paper of each page and the one drawing routine.
#include "rpPdf.h"

#include "ArquivoRegular.h"
#include "rpPrepared.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <stdexcept>

QPageLayout rpLeiautePapel(const TrpPapel& p) {
    QPageSize tamanho;
    switch (p.paperCode) {
    case 1:
        tamanho = QPageSize(QPageSize::Letter);
        break;
    case 5:
        tamanho = QPageSize(QPageSize::Legal);
        break;
    case 8:
        tamanho = QPageSize(QPageSize::A3);
        break;
    case 9:
        tamanho = QPageSize(QPageSize::A4);
        break;
    case 11:
        tamanho = QPageSize(QPageSize::A5);
        break;
    default: {
        // Width and height are those of the page as it lies; the paper is given upright.
        const double a = std::min(p.width, p.height) / 10.0, b = std::max(p.width, p.height) / 10.0;
        tamanho = QPageSize(QSizeF(a, b), QPageSize::Millimeter);
        break;
    }
    }
    return QPageLayout(tamanho, p.orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

QPageLayout rpLeiautePagina(const TrpPreparedPage& pagina) {
    return rpLeiautePapel(pagina.papel());
}

void rpEscreverPdf(const TrpPreparedPages& paginas, QIODevice& destino, const QString& titulo) {
    QPdfWriter pdf(&destino);
    pdf.setTitle(titulo);
    pdf.setCreator(QStringLiteral("Projeto Teluvar"));
    // The printer's resolution: fonts keep their point size at it, as on paper.
    constexpr int Resolucao = 1200;
    pdf.setResolution(Resolucao);
    if (paginas.count() > 0) pdf.setPageLayout(rpLeiautePagina(paginas.page(0)));
    QPainter painter;
    if (!painter.begin(&pdf)) throw std::runtime_error("Unable to start the PDF document");
    for (int i = 0; i < paginas.count(); ++i) {
        if (i > 0) {
            const QPageLayout leiaute = rpLeiautePagina(paginas.page(i));
            if (!leiaute.isEquivalentTo(pdf.pageLayout())) pdf.setPageLayout(leiaute);
            pdf.newPage();
        }
        // No margins: the page rectangle is the whole paper, for pages with margins in use and
        // without alike.
        const QRectF alvo(0, 0, pdf.width(), pdf.height());
        paginas.draw(i, painter, alvo, QRectF(), true, Resolucao);
    }
    painter.end();
}

void rpExportarPdf(const TrpPreparedPages& paginas, const QString& arquivo, const QString& titulo) {
    QByteArray dados;
    // About 7 KiB a page of text and lines: one allocation instead of a growing buffer.
    dados.reserve(qsizetype(paginas.count()) * 8192 + 65536);
    {
        QBuffer buffer(&dados);
        buffer.open(QIODevice::WriteOnly);
        rpEscreverPdf(paginas, buffer, titulo);
    }
    GravarArquivoInteiro(arquivo, dados);
}
