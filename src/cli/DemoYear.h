#pragma once

#include <QDate>
#include <QList>
#include <QString>

// One fiscal year of the demo town's budget execution, as rows of the suite's
// tables, before they are written. Amounts are in cents.
struct DemoYear {
    struct Link {
        QString group;
        QString code;
        QString name;
        bool indirect = false; // CLASSE 'A': indirect administration
        double weight = 0;     // share of the town's budget
    };
    struct Group {
        QString group;
        QString name;
    };
    struct Unit {
        QString codlo;
        QString name;
    };
    struct Allocation { // DESDIS
        int ficha = 0;
        QString balco; // empty for ordinary budget allocations
        qint64 dotac = 0;
        QString especial = QStringLiteral("N");
        bool extra = false;
        QString funcao;
        QString codlo;
        QString group;
        QString code;
        QString catec;  // what its commitments are classified as; empty for extra-budget
        QDate opens;    // first day it can be committed
        qint64 credits = 0; // sum of its DESALD movements
    };
    struct Revenue { // RECDIS
        int ficha = 0;
        QString codre;
        qint64 totor = 0;
        QString balco;
        bool extra = false;
        QString group;
        QString code;
    };
    struct RevenueCode { // RECTAB
        QString codre;
        QString name;
    };
    struct Decree { // CADDECRETO
        QString number;
        QString text;
    };
    struct Credit { // DESALD
        int ficha = 0;
        qint64 valor = 0;
        int ie = 0;
        QString decree; // empty: no decree
        QDate date;
    };
    struct Commitment { // DESPES
        int pkemp = 0;
        int pkempa = 0; // the commitment an annulment refers to; 0 for a commitment
        QString tpem;
        int ficha = 0;
        qint64 vadem = 0;
        QDate date;
        QString catec;
        QString group;
        QString code;
        int supplier = 0;
    };
    struct Payment { // PAGAMENTO
        int pkpag = 0;
        int pkemp = 0;
        int codif = 0;
        qint64 vapag = 0;
        QDate date;
    };
    struct Receipt { // RECEIT
        int ficha = 0;
        qint64 varec = 0;
        QDate date;
    };
    struct BankAccount { // DESCON
        int conta = 0;
        QString recur;
        QString balco;
        qint64 opening = 0;
        qint64 deposits = 0;    // CREDI: cash orders in, the opening included
        qint64 withdrawals = 0; // DEBIT
        QString group;
        QString code;
    };
    struct CashOrder { // ORDCAI
        int conta = 0;
        qint64 debit = 0;
        qint64 credi = 0;
        QDate date;
    };
    struct Supplier { // DESFOR
        int codif = 0;
        QString name;
    };
    struct Good { // CADPAT
        int chapa = 0;
        QString natur;
        QString discr;
        QDate acquired;
        QString balco;
        qint64 value = 0;
        QString orig;
        QDate paid;
        QString nota;
        QString codlo;
        QString desdo;
        int codif = 0;
        QString requi;
    };
    struct Movement { // MOVBEM
        int bem = 0;
        QString natur;
        QDate date;
        QString tipo;
    };
    struct Payable { // FRESPA
        int pkemp = 0;
        int ficha = 0;
        qint64 processado = 0;
        qint64 nprocessado = 0;
        QDate date;
        QString catec;
        QString insc;
        QString tpem;
        QString group;
        QString code;
    };

    int year = 0;
    QList<Group> groups;
    QList<Link> links;
    QList<Unit> units;
    QList<Supplier> suppliers;
    QList<RevenueCode> revenueCodes;
    QList<Allocation> allocations;
    QList<Revenue> revenues;
    QList<Decree> decrees;
    QList<Credit> credits;
    QList<Commitment> commitments; // commitments and annulments, by PKEMP
    QList<Payment> payments;
    QList<Receipt> receipts;
    QList<BankAccount> bankAccounts;
    QList<CashOrder> cashOrders;
    QList<Good> goods;
    QList<Movement> movements;
    QList<Payable> payables;

    // Balances the previous year must close with, so that the opening finds them:
    // each extra-budget account's balance carried into January, and the payables.
    struct Carried {
        QString balco;
        qint64 amount = 0;
    };
    QList<Carried> carried;
};
