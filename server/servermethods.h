// Proxy of the server class TServerMethods1: one typed method per server method,
// speaking protocol.md over a ServerConnection.
//
// Rules every caller relies on:
//  - Object arguments are consumed: pass a fresh copy (sbilgi.Kopya()), never the
//    main window's own record.
//  - What a method returns (reader, packet, object, stream) belongs to the proxy
//    and stays valid until the same method is called again on this proxy or the
//    proxy is freed. Copy it out (into a result table, with Kopyala, with
//    AkisiOku) before freeing the proxy. A null object result answers nullptr.
//  - Failures raise ServerError with the platform's or the server's message.
#pragma once

#include "baglanti.h"
#include "tablodata.h"
#include "transfernesneleri.h"

#include <QIODevice>

#include <array>
#include <memory>

namespace dorvanto {

class TServerMethods1Client {
public:
    // Fails with "Connection cannot be nil.  Make sure the connection has been
    // opened." when the connection is not open.
    explicit TServerMethods1Client(ServerConnection &baglanti);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client &) = delete;
    TServerMethods1Client &operator=(const TServerMethods1Client &) = delete;

    using Bilgi = std::unique_ptr<TSonucBilgisi>;

    DataPacket *SepetVer2(int carino);
    TableReader *OncekiSiparisler(int carino);
    TableReader *CariEkstreVer(int carino);
    DataPacket *KampanyaliVer2(int cario, int satici);
    TableReader *BakiyelerVer2(int carino);
    TSonucBilgisi *BuyukGetir(const QString &idsi);
    QIODevice *SAnalPosPdfVer(int sirano, qint64 &boy);
    DataPacket *StokAraGetir(const QString &kod, Bilgi bilgi);
    DataPacket *YenilerVer2(int carino);
    TableReader *TeslimVer();
    TableReader *KargoVer();
    TableReader *KargolarVer(int gn);
    int SepetEkle2(Bilgi bilgim, int carino, int stokno, const QString &barkod, const QString &stokadi,
                   double miktar, double kdv, double fiyat, double ind1, int verenid, int k, double ind2,
                   double ind3, double ind4);
    int SepetGuncelle2(Bilgi bilgim, int carino, int stokno, const QString &barkod, const QString &stokadi,
                       double miktar, double kdv, double fiyat, double ind1, int verenid, int _sepetsirano,
                       double ind2, double ind3, double ind4);
    int SepetHepsiniSil(Bilgi bilgi);
    int SepetSatirSil(Bilgi bilgi, int satirno, const QString &aciklamam);
    bool SiparisKaydet(Bilgi BB, int _carino, int _teslim, int _kargo, const QString &_aciklama, int _verenid,
                       int _kargoyeni);
    TableReader *SiparisAyrintisi2(int carino, int idnosu);
    TableReader *FaturaGetir(int carino, int idnosu);
    TableReader *FaturaAltGetir(int idnosu);
    TableReader *Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    int BakiyeDuzenle(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                      const QString &barkod);
    int BakiyeDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                       const QString &barkod);
    int BakiyeFiyatDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                            const QString &barkod, double fiyat, double ind);
    TSiparisDipAyrinti *SiparisAytintisiDip(int carino, int siranosu);
    TableReader *CariAra(Bilgi bil, const QString &aranan);
    int SepetSayisi(Bilgi bil);
    TTusSonuclari *TusSonuclariVer(Bilgi bil);
    TableReader *CariSepetVer(Bilgi bil, int n);
    QString KayanYaziGetir();
    QIODevice *BannerResimVer(qint64 &size);
    QIODevice *BannerResimVer2(qint64 &size);
    QIODevice *BannerResimVer3(qint64 &size);
    QIODevice *RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi, double tarih1,
                          double tarih2, qint64 &size);
    TableReader *BalonGetir(Bilgi bil);
    TableReader *TumSiparislerVer(int carino, int stokno);
    void SepetSecimGuncelle(int sirano, int secim);
    int MailGonserCari(const QString &idsi, const QString &baslik, const QString &firmaadi, const QString &adres1,
                       const QString &adres2, const QString &ilce, const QString &sehir, const QString &telefon,
                       const QString &fax, const QString &vd, const QString &vn, const QString &yetkili,
                       const QString &kullaniciadi, const QString &sifre, const QString &mail,
                       const QString &kargoambar);
    int MailGonserCariNormal(const QString &idsi, const QString &baslik, const QString &firmaadi,
                             const QString &adres1, const QString &adres2, const QString &ilce,
                             const QString &sehir, const QString &telefon, const QString &fax, const QString &vd,
                             const QString &vn, const QString &yetkili, const QString &kullaniciadi,
                             const QString &sifre, const QString &mail, const QString &kargoambar,
                             const QString &konu);
    TMobilCariBilgisi *MobilCariBilgisiGetir(int sirano, const QString &_idsi);
    int AcilisReklamAdet();
    TAcilisEkran *AcilisREklamVer(int sira);
    TAcilisEkranlariki *AcilisEkranlarVer2();
    TableReader *RaporAlinanSiparisler(Bilgi bilgi, double tarih1, double tarih2);
    TableReader *RaporEnCokSatilanStoklar(Bilgi bilgi, double tarih1, double tarih2);
    QString CariDurumVer(int carino);
    QString CariVadeGunGecmismiBul(int carino);

    // How often the command of `method` was prepared on this proxy (0 or 1).
    int preparedCount(const QString &method) const;

private:
    struct Command;
    Command &command(const char *method);

    ServerConnection &m_baglanti;
    std::vector<std::unique_ptr<Command>> m_commands;
};

// The stream transfer rule: from position 0, in 1024-byte reads until a read
// answers fewer, and only when `size` is not 0. Answers true and fills `hedef`
// only when the bytes read are exactly `size`; otherwise `hedef` is left empty.
// A size of 0 (nothing announced) or a missing stream reads nothing and answers false.
bool AkisiOku(QIODevice *akis, qint64 size, QByteArray &hedef);

} // namespace dorvanto
