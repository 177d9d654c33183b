#include "sepetislemleri.h"

#include "sepethesap.h"
#include "servermethods.h"
#include "yardimci.h"

namespace dorvanto {

namespace {

QString HataMesaji(const std::exception &e)
{
    if (auto s = dynamic_cast<const ServerError *>(&e))
        return s->message();
    if (auto t = dynamic_cast<const TableError *>(&e))
        return t->message();
    return QString::fromUtf8(e.what());
}

} // namespace

template <typename F>
bool SepetIslemleri::AnaBaglantida(F &&cagri)
{
    try {
        if (!BaglantiAc(m_bagc, true))
            return false;
        {
            TServerMethods1Client proxy(m_bagc);
            cagri(proxy);
        }
        m_bagc.Close();
        return true;
    } catch (const std::exception &e) {
        m_bagc.Close();
        emit sunucuHatasi(HataMesaji(e));
        return false;
    }
}

SepetIslemleri::SepetIslemleri(ServerConnection &bagc, TSonucBilgisi &sbilgi, ResultTable &sepet, QObject *parent)
    : QObject(parent), m_bagc(bagc), m_sbilgi(sbilgi), m_sepet(sepet)
{
}

bool SepetIslemleri::SepetYukle()
{
    std::unique_ptr<ServerConnection> klon = m_bagc.Clone();
    if (!BaglantiAc(*klon, true))
        return false;
    try {
        TableData yeni;
        {
            TServerMethods1Client proxy(*klon);
            DataPacket *paket = proxy.SepetVer2(m_sbilgi.CARINO());
            yeni = paket ? std::move(paket->data) : TableData{};
        }
        klon->Close();
        m_sepet.loadFromPacket(std::move(yeni));
        ParaFormatla(m_sepet);
    } catch (const std::exception &e) {
        emit sunucuHatasi(HataMesaji(e));
        return false;
    }
    emit sepetYuklendi();
    return true;
}

bool SepetIslemleri::SatirBul(int stokno, int &sirano) const
{
    if (!m_sepet.active() || m_sepet.isEmpty())
        return false;
    const int stok = m_sepet.fieldIndex(QStringLiteral("STOKNO"));
    const int sira = m_sepet.fieldIndex(QStringLiteral("SIRANO"));
    if (stok < 0 || sira < 0)
        return false;
    for (int r = 0; r < m_sepet.recordCount(); ++r) {
        if (!m_sepet.isNull(r, stok) && m_sepet.asInteger(r, stok) == stokno) {
            sirano = m_sepet.asInteger(r, sira);
            // The opener hands the dialog a basket positioned on the line.
            const_cast<ResultTable &>(m_sepet).setRecNo(r);
            return true;
        }
    }
    return false;
}

void SepetIslemleri::SepeteEkle(ResultTable &kaynak, double miktar)
{
    int sonuc = 0;
    const bool tamam = AnaBaglantida([&](TServerMethods1Client &proxy) {
        const SepetEkleArgumanlari a = SepetEkleArgumanlariOku(kaynak, miktar, m_sbilgi);
        sonuc = proxy.SepetEkle2(m_sbilgi.Kopya(), a.carino, a.stokno, a.barkod, a.stokadi, a.miktar, a.kdv, a.fiyat,
                                 a.ind1, a.verenid, a.k, a.ind2, a.ind3, a.ind4);
    });
    if (tamam && sonuc == 1)
        SepetYukle();
}

void SepetIslemleri::SepetSatirGuncelle(int sirano, double miktar, double birimFiyat)
{
    // The opener positions the basket on the line; find it by SIRANO should the cursor
    // have moved since.
    int satir = m_sepet.recNo();
    const int sira = m_sepet.fieldIndex(QStringLiteral("SIRANO"));
    if (sira < 0)
        return;
    if (satir < 0 || m_sepet.asInteger(satir, sira) != sirano) {
        if (!m_sepet.locate(QStringLiteral("SIRANO"), sirano))
            return;
        satir = m_sepet.recNo();
    }
    int sonuc = 0;
    const bool tamam = AnaBaglantida([&](TServerMethods1Client &proxy) {
        const SepetGuncelleArgumanlari a =
            SepetGuncelleArgumanlariOku(m_sepet, satir, sirano, miktar, birimFiyat, m_sbilgi);
        sonuc = proxy.SepetGuncelle2(m_sbilgi.Kopya(), a.carino, a.stokno, a.barkod, a.stokadi, a.miktar, a.kdv,
                                     a.fiyat, a.ind1, a.verenid, a.sepetsirano, a.ind2, a.ind3, a.ind4);
    });
    if (tamam && sonuc == 1)
        SepetYukle();
}

bool SepetIslemleri::SepetSecimYaz(int sirano, int secim)
{
    std::unique_ptr<ServerConnection> klon = m_bagc.Clone();
    if (!BaglantiAc(*klon, true))
        return false;
    try {
        TServerMethods1Client proxy(*klon);
        proxy.SepetSecimGuncelle(sirano, secim);
    } catch (const std::exception &) {
        // A failed selection write is not reported: the next load shows the server's flag.
        return false;
    }
    klon->Close();
    return true;
}

int SepetIslemleri::SecimDegistir(int satir)
{
    if (!m_sepet.active() || satir < 0 || satir >= m_sepet.recordCount())
        return -1;
    const int sec = m_sepet.fieldByName(QStringLiteral("SEC")).index();
    const int sira = m_sepet.fieldByName(QStringLiteral("SIRANO")).index();
    const int yeni = m_sepet.asInteger(satir, sec) == 0 ? 1 : 0;
    m_sepet.setRecNo(satir);
    m_sepet.setValue(satir, sec, yeni);
    SepetSecimYaz(m_sepet.asInteger(satir, sira), yeni);
    emit secimDegisti();
    return yeni;
}

void SepetIslemleri::HepsiniSecimle(int secim)
{
    if (!m_sepet.active())
        return;
    if (!m_sepet.isEmpty()) {
        const int sec = m_sepet.fieldByName(QStringLiteral("SEC")).index();
        const int sira = m_sepet.fieldByName(QStringLiteral("SIRANO")).index();
        m_sepet.first();
        for (int r = 0; r < m_sepet.recordCount(); ++r) {
            m_sepet.setValue(r, sec, secim);
            SepetSecimYaz(m_sepet.asInteger(r, sira), secim);
        }
    }
    emit secimDegisti();
}

bool SepetIslemleri::SatirSilSunucuda(int sirano)
{
    if (m_sepet.fieldIndex(QStringLiteral("SIRANO")) < 0 || !m_sepet.locate(QStringLiteral("SIRANO"), sirano))
        return false;
    return AnaBaglantida([&](TServerMethods1Client &proxy) {
        proxy.SepetSatirSil(m_sbilgi.Kopya(), sirano, SatirSilAciklamasi(m_sepet, m_sepet.recNo()));
    });
}

bool SepetIslemleri::HepsiniSilSunucuda()
{
    return AnaBaglantida([&](TServerMethods1Client &proxy) { proxy.SepetHepsiniSil(m_sbilgi.Kopya()); });
}

bool SepetIslemleri::TeslimKargoVer(QVector<Secenek> &teslim, QVector<Secenek> &kargoTurleri)
{
    std::unique_ptr<ServerConnection> klon = m_bagc.Clone();
    if (!BaglantiAc(*klon, true))
        return false;
    auto oku = [](const TableReader *okuyucu, QVector<Secenek> &hedef) {
        hedef.clear();
        if (!okuyucu || okuyucu->data.columnCount() < 2)
            return;
        const TableData &d = okuyucu->data;
        for (int r = 0; r < d.rowCount; ++r)
            hedef.append({d.asString(r, 1), int(d.asInt64(r, 0))});
    };
    try {
        {
            TServerMethods1Client proxy(*klon);
            oku(proxy.TeslimVer(), teslim);
        }
        {
            TServerMethods1Client proxy(*klon);
            oku(proxy.KargoVer(), kargoTurleri);
        }
    } catch (const std::exception &e) {
        klon->Close();
        emit sunucuHatasi(HataMesaji(e));
        return false;
    }
    klon->Close();
    return true;
}

bool SepetIslemleri::KargolarVer(int gn, ResultTable &kargo)
{
    return AnaBaglantida([&](TServerMethods1Client &proxy) {
        TableReader *okuyucu = proxy.KargolarVer(gn);
        if (okuyucu)
            kargo.loadFromReader(*okuyucu);
        else
            kargo.emptyTable();
    });
}

bool SepetIslemleri::SiparisGonder(int kargoFirmaId, int kargoTuruId, int teslimId, const QString &aciklama)
{
    const SiparisKaydetArgumanlari a =
        SiparisKaydetArgumanlariOlustur(m_sbilgi, kargoFirmaId, kargoTuruId, teslimId, aciklama);
    bool sonuc = false;
    const bool tamam = AnaBaglantida([&](TServerMethods1Client &proxy) {
        sonuc = proxy.SiparisKaydet(m_sbilgi.Kopya(), a.carino, a.teslim, a.kargo, a.aciklama, a.verenid, a.kargoyeni);
    });
    return tamam && sonuc;
}

QString CariBakiyeUyariBak(ServerConnection &klon, int carino)
{
    if (!BaglantiAc(klon, false))
        return {};
    QString metin;
    try {
        TServerMethods1Client proxy(klon);
        metin = proxy.CariVadeGunGecmismiBul(carino);
    } catch (const std::exception &) {
        metin.clear();
    }
    klon.Close();
    return metin;
}

} // namespace dorvanto
