// The server methods of TServerMethods1 as the stand-in answers them: the method
// table (names, parameter kinds and names in ordinal order), the validation of a
// call's parameters and the handlers over the database.
#pragma once

#include "veritabani.h"

#include <transfernesneleri.h>

#include <QByteArray>
#include <QJsonArray>
#include <QString>

#include <memory>
#include <stdexcept>
#include <variant>
#include <vector>

namespace dorvanto::appserver {

// A failed call with its HTTP status (400 bad parameters, 404 unknown, 500 inside).
class CagriHatasi : public std::runtime_error {
public:
    CagriHatasi(int durum, const QString &mesaj) : std::runtime_error(mesaj.toStdString()), m_durum(durum) {}
    int durum() const { return m_durum; }
    QString mesaj() const { return QString::fromStdString(what()); }

private:
    int m_durum;
};

enum class PTur { Metin, Tam, Reel, Bilgi };

class Parametreler {
public:
    using Deger = std::variant<QString, int, double, std::shared_ptr<TSonucBilgisi>>;
    std::vector<Deger> degerler;
    const QString &metin(int i) const { return std::get<QString>(degerler[size_t(i)]); }
    int tam(int i) const { return std::get<int>(degerler[size_t(i)]); }
    double reel(int i) const { return std::get<double>(degerler[size_t(i)]); }
    // A null object argument reads as a record with the constructor's defaults.
    const TSonucBilgisi &bilgi(int i) const { return *std::get<std::shared_ptr<TSonucBilgisi>>(degerler[size_t(i)]); }
};

// Most rows a stock search answers unless the server is started with another limit.
inline constexpr int VarsayilanAramaSiniri = 10000;

struct Baglam {
    Vt &vt;
    bool akisiKes = false;  // test control: answer a stream shorter than its announced size
    int aramaSiniri = VarsayilanAramaSiniri;  // most rows of a StokAraGetir answer
};

using Isleyici = QByteArray (*)(Baglam &, const Parametreler &);

struct Girdi {
    PTur tur;
    const char *ad;
};

struct Yontem {
    const char *ad;
    std::vector<Girdi> girdiler;
    Isleyici isleyici;
    bool akisli = false;  // the answer carries a stream
};

const std::vector<Yontem> &Yontemler();
const Yontem *YontemBul(const QString &ad);

// Checks count and kinds of `ham` against the method; throws CagriHatasi(400).
Parametreler ParametreleriOku(const Yontem &y, const QJsonArray &ham);

// Validates and runs one call; answers the {"result": [...]} body. Throws CagriHatasi.
QByteArray YontemCagir(Baglam &b, const Yontem &y, const QJsonArray &ham);

} // namespace dorvanto::appserver
