#pragma once

#include <QByteArray>
#include <QString>

class Database;

// The entity whose books these are (CADCLI) and its logo (LOGO), as windows and
// report headers show them. Both tables hold one row; a missing row reads empty.
class Entity {
public:
    static Entity load(Database &db);

    QString mexer;  // fiscal year of the data, four digits
    QString clnt1;  // entity name
    QString endere; // address
    QString cgc;    // tax registration number
    QString rodape; // footer of the chart printout
    QByteArray logo; // the picture as stored
    QString mostra; // "S" shows the logo

    // MEXER as a number; 0 when it is not one.
    int fiscalYear() const;
    bool showsLogo() const { return mostra == u"S"; }
};
