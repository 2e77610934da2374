#include "master/ui/Tfrmorganizando.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

Tfrmorganizando::Tfrmorganizando(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmorganizando"));
    setWindowTitle(QStringLiteral("Aguarde..."));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(380, 130);

    auto *text = new QLabel(QStringLiteral("Organizando Arquivo !!!"), this);
    text->setObjectName(QStringLiteral("Label1"));
    QFont bold = text->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    text->setFont(bold);
    text->setAlignment(Qt::AlignCenter);
    m_pass = new QProgressBar(this);
    m_pass->setObjectName(QStringLiteral("ProgressBar1"));
    m_overall = new QProgressBar(this);
    m_overall->setObjectName(QStringLiteral("ProgressBar2"));
    m_overall->setRange(0, 100);
    for (QProgressBar *bar : {m_pass, m_overall}) {
        bar->setValue(0);
        bar->setTextVisible(false);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_pass);
    layout->addWidget(m_overall);
}

void Tfrmorganizando::setPass(int value, int maximum)
{
    m_pass->setRange(0, qMax(maximum, 1));
    m_pass->setValue(qMin(value, qMax(maximum, 1)));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tfrmorganizando::setOverall(int percent)
{
    m_overall->setValue(percent);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
