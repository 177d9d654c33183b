#include "dagitimdegerleri.h"

#include "dagitim.h"

#include <QByteArray>

namespace dorvanto::dagitim {

namespace {
QString deger(const char *ortam, const char *yapi)
{
    const QByteArray v = qgetenv(ortam);
    return v.isEmpty() ? QString::fromUtf8(yapi) : QString::fromUtf8(v);
}
} // namespace

QString GenelSunucuAdresi() { return deger("DORVANTO_PUBLIC_HOST", ::dagitim::GenelSunucu); }
QString YerelSunucuAdresi() { return deger("DORVANTO_LAN_HOST", ::dagitim::YerelSunucu); }
QString OfisDisIpAdresi() { return deger("DORVANTO_OFFICE_PUBLIC_IP", ::dagitim::OfisDisIp); }
int SunucuPortu()
{
    bool ok = false;
    const int p = qEnvironmentVariableIntValue("DORVANTO_SERVER_PORT", &ok);
    return ok && p > 0 ? p : ::dagitim::SunucuPortu;
}
QString IpYankiAdresi() { return deger("DORVANTO_ECHO_URL", ::dagitim::IpYankiAdresi); }
QString WebTabani() { return deger("DORVANTO_WEB_BASE", ::dagitim::WebTabani); }
QString YerelWebTabani() { return deger("DORVANTO_LAN_WEB_BASE", ::dagitim::YerelWebTabani); }
QString IndirmeSunucusu() { return deger("DORVANTO_DOWNLOAD_HOST", ::dagitim::IndirmeSunucusu); }
QString OdemeTabani() { return deger("DORVANTO_PAYMENT_BASE", ::dagitim::OdemeTabani); }
QString WebSitesi() { return deger("DORVANTO_WEBSITE", ::dagitim::WebSitesi); }
int IstemciSurumu() { return ::dagitim::IstemciSurumu; }

} // namespace dorvanto::dagitim
