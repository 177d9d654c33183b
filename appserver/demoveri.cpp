#include "demoveri.h"

#include "ortak.h"
#include "resimler.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <cstdint>

namespace dorvanto::appserver {

QDate DemoGunu() { return QDate(2026, 12, 1); }

namespace {

class Rastgele {
public:
    explicit Rastgele(std::uint64_t tohum) : m_s(tohum) {}
    std::uint64_t sonraki()
    {
        std::uint64_t z = (m_s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int aralik(int a, int b) { return a + int(sonraki() % std::uint64_t(b - a + 1)); }  // inclusive
    double oran() { return double(sonraki() >> 11) / double(1ull << 53); }
    template <typename T, std::size_t N> const T &sec(const std::array<T, N> &d) { return d[sonraki() % N]; }

private:
    std::uint64_t m_s;
};

struct Marka {
    const char *adi;
    const char *kisa;
    std::array<const char *, 4> modeller;
};

const std::array<Marka, 10> Markalar = {{
    {"FIAT", "FIA", {"DOBLO", "LINEA", "EGEA", "PALIO"}},
    {"RENAULT", "REN", {"CLIO", "MEGANE", "SYMBOL", "FLUENCE"}},
    {"FORD", "FRD", {"FOCUS", "FIESTA", "TRANSIT", "CONNECT"}},
    {"VOLKSWAGEN", "VWG", {"GOLF", "PASSAT", "POLO", "CADDY"}},
    {"TOYOTA", "TYT", {"COROLLA", "YARIS", "AURIS", "HILUX"}},
    {"HYUNDAI", "HYN", {"ACCENT", "I20", "TUCSON", "GETZ"}},
    {"OPEL", "OPL", {"ASTRA", "CORSA", "INSIGNIA", "VECTRA"}},
    {"PEUGEOT", "PGT", {"206", "301", "3008", "PARTNER"}},
    {"CITROEN", "CIT", {"C3", "C4", "BERLINGO", "C-ELYSEE"}},
    {"DACIA", "DAC", {"SANDERO", "DUSTER", "LOGAN", "LODGY"}},
}};

struct Grup {
    const char *adi;
    const char *kod;
    double taban;
    std::array<const char *, 6> parcalar;
};

const std::array<Grup, 10> Gruplar = {{
    {"FREN SİSTEMİ", "FR", 450, {"FREN BALATASI ÖN", "FREN BALATASI ARKA", "FREN DİSKİ ÖN", "FREN KAMPANASI", "FREN MERKEZİ", "ABS SENSÖRÜ"}},
    {"MOTOR", "MT", 900, {"TRİGER SETİ", "SİLİNDİR KAPAK CONTASI", "YAĞ POMPASI", "MOTOR TAKOZU", "SEGMAN TAKIMI", "KRANK KEÇESİ"}},
    {"SÜSPANSİYON", "SS", 650, {"AMORTİSÖR ÖN", "AMORTİSÖR ARKA", "SALINCAK KOLU", "ROTİL", "Z ROT", "HELEZON YAYI"}},
    {"FİLTRE", "FL", 120, {"YAĞ FİLTRESİ", "HAVA FİLTRESİ", "POLEN FİLTRESİ", "YAKIT FİLTRESİ", "FİLTRE SETİ", "HİDROLİK FİLTRESİ"}},
    {"ELEKTRİK", "EL", 700, {"MARŞ MOTORU", "ŞARJ DİNAMOSU", "BUJİ", "ATEŞLEME BOBİNİ", "CAM MOTORU", "KORNA"}},
    {"KAPORTA", "KP", 800, {"ÖN TAMPON", "ÇAMURLUK SAĞ", "KAPUT", "YAN AYNA SOL", "PANJUR", "BAGAJ AMORTİSÖRÜ"}},
    {"AYDINLATMA", "AY", 550, {"FAR SAĞ", "FAR SOL", "STOP LAMBASI", "SİS FARI", "SİNYAL LAMBASI", "AMPUL H7"}},
    {"DEBRİYAJ", "DB", 1200, {"DEBRİYAJ SETİ", "DEBRİYAJ BASKISI", "DEBRİYAJ RULMANI", "VOLANT", "DEBRİYAJ TELİ", "DEBRİYAJ MERKEZİ"}},
    {"SOĞUTMA", "SG", 600, {"SU POMPASI", "RADYATÖR", "TERMOSTAT", "FAN MOTORU", "RADYATÖR HORTUMU", "ANTİFRİZ"}},
    {"EGZOZ", "EG", 500, {"EGZOZ SUSTURUCUSU", "KATALİTİK KONVERTÖR", "EGZOZ CONTASI", "EGZOZ ASKI LASTİĞİ", "LAMBDA SONDASI", "EGZOZ BORUSU"}},
}};

const std::array<const char *, 10> Ureticiler = {"BOSCH", "VALEO", "MANN", "SACHS", "TRW", "FEBI", "MAHLE", "LEMFÖRDER", "NGK", "DELPHI"};
const std::array<const char *, 18> Soyadlar = {"YILDIZ", "ÖZTÜRK", "DEMİR", "ŞAHİN", "ÇELİK", "AYDIN", "ARSLAN", "KOÇ", "KURT", "ÖZDEMİR", "DOĞAN", "KILIÇ", "ÇETİN", "KARA", "ERDEM", "GÜNEŞ", "TAŞ", "AKSOY"};
const std::array<const char *, 4> Ekler = {"OTOMOTİV LTD. ŞTİ.", "OTO YEDEK PARÇA", "OTOMOTİV SAN. VE TİC. A.Ş.", "YEDEK PARÇA TİC."};
struct Sehir {
    const char *il;
    std::array<const char *, 3> ilceler;
};
const std::array<Sehir, 10> Sehirler = {{
    {"ANKARA", {"OSTİM", "SİNCAN", "YENİMAHALLE"}},
    {"İSTANBUL", {"İKİTELLİ", "BAYRAMPAŞA", "KARTAL"}},
    {"İZMİR", {"BORNOVA", "KARŞIYAKA", "ÇİĞLİ"}},
    {"BURSA", {"NİLÜFER", "OSMANGAZİ", "İNEGÖL"}},
    {"KONYA", {"SELÇUKLU", "KARATAY", "MERAM"}},
    {"ADANA", {"SEYHAN", "ÇUKUROVA", "YÜREĞİR"}},
    {"KAYSERİ", {"MELİKGAZİ", "KOCASİNAN", "TALAS"}},
    {"ESKİŞEHİR", {"ODUNPAZARI", "TEPEBAŞI", "SİVRİHİSAR"}},
    {"SAMSUN", {"ATAKUM", "İLKADIM", "CANİK"}},
    {"TRABZON", {"ORTAHİSAR", "AKÇAABAT", "YOMRA"}},
}};

const std::array<const char *, 6> Durumlar = {"Alındı", "Onaylandı", "Görüldü", "Parçalı Hazırlandı", "Hazırlandı", "Sevk Edildi"};

struct StokOzet {
    int stokno;
    QString barkod, adi;
    double fiyat, kampfiyat;
    int kdv;
};

QString s(const char *p) { return QString::fromUtf8(p); }

} // namespace

void DemoVeriYukle(Vt &vt, const TohumAyari &ayar)
{
    if (vt.hazirla("SELECT COUNT(*) FROM stok").tekTam() > 0)
        throw VtHatasi("Veritabanında zaten veri var; demo verisi boş bir veritabanına yüklenir");
    Rastgele r(20261201);
    const QDate gun = DemoGunu();
    const double bugun = GunSayisi(gun);
    Islem is(vt);

    // ---- sales representatives and customers ----
    {
        auto k = vt.hazirla("INSERT INTO satici(saticino, adi, mail, telefon) VALUES (?,?,?,?)");
        k.bagla(1, 1).bagla(2, s("MEHMET YILMAZ")).bagla(3, "mehmet.yilmaz@dorvanto.example").bagla(4, "0312 555 01 01");
        k.calistir();
        k.sifirla();
        k.bagla(1, 2).bagla(2, s("AYŞE KAYA")).bagla(3, "ayse.kaya@dorvanto.example").bagla(4, "0312 555 01 02");
        k.calistir();
    }
    const int cariSayisi = 60;
    {
        auto k = vt.hazirla(
            "INSERT INTO cari(carino, carikod, cariadi, saticino, ind1, ind2, ind3, ind4, yetkili, ozelkod, kod1, kod2,"
            " kod3, kod4, kod5, tel1, tel2, ilce, il, gsm, vade, vadekontrolgun, vadekontrolay, vergidairesi, vergino,"
            " adres1, adres2, anagrup, altgrup, fax1, fax2, email) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        const std::array<double, 6> i1 = {0, 5, 10, 15, 20, 25};
        const std::array<double, 4> i2 = {0, 0, 5, 10};
        const std::array<double, 4> i3 = {0, 0, 0, 2};
        const std::array<const char *, 8> adlar = {"AHMET", "MUSTAFA", "HASAN", "ALİ", "FATMA", "ZEYNEP", "İBRAHİM", "EMRE"};
        for (int i = 0; i < cariSayisi; ++i) {
            const int carino = 1001 + i;
            const Sehir &sh = Sehirler[size_t(i) % Sehirler.size()];
            const QString soyad = s(Soyadlar[size_t(i) % Soyadlar.size()]);
            const QString ad = soyad + u' ' + s(Ekler[size_t(i / 3) % Ekler.size()]);
            double d1 = r.sec(i1), d2 = r.sec(i2), d3 = r.sec(i3);
            if (carino == 1001) {
                d1 = 25;
                d2 = 10;
                d3 = 0;
            }
            k.ekle(carino).ekle(QStringLiteral("120.01.%1").arg(carino, 4, 10, QChar(u'0')));
            k.ekle(s(sh.il) + u' ' + ad).ekle(i % 2 == 0 ? 1 : 2);
            k.ekle(d1).ekle(d2).ekle(d3).ekle(0.0);
            k.ekle(s(adlar[size_t(r.aralik(0, 7))]) + u' ' + soyad);
            k.ekle(i % 3 == 0 ? s("BAYİ") : s("SERVİS"));
            k.ekle(s("BÖLGE ") + QString::number(i % 4 + 1)).ekle("").ekle("").ekle("").ekle("");
            k.ekle(QStringLiteral("0%1 %2 %3").arg(212 + i * 7 % 300).arg(300 + i, 3).arg(10 + i % 80));
            k.ekle(i % 2 ? QStringLiteral("0%1 %2 11 22").arg(212 + i * 7 % 300).arg(400 + i) : QString());
            k.ekle(s(sh.ilceler[size_t(i) % 3])).ekle(s(sh.il));
            k.ekle(QStringLiteral("053%1 %2 %3 %4").arg(i % 10).arg(100 + i).arg(10 + i % 89).arg(20 + i % 79));
            k.ekle(std::array<int, 4>{30, 45, 60, 90}[size_t(i) % 4]).ekle(15).ekle(1);
            k.ekle(s(sh.il) + s(" VERGİ DAİRESİ")).ekle(QStringLiteral("%1").arg(1234500000LL + carino * 37));
            k.ekle(s("SANAYİ SİTESİ ") + QString::number(i % 12 + 1) + s(". BLOK NO:") + QString::number(i + 3));
            k.ekle(s(sh.ilceler[size_t(i) % 3]) + s(" ORGANİZE SANAYİ"));
            k.ekle(i % 2 ? s("BİNEK") : s("TİCARİ")).ekle(i % 3 ? s("A GRUBU") : s("B GRUBU"));
            k.ekle(QStringLiteral("0%1 %2 99 00").arg(212 + i * 7 % 300).arg(300 + i)).ekle("");
            k.ekle(QStringLiteral("bayi%1@ornek-oto.example").arg(carino));
            k.calistir();
            k.sifirla();
        }
    }

    // ---- users (registered machines) ----
    {
        struct K {
            const char *id, *adi;
            int carino, tip, aktif, surum, saticino;
        };
        const K kullanicilar[] = {
            {"DEMO-BAYI", "BAYI", 1001, 3, 1, 4, 0},     {"DEMO-BAYI4", "BAYI4", 1002, 4, 1, 4, 0},
            {"DEMO-SATICI", "SATICI", 1003, 1, 1, 4, 1}, {"DEMO-YONETICI", "YONETICI", 1001, 2, 1, 4, 0},
            {"DEMO-PASIF", "PASIF", 1005, 3, 0, 4, 0},   {"DEMO-ESKI", "ESKI", 1007, 3, 1, 5, 0},
        };
        auto k = vt.hazirla("INSERT INTO kullanici(bilgisayarid, adi, sifre, carino, tip, aktif, surum, mail, saticino)"
                            " VALUES (?,?,?,?,?,?,?,?,?)");
        for (const K &u : kullanicilar) {
            k.bagla(1, u.id).bagla(2, u.adi).bagla(3, "1234").bagla(4, u.carino).bagla(5, u.tip).bagla(6, u.aktif);
            k.bagla(7, u.surum).bagla(8, QString::fromLatin1(u.adi).toLower() + QStringLiteral("@ornek-oto.example"));
            k.bagla(9, u.saticino);
            k.calistir();
            k.sifirla();
        }
    }

    // ---- parts ----
    std::vector<StokOzet> stoklar;
    stoklar.reserve(size_t(ayar.parcaSayisi));
    {
        auto k = vt.hazirla(
            "INSERT INTO stok(stokno, barkod, adi, digeradi, oem1, oem2, oem3, oem4, oemno, finishkod, ureticikodu,"
            " ozelkod, marka, model, anagrup, birim, kdv, fiyat, kampfiyat, yeni, kalan, alinansiparis, verilensiparis,"
            " durum, barkodno, dpkod, pkod, departman, resim, aranan) VALUES"
            " (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        const std::array<int, 6> kdvler = {20, 20, 20, 20, 18, 10};
        const std::array<int, 5> yoklar = {0, 2, 3, 4, 5};
        for (int i = 0; i < ayar.parcaSayisi; ++i) {
            const int stokno = 1001 + i;
            const Marka &m = Markalar[size_t(i) % Markalar.size()];
            const QString model = s(m.modeller[size_t(i / 10) % 4]);
            const Grup &g = Gruplar[size_t(i / 40) % Gruplar.size()];
            const QString parca = s(g.parcalar[size_t(i / 7) % 6]);
            const QString uretici = s(Ureticiler[size_t(i / 3) % Ureticiler.size()]);
            const QString barkod = QStringLiteral("%1-%2-%3").arg(QLatin1String(m.kisa), QLatin1String(g.kod)).arg(stokno, 6, 10, QChar(u'0'));
            const QString adi = parca + u' ' + s(m.adi) + u' ' + model;
            const QString oem1 = QStringLiteral("%1 %2 %3").arg(r.aralik(100, 999)).arg(r.aralik(100, 999)).arg(r.aralik(1000, 9999));
            const QString oem2 = i % 3 == 0 ? QStringLiteral("%1%2").arg(r.aralik(10000, 99999)).arg(r.aralik(10000, 99999)) : QString();
            const QString oem3 = i % 7 == 0 ? QStringLiteral("%1-%2").arg(r.aralik(1000, 9999)).arg(r.aralik(100, 999)) : QString();
            const QString oem4 = i % 11 == 0 ? QStringLiteral("%1").arg(r.aralik(1000000, 9999999)) : QString();
            QString oemno = oem1;
            oemno.remove(u' ');
            const QString finish = QStringLiteral("F%1").arg(200000 + stokno * 13 % 800000);
            const QString ukod = uretici.left(3) + QStringLiteral(" %1").arg(r.aralik(100000, 999999));
            QString birim = QStringLiteral("ADET");
            if (parca.contains(s("SET")) || parca.contains(s("TAKIM")))
                birim = QStringLiteral("TAKIM");
            else if (parca == s("ANTİFRİZ"))
                birim = s("LİTRE");
            else if (parca.contains(s("HORTUM")) || parca.contains(s("TELİ")))
                birim = QStringLiteral("METRE");
            else if (parca.contains(s("AMPUL")) || parca == s("BUJİ"))
                birim = QStringLiteral("KUTU");
            const int kdv = r.sec(kdvler);
            const double fiyat = Yuvarla2(g.taban * (0.4 + 1.8 * r.oran()));
            const bool kamp = i % 20 == 7;
            const double kampfiyat = kamp ? Yuvarla2(fiyat * 0.85) : 0.0;
            const int yeni = (i % 25 == 3 || i % 25 == 7) ? 1 : 0;
            int durum, kalan;
            if (i % 6 == 5) {
                durum = yoklar[size_t(i / 6) % yoklar.size()];
                kalan = 0;
            } else {
                durum = 1;
                kalan = r.aralik(1, 400);
            }
            const bool resim = i % 5 < 3;
            const QString ozel = QString(QChar(u'A' + i % 3));
            k.ekle(stokno).ekle(barkod).ekle(adi);
            k.ekle(i % 4 == 0 ? parca + s(" (MUADİL)") : QString());
            k.ekle(oem1).ekle(oem2).ekle(oem3).ekle(oem4).ekle(oemno);
            k.ekle(finish).ekle(ukod).ekle(ozel).ekle(s(m.adi)).ekle(model);
            k.ekle(s(g.adi)).ekle(birim).ekle(kdv).ekle(fiyat).ekle(kampfiyat);
            k.ekle(yeni).ekle(double(kalan)).ekle(double(r.aralik(0, 40))).ekle(double(r.aralik(0, 60)));
            k.ekle(durum).ekle(qint64(stokno) * 10 + 1);
            k.ekle(QStringLiteral("DP%1").arg(stokno % 97)).ekle(QStringLiteral("P%1").arg(stokno % 53));
            k.ekle(s(g.adi)).ekle(resim ? 1 : 0);
            k.ekle(AramaBicimi(QStringList{barkod, adi, oem1, oem2, oem3, oem4, oemno, finish, ukod, uretici,
                                                 s(m.adi), model, s(g.adi)}
                                         .join(u' ')));
            k.calistir();
            k.sifirla();
            stoklar.push_back({stokno, barkod, adi, fiyat, kampfiyat, kdv});
        }
    }

    // ---- delivery, cargo ----
    vt.calistir(
        "INSERT INTO teslim(id, adi) VALUES (1, 'Gönderilsin'), (2, 'Gelip Alınacak'), (3, 'Acil Gönderilsin');"
        "INSERT INTO kargotur(id, adi) VALUES (1, 'Anlaşmalı Kargo'), (2, 'Ambar'), (3, 'Firma Aracı');"
        "INSERT INTO kargofirma(sirano, turid, adi, uyari) VALUES"
        " (1, 1, 'YURTİÇİ KARGO', 'Saat 16:00''dan sonra verilen siparişler ertesi gün kargoya verilir.'),"
        " (2, 1, 'ARAS KARGO', 'Alıcı ödemeli gönderilir.'),"
        " (3, 1, 'MNG KARGO', ''),"
        " (4, 1, 'SÜRAT KARGO', 'Hafta sonu teslimat yapılmaz.'),"
        " (5, 2, 'ÖZ ANKARA AMBARI', 'Ambar teslimatları Salı ve Cuma günleri yapılır.'),"
        " (6, 3, 'DORVANTO DAĞITIM ARACI', 'Yalnızca şehir içi teslimat.');");

    // ---- baskets ----
    auto cariIndirim = [&](int carino, double d[4]) {
        auto k = vt.hazirla("SELECT ind1, ind2, ind3, ind4 FROM cari WHERE carino=?");
        k.bagla(1, carino);
        d[0] = d[1] = d[2] = d[3] = 0;
        if (k.adim())
            for (int j = 0; j < 4; ++j)
                d[j] = k.reel(j);
    };
    {
        auto k = vt.hazirla("INSERT INTO sepet(carino, stokno, barkod, stokadi, miktar, kdv, birimfiyat, ind1, ind2, ind3,"
                            " ind4, verenid, k, sec, tarih, saat) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (int carino = 1001; carino <= 1020; ++carino) {
            double d[4];
            cariIndirim(carino, d);
            const int adet = carino == 1001 ? 5 : (carino % 4);
            for (int j = 0; j < adet; ++j) {
                const StokOzet &st = stoklar[size_t(r.aralik(0, int(stoklar.size()) - 1))];
                const bool kamp = st.kampfiyat > 0;
                k.ekle(carino).ekle(st.stokno).ekle(st.barkod).ekle(st.adi);
                k.ekle(double(r.aralik(1, 12))).ekle(double(st.kdv));
                k.ekle(kamp ? st.kampfiyat : st.fiyat);
                for (int x = 0; x < 4; ++x)
                    k.ekle(kamp ? 0.0 : d[x]);
                k.ekle(1).ekle(kamp ? 1 : 0).ekle(j < 2 ? 1 : 0);
                k.ekle(bugun - r.aralik(0, 6)).ekle(QStringLiteral("%1:%2").arg(r.aralik(8, 18), 2, 10, QChar(u'0')).arg(r.aralik(0, 59), 2, 10, QChar(u'0')));
                k.calistir();
                k.sifirla();
            }
        }
    }

    // ---- orders, statements ----
    auto sip = vt.hazirla("INSERT INTO siparis(carino, tarih, saat, verenid, veren, teslimid, kargoid, kargofirmaid,"
                          " aciklama, durum, bizimmesaj, saticinotu, tutar, indirim, nettutar, vergi)"
                          " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    auto sat = vt.hazirla("INSERT INTO siparissatir(idno, stokno, barkod, stokadi, miktar, teslimedilen, bakiye, kdv,"
                          " birimfiyat, ilkfiyat, ind1, ind2, ind3, ind4, verenid, k) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    auto har = vt.hazirla("INSERT INTO hareket(idno, carino, tarih, turadi, evrak, borc, alacak, kur, aciklama, vade,"
                          " siparisidno, sanalpos, cins, saat) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    auto fat = vt.hazirla("INSERT INTO faturasatir(idno, stokno, miktar, birimfiyat, ind1, ind2, kdv, masraf) VALUES (?,?,?,?,?,?,?,?)");
    int hareketNo = 50001;
    const std::array<int, 3> kargoFirmasi = {1, 5, 6};
    const std::array<const char *, 4> mesajlar = {"", "Acil lazım, bugün gönderirseniz sevinirim.", "", "Faturayı firmaya kesiniz."};
    const std::array<const char *, 4> bizim = {"", "Siparişiniz hazırlanıyor.", "Eksik ürünler tedarik edilince gönderilecek.", ""};
    const std::array<const char *, 3> notlar = {"", "Müşteri aranacak.", "Ödeme sonrası sevk edilecek."};
    for (int carino = 1001; carino <= 1000 + cariSayisi; ++carino) {
        double d[4];
        cariIndirim(carino, d);
        const int vadeGun = int(vt.hazirla("SELECT vade FROM cari WHERE carino=?").bagla(1, carino).tekTam());
        auto hareketEkle = [&](double tarih, const QString &tur, const QString &evrak, double borc, double alacak,
                               const QString &aciklama, double vade, int sipIdno, int sanalpos, const QString &cins) {
            har.ekle(hareketNo).ekle(carino).ekle(tarih).ekle(tur).ekle(evrak);
            har.ekle(borc).ekle(alacak).ekle("TL").ekle(aciklama).ekle(vade);
            har.ekle(sipIdno).ekle(sanalpos).ekle(cins);
            har.ekle(QStringLiteral("%1:%2").arg(r.aralik(8, 18), 2, 10, QChar(u'0')).arg(r.aralik(0, 59), 2, 10, QChar(u'0')));
            har.calistir();
            har.sifirla();
            return hareketNo++;
        };
        hareketEkle(bugun - 200, s("Devir Bakiyesi"), QStringLiteral("DVR%1").arg(carino), Yuvarla2(1000 + r.oran() * 9000), 0,
                    s("Önceki dönemden devir"), bugun - 200, 0, 0, QString());
        // some customers have paid everything: no balance, no overdue warning
        auto kapat = [&] {
            if (carino % 5 != 0)
                return;
            const double kalan = vt.hazirla("SELECT COALESCE(SUM(borc - alacak), 0) FROM hareket WHERE carino=?")
                                     .bagla(1, carino).tekReel();
            if (kalan > 0)
                hareketEkle(bugun - 2, s("Tahsilat"), QStringLiteral("THS%1").arg(hareketNo), 0, Yuvarla2(kalan),
                            s("Havale tahsilatı"), bugun - 2, 0, 0, s("Havale"));
        };
        if (carino > 1040) {
            kapat();
            continue;
        }
        const int siparisAdedi = r.aralik(4, 9);
        std::vector<int> gunler;
        for (int j = 0; j < siparisAdedi; ++j)
            gunler.push_back(r.aralik(1, 180));
        std::sort(gunler.begin(), gunler.end(), std::greater<int>());
        int faturaSayaci = 0;
        for (int j = 0; j < siparisAdedi; ++j) {
            const double tarih = bugun - gunler[size_t(j)];
            const int durumNo = gunler[size_t(j)] > 30 ? 5 : r.aralik(0, 5);
            const int kargo = r.aralik(1, 3);
            const int satirAdedi = r.aralik(2, 7);
            double tutar = 0, net = 0, vergi = 0;
            struct Satir {
                const StokOzet *st;
                double miktar, teslim, fiyat, dd[4];
            };
            std::vector<Satir> satirlar;
            for (int x = 0; x < satirAdedi; ++x) {
                const StokOzet &st = stoklar[size_t(r.aralik(0, int(stoklar.size()) - 1))];
                Satir sa{&st, double(r.aralik(1, 20)), 0, st.kampfiyat > 0 ? st.kampfiyat : st.fiyat, {}};
                for (int y = 0; y < 4; ++y)
                    sa.dd[y] = st.kampfiyat > 0 ? 0 : d[y];
                if (durumNo == 5)
                    sa.teslim = x % 3 == 2 ? std::max(0.0, sa.miktar - r.aralik(1, 3)) : sa.miktar;
                else if (durumNo == 3)
                    sa.teslim = std::floor(sa.miktar / 2);
                const double satTutar = Yuvarla2(sa.miktar * sa.fiyat);
                const double satNet = Yuvarla2(sa.miktar * NetFiyat(sa.fiyat, sa.dd[0], sa.dd[1], sa.dd[2], sa.dd[3]));
                tutar += satTutar;
                net += satNet;
                vergi += Yuvarla2(satNet * st.kdv / 100);
                satirlar.push_back(sa);
            }
            sip.ekle(carino).ekle(tarih).ekle(QStringLiteral("%1:%2").arg(r.aralik(8, 18), 2, 10, QChar(u'0')).arg(r.aralik(0, 59), 2, 10, QChar(u'0')));
            sip.ekle(1).ekle(carino == 1003 || carino % 2 == 1 ? s("BAYI") : s("MEHMET YILMAZ"));
            sip.ekle(r.aralik(1, 3)).ekle(kargo).ekle(kargoFirmasi[size_t(kargo - 1)]);
            sip.ekle(s(r.sec(mesajlar))).ekle(s(Durumlar[size_t(durumNo)])).ekle(s(r.sec(bizim)));
            sip.ekle(s(r.sec(notlar))).ekle(Yuvarla2(tutar)).ekle(Yuvarla2(tutar - net));
            sip.ekle(Yuvarla2(net)).ekle(Yuvarla2(vergi));
            sip.calistir();
            sip.sifirla();
            const int idno = int(vt.sonEklenen());
            for (const Satir &sa : satirlar) {
                sat.ekle(idno).ekle(sa.st->stokno).ekle(sa.st->barkod).ekle(sa.st->adi);
                sat.ekle(sa.miktar).ekle(sa.teslim).ekle(sa.miktar - sa.teslim).ekle(double(sa.st->kdv));
                sat.ekle(sa.fiyat).ekle(sa.st->fiyat);
                for (int y = 0; y < 4; ++y)
                    sat.ekle(sa.dd[y]);
                sat.ekle(1).ekle(sa.st->kampfiyat > 0 ? 1 : 0);
                sat.calistir();
                sat.sifirla();
            }
            if (durumNo == 5) {
                // the invoice of the delivered quantities
                double fnet = 0, fvergi = 0;
                for (const Satir &sa : satirlar) {
                    const double satNet = Yuvarla2(sa.teslim * NetFiyat(sa.fiyat, sa.dd[0], sa.dd[1], sa.dd[2], sa.dd[3]));
                    fnet += satNet;
                    fvergi += Yuvarla2(satNet * sa.st->kdv / 100);
                }
                const int fno = hareketEkle(tarih + 1, s("Toptan Satış Faturası"), QStringLiteral("DRV2026%1").arg(hareketNo, 6, 10, QChar(u'0')),
                                            Yuvarla2(fnet + fvergi), 0, QStringLiteral("%1 nolu sipariş").arg(idno),
                                            tarih + 1 + vadeGun, idno, 0, QString());
                for (const Satir &sa : satirlar) {
                    if (sa.teslim <= 0)
                        continue;
                    fat.ekle(fno).ekle(sa.st->stokno).ekle(sa.teslim).ekle(sa.fiyat);
                    fat.ekle(sa.dd[0]).ekle(sa.dd[1]).ekle(double(sa.st->kdv)).ekle(0.0);
                    fat.calistir();
                    fat.sifirla();
                }
                ++faturaSayaci;
                if (faturaSayaci % 2 == 0 || carino % 5 == 0) {
                    const std::array<const char *, 4> cinsler = {"Nakit", "Kredi Kartı", "Çek", "Havale"};
                    const int c = r.aralik(0, 3);
                    const int no = hareketNo;
                    hareketEkle(tarih + r.aralik(5, 20), s("Tahsilat"), QStringLiteral("THS%1").arg(no),
                                0, Yuvarla2((fnet + fvergi) * (0.6 + 0.5 * r.oran())), s(cinsler[size_t(c)]) + s(" tahsilatı"),
                                tarih + 30, 0, c == 1 ? 7000 + no : 0, s(cinsler[size_t(c)]));
                }
            }
        }
        if (carino % 4 == 0)
            hareketEkle(bugun - 15, s("Tediye"), QStringLiteral("TDY%1").arg(carino), Yuvarla2(150 + r.oran() * 300), 0,
                        s("Fazla ödeme iadesi"), bugun - 15, 0, 0, s("Nakit"));
        if (carino % 6 == 1)
            hareketEkle(bugun - 10, s("Satış İade Faturası"), QStringLiteral("IAD%1").arg(carino), 0,
                        Yuvarla2(100 + r.oran() * 400), s("Hasarlı ürün iadesi"), bugun - 10, 0, 0, QString());
        kapat();
    }

    // ---- announcements, advertisements, banners, ticker ----
    {
        struct D {
            const char *tur, *baslik, *alt;
            QString arama;
        };
        const std::vector<D> duyurular = {
            {"duyuru", "Kış Kampanyası Başladı", "Seçili fren ve süspansiyon parçalarında %15 indirim", QStringLiteral("#KAMPANYA#")},
            {"duyuru", "Yeni Ürünler Geldi", "Aydınlatma ve elektrik gruplarında yeni stoklar", s("#YENİ#")},
            {"duyuru", "Haftanın Ürünü", stoklar.front().adi.toUtf8().constData(), stoklar.front().barkod},
            {"duyuru", "Kargo Saatleri", "Saat 16:00'ya kadar verilen siparişler aynı gün kargoda", QString()},
            {"duyuru", "Filtre Setlerinde Fırsat", "Yağ, hava ve polen filtresi bir arada", QStringLiteral("FILTRE SETI")},
            {"reklam", "Dorvanto B2B'ye Hoş Geldiniz", "Siparişleriniz 7/24 açık", QString()},
            {"reklam", "Kampanyalı Ürünler", "Kampanyalı stokları kaçırmayın", QStringLiteral("#KAMPANYA#")},
            {"reklam", "Yeni Sezon", "Yeni gelen parçaları inceleyin", s("#YENİ#")},
        };
        auto k = vt.hazirla("INSERT INTO duyuru(sirano, tur, baslik, arama, resim) VALUES (?,?,?,?,?)");
        int no = 1;
        for (const D &d : duyurular) {
            k.bagla(1, no).bagla(2, d.tur).bagla(3, s(d.baslik)).bagla(4, d.arama);
            k.baglaBlob(5, DuyuruResmi(no, s(d.baslik), s(d.alt)));
            k.calistir();
            k.sifirla();
            ++no;
        }
        auto b = vt.hazirla("INSERT INTO banner(no, veri) VALUES (?,?)");
        b.bagla(1, 1).baglaBlob(2, GifAfis(409, 100, 4, s("DORVANTO OTOMOTİV")));
        b.calistir();
        b.sifirla();
        b.bagla(1, 2).baglaBlob(2, GifAfis(1200, 48, 3, s("Kampanyalı ürünlerde kargo bedava!")));
        b.calistir();
        b.sifirla();
        b.bagla(1, 3).baglaBlob(2, BmpAfis(1200, 60, s("Dorvanto Otomotiv - Orijinal ve muadil yedek parça")));
        b.calistir();
        auto a = vt.hazirla("INSERT OR REPLACE INTO ayar(anahtar, deger) VALUES (?,?)");
        a.bagla(1, "kayanyazi").bagla(2, s("<b>Dorvanto Otomotiv</b> B2B sistemine hoş geldiniz. "
                                              "<font color=\"#d00000\">Kış kampanyası</font> başladı: seçili fren ve "
                                              "süspansiyon parçalarında <b>%15</b> indirim!"));
        a.calistir();
    }
    is.onayla();
}

int MakineyiKaydet(Vt &vt, const MakineKaydi &k)
{
    if (k.bilgisayarId.trimmed().isEmpty())
        throw VtHatasi("Bilgisayar kimliği boş olamaz");
    if (k.kullanici.isEmpty() || k.sifre.isEmpty())
        throw VtHatasi("Kullanıcı adı ve şifre boş olamaz");
    if (k.tip < 1 || k.tip > 4)
        throw VtHatasi("Müşteri tipi 1 ile 4 arasında olmalı");
    Islem is(vt);
    int carino = k.carino;
    int saticino = 0;
    if (carino != 0) {
        auto c = vt.hazirla("SELECT saticino FROM cari WHERE carino=?");
        c.bagla(1, carino);
        if (!c.adim())
            throw VtHatasi("Cari bulunamadı: " + std::to_string(carino));
        saticino = int(c.tam(0));
    } else if (k.tip >= 3) {
        carino = int(vt.hazirla("SELECT COALESCE(MAX(carino), 1000) + 1 FROM cari").tekTam());
        auto c = vt.hazirla("INSERT INTO cari(carino, carikod, cariadi, saticino, ind1, ind2) VALUES (?,?,?,1,10,5)");
        c.bagla(1, carino).bagla(2, QStringLiteral("120.02.%1").arg(carino, 4, 10, QChar(u'0')));
        c.bagla(3, k.kullanici + QStringLiteral(" OTOMOTİV"));
        c.calistir();
        saticino = 1;
    } else {
        carino = int(vt.hazirla("SELECT COALESCE(MIN(carino), 0) FROM cari").tekTam());
    }
    if (k.tip == 1)
        saticino = saticino ? saticino : 1;
    auto u = vt.hazirla("INSERT INTO kullanici(bilgisayarid, adi, sifre, carino, tip, aktif, surum, mail, saticino)"
                        " VALUES (?,?,?,?,?,1,?,?,?) ON CONFLICT(bilgisayarid) DO UPDATE SET adi=excluded.adi,"
                        " sifre=excluded.sifre, carino=excluded.carino, tip=excluded.tip, aktif=1,"
                        " surum=excluded.surum, mail=excluded.mail, saticino=excluded.saticino");
    u.bagla(1, k.bilgisayarId).bagla(2, k.kullanici).bagla(3, k.sifre).bagla(4, carino).bagla(5, k.tip);
    u.bagla(6, k.surum).bagla(7, k.kullanici.toLower() + QStringLiteral("@ornek-oto.example")).bagla(8, saticino);
    u.calistir();
    const int sirano = int(vt.hazirla("SELECT sirano FROM kullanici WHERE bilgisayarid=?").bagla(1, k.bilgisayarId).tekTam());
    is.onayla();
    return sirano;
}

} // namespace dorvanto::appserver
