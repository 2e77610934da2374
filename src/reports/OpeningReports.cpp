#include "reports/OpeningReports.h"

#include "reports/BookParts.h"
#include "reports/QueryReportSource.h"
#include "reports/RecordListSource.h"

#include <QStringList>

namespace OpeningReports {

namespace {

using Align = ReportBand::Align;
using Stroke = ReportBand::Stroke;
using BookParts::ContentWidth;

const QString Title = QStringLiteral("D  I  Á  R  I  O");

// Title, page of pages, and a subtitle between double rules.
ReportBand pageHeader(const QString &subtitle)
{
    ReportBand h(QStringLiteral("pageHeader"), 24.0);
    h.label(0, 0.5, PrinterFont::roman6(), Title, Align::Center, ContentWidth);
    h.pageText(150, 3.0, ContentWidth - 150, PrinterFont::roman20(), QStringLiteral("Pag. {p} de {n}"), Align::Right);
    h.line(0, 9.5, ContentWidth, Stroke::Double);
    h.label(0, 12.5, PrinterFont::draft10(10, true), subtitle, Align::Center, ContentWidth);
    h.line(0, 18.5, ContentWidth, Stroke::Double);
    return h;
}

ReportBand endSummary()
{
    ReportBand s(QStringLiteral("summary"), 16.0);
    const double mid = ContentWidth / 2;
    s.line(mid - 20, 3.0, mid + 20, Stroke::Double);
    s.label(0, 5.5, PrinterFont::draft10(12, true), QStringLiteral("F I M"), Align::Center, ContentWidth);
    s.line(mid - 20, 11.5, mid + 20, Stroke::Double);
    return s;
}

ReportBand doubleRuleFooter()
{
    ReportBand f(QStringLiteral("pageFooter"), 6.0);
    f.line(0, 2.0, ContentWidth, Stroke::Double);
    return f;
}

ReportBand::TextFn column(const char *name)
{
    const QString c = QString::fromLatin1(name);
    return [c](const ReportContext &ctx) { return ctx.text(c); };
}

std::unique_ptr<ReportDefinition> fichasDefinition()
{
    auto def = std::make_unique<ReportDefinition>();
    def->name = QStringLiteral("relatorio1");
    def->pageHeader = pageHeader(QStringLiteral("CLASSIFIÇÕES DO PLANO DE CONTAS DAS FICHAS EXTRAS PARA CONFERÊNCIA"));
    const PrinterFont f = PrinterFont::roman20();

    ReportGroup g;
    g.name = QStringLiteral("TIPO");
    g.key = column("TIPO");
    g.header = ReportBand(QStringLiteral("tipoHeader"), 13.0);
    g.header.field(0, 1.5, 80, PrinterFont::draft10(10, true), column("TIPO"));
    g.header.label(0, 7.0, f, QStringLiteral("FICHA"));
    g.header.label(14, 7.0, f, QStringLiteral("COD"));
    g.header.label(40, 7.0, f, QStringLiteral("DISCRIMINAÇÃO DA FICHA"));
    g.header.label(120, 7.0, f, QStringLiteral("PLANO"));
    g.header.label(135, 7.0, f, QStringLiteral("PLANO NOME"));
    g.header.line(0, 11.0, ContentWidth, Stroke::Solid);
    def->groups.append(g);

    def->detail = ReportBand(QStringLiteral("detail"), 4.0);
    ReportBand &d = def->detail;
    d.field(0, 0.2, 12, f, column("FICHA"), Align::Right);
    d.field(14, 0.2, 25, f, column("CODRE"));
    d.field(40, 0.2, 79, f, column("NOMRE"));
    d.field(120, 0.2, 14, f, column("BALCO"));
    d.field(135, 0.2, ContentWidth - 135, f, column("TITCO"));
    def->pageFooter = doubleRuleFooter();
    return def;
}

std::unique_ptr<ReportDefinition> crossReferenceDefinition()
{
    auto def = std::make_unique<ReportDefinition>();
    def->name = QStringLiteral("relatorio1.subreport");
    def->pageHeader = pageHeader(QStringLiteral("RELAÇÃO CRUZADA ENTRE AS FICHAS E O PLANO DE CONTAS"));
    const PrinterFont f = PrinterFont::roman20();
    const double half = ContentWidth / 2;

    ReportGroup g;
    g.name = QStringLiteral("BALCO");
    g.key = column("BALCO");
    g.header = ReportBand(QStringLiteral("planoHeader"), 12.0);
    g.header.label(0, 1.5, PrinterFont::draft10(10, true), QStringLiteral("PLANO:"));
    g.header.field(18, 1.5, 18, PrinterFont::draft10(10, true), column("BALCO"));
    g.header.field(38, 1.5, ContentWidth - 38, PrinterFont::draft10(10, true), column("TITCO"));
    g.header.label(0, 7.0, f, QStringLiteral("|"));
    g.header.label(3, 7.0, f, QStringLiteral("RECEITA"));
    g.header.label(half, 7.0, f, QStringLiteral("|"));
    g.header.label(half + 3, 7.0, f, QStringLiteral("DESPESA"));
    def->groups.append(g);

    def->detail = ReportBand(QStringLiteral("detail"), 4.0);
    ReportBand &d = def->detail;
    d.label(0, 0.2, f, QStringLiteral("|"));
    d.field(3, 0.2, 10, f, column("FICHA_RECEITA"), Align::Right);
    d.field(15, 0.2, 24, f, column("CODRE"));
    d.field(40, 0.2, half - 41, f, column("NOMRE"));
    d.label(half, 0.2, f, QStringLiteral("|"));
    d.field(half + 3, 0.2, 10, f, column("FICHA_DESPESA"), Align::Right);
    d.field(half + 15, 0.2, 15, f, column("CODLO"));
    d.field(half + 31, 0.2, ContentWidth - half - 31, f, column("NUNIDADE"));
    def->summary = endSummary();
    def->pageFooter = doubleRuleFooter();
    return def;
}

} // namespace

std::unique_ptr<Report> errors(const QString &problems)
{
    auto def = std::make_unique<ReportDefinition>();
    def->name = QStringLiteral("relatorio2");
    def->pageHeader = pageHeader(QStringLiteral("ERROS ENCONTRADOS NAS CLASSIFICAÇÕES DO CÓDIGO PATRIMONIAL"));
    const PrinterFont memo = PrinterFont::fixed(9);
    def->detail = ReportBand(QStringLiteral("detail"), memo.lineHeightMm());
    def->detail.memo(0, 0, ContentWidth, memo, [](const ReportContext &ctx) { return ctx.value(QStringLiteral("LINHA")).toString(); });
    def->summary = endSummary();
    def->pageFooter = doubleRuleFooter();
    auto report = std::make_unique<Report>(QStringLiteral("Erros encontrados"));
    report->addPart(std::move(def), std::make_unique<RecordListSource>(RecordListSource::lines(QStringLiteral("LINHA"), problems)));
    return report;
}

QString fichasSql()
{
    return QStringList{
        QStringLiteral("select cast('FICHAS RECEITA' as char(15)) AS TIPO,recdis.ficha as ficha,cast(recdis.codre as char(17)) as "
                       "codre,rectab.nomre as nomre,recdis.balco as balco,conpla.titco as titco from recdis"),
        QStringLiteral("left join rectab on rectab.codre=recdis.codre"),
        QStringLiteral("left join conpla  on conpla.balco=recdis.balco"),
        QStringLiteral("where recdis.extra ='S'"),
        QStringLiteral("union"),
        QStringLiteral("select cast('FICHAS DESPESA' as char(15)) AS TIPO,viewdesdis.ficha,cast(viewdesdis.codlo as char(17)),"
                       "viewdesdis.nunidade,"),
        QStringLiteral("viewdesdis.balco,conpla.titco from viewdesdis"),
        QStringLiteral("left join conpla on conpla.balco=viewdesdis.balco"),
        QStringLiteral("where viewdesdis.extra = 'S'"),
    }
        .join(QStringLiteral("\r\n"));
}

QString crossReferenceSql()
{
    return QStringList{
        QStringLiteral("SELECT DISTINCT CONPLA.BALCO,CONPLA.TITCO,RECDIS.FICHA AS FICHA_RECEITA,CAST(RECDIS.CODRE AS CHAR(17)) "
                       "CODRE,RECTAB.NOMRE,"),
        QStringLiteral("VIEWDESDIS.FICHA AS FICHA_DESPESA,CAST(VIEWDESDIS.CODLO AS CHAR(17)) CODLO,VIEWDESDIS.NUNIDADE FROM CONPLA"),
        QStringLiteral("LEFT JOIN RECDIS ON RECDIS.BALCO=CONPLA.BALCO"),
        QStringLiteral("LEFT JOIN VIEWDESDIS ON VIEWDESDIS.BALCO=CONPLA.BALCO"),
        QStringLiteral("LEFT JOIN RECTAB ON RECTAB.CODRE=RECDIS.CODRE"),
        QStringLiteral("WHERE"),
        QStringLiteral("(CONPLA.BALCO IN (SELECT BALCO FROM RECDIS WHERE BALCO IS NOT NULL) OR"),
        QStringLiteral("CONPLA.BALCO IN (SELECT BALCO FROM DESDIS WHERE BALCO IS NOT NULL) )"),
    }
        .join(QStringLiteral("\r\n"));
}

std::unique_ptr<Report> extraConference(Database &db)
{
    auto report = std::make_unique<Report>(QStringLiteral("Conferência Extra"));
    report->addPart(fichasDefinition(), std::make_unique<QueryReportSource>(db, fichasSql()));
    report->addPart(crossReferenceDefinition(), std::make_unique<QueryReportSource>(db, crossReferenceSql()));
    return report;
}

} // namespace OpeningReports
