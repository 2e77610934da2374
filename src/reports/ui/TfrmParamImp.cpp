#include "reports/ui/TfrmParamImp.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TfrmParamImp::TfrmParamImp(const QString &iniPath, QWidget *parent) : QDialog(parent), m_iniPath(iniPath)
{
    setObjectName(QStringLiteral("frmParamImp"));
    setWindowTitle(QStringLiteral("Parâmetros de Impressão"));
    m_verify = new QCheckBox(QStringLiteral("Habilitar Verificação para Impressão Direta ou Visualizada em Tela ?"), this);
    m_verify->setObjectName(QStringLiteral("chkVerificacao"));
    m_matrix = new QCheckBox(QStringLiteral("Imprimir em Impressora Matricial."), this);
    m_matrix->setObjectName(QStringLiteral("chkMatricial"));
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnok"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_verify);
    layout->addWidget(m_matrix);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const PrintParameters p = PrintParameters::load(m_iniPath);
    m_verify->setChecked(p.verify);
    m_matrix->setChecked(p.matrixPrinter);
    connect(ok, &QPushButton::clicked, this, &TfrmParamImp::btnokClick);
}

void TfrmParamImp::btnokClick()
{
    const PrintParameters p{m_verify->isChecked(), m_matrix->isChecked()};
    if (!p.save(m_iniPath)) {
        QMessageBox::critical(this, QStringLiteral("Erro"), QStringLiteral("Não é possível gravar o arquivo: ") + m_iniPath);
        return;
    }
    accept();
}
