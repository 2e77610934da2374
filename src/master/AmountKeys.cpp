#include "master/AmountKeys.h"

namespace AmountKeys {

namespace {

bool control(QChar c)
{
    return c == u'\b' || c == u'\r' || c == u'\n';
}

} // namespace

std::optional<QChar> search(QChar typed)
{
    if (typed == u'.')
        return QChar(u',');
    if (typed.isDigit() || typed == u',' || typed == u'-' || control(typed))
        return typed;
    return std::nullopt;
}

std::optional<QChar> entry(QChar typed)
{
    if (typed.isDigit() || typed == u',' || control(typed))
        return typed;
    return std::nullopt;
}

} // namespace AmountKeys
