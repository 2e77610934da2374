#include "routine/ExtraBudgetAccounts.h"

#include <QList>

namespace {

// An account of four characters is completed with the detail of the allocation.
struct Rule {
    const char *prefix;
    const char *account;
};

const QList<Rule> &receiptRules()
{
    static const QList<Rule> rules = {
        {"3131", "244301"}, {"3132", "244302"}, {"3133", "244303"}, {"3134", "2444"},   {"3135", "244304"},
        {"3231", "243101"}, {"3232", "243102"}, {"3233", "243103"}, {"3234", "243104"}, {"3235", "244304"},
        {"3241", "244101"}, {"3242", "2442"},   {"342", "243103"},  {"3711", "233103"},
    };
    return rules;
}

const QList<Rule> &paymentRules()
{
    static const QList<Rule> rules = {
        {"3131", "234301"}, {"3132", "234302"}, {"3133", "234303"}, {"3134", "2344"},   {"3135", "234304"},
        {"3211", "231101"}, {"3212", "231101"}, {"3221", "232101"}, {"3231", "233101"}, {"3232", "233102"},
        {"3233", "233103"}, {"3234", "233104"}, {"3235", "234304"}, {"3236", "211201"}, {"3237", "2113"},
        {"3241", "234101"}, {"3242", "2342"},   {"33811", "233103"}, {"342", "233103"},
    };
    return rules;
}

std::optional<QString> map(const QList<Rule> &rules, const QString &allocation)
{
    for (const Rule &r : rules) {
        if (!allocation.startsWith(QLatin1String(r.prefix)))
            continue;
        const QString account = QLatin1String(r.account);
        return account.size() == 4 ? account + ExtraBudgetAccounts::detail(allocation) : account;
    }
    return std::nullopt;
}

} // namespace

namespace ExtraBudgetAccounts {

std::optional<QString> receipt(const QString &allocation)
{
    return map(receiptRules(), allocation);
}

std::optional<QString> payment(const QString &allocation)
{
    return map(paymentRules(), allocation);
}

QString detail(const QString &allocation)
{
    return allocation.mid(4, 2);
}

} // namespace ExtraBudgetAccounts
