#include "girisform.h"

#include "ayardosyasi.h"
#include "disipal.h"
#include "dosyaindir.h"
#include "makinekimligi.h"

#include "beklesin.h"
#include "cikis.h"
#include "gorunum.h"
#include "mesajgoster.h"

#include "formistekyeni.h"
#include "seccari.h"

#include "adresler.h"
#include "dagitimdegerleri.h"
#include "servermethods.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvanto {

namespace {

const char *IletisimMetni =
    "Dorvanto Otomotiv Yedek Parça San. ve Tic. A.Ş.\n"
    "Organize Sanayi Bölgesi 12. Cadde No: 4\n"
    "Nilüfer / BURSA\n"
    "b2b@dorvanto.com.tr  •  0 224 000 00 00";
} // namespace

Tgirisform::Tgirisform(ServerConnection &b, TSonucBilgisi &bi, QWidget *owner)
    : QDialog(owner), bagim(b), Bilgim(bi), m_durum(std::make_shared<Durum>())
{
    setObjectName(QStringLiteral("girisform"));
    setWindowTitle(QStringLiteral("Giriş"));
    // A window of its own (with its task-bar entry): it opens before the main window.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(368, 550);

    auto *kok = new QVBoxLayout(this);
    kok->setContentsMargins(24, 130, 24, 16);
    kok->setSpacing(8);

    auto *kutu = new QWidget(this);
    kutu->setObjectName(QStringLiteral("girispanel"));
    kutu->setAutoFillBackground(false);
    kutu->setStyleSheet(QStringLiteral("#girispanel { background: rgba(255,255,255,235); border-radius: 8px; }"));
    auto *izgara = new QGridLayout(kutu);
    izgara->setContentsMargins(16, 16, 16, 16);
    izgara->setVerticalSpacing(8);
    auto *l1 = new QLabel(QStringLiteral(" Kullanıcı Adı:"), kutu);
    auto *l2 = new QLabel(QStringLiteral(" Şifre:"), kutu);
    for (QLabel *l : {l1, l2}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    adi = new QLineEdit(kutu);
    adi->setObjectName(QStringLiteral("adi"));
    sifre = new QLineEdit(kutu);
    sifre->setObjectName(QStringLiteral("sifre"));
    sifre->setEchoMode(QLineEdit::Password);
    for (QLineEdit *e : {adi, sifre}) {
        e->setMinimumHeight(30);
        BuyukHarfZorla(e);
        e->installEventFilter(this);
    }
    hatirla = new QCheckBox(QStringLiteral("Beni hatırla"), kutu);
    hatirla->setObjectName(QStringLiteral("hatirla"));
    hatirla->setChecked(true);
    izgara->addWidget(l1, 0, 0, 1, 2);
    izgara->addWidget(adi, 1, 0, 1, 2);
    izgara->addWidget(l2, 2, 0, 1, 2);
    izgara->addWidget(sifre, 3, 0, 1, 2);
    izgara->addWidget(hatirla, 4, 0, 1, 2);

    auto *dugmeler = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Giriş"), kutu);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), kutu);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *d : {Button1, Button2}) {
        d->setMinimumHeight(34);
        d->setAutoDefault(false);
        d->setDefault(false);
    }
    Button1->setMinimumWidth(120);
    gif = new MesgulGostergesi(kutu);
    gif->setObjectName(QStringLiteral("gifgiris"));
    gif->hide();
    dugmeler->addWidget(Button1);
    dugmeler->addWidget(gif);
    dugmeler->addStretch(1);
    dugmeler->addWidget(Button2);
    izgara->addLayout(dugmeler, 5, 0, 1, 2);
    kok->addWidget(kutu);
    kok->addStretch(1);

    iletisim = new QLabel(QString::fromUtf8(IletisimMetni), this);
    iletisim->setObjectName(QStringLiteral("iletisim"));
    iletisim->setAlignment(Qt::AlignCenter);
    iletisim->setWordWrap(true);
    QFont kf = iletisim->font();
    kf.setPointSize(8);
    kf.setBold(false);
    iletisim->setFont(kf);
    iletisim->setStyleSheet(QStringLiteral("color: #10264a;"));
    kok->addWidget(iletisim);

    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    FormCreate();
    adi->setFocus();
}

Tgirisform::~Tgirisform()
{
    // a lookup still running gives up
    m_durum->vazgec = true;
}

void Tgirisform::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, GirisArkaPlani(size()));
    p.drawPixmap(20, 20, LogoResmi(QSize(328, 94)));
}

void Tgirisform::closeEvent(QCloseEvent *e)
{
    m_durum->vazgec = true;
    QDialog::closeEvent(e);
}

void Tgirisform::FormCreate()
{
    const UcNokta genel = GenelUcNokta();
    SetResimTabanAdresi(genel.resimTabani);
    SetWebTabanAdresi(genel.webTabani);
    idsi = BilgisayarIdAl();
    AyarOku();
}

void Tgirisform::AyarOku()
{
    HatirlananGiris g;
    if (!dorvanto::AyarOku(AyarDosyasiYolu(), g))
        return;
    hatirla->setChecked(g.hatirla);
    if (g.hatirla) {
        adi->setText(g.isim);
        sifre->setText(g.sifre);
    }
}

void Tgirisform::AyarYaz()
{
    QString hata;
    if (!dorvanto::AyarYaz(AyarDosyasiYolu(), {adi->text(), sifre->text(), hatirla->isChecked()}, &hata))
        MesajGoster(QStringLiteral("Giriş bilgileri kaydedilemedi: ") + hata, mtUyari, YalnizTamam, vdTamam, this);
}

bool Tgirisform::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && (o == adi || o == sifre)) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter)
            return o == adi ? adiKeyDown() : sifreKeyDown();
    }
    return QDialog::eventFilter(o, e);
}

bool Tgirisform::adiKeyDown()
{
    if (Kirp(adi->text()).isEmpty()) {
        SistemSesiCal(QStringLiteral("beep"));
        StandartMesaj(QStringLiteral("Lütfen kullanıcı adını giriniz !"), QMessageBox::Warning, this);
        adi->selectAll();
        adi->setFocus();
        return true;
    }
    sifre->selectAll();
    sifre->setFocus();
    return true;
}

bool Tgirisform::sifreKeyDown()
{
    if (Kirp(sifre->text()).isEmpty()) {
        SistemSesiCal(QStringLiteral("beep"));
        StandartMesaj(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), QMessageBox::Warning, this);
        sifre->selectAll();
        sifre->setFocus();
        return true;
    }
    Button1Click();
    return true;
}

void Tgirisform::Button1Click()
{
    // one attempt at a time (Enter in the password edit also starts one)
    if (!Button1->isEnabled())
        return;
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    auto durum = m_durum;
    auto adres = std::make_shared<QString>();
    QPointer<MesgulGostergesi> g = gif;
    Async([durum, adres, g] {
        GuiIpligindeCalistir([g] {
            if (g)
                g->Baslat();
        });
        *adres = DisIpAl(&durum->vazgec, &durum->deneme);
    }).Await([this, durum, adres] {
        if (durum->vazgec)
            return;
        Button1->setText(QStringLiteral("Giriş!"));
        gif->Durdur();
        Devamet(*adres);
    }, this);
}

void Tgirisform::Button2Click()
{
    m_durum->vazgec = true;
    ProgramiBitir();
    reject();
}

void Tgirisform::HazirDurumaDon(bool adiOdakla)
{
    Button1->setEnabled(true);
    if (adiOdakla) {
        adi->selectAll();
        adi->setFocus();
    }
}

void Tgirisform::Devamet(const QString &adres)
{
    if (Kirp(adres).isEmpty()) {
        MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"), mtHata, YalnizTamam, vdTamam, this);
        HazirDurumaDon(false);
        return;
    }
    Bilgim.SetDisip(adres);

    // The endpoint stays for the rest of the run: every later clone carries it.
    const UcNokta u = UcNoktaSec(adres);
    bagim.setHostName(u.sunucu);
    SetResimTabanAdresi(u.resimTabani);
    SetWebTabanAdresi(u.webTabani);

    Button1->setEnabled(false);
    auto basari = std::make_shared<bool>(false);
    auto durum = m_durum;
    Async([this, basari, durum] { *basari = SunucuGiris(durum); }).Await([this, basari, durum] {
        if (durum->vazgec)
            return;
        gif->Durdur();
        if (!*basari) {
            MesajGoster(QStringLiteral("Bağlantı Kurulamadı !"), mtHata, YalnizTamam, vdTamam, this);
            HazirDurumaDon(true);
            return;
        }
        if (Bilgim.Version() != dagitim::IstemciSurumu()) {
            GuncellemeAc();
            reject();   // reached only when the exit is recorded instead of done
            return;
        }
        if (!Bilgim.Varmi()) {
            IstekFormuAc();
            ProgramiBitir();
            reject();
            return;
        }
        if (Bilgim.ADI() == adi->text() && Bilgim.SIFRE() == sifre->text()) {
            AyarYaz();
            if (Bilgim.AKTIF() == 1) {
                if (Bilgim.MusteriTipi() == 1 || Bilgim.MusteriTipi() == 2) {
                    if (!CariSecimiAc()) {
                        reject();
                        return;
                    }
                }
                accept();
                return;
            }
        }
        MesajGoster(QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"), mtUyari, YalnizTamam,
                    vdTamam, this);
        HazirDurumaDon(true);
    }, this);
}

// Runs on the worker thread.
bool Tgirisform::SunucuGiris(const std::shared_ptr<Durum> &durum)
{
    const QString id = idsi;
    std::unique_ptr<ServerConnection> klon = bagim.Clone();
    if (!BaglantiAc(*klon, false))
        return false;
    try {
        TServerMethods1Client istemci(*klon);
        TSonucBilgisi *kayit = istemci.BuyukGetir(id);
        if (!kayit)
            throw ServerError(QStringLiteral("Sunucu bu bilgisayar için kayıt döndürmedi."));
        Bilgim.Kopyala(*kayit);
    } catch (...) {
        StandartMesaj(HataMetni(std::current_exception()), QMessageBox::Critical, nullptr);
        klon->Close();
        return false;
    }
    klon->Close();
    klon.reset();
    Bilgim.SetBilgiSayarAdi(BilgisayarAdiAl());
    Bilgim.SetBilgisayarKullanici(KullaniciAdiAl());
    Bilgim.SetIcip(YerelIpAl());
    Bilgim.SetBILGISAYARID(BilgisayarIdAl());
    Bilgim.SetDisip(DisIpAl(&durum->vazgec, &durum->deneme));
    return true;
}

bool Tgirisform::CariSecimiAc()
{
    Tseccari pencere(bagim, Bilgim, this);
    pencere.SepetSayisiYaz();
    pencere.TusSonuclari();
    if (pencere.exec() != QDialog::Accepted) {
        ProgramiBitir();
        return false;
    }
    return true;
}

void Tgirisform::GuncellemeAc()
{
    Tdosyaindir pencere(this, Bilgim.Version());
    pencere.bag = &bagim;
    pencere.exec();
}

void Tgirisform::IstekFormuAc()
{
    Tformistekyeni pencere(this);
    pencere.setWindowTitle(QStringLiteral("Dorvanto Otomotiv B2B İstek Formu"));
    pencere.Git(IstekFormuAdresi(WebTabanAdresi(), idsi));
    pencere.exec();
}

} // namespace dorvanto
