#include "cli/DemoTown.h"

#include "cli/DemoRandom.h"

#include <QtEndian>
#include <cmath>

namespace DemoTown {

Entity entity()
{
    return {QStringLiteral("PREFEITURA MUNICIPAL DE VALE DAS ARAUCÁRIAS"),
            QStringLiteral("Praça da Matriz, 100 - Centro - Vale das Araucárias"), QStringLiteral("76.543.210/0001-98"),
            QStringLiteral("Vale das Araucárias - Secretaria Municipal de Finanças")};
}

const QList<GroupProfile> &groups()
{
    // The ordinary resources link also carries the allocations that name a
    // patrimonial account: advances (3711, 3811), guarantees returned (3821) and
    // the amortisation of the funded debt (3421).
    static const QList<GroupProfile> list = {
        {"001", "Recursos Ordinários", false, 0.33,
         {"Recursos Próprios do Tesouro", "Transferências Constitucionais", "Contribuição de Iluminação Pública",
          "Multas de Trânsito", "Royalties e Compensações", "Taxas de Fiscalização", "Fundo Municipal de Cultura",
          "Fundo Municipal do Meio Ambiente"},
         {{"11120200", 0.06},  {"11120800", 0.02},   {"11130311", 0.03},  {"11130500", 0.08},  {"11210000", 0.01},
          {"11220000", 0.01},  {"12300000", 0.02},   {"13250000", 0.01},  {"16009900", 0.01},  {"17210102", 0.38},
          {"17210105", 0.01},  {"17220101", 0.30},   {"17220102", 0.04},  {"19110000", 0.01},  {"19311100", 0.02},
          {"19321100", 0.005}, {"19330000", 0.003},  {"19909900", 0.002, "385201"}, {"97172101", -0.076}, {"97172201", -0.06}},
         {{"01.01", "01", "3.1.90.11", 0.03},
          {"01.01", "01", "3.3.90.39", 0.01},
          {"02.01", "04", "3.1.90.11", 0.05},
          {"02.01", "04", "3.3.90.30", 0.01},
          {"02.01", "06", "3.3.90.39", 0.01},
          {"02.02", "03", "3.3.90.36", 0.005},
          {"03.01", "04", "3.1.90.11", 0.08},
          {"03.01", "04", "3.1.90.13", 0.02},
          {"03.01", "04", "3.1.90.16", 0.01},
          {"03.01", "04", "3.3.90.39", 0.03},
          {"03.01", "04", "3.3.90.46", 0.01},
          {"03.01", "04", "3.3.90.30", 0.004, "371101"},
          {"03.01", "04", "3.3.90.14", 0.003, "381101"},
          {"03.01", "04", "3.3.90.93", 0.003, "382101"},
          {"04.01", "04", "3.3.90.39", 0.02},
          {"04.02", "28", "3.2.90.21", 0.02},
          {"04.02", "28", "4.6.90.71", 0.03, "342101"},
          {"04.02", "28", "3.3.90.93", 0.005},
          {"04.02", "28", "4.5.90.65", 0.003},
          {"07.01", "08", "3.3.50.43", 0.01},
          {"08.01", "15", "3.1.90.11", 0.08},
          {"08.01", "15", "3.3.90.30", 0.05},
          {"08.01", "15", "3.3.90.39", 0.06},
          {"08.01", "16", "4.5.90.61", 0.005},
          {"08.01", "26", "4.4.90.51", 0.05},
          {"08.01", "26", "4.4.90.52", 0.03},
          {"09.01", "20", "3.3.90.30", 0.02},
          {"10.01", "13", "3.3.90.39", 0.015},
          {"10.01", "27", "4.4.90.51", 0.01},
          {"11.01", "18", "3.3.90.39", 0.01}},
         {{"311101", "Caixa"}, {"311201", "Movimento Geral"}, {"311201", "Arrecadação"}, {"311401", "Aplicação"},
          {"311501", "Outros Recursos"}}},
        {"002", "Educação", false, 0.24,
         {"Manutenção e Desenvolvimento do Ensino", "FUNDEB - Profissionais da Educação", "FUNDEB - Outras Despesas",
          "Salário-Educação", "Merenda Escolar", "Transporte Escolar", "Dinheiro Direto na Escola",
          "Educação Infantil"},
         {{"17240000", 0.60}, {"17213500", 0.08}, {"17213600", 0.05}, {"17213700", 0.02}, {"13250000", 0.005}},
         {{"05.01", "12", "3.1.90.11", 0.45},
          {"05.01", "12", "3.1.90.13", 0.08},
          {"05.01", "12", "3.3.90.30", 0.10},
          {"05.01", "12", "3.3.90.39", 0.12},
          {"05.01", "12", "3.3.90.36", 0.04},
          {"05.02", "12", "3.1.90.11", 0.10},
          {"05.01", "12", "4.4.90.51", 0.06},
          {"05.01", "12", "4.4.90.52", 0.05}},
         {{"311202", "Educação"}, {"312101", "FUNDEB"}}},
        {"003", "Saúde", false, 0.17,
         {"Ações e Serviços Públicos de Saúde", "Atenção Primária", "Média e Alta Complexidade",
          "Vigilância em Saúde", "Assistência Farmacêutica", "Saúde Bucal"},
         {{"17213300", 0.35}, {"17213400", 0.25}, {"17223300", 0.10}, {"13250000", 0.01}},
         {{"06.01", "10", "3.1.90.11", 0.40},
          {"06.01", "10", "3.1.90.13", 0.07},
          {"06.01", "10", "3.3.90.30", 0.18},
          {"06.01", "10", "3.3.90.39", 0.20},
          {"06.01", "10", "3.3.90.36", 0.05},
          {"06.01", "10", "4.4.90.52", 0.06},
          {"06.01", "10", "4.4.90.51", 0.04}},
         {{"311203", "Saúde"}, {"312101", "Fundo de Saúde"}}},
        {"009", "Regime Próprio de Previdência", true, 0.07,
         {"Plano Previdenciário", "Plano Financeiro", "Taxa de Administração"},
         {{"12101100", 0.40}, {"12101200", 0.35}, {"13250000", 0.20}, {"19220000", 0.05}},
         {{"12.01", "09", "3.1.90.01", 0.55},
          {"12.01", "09", "3.1.90.03", 0.25},
          {"12.01", "09", "3.1.90.11", 0.05},
          {"12.01", "09", "3.3.90.39", 0.05}},
         {{"311401", "Investimentos RPPS"}, {"311201", "Previdência"}}},
        {"004", "Assistência Social", false, 0.04,
         {"Proteção Social Básica", "Proteção Social Especial", "Gestão do Cadastro Único",
          "Fundo da Infância e Adolescência"},
         {{"17218100", 0.60}, {"17228100", 0.30}, {"13250000", 0.01}},
         {{"07.01", "08", "3.1.90.11", 0.40},
          {"07.01", "08", "3.3.90.30", 0.15},
          {"07.01", "08", "3.3.90.32", 0.10},
          {"07.01", "08", "3.3.90.39", 0.20},
          {"07.01", "08", "3.3.50.43", 0.15}},
         {{"311201", "Assistência Social"}}},
        {"010", "Serviço Autônomo de Água e Esgoto", true, 0.04,
         {"Abastecimento de Água", "Esgotamento Sanitário", "Resíduos Sólidos"},
         {{"16000100", 0.70}, {"16000200", 0.25}, {"19110000", 0.05}},
         {{"13.01", "17", "3.1.90.11", 0.35},
          {"13.01", "17", "3.3.90.30", 0.20},
          {"13.01", "17", "3.3.90.39", 0.25},
          {"13.01", "17", "4.4.90.51", 0.10},
          {"13.01", "17", "4.4.90.52", 0.10}},
         {{"311201", "Água e Esgoto"}, {"311401", "Aplicação SAAE"}}},
        {"005", "Convênios Estaduais", false, 0.03,
         {"Estradas Vicinais", "Pavimentação Urbana", "Saneamento Básico", "Patrulha Agrícola"},
         {{"24710000", 0.80}, {"17610000", 0.20}},
         {{"08.01", "26", "4.4.90.51", 0.60}, {"08.01", "17", "4.4.90.51", 0.20}, {"09.01", "20", "4.4.90.52", 0.20}},
         {{"311301", "Convênio Estadual"}}},
        {"006", "Convênios Federais", false, 0.04,
         {"Habitação de Interesse Social", "Quadra Poliesportiva", "Unidade Básica de Saúde", "Creche Municipal",
          "Máquinas Agrícolas"},
         {{"24210000", 0.85}, {"17620000", 0.15}},
         {{"08.01", "16", "4.4.90.51", 0.40},
          {"10.01", "27", "4.4.90.51", 0.30},
          {"06.01", "10", "4.4.90.51", 0.20},
          {"09.01", "20", "4.4.90.52", 0.10}},
         {{"311301", "Convênio Federal"}, {"312101", "Contrapartida"}}},
        {"007", "Operações de Crédito", false, 0.03,
         {"Financiamento de Pavimentação", "Financiamento de Máquinas Rodoviárias", "Financiamento de Iluminação"},
         {{"21140000", 1.0}},
         {{"08.01", "26", "4.4.90.51", 0.60}, {"08.01", "26", "4.4.90.52", 0.40}},
         {{"311302", "Financiamento"}}},
        {"008", "Alienação de Bens", false, 0.01,
         {"Alienação de Bens Móveis", "Alienação de Imóveis"},
         {{"22130000", 0.60}, {"22210000", 0.40}},
         {{"03.01", "04", "4.4.90.52", 0.60}, {"08.01", "15", "4.4.90.51", 0.40}},
         {{"311201", "Alienação de Bens"}}},
    };
    return list;
}

const QList<Named> &units()
{
    static const QList<Named> list = {
        {"01.01", "Câmara Municipal"},
        {"02.01", "Gabinete do Prefeito"},
        {"02.02", "Procuradoria-Geral do Município"},
        {"03.01", "Secretaria Municipal de Administração"},
        {"04.01", "Secretaria Municipal de Finanças"},
        {"04.02", "Encargos Gerais do Município"},
        {"05.01", "Secretaria Municipal de Educação"},
        {"05.02", "Fundo de Manutenção da Educação Básica"},
        {"06.01", "Fundo Municipal de Saúde"},
        {"07.01", "Fundo Municipal de Assistência Social"},
        {"08.01", "Secretaria Municipal de Obras e Serviços Urbanos"},
        {"09.01", "Secretaria Municipal de Agricultura"},
        {"10.01", "Secretaria Municipal de Cultura, Esporte e Turismo"},
        {"11.01", "Secretaria Municipal de Meio Ambiente"},
        {"12.01", "Instituto de Previdência dos Servidores Municipais"},
        {"13.01", "Serviço Autônomo de Água e Esgoto"},
    };
    return list;
}

const QList<Named> &revenueCodes()
{
    static const QList<Named> list = {
        {"11120200", "Imposto sobre a Propriedade Predial e Territorial Urbana"},
        {"11120800", "Imposto sobre a Transmissão Inter Vivos de Bens Imóveis"},
        {"11130311", "Imposto de Renda Retido na Fonte sobre Rendimentos do Trabalho"},
        {"11130500", "Imposto sobre Serviços de Qualquer Natureza"},
        {"11210000", "Taxas pelo Exercício do Poder de Polícia"},
        {"11220000", "Taxas pela Prestação de Serviços"},
        {"12101100", "Contribuição do Servidor Ativo ao Regime Próprio"},
        {"12101200", "Contribuição Patronal ao Regime Próprio"},
        {"12300000", "Contribuição para o Custeio da Iluminação Pública"},
        {"13250000", "Remuneração de Depósitos Bancários"},
        {"16000100", "Serviços de Abastecimento de Água"},
        {"16000200", "Serviços de Coleta e Tratamento de Esgoto"},
        {"16009900", "Outras Receitas de Serviços"},
        {"17210102", "Cota-Parte do Fundo de Participação dos Municípios"},
        {"17210105", "Cota-Parte do Imposto Territorial Rural"},
        {"17213300", "Transferências do SUS - Atenção Primária"},
        {"17213400", "Transferências do SUS - Média e Alta Complexidade"},
        {"17213500", "Transferência do Salário-Educação"},
        {"17213600", "Transferências do Programa Nacional de Alimentação Escolar"},
        {"17213700", "Transferências do Programa Nacional de Transporte Escolar"},
        {"17218100", "Transferências do Fundo Nacional de Assistência Social"},
        {"17220101", "Cota-Parte do ICMS"},
        {"17220102", "Cota-Parte do IPVA"},
        {"17223300", "Transferências do Estado para a Saúde"},
        {"17228100", "Transferências do Estado para a Assistência Social"},
        {"17240000", "Transferências do FUNDEB"},
        {"17610000", "Transferências de Convênios do Estado - Correntes"},
        {"17620000", "Transferências de Convênios da União - Correntes"},
        {"19110000", "Multas e Juros de Mora"},
        {"19220000", "Compensação Financeira entre Regimes de Previdência"},
        {"19311100", "Receita da Dívida Ativa do IPTU"},
        {"19321100", "Receita da Dívida Ativa não Tributária"},
        {"19330000", "Receita da Dívida Ativa das Contribuições"},
        {"19909900", "Outras Receitas Diversas"},
        {"21140000", "Operações de Crédito Internas - Contratuais"},
        {"22130000", "Alienação de Bens Móveis"},
        {"22210000", "Alienação de Bens Imóveis"},
        {"24210000", "Transferências de Convênios da União - Capital"},
        {"24710000", "Transferências de Convênios do Estado - Capital"},
        {"97172101", "Dedução para o FUNDEB - Cota-Parte do FPM"},
        {"97172201", "Dedução para o FUNDEB - Cota-Parte do ICMS"},
    };
    return list;
}

const QList<ExtraItem> &extraItems()
{
    // Every item that takes receipts also takes payments or the other way round,
    // so that the receipt and payment registers pair up by account as the
    // opening's verification demands; the financial mappings of the extra-budget
    // postings know every prefix used here on the side it moves.
    static const QList<ExtraItem> list = {
        {"313101", "001", true, true, 0.002, -1},
        {"313201", "001", true, true, 0.004, 8},
        {"313301", "001", true, true, 0.001, -1},
        {"313401", "001", true, true, 0.001, -1},
        {"313501", "001", true, true, 0.001, -1},
        {"323101", "001", true, true, 0.020, 1},
        {"323102", "001", true, true, 0.012, 3},
        {"323201", "001", true, true, 0.003, 11},
        {"323301", "001", true, true, 0.004, 3},
        {"323302", "001", true, true, 0.006, 10},
        {"323401", "001", true, true, 0.001, 9},
        {"323501", "001", true, true, 0.001, 10},
        {"323601", "001", true, true, 0.012, 1},
        {"323602", "001", true, true, 0.010, 2},
        {"323603", "002", true, true, 0.012, 1},
        {"323605", "003", true, true, 0.012, 1},
        {"323701", "001", true, true, 0.030, 4},
        {"323702", "001", true, true, 0.010, 2},
        {"324101", "001", true, true, 0.010, 5},
        {"324201", "001", true, true, 0.001, -1},
        {"324202", "001", true, true, 0.001, -1},
        {"342201", "007", true, true, 0.010, 5},
        {"322101", "001", false, true, 0.004, 5},
        {"338111", "001", false, true, 0.001, -1},
        {"371101", "001", true, false, 0.001, 8},
    };
    return list;
}

const QList<History> &histories()
{
    static const QList<History> list = {
        {101, "Saldo do exercício anterior conforme balanço patrimonial"},
        {102, "Saldo financeiro do exercício anterior"},
        {103, "Saldo financeiro transferido do exercício anterior"},
        {104, "Previsão da receita conforme lei orçamentária anual"},
        {105, "Fixação da despesa conforme lei orçamentária anual"},
        {106, "Créditos orçamentários conforme lei orçamentária anual"},
        {201, "Empenhos emitidos no mês conforme relação de empenhos"},
        {202, "Empenhos a pagar conforme relação de empenhos"},
        {203, "Variação patrimonial pelos empenhos do mês"},
        {204, "Anulação de despesa realizada conforme notas de anulação"},
        {205, "Anulação de empenhos a pagar conforme notas de anulação"},
        {206, "Anulação de empenhos conforme notas de anulação"},
        {207, "Liquidação de despesa conforme notas de liquidação"},
        {208, "Despesa liquidada a pagar conforme notas de liquidação"},
        {209, "Variação patrimonial pela anulação de empenhos"},
        {212, "Pagamentos extraorçamentários conforme registros da tesouraria"},
        {214, "Movimentação bancária conforme extratos e ordens de caixa"},
        {216, "Pagamento de empenhos conforme ordens de pagamento"},
        {217, "Saída de numerário pelo pagamento de empenhos"},
        {301, "Receita arrecadada no mês conforme boletins de caixa"},
        {302, "Receita realizada conforme classificação da receita"},
        {303, "Ingresso de numerário pela arrecadação da receita"},
        {304, "Variação patrimonial pela arrecadação da receita"},
        {312, "Recebimentos extraorçamentários conforme registros da tesouraria"},
        {402, "Operação de crédito contratada conforme contrato"},
        {427, "Recebimento de dívida ativa conforme guias de arrecadação"},
        {431, "Mutação patrimonial por operação de crédito"},
        {462, "Empenhos a pagar inscritos em restos a pagar"},
        {465, "Déficit patrimonial compensado com o passivo real descoberto"},
        {466, "Resultado patrimonial do exercício"},
        {467, "Redução do passivo real descoberto"},
        {468, "Incorporação do superávit patrimonial ao ativo real líquido"},
        {469, "Déficit econômico do exercício"},
        {470, "Apuração do déficit econômico verificado"},
        {471, "Encerramento das contas do sistema orçamentário"},
        {472, "Encerramento da despesa realizada"},
        {473, "Encerramento da receita arrecadada"},
        {474, "Encerramento dos créditos adicionais"},
        {475, "Encerramento da receita prevista"},
        {476, "Superávit da execução orçamentária"},
        {477, "Déficit da execução orçamentária"},
        {478, "Encerramento da despesa fixada"},
        {479, "Encerramento dos créditos orçamentários"},
        {480, "Encerramento das previsões de déficit e superávit"},
        {481, "Encerramento das contas de compensação"},
        {482, "Transferência para o passivo real descoberto"},
        {483, "Transferência para o ativo real líquido"},
        {484, "Resultado patrimonial deficitário do exercício"},
        {485, "Encerramento das variações ativas"},
        {486, "Encerramento das variações passivas"},
        {487, "Encerramento das receitas realizadas"},
        {488, "Encerramento das despesas empenhadas"},
        {489, "Encerramento das mutações patrimoniais"},
        {490, "Encerramento dos repasses e transferências"},
        {491, "Apuração do superávit econômico verificado"},
        {492, "Superávit econômico do exercício"},
        {493, "Compensação do déficit com o ativo real líquido"},
        {494, "Redução do ativo real líquido"},
        {495, "Baixa do ativo real líquido pelo déficit"},
        {496, "Compensação do resultado com o passivo real descoberto"},
    };
    return list;
}

const QList<Rule> &rules()
{
    static const QList<Rule> list = {
        {"3311", "D", "C", "412101", "Aquisição de bens móveis"},
        {"3311", "D", "D", "431103", "Incorporação de bens móveis recebidos em doação"},
        {"3311", "D", "R", "431105", "Reavaliação de bens móveis"},
        {"3311", "C", "C", "422102", "Alienação de bens móveis"},
        {"3311", "C", "D", "441103", "Baixa de bens móveis inservíveis"},
        {"3311", "C", "R", "441107", "Reavaliação negativa de bens móveis"},
        {"3312", "D", "C", "412102", "Construção e aquisição de bens imóveis"},
        {"3312", "D", "D", "431103", "Incorporação de imóveis recebidos em doação"},
        {"3312", "D", "R", "431105", "Reavaliação de bens imóveis"},
        {"3312", "C", "C", "422103", "Alienação de bens imóveis"},
        {"3312", "C", "D", "441103", "Baixa de bens imóveis"},
        {"3312", "C", "R", "441107", "Reavaliação negativa de bens imóveis"},
        {"3313", "D", "C", "412103", "Aquisição de bens de natureza industrial"},
        {"3313", "C", "D", "441103", "Baixa de bens de natureza industrial"},
        {"3342", "D", "", "412108", "Obras em andamento"},
        {"3342", "C", "", "441107", "Conclusão de obras transferidas ao imobilizado"},
        {"3321", "D", "", "431101", "Inscrição em dívida ativa"},
        {"3321", "C", "L", "441101", "Cancelamento de dívida ativa"},
        {"3321", "C", "P", "422101", "Cobrança de dívida ativa"},
        {"3331", "D", "", "431107", "Incorporação de títulos e valores"},
        {"3331", "C", "", "441107", "Baixa de títulos e valores"},
        {"3333", "D", "", "431107", "Entrada de material no almoxarifado"},
        {"3333", "C", "", "441107", "Consumo de material do almoxarifado"},
        {"3421", "C", "", "441104", "Incorporação de dívida fundada"},
        {"3421", "D", "L", "431106", "Cancelamento de dívida fundada"},
        {"3421", "D", "P", "412106", "Amortização da dívida fundada"},
        {"3721", "D", "", "382101", "Registro de caução em títulos"},
        {"3721", "C", "", "382101", "Devolução de caução em títulos"},
        {"3731", "D", "", "3831", "Registro de convênio firmado"},
        {"3731", "C", "", "3831", "Baixa de convênio executado"},
        {"3741", "D", "", "384101", "Registro de contrato de serviços"},
        {"3741", "C", "", "384101", "Baixa de contrato de serviços executado"},
    };
    return list;
}

const QList<GoodKind> &goodKinds()
{
    static const QList<GoodKind> list = {
        {"331101", "01", "4.4.90.52",
         {"Armário de aço com duas portas", "Arquivo de aço com quatro gavetas", "Estante de aço", "Bebedouro elétrico",
          "Fogão industrial", "Geladeira duplex"},
         0.28, 80000, 900000},
        {"331102", "01", "4.4.90.52",
         {"Veículo utilitário", "Automóvel de passeio", "Ambulância", "Micro-ônibus escolar", "Motocicleta"}, 0.06,
         1800000, 35000000},
        {"331103", "01", "4.4.90.52",
         {"Roçadeira costal", "Motosserra", "Compressor de ar", "Betoneira", "Gerador de energia", "Retroescavadeira"},
         0.12, 150000, 45000000},
        {"331104", "01", "4.4.90.52",
         {"Cadeira giratória", "Mesa de escritório", "Conjunto escolar de mesa e cadeira", "Sofá de três lugares",
          "Armário escolar"},
         0.20, 20000, 250000},
        {"331105", "01", "4.4.90.52",
         {"Microcomputador desktop", "Notebook", "Impressora multifuncional", "Monitor de vídeo", "Servidor de rede",
          "Projetor multimídia"},
         0.18, 80000, 2500000},
        {"331106", "01", "4.4.90.52",
         {"Ar-condicionado split", "Aparelho de televisão", "Equipamento odontológico", "Cadeira de rodas",
          "Instrumento musical"},
         0.08, 50000, 1500000},
        {"331201", "02", "4.4.90.51", {"Prédio de escola municipal", "Prédio de unidade de saúde", "Galpão de máquinas"},
         0.015, 20000000, 200000000},
        {"331202", "02", "4.5.90.61", {"Terreno urbano", "Área rural para aterro sanitário"}, 0.01, 5000000, 50000000},
        {"331301", "03", "4.4.90.51", {"Rede de distribuição de água", "Reservatório de água"}, 0.01, 3000000,
         60000000},
        {"331302", "03", "4.4.90.51", {"Rede coletora de esgoto", "Estação elevatória de esgoto"}, 0.01, 3000000,
         60000000},
        {"331303", "03", "4.4.90.52", {"Luminárias de LED para iluminação pública", "Poste de iluminação"}, 0.01,
         200000, 5000000},
        {"334201", "04", "4.4.90.51",
         {"Pavimentação asfáltica em andamento", "Construção de creche em andamento", "Reforma de escola em andamento"},
         0.015, 10000000, 150000000},
    };
    return list;
}

const QList<const char *> &institutionalSuppliers()
{
    static const QList<const char *> list = {
        "Servidores Municipais - Folha de Pagamento",
        "Instituto Nacional do Seguro Social",
        "Instituto de Previdência dos Servidores Municipais",
        "Receita Federal do Brasil",
        "Câmara Municipal de Vale das Araucárias",
        "Agência de Fomento do Estado",
        "Aposentados e Pensionistas do Regime Próprio",
        "Entidades Assistenciais Conveniadas",
        "Servidores Municipais - Adiantamentos",
        "Sindicato dos Servidores Municipais",
        "Instituições Consignatárias",
        "Depositantes de Cauções",
    };
    return list;
}

QString supplierName(DemoRandom &random)
{
    static const QList<const char *> kinds = {
        "Comercial", "Distribuidora", "Construtora", "Auto Peças", "Papelaria", "Farmácia", "Transportadora",
        "Clínica", "Laboratório", "Mercado", "Posto de Combustíveis", "Gráfica", "Informática",
        "Materiais de Construção", "Serviços de Limpeza", "Engenharia", "Locadora de Máquinas", "Padaria"};
    static const QList<const char *> places = {
        "Serra Azul", "Boa Vista", "Santa Clara", "Três Pinheiros", "Vale Verde", "Campo Alegre", "Rio Claro",
        "Monte Sião", "Bela Aurora", "Pedra Branca", "São Vicente", "Alvorada", "Nova Esperança", "Água Limpa",
        "Cerro Largo", "Lagoa Dourada"};
    static const QList<const char *> forms = {"Ltda", "ME", "EIRELI", "S/A", "Ltda - EPP"};
    static const QList<const char *> first = {"Maria", "José",  "Ana",  "João",   "Antônio", "Francisca",
                                              "Carlos", "Paulo", "Lúcia", "Pedro", "Marcos", "Sandra",
                                              "Luiz",  "Helena", "Rafael", "Cláudia"};
    static const QList<const char *> last = {"Silva",   "Souza",    "Oliveira",  "Pereira", "Lima",  "Carvalho",
                                             "Ferreira", "Rodrigues", "Almeida", "Costa",   "Gomes", "Martins",
                                             "Araújo",  "Ribeiro",  "Barbosa",   "Rocha"};
    QString name;
    if (random.chance(0.3))
        name = QStringLiteral("%1 %2 %3")
                   .arg(QString::fromUtf8(random.pick(first)), QString::fromUtf8(random.pick(last)),
                        QString::fromUtf8(random.pick(last)));
    else
        name = QStringLiteral("%1 %2 %3")
                   .arg(QString::fromUtf8(random.pick(kinds)), QString::fromUtf8(random.pick(places)),
                        QString::fromUtf8(random.pick(forms)));
    return name;
}

QByteArray logoBitmap()
{
    // A shield in blue and gold with a green araucária, 48 x 48, 24 bits, rows
    // bottom-up as the bitmap format stores them (48 * 3 bytes is already a multiple of 4).
    constexpr int size = 48;
    constexpr int rowBytes = size * 3;
    constexpr int pixelBytes = rowBytes * size;
    QByteArray bmp(14 + 40 + pixelBytes, '\0');
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, bmp.data() + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, bmp.data() + at); };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, quint32(bmp.size()));
    put32(10, 14 + 40);
    put32(14, 40);
    put32(18, size);
    put32(22, size);
    put16(26, 1);
    put16(28, 24);
    put32(34, pixelBytes);
    put32(38, 2835); // 72 dpi
    put32(42, 2835);
    for (int y = 0; y < size; ++y) {       // y counts from the top
        for (int x = 0; x < size; ++x) {
            const double dx = x - 23.5;
            // Shield: straight sides down to row 28, then a rounded point at row 44.
            double halfWidth = 18;
            if (y > 28)
                halfWidth = 18 * std::sqrt(std::max(0.0, 1 - std::pow((y - 28) / 16.0, 2)));
            const bool inShield = y >= 4 && y <= 44 && std::abs(dx) <= halfWidth;
            const bool border = inShield && (y < 7 || std::abs(dx) > halfWidth - 3 || (y > 28 && y > 41));
            // Araucária: tiers of a wide crown on a brown trunk.
            const int tier = (y - 12) % 6;
            const bool crown = y >= 12 && y <= 29 && std::abs(dx) <= 4 + tier * 1.6 - (y - 12) * 0.25;
            const bool trunk = y > 29 && y <= 38 && std::abs(dx) <= 1.5;
            uchar r = 255, g = 255, b = 255;
            if (border) {
                r = 212, g = 175, b = 55;
            } else if (crown && inShield) {
                r = 34, g = 120, b = 50;
            } else if (trunk && inShield) {
                r = 110, g = 70, b = 40;
            } else if (inShield) {
                r = 0, g = 64, b = 128;
            }
            const int at = 54 + (size - 1 - y) * rowBytes + x * 3;
            bmp[at] = char(b);
            bmp[at + 1] = char(g);
            bmp[at + 2] = char(r);
        }
    }
    return bmp;
}

} // namespace DemoTown
