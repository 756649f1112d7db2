#include "options/ThemeDefinition.h"

namespace {

QColor mix(const QColor &a, const QColor &b, qreal share_of_b)
{
    const qreal keep = 1.0 - share_of_b;
    return QColor::fromRgbF(float(a.redF() * keep + b.redF() * share_of_b),
        float(a.greenF() * keep + b.greenF() * share_of_b), float(a.blueF() * keep + b.blueF() * share_of_b));
}

bool isDark(const QColor &color)
{
    return color.lightnessF() < 0.5;
}

} // namespace

QColor ThemeDefinition::disabled(const QColor &foreground, const QColor &background)
{
    return mix(foreground, background, 0.45);
}

QPalette ThemeDefinition::palette() const
{
    QPalette p;
    const bool dark = isDark(window);
    // Fusion draws its bevels and frames from these.
    const QColor light = dark ? button.lighter(150) : button.lighter(125);
    const QColor mid = dark ? window.darker(130) : button.darker(130);
    const QColor shade = dark ? window.darker(160) : button.darker(150);
    const QColor shadow = dark ? window.darker(250) : button.darker(180);

    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, windowText);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, mix(base, window, 0.5));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::ButtonText, buttonText);
        p.setColor(group, QPalette::BrightText, highlightedText);
        p.setColor(group, QPalette::Highlight, highlight);
        p.setColor(group, QPalette::HighlightedText, highlightedText);
        p.setColor(group, QPalette::ToolTipBase, base);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::PlaceholderText, mix(text, base, 0.4));
        p.setColor(group, QPalette::Link, link);
        p.setColor(group, QPalette::LinkVisited, link.darker(dark ? 80 : 120));
        p.setColor(group, QPalette::Light, light);
        p.setColor(group, QPalette::Midlight, mix(button, light, 0.5));
        p.setColor(group, QPalette::Mid, mid);
        p.setColor(group, QPalette::Dark, shade);
        p.setColor(group, QPalette::Shadow, shadow);
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabled(windowText, window));
    p.setColor(QPalette::Disabled, QPalette::Text, disabled(text, base));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabled(buttonText, button));
    p.setColor(QPalette::Disabled, QPalette::Highlight, mix(highlight, window, 0.5));
    return p;
}

QString ThemeDefinition::styleSheet() const
{
    // Colours only where the palette cannot reach: the bars of the main window, menus, tooltips and the
    // area behind the documents. The editors are left alone, so that a document shows its own colours.
    // A bar's buttons draw their face under the mouse in a shade of the bar, away from their text: the
    // palette's button colour behind the bar's text colour could hide the caption (white on white).
    const bool lightText = !isDark(panelText);
    const QColor hovered = panel.darker(lightText ? 140 : 108);
    const QColor pressed = panel.darker(lightText ? 170 : 118);
    return workspaceRule(workspace())
        + QStringLiteral(
            "#hovedmenuPanel, #bundPanel { background-color: %1; }\n"
            "#hovedmenuPanel QToolButton, #hovedmenuPanel QPushButton, #hovedmenuPanel QLabel,"
            " #bundPanel QLabel, #bundPanel QToolButton, #bundPanel QPushButton { color: %2; }\n"
            "QMenuBar { background-color: %3; color: %4; }\n"
            "QMenuBar::item:selected, QMenu::item:selected { background-color: %5; color: %6; }\n"
            "QMenu { background-color: %7; color: %8; border: 1px solid %9; }\n"
            "QMenu::item:disabled { color: %10; }\n"
            "QToolTip { background-color: %7; color: %8; border: 1px solid %5; }\n")
              .arg(panel.name(), panelText.name(), window.name(), windowText.name(), highlight.name(),
                  highlightedText.name(), base.name(), text.name(), panel.name(), disabled(text, base).name())
        + QStringLiteral(
            "#hovedmenuPanel QToolButton, #bundPanel QToolButton"
            " { border: 1px solid transparent; border-radius: 3px; padding: 1px; }\n"
            "#hovedmenuPanel QToolButton:hover, #bundPanel QToolButton:hover"
            " { background-color: %1; border-color: %3; }\n"
            "#hovedmenuPanel QToolButton:pressed, #bundPanel QToolButton:pressed"
            " { background-color: %2; border-color: %3; }\n"
            "#hovedmenuPanel QToolButton:disabled, #bundPanel QToolButton:disabled { color: %4; }\n")
              .arg(hovered.name(), pressed.name(), mix(panel, panelText, 0.4).name(),
                  disabled(panelText, panel).name());
}

QColor ThemeDefinition::workspace() const
{
    return window.darker(isDark(window) ? 140 : 125);
}

QString ThemeDefinition::workspaceRule(const QColor &colour)
{
    // The document area keeps the brush it is given; a property set at each polish follows every change.
    return QStringLiteral("QMdiArea { qproperty-background: %1; }\n").arg(colour.name());
}

const std::vector<ThemeDefinition> &ThemeDefinition::carried()
{
    auto c = [](const char *hex) { return QColor(QLatin1String(hex)); };
    // name, window, windowText, base, text, button, buttonText, highlight, highlightedText, panel,
    // panelText, link
    static const std::vector<ThemeDefinition> themes = {
        { QStringLiteral("Aqua Light Slate"), c("#e6edf1"), c("#1c2b36"), c("#ffffff"), c("#15222c"),
            c("#d3e0e8"), c("#1c2b36"), c("#2b7a9e"), c("#ffffff"), c("#4f6878"), c("#ffffff"),
            c("#1d6384") },
        { QStringLiteral("Iceberg Classico"), c("#edf3f7"), c("#17303f"), c("#ffffff"), c("#112633"),
            c("#dae6ee"), c("#17303f"), c("#3a78a3"), c("#ffffff"), c("#b7cfdf"), c("#0f2533"),
            c("#275f86") },
        { QStringLiteral("Lavender Classico"), c("#efebf6"), c("#2a2140"), c("#ffffff"), c("#241b38"),
            c("#ddd4ec"), c("#2a2140"), c("#6a4f9e"), c("#ffffff"), c("#6a54a3"), c("#ffffff"),
            c("#5b3f93") },
        { QStringLiteral("Sapphire Kamri"), c("#1e2a45"), c("#e8eef8"), c("#27365a"), c("#f2f5fb"),
            c("#2f4170"), c("#eef2fa"), c("#5b9be6"), c("#0b1424"), c("#0f2a5c"), c("#eef2fa"),
            c("#9cc7ff") },
        { QStringLiteral("Silver"), c("#e4e4e4"), c("#1f1f1f"), c("#ffffff"), c("#1a1a1a"), c("#d2d2d2"),
            c("#1f1f1f"), c("#5f6b7a"), c("#ffffff"), c("#a9a9a9"), c("#111111"), c("#2f5d8a") },
        { QStringLiteral("Sky"), c("#e9f3fb"), c("#10263b"), c("#ffffff"), c("#0d2133"), c("#d0e5f6"),
            c("#10263b"), c("#1c6fb5"), c("#ffffff"), c("#8cc6ec"), c("#0b2239"), c("#1667a8") },
        { QStringLiteral("Smokey Quartz Kamri"), c("#3a3634"), c("#eee7e2"), c("#47423f"), c("#f4eee9"),
            c("#524b47"), c("#f2ebe6"), c("#b08a69"), c("#1c1512"), c("#2a2725"), c("#eee7e2"),
            c("#e6c29f") },
        { QStringLiteral("Windows10"), c("#f0f0f0"), c("#000000"), c("#ffffff"), c("#000000"), c("#e1e1e1"),
            c("#000000"), c("#006cc1"), c("#ffffff"), c("#ffffff"), c("#000000"), c("#005a9e") },
        { QStringLiteral("Windows10 Clear Day"), c("#f4f8fb"), c("#1b1b1b"), c("#ffffff"), c("#111111"),
            c("#e3edf5"), c("#1b1b1b"), c("#0063b1"), c("#ffffff"), c("#d7e7f5"), c("#10253a"),
            c("#0063b1") },
        { QStringLiteral("Windows11 Impressive Light"), c("#f3f3f3"), c("#1a1a1a"), c("#ffffff"),
            c("#1a1a1a"), c("#fbfbfb"), c("#1a1a1a"), c("#005fb8"), c("#ffffff"), c("#e6edf6"), c("#14243a"),
            c("#005fb8") },
        { QStringLiteral("Windows11 Modern Light"), c("#f9f9f9"), c("#1c1c1c"), c("#ffffff"), c("#1c1c1c"),
            c("#fdfdfd"), c("#1c1c1c"), c("#0067c0"), c("#ffffff"), c("#eeeeee"), c("#1c1c1c"),
            c("#0067c0") },
    };
    return themes;
}
