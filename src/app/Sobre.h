// The About box: the program's name, version, author, contact address and a telescope.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TImagemSvg;

class TfrmSobre : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSobre(QWidget* owner = nullptr);

    QFrame* Panel1 = nullptr;
    TImagemSvg* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* BitBtn1 = nullptr;

public slots:
    void Label4Click();
    void BitBtn1Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    // The box has no cancel button, so Esc doesn't close it.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void FormCreate();
};
