// Process-wide addresses chosen by the login's endpoint choice: the image base
// address (ends in "resimgoster.ashx?id=", the stock number is appended) and the
// public web base address. Empty until the login has chosen an endpoint.
#pragma once

#include <QString>

namespace dorvanto {

QString ResimTabanAdresi();
void SetResimTabanAdresi(const QString &adres);

QString WebTabanAdresi();
void SetWebTabanAdresi(const QString &adres);

} // namespace dorvanto
