#pragma once

#include "documents/DocumentWindow.h"

#include <QStringList>

class AppContext;
class QPlainTextEdit;
class TestApp;

// A document window for tests of the frame: it records the numbered operations the frame asks of it,
// answers find and replace with a fixed count, and asks the question dialog before it closes while
// its text counts as changed.
class StubDocumentWindow : public DocumentWindow {
    Q_OBJECT

public:
    StubDocumentWindow(AppContext &context, const QString &caption, QWidget *parent = nullptr);

    // Adds a new window to the frame's client area and activates it.
    static StubDocumentWindow *open(TestApp &app, const QString &caption);

    QString Filnavn() const override { return QString(); }
    QString capNavn() const override { return caption_; }
    bool isRichText() const override { return false; }
    bool isModified() const override { return modified_; }
    bool isLoading() const override { return loading; }
    void setEditorMargins(int) override { }
    Document *document() override { return nullptr; }
    RecoveryCopy recoveryCopy() const override { return {}; }
    void restore(const RecoveryCopy &) override { }
    const QTextDocument *printableDocument() override;

    void Gem() override;
    void GemSom() override { calls << QStringLiteral("GemSom"); }
    void filInformation() override;
    void udskrivDokument() override { calls << QStringLiteral("udskrivDokument"); }
    int FindOrd() override;
    int ErstatTekst() override;
    void showRedskabsPanel() override { calls << QStringLiteral("showRedskabsPanel"); }

    // Marks the text as changed or unchanged, as editing and saving do; the frame's field follows.
    void setModified(bool modified);

    QPlainTextEdit *editor;
    QStringList calls;
    int matches = 0;
    bool loading = false;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &context_;
    QString caption_;
    bool modified_ = false;
};
