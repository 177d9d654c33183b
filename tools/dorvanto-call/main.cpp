// dorvanto-call: calls one server method through the proxy and prints its result.
//
//   dorvanto-call --host H --port P [--timeout MS] [--out FILE] METHOD [JSON args...]
//
// Arguments are the method's inputs in ordinal order, each one JSON value: numbers,
// strings in double quotes, true/false, and for a record argument its transfer form
// {"type":"baglantiu.TSonucBilgisi","id":1,"fields":{...}} or null.
// Output on stdout: tables in the protocol's table form, objects in their transfer
// form, plain values as JSON, streams as {"size":..,"received":..,"sha256":".."}
// (with --out the stream's bytes are written to FILE).
// Exit status: 0 success, 1 connection or server failure, 2 wrong usage.
#include "servermethods.h"
#include "tablojson.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <functional>
#include <map>

using namespace dorvanto;

namespace {

class KullanimHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Argumanlar {
    QJsonArray degerler;
    QString metot;

    QJsonValue al(int i) const { return i < degerler.size() ? degerler.at(i) : QJsonValue(); }
    int I(int i) const
    {
        const QJsonValue v = al(i);
        if (!v.isDouble() || v.toDouble() != double(qint64(v.toDouble())))
            throw KullanimHatasi(QStringLiteral("%1. argüman tamsayı olmalı").arg(i).toStdString());
        return int(v.toDouble());
    }
    double D(int i) const
    {
        const QJsonValue v = al(i);
        if (!v.isDouble())
            throw KullanimHatasi(QStringLiteral("%1. argüman sayı olmalı").arg(i).toStdString());
        return v.toDouble();
    }
    QString S(int i) const
    {
        const QJsonValue v = al(i);
        if (!v.isString())
            throw KullanimHatasi(QStringLiteral("%1. argüman metin olmalı (çift tırnak içinde)").arg(i).toStdString());
        return v.toString();
    }
    std::unique_ptr<TSonucBilgisi> B(int i) const
    {
        try {
            return TSonucBilgisi::JsondanOku(al(i));
        } catch (const TransferError &e) {
            throw KullanimHatasi(QStringLiteral("%1. argüman: %2").arg(i).arg(e.mesaj()).toStdString());
        }
    }
};

struct Cikti {
    QByteArray metin;
    QString dosya;
    bool akisHatasi = false;

    template <class T> void nesne(const T *n)
    {
        if (n)
            n->JsonYaz(metin);
        else
            metin.append("null");
    }
    void deger(int v) { json::metin(metin, v); }
    void deger(bool v) { json::metin(metin, v); }
    void deger(const QString &v) { json::metin(metin, v); }
    void akis(QIODevice *a, qint64 boy)
    {
        QByteArray bayt;
        if (a) {
            a->seek(0);
            bayt = a->readAll();
        }
        metin.append("{\"size\":" + QByteArray::number(boy) + ",\"received\":" + QByteArray::number(bayt.size())
                     + ",\"sha256\":\"" + QCryptographicHash::hash(bayt, QCryptographicHash::Sha256).toHex() + "\"}");
        if (!dosya.isEmpty()) {
            QFile f(dosya);
            if (!f.open(QIODevice::WriteOnly) || f.write(bayt) != bayt.size())
                throw ServerError(QStringLiteral("%1 dosyasına yazılamadı: %2").arg(dosya, f.errorString()));
        }
    }
};

using Islem = std::function<void(TServerMethods1Client &, const Argumanlar &, Cikti &)>;

struct Metot {
    int girdi;
    Islem islem;
};

const std::map<QString, Metot> &metotlar()
{
    static const std::map<QString, Metot> m = [] {
        std::map<QString, Metot> t;
        auto tablo = [](auto *r, Cikti &o) {
            if (r)
                TabloJsonEkle(o.metin, r->data);
            else
                o.metin.append("null");
        };
        t["SepetVer2"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.SepetVer2(a.I(0)), o); }};
        t["OncekiSiparisler"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.OncekiSiparisler(a.I(0)), o); }};
        t["CariEkstreVer"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.CariEkstreVer(a.I(0)), o); }};
        t["KampanyaliVer2"] = {2, [=](auto &p, auto &a, auto &o) { tablo(p.KampanyaliVer2(a.I(0), a.I(1)), o); }};
        t["BakiyelerVer2"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.BakiyelerVer2(a.I(0)), o); }};
        t["BuyukGetir"] = {1, [](auto &p, auto &a, auto &o) { o.nesne(p.BuyukGetir(a.S(0))); }};
        t["SAnalPosPdfVer"] = {1, [](auto &p, auto &a, auto &o) {
                                   qint64 boy = 0;
                                   QIODevice *s = p.SAnalPosPdfVer(a.I(0), boy);
                                   o.akis(s, boy);
                               }};
        t["StokAraGetir"] = {2, [=](auto &p, auto &a, auto &o) { tablo(p.StokAraGetir(a.S(0), a.B(1)), o); }};
        t["YenilerVer2"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.YenilerVer2(a.I(0)), o); }};
        t["TeslimVer"] = {0, [=](auto &p, auto &, auto &o) { tablo(p.TeslimVer(), o); }};
        t["KargoVer"] = {0, [=](auto &p, auto &, auto &o) { tablo(p.KargoVer(), o); }};
        t["KargolarVer"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.KargolarVer(a.I(0)), o); }};
        t["SepetEkle2"] = {14, [](auto &p, auto &a, auto &o) {
                               o.deger(p.SepetEkle2(a.B(0), a.I(1), a.I(2), a.S(3), a.S(4), a.D(5), a.D(6), a.D(7),
                                                    a.D(8), a.I(9), a.I(10), a.D(11), a.D(12), a.D(13)));
                           }};
        t["SepetGuncelle2"] = {14, [](auto &p, auto &a, auto &o) {
                                   o.deger(p.SepetGuncelle2(a.B(0), a.I(1), a.I(2), a.S(3), a.S(4), a.D(5), a.D(6),
                                                            a.D(7), a.D(8), a.I(9), a.I(10), a.D(11), a.D(12),
                                                            a.D(13)));
                               }};
        t["SepetHepsiniSil"] = {1, [](auto &p, auto &a, auto &o) { o.deger(p.SepetHepsiniSil(a.B(0))); }};
        t["SepetSatirSil"] = {3, [](auto &p, auto &a, auto &o) { o.deger(p.SepetSatirSil(a.B(0), a.I(1), a.S(2))); }};
        t["SiparisKaydet"] = {7, [](auto &p, auto &a, auto &o) {
                                  o.deger(p.SiparisKaydet(a.B(0), a.I(1), a.I(2), a.I(3), a.S(4), a.I(5), a.I(6)));
                              }};
        t["SiparisAyrintisi2"] = {2, [=](auto &p, auto &a, auto &o) { tablo(p.SiparisAyrintisi2(a.I(0), a.I(1)), o); }};
        t["FaturaGetir"] = {2, [=](auto &p, auto &a, auto &o) { tablo(p.FaturaGetir(a.I(0), a.I(1)), o); }};
        t["FaturaAltGetir"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.FaturaAltGetir(a.I(0)), o); }};
        t["Tahsilat"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.Tahsilat(a.I(0)), o); }};
        t["SanalposSiranoVer"] = {1, [](auto &p, auto &a, auto &o) { o.deger(p.SanalposSiranoVer(a.I(0))); }};
        t["BakiyeDuzenle"] = {7, [](auto &p, auto &a, auto &o) {
                                  o.deger(p.BakiyeDuzenle(a.B(0), a.I(1), a.I(2), a.I(3), a.D(4), a.D(5), a.S(6)));
                              }};
        t["BakiyeDegistir"] = {7, [](auto &p, auto &a, auto &o) {
                                   o.deger(p.BakiyeDegistir(a.B(0), a.I(1), a.I(2), a.I(3), a.D(4), a.D(5), a.S(6)));
                               }};
        t["BakiyeFiyatDegistir"] = {9, [](auto &p, auto &a, auto &o) {
                                        o.deger(p.BakiyeFiyatDegistir(a.B(0), a.I(1), a.I(2), a.I(3), a.D(4), a.D(5),
                                                                      a.S(6), a.D(7), a.D(8)));
                                    }};
        t["SiparisAytintisiDip"] = {2, [](auto &p, auto &a, auto &o) { o.nesne(p.SiparisAytintisiDip(a.I(0), a.I(1))); }};
        t["CariAra"] = {2, [=](auto &p, auto &a, auto &o) { tablo(p.CariAra(a.B(0), a.S(1)), o); }};
        t["SepetSayisi"] = {1, [](auto &p, auto &a, auto &o) { o.deger(p.SepetSayisi(a.B(0))); }};
        t["TusSonuclariVer"] = {1, [](auto &p, auto &a, auto &o) { o.nesne(p.TusSonuclariVer(a.B(0))); }};
        t["CariSepetVer"] = {2, [=](auto &p, auto &a, auto &o) { tablo(p.CariSepetVer(a.B(0), a.I(1)), o); }};
        t["KayanYaziGetir"] = {0, [](auto &p, auto &, auto &o) { o.deger(p.KayanYaziGetir()); }};
        t["BannerResimVer"] = {0, [](auto &p, auto &, auto &o) {
                                   qint64 boy = 0;
                                   QIODevice *s = p.BannerResimVer(boy);
                                   o.akis(s, boy);
                               }};
        t["BannerResimVer2"] = {0, [](auto &p, auto &, auto &o) {
                                    qint64 boy = 0;
                                    QIODevice *s = p.BannerResimVer2(boy);
                                    o.akis(s, boy);
                                }};
        t["BannerResimVer3"] = {0, [](auto &p, auto &, auto &o) {
                                    qint64 boy = 0;
                                    QIODevice *s = p.BannerResimVer3(boy);
                                    o.akis(s, boy);
                                }};
        t["RaporGetir"] = {7, [](auto &p, auto &a, auto &o) {
                               qint64 boy = 0;
                               QIODevice *s = p.RaporGetir(a.I(0), a.I(1), a.I(2), a.I(3), a.S(4), a.D(5), a.D(6), boy);
                               o.akis(s, boy);
                           }};
        t["BalonGetir"] = {1, [=](auto &p, auto &a, auto &o) { tablo(p.BalonGetir(a.B(0)), o); }};
        t["TumSiparislerVer"] = {2, [=](auto &p, auto &a, auto &o) { tablo(p.TumSiparislerVer(a.I(0), a.I(1)), o); }};
        t["SepetSecimGuncelle"] = {2, [](auto &p, auto &a, auto &o) {
                                       p.SepetSecimGuncelle(a.I(0), a.I(1));
                                       o.metin.append("null");
                                   }};
        t["MailGonserCari"] = {16, [](auto &p, auto &a, auto &o) {
                                   o.deger(p.MailGonserCari(a.S(0), a.S(1), a.S(2), a.S(3), a.S(4), a.S(5), a.S(6),
                                                            a.S(7), a.S(8), a.S(9), a.S(10), a.S(11), a.S(12), a.S(13),
                                                            a.S(14), a.S(15)));
                               }};
        t["MailGonserCariNormal"] = {17, [](auto &p, auto &a, auto &o) {
                                         o.deger(p.MailGonserCariNormal(a.S(0), a.S(1), a.S(2), a.S(3), a.S(4), a.S(5),
                                                                        a.S(6), a.S(7), a.S(8), a.S(9), a.S(10),
                                                                        a.S(11), a.S(12), a.S(13), a.S(14), a.S(15),
                                                                        a.S(16)));
                                     }};
        t["MobilCariBilgisiGetir"] = {2, [](auto &p, auto &a, auto &o) {
                                          o.nesne(p.MobilCariBilgisiGetir(a.I(0), a.S(1)));
                                      }};
        t["AcilisReklamAdet"] = {0, [](auto &p, auto &, auto &o) { o.deger(p.AcilisReklamAdet()); }};
        t["AcilisREklamVer"] = {1, [](auto &p, auto &a, auto &o) { o.nesne(p.AcilisREklamVer(a.I(0))); }};
        t["AcilisEkranlarVer2"] = {0, [](auto &p, auto &, auto &o) { o.nesne(p.AcilisEkranlarVer2()); }};
        t["RaporAlinanSiparisler"] = {3, [=](auto &p, auto &a, auto &o) {
                                          tablo(p.RaporAlinanSiparisler(a.B(0), a.D(1), a.D(2)), o);
                                      }};
        t["RaporEnCokSatilanStoklar"] = {3, [=](auto &p, auto &a, auto &o) {
                                             tablo(p.RaporEnCokSatilanStoklar(a.B(0), a.D(1), a.D(2)), o);
                                         }};
        t["CariDurumVer"] = {1, [](auto &p, auto &a, auto &o) { o.deger(p.CariDurumVer(a.I(0))); }};
        t["CariVadeGunGecmismiBul"] = {1, [](auto &p, auto &a, auto &o) { o.deger(p.CariVadeGunGecmismiBul(a.I(0))); }};
        return t;
    }();
    return m;
}

void kullanim()
{
    std::fprintf(stderr, "Kullanım: dorvanto-call --host H --port P [--timeout MS] [--out DOSYA] METOT [JSON argümanlar...]\n");
}

void hataYaz(const QString &m) { std::fprintf(stderr, "%s\n", m.toLocal8Bit().constData()); }

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arg = app.arguments().mid(1);
    QString host, dosya, metot;
    int port = 9090;
    int zamanAsimi = 60000;
    QStringList degerler;
    for (int i = 0; i < arg.size(); ++i) {
        const QString &a = arg[i];
        auto sonraki = [&]() -> QString {
            if (i + 1 >= arg.size()) {
                kullanim();
                std::exit(2);
            }
            return arg[++i];
        };
        if (metot.isEmpty() && a == QLatin1String("--host"))
            host = sonraki();
        else if (metot.isEmpty() && a == QLatin1String("--port"))
            port = sonraki().toInt();
        else if (metot.isEmpty() && a == QLatin1String("--timeout"))
            zamanAsimi = sonraki().toInt();
        else if (metot.isEmpty() && a == QLatin1String("--out"))
            dosya = sonraki();
        else if (metot.isEmpty() && (a == QLatin1String("-h") || a == QLatin1String("--help"))) {
            kullanim();
            return 0;
        } else if (metot.isEmpty())
            metot = a;
        else
            degerler << a;
    }
    if (host.isEmpty() || metot.isEmpty() || port <= 0 || zamanAsimi <= 0) {
        kullanim();
        return 2;
    }
    const auto it = metotlar().find(metot);
    if (it == metotlar().end()) {
        hataYaz(QStringLiteral("Bilinmeyen metot: %1").arg(metot));
        return 2;
    }
    if (degerler.size() != it->second.girdi) {
        hataYaz(QStringLiteral("%1 %2 argüman alır, %3 verildi").arg(metot).arg(it->second.girdi).arg(degerler.size()));
        return 2;
    }
    Argumanlar a;
    a.metot = metot;
    for (int i = 0; i < degerler.size(); ++i) {
        QJsonParseError pe{};
        const QJsonDocument d = QJsonDocument::fromJson("[" + degerler[i].toUtf8() + "]", &pe);
        if (!d.isArray() || d.array().size() != 1) {
            hataYaz(QStringLiteral("%1. argüman JSON değil: %2").arg(i).arg(degerler[i]));
            return 2;
        }
        a.degerler.append(d.array().at(0));
    }

    ServerConnection baglanti;
    baglanti.setHostName(host);
    baglanti.setPort(port);
    baglanti.readTimeoutMs = zamanAsimi;
    Cikti o;
    o.dosya = dosya;
    try {
        baglanti.Open();
        TServerMethods1Client proxy(baglanti);
        it->second.islem(proxy, a, o);
    } catch (const KullanimHatasi &e) {
        hataYaz(QString::fromUtf8(e.what()));
        return 2;
    } catch (const ServerError &e) {
        hataYaz(e.message());
        return 1;
    }
    baglanti.Close();
    o.metin.append('\n');
    std::fwrite(o.metin.constData(), 1, std::size_t(o.metin.size()), stdout);
    return 0;
}
