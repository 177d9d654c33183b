#include "veritabani.h"

#include "ortak.h"

#include <sqlite3.h>

namespace dorvanto::appserver {

namespace {
[[noreturn]] void hata(sqlite3 *db, const char *ne)
{
    throw VtHatasi(std::string(ne) + ": " + (db ? sqlite3_errmsg(db) : "?"));
}
} // namespace

Vt::Vt(const QString &dosya)
{
    const QByteArray yol = dosya.toUtf8();
    if (sqlite3_open_v2(yol.constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK) {
        std::string m = m_db ? sqlite3_errmsg(m_db) : "açılamadı";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw VtHatasi("Veritabanı açılamadı (" + yol.toStdString() + "): " + m);
    }
    sqlite3_busy_timeout(m_db, 10000);
    calistir("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
    SqlFonksiyonlariniKaydet(*this);
}

namespace {
void fNetFiyat(sqlite3_context *c, int, sqlite3_value **v)
{
    sqlite3_result_double(c, NetFiyat(sqlite3_value_double(v[0]), sqlite3_value_double(v[1]), sqlite3_value_double(v[2]),
                                      sqlite3_value_double(v[3]), sqlite3_value_double(v[4])));
}
void fIndirimYazi(sqlite3_context *c, int, sqlite3_value **v)
{
    const QByteArray b = IndirimYazisi(sqlite3_value_double(v[0]), sqlite3_value_double(v[1]), sqlite3_value_double(v[2]),
                                       sqlite3_value_double(v[3]))
                             .toUtf8();
    sqlite3_result_text(c, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}
void fAramaBicimi(sqlite3_context *c, int, sqlite3_value **v)
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(v[0]));
    const QByteArray b = AramaBicimi(QString::fromUtf8(p ? p : "")).toUtf8();
    sqlite3_result_text(c, b.constData(), int(b.size()), SQLITE_TRANSIENT);
}
} // namespace

void SqlFonksiyonlariniKaydet(Vt &vt)
{
    const int bayrak = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(vt.ham(), "netfiyat", 5, bayrak, nullptr, fNetFiyat, nullptr, nullptr);
    sqlite3_create_function(vt.ham(), "indirimyazi", 4, bayrak, nullptr, fIndirimYazi, nullptr, nullptr);
    sqlite3_create_function(vt.ham(), "aramabicimi", 1, bayrak, nullptr, fAramaBicimi, nullptr, nullptr);
}

Vt::~Vt() { sqlite3_close_v2(m_db); }

void Vt::calistir(const char *sql)
{
    char *msg = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &msg) != SQLITE_OK) {
        std::string m = msg ? msg : "?";
        sqlite3_free(msg);
        throw VtHatasi("SQL hatası: " + m);
    }
}

Komut Vt::hazirla(const char *sql) { return Komut(m_db, sql); }
qint64 Vt::sonEklenen() const { return sqlite3_last_insert_rowid(m_db); }
int Vt::degisen() const { return sqlite3_changes(m_db); }

Komut::Komut(sqlite3 *db, const char *sql) : m_db(db)
{
    if (sqlite3_prepare_v2(db, sql, -1, &m_st, nullptr) != SQLITE_OK)
        hata(db, "SQL hazırlanamadı");
}

Komut::~Komut() { sqlite3_finalize(m_st); }
Komut::Komut(Komut &&o) noexcept : m_db(o.m_db), m_st(o.m_st), m_sonraki(o.m_sonraki) { o.m_st = nullptr; }

Komut &Komut::bagla(int i, qint64 v)
{
    m_sonraki = i + 1;
    sqlite3_bind_int64(m_st, i, v);
    return *this;
}
Komut &Komut::bagla(int i, double v)
{
    m_sonraki = i + 1;
    sqlite3_bind_double(m_st, i, v);
    return *this;
}
Komut &Komut::bagla(int i, const QString &v)
{
    m_sonraki = i + 1;
    const QByteArray b = v.toUtf8();
    sqlite3_bind_text(m_st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    return *this;
}
Komut &Komut::bagla(int i, const char *v)
{
    m_sonraki = i + 1;
    sqlite3_bind_text(m_st, i, v, -1, SQLITE_TRANSIENT);
    return *this;
}
Komut &Komut::baglaBlob(int i, const QByteArray &v)
{
    m_sonraki = i + 1;
    sqlite3_bind_blob(m_st, i, v.constData(), int(v.size()), SQLITE_TRANSIENT);
    return *this;
}
Komut &Komut::baglaNull(int i)
{
    m_sonraki = i + 1;
    sqlite3_bind_null(m_st, i);
    return *this;
}

bool Komut::adim()
{
    const int r = sqlite3_step(m_st);
    if (r == SQLITE_ROW)
        return true;
    if (r == SQLITE_DONE)
        return false;
    hata(m_db, "SQL çalıştırılamadı");
}

void Komut::calistir()
{
    while (adim()) {
    }
}

void Komut::sifirla()
{
    sqlite3_reset(m_st);
    sqlite3_clear_bindings(m_st);
    m_sonraki = 1;
}

int Komut::sutunSayisi() const { return sqlite3_column_count(m_st); }
bool Komut::bosMu(int c) const { return sqlite3_column_type(m_st, c) == SQLITE_NULL; }
qint64 Komut::tam(int c) const { return sqlite3_column_int64(m_st, c); }
double Komut::reel(int c) const { return sqlite3_column_double(m_st, c); }
QString Komut::metin(int c) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_st, c));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_st, c)) : QString();
}
const char *Komut::metinHam(int c, int &uzunluk) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_st, c));
    uzunluk = p ? sqlite3_column_bytes(m_st, c) : 0;
    return p ? p : "";
}
QByteArray Komut::blob(int c) const
{
    const void *p = sqlite3_column_blob(m_st, c);
    return p ? QByteArray(static_cast<const char *>(p), sqlite3_column_bytes(m_st, c)) : QByteArray();
}

qint64 Komut::tekTam() { return adim() ? tam(0) : 0; }
double Komut::tekReel() { return adim() ? reel(0) : 0.0; }
QString Komut::tekMetin() { return adim() ? metin(0) : QString(); }

Islem::Islem(Vt &vt) : m_vt(vt) { m_vt.calistir("BEGIN IMMEDIATE"); }
Islem::~Islem()
{
    if (!m_bitti) {
        try {
            m_vt.calistir("ROLLBACK");
        } catch (...) {
        }
    }
}
void Islem::onayla()
{
    m_vt.calistir("COMMIT");
    m_bitti = true;
}

} // namespace dorvanto::appserver
