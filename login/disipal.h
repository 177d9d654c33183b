// The public-address lookup and the endpoint choice of the login.
#pragma once

#include <QString>

#include <atomic>

namespace dorvanto {

// One GET of the echo address (connect time-out 15000 ms, read time-out 1500 ms).
// Answers true and the answer trimmed, or false and the reason.
bool IpYankisiSor(const QString &adres, QString &cevap, QString *hata = nullptr,
                  const std::atomic<bool> *vazgec = nullptr);

// The lookup: asks the echo address until it answers, waiting 1000 ms after each
// failure, with no limit on the tries. Runs on the calling (worker) thread. When
// `vazgec` becomes true it stops at once and answers an empty text. `deneme`, when
// given, counts the tries.
QString DisIpAl(const std::atomic<bool> *vazgec = nullptr, std::atomic<int> *deneme = nullptr);
QString DisIpAl(const QString &yankiAdresi, const std::atomic<bool> *vazgec, std::atomic<int> *deneme);

// The endpoint chosen from the public address: the LAN server inside the office
// (the address equals the office's public address, compared as text), the public
// host elsewhere; the image base address follows the choice.
struct UcNokta {
    QString sunucu;       // "HostName" of the main connection
    QString resimTabani;  // "http://<host>[:port]/resimgoster.ashx?id="
    QString webTabani;    // public web base address, ends in "/"
    bool ofis = false;
};
UcNokta UcNoktaSec(const QString &disIp);
UcNokta GenelUcNokta();   // the public form, before the choice

} // namespace dorvanto
