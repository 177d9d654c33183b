#include "radiogrubu.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace dorvanto {

RadioGrubu::RadioGrubu(const QString &baslik, QWidget *parent) : QGroupBox(baslik, parent)
{
    m_grup = new QButtonGroup(this);
    m_grup->setExclusive(true);
    m_duzen = new QVBoxLayout(this);
    m_duzen->setContentsMargins(6, 2, 6, 2);
    m_duzen->setSpacing(0);
    connect(m_grup, &QButtonGroup::idClicked, this, [this](int) { emit tiklandi(); });
}

void RadioGrubu::setSecenekler(const QVector<Secenek> &secenekler)
{
    const auto eskiler = m_grup->buttons();
    for (QAbstractButton *b : eskiler) {
        m_grup->removeButton(b);
        delete b;
    }
    m_secenekler = secenekler;
    for (int i = 0; i < m_secenekler.size(); ++i) {
        auto *b = new QRadioButton(m_secenekler[i].metin, this);
        b->setObjectName(QStringLiteral("%1_%2").arg(objectName()).arg(i));
        m_grup->addButton(b, i);
        m_duzen->addWidget(b);
    }
}

int RadioGrubu::itemIndex() const { return m_grup->checkedId(); }

void RadioGrubu::setItemIndex(int i)
{
    if (i < 0 || i >= count()) {
        // An exclusive group cannot uncheck its button directly.
        m_grup->setExclusive(false);
        for (QAbstractButton *b : m_grup->buttons())
            b->setChecked(false);
        m_grup->setExclusive(true);
        return;
    }
    m_grup->button(i)->setChecked(true);
}

int RadioGrubu::seciliId() const
{
    const int i = itemIndex();
    return i >= 0 ? m_secenekler[i].id : 0;
}

QString RadioGrubu::seciliMetin() const
{
    const int i = itemIndex();
    return i >= 0 ? m_secenekler[i].metin : QString();
}

QRadioButton *RadioGrubu::dugme(int i) const { return qobject_cast<QRadioButton *>(m_grup->button(i)); }

} // namespace dorvanto
