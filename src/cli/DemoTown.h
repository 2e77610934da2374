#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class DemoRandom;

// The fixed make-up of the demo town: who it is, its link groups with what they
// collect and spend, its spending units, the standard histories and the rules of
// the manual postings. Everything the random draws pick from lives here.
namespace DemoTown {

struct Entity {
    QString name;    // CLNT1, begins with "PREFEITURA"
    QString address; // ENDERE
    QString cnpj;    // CGC
    QString footer;  // RODAPE
};

struct RevenueShare {
    const char *codre;
    double share;           // negative for a deduction from revenue
    const char *balco = ""; // revenue that also names a patrimonial account
};

struct SpendingShare {
    const char *codlo;
    const char *funcao;
    const char *catec;
    double share;
    const char *balco = ""; // allocations that also name a patrimonial account
};

struct BankKind {
    const char *balco;
    const char *recur;
};

struct GroupProfile {
    const char *group;
    const char *name;
    bool indirect;
    double weight; // share of the town's budget
    QList<const char *> codeNames;
    QList<RevenueShare> revenue;
    QList<SpendingShare> spending;
    QList<BankKind> banks;
};

struct ExtraItem {
    const char *balco;
    const char *group;   // the item lives on the first link of this group
    bool receipts;       // money comes in on it
    bool payments;       // money goes out on it
    double yearShare;    // of its link's budget, moved over the year
    int supplier;        // index into institutionalSuppliers(), -1 for any firm
};

struct Rule { // CONAUT
    const char *grupo;
    const char *d_c;
    const char *condi;
    const char *balco;
    const char *discri;
};

struct History { // CONHIS
    int histo;
    const char *text;
};

struct Named {
    const char *code;
    const char *name;
};

struct GoodKind {
    const char *balco;
    const char *natur;
    const char *desdo;
    QList<const char *> descriptions;
    double weight;
    qint64 minCents;
    qint64 maxCents;
};

Entity entity();
const QList<GroupProfile> &groups();
const QList<Named> &units();
// Every revenue classification a profile names, with its name (RECTAB).
const QList<Named> &revenueCodes();
// The extra-budget items (deposits, consignments, transfers passed on, ...) and
// how their money moves.
const QList<ExtraItem> &extraItems();
const QList<History> &histories();
const QList<Rule> &rules();
const QList<GoodKind> &goodKinds();
// Suppliers that certain expenses always go to, by the name they carry in DESFOR.
const QList<const char *> &institutionalSuppliers();
// A fictional firm or person that sells to the town.
QString supplierName(DemoRandom &random);
// The town's coat of arms: a small 24-bit Windows bitmap drawn in code.
QByteArray logoBitmap();

} // namespace DemoTown
