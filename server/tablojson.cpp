// Table codec and answer reader. Tables are decoded with simdjson straight into the
// column vectors of TableData: one pass over the parsed document, no intermediate
// QJsonValue per cell.
#include "tablojson.h"

#include "sunucucevabi.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <simdjson.h>

#include <charconv>
#include <unordered_map>
#include <cmath>
#include <limits>
#include <vector>

namespace dorvanto {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

[[noreturn]] void hata(const QString &mesaj) { throw ServerError(mesaj); }

QString turAdi(element_type t)
{
    switch (t) {
    case element_type::ARRAY: return QStringLiteral("dizi");
    case element_type::OBJECT: return QStringLiteral("nesne");
    case element_type::INT64:
    case element_type::UINT64: return QStringLiteral("tamsayı");
    case element_type::DOUBLE: return QStringLiteral("ondalıklı sayı");
    case element_type::STRING: return QStringLiteral("metin");
    case element_type::BOOL: return QStringLiteral("mantıksal");
    case element_type::NULL_VALUE: return QStringLiteral("null");
    }
    return QStringLiteral("bilinmeyen");
}

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Parsers keep their buffers between documents; each thread keeps a few for reuse.
// A borrowed parser goes back to its thread's shelf when the borrower is done.
class OduncParser {
public:
    OduncParser()
    {
        auto &raf = rafi();
        if (!raf.empty()) {
            p = std::move(raf.back());
            raf.pop_back();
        } else {
            p = std::make_unique<simdjson::dom::parser>();
        }
    }
    ~OduncParser()
    {
        auto &raf = rafi();
        if (raf.size() < 2)
            raf.push_back(std::move(p));
    }
    OduncParser(const OduncParser &) = delete;
    OduncParser &operator=(const OduncParser &) = delete;
    simdjson::dom::parser &operator*() { return *p; }

private:
    static std::vector<std::unique_ptr<simdjson::dom::parser>> &rafi()
    {
        thread_local std::vector<std::unique_ptr<simdjson::dom::parser>> raf;
        return raf;
    }
    std::unique_ptr<simdjson::dom::parser> p;
};

element belgeCoz(simdjson::dom::parser &parser, const char *veri, std::size_t boy, std::size_t kapasite,
                 const QString &ne)
{
    element kok;
    const bool dolguVar = kapasite >= boy + simdjson::SIMDJSON_PADDING;
    const auto hataKodu = parser.parse(veri, boy, !dolguVar).get(kok);
    if (hataKodu)
        hata(QStringLiteral("%1 JSON değil: %2").arg(ne, QString::fromUtf8(simdjson::error_message(hataKodu))));
    return kok;
}

QByteArray base64Coz(std::string_view s, bool &tamam)
{
    auto sonuc = QByteArray::fromBase64Encoding(QByteArray::fromRawData(s.data(), qsizetype(s.size())),
                                                QByteArray::AbortOnBase64DecodingErrors);
    tamam = sonuc.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
    return std::move(sonuc.decoded);
}

[[noreturn]] void degerHatasi(const ColumnData &c, int satir, const QString &neden)
{
    hata(QStringLiteral("Tablo okunamadı: %1. satırın %2 sütununda (%3) %4")
             .arg(satir + 1)
             .arg(c.def.name, QLatin1String(fieldTypeName(c.def.type)), neden));
}

[[noreturn]] void turHatasi(const ColumnData &c, int satir, element_type t)
{
    degerHatasi(c, satir, QStringLiteral("%1 değer olamaz").arg(turAdi(t)));
}

// Texts of a column often repeat (brand, model, group, unit). Equal texts share one
// QString (implicit sharing), which saves an allocation per cell on the way in and a
// free on the way out. A column whose texts do not repeat stops the lookups early.
class MetinPaylastirici {
public:
    QString al(std::string_view s)
    {
        if (s.empty())
            return QString();
        if (!m_acik)
            return utf8(s);
        ++m_deneme;
        auto it = m_harita.find(s);
        if (it != m_harita.end()) {
            ++m_isabet;
            return it->second;
        }
        QString yeni = utf8(s);
        if (m_harita.size() < kEnFazla)
            m_harita.emplace(s, yeni);
        if (m_deneme == kDeneme && m_isabet * 2 < m_deneme) {
            m_acik = false;
            m_harita = {};
        }
        return yeni;
    }

private:
    static constexpr std::size_t kEnFazla = 8192;
    static constexpr int kDeneme = 512;
    bool m_acik = true;
    int m_deneme = 0;
    int m_isabet = 0;
    // keys point into the parser's string buffer, which outlives the decoding
    std::unordered_map<std::string_view, QString> m_harita;
};

inline void degerEkle(ColumnData &c, MetinPaylastirici &paylas, element v, int satir)
{
    const element_type t = v.type();
    if (t == element_type::NULL_VALUE) {
        c.appendNull();
        return;
    }
    switch (c.def.type) {
    case FieldType::Int:
    case FieldType::Int64: {
        if (t != element_type::INT64) {
            if (t == element_type::UINT64)
                degerHatasi(c, satir, QStringLiteral("tamsayı sınırların dışında"));
            turHatasi(c, satir, t);
        }
        const int64_t x = v.get_int64().value_unsafe();
        if (c.def.type == FieldType::Int && (x < std::numeric_limits<int>::min() || x > std::numeric_limits<int>::max()))
            degerHatasi(c, satir, QStringLiteral("%1 32 bitlik tamsayı değil").arg(x));
        c.ints.push_back(x);
        break;
    }
    case FieldType::Bool:
        if (t != element_type::BOOL)
            turHatasi(c, satir, t);
        c.ints.push_back(v.get_bool().value_unsafe() ? 1 : 0);
        break;
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Date:
    case FieldType::DateTime: {
        double x;
        if (t == element_type::DOUBLE)
            x = v.get_double().value_unsafe();
        else if (t == element_type::INT64)
            x = double(v.get_int64().value_unsafe());
        else if (t == element_type::UINT64)
            x = double(v.get_uint64().value_unsafe());
        else
            turHatasi(c, satir, t);
        if (c.def.type == FieldType::Date && x != std::trunc(x))
            degerHatasi(c, satir, QStringLiteral("tarih tam gün sayısı olmalı, gelen: %1").arg(x, 0, 'g', 17));
        c.reals.push_back(x);
        break;
    }
    case FieldType::String:
    case FieldType::Memo:
        if (t != element_type::STRING)
            turHatasi(c, satir, t);
        c.texts.push_back(paylas.al(v.get_string().value_unsafe()));
        break;
    case FieldType::Blob: {
        if (t != element_type::STRING)
            turHatasi(c, satir, t);
        bool tamam = false;
        c.blobs.push_back(base64Coz(v.get_string().value_unsafe(), tamam));
        if (!tamam)
            degerHatasi(c, satir, QStringLiteral("geçerli base64 değil"));
        break;
    }
    }
    c.nulls.push_back(0);
}

TableData tabloCoz(element kok)
{
    simdjson::dom::object o;
    if (kok.get_object().get(o))
        hata(QStringLiteral("Tablo bekleniyordu, gelen değer: %1").arg(turAdi(kok.type())));
    element sutunlarE, satirlarE;
    if (o["columns"].get(sutunlarE))
        hata(QStringLiteral("Tablonun \"columns\" üyesi yok"));
    if (o["rows"].get(satirlarE))
        hata(QStringLiteral("Tablonun \"rows\" üyesi yok"));
    simdjson::dom::array sutunlar, satirlar;
    if (sutunlarE.get_array().get(sutunlar))
        hata(QStringLiteral("Tablonun \"columns\" üyesi dizi değil"));
    if (satirlarE.get_array().get(satirlar))
        hata(QStringLiteral("Tablonun \"rows\" üyesi dizi değil"));

    TableData t;
    QSet<QString> adlar;
    int sira = 0;
    for (element s : sutunlar) {
        ++sira;
        simdjson::dom::object so;
        if (s.get_object().get(so))
            hata(QStringLiteral("Tablonun %1. sütun tanımı nesne değil").arg(sira));
        std::string_view ad, tur;
        if (so["name"].get_string().get(ad) || ad.empty())
            hata(QStringLiteral("Tablonun %1. sütununun adı yok").arg(sira));
        if (so["type"].get_string().get(tur))
            hata(QStringLiteral("Tablonun %1 sütununun türü yok").arg(utf8(ad)));
        FieldDef def;
        def.name = utf8(ad);
        if (!fieldTypeFromName(utf8(tur), def.type))
            hata(QStringLiteral("Tablonun %1 sütununun türü bilinmiyor: %2").arg(def.name, utf8(tur)));
        element boyE;
        if (!so["size"].get(boyE) && !boyE.is_null()) {
            int64_t boy = 0;
            if (boyE.get_int64().get(boy) || boy < 0 || boy > std::numeric_limits<int>::max())
                hata(QStringLiteral("Tablonun %1 sütununun uzunluğu geçersiz").arg(def.name));
            def.size = int(boy);
        }
        const QString anahtar = def.name.toUpper();
        if (adlar.contains(anahtar))
            hata(QStringLiteral("Tabloda %1 sütunu iki kez var").arg(def.name));
        adlar.insert(anahtar);
        t.addColumn(def);
    }

    const std::size_t sutunSayisi = t.columns.size();
    const std::size_t satirTahmini = satirlar.size();
    for (ColumnData &c : t.columns)
        c.reserve(satirTahmini);
    std::vector<MetinPaylastirici> paylasicilar(sutunSayisi);
    int satir = 0;
    for (element se : satirlar) {
        simdjson::dom::array r;
        if (se.get_array().get(r))
            hata(QStringLiteral("Tablo okunamadı: %1. satır dizi değil").arg(satir + 1));
        std::size_t k = 0;
        for (element v : r) {
            if (k == sutunSayisi)
                break;
            degerEkle(t.columns[k], paylasicilar[k], v, satir);
            ++k;
        }
        if (k != sutunSayisi || r.size() != sutunSayisi)
            hata(QStringLiteral("Tablo okunamadı: %1. satırda %2 değer var, %3 sütun bekleniyordu")
                     .arg(satir + 1)
                     .arg(qulonglong(r.size()))
                     .arg(qulonglong(sutunSayisi)));
        if (satir == std::numeric_limits<int>::max())
            hata(QStringLiteral("Tablo çok büyük"));
        ++satir;
    }
    t.rowCount = satir;
    return t;
}

// ---- writing ----------------------------------------------------------------------

void metinEkle(QByteArray &o, QStringView s)
{
    static const char hex[] = "0123456789abcdef";
    o.append('"');
    const QByteArray u = s.toUtf8();
    const char *p = u.constData();
    const char *son = p + u.size();
    const char *parca = p;
    for (; p != son; ++p) {
        const auto b = static_cast<unsigned char>(*p);
        if (b >= 0x20 && b != '"' && b != '\\')
            continue;
        o.append(parca, qsizetype(p - parca));
        parca = p + 1;
        switch (b) {
        case '"': o.append("\\\"", 2); break;
        case '\\': o.append("\\\\", 2); break;
        case '\n': o.append("\\n", 2); break;
        case '\r': o.append("\\r", 2); break;
        case '\t': o.append("\\t", 2); break;
        default: {
            const char kacis[6] = {'\\', 'u', '0', '0', hex[b >> 4], hex[b & 15]};
            o.append(kacis, 6);
        }
        }
    }
    o.append(parca, qsizetype(son - parca));
    o.append('"');
}

void sayiEkle(QByteArray &o, qint64 x)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    o.append(buf, qsizetype(r.ptr - buf));
}

void sayiEkle(QByteArray &o, double x)
{
    if (!std::isfinite(x)) {
        o.append("null", 4);
        return;
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    o.append(buf, qsizetype(r.ptr - buf));
}

} // namespace

void TabloJsonEkle(QByteArray &o, const TableData &t)
{
    o.append("{\"columns\":[");
    for (int c = 0; c < t.columnCount(); ++c) {
        const FieldDef &d = t.columns[std::size_t(c)].def;
        if (c)
            o.append(',');
        o.append("{\"name\":");
        metinEkle(o, d.name);
        o.append(",\"type\":\"");
        o.append(fieldTypeName(d.type));
        o.append('"');
        if (d.size > 0) {
            o.append(",\"size\":");
            sayiEkle(o, qint64(d.size));
        }
        o.append('}');
    }
    o.append("],\"rows\":[");
    for (int r = 0; r < t.rowCount; ++r) {
        o.append(r ? ",[" : "[");
        for (int c = 0; c < t.columnCount(); ++c) {
            const ColumnData &col = t.columns[std::size_t(c)];
            if (c)
                o.append(',');
            if (col.nulls[std::size_t(r)]) {
                o.append("null", 4);
                continue;
            }
            switch (col.def.type) {
            case FieldType::Int:
            case FieldType::Int64: sayiEkle(o, col.ints[std::size_t(r)]); break;
            case FieldType::Bool: o.append(col.ints[std::size_t(r)] ? "true" : "false"); break;
            case FieldType::Float:
            case FieldType::Currency:
            case FieldType::Date:
            case FieldType::DateTime: sayiEkle(o, col.reals[std::size_t(r)]); break;
            case FieldType::String:
            case FieldType::Memo: metinEkle(o, col.texts[std::size_t(r)]); break;
            case FieldType::Blob:
                o.append('"');
                o.append(col.blobs[std::size_t(r)].toBase64());
                o.append('"');
                break;
            }
        }
        o.append(']');
    }
    o.append("]}");
}

QByteArray TabloJsonYaz(const TableData &t)
{
    QByteArray o;
    o.reserve(64 + qsizetype(t.columnCount()) * 40 + qsizetype(t.rowCount) * qsizetype(t.columnCount()) * 12);
    TabloJsonEkle(o, t);
    return o;
}

TableData TabloJsonOku(std::string_view metin)
{
    OduncParser parser;
    const element kok = belgeCoz(*parser, metin.data(), metin.size(), 0, QStringLiteral("Tablo"));
    return tabloCoz(kok);
}

// ---- the answer of a server method ---------------------------------------------------

struct SunucuCevabi::Ic {
    OduncParser parser;
    simdjson::dom::array sonuc;
    QString metot;

    element al(int i, const char *beklenen) const
    {
        element e;
        if (i < 0 || sonuc.at(std::size_t(i)).get(e))
            hata(QStringLiteral("%1 cevabında %2. değer yok").arg(metot).arg(i));
        (void)beklenen;
        return e;
    }
    [[noreturn]] void yanlis(int i, const char *beklenen, element e) const
    {
        hata(QStringLiteral("%1 cevabının %2. değeri %3 olmalı, gelen: %4")
                 .arg(metot)
                 .arg(i)
                 .arg(QString::fromUtf8(beklenen), turAdi(e.type())));
    }
};

SunucuCevabi::SunucuCevabi(const QByteArray &govde, const char *metot, int adet) : d(std::make_unique<Ic>())
{
    d->metot = QString::fromLatin1(metot);
    const element kok = belgeCoz(*d->parser, govde.constData(), std::size_t(govde.size()),
                                 std::size_t(govde.capacity()), QStringLiteral("%1 cevabı").arg(d->metot));
    element sonucE;
    if (kok.type() != element_type::OBJECT || kok["result"].get(sonucE))
        hata(QStringLiteral("%1 cevabında \"result\" yok").arg(d->metot));
    if (sonucE.get_array().get(d->sonuc))
        hata(QStringLiteral("%1 cevabının \"result\" üyesi dizi değil").arg(d->metot));
    if (d->sonuc.size() != std::size_t(adet))
        hata(QStringLiteral("%1 cevabında %2 değer var, %3 bekleniyordu")
                 .arg(d->metot)
                 .arg(qulonglong(d->sonuc.size()))
                 .arg(adet));
}

SunucuCevabi::~SunucuCevabi() = default;

qint64 SunucuCevabi::tamsayi64(int i) const
{
    const element e = d->al(i, "tamsayı");
    int64_t x;
    if (e.type() != element_type::INT64 || e.get_int64().get(x))
        d->yanlis(i, "tamsayı", e);
    return x;
}

int SunucuCevabi::tamsayi(int i) const
{
    const qint64 x = tamsayi64(i);
    if (x < std::numeric_limits<int>::min() || x > std::numeric_limits<int>::max())
        hata(QStringLiteral("%1 cevabının %2. değeri 32 bitlik tamsayı değil: %3").arg(d->metot).arg(i).arg(x));
    return int(x);
}

double SunucuCevabi::reel(int i) const
{
    const element e = d->al(i, "sayı");
    double x;
    if (!e.is_number() || e.get_double().get(x))
        d->yanlis(i, "sayı", e);
    return x;
}

bool SunucuCevabi::mantiksal(int i) const
{
    const element e = d->al(i, "mantıksal");
    bool x;
    if (e.get_bool().get(x))
        d->yanlis(i, "mantıksal", e);
    return x;
}

QString SunucuCevabi::metin(int i) const
{
    const element e = d->al(i, "metin");
    std::string_view s;
    if (e.get_string().get(s))
        d->yanlis(i, "metin", e);
    return utf8(s);
}

TableData SunucuCevabi::tablo(int i) const
{
    const element e = d->al(i, "tablo");
    if (e.type() != element_type::OBJECT)
        d->yanlis(i, "tablo", e);
    return tabloCoz(e);
}

QJsonValue SunucuCevabi::nesne(int i) const
{
    const element e = d->al(i, "nesne");
    if (e.is_null())
        return QJsonValue(QJsonValue::Null);
    if (e.type() != element_type::OBJECT)
        d->yanlis(i, "nesne", e);
    const std::string metin = simdjson::to_string(e);
    QJsonParseError pe{};
    const QJsonDocument belge = QJsonDocument::fromJson(QByteArray::fromRawData(metin.data(), qsizetype(metin.size())), &pe);
    if (!belge.isObject())
        hata(QStringLiteral("%1 cevabındaki nesne okunamadı: %2").arg(d->metot, pe.errorString()));
    return QJsonValue(belge.object());
}

QByteArray SunucuCevabi::akis(int i) const
{
    const element e = d->al(i, "akış");
    std::string_view s;
    if (e.get_string().get(s))
        d->yanlis(i, "base64 metin", e);
    bool tamam = false;
    QByteArray bayt = base64Coz(s, tamam);
    if (!tamam)
        hata(QStringLiteral("%1 cevabındaki akış geçerli base64 değil").arg(d->metot));
    return bayt;
}

QString SunucuHataMesaji(int durum, const QByteArray &govde)
{
    const QJsonDocument belge = QJsonDocument::fromJson(govde);
    if (belge.isObject()) {
        const QJsonValue m = belge.object().value(QStringLiteral("error"));
        if (m.isString())
            return m.toString();
    }
    return QStringLiteral("Sunucu hatası (HTTP %1)").arg(durum);
}

} // namespace dorvanto
