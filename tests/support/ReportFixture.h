// The report wired to a data set: templates built from the model for the preparation, file and
// printing tests and the benchmarks.
#pragma once

#include "DataSet.h"
#include "rpModel.h"

#include <QImage>
#include <QPainter>
#include <memory>

namespace modelo {

inline std::unique_ptr<TrpBandView> banda(const QString& nome, TrpBandKind tipo, int y, int altura,
                                          const QString& fonte = {}) {
    auto b = std::make_unique<TrpBandView>();
    b->name = nome;
    b->frame = static_cast<std::uint16_t>(tipo);
    b->x = 0;
    b->y = y;
    b->dx = 752;
    b->dy = altura;
    b->flags = rpFlags::BandOnFirstPage | rpFlags::BandOnLastPage;
    b->formatStr = fonte;
    return b;
}

inline std::unique_ptr<TrpMemoView> memo(const QString& nome, int x, int y, int dx, int dy,
                                         const QString& texto, int pontos = 8,
                                         std::uint16_t moldura = 0, int alinhamento = 0) {
    auto m = std::make_unique<TrpMemoView>();
    m->name = nome;
    m->x = x;
    m->y = y;
    m->dx = dx;
    m->dy = dy;
    m->memo = QStringList{texto};
    m->font.name = QStringLiteral("Arial");
    m->font.size = pontos;
    m->frame = moldura;
    m->adjust = static_cast<std::uint32_t>(alinhamento);
    return m;
}

// A report shaped like the design report: title band (y, height), master data band over
// `dtDados` with a 552- and a 120-unit memo, page footer 1018/16 with the date.
struct Relatorio {
    TMemDataSet dados{QStringLiteral("dtDados")};
    TrpDBDataSet fonte;
    TrpReport report;

    Relatorio(int tituloAltura = 652, int mestreY = 704, int mestreAltura = 14) {
        dados.adicionarCampo(QStringLiteral("Descricao"), TMemDataSet::TipoCampo::Texto, 255);
        dados.adicionarCampo(QStringLiteral("Valor"), TMemDataSet::TipoCampo::Texto, 20);
        dados.Open();
        fonte.name = QStringLiteral("rpDBDataSet1");
        fonte.dataSet = &dados;
        report.dataSets = {&dados};
        report.dataSources = {&fonte};
        report.dataSource = &fonte;
        report.showProgress = false;
        TrpPage p;
        p.objects.push_back(
            banda(QStringLiteral("ReportTitle1"), TrpBandKind::ReportTitle, 36, tituloAltura));
        p.objects.push_back(
            memo(QStringLiteral("Memo9"), 36, 37, 679, 20, QStringLiteral("Teluvar"), 12));
        static_cast<TrpMemoView&>(*p.objects.back()).adjust = 2;
        p.objects.push_back(banda(QStringLiteral("MasterData1"), TrpBandKind::MasterData, mestreY,
                                  mestreAltura, QStringLiteral("rpDBDataSet1")));
        p.objects.push_back(memo(QStringLiteral("Memo12"), 40, mestreY, 552, mestreAltura,
                                 QStringLiteral("[dtDados.\"Descricao\"]"), 8,
                                 rpFrame::Left | rpFrame::Bottom));
        p.objects.push_back(memo(QStringLiteral("Memo14"), 592, mestreY, 120, mestreAltura,
                                 QStringLiteral("[dtDados.\"Valor\"]"), 8,
                                 rpFrame::Left | rpFrame::Bottom | rpFrame::Right, 1));
        p.objects.push_back(
            banda(QStringLiteral("PageFooter1"), TrpBandKind::PageFooter, 1018, 16));
        p.objects.push_back(
            memo(QStringLiteral("Memo37"), 619, 1018, 96, 16, QStringLiteral("[DATE]"), 8, 0, 1));
        auto& data = static_cast<TrpMemoView&>(*p.objects.back());
        data.format = TrpFormat::make(TrpFormat::Date, 4, 2, ',');
        data.formatStr = QStringLiteral("dd/mm/yyyy");
        report.pages.push_back(std::move(p));
    }

    void linhas(int n) {
        dados.EmptyTable();
        for (int i = 1; i <= n; ++i) {
            dados.Append();
            dados.SetField(QStringLiteral("Descricao"), QStringLiteral("Linha %1").arg(i));
            dados.SetField(QStringLiteral("Valor"), QStringLiteral("%1,00").arg(i));
            dados.Post();
        }
        dados.First();
    }
};

} // namespace modelo
