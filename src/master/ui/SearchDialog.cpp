#include "master/ui/SearchDialog.h"

#include "data/DbError.h"
#include "data/Interaction.h"
#include "master/ui/LookupTableModel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

SearchDialog::SearchDialog(Database &db, Interaction &ui, const QString &caption, const QString &okText, QWidget *parent)
    : QDialog(parent), m_db(db), m_ui(ui)
{
    setWindowTitle(caption);
    setModal(true);
    resize(760, 460);

    m_searchGroup = new QGroupBox(QStringLiteral("LOCALIZAR POR..."), this);
    m_searchGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_boxes = new QHBoxLayout(m_searchGroup);

    m_model = new LookupTableModel(db, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableView::doubleClicked, this, &SearchDialog::accept);

    m_ok = new QPushButton(okText, this);
    m_ok->setObjectName(QStringLiteral("btnok"));
    m_cancel = new QPushButton(QStringLiteral("Cancela"), this);
    m_cancel->setObjectName(QStringLiteral("btncancel"));
    connect(m_ok, &QPushButton::clicked, this, &SearchDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &SearchDialog::reject);
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_searchGroup);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
}

QLineEdit *SearchDialog::addBox(const QString &label, const QString &objectName, Rule rule, EnterMovesTo enter, int width)
{
    if (!m_boxList.isEmpty())
        m_boxes->addWidget(new QLabel(QStringLiteral("OU"), m_searchGroup));
    auto *caption = new QLabel(label, m_searchGroup);
    auto *edit = new QLineEdit(m_searchGroup);
    edit->setObjectName(objectName);
    edit->setMinimumWidth(width);
    caption->setBuddy(edit);
    m_boxes->addWidget(caption);
    m_boxes->addWidget(edit, width > 120 ? 1 : 0);
    edit->installEventFilter(this);
    m_boxList.append({edit, std::move(rule), enter, {}});
    return edit;
}

QLineEdit *SearchDialog::box(const QString &objectName) const
{
    for (const Box &b : m_boxList)
        if (b.edit->objectName() == objectName)
            return b.edit;
    return nullptr;
}

void SearchDialog::setCharacterFilter(QLineEdit *edit, std::function<std::optional<QChar>(QChar)> filter)
{
    for (Box &b : m_boxList)
        if (b.edit == edit)
            b.filter = std::move(filter);
}

void SearchDialog::showColumns(const QStringList &columns)
{
    m_visibleColumns = columns;
}

void SearchDialog::setSelectionColours(const QColor &background, const QColor &text)
{
    QPalette p = m_grid->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, background);
        p.setColor(group, QPalette::HighlightedText, text);
    }
    m_grid->setPalette(p);
}

void SearchDialog::showQuery(const QString &sql)
{
    try {
        m_model->setSql(m_displayed ? m_displayed(sql) : sql);
    } catch (const DbError &e) {
        m_ui.message(e.driverText(), {}, Interaction::Icon::Error);
        return;
    }
    if (!m_visibleColumns.isEmpty()) {
        const QSqlRecord r = m_model->record();
        for (int c = 0; c < r.count(); ++c)
            m_grid->setColumnHidden(c, !m_visibleColumns.contains(r.fieldName(c)));
        // The grid lists the columns in the order it was given them.
        for (int i = 0; i < m_visibleColumns.size(); ++i) {
            const int logical = r.indexOf(m_visibleColumns[i]);
            if (logical >= 0)
                m_grid->horizontalHeader()->moveSection(m_grid->horizontalHeader()->visualIndex(logical), i);
        }
    }
    const QSqlRecord r = m_model->record();
    for (auto it = m_widths.cbegin(); it != m_widths.cend(); ++it)
        if (const int c = r.indexOf(it.key()); c >= 0)
            m_grid->setColumnWidth(c, it.value());
    if (m_model->rowCount() > 0)
        m_grid->selectRow(0);
}

SearchDialog::Box *SearchDialog::findBox(QObject *watched)
{
    for (Box &b : m_boxList)
        if (b.edit == watched)
            return &b;
    return nullptr;
}

void SearchDialog::keyReleased(Box &box, bool enter)
{
    std::optional<SearchStep> step = box.rule(box.edit->text(), enter);
    if (!step)
        return;
    if (step->clearOthers)
        for (Box &other : m_boxList)
            if (other.edit != box.edit)
                other.edit->clear();
    showQuery(step->sql);
}

void SearchDialog::moveFocus(bool forward)
{
    focusNextPrevChild(forward);
}

bool SearchDialog::keyPressed(Box &box, QKeyEvent *event)
{
    const int key = event->key();
    if (isEnter(key)) {
        // The release reaches the control that takes the focus, so Enter's rule runs here.
        keyReleased(box, true);
        if (box.enter == EnterMovesTo::Grid)
            m_grid->setFocus();
        else
            moveFocus(true);
        return true;
    }
    if (m_arrowsMove && (key == Qt::Key_Down || key == Qt::Key_Up)) {
        moveFocus(key == Qt::Key_Down);
        return true;
    }
    if (box.filter && !event->text().isEmpty() && event->text().front().isPrint()) {
        const auto c = box.filter(event->text().front());
        if (c && *c != event->text().front())
            box.edit->insert(QString(*c));
        return !c || *c != event->text().front();
    }
    return false;
}

bool SearchDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event)->key())) {
        accept();
        return true;
    }
    if (Box *b = findBox(watched)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyPress)
            return keyPressed(*b, key);
        if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat() && !isEnter(key->key())) {
            keyReleased(*b, false);
            return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SearchDialog::accept()
{
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid())
        m_chosen = m_model->record(current.row());
    else
        m_chosen.reset();
    QDialog::accept();
}
