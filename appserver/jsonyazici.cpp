#include "jsonyazici.h"

#include <charconv>
#include <cmath>

namespace dorvanto::appserver {

void jsonMetinYaz(QByteArray &c, const char *s, qsizetype n)
{
    static const char hex[] = "0123456789abcdef";
    c.append('"');
    qsizetype bas = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char ch = static_cast<unsigned char>(s[i]);
        if (ch >= 0x20 && ch != '"' && ch != '\\')
            continue;
        c.append(s + bas, i - bas);
        bas = i + 1;
        switch (ch) {
        case '"': c.append("\\\""); break;
        case '\\': c.append("\\\\"); break;
        case '\n': c.append("\\n"); break;
        case '\r': c.append("\\r"); break;
        case '\t': c.append("\\t"); break;
        default:
            c.append("\\u00");
            c.append(hex[ch >> 4]);
            c.append(hex[ch & 15]);
        }
    }
    c.append(s + bas, n - bas);
    c.append('"');
}

void jsonMetinYaz(QByteArray &c, const QString &s)
{
    const QByteArray u = s.toUtf8();
    jsonMetinYaz(c, u.constData(), u.size());
}

void jsonReelYaz(QByteArray &c, double v)
{
    if (!std::isfinite(v))
        v = 0;
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    c.append(buf, r.ptr - buf);
}

void jsonTamYaz(QByteArray &c, qint64 v)
{
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    c.append(buf, r.ptr - buf);
}

namespace {
const char *turAdi(Tur t)
{
    switch (t) {
    case Tur::Metin: return "string";
    case Tur::Memo: return "memo";
    case Tur::Tam: return "int";
    case Tur::Tam64: return "int64";
    case Tur::Reel: return "float";
    case Tur::Para: return "currency";
    case Tur::Mantik: return "bool";
    case Tur::Tarih: return "date";
    case Tur::TarihSaat: return "datetime";
    case Tur::Blob: return "blob";
    }
    return "string";
}
} // namespace

Tablo::Tablo(Sutunlar sutunlar) : m_sutunlar(std::move(sutunlar)) {}

void Tablo::ayirac()
{
    if (m_hucre++ > 0)
        m_satirlar.append(',');
}

void Tablo::satirBasi()
{
    m_satirlar.append(m_satir > 0 ? ",[" : "[");
    m_hucre = 0;
}
void Tablo::tam(qint64 v)
{
    ayirac();
    jsonTamYaz(m_satirlar, v);
}
void Tablo::reel(double v)
{
    ayirac();
    jsonReelYaz(m_satirlar, v);
}
void Tablo::metin(const QString &v)
{
    ayirac();
    jsonMetinYaz(m_satirlar, v);
}
void Tablo::bos()
{
    ayirac();
    m_satirlar.append("null");
}
void Tablo::satirSonu()
{
    while (m_hucre < int(m_sutunlar.size()))
        bos();
    m_satirlar.append(']');
    ++m_satir;
}

int Tablo::doldur(Komut &k)
{
    const int n = std::min<int>(k.sutunSayisi(), int(m_sutunlar.size()));
    int say = 0;
    while (k.adim()) {
        satirBasi();
        for (int i = 0; i < n; ++i) {
            const Tur t = m_sutunlar[size_t(i)].tur;
            if (k.bosMu(i)) {
                if (t == Tur::Metin || t == Tur::Memo)
                    metin(QString());  // texts are never null on the wire
                else
                    bos();
                continue;
            }
            switch (t) {
            case Tur::Metin:
            case Tur::Memo: {
                int u = 0;
                const char *p = k.metinHam(i, u);
                ayirac();
                jsonMetinYaz(m_satirlar, p, u);
                break;
            }
            case Tur::Tam:
            case Tur::Tam64:
                tam(k.tam(i));
                break;
            case Tur::Mantik:
                ayirac();
                m_satirlar.append(k.tam(i) ? "true" : "false");
                break;
            case Tur::Tarih:
                tam(qint64(std::floor(k.reel(i))));
                break;
            case Tur::Reel:
            case Tur::Para:
            case Tur::TarihSaat:
                reel(k.reel(i));
                break;
            case Tur::Blob:
                ayirac();
                jsonMetinYaz(m_satirlar, k.blob(i).toBase64());
                break;
            }
        }
        satirSonu();
        ++say;
    }
    return say;
}

QByteArray Tablo::json() const
{
    QByteArray c;
    c.reserve(m_satirlar.size() + 64 * qsizetype(m_sutunlar.size()) + 32);
    c.append("{\"columns\":[");
    bool ilk = true;
    for (const Sutun &s : m_sutunlar) {
        c.append(ilk ? "{\"name\":" : ",{\"name\":");
        ilk = false;
        jsonMetinYaz(c, s.ad, qsizetype(strlen(s.ad)));
        c.append(",\"type\":\"");
        c.append(turAdi(s.tur));
        c.append('"');
        if (s.boy > 0 && (s.tur == Tur::Metin)) {
            c.append(",\"size\":");
            jsonTamYaz(c, s.boy);
        }
        c.append('}');
    }
    c.append("],\"rows\":[");
    c.append(m_satirlar);
    c.append("]}");
    return c;
}

void Sonuc::ayirac()
{
    if (m_sayi++ > 0)
        m_c.append(',');
}
Sonuc &Sonuc::tam(qint64 v)
{
    ayirac();
    jsonTamYaz(m_c, v);
    return *this;
}
Sonuc &Sonuc::reel(double v)
{
    ayirac();
    jsonReelYaz(m_c, v);
    return *this;
}
Sonuc &Sonuc::mantik(bool v)
{
    ayirac();
    m_c.append(v ? "true" : "false");
    return *this;
}
Sonuc &Sonuc::metin(const QString &v)
{
    ayirac();
    jsonMetinYaz(m_c, v);
    return *this;
}
Sonuc &Sonuc::ham(const QByteArray &json)
{
    ayirac();
    m_c.append(json);
    return *this;
}
Sonuc &Sonuc::akis(const QByteArray &bytes)
{
    ayirac();
    m_c.append('"');
    m_c.append(bytes.toBase64());
    m_c.append('"');
    return *this;
}
QByteArray Sonuc::govde() const
{
    QByteArray g;
    g.reserve(m_c.size() + 12);
    g.append("{\"result\":[");
    g.append(m_c);
    g.append("]}");
    return g;
}

QByteArray hataGovdesi(const QString &mesaj)
{
    QByteArray g("{\"error\":");
    jsonMetinYaz(g, mesaj);
    g.append('}');
    return g;
}

} // namespace dorvanto::appserver
