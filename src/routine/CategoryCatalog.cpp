#include "routine/CategoryCatalog.h"

#include "routine/CONTAS_CAIXA.h"
#include "routine/Category.h"
#include "routine/Adiantamento.h"
#include "routine/Amortizacao.h"
#include "routine/Caucoes.h"
#include "routine/CreditoSuplementar.h"
#include "routine/Despesa_anulada.h"
#include "routine/Despesa_empenhada.h"
#include "routine/Divida_Ativa.h"
#include "routine/Pagamentos_orcamentarios.h"
#include "routine/Patronal.h"
#include "routine/ReceitasExtras.h"
#include "routine/Receitas_realizadas.h"
#include "routine/RestosPagar.h"
#include "routine/TransferenciaFinanceira.h"
#include "routine/ValoresGuarda.h"

namespace {

template <typename T>
MonthlyRun::Factory make()
{
    return [](MonthlyContext &ctx) -> std::unique_ptr<Category> { return std::make_unique<T>(ctx); };
}

} // namespace

namespace CategoryCatalog {

const QList<MonthlyRun::StatusRow> &statusRows()
{
    static const QList<MonthlyRun::StatusRow> rows = {
        {QStringLiteral("Créditos Orçamentários Suplementar e Especial"), QStringLiteral("credito_suplementar"), make<CreditoSuplementar>()},
        {QStringLiteral("Despesa Empenhada"), QStringLiteral("Despesa_empenhada"), make<Despesa_empenhada>()},
        {QStringLiteral("Despesa Anulada"), QStringLiteral("Despesa_anulada"), make<Despesa_anulada>()},
        {QStringLiteral("Receita Realizada"), QStringLiteral("Receitas_realizadas"), make<Receitas_realizadas>()},
        {QStringLiteral("Receita Anulada"), QString(), {}},
        {QStringLiteral("Despesa e Receita Extraorçamentaria"), QStringLiteral("Receitas_EXTRAS"), make<ReceitasExtras>()},
        {QStringLiteral("Contas Correntes e Caixa"), QStringLiteral("CONTAS_CAIXA"), make<CONTAS_CAIXA>()},
        {QStringLiteral("Despesa Orçamentária Paga"), QStringLiteral("Pagamentos_orcamentarios"), make<Pagamentos_orcamentarios>()},
        {QStringLiteral("Incorporação de Bens Móveis e Imóveis"), QStringLiteral("Divida_Ativa"), make<Divida_Ativa>()},
        {QStringLiteral("Recebimento de Dívida Ativa"), QStringLiteral("CAUCOES"), make<Caucoes>()},
        {QStringLiteral("Conta de Adiantamento"), QStringLiteral("ADIANTAMENTO"), make<Adiantamento>()},
        {QStringLiteral("Conta de Valores em Guarda"), QStringLiteral("VALORES_GUARDA"), make<ValoresGuarda>()},
        {QStringLiteral("Cancelamento de Restos a Pagar"), QStringLiteral("RESTOS_PAGAR"), make<RestosPagar>()},
        {QStringLiteral("Amortização de Dívida Fundada"), QStringLiteral("AMORTIZACAO"), make<Amortizacao>()},
        {QStringLiteral("Contribuição Patronal"), QStringLiteral("PATRONAL"), make<Patronal>()},
        {QStringLiteral("Tranferências Financeiras"), QStringLiteral("TRANSFERENCIA_FINANCEIRA"), make<TransferenciaFinanceira>()},
    };
    return rows;
}

} // namespace CategoryCatalog
