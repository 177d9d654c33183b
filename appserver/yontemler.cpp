#include "yontemler.h"

#include "belgeler.h"
#include "demoveri.h"
#include "jsonyazici.h"
#include "ortak.h"

#include <QDate>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <sqlite3.h>

#include <cmath>
#include <limits>

namespace dorvanto::appserver {

namespace {

// ---- answers ----------------------------------------------------------------------

QByteArray tek(qint64 v) { return Sonuc().tam(v).govde(); }
QByteArray tekMetin(const QString &v) { return Sonuc().metin(v).govde(); }
QByteArray tekTablo(const Tablo &t) { return Sonuc().ham(t.json()).govde(); }

QByteArray akisCevabi(Baglam &b, const QByteArray &veri)
{
    // [size, stream]; under the truncate fault the stream is shorter than announced
    QByteArray gonderilen = veri;
    if (b.akisiKes)
        gonderilen.truncate(veri.size() / 2);
    return Sonuc().tam(veri.size()).akis(gonderilen).govde();
}

template <typename T> QByteArray nesneCevabi(const T &n)
{
    QByteArray c;
    n.JsonYaz(c, 1);
    return Sonuc().ham(c).govde();
}

QByteArray bosNesne() { return Sonuc().ham("null").govde(); }

// ---- stock rows --------------------------------------------------------------------

enum class StokListe { Arama, Yeni, Kampanya };

Sutunlar stokSutunlari(StokListe l)
{
    Sutunlar s = {
        {"DURUM", Tur::Tam}, {"OEM1", Tur::Metin, 50}, {"OEM2", Tur::Metin, 50}, {"OEM3", Tur::Metin, 50},
        {"BARKOD", Tur::Metin, 50}, {"ADI", Tur::Metin, 100}, {"OEM4", Tur::Metin, 50}, {"STOK_STOKNO", Tur::Tam},
        {"FINISHKOD", Tur::Metin, 50}, {"URETICIKODU", Tur::Metin, 50}, {"RESIM", Tur::Tam},
        {"BARKOD_BARKODNO", Tur::Metin, 20}, {"DIGERADI", Tur::Metin, 100}, {"DPKOD", Tur::Metin, 20},
        {"OEMNO", Tur::Metin, 50}, {"BIRIM", Tur::Metin, 10}, {"MARKA", Tur::Metin, 50}, {"MODEL", Tur::Metin, 50},
        {"ANAGRUP", Tur::Metin, 50}, {"OZELKOD", Tur::Metin, 20}, {"KALAN", Tur::Reel}, {"PKOD", Tur::Metin, 20},
        {"KDV", Tur::Tam}, {"ALINANSIPARIS", Tur::Reel}, {"VERILENSIPARIS", Tur::Reel}, {"LISTEFIYAT1", Tur::Reel},
        {"KAMPFIYAT", Tur::Reel}, {"FIYAT", Tur::Reel}, {"Y", Tur::Tam}, {"K", Tur::Tam},
        {"INDIRIMYAZI", Tur::Metin, 30}, {"NETFIYAT", Tur::Reel}, {"KDVDAHIL", Tur::Reel}, {"IND1", Tur::Reel},
        {"IND2", Tur::Reel}, {"IND3", Tur::Reel}, {"IND4", Tur::Reel},
    };
    if (l == StokListe::Kampanya)
        s.push_back({"ESKIFIYAT", Tur::Reel});
    if (l != StokListe::Arama)
        s.push_back({"INDIRIM", Tur::Reel});
    return s;
}

#define STOK_BASI                                                                                               \
    "WITH c(d1, d2, d3, d4, yazi) AS (SELECT ?1, ?2, ?3, ?4, ?5), x AS (SELECT s.*,"                               \
    " CASE WHEN s.kampfiyat > 0 THEN s.kampfiyat ELSE s.fiyat END AS f,"                                       \
    " CASE WHEN s.kampfiyat > 0 THEN 0 ELSE c.d1 END AS i1, CASE WHEN s.kampfiyat > 0 THEN 0 ELSE c.d2 END AS i2," \
    " CASE WHEN s.kampfiyat > 0 THEN 0 ELSE c.d3 END AS i3, CASE WHEN s.kampfiyat > 0 THEN 0 ELSE c.d4 END AS i4," \
    " CASE WHEN s.kampfiyat > 0 THEN '%' || CAST(ROUND((1 - s.kampfiyat / s.fiyat) * 100) AS INTEGER)"          \
    " ELSE c.yazi END AS iy FROM stok s, c WHERE "
#define STOK_SECIM                                                                                              \
    ") SELECT durum, oem1, oem2, oem3, barkod, adi, oem4, stokno, finishkod, ureticikodu, resim,"             \
    " CAST(barkodno AS TEXT), digeradi, dpkod, oemno, birim, marka, model, anagrup, ozelkod, kalan, pkod, kdv,"  \
    " alinansiparis, verilensiparis, fiyat, kampfiyat, f, yeni, CASE WHEN kampfiyat > 0 THEN 1 ELSE 0 END, iy,"   \
    " netfiyat(f, i1, i2, i3, i4), ROUND(netfiyat(f, i1, i2, i3, i4) * (1 + kdv / 100.0), 2), i1, i2, i3, i4"

void stokIndirimleri(Komut &k, Vt &vt, int carino)
{
    double d[4] = {0, 0, 0, 0};
    auto c = vt.hazirla("SELECT ind1, ind2, ind3, ind4 FROM cari WHERE carino=?");
    c.bagla(1, carino);
    if (c.adim())
        for (int i = 0; i < 4; ++i)
            d[i] = c.reel(i);
    for (int i = 0; i < 4; ++i)
        k.bagla(i + 1, d[i]);
    k.bagla(5, IndirimYazisi(d[0], d[1], d[2], d[3]));
}

constexpr int AramaKelimeSiniri = 8;

QByteArray StokAraGetir(Baglam &b, const Parametreler &p)
{
    QStringList kelimeler = AramaBicimi(p.metin(0)).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (kelimeler.size() > AramaKelimeSiniri)
        kelimeler = kelimeler.mid(0, AramaKelimeSiniri);
    // One statement per word count; every word is a bound parameter.
    static const char *const sorgular[AramaKelimeSiniri + 1] = {
#define KOSUL " AND instr(s.aranan, ?) > 0"
#define SON STOK_SECIM " FROM x ORDER BY barkod LIMIT ?"
        STOK_BASI "1" SON,
        STOK_BASI "1" KOSUL SON,
        STOK_BASI "1" KOSUL KOSUL SON,
        STOK_BASI "1" KOSUL KOSUL KOSUL SON,
        STOK_BASI "1" KOSUL KOSUL KOSUL KOSUL SON,
        STOK_BASI "1" KOSUL KOSUL KOSUL KOSUL KOSUL SON,
        STOK_BASI "1" KOSUL KOSUL KOSUL KOSUL KOSUL KOSUL SON,
        STOK_BASI "1" KOSUL KOSUL KOSUL KOSUL KOSUL KOSUL KOSUL SON,
        STOK_BASI "1" KOSUL KOSUL KOSUL KOSUL KOSUL KOSUL KOSUL KOSUL SON,
#undef KOSUL
#undef SON
    };
    auto k = b.vt.hazirla(sorgular[kelimeler.size()]);
    stokIndirimleri(k, b.vt, p.bilgi(1).CARINO());
    // parameters 1-5 are the discounts; the words follow, then the row limit
    for (const QString &w : kelimeler)
        k.ekle(w);
    k.ekle(b.aramaSiniri > 0 ? b.aramaSiniri : VarsayilanAramaSiniri);
    Tablo t(stokSutunlari(StokListe::Arama));
    t.doldur(k);
    return tekTablo(t);
}

QByteArray YenilerVer2(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(STOK_BASI "s.yeni = 1" STOK_SECIM ", i1 FROM x ORDER BY barkod");
    stokIndirimleri(k, b.vt, p.tam(0));
    Tablo t(stokSutunlari(StokListe::Yeni));
    t.doldur(k);
    return tekTablo(t);
}

QByteArray KampanyaliVer2(Baglam &b, const Parametreler &p)
{
    // customer type 4 sees no campaign
    auto k = b.vt.hazirla(STOK_BASI "s.kampfiyat > 0 AND ?6 <> 4" STOK_SECIM
                                    ", fiyat, ROUND((1 - kampfiyat / fiyat) * 100, 2) FROM x ORDER BY barkod");
    stokIndirimleri(k, b.vt, p.tam(0));
    k.bagla(6, p.tam(1));
    Tablo t(stokSutunlari(StokListe::Kampanya));
    t.doldur(k);
    return tekTablo(t);
}

// ---- basket and order lines ---------------------------------------------------------

enum class SatirListe { Sepet, Siparis, Bakiye };

Sutunlar satirSutunlari(SatirListe l)
{
    Sutunlar s = {
        {"SEC", Tur::Tam}, {"VERILISTARIHI", Tur::Tarih}, {"SIRANO", Tur::Tam}, {"SIPARISNO", Tur::Tam},
        {"CARINO", Tur::Tam}, {"TARIH", Tur::Tarih}, {"AKTAR", Tur::Tam}, {"STOKNO", Tur::Tam},
        {"BARKOD", Tur::Metin, 50}, {"FINISHKOD", Tur::Metin, 50}, {"OEMNO", Tur::Metin, 50},
        {"STOKADI", Tur::Metin, 100}, {"MIKTAR", Tur::Reel}, {"BIRIMFIYAT", Tur::Reel}, {"TUTAR", Tur::Reel},
        {"INDIRIMYAZI", Tur::Metin, 30}, {"INDIRIMORANI1", Tur::Reel}, {"INDIRIMORANI2", Tur::Reel},
        {"INDIRIMORANI3", Tur::Reel}, {"INDIRIMTUTAR", Tur::Reel}, {"NETBIRIMFIYAT", Tur::Reel}, {"KDV", Tur::Tam},
        {"VERGITUTARI", Tur::Reel}, {"NETTUTAR", Tur::Reel}, {"KUR", Tur::Metin, 5}, {"KURTL", Tur::Reel},
        {"VERENIDNO", Tur::Tam}, {"SAAT", Tur::Metin, 8}, {"TESLIMID", Tur::Tam}, {"KARGOID", Tur::Tam},
        {"ACIKLAMA", Tur::Metin, 200}, {"IDNO", Tur::Tam}, {"VERENSIRANO", Tur::Tam}, {"VEREN", Tur::Metin, 50},
        {"CARIKOD", Tur::Metin, 25}, {"CARIADI", Tur::Metin, 100}, {"OEM1", Tur::Metin, 50}, {"OEM2", Tur::Metin, 50},
        {"OEM3", Tur::Metin, 50}, {"OEM4", Tur::Metin, 50}, {"STOK_STOKNO", Tur::Tam}, {"URETICIKODU", Tur::Metin, 50},
        {"DIGERADI", Tur::Metin, 100}, {"DPKOD", Tur::Metin, 20}, {"MARKA", Tur::Metin, 50}, {"MODEL", Tur::Metin, 50},
        {"ANAGRUP", Tur::Metin, 50}, {"OZELKOD", Tur::Metin, 20}, {"PKOD", Tur::Metin, 20}, {"DURUM", Tur::Tam},
        {"KALAN", Tur::Reel}, {"INDIRIMORANI4", Tur::Reel},
    };
    if (l != SatirListe::Sepet) {
        Sutunlar ek = {{"TESLIMEDILEN", Tur::Reel}, {"TESLIM", Tur::Metin, 50}, {"KARGO", Tur::Metin, 50},
                       {"STOKHAR_NO", Tur::Tam},    {"ILKFIYAT", Tur::Reel},    {"ELDEKI", Tur::Reel},
                       {"ALINANSIPARIS", Tur::Reel}, {"VERILENSIPARIS", Tur::Reel}};
        s.insert(s.end(), ek.begin(), ek.end());
    }
    return s;
}

#define SATIR_SECIM(SEC, TARIH, SIPNO, TESLIMID, KARGOID, ACIKLAMA, IDNO, KALAN)                                    \
    "SELECT " SEC ", " TARIH ", x.sirano, " SIPNO ", x.carino, " TARIH ", 0, x.stokno, x.barkod, s.finishkod,"    \
    " s.oemno, x.stokadi, x.miktar, x.birimfiyat, x.tut, indirimyazi(x.ind1, x.ind2, x.ind3, x.ind4), x.ind1,"      \
    " x.ind2, x.ind3, ROUND(x.tut - x.net, 2), x.nbf, CAST(ROUND(x.kdv) AS INTEGER),"                                \
    " ROUND(x.net * x.kdv / 100, 2), x.net, 'TL', 1.0, x.verenid, x.saat, " TESLIMID ", " KARGOID ", " ACIKLAMA "," \
    " " IDNO ", x.verenid, COALESCE(u.adi, ''), c.carikod, c.cariadi, s.oem1, s.oem2, s.oem3, s.oem4, x.stokno,"  \
    " s.ureticikodu, s.digeradi, s.dpkod, s.marka, s.model, s.anagrup, s.ozelkod, s.pkod, s.durum, " KALAN ","    \
    " x.ind4"

#define SEPET_SQL                                                                                                \
    SATIR_SECIM("x.sec", "x.tarih", "0", "0", "0", "x.aciklama", "0", "s.kalan")                                 \
    " FROM (SELECT sp.*, ROUND(sp.miktar * sp.birimfiyat, 2) AS tut,"                                           \
    " netfiyat(sp.birimfiyat, sp.ind1, sp.ind2, sp.ind3, sp.ind4) AS nbf,"                                      \
    " ROUND(sp.miktar * netfiyat(sp.birimfiyat, sp.ind1, sp.ind2, sp.ind3, sp.ind4), 2) AS net"                 \
    " FROM sepet sp WHERE sp.carino = ?) x LEFT JOIN stok s ON s.stokno = x.stokno"                                 \
    " LEFT JOIN cari c ON c.carino = x.carino LEFT JOIN kullanici u ON u.sirano = x.verenid ORDER BY x.sirano"

#define SIPARIS_SATIR_SQL(KOSUL)                                                                                 \
    SATIR_SECIM("0", "x.tarih", "x.idno", "x.teslimid", "x.kargoid", "x.stokadi", "x.idno", "x.bakiye")           \
    ", x.teslimedilen, COALESCE(t.adi, ''), COALESCE(kt.adi, ''), 500000 + x.sirano, x.ilkfiyat, s.kalan,"        \
    " s.alinansiparis, s.verilensiparis"                                                                         \
    " FROM (SELECT ss.*, sp.carino, sp.tarih, sp.saat, sp.teslimid, sp.kargoid, '' AS aciklama,"                  \
    " ROUND(ss.miktar * ss.birimfiyat, 2) AS tut, netfiyat(ss.birimfiyat, ss.ind1, ss.ind2, ss.ind3, ss.ind4) AS nbf," \
    " ROUND(ss.miktar * netfiyat(ss.birimfiyat, ss.ind1, ss.ind2, ss.ind3, ss.ind4), 2) AS net"                 \
    " FROM siparissatir ss JOIN siparis sp ON sp.idno = ss.idno WHERE " KOSUL ") x"                                 \
    " LEFT JOIN stok s ON s.stokno = x.stokno LEFT JOIN cari c ON c.carino = x.carino"                             \
    " LEFT JOIN kullanici u ON u.sirano = x.verenid LEFT JOIN teslim t ON t.id = x.teslimid"                       \
    " LEFT JOIN kargotur kt ON kt.id = x.kargoid ORDER BY x.tarih DESC, x.idno DESC, x.sirano"

QByteArray SepetVer2(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(SEPET_SQL);
    k.bagla(1, p.tam(0));
    Tablo t(satirSutunlari(SatirListe::Sepet));
    t.doldur(k);
    return tekTablo(t);
}

QByteArray SiparisAyrintisi2(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(SIPARIS_SATIR_SQL("sp.carino = ?1 AND sp.idno = ?2"));
    k.bagla(1, p.tam(0)).bagla(2, p.tam(1));
    Tablo t(satirSutunlari(SatirListe::Siparis));
    t.doldur(k);
    return tekTablo(t);
}

QByteArray BakiyelerVer2(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(SIPARIS_SATIR_SQL("sp.carino = ?1 AND ss.bakiye > 0"));
    k.bagla(1, p.tam(0));
    Tablo t(satirSutunlari(SatirListe::Bakiye));
    t.doldur(k);
    return tekTablo(t);
}

QByteArray TumSiparislerVer(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(SIPARIS_SATIR_SQL("sp.carino = ?1 AND (?2 = 0 OR ss.stokno = ?2)"));
    k.bagla(1, p.tam(0)).bagla(2, p.tam(1));
    Tablo t(satirSutunlari(SatirListe::Bakiye));
    t.doldur(k);
    return tekTablo(t);
}

bool oranGecerli(double v) { return v >= 0 && v <= 100; }

QByteArray SepetEkle2(Baglam &b, const Parametreler &p)
{
    const int carino = p.tam(1), stokno = p.tam(2);
    const double miktar = p.reel(5), fiyat = p.reel(7);
    const double ind[4] = {p.reel(8), p.reel(11), p.reel(12), p.reel(13)};
    if (miktar <= 0 || fiyat < 0 || !oranGecerli(ind[0]) || !oranGecerli(ind[1]) || !oranGecerli(ind[2]) || !oranGecerli(ind[3]))
        return tek(0);
    Islem is(b.vt);
    auto s = b.vt.hazirla("SELECT barkod, adi, kdv FROM stok WHERE stokno=?");
    s.bagla(1, stokno);
    if (!s.adim())
        return tek(0);
    if (b.vt.hazirla("SELECT COUNT(*) FROM cari WHERE carino=?").bagla(1, carino).tekTam() == 0)
        return tek(0);
    const QDateTime simdi = QDateTime::currentDateTime();
    auto k = b.vt.hazirla("INSERT INTO sepet(carino, stokno, barkod, stokadi, miktar, kdv, birimfiyat, ind1, ind2, ind3,"
                          " ind4, verenid, k, sec, tarih, saat) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,0,?,?)");
    k.ekle(carino).ekle(stokno).ekle(s.metin(0)).ekle(s.metin(1)).ekle(miktar);
    k.ekle(s.reel(2)).ekle(fiyat);
    for (double d : ind)
        k.ekle(d);
    k.ekle(p.tam(9)).ekle(p.tam(10) > 0 ? 1 : 0).ekle(GunSayisi(simdi.date()));
    k.ekle(simdi.time().toString(QStringLiteral("HH:mm")));
    k.calistir();
    is.onayla();
    return tek(1);
}

QByteArray SepetGuncelle2(Baglam &b, const Parametreler &p)
{
    const double miktar = p.reel(5), fiyat = p.reel(7);
    const double ind[4] = {p.reel(8), p.reel(11), p.reel(12), p.reel(13)};
    if (miktar <= 0 || fiyat < 0 || !oranGecerli(ind[0]) || !oranGecerli(ind[1]) || !oranGecerli(ind[2]) || !oranGecerli(ind[3]))
        return tek(0);
    Islem is(b.vt);
    auto k = b.vt.hazirla("UPDATE sepet SET miktar=?, birimfiyat=?, ind1=?, ind2=?, ind3=?, ind4=? WHERE sirano=? AND carino=?");
    k.ekle(miktar).ekle(fiyat);
    for (double d : ind)
        k.ekle(d);
    k.ekle(p.tam(10)).ekle(p.tam(1));
    k.calistir();
    const int degisen = b.vt.degisen();
    is.onayla();
    return tek(degisen > 0 ? 1 : 0);
}

QByteArray SepetHepsiniSil(Baglam &b, const Parametreler &p)
{
    Islem is(b.vt);
    b.vt.hazirla("DELETE FROM sepet WHERE carino=?").bagla(1, p.bilgi(0).CARINO()).calistir();
    const int n = b.vt.degisen();
    is.onayla();
    return tek(n);
}

QByteArray SepetSatirSil(Baglam &b, const Parametreler &p)
{
    Islem is(b.vt);
    b.vt.hazirla("DELETE FROM sepet WHERE sirano=? AND carino=?").bagla(1, p.tam(1)).bagla(2, p.bilgi(0).CARINO()).calistir();
    const int n = b.vt.degisen();
    is.onayla();
    return tek(n);
}

QByteArray SepetSecimGuncelle(Baglam &b, const Parametreler &p)
{
    if (p.tam(1) != 0 && p.tam(1) != 1)
        throw CagriHatasi(400, QStringLiteral("SepetSecimGuncelle: secim 0 ya da 1 olmalı, gelen: %1").arg(p.tam(1)));
    Islem is(b.vt);
    b.vt.hazirla("UPDATE sepet SET sec=? WHERE sirano=?").bagla(1, p.tam(1)).bagla(2, p.tam(0)).calistir();
    is.onayla();
    return Sonuc().govde();
}

QByteArray SiparisKaydet(Baglam &b, const Parametreler &p)
{
    const TSonucBilgisi &bb = p.bilgi(0);
    const int carino = p.tam(1), teslim = p.tam(2), kargo = p.tam(3), verenid = p.tam(5), firma = p.tam(6);
    Islem is(b.vt);
    if (b.vt.hazirla("SELECT COUNT(*) FROM teslim WHERE id=?").bagla(1, teslim).tekTam() == 0
        || b.vt.hazirla("SELECT COUNT(*) FROM kargotur WHERE id=?").bagla(1, kargo).tekTam() == 0)
        return Sonuc().mantik(false).govde();
    if (firma != 0 && b.vt.hazirla("SELECT COUNT(*) FROM kargofirma WHERE sirano=? AND turid=?").bagla(1, firma).bagla(2, kargo).tekTam() == 0)
        return Sonuc().mantik(false).govde();
    auto toplam = b.vt.hazirla(
        "SELECT COUNT(*), COALESCE(SUM(ROUND(miktar * birimfiyat, 2)), 0),"
        " COALESCE(SUM(ROUND(miktar * netfiyat(birimfiyat, ind1, ind2, ind3, ind4), 2)), 0),"
        " COALESCE(SUM(ROUND(ROUND(miktar * netfiyat(birimfiyat, ind1, ind2, ind3, ind4), 2) * kdv / 100, 2)), 0)"
        " FROM sepet WHERE carino=? AND sec=1");
    toplam.bagla(1, carino);
    toplam.adim();
    if (toplam.tam(0) == 0)
        return Sonuc().mantik(false).govde();
    QString veren = b.vt.hazirla("SELECT adi FROM kullanici WHERE sirano=?").bagla(1, verenid).tekMetin();
    if (veren.isEmpty())
        veren = bb.ADI();
    const QDateTime simdi = QDateTime::currentDateTime();
    auto s = b.vt.hazirla("INSERT INTO siparis(carino, tarih, saat, verenid, veren, teslimid, kargoid, kargofirmaid,"
                          " aciklama, durum, tutar, indirim, nettutar, vergi) VALUES (?,?,?,?,?,?,?,?,?,'Alındı',?,?,?,?)");
    s.ekle(carino).ekle(GunSayisi(simdi.date())).ekle(simdi.time().toString(QStringLiteral("HH:mm")));
    s.ekle(verenid).ekle(veren).ekle(teslim).ekle(kargo).ekle(firma).ekle(p.metin(4));
    s.ekle(toplam.reel(1)).ekle(Yuvarla2(toplam.reel(1) - toplam.reel(2))).ekle(toplam.reel(2)).ekle(toplam.reel(3));
    s.calistir();
    const qint64 idno = b.vt.sonEklenen();
    auto satir = b.vt.hazirla("INSERT INTO siparissatir(idno, stokno, barkod, stokadi, miktar, teslimedilen, bakiye, kdv,"
                              " birimfiyat, ilkfiyat, ind1, ind2, ind3, ind4, verenid, k, sepetsirano)"
                              " SELECT ?, sp.stokno, sp.barkod, sp.stokadi, sp.miktar, 0, sp.miktar, sp.kdv, sp.birimfiyat,"
                              " COALESCE(st.fiyat, sp.birimfiyat), sp.ind1, sp.ind2, sp.ind3, sp.ind4, sp.verenid, sp.k, sp.sirano"
                              " FROM sepet sp LEFT JOIN stok st ON st.stokno = sp.stokno WHERE sp.carino=? AND sp.sec=1"
                              " ORDER BY sp.sirano");
    satir.bagla(1, idno).bagla(2, carino).calistir();
    b.vt.hazirla("DELETE FROM sepet WHERE carino=? AND sec=1").bagla(1, carino).calistir();
    is.onayla();
    return Sonuc().mantik(true).govde();
}

// ---- previous orders, footers -----------------------------------------------------------

QByteArray OncekiSiparisler(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(
        "SELECT sp.carino, sp.idno, sp.tarih, 'TL', 1.0, sp.verenid, COALESCE(kt.adi, ''), COALESCE(t.adi, ''), sp.veren,"
        " c.carikod, c.cariadi, sp.vergi, sp.nettutar, ROUND(sp.nettutar + sp.vergi, 2), sp.durum, COALESCE(kf.adi, ''),"
        " sp.aciklama, sp.bizimmesaj FROM siparis sp LEFT JOIN cari c ON c.carino = sp.carino"
        " LEFT JOIN teslim t ON t.id = sp.teslimid LEFT JOIN kargotur kt ON kt.id = sp.kargoid"
        " LEFT JOIN kargofirma kf ON kf.sirano = sp.kargofirmaid WHERE sp.carino = ? ORDER BY sp.tarih DESC, sp.idno DESC");
    k.bagla(1, p.tam(0));
    Tablo t({{"CARINO", Tur::Tam}, {"IDNO", Tur::Tam}, {"TARIH", Tur::Tarih}, {"KUR", Tur::Metin, 5},
             {"KURTL", Tur::Reel}, {"VERENIDNO", Tur::Tam}, {"KARGO", Tur::Metin, 50}, {"TESLIM", Tur::Metin, 50},
             {"VEREN", Tur::Metin, 50}, {"CARIKOD", Tur::Metin, 25}, {"CARIADI", Tur::Metin, 100},
             {"VERGI", Tur::Reel}, {"NETTUTAR", Tur::Reel}, {"TUTAR", Tur::Reel}, {"DURUM", Tur::Metin, 100},
             {"KARGOADI", Tur::Metin, 50}, {"VERENINNOTU", Tur::Memo}, {"ALANNOTU", Tur::Memo}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray SiparisAytintisiDip(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla("SELECT sp.aciklama, sp.durum, sp.veren, COALESCE(kf.adi, ''), sp.bizimmesaj,"
                          " COALESCE(t.adi, ''), COALESCE(kt.adi, ''), sp.saticinotu FROM siparis sp"
                          " LEFT JOIN teslim t ON t.id = sp.teslimid LEFT JOIN kargotur kt ON kt.id = sp.kargoid"
                          " LEFT JOIN kargofirma kf ON kf.sirano = sp.kargofirmaid WHERE sp.idno = ?"
                          " AND (?2 = 0 OR sp.carino = ?2)");
    k.bagla(1, p.tam(1)).bagla(2, p.tam(0));
    if (!k.adim())
        return bosNesne();
    TSiparisDipAyrinti d;
    d.SetSizinMesaj(k.metin(0));
    d.SetDurumu(k.metin(1));
    d.SetVeren(k.metin(2));
    d.SetKargo(k.metin(3));
    d.SetBizimMesaj(k.metin(4));
    d.SetTeslimCinsi(k.metin(5));
    d.SetKargoCinsi(k.metin(6));
    d.SetSaticiNotu(k.metin(7));
    return nesneCevabi(d);
}

// ---- balances ----------------------------------------------------------------------------

// The balance line addressed by its number and movement number, of the record's customer.
#define BAKIYE_SATIRI " sirano = ?1 AND 500000 + sirano = ?2 AND idno IN (SELECT idno FROM siparis WHERE carino = ?3)"

QByteArray BakiyeDuzenle(Baglam &b, const Parametreler &p)
{
    Islem is(b.vt);
    b.vt.hazirla("UPDATE siparissatir SET bakiye = 0 WHERE" BAKIYE_SATIRI)
        .bagla(1, p.tam(2)).bagla(2, p.tam(3)).bagla(3, p.bilgi(0).CARINO()).calistir();
    const int n = b.vt.degisen();
    is.onayla();
    return tek(n);
}

QByteArray BakiyeDegistir(Baglam &b, const Parametreler &p)
{
    const double yeni = p.reel(5);
    if (yeni < 0)
        return tek(0);
    Islem is(b.vt);
    // the open balance cannot exceed what is still undelivered
    b.vt.hazirla("UPDATE siparissatir SET bakiye = MIN(?4, miktar - teslimedilen) WHERE" BAKIYE_SATIRI)
        .bagla(1, p.tam(2)).bagla(2, p.tam(3)).bagla(3, p.bilgi(0).CARINO()).bagla(4, yeni).calistir();
    const int n = b.vt.degisen();
    is.onayla();
    return tek(n);
}

QByteArray BakiyeFiyatDegistir(Baglam &b, const Parametreler &p)
{
    const double fiyat = p.reel(7), ind = p.reel(8);
    if (fiyat < 0 || !oranGecerli(ind))
        return tek(0);
    Islem is(b.vt);
    b.vt.hazirla("UPDATE siparissatir SET birimfiyat = ?4, ind1 = ?5 WHERE" BAKIYE_SATIRI)
        .bagla(1, p.tam(2)).bagla(2, p.tam(3)).bagla(3, p.bilgi(0).CARINO()).bagla(4, fiyat).bagla(5, ind).calistir();
    const int n = b.vt.degisen();
    is.onayla();
    return tek(n);
}

// ---- statement and documents --------------------------------------------------------------

QByteArray CariEkstreVer(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(
        "SELECT carino, tarih, turadi, evrak, borc, alacak, kur, b, CASE WHEN b > 0.004 THEN 'B' WHEN b < -0.004"
        " THEN 'A' ELSE ' ' END, idno, aciklama FROM (SELECT h.*, ROUND(SUM(borc - alacak) OVER (ORDER BY tarih, idno"
        " ROWS UNBOUNDED PRECEDING), 2) AS b FROM hareket h WHERE carino = ?) ORDER BY tarih, idno");
    k.bagla(1, p.tam(0));
    Tablo t({{"CARINO", Tur::Tam}, {"TARIH", Tur::Tarih}, {"TURADI", Tur::Metin, 50}, {"EVRAK", Tur::Metin, 30},
             {"BORC", Tur::Reel}, {"ALACAK", Tur::Reel}, {"KUR", Tur::Metin, 5}, {"BAKIYE", Tur::Reel},
             {"D", Tur::Metin, 1}, {"IDNO", Tur::Tam}, {"ACIKLAMA", Tur::Metin, 200}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray FaturaGetir(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(
        "SELECT s.oemno, s.adi, s.finishkod, s.marka, s.model, s.anagrup, s.ozelkod, s.birim, s.barkod, h.tarih, h.turadi,"
        " h.evrak, f.miktar, f.birimfiyat, ROUND(x.net * f.kdv / 100, 2), x.tut, f.ind1, f.ind2, 0, 0, 0, 0, 0, 0,"
        " 0, 0, 0, 'IRS' || h.evrak, h.tarih, CAST(ROUND(f.kdv) AS INTEGER), '', '', '', '', ROUND(x.tut - x.net, 2), 0, 0,"
        " f.masraf, 0, 0, h.saat, x.nbf, 0, x.net, 0, 1.0, ROUND(h.vade - h.tarih), 1, CAST(h.siparisidno AS TEXT),"
        " COALESCE((SELECT tarih FROM siparis WHERE idno = h.siparisidno), h.tarih), 1, 'Toptan Satış İrsaliyesi',"
        " c.carikod, 1, h.carino, 'TL', COALESCE(sa.adi, ''), s.ureticikodu, s.dpkod, s.adi, s.pkod, h.evrak, h.idno"
        " FROM (SELECT f.*, ROUND(f.miktar * f.birimfiyat, 2) AS tut, netfiyat(f.birimfiyat, f.ind1, f.ind2, 0, 0) AS nbf,"
        " ROUND(f.miktar * netfiyat(f.birimfiyat, f.ind1, f.ind2, 0, 0), 2) AS net FROM faturasatir f WHERE f.idno = ?2) x"
        " JOIN faturasatir f ON f.sirano = x.sirano JOIN hareket h ON h.idno = f.idno AND h.carino = ?1"
        " JOIN stok s ON s.stokno = f.stokno LEFT JOIN cari c ON c.carino = h.carino"
        " LEFT JOIN satici sa ON sa.saticino = c.saticino ORDER BY f.sirano");
    k.bagla(1, p.tam(0)).bagla(2, p.tam(1));
    Tablo t({{"OEMNO", Tur::Metin, 50}, {"STOKADI", Tur::Metin, 100}, {"FINISHKOD", Tur::Metin, 50}, {"MARKA", Tur::Metin, 50},
             {"MODEL", Tur::Metin, 50}, {"ANAGRUP", Tur::Metin, 50}, {"OZELKOD", Tur::Metin, 20}, {"BIRIM", Tur::Metin, 10},
             {"BARKOD", Tur::Metin, 50}, {"STOKHAR_HAREKETTARIHI", Tur::Tarih}, {"STOKHAR_HAREKETTIPI2", Tur::Metin, 50},
             {"EVRAKNO", Tur::Metin, 30}, {"STOKHAR_MIKTAR", Tur::Reel}, {"STOKHAR_TLBIRIMFIYATI", Tur::Reel},
             {"STOKHAR_TLVERGI", Tur::Reel}, {"STOKHAR_TLTUTAR", Tur::Reel}, {"STOKHAR_INDIRIM1", Tur::Reel},
             {"STOKHAR_INDIRIM2", Tur::Reel}, {"STOKHAR_INDIRIM3", Tur::Reel}, {"STOKHAR_INDIRIM4", Tur::Reel},
             {"STOKHAR_INDIRIM5", Tur::Reel}, {"STOKHAR_INDIRIM6", Tur::Reel}, {"STOKHAR_INDIRIM7", Tur::Reel},
             {"STOKHAR_INDIRIM8", Tur::Reel}, {"STOKHAR_DOVIZBIRIMFIYATI", Tur::Reel}, {"STOKHAR_DOVIZVERGI", Tur::Reel},
             {"STOKHAR_DOVIZTUTAR", Tur::Reel}, {"IRSALIYEEVRAKNO", Tur::Metin, 30}, {"STOKHAR_IRSTARIHI", Tur::Tarih},
             {"KDV", Tur::Tam}, {"STOKHAR_PARTI", Tur::Metin, 20}, {"STOKHAR_BEDEN", Tur::Metin, 20},
             {"STOKHAR_RENK", Tur::Metin, 20}, {"SATIRACIKLMASI", Tur::Metin, 100}, {"STOKHAR_TOPLAMINDIRIM", Tur::Reel},
             {"STOKHAR_MASRAF1", Tur::Reel}, {"STOKHAR_MASRAF2", Tur::Reel}, {"STOKHAR_TOPLAMMASRAF", Tur::Reel},
             {"STOKHAR_DOVIZTOPLAMINDIRIM", Tur::Reel}, {"STOKHAR_DOVIZTOPLAMMASRAF", Tur::Reel},
             {"STOKHAR_SAAT", Tur::Metin, 8}, {"STOKHAR_NETTLBIRIMFIYATI", Tur::Reel},
             {"STOKHAR_NETDOVIZBIRIMFIYATI", Tur::Reel}, {"STOKHAR_NETTLTUTAR", Tur::Reel},
             {"STOKHAR_NETDOVIZTUTAR", Tur::Reel}, {"STOKHAR_KURTL", Tur::Reel}, {"STOKHAR_VADE", Tur::Tam},
             {"SIPARISTIPI", Tur::Tam}, {"SIPARISEVRAKNO", Tur::Metin, 30}, {"SIPARISTARIHI", Tur::Tarih},
             {"IRSALIYETIPINO", Tur::Tam}, {"IRSALIYETIP2", Tur::Metin, 50}, {"STOKCARIKOD", Tur::Metin, 25},
             {"SUBE_NO", Tur::Tam}, {"STOKHAR_CARINO", Tur::Tam}, {"KUR_KURSIMGE", Tur::Metin, 5},
             {"SATICIADI", Tur::Metin, 50}, {"URETICIKODU", Tur::Metin, 50}, {"DPKOD", Tur::Metin, 20},
             {"ENADI", Tur::Metin, 100}, {"PKOD", Tur::Metin, 20}, {"BELGENO", Tur::Metin, 30}, {"IDNO", Tur::Tam}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray FaturaAltGetir(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(
        "SELECT ROUND(COALESCE(SUM(tut), 0), 2), ROUND(COALESCE(SUM(tut - net), 0), 2), ROUND(COALESCE(SUM(net), 0), 2),"
        " ROUND(COALESCE(SUM(vergi), 0), 2), ROUND(COALESCE(SUM(net + vergi), 0), 2) FROM (SELECT"
        " ROUND(miktar * birimfiyat, 2) AS tut, ROUND(miktar * netfiyat(birimfiyat, ind1, ind2, 0, 0), 2) AS net,"
        " ROUND(ROUND(miktar * netfiyat(birimfiyat, ind1, ind2, 0, 0), 2) * kdv / 100, 2) AS vergi FROM faturasatir"
        " WHERE idno = ?)");
    k.bagla(1, p.tam(0));
    Tablo t({{"TOPLAM", Tur::Reel}, {"TOPLAMINDIRIM", Tur::Reel}, {"MATRAH", Tur::Reel}, {"KDVTUTAR", Tur::Reel},
             {"KDVDAHIL", Tur::Reel}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray Tahsilat(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla("SELECT tarih, turadi, cins, evrak, vade, CASE WHEN alacak > 0 THEN alacak ELSE borc END, kur, 1.0,"
                          " aciklama, 0, CAST(idno AS TEXT), saat FROM hareket WHERE idno = ? AND turadi IN ('Tahsilat', 'Tediye')");
    k.bagla(1, p.tam(0));
    Tablo t({{"Tarih", Tur::Tarih}, {"Türü", Tur::Metin, 30}, {"Cins", Tur::Metin, 30}, {"EvrakNo", Tur::Metin, 30},
             {"Vade", Tur::Tarih}, {"Tutar", Tur::Reel}, {"Kur", Tur::Metin, 5}, {"KurTL", Tur::Reel},
             {"Açıklama", Tur::Metin, 200}, {"Döviz Tutar", Tur::Reel}, {"Ref", Tur::Metin, 20}, {"Saat", Tur::Metin, 8}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray SanalposSiranoVer(Baglam &b, const Parametreler &p)
{
    return tek(b.vt.hazirla("SELECT sanalpos FROM hareket WHERE idno = ?").bagla(1, p.tam(0)).tekTam());
}

QByteArray SAnalPosPdfVer(Baglam &b, const Parametreler &p) { return akisCevabi(b, SanalPosMakbuzu(b.vt, p.tam(0))); }

// ---- login, customers ---------------------------------------------------------------------

QByteArray BuyukGetir(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(
        "SELECT u.sirano, u.adi, u.sifre, u.carino, u.tip, u.aktif, u.surum, u.mail, COALESCE(c.cariadi, ''),"
        " COALESCE(c.carikod, ''), COALESCE(sa.saticino, 0), COALESCE(sa.adi, ''), COALESCE(sa.mail, ''),"
        " COALESCE(sa.telefon, '') FROM kullanici u LEFT JOIN cari c ON c.carino = u.carino"
        " LEFT JOIN satici sa ON sa.saticino = CASE WHEN u.saticino > 0 THEN u.saticino ELSE c.saticino END"
        " WHERE u.bilgisayarid = ?");
    k.bagla(1, p.metin(0));
    TSonucBilgisi r;
    r.SetBILGISAYARID(p.metin(0));
    r.SetVersion(4);
    if (k.adim()) {
        r.SetSirano(int(k.tam(0)));
        r.SetADI(k.metin(1));
        r.SetSIFRE(k.metin(2));
        r.SetCARINO(int(k.tam(3)));
        r.SetMusteriTipi(int(k.tam(4)));
        r.SetAKTIF(int(k.tam(5)));
        r.SetVersion(int(k.tam(6)));
        r.SetKullanicimail(k.metin(7));
        r.SetCariAdi(k.metin(8));
        r.Setcarikod(k.metin(9));
        r.SetSaticiNo(int(k.tam(10)));
        r.SetSaticiAdi(k.metin(11));
        r.SetSaticiMail(k.metin(12));
        r.SetSaticiTelefon(k.metin(13));
        r.SetVarmi(true);
    }
    return nesneCevabi(r);
}

// Customers the record may act for: type 2 all, type 1 those of its representative,
// otherwise only its own customer. ?1 type, ?2 representative, ?3 customer.
#define GORUNUR_CARI " (?1 = 2 OR (?1 = 1 AND c.saticino = ?2 AND ?2 > 0) OR c.carino = ?3) "

Sutunlar cariSutunlari()
{
    return {{"CARIKOD", Tur::Metin, 25}, {"CARIADI", Tur::Metin, 100}, {"SATICISI", Tur::Metin, 50}, {"TLBAKIYE", Tur::Reel},
            {"DURUM", Tur::Metin, 1}, {"SEPET", Tur::Tam}, {"ALINDI", Tur::Tam}, {"ONAYLANDI", Tur::Tam},
            {"GORULDU", Tur::Tam}, {"HAZIRLANDI", Tur::Tam}, {"PARCALIHAZIRLANDI", Tur::Tam}, {"CARINO", Tur::Tam},
            {"OZELKOD", Tur::Metin, 20}, {"KOD1", Tur::Metin, 20}, {"KOD2", Tur::Metin, 20}, {"KOD3", Tur::Metin, 20},
            {"KOD4", Tur::Metin, 20}, {"KOD5", Tur::Metin, 20}, {"TEL1", Tur::Metin, 20}, {"TEL2", Tur::Metin, 20},
            {"ILCE", Tur::Metin, 30}, {"IL", Tur::Metin, 30}, {"GSM", Tur::Metin, 20}, {"YETKILI", Tur::Metin, 50},
            {"INDIRIM", Tur::Reel}, {"VADE", Tur::Tam}, {"VADEKONTROLGUN", Tur::Tam}, {"VADEKONTROLAY", Tur::Tam},
            {"VERGIDAIRESI", Tur::Metin, 50}, {"VERGINO", Tur::Metin, 20}, {"ADRES1", Tur::Metin, 100},
            {"ADRES2", Tur::Metin, 100}, {"ANAGRUP", Tur::Metin, 30}, {"ALTGRUP", Tur::Metin, 30},
            {"FAX1", Tur::Metin, 20}, {"FAX2", Tur::Metin, 20}, {"EMAIL", Tur::Metin, 100}};
}

#define CARI_SECIM                                                                                               \
    "SELECT carikod, cariadi, saticisi, b, CASE WHEN b > 0.004 THEN 'B' WHEN b < -0.004 THEN 'A' ELSE '' END,"     \
    " sepet, alindi, onaylandi, goruldu, hazirlandi, parcali, carino, ozelkod, kod1, kod2, kod3, kod4, kod5, tel1,"  \
    " tel2, ilce, il, gsm, yetkili, ind1, vade, vadekontrolgun, vadekontrolay, vergidairesi, vergino, adres1,"       \
    " adres2, anagrup, altgrup, fax1, fax2, email FROM (SELECT c.*, COALESCE(sa.adi, '') AS saticisi,"              \
    " ROUND(COALESCE((SELECT SUM(borc - alacak) FROM hareket h WHERE h.carino = c.carino), 0), 2) AS b,"           \
    " (SELECT COUNT(*) FROM sepet s WHERE s.carino = c.carino) AS sepet,"                                          \
    " (SELECT COUNT(*) FROM siparis s WHERE s.carino = c.carino AND s.durum = 'Alındı') AS alindi,"                 \
    " (SELECT COUNT(*) FROM siparis s WHERE s.carino = c.carino AND s.durum = 'Onaylandı') AS onaylandi,"           \
    " (SELECT COUNT(*) FROM siparis s WHERE s.carino = c.carino AND s.durum = 'Görüldü') AS goruldu,"               \
    " (SELECT COUNT(*) FROM siparis s WHERE s.carino = c.carino AND s.durum = 'Hazırlandı') AS hazirlandi,"         \
    " (SELECT COUNT(*) FROM siparis s WHERE s.carino = c.carino AND s.durum = 'Parçalı Hazırlandı') AS parcali,"    \
    " (SELECT COUNT(*) FROM siparis s WHERE s.carino = c.carino AND s.durum = 'Sevk Edildi') AS sevk"                \
    " FROM cari c LEFT JOIN satici sa ON sa.saticino = c.saticino WHERE" GORUNUR_CARI

void gorunurBagla(Komut &k, const TSonucBilgisi &b)
{
    k.bagla(1, b.MusteriTipi()).bagla(2, b.SaticiNo()).bagla(3, b.CARINO());
}

QByteArray CariAra(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(CARI_SECIM " AND (?4 = '' OR instr(aramabicimi(c.carikod || ' ' || c.cariadi || ' ' || c.il"
                                     " || ' ' || c.ilce), ?4) > 0)) ORDER BY carikod");
    gorunurBagla(k, p.bilgi(0));
    k.bagla(4, AramaBicimi(p.metin(1).trimmed()));
    Tablo t(cariSutunlari());
    t.doldur(k);
    return tekTablo(t);
}

QByteArray CariSepetVer(Baglam &b, const Parametreler &p)
{
    // 1 basket, 2 received, 3 approved, 4 seen, 5 partly prepared, 6 prepared, 7 shipped
    auto k = b.vt.hazirla(CARI_SECIM ") WHERE CASE ?4 WHEN 1 THEN sepet WHEN 2 THEN alindi WHEN 3 THEN onaylandi"
                                     " WHEN 4 THEN goruldu WHEN 5 THEN parcali WHEN 6 THEN hazirlandi WHEN 7 THEN sevk"
                                     " ELSE 0 END > 0 ORDER BY carikod");
    gorunurBagla(k, p.bilgi(0));
    k.bagla(4, p.tam(1));
    Tablo t(cariSutunlari());
    t.doldur(k);
    return tekTablo(t);
}

QByteArray SepetSayisi(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla("SELECT COUNT(*) FROM cari c WHERE" GORUNUR_CARI
                          "AND EXISTS (SELECT 1 FROM sepet s WHERE s.carino = c.carino)");
    gorunurBagla(k, p.bilgi(0));
    return tek(k.tekTam());
}

QByteArray TusSonuclariVer(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla("SELECT s.durum, COUNT(*) FROM siparis s JOIN cari c ON c.carino = s.carino WHERE" GORUNUR_CARI
                          "GROUP BY s.durum");
    gorunurBagla(k, p.bilgi(0));
    TTusSonuclari t;
    while (k.adim()) {
        const QString d = k.metin(0);
        const int n = int(k.tam(1));
        if (d == QStringLiteral("Alındı")) t.SetAlindi(n);
        else if (d == QStringLiteral("Onaylandı")) t.SetOnaylandi(n);
        else if (d == QStringLiteral("Parçalı Hazırlandı")) t.SetParcaliHazirlandi(n);
        else if (d == QStringLiteral("Sevk Edildi")) t.SetSevkEdildi(n);
        else if (d == QStringLiteral("Hazırlandı")) t.SetHazirlandi(n);
        else if (d == QStringLiteral("Görüldü")) t.SetGoruldu(n);
    }
    return nesneCevabi(t);
}

QByteArray MobilCariBilgisiGetir(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(
        "SELECT c.il, c.fax1, COALESCE(sa.mail, ''), COALESCE(sa.adi, ''), c.cariadi, c.email, c.vergidairesi, c.yetkili,"
        " c.altgrup, c.tel2, COALESCE(u.sifre, ''), c.gsm, c.tel1, c.adres2,"
        " COALESCE((SELECT SUM(borc) FROM hareket h WHERE h.carino = c.carino), 0),"
        " COALESCE((SELECT SUM(alacak) FROM hareket h WHERE h.carino = c.carino), 0), c.adres1, c.ulke, c.anagrup,"
        " c.carino, c.vergino, c.email, c.ozelkod, COALESCE(u.adi, ''), COALESCE(sa.telefon, ''), c.carikod, c.fax2, c.ilce"
        " FROM cari c LEFT JOIN kullanici u ON u.bilgisayarid = ?1 LEFT JOIN satici sa ON sa.saticino = c.saticino"
        " WHERE c.carino = COALESCE((SELECT carino FROM kullanici WHERE bilgisayarid = ?1), ?2)");
    k.bagla(1, p.metin(1)).bagla(2, p.tam(0));
    TMobilCariBilgisi m;
    m.SetBILGISAYARID(p.metin(1));
    if (k.adim()) {
        int i = 0;
        m.SetSEHIR(k.metin(i++));
        m.SetFAX1(k.metin(i++));
        m.SetSATICIMAIL(k.metin(i++));
        m.SetSATICIADI(k.metin(i++));
        m.SetCARIADI(k.metin(i++));
        m.SetEMAIL(k.metin(i++));
        m.SetVERGIDAIRESI(k.metin(i++));
        m.SetYETKILI(k.metin(i++));
        m.SetAltGrup(k.metin(i++));
        m.SetTEL2(k.metin(i++));
        m.SetSIFRE(k.metin(i++));
        m.SetGSM(k.metin(i++));
        m.SetTEL1(k.metin(i++));
        m.SetADRES2(k.metin(i++));
        const double borc = Yuvarla2(k.reel(i++));
        const double alacak = Yuvarla2(k.reel(i++));
        m.SetTLBORC(borc);
        m.SetTLALACAK(alacak);
        m.SetTLBAKIYE(Yuvarla2(borc - alacak));
        m.SetADRES1(k.metin(i++));
        m.SetULKE(k.metin(i++));
        m.SetAnaGrup(k.metin(i++));
        m.SetCARINO(int(k.tam(i++)));
        m.SetVERGINO(k.metin(i++));
        m.SetMAIL(k.metin(i++));
        m.SetOzelKod(k.metin(i++));
        m.SetKULLANICIADI(k.metin(i++));
        m.SetSATICITELEFON(k.metin(i++));
        m.SetCARIKOD(k.metin(i++));
        m.SetFAX2(k.metin(i++));
        m.SetILCE(k.metin(i++));
    }
    return nesneCevabi(m);
}

QByteArray CariDurumVer(Baglam &b, const Parametreler &p)
{
    if (b.vt.hazirla("SELECT COUNT(*) FROM cari WHERE carino = ?").bagla(1, p.tam(0)).tekTam() == 0)
        return tekMetin(QString());
    const double bakiye = Yuvarla2(b.vt.hazirla("SELECT COALESCE(SUM(borc - alacak), 0) FROM hareket WHERE carino = ?")
                                       .bagla(1, p.tam(0)).tekReel());
    QString metin = ParaYazisi(std::fabs(bakiye)) + QStringLiteral(" TL");
    if (bakiye > 0.004)
        metin += QStringLiteral(" Borç");
    else if (bakiye < -0.004)
        metin += QStringLiteral(" Alacak");
    return tekMetin(metin);
}

QByteArray CariVadeGunGecmismiBul(Baglam &b, const Parametreler &p)
{
    // collections pay the oldest debts first; what is left past its due date is overdue
    double alacak = b.vt.hazirla("SELECT COALESCE(SUM(alacak), 0) FROM hareket WHERE carino = ?").bagla(1, p.tam(0)).tekReel();
    auto k = b.vt.hazirla("SELECT borc, vade FROM hareket WHERE carino = ? AND borc > 0 ORDER BY vade, idno");
    k.bagla(1, p.tam(0));
    const double bugun = GunSayisi(QDate::currentDate());
    double gecmis = 0, enEski = 0;
    while (k.adim()) {
        double borc = k.reel(0);
        const double odenen = std::min(borc, alacak);
        alacak -= odenen;
        borc -= odenen;
        if (borc > 0.004 && k.reel(1) < bugun) {
            gecmis += borc;
            if (enEski == 0)
                enEski = bugun - k.reel(1);
        }
    }
    if (gecmis < 0.01)
        return tekMetin(QString());
    return tekMetin(QStringLiteral("Vadesi %1 gün geçmiş %2 TL bakiyeniz bulunmaktadır. Lütfen ödemenizi yapınız.")
                        .arg(qint64(enEski)).arg(ParaYazisi(gecmis)));
}

// ---- delivery and cargo ------------------------------------------------------------------

QByteArray TeslimVer(Baglam &b, const Parametreler &)
{
    auto k = b.vt.hazirla("SELECT id, adi FROM teslim ORDER BY id");
    Tablo t({{"ID", Tur::Tam}, {"ADI", Tur::Metin, 50}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray KargoVer(Baglam &b, const Parametreler &)
{
    auto k = b.vt.hazirla("SELECT id, adi FROM kargotur ORDER BY id");
    Tablo t({{"ID", Tur::Tam}, {"ADI", Tur::Metin, 50}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray KargolarVer(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla("SELECT sirano, adi, uyari FROM kargofirma WHERE turid = ? ORDER BY sirano");
    k.bagla(1, p.tam(0));
    Tablo t({{"SIRANO", Tur::Tam}, {"ADI", Tur::Metin, 50}, {"UYARI", Tur::Metin, 250}});
    t.doldur(k);
    return tekTablo(t);
}

// ---- banners, ticker, badges, advertisements --------------------------------------------------

QByteArray bannerVer(Baglam &b, int no)
{
    auto k = b.vt.hazirla("SELECT veri FROM banner WHERE no = ?");
    k.bagla(1, no);
    return akisCevabi(b, k.adim() ? k.blob(0) : QByteArray());
}
QByteArray BannerResimVer(Baglam &b, const Parametreler &) { return bannerVer(b, 1); }
QByteArray BannerResimVer2(Baglam &b, const Parametreler &) { return bannerVer(b, 2); }
QByteArray BannerResimVer3(Baglam &b, const Parametreler &) { return bannerVer(b, 3); }

QByteArray KayanYaziGetir(Baglam &b, const Parametreler &)
{
    return tekMetin(b.vt.hazirla("SELECT deger FROM ayar WHERE anahtar = 'kayanyazi'").tekMetin());
}

QByteArray BalonGetir(Baglam &b, const Parametreler &p)
{
    const TSonucBilgisi &bil = p.bilgi(0);
    auto k = b.vt.hazirla(
        "SELECT (SELECT COUNT(*) FROM sepet WHERE carino = ?1), (SELECT COUNT(*) FROM stok WHERE yeni = 1),"
        " CASE WHEN ?2 = 4 THEN 0 ELSE (SELECT COUNT(*) FROM stok WHERE kampfiyat > 0) END,"
        " (SELECT COUNT(*) FROM duyuru WHERE tur = 'duyuru'),"
        " COALESCE((SELECT SUM(ss.bakiye) FROM siparissatir ss JOIN siparis sp ON sp.idno = ss.idno"
        " WHERE sp.carino = ?1 AND ss.bakiye > 0), 0)");
    k.bagla(1, bil.CARINO()).bagla(2, bil.MusteriTipi());
    Tablo t({{"SEPET", Tur::Tam}, {"YENI", Tur::Tam}, {"KAMPANYA", Tur::Tam}, {"DUYURU", Tur::Tam}, {"BAKIYE", Tur::Reel}});
    t.doldur(k);
    return tekTablo(t);
}

QString hexYaz(const QByteArray &b) { return QString::fromLatin1(b.toHex().toUpper()); }

QByteArray AcilisReklamAdet(Baglam &b, const Parametreler &)
{
    return tek(b.vt.hazirla("SELECT COUNT(*) FROM duyuru WHERE tur = 'reklam'").tekTam());
}

QByteArray AcilisREklamVer(Baglam &b, const Parametreler &p)
{
    if (p.tam(0) < 0)
        return bosNesne();
    auto k = b.vt.hazirla("SELECT sirano, resim, baslik, arama FROM duyuru WHERE tur = 'reklam' ORDER BY sirano LIMIT 1 OFFSET ?");
    k.bagla(1, p.tam(0));
    if (!k.adim())
        return bosNesne();
    TAcilisEkran e;
    e.SetSiraNo(int(k.tam(0)));
    e.SetResim(hexYaz(k.blob(1)));
    e.SetBaslik(k.metin(2));
    e.SetArama(k.metin(3));
    return nesneCevabi(e);
}

QByteArray AcilisEkranlarVer2(Baglam &b, const Parametreler &)
{
    auto k = b.vt.hazirla("SELECT sirano, resim, baslik, arama FROM duyuru WHERE tur = 'duyuru' ORDER BY sirano");
    TAcilisEkranlar liste;
    while (k.adim()) {
        TAcilisEkran e;
        e.SetSiraNo(int(k.tam(0)));
        e.SetResim(hexYaz(k.blob(1)));
        e.SetBaslik(k.metin(2));
        e.SetArama(k.metin(3));
        liste.push_back(e);
    }
    TAcilisEkranlariki e2;
    e2.SetEkranlar(liste);
    return nesneCevabi(e2);
}

// ---- reports -----------------------------------------------------------------------------

QByteArray RaporAlinanSiparisler(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(
        "SELECT COALESCE(sa.adi, ''), CAST(sp.idno AS REAL), sp.carino, sp.tarih, 'TL', 1.0, sp.verenid,"
        " COALESCE(kt.adi, ''), COALESCE(t.adi, ''), sp.veren, c.carikod, c.cariadi, sp.durum, COALESCE(kf.adi, ''),"
        " sp.vergi, sp.nettutar, ROUND(sp.nettutar + sp.vergi, 2) FROM siparis sp JOIN cari c ON c.carino = sp.carino"
        " LEFT JOIN satici sa ON sa.saticino = c.saticino LEFT JOIN teslim t ON t.id = sp.teslimid"
        " LEFT JOIN kargotur kt ON kt.id = sp.kargoid LEFT JOIN kargofirma kf ON kf.sirano = sp.kargofirmaid"
        " WHERE" GORUNUR_CARI "AND sp.tarih >= floor(?4) AND sp.tarih < floor(?5) + 1 ORDER BY 1, sp.tarih, sp.idno");
    gorunurBagla(k, p.bilgi(0));
    k.bagla(4, p.reel(1)).bagla(5, p.reel(2));
    Tablo t({{"SATICIADI", Tur::Metin, 50}, {"IDNO", Tur::Reel}, {"CARINO", Tur::Tam}, {"TARIH", Tur::Tarih},
             {"KUR", Tur::Metin, 5}, {"KURTL", Tur::Reel}, {"VERENIDNO", Tur::Tam}, {"KARGO", Tur::Metin, 50},
             {"TESLIM", Tur::Metin, 50}, {"VEREN", Tur::Metin, 50}, {"CARIKOD", Tur::Metin, 25},
             {"CARIADI", Tur::Metin, 100}, {"DURUM", Tur::Metin, 100}, {"KARGOADI", Tur::Metin, 50},
             {"VERGI", Tur::Reel}, {"NETTUTAR", Tur::Reel}, {"TUTAR", Tur::Reel}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray RaporEnCokSatilanStoklar(Baglam &b, const Parametreler &p)
{
    auto k = b.vt.hazirla(
        "SELECT st.barkod, st.ureticikodu, st.adi, st.departman, SUM(ss.miktar), ROUND(SUM(x.net), 2),"
        " ROUND(SUM(ROUND(x.net * ss.kdv / 100, 2)), 2), ROUND(SUM(x.net + ROUND(x.net * ss.kdv / 100, 2)), 2)"
        " FROM siparissatir ss JOIN (SELECT sirano, ROUND(miktar * netfiyat(birimfiyat, ind1, ind2, ind3, ind4), 2) AS net"
        " FROM siparissatir) x ON x.sirano = ss.sirano JOIN siparis sp ON sp.idno = ss.idno"
        " JOIN cari c ON c.carino = sp.carino JOIN stok st ON st.stokno = ss.stokno WHERE" GORUNUR_CARI
        "AND sp.tarih >= floor(?4) AND sp.tarih < floor(?5) + 1 GROUP BY st.stokno ORDER BY 5 DESC, 8 DESC LIMIT 500");
    gorunurBagla(k, p.bilgi(0));
    k.bagla(4, p.reel(1)).bagla(5, p.reel(2));
    Tablo t({{"BARKOD", Tur::Metin, 50}, {"KOD", Tur::Metin, 50}, {"ADI", Tur::Metin, 100}, {"DEPARTMAN", Tur::Metin, 50},
             {"MIKTAR", Tur::Reel}, {"NETTUTAR", Tur::Reel}, {"TLVERGI", Tur::Reel}, {"TUTAR", Tur::Reel}});
    t.doldur(k);
    return tekTablo(t);
}

QByteArray RaporGetir(Baglam &b, const Parametreler &p)
{
    try {
        return akisCevabi(b, RaporPdf(b.vt, p.tam(0), p.tam(3), p.metin(4), p.reel(5), p.reel(6)));
    } catch (const VtHatasi &e) {
        throw CagriHatasi(500, QString::fromUtf8(e.what()));
    }
}

// ---- mails and requests ---------------------------------------------------------------------

const char *const MailAlanlari[] = {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir", "telefon", "fax",
                                    "vd", "vn", "yetkili", "kullaniciadi", "sifre", "mail", "kargoambar", "konu"};

QByteArray gidenKaydet(Baglam &b, const Parametreler &p, const char *tur, int alanSayisi)
{
    QJsonObject o;
    for (int i = 0; i < alanSayisi; ++i)
        o.insert(QLatin1String(MailAlanlari[i]), p.metin(i));
    Islem is(b.vt);
    b.vt.hazirla("INSERT INTO giden(tur, bilgisayarid, baslik, icerik, zaman) VALUES (?,?,?,?,?)")
        .bagla(1, tur).bagla(2, p.metin(0)).bagla(3, p.metin(1))
        .bagla(4, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)))
        .bagla(5, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)).calistir();
    is.onayla();
    return tek(1);
}

QByteArray MailGonserCari(Baglam &b, const Parametreler &p) { return gidenKaydet(b, p, "istek", 16); }
QByteArray MailGonserCariNormal(Baglam &b, const Parametreler &p) { return gidenKaydet(b, p, "mail", 17); }

QByteArray EchoString(Baglam &, const Parametreler &p) { return tekMetin(p.metin(0)); }
QByteArray ReverseString(Baglam &, const Parametreler &p)
{
    QString s = p.metin(0);
    std::reverse(s.begin(), s.end());
    return tekMetin(s);
}

constexpr PTur M = PTur::Metin, I = PTur::Tam, D = PTur::Reel, B = PTur::Bilgi;

std::vector<Girdi> mailGirdileri(bool konu)
{
    std::vector<Girdi> g;
    for (int i = 0; i < (konu ? 17 : 16); ++i)
        g.push_back({M, MailAlanlari[i]});
    return g;
}

std::vector<Yontem> tabloyuKur()
{
    const std::vector<Girdi> bakiye7 = {{B, "k"}, {I, "stokno"}, {I, "sepetsirano"}, {I, "siparissirano"},
                                        {D, "Adet"}, {D, "Bakiye"}, {M, "barkod"}};
    std::vector<Girdi> bakiye9 = bakiye7;
    bakiye9.push_back({D, "fiyat"});
    bakiye9.push_back({D, "ind"});
    return {
        {"SepetVer2", {{I, "carino"}}, SepetVer2},
        {"OncekiSiparisler", {{I, "carino"}}, OncekiSiparisler},
        {"CariEkstreVer", {{I, "carino"}}, CariEkstreVer},
        {"KampanyaliVer2", {{I, "cario"}, {I, "satici"}}, KampanyaliVer2},
        {"BakiyelerVer2", {{I, "carino"}}, BakiyelerVer2},
        {"BuyukGetir", {{M, "idsi"}}, BuyukGetir},
        {"SAnalPosPdfVer", {{I, "sirano"}}, SAnalPosPdfVer, true},
        {"StokAraGetir", {{M, "kod"}, {B, "bilgi"}}, StokAraGetir},
        {"YenilerVer2", {{I, "carino"}}, YenilerVer2},
        {"TeslimVer", {}, TeslimVer},
        {"KargoVer", {}, KargoVer},
        {"KargolarVer", {{I, "gn"}}, KargolarVer},
        {"SepetEkle2", {{B, "bilgim"}, {I, "carino"}, {I, "stokno"}, {M, "barkod"}, {M, "stokadi"}, {D, "miktar"},
                        {D, "kdv"}, {D, "fiyat"}, {D, "ind1"}, {I, "verenid"}, {I, "k"}, {D, "ind2"}, {D, "ind3"}, {D, "ind4"}},
         SepetEkle2},
        {"SepetGuncelle2", {{B, "bilgim"}, {I, "carino"}, {I, "stokno"}, {M, "barkod"}, {M, "stokadi"}, {D, "miktar"},
                            {D, "kdv"}, {D, "fiyat"}, {D, "ind1"}, {I, "verenid"}, {I, "_sepetsirano"}, {D, "ind2"},
                            {D, "ind3"}, {D, "ind4"}},
         SepetGuncelle2},
        {"SepetHepsiniSil", {{B, "bilgi"}}, SepetHepsiniSil},
        {"SepetSatirSil", {{B, "bilgi"}, {I, "satirno"}, {M, "aciklamam"}}, SepetSatirSil},
        {"SiparisKaydet", {{B, "BB"}, {I, "_carino"}, {I, "_teslim"}, {I, "_kargo"}, {M, "_aciklama"}, {I, "_verenid"},
                           {I, "_kargoyeni"}},
         SiparisKaydet},
        {"SiparisAyrintisi2", {{I, "carino"}, {I, "idnosu"}}, SiparisAyrintisi2},
        {"FaturaGetir", {{I, "carino"}, {I, "idnosu"}}, FaturaGetir},
        {"FaturaAltGetir", {{I, "idnosu"}}, FaturaAltGetir},
        {"Tahsilat", {{I, "idnosu"}}, Tahsilat},
        {"SanalposSiranoVer", {{I, "idnosu"}}, SanalposSiranoVer},
        {"BakiyeDuzenle", bakiye7, BakiyeDuzenle},
        {"BakiyeDegistir", bakiye7, BakiyeDegistir},
        {"BakiyeFiyatDegistir", bakiye9, BakiyeFiyatDegistir},
        {"SiparisAytintisiDip", {{I, "carino"}, {I, "siranosu"}}, SiparisAytintisiDip},
        {"CariAra", {{B, "bil"}, {M, "aranan"}}, CariAra},
        {"SepetSayisi", {{B, "bil"}}, SepetSayisi},
        {"TusSonuclariVer", {{B, "bil"}}, TusSonuclariVer},
        {"CariSepetVer", {{B, "bil"}, {I, "n"}}, CariSepetVer},
        {"KayanYaziGetir", {}, KayanYaziGetir},
        {"BannerResimVer", {}, BannerResimVer, true},
        {"BannerResimVer2", {}, BannerResimVer2, true},
        {"BannerResimVer3", {}, BannerResimVer3, true},
        {"RaporGetir", {{I, "raporno"}, {I, "bolum"}, {I, "idno"}, {I, "carino"}, {M, "saticiadi"}, {D, "tarih1"},
                        {D, "tarih2"}},
         RaporGetir, true},
        {"BalonGetir", {{B, "bil"}}, BalonGetir},
        {"TumSiparislerVer", {{I, "carino"}, {I, "stokno"}}, TumSiparislerVer},
        {"SepetSecimGuncelle", {{I, "sirano"}, {I, "secim"}}, SepetSecimGuncelle},
        {"MailGonserCari", mailGirdileri(false), MailGonserCari},
        {"MailGonserCariNormal", mailGirdileri(true), MailGonserCariNormal},
        {"MobilCariBilgisiGetir", {{I, "sirano"}, {M, "_idsi"}}, MobilCariBilgisiGetir},
        {"AcilisReklamAdet", {}, AcilisReklamAdet},
        {"AcilisREklamVer", {{I, "sira"}}, AcilisREklamVer},
        {"AcilisEkranlarVer2", {}, AcilisEkranlarVer2},
        {"RaporAlinanSiparisler", {{B, "bilgi"}, {D, "tarih1"}, {D, "tarih2"}}, RaporAlinanSiparisler},
        {"RaporEnCokSatilanStoklar", {{B, "bilgi"}, {D, "tarih1"}, {D, "tarih2"}}, RaporEnCokSatilanStoklar},
        {"CariDurumVer", {{I, "carino"}}, CariDurumVer},
        {"CariVadeGunGecmismiBul", {{I, "carino"}}, CariVadeGunGecmismiBul},
        {"EchoString", {{M, "Value"}}, EchoString},
        {"ReverseString", {{M, "Value"}}, ReverseString},
    };
}

const char *turAdi(PTur t)
{
    switch (t) {
    case PTur::Metin: return "metin";
    case PTur::Tam: return "32 bitlik tamsayı";
    case PTur::Reel: return "sayı";
    case PTur::Bilgi: return "baglantiu.TSonucBilgisi nesnesi";
    }
    return "?";
}

} // namespace

const std::vector<Yontem> &Yontemler()
{
    static const std::vector<Yontem> tablo = tabloyuKur();
    return tablo;
}

const Yontem *YontemBul(const QString &ad)
{
    for (const Yontem &y : Yontemler())
        if (ad == QLatin1String(y.ad))
            return &y;
    return nullptr;
}

Parametreler ParametreleriOku(const Yontem &y, const QJsonArray &ham)
{
    if (ham.size() != qsizetype(y.girdiler.size()))
        throw CagriHatasi(400, QStringLiteral("%1 yöntemi %2 parametre bekler, %3 parametre geldi")
                                   .arg(QLatin1String(y.ad)).arg(y.girdiler.size()).arg(ham.size()));
    Parametreler p;
    for (int i = 0; i < int(ham.size()); ++i) {
        const Girdi &g = y.girdiler[size_t(i)];
        const QJsonValue v = ham.at(i);
        auto yanlis = [&]() {
            return CagriHatasi(400, QStringLiteral("%1 yönteminin %2. parametresi (%3) %4 olmalı")
                                        .arg(QLatin1String(y.ad)).arg(i).arg(QLatin1String(g.ad), QString::fromUtf8(turAdi(g.tur))));
        };
        switch (g.tur) {
        case PTur::Metin:
            if (!v.isString())
                throw yanlis();
            p.degerler.emplace_back(v.toString());
            break;
        case PTur::Tam: {
            if (!v.isDouble())
                throw yanlis();
            const double d = v.toDouble();
            if (d != std::trunc(d) || d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max())
                throw yanlis();
            p.degerler.emplace_back(int(d));
            break;
        }
        case PTur::Reel:
            if (!v.isDouble())
                throw yanlis();
            p.degerler.emplace_back(v.toDouble());
            break;
        case PTur::Bilgi: {
            std::shared_ptr<TSonucBilgisi> b;
            if (v.isNull()) {
                b = std::make_shared<TSonucBilgisi>();
            } else {
                if (!v.isObject())
                    throw yanlis();
                try {
                    b = std::shared_ptr<TSonucBilgisi>(TSonucBilgisi::JsondanOku(v).release());
                } catch (const TransferError &e) {
                    throw CagriHatasi(400, QStringLiteral("%1 yönteminin %2. parametresi (%3): %4")
                                               .arg(QLatin1String(y.ad)).arg(i).arg(QLatin1String(g.ad), e.mesaj()));
                }
            }
            p.degerler.emplace_back(std::move(b));
            break;
        }
        }
    }
    return p;
}

QByteArray YontemCagir(Baglam &b, const Yontem &y, const QJsonArray &ham)
{
    const Parametreler p = ParametreleriOku(y, ham);
    try {
        return y.isleyici(b, p);
    } catch (const VtHatasi &e) {
        throw CagriHatasi(500, QStringLiteral("%1: %2").arg(QLatin1String(y.ad), QString::fromUtf8(e.what())));
    }
}

} // namespace dorvanto::appserver
