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

bool mesmoPapel(const QPageLayout& a, const QPageLayout& b) {
    return a.orientation() == b.orientation() && a.pageSize().isEquivalentTo(b.pageSize());
}

} // namespace

bool ImprimirPaginas(const TrpPreparedPages& paginas, QPrinter& printer, const QString& lista,
                     int copias, const QString& titulo, bool mostrarProgresso) {
    if (paginas.count() == 0) return true;
    const TrpListaPaginas selecao(lista);
    copias = std::max(1, copias);
    const QString nome = titulo.isEmpty() ? QString::fromLatin1(rpTexto::SemTitulo) : titulo;
    const bool arquivoPdf = printer.outputFormat() == QPrinter::PdfFormat;
    printer.setDocName(QString::fromLatin1(rpTexto::NomeTrabalho) + nome);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setPageLayout(rpLeiautePagina(paginas.page(0)));

    return rpExecutarComProgresso(nome, mostrarProgresso, [&](TrpProgresso& progresso) {
        QPainter painter;
        auto iniciar = [&] {
            if (!painter.begin(&printer)) throw std::runtime_error("Unable to start the print job");
        };
        bool primeira = true;
        for (int i = 0; i < paginas.count(); ++i) {
            if (!selecao.contem(i + 1)) continue;
            const TrpPreparedPage& pagina = paginas.page(i);
            const QPageLayout leiaute = rpLeiautePagina(pagina);
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
                QRectF alvo = printer.paperRect(QPrinter::DevicePixel);
                alvo.moveTopLeft(QPointF(0, 0));
                if (!pagina.useMargins) alvo = printer.pageRect(QPrinter::DevicePixel);
                paginas.draw(i, painter, alvo, QRectF(), true, printer.resolution());
                progresso.mostrar(QString::fromLatin1(rpTexto::Imprimindo) +
                                  QString::number(i + 1));
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
