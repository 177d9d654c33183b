#include "transfernesneleri.h"

#include <QJsonArray>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace dorvanto::json {

namespace {
QString turAdi(const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return QStringLiteral("mantıksal");
    case QJsonValue::Double: return QStringLiteral("sayı");
    case QJsonValue::String: return QStringLiteral("metin");
    case QJsonValue::Array: return QStringLiteral("dizi");
    case QJsonValue::Object: return QStringLiteral("nesne");
    case QJsonValue::Undefined: break;
    }
    return QStringLiteral("tanımsız");
}

[[noreturn]] void yanlisTur(const QJsonValue &v, const char *alan, const char *beklenen)
{
    throw TransferError(QStringLiteral("%1 alanı %2 olmalı, gelen: %3")
                             .arg(QLatin1String(alan), QLatin1String(beklenen), turAdi(v)));
}
} // namespace

void oku(const QJsonValue &v, QString &hedef, const char *alan)
{
    if (v.isNull()) { // a peer that sends null for an empty text is forgiven
        hedef.clear();
        return;
    }
    if (!v.isString())
        yanlisTur(v, alan, "metin");
    hedef = v.toString();
}

void oku(const QJsonValue &v, int &hedef, const char *alan)
{
    if (!v.isDouble())
        yanlisTur(v, alan, "tamsayı");
    const double d = v.toDouble();
    if (d != std::trunc(d) || d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max())
        yanlisTur(v, alan, "32 bitlik tamsayı");
    hedef = static_cast<int>(d);
}

void oku(const QJsonValue &v, double &hedef, const char *alan)
{
    if (!v.isDouble())
        yanlisTur(v, alan, "sayı");
    hedef = v.toDouble();
}

void oku(const QJsonValue &v, bool &hedef, const char *alan)
{
    if (!v.isBool())
        yanlisTur(v, alan, "mantıksal");
    hedef = v.toBool();
}

QJsonObject alanlar(const QJsonObject &nesne, const char *tip)
{
    const QJsonValue t = nesne.value(QStringLiteral("type"));
    if (!t.isString() || t.toString() != QLatin1String(tip))
        throw TransferError(QStringLiteral("%1 bekleniyordu, gelen nesnenin türü: %2")
                                 .arg(QLatin1String(tip), t.isString() ? t.toString() : turAdi(t)));
    const QJsonValue f = nesne.value(QStringLiteral("fields"));
    if (f.isUndefined() || f.isNull())
        return {};
    if (!f.isObject())
        throw TransferError(QStringLiteral("%1 nesnesinin \"fields\" üyesi nesne değil").arg(QLatin1String(tip)));
    return f.toObject();
}

QJsonObject zarf(const char *tip, int id, const QJsonObject &alanlar)
{
    // QJsonObject keeps its keys sorted; the wire order of "type", "id", "fields" and
    // of the fields themselves is restored by the writer of the protocol layer.
    QJsonObject o;
    o.insert(QStringLiteral("type"), QLatin1String(tip));
    o.insert(QStringLiteral("id"), id);
    o.insert(QStringLiteral("fields"), alanlar);
    return o;
}

void metin(QByteArray &cikti, const QString &v)
{
    cikti.append('"');
    const QByteArray u = v.toUtf8();
    for (char c : u) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '"': cikti.append("\\\""); break;
        case '\\': cikti.append("\\\\"); break;
        case '\n': cikti.append("\\n"); break;
        case '\r': cikti.append("\\r"); break;
        case '\t': cikti.append("\\t"); break;
        case '\b': cikti.append("\\b"); break;
        case '\f': cikti.append("\\f"); break;
        default:
            if (b < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", b);
                cikti.append(buf);
            } else {
                cikti.append(c);
            }
        }
    }
    cikti.append('"');
}

void metin(QByteArray &cikti, int v) { cikti.append(QByteArray::number(v)); }

void metin(QByteArray &cikti, double v)
{
    if (!std::isfinite(v)) // the wire has no NaN or infinity
        v = 0.0;
    char buf[32];
    auto [son, hata] = std::to_chars(buf, buf + sizeof buf, v);
    cikti.append(buf, int(son - buf));
}

void metin(QByteArray &cikti, bool v) { cikti.append(v ? "true" : "false"); }

void zarfBasi(QByteArray &cikti, const char *tip, int id)
{
    cikti.append("{\"type\":\"");
    cikti.append(tip);
    cikti.append("\",\"id\":");
    cikti.append(QByteArray::number(id));
    cikti.append(",\"fields\":{");
}

} // namespace dorvanto::json

namespace dorvanto {

QJsonObject TAcilisEkranlariki::JsonAlanlari() const
{
    QJsonArray dizi;
    int id = 2;
    for (const TAcilisEkran &e : FEkranlar)
        dizi.append(e.Json(id++));
    QJsonObject a;
    a.insert(QStringLiteral("FEkranlar"), dizi);
    return a;
}

QJsonObject TAcilisEkranlariki::Json(int id) const
{
    return json::zarf(TipAdi, id, JsonAlanlari());
}

void TAcilisEkranlariki::JsonYaz(QByteArray &cikti, int id) const
{
    json::zarfBasi(cikti, TipAdi, id);
    cikti.append("\"FEkranlar\":[");
    int altId = id + 1;
    for (qsizetype i = 0; i < FEkranlar.size(); ++i) {
        if (i)
            cikti.append(',');
        FEkranlar[i].JsonYaz(cikti, altId++);
    }
    cikti.append("]}}");
}

std::unique_ptr<TAcilisEkranlariki> TAcilisEkranlariki::JsondanOku(const QJsonValue &v)
{
    if (v.isNull() || v.isUndefined())
        return nullptr;
    if (!v.isObject())
        throw TransferError(QStringLiteral("%1 bekleniyordu, gelen değer nesne değil").arg(QLatin1String(TipAdi)));
    const QJsonObject a = json::alanlar(v.toObject(), TipAdi);
    auto n = std::make_unique<TAcilisEkranlariki>();
    const QJsonValue e = a.value(QStringLiteral("FEkranlar"));
    if (e.isUndefined() || e.isNull())
        return n;
    if (!e.isArray())
        throw TransferError(QStringLiteral("FEkranlar alanı dizi olmalı"));
    for (const QJsonValue &ogeDegeri : e.toArray()) {
        auto oge = TAcilisEkran::JsondanOku(ogeDegeri);
        if (!oge)
            throw TransferError(QStringLiteral("FEkranlar dizisinde boş (null) öğe var"));
        n->FEkranlar.append(*oge);
    }
    return n;
}

} // namespace dorvanto
