#include "data/EntryKind.h"

namespace EntryKind {

QString label(int ie)
{
    switch (ie) {
    case 1:
    case 2:
    case 3:
        return QStringLiteral("Lançamento inicial");
    case 6:
        return QStringLiteral("Lançamento de Créditos Suplementares");
    case 7:
        return QStringLiteral("Lançamento de Despesa Empenhada");
    case 8:
        return QStringLiteral("Lançamento de Despesa Anulada");
    case 9:
        return QStringLiteral("Lançamento de Receita Realizada");
    case 11:
        return QStringLiteral("Lançamento Extra-Orçamentário");
    case 12:
        return QStringLiteral("Lançamento de Contas Correntes e Caixa");
    case 13:
        return QStringLiteral("Lançamento de Pagamento Orçamentário");
    case 16:
        return QStringLiteral("Lançamento de Dívida Ativa");
    case 18:
        return QStringLiteral("Lançamento de Causões");
    case 21:
        return QStringLiteral("Lançamento de Transferências Financeiras");
    case 22:
        return QStringLiteral("Lançamento de Valores em Guarda");
    case 24:
        return QStringLiteral("Lançamento de Adiantamento");
    case 26:
        return QStringLiteral("Lançamento de Restos a Pagar");
    case 27:
        return QStringLiteral("Lançamento de Amortizações");
    case 30:
        return QStringLiteral("Lançamento Manual automático");
    case 33:
        return QStringLiteral("Lançamento Manual pelo usuário");
    case 35:
    case 36:
        return QStringLiteral("Lançamentos Finais");
    case 37:
        return QStringLiteral("Incorporação dos Bens Patrimoniais");
    default:
        return {};
    }
}

} // namespace EntryKind
