#include "options/ThemeService.h"

#include "options/ThemeDefinition.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <optional>

namespace {

const QString kPlatformLook = QStringLiteral("Windows");

// The look the program started with, kept before the first theme replaces it.
struct PlatformLook {
    QString styleName;
    QPalette palette;
};

std::optional<PlatformLook> &platformLook()
{
    static std::optional<PlatformLook> look;
    return look;
}

QString &current()
{
    static QString name;
    return name;
}

const ThemeDefinition *findCarried(const QString &name)
{
    for (const ThemeDefinition &theme : ThemeDefinition::carried()) {
        if (theme.name == name)
            return &theme;
    }
    return nullptr;
}

// The rich-text editor's colours: those of paper, never the theme's. A style sheet rule, because it reaches
// the editor's viewport too, which a palette does not while a style sheet is in force.
const QString kPaper = QStringLiteral("QTextEdit { background-color: #ffffff; color: #000000;"
                                      " selection-background-color: #3399ff; selection-color: #ffffff; }\n");

bool applyLook(const QString &styleName, const QPalette &palette, const QString &styleSheet)
{
    QStyle *style = QStyleFactory::create(styleName);
    if (!style)
        return false;
    // Without a style sheet in the way, the new style polishes every widget once.
    qApp->setStyleSheet(QString());
    QApplication::setStyle(style);
    QApplication::setPalette(palette);
    qApp->setStyleSheet(styleSheet + kPaper);
    return true;
}

} // namespace

namespace ThemeService {

QStringList names()
{
    QStringList result { kPlatformLook };
    for (const ThemeDefinition &theme : ThemeDefinition::carried())
        result << theme.name;
    return result;
}

bool apply(const QString &name)
{
    if (!qApp)
        return false;
    // Restyling every widget again for the look it already has would only cost time.
    if (name == current())
        return true;
    if (!platformLook())
        platformLook() = PlatformLook { QApplication::style()->name(), QApplication::palette() };

    bool applied = false;
    if (name == kPlatformLook) {
        const PlatformLook &look = *platformLook();
        applied = applyLook(
            look.styleName, look.palette, ThemeDefinition::workspaceRule(look.palette.color(QPalette::Dark)));
    } else if (const ThemeDefinition *theme = findCarried(name)) {
        applied = applyLook(QStringLiteral("Fusion"), theme->palette(), theme->styleSheet());
    }
    if (applied)
        current() = name;
    return applied;
}

QString currentName()
{
    return current();
}

} // namespace ThemeService
