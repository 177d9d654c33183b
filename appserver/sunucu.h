// The HTTP side of the stand-in server: the server methods under
// /datasnap/rest/TServerMethods1/<Method>, the plain web endpoints of the server
// host, and (with test control) the call log, reset and fault injection.
#pragma once

#include <QString>

#include <memory>
#include <string>

namespace dorvanto::appserver {

struct SunucuAyari {
    QString veritabani;
    bool testDenetimi = false;
    std::size_t azamiGovde = 8 * 1024 * 1024;  // largest accepted request body
    int isParcacigi = 32;                      // worker threads (each serves one connection at a time)
    int aramaSiniri = 10000;                   // most rows of a stock search answer
};

class Sunucu {
public:
    explicit Sunucu(SunucuAyari ayar);
    ~Sunucu();
    // Binds; port 0 picks a free one. Answers the bound port, or -1.
    int bagla(const std::string &adres, int port);
    // Serves until durdur(); blocks.
    bool calistir();
    void durdur();

    struct Ic;

private:
    std::unique_ptr<Ic> m_ic;
};

} // namespace dorvanto::appserver
