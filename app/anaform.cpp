#include "anaform.h"

#include "beklesin.h"
#include "cikis.h"
#include "dislar.h"
#include "gorunum.h"
#include "mesajgoster.h"
#include "rozetlisekmeler.h"

#include "bannerlar.h"
#include "kayanserit.h"
#include "odeme.h"
#include "sepetislemleri.h"
#include "sepetsayfasi.h"
#include "stoklistesi.h"

#include "girisform.h"
#include "makinekimligi.h"
#include "seccari.h"

#include "adresler.h"
#include "dagitimdegerleri.h"
#include "sonuctablosu.h"

#include "gridsimgeleri.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>

namespace dorvanto {

QList<SutunKurali> MusteriTipiSutunKurallari(int tip)
{
    QList<SutunKurali> l;
    if (tip == 1 || tip == 2) {
        for (const char *izgara : {"stok", "sepet", "YENILER", "kampstok"})
            l << SutunKurali{QLatin1String(izgara), QStringLiteral("KALAN"), true};
        for (const char *izgara : {"stok", "YENILER", "kampstok"}) {
            l << SutunKurali{QLatin1String(izgara), QStringLiteral("ALINANSIPARIS"), true};
            l << SutunKurali{QLatin1String(izgara), QStringLiteral("VERILENSIPARIS"), true};
        }
    } else if (tip == 3) {
        l << SutunKurali{QStringLiteral("sepet"), QStringLiteral("Durum"), false};
    } else if (tip == 4) {
        for (const char *izgara : {"stok", "YENILER"}) {
            l << SutunKurali{QLatin1String(izgara), QStringLiteral("KAMPFIYAT"), false};
            l << SutunKurali{QLatin1String(izgara), QStringLiteral("K"), false};
        }
    }
    return l;
}

namespace {
QLabel *Etiket(const QString &metin, QWidget *ebeveyn, const char *ad = nullptr)
{
    auto *l = new QLabel(metin, ebeveyn);
    if (ad)
        l->setObjectName(QLatin1String(ad));
    return l;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    stok = new ResultTable(this);
    sepet = new ResultTable(this);
    kargo = new ResultTable(this);
    ONCEKILER = new ResultTable(this);
    EKSTRE = new ResultTable(this);
    YENILER = new ResultTable(this);
    kampstok = new ResultTable(this);
    Kur();
}

TForm1::~TForm1() = default;

void TForm1::Kur()
{
    QFont yazi(QStringLiteral("Tahoma"));
    yazi.setPointSize(10);
    yazi.setBold(true);
    setFont(yazi);
    resize(1350, 652);

    auto *merkez = new QWidget(this);
    merkez->setObjectName(QStringLiteral("merkez"));
    setCentralWidget(merkez);
    auto *kok = new QVBoxLayout(merkez);
    kok->setContentsMargins(0, 0, 0, 0);
    kok->setSpacing(0);

    // 1. Header
    auto *ust = new QWidget(merkez);
    ust->setObjectName(QStringLiteral("ustpanel"));
    ust->setFixedHeight(100);
    ust->setAutoFillBackground(true);
    QPalette up = ust->palette();
    up.setColor(QPalette::Window, Qt::white);
    ust->setPalette(up);
    auto *ustDuzen = new QHBoxLayout(ust);
    ustDuzen->setContentsMargins(0, 0, 6, 0);
    auto *logo = new QLabel(ust);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setFixedSize(347, 100);
    logo->setPixmap(LogoResmi(QSize(347, 100)));
    ustDuzen->addWidget(logo);

    auto *etiketler = new QGridLayout;
    etiketler->setContentsMargins(10, 6, 10, 6);
    etiketler->setHorizontalSpacing(4);
    const char *basliklar[] = {"Kullanıcı: ", "Firma: ", "Temsilci: "};
    for (int i = 0; i < 3; ++i) {
        QLabel *b = Etiket(QString::fromUtf8(basliklar[i]), ust);
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        etiketler->addWidget(b, i, 0);
    }
    m_kullanicilbl = Etiket(QStringLiteral("kullanicilbl"), ust, "kullanicilbl");
    m_cariadilbl = Etiket(QStringLiteral("cariadilbl"), ust, "cariadilbl");
    m_saticilbl = Etiket(QStringLiteral("saticilbl"), ust, "saticilbl");
    m_cariadilbl->setWordWrap(true);
    m_saticilbl->setWordWrap(true);
    for (QLabel *l : {m_kullanicilbl, m_cariadilbl, m_saticilbl}) {
        l->setStyleSheet(QStringLiteral("color: #12408c;"));
        l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    }
    etiketler->addWidget(m_kullanicilbl, 0, 1);
    etiketler->addWidget(m_cariadilbl, 1, 1);
    etiketler->addWidget(m_saticilbl, 2, 1);
    etiketler->setColumnStretch(1, 1);
    ustDuzen->addLayout(etiketler, 1);

    m_banner1 = new QLabel(ust);
    m_banner1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    m_banner1->setFixedSize(409, 100);
    m_banner1->setAlignment(Qt::AlignCenter);
    ustDuzen->addWidget(m_banner1);

    m_genelmenu = new QMenu(this);
    m_genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    m_M1 = m_genelmenu->addAction(QStringLiteral("Mail Gönder"));
    m_M1->setObjectName(QStringLiteral("M1"));
    m_genelmenu->addSeparator();
    m_N4 = m_genelmenu->addAction(QStringLiteral("Şifre Değiştirme İsteği"));
    m_N4->setObjectName(QStringLiteral("N4"));
    m_genelmenu->addSeparator();
    m_WebSitesi1 = m_genelmenu->addAction(QString());
    m_WebSitesi1->setObjectName(QStringLiteral("WebSitesi1"));
    m_genelmenu->addSeparator();
    m_G1 = m_genelmenu->addAction(QStringLiteral("Çıkış"));
    m_G1->setObjectName(QStringLiteral("G1"));
    m_genelmenu->addSeparator();
    m_R1 = m_genelmenu->addAction(QStringLiteral("Raporlar"));
    m_R1->setObjectName(QStringLiteral("R1"));
    m_R1->setVisible(false);
    // The mail, password-change and report windows come with their screens; until
    // then their entries are present but disabled.
    for (QAction *a : {m_M1, m_N4, m_R1})
        a->setEnabled(false);
    connect(m_WebSitesi1, &QAction::triggered, this, &TForm1::WebSitesi1Click);
    connect(m_G1, &QAction::triggered, this, [this] { close(); });

    m_menutus = new QToolButton(ust);
    m_menutus->setObjectName(QStringLiteral("sSpeedButton1"));
    m_menutus->setIcon(Simge(QStringLiteral("menu")));
    m_menutus->setIconSize(QSize(48, 48));
    m_menutus->setPopupMode(QToolButton::MenuButtonPopup);
    m_menutus->setMenu(m_genelmenu);
    m_menutus->setToolTip(QStringLiteral("Menü"));
    ustDuzen->addWidget(m_menutus);
    kok->addWidget(ust);

    // 2. Search bar
    auto *arama = new QWidget(merkez);
    arama->setObjectName(QStringLiteral("arapanel"));
    arama->setFixedHeight(35);
    auto *araDuzen = new QHBoxLayout(arama);
    araDuzen->setContentsMargins(6, 2, 6, 2);
    araDuzen->setSpacing(4);
    auto *araSimge = new QLabel(arama);
    araSimge->setObjectName(QStringLiteral("arasimge"));
    araSimge->setPixmap(Simge(QStringLiteral("ara")).pixmap(24, 24));
    araDuzen->addWidget(araSimge);
    m_araedit = new QLineEdit(arama);
    m_araedit->setObjectName(QStringLiteral("araedit"));
    m_araedit->setFixedWidth(340);
    QFont af = m_araedit->font();
    af.setPixelSize(20);
    m_araedit->setFont(af);
    BuyukHarfZorla(m_araedit);
    araDuzen->addWidget(m_araedit);
    auto dugme = [&](const QString &metin, const char *ad, const QString &simge) {
        auto *d = new QToolButton(arama);
        d->setObjectName(QLatin1String(ad));
        d->setText(metin);
        if (!simge.isEmpty())
            d->setIcon(Simge(simge));
        d->setIconSize(QSize(18, 18));
        d->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        d->setMinimumHeight(30);
        araDuzen->addWidget(d);
        return d;
    };
    m_ara = dugme(QStringLiteral("Ara"), "SpeedButton2", QStringLiteral("ara"));
    m_temizle = dugme(QStringLiteral("Temizle"), "SpeedButton1", QStringLiteral("temizle"));
    m_musteritus = dugme(QStringLiteral("Başka Cari Seç"), "musteritus", QStringLiteral("musteri"));
    m_musteritus->hide();
    connect(m_musteritus, &QToolButton::clicked, this, &TForm1::musteritusClick);
    const char *gifler[] = {"gifstokara", "gifyeniler", "gifkampanyali", "gifduyuru", "gifoncekiler", "gifekstre"};
    for (int i = 0; i < 6; ++i) {
        m_gif[i] = new MesgulGostergesi(arama);
        m_gif[i]->setObjectName(QLatin1String(gifler[i]));
        m_gif[i]->hide();
        araDuzen->addWidget(m_gif[i]);
    }
    araDuzen->addStretch(1);
    kok->addWidget(arama);

    // 3. Banner strip: no height until a banner is loaded.
    m_banner2 = new QLabel(merkez);
    m_banner2->setObjectName(QStringLiteral("RxGIFAnimator2"));
    m_banner2->setFixedHeight(0);
    m_banner2->setAlignment(Qt::AlignCenter);
    kok->addWidget(m_banner2);

    // 4. Tab pages
    m_sekmeler = new RozetliSekmeler(merkez);
    m_sekmeler->setObjectName(QStringLiteral("sPageControl1"));
    m_sekmeler->Cubuk()->SetSekmeBoyutu(QSize(120, 50));
    m_sekmeler->setIconSize(QSize(22, 22));
    struct Sayfa { const char *ad; const char *baslik; const char *simge; };
    const Sayfa sayfalar[] = {
        {"sstoklistesi", "Stok Listesi", "stok"},       {"ssepet", "Sepet", "sepet"},
        {"sonceki", "Önceki Siparişler", "onceki"},     {"sccariekstre", "Cari Ekstre", "ekstre"},
        {"syeniler", "Yeni Stoklar", "yeni"},           {"skampanyali", "Kampanyalı Stoklar", "kampanya"},
        {"sTabSheetduyuru", "Duyurular", "duyuru"},     {"sTabbakiyeler", "Bakiyeler", "bakiye"},
        {"ss", "Sanal Pos", "pos"},
    };
    for (int i = 0; i < 9; ++i) {
        m_sayfa[i] = new QWidget(m_sekmeler);
        m_sayfa[i]->setObjectName(QLatin1String(sayfalar[i].ad));
        m_sekmeler->addTab(m_sayfa[i], Simge(QLatin1String(sayfalar[i].simge), Qt::white),
                           QString::fromUtf8(sayfalar[i].baslik));
    }
    m_sekmeler->setCurrentIndex(0);
    kok->addWidget(m_sekmeler, 1);

    // 5. Status legend
    auto *durum = new QWidget(merkez);
    durum->setObjectName(QStringLiteral("durumpanel"));
    durum->setFixedHeight(27);
    auto *durumDuzen = new QHBoxLayout(durum);
    durumDuzen->setContentsMargins(6, 0, 6, 0);
    durumDuzen->setSpacing(2);
    durumDuzen->addWidget(Etiket(QStringLiteral("Durum Açıklaması:    "), durum));
    struct Aciklama { int durum; const char *metin; };
    const Aciklama aciklamalar[] = {
        {1, " Stok mevcut  "}, {2, " Telefon Açınız  "}, {3, " Yolda  "},
        {5, " Tedarik Sürecinde "}, {4, " Özel Sipariş  "}, {0, " Yok  "},
    };
    for (const Aciklama &a : aciklamalar) {
        auto *simge = new QLabel(durum);
        simge->setObjectName(QStringLiteral("durumsimge%1").arg(a.durum));
        simge->setFixedSize(18, 18);
        simge->setPixmap(DurumSimgesi(a.durum, 18));
        m_durumSimgeleri << simge;
        QLabel *l = Etiket(QString::fromUtf8(a.metin), durum);
        QFont kf = l->font();
        kf.setPointSize(8);
        l->setFont(kf);
        durumDuzen->addWidget(simge);
        durumDuzen->addWidget(l);
    }
    durumDuzen->addStretch(1);
    kok->addWidget(durum);

    // 6. Bottom panel: the bottom banner strip (hidden until a banner is loaded) and
    // under it the news ticker line.
    m_panel5 = new QWidget(merkez);
    m_panel5->setObjectName(QStringLiteral("Panel5"));
    m_panel5->setFixedHeight(40);
    auto *altDuzen = new QVBoxLayout(m_panel5);
    altDuzen->setContentsMargins(0, 0, 0, 0);
    altDuzen->setSpacing(0);
    m_image3 = new QLabel(m_panel5);
    m_image3->setObjectName(QStringLiteral("Image3"));
    m_image3->hide();
    m_altbanner = new KayanSerit(m_image3, m_panel5);
    m_altbanner->setObjectName(QStringLiteral("RealTimeMarquee1"));
    m_altbanner->setFixedHeight(0);
    m_altbanner->hide();
    m_kayanyazi = new QWidget(m_panel5);
    m_kayanyazi->setObjectName(QStringLiteral("kayanyazialani"));
    m_kayanyazi->setFixedHeight(40);
    m_kayanyazi->setAutoFillBackground(true);
    QPalette kp = m_kayanyazi->palette();
    kp.setColor(QPalette::Window, QColor(0xFD, 0xFD, 0xFD));
    m_kayanyazi->setPalette(kp);
    m_kayanyazi->setLayout(new QHBoxLayout);
    m_kayanyazi->layout()->setContentsMargins(0, 0, 0, 0);
    altDuzen->addWidget(m_altbanner);
    altDuzen->addWidget(m_kayanyazi);
    kok->addWidget(m_panel5);

    EkranlariKur();

    m_araedit->setFocus();
}

void TForm1::SekmeBasligiYaz(QWidget *sayfa, const QString &baslik)
{
    const int i = m_sekmeler->indexOf(sayfa);
    if (i >= 0) {
        m_sekmeler->setTabText(i, baslik);
        m_sekmeler->tabBar()->update();
    }
}

void TForm1::EkranlariKur()
{
    // Stock list: the grid goes into the stock tab page.
    m_sepetIslem = new SepetIslemleri(bagc, sbilgi, *sepet, this);
    StokSayfasiParcalari p;
    p.anaPencere = this;
    p.araedit = m_araedit;
    p.SpeedButton2 = m_ara;
    p.SpeedButton1 = m_temizle;
    p.gifstokara = m_gif[0];
    p.sPageControl1 = m_sekmeler;
    p.sstoklistesi = sstoklistesi();
    p.stok = stok;
    p.bagc = &bagc;
    p.sbilgi = &sbilgi;
    p.sepet = m_sepetIslem;
    m_stokSayfasi = new StokListesiSayfasi(p, this);

    // Basket
    auto *sepetDuzen = new QVBoxLayout(ssepet());
    sepetDuzen->setContentsMargins(0, 0, 0, 0);
    m_sepetSayfasi = new TSepetSayfasi(*m_sepetIslem, *kargo, ssepet());
    sepetDuzen->addWidget(m_sepetSayfasi);
    m_sepetSayfasi->setBaslikYazici([this](const QString &baslik) { SekmeBasligiYaz(ssepet(), baslik); });
    m_sepetSayfasi->setAramaKutusu(m_araedit);
    SepetYukle = [this] { m_sepetSayfasi->SepetYukle(); };

    // Card payment: the tab stays empty, the page opens in the browser.
    m_odeme = new TOdemeSekmesi(bagc, sbilgi, this);
    m_odeme->stokListesineDon = [this] { m_sekmeler->setCurrentWidget(sstoklistesi()); };

    connect(m_sekmeler, &QTabWidget::currentChanged, this, &TForm1::SekmeDegisti);

    // The banner steps of the start-up task.
    auto hedefler = [this] {
        BannerHedefleri h;
        h.RxGIFAnimator1 = m_banner1;
        h.RxGIFAnimator2 = m_banner2;
        h.Image3 = m_image3;
        h.RealTimeMarquee1 = m_altbanner;
        h.Panel5 = m_panel5;
        return h;
    };
    BannerREsimAl = [this, hedefler] { dorvanto::BannerREsimAl(bagc, hedefler()); };
    BannerREsimAlUst = [this, hedefler] { dorvanto::BannerREsimAlUst(bagc, hedefler()); };
    BannerREsimAlAlt = [this, hedefler] { dorvanto::BannerREsimAlAlt(bagc, hedefler()); };
}

void TForm1::SekmeDegisti(int indeks)
{
    QWidget *sayfa = m_sekmeler->widget(indeks);
    if (sayfa == ssepet())
        m_sepetSayfasi->ssepetShow();
    else if (sayfa == ss())
        m_odeme->ssShow();
}

QString TForm1::SekmeBasligi(QWidget *sayfa) const
{
    const int i = m_sekmeler->indexOf(sayfa);
    return i >= 0 ? m_sekmeler->tabText(i) : QString();
}

bool TForm1::FormCreate()
{
    _acilisadet = 0;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Dorvanto Otomotiv B2B Programı"));
    setWindowTitle(QStringLiteral("Dorvanto Otomotiv B2B Programı"));
    SetMesajFontPuntosu(15);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Dorvanto Otomotiv B2B"));
    setWindowTitle(QStringLiteral("Dorvanto Otomotiv B2B Programı"));

    sbilgi.Kopyala(TSonucBilgisi());
    sbilgi.SetBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi.SetBilgisayarKullanici(KullaniciAdiAl());
    sbilgi.SetIcip(YerelIpAl());
    sbilgi.SetBILGISAYARID(BilgisayarIdAl());

    bagc.setHostName(dagitim::GenelSunucuAdresi());
    bagc.setPort(dagitim::SunucuPortu());
    BaglantiMesajKancasiniKur();

    m_WebSitesi1->setText(dagitim::WebSitesi());

    if (!GirisYap())
        return false;
    BaslangicGoreviniBaslat();
    return true;
}

bool TForm1::GirisYap()
{
    {
        Tgirisform giris(bagc, sbilgi, nullptr);
        if (giris.exec() != QDialog::Accepted) {
            ProgramiBitir();
            return false;
        }
    }
    if (Kirp(sbilgi.Disip()).isEmpty()) {
        ProgramiBitir();
        return false;
    }
    MusteriTipiDuzeni(sbilgi.MusteriTipi());
    return true;
}

void TForm1::MusteriTipiDuzeni(int tip)
{
    m_sutunKurallari = MusteriTipiSutunKurallari(tip);
    m_stokSayfasi->MusteriTipiUygula(tip);
    m_sepetSayfasi->MusteriTipiUygula(tip);
    if (tip == 1 || tip == 2) {
        m_musteritus->show();
        m_R1->setVisible(true);
    } else if (tip == 3) {
        m_R1->setVisible(false);
    } else if (tip == 4) {
        m_sekmeler->setTabVisible(m_sekmeler->indexOf(skampanyali()), false);
        m_R1->setVisible(false);
    }
}

void TForm1::AnaBilgiAl()
{
    GuiIpligindeCalistir([this] {
        m_kullanicilbl->setText(sbilgi.ADI());
        m_cariadilbl->setText(sbilgi.CariAdi());
        m_saticilbl->setText(sbilgi.SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi.SaticiTelefon()
                             + QStringLiteral(" email: ") + sbilgi.SaticiMail());
    });
}

void TForm1::BaslangicGoreviniBaslat()
{
    // Steps run one after another on one worker. The banner and advertisement-count
    // steps swallow their own errors; an error of the ticker or badge step ends the
    // task and is shown after the continuation.
    auto yut = [](const std::function<void()> &adim) {
        if (!adim)
            return;
        try {
            adim();
        } catch (...) {
        }
    };
    auto calistir = [](const std::function<void()> &adim) {
        if (adim)
            adim();
    };
    Async([this, yut, calistir] {
        AnaBilgiAl();
        calistir(KayanYaziAl);
        yut(BannerREsimAl);
        yut(BannerREsimAlUst);
        yut(BannerREsimAlAlt);
        yut(AcilisReklamAdetAl);
        calistir(BalonYaz);
    }).Await([this] {
        if (AcilisReklamGoster)
            AcilisReklamGoster();
        emit baslangicBitti();
    }, this);
}

void TForm1::musteritusClick()
{
    {
        Tseccari pencere(bagc, sbilgi, this);
        pencere.SepetSayisiYaz();
        pencere.TusSonuclari();
        pencere.exec();
    }
    m_kullanicilbl->setText(sbilgi.ADI());
    m_cariadilbl->setText(sbilgi.CariAdi());
    m_saticilbl->setText(sbilgi.SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi.SaticiTelefon()
                         + QStringLiteral(" email: ") + sbilgi.SaticiMail());
    if (SepetYukle)
        SepetYukle();
    m_stokSayfasi->CariDegisti();
    m_araedit->selectAll();
}

void TForm1::WebSitesi1Click()
{
    AdresAc(WebTabanAdresi().isEmpty() ? dagitim::WebTabani() : WebTabanAdresi());
    m_araedit->selectAll();
    m_araedit->setFocus();
}

void TForm1::closeEvent(QCloseEvent *e)
{
    if (MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), mtSoru, EvetHayir, vdEvet, this) == mrYes) {
        ProgramiBitir();
        e->accept();
        return;
    }
    e->ignore();
}

int ProgramiCalistir(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--computer-id") {
            std::printf("%s\n", BilgisayarIdAl().toUtf8().constData());
            return 0;
        }
    // the embedded browser of the request form shares the GL contexts
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dorvanto-b2b"));
    // Money and dates follow the user's regional settings; a machine that has none
    // (the "C" locale of a bare system) gets the Turkish ones the dealers expect.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    GorunumUygula(app);
    TForm1 form;
    if (!form.FormCreate())
        return 0;
    // Maximised; without a window manager (a bare X server) the window still covers
    // the screen's work area.
    if (const QScreen *ekran = form.screen())
        form.setGeometry(ekran->availableGeometry());
    form.showMaximized();
    return app.exec();
}

} // namespace dorvanto
