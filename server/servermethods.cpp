// The proxy of TServerMethods1 over protocol.md: one POST per call, the inputs in
// "_parameters" by ordinal, the answer's "result" holding the out-parameters and
// then the return value.
#include "servermethods.h"

#include "sunucucevabi.h"

#include <QBuffer>

#include <functional>

namespace dorvanto {

namespace {
// What a command slot holds; the proxy's Command is one of these.
struct KomutSlotu {
    QString metot;          // "SepetEkle2"
    QByteArray metotAdi;    // the same, for messages
    QString komutMetni;     // "TServerMethods1.SepetEkle2"
    QString yol;            // "/datasnap/rest/TServerMethods1/SepetEkle2"
    // What the last execution returned, owned until the next one or the proxy's end.
    std::unique_ptr<TableReader> okuyucu;
    std::unique_ptr<DataPacket> paket;
    std::unique_ptr<QBuffer> akis;
    std::shared_ptr<void> nesne;

    void sonuclariBirak()
    {
        okuyucu.reset();
        paket.reset();
        akis.reset();
        nesne.reset();
    }
};
} // namespace

// One prepared server-method command (the slot "F<Method>Command").
struct TServerMethods1Client::Command : KomutSlotu {};

namespace {

const QString kBaglantiYok = QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened.");

// The "_parameters" array of one message. Objects are numbered within the message.
class Parametreler {
public:
    Parametreler() { m_metin.append("{\"_parameters\":["); }
    QByteArray bitir()
    {
        m_metin.append("]}");
        return m_metin;
    }
    void ekle(int v) { ayir(); json::metin(m_metin, v); }
    void ekle(double v) { ayir(); json::metin(m_metin, v); }
    void ekle(bool v) { ayir(); json::metin(m_metin, v); }
    void ekle(const QString &v) { ayir(); json::metin(m_metin, v); }
    template <class T> void ekle(const std::unique_ptr<T> &nesne)
    {
        ayir();
        if (!nesne)
            m_metin.append("null");
        else
            nesne->JsonYaz(m_metin, m_id++);
    }

private:
    void ayir()
    {
        if (!m_ilk)
            m_metin.append(',');
        m_ilk = false;
    }
    QByteArray m_metin;
    bool m_ilk = true;
    int m_id = 1;
};

template <class... A> QByteArray govde(const A &...a)
{
    Parametreler p;
    (p.ekle(a), ...);
    return p.bitir();
}

} // namespace

TServerMethods1Client::TServerMethods1Client(ServerConnection &baglanti) : m_baglanti(baglanti)
{
    if (!baglanti.Connected())
        throw ServerError(kBaglantiYok);
}

TServerMethods1Client::~TServerMethods1Client() = default;

TServerMethods1Client::Command &TServerMethods1Client::command(const char *method)
{
    const QString ad = QString::fromLatin1(method);
    for (auto &k : m_commands)
        if (k->metot == ad)
            return *k;
    // Prepare once: the first call of a method creates its command.
    auto k = std::make_unique<Command>();
    k->metot = ad;
    k->metotAdi = ad.toLatin1();
    k->komutMetni = QStringLiteral("TServerMethods1.") + ad;
    QString baglam = m_baglanti.params().value(QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/"));
    if (!baglam.endsWith(QLatin1Char('/')))
        baglam.append(QLatin1Char('/'));
    if (baglam.startsWith(QLatin1Char('/')))
        baglam.remove(0, 1);
    k->yol = QLatin1Char('/') + baglam + QStringLiteral("rest/TServerMethods1/") + ad;
    m_commands.push_back(std::move(k));
    return *m_commands.back();
}

int TServerMethods1Client::preparedCount(const QString &method) const
{
    for (const auto &k : m_commands)
        if (k->metot == method)
            return 1;
    return 0;
}

namespace {

// Runs one command: frees what its previous execution returned, sends the inputs,
// and answers the parsed result with `adet` values. Failures raise ServerError.
std::unique_ptr<SunucuCevabi> calistir(ServerConnection &baglanti, KomutSlotu &k, const QByteArray &istek, int adet)
{
    k.sonuclariBirak();
    QByteArray cevap;
    const int durum = baglanti.Post(k.yol, istek, cevap);
    if (durum != 200)
        throw ServerError(SunucuHataMesaji(durum, cevap));
    return std::make_unique<SunucuCevabi>(cevap, k.metotAdi.constData(), adet);
}

template <class... A> DataPacket *paketAl(ServerConnection &b, KomutSlotu &k, const A &...a)
{
    const auto c = calistir(b, k, govde(a...), 1);
    auto p = std::make_unique<DataPacket>();
    p->data = c->tablo(0);
    k.paket = std::move(p);
    return k.paket.get();
}

template <class... A> TableReader *okuyucuAl(ServerConnection &b, KomutSlotu &k, const A &...a)
{
    const auto c = calistir(b, k, govde(a...), 1);
    auto r = std::make_unique<TableReader>();
    r->data = c->tablo(0);
    k.okuyucu = std::move(r);
    return k.okuyucu.get();
}

template <class T, class... A> T *nesneAl(ServerConnection &b, KomutSlotu &k, const A &...a)
{
    const auto c = calistir(b, k, govde(a...), 1);
    std::unique_ptr<T> n;
    try {
        n = T::JsondanOku(c->nesne(0));
    } catch (const TransferError &e) {
        throw ServerError(QStringLiteral("%1 cevabındaki nesne okunamadı: %2").arg(k.metot, e.mesaj()));
    }
    if (!n)
        return nullptr;
    T *p = n.get();
    k.nesne = std::shared_ptr<T>(std::move(n));
    return p;
}

template <class... A> int tamsayiAl(ServerConnection &b, KomutSlotu &k, const A &...a)
{
    return calistir(b, k, govde(a...), 1)->tamsayi(0);
}

template <class... A> bool mantiksalAl(ServerConnection &b, KomutSlotu &k, const A &...a)
{
    return calistir(b, k, govde(a...), 1)->mantiksal(0);
}

template <class... A> QString metinAl(ServerConnection &b, KomutSlotu &k, const A &...a)
{
    return calistir(b, k, govde(a...), 1)->metin(0);
}

// A stream result: [size, stream]. The bytes stay with the command in a buffer.
template <class... A> QIODevice *akisAl(ServerConnection &b, KomutSlotu &k, qint64 &boy, const A &...a)
{
    const auto c = calistir(b, k, govde(a...), 2);
    const qint64 duyurulan = c->tamsayi64(0);
    QByteArray bayt = c->akis(1);
    auto tampon = std::make_unique<QBuffer>();
    tampon->setData(std::move(bayt));
    tampon->open(QIODevice::ReadOnly);
    k.akis = std::move(tampon);
    boy = duyurulan;
    return k.akis.get();
}

} // namespace

#define KOMUT command(__func__)

DataPacket *TServerMethods1Client::SepetVer2(int carino) { return paketAl(m_baglanti, KOMUT, carino); }
TableReader *TServerMethods1Client::OncekiSiparisler(int carino) { return okuyucuAl(m_baglanti, KOMUT, carino); }
TableReader *TServerMethods1Client::CariEkstreVer(int carino) { return okuyucuAl(m_baglanti, KOMUT, carino); }
DataPacket *TServerMethods1Client::KampanyaliVer2(int cario, int satici)
{
    return paketAl(m_baglanti, KOMUT, cario, satici);
}
TableReader *TServerMethods1Client::BakiyelerVer2(int carino) { return okuyucuAl(m_baglanti, KOMUT, carino); }
TSonucBilgisi *TServerMethods1Client::BuyukGetir(const QString &idsi)
{
    return nesneAl<TSonucBilgisi>(m_baglanti, KOMUT, idsi);
}
QIODevice *TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64 &boy)
{
    return akisAl(m_baglanti, KOMUT, boy, sirano);
}
DataPacket *TServerMethods1Client::StokAraGetir(const QString &kod, Bilgi bilgi)
{
    return paketAl(m_baglanti, KOMUT, kod, bilgi);
}
DataPacket *TServerMethods1Client::YenilerVer2(int carino) { return paketAl(m_baglanti, KOMUT, carino); }
TableReader *TServerMethods1Client::TeslimVer() { return okuyucuAl(m_baglanti, KOMUT); }
TableReader *TServerMethods1Client::KargoVer() { return okuyucuAl(m_baglanti, KOMUT); }
TableReader *TServerMethods1Client::KargolarVer(int gn) { return okuyucuAl(m_baglanti, KOMUT, gn); }
int TServerMethods1Client::SepetEkle2(Bilgi bilgim, int carino, int stokno, const QString &barkod,
                                      const QString &stokadi, double miktar, double kdv, double fiyat, double ind1,
                                      int verenid, int k, double ind2, double ind3, double ind4)
{
    return tamsayiAl(m_baglanti, KOMUT, bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid,
                     k, ind2, ind3, ind4);
}
int TServerMethods1Client::SepetGuncelle2(Bilgi bilgim, int carino, int stokno, const QString &barkod,
                                          const QString &stokadi, double miktar, double kdv, double fiyat,
                                          double ind1, int verenid, int _sepetsirano, double ind2, double ind3,
                                          double ind4)
{
    return tamsayiAl(m_baglanti, KOMUT, bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid,
                     _sepetsirano, ind2, ind3, ind4);
}
int TServerMethods1Client::SepetHepsiniSil(Bilgi bilgi) { return tamsayiAl(m_baglanti, KOMUT, bilgi); }
int TServerMethods1Client::SepetSatirSil(Bilgi bilgi, int satirno, const QString &aciklamam)
{
    return tamsayiAl(m_baglanti, KOMUT, bilgi, satirno, aciklamam);
}
bool TServerMethods1Client::SiparisKaydet(Bilgi BB, int _carino, int _teslim, int _kargo, const QString &_aciklama,
                                          int _verenid, int _kargoyeni)
{
    return mantiksalAl(m_baglanti, KOMUT, BB, _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni);
}
TableReader *TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu)
{
    return okuyucuAl(m_baglanti, KOMUT, carino, idnosu);
}
TableReader *TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    return okuyucuAl(m_baglanti, KOMUT, carino, idnosu);
}
TableReader *TServerMethods1Client::FaturaAltGetir(int idnosu) { return okuyucuAl(m_baglanti, KOMUT, idnosu); }
TableReader *TServerMethods1Client::Tahsilat(int idnosu) { return okuyucuAl(m_baglanti, KOMUT, idnosu); }
int TServerMethods1Client::SanalposSiranoVer(int idnosu) { return tamsayiAl(m_baglanti, KOMUT, idnosu); }
int TServerMethods1Client::BakiyeDuzenle(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                         double Bakiye, const QString &barkod)
{
    return tamsayiAl(m_baglanti, KOMUT, k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod);
}
int TServerMethods1Client::BakiyeDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                          double Bakiye, const QString &barkod)
{
    return tamsayiAl(m_baglanti, KOMUT, k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod);
}
int TServerMethods1Client::BakiyeFiyatDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                               double Bakiye, const QString &barkod, double fiyat, double ind)
{
    return tamsayiAl(m_baglanti, KOMUT, k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod, fiyat, ind);
}
TSiparisDipAyrinti *TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    return nesneAl<TSiparisDipAyrinti>(m_baglanti, KOMUT, carino, siranosu);
}
TableReader *TServerMethods1Client::CariAra(Bilgi bil, const QString &aranan)
{
    return okuyucuAl(m_baglanti, KOMUT, bil, aranan);
}
int TServerMethods1Client::SepetSayisi(Bilgi bil) { return tamsayiAl(m_baglanti, KOMUT, bil); }
TTusSonuclari *TServerMethods1Client::TusSonuclariVer(Bilgi bil)
{
    return nesneAl<TTusSonuclari>(m_baglanti, KOMUT, bil);
}
TableReader *TServerMethods1Client::CariSepetVer(Bilgi bil, int n) { return okuyucuAl(m_baglanti, KOMUT, bil, n); }
QString TServerMethods1Client::KayanYaziGetir() { return metinAl(m_baglanti, KOMUT); }
QIODevice *TServerMethods1Client::BannerResimVer(qint64 &size) { return akisAl(m_baglanti, KOMUT, size); }
QIODevice *TServerMethods1Client::BannerResimVer2(qint64 &size) { return akisAl(m_baglanti, KOMUT, size); }
QIODevice *TServerMethods1Client::BannerResimVer3(qint64 &size) { return akisAl(m_baglanti, KOMUT, size); }
QIODevice *TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi,
                                             double tarih1, double tarih2, qint64 &size)
{
    return akisAl(m_baglanti, KOMUT, size, raporno, bolum, idno, carino, saticiadi, tarih1, tarih2);
}
TableReader *TServerMethods1Client::BalonGetir(Bilgi bil) { return okuyucuAl(m_baglanti, KOMUT, bil); }
TableReader *TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    return okuyucuAl(m_baglanti, KOMUT, carino, stokno);
}
void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim)
{
    calistir(m_baglanti, KOMUT, govde(sirano, secim), 0);
}
int TServerMethods1Client::MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                          const QString &adres1, const QString &adres2, const QString &ilce,
                                          const QString &sehir, const QString &telefon, const QString &fax,
                                          const QString &vd, const QString &vn, const QString &yetkili,
                                          const QString &kullaniciadi, const QString &sifre, const QString &mail,
                                          const QString &kargoambar)
{
    return tamsayiAl(m_baglanti, KOMUT, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn,
                     yetkili, kullaniciadi, sifre, mail, kargoambar);
}
int TServerMethods1Client::MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                                                const QString &adres1, const QString &adres2, const QString &ilce,
                                                const QString &sehir, const QString &telefon, const QString &fax,
                                                const QString &vd, const QString &vn, const QString &yetkili,
                                                const QString &kullaniciadi, const QString &sifre,
                                                const QString &mail, const QString &kargoambar, const QString &konu)
{
    return tamsayiAl(m_baglanti, KOMUT, idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn,
                     yetkili, kullaniciadi, sifre, mail, kargoambar, konu);
}
TMobilCariBilgisi *TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString &_idsi)
{
    return nesneAl<TMobilCariBilgisi>(m_baglanti, KOMUT, sirano, _idsi);
}
int TServerMethods1Client::AcilisReklamAdet() { return tamsayiAl(m_baglanti, KOMUT); }
TAcilisEkran *TServerMethods1Client::AcilisREklamVer(int sira)
{
    return nesneAl<TAcilisEkran>(m_baglanti, KOMUT, sira);
}
TAcilisEkranlariki *TServerMethods1Client::AcilisEkranlarVer2()
{
    return nesneAl<TAcilisEkranlariki>(m_baglanti, KOMUT);
}
TableReader *TServerMethods1Client::RaporAlinanSiparisler(Bilgi bilgi, double tarih1, double tarih2)
{
    return okuyucuAl(m_baglanti, KOMUT, bilgi, tarih1, tarih2);
}
TableReader *TServerMethods1Client::RaporEnCokSatilanStoklar(Bilgi bilgi, double tarih1, double tarih2)
{
    return okuyucuAl(m_baglanti, KOMUT, bilgi, tarih1, tarih2);
}
QString TServerMethods1Client::CariDurumVer(int carino) { return metinAl(m_baglanti, KOMUT, carino); }
QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino) { return metinAl(m_baglanti, KOMUT, carino); }

#undef KOMUT

bool AkisiOku(QIODevice *akis, qint64 size, QByteArray &hedef)
{
    hedef.clear();
    if (!akis || size <= 0)
        return false;
    if (!akis->isOpen() && !akis->open(QIODevice::ReadOnly))
        return false;
    if (!akis->seek(0))
        return false;
    QByteArray okunan;
    char tampon[1024];
    for (;;) {
        const qint64 n = akis->read(tampon, sizeof tampon);
        if (n > 0)
            okunan.append(tampon, qsizetype(n));
        if (n < qint64(sizeof tampon))
            break;
        if (okunan.size() > size) // longer than announced: it can only be dropped
            break;
    }
    if (okunan.size() != size)
        return false;
    hedef = std::move(okunan);
    return true;
}

} // namespace dorvanto
