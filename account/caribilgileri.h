// Logic of the customer selection without widgets: the search text and the lines of
// the "Cari Bilgileri" group for one row of the customer table.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace dorvanto {

class ResultTable;

// The search edit's text as it is sent: every "ı" becomes "i", then trimmed.
QString CariAramaMetni(const QString &metin);

struct CariBilgiSatiri {
    QString etiket;        // "CariKod:"
    QString deger;         // may hold line breaks
    bool ayiracSonra = false;
    bool sagaYasli = false;
};

// The lines of "Cari Bilgileri" for `row` of the table (missing fields read as empty).
QList<CariBilgiSatiri> CariBilgiSatirlari(const ResultTable &t, int row);

// Grid columns: shown in this order, and the hidden ones.
const QStringList &CariGorunenSutunlar();
const QStringList &CariGizliSutunlar();

} // namespace dorvanto
