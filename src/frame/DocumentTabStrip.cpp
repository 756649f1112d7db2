#include "frame/DocumentTabStrip.h"

#include "app/StandardIcon.h"

#include <QMouseEvent>
#include <QStyle>

DocumentTabStrip::DocumentTabStrip(QWidget *parent)
    : QTabBar(parent)
{
    setExpanding(false);
    setDocumentMode(true);
    setUsesScrollButtons(true);
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (!selecting_ && index >= 0)
            Q_EMIT tabChosen(tabText(index));
    });
}

int DocumentTabStrip::indexOf(const QString &caption, int limit) const
{
    const int last = std::min(limit, count());
    for (int i = 0; i < last; ++i) {
        if (tabText(i).compare(caption, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void DocumentTabStrip::InsertTab(const QString &caption)
{
    const QSignalBlocker quiet(this);
    addTab(caption);
}

void DocumentTabStrip::SetTCindex(const QString &caption, int windowCount)
{
    if (const int index = indexOf(caption, windowCount); index >= 0) {
        selecting_ = true;
        setCurrentIndex(index);
        selecting_ = false;
    }
}

void DocumentTabStrip::fokusTab(const QString &aName)
{
    SetTCindex(aName, count());
}

void DocumentTabStrip::RenameTab(const QString &oldCapNavn, const QString &newCapNavn, int windowCount)
{
    if (const int index = indexOf(oldCapNavn, windowCount); index >= 0)
        setTabText(index, newCapNavn);
}

void DocumentTabStrip::CloseTab(const QString &aCapNavn)
{
    if (const int index = indexOf(aCapNavn, count()); index >= 0) {
        selecting_ = true;
        removeTab(index);
        selecting_ = false;
    }
}

void DocumentTabStrip::setTabLoading(const QString &caption, bool loading)
{
    const int index = indexOf(caption, count());
    if (index < 0)
        return;
    setTabIcon(index, loading ? StandardIcon::of(QStyle::SP_BrowserReload) : QIcon());
    setTabToolTip(index, loading ? QStringLiteral("Dokumentet indlæses ...") : QString());
}

void DocumentTabStrip::mousePressEvent(QMouseEvent *event)
{
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT tabPressed(tabText(index));
    QTabBar::mousePressEvent(event);
}
