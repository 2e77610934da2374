#include "master/LinkTree.h"

#include "data/Database.h"
#include "data/Sql.h"

const QString LinkTree::Query = QStringLiteral(
    "SELECT VINCODIGO.*,VINGRUPO.VINGRUPONOME FROM VINCODIGO LEFT JOIN VINGRUPO ON VINGRUPO.VINGRUPO=VINCODIGO.VINGRUPO "
    "ORDER BY VINCODIGO.VINGRUPO,VINCODIGO.VINCODIGO");

LinkTree LinkTree::load(Database &db)
{
    std::vector<Link> links;
    QSqlQuery q = db.query(Query);
    while (q.next()) {
        links.push_back({q.value(QStringLiteral("VINGRUPO")).toString().trimmed(),
                         q.value(QStringLiteral("VINCODIGO")).toString().trimmed(),
                         q.value(QStringLiteral("VINGRUPONOME")).toString().trimmed(),
                         q.value(QStringLiteral("VINCODIGONOME")).toString().trimmed()});
    }
    return build(links);
}

LinkTree LinkTree::build(const std::vector<Link> &links)
{
    LinkTree tree;
    QString previous;
    for (const Link &link : links) {
        const QString text = groupText(link);
        if (tree.m_groups.empty() || text != previous)
            tree.m_groups.push_back({text, {}});
        previous = text;
        tree.m_groups.back().links.push_back(link);
    }
    return tree;
}

QString LinkTree::groupText(const Link &link)
{
    return link.vingrupo + QStringLiteral("   ") + link.vingruponome;
}

QString LinkTree::linkText(const Link &link)
{
    return link.vingrupo + u' ' + link.vincodigo + QStringLiteral("   ") + link.vincodigonome;
}

const LinkTree::Link *LinkTree::pick(int group, int link) const
{
    if (group < 0 || group >= int(m_groups.size()))
        return nullptr;
    const std::vector<Link> &links = m_groups[std::size_t(group)].links;
    const int index = link < 0 ? 0 : link;
    return index < int(links.size()) ? &links[std::size_t(index)] : nullptr;
}

QString LinkTree::noSelectionText()
{
    return QStringLiteral("Clique duas vezes sobre o grupo e escolha o vínculo!");
}

std::optional<QString> LinkTree::groupName(Database &db, const QString &vingrupo)
{
    QSqlQuery q = db.query(QStringLiteral("select * FROM VINGRUPO WHERE VINGRUPO LIKE '") + Sql::escape(vingrupo) +
                           QStringLiteral("%'"));
    if (!q.next())
        return std::nullopt;
    return q.value(QStringLiteral("VINGRUPONOME")).toString().trimmed();
}

std::optional<QString> LinkTree::codeName(Database &db, const QString &vingrupo, const QString &vincodigo)
{
    QSqlQuery q = db.query(QStringLiteral("select * FROM VINCODIGO WHERE VINGRUPO LIKE '") + Sql::escape(vingrupo) +
                           QStringLiteral("%' and VINCODIGO like '") + Sql::escape(vincodigo) + QStringLiteral("%'"));
    if (!q.next())
        return std::nullopt;
    return q.value(QStringLiteral("VINCODIGONOME")).toString().trimmed();
}
