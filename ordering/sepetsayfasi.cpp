#include "sepetsayfasi.h"

#include "datagrid.h"
#include "gridexcel.h"
#include "mesajgoster.h"
#include "radiogrubu.h"
#include "sepethesap.h"
#include "stokayarinti.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace dorvanto {

namespace {

std::function<int(TONAYSIP &)> &OnayKancasi()
{
    static std::function<int(TONAYSIP &)> k;
    return k;
}

// Labels that keep their own colour whatever the visual style does to the palette.
void SabitRenk(QLabel *l, const QColor &renk)
{
    l->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(renk.name()));
}

QFont KalinYazi(const QString &aile, int piksel)
{
    QFont f(aile);
    f.setPixelSize(piksel);
    f.setBold(true);
    return f;
}

std::vector<GridColumn> SepetKolonlari()
{
    using C = GridColumn;
    std::vector<C> k = {
        C("SEC", "Seç", 1).checkBox().notOffered(),
        C("VERILISTARIHI", "Sipariş Tarihi", 1).countInFooter(),
        C("SIRANO", "", 0).hidden().notOffered(),
        C("SIPARISNO", "Sipariş No", 0).hidden(),
        C("CARINO", "", 0).hidden().notOffered(),
        C("TARIH", "Tarih", 1).hidden(),
        C("AKTAR", "", 0).hidden().notOffered(),
        C("STOKNO", "", 0).hidden().notOffered(),
        C("BARKOD", "Barkod", 2),
        C("FINISHKOD", "FinishKod", 2),
        C("OEMNO", "OEMNo", 2),
        C("STOKADI", "Stok Açıklama", 3),
        C("MIKTAR", "Miktar", 1).sumInFooter(),
        C("BIRIMFIYAT", "Birim Fiyat", 1),
        C("TUTAR", "Tutar", 1),
        C("INDIRIMYAZI", "İndirim Oran", 2).align(Qt::AlignCenter),
        C("INDIRIMORANI1", "İndirim Oranı %", 1).hidden().notOffered(),
        C("INDIRIMORANI2", "", 1).hidden().notOffered(),
        C("INDIRIMORANI3", "", 1).hidden().notOffered(),
        C("INDIRIMTUTAR", "İndirim Tutar", 1).hidden().notOffered(),
        C("NETBIRIMFIYAT", "Net Fiyat", 1),
        C("KDV", "", 1),
        C("VERGITUTARI", "Vergi Tutarı", 1),
        C("NETTUTAR", "Net Tutar", 1).sumInFooter(),
        C("KUR", "Kur", 1).hidden(),
        C("KURTL", "", 1).hidden().notOffered(),
        C("VERENIDNO", "", 1).hidden().notOffered(),
        C("SAAT", "Saat", 1).hidden(),
        C("TESLIMID", "", 1).hidden().notOffered(),
        C("KARGOID", "", 1).hidden().notOffered(),
        C("ACIKLAMA", "Açıklama", 1).hidden(),
        C("IDNO", "", 1).hidden().notOffered(),
        C("VERENSIRANO", "", 1).hidden().notOffered(),
        C("VEREN", "Veren", 1),
        C("CARIKOD", "Cari Kod", 1).hidden().notOffered(),
        C("CARIADI", "Cari Adı", 1).hidden().notOffered(),
        C("OEM1", "", 1).hidden(),
        C("OEM2", "", 1).hidden(),
        C("OEM3", "", 1).hidden(),
        C("OEM4", "", 1).hidden(),
        C("STOK_STOKNO", "", 1).hidden().notOffered(),
        C("URETICIKODU", "", 1).hidden().notOffered(),
        C("DIGERADI", "", 1).hidden(),
        C("DPKOD", "", 1).hidden(),
        C("MARKA", "Marka", 1).hidden(),
        C("MODEL", "Model", 1).hidden(),
        C("ANAGRUP", "Ana Grup", 1).hidden(),
        C("OZELKOD", "Özel Kod", 1).hidden(),
        C("PKOD", "", 1).hidden(),
        C("DURUM", "Durum", 1).status(),
        C("KALAN", "Kalan", 1).hidden().notOffered(),
        C("INDIRIMORANI4", "", 0).hidden(),
    };
    return k;
}

const QString SecBasligi = QStringLiteral("Seç");

} // namespace

void SetSiparisOnayKancasi(std::function<int(TONAYSIP &)> kanca) { OnayKancasi() = std::move(kanca); }

// ---- TONAYSIP ----------------------------------------------------------------------------

TONAYSIP::TONAYSIP(QWidget *sahip) : QDialog(sahip, Qt::Tool)
{
    setObjectName(QStringLiteral("ONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    auto *duzen = new QVBoxLayout(this);
    duzen->setSizeConstraint(QLayout::SetFixedSize);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(KalinYazi(QStringLiteral("Courier New"), 16));
    Label2->setTextFormat(Qt::PlainText);
    duzen->addWidget(Label2);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(KalinYazi(QStringLiteral("Courier New"), 16));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    SabitRenk(Label3, Qt::red);
    duzen->addWidget(Label3);

    Label1 = new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = font();
    f.setPixelSize(20);
    f.setBold(true);
    Label1->setFont(f);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    duzen->addWidget(Label1);

    auto *dugmeler = new QHBoxLayout;
    Evet = new QPushButton(QStringLiteral("Evet"), this);
    Evet->setObjectName(QStringLiteral("Evet"));
    Hayir = new QPushButton(QStringLiteral("Hayır"), this);
    Hayir->setObjectName(QStringLiteral("Hayir"));
    dugmeler->addWidget(Evet);
    dugmeler->addStretch();
    dugmeler->addWidget(Hayir);
    duzen->addLayout(dugmeler);
    connect(Evet, &QPushButton::clicked, this, &QDialog::accept);
    connect(Hayir, &QPushButton::clicked, this, &QDialog::reject);
}

// ---- TSepetSayfasi ---------------------------------------------------------------------------

TSepetSayfasi::TSepetSayfasi(SepetIslemleri &islemler, ResultTable &kargo, QWidget *parent)
    : QWidget(parent), m_islem(islemler), m_kargo(kargo)
{
    setObjectName(QStringLiteral("sepetsayfasi"));
    m_uyariHavuzu.setMaxThreadCount(4);
    m_ekranGenisligi = [this] {
        const QScreen *e = screen() ? screen() : QGuiApplication::primaryScreen();
        return e ? e->geometry().width() : 0;
    };
    Kur();
    connect(&m_islem, &SepetIslemleri::sepetYuklendi, this, &TSepetSayfasi::SepetYuklendi);
    connect(&m_islem, &SepetIslemleri::secimDegisti, this, &TSepetSayfasi::SepetToplamHesapla);
    // A server error nobody handles reaches the default error display.
    connect(&m_islem, &SepetIslemleri::sunucuHatasi, this,
            [](const QString &mesaj) { VarsayilanHataGoster(mesaj); });
}

TSepetSayfasi::~TSepetSayfasi()
{
    // Running overdue checks end on their own; the pool waits for them.
    m_uyariHavuzu.waitForDone();
}

void TSepetSayfasi::Kur()
{
    auto *ana = new QVBoxLayout(this);
    ana->setContentsMargins(0, 0, 0, 0);
    ana->setSpacing(0);

    // Grid
    cxGrid2 = new DataGrid(this);
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    cxGrid2->setColumns(SepetKolonlari());
    cxGrid2->setRowHeight(60);
    cxGrid2->setHeaderHeight(40);
    cxGrid2->setFooterVisible(true);
    cxGrid2->setColumnChooserEnabled(true);
    cxGrid2->setFilterButtons(true);
    cxGrid2->setIncrementalSearch(true);
    cxGrid2->setGroupByBoxVisible(false);
    cxGrid2->bind(&m_islem.sepet());
    ana->addWidget(cxGrid2, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Deitir1 = PopupMenu1->addAction(QStringLiteral("Satır Değiştir"));
    Deitir1->setObjectName(QStringLiteral("Deitir1"));
    PopupMenu1->addSeparator();
    SatrSil1 = PopupMenu1->addAction(QStringLiteral("Satır Sil"));
    SatrSil1->setObjectName(QStringLiteral("SatrSil1"));
    PopupMenu1->addSeparator();
    HepsiniSil1 = PopupMenu1->addAction(QStringLiteral("Hepsini Sil"));
    HepsiniSil1->setObjectName(QStringLiteral("HepsiniSil1"));
    connect(Deitir1, &QAction::triggered, this, &TSepetSayfasi::Deitir1Click);
    connect(SatrSil1, &QAction::triggered, this, &TSepetSayfasi::SatrSil1Click);
    connect(HepsiniSil1, &QAction::triggered, this, &TSepetSayfasi::HepsiniSil1Click);
    QTableView *gorunum = cxGrid2->view();
    gorunum->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(gorunum, &QWidget::customContextMenuRequested, this,
            [this, gorunum](const QPoint &p) { PopupMenu1->popup(gorunum->mapToGlobal(p)); });
    connect(cxGrid2, &DataGrid::rowDoubleClicked, this, [this](int) { Deitir1Click(); });
    connect(cxGrid2, &DataGrid::resized, this, [this] {
        if (cxGrid2->isEnabled())
            SepetKolonlariAyarla();
    });

    // Selection bar
    panelsec = new QWidget(this);
    panelsec->setObjectName(QStringLiteral("panelsec"));
    panelsec->setFixedHeight(41);
    auto *secDuzen = new QHBoxLayout(panelsec);
    secDuzen->setContentsMargins(0, 0, 0, 0);
    Button4 = new QPushButton(QStringLiteral("Hepsini Seç"), panelsec);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setFixedWidth(150);
    Button5 = new QPushButton(QStringLiteral("Seçimleri Kaldır"), panelsec);
    Button5->setObjectName(QStringLiteral("Button5"));
    Button5->setFixedWidth(150);
    lbluyarbakiye = new QLabel(panelsec);
    lbluyarbakiye->setObjectName(QStringLiteral("lbluyarbakiye"));
    lbluyarbakiye->setFont(KalinYazi(QStringLiteral("Tahoma"), 16));
    lbluyarbakiye->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbluyarbakiye->setTextFormat(Qt::PlainText);
    SabitRenk(lbluyarbakiye, Qt::red);
    secDuzen->addWidget(Button4);
    secDuzen->addWidget(Button5);
    secDuzen->addWidget(lbluyarbakiye, 1);
    connect(Button4, &QPushButton::clicked, this, &TSepetSayfasi::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TSepetSayfasi::Button5Click);
    ana->addWidget(panelsec);

    // Order form
    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFixedHeight(131);
    auto *form = new QHBoxLayout(Panel4);
    form->setContentsMargins(2, 0, 2, 2);

    teslimbox = new RadioGrubu(QStringLiteral("Teslim Durumu"), Panel4);
    teslimbox->setObjectName(QStringLiteral("teslimbox"));
    // The designed widths are the least; a longer option widens its group instead of
    // being cut (the program's font is larger than the design's).
    teslimbox->setMinimumWidth(135);
    teslimbox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    boxkargo = new RadioGrubu(QStringLiteral("Kargo Türleri"), Panel4);
    boxkargo->setObjectName(QStringLiteral("boxkargo"));
    boxkargo->setMinimumWidth(208);
    boxkargo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    connect(boxkargo, &RadioGrubu::tiklandi, this, &TSepetSayfasi::boxkargoClick);

    auto *kargoGrubu = new QGroupBox(QStringLiteral("Kargo"), Panel4);
    kargoGrubu->setObjectName(QStringLiteral("GroupBoxKargo"));
    kargoGrubu->setFixedWidth(224);
    auto *kargoDuzen = new QVBoxLayout(kargoGrubu);
    kargoDuzen->setContentsMargins(6, 2, 6, 2);
    kargocombo = new QComboBox(kargoGrubu);
    kargocombo->setObjectName(QStringLiteral("kargocombo"));
    kargocombo->setEditable(false);
    uyarikargo = new QLabel(kargoGrubu);
    uyarikargo->setObjectName(QStringLiteral("uyarikargo"));
    uyarikargo->setFixedSize(210, 59);
    uyarikargo->setWordWrap(true);
    uyarikargo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    uyarikargo->setTextFormat(Qt::PlainText);
    kargoDuzen->addWidget(kargocombo);
    kargoDuzen->addWidget(uyarikargo);
    connect(kargocombo, &QComboBox::currentIndexChanged, this, [this](int) { kargocomboChange(); });

    auto *mesajGrubu = new QGroupBox(QStringLiteral("Mesaj"), Panel4);
    mesajGrubu->setObjectName(QStringLiteral("GroupBoxMesaj"));
    auto *mesajDuzen = new QHBoxLayout(mesajGrubu);
    mesajDuzen->setContentsMargins(6, 2, 6, 2);
    aciklamagir = new QPlainTextEdit(mesajGrubu);
    aciklamagir->setObjectName(QStringLiteral("aciklamagir"));
    QFont notYazisi = aciklamagir->font();
    notYazisi.setBold(true);
    aciklamagir->setFont(notYazisi);
    aciklamagir->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #FAFCFF; }"));
    mesajDuzen->addWidget(aciklamagir, 1);

    auto *toplamlar = new QWidget(mesajGrubu);
    toplamlar->setObjectName(QStringLiteral("toplampanel"));
    toplamlar->setFixedWidth(280);
    auto *izgara = new QGridLayout(toplamlar);
    izgara->setContentsMargins(0, 0, 0, 0);
    izgara->setVerticalSpacing(0);
    auto deger = [&](const char *ad, const char *baslik, int satir, bool kalin) {
        auto *b = new QLabel(QString::fromUtf8(baslik), toplamlar);
        auto *d = new QLabel(QStringLiteral("0,00"), toplamlar);
        d->setObjectName(QString::fromLatin1(ad));
        d->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (kalin) {
            QFont f = b->font();
            f.setBold(true);
            b->setFont(f);
            d->setFont(f);
        }
        izgara->addWidget(b, satir, 0);
        izgara->addWidget(d, satir, 1);
        return d;
    };
    aratoplaml = deger("aratoplaml", "Toplam:", 0, false);
    indiriml = deger("indiriml", "İndirim Toplam:", 1, false);
    nettutarl = deger("nettutarl", "Ara Toplam:", 2, false);
    vergil = deger("vergil", "Vergi:", 3, false);
    geneltoplaml = deger("geneltoplaml", "Genel Toplam:", 4, true);
    mesajDuzen->addWidget(toplamlar);

    auto *dugmeSutunu = new QWidget(Panel4);
    dugmeSutunu->setFixedWidth(100);
    auto *dugmeDuzen = new QVBoxLayout(dugmeSutunu);
    dugmeDuzen->setContentsMargins(0, 4, 0, 4);
    Button1 = new QPushButton(QStringLiteral("Gönder"), dugmeSutunu);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    Button2 = new QPushButton(QStringLiteral("Excel Kaydet"), dugmeSutunu);
    Button2->setObjectName(QStringLiteral("Button2"));
    dugmeDuzen->addWidget(Button1, 1);
    dugmeDuzen->addWidget(Button2);
    connect(Button1, &QPushButton::clicked, this, &TSepetSayfasi::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSepetSayfasi::Button2Click);

    form->addWidget(teslimbox);
    form->addWidget(boxkargo);
    form->addWidget(kargoGrubu);
    form->addWidget(mesajGrubu, 1);
    form->addWidget(dugmeSutunu);
    ana->addWidget(Panel4);
}

void TSepetSayfasi::MusteriTipiUygula(int musteriTipi)
{
    cxGrid2->setColumnVisible(QStringLiteral("DURUM"), musteriTipi != 3);
    const bool kalan = musteriTipi == 1 || musteriTipi == 2;
    cxGrid2->setColumnVisible(QStringLiteral("KALAN"), kalan);
    cxGrid2->setColumnOffered(QStringLiteral("KALAN"), kalan);
}

// ---- tab show, load, totals -----------------------------------------------------------

void TSepetSayfasi::ssepetShow()
{
    lbluyarbakiye->clear();
    CariBakiyeUyariBaslat();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SepetYukle();
    TeslimKargoDoldur();
    QApplication::restoreOverrideCursor();
}

void TSepetSayfasi::CariBakiyeUyariBaslat()
{
    // The clone is made here, on the GUI thread that owns the main connection; the
    // worker touches nothing but the clone.
    std::shared_ptr<ServerConnection> klon(m_islem.baglanti().Clone().release());
    const int carino = m_islem.sbilgi().CARINO();
    auto *izleyici = new QFutureWatcher<QString>(this);
    connect(izleyici, &QFutureWatcherBase::finished, this, [this, izleyici] {
        lbluyarbakiye->setText(izleyici->result());
        izleyici->deleteLater();
        emit uyariYazildi();
    });
    izleyici->setFuture(QtConcurrent::run(&m_uyariHavuzu, [klon, carino] { return CariBakiyeUyariBak(*klon, carino); }));
}

void TSepetSayfasi::SepetYukle() { m_islem.SepetYukle(); }

void TSepetSayfasi::SepetYuklendi()
{
    if (m_baslikYazici)
        m_baslikYazici(QString::number(m_islem.sepet().recordCount()) + QStringLiteral("=Sepet"));
    SepetToplamHesapla();
}

void TSepetSayfasi::SepetToplamHesapla()
{
    const SepetToplamMetinleri m = SepetToplamMetni(dorvanto::SepetToplamHesapla(m_islem.sepet()));
    aratoplaml->setText(m.toplam);
    indiriml->setText(m.indirim);
    vergil->setText(m.vergi);
    nettutarl->setText(m.net);
    geneltoplaml->setText(m.genel);
}

void TSepetSayfasi::SepetKolonlariAyarla()
{
    if (m_ekranGenisligi() >= 1153)
        cxGrid2->applyWeights();
    else
        cxGrid2->bestFit();
}

// ---- selection -------------------------------------------------------------------------

void TSepetSayfasi::Button4Click()
{
    m_islem.HepsiniSecimle(1);
    if (m_araedit && m_araedit->isEnabled()) {
        m_araedit->selectAll();
        m_araedit->setFocus();
    }
}

void TSepetSayfasi::Button5Click()
{
    m_islem.HepsiniSecimle(0);
    if (m_araedit && m_araedit->isEnabled()) {
        m_araedit->selectAll();
        m_araedit->setFocus();
    }
}

void TSepetSayfasi::Button2Click() { GridExcelKaydet(cxGrid2, window()); }

// ---- editing --------------------------------------------------------------------------------

void TSepetSayfasi::Deitir1Click()
{
    const int satir = cxGrid2->focusedRow();
    if (satir < 0 || !m_islem.yuklendi())
        return;
    ResultTable &sepet = m_islem.sepet();
    const int sirano = cxGrid2->focusedValue(QStringLiteral("SIRANO")).toInt();
    if (!sepet.locate(QStringLiteral("SIRANO"), sirano))
        return;
    const int kolon = cxGrid2->focusedColumn();
    const bool secKolonu = kolon >= 0 && kolon < cxGrid2->columnCount() && cxGrid2->column(kolon).headerText() == SecBasligi;
    if (secKolonu)
        m_islem.SecimDegistir(sepet.recNo());
    else
        SepetSatiriDegistir(window(), sirano, m_islem.sbilgi(), m_islem);
}

void TSepetSayfasi::SatrSil1Click()
{
    if (cxGrid2->focusedRow() < 0 || !m_islem.yuklendi())
        return;
    const int sirano = cxGrid2->focusedValue(QStringLiteral("SIRANO")).toInt();
    if (!m_islem.sepet().locate(QStringLiteral("SIRANO"), sirano))
        return;
    if (MesajGoster(QStringLiteral("Satırı silmek istiyor musunuz "), mtSoru, EvetHayir, vdHayir, window()) != mrYes)
        return;
    if (!m_islem.SatirSilSunucuda(sirano))
        return;
    m_islem.SepetYukle();
    MesajGoster(QStringLiteral("Satır silindi !"), mtBilgi, YalnizTamam, vdTamam, window());
}

void TSepetSayfasi::HepsiniSil1Click()
{
    if (!m_islem.yuklendi() || m_islem.sepet().isEmpty())
        return;
    if (MesajGoster(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), mtSoru, EvetHayir, vdHayir, window()) !=
        mrYes)
        return;
    if (!m_islem.HepsiniSilSunucuda())
        return;
    MesajGoster(QStringLiteral("Sepet Silindi !"), mtBilgi, YalnizTamam, vdTamam, window());
    m_islem.SepetYukle();
}

// ---- order form ----------------------------------------------------------------------------

void TSepetSayfasi::TeslimKargoDoldur()
{
    QVector<Secenek> teslim, kargoTurleri;
    if (!m_islem.TeslimKargoVer(teslim, kargoTurleri))
        return;
    teslimbox->setSecenekler(teslim);
    teslimbox->setItemIndex(teslim.size() >= 2 ? 1 : (teslim.size() == 1 ? 0 : -1));
    boxkargo->setSecenekler(kargoTurleri);
    boxkargo->setItemIndex(-1);
}

void TSepetSayfasi::boxkargoClick()
{
    uyarikargo->clear();
    if (boxkargo->secili())
        KargolarDoldur(boxkargo->seciliId());
}

void TSepetSayfasi::KargolarDoldur(int gn)
{
    if (!m_islem.KargolarVer(gn, m_kargo))
        return;
    {
        const QSignalBlocker sus(kargocombo);
        kargocombo->clear();
        kargocombo->addItem(QStringLiteral(" "));
        const int adi = m_kargo.fieldIndex(QStringLiteral("ADI"));
        if (adi >= 0)
            for (int r = 0; r < m_kargo.recordCount(); ++r)
                kargocombo->addItem(m_kargo.displayText(r, adi));
        kargocombo->setCurrentIndex(kargocombo->count() == 2 ? 1 : 0);
    }
    // The firm's warning follows the choice: one firm chosen at once, else none.
    kargocomboChange();
}

void TSepetSayfasi::kargocomboChange()
{
    try {
        if (m_kargo.active() && !m_kargo.isEmpty() && m_kargo.locate(QStringLiteral("ADI"), kargocombo->currentText()))
            uyarikargo->setText(m_kargo.fieldByName(QStringLiteral("UYARI")).displayText());
        else
            uyarikargo->clear();
    } catch (const std::exception &) {
        uyarikargo->clear();
    }
}

void TSepetSayfasi::Button1Click()
{
    const GonderEngeli engel = GonderKontrol(SeciliVarmi(m_islem.sepet()), teslimbox->secili(), boxkargo->secili(),
                                             kargocombo->currentIndex());
    int firmaId = 0;
    bool firmaVar = false;
    if (engel == GonderEngeli::Yok && m_kargo.active() &&
        m_kargo.locate(QStringLiteral("ADI"), kargocombo->currentText())) {
        firmaId = m_kargo.fieldByName(QStringLiteral("SIRANO")).asInteger();
        firmaVar = true;
    }
    if (engel != GonderEngeli::Yok || !firmaVar) {
        // A combo text that is no longer a firm of the table counts as no firm chosen.
        const GonderEngeli e = engel != GonderEngeli::Yok ? engel : GonderEngeli::KargoFirmasiYok;
        MesajGoster(GonderEngelMesaji(e), mtUyari, YalnizTamam, vdTamam, window());
        if (e == GonderEngeli::KargoFirmasiYok)
            kargocombo->setFocus();
        return;
    }
    // The memo keeps its line breaks as LF; the note is shown and sent with CR LF.
    QString not_ = aciklamagir->toPlainText();
    not_.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const int teslimId = teslimbox->seciliId();
    const int kargoTuruId = boxkargo->seciliId();

    SiparisOzetBilgisi ozet;
    ozet.kullanici = m_islem.sbilgi().ADI();
    ozet.cari = m_islem.sbilgi().CariAdi();
    ozet.teslim = teslimbox->seciliMetin();
    ozet.kargoTuru = boxkargo->seciliMetin();
    ozet.tutar = geneltoplaml->text();
    ozet.kargoFirmasi = kargocombo->currentText();
    ozet.aciklama = not_;

    TONAYSIP onay(window());
    onay.Label2->setText(SiparisOzeti(ozet));
    onay.Label3->setText(lbluyarbakiye->text());
    onay.Label3->setVisible(!lbluyarbakiye->text().isEmpty());
    const int sonuc = OnayKancasi() ? OnayKancasi()(onay) : onay.exec();
    if (sonuc != QDialog::Accepted)
        return;

    if (m_islem.SiparisGonder(firmaId, kargoTuruId, teslimId, not_)) {
        MesajGoster(QStringLiteral("Siparişiniz Gönderildi !"), mtBilgi, YalnizTamam, vdTamam, window());
        m_islem.SepetYukle();
        aciklamagir->clear();
    } else {
        MesajGoster(QStringLiteral("Sipariş Göndermede Hata"), mtHata, YalnizTamam, vdTamam, window());
    }
}

} // namespace dorvanto
