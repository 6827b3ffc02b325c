// The progress window of report preparation and printing, and the work loop that runs in it.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

// What the work sees of the progress window: a label to update (window messages are processed
// then, so that Cancel works) and whether the user cancelled.
class TrpProgresso {
public:
    virtual ~TrpProgresso() = default;
    virtual void mostrar(const QString& texto) { (void)texto; }
    virtual bool cancelado() const { return false; }
};

// Modal, 278 x 106, centred on the screen, no system menu; caption "<title> - Report
// preparing"; a centred label and a "Cancel" button (also Escape) that stops the work.
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
