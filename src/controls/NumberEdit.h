// The numeric input field behind every number the user types.
#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>

class TNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumberEdit(QWidget* parent = nullptr);

    // Reading parses the current edit text (range rule applied); writing formats the text.
    double Value();
    void setValue(double valor);

    QString DisplayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString& formato);
    int DecimalPlaces() const { return m_decimalPlaces; }
    void setDecimalPlaces(int casas);
    double MinValue() const { return m_min; }
    void setMinValue(double v); // re-applies the range rule at once
    double MaxValue() const { return m_max; }
    void setMaxValue(double v);
    bool ZeroEmpty() const { return m_zeroEmpty; }
    void setZeroEmpty(bool on);
    bool BeepOnError() const { return m_beepOnError; }
    void setBeepOnError(bool on) { m_beepOnError = on; }
    Qt::Alignment DisplayAlignment() const { return m_alignment; }
    void setDisplayAlignment(Qt::Alignment a);

    // What the field shows now: the edit text while it is being edited, else the stored value
    // formatted with DisplayFormat.
    QString shownText() const;

    // Pastes the clipboard text; a result that doesn't parse puts back the text from before.
    void pasteChecked();

    // Receives the conversion error of a field left with a text that doesn't parse; the
    // application installs its error box here at start-up.
    static void setErrorHandler(std::function<void(const QString&)> handler);
    // The sound of a refused key; QApplication::beep() unless replaced.
    static void setBeepHandler(std::function<void()> handler);

signals:
    // Fires exactly when the edit text changes (typing, deleting, pasting, Esc, setValue).
    void changed();
    // A field was left with a text that doesn't parse; the focus stays in it.
    void conversionError(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    QChar separadorDecimal() const;
    QChar separadorMilhar() const;
    void reformatarSemAviso(double valor);
    void digitarTexto(const QString& texto);
    void colarTexto(const QString& texto);
    void recusar();
    void reterFoco(const QString& limpo);

    QString m_displayFormat = QStringLiteral("#,##0.00;-#,##0.00");
    int m_decimalPlaces = 2;
    double m_min = 0, m_max = 0;
    bool m_zeroEmpty = true;
    bool m_beepOnError = true;
    Qt::Alignment m_alignment = Qt::AlignRight;

    double m_valor = 0;      // the stored value
    bool m_editando = false; // entered and not yet left: the edit text is shown
    bool m_silencio = false; // text changes that fire no change notification
};
