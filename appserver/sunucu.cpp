#include "sunucu.h"

#include "demoveri.h"
#include "jsonyazici.h"
#include "ortak.h"
#include "resimler.h"
#include "veritabani.h"
#include "yontemler.h"

#include <httplib.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace dorvanto::appserver {

namespace {

const char *const JsonTuru = "application/json; charset=utf-8";
const char *const HtmlTuru = "text/html; charset=utf-8";
const std::string YontemYolu = "/datasnap/rest/TServerMethods1/";

struct Ariza {
    QString tur;
    int kalan = 0;
    int ms = 0;
};

// Closes the TCP connection a request came in on, without an answer: the socket
// whose local and peer ports are those of the request is shut down.
void baglantiyiKopar(const httplib::Request &req)
{
    DIR *d = opendir("/proc/self/fd");
    if (!d)
        return;
    while (dirent *e = readdir(d)) {
        const int fd = atoi(e->d_name);
        if (fd <= 2)
            continue;
        sockaddr_storage yerel{}, karsi{};
        socklen_t l1 = sizeof yerel, l2 = sizeof karsi;
        if (getsockname(fd, reinterpret_cast<sockaddr *>(&yerel), &l1) != 0 || yerel.ss_family != AF_INET)
            continue;
        if (getpeername(fd, reinterpret_cast<sockaddr *>(&karsi), &l2) != 0)
            continue;
        const auto *y = reinterpret_cast<sockaddr_in *>(&yerel);
        const auto *k = reinterpret_cast<sockaddr_in *>(&karsi);
        if (ntohs(y->sin_port) == req.local_port && ntohs(k->sin_port) == req.remote_port) {
            shutdown(fd, SHUT_RDWR);
            break;
        }
    }
    closedir(d);
}

QString html(const QString &s) { return s.toHtmlEscaped(); }

} // namespace

struct Sunucu::Ic {
    SunucuAyari ayar;
    httplib::Server http;
    std::mutex kilit;
    QJsonArray cagrilar;
    std::map<QString, Ariza> arizalar;

    Vt &vt()
    {
        thread_local std::unique_ptr<Vt> baglanti;
        thread_local QString yol;
        if (!baglanti || yol != ayar.veritabani) {
            baglanti = std::make_unique<Vt>(ayar.veritabani);
            yol = ayar.veritabani;
        }
        return *baglanti;
    }

    static void json(httplib::Response &res, int durum, const QByteArray &govde)
    {
        res.status = durum;
        res.set_content(govde.constData(), size_t(govde.size()), JsonTuru);
    }
    static void hata(httplib::Response &res, int durum, const QString &mesaj) { json(res, durum, hataGovdesi(mesaj)); }

    bool arizaAl(const QString &yontem, Ariza &a)
    {
        std::lock_guard<std::mutex> l(kilit);
        for (const QString &ad : {yontem, QStringLiteral("*")}) {
            auto it = arizalar.find(ad);
            if (it == arizalar.end())
                continue;
            a = it->second;
            if (--it->second.kalan <= 0)
                arizalar.erase(it);
            return true;
        }
        return false;
    }

    void yontem(const httplib::Request &req, httplib::Response &res)
    {
        const QString ad = QString::fromStdString(req.path.substr(YontemYolu.size()));
        QJsonParseError pe{};
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(req.body), &pe);
        const bool gecerli = pe.error == QJsonParseError::NoError && doc.isObject()
                             && doc.object().value(QStringLiteral("_parameters")).isArray();
        if (ayar.testDenetimi) {
            QJsonObject kayit{{QStringLiteral("method"), ad}};
            kayit.insert(QStringLiteral("params"), gecerli ? doc.object().value(QStringLiteral("_parameters")) : QJsonValue());
            std::lock_guard<std::mutex> l(kilit);
            cagrilar.append(kayit);
        }
        Ariza ariza;
        const bool arizali = ayar.testDenetimi && arizaAl(ad, ariza);
        bool kes = false;
        if (arizali) {
            if (ariza.tur == QStringLiteral("error"))
                return hata(res, 500, QStringLiteral("Sunucu hatası (sınama): %1 çağrısı başarısız oldu").arg(ad));
            if (ariza.tur == QStringLiteral("drop")) {
                baglantiyiKopar(req);
                res.status = 500;
                return;
            }
            if (ariza.tur == QStringLiteral("garbage")) {
                res.status = 200;
                res.set_content("<<bu bir JSON değil>>", JsonTuru);
                return;
            }
            if (ariza.tur == QStringLiteral("delay"))
                std::this_thread::sleep_for(std::chrono::milliseconds(ariza.ms));
            kes = ariza.tur == QStringLiteral("truncate");
        }
        const Yontem *y = YontemBul(ad);
        if (!y)
            return hata(res, 404, QStringLiteral("Bilinmeyen sunucu yöntemi: TServerMethods1.%1").arg(ad));
        if (pe.error != QJsonParseError::NoError || !doc.isObject())
            return hata(res, 400, QStringLiteral("İstek gövdesi geçerli bir JSON nesnesi değil"));
        if (!gecerli)
            return hata(res, 400, QStringLiteral("İstek gövdesinde \"_parameters\" dizisi yok"));
        try {
            Baglam b{vt(), kes && y->akisli, ayar.aramaSiniri};
            QByteArray govde = YontemCagir(b, *y, doc.object().value(QStringLiteral("_parameters")).toArray());
            if (kes && !y->akisli)
                govde.truncate(govde.size() / 2);
            json(res, 200, govde);
        } catch (const CagriHatasi &e) {
            hata(res, e.durum(), e.mesaj());
        } catch (const VtHatasi &e) {
            hata(res, 500, QString::fromUtf8(e.what()));
        }
    }

    void resim(const httplib::Request &req, httplib::Response &res)
    {
        bool tamam = false;
        const int id = QString::fromStdString(req.get_param_value("id")).toInt(&tamam);
        if (!tamam) {
            res.status = 404;
            res.set_content("Resim yok", "text/plain; charset=utf-8");
            return;
        }
        auto &v = vt();
        auto r = v.hazirla("SELECT tur, veri FROM resim WHERE stokno = ?");
        r.bagla(1, id);
        if (r.adim()) {
            const QByteArray b = r.blob(1);
            res.set_content(b.constData(), size_t(b.size()), r.metin(0).toStdString());
            return;
        }
        auto k = v.hazirla("SELECT barkod, adi FROM stok WHERE stokno = ? AND resim = 1");
        k.bagla(1, id);
        if (!k.adim()) {
            res.status = 404;
            res.set_content("Resim yok", "text/plain; charset=utf-8");
            return;
        }
        QString tur;
        const QByteArray b = ParcaResmi(id, k.metin(0), k.metin(1), tur);
        res.set_content(b.constData(), size_t(b.size()), tur.toStdString());
    }

    void istekFormu(const httplib::Request &req, httplib::Response &res)
    {
        const QString id = QString::fromStdString(req.get_param_value("id"));
        const QString sayfa = QStringLiteral(
            "<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\"><title>Dorvanto Otomotiv B2B İstek Formu</title>"
            "<style>body{font-family:sans-serif;margin:24px}label{display:block;margin-top:8px}input,textarea{width:360px}</style>"
            "</head><body><h2>Dorvanto Otomotiv B2B Kayıt İsteği</h2>"
            "<p>Bu bilgisayar sistemde kayıtlı değil. Kayıt için bilgilerinizi gönderiniz.</p>"
            "<form method=\"post\" action=\"/formmailgonder.aspx\">"
            "<input type=\"hidden\" name=\"id\" value=\"%1\">"
            "<label>Firma Adı<input name=\"firmaadi\" required></label>"
            "<label>Yetkili<input name=\"yetkili\"></label>"
            "<label>Telefon<input name=\"telefon\"></label>"
            "<label>E-posta<input name=\"mail\" type=\"email\"></label>"
            "<label>Şehir<input name=\"sehir\"></label>"
            "<label>İstenen Kullanıcı Adı<input name=\"kullaniciadi\"></label>"
            "<label>Not<textarea name=\"not\" rows=\"4\"></textarea></label>"
            "<p>Bilgisayar kimliği: <b>%1</b></p><button type=\"submit\">Gönder</button></form></body></html>")
                                  .arg(html(id));
        res.set_content(sayfa.toStdString(), HtmlTuru);
    }

    void istekKaydet(const httplib::Request &req, httplib::Response &res)
    {
        QJsonObject o;
        for (const auto &[k, v] : req.params)
            o.insert(QString::fromStdString(k), QString::fromStdString(v));
        const QString id = o.value(QStringLiteral("id")).toString();
        auto &v = vt();
        Islem is(v);
        v.hazirla("INSERT INTO giden(tur, bilgisayarid, baslik, icerik, zaman) VALUES ('webistek', ?, ?, ?, ?)")
            .bagla(1, id).bagla(2, QStringLiteral("Kayıt İsteği")).bagla(3, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)))
            .bagla(4, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)).calistir();
        is.onayla();
        res.set_content(QStringLiteral("<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\"><title>İstek alındı</title>"
                                       "</head><body><h2>İsteğiniz alındı</h2><p>En kısa sürede sizinle iletişime geçilecektir."
                                       "</p></body></html>")
                            .toStdString(),
                        HtmlTuru);
    }

    void odemeSayfasi(const httplib::Request &req, httplib::Response &res)
    {
        auto p = [&](const char *k) { return html(QString::fromStdString(req.get_param_value(k))); };
        const QString sayfa = QStringLiteral(
            "<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\"><title>Dorvanto Online Ödeme</title></head>"
            "<body style=\"font-family:sans-serif;margin:24px\"><h2>Online Ödeme</h2>"
            "<table><tr><td>Cari No:</td><td>%1</td></tr><tr><td>Şube:</td><td>%2</td></tr>"
            "<tr><td>Firma:</td><td>%3</td></tr><tr><td>Bakiye:</td><td>%4</td></tr></table>"
            "<form method=\"post\" action=\"/pelyaro.html\"><input type=\"hidden\" name=\"carino\" value=\"%1\">"
            "<p><label>Ödenecek Tutar <input name=\"tutar\" required></label></p>"
            "<p><label>Kart Üzerindeki İsim <input name=\"isim\"></label></p>"
            "<button type=\"submit\">Ödeme Yap</button></form>"
            "<p><small>Bu sayfa deneme sunucusunun ödeme sayfasıdır; kart bilgisi alınmaz.</small></p></body></html>")
                                  .arg(p("carino"), p("sube"), p("firmasi"), p("bakiye"));
        res.set_content(sayfa.toStdString(), HtmlTuru);
    }

    void kur()
    {
        http.new_task_queue = [n = ayar.isParcacigi] { return new httplib::ThreadPool(size_t(n)); };
        http.set_payload_max_length(ayar.azamiGovde);
        // Answers go out at once: without TCP_NODELAY a keep-alive client waits for
        // the delayed acknowledgement between the header and body writes.
        http.set_socket_options([](socket_t sock) {
            int bir = 1;
            setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &bir, sizeof bir);
            setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &bir, sizeof bir);
        });
        http.set_keep_alive_max_count(1000000);
        http.set_exception_handler([](const httplib::Request &, httplib::Response &res, std::exception_ptr ep) {
            QString m = QStringLiteral("Sunucuda beklenmeyen hata");
            try {
                if (ep)
                    std::rethrow_exception(ep);
            } catch (const std::exception &e) {
                m += QStringLiteral(": ") + QString::fromUtf8(e.what());
            } catch (...) {
            }
            hata(res, 500, m);
        });
        http.set_error_handler(httplib::Server::HandlerWithResponse([this](const httplib::Request &req, httplib::Response &res) {
            if (!res.body.empty())
                return httplib::Server::HandlerResponse::Unhandled;
            if (res.status == 413)
                hata(res, 413, QStringLiteral("İstek gövdesi çok büyük (en fazla %1 bayt)").arg(ayar.azamiGovde));
            else if (res.status == 404)
                hata(res, 404, QStringLiteral("Bulunamadı: %1").arg(QString::fromStdString(req.path)));
            else
                hata(res, res.status, QStringLiteral("İstek işlenemedi (HTTP %1)").arg(res.status));
            return httplib::Server::HandlerResponse::Handled;
        }));
        http.Post(R"(/datasnap/rest/TServerMethods1/([A-Za-z0-9_]+))",
                  [this](const httplib::Request &req, httplib::Response &res) { yontem(req, res); });
        http.Get("/resimgoster.ashx", [this](const httplib::Request &req, httplib::Response &res) { resim(req, res); });
        http.Get("/formmailgonder.aspx", [this](const httplib::Request &req, httplib::Response &res) { istekFormu(req, res); });
        http.Post("/formmailgonder.aspx", [this](const httplib::Request &req, httplib::Response &res) { istekKaydet(req, res); });
        http.Get("/pelyaro.html", [this](const httplib::Request &req, httplib::Response &res) { odemeSayfasi(req, res); });
        http.Post("/pelyaro.html", [this](const httplib::Request &req, httplib::Response &res) {
            QJsonObject o;
            for (const auto &[k, v] : req.params)
                o.insert(QString::fromStdString(k), QString::fromStdString(v));
            auto &v = vt();
            Islem is(v);
            v.hazirla("INSERT INTO giden(tur, baslik, icerik, zaman) VALUES ('odeme', 'Online Ödeme', ?, ?)")
                .bagla(1, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)))
                .bagla(2, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)).calistir();
            is.onayla();
            res.set_content(QStringLiteral("<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\"></head><body>"
                                           "<h2>Ödeme isteğiniz alındı</h2></body></html>").toStdString(), HtmlTuru);
        });
        http.Get("/exe/DorvantoSetup.exe", [](const httplib::Request &, httplib::Response &res) {
            // A small installer that the self-update can run (it accepts /silent).
            static const std::string kurulum =
                "#!/bin/sh\n"
                "# Dorvanto B2B installer (stand-in server)\n"
                "if [ \"$1\" = \"/silent\" ]; then exit 0; fi\n"
                "echo \"Dorvanto B2B kurulumu tamamlandı.\"\n"
                "exit 0\n";
            res.set_header("Content-Disposition", "attachment; filename=\"DorvantoSetup.exe\"");
            res.set_content(kurulum, "application/octet-stream");
        });
        http.Get("/ip", [](const httplib::Request &req, httplib::Response &res) {
            std::string a = req.remote_addr;
            if (a.rfind("::ffff:", 0) == 0)
                a = a.substr(7);
            res.set_content(a, "text/plain; charset=utf-8");
        });
        if (ayar.testDenetimi) {
            http.Get("/__control/calls", [this](const httplib::Request &, httplib::Response &res) {
                QByteArray b;
                {
                    std::lock_guard<std::mutex> l(kilit);
                    b = QJsonDocument(cagrilar).toJson(QJsonDocument::Compact);
                }
                json(res, 200, b);
            });
            http.Post("/__control/reset", [this](const httplib::Request &, httplib::Response &res) {
                {
                    std::lock_guard<std::mutex> l(kilit);
                    cagrilar = QJsonArray();
                    arizalar.clear();
                }
                json(res, 200, "{}");
            });
            http.Post("/__control/fault", [this](const httplib::Request &req, httplib::Response &res) {
                const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(req.body));
                const QJsonObject o = d.object();
                const QString yontem = o.value(QStringLiteral("method")).toString();
                const QString tur = o.value(QStringLiteral("kind")).toString();
                static const QStringList turler = {QStringLiteral("error"), QStringLiteral("drop"), QStringLiteral("delay"),
                                                   QStringLiteral("truncate"), QStringLiteral("garbage")};
                if (!d.isObject() || yontem.isEmpty() || !turler.contains(tur))
                    return hata(res, 400, QStringLiteral("Arıza isteği {\"method\", \"kind\", \"count\", \"ms\"} biçiminde olmalı;"
                                                         " kind: error, drop, delay, truncate, garbage"));
                Ariza a{tur, std::max(1, o.value(QStringLiteral("count")).toInt(1)),
                        std::clamp(o.value(QStringLiteral("ms")).toInt(0), 0, 600000)};
                {
                    std::lock_guard<std::mutex> l(kilit);
                    arizalar[yontem] = a;
                }
                json(res, 200, "{}");
            });
        }
    }
};

Sunucu::Sunucu(SunucuAyari ayar) : m_ic(std::make_unique<Ic>())
{
    m_ic->ayar = std::move(ayar);
    m_ic->kur();
}

Sunucu::~Sunucu() = default;

int Sunucu::bagla(const std::string &adres, int port)
{
    if (port == 0)
        return m_ic->http.bind_to_any_port(adres);
    return m_ic->http.bind_to_port(adres, port) ? port : -1;
}

bool Sunucu::calistir() { return m_ic->http.listen_after_bind(); }
void Sunucu::durdur() { m_ic->http.stop(); }

} // namespace dorvanto::appserver
