// The numeric input field behind every number the user types.
#pragma once

#include <QLineEdit>
#include <QString>

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

signals:
    // Fires exactly when the edit text changes (typing, deleting, pasting, Esc, setValue).
    void changed();

    // ... implementation details are private
private:
    QString m_displayFormat = QStringLiteral("#,##0.00;-#,##0.00");
    int m_decimalPlaces = 2;
    double m_min = 0, m_max = 0;
    bool m_zeroEmpty = true;
    bool m_beepOnError = true;
    Qt::Alignment m_alignment = Qt::AlignRight;
};
