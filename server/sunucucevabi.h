// Reading the success answer of a server method, {"result": [<out 0>, ..., <return>]},
// one typed value at a time. Every accessor is strict about the kind of the value
// and raises ServerError with a Turkish message when the server sent something else.
#pragma once

#include "baglanti.h"
#include "tablodata.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <memory>

namespace dorvanto {

class SunucuCevabi {
public:
    // Parses the answer of `metot` and checks that "result" holds `adet` values.
    SunucuCevabi(const QByteArray &govde, const char *metot, int adet);
    ~SunucuCevabi();
    SunucuCevabi(const SunucuCevabi &) = delete;
    SunucuCevabi &operator=(const SunucuCevabi &) = delete;

    int tamsayi(int i) const;        // 32-bit integer
    qint64 tamsayi64(int i) const;   // 64-bit integer
    double reel(int i) const;        // any number
    bool mantiksal(int i) const;     // true / false
    QString metin(int i) const;      // string
    TableData tablo(int i) const;    // table of protocol.md
    QJsonValue nesne(int i) const;   // transfer object or null, for its JsondanOku
    QByteArray akis(int i) const;    // base64 stream, decoded

private:
    struct Ic;
    std::unique_ptr<Ic> d;
};

// The message of a failure answer {"error": "..."}; a body of another shape gives a
// message with the HTTP status.
QString SunucuHataMesaji(int durum, const QByteArray &govde);

} // namespace dorvanto
