#include "beklesin.h"

#include "mesajgoster.h"

#include "baglanti.h"
#include "tablodata.h"
#include "transfernesneleri.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

namespace dorvanto {

QString HataMetni(std::exception_ptr e)
{
    try {
        std::rethrow_exception(e);
    } catch (const ServerError &h) {
        return h.message();
    } catch (const TableError &h) {
        return h.message();
    } catch (const TransferError &h) {
        return h.mesaj();
    } catch (const std::exception &h) {
        return QString::fromUtf8(h.what());
    } catch (...) {
        return QStringLiteral("Beklenmeyen bir hata oluştu.");
    }
}

void AsyncGorev::Await(std::function<void()> devam, QObject *baglam)
{
    QObject *sahip = baglam ? baglam : QCoreApplication::instance();
    auto *izleyici = new QFutureWatcher<QString>(sahip);
    QObject::connect(izleyici, &QFutureWatcher<QString>::finished, sahip, [izleyici, devam = std::move(devam)] {
        const QString hata = izleyici->result();
        izleyici->deleteLater();
        if (devam)
            devam();
        if (!hata.isEmpty())
            VarsayilanHataGoster(hata);
    });
    izleyici->setFuture(QtConcurrent::run([islem = std::move(m_islem)]() -> QString {
        try {
            if (islem)
                islem();
            return QString();
        } catch (...) {
            return HataMetni(std::current_exception());
        }
    }));
}

void GuiIpligindeCalistir(const std::function<void()> &f)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        f();
        return;
    }
    QMetaObject::invokeMethod(app, f, Qt::BlockingQueuedConnection);
}

} // namespace dorvanto
