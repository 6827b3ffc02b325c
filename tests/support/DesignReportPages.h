// Prepared pages made by the real engine from the stored design report (preview tests, bench).
#pragma once

#include "Calculo.h"
#include "DataSet.h"
#include "Modelos.h"
#include "rpModel.h"
#include "rpPrepare.h"
#include "rpPrepared.h"
#include "rpTemplateStream.h"

#include <memory>
#include <stdexcept>

// The design report over `linhas` result rows (the first page holds 23, every further one 70).
inline std::unique_ptr<TrpPreparedPages> PaginasDoRelatorio(int linhas) {
    TMemDataSet dtDados(QStringLiteral("dtDados"));
    DefinirCamposDados(dtDados);
    dtDados.Open();
    for (int i = 0; i < linhas; ++i) {
        dtDados.Append();
        dtDados.SetField(QStringLiteral("Descricao"), QStringLiteral("Linha %1").arg(i + 1));
        dtDados.SetField(QStringLiteral("Valor"), QString::number(i + 1));
        dtDados.Post();
    }
    TrpDBDataSet fonte;
    fonte.name = QStringLiteral("rpDBDataSet1");
    fonte.dataSet = &dtDados;
    TrpReport relatorio;
    relatorio.showProgress = false;
    relatorio.dataSets = {&dtDados};
    relatorio.dataSources = {&fonte};
    relatorio.dataSource = &fonte;
    if (!rpTemplate::carregarRecurso(relatorio, CaminhoModelo(QStringLiteral("projeto"))))
        throw std::runtime_error("stored design template missing");
    rpTemplate::ligarDataSources(relatorio);
    TrpBuildResult resultado = BuildReport(relatorio);
    if (resultado.outcome != TrpBuildResult::Built)
        throw std::runtime_error(resultado.error.toStdString());
    return std::move(resultado.pages);
}

// A report of `paginas` pages.
inline std::unique_ptr<TrpPreparedPages> PaginasTeste(int paginas) {
    return PaginasDoRelatorio(paginas <= 1 ? 19 : 23 + 70 * (paginas - 2) + 1);
}
