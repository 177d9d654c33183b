// Writing the answers of the server methods as JSON text (protocol.md): values,
// tables ({"columns": [...], "rows": [...]}) straight from a statement, and the
// {"result": [...]} envelope. Text is produced directly, so a 5,000-row table
// costs one pass over the statement.
#pragma once

#include "veritabani.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <vector>

namespace dorvanto::appserver {

void jsonMetinYaz(QByteArray &c, const char *utf8, qsizetype n);
void jsonMetinYaz(QByteArray &c, const QString &s);
void jsonReelYaz(QByteArray &c, double v);  // never NaN or infinity: those become 0
void jsonTamYaz(QByteArray &c, qint64 v);

enum class Tur { Metin, Memo, Tam, Tam64, Reel, Para, Mantik, Tarih, TarihSaat, Blob };

struct Sutun {
    const char *ad;
    Tur tur;
    int boy = 0;  // maximum length of a text column; 0 = not given
};

using Sutunlar = std::vector<Sutun>;

// A table answer. Cells are appended row by row in column order.
class Tablo {
public:
    explicit Tablo(Sutunlar sutunlar);

    const Sutunlar &sutunlar() const { return m_sutunlar; }
    // Appends every row of the statement; statement column i fills table column i.
    int doldur(Komut &k);
    void satirBasi();
    void tam(qint64 v);
    void reel(double v);
    void metin(const QString &v);
    void bos();
    void satirSonu();
    int satirSayisi() const { return m_satir; }
    // The finished JSON text of the table.
    QByteArray json() const;

private:
    void ayirac();
    Sutunlar m_sutunlar;
    QByteArray m_satirlar;
    int m_satir = 0;
    int m_hucre = 0;
};

// Builds {"result": [...]} from the out-parameters and the return value.
class Sonuc {
public:
    Sonuc &tam(qint64 v);
    Sonuc &reel(double v);
    Sonuc &mantik(bool v);
    Sonuc &metin(const QString &v);
    Sonuc &ham(const QByteArray &json);  // an already written JSON value (object, table, null)
    Sonuc &akis(const QByteArray &bytes);  // base64 string
    QByteArray govde() const;
    int degerSayisi() const { return m_sayi; }

private:
    void ayirac();
    QByteArray m_c;
    int m_sayi = 0;
};

QByteArray hataGovdesi(const QString &mesaj);

} // namespace dorvanto::appserver
