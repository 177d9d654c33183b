// The deterministic demo data set (same data on every machine) and the machine
// registration of the command line.
#pragma once

#include "veritabani.h"

#include <QDate>
#include <QString>

namespace dorvanto::appserver {

// The day the demo data is built around; dates of orders and documents lie before it.
QDate DemoGunu();

struct TohumAyari {
    int parcaSayisi = 5000;
};

// Fills an empty database (schema already made) with the demo data. Refuses a
// database that already holds parts.
void DemoVeriYukle(Vt &vt, const TohumAyari &ayar);

struct MakineKaydi {
    QString bilgisayarId;
    QString kullanici;
    QString sifre;
    int tip = 3;
    int carino = 0;  // 0: a dealer of its own for types 3 and 4, else the first customer
    int surum = 4;
};

// Adds or replaces the record that BuyukGetir answers for the computer ID. Answers
// the user's record number. Throws VtHatasi with a Turkish message for bad input.
int MakineyiKaydet(Vt &vt, const MakineKaydi &k);

} // namespace dorvanto::appserver
