// Machine identity: computer name, user name, local address and the computer ID by
// which the server knows this computer, and the per-user folder that holds ayar.ini.
// No widgets; safe to call from any thread (no shared state).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>
#include <vector>

namespace dorvanto {

// Trimming of the program: leading and trailing characters with codes up to 32.
QString Kirp(const QString &s);

// Where the computer ID comes from. The real source reads sysfs and the network
// interfaces; tests give a fake one.
class KimlikKaynagi {
public:
    struct Adaptor {
        bool okunabildi = true;  // false: the adapter's status could not be read
        QByteArray adres;        // hardware address, 6 bytes
    };
    virtual ~KimlikKaynagi() = default;
    // Serial number of the first physical disk; empty when it cannot be read.
    virtual QString DiskSeriNo() const = 0;
    // Network adapters in system order.
    virtual QList<Adaptor> Adaptorler() const = 0;
};

// The source of this machine: the serial of the first disk under /sys/block
// (device/serial or serial), the hardware addresses of the network interfaces.
class SistemKimlikKaynagi : public KimlikKaynagi {
public:
    explicit SistemKimlikKaynagi(QString sysBlock = QStringLiteral("/sys/block")) : m_sysBlock(std::move(sysBlock)) {}
    QString DiskSeriNo() const override;
    QList<Adaptor> Adaptorler() const override;

private:
    QString m_sysBlock;
};

// (disk serial, replacement computer ID) pairs for particular machines.
using TakmaAdTablosu = std::vector<std::pair<QString, QString>>;
const TakmaAdTablosu &TakmaAdlar();   // the table of this deployment

// "00-1A-2B-3C-4D-5E" for the first usable adapter, empty when none.
QString AdaptorAdresi(const KimlikKaynagi &kaynak);

// The computer ID: disk serial (upper case, trimmed), else the adapter address; all
// spaces removed; then mapped through the alias table.
QString BilgisayarIdAl(const KimlikKaynagi &kaynak, const TakmaAdTablosu &takmaAdlar);
QString BilgisayarIdAl();   // this machine, this deployment's table

// Host name and login name of the OS, empty when longer than 15 characters.
QString BilgisayarAdiAl();
QString KullaniciAdiAl();
QString OnbesKarakterSiniri(const QString &ad);

// First IPv4 address of this host's name, "127.0.0.1" when it cannot be resolved.
QString YerelIpAl();

// The per-user folder (config home + "dorvanto"), created when missing (mode 0700).
QString AyarKlasoru();

} // namespace dorvanto
