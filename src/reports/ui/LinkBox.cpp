#include "reports/ui/LinkBox.h"

#include "reports/LinkNames.h"
#include "reports/ui/FieldNavigation.h"
#include "reports/ui/ReportFields.h"
#include "reports/ui/ReportLookups.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QToolButton>

LinkBox::LinkBox(Database &db, const QString &title, bool clearWhenEmpty, FieldNavigation *navigation, QWidget *parent)
    : QGroupBox(title, parent), m_db(db), m_clearWhenEmpty(clearWhenEmpty)
{
    setObjectName(QStringLiteral("gbVinculo"));
    m_group = ReportFields::text(QStringLiteral("edVINGRUPO"), 3, this);
    m_code = ReportFields::text(QStringLiteral("edVINCODIGO"), 3, this);
    m_search = new QToolButton(this);
    m_search->setObjectName(QStringLiteral("btnVinculo"));
    m_search->setText(QStringLiteral("..."));
    m_search->setToolTip(QStringLiteral("Consulta tabela de Vinculos"));
    m_search->setEnabled(bool(ReportLookups::linkPicker()));
    m_groupName = new QLabel(this);
    m_groupName->setObjectName(QStringLiteral("lbVINGRUPONOME"));
    m_codeName = new QLabel(this);
    m_codeName->setObjectName(QStringLiteral("lbVINCODIGONOME"));
    for (QLabel *l : {m_groupName, m_codeName}) {
        l->setMinimumWidth(260);
        l->setStyleSheet(QStringLiteral("color: #000080;"));
    }

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Grupo"), this), 0, 0);
    grid->addWidget(m_group, 0, 1);
    grid->addWidget(m_search, 0, 2);
    grid->addWidget(m_groupName, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Codigo"), this), 1, 0);
    grid->addWidget(m_code, 1, 1);
    grid->addWidget(m_codeName, 1, 3);
    grid->setColumnStretch(3, 1);

    navigation->watch(m_group);
    navigation->watch(m_code);
    connect(m_group, &QLineEdit::editingFinished, this, &LinkBox::groupLeft);
    connect(m_code, &QLineEdit::editingFinished, this, &LinkBox::codeLeft);
    connect(m_search, &QToolButton::clicked, this, &LinkBox::search);
}

QString LinkBox::group() const { return m_group->text(); }
QString LinkBox::code() const { return m_code->text(); }
QString LinkBox::groupName() const { return m_groupName->text(); }
QString LinkBox::codeName() const { return m_codeName->text(); }

void LinkBox::message(const QString &text)
{
    QMessageBox::warning(this, LinkNames::caption(), text);
}

void LinkBox::groupLeft()
{
    if (m_busy)
        return;
    const QScopedValueRollback guard(m_busy, true);
    const QString group = m_group->text();
    if (group.isEmpty()) {
        if (m_clearWhenEmpty)
            m_groupName->clear();
        return;
    }
    if (const auto name = LinkNames::groupName(m_db, group)) {
        m_groupName->setText(*name);
        return;
    }
    message(LinkNames::missingGroupMessage(group));
    m_groupName->clear();
    if (!m_clearWhenEmpty)
        m_codeName->clear();
    search();
}

void LinkBox::codeLeft()
{
    if (m_busy)
        return;
    const QScopedValueRollback guard(m_busy, true);
    const QString code = m_code->text();
    if (code.isEmpty()) {
        if (m_clearWhenEmpty)
            m_codeName->clear();
        return;
    }
    if (const auto name = LinkNames::codeName(m_db, m_group->text(), code)) {
        m_codeName->setText(*name);
        return;
    }
    message(LinkNames::missingCodeMessage(m_group->text(), code));
    m_codeName->clear();
    search();
}

void LinkBox::search()
{
    const auto &picker = ReportLookups::linkPicker();
    if (!picker)
        return;
    if (const auto link = picker(window(), m_db)) {
        m_group->setText(link->group);
        m_code->setText(link->code);
        m_groupName->setText(link->groupName);
        m_codeName->setText(link->codeName);
    }
    m_group->setFocus();
}
