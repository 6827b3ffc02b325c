// The up-down control bound to an edit, and the integer conversion it reads the edit with.
#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

// An up-down bound to an edit: the edit shows the position; arrows and arrow keys step by 1.
// Every change of the position is announced first through changingEx with the new value.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    void setAssociate(QLineEdit* edit);
    void setRange(int minimo, int maximo);
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

// The integer conversion the up-down reads its edit with: one leading minus sign, or a leading '$'
// before hexadecimal digits; false when the text is no integer.
bool ConverterInteiro(const QString& texto, int& valor);
