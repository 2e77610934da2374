#pragma once

#include <QImage>
#include <QString>

class Database;

// The entity record and logo that open every printed book.
struct ReportEntity {
    QString name;    // CADCLI.CLNT1
    QString address; // CADCLI.ENDERE
    QString cgc;     // CADCLI.CGC
    QString year;    // CADCLI.MEXER
    QImage logo;     // LOGO.LOGO; null when there is none or it cannot be read
    bool showLogo = false; // LOGO.MOSTRA is "S"

    static ReportEntity load(Database &db);
    // The logo to print: null unless it is to be shown.
    QImage printedLogo() const { return showLogo ? logo : QImage(); }
};
