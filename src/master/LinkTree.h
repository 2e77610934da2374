#pragma once

#include <QString>
#include <optional>
#include <vector>

class Database;

// The tree of the link look-up ("Pesquisa de Vínculos"): one top-level node per
// link group, one child per link code, in the order of the query.
class LinkTree {
public:
    struct Link {
        QString vingrupo;
        QString vincodigo;
        QString vingruponome;
        QString vincodigonome;
    };
    struct Group {
        QString text;
        std::vector<Link> links;
    };

    static const QString Query;

    static LinkTree load(Database &db);
    // `links` in the query's order: a new group starts whenever the group text changes.
    static LinkTree build(const std::vector<Link> &links);

    const std::vector<Group> &groups() const { return m_groups; }
    static QString groupText(const Link &link);
    static QString linkText(const Link &link);

    // The link a selection stands for: a group node (`link` -1) stands for its
    // first code. Nothing for a node that does not exist.
    const Link *pick(int group, int link) const;

    static QString noSelectionText();

    // What leaving a link field checks: the name of the first group (or code of a
    // group) that begins with what was typed; nothing when none does.
    static std::optional<QString> groupName(Database &db, const QString &vingrupo);
    static std::optional<QString> codeName(Database &db, const QString &vingrupo, const QString &vincodigo);

private:
    std::vector<Group> m_groups;
};
