// The remembered login, ayar.ini in the per-user folder: section "kullanici", keys
// "isim", "sifre", "hatırla". Written as UTF-8 with the keys as they are (no escaping
// of "ı"), the file readable by its owner only (0600). Other sections and keys of the
// file are kept when it is written.
#pragma once

#include <QString>

namespace dorvanto {

struct HatirlananGiris {
    QString isim;
    QString sifre;
    bool hatirla = true;
};

QString AyarDosyasiYolu();   // AyarKlasoru() + "/ayar.ini"

// Reads the file; false when there is none (the fields keep their defaults).
bool AyarOku(const QString &yol, HatirlananGiris &g);
// Writes the three keys; false (and `hata`) when the file cannot be written.
bool AyarYaz(const QString &yol, const HatirlananGiris &g, QString *hata = nullptr);

// INI helpers: one value of a section ("" / `varsayilan` when absent) and a write.
QString IniDegeri(const QByteArray &icerik, const QString &bolum, const QString &anahtar, const QString &varsayilan,
                  bool *bulundu = nullptr);
QByteArray IniDegeriYaz(const QByteArray &icerik, const QString &bolum, const QString &anahtar,
                        const QString &deger);

} // namespace dorvanto
