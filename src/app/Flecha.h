// The sagitta window: both mirrors' sagittas and diameters on a small annotated diagram.
#pragma once

#include <QDialog>

class QKeyEvent;
class QPushButton;
class TImagemSvg;
class TPainelChanfrado;
class TRotulo;

class TfrmFlecha : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFlecha(QWidget* owner = nullptr);

    TPainelChanfrado* Panel1 = nullptr;
    TImagemSvg* Image2 = nullptr;
    TRotulo* lblSag1 = nullptr;
    TRotulo* lblD1 = nullptr;
    TRotulo* lblSag2 = nullptr;
    TRotulo* lblD2 = nullptr;
    QPushButton* BitBtn1 = nullptr;

public slots:
    void BitBtn1Click();

protected:
    // The window has no cancel button, so Esc doesn't close it.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void FormCreate();
};
