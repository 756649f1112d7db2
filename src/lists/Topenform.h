#pragma once

#include "app/ToolBox.h"

#include <memory>

class ModalRunner;
class QCheckBox;
class QPushButton;
class RadioGroup;
class SettingsFile;

// The open-action box: when the options ask for it, files dropped on the frame or chosen to open can be
// opened for editing, put in the list of closed documents, or put in the favourites. It keeps the last
// choice in OpenUnit.txt.
class Topenform : public ToolBox {
    Q_OBJECT

public:
    enum Handling { kAabenTilRedigering = 0, kLukkedeDokumenter = 1, kFavoritter = 2 };

    explicit Topenform(AppContext &context);
    ~Topenform() override;

    void HentOpt();
    void GemOpt();
    // Shows the box modally over the frame and stores the choice, however the box was closed; the
    // result is QDialog::Accepted only when "Gennemfør" was pressed.
    int showModal(ModalRunner &runner);
    // Carries out the chosen action on the files, in their order.
    void applyChosenAction(const QStringList &files);

    QString optFilnavn;
    RadioGroup *handlingsBox;
    QCheckBox *checkNyListe;
    QPushButton *annullerButton;
    QPushButton *okButton;

private:
    void FormShow();

    std::unique_ptr<SettingsFile> settings_;
};
