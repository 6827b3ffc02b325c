// Report building on screen: the progress window, the work loop that runs in it, the error box.
#include "rpProgress.h"

#include "rpModel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <exception>

std::function<void(TrpProgressForm&)> rpAoAbrirProgresso;

void rpCaixaErro(const QString& texto, const QString& titulo) {
    QMessageBox::critical(nullptr, titulo, texto);
}

TrpProgressForm::TrpProgressForm(const QString& titulo, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("rpProgressForm"));
    setWindowTitle((titulo.isEmpty() ? rpIngles(rpTexto::SemTitulo) : titulo) +
                   rpIngles(rpTexto::Preparando));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(278, 106);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblProgress"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(8, 20, 262, 20);

    m_cancel = new QPushButton(rpIngles(rpTexto::Cancelar), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    m_cancel->setGeometry(101, 64, 75, 25);
    connect(m_cancel, &QPushButton::clicked, this, &TrpProgressForm::btnCancelClick);

    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        const QRect area = tela->availableGeometry();
        move(area.center() - rect().center());
    }
}

void TrpProgressForm::mostrar(const QString& texto) {
    m_label->setText(texto);
    QCoreApplication::processEvents();
}

void TrpProgressForm::btnCancelClick() {
    reject();
}

void TrpProgressForm::reject() {
    m_cancelado = true;
    QDialog::reject();
}

bool TrpProgressForm::executar(const std::function<void(TrpProgresso&)>& trabalho) {
    std::exception_ptr erro;
    QTimer::singleShot(0, this, [&] {
        if (rpAoAbrirProgresso) rpAoAbrirProgresso(*this);
        try {
            if (!m_cancelado) trabalho(*this);
        } catch (...) {
            erro = std::current_exception();
        }
        if (isVisible()) done(m_cancelado ? QDialog::Rejected : QDialog::Accepted);
    });
    exec();
    if (erro) std::rethrow_exception(erro);
    return !m_cancelado;
}

bool rpExecutarComProgresso(const QString& titulo, bool mostrarJanela,
                            const std::function<void(TrpProgresso&)>& trabalho) {
    if (mostrarJanela && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        TrpProgressForm janela(titulo, QApplication::activeWindow());
        return janela.executar(trabalho);
    }
    TrpProgresso semJanela;
    trabalho(semJanela);
    return true;
}

TrpBuildResult BuildReportWithProgress(TrpReport& report) {
    return BuildReport(report, [&report](const QString& titulo, const auto& trabalho) {
        return rpExecutarComProgresso(titulo, report.showProgress, trabalho);
    });
}

TrpBuildResult ShowBuiltReport(TrpReport& report) {
    TrpBuildResult resultado = BuildReportWithProgress(report);
    if (resultado.outcome == TrpBuildResult::Failed)
        (report.OnError ? report.OnError : rpCaixaErro)(resultado.error,
                                                        rpIngles(rpTexto::TituloErro));
    return resultado;
}
