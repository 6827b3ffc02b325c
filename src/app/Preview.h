// The preview window: tool bar, zoom box and the preview control showing a report's pages.
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class TrpPreview;

// An up-down bound to an edit: the edit shows the position; arrows and arrow keys step by 1.
// Every change of the position is announced first through changingEx with the new value.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    void setAssociate(QLineEdit* edit);
    void setRange(int minimo, int maximo);
    int min() const { return m_min; }
    int max() const { return m_max; }
    int position() const { return m_position; }
    // Announces the new value (unclamped) when it differs, then stores it within the range
    // and shows it in the edit.
    void setPosition(int valor);
    // Reads the position back from the edit's text (kept when the text is no integer).
    void lerDoEdit();
    void subir();
    void descer();

signals:
    void changingEx(int novoValor);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_edit = nullptr;
    QToolButton* m_cima = nullptr;
    QToolButton* m_baixo = nullptr;
    int m_min = 0, m_max = 100, m_position = 0;
};

// The host's integer conversion of the zoom box: one leading minus sign, or a leading '$'
// before hexadecimal digits; false when the text is no integer.
bool ConverterInteiro(const QString& texto, int& valor);

class TfrmPreview : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPreview(QWidget* owner);

    // Stores the caption and shows it.
    void definirTitulo(const QString& titulo);
    const QString& titulo() const { return m_titulo; }

    TrpPreview* rpPreview1 = nullptr;
    QWidget* ToolBar1 = nullptr;
    QToolButton* btnAbrir = nullptr;
    QToolButton* btnSalvar = nullptr;
    QToolButton* btnConfigurarImpressora = nullptr;
    QToolButton* btnImprimir = nullptr;
    QToolButton* btnZoomIn = nullptr;
    QWidget* Panel1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TUpDown* UpDown1 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* btnZoomOut = nullptr;
    QToolButton* btnAjustarAPagina = nullptr;
    QToolButton* btnAjustarALargura = nullptr;
    QToolButton* btnSair = nullptr;

    // Handlers.
    void FormShow();
    void UpDown1ChangingEx(int novoValor);
    void btnZoomInClick();
    void btnZoomOutClick();
    bool Edit1KeyPress(QChar tecla); // true when the key is swallowed or consumed
    void btnAjustarAPaginaClick();
    void btnAjustarALarguraClick();
    void btnAbrirClick();
    void btnSalvarClick();
    void btnImprimirClick();
    void btnConfigurarImpressoraClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QToolButton* criarBotao(const char* nome, int esquerda, const char* glifo, const QString& dica);
    void criarSeparador(int esquerda);

    QString m_titulo;
};
