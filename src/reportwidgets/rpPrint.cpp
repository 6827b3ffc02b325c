// Printing prepared pages: page lists, copies, paper changes and the print job.
#include "rpPrint.h"

#include "rpPdf.h"
#include "rpPrepared.h"
#include "rpProgress.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <stdexcept>

TrpListaPaginas::TrpListaPaginas(const QString& texto) {
    QString limpo = texto;
    limpo.remove(QLatin1Char(' '));
    if (limpo.isEmpty()) return;
    m_todas = false;
    const QStringList itens = limpo.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& item : itens) {
        const qsizetype traco = item.indexOf(QLatin1Char('-'));
        bool ok1 = false, ok2 = false;
        int a = 0, b = 0;
        if (traco < 0) {
            a = b = item.toInt(&ok1);
            ok2 = ok1;
        } else {
            a = item.left(traco).toInt(&ok1);
            b = item.mid(traco + 1).toInt(&ok2);
        }
        if (ok1 && ok2 && b >= a) m_faixas.emplace_back(a, b);
    }
}

bool TrpListaPaginas::contem(int pagina) const {
    if (m_todas) return true;
    for (const auto& [a, b] : m_faixas)
        if (pagina >= a && pagina <= b) return true;
    return false;
}

namespace {

// The printer's layout for a paper: its size and orientation, the printer's own margins kept
// (in full-page mode the origin stays at the paper's corner whatever the margins).
QPageLayout leiauteNaImpressora(const QPrinter& printer, const TrpPapel& papel,
                                QPageLayout::Mode modo = QPageLayout::FullPageMode) {
    const QPageLayout papelSo = rpLeiautePapel(papel);
    QPageLayout leiaute = printer.pageLayout();
    leiaute.setMode(modo);
    leiaute.setPageSize(papelSo.pageSize());
    leiaute.setOrientation(papelSo.orientation());
    return leiaute;
}

bool mesmoPapel(const QPageLayout& a, const QPageLayout& b) {
    return a.orientation() == b.orientation() && a.pageSize().isEquivalentTo(b.pageSize());
}

} // namespace

QRect rpMetricasDe(const QPrinter& printer, const TrpPapel& papel) {
    const QPageLayout leiaute = leiauteNaImpressora(printer, papel, QPageLayout::StandardMode);
    const QRectF papelPt = leiaute.fullRect(QPageLayout::Point);
    const QMarginsF margens = leiaute.marginsPoints();
    QPageLayout minimo = leiaute;
    minimo.setMargins(leiaute.minimumMargins());
    const QMarginsF minimas = minimo.marginsPoints();
    const double esq = std::max(margens.left(), minimas.left());
    const double topo = std::max(margens.top(), minimas.top());
    const double dir = std::max(margens.right(), minimas.right());
    const double base = std::max(margens.bottom(), minimas.bottom());
    auto x = [](double pontos) { return qRound(pontos / 72.0 * rpUnits::PorPolegadaX); };
    auto y = [](double pontos) { return qRound(pontos / 72.0 * rpUnits::PorPolegadaY); };
    return QRect(x(esq), y(topo), x(papelPt.width() - esq - dir),
                 y(papelPt.height() - topo - base));
}

QRectF rpAlvoDaPagina(const TrpPreparedPage& pagina, const QPrinter& printer) {
    QRectF alvo = printer.paperRect(QPrinter::DevicePixel);
    alvo.moveTopLeft(QPointF(0, 0));
    if (pagina.useMargins) return alvo;
    const double dpi = printer.resolution();
    const QRect& a = pagina.printable;
    return QRectF(a.x() * dpi / rpUnits::PorPolegadaX, a.y() * dpi / rpUnits::PorPolegadaY,
                  a.width() * dpi / rpUnits::PorPolegadaX,
                  a.height() * dpi / rpUnits::PorPolegadaY);
}

bool ImprimirPaginas(const TrpPreparedPages& paginas, QPrinter& printer, const QString& lista,
                     int copias, const QString& titulo, bool mostrarProgresso) {
    if (paginas.count() == 0) return true;
    const TrpListaPaginas selecao(lista);
    copias = std::max(1, copias);
    const QString nome = titulo.isEmpty() ? rpIngles(rpTexto::SemTitulo) : titulo;
    const bool arquivoPdf = printer.outputFormat() == QPrinter::PdfFormat;
    printer.setDocName(rpIngles(rpTexto::NomeTrabalho) + nome);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setPageLayout(leiauteNaImpressora(printer, paginas.page(0).papel()));

    return rpExecutarComProgresso(nome, mostrarProgresso, [&](TrpProgresso& progresso) {
        QPainter painter;
        auto iniciar = [&] {
            if (!painter.begin(&printer)) throw std::runtime_error("Unable to start the print job");
        };
        bool primeira = true;
        for (int i = 0; i < paginas.count(); ++i) {
            if (!selecao.contem(i + 1)) continue;
            const TrpPreparedPage& pagina = paginas.page(i);
            const QPageLayout leiaute = leiauteNaImpressora(printer, pagina.papel());
            for (int c = 0; c < copias; ++c) {
                if (!painter.isActive()) {
                    if (!mesmoPapel(printer.pageLayout(), leiaute)) printer.setPageLayout(leiaute);
                    iniciar();
                } else if (!mesmoPapel(printer.pageLayout(), leiaute)) {
                    if (arquivoPdf) {
                        printer.setPageLayout(leiaute);
                        printer.newPage();
                    } else {
                        painter.end();
                        printer.setPageLayout(leiaute);
                        iniciar();
                    }
                } else if (!primeira) {
                    printer.newPage();
                }
                primeira = false;
                paginas.draw(i, painter, rpAlvoDaPagina(pagina, printer), QRectF(), true,
                             printer.resolution());
                progresso.mostrar(rpIngles(rpTexto::Imprimindo) + QString::number(i + 1));
                if (progresso.cancelado()) {
                    printer.abort();
                    if (painter.isActive()) painter.end();
                    return;
                }
            }
        }
        if (painter.isActive()) painter.end();
    });
}
