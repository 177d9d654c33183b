#include "adresler.h"

#include <QMutex>

namespace dorvanto {

namespace {
QMutex kilit;
QString resimTabani;
QString webTabani;
} // namespace

QString ResimTabanAdresi()
{
    QMutexLocker l(&kilit);
    return resimTabani;
}

void SetResimTabanAdresi(const QString &adres)
{
    QMutexLocker l(&kilit);
    resimTabani = adres;
}

QString WebTabanAdresi()
{
    QMutexLocker l(&kilit);
    return webTabani;
}

void SetWebTabanAdresi(const QString &adres)
{
    QMutexLocker l(&kilit);
    webTabani = adres;
}

} // namespace dorvanto
