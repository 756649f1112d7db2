#include "frame/MessageCentre.h"

#include "app/AppContext.h"
#include "app/MessageCentreControls.h"
#include "frame/FrameCommands.h"
#include "platform/Notifier.h"
#include "platform/Shell.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

MessageCentre::MessageCentre(const MessageCentreControls &controls, AppContext &context,
    const FrameCommands &commands, QObject *parent)
    : QObject(parent)
    , controls_(controls)
    , context_(context)
{
    connect(controls.bcButton, &QToolButton::clicked, this, &MessageCentre::bcButtonClick);
    connect(controls.bcNyButton, &QToolButton::clicked, this, &MessageCentre::bcNyButtonClick);
    connect(controls.bcMemo, &QPlainTextEdit::textChanged, this, &MessageCentre::bcMemoChange);
    // Enter in the title goes on to the text.
    connect(controls.bcEdit, &QLineEdit::returnPressed, controls.bcMemo,
        [this] { controls_.bcMemo->setFocus(); });

    const std::pair<const char *, WebSearch::Engine> searches[] = {
        { "googleUrl", WebSearch::Engine::Google },
        { "bingUrl", WebSearch::Engine::Bing },
        { "tubeUrl", WebSearch::Engine::YouTube },
    };
    for (const auto &[command, engine] : searches) {
        connect(commands.get(QString::fromLatin1(command)), &QAction::triggered, this,
            [this, engine = engine] { searchWeb(engine); });
    }
}

void MessageCentre::bcButtonClick()
{
    if (controls_.bcEdit->text().isEmpty()) {
        context_.inform(QStringLiteral("Der mangler en overskrift.\rIndfør en overskrift."));
        controls_.bcEdit->setFocus();
        return;
    }
    if (controls_.bcMemo->toPlainText().isEmpty()) {
        context_.inform(QStringLiteral("Der mangler en tekst.\rIndfør en tekst."));
        controls_.bcMemo->setFocus();
        return;
    }
    makeInfo(controls_.bcEdit->text(), controls_.bcMemo->toPlainText());
}

void MessageCentre::bcNyButtonClick()
{
    controls_.bcMemo->clear();
    controls_.bcEdit->clear();
    controls_.bcEdit->setFocus();
    controls_.memoLabel->setText(QStringLiteral("0"));
}

void MessageCentre::bcMemoChange()
{
    controls_.memoLabel->setText(QString::number(characterCount(controls_.bcMemo->toPlainText())));
}

int MessageCentre::characterCount(const QString &text)
{
    // A letter outside the Basic Multilingual Plane is one character to the user, though two in UTF-16.
    int count = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate())
            ++count;
    }
    return count + int(text.count(u'\n'));
}

void MessageCentre::makeInfo(const QString &title, const QString &body)
{
    ++context_.fields.ncNumber;
    context_.platform.notifier.notify(
        QStringLiteral("Tilvex ") + QString::number(context_.fields.ncNumber), title, body);
}

void MessageCentre::searchWeb(WebSearch::Engine engine)
{
    if (controls_.bcMemo->toPlainText().isEmpty())
        controls_.bcMemo->setPlainText(QStringLiteral("Der mangler en tekst."));
    context_.platform.shell.openAddress(WebSearch::address(engine, controls_.bcMemo->toPlainText()));
}
