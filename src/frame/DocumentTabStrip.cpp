#include "frame/DocumentTabStrip.h"

#include "app/StandardIcon.h"
#include "documents/DocumentWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QStyle>

namespace {

// Drawn like the rest of the program's pictures, from a file: a filled dot, the common sign of a document
// with changes that are not saved.
QIcon modifiedIcon()
{
    return QIcon(QStringLiteral(":/icons/modified.svg"));
}

} // namespace

DocumentTabStrip::DocumentTabStrip(QWidget *parent)
    : QTabBar(parent)
{
    setExpanding(false);
    setDocumentMode(true);
    setUsesScrollButtons(true);
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (!selecting_ && index >= 0)
            Q_EMIT tabChosen(windowAt(index));
    });
}

void DocumentTabStrip::tabInserted(int index)
{
    states_.insert(index, TabState {});
    QTabBar::tabInserted(index);
}

void DocumentTabStrip::tabRemoved(int index)
{
    states_.removeAt(index);
    QTabBar::tabRemoved(index);
}

DocumentWindow *DocumentTabStrip::windowAt(int index) const
{
    return index >= 0 && index < states_.size() ? states_[index].window.data() : nullptr;
}

int DocumentTabStrip::indexOf(const DocumentWindow *window) const
{
    for (int i = 0; i < states_.size(); ++i) {
        if (window && states_[i].window == window)
            return i;
    }
    return -1;
}

void DocumentTabStrip::InsertTab(DocumentWindow *window)
{
    const QSignalBlocker quiet(this);
    const int index = addTab(window->capNavn());
    states_[index] = { window, false, window->isModified() };
    showState(index);
}

void DocumentTabStrip::selectTab(const DocumentWindow *window)
{
    if (const int index = indexOf(window); index >= 0) {
        selecting_ = true;
        setCurrentIndex(index);
        selecting_ = false;
    }
}

void DocumentTabStrip::RenameTab(const DocumentWindow *window, const QString &newCapNavn)
{
    if (const int index = indexOf(window); index >= 0) {
        setTabText(index, newCapNavn);
        showState(index); // the folder may have changed too
    }
}

void DocumentTabStrip::CloseTab(const DocumentWindow *window)
{
    if (const int index = indexOf(window); index >= 0) {
        selecting_ = true;
        removeTab(index);
        selecting_ = false;
    }
}

void DocumentTabStrip::setTabLoading(const DocumentWindow *window, bool loading)
{
    if (const int index = indexOf(window); index >= 0) {
        states_[index].loading = loading;
        showState(index);
    }
}

void DocumentTabStrip::setTabModified(const DocumentWindow *window, bool modified)
{
    if (const int index = indexOf(window); index >= 0) {
        states_[index].modified = modified;
        showState(index);
    }
}

void DocumentTabStrip::showState(int index)
{
    const TabState &state = states_[index];
    QStringList lines;
    if (state.window && !state.window->Filnavn().isEmpty())
        lines << QDir::toNativeSeparators(QFileInfo(state.window->Filnavn()).absolutePath());
    QString spoken = tabText(index);
    if (state.loading) {
        setTabIcon(index, StandardIcon::of(QStyle::SP_BrowserReload));
        lines << QStringLiteral("Dokumentet indlæses ...");
        spoken += QStringLiteral(", indlæses");
    } else if (state.modified) {
        setTabIcon(index, modifiedIcon());
        lines << QStringLiteral("Dokumentet er ikke gemt");
        spoken += QStringLiteral(", ikke gemt");
    } else {
        setTabIcon(index, QIcon());
    }
    setTabToolTip(index, lines.join(u'\n'));
    setAccessibleTabName(index, spoken);
}

void DocumentTabStrip::mousePressEvent(QMouseEvent *event)
{
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT tabPressed(windowAt(index));
    QTabBar::mousePressEvent(event);
}
