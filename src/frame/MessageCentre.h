#pragma once

#include "app/WebSearch.h"

#include <QObject>

class AppContext;
class FrameCommands;
struct MessageCentreControls;

// The message centre of the "Information" page: a title and a text sent as a notification of the
// desktop, a count of the text's characters, and the frame's three web searches for that text.
class MessageCentre : public QObject {
    Q_OBJECT

public:
    MessageCentre(const MessageCentreControls &controls, AppContext &context, const FrameCommands &commands,
        QObject *parent);

    // "Send": the notification, or a message naming the missing title or text.
    void bcButtonClick();
    // "Ny": empty fields, the count at 0, the focus in the title.
    void bcNyButtonClick();
    void bcMemoChange();
    // Sends one notification named "Tilvex " and the number of notifications sent in this run.
    void makeInfo(const QString &title, const QString &body);
    // Opens the search for the text; an empty text first becomes "Der mangler en tekst.".
    void searchWeb(WebSearch::Engine engine);

    // Characters of the text, a line break counting two (carriage return and line feed).
    static int characterCount(const QString &text);

private:
    const MessageCentreControls &controls_;
    AppContext &context_;
};
