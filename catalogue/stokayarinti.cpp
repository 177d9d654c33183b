#include "stokayarinti.h"

#include "adresler.h"
#include "asyncresim.h"
#include "mesajgoster.h"
#include "sayibicimi.h"
#include "sonuctablosu.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace dorvanto {

// ---- TutarAlani ------------------------------------------------------------------

TutarAlani::TutarAlani(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setReadOnly(true);
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (!isReadOnly())
            setDeger(deger());
    });
}

double TutarAlani::deger() const
{
    QString t = text().trimmed();
    const QLocale yerel;
    bool ok = false;
    double d = yerel.toDouble(t, &ok);
    if (!ok) {
        t.remove(yerel.groupSeparator());
        d = yerel.toDouble(t, &ok);
    }
    return ok && std::isfinite(d) ? d : 0.0;
}

void TutarAlani::setDeger(double d) { setText(FormatFloat(QLatin1String(ParaBicimi), d)); }

// ---- Tstokayarinti ---------------------------------------------------------------

namespace {
QLineEdit *baslikMetni(QWidget *parent, const char *ad)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(ad));
    e->setReadOnly(true);
    return e;
}
} // namespace

Tstokayarinti::Tstokayarinti(QWidget *AOwner, int stoknosu) : QDialog(AOwner), _stokno(stoknosu)
{
    setObjectName(QStringLiteral("stokayarinti"));
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    setModal(true);
    resize(720, 600);

    auto *kok = new QVBoxLayout(this);
    kok->setContentsMargins(6, 6, 6, 6);

    // Header panel: five captioned read-only texts.
    auto *ust = new QWidget(this);
    ust->setObjectName(QStringLiteral("Panel1"));
    ust->setFixedHeight(97);
    auto *ustIzgara = new QGridLayout(ust);
    ustIzgara->setContentsMargins(4, 2, 4, 2);
    ustIzgara->setVerticalSpacing(2);
    barkod = baslikMetni(ust, "barkod");
    adi = baslikMetni(ust, "adi");
    finishkod = baslikMetni(ust, "finishkod");
    marka = baslikMetni(ust, "marka");
    model = baslikMetni(ust, "model");
    ustIzgara->addWidget(new QLabel(QStringLiteral("Barkod:"), ust), 0, 0);
    ustIzgara->addWidget(barkod, 0, 1);
    ustIzgara->addWidget(new QLabel(QStringLiteral("Finish Kod:"), ust), 0, 2);
    ustIzgara->addWidget(finishkod, 0, 3);
    ustIzgara->addWidget(new QLabel(QStringLiteral("Açıklama:"), ust), 1, 0);
    ustIzgara->addWidget(adi, 1, 1, 1, 3);
    ustIzgara->addWidget(new QLabel(QStringLiteral("Marka:"), ust), 2, 0);
    ustIzgara->addWidget(marka, 2, 1);
    ustIzgara->addWidget(new QLabel(QStringLiteral("Model:"), ust), 2, 2);
    ustIzgara->addWidget(model, 2, 3);
    kok->addWidget(ust);

    // The photo fills the space between the panels.
    AsyncResim1 = new TAsyncResim(this);
    AsyncResim1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    kok->addWidget(AsyncResim1, 1);

    // Lower panel, 20-pixel type.
    auto *alt = new QWidget(this);
    alt->setObjectName(QStringLiteral("Panel2"));
    alt->setFixedHeight(190);
    QFont yazi = alt->font();
    yazi.setPixelSize(20);
    alt->setFont(yazi);
    auto *altSatir = new QHBoxLayout(alt);
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(4);

    adet = new QSpinBox(alt);
    adet->setObjectName(QStringLiteral("adet"));
    adet->setRange(1, 10000);
    adet->setValue(1);
    adet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(new QLabel(QStringLiteral("Adet:"), alt), adet);

    Label2 = new QLabel(QStringLiteral("Fiyat:"), alt);
    Label2->setObjectName(QStringLiteral("Label2"));
    birimfiyat = new TutarAlani(alt);
    birimfiyat->setObjectName(QStringLiteral("birimfiyat"));
    form->addRow(Label2, birimfiyat);

    indirimoran = new QLabel(QStringLiteral("İndirim:"), alt);
    indirimoran->setObjectName(QStringLiteral("indirimoran"));
    indtutar = new TutarAlani(alt);
    indtutar->setObjectName(QStringLiteral("indtutar"));
    form->addRow(indirimoran, indtutar);

    Label3 = new QLabel(QStringLiteral("KDV Dahil:"), alt);
    Label3->setObjectName(QStringLiteral("Label3"));
    kdvdahiltutar = new TutarAlani(alt);
    kdvdahiltutar->setObjectName(QStringLiteral("kdvdahiltutar"));
    form->addRow(Label3, kdvdahiltutar);

    Label4 = new QLabel(QStringLiteral("Tutar:"), alt);
    Label4->setObjectName(QStringLiteral("Label4"));
    geneltutar = new TutarAlani(alt);
    geneltutar->setObjectName(QStringLiteral("geneltutar"));
    form->addRow(Label4, geneltutar);
    altSatir->addLayout(form, 1);

    auto *dugmeler = new QVBoxLayout;
    ParcaliTus1 = new QPushButton(QStringLiteral("Sipariş ekle"), alt);
    ParcaliTus1->setObjectName(QStringLiteral("ParcaliTus1"));
    ParcaliTus2 = new QPushButton(QStringLiteral("Vazgeç"), alt);
    ParcaliTus2->setObjectName(QStringLiteral("ParcaliTus2"));
    for (QPushButton *b : {ParcaliTus1, ParcaliTus2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setMinimumSize(170, 60);
    }
    dugmeler->addStretch();
    dugmeler->addWidget(ParcaliTus1);
    dugmeler->addWidget(ParcaliTus2);
    dugmeler->addStretch();
    altSatir->addLayout(dugmeler);
    kok->addWidget(alt);

    connect(ParcaliTus1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ParcaliTus2, &QPushButton::clicked, this, &QDialog::reject);
    connect(adet, &QSpinBox::valueChanged, this, [this] { ToplamHesapla(); });
    connect(adet->findChild<QLineEdit *>(), &QLineEdit::textEdited, this, [this] { ToplamHesapla(); });

    adet->installEventFilter(this);
    if (QLineEdit *e = adet->findChild<QLineEdit *>())
        e->installEventFilter(this);
    for (TutarAlani *t : {birimfiyat, indtutar, kdvdahiltutar, geneltutar})
        t->installEventFilter(this);
    setTabOrder(adet, birimfiyat);
    adet->setFocus();
}

Tstokayarinti::~Tstokayarinti() = default;

void Tstokayarinti::Doldur(const ResultTable &tablo, int satir, Kaynak kaynak, int musteriTipi)
{
    const bool sepetSatiri = kaynak == Kaynak::SepetSatiri;
    barkod->setText(AlanMetin(tablo, satir, QStringLiteral("BARKOD")));
    adi->setText(AlanMetin(tablo, satir, sepetSatiri ? QStringLiteral("STOKADI") : QStringLiteral("ADI")));
    marka->setText(AlanMetin(tablo, satir, QStringLiteral("MARKA")));
    finishkod->setText(AlanMetin(tablo, satir, QStringLiteral("FINISHKOD")));
    model->setText(AlanMetin(tablo, satir, QStringLiteral("MODEL")));

    const FiyatSunumu f = FiyatSunumuHesapla(tablo, satir, kaynak, musteriTipi);
    birimfiyat->setReadOnly(!f.birimFiyatDuzenlenir);
    birimfiyat->setDeger(f.birimFiyat);
    indtutar->setDeger(f.netFiyat);
    kdvdahiltutar->setDeger(f.kdvDahil);
    kdvlifiyat = f.toplamTabani;
    indirimoran->setText(f.indirimEtiketi);
    Label2->setText(f.fiyatEtiketi);
    if (sepetSatiri) {
        const double m = AlanReel(tablo, satir, QStringLiteral("MIKTAR"));
        adet->setValue(int(std::lround(m)));
    }
}

bool Tstokayarinti::Miktar(double &miktar) const { return MiktarOku(adet->text(), miktar); }

void Tstokayarinti::ToplamHesapla()
{
    double m = 0;
    if (!Miktar(m))
        return;  // nothing readable yet: the total waits for a quantity
    geneltutar->setDeger(SatirToplami(m, kdvdahiltutar->deger()));
}

void Tstokayarinti::accept()
{
    double m = 0;
    if (!Miktar(m) || m <= 0) {
        MesajGoster(QString::fromUtf8(AdetGirinizMesaji), mtUyari, YalnizTamam, vdTamam, this);
        adet->selectAll();
        adet->setFocus();
        return;
    }
    QDialog::accept();
}

void Tstokayarinti::FormShow()
{
    double m = 1;
    if (!Miktar(m))
        m = 1;
    geneltutar->setDeger(SatirToplami(m, kdvlifiyat));
}

void Tstokayarinti::FormActivate()
{
    AsyncResim1->SetUrl(ResimTabanAdresi() + QString::number(_stokno));
    adet->selectAll();
}

void Tstokayarinti::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!m_gosterildi) {
        m_gosterildi = true;
        FormShow();
        // Platforms without window activation (offscreen) still start the photo.
        QTimer::singleShot(0, this, [this] {
            if (AsyncResim1->Url().isEmpty())
                FormActivate();
        });
    }
    adet->setFocus();
}

bool Tstokayarinti::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && m_gosterildi)
        FormActivate();
    return QDialog::event(e);
}

void Tstokayarinti::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {  // Escape does nothing here
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool Tstokayarinti::eventFilter(QObject *o, QEvent *e)
{
    const bool adetAlani = o == adet || o == adet->findChild<QLineEdit *>();
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (enter && adetAlani) {
            accept();
            return true;
        }
        if (enter && o == birimfiyat) {
            birimfiyat->setDeger(birimfiyat->deger());
            return true;
        }
    } else if (e->type() == QEvent::KeyRelease) {
        if (o == birimfiyat || o == indtutar || o == kdvdahiltutar || o == geneltutar)
            ToplamHesapla();
    }
    return QDialog::eventFilter(o, e);
}

// ---- openers -----------------------------------------------------------------------

namespace {
std::function<void(Tstokayarinti *)> &kanca()
{
    static std::function<void(Tstokayarinti *)> k;
    return k;
}
} // namespace

void SetStokAyrintiKancasi(std::function<void(Tstokayarinti *)> k) { kanca() = std::move(k); }

int StokAyrintiGoster(Tstokayarinti &d)
{
    if (kanca())
        kanca()(&d);
    return d.exec();
}

} // namespace dorvanto
