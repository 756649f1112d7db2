#pragma once

#include "documents/DocumentWindow.h"

class AppContext;

// A stand-in document window that reports to the document lists as the real windows do: opened when
// its file exists, saved under a new name, closed. It is added to the frame's client area.
class ListedDocument : public DocumentWindow {
    Q_OBJECT

public:
    // Opens the file in a new window of the frame; the frame owns the window.
    static ListedDocument *open(AppContext &context, const QString &fileName);

    QString Filnavn() const override { return fileName_; }
    QString capNavn() const override;
    bool isRichText() const override { return false; }
    void setEditorMargins(int) override { }
    void Gem() override { }
    void GemSom() override { }
    void filInformation() override { }
    void udskrivDokument() override { }
    int FindOrd() override { return 0; }
    int ErstatTekst() override { return 0; }
    void showRedskabsPanel() override { }

    // "Gem som": the text is written under the new name.
    void saveAs(const QString &fileName);
    // Closes the window's sub-window, as the user does; the window is gone afterwards.
    void closeWindow();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ListedDocument(AppContext &context, const QString &fileName);

    AppContext &context_;
    QString fileName_;
};
