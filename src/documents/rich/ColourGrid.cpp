#include "documents/rich/ColourGrid.h"

#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {

constexpr int kColumns = 8;
constexpr int kSwatch = 12;

struct NamedColour {
    QColor colour;
    const char16_t *name;
};

const QList<NamedColour> &namedColours()
{
    static const QList<NamedColour> colours = {
        { QColor(0x00, 0x00, 0x00), u"Sort" },
        { QColor(0x80, 0x00, 0x00), u"Mørkerød" },
        { QColor(0x00, 0x80, 0x00), u"Grøn" },
        { QColor(0x80, 0x80, 0x00), u"Oliven" },
        { QColor(0x00, 0x00, 0x80), u"Marineblå" },
        { QColor(0x80, 0x00, 0x80), u"Lilla" },
        { QColor(0x00, 0x80, 0x80), u"Blågrøn" },
        { QColor(0x80, 0x80, 0x80), u"Grå" },
        { QColor(0xC0, 0xC0, 0xC0), u"Sølvgrå" },
        { QColor(0xFF, 0x00, 0x00), u"Rød" },
        { QColor(0x00, 0xFF, 0x00), u"Lysegrøn" },
        { QColor(0xFF, 0xFF, 0x00), u"Gul" },
        { QColor(0x00, 0x00, 0xFF), u"Blå" },
        { QColor(0xFF, 0x00, 0xFF), u"Magenta" },
        { QColor(0x00, 0xFF, 0xFF), u"Turkis" },
        { QColor(0xFF, 0xFF, 0xFF), u"Hvid" },
    };
    return colours;
}

QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(kSwatch, kSwatch);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(0, 0, kSwatch - 1, kSwatch - 1);
    return QIcon(pixmap);
}

} // namespace

ColourGrid::ColourGrid(QWidget *parent)
    : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    const QList<NamedColour> &named = namedColours();
    for (int i = 0; i < named.size(); ++i) {
        auto *button = new QToolButton(this);
        const QString name = QStringLiteral("Tekstfarve: ") + QString::fromUtf16(named[i].name);
        button->setIcon(swatch(named[i].colour));
        button->setIconSize(QSize(kSwatch, kSwatch));
        button->setToolTip(name);
        button->setStatusTip(name);
        button->setAccessibleName(name);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus); // the editor keeps the focus and its selection
        const QColor colour = named[i].colour;
        connect(button, &QToolButton::clicked, this, [this, colour] {
            mark(colour);
            Q_EMIT colourChosen(colour);
        });
        grid->addWidget(button, i / kColumns, i % kColumns);
        buttons_ << button;
    }
}

const QList<QColor> &ColourGrid::colours()
{
    static const QList<QColor> colours = [] {
        QList<QColor> result;
        for (const NamedColour &named : namedColours())
            result << named.colour;
        return result;
    }();
    return colours;
}

void ColourGrid::mark(const QColor &colour)
{
    const int index = colour.isValid() ? int(colours().indexOf(QColor(colour.rgb()))) : -1;
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setChecked(i == index);
}

QColor ColourGrid::marked() const
{
    for (int i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]->isChecked())
            return colours()[i];
    }
    return {};
}
