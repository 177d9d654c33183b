#include "formistekyeni.h"

#include "dislar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#ifdef DORVANTO_WEBENGINE
#include <QWebEngineView>
#endif

namespace dorvanto {

QString IstekFormuAdresi(const QString &webTabani, const QString &bilgisayarId)
{
    return webTabani + QStringLiteral("formmailgonder.aspx?carino=0&kullanici=&id=") + bilgisayarId;
}

namespace {
bool tarayiciKullan = true;
}

void Tformistekyeni::SetTarayiciKullan(bool kullan) { tarayiciKullan = kullan; }

bool Tformistekyeni::TarayiciVar()
{
#ifdef DORVANTO_WEBENGINE
    return tarayiciKullan;
#else
    return false;
#endif
}

Tformistekyeni::Tformistekyeni(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("formistekyeni"));
    resize(780, 555);
    auto *kok = new QVBoxLayout(this);
    kok->setContentsMargins(0, 0, 0, 0);
#ifdef DORVANTO_WEBENGINE
    if (TarayiciVar())
        m_sitem = new QWebEngineView(this);
#endif
    if (!m_sitem) {
    // Without the embedded browser: the page opens in the user's browser.
    auto *etiket = new QLabel(this);
    etiket->setWordWrap(true);
    etiket->setAlignment(Qt::AlignCenter);
    etiket->setTextInteractionFlags(Qt::TextBrowserInteraction);
    etiket->setOpenExternalLinks(false);
    connect(etiket, &QLabel::linkActivated, this, [](const QString &a) { AdresAc(a); });
    m_sitem = etiket;
    }
    m_sitem->setObjectName(QStringLiteral("sitem"));
    kok->addWidget(m_sitem, 1);

    auto *alt = new QWidget(this);
    alt->setObjectName(QStringLiteral("altpanel"));
    auto *altDuzen = new QHBoxLayout(alt);
    m_kapat = new QPushButton(QStringLiteral("Kapat"), alt);
    m_kapat->setObjectName(QStringLiteral("Button1"));
    altDuzen->addWidget(m_kapat);
    altDuzen->addStretch(1);
    kok->addWidget(alt);
    connect(m_kapat, &QPushButton::clicked, this, &QDialog::reject);
}

void Tformistekyeni::Git(const QString &adres)
{
    m_adres = adres;
#ifdef DORVANTO_WEBENGINE
    if (auto *w = qobject_cast<QWebEngineView *>(m_sitem)) {
        w->setUrl(QUrl(adres, QUrl::TolerantMode));
        return;
    }
#endif
    if (auto *l = qobject_cast<QLabel *>(m_sitem))
        l->setText(
        QStringLiteral("Bu bilgisayar kayıtlı değil.<br>İstek formunu açmak için tıklayınız:<br><a href=\"%1\">%1</a>")
            .arg(adres.toHtmlEscaped()));
}

} // namespace dorvanto
