// Decoding a large StokAraGetir answer: the proxy's path (parse + decode into the
// column vectors + load into a result table) against a plain simdjson DOM parse and
// QJsonDocument::fromJson of the same bytes. Prints figures; asserts nothing.
//
//   bench_decode [rows...]      (default: 20000 100000)
#include "sonuctablosu.h"
#include "sunucucevabi.h"
#include "tablojson.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>

#include <simdjson.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using namespace dorvanto;

namespace {

const char *const kMarkalar[] = {"BOSCH", "VALEO", "MANN-FİLTER", "SACHS", "LEMFÖRDER", "FEBİ", "MAHLE",
                                 "TRW", "NGK", "DELPHİ", "GATES", "SKF", "DAYCO", "HELLA", "CONTİNENTAL"};
const char *const kModeller[] = {"DOBLO 1.3 MJET 2010-", "FİORENTİNO 1.4", "CORSA D 1.2", "FOCUS II 1.6 TDCİ",
                                 "CLİO III 1.5 DCİ", "GOLF VI 1.6", "MEGANE II 1.5", "TRANSİT 2.4 TDCİ",
                                 "PASSAT B6 2.0 TDİ", "KANGOO 1.5 DCİ", "ŞAHİN 1.6", "TOFAŞ DOĞAN SLX"};
const char *const kAdlar[] = {"FREN BALATASI ÖN", "YAĞ FİLTRESİ", "HAVA FİLTRESİ", "POLEN FİLTRESİ",
                              "DEBRİYAJ SETİ", "AMORTİSÖR ARKA SAĞ", "ROTİL ALT SOL", "TRİGER SETİ",
                              "SU POMPASI", "BUJİ İRİDYUM", "ŞARJ DİNAMOSU", "MARŞ MOTORU",
                              "FAR AMPULÜ H7 12V", "SALINCAK ÖN ALT", "RADYATÖR HORTUMU ÜST"};
const char *const kGruplar[] = {"FREN SİSTEMİ", "FİLTRELER", "SÜSPANSİYON", "MOTOR", "ELEKTRİK", "AYDINLATMA",
                                "SOĞUTMA", "DEBRİYAJ"};

struct Sutun {
    const char *ad;
    FieldType tur;
    int boy;
};
const Sutun kSutunlar[] = {
    {"STOKNO", FieldType::Int, 0},        {"BARKOD", FieldType::String, 30},   {"ADI", FieldType::String, 80},
    {"STOKKODU", FieldType::String, 30},  {"OEM1", FieldType::String, 30},     {"OEM2", FieldType::String, 30},
    {"OEM3", FieldType::String, 30},      {"OEM4", FieldType::String, 30},     {"MARKA", FieldType::String, 40},
    {"MODEL", FieldType::String, 60},     {"URETICIKODU", FieldType::String, 30}, {"ANAGRUP", FieldType::String, 40},
    {"ALTGRUP", FieldType::String, 40},   {"OZELKOD", FieldType::String, 20},  {"BIRIM", FieldType::String, 10},
    {"FIYAT", FieldType::Float, 0},       {"FIYAT2", FieldType::Float, 0},     {"ILKFIYAT", FieldType::Float, 0},
    {"KAMPANYALIFIYAT", FieldType::Float, 0}, {"NETFIYAT", FieldType::Float, 0}, {"KDV", FieldType::Float, 0},
    {"IND1", FieldType::Float, 0},        {"IND2", FieldType::Float, 0},       {"IND3", FieldType::Float, 0},
    {"IND4", FieldType::Float, 0},        {"DURUM", FieldType::Int, 0},        {"RESIM", FieldType::Int, 0},
    {"KALAN", FieldType::Float, 0},       {"MIKTAR", FieldType::Float, 0},     {"YENI", FieldType::Int, 0},
    {"KAMPANYALI", FieldType::Int, 0},    {"DEPARTMAN", FieldType::String, 30}, {"RENK", FieldType::String, 20},
    {"ACIKLAMA", FieldType::Memo, 0},     {"RAF", FieldType::String, 10},      {"DOVIZ", FieldType::String, 5},
    {"KUR", FieldType::Currency, 0},      {"TARIH", FieldType::Date, 0},       {"GUNCELLEME", FieldType::DateTime, 0},
    {"PKOD", FieldType::String, 20},      {"DPKOD", FieldType::String, 20},    {"BAKIYE", FieldType::Currency, 0},
};

template <class T, std::size_t N> const char *sec(const T (&a)[N], std::mt19937 &r) { return a[r() % N]; }

QString kod(std::mt19937 &r, int uzunluk)
{
    static const char harf[] = "ABCDEFGHJKLMNPRSTUVYZ0123456789";
    QString s;
    for (int i = 0; i < uzunluk; ++i) {
        s.append(QLatin1Char(harf[r() % (sizeof harf - 1)]));
        if (i == 3)
            s.append(QLatin1Char('-'));
    }
    return s;
}

TableData stokTablosu(int satirSayisi)
{
    std::mt19937 r(20261211);
    TableData t;
    for (const Sutun &s : kSutunlar)
        t.addColumn(FieldDef(QString::fromLatin1(s.ad), s.tur, s.boy));
    for (ColumnData &c : t.columns)
        c.reserve(std::size_t(satirSayisi));
    std::uniform_real_distribution<double> fiyat(3.5, 4500.0);
    for (int i = 0; i < satirSayisi; ++i) {
        const int row = t.appendRow();
        int c = 0;
        auto yaz = [&](const QVariant &v) { t.set(row, c++, v); };
        yaz(100000 + i);
        yaz(QString::number(8690000000000LL + i * 7919LL));
        yaz(QString::fromUtf8(sec(kAdlar, r)) + QStringLiteral(" ") + QString::fromUtf8(sec(kModeller, r)));
        yaz(kod(r, 10));
        yaz(kod(r, 11));
        yaz(r() % 2 ? QVariant(kod(r, 9)) : QVariant(QString()));
        yaz(r() % 3 ? QVariant(QString()) : QVariant(kod(r, 12)));
        yaz(r() % 4 ? QVariant() : QVariant(kod(r, 8)));
        yaz(QString::fromUtf8(sec(kMarkalar, r)));
        yaz(QString::fromUtf8(sec(kModeller, r)));
        yaz(kod(r, 9));
        yaz(QString::fromUtf8(sec(kGruplar, r)));
        yaz(QString::fromUtf8(sec(kGruplar, r)));
        yaz(QStringLiteral("ÖZ%1").arg(r() % 50));
        yaz(QStringLiteral("ADET"));
        const double f = std::round(fiyat(r) * 100) / 100;
        yaz(f);
        yaz(std::round(f * 1.1 * 100) / 100);
        yaz(std::round(f * 1.25 * 100) / 100);
        yaz(r() % 5 ? 0.0 : std::round(f * 0.9 * 100) / 100);
        yaz(std::round(f * 0.78 * 100) / 100);
        yaz(20.0);
        yaz(double(r() % 40));
        yaz(double(r() % 10));
        yaz(double(r() % 5));
        yaz(0.0);
        yaz(int(r() % 4));
        yaz(int(r() % 2));
        yaz(double(r() % 500));
        yaz(double(r() % 1000) / 4);
        yaz(int(r() % 10 == 0));
        yaz(int(r() % 8 == 0));
        yaz(QStringLiteral("YEDEK PARÇA"));
        yaz(r() % 3 ? QString() : QStringLiteral("SİYAH"));
        yaz(r() % 2 ? QStringLiteral("Orijinal kutusunda, \"%1\" uyumlu; değişim parçası olarak önerilir. Stok durumu günlük güncellenir.")
                          .arg(QString::fromUtf8(sec(kModeller, r)))
                    : QString());
        yaz(QStringLiteral("R%1-%2").arg(r() % 40).arg(r() % 9));
        yaz(QStringLiteral("TL"));
        yaz(1.0);
        yaz(45000.0 + double(r() % 1000));
        yaz(45000.0 + double(r() % 100000) / 97.0);
        yaz(kod(r, 6));
        yaz(kod(r, 6));
        yaz(double(r() % 100000) / 100);
    }
    return t;
}

// Best of `n` runs, in seconds.
double olc(int n, const std::function<void()> &is)
{
    double enIyi = 1e30;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer t;
        t.start();
        is();
        enIyi = std::min(enIyi, double(t.nsecsElapsed()) / 1e9);
    }
    return enIyi;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::vector<int> boyutlar;
    for (int i = 1; i < argc; ++i)
        boyutlar.push_back(std::atoi(argv[i]));
    if (boyutlar.empty())
        boyutlar = {20000, 100000};

    std::printf("%-8s %-34s %10s %12s %10s %8s\n", "rows", "what", "ms", "rows/s", "MB/s", "x simd");
    for (const int satir : boyutlar) {
        QByteArray govde("{\"result\":[");
        TabloJsonEkle(govde, stokTablosu(satir));
        govde.append("]}");
        govde.reserve(govde.size() + simdjson::SIMDJSON_PADDING);
        const double mb = double(govde.size()) / (1024.0 * 1024.0);
        const int tekrar = satir >= 100000 ? 5 : 10;

        simdjson::dom::parser parser;
        const simdjson::padded_string dolgulu(govde.constData(), std::size_t(govde.size()));
        const double simd = olc(tekrar, [&] {
            simdjson::dom::element e;
            if (parser.parse(dolgulu).get(e))
                std::abort();
        });

        int yuklenen = 0;
        ResultTable tablo;
        const double yukle = olc(tekrar, [&] {
            SunucuCevabi cevap(govde, "StokAraGetir", 1);
            tablo.loadFromPacket(cevap.tablo(0));
            yuklenen = tablo.recordCount();
        });
        if (yuklenen != satir)
            std::abort();

        const double sadeceAyristir = olc(tekrar, [&] { SunucuCevabi cevap(govde, "StokAraGetir", 1); });
        TableData ayri;
        const double cozme = olc(tekrar, [&] {
            SunucuCevabi cevap(govde, "StokAraGetir", 1);
            TableData yeni = cevap.tablo(0);
            std::swap(ayri, yeni);
            // freeing the previous table is part of the figure, as in a real reload
        });
        const double qt = olc(std::max(2, tekrar / 2), [&] {
            const QJsonDocument d = QJsonDocument::fromJson(govde);
            if (!d.isObject())
                std::abort();
        });

        auto satirYaz = [&](const char *ne, double s) {
            std::printf("%-8d %-34s %10.1f %12.0f %10.1f %8.2f\n", satir, ne, s * 1e3, satir / s, mb / s, s / simd);
        };
        std::printf("%-8d answer size %.1f MB, %d columns\n", satir, mb, int(std::size(kSutunlar)));
        satirYaz("decode + load into ResultTable", yukle);
        satirYaz("  of it: answer parse (simdjson DOM)", sadeceAyristir);
        satirYaz("  of it: parse + decode + free old", cozme);
        satirYaz("simdjson DOM parse only", simd);
        satirYaz("QJsonDocument::fromJson", qt);
    }
    return 0;
}
