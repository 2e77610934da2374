#pragma once

#include "reports/PrintParameters.h"

#include <QDialog>

class QCheckBox;

// "Parâmetros de Impressão": the two printing switches of this workstation.
class TfrmParamImp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmParamImp(const QString &iniPath = PrintParameters::defaultPath(), QWidget *parent = nullptr);

    void btnokClick();

private:
    QString m_iniPath;
    QCheckBox *m_verify;
    QCheckBox *m_matrix;
};
