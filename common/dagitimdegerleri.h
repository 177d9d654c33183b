// Deployment values: the distributor's hosts and addresses. They are fixed values of
// the build (CMake cache variables, see the top-level CMakeLists.txt); tests and
// developers may override each one with the environment variable named beside it.
#pragma once

#include <QString>

namespace dorvanto::dagitim {

QString GenelSunucuAdresi();   // DORVANTO_PUBLIC_HOST: public application-server host
QString YerelSunucuAdresi();   // DORVANTO_LAN_HOST: application server inside the office LAN
QString OfisDisIpAdresi();     // DORVANTO_OFFICE_PUBLIC_IP: the office's public IPv4 address
int SunucuPortu();             // DORVANTO_SERVER_PORT: 9090
QString IpYankiAdresi();       // DORVANTO_ECHO_URL: public-address echo service
QString WebTabani();           // DORVANTO_WEB_BASE: public web base address (ends in "/")
QString YerelWebTabani();      // DORVANTO_LAN_WEB_BASE: web base address inside the LAN
QString IndirmeSunucusu();     // DORVANTO_DOWNLOAD_HOST: installer download host
QString OdemeTabani();         // DORVANTO_PAYMENT_BASE: card-payment page base (ends in "/")
QString WebSitesi();           // DORVANTO_WEBSITE: the distributor's web site
int IstemciSurumu();           // the client's own version: 4

} // namespace dorvanto::dagitim
