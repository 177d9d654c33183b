#include "mesajgoster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMutex>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <atomic>
#include <deque>

namespace dorvanto {

namespace {

std::atomic<int> fontPuntosu{15};

QMutex kilit;
bool sinamaAcik = false;
std::deque<int> cevaplar;
QList<GosterilenMesaj> kayitlar;
QStringList sesler;

// Runs f on the GUI thread; a worker waits until it has run.
template <typename F>
void GuiIpligindeCalistir(F &&f)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        f();
        return;
    }
    QMetaObject::invokeMethod(app, std::forward<F>(f), Qt::BlockingQueuedConnection);
}

QMessageBox::StandardButton IndeksDugmesi(int indeks)
{
    switch (indeks) {
    case vdEvet: return QMessageBox::Yes;
    case vdHayir: return QMessageBox::No;
    case vdTamam: return QMessageBox::Ok;
    case vdVazgec: return QMessageBox::Cancel;
    case vdIptal: return QMessageBox::Abort;
    case vdTekrar: return QMessageBox::Retry;
    case vdAtla: return QMessageBox::Ignore;
    case vdYardim: return QMessageBox::Help;
    default: return QMessageBox::NoButton;
    }
}

int ModalSonucu(QMessageBox::StandardButton b)
{
    switch (b) {
    case QMessageBox::Ok: return mrOk;
    case QMessageBox::Cancel: return mrCancel;
    case QMessageBox::Abort: return mrAbort;
    case QMessageBox::Retry: return mrRetry;
    case QMessageBox::Ignore: return mrIgnore;
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    case QMessageBox::Help: return mrHelp;
    default: return mrCancel;
    }
}

QWidget *SahipBul(QWidget *sahip)
{
    if (sahip)
        return sahip;
    return QApplication::activeWindow();
}

// The dialog: centred on its owner, the default button focused when it opens.
class MesajKutusu : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    QWidget *sahip = nullptr;

protected:
    void showEvent(QShowEvent *e) override
    {
        QMessageBox::showEvent(e);
        Ortala();
        if (QPushButton *b = defaultButton())
            b->setFocus(Qt::OtherFocusReason);
    }

private:
    void Ortala()
    {
        QRect alan;
        if (sahip && sahip->isVisible())
            alan = sahip->frameGeometry();
        else if (QScreen *s = screen())
            alan = s->availableGeometry();
        if (alan.isValid()) {
            QRect r = frameGeometry();
            r.moveCenter(alan.center());
            move(r.topLeft());
        }
    }
};

QString Baslik(int tur)
{
    switch (tur) {
    case mtUyari: return QStringLiteral("Uyarı");
    case mtHata: return QStringLiteral("Hata");
    case mtBilgi: return QStringLiteral("Bilgi");
    case mtSoru: return QStringLiteral("Soru");
    default: return QString();
    }
}

QMessageBox::Icon Simge(int tur)
{
    switch (tur) {
    case mtUyari: return QMessageBox::Warning;
    case mtHata: return QMessageBox::Critical;
    case mtBilgi: return QMessageBox::Information;
    case mtSoru: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

void Relabel(QMessageBox &k)
{
    static const std::pair<QMessageBox::StandardButton, const char *> etiketler[] = {
        {QMessageBox::Yes, "Evet"},     {QMessageBox::No, "Hayır"},    {QMessageBox::Cancel, "Vazgeç"},
        {QMessageBox::Ok, "Tamam"},     {QMessageBox::Abort, "İptal"}, {QMessageBox::Retry, "Tekrar"},
        {QMessageBox::Ignore, "Atla"},  {QMessageBox::Help, "Yardım"},
    };
    for (const auto &[dugme, etiket] : etiketler)
        if (QAbstractButton *b = k.button(dugme))
            b->setText(QString::fromUtf8(etiket));
}

// Button texts in the order the dialog lays them out (its tab order), the default first.
QStringList DugmeMetinleri(const QMessageBox &k)
{
    QStringList l;
    if (QPushButton *d = k.defaultButton())
        l << d->text();
    for (QAbstractButton *b : k.buttons())
        if (b != k.defaultButton())
            l << b->text();
    return l;
}

int Kaydet(GosterilenMesaj m, int varsayilanSonuc)
{
    QMutexLocker l(&kilit);
    if (!cevaplar.empty()) {
        m.sonuc = cevaplar.front();
        cevaplar.pop_front();
    } else {
        m.sonuc = varsayilanSonuc;
    }
    kayitlar << m;
    return m.sonuc;
}

bool SinamaAcikMi()
{
    QMutexLocker l(&kilit);
    return sinamaAcik;
}

} // namespace

void SetMesajFontPuntosu(int punto) { fontPuntosu = punto; }
int MesajFontPuntosu() { return fontPuntosu; }

QString SesAdi(int tur)
{
    switch (tur) {
    case mtUyari: return QStringLiteral("exclamation");
    case mtHata: return QStringLiteral("hand");
    case mtBilgi: return QStringLiteral("asterisk");
    case mtSoru: return QStringLiteral("question");
    default: return QStringLiteral("beep");
    }
}

void SistemSesiCal(const QString &ses)
{
    {
        QMutexLocker l(&kilit);
        sesler << ses;
        if (sinamaAcik)
            return;
    }
    // The desktop's event sound where a player is installed, else the bell.
    static const QString oynatici = QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play"));
    static const QHash<QString, QString> olaylar = {
        {QStringLiteral("exclamation"), QStringLiteral("dialog-warning")},
        {QStringLiteral("hand"), QStringLiteral("dialog-error")},
        {QStringLiteral("asterisk"), QStringLiteral("dialog-information")},
        {QStringLiteral("question"), QStringLiteral("dialog-question")},
    };
    if (!oynatici.isEmpty() && olaylar.contains(ses)) {
        QProcess::startDetached(oynatici, {QStringLiteral("-i"), olaylar.value(ses)});
        return;
    }
    GuiIpligindeCalistir([] { QApplication::beep(); });
}

std::unique_ptr<QMessageBox> MesajKutusuOlustur(const QString &metin, int tur,
                                                QMessageBox::StandardButtons dugmeler, int varsayilan,
                                                QWidget *sahip)
{
    QWidget *owner = SahipBul(sahip);
    auto k = std::make_unique<MesajKutusu>(Simge(tur), Baslik(tur), metin, dugmeler, owner);
    k->sahip = owner;
    QFont f = k->font();
    f.setPointSize(MesajFontPuntosu());
    k->setFont(f);
    Relabel(*k);
    const QMessageBox::StandardButton d = IndeksDugmesi(varsayilan);
    if (auto *b = qobject_cast<QPushButton *>(k->button(d)))
        k->setDefaultButton(b);
    return k;
}

int MesajGoster(const QString &metin, int tur, QMessageBox::StandardButtons dugmeler, int varsayilan,
                QWidget *sahip)
{
    int sonuc = mrCancel;
    GuiIpligindeCalistir([&] {
        auto k = MesajKutusuOlustur(metin, tur, dugmeler, varsayilan, sahip);
        SistemSesiCal(SesAdi(tur));
        if (SinamaAcikMi()) {
            GosterilenMesaj m;
            m.metin = metin;
            m.baslik = k->windowTitle();
            m.tur = tur;
            m.dugmeler = DugmeMetinleri(*k);
            m.varsayilan = k->defaultButton() ? k->defaultButton()->text() : QString();
            m.punto = k->font().pointSize();
            m.ses = SesAdi(tur);
            sonuc = Kaydet(m, ModalSonucu(IndeksDugmesi(varsayilan)));
            return;
        }
        k->exec();
        sonuc = ModalSonucu(k->standardButton(k->clickedButton()));
        if (!k->clickedButton())
            sonuc = dugmeler.testFlag(QMessageBox::No) ? mrNo : mrCancel;
    });
    return sonuc;
}

void StandartMesaj(const QString &metin, QMessageBox::Icon simge, QWidget *sahip)
{
    GuiIpligindeCalistir([&] {
        QWidget *owner = SahipBul(sahip);
        const QString baslik = QGuiApplication::applicationDisplayName();
        if (SinamaAcikMi()) {
            GosterilenMesaj m;
            m.metin = metin;
            m.baslik = baslik;
            m.standart = true;
            m.dugmeler = QStringList{QStringLiteral("OK")};
            m.varsayilan = QStringLiteral("OK");
            m.sonuc = mrOk;
            Kaydet(m, mrOk);
            return;
        }
        QMessageBox k(simge, baslik, metin, QMessageBox::Ok, owner);
        k.exec();
    });
}

void VarsayilanHataGoster(const QString &metin) { StandartMesaj(metin, QMessageBox::Critical); }

namespace MesajSinama {
void Ac()
{
    QMutexLocker l(&kilit);
    sinamaAcik = true;
    cevaplar.clear();
    kayitlar.clear();
    sesler.clear();
}
void Kapat()
{
    QMutexLocker l(&kilit);
    sinamaAcik = false;
    cevaplar.clear();
}
bool Acik() { return SinamaAcikMi(); }
void SonrakiCevap(int sonuc)
{
    QMutexLocker l(&kilit);
    cevaplar.push_back(sonuc);
}
QList<GosterilenMesaj> Kayitlar()
{
    QMutexLocker l(&kilit);
    return kayitlar;
}
QStringList Sesler()
{
    QMutexLocker l(&kilit);
    return sesler;
}
void Temizle()
{
    QMutexLocker l(&kilit);
    cevaplar.clear();
    kayitlar.clear();
    sesler.clear();
}
} // namespace MesajSinama

} // namespace dorvanto

#include "baglanti.h"

namespace dorvanto {
void BaglantiMesajKancasiniKur()
{
    SetBaglantiMesajKancasi([](const QString &mesaj) { MesajGoster(mesaj, mtHata, YalnizTamam, vdTamam); });
}
} // namespace dorvanto
