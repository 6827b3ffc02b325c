// Report building on screen: the progress window, the work loop that runs in it, the error box.
#pragma once

#include "rpPrepare.h"

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

// Modal, 278 x 106, centred on the screen, no system menu; caption "<title> - Report
// preparing"; a centred label (window messages are processed when it changes, so that Cancel
// works) and a "Cancel" button (also Escape) that stops the work.
class TrpProgressForm : public QDialog, public TrpProgresso {
    Q_OBJECT
public:
    explicit TrpProgressForm(const QString& titulo, QWidget* parent = nullptr);

    void mostrar(const QString& texto) override;
    bool cancelado() const override { return m_cancelado; }
    QLabel* label() const { return m_label; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Opens the window and runs `trabalho` right after it has opened; returns false when the
    // user cancelled. An exception thrown by the work closes the window and is thrown again.
    bool executar(const std::function<void(TrpProgresso&)>& trabalho);

    void reject() override;

private:
    void btnCancelClick();

    QLabel* m_label = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_cancelado = false;
};

// Runs the work inside the progress window when `mostrarJanela` is set and a QApplication
// exists, otherwise directly. Returns false when the user cancelled.
bool rpExecutarComProgresso(const QString& titulo, bool mostrarJanela,
                            const std::function<void(TrpProgresso&)>& trabalho);

// Called with each progress window right after it has opened (tests press Cancel from here).
extern std::function<void(TrpProgressForm&)> rpAoAbrirProgresso;

// BuildReport inside the progress window (when report.showProgress is set and a QApplication
// exists).
TrpBuildResult BuildReportWithProgress(TrpReport& report);

// BuildReportWithProgress; after an error its text is shown captioned "Error", through the
// report's OnError or else in the engine's error box.
TrpBuildResult ShowBuiltReport(TrpReport& report);

// The engine's error box (text, caption): a modal QMessageBox with the error icon.
void rpCaixaErro(const QString& texto, const QString& titulo);
