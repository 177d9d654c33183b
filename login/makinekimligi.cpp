#include "makinekimligi.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QStandardPaths>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace dorvanto {

QString Kirp(const QString &s)
{
    int bas = 0;
    int son = int(s.size());
    while (bas < son && s.at(bas).unicode() <= 32)
        ++bas;
    while (son > bas && s.at(son - 1).unicode() <= 32)
        --son;
    return s.mid(bas, son - bas);
}

namespace {

QString DosyaOku(const QString &yol)
{
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(f.read(512));
}

bool FizikselDiskMi(const QString &ad)
{
    static const char *atla[] = {"loop", "ram", "zram", "dm-", "md", "sr", "nbd", "fd"};
    for (const char *o : atla)
        if (ad.startsWith(QLatin1String(o)))
            return false;
    return true;
}

} // namespace

QString SistemKimlikKaynagi::DiskSeriNo() const
{
    QDir d(m_sysBlock);
    QStringList diskler = d.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString &ad : diskler) {
        if (!FizikselDiskMi(ad) || !QFileInfo::exists(d.filePath(ad + QStringLiteral("/device"))))
            continue;
        // The first physical disk only: its serial, or nothing.
        QString seri = DosyaOku(d.filePath(ad + QStringLiteral("/device/serial")));
        if (Kirp(seri).isEmpty())
            seri = DosyaOku(d.filePath(ad + QStringLiteral("/serial")));
        return seri;
    }
    return QString();
}

QList<KimlikKaynagi::Adaptor> SistemKimlikKaynagi::Adaptorler() const
{
    QList<Adaptor> l;
    for (const QNetworkInterface &ni : QNetworkInterface::allInterfaces()) {
        const QString mac = ni.hardwareAddress();
        if (mac.isEmpty())
            continue;   // not an Ethernet-like adapter
        QByteArray b = QByteArray::fromHex(mac.toLatin1().replace(':', ""));
        Adaptor a;
        a.okunabildi = b.size() == 6;
        a.adres = b.left(6);
        l << a;
    }
    return l;
}

const TakmaAdTablosu &TakmaAdlar()
{
    // Machines of the distributor whose computer ID was fixed by hand.
    static const TakmaAdTablosu tablo = {
        {QStringLiteral("WDWCC4N7KX2P1ZA"), QStringLiteral("100200300400")},
        {QStringLiteral("S3Z9NB0K812345X"), QStringLiteral("100200300400")},
        {QStringLiteral("4A3F_0B21_9C7D_11E2_8F00_AC1F_6B2D_0E14."), QStringLiteral("2003004005006")},
    };
    return tablo;
}

QString AdaptorAdresi(const KimlikKaynagi &kaynak)
{
    static const QString sifir = QStringLiteral("00-00-00-00-00-00");
    const QList<KimlikKaynagi::Adaptor> adaptorler = kaynak.Adaptorler();
    QString metin;
    for (const KimlikKaynagi::Adaptor &a : adaptorler) {
        if (!a.okunabildi || a.adres.size() < 6) {
            metin.clear();
            break;
        }
        QStringList parcalar;
        for (int i = 0; i < 6; ++i)
            parcalar << QStringLiteral("%1").arg(quint8(a.adres.at(i)), 2, 16, QLatin1Char('0')).toUpper();
        metin = parcalar.join(QLatin1Char('-'));
        if (metin != sifir)
            break;
    }
    // An all-zero address identifies no machine: several would share it.
    if (metin == sifir)
        metin.clear();
    return metin;
}

QString BilgisayarIdAl(const KimlikKaynagi &kaynak, const TakmaAdTablosu &takmaAdlar)
{
    QString id = Kirp(kaynak.DiskSeriNo().toUpper());
    if (id.isEmpty())
        id = Kirp(AdaptorAdresi(kaynak));
    id.remove(QLatin1Char(' '));
    for (const auto &[seri, yerine] : takmaAdlar)
        if (id == seri) {
            id = yerine;
            break;
        }
    return id;
}

QString BilgisayarIdAl() { return BilgisayarIdAl(SistemKimlikKaynagi(), TakmaAdlar()); }

QString OnbesKarakterSiniri(const QString &ad) { return ad.size() > 15 ? QString() : ad; }

QString BilgisayarAdiAl() { return OnbesKarakterSiniri(QSysInfo::machineHostName()); }

QString KullaniciAdiAl()
{
    QString ad;
    if (passwd *pw = getpwuid(geteuid()))
        ad = QString::fromLocal8Bit(pw->pw_name);
    if (ad.isEmpty())
        ad = qEnvironmentVariable("USER");
    return OnbesKarakterSiniri(ad);
}

QString YerelIpAl()
{
    const QHostInfo bilgi = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &a : bilgi.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a.toString();
    return QStringLiteral("127.0.0.1");
}

QString AyarKlasoru()
{
    const QString klasor =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/dorvanto");
    QDir d;
    if (!d.exists(klasor)) {
        d.mkpath(klasor);
        QFile::setPermissions(klasor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return klasor;
}

} // namespace dorvanto
