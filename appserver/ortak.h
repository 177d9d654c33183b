// Small helpers shared by the seed and the server methods.
#pragma once

#include <QDate>
#include <QString>

namespace dorvanto::appserver {

// Upper case without Turkish-specific letters (ğ->G, ı/i/İ->I, ş->S, ...), the form
// in which the client sends search texts and in which the search column is kept.
QString AramaBicimi(const QString &s);

double Yuvarla2(double v);

// Net unit price after up to four successive discount rates (percent).
double NetFiyat(double fiyat, double i1, double i2, double i3, double i4);

// "25+10": the non-zero rates joined by "+"; "0" when there is none.
QString IndirimYazisi(double i1, double i2, double i3, double i4);

// Turkish money text: 12.345,67
QString ParaYazisi(double v);

// Days since 1899-12-30 and back.
double GunSayisi(const QDate &d);
QDate GundenTarih(double gun);

} // namespace dorvanto::appserver
