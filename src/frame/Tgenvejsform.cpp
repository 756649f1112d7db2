#include "frame/Tgenvejsform.h"

#include "app/AppContext.h"
#include "app/FrameInterface.h"
#include "app/StandardIcon.h"

#include <QHeaderView>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

struct ShortcutRow {
    const char *key;
    const char *function;
};

constexpr ShortcutRow kMainMenuRows[] = {
    { " 1", "Fil" },
    { " 2", "Dokument" },
    { " 3", "Søg" },
    { " 4", "Vindue" },
    { " 5", "Bokse" },
    { " 6", "Egenskaber" },
    { " 7", "Info" },
};
constexpr ShortcutRow kFunctionKeyRows[] = {
    { " F1", "Info" },
    { " F2", "Opdater filinformation" },
    { " F3", "Mappefilboksen" },
    { " F4", "Favoritboksen" },
    { " F5", "Dokumentboksen" },
    { " F6", "Søg efter tekst i dokumenter" },
    { " F7", "Søg efter fil og mappenavne" },
    { " F8", "Typelisteboksen" },
    { " F9", "Denne boks" },
};
constexpr ShortcutRow kInternetRows[] = {
    { " Ctrl+Shift+B", "Søg med Bing" },
    { " Ctrl+Shift+G", "Søg med Google" },
    { " Ctrl+Shift+T", "Søg på YouTube" },
};
constexpr ShortcutRow kCtrlRows[] = {
    { "R", "Redskabslinje" },
    { "H", "Hovedmenu" },
};

template <std::size_t N>
QTableWidget *addList(
    QTabWidget *book, const char *name, const char *page, const char *keyColumn, const ShortcutRow (&rows)[N])
{
    auto *list = new QTableWidget(int(N), 2, book);
    list->setObjectName(QString::fromLatin1(name));
    list->setHorizontalHeaderLabels({ QString::fromUtf8(keyColumn), QStringLiteral("Funktion") });
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QIcon picture = StandardIcon::of(QStyle::SP_ArrowRight);
    for (int row = 0; row < int(N); ++row) {
        auto *key = new QTableWidgetItem(picture, QString::fromUtf8(rows[row].key));
        list->setItem(row, 0, key);
        list->setItem(row, 1, new QTableWidgetItem(QString::fromUtf8(rows[row].function)));
        list->setRowHeight(row, 20);
    }
    list->resizeColumnToContents(0);
    book->addTab(list, QString::fromUtf8(page));
    list->setAccessibleName(QStringLiteral("Genveje: ") + QString::fromUtf8(page));
    return list;
}

} // namespace

Tgenvejsform::Tgenvejsform(AppContext &context)
    : ToolBox(context, QStringLiteral("Genveje"))
{
    setFixedSize(kWidth, kHeight);
}

void Tgenvejsform::buildAtFirstShow()
{
    genvejsBog = new QTabWidget(this);
    genvejsBog->setObjectName(QStringLiteral("genvejsBog"));
    // The four page names fit the fixed width side by side in a smaller type; with a large system
    // font the tab row scrolls instead.
    QFont tabFont = genvejsBog->tabBar()->font();
    tabFont.setPointSizeF(tabFont.pointSizeF() - 2);
    genvejsBog->tabBar()->setFont(tabFont);
    genvejsBog->setElideMode(Qt::ElideNone);
    ListeGenvejstaster4 = addList(genvejsBog, "ListeGenvejstaster4", "Hovedmenuen", "Ctrl+", kMainMenuRows);
    ListeGenvejstaster1 = addList(genvejsBog, "ListeGenvejstaster1", "F taster", "Tast", kFunctionKeyRows);
    ListeGenvejstaster2 = addList(genvejsBog, "ListeGenvejstaster2", "Internet", "Genvej", kInternetRows);
    ListeGenvejstaster3 = addList(genvejsBog, "ListeGenvejstaster3", "Ctrl+", "Tast", kCtrlRows);
    genvejsBog->setCurrentIndex(0);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(genvejsBog);
}

void Tgenvejsform::showEvent(QShowEvent *event)
{
    ToolBox::showEvent(event);
    if (event->spontaneous())
        return;
    // Centred over the frame each time it opens.
    const QRect frame = context().frame->frameWidget()->frameGeometry();
    move(frame.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}
