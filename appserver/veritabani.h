// Thin wrapper over the sqlite3 C API: one connection, prepared statements with
// bound parameters only (no SQL is ever built from request text), transactions.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace dorvanto::appserver {

class VtHatasi : public std::runtime_error {
public:
    explicit VtHatasi(const std::string &m) : std::runtime_error(m) {}
};

class Komut;

class Vt {
public:
    // Opens (and creates) the database file in WAL mode with a busy time-out.
    explicit Vt(const QString &dosya);
    ~Vt();
    Vt(const Vt &) = delete;
    Vt &operator=(const Vt &) = delete;

    void calistir(const char *sql);  // one or more statements without parameters
    Komut hazirla(const char *sql);
    qint64 sonEklenen() const;
    int degisen() const;
    sqlite3 *ham() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

// Registers the SQL functions the queries use: netfiyat(f, i1, i2, i3, i4),
// indirimyazi(i1, i2, i3, i4), aramabicimi(text). Every Vt has them.
void SqlFonksiyonlariniKaydet(Vt &vt);

// A prepared statement. Parameters are 1-based as in SQLite.
class Komut {
public:
    Komut(sqlite3 *db, const char *sql);
    ~Komut();
    Komut(Komut &&o) noexcept;
    Komut(const Komut &) = delete;
    Komut &operator=(const Komut &) = delete;

    Komut &bagla(int i, qint64 v);
    Komut &bagla(int i, int v) { return bagla(i, qint64(v)); }
    Komut &bagla(int i, double v);
    Komut &bagla(int i, const QString &v);
    Komut &bagla(int i, const char *v);
    Komut &baglaBlob(int i, const QByteArray &v);
    Komut &baglaNull(int i);
    // Binds the next parameter: the one after the last bound (1 after a reset).
    template <typename T> Komut &ekle(const T &v) { return bagla(m_sonraki, v); }


    bool adim();         // true while a row is available
    void calistir();     // steps to the end
    void sifirla();      // reset and clear bindings for reuse

    int sutunSayisi() const;
    bool bosMu(int c) const;
    qint64 tam(int c) const;
    double reel(int c) const;
    QString metin(int c) const;
    const char *metinHam(int c, int &uzunluk) const;  // UTF-8 bytes, valid until next step
    QByteArray blob(int c) const;
    sqlite3_stmt *ham() const { return m_st; }

    // Single value of a one-row query (0 / empty when no row).
    qint64 tekTam();
    double tekReel();
    QString tekMetin();

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_st = nullptr;
    int m_sonraki = 1;
};

// BEGIN IMMEDIATE ... COMMIT; rolls back when left without onayla().
class Islem {
public:
    explicit Islem(Vt &vt);
    ~Islem();
    void onayla();

private:
    Vt &m_vt;
    bool m_bitti = false;
};

} // namespace dorvanto::appserver
