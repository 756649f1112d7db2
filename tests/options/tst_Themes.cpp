#include "app/ColourContrast.h"
#include "documents/RichEditor.h"
#include "documents/spelling/TextMarker.h"
#include "frame/MenuBook.h"
#include "frame/Tmainform.h"
#include "options/Tboksform.h"
#include "options/ThemeDefinition.h"
#include "options/ThemeService.h"
#include "options/Toptform.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

namespace {

qreal contrast(const QColor &a, const QColor &b)
{
    return ColourContrast::ratio(a, b);
}

constexpr qreal kReadable = ColourContrast::kReadable;
// Greyed-out text and placeholders must stand back, yet still be made out.
constexpr qreal kStillLegible = 3.0;

// The colour on screen at a point of a widget, drawn as in its window.
QColor shownAt(QWidget *window, QWidget *widget, QPoint point)
{
    const QImage image = window->grab().toImage();
    return image.pixelColor(widget->mapTo(window, point));
}

// A button's caption as drawn: its ink, the pixel around the caption that stands out most from the
// button's face, against the faintest shade of the face (drawn with a gradient) there.
qreal drawnCaptionContrast(QWidget *window, QToolButton *button)
{
    const QImage shot = window->grab().toImage();
    const QSize caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()) + QSize(4, 2);
    const QRect face = QRect(
        button->mapTo(window, button->rect().center() - QPoint(caption.width(), caption.height()) / 2),
        caption);
    QHash<QRgb, int> counts;
    for (int y = face.top(); y <= face.bottom(); ++y) {
        for (int x = face.left(); x <= face.right(); ++x)
            ++counts[shot.pixel(x, y)];
    }
    QRgb common = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(common))
            common = it.key();
    }
    QColor ink(common);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (contrast(QColor(it.key()), QColor(common)) > contrast(ink, QColor(common)))
            ink = QColor(it.key());
    }
    qreal worst = contrast(ink, QColor(common));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (contrast(QColor(it.key()), QColor(common)) < 1.2)
            worst = std::min(worst, contrast(ink, QColor(it.key())));
    }
    return worst;
}

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::Active, widget->foregroundRole());
}

QString screenshotFolder()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/theme-screenshots");
    QDir().mkpath(folder);
    return folder;
}

} // namespace

class ThemesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesStartWithPlatformLook();
    void carriedThemesHaveReadableColours_data();
    void carriedThemesHaveReadableColours();
    void everyThemeIsReadableOnScreenAndLeavesDocumentColours_data();
    void everyThemeIsReadableOnScreenAndLeavesDocumentColours();
    void platformLookComesBack();
    void unknownNameChangesNothing();
};

void ThemesTest::namesStartWithPlatformLook()
{
    QCOMPARE(ThemeService::names(),
        QStringList({ "Windows", "Aqua Light Slate", "Iceberg Classico", "Lavender Classico",
            "Sapphire Kamri", "Silver", "Sky", "Smokey Quartz Kamri", "Windows10", "Windows10 Clear Day",
            "Windows11 Impressive Light", "Windows11 Modern Light" }));
}

void ThemesTest::carriedThemesHaveReadableColours_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < ThemeDefinition::carried().size(); ++i)
        QTest::newRow(qPrintable(ThemeDefinition::carried()[i].name)) << int(i);
}

void ThemesTest::carriedThemesHaveReadableColours()
{
    QFETCH(int, index);
    const ThemeDefinition &theme = ThemeDefinition::carried()[size_t(index)];
    const QPalette palette = theme.palette();
    const struct {
        QPalette::ColorRole text;
        QPalette::ColorRole background;
    } pairs[] = { { QPalette::WindowText, QPalette::Window }, { QPalette::Text, QPalette::Base },
        { QPalette::Text, QPalette::AlternateBase }, { QPalette::ButtonText, QPalette::Button },
        { QPalette::HighlightedText, QPalette::Highlight }, { QPalette::ToolTipText, QPalette::ToolTipBase },
        { QPalette::Link, QPalette::Base } };
    for (const auto &pair : pairs) {
        const qreal ratio = contrast(
            palette.color(QPalette::Active, pair.text), palette.color(QPalette::Active, pair.background));
        QVERIFY2(ratio >= kReadable,
            qPrintable(QStringLiteral("roles %1/%2: %3").arg(pair.text).arg(pair.background).arg(ratio)));
    }
    QVERIFY(contrast(theme.panelText, theme.panel) >= kReadable);
    QVERIFY(contrast(palette.color(QPalette::Disabled, QPalette::WindowText), theme.window) >= kStillLegible);
    QVERIFY(contrast(palette.color(QPalette::Disabled, QPalette::ButtonText), theme.button) >= kStillLegible);
    QVERIFY(contrast(palette.color(QPalette::Disabled, QPalette::Text), theme.base) >= kStillLegible);
    QVERIFY(contrast(palette.color(QPalette::PlaceholderText), theme.base) >= kStillLegible);
}

void ThemesTest::everyThemeIsReadableOnScreenAndLeavesDocumentColours_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : ThemeService::names())
        QTest::newRow(qPrintable(name)) << name;
}

void ThemesTest::everyThemeIsReadableOnScreenAndLeavesDocumentColours()
{
    QFETCH(QString, name);
    TestApp app;
    app.start();
    Tmainform &frame = app.frame();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    Toptform &options = *app.context.optform;
    Tboksform &box = *app.context.boksform;
    auto *document = new RichEditor(frame.centralWidget());
    document->setHtml(QStringLiteral("<p>Sort tekst og <span style='color:#c00000'>rød tekst</span></p>"));
    // Below the page buttons, which it would cover.
    document->setGeometry(10, frame.hovedmenuPanel->geometry().bottom() + 10, 300, 120);
    document->show();

    QVERIFY(ThemeService::apply(name));
    QCOMPARE(ThemeService::currentName(), name);

    // The page buttons: the Fil button's caption against the row it sits on.
    QWidget *pageRow = frame.hovedmenuPanel;
    QVERIFY(pageRow->isVisible());
    QToolButton *fil = nullptr;
    for (QToolButton *button : pageRow->findChildren<QToolButton *>()) {
        if (button->text() == u"Fil")
            fil = button;
    }
    QVERIFY(fil);
    const QColor row = shownAt(&frame, pageRow, QPoint(pageRow->width() - 4, pageRow->height() / 2));
    QVERIFY2(contrast(textColour(fil), row) >= kReadable, "page buttons");
    // As drawn, also under the mouse and pressed, when the button shows a face of its own.
    const qreal drawn = drawnCaptionContrast(&frame, fil);
    QVERIFY2(drawn >= kReadable, qPrintable(QStringLiteral("page button as drawn: %1").arg(drawn)));
    fil->setAttribute(Qt::WA_UnderMouse, true);
    const qreal underMouse = drawnCaptionContrast(&frame, fil);
    fil->setDown(true);
    const qreal pressed = drawnCaptionContrast(&frame, fil);
    fil->setDown(false);
    fil->setAttribute(Qt::WA_UnderMouse, false);
    QVERIFY2(underMouse >= kReadable,
        qPrintable(QStringLiteral("page button under the mouse: %1").arg(underMouse)));
    QVERIFY2(pressed >= kReadable, qPrintable(QStringLiteral("page button pressed: %1").arg(pressed)));

    // A bar button whose command cannot run now looks so: it drew like the others.
    frame.updateActions();
    QToolButton *hovedmenu = nullptr;
    QToolButton *redskabslinje = nullptr;
    for (QToolButton *button : frame.bundPanel->findChildren<QToolButton *>()) {
        if (button->text() == u"Hovedmenu")
            hovedmenu = button;
        else if (button->text() == u"Redskabslinje")
            redskabslinje = button;
    }
    QVERIFY(hovedmenu && redskabslinje && !redskabslinje->isEnabled());
    const qreal enabledBar = drawnCaptionContrast(&frame, hovedmenu);
    const qreal disabledBar = drawnCaptionContrast(&frame, redskabslinje);
    QVERIFY2(disabledBar < enabledBar / 1.5,
        qPrintable(QStringLiteral("bar buttons: %1 enabled, %2 disabled").arg(enabledBar).arg(disabledBar)));

    frame.UdskrivInfo(QString());
    const QColor statusBackground = shownAt(&frame, frame.Info, frame.Info->rect().center());
    QVERIFY2(contrast(textColour(frame.Info), statusBackground) >= kReadable, "status line");

    const QRect check = options.CheckVedLuk->rect();
    const QColor beside
        = shownAt(&options, options.CheckVedLuk, QPoint(check.right() - 2, check.center().y()));
    QVERIFY2(contrast(textColour(options.CheckVedLuk), beside) >= kReadable, "check box");
    const QColor field = shownAt(&options, options.maxFindEdit, QPoint(5, options.maxFindEdit->height() / 2));
    QVERIFY2(
        contrast(options.maxFindEdit->palette().color(QPalette::Text), field) >= kReadable, "input field");

    Tboksform::setNames(box.Box, {});
    const QColor list = shownAt(&box, box.Box, box.Box->rect().center());
    QVERIFY2(contrast(box.Box->palette().color(QPalette::Text), list) >= kReadable, "list");
    const QColor memo = shownAt(&box, box.Memo, QPoint(box.Memo->width() - 24, box.Memo->height() - 8));
    QVERIFY2(contrast(box.Memo->palette().color(QPalette::Text), memo) >= kReadable, "plain text");

    // A link in the document is marked in a colour that reads on the document's paper (the dark themes'
    // own link colours are light, and the paper stays white).
    auto *marker = new TextMarker(*document, nullptr);
    document->setPlainText(QStringLiteral("Se https://eksempel.dk/side for mere"));
    const QTextBlock block = document->document()->firstBlock();
    QTRY_VERIFY(!block.layout()->formats().isEmpty());
    const QColor linkColour = block.layout()->formats().first().format.foreground().color();
    QVERIFY2(contrast(linkColour, shownAt(&frame, document->viewport(), QPoint(280, 100))) >= kReadable,
        "link in a document");
    delete marker;

    // The document keeps black ink on white paper, and its own colours.
    QCOMPARE(document->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
    QCOMPARE(document->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::black));
    QCOMPARE(shownAt(&frame, document->viewport(), QPoint(280, 100)), QColor(Qt::white));

    // For review: the frame, the options beside it and the font names box below.
    options.resize(options.sizeHint());
    box.resize(Tboksform::kWidth, Tboksform::kHeight);
    const QPixmap frameShot = frame.grab();
    const QPixmap optionsShot = options.grab();
    const QPixmap boxShot = box.grab();
    QPixmap sheet(frameShot.width() + optionsShot.width(),
        std::max(frameShot.height(), optionsShot.height() + boxShot.height()));
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    painter.drawPixmap(0, 0, frameShot);
    painter.drawPixmap(frameShot.width(), 0, optionsShot);
    painter.drawPixmap(frameShot.width(), optionsShot.height(), boxShot);
    painter.end();
    const QString file = screenshotFolder() + u'/' + name + QStringLiteral(".png");
    QVERIFY(sheet.save(file));
    QVERIFY(QFileInfo(file).size() > 0);
}

void ThemesTest::platformLookComesBack()
{
    QVERIFY(ThemeService::apply(QStringLiteral("Windows")));
    const QString styleName = QApplication::style()->name();
    const QColor window = QApplication::palette().color(QPalette::Window);
    QVERIFY(ThemeService::apply(QStringLiteral("Sapphire Kamri")));
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(QStringLiteral("#1e2a45")));
    QVERIFY(!qApp->styleSheet().isEmpty());

    QVERIFY(ThemeService::apply(QStringLiteral("Windows")));
    QCOMPARE(QApplication::style()->name(), styleName);
    QCOMPARE(QApplication::palette().color(QPalette::Window), window);
    QVERIFY(!qApp->styleSheet().contains(QStringLiteral("bundPanel")));
}

void ThemesTest::unknownNameChangesNothing()
{
    QVERIFY(ThemeService::apply(QStringLiteral("Silver")));
    const QString sheet = qApp->styleSheet();
    QVERIFY(!ThemeService::apply(QStringLiteral("silver")));
    QVERIFY(!ThemeService::apply(QString()));
    QCOMPARE(ThemeService::currentName(), QStringLiteral("Silver"));
    QCOMPARE(qApp->styleSheet(), sheet);
}

QTEST_MAIN(ThemesTest)
#include "tst_Themes.moc"
