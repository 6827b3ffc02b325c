// Report preparation: pages built from a template over its data sets.
#pragma once

#include "rpPrepared.h"
#include "rpTexto.h"

#include <QString>
#include <functional>
#include <memory>

class TrpReport;

// What the work sees of a progress display: a label to update and whether the user cancelled.
class TrpProgresso {
public:
    virtual ~TrpProgresso() = default;
    virtual void mostrar(const QString& texto) { (void)texto; }
    virtual bool cancelado() const { return false; }
};

// Runs the work under a progress display captioned with the title; false when the user
// cancelled. Without one the work runs directly.
using TrpExecutor =
    std::function<bool(const QString& titulo, const std::function<void(TrpProgresso&)>& trabalho)>;

// What building a report gives: its pages, the error that stopped it, or that the user cancelled.
struct TrpBuildResult {
    enum Outcome { Built, Failed, Cancelled };
    Outcome outcome = Built;
    std::unique_ptr<TrpPreparedPages> pages; // never null; empty unless built
    QString error;                           // the error text when failed
};

// Builds the pages of `report`: the date and time are taken once, the begin-of-document event
// runs, then the pages are built inside `executor` (titled with the report's title, "Untitled"
// when empty). An error while an object is evaluated stops the work.
TrpBuildResult BuildReport(TrpReport& report, const TrpExecutor& executor = {});
