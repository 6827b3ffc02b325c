// The numeric input field behind every number the user types.
#pragma once

#include <QApplication>
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
    double MinValue() const { return m_min; }
    void setMinValue(double v); // re-applies the range rule at once
    void setMaxValue(double v);
    void setZeroEmpty(bool on);
    void setBeepOnError(bool on) { m_beepOnError = on; }
    Qt::Alignment DisplayAlignment() const { return m_alignment; }
    void setDisplayAlignment(Qt::Alignment a);

    // What the field shows now: the edit text while it is being edited, else the stored value
    // formatted with DisplayFormat.
    QString shownText() const;

    // Pastes the clipboard text; a result that doesn't parse puts back the text from before.
    void pasteChecked();

    // Replaceable steps (tests replace them): where the conversion error of a field left with
    // a text that doesn't parse goes (the application installs its error box at start-up), and
    // the sound of a refused key (the desktop's beep).
    static inline std::function<void(QWidget* field, const QString&)> ErrorHandler;
    static inline std::function<void()> BeepHandler = [] { QApplication::beep(); };

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
    static constexpr int m_decimalPlaces = 2; // the edit text's decimals
    double m_min = 0, m_max = 0;
    bool m_zeroEmpty = true;
    bool m_beepOnError = true;
    Qt::Alignment m_alignment = Qt::AlignRight;

    double m_valor = 0;      // the stored value
    bool m_editando = false; // entered and not yet left: the edit text is shown
    bool m_silencio = false; // text changes that fire no change notification
};
