// The fill-ins of the two reports: the one line written into each named memo of a template.
#pragma once

#include "Global.h"

#include <QChar>
#include <QString>
#include <vector>

// One fill-in row: the memo of the template's first page and the one line written into it.
struct LinhaRelatorio {
    const char* memo;
    QString texto;
};

// The 25 rows of the design report and the 13 of the baffle report, in order of assignment,
// with the given separators (or the user's).
std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto, QChar decimal,
                                                   QChar milhar);
std::vector<LinhaRelatorio> LinhasRelatorioProjeto(const TProjeto& projeto);
std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto, QChar decimal,
                                                    QChar milhar);
std::vector<LinhaRelatorio> LinhasRelatorioDefletor(const TProjeto& projeto);
