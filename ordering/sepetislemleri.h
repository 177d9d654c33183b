// Basket operations: every change to the basket is a server call followed by a full
// reload of the basket table. Loads and selection writes work on clones of the main
// connection, adds, changes, deletes and the order itself on the main connection.
//
// No widgets here. Questions and messages belong to the basket page; the connection
// check shows its own failure message through the hook of baglanti.h. A server error
// that the original left to the application's default error display is reported by
// the signal sunucuHatasi() instead of escaping into the event loop.
#pragma once

#include "baglanti.h"
#include "sonuctablosu.h"
#include "transfernesneleri.h"

#include <QObject>
#include <QString>
#include <QVector>

namespace dorvanto {

// One entry of a choice list (delivery statuses, cargo types): the text shown and
// the id the server receives.
struct Secenek {
    QString metin;
    int id = 0;
    friend bool operator==(const Secenek &a, const Secenek &b) { return a.metin == b.metin && a.id == b.id; }
};

class SepetIslemleri : public QObject {
    Q_OBJECT
public:
    SepetIslemleri(ServerConnection &bagc, TSonucBilgisi &sbilgi, ResultTable &sepet,
                   QObject *parent = nullptr);

    ResultTable &sepet() { return m_sepet; }
    const ResultTable &sepet() const { return m_sepet; }
    ServerConnection &baglanti() { return m_bagc; }
    TSonucBilgisi &sbilgi() { return m_sbilgi; }

    // The basket table has been loaded at least once.
    bool yuklendi() const { return m_sepet.active(); }

    // Reloads the basket for CARINO of the logged-in record on a clone of the main
    // connection and emits sepetYuklendi(). Answers false when the connection could
    // not be opened (the old table stays) or the call failed (sunucuHatasi()).
    bool SepetYukle();

    // The basket line whose STOKNO is stokno: answers its SIRANO and makes it the
    // current row of the basket table. False when the basket holds no such line.
    bool SatirBul(int stokno, int &sirano) const;

    // Adds the row at the cursor of a stock-type table (STOK_STOKNO, BARKOD, ADI, KDV,
    // FIYAT, IND1..IND4, K) with `miktar` through SepetEkle2 on the main connection;
    // reloads the basket when the server answers 1.
    void SepeteEkle(ResultTable &kaynak, double miktar);

    // Changes the basket line `sirano` through SepetGuncelle2 (stokno 0, the line's own
    // code, name, tax rate and four discount rates); reloads when the server answers 1.
    void SepetSatirGuncelle(int sirano, double miktar, double birimFiyat);

    // Stores one line's selection with SepetSecimGuncelle on a clone. False when the
    // connection could not be opened or the call failed; callers may ignore it.
    bool SepetSecimYaz(int sirano, int secim);

    // The selection toggle of the basket line at `satir`: local flag, server write,
    // then secimDegisti(). Answers the new flag.
    int SecimDegistir(int satir);
    // Writes `secim` (0 or 1) into every line, locally and with one server call per
    // line, then emits secimDegisti() once.
    void HepsiniSecimle(int secim);

    // Deletes the basket line `sirano` (SepetSatirSil with "BARKOD-STOKADI") on the main
    // connection. False when the connection could not be opened or the call failed.
    // The caller reloads the basket afterwards.
    bool SatirSilSunucuda(int sirano);
    // Empties the basket (SepetHepsiniSil). False on connection failure or error.
    bool HepsiniSilSunucuda();

    // The choice lists of the order form (TeslimVer, KargoVer) on a clone. False when
    // the connection could not be opened or a call failed: the lists are not given.
    bool TeslimKargoVer(QVector<Secenek> &teslim, QVector<Secenek> &kargoTurleri);
    // The firms of one cargo type (KargolarVer) into `kargo` on the main connection.
    bool KargolarVer(int gn, ResultTable &kargo);
    // SiparisKaydet with the note and the three ids on the main connection. False on
    // connection failure, error, or a false answer of the server.
    bool SiparisGonder(int kargoFirmaId, int kargoTuruId, int teslimId, const QString &aciklama);

signals:
    void sepetYuklendi();
    void secimDegisti();
    // A server call failed with `mesaj` (the server's or the platform's text).
    void sunucuHatasi(const QString &mesaj);

private:
    // One call on the main connection: opens it through the connection check, runs
    // `cagri` with a proxy on it and closes it. A server error closes it as well and
    // is reported by sunucuHatasi(). False when it could not be opened or failed.
    template <typename F>
    bool AnaBaglantida(F &&cagri);

    ServerConnection &m_bagc;
    TSonucBilgisi &m_sbilgi;
    ResultTable &m_sepet;
};

// The overdue check: opens `klon` without a message and asks CariVadeGunGecmismiBul
// for `carino`. Empty when the connection cannot be opened or the call fails. Meant
// for a worker thread: it touches nothing but `klon`.
QString CariBakiyeUyariBak(ServerConnection &klon, int carino);

} // namespace dorvanto
