#include "sema.h"

#include <string>

namespace dorvanto::appserver {

namespace {
const char *const Surum1 = R"SQL(
CREATE TABLE IF NOT EXISTS ayar (anahtar TEXT PRIMARY KEY, deger TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS satici (
  saticino INTEGER PRIMARY KEY, adi TEXT NOT NULL, mail TEXT NOT NULL DEFAULT '',
  telefon TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS cari (
  carino INTEGER PRIMARY KEY, carikod TEXT NOT NULL, cariadi TEXT NOT NULL,
  saticino INTEGER NOT NULL DEFAULT 0, ind1 REAL NOT NULL DEFAULT 0, ind2 REAL NOT NULL DEFAULT 0,
  ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,
  yetkili TEXT DEFAULT '', ozelkod TEXT DEFAULT '', kod1 TEXT DEFAULT '', kod2 TEXT DEFAULT '',
  kod3 TEXT DEFAULT '', kod4 TEXT DEFAULT '', kod5 TEXT DEFAULT '', tel1 TEXT DEFAULT '',
  tel2 TEXT DEFAULT '', ilce TEXT DEFAULT '', il TEXT DEFAULT '', ulke TEXT DEFAULT 'TÜRKİYE',
  gsm TEXT DEFAULT '', vade INTEGER DEFAULT 30, vadekontrolgun INTEGER DEFAULT 0,
  vadekontrolay INTEGER DEFAULT 0, vergidairesi TEXT DEFAULT '', vergino TEXT DEFAULT '',
  adres1 TEXT DEFAULT '', adres2 TEXT DEFAULT '', anagrup TEXT DEFAULT '', altgrup TEXT DEFAULT '',
  fax1 TEXT DEFAULT '', fax2 TEXT DEFAULT '', email TEXT DEFAULT '');
CREATE TABLE IF NOT EXISTS kullanici (
  sirano INTEGER PRIMARY KEY AUTOINCREMENT, bilgisayarid TEXT NOT NULL UNIQUE,
  adi TEXT NOT NULL, sifre TEXT NOT NULL, carino INTEGER NOT NULL DEFAULT 0,
  tip INTEGER NOT NULL, aktif INTEGER NOT NULL DEFAULT 1, surum INTEGER NOT NULL DEFAULT 4,
  mail TEXT NOT NULL DEFAULT '', saticino INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS stok (
  stokno INTEGER PRIMARY KEY, barkod TEXT NOT NULL, adi TEXT NOT NULL, digeradi TEXT DEFAULT '',
  oem1 TEXT DEFAULT '', oem2 TEXT DEFAULT '', oem3 TEXT DEFAULT '', oem4 TEXT DEFAULT '',
  oemno TEXT DEFAULT '', finishkod TEXT DEFAULT '', ureticikodu TEXT DEFAULT '',
  ozelkod TEXT DEFAULT '', marka TEXT DEFAULT '', model TEXT DEFAULT '', anagrup TEXT DEFAULT '',
  birim TEXT NOT NULL DEFAULT 'ADET', kdv INTEGER NOT NULL DEFAULT 20, fiyat REAL NOT NULL,
  kampfiyat REAL NOT NULL DEFAULT 0, yeni INTEGER NOT NULL DEFAULT 0, kalan REAL NOT NULL DEFAULT 0,
  alinansiparis REAL NOT NULL DEFAULT 0, verilensiparis REAL NOT NULL DEFAULT 0,
  durum INTEGER NOT NULL DEFAULT 1, barkodno INTEGER NOT NULL DEFAULT 0, dpkod TEXT DEFAULT '',
  pkod TEXT DEFAULT '', departman TEXT DEFAULT '', resim INTEGER NOT NULL DEFAULT 0,
  aranan TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS stok_yeni ON stok(yeni);
CREATE INDEX IF NOT EXISTS stok_kamp ON stok(kampfiyat);
CREATE TABLE IF NOT EXISTS sepet (
  sirano INTEGER PRIMARY KEY AUTOINCREMENT, carino INTEGER NOT NULL, stokno INTEGER NOT NULL,
  barkod TEXT NOT NULL DEFAULT '', stokadi TEXT NOT NULL DEFAULT '', miktar REAL NOT NULL,
  kdv REAL NOT NULL, birimfiyat REAL NOT NULL, ind1 REAL NOT NULL DEFAULT 0,
  ind2 REAL NOT NULL DEFAULT 0, ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,
  verenid INTEGER NOT NULL DEFAULT 0, k INTEGER NOT NULL DEFAULT 0, sec INTEGER NOT NULL DEFAULT 0,
  tarih REAL NOT NULL, saat TEXT NOT NULL DEFAULT '', aciklama TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS sepet_cari ON sepet(carino);
CREATE TABLE IF NOT EXISTS teslim (id INTEGER PRIMARY KEY, adi TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS kargotur (id INTEGER PRIMARY KEY, adi TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS kargofirma (
  sirano INTEGER PRIMARY KEY, turid INTEGER NOT NULL, adi TEXT NOT NULL, uyari TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS siparis (
  idno INTEGER PRIMARY KEY AUTOINCREMENT, carino INTEGER NOT NULL, tarih REAL NOT NULL,
  saat TEXT NOT NULL DEFAULT '', verenid INTEGER NOT NULL DEFAULT 0, veren TEXT NOT NULL DEFAULT '',
  teslimid INTEGER NOT NULL DEFAULT 0, kargoid INTEGER NOT NULL DEFAULT 0,
  kargofirmaid INTEGER NOT NULL DEFAULT 0, aciklama TEXT NOT NULL DEFAULT '',
  durum TEXT NOT NULL DEFAULT 'Alındı', bizimmesaj TEXT NOT NULL DEFAULT '',
  saticinotu TEXT NOT NULL DEFAULT '', tutar REAL NOT NULL DEFAULT 0,
  indirim REAL NOT NULL DEFAULT 0, nettutar REAL NOT NULL DEFAULT 0, vergi REAL NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS siparis_cari ON siparis(carino);
CREATE TABLE IF NOT EXISTS siparissatir (
  sirano INTEGER PRIMARY KEY AUTOINCREMENT, idno INTEGER NOT NULL, stokno INTEGER NOT NULL,
  barkod TEXT NOT NULL DEFAULT '', stokadi TEXT NOT NULL DEFAULT '', miktar REAL NOT NULL,
  teslimedilen REAL NOT NULL DEFAULT 0, bakiye REAL NOT NULL DEFAULT 0, kdv REAL NOT NULL,
  birimfiyat REAL NOT NULL, ilkfiyat REAL NOT NULL, ind1 REAL NOT NULL DEFAULT 0,
  ind2 REAL NOT NULL DEFAULT 0, ind3 REAL NOT NULL DEFAULT 0, ind4 REAL NOT NULL DEFAULT 0,
  verenid INTEGER NOT NULL DEFAULT 0, k INTEGER NOT NULL DEFAULT 0, sepetsirano INTEGER NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS siparissatir_idno ON siparissatir(idno);
CREATE TABLE IF NOT EXISTS hareket (
  idno INTEGER PRIMARY KEY, carino INTEGER NOT NULL, tarih REAL NOT NULL, turadi TEXT NOT NULL,
  evrak TEXT NOT NULL DEFAULT '', borc REAL NOT NULL DEFAULT 0, alacak REAL NOT NULL DEFAULT 0,
  kur TEXT NOT NULL DEFAULT 'TL', aciklama TEXT NOT NULL DEFAULT '', vade REAL NOT NULL DEFAULT 0,
  siparisidno INTEGER NOT NULL DEFAULT 0, sanalpos INTEGER NOT NULL DEFAULT 0,
  cins TEXT NOT NULL DEFAULT '', saat TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS hareket_cari ON hareket(carino, tarih);
CREATE TABLE IF NOT EXISTS faturasatir (
  sirano INTEGER PRIMARY KEY AUTOINCREMENT, idno INTEGER NOT NULL, stokno INTEGER NOT NULL,
  miktar REAL NOT NULL, birimfiyat REAL NOT NULL, ind1 REAL NOT NULL DEFAULT 0,
  ind2 REAL NOT NULL DEFAULT 0, kdv REAL NOT NULL, masraf REAL NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS faturasatir_idno ON faturasatir(idno);
CREATE TABLE IF NOT EXISTS duyuru (
  sirano INTEGER PRIMARY KEY, tur TEXT NOT NULL, baslik TEXT NOT NULL, arama TEXT NOT NULL DEFAULT '',
  resim BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS banner (no INTEGER PRIMARY KEY, veri BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS resim (stokno INTEGER PRIMARY KEY, tur TEXT NOT NULL, veri BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS giden (
  sirano INTEGER PRIMARY KEY AUTOINCREMENT, tur TEXT NOT NULL, bilgisayarid TEXT NOT NULL DEFAULT '',
  baslik TEXT NOT NULL DEFAULT '', icerik TEXT NOT NULL DEFAULT '', zaman TEXT NOT NULL);
)SQL";
// Version 2: the stock lists are ordered by part code.
const char *const Surum2 = "CREATE INDEX IF NOT EXISTS stok_barkod ON stok(barkod);";
} // namespace

void SemayiKur(Vt &vt)
{
    const int surum = int(vt.hazirla("PRAGMA user_version").tekTam());
    if (surum > SemaSurumu)
        throw VtHatasi("Veritabanı bu sunucudan yeni bir sürümle oluşturulmuş (şema " + std::to_string(surum) + ")");
    if (surum == SemaSurumu)
        return;
    Islem is(vt);
    if (surum < 1)
        vt.calistir(Surum1);
    if (surum < 2)
        vt.calistir(Surum2);
    vt.calistir(("PRAGMA user_version=" + std::to_string(SemaSurumu)).c_str());
    is.onayla();
}

} // namespace dorvanto::appserver
