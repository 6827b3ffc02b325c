// The field-diameter dialog: an angular field in degrees becomes the field's diameter at the focus.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TNumberEdit;

class TfrmDiametroCampo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDiametroCampo(QWidget* owner = nullptr);

    // Shows the dialog modally; the diameter shown when it closes with "OK", 0 otherwise.
    double Executar();

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    TNumberEdit* edtArco = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;
    TNumberEdit* edti = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancela = nullptr;

public slots:
    void edtArcoChange();
    void btnOkClick();
    void btnCancelaClick();
};
