#include "odeme.h"

#include "dagitimdegerleri.h"
#include "dislar.h"
#include "mesajgoster.h"
#include "sepethesap.h"
#include "servermethods.h"
#include "yardimci.h"

namespace dorvanto {

namespace {
std::function<QString()> &Bulucu()
{
    static std::function<QString()> b;
    return b;
}
} // namespace

void SetTarayiciBulucu(std::function<QString()> bulucu) { Bulucu() = std::move(bulucu); }

QString CariDurumuVer(const ServerConnection &bagc, int carino)
{
    std::unique_ptr<ServerConnection> klon = bagc.Clone();
    if (!BaglantiAc(*klon, false))
        return {};
    QString metin;
    try {
        TServerMethods1Client proxy(*klon);
        metin = proxy.CariDurumVer(carino);
    } catch (const std::exception &) {
        metin.clear();
    }
    klon->Close();
    return metin;
}

TOdemeSekmesi::TOdemeSekmesi(ServerConnection &bagc, TSonucBilgisi &sbilgi, QWidget *sahip)
    : QObject(sahip), m_bagc(bagc), m_sbilgi(sbilgi), m_sahip(sahip)
{
}

bool TOdemeSekmesi::ssShow()
{
    const QString bakiye = CariDurumuVer(m_bagc, m_sbilgi.CARINO());
    // A balance of blanks is no balance either: no page is opened for it.
    if (bakiye.trimmed().isEmpty()) {
        MesajGoster(QString::fromUtf8(BakiyeAlinamadiMesaji), mtHata, YalnizTamam, vdTamam, m_sahip);
        if (stokListesineDon)
            stokListesineDon();
        return false;
    }
    const QString adres = KodluOdemeAdresi(dagitim::OdemeTabani(), m_sbilgi.CARINO(), m_sbilgi.CariAdi(), bakiye);
    if (IeSurumu() >= 110)
        return false;
    const QString tarayici = (Bulucu() ? Bulucu()() : ChromeYolu()).trimmed();
    if (tarayici.isEmpty()) {
        MesajGoster(QString::fromUtf8(TarayiciYokMesaji), mtUyari, YalnizTamam, vdTamam, m_sahip);
        return false;
    }
    QString hata;
    if (!ProgramBaslat(tarayici, {QStringLiteral("--start-maximized"), adres}, &hata)) {
        MesajGoster(QStringLiteral("Ödeme sayfası açılamadı !\r\n") + hata, mtHata, YalnizTamam, vdTamam, m_sahip);
        return false;
    }
    return true;
}

} // namespace dorvanto
